#include "db/SourceConnection.h"
#include "run/ParameterList.h"
#include "run/UClassesConversaoController.h"
#include "support/LegacyDatabase.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "ui/RecordingUi.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace vorlanda;

namespace {

// A client conversion run through the controller, as "Converter" runs it.
class ClientImportTest : public ::testing::Test {
protected:
    bool Run() {
        ParameterList params;
        params.Add(QStringLiteral("CLIENTES"));
        params.SetValue(QStringLiteral("CLIENTES"), QStringLiteral("S"));
        return TClassesConversaoController().FEfetuaConversao(params, source, target.Database(),
                                                              target.Transaction(), barra, info);
    }

    std::vector<QStringList> Clients() {
        return target.Rows(QStringLiteral(
            "SELECT CODCLIENTE, NOME, ENDERECO, BAIRRO, CODCIDADE, ESTADO, CEP, FONE, "
            "DT_NASCIMENTO, CGCCPF, CONTATO, DT_CADASTRO, CAMPOLIVRE1, CAMPOLIVRE2, CAMPOLIVRE3, "
            "CAMPOLIVRE4, FAX, OBSERVACAO, CAMPOLIVRE5, LIMITECREDITO, PESSOA_FJ, CAMPOLIVRE6, "
            "ATIVO, DATA_ULT_ALTERACAO, CLIBLOQUEADO, MALADIRETAELETR, PROTESTARCLIENTE, "
            "NOMEFANTASIA, INSCEST, EMAIL, CODPAIS, DT_ULTVENDA, DT_VALCAD "
            "FROM CLIENTE ORDER BY CODCLIENTE"));
    }

    LegacyDatabase legacy;
    ScratchTarget target;
    ScopedRecordingUserInterface ui;
    SourceConnection source{legacy.Parameters()};
    RecordingGauge barra;
    RecordingLabel info;
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
};

const char* const insertClients = R"(INSERT INTO TBCLIENTES
 (CONTROLE, NOME, ENDERECO, BAIRRO, CIDADE, ESTADO, CEP, TELEFONE, DATA, CGC, CPF, RESPONSAVEL,
  DATACADASTRO, PAI, MAE, IDENTIDADE, FAX, OBSERVACAO, EMPRESATRABALHO, LIMITECREDITO, PESSOA,
  ESTADOCIVIL, REFERENCIA, ATIVO) VALUES
 (123, '  joana d''arc  ', 'Rua "Velha"; 10', 'Centro', 'Belo Horizonte', 'mg', '30.110-000',
  '(31) 3333-4444', '1980-12-25', '', '123.456.789-09', ' Maria ', '2020-03-15', 'José', 'Ana',
  'MG-12.345', '000000000000', 'linha1\nlinha2', 'Empresa X', 1500.50, 'F', 'casado', 'ref', 'S'),
 (NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,
  NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
 (3, 'São João D''Ávila de Souza Albuquerque Cavalcanti e Mello Figueiredo', 'Av. X', 'Sé',
  'BHTE', 'sp', '', '0000000000', '0000-00-00', '12.345.678/0001-90', '111', NULL, NULL, NULL,
  NULL, NULL, NULL, REPEAT('x', 150), NULL, NULL, 'Jurídica', NULL, NULL, NULL))";

} // namespace

TEST_F(ClientImportTest, ConvertsLegacyClientsWholeAndCreatesTheirCities) {
    legacy.Execute({QStringLiteral("SET SESSION sql_mode = ''"), QString::fromUtf8(insertClients)});
    target.Execute({QStringLiteral("INSERT INTO CLIENTE (CODCLIENTE) VALUES ('99999999')")});

    EXPECT_TRUE(Run());

    const QString none = QStringLiteral("<null>");
    const std::vector<QStringList> expected{
        {u"00000000"_qs,
         "",
         "",
         "",
         "",
         "",
         "",
         "",
         none,
         "",
         "",
         today,
         "",
         "",
         "",
         "",
         "",
         "",
         "",
         u"0"_qs,
         "",
         "",
         "",
         today,
         u"N"_qs,
         u"N"_qs,
         u"N"_qs,
         "",
         "",
         "",
         "",
         none,
         none},
        {u"00000003"_qs,
         u"SAO JOAO D'AVILA DE SOUZA ALBUQUERQUE CAVALCANTI E MELLO FIG"_qs,
         u"Av. X"_qs,
         u"Sé"_qs,
         u"00001"_qs,
         u"SP"_qs,
         "",
         u"0000000000"_qs,
         none,
         u"12345678000190"_qs,
         "",
         today,
         "",
         "",
         "",
         "",
         "",
         QString(100, u'x'),
         "",
         u"0"_qs,
         u"J"_qs,
         "",
         "",
         today,
         u"N"_qs,
         u"N"_qs,
         u"N"_qs,
         "",
         "",
         "",
         "",
         none,
         none},
        {u"00000123"_qs,
         u"JOANA D'ARC"_qs,
         u"Rua Velha; 10"_qs,
         u"Centro"_qs,
         u"00001"_qs,
         u"MG"_qs,
         u"30110000"_qs,
         u"3133334444"_qs,
         u"25.12.1980"_qs,
         u"12345678909"_qs,
         u"Maria"_qs,
         u"15.03.2020"_qs,
         u"MG-12.345"_qs,
         u"casado"_qs,
         u"José"_qs,
         u"Ana"_qs,
         u"000000000000"_qs,
         u"linha1\nlinha2"_qs,
         u"Empresa X"_qs,
         u"1500.5"_qs,
         u"F"_qs,
         u"ref"_qs,
         u"S"_qs,
         today,
         u"N"_qs,
         u"N"_qs,
         u"N"_qs,
         "",
         "",
         "",
         "",
         none,
         none},
    };
    EXPECT_EQ(Clients(), expected);
    EXPECT_EQ(target.Rows(QStringLiteral("SELECT CODCIDADE, CIDADE, ESTADO FROM CIDADES")),
              (std::vector<QStringList>{{u"00001"_qs, u"BELO HORIZONTE"_qs, u"MG"_qs}}));
    EXPECT_EQ(info.Captions(), (QStringList{u"Convertendo Clientes - Registro 1 de 3"_qs,
                                            u"Convertendo Clientes - Registro 2 de 3"_qs,
                                            u"Convertendo Clientes - Registro 3 de 3"_qs, ""}));
    EXPECT_EQ(barra.History(),
              (QStringList{u"progress=0"_qs, u"max=3"_qs, u"progress=1"_qs, u"progress=2"_qs,
                           u"progress=3"_qs, u"progress=0"_qs, u"max=0"_qs, u"progress=0"_qs}));
}

