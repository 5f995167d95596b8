#pragma once

#include "app/PaintThrottle.h"
#include "ui/UserInterface.h"

class QProgressBar;

namespace vorlanda {

// The gauge over the window's progress bar. It shows the percentage of progress to maximum;
// a maximum of 0 shows 0 %.
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

    QProgressBar& bar_;
    PaintThrottle throttle_;
    int max_;
    int progress_;
};

} // namespace vorlanda
