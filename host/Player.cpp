#include "host/Player.h"

#include "host/HostCallbacks.h"
#include "host/HostStrings.h"
#include "host/ScriptError.h"
#include "host/Words.h"

#include <cstdio>
#include <utility>

namespace ix::host {
namespace {

constexpr int kDefaultPageWidth = 640;
constexpr int kDefaultPageHeight = 480;
constexpr int kMaxPageSide = 8192;
constexpr std::int32_t kCloseAllCanvases = 2;

const char* BoolText(bool b) { return b ? "True" : "False"; }

struct FormKeyword {
    const char* keyword;
    int minArgs;
    int maxArgs;
};
// The steps of a form block; `answer` lines may sit among them too.
constexpr FormKeyword kFormKeywords[] = {
    {"set", 3, 3}, {"type", 2, 2}, {"choose", 2, 2}, {"press", 1, 1},  {"key", 1, 1},
    {"expect", 3, 3}, {"snapshot", 1, 1}, {"ok", 0, 0}, {"cancel", 0, 0}, {"answer", 1, 3},
};

const FormKeyword* FindFormKeyword(std::string_view keyword)
{
    for (const FormKeyword& k : kFormKeywords)
        if (SameName(k.keyword, keyword)) return &k;
    return nullptr;
}

FormStep::Kind FormKind(std::string_view k)
{
    if (SameName(k, "set")) return FormStep::Kind::Set;
    if (SameName(k, "type")) return FormStep::Kind::Type;
    if (SameName(k, "choose")) return FormStep::Kind::Choose;
    if (SameName(k, "press")) return FormStep::Kind::Press;
    if (SameName(k, "key")) return FormStep::Kind::Key;
    if (SameName(k, "expect")) return FormStep::Kind::Expect;
    if (SameName(k, "snapshot")) return FormStep::Kind::Snapshot;
    if (SameName(k, "ok")) return FormStep::Kind::Ok;
    return FormStep::Kind::Cancel;
}

} // namespace

Player::Player(const EntryPoints& plugin, Stage& stage, Program program, PlayOptions options)
    : plugin_(plugin), stage_(stage), program_(std::move(program)), options_(std::move(options))
{
    AttachCallbacks(this);
}

Player::~Player() { AttachCallbacks(nullptr); }

const std::vector<Player::Command>& Player::Commands()
{
    static const std::vector<Command> commands = {
        {"page", 2, 2, &Player::DoPage},
        {"object", 5, 5, &Player::DoObject},
        {"resize", 5, 5, &Player::DoResize},
        {"set", 2, 2, &Player::DoSet},
        {"echo", 0, -1, &Player::DoEcho},
        {"gosub", 1, 1, &Player::DoGoSub},
        {"exec", 1, -1, &Player::DoExec},
        {"edit", 1, -1, &Player::DoEdit},
        {"answer", 1, 3, &Player::DoAnswer},
        {"message", 1, 1, &Player::DoMessage},
        {"about", 0, 0, &Player::DoAbout},
        {"press", 2, 3, &Player::DoPress},
        {"move", 2, 2, &Player::DoMove},
        {"release", 2, 3, &Player::DoRelease},
        {"click", 2, 3, &Player::DoClick},
        {"drag", 3, -1, &Player::DoDrag},
        {"stroke", 3, -1, &Player::DoStroke},
        {"hostcontrol", 2, 3, &Player::DoHostControl},
        {"paint", 2, 2, &Player::DoPaint},
        {"snapshot", 2, 2, &Player::DoSnapshot},
        {"expect", 2, 5, &Player::DoExpect},
    };
    return commands;
}

const Player::Command* Player::FindCommand(std::string_view keyword)
{
    for (const Command& c : Commands())
        if (SameName(c.keyword, keyword)) return &c;
    return nullptr;
}

int Player::Play()
{
    StartUp();
    Check(program_.main, false);
    for (const auto& [name, body] : program_.subroutines) Check(body, false);
    Run(program_.main);
    RethrowHeldError();
    currentLine_ = 0;
    plugin_.message(kCloseAllCanvases, 0, 0);
    RethrowHeldError();
    auto leftOver = [&](const std::deque<ChoiceAnswer>& queue, const char* what) {
        for (const ChoiceAnswer& a : queue) Fail(a.line, std::string("the ") + what + " answer was never used");
    };
    for (const FormAnswer& f : answers_.forms) Fail(f.line, "the form answer was never used");
    leftOver(answers_.messageBoxes, "message box");
    leftOver(answers_.colors, "colour dialog");
    leftOver(answers_.files, "file dialog");
    leftOver(answers_.objects, "object picker");
    leftOver(answers_.variables, "variable picker");
    return failures_;
}

void Player::StartUp()
{
    int width = kDefaultPageWidth, height = kDefaultPageHeight;
    for (const Statement& s : program_.main) {
        if (!SameName(s.keyword, "page")) continue;
        if (pageMade_) throw ScriptError(s.line, "the page is declared twice");
        if (s.args.size() != 2) throw ScriptError(s.line, "`page` takes a width and a height");
        width = ReadInt(s.args[0].text, s.line, 1, kMaxPageSide);
        height = ReadInt(s.args[1].text, s.line, 1, kMaxPageSide);
        pageMade_ = true;
    }
    stage_.CreatePage(width, height);
    pageMade_ = true;
    stage_.InstallDialogDrivers(answers_);

    variables_.Set("here", options_.scriptDir);
    variables_.Set("out", options_.outDir);

    HostStringVariable title, publisher, hint;
    plugin_.initPlugIn(0, title.address(), publisher.address(), hint.address());
    variables_.Set("plugin.title", title.text());
    variables_.Set("plugin.publisher", publisher.text());
    variables_.Set("plugin.hint", hint.text());
    plugin_.registerPlugIn(AddActionCallback(), nullptr, nullptr, SetVariableCallback());
    plugin_.registerScriptProcessor(ScriptProcessorCallback());
    plugin_.registerInterfaceAccess(InterfaceAccessCallback());
    RethrowHeldError();
    variables_.Set("plugin.actions", std::to_string(catalogue_.actions().size()));
    variables_.Set("plugin.categories", std::to_string(catalogue_.categoryCount()));
    variables_.Set("plugin.malformed", std::to_string(catalogue_.malformedCount()));
    if (options_.verbose) {
        std::printf("%s: %zu actions in %d categories\n", ToUtf8(title.text()).c_str(), catalogue_.actions().size(),
                    catalogue_.categoryCount());
    }
}

void Player::Check(const std::vector<Statement>& statements, bool inForm)
{
    for (const Statement& s : statements) {
        int count = static_cast<int>(s.args.size());
        if (inForm) {
            const FormKeyword* k = FindFormKeyword(s.keyword);
            if (!k) throw ScriptError(s.line, "`" + ToUtf8(s.keyword) + "` is not a step of a form");
            if (count < k->minArgs || count > k->maxArgs)
                throw ScriptError(s.line, "wrong number of words for `" + ToUtf8(s.keyword) + "`");
            continue;
        }
        if (const Command* c = FindCommand(s.keyword)) {
            if (count < c->minArgs || (c->maxArgs >= 0 && count > c->maxArgs))
                throw ScriptError(s.line, "wrong number of words for `" + ToUtf8(s.keyword) + "`");
            if (c->handler == &Player::DoEdit) {
                const ActionRow* row = catalogue_.Find(s.args[0].text);
                if (!row) throw ScriptError(s.line, "the plug-in has no action " + ToUtf8(s.args[0].text));
                if (count - 1 > static_cast<int>(row->types.size()))
                    throw ScriptError(s.line, ToUtf8(row->name) + " takes " + std::to_string(row->types.size()) +
                                                  " parameters");
            }
            if (OpensBlock(s)) Check(s.body, true);
            continue;
        }
        const ActionRow* row = catalogue_.Find(s.keyword);
        if (!row) throw ScriptError(s.line, "`" + ToUtf8(s.keyword) + "` is neither a keyword nor an action of the plug-in");
        if (count > static_cast<int>(row->types.size()))
            throw ScriptError(s.line, ToUtf8(row->name) + " takes " + std::to_string(row->types.size()) + " parameters");
    }
}

void Player::Run(const std::vector<Statement>& statements)
{
    for (const Statement& s : statements) {
        if (heldError_) return;
        Execute(s);
    }
}

void Player::Execute(const Statement& s)
{
    currentLine_ = s.line;
    Args args;
    args.reserve(s.args.size());
    // A form block's words are expanded when its steps are read.
    for (const Word& w : s.args) args.push_back(variables_.Expand(w.text, s.line));
    if (const Command* c = FindCommand(s.keyword)) {
        (this->*(c->handler))(s, args);
    } else {
        DoAction(s, args);
    }
    RethrowHeldError();
}

void Player::RethrowHeldError()
{
    for (const std::string& f : answers_.failures) Fail(currentLine_, f);
    for (const std::string& n : answers_.notes) Note(currentLine_, n);
    answers_.failures.clear();
    answers_.notes.clear();
    if (heldError_) {
        ScriptError e = *heldError_;
        heldError_.reset();
        throw e;
    }
}

void Player::Fail(int line, const std::string& message)
{
    ++failures_;
    std::fprintf(stderr, "%s:%d: FAILED: %s\n", options_.scriptName.c_str(), line, message.c_str());
}

void Player::Note(int line, const std::string& message)
{
    if (options_.verbose) std::printf("%s:%d: %s\n", options_.scriptName.c_str(), line, message.c_str());
}

// ---- objects ------------------------------------------------------------------------

Player::Object& Player::FindObject(const std::string& name, int line)
{
    for (Object& o : objects_)
        if (SameName(o.name, name)) return o;
    throw ScriptError(line, "the page has no object " + ToUtf8(name));
}

WindowId Player::InputWindow(const Object& object)
{
    WindowId canvas = stage_.CanvasWindow(object.window);
    return canvas ? canvas : object.window;
}

void Player::DoPage(const Statement&, const Args&)
{
    // Read at start-up: the page exists before the plug-in is initialised.
}

void Player::DoObject(const Statement& s, const Args& a)
{
    if (a[0].empty()) throw ScriptError(s.line, "an object needs a name");
    for (const Object& o : objects_)
        if (SameName(o.name, a[0])) throw ScriptError(s.line, "object " + ToUtf8(a[0]) + " already exists");
    Bounds b{ReadInt(a[1], s.line, -kMaxPageSide, kMaxPageSide), ReadInt(a[2], s.line, -kMaxPageSide, kMaxPageSide),
             ReadInt(a[3], s.line, 0, kMaxPageSide), ReadInt(a[4], s.line, 0, kMaxPageSide)};
    objects_.push_back({a[0], stage_.CreateObject(b), b});
}

void Player::DoResize(const Statement& s, const Args& a)
{
    Object& o = FindObject(a[0], s.line);
    Bounds b{ReadInt(a[1], s.line, -kMaxPageSide, kMaxPageSide), ReadInt(a[2], s.line, -kMaxPageSide, kMaxPageSide),
             ReadInt(a[3], s.line, 0, kMaxPageSide), ReadInt(a[4], s.line, 0, kMaxPageSide)};
    if (!stage_.MoveObject(o.window, b)) throw ScriptError(s.line, "cannot resize " + ToUtf8(a[0]));
    o.bounds = b;
}

// ---- variables and subroutines --------------------------------------------------------

void Player::DoSet(const Statement& s, const Args& a)
{
    if (a[0].empty()) throw ScriptError(s.line, "a variable needs a name");
    if (!variables_.Set(a[0], a[1])) throw ScriptError(s.line, "the value is too large");
}

void Player::DoEcho(const Statement&, const Args& a)
{
    std::string line;
    for (const std::string& w : a) {
        if (!line.empty()) line += ' ';
        line += ToUtf8(w);
    }
    std::printf("%s\n", line.c_str());
}

void Player::DoGoSub(const Statement& s, const Args& a) { RunSubroutine(a[0], s.line); }

void Player::RunSubroutine(const std::string& name, int line)
{
    ++subroutineRuns_[name];
    auto it = program_.subroutines.find(name);
    if (it == program_.subroutines.end()) throw ScriptError(line, "the script has no subroutine " + ToUtf8(name));
    if (depth_ >= kMaxSubroutineDepth) throw ScriptError(line, "subroutines call each other too deep");
    ++depth_;
    int saved = currentLine_;
    try {
        Run(it->second);
    } catch (...) {
        --depth_;
        throw;
    }
    --depth_;
    currentLine_ = saved;
}

// ---- actions ----------------------------------------------------------------------------

bool Player::CallAction(std::int32_t id, const Args& params, int line)
{
    HostStringArray array(params);
    bool result = plugin_.execAction(id, array.data()) != 0;
    lastResult_ = BoolText(result);
    if (options_.verbose) {
        const ActionRow* row = catalogue_.FindId(id);
        std::printf("%s:%d: %s -> %s\n", options_.scriptName.c_str(), line,
                    row ? ToUtf8(row->name).c_str() : ("action " + std::to_string(id)).c_str(), lastResult_.c_str());
    }
    return result;
}

void Player::DoAction(const Statement& s, const Args& a)
{
    const ActionRow* row = catalogue_.Find(s.keyword);
    Args params = a;
    params.resize(row->types.size());
    CallAction(row->id, params, s.line);
}

void Player::DoExec(const Statement& s, const Args& a)
{
    // A raw call by number with exactly the words given, for probing the plug-in's checks.
    std::int32_t id = ReadInt(a[0], s.line, INT32_MIN, INT32_MAX);
    CallAction(id, Args(a.begin() + 1, a.end()), s.line);
}

FormAnswer Player::ReadFormAnswer(const Statement& block)
{
    FormAnswer answer;
    answer.line = block.line;
    for (const Statement& step : block.body) {
        Args args;
        for (const Word& w : step.args) args.push_back(variables_.Expand(w.text, step.line));
        if (SameName(step.keyword, "answer")) {
            QueueAnswer(step, args);
            continue;
        }
        FormStep f;
        f.kind = FormKind(step.keyword);
        f.line = step.line;
        f.args = std::move(args);
        answer.steps.push_back(std::move(f));
    }
    return answer;
}

void Player::DoEdit(const Statement& s, const Args& a)
{
    const ActionRow* row = catalogue_.Find(a[0]);
    Args params(a.begin() + 1, a.end());
    params.resize(row->types.size());
    // This edit's form comes before any queued for forms shown later.
    answers_.forms.push_front(ReadFormAnswer(s));
    std::size_t queued = answers_.forms.size();
    HostStringArray array(params);
    bool result = plugin_.editAction(row->id, array.data()) != 0;
    lastResult_ = BoolText(result);
    lastParams_ = array.Texts();
    if (answers_.forms.size() == queued) {
        answers_.forms.pop_front();
        Note(s.line, "the editor of " + ToUtf8(row->name) + " showed no form");
    }
    if (options_.verbose) {
        std::printf("%s:%d: edit %s -> %s\n", options_.scriptName.c_str(), s.line, ToUtf8(row->name).c_str(),
                    lastResult_.c_str());
    }
}

void Player::DoAnswer(const Statement& s, const Args& a)
{
    if (SameName(a[0], "form")) {
        if (a.size() != 1) throw ScriptError(s.line, "`answer form` takes no further words");
        answers_.forms.push_back(ReadFormAnswer(s));
        return;
    }
    QueueAnswer(s, a);
}

void Player::QueueAnswer(const Statement& s, const Args& a)
{
    ChoiceAnswer answer;
    answer.line = s.line;
    const std::string& kind = a[0];
    if (a.size() < 2) throw ScriptError(s.line, "`answer " + ToUtf8(kind) + "` needs a value");
    answer.cancel = SameName(a[1], "cancel");
    answer.value = a[1];
    if (SameName(kind, "message")) {
        static const char* const buttons[] = {"ok", "cancel", "yes", "no"};
        bool known = false;
        for (const char* b : buttons) known = known || SameName(a[1], b);
        if (!known || a.size() != 2) throw ScriptError(s.line, "a message box is answered with ok, cancel, yes or no");
        answers_.messageBoxes.push_back(answer);
    } else if (SameName(kind, "color") || SameName(kind, "colour")) {
        if (!answer.cancel) ReadColor(a[1], s.line);
        if (a.size() != 2) throw ScriptError(s.line, "`answer color` takes one colour");
        answers_.colors.push_back(answer);
    } else if (SameName(kind, "file")) {
        if (a.size() == 3) answer.filterIndex = ReadInt(a[2], s.line, 1, 1000);
        answers_.files.push_back(answer);
    } else if (SameName(kind, "object")) {
        if (a.size() != 2) throw ScriptError(s.line, "`answer object` takes one name");
        answers_.objects.push_back(answer);
    } else if (SameName(kind, "variable")) {
        if (a.size() != 2) throw ScriptError(s.line, "`answer variable` takes one name");
        answers_.variables.push_back(answer);
    } else {
        throw ScriptError(s.line, "nothing to answer called " + ToUtf8(kind) +
                                      " (form, message, color, file, object, variable)");
    }
}

void Player::DoMessage(const Statement& s, const Args& a)
{
    plugin_.message(ReadInt(a[0], s.line, INT32_MIN, INT32_MAX), 0, 0);
}

void Player::DoAbout(const Statement&, const Args&) { plugin_.about(); }

// ---- callbacks --------------------------------------------------------------------------

void Player::OnAddAction(std::int32_t id, const char* name, const char* hint, const std::uint8_t* types,
                         std::int32_t typesHigh, std::int32_t count)
{
    catalogue_.Add(id, name, hint, types, typesHigh, count);
}

void Player::OnSetVariable(const char* name, const char* value)
{
    if (!name) {
        OnCallbackFailure("the plug-in set a variable without a name");
        return;
    }
    if (!variables_.Set(name, value ? value : "")) OnCallbackFailure("a variable value was dropped (too large)");
}

void Player::OnScriptLine(const char* line)
{
    if (heldError_) return;
    std::string text = line ? line : "";
    std::vector<Word> words = SplitWords(text, currentLine_);
    // The plug-in sends only: GoSub "name".
    if (words.size() != 2 || words[0].quoted || !SameName(words[0].text, "GoSub") || !words[1].quoted) {
        OnCallbackFailure("the plug-in sent a script line the host does not run: " + ToUtf8(text));
        return;
    }
    Note(currentLine_, "GoSub \"" + ToUtf8(words[1].text) + "\"");
    RunSubroutine(words[1].text, currentLine_);
}

bool Player::OnInterfaceAccess(std::int32_t code, char** text)
{
    if (!text) return false;
    std::string in = HostStringText(*text);
    auto reply = [&](const std::string& out) {
        if (!ReplaceHostString(*text, out)) throw std::bad_alloc();
        return true;
    };
    auto pick = [&](std::deque<ChoiceAnswer>& queue, const char* what) {
        if (queue.empty()) {
            Note(currentLine_, std::string("the ") + what + " picker was cancelled (no answer queued)");
            return false;
        }
        ChoiceAnswer a = queue.front();
        queue.pop_front();
        return a.cancel ? false : reply(a.value);
    };
    switch (code) {
    case IX_IA_SUBROUTINE_LIST: {
        std::string list;
        for (const std::string& name : program_.subroutineOrder) {
            if (!list.empty()) list += "\r\n";
            list += name;
        }
        reply(list);
        return !list.empty();
    }
    case IX_IA_OBJECT_WINDOW:
        for (const Object& o : objects_)
            if (SameName(o.name, in)) return reply(stage_.HandleText(o.window));
        // Not a number: the plug-in then creates nothing and reports failure.
        reply("");
        return false;
    case IX_IA_PICK_OBJECT:
        return pick(answers_.objects, "object");
    case IX_IA_PICK_VARIABLE:
        return pick(answers_.variables, "variable");
    default:
        return false;
    }
}

void Player::OnCallbackError(const ScriptError& error)
{
    if (!heldError_) heldError_ = error;
}

void Player::OnCallbackFailure(const std::string& what) { Fail(currentLine_, what); }

} // namespace ix::host
