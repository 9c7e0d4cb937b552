#include "qt/consent_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "qt/control_style.h"
#include "qt/accessible_control.h"
#include "qt/control_widget.h"

namespace dravonelle {

ConsentWindow::ConsentWindow(ControlModel& model, EventSink sink, QWidget* parent)
    : QWidget(parent), model_(model), sink_(std::move(sink)) {
    const auto forward = [this](const Event& e) { this->forward(e); };
    widgets_.reserve(model_.controls().size());
    for (const Control& c : model_.controls()) {
        // The form is this window; a timer has nothing to draw.
        const bool drawn = c.kind() != ControlKind::Form && c.kind() != ControlKind::Timer;
        widgets_.push_back(drawn ? new ControlWidget(c, pictures_, forward, this) : nullptr);
    }
    // A held control becomes a child of its holder, as in the game's window.
    for (const Control& c : model_.controls()) {
        const std::string& holderName = c.design().container;
        ControlWidget* held = widgets_[static_cast<std::size_t>(c.id())];
        const Control* holder = holderName.empty() ? nullptr : model_.find(holderName);
        ControlWidget* holderWidget = holder ? widgets_[static_cast<std::size_t>(holder->id())] : nullptr;
        if (!held || !holderWidget) continue;
        held->setParent(holderWidget);
        held->setVisible(c.visible());  // a new parent leaves the widget hidden
    }
    takeForm();
    model_.takeChanges();  // the widgets were just made from the current state
    // The window keeps the keyboard, as the game's does.
    setFocusPolicy(Qt::StrongFocus);
}

void ConsentWindow::keyPressEvent(QKeyEvent* event) {
    static const std::pair<int, Key> kKeys[] = {
        {Qt::Key_Tab, Key::Tab},     {Qt::Key_Backtab, Key::BackTab}, {Qt::Key_Left, Key::Left},
        {Qt::Key_Right, Key::Right}, {Qt::Key_Up, Key::Up},           {Qt::Key_Down, Key::Down},
        {Qt::Key_Space, Key::Space}, {Qt::Key_Return, Key::Return},   {Qt::Key_Enter, Key::Return}};
    for (const auto& [qt, key] : kKeys) {
        if (event->key() == qt) return forward(Event::keyPress(key));
    }
    QWidget::keyPressEvent(event);
}

bool ConsentWindow::focusNextPrevChild(bool) { return false; }

ControlWidget* ConsentWindow::widgetOf(const std::string& name) const {
    const Control* c = model_.find(name);
    return c ? widgets_[static_cast<std::size_t>(c->id())] : nullptr;
}

void ConsentWindow::takeForm() {
    const Control& form = model_.at(kFormName);
    setWindowTitle(QString::fromStdString(form.caption()));
    const QRect place = pixelRect(form);
    setFixedSize(place.size());
}

void ConsentWindow::forward(const Event& event) {
    sink_(event);
    sync();
}

void ConsentWindow::sync() {
    for (int id : model_.takeChanges()) {
        if (ControlWidget* w = widgets_[static_cast<std::size_t>(id)]) {
            w->refresh();
            notifyAccessibleChange(*w);
        }
    }
    takeForm();
    // Once answered, the game hides its form: the window goes with it.
    if (!model_.at(kFormName).visible() && isVisible()) hide();
}

void ConsentWindow::showCentred() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
        QRect place(QPoint(0, 0), size());
        place.moveCenter(screen->availableGeometry().center());
        move(place.topLeft());
    }
    show();
    activateWindow();
}

void ConsentWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), toQColor(model_.at(kFormName).backcolor()));
}

void ConsentWindow::closeEvent(QCloseEvent* event) {
    // Closed from its title bar: the player said no.
    if (model_.at(kFormName).visible()) forward(Event::click(kRefusalName));
    event->accept();
}

}  // namespace dravonelle
