#include "writers/ValueHelpers.h"

#include "writers/FormatSettings.h"

#include "support/ProcessSettingsGuard.h"
#include "support/QtPrinters.h"
#include "support/Utf16.h"
#include <QDate>

#include <gtest/gtest.h>

namespace vorlanda {
namespace {

struct TextCase {
    const char16_t* in;
    const char16_t* out;
};

template <std::size_t N>
void ExpectAll(QString (*rule)(const QString&), const TextCase (&cases)[N]) {
    for (const auto& c : cases) {
        SCOPED_TRACE(Q(c.in).toStdString());
        EXPECT_EQ(rule(Q(c.in)), Q(c.out));
    }
}

TEST(ValueHelpers, StrZeroPadsButNeverCuts) {
    struct Case {
        const char16_t* in;
        int width;
        const char16_t* out;
    };
    const Case cases[] = {
        {u"7", 3, u"007"}, {u"1234", 3, u"1234"}, {u"", 2, u"00"},  {u" 7", 3, u"0 7"},
        {u"12", 2, u"12"}, {u"5", 0, u"5"},       {u"5", -3, u"5"}, {u"7 ", 4, u"007 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Q(c.in).toStdString());
        EXPECT_EQ(StrZero(Q(c.in), c.width), Q(c.out));
    }
}

TEST(ValueHelpers, TiraMascaraKeepsDigitsOrTheExemptionWord) {
    const TextCase cases[] = {
        {u"123.456.789-01", u"12345678901"},
        {u" isento ", u" ISENTO "},
        {u"\tIsento\n", u"\tISENTO\n"},
        {u"Isenta", u""},
        {u"isentos", u""},
        {u"ISENÇÃO 123", u""},
        {u"AB-12", u"12"},
        {u"São 1 2", u"12"},
        {u"١٢", u""}, // digits of other scripts are no decimal digits
        {u"", u""},
    };
    ExpectAll(TiraMascara, cases);
}

TEST(ValueHelpers, FValidaDataRewritesDataAndReturnsIt) {
    const QString today = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    const TextCase cases[] = {
        {u"25/12/1980", u"25.12.1980"},
        {u"25-12-1980", u"25.12.1980"},
        {u"1980-12-25", u"1980.12.25"},
        {u"25/12-1980", u"25.12-1980"}, // "/" wins, the "-" stays
        {u"25.12.1980", u"25.12.1980"},
        {u"99/99/9999", u"99.99.9999"},
        {u"abc.def", u"abc.def"},
        {u"29216", u"27/12/1979"},
        {u"41000", u"01/04/2012"},
        {u"0", u"30/12/1899"},
        {u"29216,9", u"27/12/1979"},
        {u"+29216", u"27/12/1979"},
        {u"2958465", u"31/12/9999"},
        {u"2958466", u""},
        {u"19800101", u""},
        {u"abc", u""},
        {u" ", u""},
        {u"29216,5,5", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Q(c.in).toStdString());
        QString data = Q(c.in);
        EXPECT_EQ(FValidaData(data), Q(c.out));
        EXPECT_EQ(data, Q(c.out));
    }
    for (const QString& empty : {QString(), QStringLiteral("  -   -")}) {
        SCOPED_TRACE(empty.toStdString());
        QString data = empty;
        EXPECT_EQ(FValidaData(data), today);
        EXPECT_EQ(data, today);
    }
}

TEST(ValueHelpers, FValidaDataFollowsTheProcessSettings) {
    ProcessSettingsGuard guard;
    ProcessFormatSettings().SetShortDateFormat(QStringLiteral("yyyy/mm/dd"));
    ProcessFormatSettings().SetDateSeparator(u'-');
    ProcessFormatSettings().SetDecimalSeparator(u'.');
    struct Case {
        const char16_t* in;
        QString out;
    };
    const Case cases[] = {
        {u"", QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))},
        {u"29216", QStringLiteral("27-12-1979")},
        {u"29216,5", QString()}, // a comma is no decimal separator here
        {u"25/12/1980", QStringLiteral("25.12.1980")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Q(c.in).toStdString());
        QString data = Q(c.in);
        EXPECT_EQ(FValidaData(data), c.out);
    }
}

TEST(ValueHelpers, FRemoveCaracterCutsAfterEachMarkAndTrims) {
    const QString a99(99, u'a');
    const QString b100(100, u'b');
    const struct {
        QString in;
        QString out;
    } cases[] = {
        {Q(u"(31) 1234-5678"), Q(u"31 12345678")},
        {Q(u"12.345.678/0001-90"), Q(u"12345678000190")},
        {Q(u"  abc  "), Q(u"  abc  ")},
        {Q(u" (x) "), Q(u"x")},
        {Q(u"a - b"), Q(u"a  b")},
        {Q(u"D'Ávila"), Q(u"DÁvila")},
        {Q(u"1-2-3"), Q(u"123")},
        {Q(u"a:b;c"), Q(u"a:b;c")},
        // each removal keeps at most 100 characters after the mark
        {u'(' + a99 + u')' + Q(u"ccc"), a99},
        {Q(u"x-") + b100 + Q(u"zz"), u'x' + b100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in.toStdString());
        EXPECT_EQ(FRemoveCaracter(c.in), c.out);
    }
}

TEST(ValueHelpers, FRetiraAcentoUpperCasesAndRemovesEveryWin1252Accent) {
    const TextCase cases[] = {
        {u"São José", u"SAO JOSE"},
        {u"José Antônio", u"JOSE ANTONIO"},
        {u"Conceição: loja", u"CONCEICAO. LOJA"},
        {u"ÁGUA", u"AGUA"},
        {u"ÀÁÂÃÄÅ àáâãäå", u"AAAAAA AAAAAA"},
        {u"ÈÉÊË èéêë", u"EEEE EEEE"},
        {u"ÌÍÎÏ ìíîï", u"IIII IIII"},
        {u"ÒÓÔÕÖ×Ø òóôõö", u"OOOOO×Ø OOOOO"},
        {u"ÙÚÛÜ ùúûü", u"UUUU UUUU"},
        {u"Çç Ññ Ýý Ÿÿ Šš Žž", u"CC NN YY YY SS ZZ"},
        {u"a;b:c", u"A.B.C"},
        {u"Æ œ ß Ð Þ µ Ā € ẞ", u"Æ Œ ß Ð Þ µ Ā € ẞ"}, // no accent to remove, or not WIN1252
        {u"", u""},
    };
    ExpectAll(FRetiraAcento, cases);
}

TEST(ValueHelpers, FSoNumeroKeepsDecimalDigits) {
    const TextCase cases[] = {
        {u"Tel: 1234-5678", u"12345678"},
        {u"0a0", u"00"},
        {u"abc", u""},
        {u"²³ ١٢", u""},
        {u"", u""},
    };
    ExpectAll(FSoNumero, cases);
}

TEST(ValueHelpers, FValidaTelefoneStripsZerosAndAddsTheAreaCode) {
    const TextCase cases[] = {
        {u"(31) 1234-5678", u"3112345678"},
        {u"1234-5678", u"3112345678"},
        {u"031 1234 5678", u"3112345678"},
        {u"0031", u"31"},
        {u"  0031  ", u"31"},
        {u"000031", u"31"},
        {u"0000031", u"031"}, // the counter outruns the shrinking text
        {u"0 1234 5678", u"12345678"},
        {u"(031) 3333-4444", u"3133334444"},
        {u"1234 5678", u"3112345678"},
        {u"123456789", u"123456789"},
        {u"", u""},
    };
    ExpectAll(FValidaTelefone, cases);
}

TEST(ValueHelpers, FVirgulaPontoTurnsCommasIntoPoints) {
    const QString c60(60, u'c');
    const struct {
        QString in;
        QString out;
    } cases[] = {
        {Q(u"12,50"), Q(u"12.50")},        {QString(), Q(u"0.00")},
        {Q(u"1.234,56"), Q(u"1.234.56")},  {Q(u"1,2,3"), Q(u"1.2.3")},
        {Q(u" 1,5 "), Q(u"1.5")},          {Q(u" 15 "), Q(u" 15 ")},
        {u',' + c60, u'.' + c60.left(50)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in.toStdString());
        EXPECT_EQ(FVirgulaPonto(c.in), c.out);
    }
}

TEST(ValueHelpers, FRetiraTracoRemovesEveryHyphen) {
    const TextCase cases[] = {
        {u"12-34--5", u"12345"},
        {u"-a-", u"a"},
        {u"a–b", u"a–b"}, // an en dash is no hyphen
        {u"", u""},
    };
    ExpectAll(FRetiraTraco, cases);
}

TEST(ValueHelpers, FRetornaFJCountsEveryCharacter) {
    const TextCase cases[] = {
        {u"12345678901", u"F"},
        {u"123456789012", u"J"},
        {u"123.456.789-01", u"J"},
        {u"123.456.789", u"F"},
        {u"", u"F"},
    };
    ExpectAll(FRetornaFJ, cases);
}

} // namespace
} // namespace vorlanda