TEST_F(ClientImportTest, TwelveZerosAreNoPhoneAndABlankCgcFallsBackToTheCpf) {
    legacy.Execute(
        {QStringLiteral("INSERT INTO TBCLIENTES (CONTROLE, TELEFONE, CGC, CPF, CIDADE) VALUES "
                        "(1, '000000000000', '   ', '123.456.789-09', '   '), (2, '', "
                        "'11.111.111/0001-11', '9', ' ')")});
    EXPECT_TRUE(Run());
    EXPECT_EQ(target.Rows(QStringLiteral("SELECT CODCLIENTE, FONE, CGCCPF, CODCIDADE FROM CLIENTE "
                                         "ORDER BY 1")),
              (std::vector<QStringList>{{u"00000001"_qs, "", u"12345678909"_qs, ""},
                                        {u"00000002"_qs, "", u"11111111000111"_qs, ""}}));
    EXPECT_TRUE(target.Rows(QStringLiteral("SELECT * FROM CIDADES")).empty());
}

TEST_F(ClientImportTest, TextTheTargetCannotHoldEndsTheRunWithTheServersMessage) {
    legacy.Execute({QStringLiteral("INSERT INTO TBCLIENTES (CONTROLE, NOME) VALUES (1, 'Ana'), "
                                   "(2, CONCAT('Jo', CONVERT(0x81 USING latin1), 'o'))")});
    EXPECT_FALSE(Run());
    ASSERT_EQ(ui->Messages().size(), 1u);
    EXPECT_TRUE(ui->Messages()[0].text.startsWith(
        QStringLiteral("Ocorreu um erro durante a conversão! Motivo: ")));
    EXPECT_TRUE(ui->Messages()[0].text.contains(QStringLiteral("transliterate")))
        << ui->Messages()[0].text.toStdString();
    EXPECT_TRUE(Clients().empty()); // emptied and committed; the first row went with the rollback
    EXPECT_EQ(info.Caption(), QStringLiteral("Convertendo Clientes - Registro 2 de 2"));
}

TEST_F(ClientImportTest, DuplicateCodesEndTheRunAfterTheTableWasEmptied) {
    legacy.Execute(
        {QStringLiteral("INSERT INTO TBCLIENTES (CONTROLE, NOME) VALUES (7, 'A'), (7, 'B')")});
    target.Execute({QStringLiteral("INSERT INTO CLIENTE (CODCLIENTE) VALUES ('99999999')")});
    EXPECT_FALSE(Run());
    EXPECT_TRUE(ui->Messages()[0].text.contains(QStringLiteral("PK_CLIENTE")));
    EXPECT_TRUE(ui->Messages()[0].text.contains(
        QStringLiteral("\nCódigo 00000007 repetido: TBCLIENTES CONTROLE 7 e 7\n")))
        << ui->Messages()[0].text.toStdString();
    EXPECT_TRUE(Clients().empty());
}

TEST_F(ClientImportTest, ACityOrStateWiderThanCidadesIsRefusedNamingTheRowAndTheValues) {
    // Legacy databases in use have wider columns than the one the tool was made from.
    legacy.Execute({QStringLiteral("ALTER TABLE TBCLIENTES MODIFY CIDADE VARCHAR(80), "
                                   "MODIFY ESTADO VARCHAR(10)")});
    struct Case {
        QString cidade;
        QString estado;
    };
    const Case cases[] = {{QString(55, u'c'), QStringLiteral("MG")},
                          {QStringLiteral("Contagem"), QStringLiteral("ABCDE")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cidade.toStdString() + " " + c.estado.toStdString());
        legacy.Execute({QStringLiteral("DELETE FROM TBCLIENTES"),
                        QStringLiteral("INSERT INTO TBCLIENTES (CONTROLE, NOME, CIDADE, ESTADO) "
                                       "VALUES (1, 'Ana', 'Betim', 'MG'), (2, 'Bia', '%1', '%2')")
                            .arg(c.cidade, c.estado)});
        ui->Clear();
        EXPECT_FALSE(Run());
        ASSERT_EQ(ui->Messages().size(), 1u);
        const QString& message = ui->Messages()[0].text;
        EXPECT_TRUE(message.contains(QStringLiteral("string right truncation")))
            << message.toStdString();
        EXPECT_TRUE(message.endsWith(QStringLiteral("\nTBCLIENTES CONTROLE 2, coluna CIDADE: "
                                                    "'%1', coluna ESTADO: '%2'\nClientes: "
                                                    "interrompida, 0 registros em CLIENTE")
                                         .arg(c.cidade, c.estado)))
            << message.toStdString();
        EXPECT_TRUE(target.Rows(QStringLiteral("SELECT * FROM CIDADES")).empty());
    }
}
