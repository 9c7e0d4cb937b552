// "Abandon1" / "Abandon2": the games given up, in all and by character.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "reader_checks.h"
#include "records/data_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    dravonelle::fuzz::checkReader(bytes, dravonelle::parseAbandons, dravonelle::formatAbandons, 25, 1);
    return 0;
}
