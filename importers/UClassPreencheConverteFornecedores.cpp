#include "importers/UClassPreencheConverteFornecedores.h"

#include "db/SourceQuery.h"
#include "importers/CityLookup.h"
#include "importers/ImportLoop.h"
#include "writers/Fornecedor.h"
#include "writers/TextRules.h"

namespace vorlanda {

namespace {

// Exactly twelve zeros stand for "no phone" in the legacy rows; any other run of zeros is kept
// as a number.
bool IsPhone(const QString& value) {
    return value != u"000000000000" && !Trim(value).isEmpty();
}

} // namespace

QString TClassPreencheDadosFornecedores::LegacySelect() {
    return QStringLiteral(
        "SELECT CONTROLE, EMPRESA, ENDERECO, BAIRRO, CIDADE, ESTADO, CEP, "
        "TELEFONE, CGC, INSCRICAO, FAX, EMAIL, OBSERVACAO, PESSOA FROM TBFORNECEDOR");
}

SourceQuery& TClassPreencheDadosFornecedores::BuscaFornecedoresBDOrigem(SourceQuery& qryBusca) {
    qryBusca.ClearSQL();
    qryBusca.SetSQL(LegacySelect());
    qryBusca.Open();
    return qryBusca;
}

void TClassPreencheDadosFornecedores::PreencheConverteFornecedores(SourceConnection& DbOrigem,
                                                                   TargetDatabase& DbDestino,
                                                                   Gauge& Barra, Label& lblInfo) {
    TConverteFornece ConverteFornecedores(DbDestino);
    SourceQuery qryBusca;
    qryBusca.SetSQLConnection(&DbOrigem);
    TConversao FConversao(DbDestino);

    // FORNECE is emptied and committed before the legacy rows are read.
    ConverteFornecedores.LimpaTabela();
    BuscaFornecedoresBDOrigem(qryBusca);
    const auto text = [&qryBusca](const char* column) {
        return qryBusca.FieldByName(QLatin1String(column)).AsString();
    };
    ConvertEachRow(
        qryBusca, Barra, lblInfo, QStringLiteral("Convertendo Fornecedores - Registro "),
        u"TBFORNECEDOR", u"CONTROLE",
        [&] {
            ConverteFornecedores.SetCodFornec(text("CONTROLE"));
            ConverteFornecedores.SetNome(text("EMPRESA"));
            ConverteFornecedores.SetEndereco(text("ENDERECO"));
            ConverteFornecedores.SetBairro(text("BAIRRO"));
            // Untrimmed on purpose: a city of blanks is still looked up, and created.
            const QString cidade = text("CIDADE");
            if (!cidade.isEmpty())
                ConverteFornecedores.SetCodCidade(
                    LegacyCityCode(FConversao, cidade, text("ESTADO")));
            ConverteFornecedores.SetEstado(text("ESTADO"));
            ConverteFornecedores.SetCep(text("CEP"));
            const QString telefone = text("TELEFONE");
            if (IsPhone(telefone))
                ConverteFornecedores.SetFone(telefone);
            ConverteFornecedores.SetCgcCpf(text("CGC"));
            ConverteFornecedores.SetInscEst(text("INSCRICAO"));
            const QString fax = text("FAX");
            if (IsPhone(fax))
                ConverteFornecedores.SetFax(fax);
            ConverteFornecedores.SetEmail(text("EMAIL"));
            ConverteFornecedores.Setobservacao(text("OBSERVACAO"));
            ConverteFornecedores.SetPessoa_FJ(text("PESSOA"));
            ConverteFornecedores.SetAtivo(QStringLiteral("S"));
            ConverteFornecedores.GravaFornecedor();
        },
        [&](const SourceQuery& row) {
            ConverteFornecedores.SetCodFornec(
                row.FieldByName(QLatin1String("CONTROLE")).AsString());
            return ConverteFornecedores.CodFornec();
        });
}

} // namespace vorlanda
