#include "db/Error.h"
#include "db/SourceConnection.h"
#include "importers/UClassPreencheConverteProdutos.h"
#include "support/LegacyDatabase.h"
#include "support/QtPrinters.h"
#include "support/ScratchTarget.h"
#include "ui/RecordingUi.h"
#include "writers/classConversao.h"

#include <gtest/gtest.h>
#include <map>
#include <utility>
#include <vector>

using namespace vorlanda;

namespace {

using Values = std::vector<std::pair<const char*, QString>>;

// PRODUTO's columns with what an imported product holds when its legacy row gives nothing:
// the writer's reset values, the import's constants, and NULL for the dates the import never
// sets. The creation moment stamped by the table's trigger is left out.
const Values& ProductDefaults() {
    static const Values defaults = [] {
        const std::pair<const char*, const char*> columns[] = {{"CODPROD", ""},
                                                               {"TIPOPROD", "R"},
                                                               {"ATIVO", "S"},
                                                               {"PRODBLOQUEADO", "N"},
                                                               {"CONTROLESERIE", ""},
                                                               {"CONTROLELOTE", ""},
                                                               {"REFERENCIA", ""},
                                                               {"REFFABRICANTE", ""},
                                                               {"DESCRICAO", ""},
                                                               {"DESCRICAO2", ""},
                                                               {"DESCRICAO3", ""},
                                                               {"FORNEC_ULT_ENT1", ""},
                                                               {"CODGRUPO", ""},
                                                               {"CODSUBGRUPO", ""},
                                                               {"PRINCIPALFORNEC", ""},
                                                               {"EMBALAGEM", ""},
                                                               {"CODFABRIC", ""},
                                                               {"OBSERVACAO", ""},
                                                               {"CODLOCAL", ""},
                                                               {"CODCLASFIS", ""},
                                                               {"ALIQICMSREG00", "0"},
                                                               {"BASEICMSREG00", "0"},
                                                               {"CODTRIBUT00", ""},
                                                               {"MENSAGEM00", ""},
                                                               {"ALIQICMSREG01", "0"},
                                                               {"BASEICMSREG01", "0"},
                                                               {"CODTRIBUT01", ""},
                                                               {"MENSAGEM01", ""},
                                                               {"ALIQICMSREG02", "0"},
                                                               {"BASEICMSREG02", "0"},
                                                               {"CODTRIBUT02", ""},
                                                               {"MENSAGEM02", ""},
                                                               {"ALIQICMSREG03", "0"},
                                                               {"BASEICMSREG03", "0"},
                                                               {"CODTRIBUT03", ""},
                                                               {"MENSAGEM03", ""},
                                                               {"ALIQICMSDIVERSOS", "0"},
                                                               {"BASEICMSDIVERSOS", "0"},
                                                               {"CODTRIBUTDIVERSOS", ""},
                                                               {"MENSAGEMDIVERSOS", ""},
                                                               {"ALIQICMSPDV", "0"},
                                                               {"SUBSTRIB", ""},
                                                               {"ALIQIPI", "0"},
                                                               {"VALORIPI", "0"},
                                                               {"ALIQISS", "0"},
                                                               {"PESO", "0"},
                                                               {"UNIDADEENT", ""},
                                                               {"UNIDADESAIDA", ""},
                                                               {"CODFAMILIA", ""},
                                                               {"CODTIPOPRODUTO", "00"},
                                                               {"CODVOLUME", ""},
                                                               {"TIPOENTREGA", ""},
                                                               {"CODGENEROITEM", ""},
                                                               {"SUGESTAO", "0"},
                                                               {"PRECO", "0"},
                                                               {"DESCRICAOPRECO", ""},
                                                               {"PRECO2", "0"},
                                                               {"DESCRICAOPRECO2", ""},
                                                               {"PRECO3", "0"},
                                                               {"DESCRICAOPRECO3", ""},
                                                               {"PRECO4", "0"},
                                                               {"DESCRICAOPRECO4", ""},
                                                               {"PRECO_ANTERIOR", "0"},
                                                               {"PRECOPROMO", "0"},
                                                               {"PR_ULT_ENT1", "0"},
                                                               {"QUANT_ULT_ENT1", "0"},
                                                               {"LUCRO", "0"},
                                                               {"LUCRO2", "0"},
                                                               {"LUCRO3", "0"},
                                                               {"LUCRO4", "0"},
                                                               {"ESTMINIMO", "0"},
                                                               {"ESTMAXIMO", "0"},
                                                               {"COMISSAO", "0"},
                                                               {"PERC_IVA", "0"},
                                                               {"FATORCONVERSAO", "0"},
                                                               {"MULTDIVIDE", ""},
                                                               {"FRACIONADO", "S"},
                                                               {"PERCPERDA", "0"},
                                                               {"LUCROSUBSTRIB", "0"},
                                                               {"SUBSTRIBSAIDA", ""},
                                                               {"PERCBASESUBSTRIBSAIDA", "0"},
                                                               {"PERCICMSSUBSTRIBSAIDA", "0"},
                                                               {"SUBSTRIBSAIDAR1", ""},
                                                               {"PERCBASESUBSTRIBSAIDAR1", "0"},
                                                               {"PERCICMSSUBSTRIBSAIDAR1", "0"},
                                                               {"SUBSTRIBSAIDAR2", ""},
                                                               {"PERCBASESUBSTRIBSAIDAR2", "0"},
                                                               {"PERCICMSSUBSTRIBSAIDAR2", "0"},
                                                               {"SUBSTRIBSAIDAR3", ""},
                                                               {"PERCBASESUBSTRIBSAIDAR3", "0"},
                                                               {"PERCICMSSUBSTRIBSAIDAR3", "0"},
                                                               {"SUBSTRIBSAIDAR4", ""},
                                                               {"PERCBASESUBSTRIBSAIDAR4", "0"},
                                                               {"PERCICMSSUBSTRIBSAIDAR4", "0"},
                                                               {"CFOPFORAUF", ""},
                                                               {"CFOPDENTROUF", ""},
                                                               {"CAMPOLIVRE1", ""},
                                                               {"CAMPOLIVRE2", ""},
                                                               {"CAMPOLIVRE3", ""},
                                                               {"CAMPOLIVRE4", ""},
                                                               {"GRADE", "0"},
                                                               {"DT_CADASTRO", "<null>"},
                                                               {"DATA_ULT_ENT1", "<null>"},
                                                               {"DATA_ULT_REAJUSTE", "<null>"},
                                                               {"DATA_ULT_ALTERACAO", "<null>"}};
        Values values;
        for (const auto& [column, value] : columns)
            values.emplace_back(column, QString::fromUtf8(value));
        return values;
    }();
    return defaults;
}

QString ProductSelect() {
    QStringList columns;
    for (const auto& column : ProductDefaults())
        columns.append(QString::fromLatin1(column.first));
    return u"SELECT "_qs + columns.join(u", ") + u" FROM PRODUTO ORDER BY CODPROD"_qs;
}

// A whole expected PRODUTO row: the defaults with the given columns replaced.
QStringList Product(const std::map<QString, QString>& own) {
    QStringList row;
    std::size_t used = 0;
    for (const auto& [column, value] : ProductDefaults()) {
        const auto found = own.find(QString::fromLatin1(column));
        row.append(found == own.end() ? value : (++used, found->second));
    }
    EXPECT_EQ(used, own.size()) << "an expected column is not in PRODUTO";
    return row;
}

QStringList Stock(const QString& code, const char* estMinimo, const char* estMaximo,
                  const char* precoMedio, const char* precoCusto) {
    return {code,
            u"00"_qs,
            u"0000"_qs,
            u"0"_qs,
            u"0"_qs,
            QString::fromLatin1(estMinimo),
            QString::fromLatin1(estMaximo),
            QString::fromLatin1(precoMedio),
            QString::fromLatin1(precoCusto),
            u"0"_qs};
}

QStringList Detail(const QString& code, const QString& csosn) {
    return {code,    "",      "",      "",      "", "", u"0"_qs, u"0"_qs, "",      "",
            u"0"_qs, u"0"_qs, u"0"_qs, u"0"_qs, "", "", u"0"_qs, csosn,   u"0"_qs, u"0"_qs};
}

// A product import called the way the controller calls it: inside the run's transaction,
// committed when it returns and rolled back when it fails.
class ProductImportTest : public ::testing::Test {
protected:
    void Run() {
        conversao.PIniciaTransacao(target.Transaction());
        TClassPreencheDadosProdutos().PreencheConverteProdutos(source, target.Database(), barra,
                                                               info);
        conversao.PConfirmaTransacao(target.Transaction());
    }

