// How fast the core answers: valuing cells, building the window's model, and
// a whole game played through the script driver.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "rules/cell_value.h"
#include "script_driver.h"
#include "window/controls/control_model.h"
#include "window/jeu_yam.h"
#include "platform/scripted_platform.h"

namespace {

using namespace dravonelle;

// Every ordered throw of five dice valued in one cell of each kind.
void BM_ValueEveryThrow(benchmark::State& state) {
    const int cells[] = {3, 24, 41, 43, 62};
    for (auto _ : state) {
        int total = 0;
        for (int t = 0; t < 7776; ++t) {
            Dice d;
            for (int i = 0, x = t; i < 5; ++i, x /= 6) d[static_cast<std::size_t>(i)] = x % 6 + 1;
            for (int c : cells) total += valueCell(d, CellQuery{c, 65, {}}).points;
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * 7776 * 5);
}
BENCHMARK(BM_ValueEveryThrow);

// The window as data with its logic: what start-up builds before the first
// paint.
void BM_BuildWindowModel(benchmark::State& state) {
    std::ostringstream out;
    for (auto _ : state) {
        ScriptedPlatform scripted(out, "/nonexistent");
        Platform platform = scripted.platform();
        ControlModel model;
        JeuYam jeu(model, platform);
        benchmark::DoNotOptimize(model.controls().size());
    }
}
BENCHMARK(BM_BuildWindowModel);

// A whole 65-turn game in "1 tirage" through the driver, files included.
void BM_WholeGameThroughTheDriver(benchmark::State& state) {
    std::ifstream in(DRAVONELLE_WHOLE_GAME);
    std::stringstream script;
    script << "start\nclick Coup1\nmove Personnages 0\nclick Personnages 3\n" << in.rdbuf();
    const auto dir = std::filesystem::temp_directory_path() / "dravonelle-bench";
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        std::istringstream lines(script.str());
        std::ostringstream out;
        state.ResumeTiming();
        if (runScript(lines, out, dir) != 0) state.SkipWithError("the driver refused the game");
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_WholeGameThroughTheDriver)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
