// The game's windows and their services offscreen: what the player does
// reaches the game and what it changes shows; the window zooms down to a small screen; the consent window is
// its form and a close there refuses; exit signals end the game as a close does; the dice move in time while
// the game refuses to throw; sounds never make it wait; the dialogs answer in French.
#include <gtest/gtest.h>
#include <signal.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <sstream>

#include "window/jeu_yam.h"
#include "qt/consent_window.h"
#include "qt/control_style.h"
#include "qt/control_widget.h"
#include "qt/dice_animator.h"
#include "qt/exit_signals.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"
#include "qt/screen_fit.h"
#include "qt/wav_sound_player.h"
#include "platform/scripted_platform.h"
#include "window/window_layout.h"

namespace dravonelle {
namespace {

// A screen of 800 × 600 that accepts every mode and notes each change.
struct RecordingScreen : DisplayModes {
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

// The game in the window on that screen, with the window's animator and
// process services and the driver's for the rest, its data in a folder of
// its own.
struct WindowedGame {
    QTemporaryDir folder;
    std::ostringstream printed;
    ScriptedPlatform scripted{printed, folder.path().toStdString()};
    Platform s = scripted.platform();
    RecordingScreen screen;
    QtProcess process;
    DiceAnimator animator;
    Platform platform{s.clock,   s.dice, s.sound,  s.dialogs, screen,
                      s.network, s.web,  animator, process,   s.files};
    ControlModel model;
    JeuYam game{model, platform};
};

// A click, the second press of a double click, Return and the close request
// reach the game as its events; what the game changes meanwhile shows once
// the event is handled. The window's own control tells whether the window
// manager minimised it.
TEST(Window, WhatThePlayerDoesReachesTheGameAndWhatItChangesShows) {
    ControlModel model;
    buildMainWindow(model);
    std::vector<std::string> heard;
    MainWindow window(model, [&](const Event& e) {
        if (e.kind == EventKind::Click) heard.push_back("click " + e.name);
        if (e.kind == EventKind::Key) heard.push_back(e.key == Key::Return ? "Return" : "another key");
        if (e.kind == EventKind::Close) heard.push_back("close");
        model.at("Cases", 35).hide();
    });
    ControlWidget& ok = *window.widgetOf(model.at("Ok").id());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(&ok, Qt::LeftButton);
    EXPECT_TRUE(window.widgetOf(model.at("Cases", 35).id())->isHidden());
    QTest::mouseDClick(&ok, Qt::LeftButton);
    QTest::keyClick(&window, Qt::Key_Return);
    window.setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(model.at(kWindowFormName).value(), 1);
    window.showNormal();
    EXPECT_EQ(model.at(kWindowFormName).value(), 0);
    window.close();
    EXPECT_EQ(heard, (std::vector<std::string>{"click Ok", "click Ok", "Return", "close"}));
}

// The zoom keeps the window where it fits, else shrinks it with its frame to
// the screen's free area, in whole pixels (1/256 steps), never below a
// quarter. At one half the window is the whole one made smaller, within a few
// shades on average (one cut at its full size is off by about 6); back at
// one, it is as drawn.
TEST(Window, TheWindowZoomsDownToASmallScreen) {
    const std::tuple<QSize, QSize, double> cases[] = {
        {{1280, 1024}, {0, 0}, 1.0},        {{1024, 768}, {0, 0}, 1.0},    {{800, 600}, {0, 0}, 0.78125},
        {{1024, 600}, {0, 0}, 0.78125},     {{1280, 720}, {0, 0}, 0.9375}, {{100, 80}, {0, 0}, 0.25},
        {{800, 600}, {12, 40}, 186.0 / 256}};  // borders of 12 and a title bar of 40 fit too
    for (const auto& [screen, frame, zoom] : cases)
        EXPECT_EQ(fitFactor({1024, 768}, frame, screen), zoom) << screen.width() << " " << frame.height();
    ControlModel model;
    buildMainWindow(model);
    MainWindow window(model, [](const Event&) {});
    ControlWidget& cell = *window.widgetOf(model.at("Cases", 35).id());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage whole =
        window.grab().toImage().scaled(512, 384, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    window.setZoom(0.5);
    QCoreApplication::processEvents();
    const QImage half = window.grab().toImage().convertToFormat(whole.format());
    ASSERT_EQ(half.size(), QSize(512, 384));
    long long difference = 0;
    for (int y = 0; y < half.height(); ++y)
        for (int x = 0; x < half.width(); ++x) {
            const QColor a = whole.pixelColor(x, y), b = half.pixelColor(x, y);
            difference +=
                std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
        }
    EXPECT_LT(double(difference) / (half.width() * half.height() * 3), 3);
    window.setZoom(1);
    EXPECT_EQ(window.size(), QSize(kWindowWidth, kWindowHeight));
    EXPECT_EQ(cell.geometry(), pixelRect(model.at("Cases", 35)));
}

// The consent window shows the game's consent form, the logo page in its
// background picture, and answers through the game: agreed, the screen is
// switched and the window hidden, and a close then says nothing more; closed
// before an answer, it refuses, which ends the program with nothing switched.
TEST(ConsentWindow, ShowsTheGamesFormAndAnswersThroughIt) {
    for (const bool agreed : {true, false}) {
        WindowedGame g;
        g.game.Form_Load();
        ConsentWindow window(g.game.consentement(), [&g](const Event& e) { g.game.handle(e); });
        window.showCentred();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        for (const char* name : {"LogoFondPic", "LogoWeb", "Label1", "Label2", "OkOuiCmd", "OkNonCmd"})
            EXPECT_TRUE(window.widgetOf(name) && window.widgetOf(name)->isVisible()) << name;
        EXPECT_EQ(window.widgetOf("LogoWeb")->parentWidget(), window.widgetOf("LogoFondPic"));
        if (agreed) QTest::mouseClick(window.widgetOf("OkOuiCmd"), Qt::LeftButton);
        EXPECT_EQ(window.isVisible(), !agreed);
        window.close();
        EXPECT_EQ(g.process.exitRequested(), !agreed);
        EXPECT_EQ(g.screen.changes.size(), agreed ? 1u : 0u);
    }
}

// Two signals, after the consent (the screen switched) or during it: the game
// ends once, with the mode put back, or with nothing switched, read or
// written.
TEST(ExitSignals, EndTheGameOnceAsACloseDoes) {
    for (const bool agreed : {true, false}) {
        WindowedGame g;
        int calls = 0;
        ExitSignals handlers([&] {
            ++calls;
            g.game.FinParSignal();
        });
        g.game.Form_Load();
        if (agreed) g.game.handle(Event::click("OkOuiCmd"));
        ASSERT_EQ(g.screen.changes.size(), agreed ? 1u : 0u);
        ASSERT_FALSE(g.process.exitRequested());
        ASSERT_EQ(::kill(::getpid(), agreed ? SIGHUP : SIGINT), 0);
        ASSERT_EQ(::kill(::getpid(), SIGTERM), 0);
        EXPECT_TRUE(QTest::qWaitFor([&g] { return g.process.exitRequested(); }, 2000)) << agreed;
        QTest::qWait(50);
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(g.screen.mode, (DisplayMode{800, 600, 16, 60}));
        EXPECT_EQ(g.screen.changes.size(), agreed ? 2u : 0u);
        EXPECT_TRUE(agreed || std::filesystem::is_empty(g.folder.path().toStdString()));
    }
}

// The dice of a throw land one after the other while the window goes on; OK
// or a die's key meanwhile does nothing; every die ends where the model puts
// it: in full, or hidden after shrinking in sight, or hidden when put away
// while it grows (as a new game does).
TEST(DiceAnimator, DiceMoveInTimeAndEndAsTheModelHasThem) {
    WindowedGame g;
    g.game.partie.ModeTirage = 1;  // "1 tirage", as a click on its button chooses
    MainWindow window(g.model, [&g](const Event& e) { g.game.handle(e); });
    g.animator.attach(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto die = [&g](int i) -> Control& { return g.model.at("NégocieDés", i); };
    const auto widget = [&](int i) -> ControlWidget& { return *window.widgetOf(die(i).id()); };
    const auto settle = [&g] { return QTest::qWaitFor([&g] { return !g.animator.busy(); }, 10000); };

    window.forward(Event::click("Ok"));
    ASSERT_TRUE(g.animator.busy());
    EXPECT_TRUE(widget(0).isVisible());
    EXPECT_LT(widget(0).width(), pixelRect(die(0)).width());
    EXPECT_EQ(widget(0).pos(), pixelRect(die(0)).topLeft());
    EXPECT_FALSE(widget(4).isVisible());
    window.forward(Event::keyPress(Key::Letter, 'W'));
    window.forward(Event::click("Ok"));
    EXPECT_EQ(g.game.partie.NuméroJet, 1);
    EXPECT_TRUE(g.game.partie.DésGardés[0]);
    ASSERT_TRUE(settle());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(widget(i).isVisible() ? widget(i).geometry() : QRect(), pixelRect(die(i)));

    window.forward(Event::keyPress(Key::Letter, 'W'));
    EXPECT_FALSE(g.game.partie.DésGardés[0]);
    EXPECT_TRUE(g.animator.busy() && widget(0).isVisible());
    ASSERT_TRUE(settle());
    EXPECT_FALSE(widget(0).isVisible());
    window.forward(Event::keyPress(Key::Letter, 'W'));
    ASSERT_TRUE(g.animator.busy());
    die(0).hide();
    window.sync();
    ASSERT_TRUE(settle());
    EXPECT_FALSE(widget(0).isVisible());
}

// A quiet 16-bit mono WAV lasting MS milliseconds at 22050 Hz.
void writeWav(const QString& path, int ms) {
    const quint32 frames = 22050u * static_cast<quint32>(ms) / 1000u;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + frames * 2);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(22050) << quint32(44100) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(frames * 2);
    for (quint32 i = 0; i < frames; ++i) out << quint16((i % 50) * 20);
}

// Blocking effects are heard one after the other, each after the whole
// length its header gives of the one before (no audio system asked when it
// ended), while play() returns at once; other effects start at once; a
// missing or garbled file is not heard and holds nothing up.
TEST(WavSoundPlayer, BlockingEffectsQueueAndNothingWaits) {
    QTemporaryDir dir;
    writeWav(dir.filePath("Long.wav"), 300);
    writeWav(dir.filePath("Short.wav"), 100);
    writeWav(dir.filePath("Garbled.wav"), 100);
    ASSERT_TRUE(QFile::resize(dir.filePath("Garbled.wav"), 20));  // cut inside its header
    WavSoundPlayer player(dir.path());
    QElapsedTimer clock;
    clock.start();
    QStringList heard;
    std::vector<qint64> at;
    QObject::connect(&player, &WavSoundPlayer::started, [&](const QString& name) {
        heard << name;
        at.push_back(clock.elapsed());
    });
    for (const char* name : {"Missing", "Garbled", "Long", "Short", "Long"}) player.play(name, true);
    player.play("Short", false);
    EXPECT_EQ(heard, QStringList({"Long", "Short"}));
    ASSERT_TRUE(QTest::qWaitFor([&heard] { return heard.size() == 4; }, 10'000));
    QTest::qWait(200);
    EXPECT_EQ(heard, QStringList({"Long", "Short", "Short", "Long"}));
    EXPECT_GE(at[2] - at[0], 300);
    EXPECT_GE(at[3] - at[2], 100);
}

// In the dialog that opens next, the texts of its buttons, and a press of
// the one that reads PRESS once the line, if any, holds TYPED.
struct NextDialog {
    QStringList buttons;
    NextDialog(const QString& press, const QString& typed = QString()) {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll, press, typed] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog) return;
            poll->deleteLater();
            if (auto* line = dialog->findChild<QLineEdit*>()) line->setText(typed);
            QAbstractButton* pressed = nullptr;
            for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
                if (!b->isVisible()) continue;
                buttons << b->text();
                if (b->text() == press) pressed = b;
            }
            buttons.sort();
            if (pressed) {
                pressed->click();
            } else {
                dialog->close();
            }
        });
        poll->start(10);
    }
};

// The question and the name entry name their buttons in French whatever the
// system's language, and each button gives its answer.
TEST(Dialogs, AnswerInFrench) {
    QtDialogs dialogs;
    for (const bool yes : {true, false}) {
        NextDialog question(yes ? QStringLiteral("Oui") : QStringLiteral("Non"));
        EXPECT_EQ(dialogs.askYesNo("        QUITTER DRAVONELLE ?", "Dravonelle"), yes);
        EXPECT_EQ(question.buttons, QStringList({QStringLiteral("Non"), QStringLiteral("Oui")}));
        NextDialog entry(yes ? QStringLiteral("OK") : QStringLiteral("Annuler"), QStringLiteral("Zoé"));
        const auto name = dialogs.askText("ENTREZ VOTRE NOM", "THEO");
        EXPECT_EQ(name, yes ? std::optional<std::string>("Zoé") : std::nullopt);
        EXPECT_EQ(entry.buttons, QStringList({QStringLiteral("Annuler"), QStringLiteral("OK")}));
    }
}

}  // namespace
}  // namespace dravonelle
