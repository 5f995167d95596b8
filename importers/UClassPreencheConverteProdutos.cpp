#include "importers/UClassPreencheConverteProdutos.h"

#include "db/SourceQuery.h"
#include "importers/ImportLoop.h"
#include "importers/LegacyNumber.h"
#include "importers/LegacyValueError.h"
#include "writers/CompProd.h"
#include "writers/ConversionTally.h"
#include "writers/Produto.h"
#include "writers/ProdutoDetalhe.h"
#include "writers/TextRules.h"

namespace vorlanda {

QString TClassPreencheDadosProdutos::LegacySelect() {
    return QStringLiteral(
        "SELECT CODIGO, CODIGOBARRA, PRODUTO, GRUPO, FABRICANTE, PRECOCUSTO, CUSTOMEDIO, "
        "PRECOVENDA, ESTMINIMO, UNIDADE, LUCRO, ESTMAXIMO, CODNCM, MARCA, CODFORNECEDOR, PESO, "
        "DESCRICAOSIMPLES, ATIVO, CST, APLICACAO, CFOP, FRACIONADO, PRECOPRAZO, PRECOPROMOCAO, "
        "PRECOCINCO, REGISTROMS FROM TBESTOQUE");
}

SourceQuery& TClassPreencheDadosProdutos::BuscaProdutosBDOrigem(SourceQuery& qryBusca) {
    qryBusca.ClearSQL();
    qryBusca.SetSQL(LegacySelect());
    qryBusca.Open();
    return qryBusca;
}

void TClassPreencheDadosProdutos::PreencheConverteProdutos(SourceConnection& DbOrigem,
                                                           TargetDatabase& DbDestino, Gauge& Barra,
                                                           Label& lblInfo) {
    TConverteProduto ConverteProdutos(DbDestino);
    TConverteCompProd ConverteCompProdutos(DbDestino);
    TConverteProdutoDetalhe ConverteProdutoDetalhe(DbDestino);
    TConversao FConversao(DbDestino);
    SourceQuery qryBusca;
    qryBusca.SetSQLConnection(&DbOrigem);

    // Each clearing commits, so the three tables are empty for good before a row is read.
    ConverteProdutos.LimpaTabela();
    ConverteCompProdutos.LimpaTabela();
    ConverteProdutoDetalhe.LimpaTabela();
    BuscaProdutosBDOrigem(qryBusca);

    const auto text = [&qryBusca](const char* column) {
        return qryBusca.FieldByName(QLatin1String(column)).AsString();
    };
    const auto number = [&text](const char* column) {
        const QString value = text(column);
        return NamingLegacyValues(
            [&] { return LegacyNumber(value); },
            [&] {
                return std::vector<LegacyValue>{{QString::fromLatin1(column), value}};
            });
    };
    const auto convertRow = [&] {
        const QString codigo = text("CODIGO");
        if (Trim(codigo).isEmpty()) {
            NoteRowSkipped(QStringLiteral("código em branco"));
            return;
        }

        ConverteProdutos.SetCodProd(codigo);
        ConverteProdutos.SetReferencia(text("CODIGOBARRA"));
        ConverteProdutos.SetDescricao(text("PRODUTO"));
        ConverteProdutos.SetCodGrupo(text("GRUPO"));
        // Looked up for every row: an empty name finds nothing and creates nothing.
        ConverteProdutos.SetFCodFabric(FConversao.FFabricante(text("FABRICANTE")));
        // The stock and detail rows take the product code as the product writer cut and padded
        // it, so the three rows share one key.
        ConverteCompProdutos.SetCodProd(ConverteProdutos.CodProd());
        ConverteCompProdutos.SetPrecoCusto(number("PRECOCUSTO"));
        ConverteCompProdutos.setPrecoMedio(number("CUSTOMEDIO"));
        ConverteProdutos.SetPreco(number("PRECOVENDA"));
        ConverteCompProdutos.SetEstMinimo(number("ESTMINIMO"));
        ConverteProdutos.SetUnidEntrada(text("UNIDADE"));
        ConverteProdutos.SetUnidSaida(ConverteProdutos.UnidEntrada());
        ConverteProdutos.SetLucro(number("LUCRO"));
        ConverteCompProdutos.SetEstMaximo(number("ESTMAXIMO"));
        // Four characters or fewer are taken for a classification code already, not an NCM.
        const QString ncm = text("CODNCM");
        ConverteProdutos.SetCodClasFis(ncm.size() >= 5 ? FConversao.FRetornaCodClasFis(ncm) : ncm);
        ConverteProdutos.SetCampoLivre1(text("MARCA"));
        const QString fornecedor = text("CODFORNECEDOR");
        const QString fornecedorAparado = Trim(fornecedor);
        if (!fornecedorAparado.isEmpty() && fornecedorAparado != u"0")
            ConverteProdutos.SetPrincipalFornecedor(fornecedor);
        ConverteProdutos.SetPeso(number("PESO"));
        ConverteProdutos.SetDescricao2(text("DESCRICAOSIMPLES"));
        ConverteProdutos.SetAtivado(text("ATIVO") == u"0" ? QStringLiteral("N")
                                                          : QStringLiteral("S"));
        ConverteProdutoDetalhe.SetCODPROD(ConverteProdutos.CodProd());
        const QString cst = text("CST");
        ConverteProdutoDetalhe.SetCODCSOSN(cst);
        const QString cstAparado = Trim(cst);
        if (cstAparado == u"0102")
            ConverteProdutos.SetCodTribut00(QStringLiteral("000"));
        if (cstAparado == u"0500")
            ConverteProdutos.SetCodTribut00(QStringLiteral("060"));
        ConverteProdutos.SetCampoLivre2(text("APLICACAO"));
        ConverteProdutos.SetCFOPForaUF(text("CFOP"));
        ConverteProdutos.SetFracionado(
            UpperCase(text("FRACIONADO")) == u"FALSE" ? QStringLiteral("N") : QStringLiteral("S"));
        ConverteProdutos.SetPreco2(number("PRECOPRAZO"));
        ConverteProdutos.SetPreco3(number("PRECOPROMOCAO"));
        ConverteProdutos.SetPreco4(number("PRECOCINCO"));
        ConverteProdutos.SetCampoLivre3(text("REGISTROMS"));
        ConverteProdutos.SetCodTipoProduto(QStringLiteral("00"));
        ConverteProdutos.SetTipoProd(QStringLiteral("R"));

        ConverteProdutos.ExecutaSql();
        ConverteCompProdutos.ExecutaSql();
        ConverteProdutoDetalhe.ExecutaSql();
    };
    // A product, its stock and its details share the key: whichever says it is repeated, the
    // code tells the rows apart. A blank code writes nothing, so it repeats nothing.
    const auto codeOf = [&](const SourceQuery& row) {
        const QString codigo = row.FieldByName(QLatin1String("CODIGO")).AsString();
        if (Trim(codigo).isEmpty())
            return QString();
        ConverteProdutos.SetCodProd(codigo);
        return ConverteProdutos.CodProd();
    };
    ConvertEachRow(qryBusca, Barra, lblInfo, QStringLiteral("Convertendo Produtos - Registro "),
                   u"TBESTOQUE", u"CODIGO", convertRow, codeOf);
}

} // namespace vorlanda
