#include "qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <optional>

#include "qt/accessible_control.h"
#include "qt/control_widget.h"
#include "qt/screen_fit.h"
#include "window/window_layout.h"

namespace dravonelle {
namespace {

// The keys the game listens to; any other key is left to Qt.
std::optional<Event> gameKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers mods = key.modifiers();
    if (mods & (Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    const int k = key.key();
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return Event::keyPress(Key::Letter, static_cast<char>('A' + (k - Qt::Key_A)), mods & Qt::ControlModifier);
    if (mods & Qt::ControlModifier) return std::nullopt;
    switch (k) {
        case Qt::Key_Space: return Event::keyPress(Key::Space);
        case Qt::Key_Return:
        case Qt::Key_Enter: return Event::keyPress(Key::Return);
        case Qt::Key_Tab: return Event::keyPress(mods & Qt::ShiftModifier ? Key::BackTab : Key::Tab);
        case Qt::Key_Backtab: return Event::keyPress(Key::BackTab);
        case Qt::Key_Up: return Event::keyPress(Key::Up);
        case Qt::Key_Down: return Event::keyPress(Key::Down);
        case Qt::Key_Left: return Event::keyPress(Key::Left);
        case Qt::Key_Right: return Event::keyPress(Key::Right);
        case Qt::Key_Escape: return Event::keyPress(Key::Escape);
        case Qt::Key_F1: return Event::keyPress(Key::F1);
        case Qt::Key_PageUp: return Event::keyPress(Key::PageUp);
        case Qt::Key_PageDown: return Event::keyPress(Key::PageDown);
        default: return std::nullopt;
    }
}

}  // namespace

MainWindow::MainWindow(ControlModel& model, EventSink sink, QWidget* parent)
    : QWidget(parent), model_(model), sink_(std::move(sink)), background_(model) {
    setWindowTitle(QStringLiteral("Dravonelle"));
    setFixedSize(kWindowWidth, kWindowHeight);
    background_.prepare(size(), devicePixelRatioF());
    setMouseTracking(true);
    // The window keeps the keyboard: its controls never take Qt's focus, so
    // Space and Return reach the game, which presses its own focused control.
    setFocusPolicy(Qt::StrongFocus);
    buildControls();
    model_.takeChanges();  // the widgets were just made from the current state
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::buildControls() {
    const auto forward = [this](const Event& e) { this->forward(e); };
    widgets_.reserve(model_.controls().size());
    for (const Control& c : model_.controls()) {
        if (c.kind() == ControlKind::Timer || c.kind() == ControlKind::Form) {
            widgets_.push_back(nullptr);
            addTimer(c);
        } else {
            widgets_.push_back(new ControlWidget(c, pictures_, forward, this));
        }
    }
    placeInContainers();
}

void MainWindow::placeInContainers() {
    // A held control becomes a child of its holder's widget: Qt then places
    // it relative to the holder, clips it to it and hides it with it. Taken
    // in the model's order, the held controls keep their drawing order.
    for (const Control& c : model_.controls()) {
        const std::string& holderName = c.design().container;
        ControlWidget* held = widgetOf(c.id());
        if (holderName.empty() || !held) continue;
        const Control* holder = model_.find(holderName);
        ControlWidget* holderWidget = holder ? widgetOf(holder->id()) : nullptr;
        if (!holderWidget) continue;
        held->setParent(holderWidget);
        held->setVisible(c.visible());  // a new parent leaves the widget hidden
    }
}

ControlWidget* MainWindow::widgetOf(int id) const {
    if (id < 0 || id >= static_cast<int>(widgets_.size())) return nullptr;
    return widgets_[static_cast<std::size_t>(id)];
}

// ---- the game's side -------------------------------------------------------

void MainWindow::forward(const Event& event) {
    sink_(event);
    sync();
}

void MainWindow::sync() {
    for (int id : model_.takeChanges()) {
        if (ControlWidget* w = widgetOf(id)) {
            w->refresh();
            notifyAccessibleChange(*w);
        } else {
            refreshTimer(model_.byId(id));
        }
    }
}

// ---- timers ----------------------------------------------------------------

void MainWindow::addTimer(const Control& c) {
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, name = c.name()] { forward(Event::tick(name)); });
    timers_[c.id()] = timer;
    refreshTimer(c);
}

void MainWindow::refreshTimer(const Control& c) {
    auto it = timers_.find(c.id());
    if (it == timers_.end()) return;
    QTimer* timer = it->second;
    // A timer ticks while it is enabled and has an interval.
    const int interval = c.design().interval;
    const bool running = c.enabled() && interval > 0;
    if (running && !timer->isActive()) timer->start(interval);
    if (!running) timer->stop();
}

// ---- window events ---------------------------------------------------------

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The window hears every key before any of its controls; keys meant for
    // another window, such as a dialog, go their way.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* receiver = static_cast<QWidget*>(watched);
        if (receiver->window() == this) return handleKey(static_cast<QKeyEvent*>(event));
    }
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::handleKey(QKeyEvent* event) {
    const std::optional<Event> key = gameKey(*event);
    if (!key) return false;
    forward(*key);
    return true;
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QSize drawn(kWindowWidth, kWindowHeight);
    if (zoom_ == 1) {
        background_.paint(p, event->rect(), drawn, devicePixelRatioF());
        return;
    }
    // The background as drawn for the whole window, scaled down.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(zoom_, zoom_);
    const QRect exposed = QRectF(QRectF(event->rect()).topLeft() / zoom_, QSizeF(event->rect().size()) / zoom_)
                              .toAlignedRect()
                              .adjusted(-1, -1, 1, 1)
                              .intersected(QRect(QPoint(0, 0), drawn));
    background_.paint(p, exposed, drawn, devicePixelRatioF());
}

