// The bubble over the zones the player clicks to play: OK, the dice and the
// two ways of playing. Yellow, the colour of what can be clicked.
#include "window/bubble_texts.h"
#include "window/guidance_texts.h"
#include "window/jeu_yam.h"

namespace dravonelle {

void JeuYam::Ok_MouseMove() {
    FermeMenuPersonnages();
    if (SansBulles) return;
    MessageBulle = TexteGuidageOk();
    Bulle(colors::activeZone);
}

// Both click zones, over the large and the small pictures, read the large
// one: the two are shown and hidden together while dice can be held.
void JeuYam::ChoixDés_MouseMove(int index, bool /*small*/) {
    FermeMenuPersonnages();
    if (SansBulles || !Ok.enabled()) return;
    if (partie.CaseMontrée[Partie::kValeur1]) {
        MessageBulle = TexteDeuxValeurs();
    } else if (Zéro.visible()) {
        MessageBulle = kTexteCroix;
    } else {
        MessageBulle = texteDé(*this, index);
    }
    Bulle(colors::activeZone);
}

void JeuYam::Coup_MouseMove(int mode) {
    FermeMenuPersonnages();
    if (SansBulles) return;
    MessageBulle = texteCoup(mode, partie.ModeTirage == mode, Verrouillé);
    Bulle(colors::activeZone);
}

}  // namespace dravonelle
