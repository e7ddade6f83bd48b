// The toolkit's rendering: a parameter dialog of the usual size and contents painted
// into a surface, and the text measuring that word-wrapped labels lean on.
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/GradientLabel.h"
#include "ui/Label.h"
#include "ui/LabeledEdit.h"
#include "ui/Panel.h"
#include "ui/Platform.h"
#include "ui/Render.h"
#include "ui/Shape.h"
#include "ui/SpinEdit.h"
#include "ui/text/TextRenderer.h"

#include <benchmark/benchmark.h>

namespace {

using namespace ix::ui;

std::unique_ptr<Form> DialogLikeForm()
{
    auto form = std::make_unique<Form>("FormOne", "TFormOne");
    form->SetClientSize({524, 336});
    form->Add<Shape>("Shape1").SetBounds(8, 8, 80, 320);
    for (int row = 0; row < 4; ++row) {
        auto& p = form->Add<Panel>("Row" + std::to_string(row));
        p.SetBevelOuter(Bevel::None);
        p.SetBounds(91, 8 + row * 48, 430, 46);
        auto& band = p.Add<GradientLabel>("Band");
        band.SetBounds(0, 0, 329, 20);
        auto& edit = p.Add<LabeledEdit>("LEdit" + std::to_string(row + 1));
        edit.SetBounds(5, 20, 325, 23);
        edit.SetLabelCaption("\xC2\xFB\xE1\xEE\xF0 \xEF\xF0\xFF\xEC\xEE\xF3\xE3\xEE\xEB\xFC\xED\xE8\xEA\xE0:");
        edit.SetText("Rectangle1");
    }
    form->Add<ComboBox>("ComboBox1").SetBounds(96, 210, 142, 21);
    form->Add<SpinEdit>("SpinEdit1").SetBounds(260, 210, 101, 22);
    auto& info = form->Add<Label>("LabelInfo");
    info.SetAutoSize(false);
    info.SetWordWrap(true);
    info.SetBounds(100, 240, 415, 64);
    info.SetCaption("Draws a rectangle on the canvas with the pen and brush settings given in the fields above; "
                    "the colours are three numbers from 0 to 255 separated by commas.");
    form->Add<Button>("ButtonOK50").SetBounds(363, 305, 75, 25);
    form->Add<Button>("ButtonCancel50").SetBounds(444, 305, 75, 25);
    return form;
}

void DialogRender(benchmark::State& state)
{
    auto form = DialogLikeForm();
    ix::gfx::Surface surface(form->ClientSize());
    TextRenderer& text = ThePlatform().Text();
    for (auto _ : state) {
        RenderTree(*form, surface, {0, 0}, surface.Bounds(), text);
        benchmark::DoNotOptimize(surface.Row(0));
    }
    state.SetItemsProcessed(state.iterations() * form->Width() * form->Height());
}
BENCHMARK(DialogRender)->Name("DialogRender/ours")->Unit(benchmark::kMicrosecond);

void TextMeasure(benchmark::State& state)
{
    TextRenderer& text = ThePlatform().Text();
    Font f;
    f.name = "Arial";
    f.height = 13;
    const std::string line(static_cast<std::size_t>(state.range(0)), 'a');
    for (auto _ : state) benchmark::DoNotOptimize(text.Measure(f, line).width);
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(TextMeasure)->Name("TextMeasure/ours")->Arg(64)->Arg(4096);

} // namespace
