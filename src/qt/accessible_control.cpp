#include "qt/accessible_control.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMouseEvent>
#include <unordered_map>

#include "qt/consent_window.h"
#include "qt/control_widget.h"
#include "qt/main_window.h"
#include "window/accessible_texts.h"
#include "window/jeu_yam.h"

namespace dravonelle {
namespace {

const JeuYam* game = nullptr;

AccessibleText textsOf(const ControlWidget& w) { return accessibleText(*game, w.control()); }

QAccessible::Role qtRole(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::None:
            break;
        case AccessibleRole::Window:
            return QAccessible::Window;
        case AccessibleRole::Button:
            return QAccessible::Button;
        case AccessibleRole::Cell:
            return QAccessible::Cell;
        case AccessibleRole::Label:
            return QAccessible::StaticText;
        case AccessibleRole::Picture:
            return QAccessible::Graphic;
        case AccessibleRole::Group:
            return QAccessible::Grouping;
        case AccessibleRole::Web:
            return QAccessible::WebDocument;
        case AccessibleRole::Bubble:
            return QAccessible::StatusBar;
    }
    return QAccessible::NoRole;
}

// The children a screen reader meets: the picture stores, frames and
// placeholders stay out of its way.
QList<QWidget*> exposedChildren(const QWidget* parent) {
    QList<QWidget*> out;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow()) continue;
        if (auto* c = qobject_cast<ControlWidget*>(w); c && textsOf(*c).role == AccessibleRole::None) continue;
        out.push_back(w);
    }
    return out;
}

// What the tree holds under any of the game's widgets.
class GameWidget : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return static_cast<int>(exposedChildren(widget()).size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = exposedChildren(widget());
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children[index]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        return static_cast<int>(exposedChildren(widget()).indexOf(qobject_cast<QWidget*>(child->object())));
    }
};

class AccessibleWindow : public GameWidget {
public:
    explicit AccessibleWindow(QWidget* w) : GameWidget(w, QAccessible::Window) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return GameWidget::text(t);
        const QString title = widget()->windowTitle();
        return title.isEmpty() ? QStringLiteral("Dravonelle") : title;
    }
};

class AccessibleControl : public GameWidget {
public:
    explicit AccessibleControl(ControlWidget* w) : GameWidget(w) {}

    const ControlWidget& control() const { return *static_cast<const ControlWidget*>(widget()); }

    QAccessible::Role role() const override { return qtRole(textsOf(control()).role); }

    QString text(QAccessible::Text t) const override {
        const AccessibleText texts = textsOf(control());
        switch (t) {
            case QAccessible::Name:
                return QString::fromStdString(texts.name);
            case QAccessible::Value:
                return QString::fromStdString(texts.value);
            case QAccessible::Description:
                return QString::fromStdString(texts.description);
            default:
                return {};
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = GameWidget::state();
        const AccessibleText texts = textsOf(control());
        s.disabled = !texts.enabled;
        s.invisible = s.invisible || !texts.shown;
        s.focusable = texts.role == AccessibleRole::Button || texts.role == AccessibleRole::Cell;
        s.focused = texts.focused;
        s.checkable = texts.checkable;
        s.checked = texts.checked;
        return s;
    }

    QStringList actionNames() const override {
        const AccessibleText texts = textsOf(control());
        if (texts.role != AccessibleRole::Button && texts.role != AccessibleRole::Cell) return {};
        return {texts.checkable ? toggleAction() : pressAction()};
    }

    // Pressing or toggling is a click on the control, as the pointer gives it.
    void doAction(const QString& name) override {
        if (!actionNames().contains(name)) return;
        QWidget* w = widget();
        const QPointF middle = QRectF(w->rect()).center();
        QMouseEvent press(QEvent::MouseButtonPress, middle, w->mapToGlobal(middle), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w, &press);
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (!game || !object || className != QLatin1String(object->metaObject()->className())) return nullptr;
    if (auto* c = qobject_cast<ControlWidget*>(object)) return new AccessibleControl(c);
    if (qobject_cast<MainWindow*>(object) || qobject_cast<ConsentWindow*>(object))
        return new AccessibleWindow(static_cast<QWidget*>(object));
    return nullptr;
}

// What each widget last told the listening tool.
std::unordered_map<const QObject*, AccessibleText> told;

std::function<void(QAccessibleEvent&)> listener;

void tell(QAccessibleEvent&& event) {
    if (listener) {
        listener(event);
    } else {
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace

void installAccessibility(const JeuYam& jeu) {
    if (!game) QAccessible::installFactory(factory);
    game = &jeu;
}

void listenToAccessibility(std::function<void(QAccessibleEvent&)> l) { listener = std::move(l); }

void removeAccessibility() {
    if (game) QAccessible::removeFactory(factory);
    game = nullptr;
    told.clear();
}

void notifyAccessibleChange(ControlWidget& w) {
    if (!game || !(listener || QAccessible::isActive())) return;
    const AccessibleText now = textsOf(w);
    if (now.role == AccessibleRole::None) return;
    auto [it, first] = told.try_emplace(&w);
    if (first) QObject::connect(&w, &QObject::destroyed, [](QObject* o) { told.erase(o); });
    const AccessibleText before = std::exchange(it->second, now);

    if (now.name != before.name) {
        tell(QAccessibleEvent(&w, QAccessible::NameChanged));
        // The bubble is the game's voice: its news is read out at once.
        if (now.role == AccessibleRole::Bubble && !w.control().caption().empty())
            tell(QAccessibleEvent(&w, QAccessible::Alert));
    }
    if (now.value != before.value) tell(QAccessibleValueChangeEvent(&w, QString::fromStdString(now.value)));
    if (now.description != before.description) tell(QAccessibleEvent(&w, QAccessible::DescriptionChanged));
    QAccessible::State changed;
    changed.disabled = now.enabled != before.enabled;
    changed.invisible = now.shown != before.shown;
    changed.checked = now.checked != before.checked;
    changed.focused = now.focused != before.focused;
    if (changed.disabled || changed.invisible || changed.checked || changed.focused)
        tell(QAccessibleStateChangeEvent(&w, changed));
    if (now.focused && !before.focused) tell(QAccessibleEvent(&w, QAccessible::Focus));
}

}  // namespace dravonelle
