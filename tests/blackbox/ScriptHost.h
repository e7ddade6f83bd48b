// ScriptHost: a fake Quillary host for the black-box tests of the canvas actions.
//
// It registers its callbacks with the plug-in, keeps host rectangles (headless windows
// known by object name), answers the object-window query with a rectangle's handle (or
// with a text a test sets), and records every host variable the plug-in sets and every
// script line it runs. Actions are called through qlExecAction with malloc'd host
// strings, as a host would. One ScriptHost at a time; its destructor closes every canvas
// and resets the headless window system.
#pragma once

#include <ixcanvas/headless.h>
#include <ixcanvas/plugin.h>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ixtest {

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

class ScriptHost {
public:
    ScriptHost();
    ~ScriptHost();
    ScriptHost(const ScriptHost&) = delete;
    ScriptHost& operator=(const ScriptHost&) = delete;

    // A host rectangle of the given client size.
    ixh_window AddRectangle(const std::string& name, int width = 200, int height = 150);
    // What the object-window query answers for `name` from now on (instead of the handle).
    void SetWindowAnswer(const std::string& name, std::string text) { answers_[name] = std::move(text); }
    // Drops or restores the InterfaceAccess callback.
    void RegisterInterfaceAccess(bool on);

    bool Exec(std::int32_t id, const std::vector<std::string>& params);
    void CloseAll() { qlMessage(2, 0, 0); }

    // The canvas window inside a rectangle (its top child), 0 when there is none.
    ixh_window CanvasOf(const std::string& rectangle) const;
    int CanvasCountIn(const std::string& rectangle) const;
    ixh_window Rectangle(const std::string& name) const { return rectangles_.at(name); }

    // Mouse input in client coordinates of the canvas inside `rectangle`.
    void Down(const std::string& rectangle, int x, int y, int button = IXH_BUTTON_LEFT);
    void Move(const std::string& rectangle, int x, int y);
    void Up(const std::string& rectangle, int x, int y, int button = IXH_BUTTON_LEFT);

    // The rendered canvas of `rectangle` and one of its pixels.
    struct Frame {
        int width = 0, height = 0;
        std::vector<unsigned char> rgba;
        Rgb At(int x, int y) const;
        friend bool operator==(const Frame&, const Frame&) = default;
    };
    Frame Render(const std::string& rectangle) const;

    // Called for every script line the plug-in runs, after it is recorded: a test's
    // stand-in for the subroutine.
    std::function<void(const std::string&)> onScriptLine;

    // Host side records.
    std::map<std::string, std::string> variables;
    std::vector<std::pair<std::string, std::string>> setVarCalls;
    std::vector<std::string> scriptLines;
    std::vector<std::string> windowQueries;

    std::optional<std::string> Variable(const std::string& name) const;
    void ClearRecords();

    // The answer of an object-window query (used by the callback).
    std::string AnswerFor(const std::string& name) const;

private:
    std::map<std::string, ixh_window> rectangles_;
    std::map<std::string, std::string> answers_;
};

// The host strings of the Windows-1251 word "Холст" in upper and lower case.
inline const std::string kCyrillicUpper = "\xD5\xCE\xCB\xD1\xD2"; // ХОЛСТ
inline const std::string kCyrillicLower = "\xF5\xEE\xEB\xF1\xF2"; // холст
inline const std::string kCyrillicTitle = "\xD5\xEE\xEB\xF1\xF2"; // Холст

} // namespace ixtest
