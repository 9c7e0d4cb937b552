#include "window/guidance_texts.h"

#include "rules/number_text.h"
#include "window/jeu_yam.h"

namespace dravonelle {
namespace {

constexpr const char* kSuivant = " Sélection détectée et enregistrée ! Cliquez pour le tirage suivant ";
constexpr const char* kFinir = " Sélection détectée et enregistrée ! Cliquez pour finir la partie ";
constexpr const char* kDernierJet =
    " Sélection détectée ! Vous disposez d'un dernier jet de dés. Si vous voulez garder les 5 dés, cliquez "
    "sur "
    "OK ";

bool dernierTirage(const JeuYam& j) { return j.partie.NuméroTirage == Partie::kDernierTirage; }
bool deuxTirages(const JeuYam& j) { return j.partie.ModeTirage == 2; }

// No cell announced: the chosen cell waits for the end of the draw.
std::string choixAutoSansAnnonce(const JeuYam& j) {
    std::string texte;
    if (j.partie.AnnonceAuto == 0) texte = kSuivant;
    if (dernierTirage(j) && deuxTirages(j) && j.partie.CaseTirage2 != -1) texte = kFinir;
    if (deuxTirages(j) && j.partie.CaseTirage2 == -1 && j.partie.NuméroJet == 0) texte = kTexteSélection2èmeTirage;
    return texte;
}

// A cell announced: at the second throw one throw is left; before the first
// or after the last, the draw is over. The first throw says nothing new.
std::string choixAutoAnnoncé(const JeuYam& j, const char* deuxièmeTirage) {
    if (j.partie.NuméroJet == 1) return {};
    if (j.partie.NuméroJet == 2) return kDernierJet;
    std::string texte = kSuivant;
    if (dernierTirage(j) && (j.partie.ModeTirage == 1 || j.partie.CaseTirage2 != -1)) texte = kFinir;
    if (deuxTirages(j) && j.partie.CaseTirage2 == -1) texte = deuxièmeTirage;
    return texte;
}

}  // namespace

std::string texteTroisièmeJet(const JeuYam& j) {
    if (deuxTirages(j) && j.partie.CaseTirage1 != -1) {
        return " Si vous préférez le premier tirage, cliquez sur 3 (ou 'Space') sans sélectionner le second ";
    }
    return " Sélectionnez une case ";
}

std::string texteChoixEnAttente(const JeuYam& j) {
    if (j.partie.NuméroJet != 0 || j.partie.PointsTirage2 == -1 || j.partie.TourJoué) return {};
    if (j.partie.CaseTirage1 != j.partie.CaseTirage2) return " Cliquez sur l'une des 2 cases de votre choix ";
    return dernierTirage(j) ? " Cliquez sur OK pour valider le tirage et terminer la partie "
                            : " Cliquez sur OK pour valider le tirage et procéder au tirage suivant ";
}

std::string texteChoixAuto(const JeuYam& j, const char* deuxièmeTirage) {
    if (!j.partie.ChoixAuto) return {};
    return j.partie.CaseAnnoncée == 0 ? choixAutoSansAnnonce(j) : choixAutoAnnoncé(j, deuxièmeTirage);
}

bool deuxièmeJetImpossible(const JeuYam& j) {
    return j.partie.CaseAnnoncée == 0 && j.partie.NuméroJet == 1 && j.partie.DerniersCoupsSecs && j.partie.AnnonceAuto == 0;
}

std::string texteDé(const JeuYam& j, int index) {
    std::string texte;
    switch (j.partie.NuméroJet) {
        case 0:
            texte = j.Retour.visible()
                        ? " Si erreur Cliquez sur le panneau jaune ou sur OK pour coup suivant "
                        : " Cliquez sur OK pour lancer les Dés ";
            break;
        case 3:
            texte = texteTroisièmeJet(j);
            break;
        default:
            // The large picture tells whether the die is on the table.
            texte = j.NégocieDés(index).visible() ? " Cliquez pour ne pas garder le dé "
                                                  : " Cliquez pour garder le dé ";
    }
    if (std::string attente = texteChoixEnAttente(j); !attente.empty()) texte = attente;
    return texte;
}

std::string JeuYam::TexteDeuxValeurs() {
    return " Cliquez sur" + signedNumber(partie.Valeur(Partie::kValeur1)) + " ou" + signedNumber(partie.Valeur(Partie::kValeur2)) + " ";
}

std::string JeuYam::TexteGuidageOk() {
    std::string texte;
    if (partie.CaseMontrée[Partie::kValeur1]) {
        texte = TexteDeuxValeurs();
    } else if (Zéro.visible()) {
        texte = kTexteCroix;
    } else {
        texte = partie.NuméroJet == 3 ? texteTroisièmeJet(*this)
                               : " Pour le tirage des Dés, cliquez sur OK, appuyez sur Return ou Space ";
        if (std::string t = texteChoixEnAttente(*this); !t.empty()) texte = t;
        if (std::string t = texteChoixAuto(*this, kTexteSélection2èmeTirage); !t.empty()) texte = t;
    }
    if (deuxièmeJetImpossible(*this)) texte = kTexteDeuxièmeJetImpossible;
    return texte;
}

}  // namespace dravonelle
