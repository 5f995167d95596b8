#include "app/QtGauge.h"

#include <QProgressBar>
#include <algorithm>

namespace vorlanda {

QtGauge::QtGauge(QProgressBar& bar)
    : bar_(bar), throttle_(bar), max_(bar.maximum()), progress_(bar.value()) {
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
    throttle_.Changed();
}

} // namespace vorlanda
