#pragma once

#include "db/ParameterisedStatement.h"
#include "writers/classConversao.h"

#include <array>
#include <optional>

namespace vorlanda {

// One client of CLIENTE: every value is cleaned as it is assigned, and the record is written
// as one literal INSERT or UPDATE. Text setters drop double quotes; dates are held as
// day.month.year, the form the target reads whatever its regional settings.
class TConverteCliente : public TConversao {
public:
    explicit TConverteCliente(TargetDatabase& cBanco);

    const QString& CodCliente() const noexcept { return FCodCliente; }
    const QString& CodFornec() const noexcept { return FCodFornec; }
    const QString& Nome() const noexcept { return FNome; }
    const QString& Contato() const noexcept { return FContato; }
    const QString& NomeFantasia() const noexcept { return FNomeFantasia; }
    const QString& Endereco() const noexcept { return FEndereco; }
    const QString& EnderecoEntr() const noexcept { return FEnderecoEntr; }
    const QString& EnderecoCob() const noexcept { return FEnderecoCob; }
    const QString& Bairro() const noexcept { return FBairro; }
    const QString& BairroEntr() const noexcept { return FBairroEntr; }
    const QString& BairroCob() const noexcept { return FBairroCob; }
    const QString& CodCidade() const noexcept { return FCodCidade; }
    const QString& NomeCidade() const noexcept { return FNomeCidade; }
    const QString& CodCidadeEntr() const noexcept { return FCodCidadeEntr; }
    const QString& NomeCidadeEntr() const noexcept { return FNomeCidadeEntr; }
    const QString& CodCidadeCob() const noexcept { return FCodCidadeCob; }
    const QString& NomeCidadeCob() const noexcept { return FNomeCidadeCob; }
    const QString& Estado() const noexcept { return FEstado; }
    const QString& EstadoEntr() const noexcept { return FEstadoEntr; }
    const QString& EstadoCob() const noexcept { return FEstadoCob; }
    const QString& Cep() const noexcept { return FCep; }
    const QString& CepEntr() const noexcept { return FCepEntr; }
    const QString& CepCob() const noexcept { return FCepCob; }
    const QString& CgcCpf() const noexcept { return FCgcCpf; }
    const QString& InscEst() const noexcept { return FInscEst; }
    const QString& InscMunicipal() const noexcept { return FInscMunicipal; }
    const QString& Pessoa_FJ() const noexcept { return FPessoa_FJ; }
    const QString& Fone() const noexcept { return FFone; }
    const QString& Fax() const noexcept { return FFax; }
    const QString& PrefixCelular() const noexcept { return FPrefixCelular; }
    const QString& Celular() const noexcept { return FCelular; }
    const QString& Email() const noexcept { return FEmail; }
    const QString& HomePage() const noexcept { return FHomePage; }
    const QString& Ativo() const noexcept { return FAtivo; }
    const QString& NomeMae() const noexcept { return FNomeMae; }
    const QString& NomePai() const noexcept { return FNomePai; }
    const QString& CliBloqueado() const noexcept { return FCliBloqueado; }
    const QString& RetemISS() const noexcept { return FRetemISS; }
    const QString& MalaDiretaEletr() const noexcept { return FMalaDiretaEletr; }
    const QString& ProtestarCliente() const noexcept { return FProtestarCliente; }
    const QString& DT_Nascimento() const noexcept { return FDT_Nascimento; }
    const QString& DT_Cadastro() const noexcept { return FDT_Cadastro; }
    const QString& Dt_Ult_Venda() const noexcept { return FDT_Ult_Venda; }
    const QString& Dt_Ult_Alteracao() const noexcept { return FDT_Ult_Alteracao; }
    const QString& DT_ValCad() const noexcept { return FDT_Valcad; }
    const QString& Observacao() const noexcept { return FObservacao; }
    const QString& CampoLivre1() const noexcept { return FCampoLivre1; }
    const QString& CampoLivre2() const noexcept { return FCampoLivre2; }
    const QString& CampoLivre3() const noexcept { return FCampoLivre3; }
    const QString& CampoLivre4() const noexcept { return FCampoLivre4; }
    const QString& CampoLivre5() const noexcept { return FCampoLivre5; }
    const QString& CampoLivre6() const noexcept { return FCampoLivre6; }
    const QString& CampoLivre7() const noexcept { return FCampoLivre7; }
    const QString& CampoLivre8() const noexcept { return FCampoLivre8; }
    const QString& CampoLivre9() const noexcept { return FCampoLivre9; }
    const QString& CampoLivre10() const noexcept { return FCampoLivre10; }
    const QString& CodPais() const noexcept { return FCodPais; }
    const QString& NomeSocio() const noexcept { return FNomeSocio; }
    double LimiteCredito() const noexcept { return FLimiteCredito; }
    const QString& CodSegmento() const noexcept { return FCodSegmento; }
    const QString& CodClasCli() const noexcept { return FCodClasCli; }
    const QString& CodVendend1() const noexcept { return FCodVendend1; }

