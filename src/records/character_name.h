// What a character's name may be when the player enters one, and the
// capitals it is stored in.
#pragma once

#include "records/layer.h"

#include <string>
#include <string_view>

namespace dravonelle {

// Why an entered name is refused. The length counts characters as the
// player typed them, blanks and digits included, nothing trimmed. A double
// quote would end the name's line in "Joueurs" early, so it is refused too;
// so is a character that the data files' code page, Windows-1252, cannot
// hold (Ł, an emoji…) or malformed UTF-8: what is kept is what was typed.
enum class RefusNom { Aucun, Longueur, Guillemet, HorsPage };

RefusNom refusNom(std::string_view nom);

// Every letter in its capital form, accented ones included, as far as the
// data files' code page has the capital (ÿ becomes Ÿ, ß stays ß). UTF-8 in,
// UTF-8 out; anything else is left as it is.
std::string enCapitales(std::string_view nom);

}  // namespace dravonelle
