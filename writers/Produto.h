#pragma once

#include "db/ParameterisedStatement.h"
#include "writers/classConversao.h"

#include <QtGlobal>
#include <array>
#include <optional>

namespace vorlanda {

// One product of PRODUTO: every value is cut, trimmed or zero-padded as it is assigned, and
// the record is written as one literal INSERT. The three dates are day numbers; the day
// NoDateDay() stands for "no date", and such a date is left to the table's default.
// Creating one sets the process's short date format to "dd/mm/yyyy" for good.
class TConverteProduto : public TConversao {
public:
    explicit TConverteProduto(TargetDatabase& cBanco);

    // 1 January 1900 as a day number, the value of a date that is not known. It is fixed
    // here rather than read from a date text, so no regional setting can change or break it.
    static double NoDateDay();

    double Data_Ult_Ent() const noexcept { return FData_Ult_Ent; }
    double Data_Ult_Rea() const noexcept { return FData_Ult_Rea; }
    double Data_Ult_Alteracao() const noexcept { return FData_Ult_Alt; }
    const QString& CodProd() const noexcept { return FCodProd; }
    const QString& Descricao() const noexcept { return FDescricao; }
    const QString& Descricao2() const noexcept { return FDescricao2; }
    const QString& Descricao3() const noexcept { return FDescricao3; }
    const QString& Referencia() const noexcept { return FReferencia; }
    const QString& RefFabricante() const noexcept { return FRefFabricante; }
    const QString& PrincipalFornecedor() const noexcept { return FPrincipalFornecedor; }
    const QString& CodGrupo() const noexcept { return FCodGrupo; }
    const QString& CodSubGrupo() const noexcept { return FCodSubGrupo; }
    const QString& UnidEntrada() const noexcept { return FUnidEntrada; }
    const QString& UnidSaida() const noexcept { return FUnidSaida; }
    const QString& CodFamilia() const noexcept { return FCodFamilia; }
    const QString& CodTipoProduto() const noexcept { return FCodTipoProduto; }
    const QString& DescricaoPreco() const noexcept { return FDescricaoPreco; }
    const QString& DescricaoPreco2() const noexcept { return FDescricaoPreco2; }
    const QString& DescricaoPreco3() const noexcept { return FDescricaoPreco3; }
    const QString& DescricaoPreco4() const noexcept { return FDescricaoPreco4; }
    const QString& CodLocal() const noexcept { return FCodLocal; }
    const QString& CampoLivre1() const noexcept { return FCampoLivre1; }
    const QString& CampoLivre2() const noexcept { return FCampoLivre2; }
    const QString& CampoLivre3() const noexcept { return FCampoLivre3; }
    const QString& CampoLivre4() const noexcept { return FCampoLivre4; }
    const QString& Observacao() const noexcept { return FObservacao; }
    const QString& ControleSerie() const noexcept { return FControleSerie; }
    const QString& Ativado() const noexcept { return FAtivado; }
    const QString& TipoProd() const noexcept { return FTipoProd; }
    const QString& ProdBloqueado() const noexcept { return FProdBloqueado; }
    const QString& CodClasFis() const noexcept { return FCodClasFis; }
    const QString& CodTribut00() const noexcept { return FCodTribut00; }
    const QString& Dt_Cadastro() const noexcept { return FDt_Cadastro; }
    const QString& Embalagem() const noexcept { return FEmbalagem; }
    const QString& Fornec_Ult_Ent1() const noexcept { return FFornec_Ult_Ent1; }
    const QString& CodFabric() const noexcept { return FCodFabric; }
    const QString& CodVolume() const noexcept { return FCodVolume; }
    const QString& TipoEntrega() const noexcept { return FTipoEntrega; }
    const QString& Mensagem00() const noexcept { return FMensagem00; }
    const QString& Mensagem01() const noexcept { return FMensagem01; }
    const QString& CodTribut02() const noexcept { return FCodTribut02; }
    const QString& CodTribut03() const noexcept { return FCodTribut03; }
    const QString& Mensagem02() const noexcept { return FMensagem02; }
    const QString& Mensagem03() const noexcept { return FMensagem03; }
    const QString& ControleLote() const noexcept { return FControleLote; }
    const QString& CodTributDiversos() const noexcept { return FCodTributDiversos; }
    const QString& MensagemDiversos() const noexcept { return FMensagemDiversos; }
    const QString& SubsTribSaidaR1() const noexcept { return FSubsTribSaidaR1; }
    const QString& SubsTribSaidaR2() const noexcept { return FSubsTribSaidaR2; }
    const QString& SubsTribSaidaR3() const noexcept { return FSubsTribSaidaR3; }
    const QString& SubsTribSaidaR4() const noexcept { return FSubsTribSaidaR4; }
    double Sugestao() const noexcept { return FSugestao; }
    double Preco() const noexcept { return FPreco; }
    double Preco2() const noexcept { return FPreco2; }
    double Preco3() const noexcept { return FPreco3; }
    double Preco4() const noexcept { return FPreco4; }
    double Preco_Anterior() const noexcept { return FPreco_Anterior; }
    double Peso() const noexcept { return FPeso; }
    double AliqIcmsReg00() const noexcept { return FAliqIcmsReg00; }
    double BaseIcmsReg00() const noexcept { return FBaseIcmsReg00; }
    double AliqIcmsPdv() const noexcept { return FAliqIcmsPdv; }
    double ValorIpi() const noexcept { return FValorIpi; }
    double AliqIcmsReg02() const noexcept { return FAliqIcmsReg02; }
    double AliqIcmsDiversos() const noexcept { return FAliqIcmsDiversos; }
    double BaseIcmsdiversos() const noexcept { return FBaseIcmsdiversos; }
    double PercPerda() const noexcept { return FPercPerda; }
    double PercBaseSubsTribSaidaR1() const noexcept { return FPercBaseSubsTribSaidaR1; }
    double PercIcmsSubsTribSaidaR1() const noexcept { return FPercIcmsSubsTribSaidaR1; }
    double PercBaseSubsTribSaidaR2() const noexcept { return FPercBaseSubsTribSaidaR2; }
    double PercIcmsSubsTribSaidaR2() const noexcept { return FPercIcmsSubsTribSaidaR2; }
    double PercBaseSubsTribSaidaR3() const noexcept { return FPercBaseSubsTribSaidaR3; }
    double PercIcmsSubsTribSaidaR3() const noexcept { return FPercIcmsSubsTribSaidaR3; }
    double PercBaseSubsTribSaidaR4() const noexcept { return FPercBaseSubsTribSaidaR4; }
    double PercIcmsSubsTribSaidaR4() const noexcept { return FPercIcmsSubsTribSaidaR4; }
    double Quant_Ult_Ent1() const noexcept { return FQuant_Ult_Ent1; }
    double PrecoPromo() const noexcept { return FPrecoPromo; }
    double AliqIpi() const noexcept { return FAliqIpi; }
    double AliqIss() const noexcept { return FAliqIss; }
    double Lucro() const noexcept { return FLucro; }
    double Lucro2() const noexcept { return Flucro2; }
    double Lucro3() const noexcept { return FLucro3; }
    double EstMinimo() const noexcept { return FEstMinimo; }
    double EstMaximo() const noexcept { return FEstMaximo; }
    double AliqIcmsReg01() const noexcept { return FAliqIcmsReg01; }
    double BaseIcmsReg01() const noexcept { return FBaseIcmsReg01; }
    double AliqIcmsReg03() const noexcept { return FAliqIcmsReg03; }
    double LucroSubStrib() const noexcept { return Flucrosubstrib; }
    double PercBaseSubsTribSaida() const noexcept { return FPercBaseSubsTribSaida; }
    double PercIcmsSubsTribSaida() const noexcept { return FPercIcmsSubsTribSaida; }
    double Comissao() const noexcept { return FComissao; }
    const QString& SubsTrib() const noexcept { return FSubsTrib; }
    const QString& SubsTribSaida() const noexcept { return FSubsTribSaida; }
    double DescontoMaximo() const noexcept { return FDescontoMax; }
    double Lucro4() const noexcept { return FLucro4; }
    const QString& Fracionado() const noexcept { return FFracionado; }
    double Pr_Ult_Ent1() const noexcept { return FPrUltEnt1; }
    double BaseIcmsReg02() const noexcept { return FBaseIcmsReg02; }
    double BaseIcmsReg03() const noexcept { return FBaseIcmsReg03; }
    const QString& CodTribut01() const noexcept { return FCodTribut01; }
    double PercIva() const noexcept { return FPercIva; }
    double FatorConversao() const noexcept { return FFatorConversao; }
    const QString& CFOPForaUF() const noexcept { return FCFOPForaUF; }
    const QString& CFOPDentroUF() const noexcept { return FCFOPDentroUF; }
    const QString& MultiplicaDivide() const noexcept { return FMultiplicaDifica; }
    qint32 Grade() const noexcept { return FGRADE; }
    const QString& CodGeneroItem() const noexcept { return FCodGeneroItem; }

