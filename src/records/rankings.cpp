// The rankings and game counters of the way of playing in force.
#include "ui/controls/number_text.h"
#include "ui/jeu_yam.h"

namespace dravonelle {

void JeuYam::InitScores() { CoupInfo.setCaption(plainNumber(ModeTirage)); }

void JeuYam::EnregistreScore() { PartieEnCours = false; }

}  // namespace dravonelle
