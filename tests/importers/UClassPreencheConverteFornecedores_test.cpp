#include "importers/UClassPreencheConverteFornecedores.h"

#include "db/Error.h"
#include "db/SourceConnection.h"
#include "support/LegacyDatabase.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "ui/RecordingUi.h"

#include <gtest/gtest.h>

using namespace vorlanda;

namespace {

// A supplier import inside a target transaction, as the controller runs it.
class SupplierImportTest : public ::testing::Test {
protected:
    void Run() {
        target.Transaction().StartTransaction();
        TClassPreencheDadosFornecedores().PreencheConverteFornecedores(source, target.Database(),
                                                                       barra, info);
        // The import's own commit may be the last statement, leaving nothing to commit.
        if (target.Transaction().InTransaction())
            target.Transaction().Commit();
    }

    // Runs the import, expecting it to fail; rolls back as the controller does and returns
    // the error's message.
    QString FailingRun() {
        try {
            Run();
        } catch (const Error& error) {
            target.Transaction().Rollback();
            return error.Message();
        }
        ADD_FAILURE() << "the import succeeded";
        return {};
    }

    std::vector<QStringList> Suppliers() {
        return target.Rows(QStringLiteral(
            "SELECT CODFORNEC, NOME, NOMEFANTASIA, CONTATO, ENDERECO, BAIRRO, CEP, CODCIDADE, "
            "NUMERO, COMPLEMENTO, ESTADO, INSCMUNICIPAL, PESSOA_FJ, CGCCPF, INSCEST, OBSERVACAO, "
            "FONE, FAX, CELULAR, EMAIL, HOMEPAGE, CAMPOLIVRE1, CAMPOLIVRE2, CODCLIENTE, ATIVO, "
            "TIPOFORNECE, CONTACX, CTCTBRED FROM FORNECE ORDER BY CODFORNEC"));
    }

    std::vector<QStringList> Cities() {
        return target.Rows(
            QStringLiteral("SELECT CODCIDADE, CIDADE, ESTADO FROM CIDADES ORDER BY CODCIDADE"));
    }

    // A FORNECE row as the import writes it: the columns it never fills are empty text and
    // every supplier is active.
    static QStringList Supplier(const QString& codFornec, const QString& nome,
                                const QString& endereco, const QString& bairro, const QString& cep,
                                const QString& codCidade, const QString& estado,
                                const QString& pessoa, const QString& cgcCpf,
                                const QString& inscEst, const QString& observacao,
                                const QString& fone, const QString& fax, const QString& email) {
        return {codFornec, nome,       u""_qs, u""_qs,  endereco, bairro, cep,
                codCidade, u""_qs,     u""_qs, estado,  u""_qs,   pessoa, cgcCpf,
                inscEst,   observacao, fone,   fax,     u""_qs,   email,  u""_qs,
                u""_qs,    u""_qs,     u""_qs, u"S"_qs, u""_qs,   u""_qs, u""_qs};
    }

