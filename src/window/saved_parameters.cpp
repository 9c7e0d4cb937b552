// The Paramètres button: the set-up of the moment saved in "Commence", so
// that the next start-up begins the same way and OK throws at once. Nothing
// else saves it, not even leaving the game.
#include <string_view>

#include "records/data_files.h"
#include "window/jeu_yam.h"

namespace dravonelle {
namespace {

constexpr const char* kTexteSauvegardés = " Paramètres sauvegardés ";
// Ours: said instead when "Commence" could not be written.
constexpr std::string_view kTexteNonSauvegardés = " Paramètres non sauvegardés : ";

Commence réglagesDuMoment(const JeuYam& j) {
    Commence c;
    c.SansAnimation = j.SansAnimation;
    c.PersonnageDépart = j.PersonnageCourant;
    c.ModeTirage = j.partie.ModeTirage;
    c.SansBulles = j.SansBulles;
    c.SansSons = j.SansSons;
    c.PanneauAffiché = j.Premier.visible();  // the panel's visibility is the first place's
    c.JeuDeDés = j.JeuDeDés;
    c.Verrouillé = j.Verrouillé;
    return c;
}

}  // namespace

void JeuYam::Paramètres_Click() {
    Bruit("Robot3");
    if (Ok.enabled()) Ok.setFocus();
    // The player is told, bubble or not.
    if (ÉcritFichier(kCommenceFile, formatCommence(réglagesDuMoment(*this)))) {
        MessageBulle = kTexteSauvegardés;
    } else {
        MessageBulle = std::string(kTexteNonSauvegardés) + RaisonÉchec + " ";
    }
    Bulle(colors::activeZone);
}

// After a save, or a save refused, the button keeps saying so until another
// zone speaks.
void JeuYam::Paramètres_MouseMove() {
    FermeMenuPersonnages();
    if (SansBulles || MessageBulle == kTexteSauvegardés || MessageBulle.starts_with(kTexteNonSauvegardés)) return;
    MessageBulle = " Sauvegarde des paramètres pour le prochain Démarrage ";
    Bulle(colors::activeZone);
}

}  // namespace dravonelle
