#include "writers/SqlText.h"

#include "db/Error.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace vorlanda {

QString SqlQuoted(const QString& text) {
    // Written straight into a buffer of the final size: writers quote every value of every row.
    const qsizetype quotes = text.count(u'\'');
    QString result(text.size() + quotes + 2, Qt::Uninitialized);
    QChar* out = result.data();
    *out++ = u'\'';
    for (const QChar c : text) {
        if (c == u'\'')
            *out++ = u'\'';
        *out++ = c;
    }
    *out = u'\'';
    return result;
}

QString Concatenated(const std::vector<QStringView>& pieces) {
    qsizetype size = 0;
    for (const QStringView piece : pieces)
        size += piece.size();
    QString result(size, Qt::Uninitialized);
    QChar* out = result.data();
    for (const QStringView piece : pieces)
        out = std::copy(piece.begin(), piece.end(), out);
    return result;
}

QString ParameterShape(std::vector<QStringView> head, std::size_t count) {
    head.reserve(head.size() + count + 1);
    for (std::size_t i = 0; i < count; ++i)
        head.push_back(i == 0 ? u"?" : u", ?");
    head.push_back(u")");
    return Concatenated(head);
}

QString SqlNumber(double value) {
    if (!std::isfinite(value))
        throw Error(
            QStringLiteral("Valor numérico inválido para gravação: %1")
                .arg(std::isnan(value) ? QStringLiteral("NaN") : QStringLiteral("infinito")));
    if (value == 0.0)
        return QStringLiteral("0");

    // to_chars ignores the C locale; the scientific form rounds to 15 significant digits and
    // gives the exponent of the rounded value, which decides the notation.
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    if (ec != std::errc())
        throw Error(QStringLiteral("Valor numérico não pôde ser formatado"));
    const std::string text(buffer, end);

    const bool negative = text.front() == '-';
    const std::size_t mantissaStart = negative ? 1 : 0;
    const std::size_t ePos = text.find('e');
    std::string digits;
    for (std::size_t i = mantissaStart; i < ePos; ++i) {
        if (text[i] != '.')
            digits += text[i];
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = std::stoi(text.substr(ePos + 1));

    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1)
            out += '.' + digits.substr(1);
        out += 'E' + std::to_string(exponent);
    } else if (exponent < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto intDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intDigits) {
            out += digits + std::string(intDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, intDigits) + '.' + digits.substr(intDigits);
        }
    }
    return QString::fromLatin1(out);
}

QString SqlInteger(qint64 value) {
    return QString::number(value);
}

QString SqlDate(const QDate& date) {
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        throw Error(QStringLiteral("Data inválida para gravação"));
    return QStringLiteral("'%1.%2.%3'")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

} // namespace vorlanda
