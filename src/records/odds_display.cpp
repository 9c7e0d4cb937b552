// The odds at the next throw in rows 12 to 15 of the statistics table: a
// percentage in the per-game column, a fraction in the since-creation one.
#include <vector>

#include "records/odds.h"
#include "ui/jeu_yam.h"

namespace dravonelle {

void JeuYam::Pourcentage() {
    std::vector<int> fixés;
    // After the third throw no die is left to throw, kept or not.
    for (std::size_t i = 0; i < Dés.size(); ++i) {
        if (NuméroJet == 3 || DésGardés[i]) fixés.push_back(Dés[i]);
    }
    if (NuméroJet == 0) {
        ChancesFigures = kChancesDébut;
    } else if (fixés.size() == Dés.size()) {
        // The label names one figure only: five fixed dice that form a Yam
        // are no Full and no Carré here.
        ChancesFigures = chancesÉtiquette(TotalFigure.caption());
    } else {
        ChancesFigures = chancesDés(fixés);
    }
    AffichePourcentage();
}

void JeuYam::AffichePourcentage() {
    const int possibles = ChancesFigures[kPossibles];
    for (int f = kSuite; f <= kYam; ++f) {
        const int favorables = ChancesFigures[static_cast<std::size_t>(f)];
        Stats2(12 + f).setCaption(textePourcentage(favorables, possibles));
        Stats3(12 + f).setCaption(texteFraction(favorables, possibles));
    }
}

}  // namespace dravonelle
