// The start-up of the window: the saved set-up restored, in an order where
// each step reads what the earlier ones set.
#include "window/counter_labels.h"
#include "records/data_files.h"
#include "records/safe_file.h"
#include "window/jeu_yam.h"
#include "window/window_layout.h"

namespace dravonelle {

void JeuYam::Form_Load() {
    // A screen too small for the window is switched first, with the player's
    // consent; nothing else happens until then.
    if (!DemandeResolution()) return;
    Démarre();
}

void JeuYam::Démarre() {
    model_.at(kWindowFormName).setWidth(15360);
    model_.at(kWindowFormName).setHeight(11520);
    AffichePublicités();

    // One copy of the game per folder: a second one would overwrite the
    // first one's records with its own stale images of them.
    auto lock = std::make_shared<SingleCopyLock>(platform_.files.folder());
    if (lock->heldElsewhere()) {
        seuleCopie_ = false;
        platform_.dialogs.tell(" Dravonelle est déjà ouvert dans ce dossier. ", "Dravonelle");
        Termine();
        return;
    }
    verrouDossier_ = lock;
    // A folder where no lock file can be made, or that cannot be written:
    // the game is played all the same, and the player is told once, below.
    const bool dossierFermé = !lock->held() || !canWriteIn(platform_.files.folder());
    removeStaleTemporaries(platform_.files.folder());
    model_.at("Halte").hide();
    model_.at("Halte").show();

    const Commence saved = Lit(kCommenceFile, formatCommence(Commence{}), parseCommence);
    SansAnimation = saved.SansAnimation;
    PersonnageDépart = saved.PersonnageDépart;
    partie.ModeTirage = saved.ModeTirage;
    SansBulles = partie.SansRepères = saved.SansBulles;
    SansSons = saved.SansSons;
    PanneauAffiché = saved.PanneauAffiché;
    JeuDeDés = saved.JeuDeDés;
    Verrouillé = saved.Verrouillé;

    model_.at("Animation").copyPicture(model_.at(SansAnimation ? "NoAnimeImage" : "AnimeImage"));
    if (Verrouillé) model_.at("Verrou").copyPicture(FeuxDés(6));
    if (NomsPersonnages[1].empty()) LitNoms();
    Personnages(0).copyPicture(Personnages(PersonnageDépart));
    if (PersonnageDépart != 0) {
        Nom.setCaption(NomsPersonnages[static_cast<std::size_t>(PersonnageDépart)]);
        PersonnageCourant = DernierSurvolé = PersonnageDépart;
        if (partie.ModeTirage != 0) Nouveau();
    }
    if (partie.ModeTirage == 1 || partie.ModeTirage == 2) {
        Control& chosen = partie.ModeTirage == 1 ? Coup1 : Coup2;
        Control& other = partie.ModeTirage == 1 ? Coup2 : Coup1;
        chosen.setValue(1);
        chosen.setForecolor(colors::red);
        other.setValue(0);
        other.setForecolor(colors::black);
    }
    if (partie.ModeTirage != 0) {
        InitScores();
        if (PersonnageDépart != 0) {
            PartiesIndividuellesJouées.show();
            PartiesIndividuellesJouées.setCaption(
                textePartiesIndividuellesJouées(TerminéesPar[static_cast<std::size_t>(PersonnageDépart)]));
            AbandonPartie();
        }
    }
    if (SansSons) model_.at("Sons").copyPicture(model_.at("NoSonsImges"));
    if (SansBulles) model_.at("Aides").copyPicture(model_.at("NoInfosImage"));
    if (PanneauAffiché) {
        Premier.hide();
        AfficheScore();
    }
    if (JeuDeDés != 0) model_.at("MenuDés", 0).copyPicture(model_.at("DésImage", JeuDeDés));
    ConstruitRègles();
    PageRègles = 1;
    if (Ok.enabled()) Ok.setFocus();
    if (dossierFermé) {
        MessageBulle = " Le dossier des sauvegardes ne peut pas être écrit : rien ne sera gardé de cette séance ";
        Bulle(colors::passiveZone);
        platform_.files.warn("le dossier " + platform_.files.folder().string() +
                             " ne peut pas être créé ou écrit ; scores, compteurs et paramètres ne seront pas "
                             "sauvegardés");
    }
}

}  // namespace dravonelle
