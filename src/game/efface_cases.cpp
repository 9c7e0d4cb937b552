// EffaceCases: the pointer left the sheet, so the previewed cell loses its
// would-be points and the frames that marked its row and column.
#include "game/sheet_index.h"
#include "ui/controls/number_text.h"
#include "ui/jeu_yam.h"

namespace dravonelle {

void JeuYam::EffaceCases() {
    if (CaseÉvaluée >= 0) {
        if (!SansBulles) CachePointeurs();
        Control& cellule = Cases(CaseÉvaluée);
        cellule.setCaption("   ");
        cellule.setHighlight(false);
        // During the second draw the first draw's cell shows its provisional
        // value again, in red; a figure worth nothing is crossed.
        if (ModeTirage == 2 && CaseTirage2 == -1 && CaseÉvaluée == CaseTirage1) {
            cellule.setForecolor(colors::red);
            const bool croix = PointsTirage1 == 0 && sheet::isFigureRow(sheet::row(CaseTirage1));
            cellule.setCaption(croix ? "XXX" : plainNumber(PointsTirage1));
        }
    }
    CaseÉvaluée = -1;
}

}  // namespace dravonelle
