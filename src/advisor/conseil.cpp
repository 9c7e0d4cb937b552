// The advisor's reckoning: which cells the game takes at each throw, what
// each is worth for every hand, and the best keeps by a dynamic programme
// over the hands and the sets kept.
#include "advisor/conseil.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "advisor/mains.h"
#include "rules/cell_value.h"
#include "rules/totals.h"

namespace dravonelle {

namespace {

using namespace conseil;

constexpr double kJamais = -1e18;  // no way to get there
constexpr double kÉgal = 1e-9;     // expectations closer than this are equal
// How much of a cell's par the far-sighted valuation takes off: the best
// of the weights tried on seeded games, in both ways of playing.
constexpr double kPoidsPar = 0.65;

std::size_t at(int k) { return static_cast<std::size_t>(k); }

// ---- the par of each row: what a draw that plays for it alone makes ------

struct Pars {
    std::array<double, 15> troisJets{};  // three throws: Descente, Montée, Libre, Annonce
    std::array<double, 15> unJet{};      // the first throw alone: Sèche
};

const Pars& pars() {
    static const Pars p = [] {
        const Mains& m = mains();
        Pars out;
        const int vide = m.garde({});
        for (int r : sheet::kRows) {
            ParMain v{};
            for (std::size_t h = 0; h < kMains; ++h) {
                const int pts = m.points[h][at(r)];
                v[h] = sheet::isNumberRow(r) ? 6.0 * pts : pts;
            }
            ParGarde e{};
            espérances(v, e);
            out.unJet[at(r)] = e[at(vide)];
            for (int jet = 0; jet < 2; ++jet) {
                ParMain mieux{};
                for (std::size_t h = 0; h < kMains; ++h) {
                    double b = kJamais;
                    for (int i = m.débutSous[h]; i < m.débutSous[h + 1]; ++i) b = std::max(b, e[at(m.sous[at(i)])]);
                    mieux[h] = b;
                }
                espérances(mieux, e);
            }
            out.troisJets[at(r)] = e[at(vide)];
        }
        return out;
    }();
    return p;
}

double par(int k) {
    const int r = sheet::row(k);
    return kPoidsPar * (sheet::isSèche(k) ? pars().unJet[at(r)] : pars().troisJets[at(r)]);
}

// What a draw that plays for a Maxi, Egal or Mini cell alone makes when the
// cells standing in its column leave it the sums strictly between `bas` and
// `haut` (0 and 31 when nothing bounds it): the order rule's cost, read
// when a sum is placed beside it.
struct Bornés {
    std::array<std::array<double, 32>, 32> troisJets{}, unJet{};
};

const Bornés& bornés() {
    static const Bornés b = [] {
        const Mains& m = mains();
        const int vide = m.garde({});
        Bornés out;
        for (int bas = 0; bas <= 30; ++bas) {
            for (int haut = bas + 1; haut <= 31; ++haut) {
                ParMain v{};
                for (std::size_t h = 0; h < kMains; ++h) {
                    v[h] = m.somme[h] > bas && m.somme[h] < haut ? m.somme[h] : 0;
                }
                ParGarde e{};
                espérances(v, e);
                out.unJet[at(bas)][at(haut)] = e[at(vide)];
                for (int jet = 0; jet < 2; ++jet) {
                    ParMain mieux{};
                    for (std::size_t h = 0; h < kMains; ++h) {
                        double best = kJamais;
                        for (int i = m.débutSous[h]; i < m.débutSous[h + 1]; ++i) {
                            best = std::max(best, e[at(m.sous[at(i)])]);
                        }
                        mieux[h] = best;
                    }
                    espérances(mieux, e);
                }
                out.troisJets[at(bas)][at(haut)] = e[at(vide)];
            }
        }
        return out;
    }();
    return b;
}

// ---- the sheet as the advisor reads it ------------------------------------

int totalChiffres(int somme) {
    const NumbersTotal t = numbersTotal(somme);
    return t.total + t.bonus;
}

struct Contexte {
    const Partie& p;
    Visée visée;
    std::array<int, sheet::kColumns> sommeChiffres{};  // the column's number cells written
    double plancher = kJamais;                         // the first draw's value in the second draw
    int casePlancher = -1;

