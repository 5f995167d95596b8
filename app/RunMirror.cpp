#include "app/RunMirror.h"

#include <QLabel>
#include <QProgressBar>
#include <algorithm>

namespace vorlanda {

QString RunMirror::Caption() const {
    const std::lock_guard lock(captionLock_);
    return caption_;
}

void RunMirror::SetCaption(const QString& text) {
    const std::lock_guard lock(captionLock_);
    caption_ = text;
}

void RunMirror::ShowOn(QLabel& caption, QProgressBar& bar) const {
    const QString text = Caption();
    if (caption.text() != text)
        caption.setText(text);
    // A bar with the range 0..0 turns into a busy animation, and one whose value falls
    // outside its range shows no text at all; the operator must see 0 % in both cases. The
    // range is always set before the value, since a new range resets an outlying value.
    const int maximum = max_;
    if (maximum <= 0) {
        bar.setRange(0, 1);
        bar.setValue(0);
    } else {
        bar.setRange(0, maximum);
        bar.setValue(std::clamp(progress_.load(), 0, maximum));
    }
}

} // namespace vorlanda
