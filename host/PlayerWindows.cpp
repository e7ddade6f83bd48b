// The statements that work on the page's windows: mouse gestures, the canvas control
// message and pictures.
#include "host/Player.h"

#include "host/PngFile.h"
#include "host/ScriptError.h"
#include "host/Words.h"

#include <algorithm>
#include <cstdlib>
#include <cstdio>

namespace ix::host {
namespace {

constexpr std::uint32_t kHostControlMessage = 1274; // the canvas's control message

} // namespace

void Player::Delivered(bool delivered, int line)
{
    // A disabled or hidden window takes no input, as on a real screen: no error.
    if (!delivered) Note(line, "the mouse input reached no window");
}

void Player::DoPress(const Statement& s, const Args& a)
{
    Object& o = FindObject(a[0], s.line);
    Point p = ReadPoint(a[1], s.line);
    MouseButton b = a.size() > 2 ? ReadButton(a[2], s.line) : MouseButton::Left;
    Delivered(stage_.MouseDown(InputWindow(o), b, p.x, p.y), s.line);
}

void Player::DoMove(const Statement& s, const Args& a)
{
    Object& o = FindObject(a[0], s.line);
    Point p = ReadPoint(a[1], s.line);
    Delivered(stage_.MouseMove(InputWindow(o), p.x, p.y), s.line);
}

void Player::DoRelease(const Statement& s, const Args& a)
{
    Object& o = FindObject(a[0], s.line);
    Point p = ReadPoint(a[1], s.line);
    MouseButton b = a.size() > 2 ? ReadButton(a[2], s.line) : MouseButton::Left;
    Delivered(stage_.MouseUp(InputWindow(o), b, p.x, p.y), s.line);
}

void Player::DoClick(const Statement& s, const Args& a)
{
    Object& o = FindObject(a[0], s.line);
    Point p = ReadPoint(a[1], s.line);
    MouseButton b = a.size() > 2 ? ReadButton(a[2], s.line) : MouseButton::Left;
    // The window is looked up again for the release: the press may have replaced it.
    Delivered(stage_.MouseDown(InputWindow(o), b, p.x, p.y), s.line);
    if (!heldError_) Delivered(stage_.MouseUp(InputWindow(o), b, p.x, p.y), s.line);
}

void Player::DoDrag(const Statement& s, const Args& a)
{
    Object& o = FindObject(a[0], s.line);
    std::size_t first = 1;
    MouseButton b = MouseButton::Left;
    if (IsButtonWord(a[1])) {
        b = ReadButton(a[1], s.line);
        first = 2;
    }
    if (a.size() - first < 2) throw ScriptError(s.line, "a drag needs at least two points");
    std::vector<Point> points;
    for (std::size_t i = first; i < a.size(); ++i) points.push_back(ReadPoint(a[i], s.line));
    Delivered(stage_.MouseDown(InputWindow(o), b, points.front().x, points.front().y), s.line);
    for (std::size_t i = 1; !heldError_ && i < points.size(); ++i)
        Delivered(stage_.MouseMove(InputWindow(o), points[i].x, points[i].y), s.line);
    if (!heldError_) Delivered(stage_.MouseUp(InputWindow(o), b, points.back().x, points.back().y), s.line);
}

void Player::DoStroke(const Statement& s, const Args& a)
{
    // As a hand moves a mouse: a move every few pixels along each segment.
    constexpr int kStep = 3;
    Args path(a.begin(), a.begin() + 1);
    std::size_t first = IsButtonWord(a[1]) ? 2 : 1;
    path.insert(path.end(), a.begin() + 1, a.begin() + static_cast<std::ptrdiff_t>(first));
    if (a.size() - first < 2) throw ScriptError(s.line, "a stroke needs at least two points");
    Point from = ReadPoint(a[first], s.line);
    path.push_back(a[first]);
    for (std::size_t i = first + 1; i < a.size(); ++i) {
        Point to = ReadPoint(a[i], s.line);
        int steps = std::max(1, std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) / kStep);
        for (int k = 1; k <= steps; ++k) {
            int x = from.x + static_cast<int>(static_cast<long long>(to.x - from.x) * k / steps);
            int y = from.y + static_cast<int>(static_cast<long long>(to.y - from.y) * k / steps);
            path.push_back(std::to_string(x) + "," + std::to_string(y));
        }
        from = to;
    }
    DoDrag(s, path);
}

void Player::DoHostControl(const Statement& s, const Args& a)
{
    Object& o = FindObject(a[0], s.line);
    std::int64_t code = ReadInt(a[1], s.line, INT32_MIN, INT32_MAX);
    std::uint64_t wParam = a.size() > 2 ? static_cast<std::uint64_t>(ReadInt(a[2], s.line, 0, INT32_MAX)) : 0;
    if (!stage_.Send(InputWindow(o), kHostControlMessage, wParam, code))
        throw ScriptError(s.line, "cannot send to " + ToUtf8(a[0]));
}

void Player::DoPaint(const Statement& s, const Args& a)
{
    Object& o = FindObject(a[0], s.line);
    std::optional<RgbaImage> image =
        stage_.PaintIntoDeviceContext(InputWindow(o), std::max(1, o.bounds.width), std::max(1, o.bounds.height));
    RethrowHeldError();
    if (!image) throw ScriptError(s.line, "cannot paint " + ToUtf8(a[0]) + " into a device context");
    WriteSnapshot(a[1], *image, s.line);
}

RgbaImage Player::CaptureObject(const Object& object, int line)
{
    stage_.Settle();
    std::optional<RgbaImage> image = stage_.Capture(InputWindow(object));
    if (!image) throw ScriptError(line, "cannot capture " + ToUtf8(object.name));
    return std::move(*image);
}

void Player::DoSnapshot(const Statement& s, const Args& a)
{
    WriteSnapshot(a[1], CaptureObject(FindObject(a[0], s.line), s.line), s.line);
}

void Player::WriteSnapshot(const std::string& path, const RgbaImage& image, int line)
{
    WritePng(path, image, line);
    if (options_.verbose) std::printf("%s:%d: wrote %s\n", options_.scriptName.c_str(), line, ToUtf8(path).c_str());
}

} // namespace ix::host
