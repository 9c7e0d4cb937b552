// The data file readers, one target each from this file (FUZZ_<READER>
// picks it). A failed check aborts, which libFuzzer keeps as a crash.
//
// A reader, from any bytes, gives a store the game can hold (every
// value within its range, `sound`), the same with or without a report. That
// store written is the model of a sound file of the layout:
// - exactly the layout's lines, each ending in CR LF and holding no other;
// - it reads back whole to the same store and writes back to the same bytes,
//   also with lines past the layout, and with what an editor may add (a
//   byte-order mark, blanks at the ends of lines, LF or CR line ends, none
//   after the last line);
// - cut after any whole lines short of the layout, or with a line garbled,
//   it reads as the whole records before and the neutral values after, and
//   is reported read in part; a last line without its line end is taken only
//   when it is the layout's last.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "records/data_files.h"
#include "records/windows_1252.h"

namespace dravonelle {
namespace {

void check(bool ok, const char* what, std::string_view bytes) {
    if (ok) return;
    std::fprintf(stderr, "\n*** check failed: %s\n*** input (%zu bytes):\n", what, bytes.size());
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
    std::abort();
}

bool within(long long n, long long min, long long max) { return n >= min && n <= max; }

// The lines of a written file, each with its CR LF (the last maybe without).
std::vector<std::string> writtenLines(std::string_view file) {
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; at < file.size(); at = end) {
        end = std::min(file.find("\r\n", at), file.size() - 2) + 2;
        lines.emplace_back(file.substr(at, end - at));
    }
    return lines;
}

std::string joined(const std::vector<std::string>& lines, std::size_t from, std::size_t to) {
    to = std::max(from, std::min(to, lines.size()));
    return std::accumulate(lines.begin() + from, lines.begin() + to, std::string());
}

// `layoutLines`: the lines of the file; `recordLines`: the lines of a record,
// taken whole or not at all.
template <typename Parse, typename Sound, typename Format>
void checkReader(std::string_view input, Parse parse, Sound sound, Format format, std::size_t layoutLines,
                 std::size_t recordLines) {
    // The store read, written back, and whether the reading was whole.
    const auto read = [&](std::string_view bytes) {
        ReadReport report;
        const std::string written = format(parse(bytes, &report));
        return written + (report.whole ? "whole" : "part");
    };
    const auto once = parse(input, nullptr);
    check(sound(once) && read(input).starts_with(format(once)), "what is read is within range", input);
    const std::string written = format(once), neutral = format(parse("", nullptr));
    const std::vector<std::string> lines = writtenLines(written), neutralLines = writtenLines(neutral);
    const auto lineEnds = std::ranges::count_if(written, [](char c) { return c == '\r' || c == '\n'; });
    check(lines.size() == layoutLines && lineEnds == 2 * std::ssize(lines) && written.ends_with("\r\n") &&
              sound(parse("", nullptr)) && neutralLines.size() == layoutLines && read("") == neutral + "part",
          "a written file has the layout's lines, each ending in CR LF; a missing one reads as neutral", written);
    check(read(written) == written + "whole", "what is written reads back whole", written);
    check(read(written + std::string(input)) == written + "whole", "lines past the layout", written);

    // What an editor may add, a little of each as the input's bytes pick.
    std::size_t h = 1469598103934665603ull;
    for (unsigned char c : input) h = (h ^ c) * 1099511628211ull;
    const char* const blanks[] = {"", " ", "\t", " \t  "};
    const char* const ends[] = {"\r\n", "\n", "\r"};
    std::string edited = h & 1 ? "\xEF\xBB\xBF" : "";
    for (std::size_t i = 0, pick = h >> 1; i < lines.size(); ++i, pick = pick * 5 + 3) {
        edited += lines[i].substr(0, lines[i].size() - 2) + blanks[pick % 4];
        if (i + 1 < lines.size() || (h >> 50) & 1) edited += ends[(h >> 40) % 3];
    }
    check(read(edited) == written + "whole", "what an editor adds is read as if it were not there", edited);

    // Cut, or garbled, after k whole lines (one k per input).
    const std::size_t k = (h >> 20) % layoutLines, kept = k - k % recordLines;
    const std::string head = joined(lines, 0, k);
    const std::string expected = joined(lines, 0, kept) + joined(neutralLines, kept, layoutLines) + "part";
    check(read(head) == expected, "a file cut after whole lines keeps its whole records", head);
    const std::string garbled = head + "\x01\r\n" + joined(lines, k + 1, layoutLines);
    check(read(garbled) == expected, "a garbled line and all after it read as neutral", garbled);
    // Part of the next line, without its line end.
    if (lines[k].size() > 2) {
        const std::string cut = head + lines[k].substr(0, (h >> 8) % (lines[k].size() - 2) + 1);
        check(read(cut) == (k + 1 == layoutLines ? read(cut + "\r\n") : expected),
              "a line without its line end is taken only when it is the layout's last", cut);
    }
}

template <typename Array>
bool every(const Array& values, std::size_t from, long long max) {
    return std::all_of(values.begin() + from, values.end(), [max](long long n) { return within(n, 0, max); });
}

// Entry 0 is unused. A name: 3 to 10 characters of the code page, none a
// control character. A date: empty or "DD/MM/YY ".
[[maybe_unused]] bool sound(const Joueurs& j) {
    bool ok = j.NomsPersonnages[0].empty();
    for (int i = 1; i <= kPersonnages; ++i) {
        const std::string bytes = utf8ToWindows1252(j.NomsPersonnages[i]);
        ok = ok && windows1252ToUtf8(bytes) == j.NomsPersonnages[i] && within(bytes.size(), 3, 10) &&
             std::ranges::none_of(bytes, [](unsigned char c) { return c < 0x20 || c == 0x7F; });
    }
    return ok;
}
[[maybe_unused]] bool sound(const Abandons& a) {
    return within(a.TotalAbandons, 0, kCompteurMax) && a.AbandonsPar[0] == 0 && every(a.AbandonsPar, 1, kCompteurMax);
}
[[maybe_unused]] bool sound(const Infos& f) {
    return within(f.TotalTerminées, 0, kCompteurMax) && f.TerminéesPar[0] == 0 &&
           every(f.TerminéesPar, 1, kCompteurMax) && every(f.CompteursCréation, 0, kCompteurLongMax);
}
[[maybe_unused]] bool sound(const Classement& c) {
    static const std::regex date("|[0-9]{2}/[0-9]{2}/[0-9]{2} ");
    bool ok = c.ClassementPersonnage[0] == 0 && c.ClassementDate[0].empty() && c.ClassementScore[0] == 0;
    for (int k = 1; k <= kRangs; ++k) {
        ok = ok && std::regex_match(c.ClassementDate[k], date) && within(c.ClassementPersonnage[k], 0, kPersonnages) &&
             within(c.ClassementScore[k], -32768, 32767);
    }
    return ok;
}
[[maybe_unused]] bool sound(const Commence& c) {
    return within(c.PersonnageDépart, 0, kPersonnages) && within(c.ModeTirage, 0, 2) && within(c.JeuDeDés, 0, 3);
}

}  // namespace
}  // namespace dravonelle

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dravonelle;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto isSound = [](const auto& store) { return sound(store); };
#if defined(FUZZ_JOUEURS)
    checkReader(bytes, parseJoueurs, isSound, formatJoueurs, 24, 1);
#elif defined(FUZZ_ABANDONS)
    checkReader(bytes, parseAbandons, isSound, formatAbandons, 25, 1);
#elif defined(FUZZ_INFOS)
    checkReader(bytes, parseInfos, isSound, formatInfos, 37, 1);
#elif defined(FUZZ_CLASSEMENT)
    checkReader(bytes, parseClassement, isSound, formatClassement, 30, 3);
#else
    checkReader(bytes, parseCommence, isSound, formatCommence, 9, 1);
#endif
    return 0;
}
