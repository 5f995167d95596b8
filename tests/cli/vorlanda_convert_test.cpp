#include "db/Error.h"
#include "db/TargetDatabase.h"
#include "support/Gbak.h"
#include "support/LegacyDatabase.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "support/StalledLegacy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <cerrno>
#include <csignal>
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

// Changes to the test's environment (which points the client library at the private MariaDB)
// for one run: variables taken away, and "NAME=value" entries that replace or add one.
struct Environment {
    QStringList unset;
    QStringList set;
};

// vorlanda-convert started with the test's environment as changed. Standard error always goes
// to a file; standard output to a file or to a raw terminal.
class ConvertProcess {
public:
    ConvertProcess(const QStringList& arguments, StandardOutput kind,
                   const Environment& environment)
        : outPath_(dir_.filePath(u"out"_qs).toLocal8Bit()),
          errPath_(dir_.filePath(u"err"_qs).toLocal8Bit()), kind_(kind) {
        posix_spawn_file_actions_t actions;
        Check(posix_spawn_file_actions_init(&actions), "posix_spawn_file_actions_init");
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, errPath_.constData(), O_WRONLY | O_CREAT,
                                         0600);
        int slave = -1;
        if (kind == StandardOutput::Terminal) {
            master_ = posix_openpt(O_RDWR | O_NOCTTY);
            if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
                throw std::runtime_error("no pseudo terminal");
            slave = open(ptsname(master_), O_RDWR | O_NOCTTY);
            // Raw, so the bytes arrive as the program wrote them ("\n" stays "\n").
            termios mode{};
            tcgetattr(slave, &mode);
            cfmakeraw(&mode);
            tcsetattr(slave, TCSANOW, &mode);
            posix_spawn_file_actions_adddup2(&actions, slave, 1);
            posix_spawn_file_actions_addclose(&actions, slave);
            posix_spawn_file_actions_addclose(&actions, master_);
        } else {
            posix_spawn_file_actions_addopen(&actions, 1, outPath_.constData(), O_WRONLY | O_CREAT,
                                             0600);
        }

        std::vector<QByteArray> argumentBytes{QByteArray(VORLANDA_CONVERT)};
        for (const QString& argument : arguments)
            argumentBytes.push_back(argument.toUtf8());
        std::vector<char*> argv;
        for (QByteArray& argument : argumentBytes)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        QStringList replaced = environment.unset;
        std::vector<QByteArray> added;
        for (const QString& variable : environment.set) {
            replaced.append(variable.section(u'=', 0, 0));
            added.push_back(variable.toLocal8Bit());
        }
        std::vector<char*> envp;
        for (char** variable = environ; *variable; ++variable) {
            const QString name = QString::fromLocal8Bit(*variable).section(u'=', 0, 0);
            if (!replaced.contains(name))
                envp.push_back(*variable);
        }
        for (QByteArray& variable : added)
            envp.push_back(variable.data());
        envp.push_back(nullptr);

        const int spawned =
            posix_spawn(&pid_, VORLANDA_CONVERT, &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (slave >= 0)
            close(slave);
        Check(spawned, "posix_spawn");
    }

