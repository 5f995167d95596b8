#pragma once

#include "db/ParameterisedStatement.h"
#include "writers/classConversao.h"

#include <optional>

namespace vorlanda {

// One supplier of FORNECE: every value is cleaned as it is assigned and the record is written
// as one literal INSERT of text values. Every setter but SetAtivo drops apostrophes from its
// argument before anything else.
class TConverteFornece : public TConversao {
public:
    explicit TConverteFornece(TargetDatabase& cBanco);

    const QString& CodFornec() const noexcept { return FCodFornec; }
    const QString& CodCliente() const noexcept { return FCodCliente; }
    const QString& Nome() const noexcept { return FNome; }
    const QString& NomeFantasia() const noexcept { return FNomeFantasia; }
    const QString& Contato() const noexcept { return FContato; }
    const QString& Endereco() const noexcept { return FEndereco; }
    const QString& Bairro() const noexcept { return FBairro; }
    const QString& Cep() const noexcept { return FCep; }
    const QString& CodCidade() const noexcept { return FCodCidade; }
    // Held for callers; FORNECE has no column for it.
    const QString& NomeCidade() const noexcept { return FNomeCidade; }
    const QString& Numero() const noexcept { return FNumero; }
    const QString& Complemento() const noexcept { return FComplemento; }
    const QString& Estado() const noexcept { return FEstado; }
    const QString& InscMunicipal() const noexcept { return FInscMunicipal; }
    const QString& Pessoa_FJ() const noexcept { return FPessoa_FJ; }
    const QString& CgcCpf() const noexcept { return FCgcCpf; }
    const QString& InscEst() const noexcept { return FInscEst; }
    const QString& Fone() const noexcept { return FFone; }
    const QString& Fax() const noexcept { return FFax; }
    const QString& Celular() const noexcept { return FCelular; }
    const QString& Email() const noexcept { return FEmail; }
    const QString& HomePage() const noexcept { return FHomePage; }
    const QString& CampoLivre1() const noexcept { return FCampoLivre1; }
    const QString& CampoLivre2() const noexcept { return FCampoLivre2; }
    const QString& ContaCx() const noexcept { return FContaCx; }
    const QString& CTCTbred() const noexcept { return FCTCTbred; }
    const QString& Observacao() const noexcept { return FObservacao; }
    const QString& Ativo() const noexcept { return FAtivo; }
    const QString& TipoFornece() const noexcept { return FTipoFornece; }

    // Cut to 6 before the zero padding, so a longer code keeps its first six characters.
    void SetCodFornec(const QString& Value);
    void SetCodcliente(const QString& Value);
    // Trimmed, cut, upper-cased, common accents removed.
    void SetNome(const QString& Value);
    void SetNomeFantasia(const QString& Value);
    void SetContato(const QString& Value);
    // Cut to 50 but not trimmed: a blank address stays blank.
    void SetEndereco(const QString& Value);
    void SetBairro(const QString& Value);
    void SetCep(const QString& Value);
    // An empty code stays empty; any other is cut and zero-padded to 5.
    void SetCodCidade(const QString& Value);
    void SetNomeCidade(const QString& Value);
    void SetNumero(const QString& Value);
    void SetComplemento(const QString& Value);
    // The first two characters as given, neither trimmed nor upper-cased.
    void SetEstado(const QString& Value);
    void SetInscMunicipal(const QString& Value);
    void SetPessoa_FJ(const QString& Value);
    void SetCgcCpf(const QString& Value);
    void SetInscEst(const QString& Value);
    // The digits among the first 16 characters.
    void SetFone(const QString& Value);
    void SetFax(const QString& Value);
    void SetCelular(const QString& Value);
    // Trimmed, never cut.
    void SetEmail(const QString& Value);
    void SetHomePage(const QString& Value);
    void SetCampoLivre1(const QString& Value);
    void SetCampoLivre2(const QString& Value);
    void SetContaCx(const QString& Value);
    void SetCTCTbred(const QString& Value);
    void Setobservacao(const QString& Value);
    // The first character, upper-cased; the one setter that keeps an apostrophe.
    void SetAtivo(const QString& Value);
    // Stored whole.
    void SetTipoFornece(const QString& Value);

    // Resets the record; CodCliente, ContaCx, CTCTbred and Ativo keep their values.
    void LimpaVariavel();
    // Empties FORNECE and commits.
    void LimpaTabela();
    QString MontaSql() const;
    // MontaSql's INSERT with its values bound, as LiteralsToParameters reads the text.
    std::optional<ParameterisedStatement> BoundInsert() const;
    // Inserts the record, then resets it; a server error leaves the record as it was.
    void GravaFornecedor();

private:
    // The column table, which reads and resets the fields.
    friend struct ForneceColumns;
    mutable QString insertShape_; // of BoundInsert, the same for every record
    QString FCodFornec;
    QString FCodCliente;
    QString FNome;
    QString FNomeFantasia;
    QString FContato;
    QString FEndereco;
    QString FBairro;
    QString FCep;
    QString FCodCidade;
    QString FNomeCidade;
    QString FNumero;
    QString FComplemento;
    QString FEstado;
    QString FInscMunicipal;
    QString FPessoa_FJ;
    QString FCgcCpf;
    QString FInscEst;
    QString FFone;
    QString FFax;
    QString FCelular;
    QString FEmail;
    QString FHomePage;
    QString FCampoLivre1;
    QString FCampoLivre2;
    QString FContaCx;
    QString FCTCTbred;
    QString FObservacao;
    QString FAtivo;
    QString FTipoFornece;
};

} // namespace vorlanda
