// "Commence": the saved start-up parameters.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "reader_checks.h"
#include "records/data_files.h"

namespace {

using namespace dravonelle;

// A character or none, a way of playing or none, one of the four dice sets.
bool sound(const Commence& c) {
    return fuzz::within(c.PersonnageDépart, 0, kPersonnages) && fuzz::within(c.ModeTirage, 0, 2) &&
           fuzz::within(c.JeuDeDés, 0, 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::checkReader(bytes, parseCommence, sound, formatCommence, 9, 1);
    return 0;
}
