// ValeurCase: values CaseÉvaluée for the dice on the table, names their
// figure in TotalFigure, and builds the preview phrase.
#include "game/cell_value.h"
#include "game/preview_text.h"
#include "ui/controls/number_text.h"
#include "ui/jeu_yam.h"

namespace dravonelle {
void JeuYam::ValeurCase() {
    TotalFigure.hide();
    TotalFigure.setCaption("");

    CellQuery query;
    query.cell = CaseÉvaluée;
    query.turn = NuméroTirage;
    if (sheet::isScoringCell(CaseÉvaluée)) {
        const int c = sheet::column(CaseÉvaluée);
        for (int i = 0; i < 3; ++i) {
            const int neighbour = sheet::cell(c, sheet::Maxi + i);
            query.maxiEgalMini[static_cast<std::size_t>(i)] = {CaseFermée[static_cast<std::size_t>(neighbour)],
                                                               Cases(neighbour).number()};
        }
    }
    const CellValue v = valueCell(Dés, query);
    Points = v.points;
    DésTriés = v.sorted;
    TotalFigure.setCaption(v.figure);
    // A figure made at the first throw counts apart in the statistics; 2 when
    // it belongs to the second draw of a turn.
    if (JetDuRésultat == 1) {
        const int firstThrow = CaseTirage2 != -1 ? 2 : 1;
        if (v.carré) CarréSec = firstThrow;
        if (v.yam) YamSec = firstThrow;
    }
    if (Premier.visible() && !v.figure.empty()) TotalFigure.show();
    Pourcentage();

    if (NuméroJet != 0) {
        MessageCase = phraseCase(Points, CaseÉvaluée);
        if (!SansBulles && sheet::isScoringCell(CaseÉvaluée)) {
            Pointeur(sheet::column(CaseÉvaluée)).show();
            Pointeur(5 + sheet::row(CaseÉvaluée)).show();
        }
    }
}

}  // namespace dravonelle
