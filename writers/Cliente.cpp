#include "writers/Cliente.h"

#include "db/Error.h"
#include "writers/Cutting.h"
#include "writers/FormatSettings.h"
#include "writers/SqlText.h"
#include "writers/SqlValue.h"
#include "writers/TextRules.h"
#include "writers/ValueHelpers.h"

#include <array>
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

struct RenderedColumn {
    QString column;
    QString value;
};

// A column with its value, which is rendered into a statement's text or bound.
struct Column {
    QStringView column; // a literal of the code
    SqlValue value;
};

// The columns from the trade name to the partner's name with their values, in the order both
// the INSERT and the UPDATE list them.
std::vector<Column> ColumnsAfterTheName(const TConverteCliente& c) {
    return {
        {u"cliente.nomefantasia", SqlValue::Quoted(c.NomeFantasia())},
        {u"cliente.endereco", SqlValue::Quoted(c.Endereco())},
        {u"cliente.bairro", SqlValue::Quoted(c.Bairro())},
        {u"cliente.codcidade", SqlValue::Quoted(c.CodCidade())},
        {u"cliente.estado", SqlValue::Quoted(c.Estado())},
        {u"cliente.cep", SqlValue::Quoted(c.Cep())},
        {u"cliente.cgccpf", SqlValue::Quoted(c.CgcCpf())},
        {u"cliente.inscest", SqlValue::Quoted(c.InscEst())},
        {u"cliente.pessoa_fj", SqlValue::Quoted(c.Pessoa_FJ())},
        {u"cliente.fone", SqlValue::Quoted(c.Fone())},
        {u"cliente.fax", SqlValue::Quoted(c.Fax())},
        {u"cliente.prefixcelular", SqlValue::Quoted(c.PrefixCelular())},
        {u"cliente.celular", SqlValue::Quoted(c.Celular())},
        {u"cliente.campolivre1", SqlValue::Quoted(c.CampoLivre1())},
        {u"cliente.campolivre2", SqlValue::Quoted(c.CampoLivre2())},
        {u"cliente.campolivre3", SqlValue::Quoted(c.CampoLivre3())},
        {u"cliente.campolivre4", SqlValue::Quoted(c.CampoLivre4())},
        {u"cliente.campolivre5", SqlValue::Quoted(c.CampoLivre5())},
        {u"cliente.campolivre6", SqlValue::Quoted(c.CampoLivre6())},
        {u"cliente.campolivre7", SqlValue::Quoted(c.CampoLivre7())},
        {u"cliente.campolivre8", SqlValue::Quoted(c.CampoLivre8())},
        {u"cliente.campolivre9", SqlValue::Quoted(c.CampoLivre9())},
        {u"cliente.campolivre10", SqlValue::Quoted(c.CampoLivre10())},
        {u"cliente.observacao", SqlValue::Quoted(c.Observacao())},
        {u"cliente.RetemISS", SqlValue::Quoted(c.RetemISS())},
        {u"cliente.email", SqlValue::Quoted(c.Email())},
        {u"cliente.homepage", SqlValue::Quoted(c.HomePage())},
        {u"cliente.enderecocob", SqlValue::Quoted(c.EnderecoCob())},
        {u"cliente.bairrocob", SqlValue::Quoted(c.BairroCob())},
        {u"cliente.cepcob", SqlValue::Quoted(c.CepCob())},
        {u"cliente.codcidadecob", SqlValue::Quoted(c.CodCidadeCob())},
        {u"cliente.estadocob", SqlValue::Quoted(c.EstadoCob())},
        {u"cliente.enderecoent", SqlValue::Quoted(c.EnderecoEntr())},
        {u"cliente.bairroent", SqlValue::Quoted(c.BairroEntr())},
        {u"cliente.cepent", SqlValue::Quoted(c.CepEntr())},
        {u"cliente.codcidadeent", SqlValue::Quoted(c.CodCidadeEntr())},
        {u"cliente.estadoent", SqlValue::Quoted(c.EstadoEntr())},
        {u"cliente.codfornec", SqlValue::Quoted(c.CodFornec())},
        {u"Cliente.contato", SqlValue::Quoted(c.Contato())},
        {u"Cliente.CodSegmento", SqlValue::Quoted(c.CodSegmento())},
        {u"Cliente.CodClasCli", SqlValue::Quoted(c.CodClasCli())},
        {u"Cliente.CodVendend1", SqlValue::Quoted(c.CodVendend1())},
        {u"Cliente.LimiteCredito", SqlValue::Number(c.LimiteCredito())},
        {u"Cliente.CodPais", SqlValue::Quoted(c.CodPais())},
        {u"cliente.nomesocio", SqlValue::Quoted(c.NomeSocio())},
    };
}

