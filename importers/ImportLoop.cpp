#include "importers/ImportLoop.h"

#include "db/Error.h"
#include "db/SourceQuery.h"
#include "importers/LegacyValueError.h"
#include "importers/RowCheck.h"
#include "ui/UserInterface.h"
#include "writers/ConversionTally.h"

#include <QRegularExpression>
#include <QStringList>
#include <charconv>
#include <optional>

namespace vorlanda {

namespace {

// "<caption><row><ofTotal>", made in one piece: a caption is made for every row.
QString RowCaption(const QString& caption, int row, const QString& ofTotal) {
    char digits[16];
    const char* const end = std::to_chars(digits, digits + sizeof digits, row).ptr;
    QString text;
    text.reserve(caption.size() + (end - digits) + ofTotal.size());
    text.append(caption).append(QLatin1StringView(digits, end - digits)).append(ofTotal);
    return text;
}

// "<table> <key column> <key>", and what a LegacyValueError names.
QString RowOf(QStringView legacyTable, QStringView keyColumn, SourceQuery& qryBusca,
              const Error& error) {
    QString row =
        QStringLiteral("%1 %2 %3")
            .arg(legacyTable, keyColumn, qryBusca.FieldByName(keyColumn.toString()).AsString());
    if (const auto* values = dynamic_cast<const LegacyValueError*>(&error))
        row += QStringLiteral(", ") + values->ValuesText();
    return row;
}

// The key value the engine names in a primary or unique key violation of one column.
std::optional<QString> RepeatedKey(const Error& error) {
    if (error.Code() != kUniqueKeyViolation)
        return std::nullopt;
    static const QRegularExpression problematic(
        QStringLiteral(R"(Problematic key value is \("[^"]+" = '((?:[^']|'')*)'\))"));
    const QRegularExpressionMatch match = problematic.match(error.Message());
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).replace(QStringLiteral("''"), QStringLiteral("'"));
}

// The line that names a repeated key and the legacy rows that gave it, the failing one last.
QString Collision(SourceQuery& qryBusca, QStringView legacyTable, QStringView keyColumn,
                  const std::function<QString(const SourceQuery&)>& targetKeyOf, int failingRow,
                  const QString& key) {
    const QString failing = qryBusca.FieldByName(keyColumn.toString()).AsString();
    // The rows are only looked at again: what the run did is not done twice.
    const TallyScope untallied(nullptr);
    QStringList earlier;
    try {
        qryBusca.Close();
        qryBusca.Open();
        for (int row = 1; row < failingRow && !qryBusca.Eof(); ++row, qryBusca.Next()) {
            try {
                if (targetKeyOf(qryBusca) == key)
                    earlier.append(qryBusca.FieldByName(keyColumn.toString()).AsString());
            } catch (const Error&) {
                // A row whose key cannot be made was never written either.
            }
        }
    } catch (const Error&) {
        // Without the source, the key alone is named.
        earlier.clear();
    }
    if (earlier.isEmpty())
        return QStringLiteral("Código %1 repetido: já existe no destino").arg(key);
    return QStringLiteral("Código %1 repetido: %2 %3 %4 e %5")
        .arg(key, legacyTable, keyColumn, earlier.join(QStringLiteral(", ")), failing);
}

} // namespace

void ConvertEachRow(SourceQuery& qryBusca, Gauge& Barra, Label& lblInfo, const QString& caption,
                    QStringView legacyTable, QStringView keyColumn,
                    const std::function<void()>& convertRow,
                    const std::function<QString(const SourceQuery&)>& targetKeyOf) {
    Barra.SetMaxValue(qryBusca.RecordCount());
    int vContaRegistro = 1;
    int shownMaximum = -1;
    QString ofTotal;
    while (!qryBusca.Eof()) {
        if (Barra.MaxValue() != shownMaximum) {
            shownMaximum = Barra.MaxValue();
            ofTotal = QStringLiteral(" de ") + QString::number(shownMaximum);
        }
        lblInfo.SetCaption(RowCaption(caption, vContaRegistro, ofTotal));
        CurrentUserInterface().ProcessPendingEvents();
        NoteRowRead();
        RowCheck* const check = CurrentRowCheck();
        if (check)
            check->RowStarts();
        try {
            convertRow();
        } catch (const Error& error) {
            const QString message =
                error.Message() + u'\n' + RowOf(legacyTable, keyColumn, qryBusca, error);
            QString collision;
            if (const std::optional<QString> key = RepeatedKey(error); key && targetKeyOf)
                collision =
                    Collision(qryBusca, legacyTable, keyColumn, targetKeyOf, vContaRegistro, *key);
            const QString whole = collision.isEmpty() ? message : message + u'\n' + collision;
            if (!check)
                throw Error(whole, error.Code(), error.Sql());
            check->RowFailed(error, qryBusca.FieldByName(keyColumn.toString()).AsString(), whole,
                             collision);
        }
        ++vContaRegistro;
        qryBusca.Next();
        Barra.SetProgress(Barra.Progress() + 1);
    }
    lblInfo.SetCaption(QString());
    Barra.SetProgress(0);
    Barra.SetMaxValue(0);
}

} // namespace vorlanda
