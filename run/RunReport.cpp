#include "run/RunReport.h"

#include "db/Error.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSaveFile>
#include <QStringList>
#include <cmath>

namespace vorlanda {

namespace {

// With the machine's offset from UTC, so that the times read the same anywhere.
QJsonValue TimeJson(const QDateTime& at) {
    if (!at.isValid())
        return QJsonValue::Null;
    return at.toOffsetFromUtc(at.offsetFromUtc()).toString(Qt::ISODate);
}

QJsonValue TextOrNull(const QString& text) {
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

QString StatusText(TableReport::Status status) {
    switch (status) {
    case TableReport::Status::Ok:
        return QStringLiteral("ok");
    case TableReport::Status::Failed:
        return QStringLiteral("failed");
    case TableReport::Status::WouldFail:
        return QStringLiteral("would fail");
    case TableReport::Status::NotRun:
        break;
    }
    return QStringLiteral("not run");
}

// The password is never written down.
QJsonObject SourceJson(const SourceParameters& source) {
    QJsonObject json{{QStringLiteral("host"), source.hostName},
                     {QStringLiteral("database"), source.database},
                     {QStringLiteral("user"), source.userName}};
    if (source.port != 0)
        json.insert(QStringLiteral("port"), static_cast<int>(source.port));
    if (!source.socket.isEmpty())
        json.insert(QStringLiteral("socket"), source.socket);
    return json;
}

QJsonObject ProblemJson(const RowProblem& problem) {
    QJsonArray values;
    for (const LegacyValue& value : problem.values)
        values.append(QJsonObject{{QStringLiteral("column"), value.column},
                                  {QStringLiteral("value"), value.value}});
    return {{QStringLiteral("key"), TextOrNull(problem.key)},
            {QStringLiteral("values"), values},
            {QStringLiteral("reason"), problem.reason},
            {QStringLiteral("message"), problem.message}};
}

// "TBGRUPO CONTROLE 2005, coluna GRUPO: 'x': reason"; a step that is no row names its table.
QString ProblemLine(const TableReport& table, const RowProblem& problem) {
    QString line = table.legacyTable;
    if (!problem.key.isNull())
        line += u' ' + table.legacyKey + u' ' + problem.key;
    for (const LegacyValue& value : problem.values)
        line += QStringLiteral(", coluna %1: '%2'").arg(value.column, value.value);
    return line + QStringLiteral(": ") + problem.reason;
}

QJsonObject TableJson(const TableReport& table, bool check) {
    QJsonObject written;
    for (const auto& [name, rows] : table.written)
        written.insert(name, rows);
    QJsonObject skipped;
    for (const auto& [reason, rows] : table.tally.Skipped())
        skipped.insert(reason, rows);
    QJsonObject created;
    for (const auto& [name, rows] : table.tally.CreatedRows())
        created.insert(
            name, QJsonObject{{QStringLiteral("count"), rows.count},
                              {QStringLiteral("values"), QJsonArray::fromStringList(rows.values)}});
    QJsonObject cut;
    for (const auto& [column, values] : table.tally.Cuts())
        cut.insert(column, QJsonObject{{QStringLiteral("count"), values.count},
                                       {QStringLiteral("example"), values.example},
                                       {QStringLiteral("kept"), values.kept}});
    QJsonObject json{
        {QStringLiteral("legacy_table"), table.legacyTable},
        {QStringLiteral("target_table"), table.targetTable},
        {QStringLiteral("read"), table.tally.Read()},
        {QStringLiteral("written"), written},
        {QStringLiteral("skipped"), skipped},
        {QStringLiteral("created"), created},
        {QStringLiteral("cut"), cut},
        {QStringLiteral("seconds"), std::round(table.seconds * 1000) / 1000},
        {QStringLiteral("status"), StatusText(table.status)},
    };
    if (check) {
        QJsonArray problems;
        for (const RowProblem& problem : table.tally.Problems())
            problems.append(ProblemJson(problem));
        json.insert(QStringLiteral("problems"), problems);
    }
    return json;
}

// "3 em CADFABR, 50 em CLASFISC".
template <typename Counts, typename CountOf>
QString CountsIn(const Counts& counts, const QLocale& brasil, CountOf countOf) {
    QStringList parts;
    for (const auto& [name, value] : counts)
        parts.append(QStringLiteral("%1 em %2").arg(brasil.toString(countOf(value)), name));
    return parts.join(QStringLiteral(", "));
}

QString TableSummary(const TableReport& table, const QLocale& brasil) {
    if (table.status == TableReport::Status::NotRun)
        return table.name + QStringLiteral(": não tocada");
    // A check reports the rows the run would read and write.
    QStringList parts{QStringLiteral("%1 lidos").arg(brasil.toString(table.tally.Read()))};
    if (!table.written.empty())
        parts.append(QStringLiteral("gravados ") +
                     CountsIn(table.written, brasil, [](int rows) { return rows; }));
    if (const auto& skipped = table.tally.Skipped(); !skipped.empty()) {
        int rows = 0;
        QStringList reasons;
        for (const auto& [reason, count] : skipped) {
            rows += count;
            reasons.append(QStringLiteral("%1: %2").arg(reason, brasil.toString(count)));
        }
        parts.append(QStringLiteral("%1 ignorados (%2)")
                         .arg(brasil.toString(rows), reasons.join(QStringLiteral(", "))));
    }
    if (const auto& created = table.tally.CreatedRows(); !created.empty())
        parts.append(
            QStringLiteral("criados ") +
            CountsIn(created, brasil, [](const ConversionTally::Created& c) { return c.count; }));
    if (const auto& cuts = table.tally.Cuts(); !cuts.empty()) {
        int values = 0;
        for (const auto& [column, cut] : cuts)
            values += cut.count;
        parts.append(QStringLiteral("%1 valores cortados").arg(brasil.toString(values)));
    }
    QString name = table.name;
    if (table.status == TableReport::Status::Failed)
        name += QStringLiteral(" (interrompida)");
    else if (table.status == TableReport::Status::WouldFail)
        name += QStringLiteral(" (falharia)");
    return name + QStringLiteral(": ") + parts.join(QStringLiteral("; "));
}

} // namespace

QByteArray ReportJson(const RunReport& report) {
    QJsonArray tables;
    for (const TableReport& table : report.tables)
        tables.append(TableJson(table, report.check));
    QJsonObject json{
        {QStringLiteral("start"), TimeJson(report.start)},
        {QStringLiteral("end"), TimeJson(report.end)},
        {QStringLiteral("target"), report.target},
        {QStringLiteral("source"), SourceJson(report.source)},
        {QStringLiteral("backup"), TextOrNull(report.backup)},
        {QStringLiteral("error"), TextOrNull(report.error)},
        {QStringLiteral("warnings"), TextOrNull(report.warnings)},
        {QStringLiteral("tables"), tables},
    };
    if (report.check)
        json.insert(QStringLiteral("check"), true);
    return QJsonDocument(json).toJson(QJsonDocument::Indented);
}

void WriteReport(const RunReport& report, const QString& file) {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(ReportJson(report)) < 0 || !out.commit())
        throw Error(QStringLiteral("Não foi possível gravar o relatório em '%1': %2")
                        .arg(file, out.errorString()));
}

int ProblemCount(const RunReport& report) {
    int problems = 0;
    for (const TableReport& table : report.tables)
        problems += static_cast<int>(table.tally.Problems().size());
    return problems;
}

QString CheckListing(const RunReport& report) {
    const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
    if (!report.error.isEmpty())
        return QStringLiteral("A verificação não terminou: ") + report.error;
    const QString warnings = report.warnings.isEmpty() ? QString() : u'\n' + report.warnings;
    const int problems = ProblemCount(report);
    if (problems == 0)
        return QStringLiteral("Verificação concluída: nenhum registro impede a conversão.") +
               warnings;
    int tables = 0;
    QStringList lines;
    for (const TableReport& table : report.tables) {
        if (!table.tally.Problems().empty())
            ++tables;
        for (const RowProblem& problem : table.tally.Problems())
            lines.append(ProblemLine(table, problem));
    }
    const QString found =
        problems == 1
            ? QStringLiteral("1 problema em 1 tabela impediria")
            : QStringLiteral("%1 problemas em %2 impediriam")
                  .arg(brasil.toString(problems),
                       tables == 1 ? QStringLiteral("1 tabela")
                                   : brasil.toString(tables) + QStringLiteral(" tabelas"));
    return QStringLiteral("Verificação concluída: %1 a conversão:\n").arg(found) +
           lines.join(u'\n') + warnings;
}

QString ReportSummary(const RunReport& report) {
    const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
    QStringList lines;
    for (const TableReport& table : report.tables)
        lines.append(TableSummary(table, brasil));
    return lines.join(u'\n');
}

} // namespace vorlanda