    LegacyDatabase legacy;
    ScratchTarget target;
    ScopedRecordingUserInterface ui;
    SourceConnection source{legacy.Parameters()};
    RecordingGauge barra;
    RecordingLabel info;
};

// Rows as the legacy program left them: masks, accents, quotes of both kinds, line breaks,
// exemption words, zero phones, NULLs and blanks, cities met more than once.
const char* const insertSuppliers = R"(INSERT INTO TBFORNECEDOR
 (CONTROLE, EMPRESA, ENDERECO, BAIRRO, CIDADE, ESTADO, CEP, TELEFONE, CGC, INSCRICAO, FAX, EMAIL,
  OBSERVACAO, PESSOA) VALUES
 (12, '  Distribuidora d''Ávila: Medicamentos; Ltda  ', 'Rua "Sete"; 7\nfundos', '  Centro  ',
  'Belo Horizonte', 'MG', '30.140-071', '(031) 3333-4444 r. 22', '12.345.678/0001-90',
  '062.123.456/0078', '000000000000', '  compras@davila.com.br ',
  'Entrega às 2ªs; "urgente"\r\nligar antes', 'J'),
 (7, 'farmácia são joão', 'Av. Brasil, 500', 'Savassi', 'Belo Horizonte', 'MG', '30140-071',
  '0000000000', 'ISENTO', 'isento', '  (31) 2222-3333', 'x''); DELETE FROM FORNECE; --',
  'x''); DELETE FROM FORNECE; --', 'Física'),
 (3, 'Laboratório Isenta', 'Rua da Consolação, 1', 'Consolação', 'São Paulo', 'sp', '01310-100',
  '   ', 'Isenta', ' isento ', '0000', NULL, NULL, 'j'),
 (NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
 (5, '   ', '   ', '   ', '   ', '  ', '   ', '   ', '   ', '   ', '   ', '   ', '   ', '   '),
 (1234567, 'Comercial de Produtos Farmacêuticos e Hospitalares Oliveira', REPEAT('r', 60),
  'Jardim das Oliveiras de Cima e de Baixo', 'BHTE', 'MG', '3014007100', '31 3333-4444 / 55556',
  'CPF 123.456.789-09', 'ISENTO', '', 'vendas@oliveira.com.br', REPEAT('o', 150), 'Juridica'),
 (8, 'Drogas "Oeste"', NULL, NULL, 'Pérola d''Oeste', 'pr', NULL, '', NULL, NULL, NULL, NULL,
  NULL, NULL))";

} // namespace

TEST_F(SupplierImportTest, ConvertsLegacySuppliersWholeAndCreatesTheirCities) {
    legacy.Execute({QString::fromUtf8(insertSuppliers)});
    target.Execute({QStringLiteral("INSERT INTO FORNECE (CODFORNEC) VALUES ('999999')")});

    Run();

    const std::vector<QStringList> expected{
        Supplier(u"000000"_qs, "", "", "", "", "", "", "", "", "", "", "", "", ""),
        Supplier(u"000003"_qs, u"LABORATORIO ISENTA"_qs, u"Rua da Consolação, 1"_qs,
                 u"Consolação"_qs, u"01310100"_qs, u"00002"_qs, u"sp"_qs, u"j"_qs, "",
                 u" ISENTO "_qs, "", "", u"0000"_qs, ""),
        Supplier(u"000005"_qs, "", u"   "_qs, "", u"   "_qs, u"00003"_qs, "", u" "_qs, "", "",
                 u"   "_qs, "", "", ""),
        Supplier(u"000007"_qs, u"FARMACIA SAO JOAO"_qs, u"Av. Brasil, 500"_qs, u"Savassi"_qs,
                 u"30140071"_qs, u"00001"_qs, u"MG"_qs, u"F"_qs, u"ISENTO"_qs, u"ISENTO"_qs,
                 u"x); DELETE FROM FORNECE; --"_qs, u"0000000000"_qs, u"3122223333"_qs,
                 u"x); DELETE FROM FORNECE; --"_qs),
        Supplier(u"000008"_qs, u"DROGAS \"OESTE\""_qs, "", "", "", u"00004"_qs, u"pr"_qs, "", "",
                 "", "", "", "", ""),
        Supplier(u"000012"_qs, u"DISTRIBUIDORA DAVILA. MEDICAMENTOS. LTDA"_qs,
                 u"Rua \"Sete\"; 7\nfundos"_qs, u"Centro"_qs, u"3014007"_qs, u"00001"_qs, u"MG"_qs,
                 u"J"_qs, u"12345678000190"_qs, u"0621234560078"_qs,
                 u"Entrega às 2ªs; \"urgente\"\r\nligar antes"_qs, u"03133334444"_qs, "",
                 u"compras@davila.com.br"_qs),
        Supplier(u"123456"_qs, u"COMERCIAL DE PRODUTOS FARMACEUTICOS E HOSPITALARES"_qs,
                 u"r"_qs.repeated(50), u"Jardim das Oliveiras de Cima e"_qs, u"301400710"_qs,
                 u"00001"_qs, u"MG"_qs, u"J"_qs, u"12345678909"_qs, u"ISENTO"_qs,
                 u"o"_qs.repeated(100), u"31333344445"_qs, "", u"vendas@oliveira.com.br"_qs),
    };
    EXPECT_EQ(Suppliers(), expected);
    EXPECT_EQ(Cities(), (std::vector<QStringList>{{u"00001"_qs, u"BELO HORIZONTE"_qs, u"MG"_qs},
                                                  {u"00002"_qs, u"SÃO PAULO"_qs, u"SP"_qs},
                                                  {u"00003"_qs, u"   "_qs, ""},
                                                  {u"00004"_qs, u"PÉROLA D'OESTE"_qs, u"PR"_qs}}));

    QStringList captions;
    for (int i = 1; i <= 7; ++i)
        captions.append(QStringLiteral("Convertendo Fornecedores - Registro %1 de 7").arg(i));
    captions.append(QString());
    EXPECT_EQ(info.Captions(), captions);
    EXPECT_EQ(barra.History(),
              (QStringList{u"max=7"_qs, u"progress=1"_qs, u"progress=2"_qs, u"progress=3"_qs,
                           u"progress=4"_qs, u"progress=5"_qs, u"progress=6"_qs, u"progress=7"_qs,
                           u"progress=0"_qs, u"max=0"_qs}));
    EXPECT_EQ(ui->EventRounds(), 7);
    EXPECT_TRUE(ui->Messages().empty());
}

