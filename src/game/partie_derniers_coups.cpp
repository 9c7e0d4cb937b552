// The last turns: the cells the game fills by itself once a column can only
// be played one way, and the last Sèche and Annonce cells.
#include "game/partie.h"

namespace dravonelle {

// Libre is full: its numbers totalled and its figures written.
bool Partie::LibreComplète() const {
    if (Totaux[3 * sheet::Libre] == kVide) return false;
    for (int k = sheet::cell(sheet::Libre, sheet::Suite); k <= sheet::cell(sheet::Libre, sheet::Yam); ++k) {
        if (!CaseFermée[at(k)]) return false;
    }
    return true;
}

void Partie::DerniersCoups() {
    if (LibreComplète() && Remplie(sheet::cell(sheet::Descente, sheet::Yam)) &&
        Remplie(sheet::cell(sheet::Montée, 0))) {
        DerniersCoupsSecs = true;
    }
}

void Partie::ChoisitAuto(int k) {
    CaseChoisie = CaseÉvaluée = k;
    ChoixAuto = true;
    AfficheCases();
}

// The choices that the last turns leave to the game alone.
void Partie::SeulCoup() {
    if (!DerniersCoupsSecs && NuméroJet == 3 && CaseAnnoncée == 0) ColonneSeule();
    if (!DerniersCoupsSecs) return;
    if (NuméroJet == 1) {
        AnnonceDesDerniersCoups();
    } else if (NuméroJet == 2 && AnnonceAuto != 0) {
        CaseChoisie = AnnonceAuto;
        AfficheCases();
    }
}

// Descente ends on its Yam and Montée on its ones: with Libre full, the
// column whose other end is written is played out by the game, and so is
// Libre's last open cell once both ends are written.
void Partie::ColonneSeule() {
    auto ouverte = [this](int k) { return !CaseFermée[at(k)]; };
    const int finDescente = sheet::cell(sheet::Descente, sheet::Yam);
    const int finMontée = sheet::cell(sheet::Montée, 0);
    if (LibreComplète()) {
        if (Remplie(finDescente) && !TourJoué) {
            for (int k = kMiniMontée + 1; k >= 16; --k) {
                if (k != 22 && k != 23 && sheet::isScoringCell(k) && ouverte(k)) {
                    ChoisitAuto(k);
                    break;
                }
            }
        }
        if (Remplie(finMontée) && !TourJoué) {
            for (int k = 0; k <= finDescente; ++k) {
                if (sheet::isScoringCell(k) && ouverte(k)) {
                    ChoisitAuto(k);
                    break;
                }
            }
        }
    }
    if (Remplie(finDescente) && Remplie(finMontée) && !TourJoué) {
        int seule = -1, ouvertes = 0;
        for (int r : sheet::kRows) {
            if (ouverte(sheet::cell(sheet::Libre, r))) {
                seule = sheet::cell(sheet::Libre, r);
                ++ouvertes;
            }
        }
        if (ouvertes == 1) ChoisitAuto(seule);
    }
}

// The last turns in Sèche and Annonce: the last Sèche cell is taken at the
// last turn's first throw, and the last Annonce cell is announced by itself.
void Partie::AnnonceDesDerniersCoups() {
    AnnonceAuto = 0;
    int fermées = 0, annonceOuverte = 0;
    for (int r : sheet::kRows) {
        if (!CaseFermée[at(sheet::cell(sheet::Annonce, r))]) {
            annonceOuverte = sheet::cell(sheet::Annonce, r);
        } else {
            ++fermées;
        }
    }
    if (NuméroTirage == kDernierTirage && fermées == 13) {
        for (int r : sheet::kRows) {
            if (!CaseFermée[at(sheet::cell(sheet::Sèche, r))]) {
                ChoisitAuto(sheet::cell(sheet::Sèche, r));
                break;
            }
        }
    }
    if (fermées == 12) {
        AnnonceAuto = annonceOuverte;
        ChoixAuto = true;
    }
}

}  // namespace dravonelle
