// Dravonelle: the game's window.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <deque>

#include "ui/jeu_yam.h"
#include "ui/qt/control_style.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_platform.h"

int main(int argc, char* argv[]) {
    using namespace dravonelle;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dravonelle"));

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
    JeuYam game(model, platform.services());

    MainWindow window(model, [&game](const Event& e) { game.handle(e); });
    platform.attach(window);

    game.Form_Load();
    window.sync();
    window.show();
    window.activateWindow();
    return app.exec();
}