    // The message of the error that ended the import, after the rollback.
    QString RunFailing() {
        try {
            Run();
        } catch (const Error& error) {
            conversao.PCancelaTransacao(target.Transaction());
            return error.Message();
        }
        ADD_FAILURE() << "the import did not fail";
        return {};
    }

    void FillTargetWithOldRows() {
        target.Execute({
            u"INSERT INTO PRODUTO (CODPROD, DESCRICAO) VALUES ('999999', 'velho')"_qs,
            u"INSERT INTO COMPPROD (CODPROD, CODEMPRESA, CODGRADE) VALUES ('999999', '00', "
            u"'0000')"_qs,
            u"INSERT INTO PRODUTODETALHE (CODPROD) VALUES ('999999')"_qs,
        });
    }

    std::vector<QStringList> Products() const { return target.Rows(ProductSelect()); }
    std::vector<QStringList> StockRows() const {
        return target.Rows(
            u"SELECT CODPROD, CODEMPRESA, CODGRADE, ESTOQUE, ESTOQUEDISPONIVEL, ESTMINIMO, "
            u"ESTMAXIMO, PRECOMEDIO, PRECOCUSTO, PRECONF FROM COMPPROD ORDER BY CODPROD"_qs);
    }
    std::vector<QStringList> Details() const {
        return target.Rows(
            u"SELECT CODPROD, CONTROLERECEITUARIO, CODIGOATIVIDADE, CODIGOLISTASERVICO, "
            u"ESPELHOMERCSERV, IMPORTADOPORTOSEGURO, CODPROMOCAO, ALIQPIS, PIS_CST, PISENT_CST, "
            u"PIS_ST, ALIQCOFINS, ALIQPISENT, ALIQCOFINSENT, COFINS_CST, COFINSENT_CST, "
            u"COFINS_ST, CODCSOSN, PRECOMAXVENDA, PONTOBONUS FROM PRODUTODETALHE "
            u"ORDER BY CODPROD"_qs);
    }
    std::vector<QStringList> Manufacturers() const {
        return target.Rows(u"SELECT CODFABRIC, DESCRICAO FROM CADFABR ORDER BY CODFABRIC"_qs);
    }

