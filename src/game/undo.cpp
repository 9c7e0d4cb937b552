// The yellow panel: "revenir en arrière". One level only: it takes back the
// last cell chosen, its totals, its counters and the cell its column opened,
// and puts the dice back on the table, held, at the throw of the choice.
#include "game/column_order.h"
#include "ui/controls/number_text.h"
#include "ui/jeu_yam.h"

namespace dravonelle {

namespace {
constexpr const char* kEmpty = "   ";
}

void JeuYam::Retour_Click() {
    const int c = CaseAnnulable;
    if (!SansBulles) CachePointeurs();
    RetrouveCasesDuJet();
    ChoixValeur29 = false;
    ChoixBloqué = false;
    // In "2 tirages" a provisional choice wrote nothing for good.
    if (ModeTirage == 1 || TourJoué) DéfaitPlacement(c);
    if (CaseAnnoncée == 0) RemetDés();
    if (JetDuRésultat == 1 && c > 63) CaseAnnoncée = 0;
    if (c < 63) RouvreJet();
    Cases(c).setCaption(kEmpty);
    if (c == 11 || c == 12 || c == 29) Zéro.hide();
    Retour.hide();
    NuméroJet = JetDuRésultat;
    if (ModeTirage == 2 && CaseTirage1 != -1) OublieDernierTirage();
    Pourcentage();
    Bruit("Beepbeep");
}

// The open cells look again as they did at the throw of the choice: all of
// them after a first throw (an announcement had hidden the others), and
// without Sèche and Annonce after a later one.
void JeuYam::RetrouveCasesDuJet() {
    for (int k = 0; k <= 78; ++k) {
        if (CaseFermée[static_cast<std::size_t>(k)] || !CaseVide(k)) continue;
        Control& cell = Cases(k);
        if (JetDuRésultat == 1 && !cell.visible()) cell.show();
        if (JetDuRésultat >= 2 && k > 47 && cell.visible()) cell.hide();
    }
}

// A placed result comes off the sheet: its counters, the cell its column
// opened, and what it added to the totals. An announced cell has placed
// nothing yet.
void JeuYam::DéfaitPlacement(int c) {
    if (c < 63) {
        DécompteFigures(c);
        const int opened = nextCell(c);
        if (opened >= 0) {
            CaseFermée[static_cast<std::size_t>(opened)] = true;
            Cases(opened).hide();
        }
        RetireDesTotaux(c);
    }
    CaseFermée[static_cast<std::size_t>(c)] = false;
}

// The counters that StatsEtIndex raised for this result, read the same way.
void JeuYam::DécompteFigures(int c) {
    if (sheet::isFigureRow(sheet::row(c))) {
        const std::string& text = Cases(c).caption();
        if (text == "XXX" || text == "0") Décompte(6);
    }
    const char f = TotalFigure.caption().empty() ? ' ' : TotalFigure.caption()[0];
    if (f == 'Y' || f == 'F') Décompte(7);
    if (f == 'Y' || f == 'C') Décompte(CarréSec != 0 ? 10 : 8);
    if (f == 'Y') Décompte(YamSec != 0 ? 11 : 9);
}

void JeuYam::Décompte(int row) {
    for (ControlArray* column : {&Stats2, &Stats3}) {
        Control& counter = (*column)(row);
        counter.setCaption(plainNumber(counter.number() - 1));
    }
}

// A crossed cell has already given its points back. A number cell counts
// only as the sixth of its column, through the column's TOTAL and BONUS.
void JeuYam::RetireDesTotaux(int c) {
    if (Cases(c).caption() == "XXX") return;
    const int k = sheet::column(c);
    int removed = 0;
    if (sheet::isNumberRow(sheet::row(c))) {
        Control& total = Totaux(3 * k);
        Control& bonus = Totaux(3 * k + 1);
        if (total.caption() == kEmpty) return;
        removed = total.number() + bonus.number();
        total.setCaption(kEmpty);
        bonus.setCaption(kEmpty);
    } else if (sheet::isFigureRow(sheet::row(c))) {
        removed = Points;
    } else {
        return;
    }
    for (Control* sum : {&Totaux(3 * k + 2), &Totaux(15)}) {
        sum->setCaption(plainNumber(sum->number() - removed));
    }
}

// The dice of the choice come back, all held.
void JeuYam::RemetDés() {
    for (int i = 0; i < 5; ++i) {
        DésGardés[static_cast<std::size_t>(i)] = true;
        NégocieDés(i).copyPicture(GrosDé(Dés[static_cast<std::size_t>(i)]));
        NégocieDés(i).show();
        NégocieDés2(i).show();
    }
}

// The draw is open again at its throw; after the third nothing can be
// thrown, so the dice cannot be taken either.
void JeuYam::RouvreJet() {
    Ok.setCaption("  " + plainNumber(JetDuRésultat) + "  ");
    if (JetDuRésultat != 3) {
        for (int i = 0; i < 5; ++i) FeuxDés(i).show();
        for (int l = 0; l < 10; ++l) Lettres(l).show();
    } else {
        for (int i = 0; i < 5; ++i) NégocieDés(i).setEnabled(false);
    }
}

// "2 tirages": the undone draw leaves the record of the turn. When both draws
// chose the same cell, the cell shows the first draw's result again.
void JeuYam::OublieDernierTirage() {
    if (CaseTirage2 == -1) {
        CaseTirage1 = PointsTirage1 = -1;
        FigureTirage1.clear();
        return;
    }
    if (CaseTirage1 == CaseTirage2) {
        Control& cell = Cases(CaseTirage1);
        cell.setHighlight(false);
        cell.setForecolor(colors::red);
        DernièreCase = CaseTirage1;
        Points = PointsTirage1;
        AfficheRésultat();
    }
    CaseTirage2 = PointsTirage2 = -1;
    FigureTirage2.clear();
}

}  // namespace dravonelle
