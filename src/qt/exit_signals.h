// SIGINT, SIGTERM and SIGHUP end the game as closing its window does. The
// handler only writes a byte into a pipe (all a signal handler may safely
// do); the event loop reads it through a QSocketNotifier and calls the
// game there, in any loop that runs events, the consent window's included.
#pragma once

#include "qt/layer.h"

#include <QObject>
#include <functional>

#include <signal.h>

class QSocketNotifier;

namespace dravonelle {

class ExitSignals : public QObject {
    Q_OBJECT

public:
    // ON_SIGNAL runs once, on the event loop, at the first of the signals;
    // later ones find the program already ending. One object at a time.
    explicit ExitSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    // Puts back the handlers that were there before.
    ~ExitSignals() override;
    ExitSignals(const ExitSignals&) = delete;
    ExitSignals& operator=(const ExitSignals&) = delete;

    // False when the pipe or a handler could not be set up.
    bool installed() const { return installed_; }

private:
    void readPipe();

    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
    struct sigaction previous_[3] = {};
    bool installed_ = false;
    bool called_ = false;
};

}  // namespace dravonelle
