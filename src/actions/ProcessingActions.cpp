#include "actions/ProcessingActions.h"

#include "actions/ActionFrame.h"
#include "boundary/HostSlots.h"
#include "gfx/Resample.h"
#include "gfx/ops/ColorCount.h"
#include "gfx/ops/ColorReduce.h"
#include "gfx/ops/EdgeDetect.h"
#include "gfx/ops/Flip.h"
#include "gfx/ops/HiddenText.h"
#include "gfx/ops/IsolatedPixels.h"
#include "gfx/ops/Negative.h"
#include "gfx/ops/Reflection.h"
#include "gfx/ops/RemoveNoise.h"
#include "gfx/ops/SoftShadow.h"
#include "gfx/ops/Sobel.h"
#include "gfx/ops/TeaCipher.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

namespace ix::actions {

using canvas::TPicture;

namespace {

gfx::Picture& Current(TPicture& c) { return c.SurfacePicture(); }

// The area a selection-aware operation works on: the selection's bounding rectangle
// while there is a selection, else the whole picture.
gfx::Rect WorkArea(TPicture& c)
{
    const gfx::ImageView& view = c.MainView();
    if (!view.HasSelection()) return Current(c).Bounds();
    const gfx::SelectionBounds b = view.SelectedBounds();
    return gfx::Rect{b.x1, b.y1, b.x2 + 1, b.y2 + 1};
}

std::string Lower(std::string_view text)
{
    std::string s(text);
    for (char& ch : s)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return s;
}

// A floating number written with the user's decimal separator; blanks around it are
// allowed. Throws ReadingError for anything else.
double ReadFloat(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) throw ReadingError("not a number");
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::string s(text);
    const char sep = DecimalSeparator();
    if (sep != '.') {
        if (s.find('.') != std::string::npos) throw ReadingError("not a number");
        std::replace(s.begin(), s.end(), sep, '.');
    }
    if (!s.empty() && s[0] == '+') s.erase(0, 1);
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size()) throw ReadingError("not a number");
    return value;
}

} // namespace

bool ExecProcRemovePixel(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        const int groupSize = ReadInteger(Param(p, 2));
        const int colour = ReadInteger(Param(p, 1));
        gfx::RemoveIsolatedPixels(Current(c), colour, groupSize, WorkArea(c));
        c.RefreshView();
    });
}

bool ExecProcRemoveNoise(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        const std::string word = Lower(Param(p, 1));
        if (word != "true" && word != "false") return;
        gfx::RemoveNoise(Current(c), ReadIntegerOr(Param(p, 2), 1), word == "true", WorkArea(c));
        c.RefreshView();
    });
}

bool ExecProcEncrypt(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        if (Param(p, 1).empty()) return;
        gfx::Encrypt(Current(c), Param(p, 1));
        c.RefreshView();
    });
}

bool ExecProcDecrypt(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        if (Param(p, 1).empty()) return;
        gfx::Decrypt(Current(c), Param(p, 1));
        c.RefreshView();
    });
}

bool ExecProcFlip(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        const std::string_view direction = Param(p, 1);
        if (direction == "Horizontal") gfx::Flip(Current(c), gfx::FlipDirection::Horizontal);
        else if (direction == "Vertical") gfx::Flip(Current(c), gfx::FlipDirection::Vertical);
        else return;
        c.RefreshView();
    });
}

bool ExecProcReflection(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        const std::string_view text = Param(p, 1);
        if (text.empty() || ReadIntegerOr(text, 0) < 0 || ReadIntegerOr(text, 200) > 200) return;
        gfx::Reflection(Current(c), ReadInteger(text), 200);
        c.RefreshView();
    });
}

bool ExecProcAddShadow(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        double radius = 0;
        gfx::Color colour;
        try {
            const std::vector<std::string> items = SplitDelimited(Param(p, 5));
            radius = ReadFloat(Param(p, 1));
            if (items.size() < 3) throw ReadingError("colour needs three items");
            colour = gfx::Color::FromRgb(ReadInteger(items[0]), ReadInteger(items[1]), ReadInteger(items[2]));
        } catch (const ReadingError&) {
            return; // a bad radius or colour skips the shadow and is no failure
        }
        const int intensity = ReadIntegerOr(Param(p, 4), 100);
        const int dx = ReadIntegerOr(Param(p, 2), 0);
        const int dy = ReadIntegerOr(Param(p, 3), 0);
        gfx::AddSoftShadow(Current(c), radius, dx, dy, colour, intensity);
        c.RefreshView();
    });
}

bool ExecCanvasEdgeDetect(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        gfx::EdgeDetect(Current(c), 0.9, 0.99, 7, 0.0, true);
        c.RefreshView();
    });
}

bool ExecCanvasEdgePen(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        gfx::Sobel(Current(c));
        gfx::Negative(Current(c), WorkArea(c));
        c.RefreshView();
    });
}

bool ExecCanvasGetNumColor(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        const int count = gfx::CountColors(Current(c), WorkArea(c));
        boundary::SetHostVariable(Param(p, 1), IntegerText(count));
    });
}

bool ExecCanvasConvertTo(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        gfx::ReduceColors(Current(c), ReadIntegerOr(Param(p, 1), 0));
        c.RefreshView();
    });
}

bool ExecCanvasWriteHiddenText(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        gfx::WriteHiddenText(Current(c), Param(p, 1));
        c.RefreshView();
    });
}

bool ExecCanvasReadHiddenText(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) { boundary::SetHostVariable(Param(p, 1), gfx::ReadHiddenText(Current(c))); });
}

bool ExecCanvasResample(const ActionParams& p)
{
    return RunOnCanvas(p, [&](TPicture& c) {
        const auto it = std::find(gfx::kResampleFilterNames.begin(), gfx::kResampleFilterNames.end(), Param(p, 1));
        if (it == gfx::kResampleFilterNames.end()) return;
        const auto filter = static_cast<gfx::ResampleFilter>(it - gfx::kResampleFilterNames.begin());
        const gfx::Size size{ReadIntegerOr(Param(p, 2), 100), ReadIntegerOr(Param(p, 3), 100)};
        if (size.width <= 0 || size.height <= 0) throw ReadingError("resample: size must be positive");
        gfx::Resample(Current(c), size, filter);
        c.RefreshView();
    });
}

} // namespace ix::actions
