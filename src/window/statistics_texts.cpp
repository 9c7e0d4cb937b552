#include "window/statistics_texts.h"

#include <array>

#include "rules/number_text.h"

namespace dravonelle {
namespace {

// Rows 6 to 11: the per-game column hedges its plurals, the since-creation
// column does not.
constexpr std::array<const char*, 6> kFiguresPartie{
    " Croix inscrite(s) ", " Full(s) sorti(s) ",         " Carré(s) sorti(s) ",
    " Yam(s) sorti(s) ",   " Carré(s) Sec(s) sorti(s) ", " Yam(s) Sec(s) ",
};
constexpr std::array<const char*, 6> kFiguresCréation{
    " Croix inscrites ", " Fulls sortis ",       " Carrés sortis ",
    " Yams sortis ",     " Carrés Secs sortis ", " Yams Secs ",
};

std::string mots(int row, const char* sortis, const std::array<const char*, 6>& figures) {
    if (row < 6) return signedNumber(row + 1) + sortis;
    return figures[static_cast<std::size_t>(row - 6)];
}

std::string enMode(int mode) {
    return " en mode" + signedNumber(mode) + (mode == 2 ? " tirages " : " tirage ");
}

}  // namespace

std::string texteStatPartie(int row, int mode) {
    if (row < 0 || row > 11) return {};
    return " Nombre de" + mots(row, " sorti(s) ", kFiguresPartie) + "depuis le début de la partie" +
           enMode(mode);
}

std::string texteStatCréation(int row, int mode, int terminées, int abandons) {
    if (row < 0 || row > 11) return {};
    return " Nombre de" + mots(row, " sortis ", kFiguresCréation) + "en" + signedNumber(terminées) +
           " parties jouées et" + signedNumber(abandons) + " parties abandonnées" + enMode(mode);
}

}  // namespace dravonelle