    LegacyDatabase legacy;
    ScratchTarget target;
    ScopedRecordingUserInterface ui;
    SourceConnection source{legacy.Parameters()};
    TConversao conversao{target.Database()};
    RecordingGauge barra;
    RecordingLabel info;
};

const char* const insertStock = R"(INSERT INTO TBESTOQUE
 (CODIGO, CODIGOBARRA, PRODUTO, GRUPO, FABRICANTE, PRECOCUSTO, CUSTOMEDIO, PRECOVENDA, ESTMINIMO,
  UNIDADE, LUCRO, ESTMAXIMO, CODNCM, MARCA, CODFORNECEDOR, PESO, DESCRICAOSIMPLES, ATIVO, CST,
  APLICACAO, CFOP, FRACIONADO, PRECOPRAZO, PRECOPROMOCAO, PRECOCINCO, REGISTROMS) VALUES
 ('4''2', ' 789''123', '  Dipirona Sódica 500mg D''Água  ', 1234, 'Laboratório D''Or', '12,50',
  11.25, '12.5', 2, 'CX''10un', '35,5', 20.5, '3004.90.69', ' Neo''Química ', ' 1''5 ', '',
  'Dipirona D''Água gotas', '1''', ' 0102 ', '  D''or e febre: uso adulto e infantil', '5''10',
  'False', 13.00, 11.90, NULL, ' 1.0573.0123''001 '),
 ('7', NULL, NULL, NULL, NULL, '  ', NULL, NULL, NULL, NULL, '', NULL, '1''3', NULL, NULL, NULL,
  NULL, NULL, 'x''y', NULL, NULL, 'f''', NULL, NULL, NULL, NULL),
 ('   ', '1', 'Nunca lido', 1, 'Nunca Criado', 'abc', 1, 'abc', 1, 'UN', 'abc', 1, '99999999',
  NULL, NULL, 'abc', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
 (' 1234567 ', '7891', 'Água Oxigenada 10 Volumes - Frasco com 100 ml e tampa de segurança', 5,
  'Laboratório D''Or', '3.2', 0.00001, '  ', 0.5, 'FRASCO GRANDE', NULL, 10, '30049069', NULL,
  '0', '0.1', NULL, '0', '0500', NULL, NULL, 'TRUE', NULL, NULL, 4.99, NULL),
 ('8', '7896004700011', 'Amoxicilina 500mg', 12, 'EMS', '8', 7.5, '-1.5', 1, 'CX', '1000', 5,
  '30049069', 'EMS', '15', '0,25', 'Amoxicilina', ' 0', '102', 'Antibiótico', '5405', 'false',
  10, 9.5, 9, '1.0235.0001'),
 ('9', NULL, 'Soro fisiológico', NULL, 'EMS', NULL, NULL, NULL, NULL, NULL, NULL, NULL, '123',
  NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL))";

} // namespace

