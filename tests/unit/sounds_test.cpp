#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "window/controls/control_model.h"
#include "platform/scripted_platform.h"
#include "window/jeu_yam.h"

namespace dravonelle {
namespace {

// The window waits for every effect to end before the next one; only
// Moteur, Flute and Retour may play under what follows. The driver does not
// print that flag, so a player that records it stands in for the sound.
TEST(Jouebruit, PlaysEveryEffectToItsEndButTheFewAsynchronousOnes) {
    struct Recorder : SoundPlayer {
        std::vector<std::pair<std::string, bool>> played;
        void play(const std::string& name, bool blocking) override { played.emplace_back(name, blocking); }
    } recorder;
    std::ostringstream out;
    ScriptedPlatform scripted{out, "/nonexistent"};
    Platform platform{scripted, scripted, recorder, scripted, scripted,
                      scripted, scripted, scripted, scripted, scripted};
    ControlModel model;
    JeuYam jeu{model, platform};
    for (const char* name : {"Quick", "Clic", "Beepbeep", "Canard", "Moteur", "Flute", "Retour"}) jeu.Bruit(name);
    jeu.SansSons = true;
    jeu.Bruit("Eau");
    const std::vector<std::pair<std::string, bool>> expected{{"Quick", true},  {"Clic", true},    {"Beepbeep", true},
                                                             {"Canard", true}, {"Moteur", false}, {"Flute", false},
                                                             {"Retour", false}};
    EXPECT_EQ(recorder.played, expected);
    EXPECT_EQ(jeu.NomBruit, "Eau");  // named even when nothing is heard
}

// Every effect has its WAV beside the program, each its own: 16-bit mono
// PCM at 22 050 Hz (the 44-byte header our tool writes), 0.03 s to 1.5 s,
// its peak between -6 and -3 dBFS, without a click at either end.
TEST(SoundFiles, EveryEffectIsAShortAudibleWav) {
    const char* const effects[] = {"Ah",    "Alerte", "Alleluia", "Aouh",   "Avale",  "Beepbeep", "Bonsai", "Bonus",
                                   "Canard", "Casse", "Clap",     "Classic", "Clic",  "Cri",      "Eau",    "Feu",
                                   "Gloup", "Ouhouh", "Quick",    "Robot1", "Robot2", "Robot3",   "Robot4", "Slurp"};
    std::set<std::string> contents;
    for (const char* name : effects) {
        std::ifstream in(std::filesystem::path(DRAVONELLE_SOUND_FOLDER) / (std::string(name) + ".wav"),
                         std::ios::binary);
        const std::string b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        const auto le = [&b](std::size_t at, int bytes) {
            std::uint32_t v = 0;
            for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
            return v;
        };
        const auto loudness = [&le](std::size_t at) {
            return std::abs(static_cast<int>(static_cast<std::int16_t>(le(at, 2))));
        };
        ASSERT_GE(b.size(), 46u) << name;
        EXPECT_EQ(b.substr(0, 4) + b.substr(8, 8) + b.substr(36, 4), "RIFFWAVEfmt data") << name;
        // format, channels, rate, bytes a second, bits, the data's length
        EXPECT_EQ(std::vector<std::uint32_t>({le(20, 2), le(22, 2), le(24, 4), le(28, 4), le(34, 2), le(40, 4)}),
                  std::vector<std::uint32_t>({1, 1, 22050, 44100, 16, static_cast<std::uint32_t>(b.size() - 44)}))
            << name;
        const std::size_t n = (b.size() - 44) / 2;
        EXPECT_TRUE(n > 0.03 * 22050 && n < 1.5 * 22050) << name << ": " << n;
        int peak = 0;
        for (std::size_t i = 0; i < n; ++i) peak = std::max(peak, loudness(44 + 2 * i));
        EXPECT_TRUE(peak > 32767 * 0.5 && peak <= 32767 * 0.75) << name << ": " << peak;
        EXPECT_TRUE(loudness(44) < 200 && loudness(b.size() - 2) < 200) << name;
        contents.insert(b);
    }
    EXPECT_EQ(contents.size(), std::size(effects));
}

}  // namespace
}  // namespace dravonelle
