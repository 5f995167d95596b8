// The reference lookups of TConversao: find a reference row by its text, or create it with
// the table's greatest code plus one (no generator: nothing else writes during a run).

#include "db/Error.h"
#include "db/NumberText.h"
#include "ui/UserInterface.h"
#include "writers/ConversionTally.h"
#include "writers/SqlText.h"
#include "writers/TextRules.h"
#include "writers/ValueHelpers.h"
#include "writers/classConversao.h"

#include <algorithm>

namespace vorlanda {

struct TConversao::Reference {
    QString table;
    QString codeColumn;
    QString maximumSql;
    int width;
    QString firstCode;
    QString insertSql;
    QStringList insertParams; // the code's parameter first
};

struct TConversao::CommittedReference {
    QString table;
    QString searchSql;
    QString maximumSql;
    QString insertSql;
    QString codeColumn;
    QString codeParam;
    QString textParam;
    int width;
    QString firstCode;
    QString warning;
};

namespace {

// The search with each "?" replaced by its text written as a literal.
QString WithLiterals(const QString& search, const QStringList& texts) {
    QString sql;
    qsizetype from = 0;
    for (const QString& text : texts) {
        const qsizetype at = search.indexOf(u'?', from);
        sql += QStringView(search).mid(from, at - from);
        sql += SqlQuoted(text);
        from = at + 1;
    }
    sql += QStringView(search).mid(from);
    return sql;
}

} // namespace

bool TConversao::Search(const QString& search, const QStringList& texts) {
    QAuxiliar.Close();
    QAuxiliar.OpenBound(
        ParameterisedStatement{search, std::vector<TargetValue>(texts.begin(), texts.end())},
        [&] { return WithLiterals(search, texts); });
    return !QAuxiliar.IsEmpty();
}

QString TConversao::NextCode(const QString& maximumSql, const QString& codeColumn, int width,
                             const QString& firstCode) {
    QString maximum;
    if (const std::optional<QString> known = greatest_.Find(maximumSql)) {
        maximum = *known;
    } else {
        QAuxiliar.Close();
        QAuxiliar.SetSQL(maximumSql);
        QAuxiliar.Open();
        maximum = QAuxiliar.FieldByName(codeColumn).AsString();
        greatest_.Remember(maximumSql, maximum);
    }
    if (maximum.isEmpty())
        return firstCode;
    return StrZero(QString::number(static_cast<qint64>(ParseInteger(maximum)) + 1), width);
}

namespace {

bool IsDigitCode(const QString& code) {
    return !code.isEmpty() &&
           std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Codes of digits alone order alike in every collation: character by character, a shorter
// code as if padded with blanks, which come before every digit.
bool DigitCodeLess(const QString& a, const QString& b) {
    const qsizetype length = std::max(a.size(), b.size());
    for (qsizetype i = 0; i < length; ++i) {
        const QChar x = i < a.size() ? a[i] : QChar(u' ');
        const QChar y = i < b.size() ? b[i] : QChar(u' ');
        if (x != y)
            return x < y;
    }
    return false;
}

} // namespace

void TConversao::CodeCreated(const QString& maximumSql, const QString& code) {
    const std::optional<QString> known = greatest_.Find(maximumSql);
    if (known && IsDigitCode(code) && (known->isEmpty() || IsDigitCode(*known)))
        greatest_.Remember(maximumSql,
                           known->isEmpty() || DigitCodeLess(*known, code) ? code : *known);
    else
        greatest_.Forget(); // the server knows where a code of other characters sorts
}

QString TConversao::Create(const Reference& reference, const QStringList& values) {
    const QString code =
        NextCode(reference.maximumSql, reference.codeColumn, reference.width, reference.firstCode);
    QAuxiliar.Close();
    QAuxiliar.SetSQL(reference.insertSql);
    QAuxiliar.ParamByName(reference.insertParams.front()).SetAsString(code);
    for (qsizetype i = 1; i < reference.insertParams.size(); ++i)
        QAuxiliar.ParamByName(reference.insertParams[i]).SetAsString(values[i - 1]);
    QAuxiliar.ExecSQL();
    CodeCreated(reference.maximumSql, code);
    NoteRowCreated(reference.table, values.join(QStringLiteral(" / ")));
    return code;
}

QString TConversao::FindOrCreate(const Reference& reference, const QString& search,
                                 const QStringList& values) {
    if (Search(search, values))
        return QAuxiliar.FieldByName(reference.codeColumn).AsString();
    return Create(reference, values);
}

QString TConversao::FCidade(const QString& Cidade, const QString& Estado) {
    static const Reference cidades{
        QStringLiteral("CIDADES"),
        QStringLiteral("CODCIDADE"),
        QStringLiteral(" SELECT MAX(CODCIDADE) AS CODCIDADE FROM CIDADES "),
        5,
        QStringLiteral("00001"),
        QStringLiteral(" INSERT INTO CIDADES (CODCIDADE, CIDADE, ESTADO) VALUES (:CODCIDADE, "
                       ":CIDADE, :ESTADO) "),
        {QStringLiteral("CODCIDADE"), QStringLiteral("CIDADE"), QStringLiteral("ESTADO")}};
    const QString cidade = UpperCase(Cidade);
    const QString estado = UpperCase(Estado);
    const bool bhte = Cidade == u"BHTE"; // the legacy abbreviation of the capital, in any state
    // The answer depends on the texts searched for and on the abbreviation alone, so spellings
    // that differ only in the case of plain letters share it. Both texts are in the question
    // whole, so no two different pairs read alike.
    const QString question =
        QString(bhte ? u'*' : u'-') + QString::number(cidade.size()) + u':' + cidade + estado;
    if (const std::optional<QString> known = cidades_.Find(question))
        return *known;
    if (const std::optional<QString> known = cidadesPelaCapital_.Find(question))
        return *known;
    QString code;
    if (Search(QStringLiteral(" SELECT CODCIDADE FROM CIDADES WHERE CIDADE = ?    AND ESTADO = ?"),
               {cidade, estado})) {
        code = QAuxiliar.FieldByName(cidades.codeColumn).AsString();
    } else if (bhte && Search(QStringLiteral(
                           " SELECT CODCIDADE FROM CIDADES WHERE CIDADE = 'BELO HORIZONTE' "))) {
        code = QAuxiliar.FieldByName(cidades.codeColumn).AsString();
        cidadesPelaCapital_.Remember(question, code);
        return code;
    } else {
        // A new city never answers a question the first search answered already: it is
        // stored as searched, and that search found nothing. It may answer one the capital
        // answered, or be a capital itself.
        cidadesPelaCapital_.Forget();
        code = Create(cidades, {cidade, estado});
    }
    cidades_.Remember(question, code);
    return code;
}

QString TConversao::FGrupo(const QString& Grupo) {
    static const Reference grupos{
        QStringLiteral("GRUPROD"),
        QStringLiteral("CODGRUPO"),
        QStringLiteral(" SELECT MAX(CODGRUPO) AS CODGRUPO FROM GRUPROD "),
        3,
        QStringLiteral("001"),
        QStringLiteral(
            " INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES (:CODGRUPO, :DESCRICAO) "),
        {QStringLiteral("CODGRUPO"), QStringLiteral("DESCRICAO")}};
    const QString grupo = UpperCase(Grupo);
    return FindOrCreate(grupos, QStringLiteral(" SELECT CODGRUPO FROM GRUPROD WHERE DESCRICAO = ?"),
                        {grupo});
}

QString TConversao::FPais(const QString& Pais) {
    static const Reference paises{
        QStringLiteral("PAISES"),
        QStringLiteral("CODPAIS"),
        QStringLiteral(" SELECT MAX(CODPAIS) AS CODPAIS FROM PAISES "),
        4,
        QStringLiteral("0001"),
        QStringLiteral(" INSERT INTO PAISES (CODPAIS, NOMEPAIS) VALUES (:CODPAIS, :NOMEPAIS) "),
        {QStringLiteral("CODPAIS"), QStringLiteral("NOMEPAIS")}};
    const QString pais = UpperCase(Left(Pais, 60));
    return FindOrCreate(paises, QStringLiteral(" SELECT CODPAIS FROM PAISES WHERE NOMEPAIS = ?"),
                        {pais});
}

QString TConversao::FClasCli(const QString& ClasCli) {
    static const Reference classes{
        QStringLiteral("CLASCLI"),
        QStringLiteral("CODCLASCLI"),
        QStringLiteral(" SELECT MAX(CODCLASCLI) AS CODCLASCLI FROM CLASCLI "),
        3,
        QStringLiteral("001"),
        QStringLiteral(
            " INSERT INTO CLASCLI (CODCLASCLI, DESCRICAO) VALUES (:CODCLASCLI, :DESCRICAO) "),
        {QStringLiteral("CODCLASCLI"), QStringLiteral("DESCRICAO")}};
    const QString classe = UpperCase(Left(ClasCli, 20));
    return FindOrCreate(
        classes, QStringLiteral(" SELECT CODCLASCLI FROM CLASCLI WHERE DESCRICAO = ?"), {classe});
}

QString TConversao::FLocalProd(const QString& LocalProd) {
    static const Reference locais{
        QStringLiteral("LOCALPROD"),
        QStringLiteral("CODLOCAL"),
        QStringLiteral(" SELECT MAX(CODLOCAL) AS CODLOCAL FROM LOCALPROD "),
        8,
        QStringLiteral("00000001"),
        QStringLiteral(
            " INSERT INTO LOCALPROD (CODLOCAL, DESCRICAO) VALUES (:CODLOCAL, :DESCRICAO) "),
        {QStringLiteral("CODLOCAL"), QStringLiteral("DESCRICAO")}};
    const QString local = UpperCase(Left(LocalProd, 20));
    return FindOrCreate(
        locais, QStringLiteral(" SELECT CODLOCAL FROM LOCALPROD WHERE DESCRICAO = ?"), {local});
}

QString TConversao::FRetornaCodClasFis(const QString& ClasFis) {
    // Searched and stored in the one form CLASFISC keeps: without the punctuation the
    // classification import removes, cut to the column's eight characters. "3004.90.99" and
    // "30049099" so find the same row, converted or created once, instead of every product
    // creating its own.
    const QString ncm = Left(Trim(FRemoveCaracter(ClasFis)), 8);
    if (const std::optional<QString> known = classificacoes_.Find(ncm))
        return *known;
    if (Search(QStringLiteral(" SELECT CODCLASFIS FROM CLASFISC WHERE CODIGONCM = ?"), {ncm})) {
        const QString code = QAuxiliar.FieldByName(QStringLiteral("CodClasFis")).AsString();
        classificacoes_.Remember(ncm, code);
        return code;
    }
    // The key has four characters: a fifth digit is cut, not carried.
    const QString maximumSql =
        QStringLiteral(" Select Max(CODCLASFIS) as CodClasFis From CLASFISC ");
    const QString code = StrZero(
        Left(NextCode(maximumSql, QStringLiteral("CodClasFis"), 4, QStringLiteral("0001")), 4), 4);
    QAuxiliar.Close();
    QAuxiliar.SetSQL(QStringLiteral(" Insert Into CLASFISC (CodClasFis, CodigoNCM, CodNBM, "
                                    "CODNATRECEITA ) VALUES (:CodClasFis, :CodigoNCM, :CodNBM, "
                                    ":CODNATRECEITA )"));
    QAuxiliar.ParamByName(QStringLiteral("CodClasFis")).SetAsString(code);
    QAuxiliar.ParamByName(QStringLiteral("CodigoNCM")).SetAsString(ncm);
    QAuxiliar.ParamByName(QStringLiteral("CodNBM")).SetAsString(ncm);
    QAuxiliar.ParamByName(QStringLiteral("CODNATRECEITA")).SetAsString(QStringLiteral("999"));
    QAuxiliar.ExecSQL();
    CodeCreated(maximumSql, code);
    NoteRowCreated(QStringLiteral("CLASFISC"), ncm);
    // Stored as it was searched, and that search found nothing: no remembered answer changes.
    classificacoes_.Remember(ncm, code);
    return code;
}

QString TConversao::FGrupoComCodigoPredefinido(const QString& CodGrupo, const QString& Descricao) {
    const QString codigo = StrZero(CodGrupo, 3);
    if (!Search(QStringLiteral(" SELECT DESCRICAO FROM GRUPROD WHERE CODGRUPO = ?"), {codigo})) {
        QAuxiliar.Close();
        QAuxiliar.SetSQL(QStringLiteral(
            " INSERT INTO GRUPROD (CODGRUPO, DESCRICAO) VALUES (:CODGRUPO, :DESCRICAO) "));
        QAuxiliar.ParamByName(QStringLiteral("CODGRUPO")).SetAsString(codigo);
        QAuxiliar.ParamByName(QStringLiteral("DESCRICAO"))
            .SetAsString(Left(UpperCase(Descricao), 30));
        QAuxiliar.ExecSQL();
        NoteRowCreated(QStringLiteral("GRUPROD"), codigo);
    }
    return CodGrupo;
}

QString TConversao::FSubGrupoComCodigoPredefinido(const QString& CodGrupo,
                                                  const QString& CodSubgrupo,
                                                  const QString& Descricao) {
    if (!Search(QStringLiteral(
                    " SELECT DESCRICAO FROM SUBGRUP WHERE CODGRUPO = ?    AND CODSUBGRUPO = ?"),
                {StrZero(CodGrupo, 3), StrZero(CodSubgrupo, 3)})) {
        QAuxiliar.Close();
        QAuxiliar.SetSQL(QStringLiteral(" INSERT INTO SUBGRUP (CODGRUPO, CODSUBGRUPO, DESCRICAO) "
                                        "VALUES (:CODGRUPO, :CODSUBGRUPO, :DESCRICAO) "));
        QAuxiliar.ParamByName(QStringLiteral("CODGRUPO"))
            .SetAsString(StrZero(CodGrupo.right(3), 3));
        QAuxiliar.ParamByName(QStringLiteral("CODSUBGRUPO"))
            .SetAsString(StrZero(CodSubgrupo.right(3), 3));
        QAuxiliar.ParamByName(QStringLiteral("DESCRICAO"))
            .SetAsString(Left(UpperCase(Descricao), 30));
        QAuxiliar.ExecSQL();
        NoteRowCreated(QStringLiteral("SUBGRUP"),
                       StrZero(CodGrupo.right(3), 3) + u'/' + StrZero(CodSubgrupo.right(3), 3));
    }
    return CodSubgrupo;
}

QString TConversao::FindOrCreateCommitted(const CommittedReference& reference, LookupMemo& memo,
                                          const QString& text) {
    const QString searched = Left(text, 30);
    if (const std::optional<QString> known = memo.Find(searched))
        return *known;
    QString code;
    try {
        QAuxiliar.Close();
        QAuxiliar.SetSQL(reference.searchSql);
        QAuxiliar.ParamByName(reference.textParam).SetAsString(searched);
        QAuxiliar.Open();
        const TargetField& found = QAuxiliar.FieldByName(reference.codeColumn);
        code = found.AsString();
        if (found.IsNull() && !text.isEmpty()) {
            // Stored as it was searched, and that search found nothing, the new row answers
            // no question answered before: what the memo holds stays true.
            code = NextCode(reference.maximumSql, reference.codeColumn, reference.width,
                            reference.firstCode);
            QAuxiliar.Close();
            QAuxiliar.SetSQL(reference.insertSql);
            QAuxiliar.ParamByName(reference.codeParam).SetAsString(code);
            QAuxiliar.ParamByName(reference.textParam).SetAsString(searched);
            QAuxiliar.ExecSQL();
            CodeCreated(reference.maximumSql, code);
            QAuxiliar.SetSQL(QStringLiteral("COMMIT"));
            QAuxiliar.ExecSQL();
            NoteRowCreated(reference.table, searched);
        }
        memo.Remember(searched, code);
    } catch (const Error& error) {
        CurrentUserInterface().ShowWarning(reference.warning + u'\r' + error.Message());
    }
    return code;
}

QString TConversao::FFabricante(const QString& Fabricante) {
    static const CommittedReference fabricantes{
        QStringLiteral("CADFABR"),
        QStringLiteral("  SELECT CODFABRIC FROM CADFABR WHERE DESCRICAO = :PFABRIC    "),
        QStringLiteral("SELECT MAX(CODFABRIC) AS CODFABRIC FROM CADFABR "),
        QStringLiteral(
            "INSERT INTO CADFABR ( CODFABRIC, DESCRICAO) VALUES( :PCODFABRIC, :PFABRIC) "),
        QStringLiteral("CODFABRIC"),
        QStringLiteral("PCODFABRIC"),
        QStringLiteral("PFABRIC"),
        5,
        QStringLiteral("00001"),
        QStringLiteral("Erro ao converter Fabricante. Motivo: ")};
    return FindOrCreateCommitted(fabricantes, fabricantes_, Fabricante);
}

QString TConversao::FFamilia(const QString& Familia) {
    static const CommittedReference familias{
        QStringLiteral("FAMILIA"),
        QStringLiteral("  SELECT CODIGO FROM FAMILIA WHERE DESCRICAO = :DESCRICAO   "),
        QStringLiteral("SELECT MAX(CODIGO) AS CODIGO FROM FAMILIA "),
        QStringLiteral("INSERT INTO FAMILIA ( CODIGO, DESCRICAO) VALUES( :CODIGO, :DESCRICAO) "),
        QStringLiteral("CODIGO"),
        QStringLiteral("CODIGO"),
        QStringLiteral("DESCRICAO"),
        2,
        QStringLiteral("01"),
        QStringLiteral("Erro ao converter Família. Motivo: ")};
    return FindOrCreateCommitted(familias, familias_, Familia);
}

QString TConversao::FUnidade(const QString& VFUNID) {
    const QString unidade = UpperCase(Left(VFUNID, 6));
    try {
        QAuxiliar.SetSQL(QStringLiteral("Select UNIDADE from UNIDADES Where UNIDADE = :PUNIDADE"));
        QAuxiliar.ParamByName(QStringLiteral("PUNIDADE")).SetAsString(unidade);
        QAuxiliar.Open();
        if (QAuxiliar.IsEmpty()) {
            QAuxiliar.Close();
            QAuxiliar.SetSQL(QStringLiteral("Insert Into UNIDADES (UNIDADE) Values(:PUNIDADE)"));
            QAuxiliar.ParamByName(QStringLiteral("PUNIDADE")).SetAsString(unidade);
            QAuxiliar.ExecSQL();
            NoteRowCreated(QStringLiteral("UNIDADES"), unidade);
        }
    } catch (const Error&) {
        CurrentUserInterface().ShowWarning(QStringLiteral("Erro ao converter Unidade."));
    }
    return unidade;
}

} // namespace vorlanda
