// Sound effects: the one way every caller plays one. The effect that follows
// a written cell is chosen by the game (Partie::QuelBruit).
#include "window/jeu_yam.h"

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

}  // namespace dravonelle
