// What every data file reader must hold to, whatever bytes it is handed.
//
// From any bytes the reader gives a store the game can hold: every value
// within its range (`sound`, one per file). That store is written, and the
// written file is then taken as the model of a sound file of the layout:
// - it has exactly the layout's lines, each ending in CR LF and holding no
//   other line end;
// - it reads back to the same store, and writes back to the same bytes;
// - it reads the same with LF or CR line ends, and with anything after it;
// - cut after any number of whole lines, or with any line garbled, it reads
//   as the whole records before the cut and the neutral values after it;
// - a last line without its line end is not taken.
// A failed check aborts, which libFuzzer keeps as a crash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace dravonelle::fuzz {

[[noreturn]] inline void fail(const char* what, std::string_view bytes) {
    std::fprintf(stderr, "\n*** check failed: %s\n*** file (%zu bytes):\n", what, bytes.size());
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
    std::fprintf(stderr, "\n");
    std::abort();
}

inline void check(bool ok, const char* what, std::string_view bytes) {
    if (!ok) fail(what, bytes);
}

// The lines of a written file, each with its CR LF.
inline std::vector<std::string_view> writtenLines(std::string_view file) {
    std::vector<std::string_view> lines;
    while (!file.empty()) {
        const std::size_t end = file.find("\r\n");
        if (end == std::string_view::npos) {
            lines.push_back(file);  // unterminated: the caller checks for it
            break;
        }
        lines.push_back(file.substr(0, end + 2));
        file.remove_prefix(end + 2);
    }
    return lines;
}

inline std::string joined(const std::vector<std::string_view>& lines, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i < to && i < lines.size(); ++i) out += lines[i];
    return out;
}

// Every CR LF of a written file turned into `end`.
inline std::string withLineEnds(std::string_view file, std::string_view end) {
    std::string out;
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (file[i] == '\r' && i + 1 < file.size() && file[i + 1] == '\n') {
            out += end;
            ++i;
        } else {
            out += file[i];
        }
    }
    return out;
}

inline bool within(long long n, long long min, long long max) { return n >= min && n <= max; }

// A cheap mix of the input, to pick where to cut a line.
inline std::size_t mix(std::string_view bytes) {
    std::size_t h = 1469598103934665603ull;
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    return h;
}

// `layoutLines`: the lines of the file; `recordLines`: the lines a record
// holds (a record is taken whole or not at all).
template <typename Parse, typename Sound, typename Format>
void checkReader(std::string_view input, Parse parse, Sound sound, Format format, std::size_t layoutLines,
                 std::size_t recordLines) {
    try {
        const auto once = parse(input);
        check(sound(once), "every value read is within its range", input);
        check(sound(parse(std::string_view())), "the values of a missing file are within their ranges", input);
        const std::string written = format(once);
        const std::vector<std::string_view> lines = writtenLines(written);

        check(lines.size() == layoutLines, "the written file has the layout's number of lines", written);
        std::size_t lineEnds = 0;
        for (char c : written) lineEnds += c == '\r' || c == '\n';
        check(lineEnds == 2 * layoutLines && lines.back().ends_with("\r\n"),
              "every written line ends in CR LF, and no value holds a line end", written);

        check(parse(written) == once, "what is read from any bytes reads back the same once written", written);
        check(format(parse(written)) == written, "a written file writes back byte for byte", written);

        check(parse(withLineEnds(written, "\n")) == once, "LF line ends read as CR LF", written);
        check(parse(withLineEnds(written, "\r")) == once, "CR line ends read as CR LF", written);
        check(parse(written + std::string(input)) == once, "lines past the layout are ignored", written);

        // Cut or garbled after k whole lines: the whole records before
        // stay, the rest is neutral. One k per input, picked from its bytes:
        // the fuzzer tries them all soon enough, and every input runs fast.
        const std::string neutral = format(parse(std::string_view()));
        const std::vector<std::string_view> neutralLines = writtenLines(neutral);
        check(neutralLines.size() == layoutLines, "a missing file writes the whole layout", neutral);
        const std::size_t h = mix(input);
        const std::size_t k = h % (layoutLines + 1);
        const std::size_t kept = k - k % recordLines;
        const std::string head = joined(lines, 0, k);
        const std::string expected = joined(lines, 0, kept) + joined(neutralLines, kept, layoutLines);
        check(format(parse(head)) == expected, "a file cut after whole lines keeps its whole records", head);
        if (k < layoutLines) {
            const std::string garbled = head + "\x01\r\n" + joined(lines, k + 1, layoutLines);
            check(format(parse(garbled)) == expected, "a garbled line and all after it read as neutral", garbled);
            // Part of the next line, without its line end: not taken.
            const std::size_t text = lines[k].size() - 2;
            if (text > 0) {
                const std::string cut = head + std::string(lines[k].substr(0, (h >> 8) % text + 1));
                check(parse(cut) == parse(head), "a last line without its line end is not taken", cut);
            }
        }
    } catch (const std::exception& e) {
        fail(e.what(), input);
    }
}

}  // namespace dravonelle::fuzz
