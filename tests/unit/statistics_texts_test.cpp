// The bubble over the statistics table: the counters' texts, the odds rows,
// and the headings and column titles that empty the bubble.
#include "window/statistics_texts.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <sstream>
#include <string>

#include "window_fixture.h"

namespace dravonelle {
namespace {

// The scenario odds_hover shows the ones and the Yams Secs of both columns
// as the game does; here the other rows and the counters.
TEST(StatisticsTexts, TheRowsWordsTheCountersAndTheWayOfPlaying) {
    EXPECT_EQ(texteStatPartie(5, 1), " Nombre de 6 sorti(s) depuis le début de la partie en mode 1 tirage ");
    EXPECT_EQ(texteStatPartie(6, 2),
              " Nombre de Croix inscrite(s) depuis le début de la partie en mode 2 tirages ");
    EXPECT_EQ(texteStatCréation(3, 1, 12, 3),
              " Nombre de 4 sortis en 12 parties jouées et 3 parties abandonnées en mode 1 tirage ");
    EXPECT_EQ(texteStatCréation(8, 2, 1, 32767),
              " Nombre de Carrés sortis en 1 parties jouées et 32767 parties abandonnées en mode 2 tirages ");
    EXPECT_EQ(texteStatPartie(-1, 1) + texteStatPartie(12, 1) + texteStatCréation(12, 1, 0, 0), "");
}

// What a row counts, between "Nombre de" and the rest of the sentence.
std::string counted(const std::string& text, const char* rest) {
    const std::size_t from = text.find(" Nombre de") + 10;
    return text.substr(from, text.find(rest, from) - from);
}

// Both columns name the same thing for each row, the per-game one with its
// plurals hedged, and rows 7 to 11 under the initials of their figure: a row
// out of place in either list shows.
TEST(StatisticsTexts, EveryRowNamesWhatItsHeadingCounts) {
    WindowFixture w;
    std::set<std::string> rows;
    for (int r = 0; r <= 11; ++r) {
        std::string hedged = counted(texteStatPartie(r, 1), "depuis");
        std::erase_if(hedged, [](char c) { return c == '(' || c == ')'; });
        const std::string plain = counted(texteStatCréation(r, 1, 0, 0), "en 0");
        EXPECT_EQ(hedged, plain) << r;
        rows.insert(plain);
        if (r < 7) continue;
        std::string initials;
        std::istringstream words(plain);
        for (std::string word; words >> word;) {
            if (std::isupper(static_cast<unsigned char>(word[0]))) initials += word[0];
        }
        EXPECT_EQ(initials, w.model.at("Stats", r).caption()) << plain;
    }
    EXPECT_EQ(rows.size(), 12u);
}

struct Hover : WindowFixture {
    Hover() {
        showInformationPanel();
        model.takeChanges();
    }
};

TEST(StatisticsHover, EachCellSaysWhatItShowsInTheWayOfPlaying) {
    Hover h;
    h.jeu.ModeTirage = 2;
    h.jeu.TotalTerminées = 12;
    h.jeu.TotalAbandons = 3;
    h.move("Stats2", 7);
    EXPECT_EQ(h.shown(), " Nombre de Full(s) sorti(s) depuis le début de la partie en mode 2 tirages ");
    EXPECT_EQ(h.jeu.Infos.backcolor(), colors::passiveZone);
    h.move("Stats3", 0);
    EXPECT_EQ(h.shown(),
              " Nombre de 1 sortis en 12 parties jouées et 3 parties abandonnées en mode 2 tirages ");
}

// With the bubble on, the column titles and the row headings empty it
// (odds_hover); with it off, only the headings do.
TEST(StatisticsHover, WithTheBubbleOffOnlyTheRowHeadingsEmptyIt) {
    for (const char* column : {"Stats2", "Stats3"}) {
        Hover off;
        off.move("Stats2", 13);
        off.jeu.SansBulles = true;
        off.move(column, 16);
        off.move(column, 3);
        EXPECT_EQ(off.shown(), " Chance de réaliser un Full au prochain jet exprimée en Pourcentage ");
        off.move("Stats", 4);
        EXPECT_EQ(off.shown(), "");
        EXPECT_EQ(off.jeu.Infos.left(), -300);
        EXPECT_EQ(off.jeu.MessagePrécédent, "");
    }
}

}  // namespace
}  // namespace dravonelle
