#include "importers/ImportLoop.h"

#include "db/Error.h"
#include "db/SourceQuery.h"
#include "importers/LegacyValueError.h"
#include "ui/UserInterface.h"

#include <charconv>

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
        row += QStringLiteral(", ") + values->Values();
    return row;
}

} // namespace

void ConvertEachRow(SourceQuery& qryBusca, Gauge& Barra, Label& lblInfo, const QString& caption,
                    QStringView legacyTable, QStringView keyColumn,
                    const std::function<void()>& convertRow) {
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
        try {
            convertRow();
        } catch (const Error& error) {
            throw Error(error.Message() + u'\n' + RowOf(legacyTable, keyColumn, qryBusca, error),
                        error.Code(), error.Sql());
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
