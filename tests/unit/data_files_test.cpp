#include "records/data_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "records/windows_1252.h"

namespace dravonelle {
namespace {

std::string repeat(std::string_view s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

// Every CR LF of a file written by the game turned into another line end.
std::string withLineEnds(std::string_view bytes, std::string_view end) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            out += end;
            ++i;
        } else {
            out += bytes[i];
        }
    }
    return out;
}

// ---- the records used throughout ----------------------------------------------

Joueurs someJoueurs() {
    Joueurs j = joueursNeufs();
    j.NomsPersonnages[3] = "ÉLODIE";
    j.NomsPersonnages[24] = "JO ET 2";
    return j;
}

Abandons someAbandons() {
    Abandons a;
    a.TotalAbandons = 31;
    for (int i = 1; i <= kPersonnages; ++i) a.AbandonsPar[i] = i + 100;
    a.AbandonsPar[24] = 32767;
    return a;
}

Infos someInfos() {
    Infos f;
    f.TotalTerminées = 12;
    for (int i = 1; i <= kPersonnages; ++i) f.TerminéesPar[i] = i;
    for (int r = 0; r < kCompteursCréation; ++r) f.CompteursCréation[r] = 4031 + r;
    f.CompteursCréation[11] = 2147483647;
    return f;
}

Classement someClassement() {
    Classement c;
    c.ClassementPersonnage[1] = 3, c.ClassementDate[1] = "05/12/06 ", c.ClassementScore[1] = 812;
    c.ClassementPersonnage[2] = 17, c.ClassementDate[2] = "14/07/25 ", c.ClassementScore[2] = 640;
    c.ClassementPersonnage[3] = 3, c.ClassementDate[3] = "01/01/26 ", c.ClassementScore[3] = -5;
    return c;
}

Commence someCommence() {
    Commence c;
    c.SansAnimation = true;
    c.ModeTirage = 2;
    c.SansSons = true;
    c.PanneauAffiché = true;
    c.JeuDeDés = 3;
    return c;
}

// Each kind of record with the store used throughout, its reader and its
// writer, handed to `check`.
template <typename Check>
void forEachKind(Check check) {
    check(someJoueurs(), [](std::string_view b, ReadReport* r = nullptr) { return parseJoueurs(b, r); },
          formatJoueurs);
    check(someAbandons(), [](std::string_view b, ReadReport* r = nullptr) { return parseAbandons(b, r); },
          formatAbandons);
    check(someInfos(), [](std::string_view b, ReadReport* r = nullptr) { return parseInfos(b, r); }, formatInfos);
    check(someClassement(), [](std::string_view b, ReadReport* r = nullptr) { return parseClassement(b, r); },
          formatClassement);
    check(someCommence(), [](std::string_view b, ReadReport* r = nullptr) { return parseCommence(b, r); },
          formatCommence);
}

// ---- exact bytes --------------------------------------------------------------------

struct Layout {
    const char* what;
    std::string bytes;
    std::string expected;
};

