// A new game, and the window clock.
#include "ui/controls/number_text.h"
#include "ui/jeu_yam.h"

namespace dravonelle {

void JeuYam::Nouveau() {
    for (int i = 0; i < 5; ++i) {
        ChoixDés(i).setEnabled(true);
        Choixdés2(i).setEnabled(true);
    }
    if (ChoixValeur29) {
        ChoixValeur29 = false;
        for (int b : {81, 82}) {
            Cases(b).setCaption("   ");
            Cases(b).hide();
        }
    }
    if (JeuDeDés == 0) JeuDeDés = 1;
    if (PartieEnCours) Bruit("Bonsai");
    PartieEnCours = ChoixBloqué = false;
    AnnonceAuto = 0;
    CaseTirage1 = CaseTirage2 = PointsTirage1 = PointsTirage2 = -1;
    FigureTirage1.clear();
    FigureTirage2.clear();
    TourJoué = false;
    TotalDés.setCaption("");
    for (int r = 0; r <= 11; ++r) Stats2(r).setCaption("0");
    TotalFigure.hide();
    Ok.setEnabled(true);
    Ok.setCaption(" OK ");
    NuméroJet = 0;
    if (!SansBulles) CachePointeurs();
    Pourcentage();
    NuméroTirage = 0;
    Tirage_No.setCaption("  ");
    CaseAnnoncée = 0;
    DerniersCoupsSecs = false;
    CaseÉvaluée = -1;
    RemiseÀZéroFeuille();
    RangeLesDés();
    Zéro.hide();
    Retour.hide();
}

void JeuYam::Timer1_Timer() {
    static const char* const lower[] = {"lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"};
    static const char* const upper[] = {"LUNDI", "MARDI", "MERCREDI", "JEUDI", "VENDREDI", "SAMEDI", "DIMANCHE"};
    const std::string today = platform_.clock.weekdayName();
    std::string day;
    for (int i = 0; i < 7; ++i) {
        if (today == lower[i]) day = upper[i];
    }
    Jour.setCaption(day);
    const DateTime t = platform_.clock.now();
    char date[16];
    std::snprintf(date, sizeof date, "%02d/%02d/%04d", t.day % 100, t.month % 100, t.year % 10000);
    LaDate.setCaption(date);
    Heure.setCaption(platform_.clock.timeText());
}

}  // namespace dravonelle
