#include "db/Error.h"
#include "db/SourceConnection.h"
#include "importers/UClassPreencheClassificacaoFiscal.h"
#include "support/LegacyDatabase.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "ui/RecordingUi.h"

#include <gtest/gtest.h>

using namespace vorlanda;

namespace {

// The classification conversion as one step of a run: inside the run's transaction, committed
// when it succeeds, rolled back when it fails.
class ClassificationImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        target.Execute({QStringLiteral("INSERT INTO CLASFISC (CODCLASFIS, CODIGONCM, CODNBM) "
                                       "VALUES ('0900', '1111', '1111')")});
    }

    // The server's message when the conversion failed, an empty text when it succeeded.
    QString Run() {
        target.Transaction().StartTransaction();
        try {
            TClassPreencheDadosClassificacaoFiscal().PreencheConverteClassificacaoFiscal(
                source, target.Database(), barra, info);
            // The clearing's commit ends the transaction; only rows written after it start one.
            if (target.Transaction().InTransaction())
                target.Transaction().Commit();
            return {};
        } catch (const Error& error) {
            if (target.Transaction().InTransaction())
                target.Transaction().Rollback();
            return error.Message();
        }
    }

    std::vector<QStringList> Classifications() const {
        return target.Rows(QStringLiteral("SELECT CODCLASFIS, CODIGONCM, CODNBM, PISCONFRETIDO, "
                                          "CODNATRECEITA, ALIQIPI FROM CLASFISC ORDER BY "
                                          "CODCLASFIS"));
    }

    static QStringList Captions(int rows, int upTo) {
        QStringList captions;
        for (int row = 1; row <= upTo; ++row)
            captions.append(QStringLiteral("Convertendo Classificacao Fiscal - Registro %1 de %2")
                                .arg(row)
                                .arg(rows));
        return captions;
    }

    LegacyDatabase legacy;
    ScratchTarget target;
    ScopedRecordingUserInterface ui;
    SourceConnection source{legacy.Parameters()};
    RecordingGauge barra;
    RecordingLabel info;
};

QStringList Row(const QString& code, const QString& ncm, const QString& nbm) {
    return {code, ncm, nbm, QString(), QString(), u"0"_qs};
}

} // namespace

TEST_F(ClassificationImportTest, WritesEachNcmOnceExceptThoseLongerThanTheStoredCode) {
    legacy.Execute({QStringLiteral(
        "INSERT INTO TB_CODIGO_NCM (CONTROLE, NCM) VALUES (1, '3004.90.99'), (2, '30049099'), "
        "(7, '3004.90.99.00'), (8, '3004.90.99.00'), (12345, '  2106.90.30  '), (20, NULL), "
        "(21, ''), (22, '   '), (30, 'D''Ávila \"N\"')")});

    EXPECT_EQ(Run(), QString());

    // Row 2 cleans to an NCM already written; rows 21 and 22 to the empty one written
    // for row 20 (the engine ignores trailing blanks when it compares texts). The ten-digit NCM
    // never matches the eight digits kept of it, so it is written twice.
    EXPECT_EQ(Classifications(), (std::vector<QStringList>{
                                     Row(u"0001"_qs, u"30049099"_qs, u"30049099"_qs),
                                     Row(u"0007"_qs, u"30049099"_qs, u"3004909900"_qs),
                                     Row(u"0008"_qs, u"30049099"_qs, u"3004909900"_qs),
                                     Row(u"0020"_qs, QString(), QString()),
                                     Row(u"0030"_qs, u"DÁvila \""_qs, u"DÁvila \"N\""_qs),
                                     Row(u"1234"_qs, u"21069030"_qs, u"21069030"_qs),
                                 }));
    EXPECT_EQ(info.Captions(), Captions(9, 9) << QString());
    EXPECT_EQ(barra.History(),
              (QStringList{u"max=9"_qs, u"progress=1"_qs, u"progress=2"_qs, u"progress=3"_qs,
                           u"progress=4"_qs, u"progress=5"_qs, u"progress=6"_qs, u"progress=7"_qs,
                           u"progress=8"_qs, u"progress=9"_qs, u"progress=0"_qs, u"max=0"_qs}));
    EXPECT_EQ(ui->EventRounds(), 9);
}

TEST_F(ClassificationImportTest, AnEmptyLegacyTableStillEmptiesTheTarget) {
    EXPECT_EQ(Run(), QString());
    EXPECT_TRUE(Classifications().empty());
    EXPECT_EQ(info.Captions(), QStringList{QString()});
    EXPECT_EQ(barra.History(), (QStringList{u"max=0"_qs, u"progress=0"_qs, u"max=0"_qs}));
}

TEST_F(ClassificationImportTest, ADuplicateCodeEndsTheImportAfterTheCommittedClearing) {
    legacy.Execute(
        {QStringLiteral("INSERT INTO TB_CODIGO_NCM (CONTROLE, NCM) VALUES (1005, '3004.90.99'), "
                        "(10050, '2106.90.30'), (10051, '3306.10.00')")});

    const QString message = Run();

    EXPECT_TRUE(message.startsWith(QStringLiteral("violation of PRIMARY or UNIQUE KEY")))
        << message.toStdString();
    // The old row went with the committed clearing; the row written after it with the rollback.
    EXPECT_TRUE(Classifications().empty());
    EXPECT_EQ(info.Captions(), Captions(3, 2));
    EXPECT_EQ(barra.History(), (QStringList{u"max=3"_qs, u"progress=1"_qs}));
}

TEST_F(ClassificationImportTest, TheExistenceTestComparesTheWholeNcmHoweverLong) {
    target.Execute(
        {QStringLiteral("INSERT INTO CLASFISC (CODCLASFIS, CODIGONCM) VALUES ('0001', '30049099')"),
         QStringLiteral("INSERT INTO CLASFISC (CODCLASFIS, CODIGONCM) VALUES ('0002', '')")});
    struct Case {
        QString ncm;
        bool found;
    };
    const Case cases[] = {
        {u"30049099"_qs, true},
        {u"3004909"_qs, false},
        {u""_qs, true},
        {u"3004909900"_qs, false},
        {u"30049099000000000000"_qs, false},
        {QString(1000, u'9'), false},
    };
    const TClassPreencheDadosClassificacaoFiscal import;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ncm.left(30).toStdString());
        EXPECT_EQ(import.ClassificacaoJaExiste(c.ncm, target.Database()), c.found);
    }
}
