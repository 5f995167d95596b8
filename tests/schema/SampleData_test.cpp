#include "schema/sample/SampleData.h"

#include "db/NumberText.h"
#include "db/SourceConnection.h"
#include "db/SourceQuery.h"
#include "support/LegacyDatabase.h"
#include "support/QtPrinters.h"
#include "writers/TextRules.h"
#include "writers/ValueHelpers.h"

#include <QSet>
#include <QString>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

using namespace vorlanda;
using namespace vorlanda::sample;

namespace {

RowCounts Counts(const char* scale) {
    const auto counts = CountsForScale(scale);
    if (!counts)
        throw std::runtime_error(std::string("scale refused: ") + scale);
    return *counts;
}

QString Text(const Value& value) {
    return value.kind == Value::Kind::Null ? QString() : QString::fromStdString(value.text);
}

int ColumnIndex(Table table, std::string_view name) {
    const auto& columns = SampleData::Columns(table);
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].name == name)
            return static_cast<int>(i);
    throw std::runtime_error("no column " + std::string(name));
}

// Rows of each table in the script, counted as the lines that open a row outside quoted text.
std::map<std::string, int> RowsInScript(const std::string& script) {
    std::map<std::string, int> rows;
    std::string table;
    bool quoted = false;
    for (std::size_t i = 0; i < script.size(); ++i) {
        const char c = script[i];
        if (c == '\'') {
            quoted = !quoted;
        } else if (!quoted && c == 'I' && script.compare(i, 12, "INSERT INTO ") == 0) {
            const std::size_t end = script.find(' ', i + 12);
            table = script.substr(i + 12, end - i - 12);
        } else if (!quoted && c == '(' && i > 0 && script[i - 1] == '\n') {
            ++rows[table];
        }
    }
    return rows;
}

