// The neutral names and the counters' limit.
#include "records/record_store.h"

#include <string_view>

namespace dravonelle {

namespace {

// One friendly French first name per letter, capitals A-Z only, so that they
// are the same bytes in every code page.
constexpr std::array<std::string_view, kPersonnages> kPrénomsNeufs = {
    "AMELIE",  "BASTIEN", "CAMILLE", "DAMIEN", "ELODIE", "FLORIAN",  "GAELLE", "HUGO",
    "INES",    "JULIEN",  "KARINE",  "LUCAS",  "MANON",  "NICOLAS",  "OCEANE", "PIERRE",
    "QUENTIN", "ROMANE",  "SIMON",   "THEO",   "URSULE", "VALENTIN", "XAVIER", "ZOE",
};

}  // namespace

Joueurs joueursNeufs() {
    Joueurs j;
    for (int i = 1; i <= kPersonnages; ++i) j.NomsPersonnages[i] = std::string(kPrénomsNeufs[i - 1]);
    return j;
}

std::array<int, 2 * kRangs + 1> personnagesClassés(const Classement& un, const Classement& deux) {
    std::array<int, 2 * kRangs + 1> classés{};
    for (int k = 1; k <= kRangs; ++k) {
        classés[k] = un.ClassementPersonnage[k];
        classés[kRangs + k] = deux.ClassementPersonnage[k];
    }
    return classés;
}

int plusUn(int compteur) { return compteur < kCompteurMax ? compteur + 1 : kCompteurMax; }

std::int32_t plusUnLong(std::int32_t compteur) {
    return compteur < kCompteurLongMax ? compteur + 1 : kCompteurLongMax;
}

}  // namespace dravonelle
