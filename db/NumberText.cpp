#include "db/NumberText.h"

#include "db/Error.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace vorlanda {

namespace {

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Checks the shape by hand so that strtod never sees its extensions (hex, "inf", "nan",
// leading blanks); returns the text in the C locale's form, "." as separator.
bool NormaliseDecimal(const QString& text, std::string& out) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    out.clear();
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        out += static_cast<char>(text[i++].unicode());
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
        errno = 0;
        const double value = std::strtod(normalised.c_str(), nullptr);
        if (errno != ERANGE && std::isfinite(value))
            return value;
    }
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

} // namespace vorlanda
