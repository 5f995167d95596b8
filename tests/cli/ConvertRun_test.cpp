#include "cli/ConvertRun.h"
#include "run/ParameterList.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace vorlanda;

TEST(RunParameters, BareKeysFirstThenTheSelectionInBoxOrder) {
    const ParameterList parameters =
        RunParameters({u"CLIENTES"_qs, u"GRUPOSPRODUTOS"_qs, u"PRODUTOS"_qs});
    EXPECT_EQ(parameters.Lines(),
              (QStringList{u"CLIENTES"_qs, u"FORNECEDORES"_qs, u"GRUPOSPRODUTOS"_qs,
                           u"CLASSIFICACAOFISCAL"_qs, u"PRODUTOS"_qs, u"CAMINHO BD DESTINO"_qs,
                           u"CAMINHO BD ORIGEM"_qs, u"CLIENTES=S"_qs, u"GRUPOSPRODUTOS=S"_qs,
                           u"PRODUTOS=S"_qs}));
    EXPECT_EQ(parameters.Value(u"FORNECEDORES"_qs), QString());
    EXPECT_EQ(RunParameters({}).Lines().size(), 7);
}
