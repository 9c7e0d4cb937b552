// The yellow panel: "revenir en arrière". One level only: it takes back the
// last cell chosen, its totals, its counters and the cell its column opened,
// and puts the dice back on the table, held, at the throw of the choice.
#include "game/partie.h"

#include "rules/column_order.h"

namespace dravonelle {

void Partie::Retour() {
    const int c = CaseAnnulable;
    if (c < 0) return;
    if (!SansRepères) CachePointeurs();
    RetrouveCasesDuJet();
    ChoixValeur29 = false;
    ChoixBloqué = false;
    // In "2 tirages" a provisional choice wrote nothing for good.
    if (ModeTirage == 1 || TourJoué) DéfaitPlacement(c);
    if (CaseAnnoncée == 0) RemetDés();
    if (JetDuRésultat == 1 && c > kLimiteAnnonce) CaseAnnoncée = 0;
    if (c < kLimiteAnnonce) RouvreJet();
    Feuille[at(c)] = kVide;
    if (c == kMaxiDescente || c == kEgalDescente || c == kMiniMontée) ZéroOffert = false;
    RetourOffert = false;
    NuméroJet = JetDuRésultat;
    if (ModeTirage == 2 && CaseTirage1 != -1) OublieDernierTirage();
    Pourcentage();
    écouteur_.bruit("Beepbeep");
}

// The open cells look again as they did at the throw of the choice: all of
// them after a first throw (an announcement had hidden the others), and
// without Sèche and Annonce after a later one.
void Partie::RetrouveCasesDuJet() {
    for (int k = 0; k <= kDernièreAnnonce; ++k) {
        if (CaseFermée[at(k)] || !CaseVide(k)) continue;
        if (JetDuRésultat == 1) CaseMontrée[at(k)] = true;
        if (JetDuRésultat >= 2 && k >= kPremièreSèche) CaseMontrée[at(k)] = false;
    }
}

// A placed result comes off the sheet: its counters, the cell its column
// opened, and what it added to the totals. An announced cell has placed
// nothing yet.
void Partie::DéfaitPlacement(int c) {
    if (c < kLimiteAnnonce) {
        DécompteFigures(c);
        const int ouverte = nextCell(c);
        if (ouverte >= 0) {
            CaseFermée[at(ouverte)] = true;
            CaseMontrée[at(ouverte)] = false;
        }
        RetireDesTotaux(c);
    }
    CaseFermée[at(c)] = false;
}

// The counters that StatsEtIndex raised for this result, read the same way.
void Partie::DécompteFigures(int c) {
    if (sheet::isFigureRow(sheet::row(c)) && (Feuille[at(c)] == kCroix || Feuille[at(c)] == 0)) Compte(6, -1);
    const char f = Figure.empty() ? ' ' : Figure[0];
    if (f == 'Y' || f == 'F') Compte(7, -1);
    if (f == 'Y' || f == 'C') Compte(CarréSec != 0 ? 10 : 8, -1);
    if (f == 'Y') Compte(YamSec != 0 ? 11 : 9, -1);
}

// A crossed cell has already given its points back. A number cell counts
// only as the sixth of its column, through the column's TOTAL and BONUS.
void Partie::RetireDesTotaux(int c) {
    if (Feuille[at(c)] == kCroix) return;
    const int k = sheet::column(c);
    int retiré = 0;
    if (sheet::isNumberRow(sheet::row(c))) {
        auto& total = Totaux[at(3 * k)];
        auto& bonus = Totaux[at(3 * k + 1)];
        if (total == kVide) return;
        retiré = valeur(total) + valeur(bonus);
        total = bonus = kVide;
    } else if (sheet::isFigureRow(sheet::row(c))) {
        retiré = Points;
    } else {
        return;
    }
    for (int somme : {3 * k + 2, 15}) Totaux[at(somme)] = valeur(Totaux[at(somme)]) - retiré;
}

// The dice of the choice come back, all held.
void Partie::RemetDés() {
    for (std::size_t d = 0; d < 5; ++d) {
        DésGardés[d] = true;
        ++ImageDé[d];
        DéMontré[d] = true;
    }
}

// The draw is open again at its throw; after the third nothing can be
// thrown, so the dice cannot be taken either.
void Partie::RouvreJet() {
    JetAffiché = JetDuRésultat;
    if (JetDuRésultat != 3) {
        FeuMontré.fill(true);
        LettresMontrées = true;
    } else {
        DéActif.fill(false);
    }
}

// "2 tirages": the undone draw leaves the record of the turn. When both draws
// chose the same cell, the cell shows the first draw's result again.
void Partie::OublieDernierTirage() {
    if (CaseTirage2 == -1) {
        CaseTirage1 = PointsTirage1 = -1;
        FigureTirage1.clear();
        return;
    }
    if (CaseTirage1 == CaseTirage2) {
        CaseSurlignée[at(CaseTirage1)] = false;
        EncreCase[at(CaseTirage1)] = Encre::Rouge;
        DernièreCase = CaseTirage1;
        Points = PointsTirage1;
        AfficheRésultat();
    }
    CaseTirage2 = PointsTirage2 = -1;
    FigureTirage2.clear();
}

}  // namespace dravonelle
