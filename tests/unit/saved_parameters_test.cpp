// The Paramètres button: the exact bytes of "Commence", what the next
// start-up makes of them, and the confirmation in the bubble.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "folder_fixture.h"

namespace dravonelle {
namespace {

void clickParamètres(JeuYam& j) { j.handle(Event::click("Paramètres")); }

TEST(Paramètres, WritesTheNineValuesOfTheMoment) {
    struct Case {
        const char* what;
        std::function<void(JeuYam&)> setUp;
        const char* bytes;
    };
    const Case cases[] = {
        {"a fresh window: no character, no way of playing", [](JeuYam&) {},
         "#FALSE#\r\n0\r\n\r\n0\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n1\r\n#FALSE#\r\n"},
        {"everything on",
         [](JeuYam& j) {
             j.SansAnimation = j.SansBulles = j.SansSons = j.Verrouillé = true;
             j.PersonnageCourant = 24;
             j.ModeTirage = 2;
             j.JeuDeDés = 3;
             j.AfficheScore();
         },
         "#TRUE#\r\n0\r\n24\r\n2\r\n#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n3\r\n#TRUE#\r\n"},
        // The character playing now, not the one the window started with.
        {"the current character",
         [](JeuYam& j) {
             j.PersonnageDépart = 5;
             j.PersonnageCourant = 7;
             j.ModeTirage = 1;
         },
         "#FALSE#\r\n0\r\n7\r\n1\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n1\r\n#FALSE#\r\n"},
        // The panel as it is shown, not as the start-up found it.
        {"the panel hidden again",
         [](JeuYam& j) {
             j.PanneauAffiché = true;
             j.ModeTirage = 1;
             j.AfficheScore();
             j.AfficheScore();
         },
         "#FALSE#\r\n0\r\n\r\n1\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n1\r\n#FALSE#\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FolderFixture f;
        c.setUp(f.jeu);
        clickParamètres(f.jeu);
        EXPECT_EQ(f.bytes("Commence"), c.bytes);
    }
}

TEST(Paramètres, TheNextStartUpBeginsTheSameWay) {
    FolderFixture before;
    before.jeu.handle(Event::click("Coup2"));
    before.jeu.handle(Event::click("Personnages", 6));
    before.jeu.AfficheScore();
    before.jeu.JeuDeDés = 2;
    before.jeu.SansSons = true;
    clickParamètres(before.jeu);

    FolderFixture after(before.folder);
    after.jeu.Form_Load();
    EXPECT_EQ(after.jeu.PersonnageCourant, 6);
    EXPECT_EQ(after.jeu.ModeTirage, 2);
    EXPECT_EQ(after.jeu.JeuDeDés, 2);
    EXPECT_TRUE(after.jeu.SansSons);
    EXPECT_FALSE(after.jeu.SansBulles);
    EXPECT_TRUE(after.jeu.Premier.visible());
    EXPECT_EQ(after.jeu.Nom.caption(), after.jeu.NomsPersonnages[6]);
    EXPECT_EQ(after.jeu.Personnages(0).picture(), "Personnages(6)");
}

// The confirmation with the bubble on, and a second save, are played
// through in params_save.
TEST(Paramètres, TheConfirmationIsShownWithTheBubbleOff) {
    FolderFixture f;
    f.jeu.SansBulles = true;
    f.jeu.handle(Event::move("Paramètres"));
    EXPECT_EQ(f.jeu.MessageBulle, "");
    clickParamètres(f.jeu);
    EXPECT_EQ(f.jeu.Infos.caption(), " Paramètres sauvegardés ");
    EXPECT_EQ(f.jeu.Infos.left(), 210);
}

}  // namespace
}  // namespace dravonelle
