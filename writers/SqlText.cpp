#include "writers/SqlText.h"

#include "db/Error.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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

SignificantDigits SqlNumberDigits(double value) {
    if (!std::isfinite(value))
        throw Error(
            QStringLiteral("Valor numérico inválido para gravação: %1")
                .arg(std::isnan(value) ? QStringLiteral("NaN") : QStringLiteral("infinito")));

    // to_chars ignores the C locale. The number is written with 15 significant digits, and the
    // exponent of the rounded value decides the notation. When the shortest form that reads
    // back as the same double has at most 15 digits, rounding to 15 gives those very digits (a
    // normal double tells every decimal of 15 digits apart; a subnormal one does not), and the
    // shortest form is much cheaper to find. Everything is put together in fixed buffers: every
    // price of every row passes here.
    char scientific[32];
    const char* const first = scientific;
    std::to_chars_result written = std::to_chars(scientific, scientific + sizeof scientific, value,
                                                 std::chars_format::scientific);
    const auto mantissaDigits = [&] {
        const char* const last = written.ptr;
        return std::count_if(first, std::find(first, last, 'e'),
                             [](char c) { return c >= '0' && c <= '9'; });
    };
    if (written.ec == std::errc() && (!std::isnormal(value) || mantissaDigits() > 15)) {
        written = std::to_chars(scientific, scientific + sizeof scientific, value,
                                std::chars_format::scientific, 14);
    }
    if (written.ec != std::errc())
        throw Error(QStringLiteral("Valor numérico não pôde ser formatado"));
    const char* const end = written.ptr;
    const char* const ePos = std::find(first, end, 'e');
    SignificantDigits result;
    result.negative = scientific[0] == '-';
    for (const char* p = scientific + (result.negative ? 1 : 0); p < ePos; ++p) {
        if (*p != '.')
            result.digits[result.count++] = *p;
    }
    while (result.count > 1 && result.digits[result.count - 1] == '0')
        --result.count;
    std::from_chars(ePos + 1 + (ePos[1] == '+' ? 1 : 0), end, result.exponent);
    return result;
}

QString SqlNumber(double value) {
    if (value == 0.0)
        return QStringLiteral("0");
    const SignificantDigits number = SqlNumberDigits(value);
    const char* const digits = number.digits;
    const int digitCount = number.count;
    const int exponent = number.exponent;

    // At most a sign, 15 digits, a point and three leading or fourteen trailing zeros, or an
    // exponent.
    char out[48];
    char* o = out;
    if (number.negative)
        *o++ = '-';
    if (exponent < -4 || exponent >= 15) {
        *o++ = digits[0];
        if (digitCount > 1) {
            *o++ = '.';
            o = std::copy(digits + 1, digits + digitCount, o);
        }
        *o++ = 'E';
        o = std::to_chars(o, out + sizeof out, exponent).ptr;
    } else if (exponent < 0) {
        *o++ = '0';
        *o++ = '.';
        o = std::fill_n(o, -exponent - 1, '0');
        o = std::copy(digits, digits + digitCount, o);
    } else {
        const int intDigits = exponent + 1;
        if (digitCount <= intDigits) {
            o = std::copy(digits, digits + digitCount, o);
            o = std::fill_n(o, intDigits - digitCount, '0');
        } else {
            o = std::copy(digits, digits + intDigits, o);
            *o++ = '.';
            o = std::copy(digits + intDigits, digits + digitCount, o);
        }
    }
    return QString::fromLatin1(out, o - out);
}

QString SqlInteger(qint64 value) {
    return QString::number(value);
}

namespace {

// dd.mm.yyyy at `out`, ten characters.
void WriteDate(QChar* out, const QDate& date) {
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        throw Error(QStringLiteral("Data inválida para gravação"));
    const auto digit = [](int value) { return QChar(u'0' + value); };
    const int day = date.day();
    const int month = date.month();
    const int year = date.year();
    const QChar text[] = {digit(day / 10),    digit(day % 10),        u'.',
                          digit(month / 10),  digit(month % 10),      u'.',
                          digit(year / 1000), digit(year / 100 % 10), digit(year / 10 % 10),
                          digit(year % 10)};
    std::copy(std::begin(text), std::end(text), out);
}

constexpr qsizetype dateLength = 10;

} // namespace

QString SqlDate(const QDate& date) {
    QString result(dateLength + 2, Qt::Uninitialized);
    QChar* const out = result.data();
    WriteDate(out + 1, date);
    out[0] = out[dateLength + 1] = u'\'';
    return result;
}

QString SqlDateText(const QDate& date) {
    QString result(dateLength, Qt::Uninitialized);
    WriteDate(result.data(), date);
    return result;
}

} // namespace vorlanda