// The date columns with their held text, unquoted; an empty text means "no date".
std::array<RenderedColumn, 5> DateColumns(const TConverteCliente& c) {
    return {{
        {QStringLiteral("cliente.dt_nascimento"), c.DT_Nascimento()},
        {QStringLiteral("cliente.dt_ultvenda"), c.Dt_Ult_Venda()},
        {QStringLiteral("Cliente.Data_Ult_Alteracao"), c.Dt_Ult_Alteracao()},
        {QStringLiteral("cliente.dt_cadastro"), c.DT_Cadastro()},
        {QStringLiteral("cliente.DT_ValCad"), c.DT_ValCad()},
    }};
}

// The INSERT's text up to its values: the fixed columns, the columns after the name and the
// dates that are there.
std::vector<QStringView> InsertColumnList(const std::vector<Column>& afterTheName,
                                          const std::array<RenderedColumn, 5>& dates) {
    std::vector<QStringView> pieces;
    pieces.reserve(2 * (afterTheName.size() + dates.size()) + 4);
    pieces.push_back(u"Insert Into Cliente ( cliente.codCliente, cliente.nome, ");
    for (const Column& c : afterTheName)
        pieces.insert(pieces.end(), {c.column, u", "});
    for (const RenderedColumn& date : dates) {
        if (!date.value.isEmpty())
            pieces.insert(pieces.end(), {date.column, u", "});
    }
    pieces.push_back(u"cliente.Ativo, cliente.CliBloqueado, cliente.maladiretaeletr, "
                     u"cliente.protestarcliente) ");
    return pieces;
}

} // namespace

TConverteCliente::TConverteCliente(TargetDatabase& cBanco) : TConversao(cBanco) {
    LimpaVariavel();
}

void TConverteCliente::SetCodCliente(const QString& Value) {
    FCodCliente = WithoutDoubleQuotes(
        Value, [](const QString& v) { return TiraMascara(StrZero(v, 8)); },
        [](const QString& v) { return TiraMascara(StrZero(Left(v, 8), 8)); });
}

void TConverteCliente::SetCodFornec(const QString& Value) {
    FCodFornec = WithoutDoubleQuotes(Value, Unchanged, Unchanged);
}

void TConverteCliente::SetNome(const QString& Value) {
    FNome = WithoutDoubleQuotes(Value, TrimmedFirst<60>, [](const QString& v) {
        return FRetiraAcento(UpperCase(Left(Trim(v), 60)));
    });
}

void TConverteCliente::SetContato(const QString& Value) {
    FContato = WithoutDoubleQuotes(Value, Trim, TrimmedFirst<50>);
}

void TConverteCliente::SetNomeFantasia(const QString& Value) {
    FNomeFantasia = WithoutDoubleQuotes(Value, First<50>, [](const QString& v) {
        return FRetiraAcento(UpperCase(Left(Trim(v), 50)));
    });
}

void TConverteCliente::SetEndereco(const QString& Value) {
    FEndereco = WithoutDoubleQuotes(Value, TrimmedFirst<60>, TrimmedFirst<60>);
}

void TConverteCliente::SetEnderecoEntr(const QString& Value) {
    FEnderecoEntr = WithoutDoubleQuotes(Value, TrimmedFirst<60>, TrimmedFirst<60>);
}

void TConverteCliente::SetEnderecoCob(const QString& Value) {
    FEnderecoCob = WithoutDoubleQuotes(Value, TrimmedFirst<60>, TrimmedFirst<60>);
}

