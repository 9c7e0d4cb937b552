#include "platform/scripted_platform.h"

#include <cstdio>
#include <iostream>

namespace dravonelle {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char ch : text) {
        switch (ch) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\r': out += "\\r"; break;
            default: out += ch;
        }
    }
    return out + "\"";
}

int weekdayOf(int year, int month, int day) {
    // Sakamoto's method: 0 = Sunday.
    static constexpr int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) year -= 1;
    const int sunday0 = (year + year / 4 - year / 100 + year / 400 + offsets[month - 1] + day) % 7;
    return sunday0 == 0 ? 7 : sunday0;
}

ScriptedPlatform::ScriptedPlatform(std::ostream& out, std::filesystem::path folder)
    : out_(out), folder_(std::move(folder)) {
    now_.weekday = weekdayOf(now_.year, now_.month, now_.day);
}

Platform ScriptedPlatform::platform() {
    return Platform{*this, *this, *this, *this, *this, *this, *this, *this, *this, *this};
}

std::string ScriptedPlatform::weekdayName() {
    static const char* const names[] = {"lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"};
    return names[(weekdayOf(now_.year, now_.month, now_.day) + 6) % 7];
}

std::string ScriptedPlatform::timeText() {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", now_.hour % 100, now_.minute % 100, now_.second % 100);
    return text;
}

// The clock never moves in a script, so reseeding changes nothing: the
// sequence stays the seeded one and scripts replay exactly.
void ScriptedPlatform::reseed(float) {}

double ScriptedPlatform::next() {
    if (!faces_.empty()) {
        const int face = faces_.front();
        faces_.pop_front();
        return valueForFace(face);
    }
    return static_cast<double>(random_() >> 11) * 0x1.0p-53;
}

void ScriptedPlatform::play(const std::string& name, bool) { out_ << "sound " << name << '\n'; }

bool ScriptedPlatform::askYesNo(const std::string& text, const std::string& title) {
    out_ << "box " << quoted(text) << ' ' << quoted(title) << '\n';
    if (yesNo_.empty()) throw NoAnswer();
    const bool yes = yesNo_.front();
    yesNo_.pop_front();
    return yes;
}

std::optional<std::string> ScriptedPlatform::askText(const std::string& title, const std::string& answer) {
    out_ << "input " << quoted(title) << ' ' << quoted(answer) << '\n';
    if (texts_.empty()) throw NoAnswer();
    auto text = std::move(texts_.front());
    texts_.pop_front();
    return text;
}

// A notice asks nothing: it is reported like a box and needs no answer.
void ScriptedPlatform::tell(const std::string& text, const std::string& title) {
    out_ << "box " << quoted(text) << ' ' << quoted(title) << '\n';
}

bool ScriptedPlatform::change(const DisplayMode& mode) {
    out_ << "mode " << mode.width << ' ' << mode.height << ' ' << mode.depth << ' ' << mode.rate << '\n';
    screen_ = mode;
    return true;
}

void ScriptedPlatform::navigate(const std::string& panel, const std::string& address) {
    out_ << "navigate " << panel << ' ' << quoted(address) << '\n';
}

void ScriptedPlatform::exit() { exited_ = true; }

void ScriptedPlatform::wrote(const std::string& name) { out_ << "write " << name << '\n'; }

// Standard error, after everything printed so far, so that the two streams
// read in order when they go to one file.
void ScriptedPlatform::warn(const std::string& text) {
    out_.flush();
    std::cerr << text << std::endl;
}

}  // namespace dravonelle
