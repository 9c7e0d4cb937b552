#include <gtest/gtest.h>

#include <vector>

#include "folder_fixture.h"
#include "platform/display_mode.h"

namespace dravonelle {
namespace {

// Which values are given decides what changes: the record as last read is
// 800 × 600 × 16 at 75 Hz, and the module last set 1024 × 768 × 32 at 60 Hz.
TEST(ChangeModeEcran, TheValuesGivenChooseTheChange) {
    const DisplayMode record{800, 600, 16, 75};
    const DisplayMode courant{1024, 768, 32, 60};
    struct Case {
        int w, h, d, r;
        const char* genre;
        DisplayMode sent;
    };
    const Case cases[] = {
        {1280, 1024, 0, 0, "ChangeResol", {1280, 1024, 32, 60}},
        {0, 0, 24, 0, "ChangeColor", {1024, 768, 24, 60}},
        {0, 0, 0, 85, "ChangeFreq", {1024, 768, 32, 85}},
        {640, 480, 8, 70, "ChangeAll", {640, 480, 8, 70}},
        // A resolution needs both its width and its height; other mixes send
        // the record untouched.
        {1280, 0, 0, 0, "", record},
        {1280, 1024, 24, 0, "", record},
        {0, 0, 24, 85, "", record},
    };
    for (const Case& c : cases) {
        const ChangementMode plan = planChangeModeEcran(record, courant, c.w, c.h, c.d, c.r);
        EXPECT_TRUE(plan.appliqué);
        EXPECT_EQ(plan.genre, c.genre) << c.w << ' ' << c.h << ' ' << c.d << ' ' << c.r;
        EXPECT_EQ(plan.enregistrement, c.sent) << c.genre;
    }
    EXPECT_FALSE(planChangeModeEcran(record, courant, 0, 0, 0, 0).appliqué);
}

// A display that remembers what it was asked.
struct Screen : DisplayModes {
    DisplayMode mode{800, 600, 16, 75};
    std::vector<DisplayMode> asked;
    DisplayMode current() override { return mode; }
    bool change(const DisplayMode& m) override {
        asked.push_back(m);
        return true;
    }
};

// The module notes only what a change used, and the restore sets the mode
// read at the start whatever happened in between.
TEST(ModuleModeEcran, NotesWhatEachChangeUsedAndRestoresTheOrigin) {
    Screen screen;
    ModuleModeEcran module(screen);
    module.LitModeOrigine();
    module.ChangeModeEcran(1024, 768, 16, 75);
    EXPECT_TRUE(module.ModeCourant == (DisplayMode{1024, 768, 16, 75}));
    module.ChangeModeEcran(0, 0, 32, 0);
    EXPECT_TRUE(module.ModeCourant == (DisplayMode{1024, 768, 32, 75}));
    module.ChangeModeEcran(0, 0, 0, 0);  // nothing given: the platform is not asked
    module.RestaureModeEcran();
    ASSERT_EQ(screen.asked.size(), 3u);
    EXPECT_TRUE(screen.asked[1] == (DisplayMode{1024, 768, 32, 75}));
    EXPECT_TRUE(screen.asked[2] == (DisplayMode{800, 600, 16, 75}));
}

// A mode wider than 16 bits is held at the largest value the game keeps.
TEST(ModuleModeEcran, KeepsFourSixteenBitValues) {
    Screen screen;
    screen.mode = {70000, -70000, 32, 60};
    ModuleModeEcran module(screen);
    module.LitModeOrigine();
    EXPECT_TRUE(module.ModeOrigine == (DisplayMode{32767, -32768, 32, 60}));
}

// A signal ends the game as closing the window does: the game under way is
// counted as abandoned, the screen's first mode put back, the program ended.
TEST(FinParSignal, CountsTheAbandonAndRestoresTheMode) {
    FolderFixture f;
    f.scripted.setScreen({800, 600, 16, 75});
    f.jeu.Form_Load();
    f.jeu.handle(Event::click("OkOuiCmd"));
    f.jeu.handle(Event::click("Coup1"));
    f.jeu.handle(Event::click("Personnages", 0));
    f.jeu.handle(Event::click("Personnages", 3));
    f.jeu.handle(Event::click("Ok"));
    ASSERT_TRUE(f.jeu.PartieEnCours);
    f.out.str("");
    f.jeu.FinParSignal();
    EXPECT_TRUE(f.scripted.exited());
    EXPECT_EQ(f.out.str(), "write Abandon1\nwrite Info1\nmode 800 600 16 75\n");
}

// Before the player has answered the consent window nothing has changed:
// a signal then ends the program without setting any mode.
TEST(FinParSignal, DuringTheConsentNothingIsSetOrWritten) {
    FolderFixture f;
    f.scripted.setScreen({800, 600, 16, 75});
    f.jeu.Form_Load();
    ASSERT_TRUE(f.jeu.consentementAttendu());
    f.out.str("");
    f.jeu.FinParSignal();
    EXPECT_TRUE(f.scripted.exited());
    EXPECT_EQ(f.out.str(), "");
}

}  // namespace
}  // namespace dravonelle
