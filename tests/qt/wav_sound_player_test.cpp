// The window's sound player, offscreen and with or without an audio device:
// blocking effects are heard one after the other, each for its own length,
// and missing files are simply not heard.
#include "qt/wav_sound_player.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdint>
#include <vector>

#include "qt/qt_platform.h"

namespace dravonelle {
namespace {

void put16(QByteArray& b, std::uint16_t v) {
    b.append(static_cast<char>(v & 0xff));
    b.append(static_cast<char>(v >> 8));
}

void put32(QByteArray& b, std::uint32_t v) {
    put16(b, static_cast<std::uint16_t>(v & 0xffff));
    put16(b, static_cast<std::uint16_t>(v >> 16));
}

// A quiet 16-bit mono WAV lasting MS milliseconds at 22050 Hz.
void writeWav(const QString& path, int ms) {
    const std::uint32_t frames = 22050u * static_cast<std::uint32_t>(ms) / 1000u;
    QByteArray b("RIFF");
    put32(b, 36 + frames * 2);
    b.append("WAVEfmt ");
    put32(b, 16);
    put16(b, 1);
    put16(b, 1);
    put32(b, 22050);
    put32(b, 44100);
    put16(b, 2);
    put16(b, 16);
    b.append("data");
    put32(b, frames * 2);
    for (std::uint32_t i = 0; i < frames; ++i) put16(b, static_cast<std::uint16_t>((i % 50) * 20));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(b);
}

struct Heard {
    QString name;
    qint64 at;  // milliseconds since the first play
};

class SoundPlayerTest : public ::testing::Test {
protected:
    SoundPlayerTest() {
        writeWav(dir.filePath("Long.wav"), 300);
        writeWav(dir.filePath("Short.wav"), 100);
        QFile garbage(dir.filePath("Garbled.wav"));
        EXPECT_TRUE(garbage.open(QIODevice::WriteOnly));
        garbage.write("RIFF\x10\0\0\0WAVEjunk");
        QObject::connect(&player, &WavSoundPlayer::started,
                         [this](const QString& name) { heard.push_back({name, clock.elapsed()}); });
        clock.start();
    }

    QTemporaryDir dir;
    WavSoundPlayer player{dir.path()};
    QElapsedTimer clock;
    std::vector<Heard> heard;
};

TEST_F(SoundPlayerTest, ReadsTheLengthFromTheHeader) {
    EXPECT_EQ(WavSoundPlayer::lengthOf(dir.filePath("Long.wav")), 300);
    EXPECT_EQ(WavSoundPlayer::lengthOf(dir.filePath("Short.wav")), 100);
    EXPECT_EQ(WavSoundPlayer::lengthOf(dir.filePath("Garbled.wav")), std::nullopt);
    EXPECT_EQ(WavSoundPlayer::lengthOf(dir.filePath("Missing.wav")), std::nullopt);
}

TEST_F(SoundPlayerTest, BlockingEffectsAreHeardOneAfterTheOther) {
    player.play("Long", true);
    player.play("Short", true);
    player.play("Long", true);
    // The game goes on at once; only the first has begun.
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].name, "Long");
    ASSERT_TRUE(QTest::qWaitFor([this] { return heard.size() == 3; }, 10'000));
    EXPECT_EQ(heard[1].name, "Short");
    EXPECT_EQ(heard[2].name, "Long");
    // Each waited for the whole of the one before, and no audio system was
    // asked when that one ended.
    EXPECT_GE(heard[1].at - heard[0].at, 300);
    EXPECT_GE(heard[2].at - heard[1].at, 100);
}

TEST_F(SoundPlayerTest, OtherEffectsStartAtOnce) {
    player.play("Long", true);
    player.play("Short", false);
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[1].name, "Short");
}

TEST_F(SoundPlayerTest, MissingOrUnreadableFilesAreNotHeardAndHoldNothingUp) {
    player.play("Missing", true);
    player.play("Garbled", true);
    player.play("Short", true);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].name, "Short");
}

TEST(QtPlatformSounds, TheGamePlaysEveryEffectWithNoSoundFiles) {
    QTemporaryDir empty;
    QtPlatform platform(empty.path());
    // The name plays no part: one the build makes, one it never does.
    for (const char* name : {"Quick", "Moteur"}) {
        platform.services().sound.play(name, true);
        platform.services().sound.play(name, false);
    }
    QTest::qWait(50);
    SUCCEED();
}

}  // namespace
}  // namespace dravonelle
