#pragma once

#include "app/PaintThrottle.h"
#include "ui/UserInterface.h"

class QLabel;

namespace vorlanda {

// The label over one of the window's labels.
class QtLabel final : public Label {
public:
    // The label stays the window's; it must outlive this object's use.
    explicit QtLabel(QLabel& label);

    QString Caption() const override;
    void SetCaption(const QString& text) override;

private:
    QLabel& label_;
    PaintThrottle throttle_;
};

} // namespace vorlanda
