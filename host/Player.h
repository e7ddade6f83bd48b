// Player: plays a publication script against the plug-in, taking the host's part.
//
// Start-up calls the plug-in's registration exports in the host's order (init, register
// with the catalogue callback, script processor, interface access) and collects the
// catalogue. Then the main statements run in order; actions go to qlExecAction and
// design-time edits to qlEditAction with host-string parameters; at the end qlMessage
// code 2 closes every canvas. While the plug-in works it calls back: variables are set,
// "GoSub" lines run subroutines, InterfaceAccess codes 5, 7, 8 and 14 are answered.
//
// Failed expectations are counted and reported; a ScriptError stops the play. A script
// error raised inside a callback is held until the plug-in returns (it must not unwind
// through the plug-in's frames), and nothing more runs meanwhile.
#pragma once

#include "host/Catalogue.h"
#include "host/DialogAnswers.h"
#include "host/EntryPoints.h"
#include "host/Script.h"
#include "host/ScriptError.h"
#include "host/Stage.h"
#include "host/Variables.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ix::host {

struct PlayOptions {
    std::string scriptName;  // for messages (UTF-8)
    std::string scriptDir;   // Windows-1251: the value of ${here}
    std::string outDir;      // Windows-1251: the value of ${out}
    bool verbose = false;
};

class Player {
public:
    static constexpr int kMaxSubroutineDepth = 64;

    Player(const EntryPoints& plugin, Stage& stage, Program program, PlayOptions options);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Plays the whole script; the number of failed expectations. Throws ScriptError.
    int Play();

    // The host's callbacks (HostCallbacks.cpp routes the plug-in's calls here).
    void OnAddAction(std::int32_t id, const char* name, const char* hint, const std::uint8_t* types,
                     std::int32_t typesHigh, std::int32_t count);
    void OnSetVariable(const char* name, const char* value);
    void OnScriptLine(const char* line);
    bool OnInterfaceAccess(std::int32_t code, char** text);
    void OnCallbackError(const ScriptError& error);
    void OnCallbackFailure(const std::string& what);

    // For the stage's dialog drivers.
    DialogAnswers& answers() { return answers_; }
    void Fail(int line, const std::string& message);
    void Note(int line, const std::string& message);
    void WriteSnapshot(const std::string& path, const RgbaImage& image, int line);

private:
    using Args = std::vector<std::string>;
    using Handler = void (Player::*)(const Statement&, const Args&);
    struct Command {
        const char* keyword;
        int minArgs;
        int maxArgs; // -1: any number
        Handler handler;
    };
    static const std::vector<Command>& Commands();
    static const Command* FindCommand(std::string_view keyword);

    void StartUp();
    void Check(const std::vector<Statement>& statements, bool inForm);
    void Run(const std::vector<Statement>& statements);
    void Execute(const Statement& s);
    void RethrowHeldError();
    void RunSubroutine(const std::string& name, int line);

    struct Object {
        std::string name;
        WindowId window = 0;
        Bounds bounds;
    };
    Object& FindObject(const std::string& name, int line);
    WindowId InputWindow(const Object& object);
    RgbaImage CaptureObject(const Object& object, int line);

    bool CallAction(std::int32_t id, const Args& params, int line);
    FormAnswer ReadFormAnswer(const Statement& block);
    void QueueAnswer(const Statement& s, const Args& args);

    // Statements (Player.cpp).
    void DoPage(const Statement&, const Args&);
    void DoObject(const Statement&, const Args&);
    void DoResize(const Statement&, const Args&);
    void DoSet(const Statement&, const Args&);
    void DoEcho(const Statement&, const Args&);
    void DoGoSub(const Statement&, const Args&);
    void DoExec(const Statement&, const Args&);
    void DoAction(const Statement&, const Args&);
    void DoEdit(const Statement&, const Args&);
    void DoAnswer(const Statement&, const Args&);
    void DoMessage(const Statement&, const Args&);
    void DoAbout(const Statement&, const Args&);
    // Gestures and pictures (PlayerWindows.cpp).
    void Delivered(bool delivered, int line);
    void DoPress(const Statement&, const Args&);
    void DoMove(const Statement&, const Args&);
    void DoRelease(const Statement&, const Args&);
    void DoClick(const Statement&, const Args&);
    void DoDrag(const Statement&, const Args&);
    void DoStroke(const Statement&, const Args&);
    void DoHostControl(const Statement&, const Args&);
    void DoPaint(const Statement&, const Args&);
    void DoSnapshot(const Statement&, const Args&);
    // Expectations (PlayerExpect.cpp).
    void DoExpect(const Statement&, const Args&);

    EntryPoints plugin_;
    Stage& stage_;
    Program program_;
    PlayOptions options_;
    Catalogue catalogue_;
    Variables variables_;
    DialogAnswers answers_;
    std::vector<Object> objects_;
    std::map<std::string, int, NameLess> subroutineRuns_;
    std::string lastResult_;                 // "True" / "False" of the last action or edit
    std::vector<std::string> lastParams_;    // the parameters after the last edit
    std::optional<ScriptError> heldError_;
    int depth_ = 0;
    int failures_ = 0;
    int currentLine_ = 0;
    bool pageMade_ = false;
};

} // namespace ix::host