TEST_F(SupplierImportTest, AnEmptyLegacyTableStillEmptiesFornece) {
    target.Execute({QStringLiteral("INSERT INTO FORNECE (CODFORNEC) VALUES ('999999')")});

    Run();

    EXPECT_TRUE(Suppliers().empty());
    EXPECT_TRUE(Cities().empty());
    EXPECT_EQ(info.Captions(), QStringList{QString()});
    EXPECT_EQ(barra.History(), (QStringList{u"max=0"_qs, u"progress=0"_qs, u"max=0"_qs}));
}

TEST_F(SupplierImportTest, CodesThatMeetInSixCharactersEndTheRunWithTheServersMessage) {
    legacy.Execute({QStringLiteral("INSERT INTO TBFORNECEDOR (CONTROLE, EMPRESA, CIDADE, ESTADO) "
                                   "VALUES (1234567, 'A', 'Contagem', 'MG'), (1234568, 'B', "
                                   "'Betim', 'MG'), (3, 'C', 'Sabará', 'MG')")});
    target.Execute({QStringLiteral("INSERT INTO FORNECE (CODFORNEC) VALUES ('999999')")});

    const QString message = FailingRun();

    EXPECT_TRUE(message.contains(u"PK_FORNECE"_qs)) << message.toStdString();
    EXPECT_TRUE(
        message.contains(u"\nCódigo 123456 repetido: TBFORNECEDOR CONTROLE 1234567 e 1234568"_qs))
        << message.toStdString();
    // Emptied and committed before the rows; the first row and both cities went with the
    // rollback.
    EXPECT_TRUE(Suppliers().empty());
    EXPECT_TRUE(Cities().empty());
    EXPECT_EQ(info.Caption(), u"Convertendo Fornecedores - Registro 2 de 3"_qs);
    EXPECT_EQ(barra.History(), (QStringList{u"max=3"_qs, u"progress=1"_qs}));
}

TEST_F(SupplierImportTest, TextTheTargetCannotHoldEndsTheRunWithTheServersMessage) {
    legacy.Execute({QStringLiteral("INSERT INTO TBFORNECEDOR (CONTROLE, EMPRESA) VALUES (1, "
                                   "'Ana'), (2, CONCAT('Jo', CONVERT(0x81 USING latin1), 'o'))")});

    const QString message = FailingRun();

    EXPECT_TRUE(message.contains(u"transliterate"_qs)) << message.toStdString();
    EXPECT_TRUE(Suppliers().empty());
    EXPECT_EQ(info.Caption(), u"Convertendo Fornecedores - Registro 2 de 2"_qs);
}
