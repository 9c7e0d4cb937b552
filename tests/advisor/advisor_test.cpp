// The advisor against brute force: positions reached by playing Partie, and
// for each the expectation of every keep recomputed by going through every
// face of every die thrown, the game itself (copies of the Partie) saying at
// each throw which cells a click takes and what the game does by itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "advisor/conseil.h"

namespace dravonelle {
namespace {

// Dice that come in the order they are queued.
struct Dés : ÉcouteurPartie {
    int lanceDé(int) override {
        if (file.empty()) return 1;
        const int f = file.front();
        file.pop_front();
        return f;
    }
    std::deque<int> file;
};

void jette(Partie& p, Dés& d, std::vector<int> faces) {
    d.file.assign(faces.begin(), faces.end());
    p.Ok();
}

void rends(Partie& p, std::vector<int> positions) {
    for (int i : positions) p.GardeOuRend(i);
}

void clique(Partie& p, int k) {
    p.SurvolCase(k);
    p.ClicCase(k);
}

// One turn of "1 tirage" on a single throw; an Annonce cell is announced and
// played out with every die kept.
void unTour(Partie& p, Dés& d, int k, std::vector<int> faces = {1, 2, 3, 4, 6}) {
    jette(p, d, faces);
    clique(p, k);
    if (sheet::isAnnonce(k)) {
        p.Ok();
        p.Ok();
    }
    ASSERT_EQ(p.NuméroJet, 0) << "cell " << k;
}

// ---- the brute force ---------------------------------------------------------

// What a placement adds to the grand total: a figure its points, a number
// cell the change of its column's numbers part, the empty ones at par.
int partieChiffres(int s) { return s >= 0 ? 90 + 6 * s : 60 + 6 * s; }

double valeur(const Partie& avant, int k, int points) {
    if (sheet::row(k) > 5) return points;
    int s = 0;
    for (int r = 0; r <= 5; ++r) {
        const int c = sheet::cell(sheet::column(k), r);
        if (avant.CaseFermée[Partie::at(c)] && !avant.CaseVide(c)) s += avant.Valeur(c);
    }
    return partieChiffres(s + points) - partieChiffres(s);
}

// The dice in no order: how many of each face, in base 6.
int code(const Dice& d) {
    static constexpr int kPoids[] = {1, 6, 36, 216, 1296, 7776};
    int c = 0;
    for (int v : d) c += kPoids[v - 1];
    return c;
}

class ForceBrute {
public:
    ForceBrute(const Partie& position, Dés& dés) : position_(position), dés_(dés) {
        const Partie& p = position;
        if (p.ModeTirage == 2 && p.CaseTirage1 != -1 && p.CaseTirage2 == -1) {
            plancher_ = valeur(p, p.CaseTirage1, p.PointsTirage1);
        }
        // The ways to go on: as things stand, or after announcing an Annonce
        // cell at the first throw.
        plans_.push_back({p});
        if (p.NuméroJet == 1 && p.CaseAnnoncée == 0) {
            for (int a = Partie::kPremièreAnnonce; a <= Partie::kDernièreAnnonce; ++a) {
                Partie q = p;
                q.ClicCase(a);
                if (q.CaseAnnoncée == a) plans_.push_back({q});
            }
        }
    }

    // The best click now on a cell that takes the dice at once.
    std::optional<double> placeMaintenant() const { return clics(position_, true, false); }
    double plancher() const { return plancher_; }

    // Keeping these dice and throwing the others, best play after, in the
    // best way to go on that OK accepts; none when OK refuses it in all.
    std::optional<double> espérance(const std::array<bool, 5>& garde) {
        std::optional<double> best;
        for (Plan& pl : plans_) {
            const auto e = espérancePlan(pl, pl.départ, garde);
            if (e && (!best || *e > *best)) best = e;
        }
        return best;
    }

private:
    struct Plan {
        Partie départ;
        std::vector<double> nœuds = std::vector<double>(46656, NAN);  // after the second throw
        std::vector<double> fins = std::vector<double>(46656, NAN);   // after the third
        std::array<std::array<signed char, 32>, 4> accepte = [] {
            std::array<std::array<signed char, 32>, 4> a;
            for (auto& l : a) l.fill(-1);
            return a;
        }();
    };