void TConverteCliente::SetBairro(const QString& Value) {
    FBairro = WithoutDoubleQuotes(Value, First<30>, First<30>);
}

void TConverteCliente::SetBairroEntr(const QString& Value) {
    FBairroEntr = WithoutDoubleQuotes(Value, First<30>, First<30>);
}

void TConverteCliente::SetBairroCob(const QString& Value) {
    FBairroCob = WithoutDoubleQuotes(Value, TrimmedFirst<60>, TrimmedFirst<30>);
}

void TConverteCliente::SetCodCidade(const QString& Value) {
    FCodCidade = WithoutDoubleQuotes(Value, Unchanged, CityCode);
}

void TConverteCliente::SetNomeCidade(const QString& Value) {
    FNomeCidade = WithoutDoubleQuotes(Value, First<30>, First<30>);
}

void TConverteCliente::SetCodCidadeEntr(const QString& Value) {
    FCodCidadeEntr = WithoutDoubleQuotes(Value, Unchanged, CityCode);
}

void TConverteCliente::SetNomeCidadeEntr(const QString& Value) {
    FNomeCidadeEntr = WithoutDoubleQuotes(Value, First<30>, First<30>);
}

void TConverteCliente::SetCodCidadeCob(const QString& Value) {
    FCodCidadeCob = WithoutDoubleQuotes(Value, Unchanged, CityCode);
}

void TConverteCliente::SetNomeCidadeCob(const QString& Value) {
    FNomeCidadeCob = WithoutDoubleQuotes(Value, First<30>, First<30>);
}

void TConverteCliente::SetEstado(const QString& Value) {
    FEstado = WithoutDoubleQuotes(Value, First<2>,
                                  [](const QString& v) { return UpperCase(Left(v, 2)); });
}

void TConverteCliente::SetEstadoEntr(const QString& Value) {
    FEstadoEntr = WithoutDoubleQuotes(Value, TrimmedFirst<60>,
                                      [](const QString& v) { return UpperCase(Left(Trim(v), 2)); });
}

void TConverteCliente::SetEstadoCob(const QString& Value) {
    FEstadoCob = WithoutDoubleQuotes(Value, First<20>,
                                     [](const QString& v) { return UpperCase(Left(v, 2)); });
}

void TConverteCliente::SetCep(const QString& Value) {
    FCep = WithoutDoubleQuotes(Value, UnmaskedFirst<10>, [](const QString& v) {
        return FRemoveCaracter(UnmaskedFirst<8>(v));
    });
}

void TConverteCliente::SetCepEntr(const QString& Value) {
    FCepEntr = WithoutDoubleQuotes(Value, UnmaskedFirst<10>, [](const QString& v) {
        return FRemoveCaracter(UnmaskedFirst<8>(v));
    });
}

void TConverteCliente::SetCepCob(const QString& Value) {
    FCepCob = WithoutDoubleQuotes(Value, UnmaskedFirst<10>, [](const QString& v) {
        return FRemoveCaracter(UnmaskedFirst<8>(v));
    });
}

void TConverteCliente::SetCgcCpf(const QString& Value) {
    FCgcCpf = WithoutDoubleQuotes(Value, UnmaskedFirst<18>, [](const QString& v) {
        return FRemoveCaracter(UnmaskedFirst<18>(v));
    });
}

void TConverteCliente::SetInscEst(const QString& Value) {
    FInscEst = WithoutDoubleQuotes(Value, UnmaskedFirst<15>, [](const QString& v) {
        return FRemoveCaracter(UnmaskedFirst<15>(v));
    });
}

void TConverteCliente::SetInscMunicipal(const QString& Value) {
    FInscMunicipal = WithoutDoubleQuotes(Value, UnmaskedFirst<15>, UnmaskedFirst<15>);
}

void TConverteCliente::SetPessoa_FJ(const QString& Value) {
    FPessoa_FJ = WithoutDoubleQuotes(Value, Unchanged, First<1>);
}

