// What every data file reader must hold to, whatever bytes it is handed.
//
// From any bytes the reader gives a store the game can hold: every value
// within its range (`sound`, one per file), the same whether or not it is
// asked for a report. That store is written, and the written file is then
// taken as the model of a sound file of the layout:
// - it has exactly the layout's lines, each ending in CR LF and holding no
//   other line end;
// - it reads back whole to the same store, and writes back to the same bytes;
// - it reads the same, and whole, with what an editor may add (a byte-order
//   mark, blanks at the end of lines, LF or CR line ends, no line end after
//   the last line) and with anything after the layout;
// - cut after any number of whole lines short of the layout, or with any line
//   garbled, it reads as the whole records before the cut and the neutral
//   values after it, and is reported read in part;
// - a last line without its line end is taken only when it is the layout's
//   last: anywhere else the file was cut there.
// A failed check aborts, which libFuzzer keeps as a crash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "records/data_files.h"

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

// A cheap mix of the input, to pick how the file it reads as is edited and
// where it is cut.
inline std::size_t mix(std::string_view bytes) {
    std::size_t h = 1469598103934665603ull;
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    return h;
}

// What a reading gives: the store, and whether it took every value of the
// layout.
template <typename Store>
struct Reading {
    Store store;
    bool whole;
    bool operator==(const Reading&) const = default;
};

// `parse(bytes, report)`; `layoutLines`: the lines of the file;
// `recordLines`: the lines a record holds (a record is taken whole or not
// at all).
template <typename Parse, typename Sound, typename Format>
void checkReader(std::string_view input, Parse parse, Sound sound, Format format, std::size_t layoutLines,
                 std::size_t recordLines) {
    using Store = decltype(parse(input, nullptr));
    const auto read = [&parse](std::string_view bytes) {
        ReadReport report;
        Store store = parse(bytes, &report);
        return Reading<Store>{std::move(store), report.whole};
    };
    try {
        const Reading<Store> once = read(input);
        check(parse(input, nullptr) == once.store, "a reading without a report reads the same", input);
        check(sound(once.store), "every value read is within its range", input);
        const Reading<Store> missing = read(std::string_view());
        check(sound(missing.store), "the values of a missing file are within their ranges", input);
        check(!missing.whole, "a missing file is not read whole", input);

        const std::string written = format(once.store);
        const std::vector<std::string_view> lines = writtenLines(written);
        check(lines.size() == layoutLines, "the written file has the layout's number of lines", written);
        std::size_t lineEnds = 0;
        for (char c : written) lineEnds += c == '\r' || c == '\n';
        check(lineEnds == 2 * layoutLines && lines.back().ends_with("\r\n"),
              "every written line ends in CR LF, and no value holds a line end", written);

        const Reading<Store> whole{once.store, true};
        check(read(written) == whole, "what is read from any bytes reads back whole once written", written);
        check(format(parse(written, nullptr)) == written, "a written file writes back byte for byte", written);
        check(read(written + std::string(input)) == whole, "lines past the layout are ignored", written);

        // What an editor may add, a little of each as the input picks it.
        const std::size_t h = mix(input);
        const char* const blanks[] = {"", " ", "\t", " \t  "};
        const char* const ends[] = {"\r\n", "\n", "\r"};
        // A CR before an empty line that ends in LF would make one CR LF of
        // two line ends: the line ends are of one kind in a file.
        const std::string_view end = ends[(h >> 40) % 3];
        const bool lastEnd = (h >> 50) & 1;
        std::string edited = h & 1 ? "\xEF\xBB\xBF" : "";
        std::size_t pick = h >> 1;
        for (std::size_t i = 0; i < lines.size(); ++i, pick = pick * 5 + 3) {
            edited += lines[i].substr(0, lines[i].size() - 2);
            edited += blanks[pick % 4];
            if (i + 1 < lines.size() || lastEnd) edited += end;
        }
        check(read(edited) == whole, "what an editor adds is read as if it were not there", edited);

        // Cut or garbled after k whole lines: the whole records before
        // stay, the rest is neutral. One k per input, picked from its bytes:
        // the fuzzer tries them all soon enough, and every input runs fast.
        const std::string neutral = format(missing.store);
        const std::vector<std::string_view> neutralLines = writtenLines(neutral);
        check(neutralLines.size() == layoutLines, "a missing file writes the whole layout", neutral);
        const std::size_t k = (h >> 20) % layoutLines;
        const std::size_t kept = k - k % recordLines;
        const std::string head = joined(lines, 0, k);
        const std::string expected = joined(lines, 0, kept) + joined(neutralLines, kept, layoutLines);
        const Reading<Store> cutReading = read(head);
        check(format(cutReading.store) == expected, "a file cut after whole lines keeps its whole records", head);
        check(!cutReading.whole, "a file cut short of its layout is read in part", head);
        const std::string garbled = head + "\x01\r\n" + joined(lines, k + 1, layoutLines);
        const Reading<Store> garbledReading = read(garbled);
        check(format(garbledReading.store) == expected, "a garbled line and all after it read as neutral", garbled);
        check(!garbledReading.whole, "a file with a garbled line is read in part", garbled);

        // Part of the next line, without its line end.
        const std::size_t text = lines[k].size() - 2;
        if (text > 0) {
            const std::string cut = head + std::string(lines[k].substr(0, (h >> 8) % text + 1));
            if (k + 1 == layoutLines) {
                check(read(cut) == read(cut + "\r\n"), "the layout's last line is taken without its line end",
                      cut);
            } else {
                check(read(cut) == cutReading, "a line without its line end short of the last is not taken", cut);
            }
        }
    } catch (const std::exception& e) {
        fail(e.what(), input);
    }
}

}  // namespace dravonelle::fuzz
