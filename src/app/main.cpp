// Dravonelle: the game's window.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <deque>

#include "program.h"
#include "window/jeu_yam.h"
#include "qt/accessible_control.h"
#include "qt/consent_window.h"
#include "qt/control_style.h"
#include "qt/data_folder.h"
#include "qt/exit_signals.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"

int main(int argc, char* argv[]) {
    using namespace dravonelle;
    const CommandLine line = readCommandLine(argc, argv);
    if (line.action != CommandLine::Action::Play) return answer(line);
    if (const std::string missing = displayMissing(); !missing.empty()) {
        std::fprintf(stderr, "dravonelle: %s\n", missing.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    // No organisation name: the records' folder is ~/.local/share/Dravonelle.
    QApplication::setApplicationName(QStringLiteral("Dravonelle"));
    QApplication::setApplicationVersion(QStringLiteral(DRAVONELLE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(DRAVONELLE_APP_ID));
    QApplication::setWindowIcon(gameIcon());
    checkAudioOutput();

    ControlModel model;
    model.setMeasure(measureCaption);  // auto-sizing labels fit the real fonts
    // The window tests replay known games: DRAVONELLE_DEALT_DICE names a
    // file of faces that the dice show first.
    std::deque<int> dealt;
    if (const char* file = std::getenv("DRAVONELLE_DEALT_DICE")) {
        if (auto faces = readDealtFaces(file)) {
            dealt = std::move(*faces);
        } else {
            std::fprintf(stderr, "dravonelle: cannot read the dealt dice in %s\n", file);
        }
    }
    QtPlatform platform(QString(), std::move(dealt));
    // The records: the player's own data folder, or the one --data-dir names.
    platform.setDataFolder(dataFolder(line.dataDir));
    JeuYam game(model, platform.services());

    installAccessibility(game);  // screen readers hear the game's controls
    MainWindow window(model, [&game](const Event& e) { game.handle(e); });
    platform.attach(window);

    // SIGINT, SIGTERM and SIGHUP say farewell as closing the window does;
    // once the game is ending, they have nothing more to do.
    ExitSignals exitSignals([&] {
        if (!platform.exitRequested()) game.FinParSignal();
    });

    // The window tests name their own web site (a server on the loopback).
    if (const char* site = std::getenv("DRAVONELLE_WEB_BASE")) game.AdresseSite = site;

    game.Form_Load();
    if (game.consentementAttendu()) {
        // A small screen is switched only with the player's consent: the
        // game waits for the answer in a loop of its own.
        ConsentWindow consent(game.consentement(), [&game](const Event& e) { game.handle(e); });
        platform.webView().attach(consent);  // its logo page
        consent.showCentred();
        while (game.consentementAttendu() && !platform.exitRequested())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    // Refused, or ended before its window was ever shown.
    if (platform.exitRequested()) return 0;
    window.sync();
    // A screen smaller than the window, the switch refused or impossible,
    // shows it scaled down (qt/screen_fit.h); offscreen there is no
    // screen a player sees.
    const QString where = QGuiApplication::platformName();
    if (where != QLatin1String("offscreen") && where != QLatin1String("minimal")) window.fitToScreen();
    window.show();
    window.activateWindow();
    return app.exec();
}
