#include "editors/EditorSession.h"

#include "boundary/Catalogue.h"
#include "boundary/HostString.h"
#include "boundary/Localization.h"
#include "gfx/Cp1251.h"
#include "ui/GradientLabel.h"

#include <climits>

namespace ix::editors {

std::string Text1251(std::string_view utf8) { return gfx::Utf8ToCp1251(utf8); }

std::string Localized(std::string_view key, std::string_view defaultUtf8)
{
    return boundary::LocalizedText(key, Text1251(defaultUtf8));
}

std::optional<int> DigitsValue(std::string_view text)
{
    if (text.empty()) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        if (value <= INT_MAX) value = value * 10 + (c - '0');
    }
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

EditorSession::EditorSession(EditorParams params, ParameterForm& form) : params_(params), form_(form) {}

std::string EditorSession::Parameter(std::size_t index) const
{
    return index < params_.size() ? boundary::HostStringText(params_[index]) : std::string();
}

void EditorSession::SetCaptionText(ui::Control& target, std::string_view key, std::string_view captionUtf8)
{
    target.SetCaption(key.empty() ? Text1251(captionUtf8) : Localized(key, captionUtf8));
}

void EditorSession::CanvasField(bool withColon)
{
    TextField("LEdit1", "001*", withColon ? "Выбор прямоугольника:" : "Выбор прямоугольника");
    Show("Kn1");
}

void EditorSession::TextField(std::string_view edit, std::string_view key, std::string_view captionUtf8)
{
    ui::LabeledEdit& field = form_.Edit(edit);
    if (ui::Label* label = field.EditLabel()) SetCaptionText(*label, key, captionUtf8);
    field.SetText(Parameter(fields_.size()));
    field.Show();
    fields_.push_back({Kind::Text, std::string(edit)});
}

void EditorSession::ListField(std::string_view list, std::string_view label, std::string_view key,
                              std::string_view captionUtf8, std::initializer_list<std::string_view> items)
{
    ListField(list, label, key, captionUtf8, std::vector<std::string_view>(items));
}

void EditorSession::ListField(std::string_view list, std::string_view label, std::string_view key,
                              std::string_view captionUtf8, const std::vector<std::string_view>& items)
{
    ui::Label& caption = form_.Caption(label);
    SetCaptionText(caption, key, captionUtf8);
    caption.Show();
    ui::ComboBox& combo = form_.Combo(list);
    combo.ClearItems();
    for (std::string_view item : items) combo.AddItem(std::string(item));
    combo.SetItemIndex(combo.IndexOf(Parameter(fields_.size())));
    combo.Show();
    fields_.push_back({Kind::List, std::string(list)});
}

void EditorSession::NumberField(std::string_view spin, std::string_view label, std::string_view key,
                                std::string_view captionUtf8, const NumberSpec& spec)
{
    ui::Label& caption = form_.Caption(label);
    SetCaptionText(caption, key, captionUtf8);
    caption.Show();
    ui::SpinEdit& field = form_.Spin(spin);
    field.SetRange(spec.min, spec.max);
    field.SetMaxLength(spec.maxLength);
    field.SetValue(spec.start);
    std::optional<int> shown = DigitsValue(Parameter(fields_.size()));
    if (spec.rule == NumberRule::P && shown == 0) shown.reset();
    if (shown)
        field.SetValue(*shown);
    else if (spec.otherwise)
        field.SetValue(*spec.otherwise);
    field.Show();
    fields_.push_back({Kind::Number, std::string(spin)});
}

void EditorSession::Show(std::string_view control) { form_.Named(control).Show(); }
void EditorSession::Hide(std::string_view control) { form_.Named(control).Hide(); }
void EditorSession::MoveTo(std::string_view control, int x) { form_.Named(control).SetLeft(x); }

bool EditorSession::Run(std::int32_t id, std::string_view descriptionKey, std::string_view descriptionUtf8)
{
    const boundary::CatalogueRow* row = boundary::CatalogueAction(id);
    // Each parameter is shown in exactly one field; an editor that disagrees with the
    // catalogue would write the wrong strings, so it edits nothing.
    if (row == nullptr || fields_.size() != params_.size()) return false;

    form_.SetCaption(row->name);
    form_.Named("LabelCommand").SetCaption(row->name);
    form_.Named("GradientLabel").SetWidth(10 * static_cast<int>(row->name.size()));
    form_.Named("LabelInfo").SetCaption(Localized(descriptionKey, descriptionUtf8));

    if (form_.ShowModal() != ui::ModalResult::Ok) return false;

    bool stored = true;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const Field& f = fields_[i];
        std::string text;
        switch (f.kind) {
        case Kind::Text: text = form_.Edit(f.control).Text(); break;
        case Kind::List: text = form_.Combo(f.control).Text(); break;
        case Kind::Number: {
            ui::SpinEdit& spin = form_.Spin(f.control);
            spin.Commit();
            text = std::to_string(spin.Value());
            break;
        }
        }
        // A block the allocator refuses leaves that parameter as it was; the author is
        // then told the edit failed rather than that it was stored.
        stored = boundary::SetHostString(params_[i], text) && stored;
    }
    return stored;
}

}  // namespace ix::editors
