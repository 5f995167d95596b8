#include "writers/ValueHelpers.h"

#include "db/DayNumber.h"
#include "db/Error.h"
#include "db/NumberText.h"
#include "writers/FormatSettings.h"
#include "writers/TextRules.h"

#include <QDate>
#include <algorithm>
#include <string_view>

namespace vorlanda {

namespace {

QString DigitsOf(const QString& text) {
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (std::all_of(text.cbegin(), text.cend(), digit))
        return text;
    QString digits(text.size(), Qt::Uninitialized);
    const auto end = std::copy_if(text.cbegin(), text.cend(), digits.begin(), digit);
    digits.truncate(end - digits.cbegin());
    return digits;
}

// Only the process's decimal separator counts: "." and "," are both rejected unless they are it,
// then ParseDecimal reads the text with "." in its place.
bool ReadProcessDecimal(const QString& text, double& value) {
    const QChar separator = ProcessFormatSettings().DecimalSeparator();
    QString normalised;
    for (const QChar c : text) {
        if (c == separator)
            normalised += u'.';
        else if (c == u'.' || c == u',')
            return false;
        else
            normalised += c;
    }
    try {
        value = ParseDecimal(normalised);
        return true;
    } catch (const Error&) {
        return false;
    }
}

// What FRetiraAcento writes for a character of an upper-cased text: the plain letter of every
// accented Latin letter WIN1252 holds, "." for ":" and ";", the character itself otherwise.
char16_t WithoutAccent(char16_t u) {
    static constexpr std::u16string_view from = u"ÀÁÂÃÄÅÈÉÊËÌÍÎÏÒÓÔÕÖÙÚÛÜÇÑÝŸŠŽ:;";
    static constexpr std::u16string_view to = u"AAAAAAEEEEIIIIOOOOOUUUUCNYYSZ..";
    static_assert(from.size() == to.size());
    const std::size_t at = from.find(u);
    return at == std::u16string_view::npos ? u : to[at];
}

} // namespace

QString StrZero(const QString& Valor, int Qtd) {
    const qsizetype missing = Qtd - Valor.size();
    if (missing <= 0)
        return Valor;
    QString padded(Qtd, Qt::Uninitialized);
    std::copy(Valor.cbegin(), Valor.cend(), std::fill_n(padded.begin(), missing, u'0'));
    return padded;
}

QString TiraMascara(const QString& Valor) {
    const QString upper = UpperCase(Valor);
    if (Trim(upper) == u"ISENTO")
        return upper;
    if (upper.contains(u"ISEN"))
        return {};
    return DigitsOf(upper);
}

QString FValidaData(QString& Data) {
    if (Data.isEmpty() || Data == u"  -   -") {
        Data = ShortDateText(QDate::currentDate());
    } else if (Data.contains(u'/')) {
        Data.replace(u'/', u'.');
    } else if (Data.contains(u'-')) {
        Data.replace(u'-', u'.');
    } else if (!Data.contains(u'.')) {
        double dayNumber = 0.0;
        const QDate date =
            ReadProcessDecimal(Data, dayNumber) ? DateFromDayNumber(dayNumber) : QDate();
        Data = date.isValid()
                   ? ProcessFormatSettings().FormatDate(date, QStringLiteral("DD/MM/YYYY"))
                   : QString();
    }
    return Data;
}

QString FRemoveCaracter(const QString& Valor) {
    QString text = Valor;
    for (const QChar c : {u'(', u')', u'-', u'.', u'/', u'\''}) {
        for (qsizetype p = text.indexOf(c); p >= 0; p = text.indexOf(c))
            text = Trim(Copy(text, 1, p) + Copy(text, p + 2, 100));
    }
    return text;
}

QString FRetiraAcento(const QString& Valor) {
    return MappedChars(UpperCase(Valor), WithoutAccent);
}

QString FSoNumero(const QString& MNumero) {
    return DigitsOf(MNumero);
}

QString FValidaTelefone(const QString& Tel) {
    QString text = FRemoveCaracter(Trim(Tel));
    // The counter keeps advancing while the text shrinks, so only some of the leading zeros go
    // here; step 5 removes one more.
    for (qsizetype pos = 1; pos <= text.size() && text[pos - 1] == u'0'; ++pos)
        text = Copy(text, pos, text.size());
    text.remove(u' ');
    if (text.size() == 8)
        text.prepend(u"31");
    if (text.startsWith(u'0'))
        text.remove(0, 1);
    return text;
}

QString FVirgulaPonto(const QString& Valor) {
    QString text = Valor.isEmpty() ? QStringLiteral("0,00") : Valor;
    for (qsizetype p = text.indexOf(u','); p >= 0; p = text.indexOf(u','))
        text = Trim(Copy(text, 1, p) + u'.' + Copy(text, p + 2, 50));
    return text;
}

QString FRetiraTraco(const QString& Valor) {
    QString text = Valor;
    return text.remove(u'-');
}

QString FRetornaFJ(const QString& sCNPJ_CPF) {
    return sCNPJ_CPF.size() > 11 ? QStringLiteral("J") : QStringLiteral("F");
}

} // namespace vorlanda