// The files of a fresh installation are compared byte for byte in the record
// scenario one_draw_first_place_fresh_folder.
TEST(DataFiles, ExactBytesOfEachLayout) {
    Commence avecPersonnage = someCommence();
    avecPersonnage.PersonnageDépart = 12;
    avecPersonnage.SansAnimation = false;
    avecPersonnage.Verrouillé = true;
    const Layout layouts[] = {
        {"Joueurs", formatJoueurs(someJoueurs()),
         "\"AMELIE\"\r\n\"BASTIEN\"\r\n\"\xC9LODIE\"\r\n\"DAMIEN\"\r\n\"ELODIE\"\r\n\"FLORIAN\"\r\n"
         "\"GAELLE\"\r\n\"HUGO\"\r\n\"INES\"\r\n\"JULIEN\"\r\n\"KARINE\"\r\n\"LUCAS\"\r\n"
         "\"MANON\"\r\n\"NICOLAS\"\r\n\"OCEANE\"\r\n\"PIERRE\"\r\n\"QUENTIN\"\r\n\"ROMANE\"\r\n"
         "\"SIMON\"\r\n\"THEO\"\r\n\"URSULE\"\r\n\"VALENTIN\"\r\n\"XAVIER\"\r\n\"JO ET 2\"\r\n"},
        {"Abandon", formatAbandons(someAbandons()),
         "31\r\n101\r\n102\r\n103\r\n104\r\n105\r\n106\r\n107\r\n108\r\n109\r\n110\r\n111\r\n112\r\n"
         "113\r\n114\r\n115\r\n116\r\n117\r\n118\r\n119\r\n120\r\n121\r\n122\r\n123\r\n32767\r\n"},
        {"Info", formatInfos(someInfos()),
         "12\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n"
         "13\r\n14\r\n15\r\n16\r\n17\r\n18\r\n19\r\n20\r\n21\r\n22\r\n23\r\n24\r\n"
         "4031\r\n4032\r\n4033\r\n4034\r\n4035\r\n4036\r\n4037\r\n4038\r\n4039\r\n4040\r\n4041\r\n"
         "2147483647\r\n"},
        {"Fichyam", formatClassement(someClassement()),
         "3\r\n\"05/12/06 \"\r\n812\r\n17\r\n\"14/07/25 \"\r\n640\r\n3\r\n\"01/01/26 \"\r\n-5\r\n" +
             repeat("0\r\n\"\"\r\n0\r\n", 7)},
        {"Commence without character", formatCommence(someCommence()),
         "#TRUE#\r\n0\r\n\r\n2\r\n#FALSE#\r\n#TRUE#\r\n#TRUE#\r\n3\r\n#FALSE#\r\n"},
        {"Commence with character", formatCommence(avecPersonnage),
         "#FALSE#\r\n0\r\n12\r\n2\r\n#FALSE#\r\n#TRUE#\r\n#TRUE#\r\n3\r\n#TRUE#\r\n"},
        {"Info of a fresh installation", formatInfos(Infos{}), repeat("0\r\n", 37)},
    };
    for (const Layout& l : layouts) EXPECT_EQ(l.bytes, l.expected) << l.what;
}

// ---- fresh installation -----------------------------------------------------------

TEST(DataFiles, FreshNamesAreDistinctCapitalsOfThreeToTen) {
    const Joueurs j = joueursNeufs();
    EXPECT_EQ(j.NomsPersonnages[0], "");
    std::set<std::string> seen;
    for (int i = 1; i <= kPersonnages; ++i) {
        const std::string& nom = j.NomsPersonnages[i];
        EXPECT_GE(nom.size(), 3u) << i;
        EXPECT_LE(nom.size(), 10u) << i;
        for (char c : nom) EXPECT_TRUE(c >= 'A' && c <= 'Z') << nom;
        EXPECT_TRUE(seen.insert(nom).second) << nom;
    }
    EXPECT_EQ(j.NomsPersonnages[1], "AMELIE");
    EXPECT_EQ(j.NomsPersonnages[24], "ZOE");
}

TEST(DataFiles, MissingFilesReadAsAFreshInstallation) {
    EXPECT_EQ(parseJoueurs(""), joueursNeufs());
    EXPECT_EQ(parseAbandons(""), Abandons{});
    EXPECT_EQ(parseInfos(""), Infos{});
    EXPECT_EQ(parseClassement(""), Classement{});
    EXPECT_EQ(parseCommence(""), Commence{});
}

// ---- round trips ----------------------------------------------------------------------

// Known records read back whatever the line ends, and lines past the layout
// are ignored.
TEST(DataFiles, KnownRecordsReadBackIdentically) {
    forEachKind([](const auto& store, auto parse, auto format) {
        for (const char* end : {"\r\n", "\r", "\n"}) {
            for (const char* more : {"", "\"EXTRA\"\r\n17\r\n#TRUE#\r\ngarbage"}) {
                EXPECT_EQ(parse(withLineEnds(format(store), end) + more), store)
                    << format(store) << end << more;
            }
        }
    });
}

// What an editor adds to a file changes nothing of what it holds: a UTF-8
// byte-order mark, blanks or tabs at the ends of lines, any line end, none
// after the last line.
TEST(DataFiles, EditorsTouchesReadAsTheCleanFile) {
    forEachKind([](const auto& store, auto parse, auto format) {
        const std::string clean = format(store);
        std::string blanks;
        for (std::size_t at = 0, next; (next = clean.find("\r\n", at)) != std::string::npos; at = next + 2) {
            blanks += clean.substr(at, next - at) + (next % 2 ? " \t" : " ") + "\r\n";
        }
        const std::string touched[] = {
            "\xEF\xBB\xBF" + clean,
            blanks,
            withLineEnds(clean, "\n"),
            clean.substr(0, clean.size() - 2),
            "\xEF\xBB\xBF" + withLineEnds(blanks, "\n").substr(0, withLineEnds(blanks, "\n").size() - 1),
        };
        for (const std::string& bytes : touched) {
            ReadReport report;
            EXPECT_EQ(parse(bytes, &report), store) << bytes;
            EXPECT_TRUE(report.whole) << bytes;
        }
    });
}

