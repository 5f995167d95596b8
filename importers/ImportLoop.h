#pragma once

#include <QString>
#include <functional>

namespace vorlanda {

class Gauge;
class Label;
class SourceQuery;

// Walks the rows of an open legacy query the way every import shows its progress: the gauge
// runs from 0 to the row count, one step per row; before each row the label names it
// ("<caption>N de M") and the window may repaint; after the last row the label is cleared and
// the gauge reset. An error of convertRow leaves at once, label and gauge as they are, its
// message followed by a line naming the legacy row ("TBESTOQUE CODIGO 2626") and the values a
// LegacyValueError names.
//
// `targetKeyOf`, when given, tells the target key a legacy row gets. A row whose key the target
// already holds then gets a third line naming the key and the legacy rows read before it that
// gave the same one ("Código 005 repetido: TBGRUPO CONTROLE 1005 e 2005"), found by reading
// the legacy rows again up to the failing one; a key no earlier row gave was in the target
// before ("... já existe no destino").
void ConvertEachRow(SourceQuery& qryBusca, Gauge& Barra, Label& lblInfo, const QString& caption,
                    QStringView legacyTable, QStringView keyColumn,
                    const std::function<void()>& convertRow,
                    const std::function<QString(const SourceQuery&)>& targetKeyOf = {});

} // namespace vorlanda
