// Whole games played through Partie alone, with no window, then played again
// by the script driver through the window: the same dice and the same clicks
// must leave the same sheet, totals and counters, turn after turn.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "game/partie.h"

namespace dravonelle {
namespace {

// The dice come from a seeded generator; the faces of each throw are kept
// for the driver's queue.
class Dés : public ÉcouteurPartie {
public:
    explicit Dés(unsigned seed) : hasard_(seed) {}
    int lanceDé(int) override {
        const int face = static_cast<int>(hasard_() % 6) + 1;
        tirés.push_back(face);
        return face;
    }
    std::vector<int> tirés;

private:
    std::mt19937 hasard_;
};

std::string texte(int v) {
    if (v == Partie::kVide) return "   ";
    if (v == Partie::kCroix) return "XXX";
    return std::to_string(v);
}

// A player of random but legal moves, chosen from what the game shows; each
// move is played on the Partie and written as the driver's lines.
struct Partie_jouée {
    std::string script;
    std::vector<std::string> attendu;  // what the driver must print, in order
    int clics = 0;                     // clicks on the sheet
};

Partie_jouée joue(unsigned seed, int mode) {
    Dés dés(seed);
    Partie p(dés);
    std::mt19937 choix(seed * 7919u + 1u);
    auto chance = [&choix](int pourCent) { return static_cast<int>(choix() % 100) < pourCent; };
    Partie_jouée j;
    std::ostringstream s;
    s << "start\nclick Coup" << mode << "\nmove Personnages 0\nclick Personnages 3\n";
    p.ModeTirage = mode;
    int survolée = -1;  // the driver moves the pointer over a cell before clicking it
    auto clicCase = [&](int k) {
        if (survolée != k) p.SurvolCase(k);
        survolée = k;
        p.ClicCase(k);
        ++j.clics;
        s << "click Cases " << k << "\n";
        s << "print Totaux 15 caption\n";
        j.attendu.push_back("Totaux(15).caption = \"" + texte(p.Totaux[15]) + "\"");
    };
    for (int coups = 0; p.OkActif && coups < 4000; ++coups) {
        dés.tirés.clear();
        p.Ok();
        survolée = -1;
        if (!dés.tirés.empty()) {
            s << "dice";
            for (int f : dés.tirés) s << ' ' << f;
            s << "\n";
        }
        s << "click Ok\n";
        if (!p.OkActif) break;
        if (p.NuméroJet == 1 || p.NuméroJet == 2) {
            for (int i = 0; i < 5; ++i) {
                if (chance(30)) {
                    p.GardeOuRend(i);
                    s << "click ChoixDés " << i << "\n";
                }
            }
        }
        if (p.RetourOffert && chance(8)) {
            p.Retour();
            s << "click Retour\n";
            survolée = -1;
        }
        if (p.ZéroOffert && chance(50)) {
            p.Zéro();
            s << "click Zéro\n";
            survolée = -1;
        }
        if (p.NuméroJet == 0 && p.CaseTirage2 != -1 && !p.TourJoué && chance(50)) {
            clicCase(chance(50) ? p.CaseTirage1 : p.CaseTirage2);
            continue;
        }
        if (!chance(p.NuméroJet == 3 ? 90 : 35)) continue;
        std::vector<int> ouvertes;
        for (int k = 0; k < sheet::kCellCount; ++k) {
            if (p.CaseMontrée[Partie::at(k)] && (!p.CaseFermée[Partie::at(k)] || k > sheet::kLastSheetCell)) {
                ouvertes.push_back(k);
            }
        }
        if (!ouvertes.empty()) clicCase(ouvertes[choix() % ouvertes.size()]);
    }
    EXPECT_FALSE(p.OkActif) << "seed " << seed << ": the game did not end";
    for (int k = 0; k <= sheet::kLastSheetCell; ++k) {
        s << "print Cases " << k << " caption\n";
        j.attendu.push_back("Cases(" + std::to_string(k) + ").caption = \"" + texte(p.Feuille[Partie::at(k)]) + "\"");
    }
    for (int t = 0; t < 16; ++t) {
        s << "print Totaux " << t << " caption\n";
        j.attendu.push_back("Totaux(" + std::to_string(t) + ").caption = \"" + texte(p.Totaux[Partie::at(t)]) + "\"");
    }
    for (int r = 0; r < 12; ++r) {
        s << "print Stats2 " << r << " caption\n";
        j.attendu.push_back("Stats2(" + std::to_string(r) + ").caption = \"" +
                            std::to_string(p.CompteursPartie[Partie::at(r)]) + "\"");
    }
    j.script = s.str();
    return j;
}

// The driver's answers to the queries, in order; the sounds, writes and
// other lines it reports by itself are left out.
std::vector<std::string> joueAuDriver(const std::string& script, unsigned seed) {
    const auto dossier = std::filesystem::temp_directory_path() / ("partie-test-" + std::to_string(seed));
    std::filesystem::remove_all(dossier);
    std::filesystem::create_directories(dossier);
    std::ofstream(dossier / "script") << script;
    const std::string commande = std::string("'") + DRAVONELLE_SCRIPT_DRIVER + "' '" + dossier.string() + "' < '" +
                                 (dossier / "script").string() + "' > '" + (dossier / "sortie").string() + "' 2>&1";
    EXPECT_EQ(std::system(commande.c_str()), 0) << "seed " << seed;
    std::ifstream in(dossier / "sortie");
    std::vector<std::string> lignes;
    for (std::string l; std::getline(in, l);) {
        if (l.find(".caption = ") != std::string::npos) lignes.push_back(l);
    }
    std::filesystem::remove_all(dossier);
    return lignes;
}

TEST(Partie, WholeGamesMatchTheWindowsGames) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        const int mode = seed % 2 == 0 ? 2 : 1;
        const Partie_jouée j = joue(seed, mode);
        EXPECT_GE(j.clics, 65) << "seed " << seed;
        const std::vector<std::string> driver = joueAuDriver(j.script, seed);
        ASSERT_EQ(driver.size(), j.attendu.size()) << "seed " << seed;
        for (std::size_t i = 0; i < driver.size(); ++i) {
            ASSERT_EQ(driver[i], j.attendu[i]) << "seed " << seed << ", mode " << mode << ", query " << i;
        }
    }
}

}  // namespace
}  // namespace dravonelle
