// The advice's time: the first throw with every cell open is the most work
// (the free draw and thirteen announcements to reckon), the second throw
// with a few cells left the usual case.
#include <benchmark/benchmark.h>

#include <deque>

#include "advisor/conseil.h"

namespace dravonelle {
namespace {

struct Dés : ÉcouteurPartie {
    int lanceDé(int) override {
        const int f = file.empty() ? 1 : file.front();
        if (!file.empty()) file.pop_front();
        return f;
    }
    std::deque<int> file;
};

void BM_ConseilPremierJetToutOuvert(benchmark::State& state) {
    Dés d;
    Partie p(d);
    p.ModeTirage = 1;
    d.file = {2, 3, 5, 5, 6};
    p.Ok();
    for (auto _ : state) benchmark::DoNotOptimize(Conseille(p));
}
BENCHMARK(BM_ConseilPremierJetToutOuvert)->Unit(benchmark::kMicrosecond);

void BM_ConseilDeuxièmeJet(benchmark::State& state) {
    Dés d;
    Partie p(d);
    p.ModeTirage = 1;
    d.file = {2, 3, 5, 5, 6};
    p.Ok();
    p.GardeOuRend(0);
    p.GardeOuRend(1);
    d.file = {5, 1};
    p.Ok();
    for (auto _ : state) benchmark::DoNotOptimize(Conseille(p));
}
BENCHMARK(BM_ConseilDeuxièmeJet)->Unit(benchmark::kMicrosecond);

void BM_ConseilPrévoyantPremierJet(benchmark::State& state) {
    Dés d;
    Partie p(d);
    p.ModeTirage = 2;
    d.file = {1, 1, 4, 6, 6};
    p.Ok();
    for (auto _ : state) benchmark::DoNotOptimize(Conseille(p, Visée::Prévoyante));
}
BENCHMARK(BM_ConseilPrévoyantPremierJet)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace dravonelle

BENCHMARK_MAIN();
