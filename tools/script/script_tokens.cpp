#include "script_tokens.h"

namespace dravonelle {

std::optional<std::vector<std::string>> splitScriptLine(const std::string& line) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    const std::size_t n = line.size();
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (i < n) {
        while (i < n && blank(line[i])) ++i;
        if (i >= n) break;
        std::string token;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < n) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < n) {
                    const char e = line[i++];
                    token += e == 'r' ? '\r' : e;
                } else {
                    token += c;
                }
            }
            if (!closed) return std::nullopt;
        } else {
            while (i < n && !blank(line[i])) token += line[i++];
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

}  // namespace dravonelle
