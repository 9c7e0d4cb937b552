// The odds of each figure at the next throw, rows 12 to 15 of the
// statistics table.
#include "ui/jeu_yam.h"

namespace dravonelle {

void JeuYam::Pourcentage() {}

}  // namespace dravonelle