    ~ConvertProcess() {
        if (master_ >= 0)
            close(master_);
        if (pid_ > 0 && !waited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    ConvertProcess(const ConvertProcess&) = delete;
    ConvertProcess& operator=(const ConvertProcess&) = delete;

    pid_t Pid() const { return pid_; }

    // What the program has written to standard error so far.
    QString ErrorSoFar() const {
        QFile file(QString::fromLocal8Bit(errPath_));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }

    // Whether the program has ended; its status is then kept for Wait.
    bool Ended() {
        if (!waited_) {
            const pid_t ended = waitpid(pid_, &status_, WNOHANG);
            waited_ = ended == pid_;
        }
        return waited_;
    }

    Outcome Wait() {
        QByteArray out;
        if (master_ >= 0) {
            out = Drain(master_);
            close(master_);
            master_ = -1;
        }
        while (!waited_) {
            if (waitpid(pid_, &status_, 0) == pid_)
                waited_ = true;
            else if (errno != EINTR)
                throw std::runtime_error("waitpid");
        }
        if (kind_ != StandardOutput::Terminal) {
            QFile file(QString::fromLocal8Bit(outPath_));
            file.open(QIODevice::ReadOnly);
            out = file.readAll();
        }
        Outcome outcome;
        outcome.status = WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
        outcome.out = QString::fromUtf8(out);
        outcome.err = ErrorSoFar();
        return outcome;
    }

private:
    QTemporaryDir dir_;
    QByteArray outPath_;
    QByteArray errPath_;
    StandardOutput kind_;
    int master_ = -1;
    pid_t pid_ = 0;
    int status_ = 0;
    bool waited_ = false;
};

Outcome RunConvert(const QStringList& arguments, StandardOutput kind = StandardOutput::File,
                   const Environment& environment = {}) {
    return ConvertProcess(arguments, kind, environment).Wait();
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
        {u"--target"_qs, u"x.fb"_qs, u"--source-password-file"_qs, u"/nao/existe/senha"_qs},
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
        const Outcome outcome =
            RunConvert(QStringList{u"--target"_qs, target.Path(),
                                   u"--source-socket=/nao/existe.sock"_qs, u"--no-report"_qs} +
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
                    u"--source-database"_qs, legacy.Name(), u"--no-backup"_qs, u"--no-report"_qs});
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

TEST(VorlandaConvert, ARunThatEmptiesATableWithRowsBacksTheTargetUpFirstAndNamesTheBackup) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1, 'Genéricos')"_qs});
    ReleasedTarget target;
    target.Execute({u"INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('999', 'Antigo')"_qs});
    const QDir folder = QFileInfo(target.Path()).dir();
    const QStringList run{u"--target"_qs,       target.Path(),           u"--tables"_qs,
                          u"gruposprodutos"_qs, u"--source-database"_qs, legacy.Name(),
                          u"--no-report"_qs};

    const Outcome outcome = RunConvert(run);
    EXPECT_EQ(outcome.status, 0);
    const QStringList backups = folder.entryList({u"target.fb.*.fbk"_qs}, QDir::Files);
    ASSERT_EQ(backups.size(), 1) << outcome.out.toStdString();
    EXPECT_TRUE(QRegularExpression(u"^target\\.fb\\.\\d{4}-\\d\\d-\\d\\d-\\d{6}\\.fbk$"_qs)
                    .match(backups.front())
                    .hasMatch())
        << backups.front().toStdString();
    const QString backup = folder.filePath(backups.front());
    EXPECT_EQ(outcome.out, kSuccess + u"\nCópia de segurança: "_qs + backup + u'\n');
    QTemporaryDir restoredDir;
    const QString restored = restoredDir.filePath(u"restored.fdb"_qs);
    ASSERT_EQ(RestoreWithGbak(backup, restored), QString());
    EXPECT_EQ(ScratchTarget(restored).Rows(u"SELECT CODGRUPO, DESCRICAO FROM GRUPROD"_qs),
              (std::vector<QStringList>{{u"999"_qs, u"Antigo"_qs}}));

    // Without one the run says nothing of a backup and leaves no other file.
    const Outcome unguarded = RunConvert(run + QStringList{u"--no-backup"_qs});
    EXPECT_EQ(unguarded.out, kSuccess + u'\n');
    EXPECT_EQ(folder.entryList({u"target.fb.*.fbk"_qs}, QDir::Files), backups);
}

