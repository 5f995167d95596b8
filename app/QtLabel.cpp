#include "app/QtLabel.h"

#include <QLabel>

namespace vorlanda {

QString QtLabel::Caption() const {
    return label_.text();
}

void QtLabel::SetCaption(const QString& text) {
    label_.setText(text);
}

} // namespace vorlanda
