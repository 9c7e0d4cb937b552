// The sound effects the build makes: every effect the game names has its
// WAV beside the program, in a form the window's player can read, short and
// audible.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kEffects{
    "Ah",     "Alerte", "Alleluia", "Aouh",   "Avale",  "Beepbeep", "Bonsai", "Bonus",
    "Canard", "Casse",  "Clap",     "Classic", "Clic",  "Cri",      "Eau",    "Feu",
    "Gloup",  "Ouhouh", "Quick",    "Robot1", "Robot2", "Robot3",   "Robot4", "Slurp"};

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t le32(const std::string& b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint16_t le16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

struct Wav {
    std::uint16_t format = 0, channels = 0, bits = 0;
    std::uint32_t rate = 0, byteRate = 0;
    std::vector<std::int16_t> samples;
};

// Reads a plain 44-byte-header WAV, the form our tool writes.
bool parse(const std::string& b, Wav& w) {
    if (b.size() < 44 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 8, "WAVEfmt ") != 0 ||
        b.compare(36, 4, "data") != 0)
        return false;
    w.format = le16(b, 20);
    w.channels = le16(b, 22);
    w.rate = le32(b, 24);
    w.byteRate = le32(b, 28);
    w.bits = le16(b, 34);
    const std::uint32_t data = le32(b, 40);
    if (data > b.size() - 44) return false;
    for (std::size_t i = 0; i + 1 < data; i += 2) w.samples.push_back(static_cast<std::int16_t>(le16(b, 44 + i)));
    return true;
}

TEST(SoundFiles, EveryEffectIsAShortAudible16BitMonoPcmWav) {
    for (const std::string& name : kEffects) {
        SCOPED_TRACE(name);
        const std::filesystem::path path = std::filesystem::path(DRAVONELLE_SOUND_FOLDER) / (name + ".wav");
        ASSERT_TRUE(std::filesystem::exists(path));
        Wav w;
        ASSERT_TRUE(parse(readAll(path), w));
        EXPECT_EQ(w.format, 1);  // PCM
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.bits, 16);
        EXPECT_EQ(w.rate, 22050u);
        EXPECT_EQ(w.byteRate, w.rate * 2);
        const double seconds = static_cast<double>(w.samples.size()) / w.rate;
        EXPECT_GT(seconds, 0.03);
        EXPECT_LT(seconds, 1.5);
        double sum = 0.0;
        int peak = 0;
        for (std::int16_t s : w.samples) {
            sum += static_cast<double>(s) * s;
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        }
        const double rms = std::sqrt(sum / static_cast<double>(w.samples.size())) / 32768.0;
        EXPECT_GT(rms, 0.02);
        EXPECT_LE(peak, 32767 * 0.75);  // about -3 dBFS, never clipped
        EXPECT_GT(peak, 32767 * 0.5);
        // Soft edges: no click at the start or the end.
        EXPECT_LT(std::abs(w.samples.front()), 200);
        EXPECT_LT(std::abs(w.samples.back()), 200);
    }
}

TEST(SoundFiles, EveryEffectTheGameNamesIsMade) {
    // Any "Name" the game hands to its sound calls, read from its sources.
    const std::regex call(R"((?:Bruit\(|NomBruit\s*=[^;]*)\"([A-Za-z0-9]+)\")");
    const std::regex more(R"(\"([A-Za-z0-9]+)\")");
    std::set<std::string> named;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(DRAVONELLE_SOURCE_FOLDER)) {
        if (entry.path().extension() != ".cpp") continue;
        const std::string text = readAll(entry.path());
        for (std::sregex_iterator m(text.begin(), text.end(), call), end; m != end; ++m) {
            // A choice such as `c ? "Ah" : "Avale"` names both.
            const std::string statement = m->str();
            const std::size_t stop = text.find(';', static_cast<std::size_t>(m->position()));
            const std::string whole = text.substr(static_cast<std::size_t>(m->position()),
                                                  stop == std::string::npos ? statement.size()
                                                                            : stop - m->position());
            for (std::sregex_iterator q(whole.begin(), whole.end(), more); q != end; ++q) named.insert((*q)[1]);
        }
    }
    EXPECT_GE(named.size(), 15u);
    const std::set<std::string> made(kEffects.begin(), kEffects.end());
    for (const std::string& name : named) {
        if (name == "Moteur" || name == "Flute" || name == "Retour") continue;  // never asked for yet
        EXPECT_TRUE(made.count(name)) << name << " is played but never made";
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(DRAVONELLE_SOUND_FOLDER) / (name + ".wav")))
            << name;
    }
}

TEST(SoundFiles, EffectsSoundDifferent) {
    std::set<std::string> contents;
    for (const std::string& name : kEffects) {
        contents.insert(readAll(std::filesystem::path(DRAVONELLE_SOUND_FOLDER) / (name + ".wav")));
    }
    EXPECT_EQ(contents.size(), kEffects.size());
}

}  // namespace
