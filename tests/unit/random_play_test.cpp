// Random play: seeded games of random but legal events, chosen from what the
// window shows, with the sheet's invariants checked after every line. A
// failure names the seed and the last lines of its script, ready to replay
// with dravonelle-script.
//
// DRAVONELLE_GAMES sets how many games to play (2000 by default).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <exception>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "folder_fixture.h"
#include "rules/sheet_index.h"
#include "script_driver.h"
#include "window/jeu_yam.h"

namespace dravonelle {
namespace {

constexpr int kMaxLines = 12000;  // a game still running by then hangs (the longest
                                  // of 20,000 took under 4,000 lines)
constexpr std::size_t kTail = 40;
const char* const kBlank = "   ";

// DRAVONELLE_GAMES: how many games (2000); DRAVONELLE_SEED: the first seed
// (1000), to replay from there on.
unsigned fromEnvironment(const char* name, unsigned otherwise) {
    const char* n = std::getenv(name);
    return n && std::strtoul(n, nullptr, 10) > 0 ? static_cast<unsigned>(std::strtoul(n, nullptr, 10)) : otherwise;
}

// Both ways of playing by default; DRAVONELLE_ONE_DRAW=1 keeps to "1 tirage".
bool twoDraws() { return std::getenv("DRAVONELLE_ONE_DRAW") == nullptr; }

// A result written in black; `closed`: in a closed cell, placeholders aside.
bool written(const JeuYam& jeu, int k, bool closed) {
    const Control& c = jeu.Cases(k);
    const bool counts = closed ? !sheet::isPlaceholder(k) && jeu.partie.CaseFermée[static_cast<std::size_t>(k)]
                               : sheet::isScoringCell(k);
    return counts && c.forecolor() == colors::black && c.caption() != kBlank;
}

int filledCount(const JeuYam& jeu) {
    int n = 0;
    for (int k = 0; k <= sheet::kLastSheetCell; ++k) n += written(jeu, k, false) ? 1 : 0;
    return n;
}

// What must hold after any line; empty when it does.
std::string brokenInvariant(const JeuYam& jeu) {
    std::ostringstream why;
    int columns = 0;
    for (int c = 0; c < sheet::kColumns; ++c) {
        int sum = jeu.Totaux(3 * c).number() + jeu.Totaux(3 * c + 1).number();
        for (int r = sheet::Suite; r <= sheet::Yam; ++r) {
            const int k = sheet::cell(c, r);
            if (written(jeu, k, true)) sum += jeu.Cases(k).number();
        }
        const int total = jeu.Totaux(3 * c + 2).number();
        if (total != sum) why << "column " << c << " total " << total << " but its cells make " << sum << "; ";
        columns += total;
    }
    if (jeu.Totaux(15).number() != columns) {
        why << "grand total " << jeu.Totaux(15).number() << " but the columns make " << columns << "; ";
    }
    for (int k = 0; k <= sheet::kLastSheetCell; ++k) {
        const Control& c = jeu.Cases(k);
        if (sheet::isPlaceholder(k)) {
            if (c.visible()) why << "placeholder " << k << " shown; ";
            continue;
        }
        // A preview (blue) may stay behind in a cell that a throw hides; any
        // other text is shown.
        if (c.caption() != kBlank && c.forecolor() != colors::blue && !c.visible()) {
            why << "cell " << k << " holds \"" << c.caption() << "\" unseen; ";
        }
        if (written(jeu, k, false) && !jeu.partie.CaseFermée[static_cast<std::size_t>(k)])
            why << "filled cell " << k << " open; ";
    }
    if (jeu.partie.NuméroTirage > sheet::kScoringCells) why << "NuméroTirage " << jeu.partie.NuméroTirage << "; ";
    if (jeu.Tirage_No.number() > sheet::kScoringCells) why << "Tirage_No " << jeu.Tirage_No.caption() << "; ";
    if (jeu.partie.NuméroJet < 0 || jeu.partie.NuméroJet > 3) why << "NuméroJet " << jeu.partie.NuméroJet << "; ";
    return why.str();
}

// One seeded game in a folder of its own, its lines chosen from the state.
class RandomGame {
public:
    // The folder starts with the data files of a first start already made
    // (copied, so that the game does not spend its start writing them).
    RandomGame(unsigned seed, const std::filesystem::path& start)
        : seed_(seed),
          rng_(seed),
          copied_((std::filesystem::copy(start, folder_.path), true)),
          session_(out_, folder_.path) {}

