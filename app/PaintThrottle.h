#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

class QWidget;

namespace vorlanda {

// Lets a widget that changes for every converted row repaint at most once a frame: within a
// frame of the last paint its updates are switched off, and a timer switches them on again
// (which repaints it) when the frame is over, so the last state always shows. The owner may
// hold back changes that would not show while painting is put off, and hand them to the
// widget in `catchUp`, which runs just before the widget paints again.
class PaintThrottle {
public:
    explicit PaintThrottle(QWidget& widget, std::function<void()> catchUp = {});
    PaintThrottle(const PaintThrottle&) = delete;
    PaintThrottle& operator=(const PaintThrottle&) = delete;

    // Called after each change of the widget.
    void Changed();
    bool PuttingOff() const { return resume_.isActive(); }

private:
    void Resume();

    QWidget& widget_;
    std::function<void()> catchUp_;
    QElapsedTimer sincePaint_;
    QTimer resume_;
};

} // namespace vorlanda