    // The six properties bound to their fields: stored exactly as given, nothing cleaned.
    void SetData_Ult_Ent(double Value) noexcept { FData_Ult_Ent = Value; }
    void SetData_Ult_Rea(double Value) noexcept { FData_Ult_Rea = Value; }
    void SetData_Ult_Alteracao(double Value) noexcept { FData_Ult_Alt = Value; }
    void SetDescontoMaximo(double Value) noexcept { FDescontoMax = Value; }
    void SetFracionado(const QString& Value) { FFracionado = Value; }
    void SetPr_Ult_Ent1(double Value) noexcept { FPrUltEnt1 = Value; }

    // Trimmed, cut to 6, zero-padded to 6: " 1234567 " gives "123456", "" gives "000000".
    void SetCodProd(const QString& Value);
    // Cut to 50 before the trim, so a blank 50th character leaves 49.
    void SetDescricao(const QString& Value);
    void SetDescricao2(const QString& Value);
    void SetDescricao3(const QString& Value);
    // Cut to 20, not trimmed.
    void SetReferencia(const QString& Value);
    void SetRefFabricante(const QString& Value);
    // Trimmed and zero-padded to 6 unless empty; never cut.
    void SetPrincipalFornecedor(const QString& Value);
    // A blank code stays empty; any other becomes its last three characters, zero-padded.
    void SetCodGrupo(const QString& Value);
    // Any non-empty code, blanks included, becomes its last three characters, zero-padded.
    void SetCodSubGrupo(const QString& Value);
    void SetUnidEntrada(const QString& Value);
    void SetUnidSaida(const QString& Value);
    void SetCodFamilia(const QString& Value);
    void SetCodTipoProduto(const QString& Value);
    void SetDescricaoPreco(const QString& Value);
    void SetDescricaoPreco2(const QString& Value);
    void SetDescricaoPreco3(const QString& Value);
    void SetDescricaoPreco4(const QString& Value);
    void SetCodLocal(const QString& Value);
    void SetCampoLivre1(const QString& Value);
    void SetCampoLivre2(const QString& Value);
    void SetCampoLivre3(const QString& Value);
    void SetCampoLivre4(const QString& Value);
    void SetObservacao(const QString& Value);
    void SetControleSerie(const QString& Value);
    // The first character only, case kept: "sim" gives "s".
    void SetAtivado(const QString& Value);
    void SetTipoProd(const QString& Value);
    void SetProdBloqueado(const QString& Value);
    // Unless blank, the untrimmed code zero-padded to 4 and never cut: " 12" gives "0 12".
    void SetCodClasFis(const QString& Value);
    // The five tax-status codes: trimmed and zero-padded to 3 unless empty; never cut.
    void SetCodTribut00(const QString& Value);
    // Kept as text exactly as given; it is written as such, not read as a date.
    void SetDt_Cadastro(const QString& Value);
    void SetEmbalagem(const QString& Value);
    void setFFornec_Ult_Ent1(const QString& Value);
    // Unless blank: trimmed, cut to 5, zero-padded to 5.
    void SetFCodFabric(const QString& Value);
    void setCodVolume(const QString& Value);
    void setTipoEntrega(const QString& Value);
    void SetMensagem00(const QString& Value);
    void SetMensagem01(const QString& Value);
    void SetCodTribut02(const QString& Value);
    void SetCodTribut03(const QString& Value);
    void SetMensagem02(const QString& Value);
    void SetMensagem03(const QString& Value);
    void SetControleLote(const QString& Value);
    void SetCodTributDiversos(const QString& Value);
    void SetMensagemDiversos(const QString& Value);
    void SetSubsTribSaidaR1(const QString& Value);
    void SetSubsTribSaidaR2(const QString& Value);
    void SetSubsTribSaidaR3(const QString& Value);
    void SetSubsTribSaidaR4(const QString& Value);
    void SetSubsTrib(const QString& Value);
    void SetSubsTribSaida(const QString& Value);
    void SetCodTribut01(const QString& Value);
    void SetCFOPForaUF(const QString& Value);
    void SetCFOPDentroUF(const QString& Value);
    void setMultiplicaDivide(const QString& Value);
    void SetCodGeneroItem(const QString& Value);

