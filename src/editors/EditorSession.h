#pragma once
// EditorSession: the procedure every action editor follows.
//
// An editor creates its dialog, then fills it parameter by parameter through a session
// (the field a parameter is shown in, its caption with localization key, items, range and
// reading rule), and finally calls Run: the form gets the action's name as its caption and
// in its name band, the description box gets the localized description, the form is shown
// modally, and on OK every parameter is replaced, in order, with its field's text. On any
// other result nothing is touched and Run gives false.
//
// Captions and descriptions are given in UTF-8 and reach the form in Windows-1251; a
// localization entry of the key replaces them. An empty key means the caption has none.
#include "editors/EditorRegistry.h"
#include "editors/ParameterForm.h"

#include <cstdint>
#include <exception>
#include <memory>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ix::editors {

// How a number field takes its parameter: D shows any digits-only text, P also treats a
// digits-only 0 as no number.
enum class NumberRule { D, P };

struct NumberSpec {
    int min = 0;
    int max = 0;
    int start = 0;
    int maxLength = 0;
    NumberRule rule = NumberRule::D;
    std::optional<int> otherwise;  // the value for a parameter the rule does not show
};

constexpr NumberSpec Range(int min, int max, int start, int maxLength, NumberRule rule = NumberRule::D)
{
    NumberSpec spec;
    spec.min = min;
    spec.max = max;
    spec.start = start;
    spec.maxLength = maxLength;
    spec.rule = rule;
    return spec;
}

class EditorSession {
public:
    EditorSession(EditorParams params, ParameterForm& form);

    // Text of parameter `index` (0-based); a null host string or a missing one reads empty.
    std::string Parameter(std::size_t index) const;

    // The canvas field LEdit1 with its object picker.
    void CanvasField(bool withColon = true);
    // A text field; the caption goes to the edit's bound label.
    void TextField(std::string_view edit, std::string_view key, std::string_view captionUtf8);
    void ListField(std::string_view list, std::string_view label, std::string_view key, std::string_view captionUtf8,
                   std::initializer_list<std::string_view> items);
    void ListField(std::string_view list, std::string_view label, std::string_view key, std::string_view captionUtf8,
                   const std::vector<std::string_view>& items);
    void NumberField(std::string_view spin, std::string_view label, std::string_view key, std::string_view captionUtf8,
                     const NumberSpec& spec);

    void Show(std::string_view control);
    void Hide(std::string_view control);
    // Moves a control (for a field, also its caption when given) to x in its row.
    void MoveTo(std::string_view control, int x);

    void SetOpenFilter(std::string_view filter) { form_.openFilter = std::string(filter); }

    // Shows the dialog of action `id` and writes back on OK.
    bool Run(std::int32_t id, std::string_view descriptionKey, std::string_view descriptionUtf8);

private:
    enum class Kind { Text, List, Number };
    struct Field {
        Kind kind;
        std::string control;
    };
    void SetCaptionText(ui::Control& target, std::string_view key, std::string_view captionUtf8);

    EditorParams params_;
    ParameterForm& form_;
    std::vector<Field> fields_;
};

// Runs one editor: the form lives for this call only, and any error ends the edit with
// nothing written.
template <class FormClass, class Fill> bool RunDialog(EditorParams params, Fill fill)
{
    try {
        auto form = std::make_unique<FormClass>();
        EditorSession session(params, *form);
        return fill(session);
    } catch (const std::exception&) {
        return false;
    }
}

// The integer a digits-only text stands for, saturated at the int range; nothing for any
// other text (empty, a sign, blanks, a variable reference).
std::optional<int> DigitsValue(std::string_view text);

// Texts for the forms: UTF-8 source text in Windows-1251, optionally through the
// localization file.
std::string Text1251(std::string_view utf8);
std::string Localized(std::string_view key, std::string_view defaultUtf8);

}  // namespace ix::editors
