#include "qt/qt_platform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <random>

#include "qt/main_window.h"

namespace dravonelle {

// ---- clock -----------------------------------------------------------------

DateTime QtClock::now() {
    const QDateTime t = QDateTime::currentDateTime();
    const QDate d = t.date();
    const QTime h = t.time();
    return {d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second(), d.dayOfWeek()};
}

std::string QtClock::weekdayName() {
    // The game knows its days by their French names.
    const QLocale french(QLocale::French, QLocale::France);
    return french.dayName(QDate::currentDate().dayOfWeek(), QLocale::LongFormat).toLower().toStdString();
}

std::string QtClock::timeText() {
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss")).toStdString();
}

// ---- dialogs ---------------------------------------------------------------

void QtDialogs::showCurrentState() {
    // What the game did before asking is on screen while the player reads
    // the question.
    if (window_) window_->sync();
}

bool QtDialogs::askYesNo(const std::string& text, const std::string& title) {
    showCurrentState();
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, window_);
    box.setDefaultButton(QMessageBox::Yes);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Oui"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Non"));
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::askText(const std::string& title, const std::string& answer) {
    showCurrentState();
    QInputDialog dialog(window_);
    dialog.setWindowTitle(QStringLiteral("Dravonelle"));
    dialog.setLabelText(QString::fromStdString(title));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(QString::fromStdString(answer));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annuler"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

void QtDialogs::tell(const std::string& text, const std::string& title) {
    showCurrentState();
    QMessageBox box(QMessageBox::Information, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, window_);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

// ---- process ---------------------------------------------------------------

void QtProcess::exit() {
    exitRequested_ = true;
    // The event under way finishes first; then the program ends.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

void QtProcess::minimise() {
    if (window_) window_->showMinimized();
}

void QtFiles::warn(const std::string& text) { std::fprintf(stderr, "dravonelle: %s\n", text.c_str()); }

std::filesystem::path QtFiles::programFolder() {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

// ---- the whole ---------------------------------------------------------------

namespace {

// Each run of the game starts its dice from the system's entropy; the clock
// then stirs in the player's moment before every die.
std::uint64_t entropySeed() {
    std::random_device entropy;
    return (static_cast<std::uint64_t>(entropy()) << 32) ^ entropy();
}

}  // namespace

QtPlatform::QtPlatform(const QString& soundFolder, std::deque<int> dealt)
    : fair_(entropySeed()),
      dice_(fair_, std::move(dealt)),
      sound_(soundFolder),
      platform_{clock_, dice_, sound_, dialogs_, display_, network_, web_, animator_, process_, files_} {
    // What Qt itself writes (a text field's menu, …) in French where Debian's
    // qt6-translations-l10n is installed; the dialogs name their buttons
    // themselves in any case.
    if (french_.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&french_);
}

void QtPlatform::attach(MainWindow& window) {
    dialogs_.attach(&window);
    process_.attach(&window);
    animator_.attach(&window);
    web_.attach(window);
}

}  // namespace dravonelle
