// Whole games through Partie alone, as the advisor will play them: no window,
// no files. One iteration is one 65-turn game from a new game to its end.
#include <benchmark/benchmark.h>

#include <random>

#include "game/partie.h"

namespace dravonelle {
namespace {

class Dés : public ÉcouteurPartie {
public:
    int lanceDé(int) override { return static_cast<int>(hasard_() % 6) + 1; }

private:
    std::minstd_rand hasard_{42};
};

// Three throws keeping nothing, then the first cell open to the dice, the
// pointer passing over it first as it does in the window.
int joueUnePartie(Partie& p, int mode) {
    p.ModeTirage = mode;
    p.Nouveau();
    int coups = 0;
    while (p.OkActif && coups < 2000) {
        ++coups;
        p.Ok();
        if (p.NuméroJet == 0 && p.CaseTirage2 != -1 && !p.TourJoué) {
            p.ClicCase(p.CaseTirage1);
            continue;
        }
        for (int k = 0; k < sheet::kCellCount; ++k) {
            if (p.CaseMontrée[Partie::at(k)] && (!p.CaseFermée[Partie::at(k)] || k > sheet::kLastSheetCell)) {
                p.SurvolCase(k);
                p.ClicCase(k);
                break;
            }
        }
    }
    return p.Totaux[15];
}

void BM_PartieEntière(benchmark::State& state) {
    Dés dés;
    Partie p(dés);
    const int mode = static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(joueUnePartie(p, mode));
}
BENCHMARK(BM_PartieEntière)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace dravonelle

BENCHMARK_MAIN();