    Contexte(const Partie& partie, Visée v) : p(partie), visée(v) {
        for (int c = 0; c < sheet::kColumns; ++c) {
            for (int r = 0; r <= 5; ++r) {
                const int k = sheet::cell(c, r);
                if (p.CaseFermée[at(k)] && !p.CaseVide(k)) sommeChiffres[at(c)] += p.Valeur(k);
            }
        }
        if (p.ModeTirage == 2 && p.CaseTirage1 != -1 && p.CaseTirage2 == -1 && !p.TourJoué &&
            sheet::isScoringCell(p.CaseTirage1)) {
            casePlancher = p.CaseTirage1;
            plancher = valeur(p.CaseTirage1, p.PointsTirage1);
        }
    }

    // What `points` in cell k add to the grand total (or less its par).
    double valeur(int k, int points) const {
        const int r = sheet::row(k);
        if (visée == Visée::Prévoyante && r >= sheet::Maxi && r <= sheet::Mini) return valeurOrdonnée(k, points);
        double v = points;
        if (sheet::isNumberRow(r)) {
            const int s = sommeChiffres[at(sheet::column(k))];
            v = totalChiffres(s + points) - totalChiffres(s);
        }
        if (visée == Visée::Prévoyante) v -= par(k);
        return v;
    }

    // Far-sighted, a Maxi, Egal or Mini: its points, and what its sum
    // changes to what the other two of its column still to come can make,
    // less what a draw for it would have made.
    double valeurOrdonnée(int k, int points) const {
        const int c = sheet::column(k);
        const int rang = sheet::row(k) - sheet::Maxi;
        // What stands: a closed cell worth more than 0 bounds the others.
        std::array<int, 3> debout{};
        std::array<bool, 3> àVenir{};
        for (int i = 0; i < 3; ++i) {
            const int n = sheet::cell(c, sheet::Maxi + i);
            const bool remplie = p.CaseFermée[at(n)] && !p.CaseVide(n);
            debout[at(i)] = remplie ? p.Valeur(n) : 0;
            àVenir[at(i)] = !remplie && i != rang;
        }
        const auto& table = c == sheet::Sèche ? bornés().unJet : bornés().troisJets;
        // A draw for rank i, between what stands above it and below it.
        auto futur = [&table](const std::array<int, 3>& d, int i) {
            int bas = 0, haut = 31;
            for (int j = 0; j < 3; ++j) {
                if (d[at(j)] <= 0 || j == i) continue;
                if (j < i) haut = std::min(haut, d[at(j)]);
                if (j > i) bas = std::max(bas, d[at(j)]);
            }
            return bas < haut ? table[at(bas)][at(haut)] : 0.0;
        };
        double avant = futur(debout, rang), après = 0;
        std::array<int, 3> placé = debout;
        placé[at(rang)] = points;
        for (int i = 0; i < 3; ++i) {
            if (!àVenir[at(i)]) continue;
            avant += futur(debout, i);
            après += futur(placé, i);
        }
        return points + kPoidsPar * (après - avant);
    }

    // The order rule's neighbours and the turn, as ValeurCase gives them.
    CellQuery requête(int k) const {
        CellQuery q;
        q.cell = k;
        q.turn = p.NuméroTirage;
        const int c = sheet::column(k);
        for (int i = 0; i < 3; ++i) {
            const int voisine = sheet::cell(c, sheet::Maxi + i);
            q.maxiEgalMini[at(i)] = {p.CaseFermée[at(voisine)], p.Valeur(voisine)};
        }
        return q;
    }

    int points(int k, const Dice& dés) const { return valueCell(dés, requête(k)).points; }