    // Plays until the 65th result; answers what went wrong, if anything.
    std::optional<std::string> play() {
        const std::string seed = "seed " + std::to_string(rng_());
        const char* way = pick(2) && twoDraws() ? "click Coup2" : "click Coup1";
        for (const std::string& l : {seed, std::string("start"), std::string(way), std::string("move Personnages 0")})
            if (auto e = line(l)) return e;
        const int last = session_.jeu()->Personnages.highest();
        if (auto e = line("click Personnages " + std::to_string(1 + pick(last)))) return e;
        while (lines_ < kMaxLines) {
            const JeuYam& jeu = *session_.jeu();
            if (filledCount(jeu) == sheet::kScoringCells) {
                if (jeu.Ok.enabled()) return "65 results and OK still enabled";
                return std::nullopt;
            }
            for (const std::string& l : next(jeu)) {
                if (auto e = line(l)) return e;
            }
        }
        return "no end after " + std::to_string(kMaxLines) + " lines (" + std::to_string(filledCount(*session_.jeu())) +
               " results)";
    }

    std::string report(const std::string& what) const {
        std::string text = "seed " + std::to_string(seed_) + ": " + what + "\nlast lines of the script:\n";
        for (const std::string& l : tail_) text += "  " + l + "\n";
        return text;
    }

private:
    std::optional<std::string> line(const std::string& l) {
        ++lines_;
        tail_.push_back(l);
        if (tail_.size() > kTail) tail_.pop_front();
        int status = 0;
        try {
            status = session_.run(l);
        } catch (const std::exception& e) {
            return std::string("exception: ") + e.what();
        }
        out_.str("");  // only errors matter here; keep the stream small
        if (status != 0) return "driver status " + std::to_string(status);
        if (session_.ended()) return std::string("the game exited");
        const JeuYam* jeu = session_.jeu();
        if (std::string why = jeu ? brokenInvariant(*jeu) : ""; !why.empty()) return why;
        return std::nullopt;
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return pick(100) < percent; }
    template <class T>
    const T& among(const std::vector<T>& v) {
        return v[static_cast<std::size_t>(pick(static_cast<int>(v.size())))];
    }

    // The scoring cells closed, or open to a click (Annonce's only).
    static std::vector<int> cells(const JeuYam& jeu, bool closed, bool annonceOnly = false) {
        std::vector<int> found;
        for (int k = 0; k <= sheet::kLastSheetCell; ++k) {
            const Control& c = jeu.Cases(k);
            if (sheet::isScoringCell(k) && jeu.partie.CaseFermée[static_cast<std::size_t>(k)] == closed &&
                (closed || (c.visible() && c.enabled() && (!annonceOnly || sheet::isAnnonce(k)))))
                found.push_back(k);
        }
        return found;
    }

    static std::string cell(int k) { return "click Cases " + std::to_string(k); }

    // Where the keyboard focus stands ("" nowhere).
    static std::string focused(const JeuYam& jeu) {
        const int id = jeu.model().focus();
        return id < 0 ? std::string() : jeu.model().controls()[static_cast<std::size_t>(id)].name();
    }

    // Space and Return press what holds the focus, which Tab may have taken
    // to Halte, a portrait or the renaming: they are pressed only where a
    // random click could land as well.
    static bool pressable(const JeuYam& jeu) {
        static const std::vector<std::string> safe{"Ok",         "Cases",     "ChoixDés", "Retour",    "Zéro",
                                                   "Conseil",    "Aides",     "Sons",     "Animation", "Règles",
                                                   "ScrollHaut", "ScrollBas", "SSPanel2"};
        return std::find(safe.begin(), safe.end(), focused(jeu)) != safe.end();
    }

    std::string ok() { return chance(85) || focused(*session_.jeu()) != "Ok" ? "click Ok" : "key Space"; }

    // The keyboard's other keys and the advisor, at whatever moment.
    std::optional<std::vector<std::string>> keyOrAdvice(const JeuYam& jeu) {
        static const char* const keys[] = {"Tab", "Shift+Tab", "Up", "Down", "Left", "Right", "Escape", "F1", "Ctrl+Z"};
        switch (pick(4)) {
            case 0:
                return std::vector<std::string>{"click Conseil"};
            case 1:
                if (pressable(jeu)) return std::vector<std::string>{"key Return"};
                return std::nullopt;
            default:
                return std::vector<std::string>{std::string("key ") + keys[pick(9)]};
        }
    }

