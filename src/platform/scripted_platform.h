// The platform as a script plays it: a fixed clock, queued dice, queued
// answers to dialogs, and every sound, box, write and mode change reported
// as a line of text. The script driver and the tests run the core on it.
#pragma once

#include "platform/layer.h"

#include <deque>
#include <filesystem>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>

#include "platform/platform.h"

namespace dravonelle {

// A dialog opened with no answer queued: the script is wrong.
struct NoAnswer : std::runtime_error {
    NoAnswer() : std::runtime_error("no answer for dialog") {}
};

// Quotes a text the way the driver prints it: "…" with \" \\ \r escaped.
std::string quoted(const std::string& text);

// The weekday (1 Monday … 7 Sunday) of a calendar date.
int weekdayOf(int year, int month, int day);

class ScriptedPlatform : public Clock,
                         public DiceGenerator,
                         public SoundPlayer,
                         public Dialogs,
                         public DisplayModes,
                         public Connectivity,
                         public WebView,
                         public Animator,
                         public Process,
                         public Files {
public:
    ScriptedPlatform(std::ostream& out, std::filesystem::path folder);

    Platform platform();

    // Set-up and queues.
    void setNow(const DateTime& t) { now_ = t; }
    void setOnline(bool on) { online_ = on; }
    void setSeed(unsigned long long seed) { random_.seed(seed); }
    void queueFace(int face) { faces_.push_back(face); }
    void queueYesNo(bool yes) { yesNo_.push_back(yes); }
    void queueText(std::optional<std::string> text) { texts_.push_back(std::move(text)); }
    void setScreen(const DisplayMode& m) { screen_ = m; }
    bool exited() const { return exited_; }

    // Clock
    DateTime now() override { return now_; }
    std::string weekdayName() override;
    std::string timeText() override;
    // DiceGenerator
    void reseed(float secondsSinceMidnight) override;
    double next() override;
    // SoundPlayer
    void play(const std::string& name, bool blocking) override;
    // Dialogs
    bool askYesNo(const std::string& text, const std::string& title) override;
    std::optional<std::string> askText(const std::string& title, const std::string& answer) override;
    void tell(const std::string& text, const std::string& title) override;
    // DisplayModes
    DisplayMode current() override { return screen_; }
    bool change(const DisplayMode& mode) override;
    // Connectivity
    bool online() override { return online_; }
    // WebView
    void navigate(const std::string& panel, const std::string& address) override;
    // Animator: animations run to their end at once.
    void animate(int, Animation) override {}
    bool busy() override { return false; }
    // Process
    void exit() override;
    void minimise() override {}
    // Files
    std::filesystem::path folder() override { return folder_; }
    void wrote(const std::string& name) override;
    void warn(const std::string& text) override;

private:
    std::ostream& out_;
    std::filesystem::path folder_;
    DateTime now_;
    bool online_ = true;
    DisplayMode screen_;
    std::mt19937_64 random_{1};
    std::deque<int> faces_;
    std::deque<bool> yesNo_;
    std::deque<std::optional<std::string>> texts_;
    bool exited_ = false;
};

}  // namespace dravonelle