// ---- the window's size -------------------------------------------------------

void MainWindow::setZoom(qreal zoom) {
    if (zoom == zoom_) return;
    zoom_ = zoom;
    setFixedSize(QSize(static_cast<int>(std::lround(kWindowWidth * zoom)),
                       static_cast<int>(std::lround(kWindowHeight * zoom))));
    for (ControlWidget* w : widgets_)
        if (w) w->setZoom(zoom);
    update();
}

void MainWindow::fitToScreen() {
    fitting_ = true;
    if (windowHandle()) followScreen(windowHandle()->screen());
    fit();
}

void MainWindow::fit() {
    const QScreen* on = screen();
    if (!on) return;
    const qreal before = zoom_;
    setZoom(zoomForScreen(*on));
    if (zoom_ == before || !isVisible()) return;
    // A window that grew or shrank stays on its screen's free area.
    const QRect room = on->availableGeometry();
    const QRect frame = frameGeometry();
    const int x = std::clamp(frame.x(), room.left(), std::max(room.left(), room.right() + 1 - frame.width()));
    const int y = std::clamp(frame.y(), room.top(), std::max(room.top(), room.bottom() + 1 - frame.height()));
    if (x != frame.x() || y != frame.y()) move(x, y);
}

void MainWindow::followScreen(QScreen* screen) {
    disconnect(screenSize_);
    disconnect(screenArea_);
    if (!screen) return;
    screenSize_ = connect(screen, &QScreen::geometryChanged, this, [this] { fit(); });
    screenArea_ = connect(screen, &QScreen::availableGeometryChanged, this, [this] { fit(); });
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!fitting_ || !windowHandle()) return;
    // Once shown, the window has its own handle: it follows the screen it
    // is on, to another one too.
    if (!windowScreen_) {
        windowScreen_ = connect(windowHandle(), &QWindow::screenChanged, this, [this](QScreen* s) {
            followScreen(s);
            fit();
        });
    }
    followScreen(windowHandle()->screen());
    fit();
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) forward(Event::click(kWindowName));
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void MainWindow::mouseMoveEvent(QMouseEvent*) { forward(Event::move(kWindowName)); }

void MainWindow::closeEvent(QCloseEvent* event) {
    forward(Event::close());
    event->setAccepted(closeAgreed());
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    // The window's own control says whether it is put away (1) or not (0):
    // Iconify sets 1 before asking, and the window manager may minimise or
    // restore the window without the game.
    Control& form = model_.at(kWindowFormName);
    const int state = isMinimized() ? 1 : 0;
    if (form.value() == state) return;
    form.setValue(state);
    sync();
}

bool MainWindow::closeAgreed() const {
    // The game is told of the close and does its farewells; it has no way
    // yet to refuse, so the window closes.
    return true;
}

}  // namespace dravonelle