TEST_F(ProductImportTest, ConvertsTheStockTableIntoProductsStockAndDetails) {
    legacy.Execute({QString::fromUtf8(insertStock)});
    FillTargetWithOldRows();

    Run();

    EXPECT_EQ(
        Products(),
        (std::vector<QStringList>{
            Product({{u"CODPROD"_qs, u"000007"_qs}, {u"CODCLASFIS"_qs, u"01'3"_qs}}),
            Product({{u"CODPROD"_qs, u"000008"_qs},
                     {u"REFERENCIA"_qs, u"7896004700011"_qs},
                     {u"DESCRICAO"_qs, u"Amoxicilina 500mg"_qs},
                     {u"CODGRUPO"_qs, u"012"_qs},
                     {u"CODFABRIC"_qs, u"00002"_qs},
                     {u"PRECO"_qs, u"-1.5"_qs},
                     {u"UNIDADEENT"_qs, u"CX"_qs},
                     {u"UNIDADESAIDA"_qs, u"CX"_qs},
                     {u"LUCRO"_qs, u"1000"_qs},
                     {u"CODCLASFIS"_qs, u"0001"_qs},
                     {u"CAMPOLIVRE1"_qs, u"EMS"_qs},
                     {u"PRINCIPALFORNEC"_qs, u"000015"_qs},
                     {u"PESO"_qs, u"0.25"_qs},
                     {u"DESCRICAO2"_qs, u"Amoxicilina"_qs},
                     {u"CAMPOLIVRE2"_qs, u"Antibiótico"_qs},
                     {u"CFOPFORAUF"_qs, u"5405"_qs},
                     {u"FRACIONADO"_qs, u"N"_qs},
                     {u"PRECO2"_qs, u"10"_qs},
                     {u"PRECO3"_qs, u"9.5"_qs},
                     {u"PRECO4"_qs, u"9"_qs},
                     {u"CAMPOLIVRE3"_qs, u"1.0235.0001"_qs}}),
            Product({{u"CODPROD"_qs, u"000009"_qs},
                     {u"DESCRICAO"_qs, u"Soro fisiológico"_qs},
                     {u"CODFABRIC"_qs, u"00002"_qs},
                     {u"CODCLASFIS"_qs, u"0123"_qs}}),
            Product({{u"CODPROD"_qs, u"0004'2"_qs},
                     {u"REFERENCIA"_qs, u" 789'123"_qs},
                     {u"DESCRICAO"_qs, u"Dipirona Sódica 500mg D'Água"_qs},
                     {u"CODGRUPO"_qs, u"234"_qs},
                     {u"CODFABRIC"_qs, u"00001"_qs},
                     {u"PRECO"_qs, u"12.5"_qs},
                     {u"UNIDADEENT"_qs, u"CX'10u"_qs},
                     {u"UNIDADESAIDA"_qs, u"CX'10u"_qs},
                     {u"LUCRO"_qs, u"35.5"_qs},
                     {u"CODCLASFIS"_qs, u"0001"_qs},
                     {u"CAMPOLIVRE1"_qs, u"Neo'Química"_qs},
                     {u"PRINCIPALFORNEC"_qs, u"0001'5"_qs},
                     {u"DESCRICAO2"_qs, u"Dipirona D'Água gotas"_qs},
                     {u"CODTRIBUT00"_qs, u"000"_qs},
                     {u"CAMPOLIVRE2"_qs, u"D'or e febre: uso ad"_qs},
                     {u"CFOPFORAUF"_qs, u"5'10"_qs},
                     {u"FRACIONADO"_qs, u"N"_qs},
                     {u"PRECO2"_qs, u"13"_qs},
                     {u"PRECO3"_qs, u"11.9"_qs},
                     {u"CAMPOLIVRE3"_qs, u"1.0573.0123'001"_qs}}),
            Product({{u"CODPROD"_qs, u"123456"_qs},
                     {u"REFERENCIA"_qs, u"7891"_qs},
                     {u"DESCRICAO"_qs, u"Água Oxigenada 10 Volumes - Frasco com 100 ml e ta"_qs},
                     {u"CODGRUPO"_qs, u"005"_qs},
                     {u"CODFABRIC"_qs, u"00001"_qs},
                     {u"UNIDADEENT"_qs, u"FRASCO"_qs},
                     {u"UNIDADESAIDA"_qs, u"FRASCO"_qs},
                     {u"CODCLASFIS"_qs, u"0001"_qs},
                     {u"PESO"_qs, u"0.1"_qs},
                     {u"ATIVO"_qs, u"N"_qs},
                     {u"CODTRIBUT00"_qs, u"060"_qs},
                     {u"PRECO4"_qs, u"4.99"_qs}}),
        }));
    EXPECT_EQ(StockRows(), (std::vector<QStringList>{
                               Stock(u"000007"_qs, "0", "0", "0", "0"),
                               Stock(u"000008"_qs, "1", "5", "7.5", "8"),
                               Stock(u"000009"_qs, "0", "0", "0", "0"),
                               Stock(u"0004'2"_qs, "2", "20.5", "11.25", "12.5"),
                               Stock(u"123456"_qs, "0.5", "10", "1e-05", "3.2"),
                           }));
    EXPECT_EQ(Details(), (std::vector<QStringList>{
                             Detail(u"000007"_qs, u"x'y"_qs),
                             Detail(u"000008"_qs, u"102"_qs),
                             Detail(u"000009"_qs, QString()),
                             Detail(u"0004'2"_qs, u" 0102 "_qs),
                             Detail(u"123456"_qs, u"0500"_qs),
                         }));
    EXPECT_EQ(Manufacturers(), (std::vector<QStringList>{{u"00001"_qs, u"Laboratório D'Or"_qs},
                                                         {u"00002"_qs, u"EMS"_qs}}));
    // Only NCMs of five characters or more are looked up; the dotted one and the plain one are
    // the same classification.
    EXPECT_EQ(
        target.Rows(u"SELECT CODCLASFIS, CODIGONCM, CODNBM, PISCONFRETIDO, CODNATRECEITA, "
                    u"ALIQIPI FROM CLASFISC ORDER BY CODCLASFIS"_qs),
        (std::vector<QStringList>{
            {u"0001"_qs, u"30049069"_qs, u"30049069"_qs, u"<null>"_qs, u"999"_qs, u"<null>"_qs},
        }));

    QStringList captions;
    for (int row = 1; row <= 6; ++row)
        captions.append(u"Convertendo Produtos - Registro %1 de 6"_qs.arg(row));
    captions.append(QString());
    EXPECT_EQ(info.Captions(), captions);
    EXPECT_EQ(barra.History(), (QStringList{u"max=6"_qs, u"progress=1"_qs, u"progress=2"_qs,
                                            u"progress=3"_qs, u"progress=4"_qs, u"progress=5"_qs,
                                            u"progress=6"_qs, u"progress=0"_qs, u"max=0"_qs}));
    EXPECT_EQ(ui->EventRounds(), 6);
    EXPECT_TRUE(ui->Messages().empty());
}

