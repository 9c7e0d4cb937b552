// Checks that every data file in a folder is whole: exactly what the game
// writes for the values it holds, every line in place. Prints the files that
// are not, and any temporary file left beside them.
#include <cstdio>
#include <filesystem>
#include <string>

#include "records/data_files.h"
#include "records/safe_file.h"

using namespace dravonelle;

namespace {

template <typename Parse, typename Format>
bool whole(const std::filesystem::path& folder, const std::string& name, Parse parse, Format format) {
    auto bytes = readWhole(folder, name);
    if (!bytes) return true;  // not written yet
    if (format(parse(*bytes)) == *bytes) return true;
    std::printf("broken: %s (%zu bytes)\n", name.c_str(), bytes->size());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::filesystem::path folder = argv[1];
    bool ok = whole(folder, kJoueursFile, parseJoueurs, formatJoueurs);
    ok &= whole(folder, kCommenceFile, parseCommence, formatCommence);
    for (int mode : {1, 2}) {
        ok &= whole(folder, classementFile(mode), parseClassement, formatClassement);
        ok &= whole(folder, infoFile(mode), parseInfos, formatInfos);
        ok &= whole(folder, abandonFile(mode), parseAbandons, formatAbandons);
    }
    return ok ? 0 : 1;
}