// A file read only in part says so: a junk first line, a value out of its
// range, a ranking cut between two records. Lines past the layout do not
// count against it.
TEST(DataFiles, APartialReadingIsReported) {
    forEachKind([](const auto& store, auto parse, auto format) {
        const std::string clean = format(store);
        ReadReport report;
        parse(clean + "junk\r\n", &report);
        EXPECT_TRUE(report.whole);
        parse("junk\r\n" + clean, &report);
        EXPECT_FALSE(report.whole);
        parse(clean.substr(0, clean.size() / 2), &report);
        EXPECT_FALSE(report.whole);
        parse("", &report);
        EXPECT_FALSE(report.whole);
    });
    ReadReport report;
    parseAbandons("99999\r\n", &report);
    EXPECT_FALSE(report.whole);
}

// Random stores of everything the game can hold, with a fixed seed.
class Random {
public:
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen_); }
    bool coin() { return between(0, 1) == 1; }
    std::string name() {
        // Capitals, accented capitals, digits, a blank and a double quote;
        // Œ and Ÿ are in the 0x80-0x9F block of the page.
        static const std::vector<std::string> letters = {"A", "B", "Z", "É", "È",  "Ç", "Ô", "Ü", "Œ",
                                                         "Ÿ", "0", "9", " ", "\"", "-", "'", "Ø", "Þ"};
        std::string n;
        const int length = between(3, 10);
        for (int i = 0; i < length; ++i) n += letters[between(0, static_cast<int>(letters.size()) - 1)];
        return n;
    }
    std::string date() {
        if (coin()) return "";
        char d[10];
        std::snprintf(d, sizeof d, "%02d/%02d/%02d ", between(0, 99), between(0, 99), between(0, 99));
        return d;
    }
    std::int32_t longCounter() {
        return std::uniform_int_distribution<std::int32_t>(0, kCompteurLongMax)(gen_);
    }

private:
    std::mt19937 gen_{20260105};
};

TEST(DataFiles, RandomStoresRoundTripByteForByte) {
    Random rnd;
    for (int round = 0; round < 500; ++round) {
        Joueurs j;
        for (int i = 1; i <= kPersonnages; ++i) j.NomsPersonnages[i] = rnd.name();
        Abandons a;
        a.TotalAbandons = rnd.between(0, kCompteurMax);
        Infos f;
        f.TotalTerminées = rnd.between(0, kCompteurMax);
        for (int i = 1; i <= kPersonnages; ++i) {
            a.AbandonsPar[i] = rnd.between(0, kCompteurMax);
            f.TerminéesPar[i] = rnd.between(0, kCompteurMax);
        }
        for (std::int32_t& n : f.CompteursCréation) n = rnd.longCounter();
        Classement c;
        for (int k = 1; k <= kRangs; ++k) {
            c.ClassementPersonnage[k] = rnd.between(0, kPersonnages);
            c.ClassementDate[k] = rnd.date();
            c.ClassementScore[k] = rnd.between(-32768, 32767);
        }
        Commence p;
        p.SansAnimation = rnd.coin();
        p.PersonnageDépart = rnd.between(0, kPersonnages);
        p.ModeTirage = rnd.between(0, 2);
        p.SansBulles = rnd.coin();
        p.SansSons = rnd.coin();
        p.PanneauAffiché = rnd.coin();
        p.JeuDeDés = rnd.between(0, 3);
        p.Verrouillé = rnd.coin();

        EXPECT_EQ(parseJoueurs(formatJoueurs(j)), j);
        EXPECT_EQ(parseAbandons(formatAbandons(a)), a);
        EXPECT_EQ(parseInfos(formatInfos(f)), f);
        EXPECT_EQ(parseClassement(formatClassement(c)), c);
        EXPECT_EQ(parseCommence(formatCommence(p)), p);
        EXPECT_EQ(formatJoueurs(parseJoueurs(formatJoueurs(j))), formatJoueurs(j));
        EXPECT_EQ(formatClassement(parseClassement(formatClassement(c))), formatClassement(c));
        EXPECT_EQ(formatCommence(parseCommence(formatCommence(p))), formatCommence(p));
    }
}

