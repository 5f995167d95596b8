#include "app/PaintThrottle.h"

#include <QEvent>
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
    widget_.installEventFilter(this);
}

bool PaintThrottle::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        repaintAskedFor_ = false;
        sincePaint_.start();
    }
    return false;
}

void PaintThrottle::Changing() {
    if (resume_.isActive() || repaintAskedFor_)
        return; // painting is put off until the frame is over, or a repaint is on its way
    if (!sincePaint_.isValid() || sincePaint_.elapsed() >= frameMilliseconds) {
        repaintAskedFor_ = true;
        return;
    }
    widget_.setUpdatesEnabled(false);
    resume_.start(static_cast<int>(frameMilliseconds - sincePaint_.elapsed()));
}

void PaintThrottle::Resume() {
    if (catchUp_)
        catchUp_();
    widget_.setUpdatesEnabled(true); // schedules a repaint with the current state
    repaintAskedFor_ = true;
}

} // namespace vorlanda