TEST(VorlandaConvert, EveryRunWritesAReportBesideItsBackupAndPrintsTheSummaryAfterTheMessage) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1, 'Genéricos')"_qs});
    ReleasedTarget target;
    target.Execute({u"INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('999', 'Antigo')"_qs});
    const QDir folder = QFileInfo(target.Path()).dir();
    const QStringList run{u"--target"_qs,       target.Path(),           u"--tables"_qs,
                          u"gruposprodutos"_qs, u"--source-database"_qs, legacy.Name()};
    const QString summary = u"Grupos de Produtos: 1 lidos; gravados 1 em GRUPROD"_qs;

    const Outcome outcome = RunConvert(run);
    EXPECT_EQ(outcome.status, 0) << outcome.err.toStdString();
    const QStringList reports = folder.entryList({u"target.fb.*.json"_qs}, QDir::Files);
    const QStringList backups = folder.entryList({u"target.fb.*.fbk"_qs}, QDir::Files);
    ASSERT_EQ(reports.size(), 1) << outcome.out.toStdString();
    ASSERT_EQ(backups.size(), 1) << outcome.out.toStdString();
    // One run, one time stamp.
    EXPECT_EQ(reports.front().chopped(4), backups.front().chopped(3));
    const QString report = folder.filePath(reports.front());
    const QString backup = folder.filePath(backups.front());
    EXPECT_EQ(outcome.out, kSuccess + u"\nCópia de segurança: "_qs + backup + u'\n' + summary +
                               u"\nRelatório: "_qs + report + u'\n');
    QFile written(report);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QJsonObject json = QJsonDocument::fromJson(written.readAll()).object();
    EXPECT_EQ(json.value(u"backup"_qs).toString(), backup);
    EXPECT_EQ(json.value(u"tables"_qs).toArray().at(0).toObject().value(u"read"_qs).toInt(), 1);

    // A named report goes where it is named; --no-report writes none and prints no summary.
    QTemporaryDir elsewhere;
    const QString named = elsewhere.filePath(u"conversao.json"_qs);
    const Outcome namedRun =
        RunConvert(run + QStringList{u"--no-backup"_qs, u"--report"_qs, named});
    EXPECT_EQ(namedRun.out, kSuccess + u'\n' + summary + u"\nRelatório: "_qs + named + u'\n');
    EXPECT_TRUE(QFile::exists(named));
    const Outcome quiet = RunConvert(run + QStringList{u"--no-backup"_qs, u"--no-report"_qs});
    EXPECT_EQ(quiet.out, kSuccess + u'\n');
    EXPECT_EQ(folder.entryList({u"target.fb.*.json"_qs}, QDir::Files), reports);
}

TEST(VorlandaConvert, ACheckListsWhatWouldFailOnStandardErrorExitsWithOneAndChangesNothing) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1005, 'Um'), (2005, 'Dois')"_qs,
                    u"INSERT INTO TBESTOQUE (CODIGO, PRECOVENDA) VALUES ('1', 'abc'), "
                    u"('2', '3.5')"_qs});
    ReleasedTarget target;
    target.Execute({u"INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('999', 'Antigo')"_qs});
    QTemporaryDir folder;
    const QString report = folder.filePath(u"verificacao.json"_qs);
    const QStringList check{u"--check"_qs,
                            u"--target"_qs,
                            target.Path(),
                            u"--tables"_qs,
                            u"gruposprodutos,produtos"_qs,
                            u"--source-database"_qs,
                            legacy.Name(),
                            u"--report"_qs,
                            report};

    const Outcome outcome = RunConvert(check);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err,
              u"Verificação concluída: 2 problemas em 2 tabelas impediriam a conversão:\n"
              u"TBGRUPO CONTROLE 2005: Código 005 repetido: TBGRUPO CONTROLE 1005 e 2005\n"
              u"TBESTOQUE CODIGO 1, coluna PRECOVENDA: 'abc': 'abc' não é um valor numérico "
              u"válido\n"_qs);
    EXPECT_EQ(outcome.out,
              u"Grupos de Produtos (falharia): 2 lidos; gravados 1 em GRUPROD; 1 valores "
              u"cortados\n"
              u"Produtos (falharia): 2 lidos; gravados 1 em PRODUTO, 1 em COMPPROD, 1 em "
              u"PRODUTODETALHE\n"
              u"Relatório: "_qs +
                  report + u'\n');
    EXPECT_TRUE(QFile::exists(report));
    EXPECT_EQ(target.Rows(u"SELECT CODGRUPO, DESCRICAO FROM GRUPROD"_qs),
              (std::vector<QStringList>{{u"999"_qs, u"Antigo"_qs}}));
    // No backup either: nothing is at risk.
    EXPECT_EQ(QFileInfo(target.Path()).dir().entryList({u"target.fb.*"_qs}, QDir::Files),
              QStringList{});

    legacy.Execute({u"DELETE FROM TBGRUPO WHERE CONTROLE = 2005"_qs,
                    u"UPDATE TBESTOQUE SET PRECOVENDA = '1' WHERE CODIGO = '1'"_qs});
    const Outcome clean = RunConvert(check + QStringList{u"--no-report"_qs});
    EXPECT_EQ(clean.status, 0) << clean.err.toStdString();
    EXPECT_EQ(clean.out, u"Verificação concluída: nenhum registro impede a conversão.\n"_qs);
    EXPECT_EQ(clean.err, QString());
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
                    u"--source-database"_qs, legacy.Name(), u"--no-report"_qs},
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
        const Outcome outcome =
            RunConvert(QStringList{u"--target"_qs, target.Path(), u"--tables"_qs,
                                   u"GRUPOSPRODUTOS"_qs, u"--no-report"_qs} +
                           c.source,
                       StandardOutput::File, {c.unset, {}});
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

    const Outcome outcome =
        RunConvert({u"--target"_qs, target.Path(), u"--tables"_qs, u"PRODUTOS"_qs,
                    u"--source-database"_qs, legacy.Name(), u"--no-report"_qs});

    EXPECT_EQ(outcome.status, 3);
    EXPECT_EQ(outcome.out, QString());
    EXPECT_EQ(outcome.err, u"Erro ao converter Fabricante. Motivo: \n'ZZZ' não é um valor inteiro "
                           u"válido\nConversão concluída com avisos!\n2 avisos:\n- Erro ao "
                           u"converter Fabricante. Motivo: 'ZZZ' não é um valor inteiro válido "
                           u"(2 registros)\n"_qs);
    EXPECT_EQ(target.Rows(u"SELECT CODPROD, CODFABRIC FROM PRODUTO ORDER BY 1"_qs),
              (std::vector<QStringList>{{u"000001"_qs, u""_qs}, {u"000002"_qs, u""_qs}}));
}

