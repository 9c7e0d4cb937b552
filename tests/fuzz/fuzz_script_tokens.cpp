// The script tokeniser. The input is taken line by line, as the driver reads
// a script, and whole. For every line that splits:
// - its tokens, written back with quotes where they need them (or always),
//   split again into the same tokens;
// - two lines joined by a blank split into the tokens of the one, then of
//   the other.
// A line that does not split has a quote left open, so it holds a quote.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script_tokens.h"

namespace {

using Tokens = std::vector<std::string>;

[[noreturn]] void fail(const char* what, const std::string& line) {
    std::fprintf(stderr, "\n*** check failed: %s\n*** line (%zu bytes):\n", what, line.size());
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fprintf(stderr, "\n");
    std::abort();
}

void check(bool ok, const char* what, const std::string& line) {
    if (!ok) fail(what, line);
}

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Between quotes, with \" and \\ escaped; a CR is written \r when `escapeCr`,
// as itself otherwise (both read back as a CR).
std::string quoted(const std::string& token, bool escapeCr) {
    std::string out = "\"";
    for (char c : token) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\r' && escapeCr) {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out + '"';
}

// Bare when the token can stand alone: not empty, no blank, not opening
// with a quote (a quote or a backslash further in is taken as it is).
std::string quotedIfNeeded(const std::string& token) {
    bool bare = !token.empty() && token.front() != '"';
    for (char c : token) bare = bare && !blank(c);
    return bare ? token : quoted(token, false);
}

std::string joinedBack(const Tokens& tokens, bool always, const char* separator) {
    std::string line;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (i > 0) line += separator;
        line += always ? quoted(tokens[i], true) : quotedIfNeeded(tokens[i]);
    }
    return line;
}

void checkLine(const std::string& line) {
    const std::optional<Tokens> tokens = dravonelle::splitScriptLine(line);
    if (!tokens) {
        check(line.find('"') != std::string::npos, "only an open quote fails a line", line);
        return;
    }
    for (const std::string& t : *tokens) {
        // An empty token can only be written "".
        check(!t.empty() || line.find("\"\"") != std::string::npos, "an empty token comes from \"\"", line);
    }
    const char* separators[] = {" ", "\t", " \r\t "};
    for (bool always : {false, true}) {
        for (const char* separator : separators) {
            const std::string back = joinedBack(*tokens, always, separator);
            check(dravonelle::splitScriptLine(back) == tokens, "tokens written back split the same", line);
        }
    }
}

void checkJoin(const std::string& first, const std::string& second) {
    const auto a = dravonelle::splitScriptLine(first);
    if (!a) return;  // the open quote would take in the blank and what follows
    const auto b = dravonelle::splitScriptLine(second);
    std::optional<Tokens> expected;
    if (b) {
        expected = *a;
        expected->insert(expected->end(), b->begin(), b->end());
    }
    const std::string both = first + " " + second;
    check(dravonelle::splitScriptLine(both) == expected, "two lines joined by a blank split as each does", both);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= input.size()) {
        const std::size_t end = input.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(input.substr(start));
            break;
        }
        lines.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        checkLine(lines[i]);
        if (i + 1 < lines.size()) checkJoin(lines[i], lines[i + 1]);
    }
    checkLine(input);
    return 0;
}
