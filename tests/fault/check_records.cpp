// Checks a folder of data files after a kill:
// - every data file is whole: exactly what the game writes for the values it
//   holds, every line in place;
// - beside a copy of the folder taken at the last check, nothing the player
//   had is lost: no counter went down, and each ranking only gained records
//   (as many or more, none of them worse at its rank).
//
//   check_records FOLDER [EARLIER]
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "records/data_files.h"
#include "records/safe_file.h"

using namespace dravonelle;
namespace fs = std::filesystem;

namespace {

template <typename T>
bool whole(const fs::path& folder, const std::string& name, T (*parse)(std::string_view, ReadReport*),
           std::string (*format)(const T&)) {
    auto bytes = readWhole(folder, name);
    if (!bytes || format(parse(*bytes, nullptr)) == *bytes) return true;  // not written yet, or whole
    std::printf("broken: %s (%zu bytes)\n", name.c_str(), bytes->size());
    return false;
}

// What the player has in one way: [0] every counter, [1] the ranked scores,
// best first.
std::vector<long long> holdings(const fs::path& folder, int mode, bool ranking) {
    std::vector<long long> numbers;
    if (ranking) {
        const Classement c = parseClassement(readWhole(folder, classementFile(mode)).value_or(""));
        for (int k = 1; k <= kRangs && !c.ClassementDate[k].empty(); ++k) numbers.push_back(c.ClassementScore[k]);
        return numbers;
    }
    const Infos info = parseInfos(readWhole(folder, infoFile(mode)).value_or(""));
    const Abandons ab = parseAbandons(readWhole(folder, abandonFile(mode)).value_or(""));
    numbers = {info.TotalTerminées, ab.TotalAbandons};
    for (int i = 1; i <= kPersonnages; ++i) numbers.insert(numbers.end(), {info.TerminéesPar[i], ab.AbandonsPar[i]});
    numbers.insert(numbers.end(), info.CompteursCréation.begin(), info.CompteursCréation.end());
    return numbers;
}

bool nothingLost(const fs::path& earlier, const fs::path& folder) {
    bool ok = true;
    for (int mode : {1, 2}) {
        for (bool ranking : {false, true}) {
            const auto was = holdings(earlier, mode, ranking), is = holdings(folder, mode, ranking);
            if (is.size() < was.size()) {
                std::printf("lost: way %d ranked %zu records, now %zu\n", mode, was.size(), is.size());
                ok = false;
            }
            for (std::size_t i = 0; i < was.size() && i < is.size(); ++i) {
                if (is[i] >= was[i]) continue;
                std::printf("lost: way %d, %s %zu went from %lld to %lld\n", mode, ranking ? "rank" : "counter",
                            i + ranking, was[i], is[i]);
                ok = false;
            }
        }
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) return 2;
    const fs::path folder = argv[1];
    bool ok = whole(folder, kJoueursFile, parseJoueurs, formatJoueurs);
    ok &= whole(folder, kCommenceFile, parseCommence, formatCommence);
    for (int mode : {1, 2}) {
        ok &= whole(folder, classementFile(mode), parseClassement, formatClassement);
        ok &= whole(folder, infoFile(mode), parseInfos, formatInfos);
        ok &= whole(folder, abandonFile(mode), parseAbandons, formatAbandons);
    }
    if (argc == 3) ok &= nothingLost(argv[2], folder);
    return ok ? 0 : 1;
}
