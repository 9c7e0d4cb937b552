#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "window/controls/control_model.h"
#include "platform/scripted_platform.h"
#include "window_fixture.h"

namespace dravonelle {
namespace {

// The comment sound of a written cell: the value written, the row, the
// figure of the dice and the turn decide; no rule keeps the last one.
TEST(QuelBruit, ChoosesTheCommentOfAWrittenCell) {
    struct Case {
        int cell;
        const char* text;
        const char* figure;
        int turn;
        const char* sound;
    };
    const Case cases[] = {
        {0, "3", "", 5, "Ah"},           {0, "4", "CARRE = 44", 5, "Ouhouh"}, {0, "5", "YAM = 65", 5, "Alleluia"},
        {16, "4", "", 5, "(kept)"},      {1, "-6", "", 5, "Casse"},           {18, "-6", "", 5, "Cri"},
        {35, "-4", "", 5, "Aouh"},       {52, "0", "", 5, "Ah"},               {34, "3", "CARRE = 52", 5, "Ouhouh"},
        {5, "12", "YAM = 90", 5, "Alleluia"}, {69, "6", "FULL = 44", 5, "(kept)"}, {8, "XXX", "", 5, "Feu"},
        {25, "36", "FULL = 36", 5, "Alerte"}, {43, "24", "", 5, "Avale"},      {13, "XXX", "", 5, "Feu"},
        {14, "XXX", "", 40, "Feu"},      {30, "XXX", "FULL = 38", 65, "Ah"},   {46, "XXX", "SUITE = 50", 65, "Ah"},
        {62, "22", "", 65, "Avale"},     {78, "85", "YAM = 85", 40, "Alleluia"}, {62, "160", "YAM = 80", 65, "Alleluia"},
    };
    for (const Case& c : cases) {
        WindowFixture w;
        w.jeu.NomBruit = "(kept)";
        w.write(c.cell, c.text);
        w.jeu.TotalFigure.setCaption(c.figure);
        w.jeu.DernièreCase = c.cell;
        w.jeu.NuméroTirage = c.turn;
        w.jeu.QuelBruit();
        EXPECT_EQ(w.jeu.NomBruit, c.sound) << c.cell << " " << c.text << " " << c.figure;
    }
}

// The window waits for every effect to end before the next one; only
// Moteur, Flute and Retour may play under what follows. The driver does not
// print that flag, so a player that records it stands in for the sound.
TEST(Jouebruit, PlaysEveryEffectToItsEndButTheFewAsynchronousOnes) {
    struct Recorder : SoundPlayer {
        std::vector<std::pair<std::string, bool>> played;
        void play(const std::string& name, bool blocking) override { played.emplace_back(name, blocking); }
    } recorder;
    std::ostringstream out;
    ScriptedPlatform scripted{out, "/nonexistent"};
    Platform platform{scripted, scripted, recorder, scripted, scripted, scripted, scripted, scripted, scripted, scripted};
    ControlModel model;
    JeuYam jeu{model, platform};
    for (const char* name : {"Quick", "Clic", "Beepbeep", "Canard", "Moteur", "Flute", "Retour"}) jeu.Bruit(name);
    jeu.SansSons = true;
    jeu.Bruit("Eau");
    const std::vector<std::pair<std::string, bool>> expected{{"Quick", true},  {"Clic", true},    {"Beepbeep", true},
                                                             {"Canard", true}, {"Moteur", false}, {"Flute", false},
                                                             {"Retour", false}};
    EXPECT_EQ(recorder.played, expected);
    EXPECT_EQ(jeu.NomBruit, "Eau");  // named even when nothing is heard
}

}  // namespace
}  // namespace dravonelle
