// The bubble over the statistics table: the counters' texts, the odds rows,
// and the headings and column titles that empty the bubble.
#include "records/statistics_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "window_fixture.h"

namespace dravonelle {
namespace {

TEST(TexteStatPartie, TheRowsWordsThenTheWayOfPlaying) {
    EXPECT_EQ(texteStatPartie(0, 1), " Nombre de 1 sorti(s) depuis le début de la partie en mode 1 tirage ");
    EXPECT_EQ(texteStatPartie(5, 2), " Nombre de 6 sorti(s) depuis le début de la partie en mode 2 tirages ");
    const char* const words[] = {" Croix inscrite(s) ", " Full(s) sorti(s) ",         " Carré(s) sorti(s) ",
                                 " Yam(s) sorti(s) ",   " Carré(s) Sec(s) sorti(s) ", " Yam(s) Sec(s) "};
    for (int r = 6; r <= 11; ++r) {
        EXPECT_EQ(texteStatPartie(r, 1), std::string(" Nombre de") + words[r - 6] +
                                             "depuis le début de la partie en mode 1 tirage ");
    }
    EXPECT_EQ(texteStatPartie(12, 1), "");
    EXPECT_EQ(texteStatPartie(-1, 1), "");
}

TEST(TexteStatCréation, TheRowsWordsTheGameCountersAndTheWayOfPlaying) {
    // The game's own example.
    EXPECT_EQ(texteStatCréation(0, 1, 12, 3),
              " Nombre de 1 sortis en 12 parties jouées et 3 parties abandonnées en mode 1 tirage ");
    EXPECT_EQ(texteStatCréation(3, 2, 0, 0),
              " Nombre de 4 sortis en 0 parties jouées et 0 parties abandonnées en mode 2 tirages ");
    const char* const words[] = {" Croix inscrites ", " Fulls sortis ",       " Carrés sortis ",
                                 " Yams sortis ",     " Carrés Secs sortis ", " Yams Secs "};
    for (int r = 6; r <= 11; ++r) {
        EXPECT_EQ(texteStatCréation(r, 2, 1, 32767),
                  std::string(" Nombre de") + words[r - 6] +
                      "en 1 parties jouées et 32767 parties abandonnées en mode 2 tirages ");
    }
    EXPECT_EQ(texteStatCréation(16, 1, 0, 0), "");
}

struct Hover : WindowFixture {
    Hover() {
        showInformationPanel();
        model.takeChanges();
    }
    void move(const std::string& name, int index) { jeu.handle(Event::move(name, index)); }
    const std::string& shown() { return jeu.Infos.caption(); }
    bool redrawn() {
        const std::vector<int> changed = model.takeChanges();
        return std::find(changed.begin(), changed.end(), jeu.Infos.id()) != changed.end();
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
    h.move("Stats2", 12);
    EXPECT_EQ(h.shown(), " Chance de réaliser une Suite au prochain jet exprimée en Pourcentage ");
    h.move("Stats3", 15);
    EXPECT_EQ(h.shown(), " Chance de réaliser un Yam au prochain jet exprimée en Fraction ");
    EXPECT_EQ(h.jeu.Infos.backcolor(), colors::passiveZone);
}

TEST(StatisticsHover, TheSameTextIsNotDrawnTwice) {
    Hover h;
    h.move("Stats3", 14);
    EXPECT_TRUE(h.redrawn());
    h.move("Stats3", 14);
    EXPECT_FALSE(h.redrawn());
    h.move("Stats2", 14);
    EXPECT_TRUE(h.redrawn());
}

TEST(StatisticsHover, ColumnTitlesEmptyTheBubbleOnlyWhenItIsOn) {
    for (const char* column : {"Stats2", "Stats3"}) {
        Hover h;
        h.move("Stats2", 13);
        h.move(column, 16);
        EXPECT_EQ(h.shown(), "");
        EXPECT_EQ(h.jeu.Infos.left(), -300);
        EXPECT_EQ(h.jeu.MessagePrécédent, "");

        Hover off;
        off.move("Stats2", 13);
        off.jeu.SansBulles = true;
        off.move(column, 16);
        off.move(column, 3);
        EXPECT_EQ(off.shown(), " Chance de réaliser un Full au prochain jet exprimée en Pourcentage ");
    }
}

TEST(StatisticsHover, RowHeadingsEmptyTheBubbleWhateverSansBulles) {
    for (bool sansBulles : {false, true}) {
        Hover h;
        h.move("Stats3", 12);
        h.jeu.SansBulles = sansBulles;
        h.move("Stats", 4);
        EXPECT_EQ(h.shown(), "");
        EXPECT_EQ(h.jeu.Infos.left(), -300);
        EXPECT_EQ(h.jeu.MessagePrécédent, "");
    }
}

}  // namespace
}  // namespace dravonelle