    std::string release() {
        static const char* const letters[] = {"W", "X", "C", "V", "B"};
        const int die = pick(5);
        switch (pick(3)) {
            case 0:
                return "click ChoixDés " + std::to_string(die);
            case 1:
                return "click Choixdés2 " + std::to_string(die);
            default:
                return std::string("key ") + letters[die];
        }
    }

    // Now and then something beside the game's course.
    std::optional<std::vector<std::string>> aside(const JeuYam& jeu) {
        if (chance(88)) return std::nullopt;
        switch (pick(10)) {
            case 0:
                return std::vector<std::string>{"move Cases " + std::to_string(pick(sheet::kCellCount))};
            case 1:
                return std::vector<std::string>{"move JeuYam"};
            case 2: {
                const auto closed = cells(jeu, true);
                if (!closed.empty()) return std::vector<std::string>{cell(among(closed))};
                return std::nullopt;
            }
            case 3:
                if (jeu.Retour.visible()) return std::vector<std::string>{"click Retour"};
                return std::nullopt;
            case 4:
                if (jeu.Zéro.visible()) return std::vector<std::string>{"click Zéro"};
                return std::nullopt;
            case 5:
            case 6:
                // Another way of playing or another character, twice a game at most.
                if (switches_ >= 2 || !chance(3)) return std::nullopt;
                ++switches_;
                if (pick(2)) return std::vector<std::string>{pick(2) && twoDraws() ? "click Coup2" : "click Coup1"};
                return std::vector<std::string>{
                    "move Personnages 0", "click Personnages " + std::to_string(1 + pick(jeu.Personnages.highest()))};
            case 7:
            case 8:
                return keyOrAdvice(jeu);
            default:
                return std::vector<std::string>{release()};
        }
    }

    std::vector<std::string> next(const JeuYam& jeu) {
        if (auto other = aside(jeu)) return *other;
        if (jeu.Cases(81).visible() || jeu.Cases(82).visible()) {
            if (chance(90)) return {pick(2) ? "click Cases 81" : "click Cases 82"};
        }
        const auto open = cells(jeu, false);
        // "2 tirages" with both draws taken: one of the two cells, or OK.
        if (jeu.partie.CaseTirage1 >= 0 && jeu.partie.CaseTirage2 >= 0 && chance(jeu.partie.NuméroJet == 0 ? 85 : 40)) {
            return {pick(2) ? cell(jeu.partie.CaseTirage1) : cell(jeu.partie.CaseTirage2)};
        }
        if (jeu.partie.NuméroJet == 0) return {ok()};
        if (jeu.partie.NuméroJet == 1 && chance(8)) {
            const auto annonce = cells(jeu, false, true);
            if (!annonce.empty()) return {cell(among(annonce))};
        }
        if (jeu.partie.NuméroJet == 3) return {open.empty() ? ok() : cell(among(open))};
        const int r = pick(100);
        if (r < 55 && !open.empty()) {
            const int k = among(open);
            return {"move Cases " + std::to_string(k), cell(k)};
        }
        if (r < 80) return {release(), ok()};
        return {ok()};
    }

    unsigned seed_;
    std::mt19937 rng_;
    ScratchFolder folder_;
    bool copied_;
    std::ostringstream out_;
    ScriptSession session_;
    std::deque<std::string> tail_;
    int lines_ = 0;
    int switches_ = 0;
};

TEST(RandomPlay, EveryGameKeepsItsSheetSoundToTheEnd) {
    const unsigned games = fromEnvironment("DRAVONELLE_GAMES", 2000);
    ScratchFolder started;
    {
        std::ostringstream out;
        ScriptSession first(out, started.path);
        ASSERT_EQ(first.run("start"), 0) << out.str();
    }
    int failures = 0;
    for (unsigned g = 0; g < games && failures < 5; ++g) {
        const unsigned seed = fromEnvironment("DRAVONELLE_SEED", 1000) + g;
        RandomGame game(seed, started.path);
        if (auto what = game.play()) {
            ++failures;
            ADD_FAILURE() << game.report(*what);
        }
    }
}

}  // namespace
}  // namespace dravonelle
