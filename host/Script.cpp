#include "host/Script.h"

#include "host/ScriptError.h"

namespace ix::host {
namespace {

constexpr std::size_t kMaxLine = 64 * 1024;
constexpr int kMaxLines = 100000;
constexpr int kMaxDepth = 8;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

} // namespace

std::vector<Word> SplitWords(std::string_view line, int lineNumber)
{
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (IsBlank(line[i])) {
            ++i;
            continue;
        }
        Word w;
        if (line[i] == '#') break;
        if (line[i] == '"') {
            w.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) c = line[i++];
                w.text += c;
            }
            if (!closed) throw ScriptError(lineNumber, "unterminated quoted text");
            if (i < line.size() && !IsBlank(line[i]))
                throw ScriptError(lineNumber, "a quoted text must be followed by a blank");
        } else {
            while (i < line.size() && !IsBlank(line[i])) w.text += line[i++];
        }
        words.push_back(std::move(w));
    }
    return words;
}

bool OpensBlock(const Statement& s)
{
    if (SameName(s.keyword, "sub") || SameName(s.keyword, "edit")) return true;
    return SameName(s.keyword, "answer") && !s.args.empty() && SameName(s.args[0].text, "form");
}

Program ParseScript(std::string_view text)
{
    Program program;
    // The innermost open block last; its statements collect in `target`.
    struct Open {
        Statement statement;
        bool isSub;
    };
    std::vector<Open> open;
    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (++lineNumber > kMaxLines) throw ScriptError(lineNumber, "the script is too long");
        if (line.size() > kMaxLine) throw ScriptError(lineNumber, "the line is too long");
        std::vector<Word> words = SplitWords(line, lineNumber);
        if (words.empty()) continue;
        if (words[0].quoted) throw ScriptError(lineNumber, "a line must start with a keyword or an action name");

        Statement s;
        s.line = lineNumber;
        s.keyword = words[0].text;
        s.args.assign(words.begin() + 1, words.end());

        if (SameName(s.keyword, "end")) {
            if (!s.args.empty()) throw ScriptError(lineNumber, "`end` takes no words");
            if (open.empty()) throw ScriptError(lineNumber, "`end` without a block to close");
            Open done = std::move(open.back());
            open.pop_back();
            if (done.isSub) {
                const std::string& name = done.statement.args[0].text;
                program.subroutineOrder.push_back(name);
                program.subroutines.emplace(name, std::move(done.statement.body));
            } else {
                (open.empty() ? program.main : open.back().statement.body).push_back(std::move(done.statement));
            }
            continue;
        }
        if (OpensBlock(s)) {
            bool isSub = SameName(s.keyword, "sub");
            if (isSub) {
                if (!open.empty()) throw ScriptError(lineNumber, "a subroutine cannot be defined inside a block");
                if (s.args.size() != 1) throw ScriptError(lineNumber, "`sub` takes one name");
                if (program.subroutines.count(s.args[0].text) != 0)
                    throw ScriptError(lineNumber, "subroutine " + ToUtf8(s.args[0].text) + " is defined twice");
            }
            if (open.size() >= kMaxDepth) throw ScriptError(lineNumber, "blocks are nested too deep");
            open.push_back({std::move(s), isSub});
            continue;
        }
        (open.empty() ? program.main : open.back().statement.body).push_back(std::move(s));
    }
    if (!open.empty()) {
        throw ScriptError(open.back().statement.line, "`" + ToUtf8(open.back().statement.keyword) + "` block has no `end`");
    }
    return program;
}

} // namespace ix::host
