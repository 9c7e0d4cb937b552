// The sheet under the pointer: the open cell shows, in blue, what it would
// receive (Partie::SurvolCase), and the bubble says what a click there would
// do at this point of the turn. The cross and the yellow panel
// explain themselves here too.
#include "rules/number_text.h"
#include "window/guidance_texts.h"
#include "window/jeu_yam.h"

namespace dravonelle {

namespace {

constexpr const char* kSélectionner = " Cliquez pour sélectionner";
constexpr const char* kInutile = " Cliquer est inutile. Case détectée au 2ème jet ";
constexpr const char* kSiErreur =
    " Si erreur, cliquez sur le panneau jaune sinon cliquez sur OK pour le tirage suivant ";
constexpr const char* kAutresJets =
    " Si erreur, cliquez sur le panneau jaune sinon vous disposez de 2 autres jets. "
    "Si vous voulez garder les 5 dés, cliquez sur OK ";
constexpr const char* kDernierJet =
    " Vous disposez d'un dernier jet de dés. Si vous voulez garder les 5 dés, cliquez sur OK ";
constexpr const char* kOccupée = " Case déja occupée ";
constexpr const char* kTexteZéro = " Cliquez pour marquer 0, sinon cliquez sur OK pour le tirage suivant ";
constexpr const char* kTexteRetour =
    " Cliquez pour revenir en arrière sinon cliquez sur OK pour le tirage suivant ";

}  // namespace

void JeuYam::Cases_MouseMove(int k) {
    partie.SurvolCase(k);
    AfficheJeu();
    if (SansBulles) return;
    if (std::string texte = TexteCase(k); !texte.empty()) MessageBulle = std::move(texte);
    // The game is over: the sheet has nothing left to say.
    if (!Ok.enabled()) MessageBulle.clear();
    Bulle(colors::activeZone);
}

// What a click on cell k would do; empty when there is nothing to say, and
// the bubble then keeps its text. The two-value choice and the cross come
// before anything else; after them, the later rules override the earlier.
std::string JeuYam::TexteCase(int k) {
    if (partie.CaseMontrée[Partie::kValeur1]) {
        if (k < 80) return TexteDeuxValeurs();
        return kSélectionner + signedNumber(partie.Valeur(k));
    }
    if (Zéro.visible()) return kTexteCroix;

    std::string texte = texteChoixEnAttente(*this);
    const auto écrit = [&texte](std::string t) {
        if (!t.empty()) texte = std::move(t);
    };
    const bool ouverte = !partie.CaseFermée[static_cast<std::size_t>(k)];
    if (partie.CaseAnnoncée == 0) {
        if (partie.ChoixAuto) {
            écrit(texteChoixAuto(*this, kTexteSélection2èmeTirage));
            if (k == partie.AnnonceAuto && partie.NuméroJet == 1) texte = kInutile;
        }
        // In the last turns the game may announce an Annonce cell by itself;
        // a Sèche cell can still be taken instead at the first throw.
        const bool sècheLibre = sheet::isSèche(k) && partie.NuméroTirage < Partie::kDernierTirage && partie.DerniersCoupsSecs && partie.NuméroJet == 1;
        if (partie.NuméroJet > 0 && ouverte && (!partie.ChoixAuto || sècheLibre)) texte = kSélectionner + partie.MessageCase;
        if (Retour.visible()) texte = " Sélection :" + partie.MessageCase + "." + kSiErreur;
    } else if (partie.ChoixAuto) {
        écrit(texteChoixAuto(*this, kTexteSélection2èmeTirage));
    } else {
        texte = " Sélection :" + partie.MessageCase + ".";
        if (partie.NuméroJet == 1) texte += kAutresJets;
        if (partie.NuméroJet == 2) texte = kDernierJet;
    }
    if (!ouverte && partie.NuméroJet > 0) texte = kOccupée;
    return texte;
}

void JeuYam::Zéro_MouseMove() {
    if (SansBulles) return;
    MessageBulle = kTexteZéro;
    Bulle(colors::activeZone);
}

void JeuYam::Retour_MouseMove() {
    if (SansBulles) return;
    MessageBulle = kTexteRetour;
    Bulle(colors::activeZone);
}

}  // namespace dravonelle
