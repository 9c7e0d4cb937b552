// Leaving the game: the Halte button's question, or the window closed.
#include "ui/jeu_yam.h"

namespace dravonelle {

void JeuYam::Halte_Click() {
    if (Ok.enabled()) Ok.setFocus();
    if (Verrouillé) return Bruit("Bonus");
    Bruit("Robot3");
    if (!platform_.dialogs.askYesNo("        QUITTER DRAVONELLE ?", "Dravonelle")) return;
    Quitte();
}

// Closing the window asks nothing.
void JeuYam::Form_QueryUnload() { Quitte(); }

void JeuYam::Quitte() {
    if (!Nom.caption().empty() && PartieEnCours) {
        // The game under way is lost: counted as abandoned, and the counters
        // of what it had seen are kept.
        Abandonne(ModeTirage);
        ÉcritInfos();
    }
    platform_.process.exit();
}

}  // namespace dravonelle
