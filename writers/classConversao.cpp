#include "writers/classConversao.h"

#include "db/Error.h"
#include "ui/UserInterface.h"

namespace vorlanda {

TConversao::TConversao(TargetDatabase& cBanco)
    : cnBanco(cBanco), QDestino(cBanco), QAuxiliar(cBanco) {}

TConversao::~TConversao() = default;

void TConversao::PIniciaTransacao(TargetTransaction& Transacao) const {
    if (!Transacao.InTransaction())
        Transacao.StartTransaction();
}

void TConversao::PConfirmaTransacao(TargetTransaction& Transacao) const {
    if (Transacao.InTransaction())
        Transacao.Commit();
}

void TConversao::PCancelaTransacao(TargetTransaction& Transacao) const {
    if (Transacao.InTransaction())
        Transacao.Rollback();
}

void TConversao::PLimpaTabela(const QString& NomeTabela) {
    TargetQuery query(cnBanco);
    try {
        query.SetSQL(QStringLiteral("DELETE FROM ") + NomeTabela);
        query.ExecSQL();
        query.SetSQL(QStringLiteral("COMMIT"));
        query.ExecSQL();
    } catch (const Error& error) {
        FErroGravacao = true;
        CurrentUserInterface().ShowError(
            QStringLiteral("Erro na Exclusão da tabela ") + NomeTabela + QStringLiteral(".\r") +
            error.Message() + QStringLiteral("\rVerifique se a tabela está em Transação."));
    }
}

void TConversao::EmptyTable(const QString& deletion, const QString& commit) {
    QAuxiliar.Close();
    QAuxiliar.SetSQL(deletion);
    QAuxiliar.ExecSQL();
    QAuxiliar.Close();
    QAuxiliar.SetSQL(commit);
    QAuxiliar.ExecSQL();
}

void TConversao::DesativaTriggers(TargetDatabase& DbDestino, TargetTransaction& Transacao) const {
    SwitchProductTrigger(DbDestino, Transacao, QStringLiteral("ALTER TRIGGER PRODUTO_BI0 INACTIVE"),
                         QStringLiteral("Erro ao desativar as Triggers: "));
}

void TConversao::AtivaTriggers(TargetDatabase& DbDestino, TargetTransaction& Transacao) const {
    SwitchProductTrigger(DbDestino, Transacao, QStringLiteral("ALTER TRIGGER PRODUTO_BI0 ACTIVE"),
                         QStringLiteral("Erro ao ativar as Triggers: "));
}

void TConversao::SwitchProductTrigger(TargetDatabase& DbDestino, TargetTransaction& Transacao,
                                      const QString& statement, const QString& warning) const {
    try {
        TargetQuery query(DbDestino);
        PIniciaTransacao(Transacao);
        query.ClearSQL();
        query.AddSQL(statement);
        query.ExecSQL();
        PConfirmaTransacao(Transacao);
    } catch (const Error& error) {
        CurrentUserInterface().ShowWarning(warning + error.Message());
        PCancelaTransacao(Transacao);
    }
}

} // namespace vorlanda