    // Numbers are stored as they arrive: no rounding, no range check.
    void SetSugestao(double Value) noexcept { FSugestao = Value; }
    void SetPreco(double Value) noexcept { FPreco = Value; }
    void SetPreco2(double Value) noexcept { FPreco2 = Value; }
    void SetPreco3(double Value) noexcept { FPreco3 = Value; }
    void SetPreco4(double Value) noexcept { FPreco4 = Value; }
    void SetPrecoAnterior(double Value) noexcept { FPreco_Anterior = Value; }
    void SetPeso(double Value) noexcept { FPeso = Value; }
    void SetAliqIcmsReg00(double Value) noexcept { FAliqIcmsReg00 = Value; }
    void SetBaseicmsReg00(double Value) noexcept { FBaseIcmsReg00 = Value; }
    void SetAliqIcmsPdv(double Value) noexcept { FAliqIcmsPdv = Value; }
    void SetValorIpi(double Value) noexcept { FValorIpi = Value; }
    void SetAliqIcmsReg02(double Value) noexcept { FAliqIcmsReg02 = Value; }
    void SetAliqIcmsDiversos(double Value) noexcept { FAliqIcmsDiversos = Value; }
    void SetBaseIcmsdiversos(double Value) noexcept { FBaseIcmsdiversos = Value; }
    void SetPercPerda(double Value) noexcept { FPercPerda = Value; }
    void SetPercBaseSubsTribSaidaR1(double Value) noexcept { FPercBaseSubsTribSaidaR1 = Value; }
    void SetPercIcmsSubsTribSaidaR1(double Value) noexcept { FPercIcmsSubsTribSaidaR1 = Value; }
    void SetPercBaseSubsTribSaidaR2(double Value) noexcept { FPercBaseSubsTribSaidaR2 = Value; }
    void SetPercIcmsSubsTribSaidaR2(double Value) noexcept { FPercIcmsSubsTribSaidaR2 = Value; }
    void SetPercBaseSubsTribSaidaR3(double Value) noexcept { FPercBaseSubsTribSaidaR3 = Value; }
    void SetPercIcmsSubsTribSaidaR3(double Value) noexcept { FPercIcmsSubsTribSaidaR3 = Value; }
    void SetPercBaseSubsTribSaidaR4(double Value) noexcept { FPercBaseSubsTribSaidaR4 = Value; }
    void SetPercIcmsSubsTribSaidaR4(double Value) noexcept { FPercIcmsSubsTribSaidaR4 = Value; }
    void SetQuant_Ult_Ent1(double Value) noexcept { FQuant_Ult_Ent1 = Value; }
    void SetPrecoPromo(double Value) noexcept { FPrecoPromo = Value; }
    void SetAliqIpi(double Value) noexcept { FAliqIpi = Value; }
    void SetAliqIss(double Value) noexcept { FAliqIss = Value; }
    void SetLucro(double Value) noexcept { FLucro = Value; }
    void setLucro2(double Value) noexcept { Flucro2 = Value; }
    void setLucro3(double Value) noexcept { FLucro3 = Value; }
    void SetEstMinimo(double Value) noexcept { FEstMinimo = Value; }
    void SetEstMaximo(double Value) noexcept { FEstMaximo = Value; }
    void SetAliqIcmsReg01(double Value) noexcept { FAliqIcmsReg01 = Value; }
    void SetBaseIcmsReg01(double Value) noexcept { FBaseIcmsReg01 = Value; }
    void SetAliqIcmsReg03(double Value) noexcept { FAliqIcmsReg03 = Value; }
    void SetLucroSubStrib(double Value) noexcept { Flucrosubstrib = Value; }
    void SetPercBaseSubsTribSaida(double Value) noexcept { FPercBaseSubsTribSaida = Value; }
    void SetPercIcmsSubsTribSaida(double Value) noexcept { FPercIcmsSubsTribSaida = Value; }
    void SetComissao(double Value) noexcept { FComissao = Value; }
    void setLucro4(double Value) noexcept { FLucro4 = Value; }
    void SetBaseIcmsReg02(double Value) noexcept { FBaseIcmsReg02 = Value; }
    void SetBaseIcmsReg03(double Value) noexcept { FBaseIcmsReg03 = Value; }
    void setPercIva(double Value) noexcept { FPercIva = Value; }
    void SetFatorConversao(double Value) noexcept { FFatorConversao = Value; }
    void SetGrade(qint32 Value) noexcept { FGRADE = Value; }