    // Zero-padded to 8 before the mask is removed, so "12.345-6" keeps six digits.
    void SetCodCliente(const QString& Value);
    void SetCodFornec(const QString& Value);
    // Trimmed, 60 characters, upper-cased, common accents removed.
    void SetNome(const QString& Value);
    void SetContato(const QString& Value);
    void SetNomeFantasia(const QString& Value);
    void SetEndereco(const QString& Value);
    void SetEnderecoEntr(const QString& Value);
    void SetEnderecoCob(const QString& Value);
    void SetBairro(const QString& Value);
    void SetBairroEntr(const QString& Value);
    void SetBairroCob(const QString& Value);
    // An empty code stays empty; any other is cut and zero-padded to 5.
    void SetCodCidade(const QString& Value);
    void SetNomeCidade(const QString& Value);
    void SetCodCidadeEntr(const QString& Value);
    void SetNomeCidadeEntr(const QString& Value);
    void SetCodCidadeCob(const QString& Value);
    void SetNomeCidadeCob(const QString& Value);
    // Not trimmed: " mg" keeps its blank and becomes " M".
    void SetEstado(const QString& Value);
    void SetEstadoEntr(const QString& Value);
    void SetEstadoCob(const QString& Value);
    void SetCep(const QString& Value);
    void SetCepEntr(const QString& Value);
    void SetCepCob(const QString& Value);
    void SetCgcCpf(const QString& Value);
    void SetInscEst(const QString& Value);
    void SetInscMunicipal(const QString& Value);
    void SetPessoa_FJ(const QString& Value);
    void SetFone(const QString& Value);
    void SetFax(const QString& Value);
    void SetPrefixCelular(const QString& Value);
    void SetCelular(const QString& Value);
    void SetEmail(const QString& Value);
    void SetHomePage(const QString& Value);
    void SetAtivo(const QString& Value);
    void SetNomeMae(const QString& Value);
    void SetNomePai(const QString& Value);
    void SetCliBloqueado(const QString& Value);
    void SetRetemISS(const QString& Value);
    void SetMalaDiretaEletr(const QString& Value);
    void SetProtestarCliente(const QString& Value);
    // An empty date stays empty; an unreadable one is kept with "/" turned into ".".
    void SetDT_Nascimento(const QString& Value);
    // An empty date gives today; an unreadable one is kept with "/" turned into ".".
    void SetDT_Cadastro(const QString& Value);
    // An empty date gives today; an unreadable one gives an empty field.
    void SetDt_Ult_Venda(const QString& Value);
    void SetDt_Ult_Alteracao(const QString& Value);
    void SetDT_Valcad(const QString& Value);
    void SetObsercacao(const QString& Value);
    void SetCampoLivre1(const QString& Value);
    void SetCampoLivre2(const QString& Value);
    void SetCampoLivre3(const QString& Value);
    void SetCampoLivre4(const QString& Value);
    void SetCampoLivre5(const QString& Value);
    void SetCampoLivre6(const QString& Value);
    void SetCampoLivre7(const QString& Value);
    void SetCampoLivre8(const QString& Value);
    void SetCampoLivre9(const QString& Value);
    void SetCampoLivre10(const QString& Value);
    // An empty or blank argument leaves the field as it was.
    void SetCodPais(const QString& Value);
    void SetNomeSocio(const QString& Value);
    void SetLimiteCredito(double Value) noexcept { FLimiteCredito = Value; }
    void SetCodSegmento(const QString& Value);
    // An empty value leaves the field as it was.
    void SetCodClasCli(const QString& Value);
    void SetCodVendend1(const QString& Value);

