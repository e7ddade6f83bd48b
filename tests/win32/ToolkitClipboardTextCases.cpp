// The system clipboard behind the toolkit's Clipboard, and GDI text on a surface.

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "ui/Clipboard.h"
#include "ui/Platform.h"
#include "ui/text/TextRenderer.h"
#include "win32/Harness.h"

namespace {

using namespace ix;

std::vector<std::uint8_t> SmallDib() {
  // A 2 x 1, 32-bit DIB: header and two pixels, one half transparent.
  std::vector<std::uint8_t> dib(40 + 8, 0);
  BITMAPINFOHEADER h{};
  h.biSize = 40;
  h.biWidth = 2;
  h.biHeight = 1;
  h.biPlanes = 1;
  h.biBitCount = 32;
  h.biCompression = BI_RGB;
  std::memcpy(dib.data(), &h, sizeof h);
  const std::uint32_t pixels[2] = {0xFF102030u, 0x80405060u};
  std::memcpy(dib.data() + 40, pixels, sizeof pixels);
  return dib;
}

bool Contains(const std::vector<unsigned>& v, unsigned f) {
  for (unsigned x : v)
    if (x == f) return true;
  return false;
}

}  // namespace

IX_CASE(ToolkitClipboardKeepsDibAndOwnFormatsExactly) {
  ui::Clipboard& clip = ui::ThePlatform().SystemClipboard();
  const unsigned raw = clip.RegisterFormat("ixCanvas raw picture");
  IX_CHECK(raw >= 0xC000);
  IX_CHECK_EQ(clip.RegisterFormat("ixCanvas raw picture"), raw);
  IX_CHECK_EQ(clip.RegisterFormat(""), 0u);
  const std::vector<std::uint8_t> dib = SmallDib();
  const std::vector<std::uint8_t> own = {1, 2, 3, 0, 255, 7};
  {
    ui::ClipboardSession s(clip);
    IX_CHECK(s.IsOpen());
    IX_CHECK(s->Empty());
    IX_CHECK(s->Set(ui::Clipboard::kDib, dib));
    IX_CHECK(s->Set(raw, own));
    IX_CHECK(!s->Set(0, own));
    IX_CHECK(!s->Set(CF_BITMAP, own));  // a handle format takes no bytes
  }
  {
    ui::ClipboardSession s(clip);
    IX_CHECK(s->Has(ui::Clipboard::kDib));
    IX_CHECK(s->Has(raw));
    const auto gotDib = s->Get(ui::Clipboard::kDib);
    IX_CHECK(gotDib.has_value());
    if (gotDib) {
      IX_CHECK(gotDib->size() >= dib.size());
      IX_CHECK(std::vector<std::uint8_t>(gotDib->begin(), gotDib->begin() + 48) == dib);
    }
    const auto gotOwn = s->Get(raw);
    IX_CHECK(gotOwn.has_value());
    if (gotOwn) IX_CHECK(std::vector<std::uint8_t>(gotOwn->begin(), gotOwn->begin() + 6) == own);
    const auto formats = s->Formats();
    IX_CHECK(Contains(formats, ui::Clipboard::kDib));
    IX_CHECK(Contains(formats, raw));
    IX_CHECK(!s->Get(CF_BITMAP).has_value());
    IX_CHECK(!s->Get(clip.RegisterFormat("ixCanvas never set")).has_value());
  }
  // Closed: nothing works.
  IX_CHECK(!clip.Has(raw));
  IX_CHECK(!clip.Get(raw).has_value());
  IX_CHECK(!clip.Set(raw, own));
  IX_CHECK(!clip.Empty());
}

IX_CASE(ToolkitClipboardCarriesEnhancedMetafiles) {
  HDC meta = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
  Rectangle(meta, 0, 0, 10, 10);
  HENHMETAFILE h = CloseEnhMetaFile(meta);
  const UINT size = GetEnhMetaFileBits(h, 0, nullptr);
  std::vector<std::uint8_t> bytes(size);
  GetEnhMetaFileBits(h, size, bytes.data());
  DeleteEnhMetaFile(h);

  ui::Clipboard& clip = ui::ThePlatform().SystemClipboard();
  {
    ui::ClipboardSession s(clip);
    IX_CHECK(s->Empty());
    IX_CHECK(s->Set(ui::Clipboard::kEnhMetafile, bytes));
    IX_CHECK(!s->Set(ui::Clipboard::kEnhMetafile, {1, 2, 3}));  // not a metafile
  }
  ui::ClipboardSession s(clip);
  const auto got = s->Get(ui::Clipboard::kEnhMetafile);
  IX_CHECK(got.has_value());
  if (got) IX_CHECK(*got == bytes);
}

IX_CASE(ToolkitGdiTextMeasuresAndDrawsInsideTheClip) {
  ui::TextRenderer& text = ui::ThePlatform().Text();
  const ui::Font font{"Arial", 13, gfx::Color::FromRgb(200, 0, 0), ui::FontRegular};
  const std::string word = "\xCF\xF0\xE8\xE2\xE5\xF2";  // "Привет"
  const ui::TextMetrics m = text.Measure(font, word);
  IX_CHECK(m.width > 20);
  IX_CHECK(m.height >= 13);
  IX_CHECK(m.ascent > 0 && m.ascent < m.height);
  IX_CHECK(text.Measure(font, word + word).width > m.width);
  ui::Font big = font;
  big.height = 26;
  IX_CHECK(text.Measure(big, word).width > m.width);
  IX_CHECK(text.Measure({"Arial", 100000, gfx::colors::Black, 0}, "x").height <= 500);  // kept sane

  gfx::Surface s({120, 40}, 0xFFFFFFFFu);
  text.Draw(s, s.Bounds(), {10, 5}, font, word);
  int inked = 0, outside = 0, reddish = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x) {
      const std::uint32_t p = s.Row(y)[x];
      if (p == 0xFFFFFFFFu) continue;
      ++inked;
      if (x < 8 || y < 5 || x > 12 + m.width || y >= 5 + m.height) ++outside;
      if ((p >> 16 & 0xFF) > (p & 0xFF) + 40) ++reddish;
      IX_CHECK_EQ(p >> 24, 0xFFu);  // alpha untouched
    }
  IX_CHECK(inked > 30);
  IX_CHECK_EQ(outside, 0);
  IX_CHECK(reddish > 10);

  // A clip keeps the ink inside it; a clip outside the surface draws nothing.
  gfx::Surface clipped({120, 40}, 0xFFFFFFFFu);
  text.Draw(clipped, {0, 0, 30, 40}, {10, 5}, font, word);
  for (int y = 0; y < 40; ++y)
    for (int x = 30; x < 120; ++x) IX_CHECK_EQ(clipped.Row(y)[x], 0xFFFFFFFFu);
  gfx::Surface untouched({20, 20}, 0xFFFFFFFFu);
  text.Draw(untouched, {-100, -100, -50, -50}, {-90, -90}, font, word);
  text.Draw(untouched, untouched.Bounds(), {0, 0}, font, "");
  for (std::uint32_t p : untouched.Pixels()) IX_CHECK_EQ(p, 0xFFFFFFFFu);
}