    // The value of cell k for every hand.
    void valeurs(int k, ParMain& out) const {
        const Mains& m = mains();
        const int r = sheet::row(k);
        if (r >= sheet::Maxi && r <= sheet::Mini) {
            // The order rule reads only the sum of the dice.
            std::array<double, 31> parSomme{};
            const CellQuery q = requête(k);
            for (int s = 5; s <= 30; ++s) {
                parSomme[at(s)] = valeur(k, valueCell(m.dés[at(m.mainDeSomme[at(s)])], q).points);
            }
            for (std::size_t h = 0; h < kMains; ++h) out[h] = parSomme[at(m.somme[h])];
        } else if (k == sheet::cell(sheet::Sèche, sheet::Yam) && p.NuméroTirage == Partie::kDernierTirage) {
            const CellQuery q = requête(k);
            for (std::size_t h = 0; h < kMains; ++h) out[h] = valeur(k, valueCell(m.dés[h], q).points);
        } else {
            for (std::size_t h = 0; h < kMains; ++h) out[h] = valeur(k, m.points[h][at(r)]);
        }
    }
};

// ---- which cells a click takes, at each throw -----------------------------

// A click on cell k at throw `jet` of this draw places the dice there or
// announces it: the click filter, the guards of the second draw and the
// cell's rules (Sèche and Annonce at the first throw only, but for the
// Annonce cell the last turns announce by themselves; nothing while an
// announced cell waits).
bool jouable(const Partie& p, int k, int jet) {
    if (!sheet::isScoringCell(k) || p.CaseFermée[at(k)]) return false;
    const bool filtre = !p.ChoixAuto || !p.DerniersCoupsSecs ||
                        (sheet::isSèche(k) && p.NuméroTirage < Partie::kDernierTirage);
    if (!filtre || p.ChoixBloqué || p.ChoixValeur29 || p.TourJoué) return false;
    if (sheet::isAnnonce(k) && k == p.CaseTirage2) return false;
    if (sheet::isAnnonce(p.CaseTirage2) && k == p.CaseTirage1) return false;
    if (p.CaseTirage1 != -1 && p.CaseTirage2 != -1) return false;
    const bool annonceAuto = p.AnnonceAuto != 0 && k == p.AnnonceAuto;
    if (jet > 1 && k >= Partie::kPremièreSèche && k <= Partie::kDernièreAnnonce && !annonceAuto) return false;
    return p.CaseAnnoncée == 0 || p.AnnonceAuto > 0;
}

bool remplie(const Partie& p, int k) { return p.CaseFermée[at(k)] && !p.CaseVide(k); }

bool libreComplète(const Partie& p) {
    if (p.Totaux[3 * sheet::Libre] == Partie::kVide) return false;
    for (int k = sheet::cell(sheet::Libre, sheet::Suite); k <= sheet::cell(sheet::Libre, sheet::Yam); ++k) {
        if (!p.CaseFermée[at(k)]) return false;
    }
    return true;
}

// The cell the game takes by itself at the third throw of this draw, when a
// column can only be played one way (SeulCoup), or -1.
int caseForcée(const Partie& p) {
    if (p.NuméroTirage <= Partie::kTirageSeulCoup || p.DerniersCoupsSecs || p.CaseAnnoncée != 0 || p.TourJoué) {
        return -1;
    }
    const int finDescente = sheet::cell(sheet::Descente, sheet::Yam);
    const int finMontée = sheet::cell(sheet::Montée, 0);
    auto ouverte = [&p](int k) { return sheet::isScoringCell(k) && !p.CaseFermée[at(k)]; };
    if (libreComplète(p)) {
        if (remplie(p, finDescente)) {
            for (int k = Partie::kMiniMontée + 1; k >= 16; --k) {
                if (k != 22 && k != 23 && ouverte(k)) return k;
            }
        }
        if (remplie(p, finMontée)) {
            for (int k = 0; k <= finDescente; ++k) {
                if (ouverte(k)) return k;
            }
        }
    }
    if (remplie(p, finDescente) && remplie(p, finMontée)) {
        int seule = -1, ouvertes = 0;
        for (int r : sheet::kRows) {
            if (ouverte(sheet::cell(sheet::Libre, r))) {
                seule = sheet::cell(sheet::Libre, r);
                ++ouvertes;
            }
        }
        if (ouvertes == 1) return seule;
    }
    return -1;
}

// ---- one way to play the rest of the draw ---------------------------------

// Either the draw stays free (any cell the rules allow, at the second or
// the third throw), or it plays for one Annonce cell, announced or to be.
struct Plan {
    int annonce = -1;              // the Annonce cell it plays for, -1 free
    bool gardeToutAuJet1 = false;  // OK with every die kept is taken at the first throw
    bool gardeToutAuJet2 = false;  // and at the second
    ParMain fin{};                 // the value at the end of the draw (third throw)
    std::array<std::int16_t, kMains> caseFin{};
    ParMain place2{};              // placing at the second throw
    std::array<std::int16_t, kMains> casePlace2{};
    ParGarde e3{};                 // each set kept at the second throw
    ParMain v2{};                  // the best at the second throw
    std::array<std::int16_t, kMains> choix2{};  // its set kept, -1 placing
};

// The best of several cells for every hand, the first draw's result below it.
void meilleur(const Contexte& c, const std::vector<int>& cases, ParMain& v, std::array<std::int16_t, kMains>& k) {
    v.fill(kJamais);
    k.fill(-1);
    ParMain w;
    for (int cell : cases) {
        c.valeurs(cell, w);
        for (std::size_t h = 0; h < kMains; ++h) {
            if (w[h] > v[h] + kÉgal) {
                v[h] = w[h];
                k[h] = static_cast<std::int16_t>(cell);
            }
        }
    }
    for (std::size_t h = 0; h < kMains; ++h) {
        if (c.plancher > v[h] + kÉgal) {
            v[h] = c.plancher;
            k[h] = static_cast<std::int16_t>(c.casePlancher);
        }
    }
}

// The second and third throws of a plan, once its ends are set.
void résout(Plan& pl) {
    const Mains& m = mains();
    espérances(pl.fin, pl.e3);
    for (std::size_t h = 0; h < kMains; ++h) {
        double b = pl.place2[h];
        std::int16_t choix = -1;
        for (int i = m.débutSous[h]; i < m.débutSous[h + 1]; ++i) {
            const std::int16_t g = m.sous[at(i)];
            if (m.taille[at(g)] == 5 && !pl.gardeToutAuJet2) continue;
            if (pl.e3[at(g)] > b + kÉgal) {
                b = pl.e3[at(g)];
                choix = g;
            }
        }
        pl.v2[h] = b;
        pl.choix2[h] = choix;
    }
}

void planLibre(const Contexte& c, Plan& pl) {
    pl.annonce = -1;
    pl.gardeToutAuJet1 = pl.gardeToutAuJet2 = false;
    std::vector<int> cases;
    for (int k = 0; k < sheet::kLastSheetCell; ++k) {
        if (jouable(c.p, k, 2)) cases.push_back(k);
    }
    meilleur(c, cases, pl.place2, pl.casePlace2);
    const int forcée = caseForcée(c.p);
    if (forcée >= 0) {
        meilleur(c, {forcée}, pl.fin, pl.caseFin);
    } else {
        pl.fin = pl.place2;
        pl.caseFin = pl.casePlace2;
    }
    résout(pl);
}

void planAnnonce(const Contexte& c, int annonce, Plan& pl) {
    pl.annonce = annonce;
    pl.gardeToutAuJet1 = pl.gardeToutAuJet2 = true;
    meilleur(c, {annonce}, pl.fin, pl.caseFin);
    pl.place2.fill(kJamais);
    pl.casePlace2.fill(-1);
    résout(pl);
}

double espérance(const ParMain& v, int g) {
    const Mains& m = mains();
    double s = 0;
    for (int i = m.débutIssues[at(g)]; i < m.débutIssues[at(g) + 1]; ++i) {
        const Issue& is = m.issues[at(i)];
        s += is.probabilité * v[at(is.main)];
    }
    return s;
}

// The dice positions that keep set g, the leftmost first.
std::array<bool, 5> positions(const Dice& dés, int g) {
    std::array<int, 6> reste{};
    for (std::size_t f = 0; f < 6; ++f) reste[f] = mains().compte[at(g)][f];
    std::array<bool, 5> garde{};
    for (std::size_t i = 0; i < 5; ++i) {
        auto& n = reste[at(dés[i] - 1)];
        if (n > 0) {
            garde[i] = true;
            --n;
        }
    }
    return garde;
}

// The cell the best keep ends in most often.
int caseVisée(const Plan& pl, int g, int jet) {
    const Mains& m = mains();
    std::array<double, sheet::kCellCount> proba{}, apport{};
    auto finit = [&](int cell, double pr, double v) {
        if (cell < 0) return;
        proba[at(cell)] += pr;
        apport[at(cell)] += pr * v;
    };
    for (int i = m.débutIssues[at(g)]; i < m.débutIssues[at(g) + 1]; ++i) {
        const Issue& is = m.issues[at(i)];
        const auto h = at(is.main);
        if (jet == 2) {
            finit(pl.caseFin[h], is.probabilité, pl.fin[h]);
        } else if (pl.choix2[h] < 0) {
            finit(pl.casePlace2[h], is.probabilité, pl.place2[h]);
        } else {
            const int g2 = pl.choix2[h];
            for (int j = m.débutIssues[at(g2)]; j < m.débutIssues[at(g2) + 1]; ++j) {
                const Issue& is2 = m.issues[at(j)];
                finit(pl.caseFin[at(is2.main)], is.probabilité * is2.probabilité, pl.fin[at(is2.main)]);
            }
        }
    }
    int best = -1;
    for (int k = 0; k < sheet::kCellCount; ++k) {
        if (proba[at(k)] <= 0) continue;
        if (best < 0 || proba[at(k)] > proba[at(best)] + kÉgal ||
            (proba[at(k)] > proba[at(best)] - kÉgal && apport[at(k)] > apport[at(best)])) {
            best = k;
        }
    }
    return best;
}

}  // namespace

double Conseil::meilleurMaintenant() const {
    double v = caseMaintenant >= 0 ? valeurMaintenant : kJamais;
    if (valeurPremierTirage) v = std::max(v, *valeurPremierTirage);
    return v;
}

bool Conseil::placerMaintenant() const {
    if (!peutRelancer) return true;
    return meilleurMaintenant() >= garde.espérance - kÉgal;
}

double ValeurPoints(const Partie& partie, int k, int points, Visée visée) {
    return Contexte(partie, visée).valeur(k, points);
}

Conseil Conseille(const Partie& p, Visée visée) {
    Conseil conseil;
    const int jet = p.NuméroJet;
    if (p.ModeTirage == 0 || !p.OkActif || jet < 1 || jet > 3 || p.TourJoué || p.ChoixBloqué || p.ChoixValeur29) {
        return conseil;
    }
    const Contexte c(p, visée);
    const Mains& m = mains();
    const int main = m.main(p.Dés);

    // Placing now: the best cell a click takes at this throw (the Annonce
    // cells are announced, not placed: they are plans below).
    for (int k = 0; k < Partie::kLimiteAnnonce; ++k) {
        if (!jouable(p, k, jet)) continue;
        const int pts = c.points(k, p.Dés);
        const double v = c.valeur(k, pts);
        if (conseil.caseMaintenant < 0 || v > conseil.valeurMaintenant + kÉgal) {
            conseil.caseMaintenant = k;
            conseil.pointsMaintenant = pts;
            conseil.valeurMaintenant = v;
        }
    }
    if (c.casePlancher >= 0) {
        conseil.valeurPremierTirage = c.plancher;
        conseil.premierTirage = conseil.caseMaintenant < 0 || c.plancher > conseil.valeurMaintenant + kÉgal;
    }

    // The ways to play the rest of the draw, at most the free draw and the
    // thirteen Annonce cells; their tables are large, and made again in
    // place at every advice.
    thread_local std::vector<Plan> plans(14);
    std::size_t nPlans = 0;
    if (jet < 3) {
        if (p.CaseAnnoncée != 0) {
            planAnnonce(c, p.CaseAnnoncée, plans[nPlans++]);
        } else if (jet == 2) {
            planLibre(c, plans[nPlans++]);
        } else if (p.AnnonceAuto != 0) {
            // The game announces its last Annonce cell at the next throw.
            planAnnonce(c, p.AnnonceAuto, plans[nPlans++]);
            conseil.annonceAuto = true;
        } else {
            // The last turns throw again only for an announcement.
            if (!p.DerniersCoupsSecs) planLibre(c, plans[nPlans++]);
            for (int k = Partie::kPremièreAnnonce; k <= Partie::kDernièreAnnonce; ++k) {
                if (jouable(p, k, 1)) planAnnonce(c, k, plans[nPlans++]);
            }
        }
    }

    // Every keep, by the best plan that takes it.
    std::vector<std::pair<int, int>> meilleurPlan;  // set kept, plan
    for (int i = m.débutSous[at(main)]; i < m.débutSous[at(main) + 1]; ++i) {
        const int g = m.sous[at(i)];
        const bool tout = m.taille[at(g)] == 5;
        Garde garde;
        int choisi = -1;
        for (std::size_t n = 0; n < nPlans; ++n) {
            const Plan& pl = plans[n];
            if (tout && !(jet == 1 ? pl.gardeToutAuJet1 : pl.gardeToutAuJet2)) continue;
            const double e = jet == 1 ? espérance(pl.v2, g) : pl.e3[at(g)];
            if (choisi < 0 || e > garde.espérance + kÉgal) {
                garde.espérance = e;
                choisi = static_cast<int>(n);
            }
        }
        if (choisi < 0) continue;
        garde.positions = positions(p.Dés, g);
        garde.relancés = 5 - m.taille[at(g)];
        const Plan& pl = plans[at(choisi)];
        // An announcement is made by a click at the first throw.
        if (p.CaseAnnoncée == 0 && !conseil.annonceAuto) garde.annonce = pl.annonce;
        conseil.gardes.push_back(garde);
        meilleurPlan.emplace_back(g, choisi);
    }
    // Best first; equal expectations go to the fewest dice thrown again.
    std::vector<std::size_t> ordre(conseil.gardes.size());
    for (std::size_t i = 0; i < ordre.size(); ++i) ordre[i] = i;
    std::stable_sort(ordre.begin(), ordre.end(), [&](std::size_t a, std::size_t b) {
        const Garde& x = conseil.gardes[a];
        const Garde& y = conseil.gardes[b];
        if (x.espérance > y.espérance + kÉgal) return true;
        if (y.espérance > x.espérance + kÉgal) return false;
        return x.relancés < y.relancés;
    });
    std::vector<Garde> triées;
    for (std::size_t i : ordre) triées.push_back(conseil.gardes[i]);
    conseil.gardes = std::move(triées);

    conseil.jet = jet;
    if (!ordre.empty()) {
        conseil.peutRelancer = true;
        conseil.garde = conseil.gardes.front();
        const auto [g, n] = meilleurPlan[ordre.front()];
        conseil.caseVisée = caseVisée(plans[at(n)], g, jet);
    } else {
        conseil.caseVisée = conseil.premierTirage ? c.casePlancher : conseil.caseMaintenant;
    }
    conseil.àConseiller = conseil.peutRelancer || conseil.caseMaintenant >= 0 || conseil.premierTirage;
    return conseil;
}

}  // namespace dravonelle
