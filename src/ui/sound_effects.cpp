// Sound effects: the one way every caller plays one, and the comment that
// follows each written cell.
#include <string_view>

#include "ui/jeu_yam.h"

namespace dravonelle {

void JeuYam::Bruit(const char* name) {
    NomBruit = name;
    if (!SansSons) Jouebruit();
}

void JeuYam::Jouebruit() {
    // Only these few may play under what follows them; everything else is
    // heard to its end before the game goes on.
    const bool async = NomBruit == "Moteur" || NomBruit == "Flute" || NomBruit == "Retour";
    platform_.sound.play(NomBruit, !async);
}

void JeuYam::QuelBruit() {
    const int s = DernièreCase;
    if (!sheet::isScoringCell(s)) return;
    const int v = Cases(s).number();
    const int r = sheet::row(s);
    const std::string_view figure = TotalFigure.caption();
    const char f = figure.empty() ? ' ' : figure[0];
    if (r == 0) {
        if (v < 4) NomBruit = "Ah";
        if (v == 4 && f == 'C') NomBruit = "Ouhouh";
        if (v == 5 && f == 'Y') NomBruit = "Alleluia";
    } else if (r <= 5) {
        const int n = r + 1;
        if (v == -3 * n) NomBruit = "Casse";
        if (v == -2 * n) NomBruit = "Cri";
        if (v == -n) NomBruit = "Aouh";
        if (v == 0) NomBruit = "Ah";
        if (v == n && f == 'C') NomBruit = "Ouhouh";
        if (v == 2 * n && f == 'Y') NomBruit = "Alleluia";
    } else if (r <= 10) {
        NomBruit = v == 0 ? "Feu" : "Alerte";
    } else if (r <= 13) {
        NomBruit = v == 0 ? "Feu" : "Avale";
    } else {
        if (f != 'Y') {
            if (NuméroTirage == 65) {
                NomBruit = (f == 'S' || f == 'F' || f == 'C') ? "Ah" : "Avale";
            } else {
                NomBruit = "Feu";
            }
        }
        if (f == 'Y') NomBruit = "Alleluia";
    }
}

}  // namespace dravonelle
