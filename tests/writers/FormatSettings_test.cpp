#include "writers/FormatSettings.h"

#include "support/ProcessSettingsGuard.h"
#include "support/QtPrinters.h"
#include <QLocale>

#include <gtest/gtest.h>

namespace vorlanda {
namespace {

TEST(FormatSettings, StartsBrazilianWhateverTheLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const FormatSettings settings;
    QLocale::setDefault(saved);
    EXPECT_EQ(settings.ShortDateFormat(), QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(settings.DateSeparator(), QChar(u'/'));
    EXPECT_EQ(settings.DecimalSeparator(), QChar(u','));
}

TEST(FormatSettings, FormatsDatesTokenByToken) {
    struct Case {
        const char* format;
        char16_t separator;
        QDate date;
        const char* out;
    };
    const Case cases[] = {
        {"dd/mm/yyyy", u'/', QDate(2007, 3, 5), "05/03/2007"},
        {"d/m/yy", u'/', QDate(2007, 3, 5), "5/3/07"},
        {"d/m/yyyy", u'/', QDate(2007, 12, 25), "25/12/2007"},
        {"DD/MM/YYYY", u'-', QDate(1979, 12, 27), "27-12-1979"},
        {"yyyy/mm/dd", u'.', QDate(2007, 3, 5), "2007.03.05"},
        {"yyyy-mm-dd", u'/', QDate(2007, 3, 5), "2007-03-05"},
        {"dd/mm/yy", u'/', QDate(2000, 1, 9), "09/01/00"},
        {"dd/mm/yyyy", u'/', QDate(5, 1, 9), "09/01/0005"},
        {"dd/mm/yyyy", u'/', QDate(-5, 1, 9), "09/01/-005"},
        {"d/m/yyyy", u'/', QDate(12345, 1, 9), "9/1/12345"},
        {"dd 'de' mm \"do\" yyyy", u'/', QDate(2007, 3, 5), "05 de 03 do 2007"},
        {"dd/mm/yyyy", u'/', QDate(), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        FormatSettings settings;
        settings.SetDateSeparator(QChar(c.separator));
        EXPECT_EQ(settings.FormatDate(c.date, QString::fromLatin1(c.format)).toStdString(), c.out);
    }
}

TEST(FormatSettings, ReadsDatesOnlyWhenTheyMatchTheFormat) {
    struct Case {
        const char* format;
        char16_t separator;
        const char* text;
        QDate out;
    };
    const Case cases[] = {
        {"dd/mm/yyyy", u'/', "01/01/1900", QDate(1900, 1, 1)},
        {"dd/mm/yyyy", u'/', "5/3/2007", QDate(2007, 3, 5)},
        {"dd/mm/yyyy", u'/', "31/12/9999", QDate(9999, 12, 31)},
        {"yyyy-mm-dd", u'/', "2007-03-05", QDate(2007, 3, 5)},
        {"dd/mm/yyyy", u'.', "01.01.1900", QDate(1900, 1, 1)},
        {"dd/mm/yy", u'/', "05/03/07", QDate(2007, 3, 5)},
        {"dd/mm/yyyy", u'.', "01/01/1900", QDate()},
        {"dd/mm/yyyy", u'/', "01-01-1900", QDate()},
        {"dd/mm/yyyy", u'/', "31/02/2000", QDate()},
        {"dd/mm/yyyy", u'/', "00/01/2000", QDate()},
        {"dd/mm/yyyy", u'/', "01/01/190", QDate()},
        {"dd/mm/yyyy", u'/', "01/01/19000", QDate()},
        {"dd/mm/yyyy", u'/', "01/01/0000", QDate()},
        {"dd/mm/yyyy", u'/', " 01/01/1900", QDate()},
        {"dd/mm/yyyy", u'/', "01/01/", QDate()},
        {"dd/mm/yyyy", u'/', "", QDate()},
        {"mm/yyyy", u'/', "03/2007", QDate()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " " + c.text);
        FormatSettings settings;
        settings.SetDateSeparator(QChar(c.separator));
        EXPECT_EQ(settings.ReadDate(QString::fromLatin1(c.text), QString::fromLatin1(c.format)),
                  c.out);
    }
}

TEST(FormatSettings, ProcessShortDateFormatGovernsWritingAndReading) {
    ProcessSettingsGuard guard;
    const QDate date(2007, 3, 5);
    EXPECT_EQ(ShortDateText(date), QStringLiteral("05/03/2007"));
    EXPECT_EQ(ReadShortDate(QStringLiteral("01/01/1900")), QDate(1900, 1, 1));

    ProcessFormatSettings().SetShortDateFormat(QStringLiteral("yyyy/mm/dd"));
    ProcessFormatSettings().SetDateSeparator(u'-');
    EXPECT_EQ(ShortDateText(date), QStringLiteral("2007-03-05"));
    EXPECT_EQ(ReadShortDate(QStringLiteral("2007-03-05")), date);
    EXPECT_FALSE(ReadShortDate(QStringLiteral("05/03/2007")).isValid());
    // The same date again after one setting alone changed.
    ProcessFormatSettings().SetDateSeparator(u'.');
    EXPECT_EQ(ShortDateText(date), QStringLiteral("2007.03.05"));
    ProcessFormatSettings().SetShortDateFormat(QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(ShortDateText(date), QStringLiteral("05.03.2007"));
    ProcessFormatSettings().SetShortDateFormat(QStringLiteral("yyyy/mm/dd"));
    ProcessFormatSettings().SetDateSeparator(u'-');

    // With a foreign date separator the "/" of a fixed text no longer matches.
    ProcessFormatSettings().SetShortDateFormat(QStringLiteral("dd/mm/yyyy"));
    EXPECT_FALSE(ReadShortDate(QStringLiteral("01/01/1900")).isValid());
}

} // namespace
} // namespace vorlanda
