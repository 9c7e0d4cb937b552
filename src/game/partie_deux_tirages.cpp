// "2 tirages": a turn of two draws, each tied to a cell, settled by one of
// them: noting each draw, the final choice, the same cell chosen twice, and
// the first draw kept when the second found no cell.
#include "game/partie.h"

namespace dravonelle {

// "2 tirages": the cell and result of this draw, the first or the second;
// the same cell twice blocks the choice, or asks for one of two values on
// Montée's Mini.
void Partie::NoteTirage(int k) {
    if (CaseTirage1 == -1) {
        CaseTirage1 = k;
        PointsTirage1 = Points;
        FigureTirage1 = Figure;
    } else if (CaseTirage2 == -1) {
        CaseTirage2 = k;
        PointsTirage2 = Points;
        FigureTirage2 = Figure;
        if (CaseTirage2 < kLimiteAnnonce && CaseTirage2 == CaseTirage1) {
            if (k == kMiniMontée && PointsTirage1 != PointsTirage2) {
                ChoixValeur29 = true;
            } else {
                ChoixBloqué = true;
            }
        }
    }
}

// "2 tirages": a click on one of the two cells of the turn keeps its result
// and empties the other.
void Partie::ChoixFinal() {
    const int k = CaseChoisie;
    if (k != CaseTirage1 && k != CaseTirage2) return;
    CaseSurlignée[at(k)] = false;
    EncreCase[at(k)] = Encre::Noire;
    const bool premier = k == CaseTirage1;
    Points = premier ? PointsTirage1 : PointsTirage2;
    Figure = premier ? FigureTirage1 : FigureTirage2;
    Feuille[at(premier ? CaseTirage2 : CaseTirage1)] = kVide;
    Feuille[at(k)] = Points;
    DernièreCase = k;
    AfficheRésultat();
    Tbt(k);
    StatsEtIndex();
    FinDuTirage(true);
    TourJoué = true;
}

// Montée's Mini chosen twice with different points: button 81 or 82 writes
// its value.
void Partie::ChoixValeur(int bouton) {
    const bool premier = bouton == kValeur1;
    const int points = premier ? PointsTirage1 : PointsTirage2;
    Feuille[kMiniMontée] = points;
    Points = points;
    Figure = premier ? FigureTirage1 : FigureTirage2;
    DernièreCase = kMiniMontée;
    TourJoué = true;
    EncreCase[kMiniMontée] = Encre::Noire;
    Tbt(kMiniMontée);
    StatsEtIndex();
    AfficheRésultat();
    ChoixValeur29 = false;
    if (CaseMontrée[kValeur1]) {
        for (int b : {kValeur1, kValeur2}) {
            Feuille[at(b)] = kVide;
            CaseMontrée[at(b)] = false;
        }
    }
}

// The second draw was thrown three times without a cell: OK keeps the first.
void Partie::PrendPremierTirage() {
    EncreCase[at(CaseTirage1)] = Encre::Noire;
    Points = PointsTirage1;  // the turn keeps the first draw
    Figure = FigureTirage1;
    DernièreCase = CaseTirage1;
    AfficheRésultat();
    Tbt(DernièreCase);
    StatsEtIndex();
    RangeLesDés();
    RetourOffert = false;
    JetAffiché = 0;
    NuméroJet = 0;
    if (!SansRepères) CachePointeurs();
    TourJoué = true;
}

// Both draws chose the same cell: the better points win, a tie goes to the
// first draw.
void Partie::RègleChoixBloqué() {
    ChoixBloqué = false;
    const bool second = PointsTirage1 < PointsTirage2;
    DernièreCase = second ? CaseTirage2 : CaseTirage1;
    Points = second ? PointsTirage2 : PointsTirage1;
    AfficheRésultat();
    Figure = second ? FigureTirage2 : FigureTirage1;
    TourJoué = true;
    // The kept cell turns black. The last cell clicked may be another one:
    // a click while the choice is blocked changes nothing but that field.
    EncreCase[at(DernièreCase)] = Encre::Noire;
    Tbt(DernièreCase);
    StatsEtIndex();
    AfficheRésultat();
}

// The end of an announced draw in "2 tirages": record it, or settle the turn
// when both draws announced the same cell.
void Partie::RègleAnnonceDeuxTirages() {
    if (CaseTirage2 == -1) {
        PointsTirage1 = Points;
        FigureTirage1 = Figure;
        return;
    }
    PointsTirage2 = Points;
    FigureTirage2 = Figure;
    if (CaseTirage1 != CaseTirage2) return;  // the player clicks one of the two
    const bool second = PointsTirage1 < PointsTirage2;
    CaseAnnulable = DernièreCase = second ? CaseTirage2 : CaseTirage1;
    Points = second ? PointsTirage2 : PointsTirage1;
    Figure = second ? FigureTirage2 : FigureTirage1;
    AfficheRésultat();
    TourJoué = true;
    EncreCase[at(DernièreCase)] = Encre::Noire;
    Tbt(DernièreCase);
    StatsEtIndex();
}

}  // namespace dravonelle
