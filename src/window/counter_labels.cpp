#include "window/counter_labels.h"

#include "rules/number_text.h"

namespace dravonelle {

std::string textePartiesJouées(int n) {
    if (n == 1) return " 1 PARTIE TERMINEE";
    if (n == 0) return " AUCUNE PARTIE TERMINEE";
    return " " + signedNumber(n) + " PARTIES TERMINEES";
}

std::string textePartiesAbandonnées(int n) {
    if (n == 1) return " 1 PARTIE ABANDONNEE";
    if (n == 0) return " AUCUNE PARTIE ABANDONNEE";
    return " " + signedNumber(n) + " PARTIES ABANDONNEES";
}

std::string textePartiesIndividuellesJouées(int n) {
    if (n == 1) return "1 PARTIE JOUEE";
    if (n == 0) return "AUCUNE PARTIE";
    return signedNumber(n) + " PARTIES";
}

std::string texteIndividuelAbandon(int n) {
    if (n == 1) return "1 ABANDON";
    if (n == 0) return "AUCUN ABANDON";
    return signedNumber(n) + " ABANDONS";
}

}  // namespace dravonelle
