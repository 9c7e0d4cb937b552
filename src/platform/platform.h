// What the game asks of the machine it runs on. Each service has a Qt
// implementation for the window and a scripted one for the driver and tests.
#pragma once

#include "platform/layer.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace dravonelle {

struct DateTime {
    int year = 2026, month = 1, day = 5;
    int hour = 10, minute = 0, second = 0;
    int weekday = 1;  // 1 Monday … 7 Sunday
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() = 0;
    // The system's long weekday name of today, lower case ("lundi"); the
    // game matches it against the French names.
    virtual std::string weekdayName() = 0;
    // The system's text for the time of day ("10:00:00").
    virtual std::string timeText() = 0;
};

// Uniform values in [0, 1). `reseed` mixes the time of day into the state; it
// never restarts the sequence.
class DiceGenerator {
public:
    virtual ~DiceGenerator() = default;
    virtual void reseed(float secondsSinceMidnight) = 0;
    virtual double next() = 0;
};

// The value of [0, 1) that the game's throw turns into FACE (1 to 6): the
// middle of that face's sixth.
constexpr double valueForFace(int face) { return (face - 0.5) / 6.0; }

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays the effect NAME (a WAV beside the program). Blocking plays are
    // heard one after the other; a missing file or no audio is not an error.
    virtual void play(const std::string& name, bool blocking) = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
    // nullopt when the player cancels.
    virtual std::optional<std::string> askText(const std::string& title, const std::string& answer) = 0;
    // A notice with only an OK button.
    virtual void tell(const std::string& text, const std::string& title) { (void)text, (void)title; }
};

struct DisplayMode {
    int width = 1280, height = 1024, depth = 32, rate = 60;
    friend bool operator==(const DisplayMode&, const DisplayMode&) = default;
};

class DisplayModes {
public:
    virtual ~DisplayModes() = default;
    virtual DisplayMode current() = 0;
    // Sets a mode for this run only, never in the system's saved settings.
    // False when the screen refused it; the game then runs in the mode it has.
    virtual bool change(const DisplayMode& mode) = 0;
    // False where the mode cannot be switched at all: the screen then counts
    // as large enough and no consent is asked.
    virtual bool canSwitch() { return true; }
};

class Connectivity {
public:
    virtual ~Connectivity() = default;
    virtual bool online() = 0;
};

// The web panels: PANEL (`Pub0Web`, `Pub1Web`, `LogoWeb`) goes to ADDRESS, a
// web address or a file's full path. Loading is the view's business: the
// game never waits for it.
class WebView {
public:
    virtual ~WebView() = default;
    virtual void navigate(const std::string& panel, const std::string& address) = 0;
};

// Dice animations: the core has already set the final state; a front end may
// play the growing or shrinking in time, the driver skips it.
enum class Animation { Grow, Shrink };

class Animator {
public:
    virtual ~Animator() = default;
    virtual void animate(int controlId, Animation kind) = 0;
    // True while an animation is playing; the core refuses a new throw then.
    virtual bool busy() = 0;
};

class Process {
public:
    virtual ~Process() = default;
    virtual void exit() = 0;
    virtual void minimise() = 0;
};

// The data files live in the records' folder: the player's own data folder
// for the window, the folder the driver is given for a script.
class Files {
public:
    virtual ~Files() = default;
    virtual std::filesystem::path folder() = 0;
    // Where the game's own pages lie (the logo page): beside the program.
    virtual std::filesystem::path programFolder() { return folder(); }
    virtual void wrote(const std::string& name) = 0;  // a data file was rewritten
    // Something the player must know about the records, said once: on
    // standard error, besides the bubble.
    virtual void warn(const std::string& text) = 0;
};

struct Platform {
    Clock& clock;
    DiceGenerator& dice;
    SoundPlayer& sound;
    Dialogs& dialogs;
    DisplayModes& display;
    Connectivity& network;
    WebView& web;
    Animator& animator;
    Process& process;
    Files& files;
};

}  // namespace dravonelle