namespace {

const QString kInterrupted = u"Conversão interrompida pelo operador (sinal recebido)"_qs;
const QString kSignalNotice = u"vorlanda-convert: sinal recebido, a conversão será interrompida "
                              u"(outro sinal encerra o programa imediatamente)\n"_qs;

// Waits until the program has written `text` to standard error; false when it ended first.
bool AwaitError(ConvertProcess& process, const QString& text) {
    while (!process.ErrorSoFar().contains(text)) {
        if (process.Ended())
            return false;
        QThread::msleep(20);
    }
    return true;
}

} // namespace

TEST(VorlandaConvert, ASignalEndsTheRunAtItsNextRowAsAFailureAndASecondOneAtOnce) {
    struct Case {
        int sent;
        int status;
        QString err;
    };
    const Case cases[] = {
        // The run goes on to its next row, rolls back to its last commit point and detaches.
        {1, 1,
         kSignalNotice + kFailurePrefix + kInterrupted +
             u"\nGrupos de Produtos: convertida, 3 registros em GRUPROD\nClassificação Fiscal: "
             u"interrompida, 0 registros em CLASFISC\n"_qs},
        // The run waits on its source, and the second signal ends the process there.
        {2, 130, kSignalNotice + u"vorlanda-convert: encerrado por um segundo sinal\n"_qs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sent);
        StalledLegacy legacy;
        ReleasedTarget target;
        target.Execute({u"INSERT INTO CLASFISC (CODCLASFIS, CODIGONCM) VALUES ('9999', 'X')"_qs});
        ConvertProcess process({u"--target"_qs, target.Path(), u"--source-database"_qs,
                                legacy.Name(), u"--tables=gruposprodutos,classificacaofiscal"_qs,
                                u"--no-backup"_qs, u"--no-report"_qs},
                               StandardOutput::File, {});
        ASSERT_TRUE(legacy.AwaitStall([&] { return !process.Ended(); }))
            << process.Wait().err.toStdString();
        kill(process.Pid(), SIGTERM);
        ASSERT_TRUE(AwaitError(process, kSignalNotice)) << process.Wait().err.toStdString();
        if (c.sent == 1) {
            legacy.Release();
        } else {
            // A signal sent while the one before is still pending merges with it, so the
            // second is sent until one counts.
            while (!process.Ended()) {
                kill(process.Pid(), SIGTERM);
                QThread::msleep(20);
            }
        }
        const Outcome outcome = process.Wait();
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.err, c.err);
        EXPECT_EQ(outcome.out, QString());
        // The groups were committed before; the classifications were emptied and committed,
        // and the rows written after that are gone.
        EXPECT_EQ(target.Rows(u"SELECT CODGRUPO FROM GRUPROD ORDER BY 1"_qs),
                  (std::vector<QStringList>{{u"001"_qs}, {u"002"_qs}, {u"003"_qs}}));
        EXPECT_EQ(target.Rows(u"SELECT CODCLASFIS FROM CLASFISC"_qs).size(), 0u);
    }
}

