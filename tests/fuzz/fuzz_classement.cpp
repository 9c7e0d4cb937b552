// "Fichyam1" / "Fichyam2": ten ranking records of three lines, each taken
// whole or not at all.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "reader_checks.h"
#include "records/data_files.h"

namespace {

using namespace dravonelle;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Empty, or "DD/MM/YY " with its trailing space.
bool isDate(const std::string& d) {
    if (d.empty()) return true;
    if (d.size() != 9 || d[2] != '/' || d[5] != '/' || d[8] != ' ') return false;
    for (int i : {0, 1, 3, 4, 6, 7}) {
        if (!isDigit(d[i])) return false;
    }
    return true;
}

// Entry 0 is unused; a rank holds a character or none, a date and a score.
bool sound(const Classement& c) {
    if (c.ClassementPersonnage[0] != 0 || !c.ClassementDate[0].empty() || c.ClassementScore[0] != 0) return false;
    for (int k = 1; k <= kRangs; ++k) {
        if (!fuzz::within(c.ClassementPersonnage[k], 0, kPersonnages) || !isDate(c.ClassementDate[k]) ||
            !fuzz::within(c.ClassementScore[k], -32768, 32767)) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::checkReader(bytes, parseClassement, sound, formatClassement, 30, 3);
    return 0;
}
