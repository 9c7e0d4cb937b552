// Placing a result: the click on a cell, the writing of its points, the
// closing step after every result made definitive, and the cross tool.
#include "game/column_order.h"
#include "ui/controls/number_text.h"
#include "ui/jeu_yam.h"

namespace dravonelle {

namespace {
constexpr const char* kEmpty = "   ";
}

void JeuYam::Cases_Click(int k) {
    if (FiltreClic(k)) {
        CaseChoisie = k;
        AfficheCases();
    }
    if (Ok.enabled()) Ok.setFocus();
}

bool JeuYam::FiltreClic(int k) {
    if (!CaseFermée[static_cast<std::size_t>(k)] && !ChoixAuto) return true;
    if (ChoixAuto && !DerniersCoupsSecs) return true;
    if (sheet::isSèche(k) && ChoixAuto && NuméroTirage < 65) return true;
    return k >= 64 && ChoixAuto && CaseTirage2 != -1 && NuméroJet == 0;
}

void JeuYam::AfficheCases() {
    const int k = CaseChoisie;
    if (NuméroJet == 1 && sheet::isAnnonce(k) && !ChoixAuto) {
        // An announcement plays out over the draw: the other cells wait.
        for (int c = 0; c <= 78; ++c) {
            if (c != k && !CaseFermée[static_cast<std::size_t>(c)] && CaseVide(c)) Cases(c).hide();
        }
    }
    if (ChoixBloqué) return;
    if (ChoixValeur29) {
        if (k == 81 || k == 82) ChoixValeur(k);
        return;
    }
    if (TourJoué) return;
    const bool midDraw = NuméroJet == 1 || NuméroJet == 2;
    if (k >= 64 && k <= 79 && k == CaseTirage2 && midDraw) return;
    if (CaseTirage2 >= 64 && CaseTirage2 <= 79 && k == CaseTirage1 && midDraw) return;
    if (CaseTirage1 != -1 && CaseTirage2 != -1) return ChoixFinal();

    // Sèche and Annonce take only the first throw, except the Annonce cell
    // that the last turns announce by themselves.
    const bool automaticAnnouncement = AnnonceAuto != 0 && k == AnnonceAuto;
    if (NuméroJet > 1 && k >= 48 && k <= 78 && !automaticAnnouncement) return;
    if (CaseFermée[static_cast<std::size_t>(k)]) return;
    if (NuméroJet <= 0) return;
    if (CaseAnnoncée != 0 && AnnonceAuto <= 0) return;

    if (k >= 63) {
        CaseAnnoncée = k;
        Cases(k).setHighlight(true);
        Cases(k).setForecolor(colors::blue);
        if (NuméroJet == 1) Bruit("Gloup");
    } else {
        FinDuTirage(false);
        Cases(k).setHighlight(false);
        Cases(k).setForecolor(ModeTirage == 2 ? colors::red : colors::black);
    }

    CaseAnnulable = k;
    // The cell under the pointer is the one valued; a click always comes
    // with the pointer over its cell.
    CaseÉvaluée = k;
    ValeurCase();
    DernièreCase = k;
    if (ModeTirage == 2) {
        if (CaseTirage1 == -1) {
            CaseTirage1 = k;
            PointsTirage1 = Points;
            FigureTirage1 = TotalFigure.caption();
        } else if (CaseTirage2 == -1) {
            CaseTirage2 = k;
            PointsTirage2 = Points;
            FigureTirage2 = TotalFigure.caption();
            if (CaseTirage2 < 63 && CaseTirage2 == CaseTirage1) {
                if (k == 29 && PointsTirage1 != PointsTirage2) {
                    ChoixValeur29 = true;
                } else {
                    ChoixBloqué = true;
                }
            }
        }
    }
    AfficheRésultat();
    const bool undoable = !ChoixAuto || (!DerniersCoupsSecs && NuméroJet == 1) || sheet::isSèche(k);
    if (NuméroTirage < 65 && (!TourJoué || ModeTirage == 1) && undoable) Retour.show();
    CaseÉvaluée = -1;
    if (ModeTirage == 1 && CaseAnnoncée == 0) {
        DernièreCase = k;
        Tbt();
        StatsEtIndex();
    }
}

// Every die off the table: no light, no die held, no letter.
void JeuYam::RangeLesDés() {
    for (int i = 0; i < 5; ++i) {
        FeuxDés(i).hide();
        NégocieDés(i).hide();
        NégocieDés2(i).hide();
        DésGardés[static_cast<std::size_t>(i)] = false;
    }
    for (int l = 0; l < 10; ++l) Lettres(l).hide();
}

// The draw is over on the table: lights, held dice, letters, OK.
void JeuYam::FinDuTirage(bool hideUndo) {
    for (int i = 0; i < 5; ++i) {
        FeuxDés(i).hide();
        DésGardés[static_cast<std::size_t>(i)] = false;
        if (!ChoixAuto) {
            NégocieDés(i).hide();
            NégocieDés2(i).hide();
        }
    }
    for (int l = 0; l < 10; ++l) Lettres(l).hide();
    if (hideUndo) Retour.hide();
    Ok.setCaption(" OK ");
    NuméroJet = 0;
    if (!SansBulles) CachePointeurs();
    Pourcentage();
}

// "2 tirages": a click on one of the two cells of the turn keeps its result
// and empties the other.
void JeuYam::ChoixFinal() {
    const int k = CaseChoisie;
    if (k != CaseTirage1 && k != CaseTirage2) return;
    Cases(k).setHighlight(false);
    Cases(k).setForecolor(colors::black);
    const bool first = k == CaseTirage1;
    Points = first ? PointsTirage1 : PointsTirage2;
    TotalFigure.setCaption(first ? FigureTirage1 : FigureTirage2);
    Cases(first ? CaseTirage2 : CaseTirage1).setCaption(kEmpty);
    Cases(k).setCaption(plainNumber(Points));
    DernièreCase = k;
    AfficheRésultat();
    Tbt();
    StatsEtIndex();
    FinDuTirage(true);
    TourJoué = true;
}

// Montée's Mini chosen twice with different points: button 81 or 82 writes
// its value.
void JeuYam::ChoixValeur(int button) {
    const bool first = button == 81;
    const int points = first ? PointsTirage1 : PointsTirage2;
    Cases(29).setCaption(plainNumber(points));
    Points = points;
    TotalFigure.setCaption(first ? FigureTirage1 : FigureTirage2);
    DernièreCase = 29;
    TourJoué = true;
    Cases(29).setForecolor(colors::black);
    Tbt();
    StatsEtIndex();
    AfficheRésultat();
    ChoixValeur29 = false;
    if (Cases(81).visible()) {
        for (int b : {81, 82}) {
            Cases(b).setCaption(kEmpty);
            Cases(b).hide();
        }
    }
}

void JeuYam::AfficheRésultat() {
    const int s = DernièreCase;
    if (!sheet::isScoringCell(s)) return;
    const int row = sheet::row(s);
    if (sheet::isNumberRow(row)) Cases(s).setCaption(plainNumber(Points));
    if (sheet::isFigureRow(row)) Cases(s).setCaption(Points != 0 ? plainNumber(Points) : "XXX");
    if ((s > 63 && NuméroJet == 3) || (s < 63 && NuméroJet == 0) || (s < 63 && NuméroJet == 3 && CaseTirage2 == -1)) {
        MontreCasesVides();
    }
}

// After an announcement the waiting cells come back.
void JeuYam::MontreCasesVides() {
    for (int c = 0; c <= 78; ++c) {
        if (!CaseFermée[static_cast<std::size_t>(c)] && CaseVide(c)) Cases(c).show();
    }
}

// The closing step, after every result made definitive.
void JeuYam::FermeCase() {
    const int s = DernièreCase;
    if (NuméroTirage == 65) {
        Ok.setEnabled(false);
        EnregistreScore();
    }
    if (s < 14 || (s >= 17 && s <= 30)) {
        const int next = nextCell(s);
        if (next >= 0) OuvreCase(next);
    }
    if ((s == 11 || s == 12 || s == 29) && Points > 0) Zéro.show();
    if (s >= 0 && s < sheet::kCellCount) CaseFermée[static_cast<std::size_t>(s)] = true;
}

// The cross: Descente's Maxi or Egal, or Montée's Mini, made worth 0 so that
// it no longer bounds the other two.
void JeuYam::Zéro_Click() {
    const int c = DernièreCase;
    if (c == 11 || c == 12 || c == 29) {
        const int v = Cases(c).number();
        Control& columnTotal = Totaux(3 * sheet::column(c) + 2);
        columnTotal.setCaption(plainNumber(columnTotal.number() - v));
        Totaux(15).setCaption(plainNumber(Totaux(15).number() - v));
        Cases(c).setCaption("XXX");
        Compte(6);
    }
    Zéro.hide();
    Bruit("Feu");
    if (Ok.enabled()) Ok.setFocus();
}

namespace {

bool filled(JeuYam& j, int k) { return j.CaseFermée[static_cast<std::size_t>(k)] && !j.CaseVide(k); }

bool libreComplete(JeuYam& j) {
    if (j.Totaux(6).caption() == kEmpty) return false;
    for (int k = 40; k <= 46; ++k) {
        if (!j.CaseFermée[static_cast<std::size_t>(k)]) return false;
    }
    return true;
}

}  // namespace

void JeuYam::DerniersCoups() {
    if (libreComplete(*this) && filled(*this, 14) && filled(*this, 16)) DerniersCoupsSecs = true;
}

void JeuYam::ChoisitAuto(int cell) {
    CaseChoisie = CaseÉvaluée = cell;
    ChoixAuto = true;
    AfficheCases();
}

// The choices that the last turns leave to the game alone.
void JeuYam::SeulCoup() {
    auto open = [this](int k) { return !CaseFermée[static_cast<std::size_t>(k)]; };
    if (!DerniersCoupsSecs && NuméroJet == 3 && CaseAnnoncée == 0) {
        if (libreComplete(*this)) {
            if (filled(*this, 14) && !TourJoué) {
                for (int k = 30; k >= 16; --k) {
                    if (k != 22 && k != 23 && sheet::isScoringCell(k) && open(k)) {
                        ChoisitAuto(k);
                        break;
                    }
                }
            }
            if (filled(*this, 16) && !TourJoué) {
                for (int k = 0; k <= 14; ++k) {
                    if (sheet::isScoringCell(k) && open(k)) {
                        ChoisitAuto(k);
                        break;
                    }
                }
            }
        }
        if (filled(*this, 14) && filled(*this, 16) && !TourJoué) {
            int openCell = -1, openCount = 0;
            for (int k : sheet::kRows) {
                if (open(32 + k)) {
                    openCell = 32 + k;
                    ++openCount;
                }
            }
            if (openCount == 1) ChoisitAuto(openCell);
        }
    }
    if (!DerniersCoupsSecs) return;
    if (NuméroJet == 1) {
        AnnonceAuto = 0;
        int closed = 0, openAnnonce = 0;
        for (int k : sheet::kRows) {
            if (open(64 + k)) {
                openAnnonce = 64 + k;
            } else {
                ++closed;
            }
        }
        if (NuméroTirage == 65 && closed == 13) {
            for (int k : sheet::kRows) {
                if (open(48 + k)) {
                    ChoisitAuto(48 + k);
                    break;
                }
            }
        }
        if (closed == 12) {
            AnnonceAuto = openAnnonce;
            ChoixAuto = true;
        }
    } else if (NuméroJet == 2 && AnnonceAuto != 0) {
        CaseChoisie = AnnonceAuto;
        AfficheCases();
    }
}

}  // namespace dravonelle
