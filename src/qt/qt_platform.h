// The machine as the window sees it: the Qt side of every platform service,
// gathered so that main() hands the game one `Platform`.
#pragma once

#include "qt/layer.h"

#include <QTranslator>

#include "platform/dealt_dice.h"
#include "platform/fair_dice.h"
#include "platform/platform.h"
#include "qt/connectivity.h"
#include "qt/dice_animator.h"
#include "qt/randr_display_modes.h"
#include "qt/wav_sound_player.h"
#include "qt/web_view.h"

namespace dravonelle {

class MainWindow;

class QtClock : public Clock {
public:
    DateTime now() override;
    std::string weekdayName() override;
    std::string timeText() override;
};

// Message boxes and text entry, over the game's window once it exists; their
// buttons speak French whatever the system's language.
class QtDialogs : public Dialogs {
public:
    void attach(MainWindow* window) { window_ = window; }
    bool askYesNo(const std::string& text, const std::string& title) override;
    std::optional<std::string> askText(const std::string& title, const std::string& answer) override;
    void tell(const std::string& text, const std::string& title) override;

private:
    void showCurrentState();
    MainWindow* window_ = nullptr;
};

class QtProcess : public Process {
public:
    void attach(MainWindow* window) { window_ = window; }
    void exit() override;
    void minimise() override;
    // Once the game has asked to end: a loop of main()'s own (the consent
    // window's) stops then, as QCoreApplication::quit() stops only exec().
    bool exitRequested() const { return exitRequested_; }

private:
    MainWindow* window_ = nullptr;
    bool exitRequested_ = false;
};

// Data files live in the records' folder that main() chooses (data_folder.h);
// the game's pages beside the program.
class QtFiles : public Files {
public:
    void setFolder(std::filesystem::path folder) { folder_ = std::move(folder); }
    std::filesystem::path folder() override { return folder_; }
    std::filesystem::path programFolder() override;
    void wrote(const std::string&) override {}
    void warn(const std::string& text) override;

private:
    std::filesystem::path folder_;
};

class QtPlatform {
public:
    // Sound effects are read from SOUNDFOLDER, or the game's files. The
    // DEALT faces, if any, come before the fair dice (a replayed game).
    explicit QtPlatform(const QString& soundFolder = QString(), std::deque<int> dealt = {});
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    Platform& services() { return platform_; }
    bool exitRequested() const { return process_.exitRequested(); }
    // The web panels: another window with Web-kind controls (the consent
    // window) attaches itself here.
    QtWebView& webView() { return web_; }

    // The window that dialogs stand over, that minimising hides and whose
    // dice the animations move.
    void attach(MainWindow& window);
    // Where the data files are read and written.
    void setDataFolder(std::filesystem::path folder) { files_.setFolder(std::move(folder)); }

private:
    QtClock clock_;
    FairDice fair_;
    DealtDice dice_;
    WavSoundPlayer sound_;
    QtDialogs dialogs_;
    RandrDisplayModes display_;
    QtConnectivity network_;
    QtWebView web_;
    DiceAnimator animator_;
    QtProcess process_;
    QtFiles files_;
    Platform platform_;
    // Qt's own texts in French, where the system has Qt's translation.
    QTranslator french_;
};

}  // namespace dravonelle
