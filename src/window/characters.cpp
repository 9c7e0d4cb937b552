// The characters: the menu of the 24 portraits that opens over the first
// place, choosing who plays (a game under way is then lost to the one who was
// playing), and giving the current character a new name.
#include <algorithm>

#include "records/character_name.h"
#include "window/counter_labels.h"
#include "records/data_files.h"
#include "rules/number_text.h"
#include "window/jeu_yam.h"

namespace dravonelle {
namespace {

// Tops in twips. The menu and the first place share the same corner: while
// one is shown the other is parked below the window.
constexpr int kMenuOuvert = 255;
constexpr int kMenuFermé = 12000;
constexpr int kPremierEnPlace = 3210;
constexpr int kPremierÉcarté = 13210;
constexpr int kCapteNomMontré = 2252;
constexpr int kCapteNomRangé = 12252;

constexpr const char* kTexteVerrou = " Pour déverrouiller cet outil, cliquez sur le feu rouge ";
constexpr const char* kTexteLongueurNom = " Veuillez entrer de 3 à 10 lettres S.V.P. ";
// Ours, in the same voice as the length message.
constexpr const char* kTexteGuillemetNom = " Veuillez entrer un nom sans guillemets S.V.P. ";
constexpr const char* kTexteSigneNom = " Veuillez entrer un nom sans émoji ni lettre rare (Ł, Ő…) S.V.P. ";

const char* texteRefus(RefusNom refus) {
    switch (refus) {
        case RefusNom::Longueur:
            return kTexteLongueurNom;
        case RefusNom::Guillemet:
            return kTexteGuillemetNom;
        default:
            return kTexteSigneNom;
    }
}

std::size_t at(int personnage) { return static_cast<std::size_t>(personnage); }

std::string textePortrait(int i, int courant) {
    if (i != 0) return " Personnage No" + signedNumber(i) + " . Cliquez pour le sélectionner ";
    if (courant != 0)
        return " Personnage No" + signedNumber(courant) + " Sélectionné. Cliquez ici pour (re) commencer ";
    return " Personnages ";
}

// Characters 1 and 2 keep their names; so does any character of either
// ranking, whose name the ranking shows; and with no character there is no
// one to rename.
bool nomIntouchable(const JeuYam& j) { return j.PersonnageCourant <= 2; }

bool nomClassé(const JeuYam& j) {
    const auto& c = j.PersonnagesClassés;
    return std::find(c.begin() + 1, c.end(), j.PersonnageCourant) != c.end();
}

void ouvreMenu(JeuYam& j) {
    j.Premier.setTop(kPremierÉcarté);
    j.MenuPersonnages.setTop(kMenuOuvert);
}

// Steps taken once the click is known to change or restart something.
void prendPersonnage(JeuYam& j, int i) {
    if (i == 0) {
        j.Nom.setCaption(j.NomsPersonnages[at(j.PersonnageCourant)]);
    } else {
        j.Nom.setCaption(j.NomsPersonnages[at(i)]);
        j.MessageBulle.clear();
        j.MessagePrécédent.clear();
    }
    if (j.partie.ModeTirage == 0) {
        // No way of playing yet, so nothing is loaded and no game can be
        // lost; but the character shown is the one who will play once a
        // way is chosen, and whose games that one counts.
        if (i != 0) j.PersonnageCourant = i;
        return;
    }
    const bool enCours = j.partie.PartieEnCours;
    if (enCours) j.Abandonne(j.partie.ModeTirage);
    if (j.DernierSurvolé != 0) {
        j.PartiesIndividuellesJouées.show();
        j.PartiesIndividuellesJouées.setCaption(
            textePartiesIndividuellesJouées(j.TerminéesPar[at(j.DernierSurvolé)]));
    }
    if (i != 0) j.PersonnageCourant = i;
    if (i > 0 || enCours) {
        j.AbandonPartie();
        j.partie.OkActif = true;
        j.AfficheJeu();
    }
    if (j.partie.NuméroTirage != 0) j.Nouveau();
}

}  // namespace

void JeuYam::FermeMenuPersonnages() {
    if (MenuPersonnages.top() >= kMenuFermé) return;
    Premier.setTop(kPremierEnPlace);
    MenuPersonnages.setTop(kMenuFermé);
    CliqueNom.hide();
}

// The pointer over the character button (0) or a portrait of the menu.
void JeuYam::Personnages_MouseMove(int i) {
    if (Verrouillé) {
        if (SansBulles) return;
        MessageBulle =
            " Personnage No" + signedNumber(PersonnageCourant) + " Sélectionné (Vérouillé)." + kTexteVerrou;
        return Bulle(colors::activeZone);
    }
    if (MenuPersonnages.top() > 10000) ouvreMenu(*this);
    if (!SansBulles) {
        MessageBulle = textePortrait(i, PersonnageCourant);
        Bulle(colors::activeZone);
    }
    if (NomsPersonnages[1].empty()) LitNoms();
    // The name button follows the pointer: it names the portrait under it.
    CliqueNom.show();
    if (CliqueNom.caption().empty() || i != DernierSurvolé) {
        CliqueNom.setCaption(NomsPersonnages[at(i != 0 ? i : PersonnageCourant)]);
    }
    DernierSurvolé = i;
}

// A portrait chooses who plays and starts a new game; the character button
// starts the game again, which is how a finished game is replayed.
void JeuYam::Personnages_Click(int i) {
    const bool neuf = partie.NuméroTirage != 0 || i != 0;
    Bruit(!Verrouillé && neuf ? "Slurp" : "Bonus");
    if (!Verrouillé) {
        if (i > 0) Personnages(0).copyPicture(Personnages(i));
        if (i != 0 || PersonnageCourant != 0) prendPersonnage(*this, i);
        if (i != 0) FermeMenuPersonnages();
    }
    if (Ok.enabled()) Ok.setFocus();
}

void JeuYam::CliqueNom_MouseMove() {
    // Come from another portrait, the button names someone else: only the
    // current character can be renamed, so the menu goes away.
    if (CliqueNom.caption() != NomsPersonnages[at(PersonnageCourant)]) return FermeMenuPersonnages();
    if (SansBulles) return;
    MessageBulle = nomIntouchable(*this) ? " On ne touche pas "
                   : nomClassé(*this)    ? " Nom non modifiable (est dans le Ranking). "
                                         : " Cliquez pour changer de nom ";
    Bulle(colors::activeZone);
}

void JeuYam::CliqueNom_Click() {
    Bruit("Robot3");
    if (nomIntouchable(*this) || nomClassé(*this)) return;
    FermeMenuPersonnages();
    PartiesIndividuellesJouées.show();
    IndividuelAbandon.show();
    CapteNom.copyPicture(Personnages(PersonnageCourant));
    CapteNom.setTop(kCapteNomMontré);
    MessageBulle.clear();
    MessagePrécédent.clear();

    EntreNom(PersonnageCourant);
    if (MessageBulle == kTexteLongueurNom || MessageBulle == kTexteGuillemetNom || MessageBulle == kTexteSigneNom) {
        MessageBulle.clear();
        MessagePrécédent.clear();
    }
    CapteNom.setTop(kCapteNomRangé);
    std::string& nom = NomsPersonnages[at(PersonnageCourant)];
    nom = enCapitales(nom);
    CliqueNom.setCaption(nom);
    Nom.setCaption(nom);
    Joueurs joueurs;
    joueurs.NomsPersonnages = NomsPersonnages;
    ÉcritFichier(kJoueursFile, formatJoueurs(joueurs));
    Bruit("Robot4");
}

// Each answer is the name at once, a cancel an empty one; a name the game
// cannot keep brings the dialog back with it, and the reason in the bubble.
void JeuYam::EntreNom(int personnage) {
    std::string& nom = NomsPersonnages[at(personnage)];
    for (;;) {
        Bruit("Robot1");
        nom = platform_.dialogs.askText("ENTREZ VOTRE NOM", nom).value_or("");
        const RefusNom refus = refusNom(nom);
        if (refus == RefusNom::Aucun) return;
        // Straight into the label, the previous text left empty: whatever
        // the pointer meets after the dialog speaks again.
        MessageBulle = texteRefus(refus);
        Infos.setCaption(MessageBulle);
    }
}

}  // namespace dravonelle
