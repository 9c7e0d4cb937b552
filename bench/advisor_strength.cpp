// The advisor's strength: seeded whole games played through Partie alone by
// three players, and their final scores.
//
//   advisor_strength [GAMES [SEED [MODE [PLAYER]]]]   10000 games, seed 1, both ways, all three
//
// gloutonne   the advisor's keeps and cells, a placement valued by what it
//             adds to the grand total now;
// prévoyante  the same with each cell's par taken off, so that a cell is
//             not spent cheaply, Maxi Egal Mini valued with what their sum
//             leaves the other two, and the cross taken when it pays;
// base        keeps the most frequent face, throws to the third throw and
//             takes the cell the greedy advisor values best.
// Game g of each way of playing has the same dice stream for all three.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "advisor/conseil.h"

namespace dravonelle {
namespace {

struct Dés : ÉcouteurPartie {
    explicit Dés(std::uint64_t graine) : hasard(graine) {}
    int lanceDé(int) override { return static_cast<int>(hasard() % 6) + 1; }
    std::mt19937_64 hasard;
};

enum class Joueur { Gloutonne, Prévoyante, Base };

void garde(Partie& p, const std::array<bool, 5>& voulus) {
    for (int i = 0; i < 5; ++i) {
        if (p.DésGardés[Partie::at(i)] != voulus[Partie::at(i)]) p.GardeOuRend(i);
    }
}

// The dice of the most frequent face (the higher face on a tie).
std::array<bool, 5> faceLaPlusFréquente(const Dice& dés) {
    std::array<int, 7> n{};
    for (int d : dés) ++n[Partie::at(d)];
    int face = 6;
    for (int f = 6; f >= 1; --f) {
        if (n[Partie::at(f)] > n[Partie::at(face)]) face = f;
    }
    std::array<bool, 5> g{};
    for (std::size_t i = 0; i < 5; ++i) g[i] = dés[i] == face;
    return g;
}

// One move of the base player in a draw.
void joueBase(Partie& p, const Conseil& c) {
    const bool libre = p.CaseAnnoncée == 0 && p.AnnonceAuto == 0;
    if (p.NuméroJet == 3 || (libre && p.DerniersCoupsSecs && c.caseMaintenant >= 0)) {
        // After the third throw OK keeps the first draw; before it, a cell
        // is taken and the final choice keeps the first draw.
        if (c.caseMaintenant < 0 || (c.premierTirage && p.NuméroJet == 3)) return p.Ok();
        return p.ClicCase(c.caseMaintenant);
    }
    if (libre && p.DerniersCoupsSecs) {
        // Only Annonce cells left: announce the one the dice suit best.
        int meilleure = -1;
        double v = -1e18;
        for (const Garde& g : c.gardes) {
            if (g.annonce >= 0 && g.relancés == 0 && g.espérance > v) {
                v = g.espérance;
                meilleure = g.annonce;
            }
        }
        if (meilleure >= 0) p.ClicCase(meilleure);
    }
    const auto g = faceLaPlusFréquente(p.Dés);
    if (p.CaseAnnoncée == 0 && p.AnnonceAuto == 0 && std::ranges::count(g, true) == 5) {
        return p.ClicCase(c.caseMaintenant);  // a Yam: nothing to throw again for
    }
    garde(p, g);
    p.Ok();
}

int joue(Partie& p, Joueur joueur, int mode) {
    const Visée visée = joueur == Joueur::Prévoyante ? Visée::Prévoyante : Visée::Gloutonne;
    p.ModeTirage = mode;
    p.Nouveau();
    for (int pas = 0; p.OkActif && pas < 10000; ++pas) {
        if (p.NuméroJet == 0 && p.ZéroOffert && joueur == Joueur::Prévoyante) {
            // The cross, when what the other two of Maxi Egal Mini can still
            // make without this sum standing is worth more than its points.
            const int k = p.DernièreCase;
            if (ValeurPoints(p, k, 0, visée) > ValeurPoints(p, k, p.Valeur(k), visée)) p.Zéro();
        }
        if (p.NuméroJet == 0) {
            if (p.ChoixValeur29 && p.CaseMontrée[Partie::kValeur1]) {
                p.ClicCase(p.PointsTirage1 >= p.PointsTirage2 ? Partie::kValeur1 : Partie::kValeur2);
            } else if (p.CaseTirage2 != -1 && !p.TourJoué && p.CaseTirage1 != p.CaseTirage2) {
                // "2 tirages": the better of the two results.
                const double v1 = ValeurPoints(p, p.CaseTirage1, p.PointsTirage1, visée);
                const double v2 = ValeurPoints(p, p.CaseTirage2, p.PointsTirage2, visée);
                p.ClicCase(v1 >= v2 ? p.CaseTirage1 : p.CaseTirage2);
            } else {
                p.Ok();
            }
            continue;
        }
        const Conseil c = Conseille(p, visée);
        if (!c.àConseiller) {
            p.Ok();
        } else if (joueur == Joueur::Base) {
            joueBase(p, c);
        } else if (c.placerMaintenant() && c.premierTirage && p.NuméroJet == 3) {
            p.Ok();  // OK keeps the first draw
        } else if (c.placerMaintenant() && c.caseMaintenant >= 0) {
            p.ClicCase(c.caseMaintenant);  // or a cell, and the final choice keeps the first draw
        } else {
            if (c.garde.annonce >= 0) p.ClicCase(c.garde.annonce);
            garde(p, c.garde.positions);
            p.Ok();
        }
    }
    if (p.OkActif) {
        std::fprintf(stderr, "a game did not end: player %d, way %d, turn %d, throw %d, announced %d, auto %d, dry %d\n",
                     static_cast<int>(joueur), mode, p.NuméroTirage, p.NuméroJet, p.CaseAnnoncée, p.AnnonceAuto,
                     p.DerniersCoupsSecs);
    }
    return p.Totaux[15];
}

struct Résumé {
    double moyenne;
    int médiane, p10, p90;
};

Résumé résume(std::vector<int> s) {
    std::ranges::sort(s);
    double total = 0;
    for (int v : s) total += v;
    auto rang = [&s](double q) { return s[static_cast<std::size_t>(q * static_cast<double>(s.size() - 1) + 0.5)]; };
    return {total / static_cast<double>(s.size()), rang(0.5), rang(0.1), rang(0.9)};
}

}  // namespace
}  // namespace dravonelle

