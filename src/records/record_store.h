// The in-memory images of the data files, one struct per file,
// under the game's own names. Strings are UTF-8 in memory; the files are
// Windows-1252, and data_files.h converts between the two.
#pragma once

#include "records/layer.h"

#include <array>
#include <cstdint>
#include <string>

namespace dravonelle {

// Characters are numbered 1 to 24; 0 is no character. Tables indexed by
// character have 25 entries, and tables indexed by rank 11 (entry 0 unused).
inline constexpr int kPersonnages = 24;
inline constexpr int kRangs = 10;
inline constexpr int kCompteursCréation = 12;

// The game counters are 16-bit; the figure counters are 32-bit.
inline constexpr int kCompteurMax = 32767;
inline constexpr std::int32_t kCompteurLongMax = 2147483647;

// "Joueurs". Entry 0 is the empty name, which a ranking record with character
// 0 shows. A default Joueurs has every name empty: the image before the names
// are loaded, which the game recognises by its empty entry 1.
struct Joueurs {
    std::array<std::string, kPersonnages + 1> NomsPersonnages{};
    bool operator==(const Joueurs&) const = default;
};

// "Abandon1" / "Abandon2".
struct Abandons {
    int TotalAbandons = 0;
    std::array<int, kPersonnages + 1> AbandonsPar{};  // entry 0 unused
    bool operator==(const Abandons&) const = default;
};

// "Info1" / "Info2": finished games, and the figure counters since the data
// files were created, in the order of rows 0 to 11 of the statistics table.
struct Infos {
    int TotalTerminées = 0;
    std::array<int, kPersonnages + 1> TerminéesPar{};  // entry 0 unused
    std::array<std::int32_t, kCompteursCréation> CompteursCréation{};
    bool operator==(const Infos&) const = default;
};

// "Fichyam1" / "Fichyam2": ranks 1 (best) to 10. A date is "05/12/06 ",
// trailing space included, or empty in a record that was never played.
struct Classement {
    std::array<int, kRangs + 1> ClassementPersonnage{};
    std::array<std::string, kRangs + 1> ClassementDate{};
    std::array<int, kRangs + 1> ClassementScore{};
    bool operator==(const Classement&) const = default;
};

// "Commence": the saved start-up parameters. The default is what a fresh
// installation starts with: everything off, no character, no way of playing,
// the first set of dice.
struct Commence {
    bool SansAnimation = false;
    int PersonnageDépart = 0;
    int ModeTirage = 0;
    bool SansBulles = false;
    bool SansSons = false;
    bool PanneauAffiché = false;
    int JeuDeDés = 1;
    bool Verrouillé = false;
    bool operator==(const Commence&) const = default;
};

// The names of a fresh installation, characters 1 to 24 (entry 0 empty).
Joueurs joueursNeufs();

// PersonnagesClassés: the characters of both rankings, entries 1..10 from
// way 1 and 11..20 from way 2 (entry 0 unused).
std::array<int, 2 * kRangs + 1> personnagesClassés(const Classement& un, const Classement& deux);

// One more game for a 16-bit game counter: it stays at 32767 once there.
int plusUn(int compteur);
// One more for a 32-bit figure counter: it stays at 2147483647 once there.
std::int32_t plusUnLong(std::int32_t compteur);

}  // namespace dravonelle