TEST(DataFiles, ANameWithAQuoteReadsBack) {
    Joueurs j = joueursNeufs();
    j.NomsPersonnages[5] = "\"ZAZA\"";
    j.NomsPersonnages[6] = "L\"OURS";
    EXPECT_NE(formatJoueurs(j).find("\r\n\"\"ZAZA\"\"\r\n\"L\"OURS\"\r\n"), std::string::npos);
    EXPECT_EQ(parseJoueurs(formatJoueurs(j)), j);
}

TEST(DataFiles, TextsTheFileCannotHoldAreWrittenAsQuestionMarks) {
    Joueurs j = joueursNeufs();
    j.NomsPersonnages[1] = "ŁUKASZ";     // not in the page
    j.NomsPersonnages[2] = "A\r\nB\tC";  // would break the lines
    const std::string bytes = formatJoueurs(j);
    EXPECT_EQ(bytes.substr(0, 20), "\"?UKASZ\"\r\n\"A??B?C\"\r\n");
    const Joueurs back = parseJoueurs(bytes);
    EXPECT_EQ(back.NomsPersonnages[1], "?UKASZ");
    EXPECT_EQ(back.NomsPersonnages[2], "A??B?C");
    EXPECT_EQ(formatJoueurs(back), bytes);
}

// ---- short files: every cut keeps exactly the whole lines before it ----------------

// The store whose first `lines` values come from `full` and the rest from
// `neutral`, value by value in file order.
template <typename T>
using Prefix = std::function<T(int lines)>;

int linesIn(std::string_view bytes) {
    int n = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) n += bytes[i] == '\r' && bytes[i + 1] == '\n';
    return n;
}

// A cut inside the layout's last line cannot be told from that line written
// without its line end, which is read as sound: those cuts are left out.
template <typename T>
void expectEveryCutReadsItsWholeLines(const std::string& bytes, T (*parse)(std::string_view, ReadReport*),
                                      const Prefix<T>& expected) {
    const std::size_t lastLine = bytes.rfind("\r\n", bytes.size() - 3) + 2;
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        if (cut > lastLine && cut < bytes.size()) continue;
        const std::string_view head(bytes.data(), cut);
        // A CR alone already ends its line.
        int lines = linesIn(head);
        if (!head.empty() && head.back() == '\r') ++lines;
        ReadReport report;
        EXPECT_EQ(parse(head, &report), expected(lines)) << "cut at byte " << cut;
        EXPECT_EQ(report.whole, cut == bytes.size()) << "cut at byte " << cut;
    }
}

TEST(DataFiles, ShortFilesKeepTheirWholeLines) {
    const Joueurs noms = someJoueurs();
    expectEveryCutReadsItsWholeLines<Joueurs>(formatJoueurs(noms), parseJoueurs, [&](int lines) {
        Joueurs j = joueursNeufs();
        for (int i = 1; i <= lines; ++i) j.NomsPersonnages[i] = noms.NomsPersonnages[i];
        return j;
    });
    const Abandons abandons = someAbandons();
    expectEveryCutReadsItsWholeLines<Abandons>(formatAbandons(abandons), parseAbandons, [&](int lines) {
        Abandons a;
        if (lines >= 1) a.TotalAbandons = abandons.TotalAbandons;
        for (int i = 1; i < lines; ++i) a.AbandonsPar[i] = abandons.AbandonsPar[i];
        return a;
    });
    const Infos infos = someInfos();
    expectEveryCutReadsItsWholeLines<Infos>(formatInfos(infos), parseInfos, [&](int lines) {
        Infos f;
        if (lines >= 1) f.TotalTerminées = infos.TotalTerminées;
        for (int i = 1; i < lines && i <= kPersonnages; ++i) f.TerminéesPar[i] = infos.TerminéesPar[i];
        for (int r = 0; r + 25 < lines; ++r) f.CompteursCréation[r] = infos.CompteursCréation[r];
        return f;
    });
    // Only whole records of three lines.
    const Classement classement = someClassement();
    expectEveryCutReadsItsWholeLines<Classement>(
        formatClassement(classement), parseClassement, [&](int lines) {
            Classement c;
            for (int k = 1; k <= lines / 3; ++k) {
                c.ClassementPersonnage[k] = classement.ClassementPersonnage[k];
                c.ClassementDate[k] = classement.ClassementDate[k];
                c.ClassementScore[k] = classement.ClassementScore[k];
            }
            return c;
        });
    Commence commence = someCommence();
    commence.PersonnageDépart = 7;
    commence.Verrouillé = true;
    expectEveryCutReadsItsWholeLines<Commence>(formatCommence(commence), parseCommence, [&](int lines) {
        Commence c;
        if (lines >= 1) c.SansAnimation = commence.SansAnimation;
        if (lines >= 3) c.PersonnageDépart = commence.PersonnageDépart;
        if (lines >= 4) c.ModeTirage = commence.ModeTirage;
        if (lines >= 5) c.SansBulles = commence.SansBulles;
        if (lines >= 6) c.SansSons = commence.SansSons;
        if (lines >= 7) c.PanneauAffiché = commence.PanneauAffiché;
        if (lines >= 8) c.JeuDeDés = commence.JeuDeDés;
        if (lines >= 9) c.Verrouillé = commence.Verrouillé;
        return c;
    });
}

