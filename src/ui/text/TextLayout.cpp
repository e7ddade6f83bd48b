#include "ui/text/TextLayout.h"

namespace ix::ui {
namespace {

std::vector<std::string> HardLines(std::string_view s)
{
    std::vector<std::string> out(1);
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' || s[i] == '\n') {
            if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
            out.emplace_back();
        } else {
            out.back() += s[i];
        }
    }
    return out;
}

} // namespace

std::vector<std::string> BreakLines(TextRenderer& text, const Font& font, std::string_view s, int width)
{
    std::vector<std::string> hard = HardLines(s);
    if (width <= 0) return hard;
    std::vector<std::string> out;
    for (const std::string& line : hard) {
        std::string current;
        std::size_t i = 0;
        if (line.empty()) out.emplace_back();
        while (i < line.size()) {
            // Next word with the blanks before it.
            std::size_t j = i;
            while (j < line.size() && line[j] == ' ') ++j;
            while (j < line.size() && line[j] != ' ') ++j;
            std::string candidate = current + line.substr(i, j - i);
            if (current.empty() || text.Measure(font, candidate).width <= width) {
                current = std::move(candidate);
                i = j;
            } else {
                out.push_back(current);
                current.clear();
                while (i < line.size() && line[i] == ' ') ++i;
                continue;
            }
            // A single word too wide for the line: break it between characters, summing
            // the advances once (linear in the word's length, whatever it holds).
            if (text.Measure(font, current).width > width) {
                std::string piece;
                int used = 0;
                for (char ch : current) {
                    const int w = text.Measure(font, std::string_view(&ch, 1)).width;
                    if (!piece.empty() && used + w > width) {
                        out.push_back(std::move(piece));
                        piece.clear();
                        used = 0;
                    }
                    piece += ch;
                    used += w;
                }
                current = std::move(piece);
            }
        }
        if (!current.empty()) out.push_back(current);
    }
    return out;
}

} // namespace ix::ui
