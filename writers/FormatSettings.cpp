#include "writers/FormatSettings.h"

namespace vorlanda {

namespace {

enum class Field { Literal, DateSeparator, Day, Day2, Month, Month2, Year2, Year4 };

// Splits a date format into its fields and calls visit for each, until it returns false; a
// literal carries its text. A template, not a std::function: dates are formatted for every row.
template <typename Visit> void Tokenize(const QString& format, Visit&& visit) {
    const QStringView view(format);
    qsizetype i = 0;
    const qsizetype n = format.size();
    while (i < n) {
        const QChar c = format[i];
        const char16_t lower = c.toLower().unicode();
        if (c == u'\'' || c == u'"') {
            const qsizetype close = format.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? n : close;
            if (!visit(Field::Literal, view.mid(i + 1, end - i - 1)))
                return;
            i = end + 1;
        } else if (c == u'/') {
            if (!visit(Field::DateSeparator, QStringView()))
                return;
            ++i;
        } else if (lower == u'd' || lower == u'm') {
            const bool two = i + 1 < n && format[i + 1].toLower() == c.toLower();
            const Field field = lower == u'd' ? (two ? Field::Day2 : Field::Day)
                                              : (two ? Field::Month2 : Field::Month);
            if (!visit(field, QStringView()))
                return;
            i += two ? 2 : 1;
        } else if (lower == u'y') {
            qsizetype run = 0;
            while (i + run < n && format[i + run].toLower() == u'y')
                ++run;
            if (!visit(run <= 2 ? Field::Year2 : Field::Year4, QStringView()))
                return;
            i += run;
        } else {
            if (!visit(Field::Literal, view.mid(i, 1)))
                return;
            ++i;
        }
    }
}

// Appends a number at least `width` characters wide, zeros after any sign.
void AppendPadded(QString& out, int value, int width) {
    char16_t digits[12];
    int count = 0;
    unsigned magnitude =
        value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (value < 0) {
        out += u'-';
        --width;
    }
    for (int i = count; i < width; ++i)
        out += u'0';
    while (count > 0)
        out += QChar(digits[--count]);
}

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Reads between minDigits and maxDigits decimal digits at pos, advancing it.
bool ReadNumber(const QString& text, qsizetype& pos, int minDigits, int maxDigits, int& value) {
    value = 0;
    int count = 0;
    while (count < maxDigits && pos < text.size() && IsDigit(text[pos])) {
        value = value * 10 + (text[pos].unicode() - u'0');
        ++pos;
        ++count;
    }
    return count >= minDigits;
}

} // namespace

FormatSettings::FormatSettings()
    : shortDateFormat_(QStringLiteral("dd/mm/yyyy")), dateSeparator_(u'/'),
      decimalSeparator_(u',') {}

QString FormatSettings::FormatDate(const QDate& date, const QString& format) const {
    if (!date.isValid())
        return {};
    QString out;
    out.reserve(format.size() + 4);
    Tokenize(format, [&](Field field, QStringView literal) {
        switch (field) {
        case Field::Literal:
            out += literal;
            break;
        case Field::DateSeparator:
            out += dateSeparator_;
            break;
        case Field::Day:
            AppendPadded(out, date.day(), 1);
            break;
        case Field::Day2:
            AppendPadded(out, date.day(), 2);
            break;
        case Field::Month:
            AppendPadded(out, date.month(), 1);
            break;
        case Field::Month2:
            AppendPadded(out, date.month(), 2);
            break;
        case Field::Year2:
            AppendPadded(out, ((date.year() % 100) + 100) % 100, 2);
            break;
        case Field::Year4:
            AppendPadded(out, date.year(), 4);
            break;
        }
        return true;
    });
    return out;
}

QDate FormatSettings::ReadDate(const QString& text, const QString& format) const {
    int day = 0;
    int month = 0;
    int year = 0;
    bool haveDay = false;
    bool haveMonth = false;
    bool haveYear = false;
    qsizetype pos = 0;
    bool ok = true;
    Tokenize(format, [&](Field field, QStringView literal) {
        switch (field) {
        case Field::Literal:
            ok = QStringView(text).mid(pos).startsWith(literal);
            pos += literal.size();
            break;
        case Field::DateSeparator:
            ok = pos < text.size() && text[pos] == dateSeparator_;
            ++pos;
            break;
        case Field::Day:
        case Field::Day2:
            ok = ReadNumber(text, pos, 1, 2, day);
            haveDay = true;
            break;
        case Field::Month:
        case Field::Month2:
            ok = ReadNumber(text, pos, 1, 2, month);
            haveMonth = true;
            break;
        case Field::Year2: {
            ok = ReadNumber(text, pos, 2, 2, year);
            const int thisYear = QDate::currentDate().year();
            year += thisYear - thisYear % 100;
            if (year > thisYear + 50)
                year -= 100;
            else if (year <= thisYear - 50)
                year += 100;
            haveYear = true;
            break;
        }
        case Field::Year4:
            ok = ReadNumber(text, pos, 4, 4, year);
            haveYear = true;
            break;
        }
        return ok;
    });
    if (!ok || pos != text.size() || !haveDay || !haveMonth || !haveYear || year < 1)
        return {};
    return QDate(year, month, day);
}

FormatSettings& ProcessFormatSettings() {
    static FormatSettings settings;
    return settings;
}

QString ShortDateText(const QDate& date) {
    const FormatSettings& settings = ProcessFormatSettings();
    // Every row without a date is given today's: the text written last is kept for as long
    // as the date and the settings stay the same.
    static struct {
        QDate date;
        QString format;
        QChar separator;
        QString text;
    } last;
    if (date != last.date || settings.ShortDateFormat() != last.format ||
        settings.DateSeparator() != last.separator) {
        last.text = settings.FormatDate(date, settings.ShortDateFormat());
        last.date = date;
        last.format = settings.ShortDateFormat();
        last.separator = settings.DateSeparator();
    }
    return last.text;
}

QDate ReadShortDate(const QString& text) {
    const FormatSettings& settings = ProcessFormatSettings();
    return settings.ReadDate(text, settings.ShortDateFormat());
}

} // namespace vorlanda
