#include "app/PaintThrottle.h"

#include <QWidget>

namespace vorlanda {

namespace {
// About 25 pictures a second: smooth to the eye, and a few hundred rows between paints.
constexpr qint64 frameMilliseconds = 40;
} // namespace

PaintThrottle::PaintThrottle(QWidget& widget, std::function<void()> catchUp)
    : widget_(widget), catchUp_(std::move(catchUp)) {
    resume_.setSingleShot(true);
    QObject::connect(&resume_, &QTimer::timeout, [this] { Resume(); });
}

void PaintThrottle::Changed() {
    if (resume_.isActive())
        return; // painting is already put off until the frame is over
    if (!sincePaint_.isValid() || sincePaint_.elapsed() >= frameMilliseconds) {
        sincePaint_.start();
        return;
    }
    widget_.setUpdatesEnabled(false);
    resume_.start(static_cast<int>(frameMilliseconds - sincePaint_.elapsed()));
}

void PaintThrottle::Resume() {
    if (catchUp_)
        catchUp_();
    widget_.setUpdatesEnabled(true); // schedules a repaint with the current state
    sincePaint_.start();
}

} // namespace vorlanda
