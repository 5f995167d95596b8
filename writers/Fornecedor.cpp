#include "writers/Fornecedor.h"

#include "writers/Columns.h"
#include "writers/ConversionTally.h"
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

} // namespace

// A column of FORNECE, or a field held for a later step that LimpaVariavel resets. Every value
// is a text.
using ForneceColumn = TableColumn<TConverteFornece>;

// The INSERT's columns in the statement's order, then the city name, which it does not write.
struct ForneceColumns {
    using F = TConverteFornece;
    static const ForneceColumn all[];
    static constexpr std::size_t inserted = 28;
};

const ForneceColumn ForneceColumns::all[] = {
    {u"CodFornec", &F::FCodFornec, u"000000"},
    {u"Nome", &F::FNome},
    {u"NomeFantasia", &F::FNomeFantasia},
    {u"Contato", &F::FContato},
    {u"Endereco", &F::FEndereco},
    {u"Bairro", &F::FBairro},
    {u"Cep", &F::FCep},
    {u"CodCidade", &F::FCodCidade},
    {u"Numero", &F::FNumero},
    {u"Complemento", &F::FComplemento},
    {u"Estado", &F::FEstado},
    {u"InscMunicipal", &F::FInscMunicipal},
    {u"Pessoa_FJ", &F::FPessoa_FJ},
    {u"CgcCpf", &F::FCgcCpf},
    {u"InscEst", &F::FInscEst},
    {u"observacao", &F::FObservacao},
    {u"Fone", &F::FFone},
    {u"Fax", &F::FFax},
    {u"Celular", &F::FCelular},
    {u"Email", &F::FEmail},
    {u"HomePage", &F::FHomePage},
    {u"CampoLivre1", &F::FCampoLivre1},
    {u"CampoLivre2", &F::FCampoLivre2},
    ForneceColumn{u"codcliente", &F::FCodCliente}.Kept(),
    ForneceColumn{u"ativo", &F::FAtivo}.Kept(),
    {u"TipoFornece", &F::FTipoFornece},
    ForneceColumn{u"contacx", &F::FContaCx}.Kept(),
    ForneceColumn{u"ctctbred", &F::FCTCTbred}.Kept(),
    {nullptr, &F::FNomeCidade},
};

namespace {

using Columns = ForneceColumns;
static_assert(std::size(Columns::all) == Columns::inserted + 1);

// The INSERT's text up to and including the bracket that opens its values.
std::vector<QStringView> InsertHead() {
    std::vector<QStringView> head{u"  Insert Into fornece ("};
    for (std::size_t i = 0; i < Columns::inserted; ++i)
        head.insert(head.end(), {i == 0 ? u"fornece." : u", fornece.", Columns::all[i].insert});
    head.push_back(u") Values (");
    return head;
}

} // namespace

TConverteFornece::TConverteFornece(TargetDatabase& cBanco) : TConversao(cBanco) {
    LimpaVariavel();
}

void TConverteFornece::SetCodFornec(const QString& Value) {
    const FilledColumn filled(u"FORNECE.CODFORNEC");
    FCodFornec = StrZero(Left(WithoutApostrophes(Value), 6), 6);
}

void TConverteFornece::SetCodcliente(const QString& Value) {
    const FilledColumn filled(u"FORNECE.CODCLIENTE");
    FCodCliente = StrZero(Left(WithoutApostrophes(Value), 8), 8);
}

void TConverteFornece::SetNome(const QString& Value) {
    const FilledColumn filled(u"FORNECE.NOME");
    FNome = NameText<50>(WithoutApostrophes(Value));
}

void TConverteFornece::SetNomeFantasia(const QString& Value) {
    const FilledColumn filled(u"FORNECE.NOMEFANTASIA");
    FNomeFantasia = NameText<40>(WithoutApostrophes(Value));
}

void TConverteFornece::SetContato(const QString& Value) {
    const FilledColumn filled(u"FORNECE.CONTATO");
    FContato = TrimmedFirst<30>(WithoutApostrophes(Value));
}

void TConverteFornece::SetEndereco(const QString& Value) {
    const FilledColumn filled(u"FORNECE.ENDERECO");
    FEndereco = Left(WithoutApostrophes(Value), 50);
}

void TConverteFornece::SetBairro(const QString& Value) {
    const FilledColumn filled(u"FORNECE.BAIRRO");
    FBairro = TrimmedFirst<30>(WithoutApostrophes(Value));
}

void TConverteFornece::SetCep(const QString& Value) {
    const FilledColumn filled(u"FORNECE.CEP");
    FCep = FRemoveCaracter(Left(WithoutApostrophes(Value), 9));
}

void TConverteFornece::SetCodCidade(const QString& Value) {
    const FilledColumn filled(u"FORNECE.CODCIDADE");
    const QString value = WithoutApostrophes(Value);
    // An empty code means "no city"; padding it would point at city 00000.
    FCodCidade = value.isEmpty() ? value : StrZero(Left(value, 5), 5);
}

void TConverteFornece::SetNomeCidade(const QString& Value) {
    FNomeCidade = TrimmedFirst<30>(WithoutApostrophes(Value));
}

void TConverteFornece::SetNumero(const QString& Value) {
    const FilledColumn filled(u"FORNECE.NUMERO");
    FNumero = Left(WithoutApostrophes(Value), 10);
}

