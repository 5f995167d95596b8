#pragma once

#include <QElapsedTimer>
#include <QTimer>

class QWidget;

namespace vorlanda {

// Lets a widget that changes for every converted row repaint at most once a frame. The
// widget's state is always current; only its painting waits: within a frame of the last
// paint its updates are switched off, and a timer switches them on again (which repaints it)
// when the frame is over, so the last state always shows.
class PaintThrottle {
public:
    explicit PaintThrottle(QWidget& widget);
    PaintThrottle(const PaintThrottle&) = delete;
    PaintThrottle& operator=(const PaintThrottle&) = delete;

    // Called after each change of the widget.
    void Changed();

private:
    void Resume();

    QWidget& widget_;
    QElapsedTimer sincePaint_;
    QTimer resume_;
};

} // namespace vorlanda
