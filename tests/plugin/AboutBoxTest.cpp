// qlAbout through the headless window system: the About box reaches the modal driver with
// its texts, sizes and colours, its web link opens the maker's address, OK closes it.

#include <ixcanvas/headless.h>
#include <ixcanvas/plugin.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

std::string Get(ixh_form form, const char* control, const char* property) {
  char buffer[512] = {};
  if (!ixh_form_get(form, control, property, buffer, sizeof buffer)) return "<none>";
  return buffer;
}

struct AboutSeen {
  int shown = 0;
  std::map<std::string, std::string> values;
  std::vector<unsigned char> rgba;
  int width = 0;
  int height = 0;
  std::string url;
};

std::uint32_t Rgb(int r, int g, int b) { return static_cast<std::uint32_t>(r + 256 * g + 65536 * b); }

int InspectAndPressOk(void* context, ixh_form form) {
  auto& seen = *static_cast<AboutSeen*>(context);
  ++seen.shown;
  seen.values["class"] = Get(form, "", "class");
  seen.values["caption"] = Get(form, "", "caption");
  seen.values["width"] = Get(form, "", "width");
  seen.values["height"] = Get(form, "", "height");
  seen.values["color"] = Get(form, "", "color");
  seen.values["banner"] = Get(form, "Banner", "width") + "x" + Get(form, "Banner", "height");
  seen.values["version"] = Get(form, "Version", "caption");
  seen.values["versioncolor"] = Get(form, "Version", "fontcolor");
  seen.values["versionstyle"] = Get(form, "Version", "fontstyle");
  seen.values["bandcolor"] = Get(form, "Band", "color");
  seen.values["credit"] = Get(form, "Credit", "caption");
  seen.values["mail"] = Get(form, "Mail", "caption");
  seen.values["ok"] = Get(form, "OK", "caption");
  seen.rgba.resize(400 * 300 * 4);
  ixh_form_render_rgba(form, seen.rgba.data(), seen.rgba.size(), &seen.width, &seen.height);
  ixh_form_press(form, "WebLink");
  char url[256] = {};
  if (ixh_opened_url_count() > 0) ixh_opened_url(ixh_opened_url_count() - 1, url, sizeof url);
  seen.url = url;
  ixh_form_press(form, "OK");
  return IXH_MODAL_FROM_FORM;
}

class AboutBoxTest : public ::testing::Test {
 protected:
  void SetUp() override { ixh_reset(); }
  void TearDown() override { ixh_reset(); }
};

TEST_F(AboutBoxTest, ShowsTheBoxModallyAndClosesOnOk) {
  AboutSeen seen;
  ixh_set_modal_driver(&InspectAndPressOk, &seen);
  qlAbout();
  ASSERT_EQ(seen.shown, 1);
  EXPECT_EQ(seen.values["class"], "TAboutBoxForm");
  EXPECT_EQ(seen.values["caption"], "About");
  EXPECT_EQ(seen.values["width"], "319");
  EXPECT_EQ(seen.values["height"], "157");
  EXPECT_EQ(seen.values["color"], std::to_string(Rgb(255, 255, 255)));
  EXPECT_EQ(seen.values["banner"], "305x60");
  EXPECT_EQ(seen.values["version"], "Version 2.0");
  EXPECT_EQ(seen.values["versioncolor"], std::to_string(Rgb(255, 0, 0)));
  EXPECT_EQ(seen.values["versionstyle"], "2");  // italic
  EXPECT_EQ(seen.values["bandcolor"], std::to_string(Rgb(251, 215, 140)));
  EXPECT_EQ(seen.values["credit"], "The ixCanvas developers");
  EXPECT_EQ(seen.values["mail"], "ixcanvas@example.org");
  EXPECT_EQ(seen.values["ok"], "OK");
  EXPECT_EQ(seen.url, "https://ixcanvas.example.org/");
}

TEST_F(AboutBoxTest, RendersWhiteWithTheBandColour) {
  AboutSeen seen;
  ixh_set_modal_driver(&InspectAndPressOk, &seen);
  qlAbout();
  ASSERT_EQ(seen.width, 319);
  ASSERT_EQ(seen.height, 157);
  auto pixel = [&](int x, int y) {
    const unsigned char* p = &seen.rgba[static_cast<std::size_t>(y * seen.width + x) * 4];
    return Rgb(p[0], p[1], p[2]);
  };
  EXPECT_EQ(pixel(2, 80), Rgb(255, 255, 255));    // the form's white beside the version text
  EXPECT_EQ(pixel(217, 145), Rgb(251, 215, 140));  // inside the band, clear of its texts
  EXPECT_EQ(pixel(316, 154), Rgb(255, 255, 255));
}

TEST_F(AboutBoxTest, ReturnsAtOnceWithoutADriverAndCanBeShownAgain) {
  qlAbout();
  AboutSeen seen;
  ixh_set_modal_driver(&InspectAndPressOk, &seen);
  qlAbout();
  qlAbout();
  EXPECT_EQ(seen.shown, 2);
}

}  // namespace
