#pragma once

#include "app/PaintThrottle.h"
#include "ui/UserInterface.h"

class QProgressBar;

namespace vorlanda {

// The gauge over the window's progress bar. It shows the percentage of progress to maximum;
// a maximum of 0 shows 0 %. The gauge's own values are always current; a step that leaves the
// shown percentage as it is may reach the bar only with the next paint, at most a frame later.
class QtGauge final : public Gauge {
public:
    // The bar stays the window's; it must outlive the gauge's use.
    explicit QtGauge(QProgressBar& bar);

    int MaxValue() const override { return max_; }
    int Progress() const override { return progress_; }
    void SetMaxValue(int value) override;
    void SetProgress(int value) override;

private:
    void Show();
    void CatchUp();
    void PassToBar();

    QProgressBar& bar_;
    PaintThrottle throttle_;
    int max_;
    int progress_;
    bool barBehind_ = false; // the bar waits for a step that would not change its percentage
};

} // namespace vorlanda
