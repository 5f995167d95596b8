#include "cli/CommandLine.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlanda;

namespace {

QStringList Split(const char16_t* arguments) {
    return QString::fromUtf16(arguments).split(u' ', Qt::SkipEmptyParts);
}

} // namespace

TEST(ParseCommandLine, ReadsTheTargetTheTablesInBoxOrderAndTheSourceOverrides) {
    const SourceParameters window;
    struct Case {
        QStringList arguments;
        QString target;
        QStringList tables;
        SourceParameters source;
    };
    SourceParameters elsewhere;
    elsewhere.hostName = u"db.local"_qs;
    elsewhere.port = 3307;
    elsewhere.socket = u"/run/my.sock"_qs;
    elsewhere.userName = u"conv"_qs;
    elsewhere.password = u"p=w"_qs;
    elsewhere.database = u"velarim_copia"_qs;
    const QStringList all{u"CLIENTES"_qs, u"FORNECEDORES"_qs, u"GRUPOSPRODUTOS"_qs,
                          u"CLASSIFICACAOFISCAL"_qs, u"PRODUTOS"_qs};
    const Case cases[] = {
        {Split(u"--target /d/ORVALIS.FB"), u"/d/ORVALIS.FB"_qs, {}, window},
        {{u"--target"_qs, u""_qs}, u""_qs, {}, window},
        {Split(u"--target= --tables="), u""_qs, {}, window},
        {Split(u"--target=srv:/d/x.fb --tables produtos,Clientes,gruposprodutos,CLIENTES"),
         u"srv:/d/x.fb"_qs,
         {u"CLIENTES"_qs, u"GRUPOSPRODUTOS"_qs, u"PRODUTOS"_qs},
         window},
        {Split(u"--tables fornecedores --all --target x.fb"), u"x.fb"_qs, all, window},
        {{u"--target"_qs, u"x.fb"_qs, u"--tables"_qs, u" classificacaofiscal , "_qs},
         u"x.fb"_qs,
         {u"CLASSIFICACAOFISCAL"_qs},
         window},
        {Split(u"--target x.fb --source-host db.local --source-port 3307 --source-socket "
               u"/run/my.sock --source-user conv --source-password=p=w --source-database "
               u"velarim_copia"),
         u"x.fb"_qs,
         {},
         elsewhere},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const CommandLine line = ParseCommandLine(c.arguments);
        ASSERT_EQ(line.error, QString());
        EXPECT_FALSE(line.options.help);
        EXPECT_EQ(line.options.target, c.target);
        EXPECT_EQ(line.options.tables, c.tables);
        EXPECT_EQ(line.options.source.hostName, c.source.hostName);
        EXPECT_EQ(line.options.source.port, c.source.port);
        EXPECT_EQ(line.options.source.socket, c.source.socket);
        EXPECT_EQ(line.options.source.userName, c.source.userName);
        EXPECT_EQ(line.options.source.password, c.source.password);
        EXPECT_EQ(line.options.source.database, c.source.database);
    }
}

TEST(ParseCommandLine, AReportIsWrittenUnlessRefusedAndGoesWhereNamed) {
    struct Case {
        const char16_t* arguments;
        bool report;
        const char16_t* file;
    };
    const Case cases[] = {
        {u"--target x.fb", true, u""},
        {u"--target x.fb --report /tmp/r.json", true, u"/tmp/r.json"},
        {u"--target x.fb --report=r.json --no-report", false, u"r.json"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.arguments).toStdString());
        const CommandLine line = ParseCommandLine(Split(c.arguments));
        ASSERT_EQ(line.error, QString());
        EXPECT_EQ(line.options.report, c.report);
        EXPECT_EQ(line.options.reportFile, QString::fromUtf16(c.file));
    }
}

TEST(ParseCommandLine, RefusesWhatItCannotUseAndNamesTheCulprit) {
    struct Case {
        const char16_t* arguments;
        const char16_t* error;
    };
    const Case cases[] = {
        {u"", u"falta a opção --target"},
        {u"--tables clientes", u"falta a opção --target"},
        {u"--target x.fb --verbose", u"opção desconhecida: --verbose"},
        {u"--target x.fb --tables clientes,estoque", u"tabela desconhecida: \"estoque\""},
        {u"--target x.fb --source-port 0", u"porta inválida: \"0\""},
        {u"--target x.fb --source-port 70000", u"porta inválida: \"70000\""},
        {u"--target x.fb --source-port=abc", u"porta inválida: \"abc\""},
        {u"--target x.fb --all=sim", u"a opção --all não aceita valor"},
        {u"--target x.fb --no-report=sim", u"a opção --no-report não aceita valor"},
        {u"--target x.fb --report", u"a opção --report exige um valor"},
        {u"--target", u"a opção --target exige um valor"},
        {u"--target x.fb y.fb", u"argumento inesperado: \"y.fb\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.arguments).toStdString());
        EXPECT_EQ(ParseCommandLine(Split(c.arguments)).error, QString::fromUtf16(c.error));
    }
}

TEST(ParseCommandLine, ThePasswordIsGivenOrNotAndAFileGivesItsFirstLine) {
    QTemporaryDir dir;
    struct Case {
        QByteArray file; // the password file's bytes; empty with no file
        QStringList arguments;
        std::optional<QString> password;
    };
    const Case cases[] = {
        {{}, Split(u"--target x.fb"), std::nullopt},
        {{}, Split(u"--target x.fb --source-password="), u""_qs},
        {"s3nha\n", {}, u"s3nha"_qs},
        {"s3nha\r\nsegunda linha\n", {}, u"s3nha"_qs},
        {" com espaços e sem fim de linha ", {}, u" com espaços e sem fim de linha "_qs},
        {"\n", {}, u""_qs},
        // The last of the two forms counts, as for every option given twice.
        {"do arquivo\n", Split(u"--source-password=da-linha"), u"do arquivo"_qs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString() + " " + c.arguments.join(u' ').toStdString());
        QStringList arguments = c.arguments;
        if (!c.file.isEmpty()) {
            const QString path = dir.filePath(u"senha"_qs);
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(c.file);
            file.close();
            arguments +=
                QStringList{u"--target"_qs, u"x.fb"_qs, u"--source-password-file"_qs, path};
        }
        const CommandLine line = ParseCommandLine(arguments);
        ASSERT_EQ(line.error, QString());
        EXPECT_EQ(line.options.source.password, c.password);
    }
    for (const QString& unreadable : {dir.filePath(u"falta"_qs), dir.path()}) {
        SCOPED_TRACE(unreadable.toStdString());
        const QString error =
            ParseCommandLine({u"--target"_qs, u"x.fb"_qs, u"--source-password-file"_qs, unreadable})
                .error;
        EXPECT_TRUE(error.startsWith(
            QStringLiteral("não foi possível ler o arquivo de senha \"%1\" (").arg(unreadable)))
            << error.toStdString();
    }
}

TEST(ParseCommandLine, HelpNeedsNothingElse) {
    for (const char16_t* arguments : {u"--help", u"-h", u"--tables clientes --help"}) {
        SCOPED_TRACE(QString::fromUtf16(arguments).toStdString());
        const CommandLine line = ParseCommandLine(Split(arguments));
        EXPECT_EQ(line.error, QString());
        EXPECT_TRUE(line.options.help);
    }
}