TEST_F(ProductImportTest, EachColumnRuleOfTheMapping) {
    struct Case {
        const char* legacyColumn;
        const char16_t* legacy; // nullptr: NULL
        const char* targetColumn;
        const char16_t* stored;
    };
    const Case cases[] = {
        {"ATIVO", u"0", "ATIVO", u"N"},
        {"ATIVO", u"1", "ATIVO", u"S"},
        {"ATIVO", u"S", "ATIVO", u"S"},
        {"ATIVO", nullptr, "ATIVO", u"S"},
        {"ATIVO", u" 0", "ATIVO", u"S"},
        {"FRACIONADO", u"false", "FRACIONADO", u"N"},
        {"FRACIONADO", u"FALSE", "FRACIONADO", u"N"},
        {"FRACIONADO", u" false", "FRACIONADO", u"S"},
        {"FRACIONADO", u"0", "FRACIONADO", u"S"},
        {"FRACIONADO", nullptr, "FRACIONADO", u"S"},
        {"CST", u" 0102 ", "CODTRIBUT00", u"000"},
        {"CST", u"0500", "CODTRIBUT00", u"060"},
        {"CST", u"102", "CODTRIBUT00", u""},
        {"CST", u"0101", "CODTRIBUT00", u""},
        {"CST", nullptr, "CODTRIBUT00", u""},
        {"CODFORNECEDOR", u"0", "PRINCIPALFORNEC", u""},
        {"CODFORNECEDOR", u" 0 ", "PRINCIPALFORNEC", u""},
        {"CODFORNECEDOR", u"   ", "PRINCIPALFORNEC", u""},
        {"CODFORNECEDOR", nullptr, "PRINCIPALFORNEC", u""},
        {"CODFORNECEDOR", u"15", "PRINCIPALFORNEC", u"000015"},
        {"CODFORNECEDOR", u"00", "PRINCIPALFORNEC", u"000000"},
        {"CODNCM", u"123", "CODCLASFIS", u"0123"},
        {"CODNCM", u" 12", "CODCLASFIS", u"0 12"},
        {"CODNCM", u"", "CODCLASFIS", u""},
        {"CODNCM", u"12345", "CODCLASFIS", u"0001"},
        {"CODNCM", u"1234.5", "CODCLASFIS", u"0001"},
        {"UNIDADE", u"", "UNIDADESAIDA", u""},
        {"UNIDADE", u"caixa grande", "UNIDADESAIDA", u"caixa "},
        {"GRUPO", u"7", "CODGRUPO", u"007"},
        {"PRECOVENDA", u"12,50", "PRECO", u"12.5"},
        {"PRECOVENDA", u"1e-05", "PRECO", u"1e-05"},
        {"PRECOVENDA", u"  ", "PRECO", u"0"},
        {"PRECOVENDA", u" 1.234,56\t", "PRECO", u"1234.56"},
        {"LUCRO", u"-3", "LUCRO", u"-3"},
        {"PESO", nullptr, "PESO", u"0"},
        {"FABRICANTE", u"", "CODFABRIC", u""},
    };
    QStringList inserts;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const QString value =
            c.legacy ? u"'"_qs + QString::fromUtf16(c.legacy) + u"'"_qs : u"NULL"_qs;
        inserts.append(u"INSERT INTO TBESTOQUE (CODIGO, %1) VALUES ('%2', %3)"_qs.arg(
            QString::fromLatin1(c.legacyColumn), QString::number(i + 1), value));
    }
    legacy.Execute(inserts);

    Run();

    const QStringList columns{
        u"ATIVO"_qs,      u"FRACIONADO"_qs,   u"CODTRIBUT00"_qs, u"PRINCIPALFORNEC"_qs,
        u"CODCLASFIS"_qs, u"UNIDADESAIDA"_qs, u"CODGRUPO"_qs,    u"PRECO"_qs,
        u"LUCRO"_qs,      u"PESO"_qs,         u"CODFABRIC"_qs};
    std::map<QString, QStringList> stored;
    for (const QStringList& row :
         target.Rows(u"SELECT CODPROD, "_qs + columns.join(u", ") + u" FROM PRODUTO"_qs))
        stored[row[0]] = row.mid(1);
    ASSERT_EQ(stored.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(u"%1 = %2"_qs
                         .arg(QString::fromLatin1(c.legacyColumn),
                              c.legacy ? QString::fromUtf16(c.legacy) : u"NULL"_qs)
                         .toStdString());
        const QString code = QString::number(i + 1).rightJustified(6, u'0');
        EXPECT_EQ(stored[code].at(columns.indexOf(QString::fromLatin1(c.targetColumn))),
                  QString::fromUtf16(c.stored));
    }
}

