#include "window/bubble_texts.h"

#include <array>

#include "rules/number_text.h"

namespace dravonelle {
namespace {

constexpr std::array<const char*, 21> kInfosJeu{
    " Descente (Priorité) ",
    " Montée (Priorité) ",
    " Libre (Si nécessaire) ",
    " Sèche (1 seul coup) ",
    " Annonce (Au 1er jet) ",
    " As ",
    " Deux (3 Minimum) ",
    " Trois (3 Minimum) ",
    " Quatre (3 Minimum) ",
    " Cinq (3 Minimum) ",
    " Six (3 Minimum) ",
    " Total : 1,2,3,4,5 et 6 ",
    " Bonus : 1,2,3,4,5 et 6 ",
    " Suite : 12345 = 45 ou 23456 = 50 ",
    " Full : XXX OO ou XXXXX = (20 + 5 Dés) ",
    " Carré XXXX O (40 + 4 Dés) ou XXXXX (40 + 5 Dés) ",
    " Maxi (> Egal > Mini) ",
    " Egal (< Maxi > Mini) ",
    " Mini (< Maxi < Egal) ",
    " Yam XXXXX (60 + 5 Dés) ",
    " Total de la colonne ",
};

constexpr std::array<const char*, 5> kColonnes{"DESCENTE ", "MONTEE ", "LIBRE ", "SECHE ", "ANNONCE "};

constexpr const char* kTouches = "WXCVB";

}  // namespace

std::string texteInfosJeu(int index) {
    if (index < 0 || index >= static_cast<int>(kInfosJeu.size())) return {};
    return kInfosJeu[static_cast<std::size_t>(index)];
}

std::string texteTotaux(int index) {
    if (index == 15) return " TOTAL GENERAL ";
    if (index < 0 || index > 15) return {};
    const int colonne = index / 3;
    // Annonce is the one column spoken with an elided article.
    const std::string article = colonne == 4 ? "de l'" : "de la ";
    const std::string mot = kColonnes[static_cast<std::size_t>(colonne)];
    switch (index % 3) {
        case 0:
            return " TOTAL (1,2,3,4,5,6) " + article + mot;
        case 1:
            return " BONUS (1,2,3,4,5,6) " + article + mot;
        default:
            return " TOTAL de la Colonne " + mot;
    }
}

std::string texteTirageNo(int tirage, int mode) {
    const int reste = 65 - tirage;
    std::string texte = " Tirage No" + signedNumber(tirage) + ". Après ce tirage, il vous restera" +
                        signedNumber(reste) + (reste < 2 ? " tirage à jouer" : " tirages à jouer");
    texte += " en mode" + signedNumber(mode) + (mode == 2 ? " tirages " : " tirage");
    return texte + " pour finir la partie ";
}

std::string texteLettre(int index) {
    if (index < 0 || index > 9) return {};
    return std::string(" Pressez la touche ") + kTouches[index % 5] + " pour garder ou rejeter le dé ";
}

std::string texteFeu(bool gardé) {
    return gardé ? " Lorsque vous cliquerez sur OK, le dé sera gardé "
                 : " Lorsque vous cliquerez sur OK, le dé sera retiré ";
}

std::string texteCoupInfo(int mode) { return " Vous êtes en mode" + signedNumber(mode) + " tirage "; }

std::string texteSommeDés(int somme) { return " La somme des dés est de" + signedNumber(somme) + " "; }

std::string texteNouvellePartie(int mode) {
    if (mode != 1 && mode != 2) return {};
    return " Vous commencez une nouvelle partie en mode" + signedNumber(mode) +
           (mode == 1 ? " tirage. Bonne chance " : " tirages. Bonne chance ");
}

std::string texteRang(int rang) {
    if (rang == 1) {
        return " M A G N I F I Q U E ! ! ! Vous êtes Premier au Ranking. Pour rejouer, cliquez sur votre "
               "personnage ";
    }
    if (rang >= 2 && rang <= 10) {
        return " B R A V O ! ! ! Vous êtes classés dans les 10 premiers du Ranking. Pour rejouer, cliquez "
               "sur "
               "votre personnage ";
    }
    return " Désolé ! Vous n'êtes pas dans les 10 premiers. Pour rejouer, cliquez sur votre personnage ";
}

std::string texteCoup(int mode, bool choisi, bool verrouillé) {
    // [mode 2][chosen][locked]
    static constexpr const char* kTextes[2][2][2] = {
        {{" 1 Tirage ", " 1 Tirage (vérrouillé)."},
         {" 1 Tirage Sélectionné ", " 1 Tirage Sélectionné (vérrouillé)."}},
        {{" 2 Tirages ", " 2 Tirages (vérrouillé)."},
         {" 2 Tirages Sélectionnés ", " 2 Tirages Sélectionnés (vérrouillé)."}},
    };
    std::string texte = kTextes[mode == 2][choisi][verrouillé];
    if (verrouillé) texte += " Pour déverrouiller cet outil, cliquez sur le feu rouge ";
    return texte;
}

}  // namespace dravonelle
