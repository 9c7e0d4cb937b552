// The texts the game builds from numbers and names: the bubble's headings,
// totals and turns left, the statistics rows, the counters, and the rule and
// capitals of a character's name.
#include <gtest/gtest.h>

#include <string>

#include "records/character_name.h"
#include "window/counter_labels.h"
#include "window/statistics_texts.h"
#include "window/bubble_texts.h"

namespace dravonelle {
namespace {

TEST(Texts, BubbleCountersAndStatistics) {
    const std::pair<std::string, std::string> cases[] = {
        {texteTirageNo(63, 1),
         " Tirage No 63. Après ce tirage, il vous restera 2 tirages à jouer en mode 1 tirage pour finir la partie "},
        {texteTirageNo(64, 2),
         " Tirage No 64. Après ce tirage, il vous restera 1 tirage à jouer en mode 2 tirages  pour finir la "
         "partie "},
        {texteTirageNo(65, 1),
         " Tirage No 65. Après ce tirage, il vous restera 0 tirage à jouer en mode 1 tirage pour finir la partie "},
        {texteTotaux(4), " BONUS (1,2,3,4,5,6) de la MONTEE "},
        {texteTotaux(15), " TOTAL GENERAL "},
        {texteInfosJeu(3), " Sèche (1 seul coup) "},
        {texteInfosJeu(-1) + texteInfosJeu(21) + texteTotaux(-1) + texteTotaux(16), ""},
        {textePartiesJouées(0), " AUCUNE PARTIE TERMINEE"},
        {textePartiesJouées(1), " 1 PARTIE TERMINEE"},
        {textePartiesIndividuellesJouées(32767), " 32767 PARTIES"},
        {texteStatPartie(5, 1), " Nombre de 6 sorti(s) depuis le début de la partie en mode 1 tirage "},
        {texteStatPartie(6, 2), " Nombre de Croix inscrite(s) depuis le début de la partie en mode 2 tirages "},
        {texteStatCréation(3, 1, 12, 3),
         " Nombre de 4 sortis en 12 parties jouées et 3 parties abandonnées en mode 1 tirage "},
        {texteStatCréation(8, 2, 1, 32767),
         " Nombre de Carrés sortis en 1 parties jouées et 32767 parties abandonnées en mode 2 tirages "},
        {texteStatPartie(-1, 1) + texteStatPartie(12, 1) + texteStatCréation(12, 1, 0, 0), ""},
    };
    for (const auto& [got, expected] : cases) EXPECT_EQ(got, expected);
    // Sèche and Annonce, each with its own article.
    EXPECT_NE(texteTotaux(10).find(" de la SECHE "), std::string::npos) << texteTotaux(10);
    EXPECT_NE(texteTotaux(12).find(" de l'ANNONCE "), std::string::npos) << texteTotaux(12);
}

// 3 to 10 characters (an accented letter is one), nothing trimmed, then no
// double quote.
TEST(Texts, CharacterNames) {
    const std::pair<const char*, RefusNom> refus[] = {
        {"ab", RefusNom::Longueur},          {"   ", RefusNom::Aucun},        {"abcdefghijk", RefusNom::Longueur},
        {"éé", RefusNom::Longueur},          {"ééé", RefusNom::Aucun},       {"éééééééééé", RefusNom::Aucun},
        {"ééééééééééé", RefusNom::Longueur}, {"a\"b", RefusNom::Guillemet}, {"abcdefghij\"", RefusNom::Longueur},
    };
    for (const auto& [nom, r] : refus) EXPECT_EQ(refusNom(nom), r) << '[' << nom << ']';
    // The capitals of the code page; anything else, broken UTF-8 too, as it came.
    const std::pair<const char*, const char*> capitales[] = {
        {"àâäçèéêëîïôöùûüÿæœšžðøþ", "ÀÂÄÇÈÉÊËÎÏÔÖÙÛÜŸÆŒŠŽÐØÞ"}, {"ß÷µǆ€ l'île 2-3", "ß÷µǆ€ L'ÎLE 2-3"},
        {"a\xC3", "A\xC3"}, {"\xC1\x81z", "\xC1\x81Z"},
    };
    for (const auto& [nom, capitals] : capitales) EXPECT_EQ(enCapitales(nom), capitals) << nom;
}

}  // namespace
}  // namespace dravonelle
