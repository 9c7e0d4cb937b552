// Checks a folder of data files after a kill:
// - every data file is whole: exactly what the game writes for the values it
//   holds, every line in place;
// - with a state file, nothing the player had is lost since the last check:
//   no counter went down, and each ranking only gained records (as many or
//   more, none of them worse at its rank). The state file is then updated.
//
//   check_records FOLDER [STATE]
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "records/data_files.h"
#include "records/safe_file.h"

using namespace dravonelle;

namespace {

template <typename T>
bool whole(const std::filesystem::path& folder, const std::string& name, T (*parse)(std::string_view, ReadReport*),
           std::string (*format)(const T&)) {
    auto bytes = readWhole(folder, name);
    if (!bytes) return true;  // not written yet
    if (format(parse(*bytes, nullptr)) == *bytes) return true;
    std::printf("broken: %s (%zu bytes)\n", name.c_str(), bytes->size());
    return false;
}

// What the player has: every counter of both ways, then each way's ranked
// scores, best first, as one list of numbers per line.
std::vector<std::vector<long long>> holdings(const std::filesystem::path& folder) {
    std::vector<std::vector<long long>> lines;
    for (int mode : {1, 2}) {
        const Infos info = parseInfos(readWhole(folder, infoFile(mode)).value_or(""));
        const Abandons ab = parseAbandons(readWhole(folder, abandonFile(mode)).value_or(""));
        std::vector<long long> counters{info.TotalTerminées, ab.TotalAbandons};
        for (int i = 1; i <= kPersonnages; ++i) {
            counters.push_back(info.TerminéesPar[i]);
            counters.push_back(ab.AbandonsPar[i]);
        }
        counters.insert(counters.end(), info.CompteursCréation.begin(), info.CompteursCréation.end());
        lines.push_back(counters);
        const Classement c = parseClassement(readWhole(folder, classementFile(mode)).value_or(""));
        std::vector<long long> ranked;
        for (int k = 1; k <= kRangs && !c.ClassementDate[k].empty(); ++k) ranked.push_back(c.ClassementScore[k]);
        lines.push_back(ranked);
    }
    return lines;
}

std::vector<std::vector<long long>> load(const std::string& file) {
    std::vector<std::vector<long long>> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        std::vector<long long> numbers;
        std::istringstream words(line);
        for (long long n; words >> n;) numbers.push_back(n);
        lines.push_back(numbers);
    }
    return lines;
}

void save(const std::string& file, const std::vector<std::vector<long long>>& lines) {
    std::ofstream out(file);
    for (const auto& numbers : lines) {
        for (long long n : numbers) out << n << ' ';
        out << '\n';
    }
}

bool nothingLost(const std::vector<std::vector<long long>>& before, const std::vector<std::vector<long long>>& now) {
    bool ok = true;
    for (std::size_t l = 0; l < before.size() && l < now.size(); ++l) {
        const bool ranking = l % 2 == 1;
        const auto& was = before[l];
        const auto& is = now[l];
        if (ranking && is.size() < was.size()) {
            std::printf("lost: way %zu ranked %zu records, now %zu\n", l / 2 + 1, was.size(), is.size());
            ok = false;
        }
        for (std::size_t i = 0; i < was.size() && i < is.size(); ++i) {
            if (is[i] < was[i]) {
                std::printf("lost: way %zu, %s %zu went from %lld to %lld\n", l / 2 + 1,
                            ranking ? "rank" : "counter", i + ranking, was[i], is[i]);
                ok = false;
            }
        }
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) return 2;
    const std::filesystem::path folder = argv[1];
    bool ok = whole(folder, kJoueursFile, parseJoueurs, formatJoueurs);
    ok &= whole(folder, kCommenceFile, parseCommence, formatCommence);
    for (int mode : {1, 2}) {
        ok &= whole(folder, classementFile(mode), parseClassement, formatClassement);
        ok &= whole(folder, infoFile(mode), parseInfos, formatInfos);
        ok &= whole(folder, abandonFile(mode), parseAbandons, formatAbandons);
    }
    if (argc == 3) {
        const auto now = holdings(folder);
        if (std::filesystem::exists(argv[2])) ok &= nothingLost(load(argv[2]), now);
        save(argv[2], now);
    }
    return ok ? 0 : 1;
}
