#include "importers/LegacyNumber.h"

#include "db/Error.h"
#include "db/NumberText.h"
#include "writers/TextRules.h"

#include <QList>
#include <algorithm>
#include <optional>

namespace vorlanda {

namespace {

bool AllDigits(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The whole part without its thousands separators, or nothing when they do not group it by
// threes: one to three digits first, then exactly three after every separator.
std::optional<QString> UngroupedWhole(QStringView whole, QChar separator) {
    const qsizetype sign = whole.startsWith(u'-') || whole.startsWith(u'+') ? 1 : 0;
    QString digits = whole.left(sign).toString();
    const QList<QStringView> groups = whole.mid(sign).split(separator);
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const qsizetype size = groups[i].size();
        const bool fits = i == 0 ? size >= 1 && size <= 3 : size == 3;
        if (!fits || !AllDigits(groups[i]))
            return std::nullopt;
        digits += groups[i];
    }
    return digits;
}

} // namespace

double LegacyNumber(const QString& text) {
    const QString trimmed = Trim(text);
    if (trimmed.isEmpty())
        return 0.0;
    const qsizetype lastPoint = trimmed.lastIndexOf(u'.');
    const qsizetype lastComma = trimmed.lastIndexOf(u',');
    try {
        if (lastPoint < 0 || lastComma < 0)
            return ParseDecimal(trimmed);
        const qsizetype decimal = std::max(lastPoint, lastComma);
        const QChar thousands = decimal == lastPoint ? u',' : u'.';
        const std::optional<QString> whole =
            UngroupedWhole(QStringView(trimmed).left(decimal), thousands);
        if (whole)
            return ParseDecimal(*whole + u'.' + trimmed.mid(decimal + 1));
    } catch (const Error&) {
        // Named below as it was read, blanks included.
    }
    ThrowNotADecimal(text);
}

} // namespace vorlanda
