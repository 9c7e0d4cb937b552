#include "rules/preview_text.h"

#include "rules/sheet_index.h"
#include "rules/number_text.h"

namespace dravonelle {
namespace {

const char* const kRowWords[] = {" aux As ",   " aux Deux ", " aux Trois ", " aux Quatre ", " aux Cinq ",
                                 " aux Six ",  "",           "",            " à la Suite ", " au Full ",
                                 " au Carré ", " au Maxi ",  " à l'Egal ",  " au Mini ",    " au Yam "};
const char* const kColumnPhrases[] = {"de la Descente ", "de la Montée ", "de la Libre ", "de la Sèche ",
                                      "de l'Annonce "};

}  // namespace

std::string phraseCase(int points, int cell) {
    std::string text;
    if (points <= 1) text += ' ';
    text += signedNumber(points);
    if (sheet::isScoringCell(cell)) {
        text += kRowWords[sheet::row(cell)];
        text += kColumnPhrases[sheet::column(cell)];
    }
    return text;
}

}  // namespace dravonelle
