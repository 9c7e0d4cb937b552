// The OK press: refusals, opening a turn, throwing the dice that are not
// kept, and the announced cell played out at the end of its draw.
#include "ui/controls/number_text.h"
#include "ui/jeu_yam.h"

namespace dravonelle {

namespace {
constexpr const char* kEmpty = "   ";
}

void JeuYam::Ok_Click() {
    // A throw never starts while the previous one is still being shown.
    if (platform_.animator.busy()) return;
    // No way of playing yet: nothing could ever be placed for good.
    if (ModeTirage == 0) return Bruit("Bonus");
    if (!Cases(0).enabled()) ArmeFeuille();
    if (RefuseOk()) return Bruit("Bonus");

    if (ChoixValeur29) {
        // Both draws chose Montée's Mini with different points: the player
        // picks one of the two values before anything else.
        Retour.hide();
        if (Cases(29).caption() != kEmpty) {
            Cases(29).setCaption(kEmpty);
            Cases(81).setCaption(plainNumber(PointsTirage1));
            Cases(82).setCaption(plainNumber(PointsTirage2));
            Cases(81).show();
            Cases(82).show();
        }
        if (Cases(81).visible()) Bruit("Bonus");
        return;
    }

    Bruit("Quick");
    if (ChoixBloqué) RègleChoixBloqué();
    if (NuméroJet < 3 && !Lance()) return;
    int sum = 0;
    for (int d : Dés) sum += d;
    TotalDés.setCaption("DES =" + signedNumber(sum));
    ValeurCase();
}

// Once per window: the sheet shows the cells a game starts with.
void JeuYam::ArmeFeuille() {
    for (int k = 0; k <= sheet::kLastSheetCell; ++k) {
        if (k == 0 || (k >= 30 && sheet::isScoringCell(k))) Cases(k).show();
    }
    for (int k = 1; k <= 29; ++k) {
        CaseFermée[static_cast<std::size_t>(k)] = true;
        if (sheet::isScoringCell(k)) Cases(k).hide();
    }
    Cases(0).setEnabled(true);
}

// The states in which OK may not throw; the first draw of a "2 tirages" turn
// is taken here when the second draw was thrown out without a cell.
bool JeuYam::RefuseOk() {
    if (NuméroJet == 0 && PointsTirage2 != -1 && !TourJoué && CaseTirage1 != CaseTirage2) return true;
    if (NuméroJet == 3 && PointsTirage1 != -1 && CaseTirage2 == -1) PrendPremierTirage();
    if (NuméroJet == 3 && PointsTirage1 == -1) return true;
    if (CaseAnnoncée == 0 && NuméroJet == 1 && DerniersCoupsSecs && AnnonceAuto == 0) return true;
    if (CaseAnnoncée == 0 && AnnonceAuto == 0 && NuméroJet >= 1) {
        bool allKept = true;
        for (bool kept : DésGardés) allKept = allKept && kept;
        if (allKept) return true;
    }
    return false;
}

// Steps of one throw; false when the game is over and nothing was thrown.
bool JeuYam::Lance() {
    ++NuméroJet;
    JetDuRésultat = NuméroJet;
    if (ChoixAuto && NuméroJet == 1) ChoixAuto = false;

    const bool secondDraw = CaseTirage1 != -1 && !TourJoué;
    if (NuméroJet == 1 && !secondDraw) {
        if (NuméroTirage < 65) {
            ++NuméroTirage;
            Tirage_No.setCaption(plainNumber(NuméroTirage));
        }
        if (NuméroTirage == 1) {
            if (Premier.visible()) {
                Tirage_No.show();
                TotalDés.show();
            }
            PartieEnCours = true;
        }
        CarréSec = YamSec = 0;
        if (TourJoué) {
            TourJoué = false;
            CaseTirage1 = CaseTirage2 = PointsTirage1 = PointsTirage2 = -1;
            FigureTirage1.clear();
            FigureTirage2.clear();
        }
    }
    if (!Ok.enabled()) {
        // The game is over: the dice can no longer be chosen.
        for (int i = 0; i < 5; ++i) {
            ChoixDés(i).setEnabled(false);
            Choixdés2(i).setEnabled(false);
        }
        return false;
    }
    Ok.setCaption("  " + plainNumber(NuméroJet) + "  ");
    for (int i = 0; i < 5; ++i) LanceDé(i);

    if (NuméroTirage >= 39 && NuméroJet == 1 && !DerniersCoupsSecs) DerniersCoups();
    if (NuméroTirage > 26) SeulCoup();
    if (NuméroJet == 2 && CaseAnnoncée == 0 && !ChoixAuto) {
        // Sèche and Annonce take only the first throw of a draw.
        for (int k = 48; k <= 78; ++k) {
            if (!CaseFermée[static_cast<std::size_t>(k)] && k != CaseTirage1) Cases(k).hide();
        }
    }
    if (CaseAnnoncée > 63) PlaceAnnonce();
    return true;
}

void JeuYam::LanceDé(int i) {
    const auto d = static_cast<std::size_t>(i);
    if (!DésGardés[d]) {
        DésGardés[d] = true;
        const DateTime t = platform_.clock.now();
        platform_.dice.reseed(static_cast<float>(t.hour * 3600 + t.minute * 60 + t.second));
        const int face = static_cast<int>(platform_.dice.next() * 6) + 1;
        Dés[d] = face;
        for (ControlArray* column : {&Stats2, &Stats3}) {
            Control& counter = (*column)(face - 1);
            counter.setCaption(plainNumber(counter.number() + 1));
        }
        NégocieDés(i).show();
        FeuxDés(i).copyPicture(FeuxDés(6));
        NégocieDés(i).copyPicture(GrosDé(face));
        if (!SansAnimation) platform_.animator.animate(NégocieDés(i).id(), Animation::Grow);
        NégocieDés2(i).copyPicture(PetitDé(face));
        NégocieDés2(i).show();
    }
    if (NuméroJet == 1) {
        FeuxDés(i).show();
        if (!Lettres(0).visible()) {
            for (int l = 0; l < 10; ++l) Lettres(l).show();
        }
        if (DernièreCase == 11 || DernièreCase == 12 || DernièreCase == 29) Zéro.hide();
        Retour.hide();
    }
    if (NuméroJet == 3) {
        FeuxDés(i).hide();
        DésGardés[d] = false;
        if (Lettres(0).visible()) {
            for (int l = 0; l < 10; ++l) Lettres(l).hide();
        }
    }
}

// The announced Annonce cell follows the dice of its draw and takes them
// when the draw ends.
void JeuYam::PlaceAnnonce() {
    Control& cell = Cases(CaseAnnoncée);
    if (NuméroJet == 2) {
        Retour.hide();
        cell.setHighlight(true);
        cell.setForecolor(colors::blue);
    }
    if (NuméroJet == 3) {
        cell.setHighlight(false);
        cell.setForecolor(ModeTirage == 2 ? colors::red : colors::black);
    }
    CaseÉvaluée = CaseAnnoncée;
    ValeurCase();
    DernièreCase = CaseAnnulable;
    if (ModeTirage == 2 && NuméroJet == 3) RègleAnnonceDeuxTirages();
    AfficheRésultat();
    CaseÉvaluée = -1;
    if (NuméroJet == 3) {
        CaseAnnoncée = 0;
        Ok.setCaption(" OK ");
        if (ModeTirage == 1) {
            DernièreCase = CaseAnnulable;
            Tbt();
            StatsEtIndex();
        }
        NuméroJet = 0;
        if (!SansBulles) CachePointeurs();
    }
}

void JeuYam::CachePointeurs() {
    for (int i = 0; i <= 19; ++i) {
        if (Control* mark = Pointeur.find(i)) mark->hide();
    }
}

}  // namespace dravonelle