    // Resets the record through the setters: code 000000, units "UN", active "S", kind "R",
    // not blocked "N", no dates, every other text empty and number 0. The loss percentage,
    // maximum discount, last purchase price and multiply/divide flag keep their values.
    void LimpaVariavel();
    // Empties PRODUTO and commits.
    void LimpaTabela();
    // The INSERT of the current record: 101 columns, plus the registration text and each of
    // the three dates that is present, just before Fracionado.
    QString MontaSqlInsere() const;
    // The same INSERT as LiteralsToParameters reads MontaSqlInsere's text, without writing
    // it; nothing when that text has to run as written.
    std::optional<ParameterisedStatement> BoundInsert() const;
    // Inserts the record, then resets it; neither looks for the code nor commits. A server
    // error leaves the record as it was, so a second call resends the same values.
    bool ExecutaSql();

    // The UPDATE of the row with the current code from the whole record: every INSERT column
    // but the code, the ISS rate and the grade. An empty registration text becomes NULL, and
    // the three dates are always assigned, the no-date day as '01.01.1900'.
    QString MontaSqlAtualiza() const;
    // MontaSqlAtualiza with its values bound, as the server reads the text's literals; nothing
    // when that text has to run as written.
    std::optional<ParameterisedStatement> BoundAtualiza() const;
    // Runs MontaSqlAtualiza, then resets the record. A code with no row changes nothing.
    bool AtualizaProduto();
    // The UPDATE of references, group, main supplier and the four prices of the current code.
    QString MontaSqlAtualizaPreco() const;
    // MontaSqlAtualizaPreco with its values bound, as the server reads the text's literals;
    // nothing when that text has to run as written.
    std::optional<ParameterisedStatement> BoundAtualizaPreco() const;
    // Runs MontaSqlAtualizaPreco, then resets the record.
    bool AtualizaProdutoPreco();