    std::optional<double> espérancePlan(Plan& pl, const Partie& q, const std::array<bool, 5>& garde) {
        int masque = 0;
        for (int i = 0; i < 5; ++i) masque |= garde[Partie::at(i)] ? 1 << i : 0;
        // Whether OK throws: asked of the game once for each throw and keep.
        signed char& ok = pl.accepte[Partie::at(q.NuméroJet)][Partie::at(masque)];
        if (ok < 0) {
            Partie essai = q;
            essai.DésGardés = garde;
            dés_.file.assign(5, 1);
            essai.Ok();
            ok = essai.JetDuRésultat == q.NuméroJet + 1;
        }
        if (!ok) return std::nullopt;
        // Every face of every die thrown.
        std::array<int, 5> libres{};
        int n = 0;
        for (int i = 0; i < 5; ++i) {
            if (!garde[Partie::at(i)]) libres[Partie::at(n++)] = i;
        }
        double total = 0;
        int issues = 0;
        std::array<int, 5> faces{1, 1, 1, 1, 1};
        for (;;) {
            Dice d = q.Dés;
            for (int j = 0; j < n; ++j) d[Partie::at(libres[Partie::at(j)])] = faces[Partie::at(j)];
            total += après(pl, q, garde, faces, n, d);
            ++issues;
            int j = 0;
            while (j < n && faces[Partie::at(j)] == 6) faces[Partie::at(j++)] = 1;
            if (j == n) break;
            ++faces[Partie::at(j)];
        }
        return total / issues;
    }

    // What the draw is worth once the throw made dice `d`: the state after
    // OK, valued once for each set of dice.
    double après(Plan& pl, const Partie& q, const std::array<bool, 5>& garde, const std::array<int, 5>& faces, int n,
                 const Dice& d) {
        auto& memo = q.NuméroJet == 1 ? pl.nœuds : pl.fins;
        double& v = memo[Partie::at(code(d))];
        if (!std::isnan(v)) return v;
        Partie r = q;
        r.DésGardés = garde;
        dés_.file.assign(faces.begin(), faces.begin() + n);
        r.Ok();
        if (r.NuméroJet == 0 || r.NuméroJet == 3) {
            v = fin(r);
        } else {
            // The second throw: place now, or the best keep for the third.
            v = clics(r, true, true).value_or(-1e18);
            for (int m = 0; m < 32; ++m) {
                std::array<bool, 5> g{};
                for (int i = 0; i < 5; ++i) g[Partie::at(i)] = (m >> i) & 1;
                const auto e = espérancePlan(pl, r, g);
                if (e) v = std::max(v, *e);
            }
        }
        return v;
    }

    // After the third throw, or a draw the game closed by itself.
    double fin(const Partie& r) const {
        if (r.NuméroJet == 3) return clics(r, false, true).value_or(-1e18);
        // The cell is written ("1 tirage") or its draw noted ("2 tirages").
        int pts = r.Valeur(r.CaseAnnulable);
        if (r.ModeTirage == 2) pts = r.CaseTirage2 != -1 ? r.PointsTirage2 : r.PointsTirage1;
        return std::max(plancher_, valeur(position_, r.CaseAnnulable, pts));
    }

    // The best cell a click takes, by trying each on a copy.
    std::optional<double> clics(const Partie& r, bool sansAnnonce, bool avecPlancher) const {
        std::optional<double> best;
        if (avecPlancher && plancher_ > -1e17) best = plancher_;
        for (int k = 0; k < (sansAnnonce ? Partie::kPremièreAnnonce : sheet::kLastSheetCell); ++k) {
            if (!sheet::isScoringCell(k)) continue;
            Partie c = r;
            c.CaseAnnulable = -1;
            c.ClicCase(k);
            if (c.CaseAnnulable != k || c.CaseAnnoncée == k) continue;
            const double v = valeur(position_, k, c.Points);
            if (!best || v > *best) best = v;
        }
        return best;
    }

