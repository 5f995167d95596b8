#include "db/Error.h"
#include "db/TargetDatabase.h"
#include "support/LegacyDatabase.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

extern char** environ;

using namespace vorlanda;

namespace {

const QString kSuccess = u"Conversão concluída com sucesso!"_qs;
const QString kFailurePrefix = u"Ocorreu um erro durante a conversão! Motivo: "_qs;

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

enum class StandardOutput { File, Terminal };

// Reads a descriptor to its end; a terminal's master side ends with EIO once the child and
// every copy of the slave side are gone.
QByteArray Drain(int fd) {
    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0)
            bytes.append(buffer, n);
        else if (n < 0 && errno == EINTR)
            continue;
        else
            return bytes;
    }
}

void Check(int result, const char* what) {
    if (result != 0)
        throw std::runtime_error(std::string(what) + ": " + std::strerror(result));
}

// Runs vorlanda-convert with the test's environment (which points the client library at the
// private MariaDB) minus the named variables. Standard error always goes to a file; standard
// output to a file or to a raw terminal.
Outcome RunConvert(const QStringList& arguments, StandardOutput kind = StandardOutput::File,
                   const QStringList& unset = {}) {
    QTemporaryDir dir;
    const QByteArray outPath = dir.filePath(u"out"_qs).toLocal8Bit();
    const QByteArray errPath = dir.filePath(u"err"_qs).toLocal8Bit();

    posix_spawn_file_actions_t actions;
    Check(posix_spawn_file_actions_init(&actions), "posix_spawn_file_actions_init");
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.constData(), O_WRONLY | O_CREAT, 0600);
    int master = -1;
    int slave = -1;
    if (kind == StandardOutput::Terminal) {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
            throw std::runtime_error("no pseudo terminal");
        slave = open(ptsname(master), O_RDWR | O_NOCTTY);
        // Raw, so the bytes arrive as the program wrote them ("\n" stays "\n").
        termios mode{};
        tcgetattr(slave, &mode);
        cfmakeraw(&mode);
        tcsetattr(slave, TCSANOW, &mode);
        posix_spawn_file_actions_adddup2(&actions, slave, 1);
        posix_spawn_file_actions_addclose(&actions, slave);
        posix_spawn_file_actions_addclose(&actions, master);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, outPath.constData(), O_WRONLY | O_CREAT,
                                         0600);
    }

    std::vector<QByteArray> argumentBytes{QByteArray(VORLANDA_CONVERT)};
    for (const QString& argument : arguments)
        argumentBytes.push_back(argument.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& argument : argumentBytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (char** variable = environ; *variable; ++variable) {
        const QString name = QString::fromLocal8Bit(*variable).section(u'=', 0, 0);
        if (!unset.contains(name))
            envp.push_back(*variable);
    }
    envp.push_back(nullptr);

    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, VORLANDA_CONVERT, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (slave >= 0)
        close(slave);
    Check(spawned, "posix_spawn");

    Outcome outcome;
    QByteArray out;
    if (master >= 0) {
        out = Drain(master);
        close(master);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (master < 0) {
        QFile file(QString::fromLocal8Bit(outPath));
        file.open(QIODevice::ReadOnly);
        out = file.readAll();
    }
    QFile errFile(QString::fromLocal8Bit(errPath));
    errFile.open(QIODevice::ReadOnly);
    outcome.out = QString::fromUtf8(out);
    outcome.err = QString::fromUtf8(errFile.readAll());
    return outcome;
}

// The target as the program must find it: a file no other engine instance holds open.
class ReleasedTarget : public ScratchTarget {
public:
    ReleasedTarget() { Database().SetConnected(false); }
};

// The message opening `path` gives in this process: what the window's general error display
// would show.
QString ConnectMessage(const QString& path) {
    TargetDatabase database;
    database.SetDatabaseName(path);
    database.SetPassword(u"kelpstone"_qs);
    try {
        database.SetConnected(true);
    } catch (const Error& error) {
        return error.Message();
    }
    return {};
}

} // namespace

TEST(VorlandaConvert, UsageErrorsExitWithTwoAndTheUsageOnStandardError) {
    const QStringList cases[] = {
        {u"--tables"_qs, u"clientes"_qs},
        {u"--target"_qs, u"x.fb"_qs, u"--verbose"_qs},
        {u"--target"_qs, u"x.fb"_qs, u"--tables"_qs, u"GRUPOSPRODUTOS,ESTOQUE"_qs},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const Outcome outcome = RunConvert(arguments);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_TRUE(outcome.err.startsWith(u"vorlanda-convert: "_qs)) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.contains(u"\n\nUso: vorlanda-convert --target ARQUIVO"_qs));
        EXPECT_EQ(outcome.out, QString());
    }
}

