#include "importers/ImportLoop.h"

#include "db/SourceQuery.h"
#include "ui/UserInterface.h"

namespace vorlanda {

void ConvertEachRow(SourceQuery& qryBusca, Gauge& Barra, Label& lblInfo, const QString& caption,
                    const std::function<void()>& convertRow) {
    Barra.SetMaxValue(qryBusca.RecordCount());
    int vContaRegistro = 1;
    while (!qryBusca.Eof()) {
        lblInfo.SetCaption(caption + QString::number(vContaRegistro) + QStringLiteral(" de ") +
                           QString::number(Barra.MaxValue()));
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