TEST_F(ProductImportTest, AnEmptyStockTableStillEmptiesTheThreeTables) {
    FillTargetWithOldRows();
    Run();
    EXPECT_TRUE(Products().empty());
    EXPECT_TRUE(StockRows().empty());
    EXPECT_TRUE(Details().empty());
    EXPECT_EQ(info.Captions(), QStringList{QString()});
    EXPECT_EQ(barra.History(), (QStringList{u"max=0"_qs, u"progress=0"_qs, u"max=0"_qs}));
}

TEST_F(ProductImportTest, TextThatIsNoNumberEndsTheRunNamingTheValue) {
    legacy.Execute({u"INSERT INTO TBESTOQUE (CODIGO, PRECOVENDA) VALUES ('1', '10'), "
                    u"('2', 'R$ 10,00')"_qs});
    FillTargetWithOldRows();

    const QString message = RunFailing();

    EXPECT_TRUE(message.endsWith(u"'R$ 10,00' não é um valor numérico válido\n"
                                 u"TBESTOQUE CODIGO 2, coluna PRECOVENDA: 'R$ 10,00'"_qs))
        << message.toStdString();
    // The clearings were committed; the first product went with the rollback.
    EXPECT_TRUE(Products().empty());
    EXPECT_TRUE(StockRows().empty());
    EXPECT_TRUE(Details().empty());
    EXPECT_EQ(info.Caption(), u"Convertendo Produtos - Registro 2 de 2"_qs);
}

