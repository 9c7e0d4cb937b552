// The characters: the name dialog answer by answer, the lock, the counters a
// choice shows, the names that stay, and every zone that puts the menu away.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "folder_fixture.h"
#include "records/character_name.h"
#include "records/data_files.h"
#include "window_fixture.h"

namespace dravonelle {
namespace {

constexpr const char* kLongueur = " Veuillez entrer de 3 à 10 lettres S.V.P. ";
constexpr const char* kGuillemet = " Veuillez entrer un nom sans guillemets S.V.P. ";

// ---- the name rule ---------------------------------------------------------

TEST(NomDePersonnage, LengthInCharactersThenNoDoubleQuote) {
    struct Case {
        const char* nom;
        RefusNom refus;
    };
    const Case cases[] = {
        {"", RefusNom::Longueur},
        {"ab", RefusNom::Longueur},
        {"abc", RefusNom::Aucun},
        {"abcdefghij", RefusNom::Aucun},
        {"abcdefghijk", RefusNom::Longueur},
        // Blanks and digits count, nothing is trimmed.
        {"   ", RefusNom::Aucun},
        {" a ", RefusNom::Aucun},
        {"1234567890", RefusNom::Aucun},
        {"12345678901", RefusNom::Longueur},
        // An accented letter is one character, two bytes.
        {"éé", RefusNom::Longueur},
        {"ééé", RefusNom::Aucun},
        {"éééééééééé", RefusNom::Aucun},
        {"ééééééééééé", RefusNom::Longueur},
        {"a\"b", RefusNom::Guillemet},
        {"\"abc\"", RefusNom::Guillemet},
        {"\"", RefusNom::Longueur},
        {"abcdefghij\"", RefusNom::Longueur},
    };
    for (const Case& c : cases) EXPECT_EQ(refusNom(c.nom), c.refus) << '[' << c.nom << ']';
}

TEST(NomDePersonnage, CapitalsOfTheCodePage) {
    struct Case {
        const char* nom;
        const char* capitales;
    };
    const Case cases[] = {
        {"abc", "ABC"},
        {"Zoé", "ZOÉ"},
        {"àâäçèéêëîïôöùûüÿæœ", "ÀÂÄÇÈÉÊËÎÏÔÖÙÛÜŸÆŒ"},
        {"šžðøþ", "ŠŽÐØÞ"},
        // No capital in the code page, or no letter at all.
        {"ß÷µ", "ß÷µ"},
        {"l'île 2-3", "L'ÎLE 2-3"},
        {"ÀÉ", "ÀÉ"},
        {"ǆ€", "ǆ€"},
        // Broken UTF-8 passes as it came.
        {"a\xC3", "A\xC3"},
        {"\xC1\x81z", "\xC1\x81Z"},
    };
    for (const Case& c : cases) EXPECT_EQ(enCapitales(c.nom), c.capitales) << c.nom;
}

// ---- the name dialog -----------------------------------------------------

// A dialog that notes what the player sees each time it opens: the answer
// it offers and the bubble beside it.
struct NameDialog : Dialogs {
    const JeuYam* jeu = nullptr;
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> offered, bubble, titles;

    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> askText(const std::string& title, const std::string& answer) override {
        titles.push_back(title);
        offered.push_back(answer);
        bubble.push_back(jeu->Infos.caption());
        if (answers.empty()) throw NoAnswer();
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

// Character 3 chosen in "1 tirage", the menu open on the name button, in a
// folder of its own.
struct Renaming {
    ScratchFolder folder;
    std::ostringstream out;
    ScriptedPlatform scripted{out, folder.path};
    NameDialog dialog;
    Platform platform{scripted, scripted, scripted, dialog,   scripted,
                      scripted, scripted, scripted, scripted, scripted};
    ControlModel model;
    JeuYam jeu{model, platform};

    Renaming() {
        dialog.jeu = &jeu;
        jeu.handle(Event::click("Coup1"));
        jeu.handle(Event::move("Personnages", 3));
        jeu.handle(Event::click("Personnages", 3));
        jeu.handle(Event::move("Personnages", 0));
        jeu.handle(Event::move("CliqueNom"));
    }
    void rename(std::vector<std::optional<std::string>> answers) {
        dialog.answers.assign(answers.begin(), answers.end());
        jeu.handle(Event::click("CliqueNom"));
    }
};

TEST(Renommer, TheDialogComesBackWithTheAnswerAndTheReason) {
    struct Case {
        std::vector<std::optional<std::string>> answers;
        std::vector<std::string> offered;  // after the first, which offers "CAMILLE"
        std::vector<std::string> reasons;  // beside each dialog after the first
        std::string kept;
    };
    const std::optional<std::string> cancel;
    // characters_rename plays the answers through; here the reason beside
    // each dialog.
    const Case cases[] = {
        {{"ab", "abc"}, {"ab"}, {kLongueur}, "ABC"},
        {{cancel, "", "Léa"}, {"", ""}, {kLongueur, kLongueur}, "LÉA"},
        {{"a\"", "\"ab\"", "x y"}, {"a\"", "\"ab\""}, {kLongueur, kGuillemet}, "X Y"},
        {{"  a"}, {}, {}, "  A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kept);
        Renaming r;
        r.rename(c.answers);
        ASSERT_EQ(r.dialog.offered.size(), c.answers.size());
        EXPECT_EQ(r.dialog.offered.front(), "CAMILLE");
        EXPECT_EQ(std::vector<std::string>(r.dialog.offered.begin() + 1, r.dialog.offered.end()), c.offered);
        EXPECT_EQ(std::vector<std::string>(r.dialog.bubble.begin() + 1, r.dialog.bubble.end()), c.reasons);
        for (const std::string& title : r.dialog.titles) EXPECT_EQ(title, "ENTREZ VOTRE NOM");
        EXPECT_EQ(r.jeu.NomsPersonnages[3], c.kept);
        EXPECT_EQ(r.jeu.Nom.caption(), c.kept);
        // The reason goes once a name is kept; the label keeps it in sight.
        EXPECT_EQ(r.jeu.MessageBulle, "");
        EXPECT_EQ(r.jeu.MessagePrécédent, "");
    }
}

TEST(Renommer, TheNameFileHoldsTheCapitalsInItsCodePage) {
    Renaming r;
    r.rename({"Zoé"});
    const std::string bytes = readWhole(r.folder.path, "Joueurs").value_or("");
    const std::string start = "\"AMELIE\"\r\n\"BASTIEN\"\r\n\"ZO\xC9\"\r\n\"DAMIEN\"\r\n";
    EXPECT_EQ(bytes.substr(0, start.size()), start);
    EXPECT_EQ(parseJoueurs(bytes).NomsPersonnages[3], "ZOÉ");
}

// The names that stay: the click asks nothing and changes nothing, and the
// hover told why beforehand.
TEST(Renommer, NamesThatStay) {
    struct Case {
        const char* what;
        int personnage;
        std::function<void(JeuYam&)> setUp;
        const char* texte;
    };
    const auto rankedIn = [](int slot) {
        return [slot](JeuYam& j) { j.PersonnagesClassés[static_cast<std::size_t>(slot)] = 9; };
    };
    const auto rankingsFull = [](JeuYam& j) {
        for (std::size_t k = 1; k <= 20; ++k) j.PersonnagesClassés[k] = 20 + static_cast<int>(k % 4);
    };
    const Case cases[] = {
        {"character 1", 1, [](JeuYam&) {}, " On ne touche pas "},
        {"character 2, even ranked", 2, [](JeuYam& j) { j.PersonnagesClassés[4] = 2; }, " On ne touche pas "},
        {"first of 1 tirage", 9, rankedIn(1), " Nom non modifiable (est dans le Ranking). "},
        {"tenth of 2 tirages", 9, rankedIn(20), " Nom non modifiable (est dans le Ranking). "},
        // Nobody to rename, even when no empty ranking record names 0.
        {"no character", 0, rankingsFull, " On ne touche pas "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WindowFixture f;
        f.jeu.handle(Event::click("Coup2"));
        f.jeu.PersonnagesClassés = {};
        c.setUp(f.jeu);
        f.jeu.PersonnageCourant = c.personnage;
        f.jeu.handle(Event::move("Personnages", 0));
        f.jeu.handle(Event::move("CliqueNom"));
        EXPECT_EQ(f.jeu.Infos.caption(), c.texte);
        const std::string before = f.out.str();
        f.jeu.handle(Event::click("CliqueNom"));  // a dialog would throw NoAnswer
        EXPECT_EQ(f.out.str().substr(before.size()), "sound Robot3\n");
        EXPECT_TRUE(f.jeu.CliqueNom.visible());
        EXPECT_EQ(f.jeu.MenuPersonnages.top(), 255);
    }
}

TEST(Renommer, AnyOtherCharacterMayBeRenamed) {
    WindowFixture f;
    f.jeu.handle(Event::click("Coup1"));
    for (std::size_t k = 1; k <= 20; ++k) f.jeu.PersonnagesClassés[k] = k % 2 == 0 ? 0 : 4;
    f.jeu.handle(Event::click("Personnages", 3));
    f.jeu.handle(Event::move("Personnages", 0));
    f.jeu.handle(Event::move("CliqueNom"));
    EXPECT_EQ(f.jeu.Infos.caption(), " Cliquez pour changer de nom ");
}

// ---- the lock --------------------------------------------------------------

TEST(Personnages, TheLockKeepsTheCharacterAndTheGame) {
    for (int i : {0, 5}) {
        SCOPED_TRACE(i);
        WindowFixture f;
        f.jeu.handle(Event::click("Coup1"));
        f.jeu.handle(Event::click("Personnages", 3));
        f.jeu.handle(Event::click("Ok"));
        f.jeu.Verrouillé = true;
        f.jeu.handle(Event::move("Personnages", i));
        EXPECT_EQ(
            f.jeu.Infos.caption(),
            " Personnage No 3 Sélectionné (Vérouillé). Pour déverrouiller cet outil, cliquez sur le feu "
            "rouge ");
        EXPECT_EQ(f.jeu.Infos.backcolor(), colors::activeZone);
        EXPECT_EQ(f.jeu.MenuPersonnages.top(), 12000);
        EXPECT_FALSE(f.jeu.CliqueNom.visible());

        const std::string before = f.out.str();
        f.jeu.handle(Event::click("Personnages", i));
        EXPECT_EQ(f.out.str().substr(before.size()), "sound Bonus\n");
        EXPECT_EQ(f.jeu.PersonnageCourant, 3);
        EXPECT_TRUE(f.jeu.PartieEnCours);
        EXPECT_EQ(f.jeu.TotalAbandons, 0);
        EXPECT_EQ(f.jeu.Personnages(0).picture(), "Personnages(3)");
        EXPECT_TRUE(f.jeu.Ok.hasFocus());
    }
}

// ---- what a choice shows ---------------------------------------------------

// The finished games shown are those of the portrait last under the pointer.
TEST(Personnages, TheFinishedGamesOfTheCharacterLastHovered) {
    WindowFixture f;
    f.jeu.handle(Event::click("Coup1"));
    f.jeu.TerminéesPar[5] = 12;
    f.jeu.TerminéesPar[6] = 1;
    f.jeu.AbandonsPar[5] = 3;
    f.jeu.handle(Event::move("Personnages", 5));
    f.jeu.handle(Event::click("Personnages", 5));
    EXPECT_TRUE(f.jeu.PartiesIndividuellesJouées.visible());
    EXPECT_EQ(f.jeu.PartiesIndividuellesJouées.caption(), " 12 PARTIES");
    EXPECT_EQ(f.jeu.IndividuelAbandon.caption(), " 3 ABANDONS");

    f.jeu.handle(Event::move("Personnages", 6));
    f.jeu.handle(Event::click("Personnages", 6));
    EXPECT_EQ(f.jeu.PartiesIndividuellesJouées.caption(), "1 PARTIE JOUEE");
    EXPECT_EQ(f.jeu.IndividuelAbandon.caption(), "AUCUN ABANDON");
}

// Before a way of playing is chosen nothing is loaded, nothing is lost and
// nothing is written; only who plays changes.
TEST(Personnages, ChosenBeforeAWayOfPlaying) {
    FolderFixture f;
    f.jeu.handle(Event::move("Personnages", 8));
    f.jeu.handle(Event::click("Personnages", 8));
    EXPECT_EQ(f.jeu.PersonnageCourant, 8);
    EXPECT_EQ(f.jeu.Nom.caption(), "HUGO");
    EXPECT_FALSE(f.jeu.PartiesIndividuellesJouées.visible());
    EXPECT_FALSE(f.jeu.IndividuelAbandon.visible());
    // Only the names, read for the menu, were missing.
    EXPECT_EQ(f.out.str(), "write Joueurs\nsound Slurp\n");

    // The button itself does not change who plays.
    f.jeu.handle(Event::click("Personnages", 0));
    EXPECT_EQ(f.jeu.PersonnageCourant, 8);
    EXPECT_EQ(f.jeu.Nom.caption(), "HUGO");
}

// ---- putting the menu away -------------------------------------------------

TEST(MenuPersonnages, EveryZoneThatPutsItAway) {
    struct Zone {
        const char* name;
        int index;
    };
    const Zone zones[] = {{"JeuYam", -1},  {"Ok", -1},       {"Coup1", -1},     {"Coup2", -1},
                          {"ChoixDés", 2}, {"Choixdés2", 4}, {"Paramètres", -1}};
    for (bool sansBulles : {false, true}) {
        for (const Zone& z : zones) {
            SCOPED_TRACE(std::string(z.name) + (sansBulles ? ", bubble off" : ""));
            WindowFixture f;
            f.jeu.handle(Event::move("Personnages", 0));
            ASSERT_EQ(f.jeu.MenuPersonnages.top(), 255);
            ASSERT_EQ(f.jeu.Premier.top(), 13210);
            ASSERT_TRUE(f.jeu.CliqueNom.visible());
            f.jeu.SansBulles = sansBulles;
            f.jeu.handle(Event::move(z.name, z.index));
            EXPECT_EQ(f.jeu.MenuPersonnages.top(), 12000);
            EXPECT_EQ(f.jeu.Premier.top(), 3210);
            EXPECT_FALSE(f.jeu.CliqueNom.visible());
        }
    }
}

}  // namespace
}  // namespace dravonelle
