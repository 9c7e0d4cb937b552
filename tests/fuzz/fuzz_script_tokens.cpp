// The script tokeniser, fed each line of the input, each two lines joined by
// a blank, and the whole input. A line that does not split has a quote left
// open; one that splits gives tokens that, written back with quotes where
// they need them (or always), split again into the same tokens; two lines
// joined by a blank split into the tokens of the one, then of the other.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "script_tokens.h"

namespace {

using dravonelle::splitScriptLine;
using Tokens = std::vector<std::string>;

void check(bool ok, const char* what, const std::string& line) {
    if (ok) return;
    std::fprintf(stderr, "\n*** check failed: %s\n*** line (%zu bytes):\n%s\n", what, line.size(), line.c_str());
    std::abort();
}

// Bare when a token can stand alone (not empty, no blank, no opening quote);
// otherwise between quotes with \" and \\ escaped, and a CR written \r when
// `always` (it reads back as a CR both ways).
std::string written(const Tokens& tokens, bool always, const char* separator) {
    std::string line;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string& t = tokens[i];
        std::string q = "\"";  // quoted
        for (char c : t) q += c == '"' || c == '\\' ? std::string{'\\', c} : c == '\r' && always ? "\\r" : std::string{c};
        const bool bare = !always && !t.empty() && t.front() != '"' && t.find_first_of(" \t\r") == std::string::npos;
        line += (i > 0 ? separator : "") + (bare ? t : q + '"');
    }
    return line;
}

// The line, and when `next` is given the line joined to it by a blank.
void checkLine(const std::string& line, const std::string* next) {
    const std::optional<Tokens> tokens = splitScriptLine(line);
    if (!tokens) return check(line.find('"') != std::string::npos, "only an open quote fails a line", line);
    const bool noneEmpty = std::ranges::none_of(*tokens, [](const std::string& t) { return t.empty(); });
    check(noneEmpty || line.find("\"\"") != std::string::npos, "an empty token comes from \"\"", line);
    for (bool always : {false, true}) {
        for (const char* separator : {" ", "\t", " \r\t "}) {
            check(splitScriptLine(written(*tokens, always, separator)) == tokens, "written back, the same tokens", line);
        }
    }
    if (!next) return;
    std::optional<Tokens> both = splitScriptLine(*next);
    if (both) both->insert(both->begin(), tokens->begin(), tokens->end());
    check(splitScriptLine(line + " " + *next) == both, "two lines joined by a blank split as each does", line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in(input);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    for (std::size_t i = 0; i < lines.size(); ++i) checkLine(lines[i], i + 1 < lines.size() ? &lines[i + 1] : nullptr);
    checkLine(input, nullptr);
    return 0;
}
