#include "records/character_name.h"

#include "records/windows_1252.h"

#include "rules/number_text.h"

namespace dravonelle {
namespace {

constexpr std::size_t kNomCourt = 3;
constexpr std::size_t kNomLong = 10;

// The capital of a letter of the data files' code page; any other character
// is its own capital.
char32_t capitale(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;  // à…þ but ÷
    switch (c) {
        case 0xFF:
            return 0x178;  // ÿ Ÿ
        case 0x153:
            return 0x152;  // œ Œ
        case 0x161:
            return 0x160;  // š Š
        case 0x17E:
            return 0x17D;  // ž Ž
        default:
            return c;
    }
}

}  // namespace

RefusNom refusNom(std::string_view nom) {
    const std::size_t n = textLength(nom);
    if (n < kNomCourt || n > kNomLong) return RefusNom::Longueur;
    if (nom.find('"') != std::string_view::npos) return RefusNom::Guillemet;
    // A character the page lacks comes back from it as '?', a malformed
    // sequence likewise.
    if (windows1252ToUtf8(utf8ToWindows1252(nom)) != nom) return RefusNom::HorsPage;
    return RefusNom::Aucun;
}

std::string enCapitales(std::string_view nom) {
    std::string out;
    out.reserve(nom.size());
    for (std::size_t i = 0; i < nom.size();) {
        const auto b = static_cast<unsigned char>(nom[i]);
        // Only the one- and two-byte forms hold letters that change; the
        // rest is copied byte for byte, malformed sequences included.
        if (b < 0x80) {
            appendUtf8(out, capitale(b));
            ++i;
        } else if (b >= 0xC2 && b < 0xE0 && i + 1 < nom.size() &&
                   (static_cast<unsigned char>(nom[i + 1]) & 0xC0) == 0x80) {
            const char32_t c = (char32_t{b} & 0x1F) << 6 | (static_cast<unsigned char>(nom[i + 1]) & 0x3F);
            appendUtf8(out, capitale(c));
            i += 2;
        } else {
            out += nom[i];
            ++i;
        }
    }
    return out;
}

}  // namespace dravonelle
