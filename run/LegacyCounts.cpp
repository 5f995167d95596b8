#include "run/LegacyCounts.h"

#include "db/SourceQuery.h"

namespace vorlanda {

std::vector<LegacyCount> CountLegacyRows(SourceConnection& source) {
    static const std::pair<const char16_t*, const char16_t*> tables[] = {
        {u"CLIENTES", u"TBCLIENTES"},    {u"FORNECEDORES", u"TBFORNECEDOR"},
        {u"GRUPOSPRODUTOS", u"TBGRUPO"}, {u"CLASSIFICACAOFISCAL", u"TB_CODIGO_NCM"},
        {u"PRODUTOS", u"TBESTOQUE"},
    };
    std::vector<LegacyCount> counts;
    for (const auto& [key, table] : tables) {
        SourceQuery count;
        count.SetSQLConnection(&source);
        count.SetSQL(QStringLiteral("SELECT COUNT(*) AS QUANTOS FROM ") +
                     QString::fromUtf16(table));
        count.Open();
        counts.push_back({QString::fromUtf16(key), QString::fromUtf16(table),
                          count.FieldByName(QStringLiteral("QUANTOS")).AsString().toLongLong()});
    }
    return counts;
}

} // namespace vorlanda
