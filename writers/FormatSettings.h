#pragma once

#include <QChar>
#include <QDate>
#include <QString>

namespace vorlanda {

// The regional format settings: short date format, date separator and decimal separator. They
// start as "dd/mm/yyyy", "/" and "," whatever the machine's locale, so the converted data never
// depend on the workstation.
//
// Date formats: "d"/"dd" day without/with leading zero, "m"/"mm" month likewise, "yy" two-digit
// and "yyyy" four-digit year (letters in either case; runs of d or m longer than two are read
// two at a time, and three or more y mean the four-digit year), "/" the date separator, text
// between ' or " as is, and every other character as is.
class FormatSettings {
public:
    FormatSettings();

    const QString& ShortDateFormat() const noexcept { return shortDateFormat_; }
    QChar DateSeparator() const noexcept { return dateSeparator_; }
    QChar DecimalSeparator() const noexcept { return decimalSeparator_; }

    void SetShortDateFormat(const QString& format) { shortDateFormat_ = format; }
    void SetDateSeparator(QChar separator) { dateSeparator_ = separator; }
    void SetDecimalSeparator(QChar separator) { decimalSeparator_ = separator; }

    // The date written in the given format; empty for an invalid date.
    QString FormatDate(const QDate& date, const QString& format) const;

    // Reads a date written in the given format: one or two digits for a day or month, exactly
    // two for "yy" (the year nearest today within a 100-year window), exactly four for "yyyy",
    // separators and literal text as the format has them. Invalid when the text does not match
    // or names no real day.
    QDate ReadDate(const QString& text, const QString& format) const;

private:
    QString shortDateFormat_;
    QChar dateSeparator_;
    QChar decimalSeparator_;
};

// The settings of this process; changes made through it hold for the rest of the process.
FormatSettings& ProcessFormatSettings();

// The date in the process's short date format.
QString ShortDateText(const QDate& date);

// A date text read with the process's short date format; invalid when it does not match.
QDate ReadShortDate(const QString& text);

} // namespace vorlanda