void TConverteCliente::SetFone(const QString& Value) {
    FFone = WithoutDoubleQuotes(
        Value, [](const QString& v) { return UnmaskedFirst<15>(Trim(v)); },
        [](const QString& v) { return FSoNumero(Left(v, 16)); });
}

void TConverteCliente::SetFax(const QString& Value) {
    FFax = WithoutDoubleQuotes(
        Value, [](const QString& v) { return UnmaskedFirst<15>(Trim(v)); },
        [](const QString& v) { return FSoNumero(UnmaskedFirst<16>(Trim(v))); });
}

void TConverteCliente::SetPrefixCelular(const QString& Value) {
    FPrefixCelular = WithoutDoubleQuotes(Value, UnmaskedFirst<4>, First<4>);
}

void TConverteCliente::SetCelular(const QString& Value) {
    FCelular = WithoutDoubleQuotes(Value, UnmaskedFirst<15>,
                                   [](const QString& v) { return Left(FSoNumero(v), 20); });
}

void TConverteCliente::SetEmail(const QString& Value) {
    FEmail = WithoutDoubleQuotes(Value, TrimmedFirst<60>, TrimmedFirst<60>);
}

void TConverteCliente::SetHomePage(const QString& Value) {
    FHomePage = WithoutDoubleQuotes(Value, TrimmedFirst<30>, TrimmedFirst<30>);
}

void TConverteCliente::SetAtivo(const QString& Value) {
    FAtivo = WithoutDoubleQuotes(Value, Unchanged, First<1>);
}

void TConverteCliente::SetNomeMae(const QString& Value) {
    FNomeMae = WithoutDoubleQuotes(Value, Unchanged, Unchanged);
}

void TConverteCliente::SetNomePai(const QString& Value) {
    FNomePai = WithoutDoubleQuotes(Value, Unchanged, Unchanged);
}

void TConverteCliente::SetCliBloqueado(const QString& Value) {
    FCliBloqueado = WithoutDoubleQuotes(Value, Unchanged, First<1>);
}

void TConverteCliente::SetRetemISS(const QString& Value) {
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
    FObservacao = WithoutDoubleQuotes(Value, First<100>, First<100>);
}

void TConverteCliente::SetCampoLivre1(const QString& Value) {
    FCampoLivre1 = WithoutDoubleQuotes(Value, First<20>, First<20>);
}

void TConverteCliente::SetCampoLivre2(const QString& Value) {
    FCampoLivre2 = WithoutDoubleQuotes(Value, First<20>, First<20>);
}

void TConverteCliente::SetCampoLivre3(const QString& Value) {
    FCampoLivre3 = WithoutDoubleQuotes(Value, First<60>, First<60>);
}

void TConverteCliente::SetCampoLivre4(const QString& Value) {
    FCampoLivre4 = WithoutDoubleQuotes(Value, First<60>, First<60>);
}

void TConverteCliente::SetCampoLivre5(const QString& Value) {
    FCampoLivre5 = WithoutDoubleQuotes(Value, First<40>, First<40>);
}

void TConverteCliente::SetCampoLivre6(const QString& Value) {
    FCampoLivre6 = WithoutDoubleQuotes(Value, First<40>, First<40>);
}

void TConverteCliente::SetCampoLivre7(const QString& Value) {
    FCampoLivre7 = WithoutDoubleQuotes(Value, First<40>, First<40>);
}

void TConverteCliente::SetCampoLivre8(const QString& Value) {
    FCampoLivre8 = WithoutDoubleQuotes(Value, First<40>, First<40>);
}

void TConverteCliente::SetCampoLivre9(const QString& Value) {
    FCampoLivre9 = WithoutDoubleQuotes(Value, First<40>, First<40>);
}

void TConverteCliente::SetCampoLivre10(const QString& Value) {
    FCampoLivre10 = WithoutDoubleQuotes(Value, First<40>, First<40>);
}

void TConverteCliente::SetCodPais(const QString& Value) {
    // The emptiness test looks at the argument as given, before the double quotes go.
    if (Trim(Value).isEmpty())
        return;
    FCodPais = WithoutDoubleQuotes(
        Value, [](const QString& v) { return TiraMascara(StrZero(v, 4)); },
        [](const QString& v) { return TiraMascara(StrZero(Left(v, 4), 4)); });
}

