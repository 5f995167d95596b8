#include "support/StalledLegacy.h"

#include "db/SourceQuery.h"

#include <QThread>
#include <stdexcept>

using namespace vorlanda;

namespace {

QString FirstValue(SourceConnection& connection, const QString& sql) {
    SourceQuery query;
    query.SetSQLConnection(&connection);
    query.SetSQL(sql);
    query.Open();
    return query.Eof() ? QString() : query.FieldByName(QStringLiteral("VALOR")).AsString();
}

} // namespace

StalledLegacy::StalledLegacy() {
    legacy_.Execute(
        {QStringLiteral(
             "INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1, 'A'), (2, 'B'), (3, 'C')"),
         QStringLiteral("RENAME TABLE TB_CODIGO_NCM TO TB_CODIGO_NCM_DADOS"),
         QStringLiteral("INSERT INTO TB_CODIGO_NCM_DADOS (CONTROLE, NCM) "
                        "SELECT seq, LPAD(seq, 8, '0') FROM seq_1_to_3000"),
         QStringLiteral("CREATE VIEW TB_CODIGO_NCM AS SELECT CONTROLE, "
                        "IF(CONTROLE <> 2000 OR GET_LOCK('%1', 600) >= 0, NCM, NULL) AS NCM "
                        "FROM TB_CODIGO_NCM_DADOS")
             .arg(legacy_.Name())});
    if (FirstValue(holder_,
                   QStringLiteral("SELECT GET_LOCK('%1', 0) AS VALOR").arg(legacy_.Name())) != u"1")
        throw std::runtime_error("the lock is taken");
}

bool StalledLegacy::AwaitStall(const std::function<bool()>& keepWaiting) {
    const QString waiting = QStringLiteral("SELECT COUNT(*) AS VALOR FROM "
                                           "information_schema.PROCESSLIST WHERE DB = '%1' "
                                           "AND STATE = 'User lock'")
                                .arg(legacy_.Name());
    while (FirstValue(watcher_, waiting) != u"1") {
        if (!keepWaiting())
            return false;
        QThread::msleep(20);
    }
    return true;
}

bool StalledLegacy::Holding() {
    return FirstValue(watcher_, QStringLiteral("SELECT IS_USED_LOCK('%1') IS NOT NULL AS VALOR")
                                    .arg(legacy_.Name())) == u"1";
}
