#include "run/ParameterList.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace vorlanda;

TEST(ParameterList, BareKeysHaveNoValueAndSetValueAppendsOrReplaces) {
    ParameterList list;
    for (const char* key : {"CLIENTES", "PRODUTOS", "CAMINHO BD DESTINO"})
        list.Add(QString::fromLatin1(key));
    list.SetValue(QStringLiteral("PRODUTOS"), QStringLiteral("S"));

    EXPECT_EQ(list.Lines(), (QStringList{u"CLIENTES"_qs, u"PRODUTOS"_qs, u"CAMINHO BD DESTINO"_qs,
                                         u"PRODUTOS=S"_qs}));
    EXPECT_EQ(list.Value(QStringLiteral("PRODUTOS")), QStringLiteral("S"));
    EXPECT_EQ(list.Value(QStringLiteral("produtos")), QStringLiteral("S"));
    EXPECT_EQ(list.Value(QStringLiteral("CLIENTES")), QString());
    EXPECT_EQ(list.Value(QStringLiteral("NAO_EXISTE")), QString());

    list.SetValue(QStringLiteral("PRODUTOS"), QStringLiteral("N"));
    EXPECT_EQ(list.Lines().size(), 4);
    EXPECT_EQ(list.Value(QStringLiteral("PRODUTOS")), QStringLiteral("N"));
}
