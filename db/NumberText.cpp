#include "db/NumberText.h"

#include "db/Error.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace vorlanda {

namespace {

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Checks the shape by hand so that the reader never sees what it would take beyond a plain
// decimal (hex, "inf", "nan", leading blanks); returns the text with "." as separator and
// without a leading "+".
bool NormaliseDecimal(const QString& text, std::string& out) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    out.clear();
    if (i < n && text[i] == u'-')
        out += '-';
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && IsDigit(text[i])) {
        out += static_cast<char>(text[i++].unicode());
        ++digits;
    }
    if (i < n && (text[i] == u'.' || text[i] == u',')) {
        out += '.';
        ++i;
        while (i < n && IsDigit(text[i])) {
            out += static_cast<char>(text[i++].unicode());
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        out += 'e';
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            out += static_cast<char>(text[i++].unicode());
        qsizetype expDigits = 0;
        while (i < n && IsDigit(text[i])) {
            out += static_cast<char>(text[i++].unicode());
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    return i == n;
}

} // namespace

double ParseDecimal(const QString& text) {
    std::string normalised;
    if (NormaliseDecimal(text, normalised)) {
        // from_chars, not strtod: strtod reads with the process's locale, and a window started
        // under a Brazilian locale would read "12.50" as 12.
        double value = 0.0;
        const char* const end = normalised.data() + normalised.size();
        const std::from_chars_result read = std::from_chars(normalised.data(), end, value);
        if (read.ec == std::errc() && read.ptr == end && std::isfinite(value))
            return value;
    }
    ThrowNotADecimal(text);
}

void ThrowNotADecimal(const QString& text) {
    throw Error(QStringLiteral("'%1' não é um valor numérico válido").arg(text));
}

int ParseInteger(const QString& text) {
    bool ok = !text.isEmpty();
    qsizetype start = (ok && (text[0] == u'+' || text[0] == u'-')) ? 1 : 0;
    ok = ok && start < text.size();
    for (qsizetype i = start; ok && i < text.size(); ++i)
        ok = IsDigit(text[i]);
    long long value = 0;
    if (ok)
        value = text.toLongLong(&ok);
    if (!ok || value < INT32_MIN || value > INT32_MAX)
        throw Error(QStringLiteral("'%1' não é um valor inteiro válido").arg(text));
    return static_cast<int>(value);
}

std::optional<TargetValue> NumberLiteralValue(QStringView item) {
    constexpr qsizetype maxDigits = 18;
    const qsizetype start = item.startsWith(u'-') ? 1 : 0;
    qsizetype i = start;
    qint64 magnitude = 0;
    qsizetype digits = 0;
    const auto readDigits = [&](bool keep) {
        qsizetype count = 0;
        for (; i < item.size() && item[i] >= u'0' && item[i] <= u'9'; ++i, ++count) {
            if (keep && ++digits <= maxDigits)
                magnitude = magnitude * 10 + (item[i].unicode() - u'0');
        }
        return count;
    };
    const qsizetype whole = readDigits(true);
    const bool point = i < item.size() && item[i] == u'.';
    if (point)
        ++i;
    const qsizetype fraction = point ? readDigits(true) : 0;
    if (whole + fraction == 0)
        return std::nullopt;
    if (i == item.size()) {
        if (digits > maxDigits)
            return std::nullopt;
        const qint64 value = start ? -magnitude : magnitude;
        if (!point)
            return value;
        return ExactDecimal{value, static_cast<int>(fraction)};
    }
    if (item[i] != u'e' && item[i] != u'E')
        return std::nullopt;
    ++i;
    if (i < item.size() && (item[i] == u'+' || item[i] == u'-'))
        ++i;
    if (readDigits(false) == 0 || i != item.size())
        return std::nullopt;
    bool ok = false;
    const double value = item.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace vorlanda