TEST(VorlandaConvert, HelpGoesToStandardOutput) {
    const Outcome outcome = RunConvert({u"--help"_qs});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_TRUE(outcome.out.startsWith(u"Uso: vorlanda-convert --target ARQUIVO"_qs));
    EXPECT_TRUE(outcome.out.contains(u"GRUPOSPRODUTOS"_qs));
    EXPECT_EQ(outcome.err, QString());
}

TEST(VorlandaConvert, ARefusedStartShowsItsMessageOnStandardErrorAndExitsWithOne) {
    QTemporaryDir dir;
    const QString notADatabase = dir.filePath(u"LEIAME.FB"_qs);
    {
        QFile file(notADatabase);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("isto não é um banco de dados\n");
    }
    const QString missing = dir.filePath(u"FALTA.FB"_qs);
    struct Case {
        QString target;
        QString message;
    };
    const Case cases[] = {
        {u""_qs, u"O caminho do banco de dados está vazio!"_qs},
        {notADatabase, ConnectMessage(notADatabase)},
        {missing, ConnectMessage(missing)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target.toStdString());
        ASSERT_FALSE(c.message.isEmpty());
        const Outcome outcome =
            RunConvert({u"--target"_qs, c.target, u"--tables"_qs, u"GRUPOSPRODUTOS"_qs});
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.err, c.message + u'\n');
        EXPECT_EQ(outcome.out, QString());
    }
}

TEST(VorlandaConvert, NoTableSelectedCommitsAndReportsSuccessOnly) {
    ReleasedTarget target;
    target.Execute({u"INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('001', 'Antigo')"_qs});
    for (const QStringList& tables : {QStringList{}, QStringList{u"--tables="_qs}}) {
        SCOPED_TRACE(tables.join(u' ').toStdString());
        // The source is never asked: a socket that leads nowhere does no harm.
        const Outcome outcome = RunConvert(
            QStringList{u"--target"_qs, target.Path(), u"--source-socket=/nao/existe.sock"_qs} +
            tables);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.out, kSuccess + u'\n');
        EXPECT_EQ(outcome.err, QString());
    }
    EXPECT_EQ(target.Rows(u"SELECT CODGRUPO, DESCRICAO FROM GRUPROD"_qs),
              (std::vector<QStringList>{{u"001"_qs, u"Antigo"_qs}}));
}

TEST(VorlandaConvert, ConvertsProductGroupsFromTheNamedLegacyDatabase) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES "
                    u"(1, '  Medicamentos genéricos  '), (1002, 'Perfumaria e higiêne'), "
                    u"(3, NULL), (44, 'Dermocosméticos de uso contínuo e sazonais')"_qs});
    ReleasedTarget target;
    target.Execute({u"INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('999', 'Antigo')"_qs});

    const Outcome outcome =
        RunConvert({u"--target"_qs, target.Path(), u"--tables"_qs, u"gruposprodutos"_qs,
                    u"--source-database"_qs, legacy.Name()});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, QString());
    // Standard output is a file: the success message and not a byte of progress.
    EXPECT_EQ(outcome.out, kSuccess + u'\n');
    EXPECT_EQ(target.Rows(u"SELECT CODGRUPO, DESCRICAO, DIASESTMAXIMO, DIASESTMINIMO "
                          u"FROM GRUPROD ORDER BY CODGRUPO"_qs),
              (std::vector<QStringList>{
                  {u"001"_qs, u"Medicamentos genéricos"_qs, u"0"_qs, u"0"_qs},
                  {u"002"_qs, u"Perfumaria e higiêne"_qs, u"0"_qs, u"0"_qs},
                  {u"003"_qs, u""_qs, u"0"_qs, u"0"_qs},
                  {u"044"_qs, u"Dermocosméticos de uso contínu"_qs, u"0"_qs, u"0"_qs},
              }));
}

TEST(VorlandaConvert, ConvertsClientsAndGroupsInOneRun) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBCLIENTES (CONTROLE, NOME, CIDADE, ESTADO, DATA) VALUES "
                    u"(12, 'maria d''ajuda', 'Contagem', 'MG', '1975-03-09'), "
                    u"(13, 'José', 'contagem', 'mg', NULL)"_qs,
                    u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1, 'Genéricos')"_qs});
    ReleasedTarget target;

    const Outcome outcome =
        RunConvert({u"--target"_qs, target.Path(), u"--tables=gruposprodutos,CLIENTES"_qs,
                    u"--source-database"_qs, legacy.Name()});
    EXPECT_EQ(outcome.status, 0) << outcome.err.toStdString();
    EXPECT_EQ(target.Rows(u"SELECT CODCLIENTE, NOME, CODCIDADE, DT_NASCIMENTO FROM CLIENTE "
                          u"ORDER BY 1"_qs),
              (std::vector<QStringList>{
                  {u"00000012"_qs, u"MARIA D'AJUDA"_qs, u"00001"_qs, u"09.03.1975"_qs},
                  {u"00000013"_qs, u"JOSE"_qs, u"00001"_qs, u"<null>"_qs}}));
    EXPECT_EQ(target.Rows(u"SELECT CODCIDADE, CIDADE, ESTADO FROM CIDADES"_qs),
              (std::vector<QStringList>{{u"00001"_qs, u"CONTAGEM"_qs, u"MG"_qs}}));
    EXPECT_EQ(target.Rows(u"SELECT CODGRUPO FROM GRUPROD"_qs),
              (std::vector<QStringList>{{u"001"_qs}}));
}

