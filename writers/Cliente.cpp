#include "writers/Cliente.h"

#include "db/Error.h"
#include "writers/Columns.h"
#include "writers/ConversionTally.h"
#include "writers/Cutting.h"
#include "writers/FormatSettings.h"
#include "writers/SqlText.h"
#include "writers/SqlValue.h"
#include "writers/TextRules.h"
#include "writers/UpdateStatement.h"
#include "writers/ValueHelpers.h"

#include <array>
#include <utility>
#include <vector>

namespace vorlanda {

namespace {

using Step = QString (*)(const QString&);

QString Unchanged(const QString& value) {
    return value;
}

// Each double quote cut out is followed by the setter's own cleaning, which may shorten the
// value further than the final steps alone would; the converted records depend on that order,
// so it is followed quote by quote.
QString WithoutDoubleQuotes(const QString& value, Step afterEachRemoval, Step finalSteps) {
    QString text = value;
    for (qsizetype p = text.indexOf(u'"'); p >= 0; p = text.indexOf(u'"')) {
        text.remove(p, 1);
        text = afterEachRemoval(text);
    }
    return finalSteps(text);
}

// An empty city code means "no city"; padding it would point at city 00000.
QString CityCode(const QString& value) {
    return value.isEmpty() ? value : StrZero(Left(value, 5), 5);
}

QString DotsForSlashes(const QString& value) {
    return QString(value).replace(u'/', u'.');
}

// FValidaData writes today and day numbers with the short date format's separators, and the
// target reads a date with "/" as month/day/year; day.month.year is read the same everywhere.
QString ValidatedDate(const QString& value) {
    QString date = DotsForSlashes(value);
    date = FValidaData(date);
    date.replace(u'/', u'.');
    date.replace(ProcessFormatSettings().DateSeparator(), u'.');
    return date;
}

QString ValidatedDateOrArgument(const QString& value) {
    const QString date = ValidatedDate(value);
    return date.isEmpty() ? DotsForSlashes(value) : date;
}

// What SetDT_Cadastro and SetDt_Ult_Alteracao give an empty date: today, in the process's
// date format at the time.
QString Today() {
    return ValidatedDate(QString());
}

} // namespace

// A column of CLIENTE, or a field held for a later step that LimpaVariavel resets.
using ClienteColumn = TableColumn<TConverteCliente>;

// The columns in the INSERT's order, which the UPDATE follows but for the code. The dates are
// written only when known; the INSERT writes the blocking flag as held, the UPDATE as "N".
struct ClienteColumns {
    using C = TConverteCliente;
    static const ClienteColumn all[];
    static constexpr std::size_t count = 59;
    static constexpr std::size_t updated = 55;
};

const ClienteColumn ClienteColumns::all[] = {
    {u"cliente.codCliente", &C::FCodCliente, u"00000000"},
    ClienteColumn{u"cliente.nome", &C::FNome}.Updated(0, u"cliente.Nome"),
    ClienteColumn{u"cliente.nomefantasia", &C::FNomeFantasia}.Updated(1),
    ClienteColumn{u"cliente.endereco", &C::FEndereco}.Updated(2),
    ClienteColumn{u"cliente.bairro", &C::FBairro}.Updated(3),
    ClienteColumn{u"cliente.codcidade", &C::FCodCidade}.Updated(4),
    ClienteColumn{u"cliente.estado", &C::FEstado}.Updated(5),
    ClienteColumn{u"cliente.cep", &C::FCep}.Updated(6),
    ClienteColumn{u"cliente.cgccpf", &C::FCgcCpf}.Updated(7),
    ClienteColumn{u"cliente.inscest", &C::FInscEst}.Updated(8),
    ClienteColumn{u"cliente.pessoa_fj", &C::FPessoa_FJ, u"F"}.Updated(9),
    ClienteColumn{u"cliente.fone", &C::FFone}.Updated(10),
    ClienteColumn{u"cliente.fax", &C::FFax}.Updated(11),
    ClienteColumn{u"cliente.prefixcelular", &C::FPrefixCelular}.Updated(12),
    ClienteColumn{u"cliente.celular", &C::FCelular}.Updated(13),
    ClienteColumn{u"cliente.campolivre1", &C::FCampoLivre1}.Updated(14),
    ClienteColumn{u"cliente.campolivre2", &C::FCampoLivre2}.Updated(15),
    ClienteColumn{u"cliente.campolivre3", &C::FCampoLivre3}.Updated(16),
    ClienteColumn{u"cliente.campolivre4", &C::FCampoLivre4}.Updated(17),
    ClienteColumn{u"cliente.campolivre5", &C::FCampoLivre5}.Updated(18),
    ClienteColumn{u"cliente.campolivre6", &C::FCampoLivre6}.Updated(19),
    ClienteColumn{u"cliente.campolivre7", &C::FCampoLivre7}.Updated(20),
    ClienteColumn{u"cliente.campolivre8", &C::FCampoLivre8}.Updated(21),
    ClienteColumn{u"cliente.campolivre9", &C::FCampoLivre9}.Updated(22),
    ClienteColumn{u"cliente.campolivre10", &C::FCampoLivre10}.Updated(23),
    ClienteColumn{u"cliente.observacao", &C::FObservacao}.Updated(24),
    ClienteColumn{u"cliente.RetemISS", &C::FRetemISS}.Updated(25),
    ClienteColumn{u"cliente.email", &C::FEmail}.Updated(26),
    ClienteColumn{u"cliente.homepage", &C::FHomePage}.Updated(27),
    ClienteColumn{u"cliente.enderecocob", &C::FEnderecoCob}.Updated(28),
    ClienteColumn{u"cliente.bairrocob", &C::FBairroCob}.Updated(29),
    ClienteColumn{u"cliente.cepcob", &C::FCepCob}.Updated(30),
    ClienteColumn{u"cliente.codcidadecob", &C::FCodCidadeCob}.Updated(31),
    ClienteColumn{u"cliente.estadocob", &C::FEstadoCob}.Updated(32),
    ClienteColumn{u"cliente.enderecoent", &C::FEnderecoEntr}.Updated(33),
    ClienteColumn{u"cliente.bairroent", &C::FBairroEntr}.Updated(34),
    ClienteColumn{u"cliente.cepent", &C::FCepEntr}.Updated(35),
    ClienteColumn{u"cliente.codcidadeent", &C::FCodCidadeEntr}.Updated(36),
    ClienteColumn{u"cliente.estadoent", &C::FEstadoEntr}.Updated(37),
    ClienteColumn{u"cliente.codfornec", &C::FCodFornec}.Kept().Updated(38),
    ClienteColumn{u"Cliente.contato", &C::FContato}.Kept().Updated(39),
    ClienteColumn{u"Cliente.CodSegmento", &C::FCodSegmento}.Kept().Updated(40),
    ClienteColumn{u"Cliente.CodClasCli", &C::FCodClasCli}.Kept().Updated(41),
    ClienteColumn{u"Cliente.CodVendend1", &C::FCodVendend1}.Kept().Updated(42),
    ClienteColumn{u"Cliente.LimiteCredito", &C::FLimiteCredito}.Kept().Updated(43),
    ClienteColumn{u"Cliente.CodPais", &C::FCodPais}.Kept().Updated(44),
    ClienteColumn{u"cliente.nomesocio", &C::FNomeSocio}.Kept().Updated(45),
    ClienteColumn::OptionalText(u"cliente.dt_nascimento", &C::FDT_Nascimento).Updated(46),
    ClienteColumn::OptionalText(u"cliente.dt_ultvenda", &C::FDT_Ult_Venda).Kept().Updated(47),
    ClienteColumn::OptionalText(u"Cliente.Data_Ult_Alteracao", &C::FDT_Ult_Alteracao)
        .ClearedBy(Today)
        .Updated(48),
    ClienteColumn::OptionalText(u"cliente.dt_cadastro", &C::FDT_Cadastro)
        .ClearedBy(Today)
        .Updated(49),
    ClienteColumn::OptionalText(u"cliente.DT_ValCad", &C::FDT_Valcad).Kept().Updated(50),
    ClienteColumn{u"cliente.Ativo", &C::FAtivo, u"S"}.FollowedBy(u",").Updated(51),
    ClienteColumn{u"cliente.CliBloqueado", &C::FCliBloqueado, u"N"}.FollowedBy(u","),
    ClienteColumn::Constant(nullptr, u"N").Updated(52, u"cliente.CliBloqueado"),
    ClienteColumn::Constant(u"cliente.maladiretaeletr", u"N").Updated(53),
    ClienteColumn::Constant(u"cliente.protestarcliente", u"N").Updated(54),
    {nullptr, &C::FMalaDiretaEletr, u"N"},
    {nullptr, &C::FProtestarCliente, u"N"},
};

namespace {

using Columns = ClienteColumns;
static_assert(std::size(Columns::all) == Columns::count);

const std::array<std::size_t, Columns::updated>& UpdateOrder() {
    static const auto order =
        StatementOrder<Columns::updated>(Columns::all, &ClienteColumn::updateAt);
    return order;
}

// The INSERT's text up to its values: the dates that are there among the other columns.
std::vector<QStringView> InsertColumnList(unsigned present) {
    std::vector<QStringView> pieces;
    pieces.reserve(2 * Columns::count + 2);
    pieces.push_back(u"Insert Into Cliente ( ");
    ForEachInserted(Columns::all, present, [&](std::size_t, const ClienteColumn& c) {
        pieces.insert(pieces.end(), {c.insert, u", "});
    });
    pieces.back() = u") ";
    return pieces;
}

} // namespace

TConverteCliente::TConverteCliente(TargetDatabase& cBanco) : TConversao(cBanco) {
    LimpaVariavel();
}

void TConverteCliente::SetCodCliente(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CODCLIENTE");
    FCodCliente = WithoutDoubleQuotes(
        Value, [](const QString& v) { return TiraMascara(StrZero(v, 8)); },
        [](const QString& v) { return TiraMascara(StrZero(Left(v, 8), 8)); });
}

void TConverteCliente::SetCodFornec(const QString& Value) {
    FCodFornec = WithoutDoubleQuotes(Value, Unchanged, Unchanged);
}

void TConverteCliente::SetNome(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.NOME");
    FNome = WithoutDoubleQuotes(Value, TrimmedFirst<60>, [](const QString& v) {
        return FRetiraAcento(UpperCase(Left(Trim(v), 60)));
    });
}

void TConverteCliente::SetContato(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CONTATO");
    FContato = WithoutDoubleQuotes(Value, Trim, TrimmedFirst<50>);
}

void TConverteCliente::SetNomeFantasia(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.NOMEFANTASIA");
    FNomeFantasia = WithoutDoubleQuotes(Value, First<50>, [](const QString& v) {
        return FRetiraAcento(UpperCase(Left(Trim(v), 50)));
    });
}

void TConverteCliente::SetEndereco(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.ENDERECO");
    FEndereco = WithoutDoubleQuotes(Value, TrimmedFirst<60>, TrimmedFirst<60>);
}

void TConverteCliente::SetEnderecoEntr(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.ENDERECOENT");
    FEnderecoEntr = WithoutDoubleQuotes(Value, TrimmedFirst<60>, TrimmedFirst<60>);
}

void TConverteCliente::SetEnderecoCob(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.ENDERECOCOB");
    FEnderecoCob = WithoutDoubleQuotes(Value, TrimmedFirst<60>, TrimmedFirst<60>);
}

void TConverteCliente::SetBairro(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.BAIRRO");
    FBairro = WithoutDoubleQuotes(Value, First<30>, First<30>);
}

void TConverteCliente::SetBairroEntr(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.BAIRROENT");
    FBairroEntr = WithoutDoubleQuotes(Value, First<30>, First<30>);
}

void TConverteCliente::SetBairroCob(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.BAIRROCOB");
    FBairroCob = WithoutDoubleQuotes(Value, TrimmedFirst<60>, TrimmedFirst<30>);
}

void TConverteCliente::SetCodCidade(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CODCIDADE");
    FCodCidade = WithoutDoubleQuotes(Value, Unchanged, CityCode);
}

void TConverteCliente::SetNomeCidade(const QString& Value) {
    FNomeCidade = WithoutDoubleQuotes(Value, First<30>, First<30>);
}

void TConverteCliente::SetCodCidadeEntr(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CODCIDADEENT");
    FCodCidadeEntr = WithoutDoubleQuotes(Value, Unchanged, CityCode);
}

void TConverteCliente::SetNomeCidadeEntr(const QString& Value) {
    FNomeCidadeEntr = WithoutDoubleQuotes(Value, First<30>, First<30>);
}

void TConverteCliente::SetCodCidadeCob(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CODCIDADECOB");
    FCodCidadeCob = WithoutDoubleQuotes(Value, Unchanged, CityCode);
}

void TConverteCliente::SetNomeCidadeCob(const QString& Value) {
    FNomeCidadeCob = WithoutDoubleQuotes(Value, First<30>, First<30>);
}

void TConverteCliente::SetEstado(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.ESTADO");
    FEstado = WithoutDoubleQuotes(Value, First<2>,
                                  [](const QString& v) { return UpperCase(Left(v, 2)); });
}

void TConverteCliente::SetEstadoEntr(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.ESTADOENT");
    FEstadoEntr = WithoutDoubleQuotes(Value, TrimmedFirst<60>,
                                      [](const QString& v) { return UpperCase(Left(Trim(v), 2)); });
}

void TConverteCliente::SetEstadoCob(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.ESTADOCOB");
    FEstadoCob = WithoutDoubleQuotes(Value, First<20>,
                                     [](const QString& v) { return UpperCase(Left(v, 2)); });
}

void TConverteCliente::SetCep(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CEP");
    FCep = WithoutDoubleQuotes(Value, UnmaskedFirst<10>, [](const QString& v) {
        return FRemoveCaracter(UnmaskedFirst<8>(v));
    });
}

void TConverteCliente::SetCepEntr(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CEPENT");
    FCepEntr = WithoutDoubleQuotes(Value, UnmaskedFirst<10>, [](const QString& v) {
        return FRemoveCaracter(UnmaskedFirst<8>(v));
    });
}

void TConverteCliente::SetCepCob(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CEPCOB");
    FCepCob = WithoutDoubleQuotes(Value, UnmaskedFirst<10>, [](const QString& v) {
        return FRemoveCaracter(UnmaskedFirst<8>(v));
    });
}

void TConverteCliente::SetCgcCpf(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CGCCPF");
    FCgcCpf = WithoutDoubleQuotes(Value, UnmaskedFirst<18>, [](const QString& v) {
        return FRemoveCaracter(UnmaskedFirst<18>(v));
    });
}

void TConverteCliente::SetInscEst(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.INSCEST");
    FInscEst = WithoutDoubleQuotes(Value, UnmaskedFirst<15>, [](const QString& v) {
        return FRemoveCaracter(UnmaskedFirst<15>(v));
    });
}

void TConverteCliente::SetInscMunicipal(const QString& Value) {
    FInscMunicipal = WithoutDoubleQuotes(Value, UnmaskedFirst<15>, UnmaskedFirst<15>);
}

void TConverteCliente::SetPessoa_FJ(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.PESSOA_FJ");
    FPessoa_FJ = WithoutDoubleQuotes(Value, Unchanged, First<1>);
}

void TConverteCliente::SetFone(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.FONE");
    FFone = WithoutDoubleQuotes(
        Value, [](const QString& v) { return UnmaskedFirst<15>(Trim(v)); },
        [](const QString& v) { return FSoNumero(Left(v, 16)); });
}

void TConverteCliente::SetFax(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.FAX");
    FFax = WithoutDoubleQuotes(
        Value, [](const QString& v) { return UnmaskedFirst<15>(Trim(v)); },
        [](const QString& v) { return FSoNumero(UnmaskedFirst<16>(Trim(v))); });
}

void TConverteCliente::SetPrefixCelular(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.PREFIXCELULAR");
    FPrefixCelular = WithoutDoubleQuotes(Value, UnmaskedFirst<4>, First<4>);
}

void TConverteCliente::SetCelular(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CELULAR");
    FCelular = WithoutDoubleQuotes(Value, UnmaskedFirst<15>,
                                   [](const QString& v) { return Left(FSoNumero(v), 20); });
}

void TConverteCliente::SetEmail(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.EMAIL");
    FEmail = WithoutDoubleQuotes(Value, TrimmedFirst<60>, TrimmedFirst<60>);
}

void TConverteCliente::SetHomePage(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.HOMEPAGE");
    FHomePage = WithoutDoubleQuotes(Value, TrimmedFirst<30>, TrimmedFirst<30>);
}

void TConverteCliente::SetAtivo(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.ATIVO");
    FAtivo = WithoutDoubleQuotes(Value, Unchanged, First<1>);
}

void TConverteCliente::SetNomeMae(const QString& Value) {
    FNomeMae = WithoutDoubleQuotes(Value, Unchanged, Unchanged);
}

void TConverteCliente::SetNomePai(const QString& Value) {
    FNomePai = WithoutDoubleQuotes(Value, Unchanged, Unchanged);
}

void TConverteCliente::SetCliBloqueado(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CLIBLOQUEADO");
    FCliBloqueado = WithoutDoubleQuotes(Value, Unchanged, First<1>);
}

void TConverteCliente::SetRetemISS(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.RETEMISS");
    FRetemISS = WithoutDoubleQuotes(Value, Unchanged, First<1>);
}

void TConverteCliente::SetMalaDiretaEletr(const QString& Value) {
    FMalaDiretaEletr = WithoutDoubleQuotes(Value, Unchanged, Unchanged);
}

void TConverteCliente::SetProtestarCliente(const QString& Value) {
    FProtestarCliente = WithoutDoubleQuotes(Value, Unchanged, Unchanged);
}

void TConverteCliente::SetDT_Nascimento(const QString& Value) {
    // An unknown birth date stays unknown instead of becoming today.
    FDT_Nascimento = Value.isEmpty() ? QString() : ValidatedDateOrArgument(Value);
}

void TConverteCliente::SetDT_Cadastro(const QString& Value) {
    FDT_Cadastro = ValidatedDateOrArgument(Value);
}

void TConverteCliente::SetDt_Ult_Venda(const QString& Value) {
    FDT_Ult_Venda = ValidatedDate(Value);
}

void TConverteCliente::SetDt_Ult_Alteracao(const QString& Value) {
    FDT_Ult_Alteracao = ValidatedDate(Value);
}

void TConverteCliente::SetDT_Valcad(const QString& Value) {
    FDT_Valcad = ValidatedDate(Value);
}

void TConverteCliente::SetObsercacao(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.OBSERVACAO");
    FObservacao = WithoutDoubleQuotes(Value, First<100>, First<100>);
}

void TConverteCliente::SetCampoLivre1(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CAMPOLIVRE1");
    FCampoLivre1 = WithoutDoubleQuotes(Value, First<20>, First<20>);
}

void TConverteCliente::SetCampoLivre2(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CAMPOLIVRE2");
    FCampoLivre2 = WithoutDoubleQuotes(Value, First<20>, First<20>);
}

void TConverteCliente::SetCampoLivre3(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CAMPOLIVRE3");
    FCampoLivre3 = WithoutDoubleQuotes(Value, First<60>, First<60>);
}

void TConverteCliente::SetCampoLivre4(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CAMPOLIVRE4");
    FCampoLivre4 = WithoutDoubleQuotes(Value, First<60>, First<60>);
}

void TConverteCliente::SetCampoLivre5(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CAMPOLIVRE5");
    FCampoLivre5 = WithoutDoubleQuotes(Value, First<40>, First<40>);
}

void TConverteCliente::SetCampoLivre6(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CAMPOLIVRE6");
    FCampoLivre6 = WithoutDoubleQuotes(Value, First<40>, First<40>);
}

void TConverteCliente::SetCampoLivre7(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CAMPOLIVRE7");
    FCampoLivre7 = WithoutDoubleQuotes(Value, First<40>, First<40>);
}

void TConverteCliente::SetCampoLivre8(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CAMPOLIVRE8");
    FCampoLivre8 = WithoutDoubleQuotes(Value, First<40>, First<40>);
}

void TConverteCliente::SetCampoLivre9(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CAMPOLIVRE9");
    FCampoLivre9 = WithoutDoubleQuotes(Value, First<40>, First<40>);
}

void TConverteCliente::SetCampoLivre10(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CAMPOLIVRE10");
    FCampoLivre10 = WithoutDoubleQuotes(Value, First<40>, First<40>);
}

void TConverteCliente::SetCodPais(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.CODPAIS");
    // The emptiness test looks at the argument as given, before the double quotes go.
    if (Trim(Value).isEmpty())
        return;
    FCodPais = WithoutDoubleQuotes(
        Value, [](const QString& v) { return TiraMascara(StrZero(v, 4)); },
        [](const QString& v) { return TiraMascara(StrZero(Left(v, 4), 4)); });
}

void TConverteCliente::SetNomeSocio(const QString& Value) {
    const FilledColumn filled(u"CLIENTE.NOMESOCIO");
    FNomeSocio = WithoutDoubleQuotes(Value, First<50>, First<50>);
}

void TConverteCliente::SetCodSegmento(const QString& Value) {
    FCodSegmento = WithoutDoubleQuotes(Value, Unchanged, Unchanged);
}

void TConverteCliente::SetCodClasCli(const QString& Value) {
    // Tested after the double quotes go and untrimmed: a blank class is still a class.
    const QString value = WithoutDoubleQuotes(Value, Unchanged, Unchanged);
    if (!value.isEmpty())
        FCodClasCli = value;
}

void TConverteCliente::SetCodVendend1(const QString& Value) {
    FCodVendend1 = WithoutDoubleQuotes(Value, Unchanged, Unchanged);
}

void TConverteCliente::LimpaVariavel() {
    for (const ClienteColumn& c : Columns::all)
        c.Reset(*this);
}

void TConverteCliente::LimpaTabela() {
    EmptyTable(QStringLiteral("Delete from CLIENTE"));
}

QString TConverteCliente::MontaSqlInsere() const {
    const unsigned present = PresentOptional(Columns::all, *this);
    std::array<QString, Columns::count> rendered;
    std::vector<QStringView> pieces = InsertColumnList(present);
    pieces.reserve(pieces.size() + 2 * Columns::count + 1);
    pieces.push_back(u"Values ( ");
    ForEachInserted(Columns::all, present, [&](std::size_t i, const ClienteColumn& c) {
        rendered[i] = c.Value(*this).Rendered();
        pieces.insert(pieces.end(), {rendered[i], c.separator});
    });
    pieces.back() = u")";
    return Concatenated(pieces);
}

std::optional<ParameterisedStatement> TConverteCliente::BoundInsert() const {
    const unsigned present = PresentOptional(Columns::all, *this);
    ParameterisedStatement bound;
    bound.values.reserve(Columns::count);
    bool bindable = true;
    ForEachInserted(Columns::all, present, [&](std::size_t, const ClienteColumn& c) {
        if (bindable)
            bindable = c.Value(*this).BindTo(bound.values.emplace_back());
    });
    if (!bindable)
        return std::nullopt;
    // The shape depends only on which dates are there.
    QString& shape = insertShapes_.at(present);
    if (shape.isEmpty()) {
        std::vector<QStringView> head = InsertColumnList(present);
        head.push_back(u"Values (");
        shape = ParameterShape(std::move(head), bound.values.size());
    }
    bound.sql = shape;
    return bound;
}

namespace {

constexpr QStringView kUpdateHead = u"Update Cliente set ";
constexpr QStringView kUpdateWhere = u" where cliente.codcliente = ";

// The UPDATE's assignments in its order, with the value of each column by the table's index. A
// date without a value is cleared with NULL, so a date emptied since the row was written is
// cleared.
std::vector<Assignment> Assignments(const std::array<QStringView, Columns::count>& values) {
    std::vector<Assignment> assignments;
    assignments.reserve(Columns::updated);
    for (const std::size_t i : UpdateOrder())
        assignments.push_back({Columns::all[i].update, values[i]});
    return assignments;
}

} // namespace

QString TConverteCliente::AtualizaCliente() const {
    std::array<QString, Columns::count> rendered;
    std::array<QStringView, Columns::count> values;
    for (std::size_t i = 0; i < Columns::count; ++i) {
        const ClienteColumn& c = Columns::all[i];
        if (c.updateAt < 0)
            continue;
        if (c.NullInUpdate(*this)) {
            values[i] = kUpdateNull;
        } else {
            rendered[i] = c.Value(*this).Rendered();
            values[i] = rendered[i];
        }
    }
    return UpdateStatement(kUpdateHead, {}, Assignments(values), kUpdateWhere,
                           SqlQuoted(FCodCliente));
}

std::optional<ParameterisedStatement> TConverteCliente::BoundAtualiza() const {
    // Bound in AtualizaCliente's order of rendering, so that the same value raises.
    std::array<TargetValue, Columns::count> bound;
    std::array<QStringView, Columns::count> marks;
    for (std::size_t i = 0; i < Columns::count; ++i) {
        const ClienteColumn& c = Columns::all[i];
        if (c.updateAt < 0)
            continue;
        if (c.NullInUpdate(*this))
            marks[i] = kUpdateNull;
        else if (c.Value(*this).BindTo(bound[i]))
            marks[i] = u"?";
        else
            return std::nullopt;
    }
    ParameterisedStatement statement;
    statement.values.reserve(Columns::updated + 1);
    for (const std::size_t i : UpdateOrder()) {
        if (marks[i] == u"?")
            statement.values.push_back(std::move(bound[i]));
    }
    statement.values.emplace_back(FCodCliente);
    // The shape depends only on which dates are there.
    QString& shape = updateShapes_.at(PresentOptional(Columns::all, *this));
    if (shape.isEmpty())
        shape = UpdateStatement(kUpdateHead, {}, Assignments(marks), kUpdateWhere, u"?");
    statement.sql = shape;
    return statement;
}

bool TConverteCliente::ExecutaSql(int Acao) {
    // Any other action would run whatever statement the query still holds, perhaps the
    // previous client's once more.
    if (Acao == 1) {
        QDestino.ExecBound(BoundInsert(), [this] { return MontaSqlInsere(); });
    } else if (Acao == 2) {
        QDestino.ExecBound(BoundAtualiza(), [this] { return AtualizaCliente(); });
    } else {
        throw Error(QStringLiteral("Ação de gravação de cliente desconhecida: %1 (1 para "
                                   "incluir, 2 para alterar).")
                        .arg(Acao));
    }
    LimpaVariavel();
    return true;
}

void TConverteCliente::GravaNCliente(int Quant) {
    QDestino.Close();
    QString sql = QStringLiteral(
        "insert into ncliente ( ncliente.codempresa, ncliente.numeroclientes ) Values (\"00\",");
    sql += SqlInteger(Quant);
    sql += u')';
    QDestino.SetSQL(sql);
    QDestino.ExecSQL();
}

} // namespace vorlanda
