// "Abandon1" / "Abandon2": the games given up, in all and by character.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "reader_checks.h"
#include "records/data_files.h"

namespace {

using namespace dravonelle;

bool sound(const Abandons& a) {
    if (!fuzz::within(a.TotalAbandons, 0, kCompteurMax) || a.AbandonsPar[0] != 0) return false;
    for (int i = 1; i <= kPersonnages; ++i) {
        if (!fuzz::within(a.AbandonsPar[i], 0, kCompteurMax)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::checkReader(bytes, parseAbandons, sound, formatAbandons, 25, 1);
    return 0;
}
