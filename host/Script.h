// Script: a publication script read into statements (docs/publication-scripts.md).
//
// A script is lines of words. A word is a run of non-blank characters or a double-quoted
// text (\" and \\ are its only escapes); a '#' that starts an unquoted word begins a
// comment. The first word of a line is its keyword or an action name. Blocks (sub, edit,
// answer form) run to a line holding only `end`. Subroutines live in their own table, so
// that they can be called from anywhere, before or after their definition.
//
// Limits: the text is Windows-1251 already (the reader converts it); lines up to 64 KiB,
// up to 100000 lines, blocks nested up to 8 deep.
#pragma once

#include "host/Text.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ix::host {

struct Word {
    std::string text;
    bool quoted = false;
};

struct Statement {
    int line = 0;
    std::string keyword; // the first word as written
    std::vector<Word> args;
    std::vector<Statement> body; // the lines of a block
};

struct Program {
    std::vector<Statement> main;
    std::map<std::string, std::vector<Statement>, NameLess> subroutines;
    std::vector<std::string> subroutineOrder; // as defined, for the host's list
};

// Splits one line into words. Throws ScriptError for an unterminated quote or a quote
// glued to other text.
std::vector<Word> SplitWords(std::string_view line, int lineNumber);

// Throws ScriptError (with its line) for a malformed script: unbalanced blocks, a
// subroutine defined twice or inside another block, an overlong script.
Program ParseScript(std::string_view cp1251Text);

// Keywords of the block statements.
bool OpensBlock(const Statement& s);

} // namespace ix::host
