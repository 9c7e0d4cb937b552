// SIGTERM, SIGINT and SIGHUP offscreen: the signal reaches the game on the
// event loop, which puts back the screen's mode and asks the program to end;
// during the consent window nothing is switched, only the end is asked.
#include "qt/exit_signals.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <sstream>
#include <vector>

#include <signal.h>

#include "window/jeu_yam.h"
#include "qt/qt_platform.h"
#include "platform/scripted_platform.h"

namespace dravonelle {
namespace {

bool same(const DisplayMode& a, const DisplayMode& b) {
    return a.width == b.width && a.height == b.height && a.depth == b.depth && a.rate == b.rate;
}

// A screen of 800 × 600 that accepts every mode and notes each change.
class RecordingScreen : public DisplayModes {
public:
    DisplayMode current() override { return mode; }
    bool change(const DisplayMode& m) override {
        changes.push_back(m);
        mode = m;
        return true;
    }
    bool canSwitch() override { return true; }

    DisplayMode mode{800, 600, 16, 60};
    std::vector<DisplayMode> changes;
};

// The game on that screen, with the window's process service and the
// driver's for the rest, its data in a folder of its own.
class SignalTest : public ::testing::Test {
protected:
    SignalTest()
        : scripted(printed, std::filesystem::path(folder.path().toStdString())),
          services(scripted.platform()),
          platform{services.clock, services.dice, services.sound, services.dialogs, screen, services.network,
                   services.web, services.animator, process, services.files},
          game(model, platform) {}

    // Runs events until the game has asked to end, for at most two seconds.
    bool endAsked() {
        return QTest::qWaitFor([this] { return process.exitRequested(); }, 2000);
    }

    QTemporaryDir folder;
    std::ostringstream printed;
    ScriptedPlatform scripted;
    Platform services;
    RecordingScreen screen;
    QtProcess process;
    Platform platform;
    ControlModel model;
    JeuYam game;
};

TEST_F(SignalTest, SigtermPutsBackTheSwitchedModeAndEnds) {
    ASSERT_TRUE(folder.isValid());
    ExitSignals handlers([this] { game.FinParSignal(); });
    ASSERT_TRUE(handlers.installed());
    game.Form_Load();
    ASSERT_TRUE(game.consentementAttendu());
    game.handle(Event::click("OkOuiCmd"));
    ASSERT_FALSE(game.consentementAttendu());
    ASSERT_EQ(screen.changes.size(), 1u);
    EXPECT_TRUE(same(screen.changes.back(), {1024, 768, 16, 60}));
    ASSERT_FALSE(process.exitRequested());

    ASSERT_EQ(::raise(SIGTERM), 0);
    EXPECT_TRUE(endAsked());
    ASSERT_EQ(screen.changes.size(), 2u);
    EXPECT_TRUE(same(screen.changes.back(), {800, 600, 16, 60}));
    EXPECT_TRUE(same(screen.current(), {800, 600, 16, 60}));
}

TEST_F(SignalTest, SigintDuringTheConsentChangesNothing) {
    ExitSignals handlers([this] { game.FinParSignal(); });
    game.Form_Load();
    ASSERT_TRUE(game.consentementAttendu());
    ASSERT_EQ(::kill(::getpid(), SIGINT), 0);
    EXPECT_TRUE(endAsked());
    EXPECT_TRUE(screen.changes.empty());
    // Nothing was read or written.
    EXPECT_TRUE(std::filesystem::is_empty(folder.path().toStdString()));
}

TEST_F(SignalTest, SighupEndsOnceHoweverManySignalsCome) {
    int calls = 0;
    ExitSignals handlers([&] {
        ++calls;
        game.FinParSignal();
    });
    game.Form_Load();
    game.handle(Event::click("OkOuiCmd"));
    ::raise(SIGHUP);
    ::raise(SIGTERM);
    EXPECT_TRUE(endAsked());
    QTest::qWait(50);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(screen.changes.size(), 2u);
}

TEST_F(SignalTest, TheFormerHandlersComeBackAfterward) {
    struct sigaction before = {};
    ::sigaction(SIGTERM, nullptr, &before);
    {
        ExitSignals handlers([] {});
        struct sigaction during = {};
        ::sigaction(SIGTERM, nullptr, &during);
        EXPECT_NE(during.sa_handler, before.sa_handler);
    }
    struct sigaction after = {};
    ::sigaction(SIGTERM, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

}  // namespace
}  // namespace dravonelle
