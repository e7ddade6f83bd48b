// The canvas window's components, their settings and the form-creation handler.
#include "canvas/CanvasList.h"
#include "canvas/CanvasView.h"
#include "canvas/UnitFORM.h"
#include "canvas/ViewProcessor.h"
#include "ui/Cursors.h"

#include <chrono>

namespace ix::canvas {

namespace {

constexpr gfx::Size kDesignClient{425, 422};
constexpr gfx::Rect kMiniatureDesignBounds{49, 43, 49 + 228, 43 + 185};

ui::Font RulerFont(int height)
{
    ui::Font f;
    f.name = "MS Sans Serif";
    f.height = height;
    f.color = gfx::colors::White;
    return f;
}

void SetUpRuler(ui::Ruler& ruler, int fontHeight)
{
    ruler.SetColor(gfx::colors::Gray);
    ruler.SetFont(RulerFont(fontHeight));
    ruler.SetTickFrequency(10.0);
    ruler.SetLabelFrequency(100.0);
    ruler.SetDotsPerUnit(1.0);
    ruler.SetGripBase(1);
    ruler.SetMaxGripHeight(15);
}

// "TMPImageEn1" and its kin: a name and a one-digit number.
std::string Numbered(const char* name, int n)
{
    std::string text(name);
    text.push_back(static_cast<char>('0' + n));
    return text;
}

// Runs an event handler so that nothing it throws leaves it, inside an event scope (a
// canvas removed by a script the handler runs is destroyed only after the event).
template <typename F>
void Guarded(F&& f) noexcept
{
    try {
        const EventScope scope;
        f();
    } catch (...) {
    }
}

} // namespace

TImageForm::TImageForm(std::string className)
    : ui::Form("ImageForm", std::move(className)),
      random_(static_cast<std::uint_fast32_t>(std::chrono::steady_clock::now().time_since_epoch().count()))
{
    SetBorder(ui::BorderStyle::None);
    SetClientSize(kDesignClient);
    SetColor(gfx::colors::White);
    CreateComponents();
    ConnectHandlers();
    FormCreate();
}

TImageForm::~TImageForm() = default;

void TImageForm::CreateComponents()
{
    for (std::size_t i = 0; i < kStateLabelNames.size(); ++i) {
        ui::Label& label = Add<ui::Label>(std::string(kStateLabelNames[i]));
        label.Hide();
        stateLabels_[i] = &label;
    }

    gradient1_ = &Add<GradientComponent>("Gradient1");
    gradient1_->Hide();
    gradient1_->SetBounds(0, 0, 123, 123);

    for (int n = kMiniatureCount; n >= 1; --n) {
        ui::ImageViewHost& host = Add<ui::ImageViewHost>(Numbered("TMPImageEn", n));
        host.Hide();
        host.SetBounds(kMiniatureDesignBounds);
        host.SetCursor(ui::cursors::HandPoint);
        gfx::ImageView& view = CanvasView::Install(host);
        view.SetAutoFit(true);
        view.SetCursor(ui::cursors::HandPoint);
        miniatures_[static_cast<std::size_t>(n - 1)] = &host;
        miniatureViews_[static_cast<std::size_t>(n - 1)] = &view;
    }
    for (int n = 1; n <= kMiniatureCount; ++n) {
        ui::Label& label = TMPImageEn(n).Add<ui::Label>(Numbered("LabelMiniature", n));
        label.SetBounds(1, 1, label.Width(), label.Height());
        label.SetTransparent(true);
        label.SetCaption(Numbered("Miniature", n));
        miniatureLabels_[static_cast<std::size_t>(n - 1)] = &label;
    }

    pnl1_ = &Add<ui::Panel>("pnl1");
    pnl1_->SetBevelOuter(ui::Bevel::None);
    pnl1_->SetHeight(43);
    pnl1_->SetAlign(ui::Align::Top);
    pnl1_->Hide();

    horizRuler_ = &pnl1_->Add<ui::Ruler>("HorizRuler");
    SetUpRuler(*horizRuler_, 15);
    horizRuler_->SetAlign(ui::Align::Client);

    pnl2_ = &pnl1_->Add<ui::Panel>("pnl2");
    pnl2_->SetBevelOuter(ui::Bevel::None);
    pnl2_->SetColor(gfx::colors::Gray);
    pnl2_->SetWidth(49);
    pnl2_->SetAlign(ui::Align::Left);

    vertRuler_ = &Add<ui::Ruler>("VertRuler");
    SetUpRuler(*vertRuler_, 17);
    vertRuler_->SetDirection(ui::Orientation::Vertical);
    vertRuler_->SetWidth(49);
    vertRuler_->SetAlign(ui::Align::Left);
    vertRuler_->Hide();

    panel1_ = &Add<ui::Panel>("Panel1");
    panel1_->SetBevelOuter(ui::Bevel::None);
    panel1_->SetColor(Color());
    panel1_->SetBounds(ClientRect());
    panel1_->SetAlign(ui::Align::Custom);

    imageEnView1_ = &panel1_->Add<ui::ImageViewHost>("ImageEnView1");
    imageEnView1_->SetBounds(panel1_->ClientRect());
    imageEnView1_->SetAlign(ui::Align::Custom);
    mainView_ = &CanvasView::Install(*imageEnView1_);
    mainView_->SetCentered(false);
}

void TImageForm::ConnectHandlers()
{
    imageEnView1_->onMouseDown = [this](ui::Control&, const ui::MouseEvent& e) {
        Guarded([&] { ImageEnView1MouseDown(e.button, e.x, e.y); });
    };
    imageEnView1_->onMouseMove = [this](ui::Control&, const ui::MouseEvent& e) {
        Guarded([&] { ImageEnView1MouseMove(e.x, e.y); });
    };
    imageEnView1_->onMouseUp = [this](ui::Control&, const ui::MouseEvent& e) {
        Guarded([&] { ImageEnView1MouseUp(e.button, e.x, e.y); });
    };
    imageEnView1_->onClick = [this](ui::Control&) { Guarded([&] { ImageEnView1Click(); }); };
    imageEnView1_->onViewChange = [this](ui::Control&) { Guarded([&] { ImageEnView1ViewChange(); }); };
    horizRuler_->onClick = [this](ui::Control&) { Guarded([&] { HorizRulerClick(); }); };
    vertRuler_->onClick = [this](ui::Control&) { Guarded([&] { VertRulerClick(); }); };
    for (int n = 1; n <= kMiniatureCount; ++n) {
        ui::ImageViewHost& host = TMPImageEn(n);
        host.onMouseDown = [this, n](ui::Control&, const ui::MouseEvent& e) {
            Guarded([&] { MiniatureMouseDown(n, e.button, e.x, e.y); });
        };
        host.onMouseMove = [this, n](ui::Control&, const ui::MouseEvent& e) {
            Guarded([&] { MiniatureMouseMove(n, e.x, e.y); });
        };
        host.onMouseUp = [this, n](ui::Control&, const ui::MouseEvent&) { Guarded([&] { MiniatureMouseUp(n); }); };
    }
}

void TImageForm::FormCreate()
{
    // The view paints a layer only when its picture is at least this wide or high; the
    // view's own default of 2 would leave 1 × 1 layers unpainted.
    mainView_->SetMinLayerSize(1);
    FillImage(*mainView_, gfx::colors::White);
    mainView_->SetSelectionMaskDepth(8);
    for (int n = 1; n <= kMiniatureCount; ++n) {
        MiniatureView(n).SetMinLayerSize(1);
        MiniatureView(n).SetSelectionMaskDepth(8);
    }
}

const std::string& TImageForm::Setting(State s) const
{
    return stateLabels_[static_cast<std::size_t>(s)]->Caption();
}

void TImageForm::SetSetting(State s, std::string text) { StateLabel(s).SetCaption(std::move(text)); }

void TImageForm::SetWindowColor(gfx::Color c)
{
    SetColor(c);
    panel1_->SetColor(c);
}

double TImageForm::NextUniform()
{
    // minstd_rand yields 1 .. 2^31 − 2, which maps onto [0, 1) without ever reaching 1.
    return static_cast<double>(random_() - 1) / 2147483646.0;
}

bool TImageForm::MainViewHasCapture() { return Router().Captured() == imageEnView1_; }

TPicture::TPicture() : TImageForm("TPicture")
{
    onMessage = [this](ui::Form&, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) -> std::intptr_t {
        if (message != CM_HOSTCONTROL) return 0;
        try {
            return HostControl(wParam, lParam);
        } catch (...) {
            return 0;
        }
    };
}

std::intptr_t TPicture::HostControl(std::uintptr_t wParam, std::intptr_t lParam)
{
    switch (lParam) {
    case 4:
        if (const auto client = ParentClientRect()) {
            SetBounds(0, 0, client->Width(), client->Height());
            Show();
        }
        break;
    case 5:
        if (wParam != 0) PaintTo(wParam, {0, 0});
        break;
    case 7: SetEnabled(false); break;
    case 8: SetEnabled(true); break;
    default: break; // 6 asks for the result 0, which every code gets
    }
    return 0;
}

} // namespace ix::canvas