TEST(SampleData, CountsFollowTheScale) {
    struct Case {
        const char* scale;
        RowCounts counts;
    };
    const Case cases[] = {
        {"0.1", {5000, 200, 100, 1000, 5000}},
        {"1", {50000, 2000, 300, 10000, 50000}},
        {"0.01", {500, 20, 100, 100, 500}},
        {"2.5", {125000, 5000, 750, 25000, 125000}},
        {"10", {500000, 20000, 999, 100000, 500000}},
        {"0.00001", {1, 1, 100, 1, 1}}, // 0.5 rounds up, and nothing goes below its minimum
        {".5", {25000, 1000, 150, 5000, 25000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scale);
        const RowCounts counts = Counts(c.scale);
        EXPECT_EQ(counts.clients, c.counts.clients);
        EXPECT_EQ(counts.suppliers, c.counts.suppliers);
        EXPECT_EQ(counts.groups, c.counts.groups);
        EXPECT_EQ(counts.fiscalCodes, c.counts.fiscalCodes);
        EXPECT_EQ(counts.products, c.counts.products);
    }
    for (const char* bad : {"", "0", "0.0", "-1", "0,1", "1e-2", "10.001", "abc", "1..2", "nan"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(CountsForScale(bad).has_value());
    }
    EXPECT_EQ(ParseSeed("18446744073709551615"), 18446744073709551615ULL);
    EXPECT_FALSE(ParseSeed("18446744073709551616").has_value());
    EXPECT_FALSE(ParseSeed("-1").has_value());
}

TEST(SampleData, SameSeedAndScaleGiveTheSameScript) {
    const std::string first = SampleData(Counts("0.01"), 1).Script();
    EXPECT_EQ(SampleData(Counts("0.01"), 1).Script(), first);
    EXPECT_NE(SampleData(Counts("0.01"), 2).Script(), first);
    EXPECT_EQ(first.rfind("SET NAMES utf8mb4;\n", 0), 0u);
}

TEST(SampleData, ScriptHoldsTheCountedRows) {
    for (const char* scale : {"0.01", "1"}) {
        SCOPED_TRACE(scale);
        const SampleData sample(Counts(scale), 1);
        const std::string script = sample.Script();
        const auto rows = RowsInScript(script);
        for (Table table : kTables) {
            SCOPED_TRACE(std::string(SampleData::TableName(table)));
            const auto found = rows.find(std::string(SampleData::TableName(table)));
            ASSERT_NE(found, rows.end());
            EXPECT_EQ(found->second, sample.Counts().Of(table));
            // Every table is emptied before anything is inserted.
            const auto deletion =
                script.find("DELETE FROM " + std::string(SampleData::TableName(table)) + ";");
            EXPECT_LT(deletion, script.find("INSERT INTO "));
        }
    }
}

// The target database holds WIN1252 and the legacy tables latin1: no character beyond Latin-1,
// none of the C1 controls WIN1252 lacks, no control character but line breaks; and no
// backslash, so the literals mean the same under any escape setting of the server.
TEST(SampleData, EveryCharacterFitsWin1252) {
    const QString script = QString::fromStdString(SampleData(Counts("0.1"), 3).Script());
    QSet<char16_t> bad;
    for (QChar c : script) {
        const char16_t u = c.unicode();
        if (u > 0xFF || (u >= 0x7F && u <= 0x9F) || (u < 0x20 && u != u'\n' && u != u'\r') ||
            u == u'\\')
            bad.insert(u);
    }
    EXPECT_TRUE(bad.isEmpty()) << bad.size() << " characters out of range";
    for (const char* accented : {"ç", "ã", "é", "ô", "'"})
        EXPECT_TRUE(script.contains(QString::fromUtf8(accented))) << accented;
}

// The conversion's own rules applied to the sample at scale 1: every key the target holds
// comes out distinct, the fiscal classification codes stay within four digits in either row
// order, and every number typed as text reads as a number.
TEST(SampleData, ConversionKeysStayDistinct) {
    const SampleData sample(Counts("1"), 1);
    Row row;

    QSet<QString> clients;
    for (int i = 0; i < sample.Counts().clients; ++i) {
        sample.FillRow(Table::Clients, i, row);
        const QString code = TiraMascara(StrZero(Left(Text(row[0]), 8), 8));
        EXPECT_FALSE(clients.contains(code)) << code.toStdString();
        clients.insert(code);
    }
    QSet<QString> suppliers;
    for (int i = 0; i < sample.Counts().suppliers; ++i) {
        sample.FillRow(Table::Suppliers, i, row);
        const QString code = StrZero(Left(Text(row[0]), 6), 6);
        EXPECT_FALSE(suppliers.contains(code)) << code.toStdString();
        suppliers.insert(code);
    }
    QSet<QString> groups;
    for (int i = 0; i < sample.Counts().groups; ++i) {
        sample.FillRow(Table::Groups, i, row);
        const QString code = StrZero(Text(row[0]).right(3), 3);
        EXPECT_FALSE(groups.contains(code)) << code.toStdString();
        groups.insert(code);
    }

    std::vector<std::pair<QString, QString>> fiscal; // CONTROLE, NCM
    for (int i = 0; i < sample.Counts().fiscalCodes; ++i) {
        sample.FillRow(Table::FiscalCodes, i, row);
        fiscal.emplace_back(Text(row[0]), Text(row[1]));
    }
    std::vector<std::pair<QString, QString>> products; // CODIGO, CODNCM
    const int code = ColumnIndex(Table::Products, "CODIGO");
    const int ncm = ColumnIndex(Table::Products, "CODNCM");
    const char* numbers[] = {"PRECOCUSTO",    "CUSTOMEDIO", "PRECOVENDA", "ESTMINIMO",
                             "LUCRO",         "ESTMAXIMO",  "PESO",       "PRECOPRAZO",
                             "PRECOPROMOCAO", "PRECOCINCO"};
    for (int i = 0; i < sample.Counts().products; ++i) {
        sample.FillRow(Table::Products, i, row);
        products.emplace_back(Text(row[code]), Text(row[ncm]));
        for (const char* column : numbers) {
            const QString text = Text(row[ColumnIndex(Table::Products, column)]);
            if (!Trim(text).isEmpty()) {
                EXPECT_NO_THROW(ParseDecimal(text)) << column << " " << text.toStdString();
            }
        }
    }

    for (bool reversed : {false, true}) {
        SCOPED_TRACE(reversed ? "rows in reverse" : "rows in order");
        if (reversed)
            std::reverse(fiscal.begin(), fiscal.end());
        // CODCLASFIS -> CODIGONCM, as the fiscal classification import leaves them.
        std::map<QString, QString> classifications;
        QSet<QString> stored;
        for (const auto& [control, number] : fiscal) {
            const QString cleaned = FRemoveCaracter(number);
            if (stored.contains(cleaned))
                continue;
            const QString key = StrZero(Left(control, 4), 4);
            ASSERT_EQ(classifications.count(key), 0u) << control.toStdString();
            classifications[key] = Left(cleaned, 8);
            stored.insert(Left(cleaned, 8));
        }
        // The product import then adds a classification for every NCM it cannot find.
        QSet<QString> productCodes;
        int skipped = 0;
        int created = 0;
        for (const auto& [legacyCode, number] : products) {
            if (Trim(legacyCode).isEmpty()) {
                ++skipped;
                continue;
            }
            const QString productCode = StrZero(Left(Trim(legacyCode), 6), 6);
            EXPECT_FALSE(productCodes.contains(productCode)) << productCode.toStdString();
            productCodes.insert(productCode);
            if (number.size() >= 5 && !stored.contains(number)) {
                const int next = classifications.rbegin()->first.toInt() + 1;
                ASSERT_LE(next, 9999);
                classifications[StrZero(QString::number(next), 4)] = Left(Trim(number), 8);
                stored.insert(Left(Trim(number), 8));
                ++created;
            }
        }
        EXPECT_GT(skipped, 0);
        // Most products name an NCM of the legacy table; a few add one.
        EXPECT_GT(created, 0);
        EXPECT_LE(created, 500);
        EXPECT_GT(classifications.size(), 9000u);
    }
}

class SampleDataLoad : public ::testing::Test {
protected:
    void Select(const QString& sql) {
        query.ClearSQL();
        query.SetSQL(sql);
        query.Open();
    }

    LegacyDatabase legacy;
    SourceConnection connection{legacy.Parameters()};
    SourceQuery query;
};

TEST_F(SampleDataLoad, ScriptLoadsEveryRowAndEveryLetter) {
    const SampleData sample(Counts("0.02"), 11);
    legacy.Execute({QString::fromStdString(sample.Script())});
    query.SetSQLConnection(&connection);

    for (Table table : kTables) {
        const QString name = QString::fromLatin1(SampleData::TableName(table));
        SCOPED_TRACE(name.toStdString());
        Select(QStringLiteral("SELECT COUNT(*) AS N FROM %1").arg(name));
        EXPECT_EQ(query.FieldByName(QStringLiteral("N")).AsString(),
                  QString::number(sample.Counts().Of(table)));
    }

    // Every text read back as generated: latin1 keeps each letter, nothing becomes "?".
    for (Table table : {Table::Clients, Table::Suppliers, Table::Groups, Table::FiscalCodes}) {
        const QString name = QString::fromLatin1(SampleData::TableName(table));
        SCOPED_TRACE(name.toStdString());
        Select(QStringLiteral("SELECT * FROM %1 ORDER BY CONTROLE").arg(name));
        std::vector<std::pair<std::int64_t, int>> order; // CONTROLE, row index
        for (int i = 0; i < sample.Counts().Of(table); ++i)
            order.emplace_back(std::stoll(sample.RowAt(table, i)[0].text), i);
        std::sort(order.begin(), order.end());
        const auto& columns = SampleData::Columns(table);
        int compared = 0;
        for (const auto& [control, index] : order) {
            ASSERT_FALSE(query.Eof());
            const Row row = sample.RowAt(table, index);
            for (std::size_t c = 0; c < columns.size(); ++c) {
                if (columns[c].maxChars == 0)
                    continue;
                const QString column = QString::fromLatin1(columns[c].name);
                const SourceField& field = query.FieldByName(column);
                EXPECT_EQ(field.IsNull(), row[c].kind == Value::Kind::Null)
                    << column.toStdString() << " of " << control;
                EXPECT_EQ(field.AsString(), Text(row[c]))
                    << column.toStdString() << " of " << control;
                ++compared;
            }
            query.Next();
        }
        EXPECT_GT(compared, 0);
    }

    // Products have no key to sort by: compare their names and makers as a whole.
    Select(QStringLiteral("SELECT PRODUTO, FABRICANTE FROM TBESTOQUE"));
    QStringList read;
    for (; !query.Eof(); query.Next())
        read.append(query.FieldByName(QStringLiteral("PRODUTO")).AsString() + u'|' +
                    query.FieldByName(QStringLiteral("FABRICANTE")).AsString());
    QStringList generated;
    const int product = ColumnIndex(Table::Products, "PRODUTO");
    const int maker = ColumnIndex(Table::Products, "FABRICANTE");
    for (int i = 0; i < sample.Counts().products; ++i) {
        const Row row = sample.RowAt(Table::Products, i);
        generated.append(Text(row[product]) + u'|' + Text(row[maker]));
    }
    read.sort();
    generated.sort();
    EXPECT_EQ(read, generated);
}

} // namespace
