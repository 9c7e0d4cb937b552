// "Joueurs": the 24 names, one a line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "reader_checks.h"
#include "records/data_files.h"
#include "records/windows_1252.h"

namespace {

using namespace dravonelle;

// Entry 0 is the empty name; every name is 3 to 10 characters of the code
// page, none a control character.
bool sound(const Joueurs& j) {
    if (!j.NomsPersonnages[0].empty()) return false;
    for (int i = 1; i <= kPersonnages; ++i) {
        const std::string& nom = j.NomsPersonnages[i];
        const std::string bytes = utf8ToWindows1252(nom);
        if (windows1252ToUtf8(bytes) != nom || !fuzz::within(static_cast<long long>(bytes.size()), 3, 10)) return false;
        for (char c : bytes) {
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::checkReader(bytes, parseJoueurs, sound, formatJoueurs, 24, 1);
    return 0;
}
