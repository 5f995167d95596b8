#pragma once

#include "db/TargetDatabase.h"
#include "db/TargetQuery.h"
#include "db/TargetTransaction.h"
#include "writers/LookupMemo.h"

#include <QString>
#include <QStringList>

namespace vorlanda {

// The base of every record writer and a helper object in its own right: it binds to the
// target database and owns two queries there, QDestino for a writer's row statements and
// QAuxiliar for clearing, lookups and side records. Both run in the database's default
// transaction.
class TConversao {
public:
    explicit TConversao(TargetDatabase& cBanco);
    virtual ~TConversao();
    TConversao(const TConversao&) = delete;
    TConversao& operator=(const TConversao&) = delete;

    int QuantRegistro() const noexcept { return FQuantRegistro; }
    void SetQuantRegistro(int Value) noexcept { FQuantRegistro = Value; }
    int NumRegistroAtual() const noexcept { return FNumRegistroAtual; }
    void SetNumRegistroAtual(int Value) noexcept { FNumRegistroAtual = Value; }
    // Set when PLimpaTabela failed.
    bool ErroGravacao() const noexcept { return FErroGravacao; }

    // Start a transaction unless one is in progress; commit or roll back the one in
    // progress, if any.
    void PIniciaTransacao(TargetTransaction& Transacao) const;
    void PConfirmaTransacao(TargetTransaction& Transacao) const;
    void PCancelaTransacao(TargetTransaction& Transacao) const;

    // Empties a table and commits; a failure is reported to the operator, not raised.
    void PLimpaTabela(const QString& NomeTabela);
    // Switch the product trigger off and on; a failure is reported, not raised.
    void DesativaTriggers(TargetDatabase& DbDestino, TargetTransaction& Transacao) const;
    void AtivaTriggers(TargetDatabase& DbDestino, TargetTransaction& Transacao) const;

    // Reference lookups: the code of the row with this text, created with the next free code
    // when there is none. They work on QAuxiliar in the run's transaction.
    QString FCidade(const QString& Cidade, const QString& Estado);
    QString FGrupo(const QString& Grupo);
    QString FPais(const QString& Pais);
    QString FClasCli(const QString& ClasCli);
    QString FLocalProd(const QString& LocalProd);
    QString FRetornaCodClasFis(const QString& ClasFis);
    QString FGrupoComCodigoPredefinido(const QString& CodGrupo, const QString& Descricao);
    QString FSubGrupoComCodigoPredefinido(const QString& CodGrupo, const QString& CodSubgrupo,
                                          const QString& Descricao);
    // These three commit or report their own failures: a failure shows a warning, the run goes
    // on, and the code held at that moment (possibly empty) is returned.
    QString FFabricante(const QString& Fabricante);
    QString FFamilia(const QString& Familia);
    QString FUnidade(const QString& VFUNID);

protected:
    // Runs `deletion`, then `commit`, on QAuxiliar; a failure raises. The texts are the
    // writer's own because a failure's message shows them.
    void EmptyTable(const QString& deletion, const QString& commit = QStringLiteral("Commit;"));

    TargetDatabase& cnBanco;
    TargetQuery QDestino;
    TargetQuery QAuxiliar;

private:
    struct Reference;
    struct CommittedReference;
    // Searches with each "?" of `search` bound to its text; if that fails, the search with the
    // texts written in runs instead, with its own outcome and message.
    bool Search(const QString& search, const QStringList& texts = {});
    QString NextCode(const QString& maximumSql, const QString& codeColumn, int width,
                     const QString& firstCode);
    QString FindOrCreate(const Reference& reference, const QString& search,
                         const QStringList& values);
    QString Create(const Reference& reference, const QStringList& values);
    // Keeps the greatest code of a reference table current after this object added a row.
    void CodeCreated(const QString& maximumSql, const QString& code);
    QString FindOrCreateCommitted(const CommittedReference& reference, LookupMemo& memo,
                                  const QString& text);
    void SwitchProductTrigger(TargetDatabase& DbDestino, TargetTransaction& Transacao,
                              const QString& statement, const QString& warning) const;

    // The lookups a conversion calls for every row.
    LookupMemo cidades_{cnBanco};
    LookupMemo cidadesPelaCapital_{cnBanco}; // "BHTE" answered by the capital in any state
    LookupMemo classificacoes_{cnBanco};
    LookupMemo fabricantes_{cnBanco};
    LookupMemo familias_{cnBanco};
    // The greatest code of each reference table, by the statement that reads it.
    LookupMemo greatest_{cnBanco};

    int FQuantRegistro = 0;
    int FNumRegistroAtual = 0;
    bool FErroGravacao = false;
};

} // namespace vorlanda
