// The canvas window's reports and subroutines: rulers following the main view, the zoom
// report, ruler clicks, the click on the main view, and the miniatures' mouse handling.
#include "actions/readings.h"
#include "boundary/HostSlots.h"
#include "canvas/GestureState.h"
#include "canvas/RulerSpacing.h"
#include "canvas/UnitFORM.h"

namespace ix::canvas {

void TImageForm::ImageEnView1ViewChange()
{
    const gfx::ImageView& view = MainView();
    const double z = view.Zoom() / 100.0;
    // The rulers count in picture pixels.
    horizRuler_->SetViewPosition(view.ViewX() / z);
    vertRuler_->SetViewPosition(view.ViewY() / z);
    horizRuler_->SetDotsPerUnit(z);
    vertRuler_->SetDotsPerUnit(z);
    for (ui::Ruler* ruler : {horizRuler_, vertRuler_}) {
        const RulerSpacing spacing =
            RulerSpacingAt(view.Zoom(), {ruler->TickFrequency(), ruler->LabelFrequency()});
        ruler->SetTickFrequency(spacing.tickFrequency);
        ruler->SetLabelFrequency(spacing.labelFrequency);
    }
    const std::string& variable = Setting(State::NumberZoom);
    if (!variable.empty()) boundary::SetHostVariable(variable, actions::FloatText(view.Zoom()));
}

void TImageForm::HorizRulerClick()
{
    const std::string& sub = Setting(State::SubHorizRuler);
    if (!sub.empty()) boundary::RunSubroutine(sub);
}

void TImageForm::VertRulerClick()
{
    const std::string& sub = Setting(State::SubVertRuler);
    if (!sub.empty()) boundary::RunSubroutine(sub);
}

void TImageForm::ImageEnView1Click()
{
    if (Setting(State::Tools) == "TRANSPARENT") MakeColorTransparent();
    const std::string& variable = Setting(State::LayersCurrent);
    if (!variable.empty())
        boundary::SetHostVariable(variable, actions::IntegerText(MainView().Layers().CurrentIndex()));
}

void TImageForm::MiniatureMouseDown(int n, ui::MouseButton button, int x, int y)
{
    TMPImageEn(n).BringToFront();
    MiniatureDragState& drag = TheMiniatureDragState();
    if (button == ui::MouseButton::Left) {
        drag = {true, x, y};
        return;
    }
    drag.dragging = false;
    const std::string& sub = Setting(static_cast<State>(static_cast<int>(State::SubMiniature1) + n - 1));
    if (!sub.empty()) boundary::RunSubroutine(sub);
}

void TImageForm::MiniatureMouseMove(int n, int x, int y)
{
    const MiniatureDragState& drag = TheMiniatureDragState();
    if (!drag.dragging) return;
    // The start point stays: the miniature moves with the mouse, so x − startX is the
    // movement since the last event. No bounds apply.
    ui::ImageViewHost& miniature = TMPImageEn(n);
    miniature.SetPosition({miniature.Left() + x - drag.startX, miniature.Top() + y - drag.startY});
}

void TImageForm::MiniatureMouseUp(int) { TheMiniatureDragState().dragging = false; }

} // namespace ix::canvas
