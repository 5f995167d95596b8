#pragma once

#include "ui/UserInterface.h"

#include <QString>
#include <atomic>
#include <mutex>

class QLabel;
class QProgressBar;

namespace vorlanda {

// The gauge and the caption a run writes on its own thread, for the window's thread to show.
// The run pays for a few stores per row; the window shows the latest state when it next
// looks, once a frame: the operator sees every state at most a frame old, and no row waits
// for a paint.
class RunMirror final : public Gauge, public Label {
public:
    int MaxValue() const override { return max_; }
    int Progress() const override { return progress_; }
    void SetMaxValue(int value) override { max_ = value; }
    void SetProgress(int value) override { progress_ = value; }
    QString Caption() const override;
    void SetCaption(const QString& text) override;

    // Puts the current state on the window's caption and bar; on the window's thread. The bar
    // shows the percentage of progress to maximum, and 0 % without a maximum.
    void ShowOn(QLabel& caption, QProgressBar& bar) const;

private:
    std::atomic<int> max_{0};
    std::atomic<int> progress_{0};
    mutable std::mutex captionLock_;
    QString caption_;
};

} // namespace vorlanda
