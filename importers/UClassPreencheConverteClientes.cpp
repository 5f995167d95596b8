#include "importers/UClassPreencheConverteClientes.h"

#include "db/DayNumber.h"
#include "db/SourceQuery.h"
#include "importers/CityLookup.h"
#include "importers/ImportLoop.h"
#include "ui/UserInterface.h"
#include "writers/Cliente.h"
#include "writers/FormatSettings.h"
#include "writers/TextRules.h"

namespace vorlanda {

namespace {

// A legacy date as the writer's date setters expect it. A missing (NULL or zero) date stays
// empty: day 0 would give every client without a known date a false one.
QString LegacyDate(const SourceField& field) {
    if (field.IsNull())
        return {};
    return ProcessFormatSettings().FormatDate(DateFromDayNumber(field.AsDateTime()),
                                              QStringLiteral("DD/MM/YYYY"));
}

} // namespace

QString TClassPreencheDadosClientes::LegacySelect() {
    return QStringLiteral(
        "SELECT CONTROLE, NOME, ENDERECO, BAIRRO, CIDADE, ESTADO, CEP, TELEFONE, DATA, CGC, CPF, "
        "RESPONSAVEL, DATACADASTRO, PAI, MAE, IDENTIDADE, FAX, OBSERVACAO, EMPRESATRABALHO, "
        "LIMITECREDITO, PESSOA, ESTADOCIVIL, REFERENCIA, ATIVO FROM TBCLIENTES");
}

SourceQuery& TClassPreencheDadosClientes::BuscaClientesBDOrigem(SourceConnection& /*DBOrigem*/,
                                                                SourceQuery& qryBusca) {
    qryBusca.ClearSQL();
    qryBusca.SetSQL(LegacySelect());
    qryBusca.Open();
    return qryBusca;
}

void TClassPreencheDadosClientes::PreencheConverteClientes(SourceConnection& DbOrigem,
                                                           TargetDatabase& DbDestino, Gauge& Barra,
                                                           Label& lblInfo) {
    CurrentUserInterface().ProcessPendingEvents();
    TConverteCliente ConverteClientes(DbDestino);
    TConversao FConversao(DbDestino);
    SourceQuery qryBusca;
    qryBusca.SetSQLConnection(&DbOrigem);

    ConverteClientes.LimpaTabela();
    BuscaClientesBDOrigem(DbOrigem, qryBusca);
    const auto text = [&qryBusca](const char* column) {
        return qryBusca.FieldByName(QLatin1String(column)).AsString();
    };
    ConvertEachRow(
        qryBusca, Barra, lblInfo, QStringLiteral("Convertendo Clientes - Registro "), u"TBCLIENTES",
        u"CONTROLE",
        [&] {
            ConverteClientes.SetCodCliente(text("CONTROLE"));
            ConverteClientes.SetNome(text("NOME"));
            ConverteClientes.SetEndereco(text("ENDERECO"));
            ConverteClientes.SetBairro(text("BAIRRO"));
            const QString cidade = text("CIDADE");
            if (!Trim(cidade).isEmpty())
                ConverteClientes.SetCodCidade(LegacyCityCode(FConversao, cidade, text("ESTADO")));
            ConverteClientes.SetEstado(text("ESTADO"));
            ConverteClientes.SetCep(text("CEP"));
            const QString telefone = text("TELEFONE");
            if (telefone != u"000000000000")
                ConverteClientes.SetFone(telefone);
            ConverteClientes.SetDT_Nascimento(
                LegacyDate(qryBusca.FieldByName(QStringLiteral("DATA"))));
            const QString cgc = text("CGC");
            ConverteClientes.SetCgcCpf(Trim(cgc).isEmpty() ? text("CPF") : cgc);
            ConverteClientes.SetContato(text("RESPONSAVEL"));
            ConverteClientes.SetDT_Cadastro(
                LegacyDate(qryBusca.FieldByName(QStringLiteral("DATACADASTRO"))));
            ConverteClientes.SetCampoLivre1(text("IDENTIDADE"));
            ConverteClientes.SetCampoLivre2(text("ESTADOCIVIL"));
            ConverteClientes.SetCampoLivre3(text("PAI"));
            ConverteClientes.SetCampoLivre4(text("MAE"));
            ConverteClientes.SetFax(text("FAX"));
            ConverteClientes.SetObsercacao(text("OBSERVACAO"));
            ConverteClientes.SetCampoLivre5(text("EMPRESATRABALHO"));
            ConverteClientes.SetLimiteCredito(
                qryBusca.FieldByName(QStringLiteral("LIMITECREDITO")).AsFloat());
            ConverteClientes.SetPessoa_FJ(text("PESSOA"));
            ConverteClientes.SetCampoLivre6(text("REFERENCIA"));
            ConverteClientes.SetAtivo(text("ATIVO"));
            ConverteClientes.ExecutaSql(1);
        },
        [&](const SourceQuery& row) {
            ConverteClientes.SetCodCliente(row.FieldByName(QLatin1String("CONTROLE")).AsString());
            return ConverteClientes.CodCliente();
        });
}

} // namespace vorlanda
