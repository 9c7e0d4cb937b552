// "Info1" / "Info2": the finished games, in all and by character, and the
// figure counters.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "reader_checks.h"
#include "records/data_files.h"

namespace {

using namespace dravonelle;

bool sound(const Infos& f) {
    if (!fuzz::within(f.TotalTerminées, 0, kCompteurMax) || f.TerminéesPar[0] != 0) return false;
    for (int i = 1; i <= kPersonnages; ++i) {
        if (!fuzz::within(f.TerminéesPar[i], 0, kCompteurMax)) return false;
    }
    for (std::int32_t n : f.CompteursCréation) {
        if (!fuzz::within(n, 0, kCompteurLongMax)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::checkReader(bytes, parseInfos, sound, formatInfos, 37, 1);
    return 0;
}
