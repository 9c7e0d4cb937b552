#include "qt/wav_sound_player.h"
#include "qt/game_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSoundEffect>
#include <QUrl>
#include <algorithm>
#include <cstdint>
#include <utility>

namespace dravonelle {

namespace {

// No header is trusted to hold the game longer than this.
constexpr int kLongestEffect = 10'000;
// Blocking effects asked for faster than they can be heard are dropped
// beyond this much waiting sound, so that the sounds keep up with the game.
constexpr int kLongestWait = 3'000;

std::uint32_t le32(const QByteArray& b, qsizetype at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint16_t le16(const QByteArray& b, qsizetype at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

}  // namespace

WavSoundPlayer::WavSoundPlayer(QString folder, QObject* parent)
    : QObject(parent),
      folder_(folder.isEmpty() ? gameFilesFolder() : std::move(folder)) {
    sounding_.setSingleShot(true);
    sounding_.setTimerType(Qt::PreciseTimer);
    connect(&sounding_, &QTimer::timeout, this, &WavSoundPlayer::next);
}

WavSoundPlayer::~WavSoundPlayer() = default;

std::optional<int> WavSoundPlayer::lengthOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const qint64 size = file.size();
    // The chunks before the samples are small; the samples are not read.
    const QByteArray head = file.read(4096);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return std::nullopt;
    std::uint32_t byteRate = 0;
    std::uint16_t format = 0, bits = 0;
    qsizetype at = 12;
    while (at + 8 <= head.size()) {
        const QByteArray id = head.mid(at, 4);
        const std::uint32_t length = le32(head, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && body + 16 <= head.size()) {
            format = le16(head, body);
            byteRate = le32(head, body + 8);
            bits = le16(head, body + 14);
        } else if (id == "data") {
            if (format != 1 || (bits != 8 && bits != 16) || byteRate == 0) return std::nullopt;
            // A file cut short sounds as far as its samples go.
            const qint64 data = std::min<qint64>(length, size - body);
            if (data <= 0) return std::nullopt;
            const qint64 ms = (data * 1000 + byteRate - 1) / byteRate;
            return static_cast<int>(std::min<qint64>(ms, kLongestEffect));
        }
        at = body + length + (length & 1);
    }
    return std::nullopt;
}

WavSoundPlayer::Effect* WavSoundPlayer::effect(const std::string& name) {
    auto found = effects_.find(name);
    if (found == effects_.end()) {
        Effect e;
        const QString path = QDir(folder_).filePath(QString::fromStdString(name) + QStringLiteral(".wav"));
        if (const std::optional<int> length = lengthOf(path)) {
            e.length = *length;
            e.sound = std::make_unique<QSoundEffect>();
            e.sound->setSource(QUrl::fromLocalFile(path));
        }
        found = effects_.emplace(name, std::move(e)).first;
    }
    return found->second.sound ? &found->second : nullptr;
}

void WavSoundPlayer::play(const std::string& name, bool blocking) {
    Effect* e = effect(name);
    if (!e) return;
    if (!blocking) {
        start(name, *e);
    } else if (!sounding_.isActive() && waiting_.empty()) {
        startBlocking(name, *e);
    } else if (waitingLength_ + e->length <= kLongestWait) {
        waiting_.push_back(name);
        waitingLength_ += e->length;
    }
}

void WavSoundPlayer::start(const std::string& name, Effect& effect) {
    // The same effect again starts over.
    effect.sound->stop();
    effect.sound->play();
    emit started(QString::fromStdString(name));
}

void WavSoundPlayer::startBlocking(const std::string& name, Effect& effect) {
    start(name, effect);
    sounding_.start(effect.length);
}

void WavSoundPlayer::next() {
    if (waiting_.empty()) return;
    const std::string name = waiting_.front();
    waiting_.pop_front();
    Effect& e = effects_.at(name);
    waitingLength_ -= e.length;
    startBlocking(name, e);
}

}  // namespace dravonelle