int main(int argc, char** argv) {
    using namespace dravonelle;
    const int parties = argc > 1 ? std::atoi(argv[1]) : 10000;
    const std::uint64_t graine = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const int seulMode = argc > 3 ? std::atoi(argv[3]) : 0;
    const char* noms[] = {"gloutonne", "prévoyante", "base"};
    const std::string seulJoueur = argc > 4 ? argv[4] : "";
    std::printf("%-10s %-11s %8s %9s %7s %7s %7s\n", "way", "player", "games", "mean", "median", "p10", "p90");
    for (int mode = 1; mode <= 2; ++mode) {
        if (seulMode != 0 && mode != seulMode) continue;
        for (int j = 0; j < 3; ++j) {
            if (!seulJoueur.empty() && seulJoueur != noms[j]) continue;
            std::vector<int> scores;
            for (int g = 0; g < parties; ++g) {
                Dés dés(graine * 1000003u + static_cast<std::uint64_t>(g) * 2u + static_cast<std::uint64_t>(mode));
                Partie p(dés);
                scores.push_back(joue(p, static_cast<Joueur>(j), mode));
            }
            const Résumé r = résume(scores);
            std::printf("%-10s %-11s %8d %9.1f %7d %7d %7d\n", mode == 1 ? "1 tirage" : "2 tirages", noms[j], parties,
                        r.moyenne, r.médiane, r.p10, r.p90);
            std::fflush(stdout);
        }
    }
}
