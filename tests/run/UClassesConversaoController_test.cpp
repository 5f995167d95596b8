#include "db/SourceConnection.h"
#include "db/TargetQuery.h"
#include "run/ParameterList.h"
#include "run/UClassesConversaoController.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "ui/RecordingUi.h"

#include <gtest/gtest.h>

using namespace vorlanda;

TEST(FEfetuaConversao, NothingTickedStillCommitsTheOpenTransactionAndReportsSuccess) {
    ScratchTarget target;
    ScopedRecordingUserInterface ui;
    SourceConnection source;
    RecordingGauge barra;
    RecordingLabel info;
    barra.SetProgress(40);

    // Work done in the transaction "Abrir" started is committed by the run.
    target.Transaction().StartTransaction();
    TargetQuery query(target.Database());
    query.SetSQL(QStringLiteral("INSERT INTO GRUPROD (CODGRUPO) VALUES ('001')"));
    query.ExecSQL();

    ParameterList params;
    params.Add(QStringLiteral("CLIENTES"));
    params.SetValue(QStringLiteral("CLIENTES"), QStringLiteral("s"));
    TClassesConversaoController controller;
    EXPECT_TRUE(controller.FEfetuaConversao(params, source, target.Database(), target.Transaction(),
                                            barra, info));

    EXPECT_FALSE(target.Transaction().InTransaction());
    EXPECT_EQ(target.Rows(QStringLiteral("SELECT CODGRUPO FROM GRUPROD")).size(), 1u);
    EXPECT_EQ(ui->Messages(), (std::vector<RecordingUserInterface::Message>{
                                  {RecordingUserInterface::Kind::Information,
                                   QStringLiteral("Conversão concluída com sucesso!")}}));
    EXPECT_EQ(barra.Progress(), 0);
    EXPECT_FALSE(source.Connected()); // nothing ticked: the source is never opened
}

TEST(FEfetuaConversao, StartsATransactionWhenNoneIsInProgress) {
    ScratchTarget target;
    ScopedRecordingUserInterface ui;
    SourceConnection source;
    RecordingGauge barra;
    RecordingLabel info;
    TClassesConversaoController controller;
    EXPECT_TRUE(controller.FEfetuaConversao(ParameterList(), source, target.Database(),
                                            target.Transaction(), barra, info));
    EXPECT_FALSE(target.Transaction().InTransaction());
    EXPECT_EQ(barra.History(), (QStringList{u"progress=0"_qs, u"progress=0"_qs}));
}
