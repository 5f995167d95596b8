#include "ui/RecordingUi.h"

namespace vorlanda {

void RecordingGauge::SetMaxValue(int value) {
    max_ = value;
    history_.append(QStringLiteral("max=%1").arg(value));
}

void RecordingGauge::SetProgress(int value) {
    progress_ = value;
    history_.append(QStringLiteral("progress=%1").arg(value));
}

void RecordingLabel::SetCaption(const QString& text) {
    caption_ = text;
    captions_.append(text);
}

} // namespace vorlanda
