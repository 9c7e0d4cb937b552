// The rules panel, three pages paged with two arrows, opened with the Règles
// button; and the Iconify tool that puts the window away.
#include <array>
#include <string>
#include <string_view>

#include "window/jeu_yam.h"

namespace dravonelle {
namespace {

// The pages line by line; each line ends with one carriage return, an empty
// line being a second one. A page starts with the last two lines of the page
// before it, so that the reader keeps the thread.
constexpr std::array<std::string_view, 46> kPage1{
    "PRESENTATION :",
    "Cette version du Yam s'adresse à ceux qui ne veulent pas se laisser gagner par le hasard.",
    "En effet, la gestion simultanée de cinq colonnes totalement différentes, stimule la logique et le feeling du joueur.",
    "Fondé sur le tirage aléatoire des dés, le hasard est forcément au rendez-vous, seulement des écarts importants,",
    "sur le résultat final, peuvent se créer, en fonction des choix et risques pris par le joueur.",
    "La possibilité de jouer à 1 tirage ou à 2 tirages, offre à l'utilisateur deux systèmes de jeu complètement",
    "différents, et le sort d'un schémas quelque peu simpliste du Yam traditionnel.",
    "REGLES :",
    "Il s'agit de remplir simultanément cinq colonnes, de façon logique et ordonnée.",
    "1). La descente (1ère colonne à gauche).",
    "    Les cases ne peuvent être sélectionnées que dans l'ordre de la Descente : (1,2,3,4,5,6,S,F,C,+,=,-,Y).",
    "2). La Montée (2ème colonne en partant de la gauche).",
    "    Les cases ne peuvent être sélectionnées que dans l'ordre de la montée : (Y,-,=,+,C,F,S,6,5,4,3,2,1).",
    "    Il convient d'accorder une priorité tactique pour les deux colonnes Descente et Montée.",
    "3). La Libre (Colonne du milieu).",
    "    Aucune restriction d'utilisation, à n'utiliser toutefois qu'en dernier recours.",
    "4). La Sèche (4eme colonne en partant de la gauche).",
    "    Les cases ne peuvent être sélectionnées qu'au premier jet, et le résultat est directement affiché; on qualifie le",
    "    premier jet de Coup Sec. Il convient d'accorder à cette colonne une priorité tactique absolue.",
    "5). L'Annonce (Dernière colonne à droite).",
    "    Les cases ne peuvent être sélectionnées qu'au premier jet, mais le joueur peut, éventuellement négocier un",
    "    deuxième et un troisième jet. Si le tirage est satisfaisant au premier ou au second jet, il suffit de cliquer une",
    "    ou deux fois sur OK pour valider le tirage. Il est à noter que les touches RETURN et SPACE remplacent la touche OK.",
    "Le tableau est découpé en trois parties verticales :",
    "1). Les chiffres de 1 à 6 :",
    "    - Le chiffre 1 : Le nombre de 1 réalisé est affiché.",
    "    - Les chiffres 2, 3, 4, 5, 6 : Affichage négatif, nul ou positif du chiffre considéré en fonction d'une",
    "      moyenne qui doit être de trois. Voici quelques exemples :",
    "         - Pour trois 2, 0 est affiché puisque la moyenne est de trois.",
    "         - Pour quatre 4, 4 est affiché puisque la moyenne est dépassée de 1 (1X4).",
    "         - Pour un 5, -10 est affiché  puisqu'il manque deux 5 pour la moyenne -(2X5).",
    "Lorsque les chiffres de 1 à 6 ont été placés sur une colonne, les nombres négatifs, nuls et positifs obtenus sont  additionnés.",
    "Si la Somme obtenue est :",
    "     - Supérieure à 0 :",
    "          Total = 60 + 30 (Bonus) = 90. Bonus = Somme X 6.",
    "     - Inférieure à 0 et Supérieur à -11 :",
    "          Total = 60 - (Somme X 6). Bonus = 0.",
    "     - Inférieure à -10 :",
    "          Total = 0. Bonus = (Somme - 10) X 6. (= Malus).",
    "2). Les figures :",
    "    - Suite :",
    "         Petite : 1 . 2 . 3 . 4 . 5 : donne 45. Grande : 2 . 3 . 4.  5 . 6 : donne 50.",
    "    - Full :",
    "         3 dés identiques + 2 dés identiques : donne 20 + le total des dés.",
    "    - Carré :",
    "          4 ou 5 dés identiques : donne 40 + le total des dés formant la figure.",
};

constexpr std::array<std::string_view, 40> kPage2{
    "    - Carré :",
    "          4 ou 5 dés identiques : donne 40 + le total des dés formant la figure.",
    "    - Yam :",
    "          5 dés identiques : donne 60 + le total des dés.",
    "          Une particularité est à noter en ce qui concerne le Yam sec, il peut être sélectionné à tout moment de la partie,",
    "          mais, s'il est sélectionné au dernier tirage, l'on obtient :",
    "               - En l'absence de figure, le total des dés.",
    "               - Les points de la figure s'il y en une.",
    "               - En cas de réalisation de Yam sec (fait rarissime pour le dernier coup, mais déja vu),",
    "                 les points du Yam multiplié par 2.",
    "3). L'Oxygène  :",
    "Appelé ainsi car les cases Maxi, Egal et Mini donnent de l'air au joueur en difficulté.",
    "     - Maxi :",
    "               Doit être supérieur à l'Egal, si il existe, et supérieur au Mini, si il existe, sinon il sera égal à 0.",
    "     - Egal :",
    "               Doit être inférieur au Maxi, si il existe, et supérieur au Mini, si il existe, sinon il sera égal à 0.",
    "     - Mini :",
    "               Doit être inférieur à l'Egal, si il existe, et inférieur au Maxi, si il existe, sinon il sera égal à 0.",
    "",
    "               Le joueur a la possibilité de sélectionner 0 en cliquant sur cet outil si il estime que le chiffre",
    "               obtenu est trop petit ou trop grand.",
    "LE JEU :",
    "Pour démarrer une partie :",
    "     - Choisir son personnage dans le menu.",
    "     - Sélectionner 1 ou 2 correspondant à 1 ou 2 tirages.",
    "       (Si les paramètres de jeu ont été sauvegardés avec le personnage et tirage de votre choix, au démarrage",
    "        du jeu, vous pouvez directement cliquer sur OK pour lancer les dés).",
    "Pour lancer les dés :",
    "      Cliquer sur OK ou appuyer sur la touche Barre SPACE ou RETURN.",
    "Pour sélectionner ou déselectionner un dé :",
    "      Cliquer sur ce dé ou appuyer sur la touche le représentant, W, X, C, V ou B",
    "Pour sélectionner une case :",
    "      Jeu à 1 tirage :",
    "           Cliquer sur la case de son choix après le premier, deuxième ou troisième jet de dés.",
    "      Jeu à 2 tirages :",
    "           - Cliquer sur la case de son choix au premier tirage.",
    "           - Cliquer sur la case de son choix au deuxième tirage.",
    "           - Cliquer sur l'une des deux cases sélectionnées pour le choix final.",
    "                 A la fin du deuxième tirage, si le joueur veut sélectionner le premier tirage et qu'il",
    "                 n'a pas encore sélectionner le second, il lui suffit de cliquer sur OK.",
};

constexpr std::array<std::string_view, 47> kPage3{
    "                 A la fin du deuxième tirage, si le joueur veut sélectionner le premier tirage et qu'il",
    "                 n'a pas encore sélectionner le second, il lui suffit de cliquer sur OK.",
    "OPTIONS :",
    "",
    "               Après chaque sélection, le joueur peut revenir sur sa décision. (Indispensable en cas d'erreur).",
    "",
    "",
    "               Donne accès à un tableau d'informations :",
    "                   - Total des dés.",
    "                   - Affichage de figure si il y en a une.",
    "                   - Statistiques :",
    "                         Indique le nombre de 1, 2, 3, 4, 5, 6, X(Croix), S, F, C, Y, CS(Carrés Secs),",
    "                         YS(Yams Secs), sortis depuis le début de la partie et depuis la création du jeu.",
    "                   - Pourcentages :",
    "                         Fournissent, en temps réel, en fonction des dés sélectionnés, sur le pourcentage de",
    "                         réalisation de la Suite, du Full, du Carré et du Yam.",
    "                   - Nombre de parties jouées et abandonnées par l'ensemble des joueurs.",
    "                   - Affichage des 10 meilleurs scores.",
    "               (L'affichage du tableau d'informations peut entraîner un lèger ralentissement du programme).",
    "",
    "               Possibilité de changer l'affichage des dés en sélectionnant le menu.",
    "",
    "",
    "               Possibilité d'obtenir l'affichage des dés sous forme d'une petite animation.",
    "",
    "",
    "               Verrouillage de sécurité afin d'éviter les fausses manoeuvres.",
    "",
    "",
    "               Pour sauvegarder les paramètres de jeu afin de les retrouver au démarrage.",
    "",
    "",
    "               Pour réduire le jeu sous forme d'icône.",
    "",
    "",
    "               Infos bulle : Renseigne et guide l'utilisateur tout au long du jeu. Elles sont écrites sur fond",
    "               jaune pour les zones actives (zones sur lesquels le joueur peut cliquer), et sur fond bleu pour",
    "               les zones passives.",
    "",
    "Possibilité de changer le nom d'un personnage, à condition qu'il ne soit pas dans le Ranking simple ou double",
    "tirage et à l'exception des personnages No 1 et No 2, en le remplaçant éventuellement par le votre. Pour ce faire,",
    "il faut tout d'abord sélectionner le personnage dans le menu, puis cliquer sur son nom, enfin entrer le nouveau",
    "nom dont le nombre de lettres doit être compris entre 3 et 10.",
    "",
    "CLAVIER : Tab et Maj+Tab passent d'une zone à l'autre, les flèches d'une case à l'autre de la feuille ou d'un",
    "menu ; Entrée ou Espace valident la zone encadrée. F1 ouvre et ferme ces règles, Page préc. et Page suiv. les",
    "feuillettent, Echap les ferme ou ferme un menu, Ctrl+Z revient sur la dernière case, Ctrl+Q quitte le jeu.",
};
template <std::size_t N>
std::string page(const std::array<std::string_view, N>& lignes) {
    std::string texte;
    for (std::string_view ligne : lignes) {
        texte += ligne;
        texte += '\r';
    }
    return texte;
}

// Halte steps down out of the frame's way while the rules are shown.
constexpr int kHalteSousLesRègles = 9000 - 8385;

}  // namespace

void JeuYam::ConstruitRègles() {
    model_.at("SSRègle", 1).setCaption(page(kPage1));
    model_.at("SSRègle", 2).setCaption(page(kPage2));
    model_.at("SSRègle", 3).setCaption(page(kPage3));
}

void JeuYam::AffichePageRègles() {
    model_.at("PageAffiche").setCaption("PAGE " + std::to_string(PageRègles) + "/3");
    for (int p = 1; p <= 3; ++p) model_.at("SSRègle", p).hide();
    model_.at("SSRègle", PageRègles).show();
}

void JeuYam::Règles_Click() {
    Bruit("Robot3");
    model_.at("SSRèglesCadre").show();
    // The clock stands still while the rules are read.
    model_.at("Timer1").setEnabled(false);
    Control& halte = model_.at("Halte");
    halte.setTop(halte.design().top + kHalteSousLesRègles);
}

void JeuYam::SSPanel2_Click() {
    model_.at("SSRèglesCadre").hide();
    Control& halte = model_.at("Halte");
    halte.setTop(halte.design().top);
    model_.at("Timer1").setEnabled(true);
    Recentre();
}

void JeuYam::ScrollBas_Click() {
    if (PageRègles >= 3) return;
    ++PageRègles;
    AffichePageRègles();
}

void JeuYam::ScrollHaut_Click() {
    if (PageRègles <= 1) return;
    --PageRègles;
    AffichePageRègles();
}

void JeuYam::Iconify_Click() {
    Recentre();
    model_.at(kWindowName).setValue(1);
    platform_.process.minimise();
}

void JeuYam::registerRulesPanel() {
    using enum EventKind;
    on("Règles", Click, [this](int) { Règles_Click(); });
    on("Règles", Move, [this](int) {
        if (SansBulles) return;
        MessageBulle = " Règles ";
        Bulle(colors::activeZone);
    });
    on("SSPanel2", Click, [this](int) { SSPanel2_Click(); });
    on("ScrollBas", Click, [this](int) { ScrollBas_Click(); });
    on("ScrollHaut", Click, [this](int) { ScrollHaut_Click(); });
    on("Iconify", Click, [this](int) { Iconify_Click(); });
    on("Iconify", Move, [this](int) {
        FermeMenuPersonnages();
        if (SansBulles) return;
        MessageBulle = " Cliquez pour Iconifier ";
        Bulle(colors::activeZone);
    });
}

}  // namespace dravonelle
