#include "run/RunWarnings.h"

namespace vorlanda {

void RunWarnings::ShowWarning(const QString& text) {
    ++count_;
    if (const auto known = positions_.constFind(text); known != positions_.constEnd()) {
        ++distinct_[known.value()].second;
        return;
    }
    positions_.insert(text, distinct_.size());
    distinct_.emplace_back(text, 1);
    if (showing_ == Showing::FirstOfEach)
        Shown().ShowWarning(text);
}

QString RunWarnings::Summary() const {
    QString summary =
        count_ == 1 ? QStringLiteral("1 aviso:") : QStringLiteral("%1 avisos:").arg(count_);
    for (const auto& [text, times] : distinct_) {
        // A warning's own line breaks would split it from its count.
        QString line = text;
        line.replace(QStringLiteral(" \r"), QStringLiteral(" ")).replace(u'\r', u' ');
        summary += QStringLiteral("\n- ") + line +
                   (times == 1 ? QStringLiteral(" (1 registro)")
                               : QStringLiteral(" (%1 registros)").arg(times));
    }
    return summary;
}

} // namespace vorlanda
