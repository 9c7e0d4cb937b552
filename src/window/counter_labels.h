// The texts of the four game-counter labels, in their plural, singular and
// zero forms.
#pragma once

#include "window/layer.h"

#include <string>

namespace dravonelle {

std::string textePartiesJouées(int n);               // all characters, finished
std::string textePartiesAbandonnées(int n);          // all characters, abandoned
std::string textePartiesIndividuellesJouées(int n);  // the character, finished
std::string texteIndividuelAbandon(int n);           // the character, abandoned

}  // namespace dravonelle
