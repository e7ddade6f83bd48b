// UnitFORM: the canvas window.
//
// TImageForm is the borderless form a canvas is made of: 29 invisible state labels (the
// canvas settings, StateLabels.h), the hidden gradient component of the gradient brush,
// five floating miniature views with their labels, two rulers on their panels, and the
// main image view ImageEnView1 on Panel1, created in that order (later ones lie above
// earlier siblings). It also holds the event handlers of the main view (the tool engine),
// the rulers and the miniatures.
//
// TPicture is the canvas as the registry keeps it: a TImageForm that knows the name of
// the host rectangle holding it (CanvasName) and answers the host's control message
// CM_HOSTCONTROL.
//
// Every handler the window system calls is guarded: a failure inside it ends that event
// and nothing reaches the host. Host calls (variables, subroutines) are the last step of
// a handler, so a script that deletes the canvas from inside one finds nothing left to do.
#pragma once

#include "canvas/ArtBrush.h"
#include "canvas/DrawingSurface.h"
#include "canvas/GradientComponent.h"
#include "canvas/StateLabels.h"
#include "gfx/view/ImageView.h"
#include "ui/Form.h"
#include "ui/ImageViewHost.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/Ruler.h"

#include <array>
#include <cstdint>
#include <random>
#include <string>

namespace ix::canvas {

inline constexpr int kMiniatureCount = 5;
// The control message the host sends to a canvas window: user message base 1024 + 250.
inline constexpr unsigned CM_HOSTCONTROL = 1274;

class TImageForm : public ui::Form {
public:
    explicit TImageForm(std::string className = "TImageForm");
    ~TImageForm() override;

    // ---- settings
    const std::string& Setting(State s) const;
    void SetSetting(State s, std::string text);
    ui::Label& StateLabel(State s) { return *stateLabels_[static_cast<std::size_t>(s)]; }

    // ---- components
    GradientComponent& Gradient1() { return *gradient1_; }
    // Miniature n, 1 to 5: its view control, its view and its label.
    ui::ImageViewHost& TMPImageEn(int n) { return *miniatures_.at(static_cast<std::size_t>(n - 1)); }
    gfx::ImageView& MiniatureView(int n) { return *miniatureViews_.at(static_cast<std::size_t>(n - 1)); }
    ui::Label& LabelMiniature(int n) { return *miniatureLabels_.at(static_cast<std::size_t>(n - 1)); }
    ui::Panel& pnl1() { return *pnl1_; }
    ui::Ruler& HorizRuler() { return *horizRuler_; }
    ui::Panel& pnl2() { return *pnl2_; }
    ui::Ruler& VertRuler() { return *vertRuler_; }
    ui::Panel& Panel1() { return *panel1_; }
    ui::ImageViewHost& ImageEnView1() { return *imageEnView1_; }
    gfx::ImageView& MainView() { return *mainView_; }
    const gfx::ImageView& MainView() const { return *mainView_; }

    // The window's colour; Panel1 shows the same colour around the drawing area.
    void SetWindowColor(gfx::Color c);

    // ---- drawing surface: the current layer's picture with the pen and brush the tool
    // actions set
    DrawingSurface& Surface() { return surface_; }
    gfx::Picture& SurfacePicture() { return mainView_->CurrentLayer().picture; }
    // Shows a change of the current layer's picture at once: of all of it, or of the part
    // `changed` (in that picture's pixels) of layer `layer`.
    void RefreshView();
    void RefreshView(int layer, const gfx::Rect& changed);

    // ---- the tool engine (main view mouse handlers) and its shared operations
    void ImageEnView1MouseDown(ui::MouseButton button, int x, int y);
    void ImageEnView1MouseMove(int x, int y);
    void ImageEnView1MouseUp(ui::MouseButton button, int x, int y);
    gfx::Point PointerToBitmap(int x, int y) const;
    void MakeColorTransparent();
    // The transparent brush; the press builds the brush and stamps it at the press point
    // (X, Y, client coordinates of the view).
    void CreateBrush(int X, int Y);
    void TransparentBrushMove(int x, int y);
    void TransparentBrushRelease();
    // Whether the main view holds the mouse capture (a button pressed over it).
    bool MainViewHasCapture();

    // ---- rulers, zoom report, main view click and miniatures
    void ImageEnView1ViewChange();
    void ImageEnView1Click();
    void HorizRulerClick();
    void VertRulerClick();
    void MiniatureMouseDown(int n, ui::MouseButton button, int x, int y);
    void MiniatureMouseMove(int n, int x, int y);
    void MiniatureMouseUp(int n);

    // The airbrush's pseudo-random numbers, uniform in [0, 1).
    double NextUniform();
    // Gradient1 as the gradient brush's source: sized to a working square, it renders.
    GradientSource Gradient1Source();

protected:
    // The form-creation handler: runs once the components exist.
    void FormCreate();

private:
    void CreateComponents();
    void ConnectHandlers();
    void ToolPress(const std::string& tool, int X, int Y, gfx::Point at);
    void ToolMove(const std::string& tool, int X, int Y, gfx::Point at);
    void ToolRelease(const std::string& tool, gfx::Point at);
    void AirbrushStep(gfx::Point at);

    std::array<ui::Label*, kStateLabelNames.size()> stateLabels_{};
    GradientComponent* gradient1_ = nullptr;
    std::array<ui::ImageViewHost*, kMiniatureCount> miniatures_{};
    std::array<gfx::ImageView*, kMiniatureCount> miniatureViews_{};
    std::array<ui::Label*, kMiniatureCount> miniatureLabels_{};
    ui::Panel* pnl1_ = nullptr;
    ui::Ruler* horizRuler_ = nullptr;
    ui::Panel* pnl2_ = nullptr;
    ui::Ruler* vertRuler_ = nullptr;
    ui::Panel* panel1_ = nullptr;
    ui::ImageViewHost* imageEnView1_ = nullptr;
    gfx::ImageView* mainView_ = nullptr;
    DrawingSurface surface_;
    // The transparent brush picture's outline and fill colours, kept from stroke to
    // stroke when a colour text cannot be read.
    gfx::Color brushOutline_ = gfx::colors::Black;
    gfx::Color brushFill_ = gfx::colors::White;
    std::minstd_rand random_;
};

class TPicture final : public TImageForm {
public:
    TPicture();

    const std::string& CanvasName() const { return canvasName_; }
    void SetCanvasName(std::string name) { canvasName_ = std::move(name); }

    // CM_HOSTCONTROL with its code in lParam: 4 re-fits the canvas to its host window,
    // 5 paints it into the device context wParam (when not 0), 7 disables and 8 enables
    // it. The result is always 0.
    std::intptr_t HostControl(std::uintptr_t wParam, std::intptr_t lParam);

private:
    std::string canvasName_;
};

} // namespace ix::canvas