    // Resets the record's fields to their start values; contact, city names, municipal
    // registration, parents, last sale, validity, partner, credit limit, segment, class,
    // salesperson, supplier and country keep theirs.
    void LimpaVariavel();
    // Empties CLIENTE and commits.
    void LimpaTabela();
    QString MontaSqlInsere() const;
    // The same INSERT as LiteralsToParameters reads MontaSqlInsere's text, without writing
    // it; nothing when that text has to run as written.
    std::optional<ParameterisedStatement> BoundInsert() const;
    // Rewrites the client with the same code; empty dates clear the stored ones.
    QString AtualizaCliente() const;
    // AtualizaCliente with its values bound, as the server reads the text's literals; nothing
    // when that text has to run as written.
    std::optional<ParameterisedStatement> BoundAtualiza() const;
    // 1 inserts the record, 2 updates it; then the record is reset. A server error leaves
    // the record as it was; any other Acao raises Error without touching the database.
    bool ExecutaSql(int Acao);
    // Records Quant as the number of clients of company 00; neither commits nor resets.
    void GravaNCliente(int Quant);

private:
    // The column table, which reads and resets the fields.
    friend struct ClienteColumns;
    // The shape of BoundInsert for each combination of dates.
    mutable std::array<QString, 32> insertShapes_;
    // The shape of BoundAtualiza for each combination of dates.
    mutable std::array<QString, 32> updateShapes_;
    QString FCodCliente;
    QString FCodFornec;
    QString FNome;
    QString FContato;
    QString FNomeFantasia;
    QString FEndereco;
    QString FEnderecoEntr;
    QString FEnderecoCob;
    QString FBairro;
    QString FBairroEntr;
    QString FBairroCob;
    QString FCodCidade;
    QString FNomeCidade;
    QString FCodCidadeEntr;
    QString FNomeCidadeEntr;
    QString FCodCidadeCob;
    QString FNomeCidadeCob;
    QString FEstado;
    QString FEstadoEntr;
    QString FEstadoCob;
    QString FCep;
    QString FCepEntr;
    QString FCepCob;
    QString FCgcCpf;
    QString FInscEst;
    QString FInscMunicipal;
    QString FPessoa_FJ;
    QString FFone;
    QString FFax;
    QString FPrefixCelular;
    QString FCelular;
    QString FEmail;
    QString FHomePage;
    QString FAtivo;
    QString FNomeMae;
    QString FNomePai;
    QString FCliBloqueado;
    QString FRetemISS;
    QString FMalaDiretaEletr;
    QString FProtestarCliente;
    QString FDT_Nascimento;
    QString FDT_Cadastro;
    QString FDT_Ult_Venda;
    QString FDT_Ult_Alteracao;
    QString FDT_Valcad;
    QString FObservacao;
    QString FCampoLivre1;
    QString FCampoLivre2;
    QString FCampoLivre3;
    QString FCampoLivre4;
    QString FCampoLivre5;
    QString FCampoLivre6;
    QString FCampoLivre7;
    QString FCampoLivre8;
    QString FCampoLivre9;
    QString FCampoLivre10;
    QString FCodPais;
    QString FNomeSocio;
    double FLimiteCredito = 0.0;
    QString FCodSegmento;
    QString FCodClasCli;
    QString FCodVendend1;
};

} // namespace vorlanda