TEST(VorlandaConvert, OnATerminalTheProgressLineIsRewrittenAndClearedBeforeTheMessage) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1, 'A'), (2, 'B'), "
                    u"(3, 'C')"_qs});
    ReleasedTarget target;
    const Outcome outcome =
        RunConvert({u"--target"_qs, target.Path(), u"--tables"_qs, u"GRUPOSPRODUTOS"_qs,
                    u"--source-database"_qs, legacy.Name()},
                   StandardOutput::Terminal);
    // Each row moves the percentage, so each of these is drawn whatever the clock says.
    const QString last = u"\rConvertendo Grupos de produtos - Registro 3 de 3 100%"_qs;
    EXPECT_EQ(outcome.status, 0) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.out.contains(u"\rConvertendo Grupos de produtos - Registro 1 de 3 33%"_qs))
        << outcome.out.toStdString();
    EXPECT_TRUE(outcome.out.contains(last + u'\r' + QString(last.size() - 1, u' ') + u'\r'))
        << outcome.out.toStdString();
    EXPECT_TRUE(outcome.out.endsWith(u'\r' + kSuccess + u'\n'));
}

TEST(VorlandaConvert, AFailedRunIsRolledBackAndNamesTheReason) {
    LegacyDatabase legacy;
    // Codes keep the last three digits: both rows become group 005.
    legacy.Execute(
        {u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1005, 'Um'), (2005, 'Dois')"_qs});
    ReleasedTarget target;
    target.Execute({u"INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('999', 'Antigo')"_qs});
    const QString socket = qEnvironmentVariable("MYSQL_UNIX_PORT");
    struct Case {
        QStringList source;
        QStringList unset;
        QString reason;
    };
    const Case cases[] = {
        {{u"--source-database"_qs, legacy.Name()}, {}, u"PK_GRUPROD"_qs},
        // The source named on the command line wins over the client library's default.
        {{u"--source-database"_qs, legacy.Name(), u"--source-socket"_qs, socket},
         {u"MYSQL_UNIX_PORT"_qs},
         u"PK_GRUPROD"_qs},
        {{u"--source-socket"_qs, u"/nao/existe.sock"_qs}, {}, u"/nao/existe.sock"_qs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source.join(u' ').toStdString());
        const Outcome outcome = RunConvert(
            QStringList{u"--target"_qs, target.Path(), u"--tables"_qs, u"GRUPOSPRODUTOS"_qs} +
                c.source,
            StandardOutput::File, c.unset);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_TRUE(outcome.err.startsWith(kFailurePrefix)) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.contains(c.reason)) << outcome.err.toStdString();
        EXPECT_EQ(outcome.out, QString());
        // The table was emptied and that was committed; the row written after it was not.
        EXPECT_EQ(target.Rows(u"SELECT CODGRUPO FROM GRUPROD"_qs).size(), 0u);
    }
}

TEST(VorlandaConvert, ARunWithWarningsEndsWithTheirSummaryAndStatusThree) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBESTOQUE (CODIGO, FABRICANTE) VALUES ('1', 'Alfa'), "
                    u"('2', 'Beta')"_qs});
    ReleasedTarget target;
    target.Execute({u"INSERT INTO CADFABR (CODFABRIC, DESCRICAO) VALUES ('ZZZ', 'Velho')"_qs});

    const Outcome outcome = RunConvert({u"--target"_qs, target.Path(), u"--tables"_qs,
                                        u"PRODUTOS"_qs, u"--source-database"_qs, legacy.Name()});

    EXPECT_EQ(outcome.status, 3);
    EXPECT_EQ(outcome.out, QString());
    EXPECT_EQ(outcome.err, u"Erro ao converter Fabricante. Motivo: \n'ZZZ' não é um valor inteiro "
                           u"válido\nConversão concluída com avisos!\n2 avisos:\n- Erro ao "
                           u"converter Fabricante. Motivo: 'ZZZ' não é um valor inteiro válido "
                           u"(2 registros)\n"_qs);
    EXPECT_EQ(target.Rows(u"SELECT CODPROD, CODFABRIC FROM PRODUTO ORDER BY 1"_qs),
              (std::vector<QStringList>{{u"000001"_qs, u""_qs}, {u"000002"_qs, u""_qs}}));
}
