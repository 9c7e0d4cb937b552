// The window's sound player: each effect is NAME.wav in a folder (the
// game's files by default), preloaded the first time it is asked for.
//
// A blocking play is heard after the blocking effects before it, but the game
// does not stand still while it sounds: the effect is queued and starts when
// the previous one has had its length, and play() returns at once. Waiting
// inside play() would keep the window's events flowing (it must keep
// painting), and any of them could start another handler of the game in the
// middle of the one that asked for the sound.
//
// An effect's length is read from its WAV header, never from the audio
// system: where there is no audio device, an effect is reported as playing
// and its end never comes.
#pragma once

#include "qt/layer.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"

class QSoundEffect;

namespace dravonelle {

class WavSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    // An empty folder means the game's files (qt/game_files.h).
    explicit WavSoundPlayer(QString folder = QString(), QObject* parent = nullptr);
    ~WavSoundPlayer() override;

    // A missing or unreadable file plays nothing.
    void play(const std::string& name, bool blocking) override;

    // How long the WAV file at PATH sounds, in milliseconds, from its
    // header; nullopt when it is missing, not a PCM WAV, or empty.
    static std::optional<int> lengthOf(const QString& path);

signals:
    // An effect begins to sound (for the tests, and for anyone listening).
    void started(const QString& name);

private:
    struct Effect {
        std::unique_ptr<QSoundEffect> sound;  // null when the file is unusable
        int length = 0;                       // milliseconds
    };

    Effect* effect(const std::string& name);
    void start(const std::string& name, Effect& effect);
    void startBlocking(const std::string& name, Effect& effect);
    void next();

    QString folder_;
    std::map<std::string, Effect> effects_;
    std::deque<std::string> waiting_;  // blocking effects still to be heard
    int waitingLength_ = 0;            // their lengths added up, milliseconds
    QTimer sounding_;                  // runs while a blocking effect sounds
};

}  // namespace dravonelle