void TConverteCliente::SetNomeSocio(const QString& Value) {
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
    // These setters give what their input alone decides, so what each gives for its cleared
    // value is worked out once and copied on every later call. The others run each time: the
    // dates may become today's date, in the process's date format, and the country code keeps
    // its value when given an empty one.
    struct ClearedText {
        QString TConverteCliente::*field;
        void (TConverteCliente::*setter)(const QString&);
        const char16_t* input;
    };
    static const ClearedText texts[] = {
        {&TConverteCliente::FCodCliente, &TConverteCliente::SetCodCliente, u""},
        {&TConverteCliente::FNome, &TConverteCliente::SetNome, u""},
        {&TConverteCliente::FNomeFantasia, &TConverteCliente::SetNomeFantasia, u""},
        {&TConverteCliente::FEndereco, &TConverteCliente::SetEndereco, u""},
        {&TConverteCliente::FEnderecoEntr, &TConverteCliente::SetEnderecoEntr, u""},
        {&TConverteCliente::FEnderecoCob, &TConverteCliente::SetEnderecoCob, u""},
        {&TConverteCliente::FBairro, &TConverteCliente::SetBairro, u""},
        {&TConverteCliente::FBairroEntr, &TConverteCliente::SetBairroEntr, u""},
        {&TConverteCliente::FBairroCob, &TConverteCliente::SetBairroCob, u""},
        {&TConverteCliente::FCodCidade, &TConverteCliente::SetCodCidade, u""},
        {&TConverteCliente::FCodCidadeEntr, &TConverteCliente::SetCodCidadeEntr, u""},
        {&TConverteCliente::FCodCidadeCob, &TConverteCliente::SetCodCidadeCob, u""},
        {&TConverteCliente::FEstado, &TConverteCliente::SetEstado, u""},
        {&TConverteCliente::FEstadoEntr, &TConverteCliente::SetEstadoEntr, u""},
        {&TConverteCliente::FEstadoCob, &TConverteCliente::SetEstadoCob, u""},
        {&TConverteCliente::FCep, &TConverteCliente::SetCep, u""},
        {&TConverteCliente::FCepEntr, &TConverteCliente::SetCepEntr, u""},
        {&TConverteCliente::FCepCob, &TConverteCliente::SetCepCob, u""},
        {&TConverteCliente::FCgcCpf, &TConverteCliente::SetCgcCpf, u""},
        {&TConverteCliente::FInscEst, &TConverteCliente::SetInscEst, u""},
        {&TConverteCliente::FPessoa_FJ, &TConverteCliente::SetPessoa_FJ, u"F"},
        {&TConverteCliente::FFone, &TConverteCliente::SetFone, u""},
        {&TConverteCliente::FFax, &TConverteCliente::SetFax, u""},
        {&TConverteCliente::FPrefixCelular, &TConverteCliente::SetPrefixCelular, u""},
        {&TConverteCliente::FCelular, &TConverteCliente::SetCelular, u""},
        {&TConverteCliente::FEmail, &TConverteCliente::SetEmail, u""},
        {&TConverteCliente::FHomePage, &TConverteCliente::SetHomePage, u""},
        {&TConverteCliente::FAtivo, &TConverteCliente::SetAtivo, u"S"},
        {&TConverteCliente::FCliBloqueado, &TConverteCliente::SetCliBloqueado, u"N"},
        {&TConverteCliente::FRetemISS, &TConverteCliente::SetRetemISS, u""},
        {&TConverteCliente::FMalaDiretaEletr, &TConverteCliente::SetMalaDiretaEletr, u"N"},
        {&TConverteCliente::FProtestarCliente, &TConverteCliente::SetProtestarCliente, u"N"},
        {&TConverteCliente::FCampoLivre1, &TConverteCliente::SetCampoLivre1, u""},
        {&TConverteCliente::FCampoLivre2, &TConverteCliente::SetCampoLivre2, u""},
        {&TConverteCliente::FCampoLivre3, &TConverteCliente::SetCampoLivre3, u""},
        {&TConverteCliente::FCampoLivre4, &TConverteCliente::SetCampoLivre4, u""},
        {&TConverteCliente::FCampoLivre5, &TConverteCliente::SetCampoLivre5, u""},
        {&TConverteCliente::FCampoLivre6, &TConverteCliente::SetCampoLivre6, u""},
        {&TConverteCliente::FCampoLivre7, &TConverteCliente::SetCampoLivre7, u""},
        {&TConverteCliente::FCampoLivre8, &TConverteCliente::SetCampoLivre8, u""},
        {&TConverteCliente::FCampoLivre9, &TConverteCliente::SetCampoLivre9, u""},
        {&TConverteCliente::FCampoLivre10, &TConverteCliente::SetCampoLivre10, u""},
        {&TConverteCliente::FObservacao, &TConverteCliente::SetObsercacao, u""},
    };
    static const std::vector<QString> cleared = [this] {
        std::vector<QString> values;
        for (const ClearedText& text : texts) {
            (this->*text.setter)(QString::fromUtf16(text.input));
            values.push_back(this->*text.field);
        }
        return values;
    }();
    for (std::size_t i = 0; i < std::size(texts); ++i)
        this->*texts[i].field = cleared[i];
    const QString empty;
    SetDT_Nascimento(empty);
    SetDT_Cadastro(empty);
    SetDt_Ult_Alteracao(empty);
    SetCodPais(empty);
}

