// The game's windows as a screen reader sees them: each ControlWidget speaks
// with the window layer's accessible texts (window/accessible_texts.h), the
// two windows name themselves, and the helpers that show nothing (picture
// stores, frames) are left out of the tree. Changes are told only while an
// assistive tool listens.
#pragma once

#include "qt/layer.h"

#include <functional>

class QAccessibleEvent;

namespace dravonelle {

class ControlWidget;
class JeuYam;

// From now on every ControlWidget, the main window and the consent window
// answer for GAME's controls. Call once, before the windows are shown.
void installAccessibility(const JeuYam& game);

// The game is gone: its widgets speak no more for it.
void removeAccessibility();

// W was just refreshed from its control: tells the listening tool what it
// now says differently (name, value, states, the focus, the bubble's news).
void notifyAccessibleChange(ControlWidget& w);

// Where no assistive tool can listen (offscreen), the events go to LISTENER
// as if one did; an empty listener gives them back to Qt.
void listenToAccessibility(std::function<void(QAccessibleEvent&)> listener);

}  // namespace dravonelle
