// The sheet: valuing a cell, the preview under the pointer, placing a result,
// the totals and counters it moves, the closing step and the cross. The two
// draws of "2 tirages" and the last turns have files of their own.
#include "game/partie.h"

#include <limits>
#include <type_traits>

#include "rules/cell_value.h"
#include "rules/column_order.h"
#include "rules/preview_text.h"
#include "rules/totals.h"

namespace dravonelle {

int Partie::ValeurCase(int k) {
    CellQuery query;
    query.cell = k;
    query.turn = NuméroTirage;
    if (sheet::isScoringCell(k)) {
        const int c = sheet::column(k);
        for (int i = 0; i < 3; ++i) {
            const int voisine = sheet::cell(c, sheet::Maxi + i);
            query.maxiEgalMini[at(i)] = {CaseFermée[at(voisine)], Valeur(voisine)};
        }
    }
    const CellValue v = valueCell(Dés, query);
    Points = v.points;
    DésTriés = v.sorted;
    Figure = v.figure;
    // A figure made at the first throw counts apart in the statistics; 2 when
    // it belongs to the second draw of a turn.
    if (JetDuRésultat == 1) {
        const int premierJet = CaseTirage2 != -1 ? 2 : 1;
        if (v.carré) CarréSec = premierJet;
        if (v.yam) YamSec = premierJet;
    }
    écouteur_.figureÉvaluée();
    Pourcentage();
    if (NuméroJet != 0) {
        MessageCase = phraseCase(Points, k);
        if (!SansRepères && sheet::isScoringCell(k)) {
            Pointeurs[at(sheet::column(k))] = true;
            Pointeurs[at(5 + sheet::row(k))] = true;
        }
    }
    return Points;
}

// Nothing is previewed while an announced cell waits for its dice: only that
// cell can take them.
void Partie::SurvolCase(int k) {
    if (k == CaseÉvaluée || NuméroJet <= 0) return;
    EffaceCases();
    if (CaseFermée[at(k)] || CaseAnnoncée != 0) return;
    CaseÉvaluée = k;
    CaseSurlignée[at(k)] = true;
    EncreCase[at(k)] = Encre::Bleue;
    ValeurCase(k);
    const bool croix = Points == 0 && sheet::isFigureRow(sheet::row(k));
    Feuille[at(k)] = croix ? kCroix : Points;
}

void Partie::EffaceCases() {
    if (CaseÉvaluée >= 0) {
        if (!SansRepères) CachePointeurs();
        const auto e = at(CaseÉvaluée);
        CaseSurlignée[e] = false;
        // A cell written since its preview keeps its result: in "2 tirages",
        // OK by Space or Return takes the first draw's cell while the pointer
        // has not left it.
        if (CaseFermée[e]) {
            CaseÉvaluée = -1;
            return;
        }
        Feuille[e] = kVide;
        // During the second draw the first draw's cell shows its provisional
        // value again, in red; a figure worth nothing is crossed.
        if (ModeTirage == 2 && CaseTirage2 == -1 && CaseÉvaluée == CaseTirage1) {
            EncreCase[e] = Encre::Rouge;
            const bool croix = PointsTirage1 == 0 && sheet::isFigureRow(sheet::row(CaseTirage1));
            Feuille[e] = croix ? kCroix : PointsTirage1;
        }
    }
    CaseÉvaluée = -1;
}

void Partie::ClicCase(int k) {
    if (FiltreClic(k)) {
        CaseChoisie = k;
        AfficheCases();
    }
}

bool Partie::FiltreClic(int k) {
    if (!CaseFermée[at(k)] && !ChoixAuto) return true;
    if (ChoixAuto && !DerniersCoupsSecs) return true;
    if (sheet::isSèche(k) && ChoixAuto && NuméroTirage < kDernierTirage) return true;
    return k >= kPremièreAnnonce && ChoixAuto && CaseTirage2 != -1 && NuméroJet == 0;
}

void Partie::AfficheCases() {
    const int k = CaseChoisie;
    if (NuméroJet == 1 && sheet::isAnnonce(k) && !ChoixAuto) {
        // An announcement plays out over the draw: the other cells wait.
        for (int c = 0; c <= kDernièreAnnonce; ++c) {
            if (c != k && !CaseFermée[at(c)] && CaseVide(c)) CaseMontrée[at(c)] = false;
        }
    }
    if (ChoixBloqué) return;
    if (ChoixValeur29) {
        if (k == kValeur1 || k == kValeur2) ChoixValeur(k);
        return;
    }
    if (TourJoué) return;
    const bool enCours = NuméroJet == 1 || NuméroJet == 2;
    if (k >= kPremièreAnnonce && k <= 79 && k == CaseTirage2 && enCours) return;
    if (CaseTirage2 >= kPremièreAnnonce && CaseTirage2 <= 79 && k == CaseTirage1 && enCours) return;
    if (CaseTirage1 != -1 && CaseTirage2 != -1) return ChoixFinal();
    if (CaseJouable(k)) PlaceRésultat(k);
}

// Sèche and Annonce take only the first throw, except the Annonce cell that
// the last turns announce by themselves; a closed cell takes nothing, nor
// does any cell between draws or while an announced cell waits.
bool Partie::CaseJouable(int k) const {
    const bool annonceAuto = AnnonceAuto != 0 && k == AnnonceAuto;
    if (NuméroJet > 1 && k >= kPremièreSèche && k <= kDernièreAnnonce && !annonceAuto) return false;
    if (CaseFermée[at(k)]) return false;
    if (NuméroJet <= 0) return false;
    return CaseAnnoncée == 0 || AnnonceAuto > 0;
}

// The dice go to cell k: announced for the rest of the draw, or written now
// (for good in "1 tirage", for this draw in "2 tirages").
void Partie::PlaceRésultat(int k) {
    if (k >= kLimiteAnnonce) {
        CaseAnnoncée = k;
        CaseSurlignée[at(k)] = true;
        EncreCase[at(k)] = Encre::Bleue;
        if (NuméroJet == 1) écouteur_.bruit("Gloup");
    } else {
        FinDuTirage(false);
        CaseSurlignée[at(k)] = false;
        EncreCase[at(k)] = ModeTirage == 2 ? Encre::Rouge : Encre::Noire;
    }

    CaseAnnulable = k;
    // The cell under the pointer is the one valued; a click always comes
    // with the pointer over its cell.
    ValeurCase(k);
    DernièreCase = k;
    if (ModeTirage == 2) NoteTirage(k);
    AfficheRésultat();
    const bool annulable = !ChoixAuto || (!DerniersCoupsSecs && NuméroJet == 1) || sheet::isSèche(k);
    if (NuméroTirage < kDernierTirage && (!TourJoué || ModeTirage == 1) && annulable) RetourOffert = true;
    CaseÉvaluée = -1;
    if (ModeTirage == 1 && CaseAnnoncée == 0) {
        DernièreCase = k;
        Tbt(k);
        StatsEtIndex();
    }
}

void Partie::AfficheRésultat() {
    const int s = DernièreCase;
    if (!sheet::isScoringCell(s)) return;
    const int row = sheet::row(s);
    if (sheet::isNumberRow(row)) Feuille[at(s)] = Points;
    if (sheet::isFigureRow(row)) Feuille[at(s)] = Points != 0 ? Points : kCroix;
    if ((s > kLimiteAnnonce && NuméroJet == 3) || (s < kLimiteAnnonce && NuméroJet == 0) ||
        (s < kLimiteAnnonce && NuméroJet == 3 && CaseTirage2 == -1)) {
        MontreCasesVides();
    }
}

// After an announcement the waiting cells come back.
void Partie::MontreCasesVides() {
    for (int c = 0; c <= kDernièreAnnonce; ++c) {
        if (!CaseFermée[at(c)] && CaseVide(c)) CaseMontrée[at(c)] = true;
    }
}

void Partie::Tbt(int k) {
    const int c = sheet::column(k);
    const int s = sheet::row(k);
    if (c < 0 || c >= sheet::kColumns) return;
    int ajout = 0;
    if (sheet::isNumberRow(s)) {
        // The numbers part counts only once its sixth cell is written, and
        // then all at once.
        SommeChiffres = 0;
        for (int r = 0; r <= 5; ++r) {
            if (CaseVide(sheet::cell(c, r))) return;
            SommeChiffres += Valeur(sheet::cell(c, r));
        }
        const NumbersTotal t = numbersTotal(SommeChiffres);
        Totaux[at(3 * c)] = t.total;
        Totaux[at(3 * c + 1)] = t.bonus;
        ajout = t.total + t.bonus;
    } else if (sheet::isFigureRow(s)) {
        ajout = Points;
    } else {
        return;
    }
    Totaux[at(3 * c + 2)] = valeur(Totaux[at(3 * c + 2)]) + ajout;
    Totaux[15] = valeur(Totaux[15]) + ajout;
}

// Counters stop at the ends of their range: a data file may bring one there.
void Partie::Compte(int row, int delta) {
    auto borne = [delta](auto& n) {
        using N = std::remove_reference_t<decltype(n)>;
        if (delta > 0 ? n < std::numeric_limits<N>::max() : n > std::numeric_limits<N>::min()) n += delta;
    };
    borne(CompteursPartie[at(row)]);
    borne(CompteursCréation[at(row)]);
}

void Partie::StatsEtIndex() {
    écouteur_.bruitDuRésultat(QuelBruit());
    écouteur_.bruit("Clic");

    const int s = DernièreCase;
    const int c = sheet::column(s);
    if (s > 16 * c + 5 && s < 16 * c + 15) {
        if (Feuille[at(s)] == kCroix || Feuille[at(s)] == 0) Compte(6, 1);
    }
    // A Yam counts as a Full, a Carré and a Yam; a figure of the first throw
    // counts apart.
    const char f = Figure.empty() ? ' ' : Figure[0];
    if (f == 'Y' || f == 'F') Compte(7, 1);
    if (f == 'Y' || f == 'C') Compte(CarréSec != 0 ? 10 : 8, 1);
    if (f == 'Y') Compte(YamSec != 0 ? 11 : 9, 1);
    FermeCase(DernièreCase);
}

// The effect that follows a written cell, from its row, its points and the
// figure; null when the last effect is heard again.
const char* Partie::QuelBruit() const {
    const int s = DernièreCase;
    if (!sheet::isScoringCell(s)) return nullptr;
    const int v = Valeur(s);
    const int r = sheet::row(s);
    const char f = Figure.empty() ? ' ' : Figure[0];
    const char* nom = nullptr;
    if (r == 0) {
        if (v < 4) nom = "Ah";
        if (v == 4 && f == 'C') nom = "Ouhouh";
        if (v == 5 && f == 'Y') nom = "Alleluia";
    } else if (r <= 5) {
        const int n = r + 1;
        if (v == -3 * n) nom = "Casse";
        if (v == -2 * n) nom = "Cri";
        if (v == -n) nom = "Aouh";
        if (v == 0) nom = "Ah";
        if (v == n && f == 'C') nom = "Ouhouh";
        if (v == 2 * n && f == 'Y') nom = "Alleluia";
    } else if (r <= 10) {
        nom = v == 0 ? "Feu" : "Alerte";
    } else if (r <= 13) {
        nom = v == 0 ? "Feu" : "Avale";
    } else {
        if (f != 'Y') {
            if (NuméroTirage == kDernierTirage) {
                nom = (f == 'S' || f == 'F' || f == 'C') ? "Ah" : "Avale";
            } else {
                nom = "Feu";
            }
        }
        if (f == 'Y') nom = "Alleluia";
    }
    return nom;
}

// The closing step, after every result made definitive.
void Partie::FermeCase(int s) {
    if (NuméroTirage == kDernierTirage) {
        OkActif = false;
        écouteur_.partieTerminée();
    }
    if (s < 14 || (s >= 17 && s <= 30)) {
        const int suivante = nextCell(s);
        if (suivante >= 0) OuvreCase(suivante);
    }
    if ((s == kMaxiDescente || s == kEgalDescente || s == kMiniMontée) && Points > 0) ZéroOffert = true;
    if (s >= 0 && s < sheet::kCellCount) CaseFermée[at(s)] = true;
}

void Partie::OuvreCase(int k) {
    CaseFermée[at(k)] = false;
    CaseMontrée[at(k)] = true;
}

// The cross: Descente's Maxi or Egal, or Montée's Mini, made worth 0 so that
// it no longer bounds the other two.
void Partie::Zéro() {
    const int c = DernièreCase;
    if (c == kMaxiDescente || c == kEgalDescente || c == kMiniMontée) {
        const int v = Valeur(c);
        auto& colonne = Totaux[at(3 * sheet::column(c) + 2)];
        colonne = valeur(colonne) - v;
        Totaux[15] = valeur(Totaux[15]) - v;
        Feuille[at(c)] = kCroix;
        Compte(6, 1);
    }
    ZéroOffert = false;
    écouteur_.bruit("Feu");
}

}  // namespace dravonelle