void TConverteCliente::LimpaTabela() {
    EmptyTable(QStringLiteral("Delete from CLIENTE"));
}

QString TConverteCliente::MontaSqlInsere() const {
    const std::vector<Column> afterTheName = ColumnsAfterTheName(*this);
    std::vector<QString> rendered;
    rendered.reserve(afterTheName.size());
    for (const Column& c : afterTheName)
        rendered.push_back(c.value.Rendered());
    const std::array<RenderedColumn, 5> dates = DateColumns(*this);
    const QString codCliente = SqlQuoted(FCodCliente);
    const QString nome = SqlQuoted(FNome);
    const QString ativo = SqlQuoted(FAtivo);
    const QString cliBloqueado = SqlQuoted(FCliBloqueado);
    std::array<QString, 5> quotedDates;
    std::vector<QStringView> pieces = InsertColumnList(afterTheName, dates);
    pieces.reserve(pieces.size() + 2 * (rendered.size() + dates.size()) + 16);
    pieces.insert(pieces.end(), {u"Values ( ", codCliente, u", ", nome, u", "});
    for (const QString& value : rendered)
        pieces.insert(pieces.end(), {value, u", "});
    for (std::size_t i = 0; i < dates.size(); ++i) {
        if (dates[i].value.isEmpty())
            continue;
        quotedDates[i] = SqlQuoted(dates[i].value);
        pieces.insert(pieces.end(), {quotedDates[i], u", "});
    }
    // "N" between double quotes is a text literal only on a dialect 1 database.
    pieces.insert(pieces.end(), {ativo, u",", cliBloqueado, u",\"N\", \"N\")"});
    return Concatenated(pieces);
}

std::optional<ParameterisedStatement> TConverteCliente::BoundInsert() const {
    const std::vector<Column> afterTheName = ColumnsAfterTheName(*this);
    const std::array<RenderedColumn, 5> dates = DateColumns(*this);
    ParameterisedStatement bound;
    bound.values.reserve(afterTheName.size() + dates.size() + 6);
    bound.values.insert(bound.values.end(), {FCodCliente, FNome});
    if (!AppendBound(bound.values, afterTheName,
                     [](const Column& c) -> const SqlValue& { return c.value; }))
        return std::nullopt;
    unsigned present = 0;
    for (std::size_t i = 0; i < dates.size(); ++i) {
        if (dates[i].value.isEmpty())
            continue;
        bound.values.push_back(dates[i].value);
        present |= 1u << i;
    }
    bound.values.insert(bound.values.end(),
                        {FAtivo, FCliBloqueado, QStringLiteral("N"), QStringLiteral("N")});
    // The shape depends only on which dates are there.
    QString& shape = insertShapes_.at(present);
    if (shape.isEmpty()) {
        std::vector<QStringView> head = InsertColumnList(afterTheName, dates);
        head.push_back(u"Values (");
        shape = ParameterShape(std::move(head), bound.values.size());
    }
    bound.sql = shape;
    return bound;
}

