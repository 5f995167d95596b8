#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

class QWidget;

namespace vorlanda {

// Lets a widget that changes for every converted row repaint at most once a frame: within a
// frame of its last paint its updates are switched off before it changes, and a timer switches
// them on again (which repaints it) when the frame is over, so the last state always shows.
// Updates are switched off only before a change and only once the repaint asked for earlier
// has run: a repaint that runs while they are off fills the widget's place with its parent's
// background, and the operator would see no caption at all. The owner may hold back changes
// that would not show while painting is put off, and hand them to the widget in `catchUp`,
// which runs just before the widget paints again.
class PaintThrottle final : public QObject {
public:
    explicit PaintThrottle(QWidget& widget, std::function<void()> catchUp = {});
    PaintThrottle(const PaintThrottle&) = delete;
    PaintThrottle& operator=(const PaintThrottle&) = delete;

    // Called before each change of the widget.
    void Changing();
    bool PuttingOff() const { return resume_.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Resume();

    QWidget& widget_;
    std::function<void()> catchUp_;
    QElapsedTimer sincePaint_;
    QTimer resume_;
    bool repaintAskedFor_ = false; // a change asked for a repaint that has not run yet
};

} // namespace vorlanda
