// The figure counters of a placed turn, in both columns of the statistics
// table: this game's, and since the data files were created.
#include "ui/controls/number_text.h"
#include "ui/jeu_yam.h"

namespace dravonelle {

void JeuYam::Compte(int row) {
    for (ControlArray* column : {&Stats2, &Stats3}) {
        Control& counter = (*column)(row);
        counter.setCaption(plainNumber(counter.number() + 1));
    }
}

void JeuYam::StatsEtIndex() {
    QuelBruit();
    if (!SansSons) Jouebruit();
    Bruit("Clic");

    const int s = DernièreCase;
    const int c = sheet::column(s);
    if (s > 16 * c + 5 && s < 16 * c + 15) {
        const std::string& text = Cases(s).caption();
        if (text == "XXX" || text == "0") Compte(6);
    }
    // A Yam counts as a Full, a Carré and a Yam; a figure of the first throw
    // counts apart.
    const char f = TotalFigure.caption().empty() ? ' ' : TotalFigure.caption()[0];
    if (f == 'Y' || f == 'F') Compte(7);
    if (f == 'Y' || f == 'C') Compte(CarréSec != 0 ? 10 : 8);
    if (f == 'Y') Compte(YamSec != 0 ? 11 : 9);
    FermeCase();
}

}  // namespace dravonelle
