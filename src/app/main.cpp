// Dravonelle: the game's window.
#include <QApplication>

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
    QtPlatform platform;
    JeuYam game(model, platform.services());

    MainWindow window(model, [&game](const Event& e) { game.handle(e); });
    platform.attach(window);

    game.Form_Load();
    window.sync();
    window.show();
    window.activateWindow();
    return app.exec();
}