// ---- garbled, wrong kind, out of range, over-long --------------------------------------

// The file with line `line` (1-based) replaced.
std::string replaceLine(const std::string& bytes, int line, std::string_view by) {
    std::size_t start = 0;
    for (int i = 1; i < line; ++i) start = bytes.find("\r\n", start) + 2;
    const std::size_t end = bytes.find("\r\n", start);
    return bytes.substr(0, start) + std::string(by) + bytes.substr(end);
}

TEST(DataFiles, JoueursStopsAtTheFirstUnsoundName) {
    const std::string good = formatJoueurs(someJoueurs());
    const std::string bads[] = {"\"AB\"",
                                "\"ABCDEFGHIJK\"",
                                "ABCD",
                                "\"ABCD",
                                "ABCD\"",
                                "\"",
                                "",
                                "17",
                                "#TRUE#",
                                "\"AB\001CD\"",
                                " \"ABCD\"",
                                "\"" + std::string(100000, 'A') + "\""};
    for (const std::string& bad : bads) {
        const Joueurs j = parseJoueurs(replaceLine(good, 5, bad));
        Joueurs expected = joueursNeufs();
        for (int i = 1; i <= 4; ++i) expected.NomsPersonnages[i] = someJoueurs().NomsPersonnages[i];
        EXPECT_EQ(j, expected) << bad.substr(0, 20);
    }
    // Exactly 3 and exactly 10 characters are names; so are the page's
    // characters beyond ASCII, one character per byte.
    EXPECT_EQ(parseJoueurs("\"ABC\"\r\n\"ABCDEFGHIJ\"\r\n\"\xC9\xC8\xC7\"\r\n").NomsPersonnages[3], "ÉÈÇ");
    EXPECT_EQ(parseJoueurs("\"ABC\"\r\n\"ABCDEFGHIJ\"\r\n").NomsPersonnages[2], "ABCDEFGHIJ");
}

TEST(DataFiles, CountersStopAtTheFirstUnsoundValue) {
    const std::string good = formatAbandons(someAbandons());
    for (const char* bad : {"-1", "32768", "1.5", " 12", "+3", "#FALSE#", "\"3\"", "x", "-",
                            "99999999999999999999999999999", "0x10", "1e3"}) {
        const Abandons a = parseAbandons(replaceLine(good, 5, bad));
        Abandons expected;
        expected.TotalAbandons = 31;
        for (int i = 1; i <= 3; ++i) expected.AbandonsPar[i] = 100 + i;
        EXPECT_EQ(a, expected) << bad;
    }
    // An empty line is 0, as the game reads it; leading zeros are digits.
    const Abandons a = parseAbandons(replaceLine(replaceLine(good, 5, ""), 6, "007"));
    EXPECT_EQ(a.AbandonsPar[4], 0);
    EXPECT_EQ(a.AbandonsPar[5], 7);
    EXPECT_EQ(a.AbandonsPar[6], 106);
    EXPECT_EQ(parseAbandons(replaceLine(good, 1, "32767")).TotalAbandons, 32767);
    EXPECT_EQ(parseAbandons(replaceLine(good, 1, "32768")), Abandons{});
}