TEST_F(ProductImportTest, ADuplicateCodeEndsTheRunAndKeepsWhatTheManufacturersCommitted) {
    legacy.Execute({u"INSERT INTO TBESTOQUE (CODIGO, FABRICANTE, CST) VALUES "
                    u"('1234567', 'Alfa', '0102'), ('1234568', 'Beta', '0500')"_qs});
    FillTargetWithOldRows();

    const QString message = RunFailing();

    EXPECT_TRUE(message.contains(u"PK_PRODUTO"_qs)) << message.toStdString();
    EXPECT_TRUE(message.contains(u"\nTBESTOQUE CODIGO 1234568\nCódigo 123456 repetido: TBESTOQUE "
                                 u"CODIGO 1234567 e 1234568"_qs))
        << message.toStdString();
    // Creating the second manufacturer committed the first product's three rows.
    EXPECT_EQ(Products(), (std::vector<QStringList>{Product({{u"CODPROD"_qs, u"123456"_qs},
                                                             {u"CODFABRIC"_qs, u"00001"_qs},
                                                             {u"CODTRIBUT00"_qs, u"000"_qs}})}));
    EXPECT_EQ(StockRows(), (std::vector<QStringList>{Stock(u"123456"_qs, "0", "0", "0", "0")}));
    EXPECT_EQ(Details(), (std::vector<QStringList>{Detail(u"123456"_qs, u"0102"_qs)}));
    EXPECT_EQ(Manufacturers(),
              (std::vector<QStringList>{{u"00001"_qs, u"Alfa"_qs}, {u"00002"_qs, u"Beta"_qs}}));
    EXPECT_EQ(info.Caption(), u"Convertendo Produtos - Registro 2 de 2"_qs);
    EXPECT_FALSE(target.Transaction().InTransaction());
}

TEST_F(ProductImportTest, AManufacturerTheTargetCannotStoreOnlyWarns) {
    legacy.Execute({u"INSERT INTO TBESTOQUE (CODIGO, FABRICANTE) VALUES "
                    u"('1', CONCAT('Lab', CONVERT(0x81 USING latin1))), ('2', 'EMS')"_qs});

    Run();

    ASSERT_EQ(ui->Messages().size(), 1u);
    EXPECT_EQ(ui->Messages()[0].kind, RecordingUserInterface::Kind::Warning);
    EXPECT_TRUE(ui->Messages()[0].text.startsWith(u"Erro ao converter Fabricante. Motivo: \r"_qs));
    EXPECT_TRUE(ui->Messages()[0].text.contains(u"transliterate"_qs))
        << ui->Messages()[0].text.toStdString();
    // The failed insert still hands its new code to the product, and the next manufacturer
    // created takes the same code.
    EXPECT_EQ(Products(),
              (std::vector<QStringList>{
                  Product({{u"CODPROD"_qs, u"000001"_qs}, {u"CODFABRIC"_qs, u"00001"_qs}}),
                  Product({{u"CODPROD"_qs, u"000002"_qs}, {u"CODFABRIC"_qs, u"00001"_qs}})}));
    EXPECT_EQ(Manufacturers(), (std::vector<QStringList>{{u"00001"_qs, u"EMS"_qs}}));
}
