// vorlanda-bench-limit: how fast this machine can write the rows a conversion wrote, through
// the same target layer but with nothing else to do: one prepared, parameterised INSERT per
// table, reused for every row, all rows in one transaction. The conversion's time divided by
// this one is the figure the benchmark steers by.
//
//   vorlanda-bench-limit CONVERTED EMPTY
//
// CONVERTED is a target a conversion has filled, EMPTY a fresh target with the same schema
// (either a path for the embedded engine or host:path). Prints one line per table and, last,
// "limit seconds: S".

#include "db/Error.h"
#include "db/TargetDatabase.h"
#include "db/TargetQuery.h"
#include "db/TargetTransaction.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <chrono>
#include <cstdio>
#include <memory>
#include <variant>
#include <vector>

namespace {

using vorlanda::TargetDatabase;
using vorlanda::TargetParam;
using vorlanda::TargetQuery;
using vorlanda::TargetTransaction;

// Every table a run of the five conversions writes, the reference tables included.
const char* const kTables[] = {"CLIENTE", "CIDADES",  "FORNECE",        "GRUPROD", "CLASFISC",
                               "PRODUTO", "COMPPROD", "PRODUTODETALHE", "CADFABR"};

enum class Kind { Text, Integer, Float, Date };

struct Column {
    QString name;
    Kind kind;
};

// A value as it is bound again: the type the column gives it, NULL kept apart from an empty
// text or a zero.
using Value = std::variant<std::monostate, QString, qint64, double, QDate>;
using Row = std::vector<Value>;

// A target connection with its own transaction, as the runner opens one.
struct Connection {
    explicit Connection(const QString& path) {
        database.SetDefaultTransaction(&transaction);
        database.SetDatabaseName(path);
        database.SetUserName(QStringLiteral("SYSDBA"));
        database.SetPassword(QStringLiteral("kelpstone"));
        database.SetConnected(true);
    }
    // Declared first so that it is destroyed last: the transaction rolls back while its
    // connection still exists.
    TargetDatabase database;
    TargetTransaction transaction;
};

// The kind the engine stores a column as (RDB$FIELD_TYPE), which is the kind a conversion
// bound it with. Dialect 1 keeps NUMERIC with decimals as doubles, so a scale means Float.
Kind KindOfField(int type, int scale, const QString& table, const QString& column) {
    switch (type) {
    case 14: // CHAR
    case 37: // VARCHAR
        return Kind::Text;
    case 7:  // SMALLINT
    case 8:  // INTEGER
    case 16: // BIGINT
        return scale < 0 ? Kind::Float : Kind::Integer;
    case 10: // FLOAT
    case 27: // DOUBLE PRECISION
        return Kind::Float;
    case 12: // DATE
    case 35: // TIMESTAMP, which is what DATE means in dialect 1
        return Kind::Date;
    default:
        throw vorlanda::Error(
            QStringLiteral("Tipo de coluna %1 não previsto em %2.%3").arg(type).arg(table, column));
    }
}

std::vector<Column> ColumnsOf(TargetDatabase& database, const QString& table) {
    TargetQuery query(database);
    query.SetSQL(QStringLiteral(
        "SELECT RF.RDB$FIELD_NAME, F.RDB$FIELD_TYPE, F.RDB$FIELD_SCALE "
        "FROM RDB$RELATION_FIELDS RF JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = RF.RDB$FIELD_SOURCE "
        "WHERE RF.RDB$RELATION_NAME = :TABELA AND F.RDB$COMPUTED_BLR IS NULL "
        "ORDER BY RF.RDB$FIELD_POSITION"));
    query.ParamByName(QStringLiteral("TABELA")).SetAsString(table);
    query.Open();
    std::vector<Column> columns;
    for (; !query.Eof(); query.Next()) {
        const QString name = query.Field(0).AsString();
        columns.push_back({name, KindOfField(query.Field(1).AsInteger(), query.Field(2).AsInteger(),
                                             table, name)});
    }
    if (columns.empty())
        throw vorlanda::Error(QStringLiteral("Tabela %1 não encontrada").arg(table));
    return columns;
}

std::vector<Row> ReadRows(TargetDatabase& database, const QString& table,
                          const std::vector<Column>& columns) {
    QStringList names;
    for (const Column& column : columns)
        names.append(column.name);
    TargetQuery query(database);
    query.SetSQL(QStringLiteral("SELECT %1 FROM %2").arg(names.join(QStringLiteral(", ")), table));
    query.Open();
    std::vector<Row> rows;
    for (; !query.Eof(); query.Next()) {
        Row row;
        row.reserve(columns.size());
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const vorlanda::TargetField& field = query.Field(static_cast<int>(i));
            if (field.IsNull()) {
                row.emplace_back(std::monostate{});
                continue;
            }
            switch (columns[i].kind) {
            case Kind::Text:
                row.emplace_back(field.AsString());
                break;
            case Kind::Integer:
                row.emplace_back(static_cast<qint64>(field.AsInteger()));
                break;
            case Kind::Float:
                row.emplace_back(field.AsFloat());
                break;
            case Kind::Date:
                row.emplace_back(field.AsDate());
                break;
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void Bind(TargetParam& param, const Value& value) {
    switch (value.index()) {
    case 0:
        param.Clear();
        break;
    case 1:
        param.SetAsString(std::get<QString>(value));
        break;
    case 2:
        param.SetAsInteger(std::get<qint64>(value));
        break;
    case 3:
        param.SetAsFloat(std::get<double>(value));
        break;
    case 4:
        param.SetAsDate(std::get<QDate>(value));
        break;
    }
}

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Inserts the rows and returns the seconds the inserting took. The statement and its
// parameters are looked up before the clock starts, so the window holds only what a writer
// cannot avoid: binding the values and executing the prepared statement.
double InsertRows(TargetDatabase& database, const QString& table,
                  const std::vector<Column>& columns, const std::vector<Row>& rows) {
    QStringList names;
    QStringList markers;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        names.append(columns[i].name);
        markers.append(QStringLiteral(":C%1").arg(i + 1));
    }
    TargetQuery insert(database);
    insert.SetSQL(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(table, names.join(QStringLiteral(", ")), markers.join(QStringLiteral(", "))));
    // The references stay valid: the parameter list is rebuilt only when the text changes.
    std::vector<TargetParam*> params;
    for (const QString& marker : markers)
        params.push_back(&insert.ParamByName(marker.mid(1)));

    const Clock::time_point start = Clock::now();
    for (const Row& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            Bind(*params[i], row[i]);
        insert.ExecSQL();
    }
    return SecondsSince(start);
}

int Run(const QString& convertedPath, const QString& emptyPath) {
    Connection converted(convertedPath);
    Connection empty(emptyPath);
    double total = 0.0;
    for (const char* name : kTables) {
        const QString table = QString::fromLatin1(name);
        const std::vector<Column> columns = ColumnsOf(converted.database, table);
        std::vector<Row> rows = ReadRows(converted.database, table, columns);
        // The reading is ended before the clock starts, so none of it counts.
        if (converted.transaction.InTransaction())
            converted.transaction.Commit();
        const double seconds = InsertRows(empty.database, table, columns, rows);
        total += seconds;
        std::printf("%-16s %8zu rows %9.3f s\n", name, rows.size(), seconds);
        std::fflush(stdout);
    }
    const Clock::time_point start = Clock::now();
    // No row at all leaves no transaction to commit.
    if (empty.transaction.InTransaction())
        empty.transaction.Commit();
    const double commit = SecondsSince(start);
    total += commit;
    std::printf("%-16s %14s %9.3f s\n", "COMMIT", "", commit);
    std::printf("limit seconds: %.3f\n", total);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "uso: %s BANCO_CONVERTIDO BANCO_VAZIO\n", argv[0]);
        return 2;
    }
    try {
        return Run(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    } catch (const vorlanda::Error& error) {
        std::fprintf(stderr, "vorlanda-bench-limit: %s\n", error.what());
    }
    return 1;
}
