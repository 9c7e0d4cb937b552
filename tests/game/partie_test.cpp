// Whole games played through Partie alone, with no window, then played again
// by the script driver through the window: the same dice and the same clicks
// must leave the same grand total after every click on the sheet, and the
// same sheet, totals and counters at the end.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "game/partie.h"

namespace dravonelle {
namespace {

// Seeded dice; the faces of each throw are kept for the driver's queue.
struct Dés : ÉcouteurPartie {
    explicit Dés(unsigned seed) : hasard(seed) {}
    int lanceDé(int) override { return tirés.emplace_back(static_cast<int>(hasard() % 6) + 1); }
    std::mt19937 hasard;
    std::vector<int> tirés;
};

std::string texte(int v) { return v == Partie::kVide ? "   " : v == Partie::kCroix ? "XXX" : std::to_string(v); }

// Random but legal moves, chosen from what the game shows, played on the
// Partie and written as the driver's lines; `attendu` gets what the driver
// must answer to the queries, in order.
std::string joue(unsigned seed, int mode, std::vector<std::string>& attendu, int& clics) {
    Dés dés(seed);
    Partie p(dés);
    p.ModeTirage = mode;
    std::mt19937 choix(seed * 7919u + 1u);
    auto chance = [&choix](unsigned pourCent) { return choix() % 100 < pourCent; };
    std::ostringstream s;
    s << "start\nclick Coup" << mode << "\nmove Personnages 0\nclick Personnages 3\n";
    auto demande = [&s, &attendu](const std::string& quoi, int i, int v) {
        s << "print " << quoi << ' ' << i << " caption\n";
        attendu.push_back(quoi + "(" + std::to_string(i) + ").caption = \"" + texte(v) + "\"");
    };
    int survolée = -1;  // the driver's click moves the pointer over a cell first
    auto clicCase = [&](int k) {
        if (survolée != k) p.SurvolCase(k);
        survolée = k;
        p.ClicCase(k);
        ++clics;
        s << "click Cases " << k << "\n";
        demande("Totaux", 15, p.Totaux[15]);
    };
    for (int coups = 0; p.OkActif && coups < 4000; ++coups) {
        dés.tirés.clear();
        p.Ok();
        survolée = -1;
        if (!dés.tirés.empty()) s << "dice";
        for (int f : dés.tirés) s << ' ' << f;
        s << (dés.tirés.empty() ? "" : "\n") << "click Ok\n";
        for (int i = 0; i < 5 && (p.NuméroJet == 1 || p.NuméroJet == 2); ++i) {
            if (!chance(30)) continue;
            p.GardeOuRend(i);
            s << "click ChoixDés " << i << "\n";
        }
        if (p.RetourOffert && chance(8)) {
            p.Retour();
            s << "click Retour\n";
        }
        if (p.ZéroOffert && chance(50)) {
            p.Zéro();
            s << "click Zéro\n";
        }
        if (p.NuméroJet == 0 && p.CaseTirage2 != -1 && !p.TourJoué && chance(50)) {
            clicCase(chance(50) ? p.CaseTirage1 : p.CaseTirage2);
        } else if (p.OkActif && chance(p.NuméroJet == 3 ? 90 : 35)) {
            std::vector<int> ouvertes;
            for (int k = 0; k < sheet::kCellCount; ++k) {
                const auto i = Partie::at(k);
                if (p.CaseMontrée[i] && (!p.CaseFermée[i] || k > sheet::kLastSheetCell)) ouvertes.push_back(k);
            }
            if (!ouvertes.empty()) clicCase(ouvertes[choix() % ouvertes.size()]);
        }
    }
    EXPECT_FALSE(p.OkActif) << "seed " << seed << ": the game did not end";
    for (int k = 0; k <= sheet::kLastSheetCell; ++k) demande("Cases", k, p.Feuille[Partie::at(k)]);
    for (int t = 0; t < 16; ++t) demande("Totaux", t, p.Totaux[Partie::at(t)]);
    for (int r = 0; r < 12; ++r) demande("Stats2", r, p.CompteursPartie[Partie::at(r)]);
    return s.str();
}

// The driver's answers to the queries, in order: the lines it prints by
// itself (sounds, writes) are left out.
std::vector<std::string> joueAuDriver(const std::string& script, unsigned seed) {
    const auto dossier = std::filesystem::temp_directory_path() / ("partie-test-" + std::to_string(seed));
    std::filesystem::remove_all(dossier);
    std::filesystem::create_directories(dossier);
    std::ofstream(dossier / "script") << script;
    const std::string d = "'" + dossier.string() + "'";
    const std::string commande = std::string("'") + DRAVONELLE_SCRIPT_DRIVER + "' " + d + " < " + d +
                                 "/script > " + d + "/sortie 2>&1";
    EXPECT_EQ(std::system(commande.c_str()), 0) << "seed " << seed;
    std::ifstream in(dossier / "sortie");
    std::vector<std::string> lignes;
    for (std::string l; std::getline(in, l);) {
        if (l.find(".caption = ") != std::string::npos) lignes.push_back(l);
    }
    std::filesystem::remove_all(dossier);
    return lignes;
}

// An empty cell and a cross read 0 in the sums; a total, however far below
// zero a sheet takes it (random play reached -1001), reads as itself.
TEST(Partie, TotalsFarBelowZeroAreNotTakenForMarks) {
    for (int total : {-1000, -1001, -9999}) EXPECT_EQ(Partie::valeur(total), total);
    EXPECT_EQ(Partie::valeur(Partie::kVide), 0);
    EXPECT_EQ(Partie::valeur(Partie::kCroix), 0);
}

TEST(Partie, WholeGamesMatchTheWindowsGames) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        const int mode = seed % 2 == 0 ? 2 : 1;
        std::vector<std::string> attendu;
        int clics = 0;
        const std::string script = joue(seed, mode, attendu, clics);
        EXPECT_GE(clics, 65) << "seed " << seed;
        const std::vector<std::string> driver = joueAuDriver(script, seed);
        ASSERT_EQ(driver.size(), attendu.size()) << "seed " << seed;
        for (std::size_t i = 0; i < driver.size(); ++i) {
            ASSERT_EQ(driver[i], attendu[i]) << "seed " << seed << ", mode " << mode << ", query " << i;
        }
    }
}

}  // namespace
}  // namespace dravonelle
