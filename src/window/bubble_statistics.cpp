// The bubble over the statistics table: what each counter counts, and how
// each odds cell expresses its chance. The row headings and the column
// titles say nothing, and empty the bubble.
#include "rules/odds.h"
#include "window/statistics_texts.h"
#include "window/jeu_yam.h"

namespace dravonelle {

void JeuYam::registerStatisticsZones() {
    // The headings empty the bubble even when it is switched off.
    on("Stats", EventKind::Move, [this](int) {
        MessageBulle.clear();
        Bulle(colors::passiveZone);
    });
    on("Stats2", EventKind::Move, [this](int r) {
        if (SansBulles) return;
        MessageBulle = r < 12 ? texteStatPartie(r, partie.ModeTirage) : texteChance(r, false);
        Bulle(colors::passiveZone);
    });
    on("Stats3", EventKind::Move, [this](int r) {
        if (SansBulles) return;
        MessageBulle =
            r < 12 ? texteStatCréation(r, partie.ModeTirage, TotalTerminées, TotalAbandons) : texteChance(r, true);
        Bulle(colors::passiveZone);
    });
}

}  // namespace dravonelle
