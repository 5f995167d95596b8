#include "importers/ImportLoop.h"

#include "db/SourceQuery.h"
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

} // namespace

void ConvertEachRow(SourceQuery& qryBusca, Gauge& Barra, Label& lblInfo, const QString& caption,
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
        convertRow();
        ++vContaRegistro;
        qryBusca.Next();
        Barra.SetProgress(Barra.Progress() + 1);
    }
    lblInfo.SetCaption(QString());
    Barra.SetProgress(0);
    Barra.SetMaxValue(0);
}

} // namespace vorlanda
