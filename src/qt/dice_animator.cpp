#include "qt/dice_animator.h"

#include <cmath>

#include "qt/control_style.h"
#include "qt/main_window.h"

namespace dravonelle {
namespace {

// A die grows from a speck of 60 twips to 780 in steps of 15, from its top
// left corner, and shrinks back the same way; then it takes its full place.
constexpr int kSmallest = 60;
constexpr int kLargest = 780;
constexpr int kStep = 15;
constexpr int kSteps = (kLargest - kSmallest) / kStep;

int sideAt(Animation kind, double progress) {
    const int done = static_cast<int>(std::lround(progress * kSteps));
    return kind == Animation::Grow ? kSmallest + done * kStep : kLargest - done * kStep;
}

}  // namespace

DiceAnimator::DiceAnimator() {
    clock_.setStartValue(0.0);
    clock_.setEndValue(1.0);
    clock_.setDuration(kDieMilliseconds);
    QObject::connect(&clock_, &QVariantAnimation::valueChanged, &clock_,
                     [this](const QVariant& progress) { step(progress.toDouble()); });
    QObject::connect(&clock_, &QVariantAnimation::finished, &clock_, [this] { finish(); });
}

void DiceAnimator::animate(int controlId, Animation kind) {
    ControlWidget* widget = window_ ? window_->widgetOf(controlId) : nullptr;
    if (!widget) return;
    Move move{widget, kind, pixelRect(widget->control())};
    // Until its turn comes, a die about to land is not on the tray yet, and
    // a die about to be taken back still lies there whole.
    widget->setAnimatedFrame(kind == Animation::Grow ? QRect() : move.home);
    waiting_.push_back(move);
    if (!playing_) startNext();
}

bool DiceAnimator::busy() { return playing_.has_value() || !waiting_.empty(); }

void DiceAnimator::startNext() {
    while (!waiting_.empty()) {
        playing_ = waiting_.front();
        waiting_.pop_front();
        if (!playing_->widget) continue;  // its window has gone
        step(0.0);
        clock_.start();
        return;
    }
    playing_.reset();
}

void DiceAnimator::step(double progress) {
    if (!playing_ || !playing_->widget) return;
    const int side = toPixels(sideAt(playing_->kind, progress));
    playing_->widget->setAnimatedFrame(QRect(playing_->home.topLeft(), QSize(side, side)));
}

void DiceAnimator::finish() {
    // The model has its say again: full size when the die stays, out of
    // sight when it was taken back.
    if (playing_ && playing_->widget) playing_->widget->setAnimatedFrame(std::nullopt);
    playing_.reset();
    startNext();
}

}  // namespace dravonelle