    const Partie& position_;
    Dés& dés_;
    double plancher_ = -1e18;
    std::vector<Plan> plans_;
};

// ---- the positions ---------------------------------------------------------

// A position: what is played first, then each throw again with the dice
// taken back (their positions) and the faces they show.
struct Relance {
    std::vector<int> rendus, faces;
};
struct Position {
    const char* nom;
    std::function<void(Partie&, Dés&)> joue;
    std::vector<Relance> relances = {};
    int mode = 1;
};

// Descente filled to its Maxi (20), Montée from its Yam (crossed) to its
// Mini (9), Libre's Maxi (24), Mini (12) and fours (-4): every order rule at work.
void colonnesEnCours(Partie& p, Dés& d) {
    const std::pair<int, std::vector<int>> tours[] = {
        {0, {1, 1, 1, 2, 3}},  {1, {2, 2, 3, 4, 5}},  {2, {3, 3, 3, 3, 1}},  {3, {4, 4, 2, 2, 1}},
        {4, {5, 5, 5, 1, 2}},  {5, {6, 6, 1, 2, 3}},  {8, {1, 2, 3, 4, 5}},  {9, {2, 2, 5, 5, 5}},
        {10, {4, 4, 4, 4, 1}}, {11, {6, 5, 4, 3, 2}}, {30, {1, 2, 3, 4, 6}}, {29, {1, 1, 2, 2, 3}},
        {43, {6, 6, 6, 3, 3}}, {45, {1, 2, 3, 3, 3}}, {35, {4, 4, 1, 2, 3}}};
    for (const auto& [k, faces] : tours) unTour(p, d, k, faces);
}

// Libre, Descente and Montée filled on one throw each: the last turns.
void derniersCoups(Partie& p, Dés& d) {
    for (int r : sheet::kRows) unTour(p, d, sheet::cell(sheet::Libre, r));
    for (int r : sheet::kRows) unTour(p, d, sheet::cell(sheet::Descente, r));
    for (int i = 12; i >= 0; --i) unTour(p, d, sheet::cell(sheet::Montée, sheet::kRows[Partie::at(i)]));
}

// ... and twelve Annonce cells: the game announces the last one by itself.
void annonceAuto(Partie& p, Dés& d) {
    derniersCoups(p, d);
    for (int i = 0; i < 12; ++i)
        unTour(p, d, sheet::cell(sheet::Annonce, sheet::kRows[Partie::at(i)]), {6, 6, 5, 4, 4});
}

// Played, then thrown with FACES.
std::function<void(Partie&, Dés&)> puis(void (*avant)(Partie&, Dés&), std::vector<int> faces) {
    return [=](Partie& p, Dés& d) {
        if (avant) avant(p, d);
        jette(p, d, faces);
    };
}

void annonce74(Partie& p, Dés& d) {
    jette(p, d, {6, 6, 2, 6, 3});
    clique(p, 74);
}

// "2 tirages": the first draw's Full written, the second draw's first throw.
void secondTirage(Partie& p, Dés& d) {
    jette(p, d, {3, 3, 3, 5, 5});
    clique(p, 41);
    jette(p, d, {1, 2, 2, 4, 6});
}

const std::vector<Position>& positions() {
    static const std::vector<Position> liste = {
        {"first throw, every cell open", puis(nullptr, {2, 3, 5, 5, 6})},
        {"second throw", puis(nullptr, {2, 3, 5, 5, 6}), {{{0, 1}, {5, 1}}}},
        {"third throw", puis(nullptr, {2, 3, 5, 5, 6}), {{{0, 1}, {5, 1}}, {{1, 4}, {4, 4}}}},
        {"an Annonce cell announced at the first throw", annonce74},
        {"an announced Annonce cell at the second throw", annonce74, {{{2, 4}, {1, 5}}}},
        {"Maxi Egal Mini, Descente and Montée under way, first throw", puis(colonnesEnCours, {4, 4, 3, 6, 2})},
        {"Maxi Egal Mini, Descente and Montée under way, second throw",
         puis(colonnesEnCours, {4, 4, 3, 6, 2}),
         {{{2, 3}, {5, 1}}}},
        {"last turns: Sèche now or an announcement", puis(derniersCoups, {3, 3, 4, 5, 3})},
        {"last turns: the last Annonce cell announced by the game", puis(annonceAuto, {2, 2, 5, 2, 6})},
        {"2 tirages: second draw, first throw, the first draw's Full below it", secondTirage, {}, 2},
        {"2 tirages: second draw, second throw", secondTirage, {{{0, 3, 4}, {2, 5, 5}}}, 2},
        {"2 tirages: second draw, third throw",
         secondTirage,
         {{{0, 3, 4}, {2, 5, 1}}, {{0, 1, 2, 3, 4}, {1, 1, 3, 4, 6}}},
         2},
    };
    return liste;
}

TEST(Advisor, ExpectationsMatchBruteForce) {
    for (const Position& pos : positions()) {
        SCOPED_TRACE(pos.nom);
        Dés d;
        Partie p(d);
        p.ModeTirage = pos.mode;
        pos.joue(p, d);
        for (const Relance& r : pos.relances) {
            rends(p, r.rendus);
            jette(p, d, r.faces);
        }
        ASSERT_GE(p.NuméroJet, 1);
        const Conseil c = Conseille(p);
        ASSERT_TRUE(c.àConseiller);
        ForceBrute force(p, d);

        // Placing now: the same value, and the cell named takes the dice.
        const auto maintenant = force.placeMaintenant();
        ASSERT_EQ(c.caseMaintenant >= 0, maintenant.has_value());
        if (maintenant) {
            EXPECT_NEAR(c.valeurMaintenant, *maintenant, 1e-9);
            Partie essai = p;
            essai.ClicCase(c.caseMaintenant);
            EXPECT_EQ(essai.CaseAnnulable, c.caseMaintenant);
            EXPECT_EQ(essai.Points, c.pointsMaintenant);
        }
        if (force.plancher() > -1e17) {
            ASSERT_TRUE(c.valeurPremierTirage.has_value());
            EXPECT_NEAR(*c.valeurPremierTirage, force.plancher(), 1e-9);
        }
        if (p.NuméroJet == 3) {
            EXPECT_FALSE(c.peutRelancer);
            continue;
        }

        // Every keep the advisor lists, and the best of all 32.
        ASSERT_TRUE(c.peutRelancer);
        for (const Garde& g : c.gardes) {
            const auto e = force.espérance(g.positions);
            ASSERT_TRUE(e.has_value());
            EXPECT_NEAR(g.espérance, *e, 1e-9) << g.relancés << " dice thrown again";
        }
        double meilleure = -1e18;
        int listées = 0;
        for (int m = 0; m < 32; ++m) {
            std::array<bool, 5> g{};
            for (int i = 0; i < 5; ++i) g[Partie::at(i)] = (m >> i) & 1;
            if (const auto e = force.espérance(g)) {
                meilleure = std::max(meilleure, *e);
                ++listées;
            }
        }
        EXPECT_NEAR(c.garde.espérance, meilleure, 1e-9);
        EXPECT_EQ(c.gardes.front().espérance, c.garde.espérance);
        EXPECT_LE(static_cast<int>(c.gardes.size()), listées);
        // The keep goes by the announcement it needs.
        if (c.garde.annonce >= 0) {
            Partie essai = p;
            essai.ClicCase(c.garde.annonce);
            EXPECT_EQ(essai.CaseAnnoncée, c.garde.annonce);
        }
    }
}

TEST(Advisor, NothingToAdviseOutsideADraw) {
    Dés d;
    Partie p(d);
    p.ModeTirage = 1;
    EXPECT_FALSE(Conseille(p).àConseiller);  // no throw yet
    jette(p, d, {1, 2, 3, 4, 6});
    EXPECT_TRUE(Conseille(p).àConseiller);
    clique(p, 32);
    const Conseil après = Conseille(p);  // the draw is closed
    EXPECT_FALSE(après.àConseiller);
    EXPECT_EQ(LigneConseil(après), "advice none");
    EXPECT_EQ(TexteConseil(après, p.Dés), " Rien à conseiller : lancez les dés. ");

    // The last turn's Sèche Yam is taken by the game at the first throw.
    Partie fin(d);
    fin.ModeTirage = 1;
    annonceAuto(fin, d);
    unTour(fin, d, sheet::cell(sheet::Annonce, sheet::Yam));
    for (int r = 0; r < 12; ++r) unTour(fin, d, sheet::cell(sheet::Sèche, sheet::kRows[Partie::at(r)]));
    jette(fin, d, {1, 2, 3, 4, 6});
    EXPECT_EQ(fin.NuméroTirage, 65);
    EXPECT_FALSE(Conseille(fin).àConseiller);
}

TEST(Advisor, TextsAndDriverLine) {
    Dés d;
    Partie p(d);
    p.ModeTirage = 1;
    jette(p, d, {5, 2, 5, 5, 1});
    const Conseil c = Conseille(p);
    // Three fives kept, for the Carré of the Libre; the Full of the Sèche is
    // not there, Libre's fives are worth 12 now.
    ASSERT_TRUE(c.peutRelancer);
    EXPECT_EQ(c.garde.positions, (std::array<bool, 5>{true, false, true, true, false}));
    EXPECT_EQ(LigneConseil(c), "advice keep 0 2 3 expect 46.3 cell 42 now 18 cell 43");
    const std::string texte = TexteConseil(c, p.Dés);
    EXPECT_EQ(texte.rfind(" Gardez 5 5 5 : ", 0), 0u) << texte;
    EXPECT_NE(texte.find(" points espérés "), std::string::npos) << texte;
    EXPECT_EQ(texte.find('.', 1), texte.size() - 2) << "a decimal comma: " << texte;

    EXPECT_EQ(NomCase(42), "au Carré de la Libre");
    EXPECT_EQ(NomCase(64), "aux As de l'Annonce");
    EXPECT_EQ(NomCase(60), "à l'Egal de la Sèche");
    EXPECT_EQ(NomCase(8), "à la Suite de la Descente");
}

}  // namespace
}  // namespace dravonelle
