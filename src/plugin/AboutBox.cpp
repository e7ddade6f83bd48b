#include "plugin/AboutBox.h"

#include "boundary/Maker.h"
#include "gfx/Picture.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/LinkLabel.h"
#include "ui/Panel.h"

namespace ix::plugin {
namespace {

constexpr gfx::Size kClientSize{319, 157};
constexpr gfx::Color kBandColor = gfx::Color::FromRgb(251, 215, 140);

// The banner: a sky-to-white sweep with a warm stripe, drawn here rather than shipped as
// a file, so the box never depends on anything beside the library.
gfx::Picture Banner() {
  constexpr int kWidth = 305;
  constexpr int kHeight = 60;
  gfx::Picture banner({kWidth, kHeight});
  for (int y = 0; y < kHeight; ++y) {
    gfx::Bgr* row = banner.BgrRow(y);
    for (int x = 0; x < kWidth; ++x) {
      const int t = x * 255 / (kWidth - 1);
      const bool stripe = y >= kHeight - 8 && y < kHeight - 4;
      row[x] = stripe ? gfx::Bgr{40, 120, 230} : gfx::Bgr{255, static_cast<std::uint8_t>(150 + t * 105 / 255),
                                                          static_cast<std::uint8_t>(60 + t * 195 / 255)};
    }
  }
  return banner;
}

std::unique_ptr<ui::Form> BuildAboutBox() {
  auto form = std::make_unique<ui::Form>("AboutBoxForm", "TAboutBoxForm");
  form->SetCaption("About");
  form->SetBorder(ui::BorderStyle::Dialog);
  form->SetPlacement(ui::FormPosition::ScreenCenter);
  form->SetClientSize(kClientSize);
  form->SetColor(gfx::colors::White);

  auto& banner = form->Add<ui::Image>("Banner");
  banner.SetBounds(7, 6, 305, 60);
  banner.SetStretch(true);
  banner.SetPicture(Banner());

  auto& version = form->Add<ui::Label>("Version");
  version.SetTransparent(true);
  version.SetAutoSize(false);
  version.SetBounds(7, 68, 305, 32);
  version.SetTextAlign(ui::TextAlign::Center);
  version.SetFont(ui::Font{"Monotype Corsiva", 28, gfx::colors::Red, ui::FontItalic});
  version.SetCaption("Version 2.0");

  auto& band = form->Add<ui::Panel>("Band");
  band.SetBounds(7, 102, 305, 48);
  band.SetBevelOuter(ui::Bevel::Lowered);
  band.SetColor(kBandColor);

  auto& credit = band.Add<ui::Label>("Credit");
  credit.SetTransparent(true);
  credit.SetBounds(8, 4, 200, 13);
  credit.SetCaption(boundary::kMakerCredit);

  auto& mail = band.Add<ui::Label>("Mail");
  mail.SetTransparent(true);
  mail.SetBounds(8, 18, 200, 13);
  mail.SetCaption(boundary::kMakerMail);

  auto& web = band.Add<ui::LinkLabel>("WebLink");
  web.SetTransparent(true);
  web.SetBounds(8, 32, 200, 13);
  web.SetCaption(boundary::kMakerWeb);
  web.SetUrl(std::string(boundary::kMakerWeb));

  auto& ok = band.Add<ui::Button>("OK");
  ok.SetBounds(232, 12, 65, 25);
  ok.SetCaption("OK");
  ok.SetDefault(true);
  ok.SetCancel(true);
  ok.SetModalResultValue(ui::ModalResult::Ok);
  return form;
}

}  // namespace

void ShowAboutBox() {
  const std::unique_ptr<ui::Form> form = BuildAboutBox();
  form->ShowModal();
}

}  // namespace ix::plugin
