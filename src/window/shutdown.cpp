// Leaving the game: the Halte button's question, or the window closed.
#include "window/jeu_yam.h"

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
    if (!Nom.caption().empty() && partie.PartieEnCours) {
        // The game under way is lost: counted as abandoned, and the counters
        // of what it had seen are kept.
        Abandonne(partie.ModeTirage);
        ÉcritInfos();
    }
    Termine();
}

void JeuYam::Termine() {
    modeEcran_.RestaureModeEcran();
    platform_.process.exit();
}

// A signal asks the program to end as the system asks a window to close.
void JeuYam::FinParSignal() {
    if (consentementAttendu()) return platform_.process.exit();  // nothing changed yet
    Form_QueryUnload();
}

void JeuYam::Halte_MouseMove() {
    if (SansBulles) return;
    MessageBulle = Verrouillé ? " Fin (Vérouillé). Pour déverrouiller cet outil, cliquez sur le feu rouge "
                              : " Fin ";
    Bulle(colors::activeZone);
}

}  // namespace dravonelle
