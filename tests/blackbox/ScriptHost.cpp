#include "blackbox/ScriptHost.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace ixtest {

namespace {

ScriptHost*& Current()
{
    static ScriptHost* host = nullptr;
    return host;
}

char* NewHostString(const std::string& text)
{
    char* block = static_cast<char*>(std::malloc(text.size() + 1));
    if (block == nullptr) throw std::bad_alloc();
    std::memcpy(block, text.data(), text.size());
    block[text.size()] = '\0';
    return block;
}

void IX_HOSTCALL SetVar(const char* name, const char* value)
{
    if (ScriptHost* host = Current()) {
        host->setVarCalls.emplace_back(name ? name : "", value ? value : "");
        host->variables[name ? name : ""] = value ? value : "";
    }
}

void IX_HOSTCALL Script(const char* line)
{
    if (ScriptHost* host = Current()) {
        host->scriptLines.emplace_back(line ? line : "");
        if (host->onScriptLine) host->onScriptLine(host->scriptLines.back());
    }
}

IxBool IX_HOSTCALL Access(int32_t code, char** text)
{
    ScriptHost* host = Current();
    if (host == nullptr || text == nullptr || code != IX_IA_OBJECT_WINDOW) return 0;
    const std::string name = *text ? *text : "";
    host->windowQueries.push_back(name);
    std::free(*text);
    *text = NewHostString(host->AnswerFor(name));
    return 1;
}

} // namespace

ScriptHost::ScriptHost()
{
    ixh_reset();
    Current() = this;
    qlRegisterPlugIn(nullptr, nullptr, nullptr, &SetVar);
    qlRegisterScriptProcessor(&Script);
    qlRegisterInterfaceAccess(&Access);
}

ScriptHost::~ScriptHost()
{
    qlMessage(2, 0, 0);
    qlRegisterPlugIn(nullptr, nullptr, nullptr, nullptr);
    qlRegisterScriptProcessor(nullptr);
    qlRegisterInterfaceAccess(nullptr);
    Current() = nullptr;
    ixh_reset();
}

void ScriptHost::RegisterInterfaceAccess(bool on) { qlRegisterInterfaceAccess(on ? &Access : nullptr); }

ixh_window ScriptHost::AddRectangle(const std::string& name, int width, int height)
{
    const ixh_window w = ixh_window_create(0, 0, 0, width, height);
    ixh_window_show(w, 1);
    rectangles_[name] = w;
    return w;
}

std::string ScriptHost::AnswerFor(const std::string& name) const
{
    if (const auto a = answers_.find(name); a != answers_.end()) return a->second;
    const auto r = rectangles_.find(name);
    if (r == rectangles_.end()) return "0";
    char buffer[32] = {};
    ixh_window_handle_text(r->second, buffer, sizeof buffer);
    return buffer;
}

bool ScriptHost::Exec(std::int32_t id, const std::vector<std::string>& params)
{
    std::vector<char*> strings;
    for (const std::string& p : params) strings.push_back(NewHostString(p));
    strings.push_back(nullptr); // never read: the plug-in reads only the declared count
    const bool result = qlExecAction(id, strings.data()) != 0;
    for (char* s : strings) std::free(s);
    return result;
}

ixh_window ScriptHost::CanvasOf(const std::string& rectangle) const
{
    const ixh_window r = rectangles_.at(rectangle);
    const int n = ixh_window_child_count(r);
    return n > 0 ? ixh_window_child(r, n - 1) : 0;
}

int ScriptHost::CanvasCountIn(const std::string& rectangle) const
{
    return ixh_window_child_count(rectangles_.at(rectangle));
}

void ScriptHost::Down(const std::string& rectangle, int x, int y, int button)
{
    ixh_mouse_down(CanvasOf(rectangle), button, x, y);
}
void ScriptHost::Move(const std::string& rectangle, int x, int y) { ixh_mouse_move(CanvasOf(rectangle), x, y); }
void ScriptHost::Up(const std::string& rectangle, int x, int y, int button)
{
    ixh_mouse_up(CanvasOf(rectangle), button, x, y);
}

ScriptHost::Frame ScriptHost::Render(const std::string& rectangle) const
{
    Frame f;
    const ixh_window canvas = CanvasOf(rectangle);
    if (canvas == 0 || !ixh_window_client_size(canvas, &f.width, &f.height)) return f;
    f.rgba.resize(static_cast<std::size_t>(f.width) * f.height * 4);
    if (!ixh_window_render_rgba(canvas, f.rgba.data(), f.rgba.size())) f.rgba.clear();
    return f;
}

Rgb ScriptHost::Frame::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height || rgba.empty()) return {-1, -1, -1};
    const unsigned char* p = &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
    return {p[0], p[1], p[2]};
}

std::optional<std::string> ScriptHost::Variable(const std::string& name) const
{
    const auto v = variables.find(name);
    if (v == variables.end()) return std::nullopt;
    return v->second;
}

void ScriptHost::ClearRecords()
{
    variables.clear();
    setVarCalls.clear();
    scriptLines.clear();
    windowQueries.clear();
}

} // namespace ixtest
