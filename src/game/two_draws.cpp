// "2 tirages": a turn of two draws, each tied to a cell, settled by one of
// them; and the choice of the way of playing.
#include "ui/controls/number_text.h"
#include "ui/jeu_yam.h"

namespace dravonelle {

// The second draw was thrown three times without a cell: OK keeps the first.
void JeuYam::PrendPremierTirage() {
    Cases(CaseTirage1).setForecolor(colors::black);
    Points = PointsTirage1;
    TotalFigure.setCaption(FigureTirage1);
    DernièreCase = CaseTirage1;
    AfficheRésultat();
    Tbt();
    StatsEtIndex();
    RangeLesDés();
    Retour.hide();
    Ok.setCaption(" OK ");
    NuméroJet = 0;
    if (!SansBulles) CachePointeurs();
    TourJoué = true;
}

// Both draws chose the same cell: the better points win, a tie goes to the
// first draw.
void JeuYam::RègleChoixBloqué() {
    ChoixBloqué = false;
    const bool second = PointsTirage1 < PointsTirage2;
    DernièreCase = second ? CaseTirage2 : CaseTirage1;
    Points = second ? PointsTirage2 : PointsTirage1;
    AfficheRésultat();
    TotalFigure.setCaption(second ? FigureTirage2 : FigureTirage1);
    TourJoué = true;
    // The kept cell turns black. The last cell clicked may be another one:
    // a click while the choice is blocked changes nothing but that field.
    Cases(DernièreCase).setForecolor(colors::black);
    Tbt();
    StatsEtIndex();
    AfficheRésultat();
}

// The end of an announced draw in "2 tirages": record it, or settle the turn
// when both draws announced the same cell.
void JeuYam::RègleAnnonceDeuxTirages() {
    if (CaseTirage2 == -1) {
        PointsTirage1 = Points;
        FigureTirage1 = TotalFigure.caption();
        return;
    }
    PointsTirage2 = Points;
    FigureTirage2 = TotalFigure.caption();
    if (CaseTirage1 != CaseTirage2) return;  // the player clicks one of the two
    const bool second = PointsTirage1 < PointsTirage2;
    CaseAnnulable = DernièreCase = second ? CaseTirage2 : CaseTirage1;
    Points = second ? PointsTirage2 : PointsTirage1;
    TotalFigure.setCaption(second ? FigureTirage2 : FigureTirage1);
    AfficheRésultat();
    TourJoué = true;
    Cases(DernièreCase).setForecolor(colors::black);
    Tbt();
    StatsEtIndex();
}

void JeuYam::Coup_Click(int mode) {
    Control& chosen = mode == 1 ? Coup1 : Coup2;
    Control& other = mode == 1 ? Coup2 : Coup1;
    Bruit(Verrouillé || ModeTirage == mode ? "Bonus" : "Robot3");
    if (ModeTirage != mode && !Verrouillé) {
        chosen.setForecolor(colors::red);
        chosen.setValue(1);
        other.setForecolor(colors::black);
        other.setValue(0);
        const int left = ModeTirage;
        ModeTirage = mode;
        if (NomsPersonnages[1].empty()) LitNoms();
        if (!Nom.caption().empty()) {
            // The game of the way being left is charged to that way's file.
            if (PartieEnCours) Abandonne(left);
            if (!Ok.enabled()) Ok.setEnabled(true);
            Nouveau();
        }
        InitScores();
    }
    if (Ok.enabled()) Ok.setFocus();
}

}  // namespace dravonelle