TEST(DataFiles, FigureCountersAreLong) {
    const std::string good = formatInfos(someInfos());
    Infos f = parseInfos(replaceLine(good, 30, "2147483648"));
    EXPECT_EQ(f.TotalTerminées, 12);
    EXPECT_EQ(f.TerminéesPar[24], 24);
    EXPECT_EQ(f.CompteursCréation[3], 4034);
    EXPECT_EQ(f.CompteursCréation[4], 0);
    EXPECT_EQ(f.CompteursCréation[11], 0);
    f = parseInfos(replaceLine(good, 26, "100000"));
    EXPECT_EQ(f.CompteursCréation[0], 100000);
    EXPECT_EQ(f.CompteursCréation[11], 2147483647);
    // A game counter of way past 16 bits stops the reading there.
    f = parseInfos(replaceLine(good, 10, "100000"));
    EXPECT_EQ(f.TerminéesPar[8], 8);
    EXPECT_EQ(f.TerminéesPar[9], 0);
    EXPECT_EQ(f.CompteursCréation[0], 0);
}

TEST(DataFiles, ClassementKeepsOnlyWholeSoundRecords) {
    const std::string good = formatClassement(someClassement());
    Classement two;
    for (int k = 1; k <= 2; ++k) {
        two.ClassementPersonnage[k] = someClassement().ClassementPersonnage[k];
        two.ClassementDate[k] = someClassement().ClassementDate[k];
        two.ClassementScore[k] = someClassement().ClassementScore[k];
    }
    // Record 3 is lines 7 (character), 8 (date) and 9 (score).
    struct Bad {
        int line;
        const char* text;
    };
    const Bad bads[] = {{7, "25"},          {7, "-1"},
                        {7, "\"3\""},       {8, "\"01/01/26\""},
                        {8, "\"1/1/26 \""}, {8, "\"01/01/2026 \""},
                        {8, "01/01/26 "},   {8, "\"aa/bb/cc \""},
                        {8, "0"},           {9, "32768"},
                        {9, "#TRUE#"},      {9, "\"-5\""}};
    for (const auto& [line, bad] : bads) {
        EXPECT_EQ(parseClassement(replaceLine(good, line, bad)), two) << line << ": " << bad;
    }
    // The trailing space of the date is kept.
    EXPECT_EQ(parseClassement(good).ClassementDate[1], "05/12/06 ");
}

TEST(DataFiles, CommenceReadsItsLinesInOrder) {
    const std::string good = formatCommence(someCommence());
    // Line 3: empty or 0 is no character; line 2 is read and ignored.
    EXPECT_EQ(parseCommence(replaceLine(good, 3, "0")), someCommence());
    EXPECT_EQ(parseCommence(replaceLine(good, 2, "-12")), someCommence());
    EXPECT_EQ(parseCommence(replaceLine(good, 3, "24")).PersonnageDépart, 24);

    Commence firstThree;
    firstThree.SansAnimation = true;
    firstThree.ModeTirage = 2;
    for (const char* bad : {"#true#", "TRUE", "-1", "0", "", "\"#FALSE#\""}) {
        EXPECT_EQ(parseCommence(replaceLine(good, 5, bad)), firstThree) << bad;
    }
    Commence onlyFirst;
    onlyFirst.SansAnimation = true;
    EXPECT_EQ(parseCommence(replaceLine(good, 4, "3")), onlyFirst);
    EXPECT_EQ(parseCommence(replaceLine(good, 3, "25")), onlyFirst);
    EXPECT_EQ(parseCommence(replaceLine(good, 2, "#FALSE#")), onlyFirst);
    EXPECT_EQ(parseCommence(replaceLine(good, 8, "4")).JeuDeDés, 1);
    EXPECT_EQ(parseCommence(replaceLine(good, 8, "0")).JeuDeDés, 0);
    EXPECT_EQ(parseCommence(replaceLine(good, 1, "")), Commence{});
}

