// DialogAnswers: what the script says the author does in the windows the plug-in shows
// modally (parameter forms, message boxes, the colour and file dialogs) and in the
// host's own pickers (object and variable), each kind a queue used in order. A window
// for which the script queued nothing gets the default answer (a form is cancelled, a
// message box gets its first button, a system dialog or picker is cancelled); the
// player reports each such default, so a test sees it.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace ix::host {

// One step of the author's work in a modal parameter form.
struct FormStep {
    enum class Kind {
        Set,     // control property value
        Type,    // control text (sugar for Set control text)
        Choose,  // control item: pick the list item with that text
        Press,   // control: press a button (pickers open their dialogs here)
        Key,     // enter | escape
        Expect,  // control property value: what the form shows (an expectation)
        Snapshot,// file: the form as a picture
        Ok,      // close with OK
        Cancel,  // close with Cancel
    };
    Kind kind = Kind::Ok;
    int line = 0;
    std::vector<std::string> args; // expanded
};

struct FormAnswer {
    int line = 0;
    std::vector<FormStep> steps;
};

// A system dialog, picker or message box answer; `cancel` stands for the Cancel button.
struct ChoiceAnswer {
    int line = 0;
    bool cancel = false;
    std::string value; // colour text, file name, object or variable name, message box button
    int filterIndex = 0; // file dialogs: 0 keeps the offered index
};

struct DialogAnswers {
    std::deque<FormAnswer> forms;
    std::deque<ChoiceAnswer> messageBoxes;
    std::deque<ChoiceAnswer> colors;
    std::deque<ChoiceAnswer> files;
    std::deque<ChoiceAnswer> objects;
    std::deque<ChoiceAnswer> variables;

    // What was shown, in order, for `expect message` and the log (Windows-1251).
    std::vector<std::string> messageTexts;
    // Reports from inside the plug-in's modal loops: failed expectations, defaults taken.
    std::vector<std::string> failures;
    std::vector<std::string> notes;

    bool Empty() const
    {
        return forms.empty() && messageBoxes.empty() && colors.empty() && files.empty() && objects.empty() &&
               variables.empty();
    }
};

} // namespace ix::host
