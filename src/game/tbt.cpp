// Tbt: the running totals after each result made definitive.
#include "game/totals.h"
#include "ui/controls/number_text.h"
#include "ui/jeu_yam.h"

namespace dravonelle {

void JeuYam::Tbt() {
    const int c = sheet::column(DernièreCase);
    const int s = sheet::row(DernièreCase);
    if (c < 0 || c >= sheet::kColumns) return;
    Control& columnTotal = Totaux(3 * c + 2);
    Control& grandTotal = Totaux(15);
    int added = 0;
    if (sheet::isNumberRow(s)) {
        // The numbers part counts only once its sixth cell is written, and
        // then all at once.
        SommeChiffres = 0;
        for (int r = 0; r <= 5; ++r) {
            if (CaseVide(sheet::cell(c, r))) return;
            SommeChiffres += Cases(sheet::cell(c, r)).number();
        }
        const NumbersTotal t = numbersTotal(SommeChiffres);
        Totaux(3 * c).setCaption(plainNumber(t.total));
        Totaux(3 * c + 1).setCaption(plainNumber(t.bonus));
        added = t.total + t.bonus;
    } else if (sheet::isFigureRow(s)) {
        added = Points;
    } else {
        return;
    }
    columnTotal.setCaption(plainNumber(columnTotal.number() + added));
    grandTotal.setCaption(plainNumber(grandTotal.number() + added));
}

}  // namespace dravonelle