// Whatever the bytes, reading gives a store the game can hold, and that store
// writes and reads back to itself.
TEST(DataFiles, AnyBytesReadWithoutHarm) {
    std::mt19937 gen(7);
    const std::string samples[] = {formatJoueurs(someJoueurs()), formatAbandons(someAbandons()),
                                   formatInfos(someInfos()), formatClassement(someClassement()),
                                   formatCommence(someCommence())};
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        if (round % 2 == 0) {
            // Noise, rich in line ends, quotes, signs and digits.
            const std::string alphabet = "\r\n\"#-0123456789/ TRUEFALS\x81\xFF";
            const int length = std::uniform_int_distribution<int>(0, 300)(gen);
            for (int i = 0; i < length; ++i) {
                const bool anyByte = std::uniform_int_distribution<int>(0, 3)(gen) == 0;
                const int any = std::uniform_int_distribution<int>(0, 255)(gen);
                const std::size_t pick =
                    std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(gen);
                bytes += anyByte ? static_cast<char>(any) : alphabet[pick];
            }
        } else {
            // A good file with a few bytes changed.
            bytes = samples[round % 5];
            for (int k = 0; k < 3; ++k) {
                const std::size_t at = std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(gen);
                bytes[at] = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(gen));
            }
        }
        forEachKind([&bytes](const auto&, auto parse, auto format) {
            const auto once = parse(bytes);
            EXPECT_EQ(parse(format(once)), once);
        });
    }
}

// ---- counters ---------------------------------------------------------------------------

TEST(Counters, GameCountersStopAt32767) {
    EXPECT_EQ(plusUn(0), 1);
    EXPECT_EQ(plusUn(32766), 32767);
    EXPECT_EQ(plusUn(32767), 32767);
    EXPECT_EQ(plusUnLong(0), 1);
    EXPECT_EQ(plusUnLong(2147483646), 2147483647);
    EXPECT_EQ(plusUnLong(2147483647), 2147483647);
}

TEST(Counters, RankedCharactersOfBothWays) {
    Classement un, deux;
    un.ClassementPersonnage[1] = 5;
    un.ClassementPersonnage[10] = 7;
    deux.ClassementPersonnage[1] = 9;
    deux.ClassementPersonnage[10] = 24;
    const auto classés = personnagesClassés(un, deux);
    EXPECT_EQ(classés[0], 0);
    EXPECT_EQ(classés[1], 5);
    EXPECT_EQ(classés[10], 7);
    EXPECT_EQ(classés[11], 9);
    EXPECT_EQ(classés[20], 24);
}

// ---- Windows-1252 -----------------------------------------------------------------------

TEST(Windows1252, AccentedCapitals) {
    const std::string utf8 = "ÀÂÄÇÈÉÊËÎÏÔÖÙÛÜŸŒ";
    const std::string bytes = "\xC0\xC2\xC4\xC7\xC8\xC9\xCA\xCB\xCE\xCF\xD4\xD6\xD9\xDB\xDC\x9F\x8C";
    EXPECT_EQ(utf8ToWindows1252(utf8), bytes);
    EXPECT_EQ(windows1252ToUtf8(bytes), utf8);
    EXPECT_EQ(utf8ToWindows1252("€ é ß ÿ"), "\x80 \xE9 \xDF \xFF");
}

TEST(Windows1252, EveryByteRoundTrips) {
    std::string all;
    std::set<std::string> characters;
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const std::string utf8 = windows1252ToUtf8(one);
        EXPECT_EQ(utf8ToWindows1252(utf8), one) << b;
        characters.insert(utf8);
        all += one;
    }
    EXPECT_EQ(characters.size(), 256u);
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
}

TEST(Windows1252, TheFiveUndefinedBytesAreControlCharacters) {
    EXPECT_EQ(windows1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    // The other C1 controls have a printable byte of their own in the page.
    EXPECT_EQ(utf8ToWindows1252("\u0080\u009F"), "??");
    EXPECT_EQ(windows1252ToUtf8("\x80\x9F"), "€Ÿ");
}

TEST(Windows1252, WhatThePageLacksBecomesQuestionMarks) {
    EXPECT_EQ(utf8ToWindows1252("ŁĘ😀中"), "????");
    // Malformed UTF-8: a byte at a time.
    EXPECT_EQ(utf8ToWindows1252("A\xC3"), "A?");
    EXPECT_EQ(utf8ToWindows1252("\xC0\xAF"), "??");            // overlong "/"
    EXPECT_EQ(utf8ToWindows1252("\xED\xA0\x80"), "???");       // a surrogate
    EXPECT_EQ(utf8ToWindows1252("\xF4\x90\x80\x80"), "????");  // past U+10FFFF
    EXPECT_EQ(utf8ToWindows1252("\xFF\xFE"), "??");
    EXPECT_EQ(utf8ToWindows1252(std::string_view("A\0B", 3)), std::string("A\0B", 3));
}

}  // namespace
}  // namespace dravonelle
