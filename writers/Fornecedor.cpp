#include "writers/Fornecedor.h"

#include "writers/Cutting.h"
#include "writers/SqlText.h"
#include "writers/TextRules.h"
#include "writers/ValueHelpers.h"

#include <array>
#include <vector>

namespace vorlanda {

namespace {

// Apostrophes are cut out of the data, not escaped: "d'avila" is kept as "DAVILA", so a stored
// supplier never holds one. The literal quoting still doubles any that reach Ativo.
QString WithoutApostrophes(const QString& value) {
    return QString(value).remove(u'\'');
}

template <int N> QString NameText(const QString& value) {
    return FRetiraAcento(UpperCase(TrimmedFirst<N>(value)));
}

// Phone numbers are cut before the digits are picked, so only digits among the first 16
// characters survive and an extension written after the number is lost.
QString PhoneDigits(const QString& value) {
    return FSoNumero(Left(value, 16));
}

struct Column {
    const char16_t* name;
    const QString& value;
};

// The INSERT's columns with their values, in the statement's order.
std::array<Column, 28> Columns(const TConverteFornece& f) {
    return {{
        {u"CodFornec", f.CodFornec()},
        {u"Nome", f.Nome()},
        {u"NomeFantasia", f.NomeFantasia()},
        {u"Contato", f.Contato()},
        {u"Endereco", f.Endereco()},
        {u"Bairro", f.Bairro()},
        {u"Cep", f.Cep()},
        {u"CodCidade", f.CodCidade()},
        {u"Numero", f.Numero()},
        {u"Complemento", f.Complemento()},
        {u"Estado", f.Estado()},
        {u"InscMunicipal", f.InscMunicipal()},
        {u"Pessoa_FJ", f.Pessoa_FJ()},
        {u"CgcCpf", f.CgcCpf()},
        {u"InscEst", f.InscEst()},
        {u"observacao", f.Observacao()},
        {u"Fone", f.Fone()},
        {u"Fax", f.Fax()},
        {u"Celular", f.Celular()},
        {u"Email", f.Email()},
        {u"HomePage", f.HomePage()},
        {u"CampoLivre1", f.CampoLivre1()},
        {u"CampoLivre2", f.CampoLivre2()},
        {u"codcliente", f.CodCliente()},
        {u"ativo", f.Ativo()},
        {u"TipoFornece", f.TipoFornece()},
        {u"contacx", f.ContaCx()},
        {u"ctctbred", f.CTCTbred()},
    }};
}

// The INSERT's text up to and including the bracket that opens its values.
std::vector<QStringView> InsertHead(const std::array<Column, 28>& columns) {
    std::vector<QStringView> head{u"  Insert Into fornece ("};
    for (std::size_t i = 0; i < columns.size(); ++i)
        head.insert(head.end(), {i == 0 ? u"fornece." : u", fornece.", columns[i].name});
    head.push_back(u") Values (");
    return head;
}

} // namespace

TConverteFornece::TConverteFornece(TargetDatabase& cBanco) : TConversao(cBanco) {
    LimpaVariavel();
}

void TConverteFornece::SetCodFornec(const QString& Value) {
    FCodFornec = StrZero(Left(WithoutApostrophes(Value), 6), 6);
}

void TConverteFornece::SetCodcliente(const QString& Value) {
    FCodCliente = StrZero(Left(WithoutApostrophes(Value), 8), 8);
}

void TConverteFornece::SetNome(const QString& Value) {
    FNome = NameText<50>(WithoutApostrophes(Value));
}

void TConverteFornece::SetNomeFantasia(const QString& Value) {
    FNomeFantasia = NameText<40>(WithoutApostrophes(Value));
}

void TConverteFornece::SetContato(const QString& Value) {
    FContato = TrimmedFirst<30>(WithoutApostrophes(Value));
}

void TConverteFornece::SetEndereco(const QString& Value) {
    FEndereco = Left(WithoutApostrophes(Value), 50);
}

void TConverteFornece::SetBairro(const QString& Value) {
    FBairro = TrimmedFirst<30>(WithoutApostrophes(Value));
}

void TConverteFornece::SetCep(const QString& Value) {
    FCep = FRemoveCaracter(Left(WithoutApostrophes(Value), 9));
}

void TConverteFornece::SetCodCidade(const QString& Value) {
    const QString value = WithoutApostrophes(Value);
    // An empty code means "no city"; padding it would point at city 00000.
    FCodCidade = value.isEmpty() ? value : StrZero(Left(value, 5), 5);
}

void TConverteFornece::SetNomeCidade(const QString& Value) {
    FNomeCidade = TrimmedFirst<30>(WithoutApostrophes(Value));
}

void TConverteFornece::SetNumero(const QString& Value) {
    FNumero = Left(WithoutApostrophes(Value), 10);
}

void TConverteFornece::SetComplemento(const QString& Value) {
    FComplemento = Trim(Left(WithoutApostrophes(Value), 60));
}

void TConverteFornece::SetEstado(const QString& Value) {
    FEstado = Left(WithoutApostrophes(Value), 2);
}

void TConverteFornece::SetInscMunicipal(const QString& Value) {
    FInscMunicipal = Left(TiraMascara(WithoutApostrophes(Value)), 15);
}

void TConverteFornece::SetPessoa_FJ(const QString& Value) {
    FPessoa_FJ = Left(WithoutApostrophes(Value), 1);
}

void TConverteFornece::SetCgcCpf(const QString& Value) {
    FCgcCpf = FRemoveCaracter(Left(TiraMascara(WithoutApostrophes(Value)), 14));
}

void TConverteFornece::SetInscEst(const QString& Value) {
    FInscEst = FRemoveCaracter(Left(TiraMascara(WithoutApostrophes(Value)), 15));
}

void TConverteFornece::SetFone(const QString& Value) {
    FFone = PhoneDigits(WithoutApostrophes(Value));
}

void TConverteFornece::SetFax(const QString& Value) {
    FFax = PhoneDigits(WithoutApostrophes(Value));
}

void TConverteFornece::SetCelular(const QString& Value) {
    FCelular = PhoneDigits(WithoutApostrophes(Value));
}

void TConverteFornece::SetEmail(const QString& Value) {
    FEmail = Trim(WithoutApostrophes(Value));
}

void TConverteFornece::SetHomePage(const QString& Value) {
    FHomePage = Left(WithoutApostrophes(Value), 30);
}

void TConverteFornece::SetCampoLivre1(const QString& Value) {
    FCampoLivre1 = TrimmedFirst<20>(WithoutApostrophes(Value));
}

void TConverteFornece::SetCampoLivre2(const QString& Value) {
    FCampoLivre2 = TrimmedFirst<20>(WithoutApostrophes(Value));
}

void TConverteFornece::SetContaCx(const QString& Value) {
    FContaCx = TrimmedFirst<7>(WithoutApostrophes(Value));
}

void TConverteFornece::SetCTCTbred(const QString& Value) {
    FCTCTbred = TrimmedFirst<7>(WithoutApostrophes(Value));
}

void TConverteFornece::Setobservacao(const QString& Value) {
    FObservacao = Left(WithoutApostrophes(Value), 100);
}

void TConverteFornece::SetAtivo(const QString& Value) {
    FAtivo = UpperCase(Left(Value, 1));
}

void TConverteFornece::SetTipoFornece(const QString& Value) {
    FTipoFornece = WithoutApostrophes(Value);
}

void TConverteFornece::LimpaVariavel() {
    const QString empty;
    SetCodFornec(empty);
    SetNome(empty);
    SetNomeFantasia(empty);
    SetContato(empty);
    SetEndereco(empty);
    SetBairro(empty);
    SetCep(empty);
    SetCodCidade(empty);
    SetNomeCidade(empty);
    SetNumero(empty);
    SetComplemento(empty);
    SetEstado(empty);
    SetInscMunicipal(empty);
    SetPessoa_FJ(empty);
    SetCgcCpf(empty);
    SetInscEst(empty);
    Setobservacao(empty);
    SetFone(empty);
    SetFax(empty);
    SetCelular(empty);
    SetEmail(empty);
    SetHomePage(empty);
    SetCampoLivre1(empty);
    SetCampoLivre2(empty);
    SetTipoFornece(empty);
}

void TConverteFornece::LimpaTabela() {
    EmptyTable(QStringLiteral("Delete from FORNECE"));
}

QString TConverteFornece::MontaSql() const {
    const std::array<Column, 28> columns = Columns(*this);
    std::vector<QString> quoted;
    quoted.reserve(columns.size());
    for (const Column& c : columns)
        quoted.push_back(SqlQuoted(c.value));
    std::vector<QStringView> pieces = InsertHead(columns);
    AppendJoined(pieces, quoted, u", ", [](const QString& value) { return QStringView(value); });
    pieces.push_back(u") ");
    return Concatenated(pieces);
}

std::optional<ParameterisedStatement> TConverteFornece::BoundInsert() const {
    const std::array<Column, 28> columns = Columns(*this);
    ParameterisedStatement bound;
    // Every value is a text, which its quoted literal reads as whole.
    bound.values.reserve(columns.size());
    for (const Column& c : columns)
        bound.values.emplace_back(c.value);
    if (insertShape_.isEmpty())
        insertShape_ = ParameterShape(InsertHead(columns), columns.size());
    bound.sql = insertShape_;
    return bound;
}

void TConverteFornece::GravaFornecedor() {
    QDestino.ExecBound(BoundInsert(), [this] { return MontaSql(); });
    LimpaVariavel();
}

} // namespace vorlanda
