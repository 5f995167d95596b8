#include "app/QtLabel.h"

#include <QLabel>

namespace vorlanda {

QtLabel::QtLabel(QLabel& label) : label_(label), throttle_(label) {}

QString QtLabel::Caption() const {
    return label_.text();
}

void QtLabel::SetCaption(const QString& text) {
    throttle_.Changing();
    label_.setText(text);
}

} // namespace vorlanda