    // Every PARAFAT row gets the first character of Status, case kept.
    static QString MontaSqlControleSerie(const QString& Status);
    // Runs MontaSqlControleSerie and commits. The record is left alone.
    void AtivaControleSerie(const QString& Status);

    // The INSERT of a main-supplier link, with the parameters Produto, Fornecedor and
    // codprodfornec.
    static QString MontaSqlRelPrFo();
    // Links the product to its main supplier unless the supplier code is empty; it neither
    // looks for an existing link nor commits. The record is left alone.
    void GravaRelPrFo(const QString& sCodProduto, const QString& sPrincipalFornec,
                      const QString& scodprodfornec);

    // The INSERT of an inventory entry, with the parameters Data, pCodProd and pPrecoCusto.
    static QString MontaSqlInventa();
    // An inventory entry dated today for the record's code (sCodProduto is not used, so
    // callers pass the record's code), unless the cost is not above zero; no commit. The
    // record is left alone.
    void GravaInventa(const QString& sCodProduto, double sPrecoCusto);

private:
    // The column table, which reads and resets the fields.
    friend struct ProdutoColumns;
    // The shape of BoundInsert for each combination of optional columns.
    mutable std::array<QString, 16> insertShapes_;
    // The shapes of BoundAtualiza without and with a registration text, and of
    // BoundAtualizaPreco.
    mutable std::array<QString, 2> updateShapes_;
    mutable QString priceShape_;
    double FData_Ult_Ent = 0.0;
    double FData_Ult_Rea = 0.0;
    double FData_Ult_Alt = 0.0;
    QString FCodProd;
    QString FDescricao;
    QString FDescricao2;
    QString FDescricao3;
    QString FReferencia;
    QString FRefFabricante;
    QString FPrincipalFornecedor;
    QString FCodGrupo;
    QString FCodSubGrupo;
    QString FUnidEntrada;
    QString FUnidSaida;
    QString FCodFamilia;
    QString FCodTipoProduto;
    QString FDescricaoPreco;
    QString FDescricaoPreco2;
    QString FDescricaoPreco3;
    QString FDescricaoPreco4;
    QString FCodLocal;
    QString FCampoLivre1;
    QString FCampoLivre2;
    QString FCampoLivre3;
    QString FCampoLivre4;
    QString FObservacao;
    QString FControleSerie;
    QString FAtivado;
    QString FTipoProd;
    QString FProdBloqueado;
    QString FCodClasFis;
    QString FCodTribut00;
    QString FDt_Cadastro;
    QString FEmbalagem;
    QString FFornec_Ult_Ent1;
    QString FCodFabric;
    QString FCodVolume;
    QString FTipoEntrega;
    QString FMensagem00;
    QString FMensagem01;
    QString FCodTribut02;
    QString FCodTribut03;
    QString FMensagem02;
    QString FMensagem03;
    QString FControleLote;
    QString FCodTributDiversos;
    QString FMensagemDiversos;
    QString FSubsTribSaidaR1;
    QString FSubsTribSaidaR2;
    QString FSubsTribSaidaR3;
    QString FSubsTribSaidaR4;
    double FSugestao = 0.0;
    double FPreco = 0.0;
    double FPreco2 = 0.0;
    double FPreco3 = 0.0;
    double FPreco4 = 0.0;
    double FPreco_Anterior = 0.0;
    double FPeso = 0.0;
    double FAliqIcmsReg00 = 0.0;
    double FBaseIcmsReg00 = 0.0;
    double FAliqIcmsPdv = 0.0;
    double FValorIpi = 0.0;
    double FAliqIcmsReg02 = 0.0;
    double FAliqIcmsDiversos = 0.0;
    double FBaseIcmsdiversos = 0.0;
    double FPercPerda = 0.0;
    double FPercBaseSubsTribSaidaR1 = 0.0;
    double FPercIcmsSubsTribSaidaR1 = 0.0;
    double FPercBaseSubsTribSaidaR2 = 0.0;
    double FPercIcmsSubsTribSaidaR2 = 0.0;
    double FPercBaseSubsTribSaidaR3 = 0.0;
    double FPercIcmsSubsTribSaidaR3 = 0.0;
    double FPercBaseSubsTribSaidaR4 = 0.0;
    double FPercIcmsSubsTribSaidaR4 = 0.0;
    double FQuant_Ult_Ent1 = 0.0;
    double FPrecoPromo = 0.0;
    double FAliqIpi = 0.0;
    double FAliqIss = 0.0;
    double FLucro = 0.0;
    double Flucro2 = 0.0;
    double FLucro3 = 0.0;
    double FEstMinimo = 0.0;
    double FEstMaximo = 0.0;
    double FAliqIcmsReg01 = 0.0;
    double FBaseIcmsReg01 = 0.0;
    double FAliqIcmsReg03 = 0.0;
    double Flucrosubstrib = 0.0;
    double FPercBaseSubsTribSaida = 0.0;
    double FPercIcmsSubsTribSaida = 0.0;
    double FComissao = 0.0;
    QString FSubsTrib;
    QString FSubsTribSaida;
    double FDescontoMax = 0.0;
    double FLucro4 = 0.0;
    QString FFracionado;
    double FPrUltEnt1 = 0.0;
    double FBaseIcmsReg02 = 0.0;
    double FBaseIcmsReg03 = 0.0;
    QString FCodTribut01;
    double FPercIva = 0.0;
    double FFatorConversao = 0.0;
    QString FCFOPForaUF;
    QString FCFOPDentroUF;
    QString FMultiplicaDifica;
    qint32 FGRADE = 0;
    QString FCodGeneroItem;
};

} // namespace vorlanda