TEST(VorlandaConvert, TheSourcePasswordComesFromTheCommandLineTheOptionFilesOrMysqlPwdInThatOrder) {
    LegacyDatabase legacy;
    legacy.Execute({u"INSERT INTO TBGRUPO (CONTROLE, GRUPO) VALUES (1, 'Genéricos')"_qs});
    const QString user = legacy.AddUser(u"S3cr3t-certa"_qs);
    ReleasedTarget target;
    QTemporaryDir dir;
    const auto write = [&dir](const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw std::runtime_error("cannot write " + path.toStdString());
        return path;
    };
    const QString rightFile = write(u"certa"_qs, "S3cr3t-certa\n");
    const QString wrongFile = write(u"errada"_qs, "S3cr3t-errada\n");
    // Homes whose option file names a password, a character set of its own and a socket that
    // leads nowhere: MYSQL_UNIX_PORT, which leads to the test's server, must win over it.
    for (const QString& home : {u"vazio"_qs, u"certo"_qs, u"errado"_qs})
        QDir(dir.path()).mkdir(home);
    const QByteArray options = "[client]\ndefault-character-set = latin1\n"
                               "socket = /nao/existe.sock\npassword = ";
    write(u"certo/.my.cnf"_qs, options + "S3cr3t-certa\n");
    write(u"errado/.my.cnf"_qs, options + "S3cr3t-errada\n");
    const QString noHome = u"HOME="_qs + dir.filePath(u"vazio"_qs);
    const QString rightHome = u"HOME="_qs + dir.filePath(u"certo"_qs);
    const QString wrongHome = u"HOME="_qs + dir.filePath(u"errado"_qs);
    const QString rightPwd = u"MYSQL_PWD=S3cr3t-certa"_qs;
    const QString wrongPwd = u"MYSQL_PWD=S3cr3t-errada"_qs;
    const QString denied =
        kFailurePrefix +
        QStringLiteral("Access denied for user '%1'@'localhost' (using password: ").arg(user);

    struct Case {
        QStringList arguments;
        QStringList environment;
        QString err; // empty: the run succeeds
    };
    const Case cases[] = {
        {{u"--source-password-file"_qs, rightFile}, {noHome}, {}},
        {{}, {noHome, rightPwd}, {}},
        {{}, {rightHome}, {}},
        {{}, {rightHome, wrongPwd}, {}},
        {{u"--source-password-file"_qs, rightFile}, {wrongHome, wrongPwd}, {}},
        {{u"--source-password"_qs, u"S3cr3t-certa"_qs}, {wrongHome}, {}},
        {{}, {noHome, wrongPwd}, denied + u"YES)\nGrupos de Produtos: não tocada\n"_qs},
        {{u"--source-password-file"_qs, wrongFile},
         {rightHome},
         denied + u"YES)\nGrupos de Produtos: não tocada\n"_qs},
        {{}, {wrongHome, rightPwd}, denied + u"YES)\nGrupos de Produtos: não tocada\n"_qs},
        {{}, {noHome}, denied + u"NO)\nGrupos de Produtos: não tocada\n"_qs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.arguments + c.environment).join(u' ').toStdString());
        target.Execute({u"DELETE FROM GRUPROD"_qs,
                        u"INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('999', 'Antigo')"_qs});
        const Outcome outcome = RunConvert(
            QStringList{u"--target"_qs, target.Path(), u"--tables=gruposprodutos"_qs,
                        u"--source-database"_qs, legacy.Name(), u"--source-user"_qs, user} +
                c.arguments,
            StandardOutput::File, {{u"MYSQL_PWD"_qs}, c.environment});
        EXPECT_EQ(outcome.err, c.err);
        EXPECT_EQ(outcome.status, c.err.isEmpty() ? 0 : 1);
        // A source that refuses the run refuses it before anything is emptied.
        const std::vector<QStringList> converted{{u"001"_qs, u"Genéricos"_qs}};
        const std::vector<QStringList> untouched{{u"999"_qs, u"Antigo"_qs}};
        EXPECT_EQ(target.Rows(u"SELECT CODGRUPO, DESCRICAO FROM GRUPROD"_qs),
                  c.err.isEmpty() ? converted : untouched);
    }
}
