// Expectations: `expect` compares what the plug-in did with what the script says, and
// each mismatch is reported with its line and counted; the play goes on.
#include "host/Player.h"

#include "gfx/Cp1251.h"
#include "host/ScriptError.h"
#include "host/Words.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace ix::host {
namespace {

std::string Quote(const std::string& cp1251)
{
    std::string q(1, '"');
    q += ToUtf8(cp1251);
    q += '"';
    return q;
}

std::string ColorText(const std::uint8_t* p)
{
    return std::to_string(p[0]) + "," + std::to_string(p[1]) + "," + std::to_string(p[2]) + "," + std::to_string(p[3]);
}

std::filesystem::path FilePath(const std::string& cp1251)
{
#ifdef _WIN32
    std::u16string wide = gfx::Cp1251ToUtf16(cp1251);
    return std::filesystem::path(wide);
#else
    return std::filesystem::path(ToUtf8(cp1251));
#endif
}

void WantArgs(const std::vector<std::string>& a, std::size_t min, std::size_t max, int line)
{
    if (a.size() < min || a.size() > max) throw ScriptError(line, "wrong number of words for `expect " + ToUtf8(a[0]) + "`");
}

} // namespace

void Player::DoExpect(const Statement& s, const Args& a)
{
    const std::string& what = a[0];
    const int line = s.line;
    if (SameName(what, "result")) {
        WantArgs(a, 2, 2, line);
        if (lastResult_.empty()) throw ScriptError(line, "no action has run yet");
        if (!SameName(lastResult_, a[1])) Fail(line, "the result is " + lastResult_ + ", expected " + ToUtf8(a[1]));
    } else if (SameName(what, "var")) {
        WantArgs(a, 3, 3, line);
        std::optional<std::string> v = variables_.Get(a[1]);
        if (!v) Fail(line, "variable " + ToUtf8(a[1]) + " is not set, expected " + Quote(a[2]));
        else if (*v != a[2]) Fail(line, "variable " + ToUtf8(a[1]) + " is " + Quote(*v) + ", expected " + Quote(a[2]));
    } else if (SameName(what, "unset")) {
        WantArgs(a, 2, 2, line);
        if (std::optional<std::string> v = variables_.Get(a[1]))
            Fail(line, "variable " + ToUtf8(a[1]) + " is " + Quote(*v) + ", expected it not to be set");
    } else if (SameName(what, "sets")) {
        WantArgs(a, 3, 3, line);
        int n = ReadInt(a[2], line, 0, INT32_MAX), got = variables_.SetCount(a[1]);
        if (got != n) Fail(line, "variable " + ToUtf8(a[1]) + " was set " + std::to_string(got) + " times, expected " + a[2]);
    } else if (SameName(what, "param")) {
        WantArgs(a, 3, 3, line);
        int n = ReadInt(a[1], line, 1, 64);
        if (static_cast<std::size_t>(n) > lastParams_.size())
            throw ScriptError(line, "the last edit had " + std::to_string(lastParams_.size()) + " parameters");
        if (lastParams_[n - 1] != a[2])
            Fail(line, "parameter " + a[1] + " is " + Quote(lastParams_[n - 1]) + ", expected " + Quote(a[2]));
    } else if (SameName(what, "pixel")) {
        WantArgs(a, 4, 5, line);
        Object& o = FindObject(a[1], line);
        Point p = ReadPoint(a[2], line);
        std::array<std::uint8_t, 4> want = ReadColor(a[3], line);
        int tolerance = a.size() > 4 ? ReadInt(a[4], line, 0, 255) : 0;
        RgbaImage image = CaptureObject(o, line);
        if (!image.Contains(p.x, p.y)) throw ScriptError(line, "the point lies outside " + ToUtf8(a[1]));
        const std::uint8_t* got = image.Pixel(p.x, p.y);
        bool same = true;
        for (int i = 0; i < 4; ++i) same = same && std::abs(got[i] - want[i]) <= tolerance;
        if (!same) Fail(line, "pixel " + a[2] + " of " + ToUtf8(a[1]) + " is " + ColorText(got) + ", expected " +
                                  ColorText(want.data()));
    } else if (SameName(what, "coverage")) {
        WantArgs(a, 4, 5, line);
        Object& o = FindObject(a[1], line);
        std::array<std::uint8_t, 4> want = ReadColor(a[2], line);
        long long min = ReadInt(a[3], line, 0, INT32_MAX);
        long long max = a.size() > 4 ? ReadInt(a[4], line, 0, INT32_MAX) : INT32_MAX;
        RgbaImage image = CaptureObject(o, line);
        long long count = 0;
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x)
                if (std::equal(want.begin(), want.end(), image.Pixel(x, y))) ++count;
        if (count < min || count > max)
            Fail(line, ToUtf8(a[1]) + " has " + std::to_string(count) + " pixels of " + ColorText(want.data()) +
                           ", expected " + std::to_string(min) + (a.size() > 4 ? " to " + std::to_string(max) : " or more"));
    } else if (SameName(what, "file") || SameName(what, "nofile")) {
        WantArgs(a, 2, 2, line);
        std::error_code ec;
        bool present = std::filesystem::is_regular_file(FilePath(a[1]), ec) && std::filesystem::file_size(FilePath(a[1]), ec) > 0;
        if (SameName(what, "file") && !present) Fail(line, "file " + ToUtf8(a[1]) + " is missing or empty");
        if (SameName(what, "nofile") && std::filesystem::exists(FilePath(a[1]), ec))
            Fail(line, "file " + ToUtf8(a[1]) + " exists");
    } else if (SameName(what, "ran")) {
        WantArgs(a, 3, 3, line);
        int n = ReadInt(a[2], line, 0, INT32_MAX);
        auto it = subroutineRuns_.find(a[1]);
        int got = it == subroutineRuns_.end() ? 0 : it->second;
        if (got != n) Fail(line, "subroutine " + ToUtf8(a[1]) + " ran " + std::to_string(got) + " times, expected " + a[2]);
    } else if (SameName(what, "canvas")) {
        WantArgs(a, 3, 3, line);
        bool want = ReadFlag(a[2], line);
        bool got = stage_.CanvasWindow(FindObject(a[1], line).window) != 0;
        if (got != want) Fail(line, ToUtf8(a[1]) + (got ? " holds a canvas" : " holds no canvas"));
    } else if (SameName(what, "enabled")) {
        WantArgs(a, 3, 3, line);
        bool want = ReadFlag(a[2], line);
        WindowId canvas = stage_.CanvasWindow(FindObject(a[1], line).window);
        if (!canvas) Fail(line, ToUtf8(a[1]) + " holds no canvas");
        else if (stage_.IsEnabled(canvas) != want)
            Fail(line, "the canvas of " + ToUtf8(a[1]) + (want ? " is disabled" : " is enabled"));
    } else if (SameName(what, "message")) {
        WantArgs(a, 2, 2, line);
        if (answers_.messageTexts.empty()) Fail(line, "no message box was shown");
        else if (answers_.messageTexts.back() != a[1])
            Fail(line, "the last message box said " + Quote(answers_.messageTexts.back()) + ", expected " + Quote(a[1]));
    } else if (SameName(what, "messages")) {
        WantArgs(a, 2, 2, line);
        int n = ReadInt(a[1], line, 0, INT32_MAX);
        if (static_cast<int>(answers_.messageTexts.size()) != n)
            Fail(line, std::to_string(answers_.messageTexts.size()) + " message boxes were shown, expected " + a[1]);
    } else {
        throw ScriptError(line, "nothing to expect called " + ToUtf8(what));
    }
}

} // namespace ix::host
