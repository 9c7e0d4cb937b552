// The data files: the value each line may hold (a line out of bounds or
// garbled stops the reading there), the names, the code page and the
// counters. The files of a fresh installation and of whole games are
// compared byte for byte by the record tests; cut files and editors' touches
// are fuzzed (tests/fuzz).
#include "records/data_files.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "records/windows_1252.h"

namespace dravonelle {
namespace {

std::string repeat(std::string_view s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

// A file with its line `line` (1-based) replaced.
std::string replaceLine(const std::string& bytes, int line, std::string_view by) {
    std::size_t start = 0;
    for (int i = 1; i < line; ++i) start = bytes.find("\r\n", start) + 2;
    return bytes.substr(0, start) + std::string(by) + bytes.substr(bytes.find("\r\n", start));
}

// What a file reads as, written back, and whether it was read whole.
using Reread = std::function<std::string(std::string_view, bool&)>;
template <typename Parse, typename Format>
Reread reread(Parse parse, Format format) {
    return [=](std::string_view bytes, bool& whole) {
        ReadReport report;
        const std::string out = format(parse(bytes, &report));
        whole = report.whole;
        return out;
    };
}

// A line holding `text`: sound, it reads as `readsAs`; unsound (null), the
// file reads as if cut just before that line, and is read in part.
TEST(DataFiles, EachLineTakesOnlyWhatItMayHold) {
    struct Kind {
        std::string good;
        Reread read;
    };
    // Sound files, each of which reads and writes back to its very bytes.
    const std::map<std::string, Kind> kinds{
        {"Joueurs", {formatJoueurs(joueursNeufs()), reread(parseJoueurs, formatJoueurs)}},
        {"Abandon", {"31\r\n" + repeat("101\r\n", 23) + "32767\r\n", reread(parseAbandons, formatAbandons)}},
        {"Info", {"12\r\n" + repeat("1\r\n", 24) + repeat("4031\r\n", 11) + "2147483647\r\n",
                  reread(parseInfos, formatInfos)}},
        {"Fichyam", {"3\r\n\"05/12/06 \"\r\n812\r\n17\r\n\"14/07/25 \"\r\n640\r\n3\r\n\"01/01/26 \"\r\n-5\r\n" +
                         repeat("0\r\n\"\"\r\n0\r\n", 7),
                     reread(parseClassement, formatClassement)}},
        {"Commence", {"#TRUE#\r\n0\r\n\r\n2\r\n#FALSE#\r\n#TRUE#\r\n#TRUE#\r\n3\r\n#TRUE#\r\n",
                      reread(parseCommence, formatCommence)}},
    };
    struct Case {
        const char* kind;
        int line;
        std::string text;
        const char* readsAs;
    };
    const Case cases[] = {
        {"Joueurs", 5, "\"ABC\"", "\"ABC\""}, {"Joueurs", 5, "\"ABCDEFGHIJ\"", "\"ABCDEFGHIJ\""},
        {"Joueurs", 5, "\"\xC9\xC8\xC7\"", "\"\xC9\xC8\xC7\""}, {"Joueurs", 5, "\"AB\"", nullptr},
        {"Joueurs", 5, "\"ABCDEFGHIJK\"", nullptr}, {"Joueurs", 5, "\"ABCD", nullptr}, {"Joueurs", 5, "\"", nullptr},
        {"Joueurs", 5, "", nullptr}, {"Joueurs", 5, "\"AB\001CD\"", nullptr}, {"Joueurs", 5, " \"ABCD\"", nullptr},
        {"Joueurs", 5, "\"" + std::string(100000, 'A') + "\"", nullptr},
        {"Abandon", 1, "32767", "32767"}, {"Abandon", 1, "32768", nullptr}, {"Abandon", 5, "", "0"},
        {"Abandon", 5, "007", "7"}, {"Abandon", 5, "-1", nullptr}, {"Abandon", 5, "1.5", nullptr},
        {"Abandon", 5, " 12", nullptr}, {"Abandon", 5, "+3", nullptr}, {"Abandon", 5, "0x10", nullptr},
        {"Abandon", 5, "99999999999999999999999999999", nullptr},
        {"Info", 10, "100000", nullptr}, {"Info", 26, "100000", "100000"}, {"Info", 30, "2147483648", nullptr},
        {"Fichyam", 7, "24", "24"}, {"Fichyam", 7, "25", nullptr}, {"Fichyam", 7, "-1", nullptr},
        {"Fichyam", 8, "\"\"", "\"\""}, {"Fichyam", 8, "\"01/01/26\"", nullptr}, {"Fichyam", 8, "\"1/1/26 \"", nullptr},
        {"Fichyam", 8, "\"01/01/2026 \"", nullptr}, {"Fichyam", 8, "01/01/26 ", nullptr},
        {"Fichyam", 8, "\"aa/bb/cc \"", nullptr}, {"Fichyam", 9, "-32768", "-32768"},
        {"Fichyam", 9, "32768", nullptr}, {"Fichyam", 9, "\"-5\"", nullptr},
        {"Commence", 1, "", nullptr}, {"Commence", 2, "-12", "0"}, {"Commence", 2, "#FALSE#", nullptr},
        {"Commence", 3, "0", ""}, {"Commence", 3, "24", "24"}, {"Commence", 3, "25", nullptr},
        {"Commence", 4, "3", nullptr}, {"Commence", 5, "#true#", nullptr}, {"Commence", 5, "TRUE", nullptr},
        {"Commence", 5, "0", nullptr}, {"Commence", 8, "0", "0"}, {"Commence", 8, "4", nullptr},
    };
    for (const auto& [kind, k] : kinds) {
        bool whole = false;
        EXPECT_EQ(k.read(k.good, whole), k.good);
        EXPECT_TRUE(whole) << kind;
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " line " + std::to_string(c.line) + ": " + c.text.substr(0, 20));
        const Kind& k = kinds.at(c.kind);
        bool whole = false, ignored = false;
        const std::string read = k.read(replaceLine(k.good, c.line, c.text), whole);
        EXPECT_EQ(whole, c.readsAs != nullptr);
        if (c.readsAs) {
            EXPECT_EQ(read, replaceLine(k.good, c.line, c.readsAs));
        } else {
            std::size_t cut = 0;
            for (int i = 1; i < c.line; ++i) cut = k.good.find("\r\n", cut) + 2;
            EXPECT_EQ(read, k.read(k.good.substr(0, cut), ignored));
        }
    }
}

// A name is written between quotes as it is, one with a quote too; a
// character the page lacks or one that would break the lines becomes '?'.
TEST(DataFiles, NamesAsWritten) {
    Joueurs j = joueursNeufs();
    j.NomsPersonnages[1] = "ŁUKASZ";
    j.NomsPersonnages[2] = "A\r\nB\tC";
    j.NomsPersonnages[3] = "\"ZAZA\"";
    j.NomsPersonnages[4] = "L\"OURS";
    const std::string bytes = formatJoueurs(j);
    EXPECT_EQ(bytes.substr(0, 40), "\"?UKASZ\"\r\n\"A??B?C\"\r\n\"\"ZAZA\"\"\r\n\"L\"OURS\"\r\n");
    EXPECT_EQ(parseJoueurs(bytes).NomsPersonnages[3], "\"ZAZA\"");
    EXPECT_EQ(formatJoueurs(parseJoueurs(bytes)), bytes);
}

TEST(DataFiles, CountersStopAtTheirLargest) {
    EXPECT_EQ(plusUn(32766) + plusUn(32767), 2 * 32767);
    EXPECT_EQ(plusUnLong(2147483646), plusUnLong(2147483647));
}

// Every byte of the page reads back, the five it leaves undefined as C1
// controls; what the page lacks, and malformed UTF-8 a byte at a time (cut,
// overlong, surrogate, past U+10FFFF), are written as '?'.
TEST(Windows1252, BothWays) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
    EXPECT_EQ(windows1252ToUtf8("\x81\x9D\x80\x9F\xC9"), "\u0081\u009D€ŸÉ");
    EXPECT_EQ(utf8ToWindows1252("ŁĘ😀中\u0080\u009F"), "??????");
    EXPECT_EQ(utf8ToWindows1252("A\xC3|\xC0\xAF|\xED\xA0\x80|\xF4\x90\x80\x80|\xFF"), "A?|??|???|????|?");
}

}  // namespace
}  // namespace dravonelle