void TConverteFornece::SetComplemento(const QString& Value) {
    const FilledColumn filled(u"FORNECE.COMPLEMENTO");
    FComplemento = Trim(Left(WithoutApostrophes(Value), 60));
}

void TConverteFornece::SetEstado(const QString& Value) {
    const FilledColumn filled(u"FORNECE.ESTADO");
    FEstado = Left(WithoutApostrophes(Value), 2);
}

void TConverteFornece::SetInscMunicipal(const QString& Value) {
    const FilledColumn filled(u"FORNECE.INSCMUNICIPAL");
    FInscMunicipal = Left(TiraMascara(WithoutApostrophes(Value)), 15);
}

void TConverteFornece::SetPessoa_FJ(const QString& Value) {
    const FilledColumn filled(u"FORNECE.PESSOA_FJ");
    FPessoa_FJ = Left(WithoutApostrophes(Value), 1);
}

void TConverteFornece::SetCgcCpf(const QString& Value) {
    const FilledColumn filled(u"FORNECE.CGCCPF");
    FCgcCpf = FRemoveCaracter(Left(TiraMascara(WithoutApostrophes(Value)), 14));
}

void TConverteFornece::SetInscEst(const QString& Value) {
    const FilledColumn filled(u"FORNECE.INSCEST");
    FInscEst = FRemoveCaracter(Left(TiraMascara(WithoutApostrophes(Value)), 15));
}

void TConverteFornece::SetFone(const QString& Value) {
    const FilledColumn filled(u"FORNECE.FONE");
    FFone = PhoneDigits(WithoutApostrophes(Value));
}

void TConverteFornece::SetFax(const QString& Value) {
    const FilledColumn filled(u"FORNECE.FAX");
    FFax = PhoneDigits(WithoutApostrophes(Value));
}

void TConverteFornece::SetCelular(const QString& Value) {
    const FilledColumn filled(u"FORNECE.CELULAR");
    FCelular = PhoneDigits(WithoutApostrophes(Value));
}

void TConverteFornece::SetEmail(const QString& Value) {
    FEmail = Trim(WithoutApostrophes(Value));
}

void TConverteFornece::SetHomePage(const QString& Value) {
    const FilledColumn filled(u"FORNECE.HOMEPAGE");
    FHomePage = Left(WithoutApostrophes(Value), 30);
}

void TConverteFornece::SetCampoLivre1(const QString& Value) {
    const FilledColumn filled(u"FORNECE.CAMPOLIVRE1");
    FCampoLivre1 = TrimmedFirst<20>(WithoutApostrophes(Value));
}

void TConverteFornece::SetCampoLivre2(const QString& Value) {
    const FilledColumn filled(u"FORNECE.CAMPOLIVRE2");
    FCampoLivre2 = TrimmedFirst<20>(WithoutApostrophes(Value));
}

void TConverteFornece::SetContaCx(const QString& Value) {
    const FilledColumn filled(u"FORNECE.CONTACX");
    FContaCx = TrimmedFirst<7>(WithoutApostrophes(Value));
}

void TConverteFornece::SetCTCTbred(const QString& Value) {
    const FilledColumn filled(u"FORNECE.CTCTBRED");
    FCTCTbred = TrimmedFirst<7>(WithoutApostrophes(Value));
}

void TConverteFornece::Setobservacao(const QString& Value) {
    const FilledColumn filled(u"FORNECE.OBSERVACAO");
    FObservacao = Left(WithoutApostrophes(Value), 100);
}

void TConverteFornece::SetAtivo(const QString& Value) {
    const FilledColumn filled(u"FORNECE.ATIVO");
    FAtivo = UpperCase(Left(Value, 1));
}

void TConverteFornece::SetTipoFornece(const QString& Value) {
    FTipoFornece = WithoutApostrophes(Value);
}

void TConverteFornece::LimpaVariavel() {
    for (const ForneceColumn& c : Columns::all)
        c.Reset(*this);
}

void TConverteFornece::LimpaTabela() {
    EmptyTable(QStringLiteral("Delete from FORNECE"));
}

QString TConverteFornece::MontaSql() const {
    std::array<QString, Columns::inserted> quoted;
    for (std::size_t i = 0; i < Columns::inserted; ++i)
        quoted[i] = Columns::all[i].Value(*this).Rendered();
    std::vector<QStringView> pieces = InsertHead();
    AppendJoined(pieces, quoted, u", ", [](const QString& value) { return QStringView(value); });
    pieces.push_back(u") ");
    return Concatenated(pieces);
}

std::optional<ParameterisedStatement> TConverteFornece::BoundInsert() const {
    ParameterisedStatement bound;
    // Every value is a text, which its quoted literal reads as whole.
    bound.values.reserve(Columns::inserted);
    for (std::size_t i = 0; i < Columns::inserted; ++i)
        bound.values.emplace_back(this->*Columns::all[i].text);
    if (insertShape_.isEmpty())
        insertShape_ = ParameterShape(InsertHead(), Columns::inserted);
    bound.sql = insertShape_;
    return bound;
}

void TConverteFornece::GravaFornecedor() {
    QDestino.ExecBound(BoundInsert(), [this] { return MontaSql(); });
    LimpaVariavel();
}

} // namespace vorlanda
