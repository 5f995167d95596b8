#include "db/TargetBackup.h"

#include "support/ExpectError.h"
#include "support/Gbak.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlanda;

TEST(BackUpTarget, TheStandardToolRestoresEveryRowThatWasThere) {
    ScratchTarget target;
    target.Execute({QStringLiteral("CREATE TABLE GUARDADA (ID INTEGER NOT NULL PRIMARY KEY, "
                                   "TEXTO VARCHAR(40))")});
    target.Execute({QStringLiteral("INSERT INTO GUARDADA VALUES (1, 'Farmácia São João')"),
                    QStringLiteral("INSERT INTO GUARDADA VALUES (2, NULL)"),
                    QStringLiteral("INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES ('001', "
                                   "'GENÉRICOS')")});
    QTemporaryDir dir;
    const QString backup = dir.filePath(QStringLiteral("target.fb.fbk"));
    BackUpTarget(target.Database(), backup);

    const QString restored = dir.filePath(QStringLiteral("restored.fdb"));
    ASSERT_EQ(RestoreWithGbak(backup, restored), QString());
    const ScratchTarget copy(restored);
    EXPECT_EQ(copy.Rows(QStringLiteral("SELECT ID, TEXTO FROM GUARDADA ORDER BY ID")),
              (std::vector<QStringList>{{QStringLiteral("1"), QStringLiteral("Farmácia São João")},
                                        {QStringLiteral("2"), QStringLiteral("<null>")}}));
    EXPECT_EQ(copy.Rows(QStringLiteral("SELECT CODGRUPO, DESCRICAO FROM GRUPROD")),
              target.Rows(QStringLiteral("SELECT CODGRUPO, DESCRICAO FROM GRUPROD")));
}

TEST(BackUpTarget, AFailureNamesItsCauseAndLeavesNoFile) {
    ScratchTarget target;
    QTemporaryDir dir;
    const QString unwritable = dir.filePath(QStringLiteral("sem-pasta/target.fb.fbk"));
    ExpectErrorContaining([&] { BackUpTarget(target.Database(), unwritable); },
                          QStringLiteral("Não foi possível criar a cópia de segurança em '") +
                              unwritable);

    TargetDatabase missing;
    missing.SetDatabaseName(dir.filePath(QStringLiteral("nao-existe.fb")));
    missing.SetUserName(QStringLiteral("SYSDBA"));
    const QString backup = dir.filePath(QStringLiteral("nao-existe.fbk"));
    ExpectErrorContaining([&] { BackUpTarget(missing, backup); }, QStringLiteral("nao-existe.fb"));
    EXPECT_FALSE(QFile::exists(backup));
}
