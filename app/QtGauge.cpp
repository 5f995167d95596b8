#include "app/QtGauge.h"

#include <QProgressBar>
#include <algorithm>

namespace vorlanda {

namespace {

// The percentage the bar writes for a value of 0..maximum.
int Percent(int value, int maximum) {
    return static_cast<int>(qint64{value} * 100 / maximum);
}

} // namespace

QtGauge::QtGauge(QProgressBar& bar)
    : bar_(bar), throttle_(bar, [this] { CatchUp(); }), max_(bar.maximum()),
      progress_(bar.value()) {
    Show();
}

void QtGauge::SetMaxValue(int value) {
    max_ = value;
    Show();
}

void QtGauge::SetProgress(int value) {
    progress_ = value;
    Show();
}

void QtGauge::Show() {
    // While painting is put off, a step that keeps the percentage the bar shows waits for the
    // end of the frame: the bar's own work on a new value (does it need a repaint, what does
    // its text say) costs more than many a row it stands for.
    throttle_.Changing();
    if (throttle_.PuttingOff() && max_ > 0 && bar_.maximum() == max_ &&
        Percent(std::clamp(progress_, 0, max_), max_) == Percent(bar_.value(), max_)) {
        barBehind_ = true;
        return;
    }
    PassToBar();
}

void QtGauge::CatchUp() {
    if (barBehind_)
        PassToBar();
}

void QtGauge::PassToBar() {
    // A bar with the range 0..0 turns into a busy animation, and one whose value falls
    // outside its range shows no text at all; the operator must see 0 % in both cases. The
    // range is always set before the value, since a new range resets an outlying value.
    if (max_ <= 0) {
        bar_.setRange(0, 1);
        bar_.setValue(0);
    } else {
        bar_.setRange(0, max_);
        bar_.setValue(std::clamp(progress_, 0, max_));
    }
    barBehind_ = false;
}

} // namespace vorlanda