namespace {

// AtualizaCliente's statement with the values given: literals for its text, "?" for its shape.
// A date without a value is cleared with NULL, so a date emptied since the row was written is
// cleared.
QString ClientUpdate(QStringView nome, const std::vector<Column>& afterTheName,
                     const std::vector<QStringView>& values,
                     const std::array<RenderedColumn, 5>& dates,
                     const std::array<QStringView, 5>& dateValues, QStringView ativo,
                     QStringView no, QStringView code) {
    std::vector<QStringView> pieces{u"Update Cliente set cliente.Nome = ", nome, u", "};
    pieces.reserve(4 * (afterTheName.size() + dates.size()) + 16);
    for (std::size_t i = 0; i < afterTheName.size(); ++i)
        pieces.insert(pieces.end(), {afterTheName[i].column, u" = ", values[i], u", "});
    for (std::size_t i = 0; i < dates.size(); ++i) {
        if (dates[i].value.isEmpty())
            pieces.insert(pieces.end(), {dates[i].column, u" = NULL , "});
        else
            pieces.insert(pieces.end(), {dates[i].column, u" = ", dateValues[i], u", "});
    }
    pieces.insert(pieces.end(),
                  {u"cliente.Ativo = ", ativo, u", cliente.CliBloqueado = ", no,
                   u", cliente.maladiretaeletr = ", no, u", cliente.protestarcliente = ", no,
                   u" where cliente.codcliente = ", code});
    return Concatenated(pieces);
}

} // namespace

QString TConverteCliente::AtualizaCliente() const {
    const std::vector<Column> afterTheName = ColumnsAfterTheName(*this);
    std::vector<QString> rendered;
    rendered.reserve(afterTheName.size());
    for (const Column& c : afterTheName)
        rendered.push_back(c.value.Rendered());
    const std::array<RenderedColumn, 5> dates = DateColumns(*this);
    std::array<QString, 5> quotedDates;
    std::array<QStringView, 5> dateValues;
    for (std::size_t i = 0; i < dates.size(); ++i) {
        quotedDates[i] = SqlQuoted(dates[i].value);
        dateValues[i] = quotedDates[i];
    }
    // "N" between double quotes is a text literal only on a dialect 1 database.
    return ClientUpdate(SqlQuoted(FNome), afterTheName, {rendered.begin(), rendered.end()}, dates,
                        dateValues, SqlQuoted(FAtivo), u"\"N\"", SqlQuoted(FCodCliente));
}

std::optional<ParameterisedStatement> TConverteCliente::BoundAtualiza() const {
    const std::vector<Column> afterTheName = ColumnsAfterTheName(*this);
    const std::array<RenderedColumn, 5> dates = DateColumns(*this);
    ParameterisedStatement bound;
    bound.values.reserve(afterTheName.size() + dates.size() + 6);
    bound.values.emplace_back(FNome);
    if (!AppendBound(bound.values, afterTheName,
                     [](const Column& c) -> const SqlValue& { return c.value; }))
        return std::nullopt;
    unsigned present = 0;
    for (std::size_t i = 0; i < dates.size(); ++i) {
        if (dates[i].value.isEmpty())
            continue;
        bound.values.push_back(dates[i].value);
        present |= 1u << i;
    }
    const QString no = QStringLiteral("N");
    bound.values.insert(bound.values.end(), {FAtivo, no, no, no, FCodCliente});
    // The shape depends only on which dates are there.
    QString& shape = updateShapes_.at(present);
    if (shape.isEmpty()) {
        std::array<QStringView, 5> marks;
        marks.fill(u"?");
        shape =
            ClientUpdate(u"?", afterTheName, std::vector<QStringView>(afterTheName.size(), u"?"),
                         dates, marks, u"?", u"?", u"?");
    }
    bound.sql = shape;
    return bound;
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
