// The score sheet's own operations: the reset for a new game, opening and
// closing cells.
#include "ui/jeu_yam.h"

namespace dravonelle {

namespace {
constexpr const char* kEmpty = "   ";
}

bool JeuYam::CaseVide(int index) { return Cases(index).caption() == kEmpty; }

void JeuYam::OuvreCase(int index) {
    CaseFermée[static_cast<std::size_t>(index)] = false;
    Cases(index).show();
}

void JeuYam::RemiseÀZéroFeuille() {
    // Until the first OK of the window arms the sheet (cell 0 enabled), only
    // the texts and the closed flags are reset; the cells stay as drawn.
    const bool armed = Cases(0).enabled();
    for (int k = 0; k <= sheet::kLastSheetCell; ++k) {
        Control& cell = Cases(k);
        cell.setCaption(kEmpty);
        cell.setForecolor(colors::black);
        cell.setHighlight(false);
        CaseFermée[static_cast<std::size_t>(k)] = false;
        if (armed && (k == 0 || (k >= 30 && sheet::isScoringCell(k)))) cell.show();
    }
    for (int i = 0; i < 15; ++i) Totaux(i).setCaption(i % 3 == 2 ? "0" : kEmpty);
    Totaux(15).setCaption("0");
    for (int k = 1; k <= 29; ++k) {
        CaseFermée[static_cast<std::size_t>(k)] = true;
        if (armed && sheet::isScoringCell(k)) Cases(k).hide();
    }
    for (int k = 0; k <= sheet::kLastSheetCell; ++k) {
        if (sheet::isPlaceholder(k)) CaseFermée[static_cast<std::size_t>(k)] = true;
    }
    CaseTirage1 = CaseTirage2 = PointsTirage1 = PointsTirage2 = -1;
    FigureTirage1.clear();
    FigureTirage2.clear();
    TourJoué = false;
    CaseAnnoncée = 0;
    DerniersCoupsSecs = false;
    ChoixBloqué = false;
    Zéro.hide();
    Retour.hide();
}

}  // namespace dravonelle
