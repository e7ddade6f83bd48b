#include "actions/EffectsDialog.h"

#include "gfx/ops/Contrast.h"
#include "gfx/ops/GammaCorrect.h"
#include "gfx/ops/Sharpen.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/SpinEdit.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace ix::actions {

namespace {

constexpr gfx::Size kDialogSize{536, 421};

struct AmountRange {
    int min, max, initial;
};
constexpr AmountRange kRanges[] = {{-100, 100, 20}, {10, 500, 100}, {0, 100, 5}};

} // namespace

void ApplyEffect(gfx::ImageView& view, int effect, int amount)
{
    gfx::Picture& picture = view.CurrentLayer().picture;
    const gfx::SelectedArea area = gfx::CurrentLayerArea(view);
    switch (effect) {
    case 0: gfx::Contrast(picture, amount, area); break;
    case 1: gfx::GammaCorrect(picture, std::clamp(amount, 10, 500) / 100.0, area); break;
    case 2: gfx::Sharpen(picture, amount, area); break;
    default: return;
    }
    view.InvalidateLayers();
}

bool RunEffectsDialog(gfx::ImageView& view)
{
    ui::Form form("EffectsForm", "TEffectsForm");
    form.SetCaption("Effects");
    form.SetBorder(ui::BorderStyle::Sizeable);
    form.SetPlacement(ui::FormPosition::ScreenCenter);
    form.SetClientSize(kDialogSize);

    auto& effectLabel = form.Add<ui::Label>("EffectLabel");
    effectLabel.SetCaption("Effect");
    effectLabel.SetBounds(16, 16, 120, 16);
    auto& list = form.Add<ui::ComboBox>("EffectList");
    list.SetBounds(16, 36, 200, 22);
    for (const std::string_view name : kEffectNames) list.AddItem(std::string(name));
    list.SetItemIndex(0);

    auto& amountLabel = form.Add<ui::Label>("AmountLabel");
    amountLabel.SetCaption("Amount");
    amountLabel.SetBounds(240, 16, 120, 16);
    auto& amount = form.Add<ui::SpinEdit>("EffectAmount");
    amount.SetBounds(240, 36, 100, 22);
    const auto useRange = [&amount](int index) {
        const AmountRange& r = kRanges[std::clamp(index, 0, static_cast<int>(std::size(kRanges)) - 1)];
        amount.SetRange(r.min, r.max);
        amount.SetValue(r.initial);
    };
    useRange(0);
    list.onChange = [&](ui::Control&) { useRange(list.ItemIndex()); };

    auto& ok = form.Add<ui::Button>("OkButton");
    ok.SetCaption("OK");
    ok.SetBounds(kDialogSize.width - 180, kDialogSize.height - 40, 75, 25);
    ok.SetDefault(true);
    ok.SetModalResultValue(ui::ModalResult::Ok);
    auto& cancel = form.Add<ui::Button>("CancelButton");
    cancel.SetCaption("Cancel");
    cancel.SetBounds(kDialogSize.width - 95, kDialogSize.height - 40, 75, 25);
    cancel.SetCancel(true);
    cancel.SetModalResultValue(ui::ModalResult::Cancel);

    if (form.ShowModal() != ui::ModalResult::Ok) return false;
    const int index = list.ItemIndex();
    if (index < 0 || index >= static_cast<int>(std::size(kEffectNames))) return false;
    const AmountRange& r = kRanges[index];
    ApplyEffect(view, index, std::clamp(amount.Value(), r.min, r.max));
    return true;
}

} // namespace ix::actions
