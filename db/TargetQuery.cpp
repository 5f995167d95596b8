#include "db/TargetQuery.h"

#include "db/TargetDatabase.h"
#include "db/TargetTransaction.h"
#include "db/internal/FirebirdApi.h"
#include "db/internal/InputMessages.h"
#include "db/internal/PreparedStatement.h"

#include <cstring>

namespace vorlanda {

namespace {

QString StatementText(const QString& positional) {
    // The server's parser takes one statement without a terminator.
    qsizetype length = positional.size();
    while (length > 0 && (positional[length - 1] <= u' ' || positional[length - 1] == u';'))
        --length;
    return positional.left(length);
}

QDateTime DecodeTimestamp(ISC_DATE date, ISC_TIME time) {
    unsigned year = 0, month = 0, day = 0, hours = 0, minutes = 0, seconds = 0, fractions = 0;
    fb::Util()->decodeDate(date, &year, &month, &day);
    fb::Util()->decodeTime(time, &hours, &minutes, &seconds, &fractions);
    return QDateTime(QDate(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)),
                     QTime(static_cast<int>(hours), static_cast<int>(minutes),
                           static_cast<int>(seconds), static_cast<int>(fractions / 10)),
                     Qt::UTC);
}

template <typename T> T Read(const unsigned char* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

QString DecodeText(const char* bytes, qsizetype length, unsigned charset) {
    return charset == fb::charsetUtf8 ? QString::fromUtf8(bytes, length)
                                      : QString::fromLatin1(bytes, length);
}

TargetValue DecodeScaled(qint64 number, int scale) {
    if (scale == 0)
        return number;
    double value = static_cast<double>(number);
    for (int i = 0; i < -scale; ++i)
        value /= 10.0;
    return value;
}

TargetValue DecodeColumn(fb::Status& status, Firebird::IMessageMetadata* metadata, unsigned index,
                         const unsigned char* message) {
    if (Read<short>(message + metadata->getNullOffset(&status, index)) != 0)
        return std::monostate{};
    const unsigned char* at = message + metadata->getOffset(&status, index);
    const int scale = metadata->getScale(&status, index);
    switch (metadata->getType(&status, index) & ~1u) {
    case SQL_TEXT: {
        QString text =
            DecodeText(reinterpret_cast<const char*>(at), metadata->getLength(&status, index),
                       metadata->getCharSet(&status, index));
        while (!text.isEmpty() && text.back() == u' ')
            text.chop(1);
        return text;
    }
    case SQL_VARYING:
        return DecodeText(reinterpret_cast<const char*>(at) + 2, Read<quint16>(at),
                          metadata->getCharSet(&status, index));
    case SQL_SHORT:
        return DecodeScaled(Read<qint16>(at), scale);
    case SQL_LONG:
        return DecodeScaled(Read<qint32>(at), scale);
    case SQL_INT64:
        return DecodeScaled(Read<qint64>(at), scale);
    case SQL_FLOAT:
        return static_cast<double>(Read<float>(at));
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return Read<double>(at);
    case SQL_TIMESTAMP:
        return DecodeTimestamp(Read<ISC_DATE>(at), Read<ISC_TIME>(at + sizeof(ISC_DATE)));
    case SQL_TYPE_DATE:
        return DecodeTimestamp(Read<ISC_DATE>(at), 0);
    case SQL_BOOLEAN:
        return static_cast<qint64>(*at != 0);
    default:
        throw Error(QStringLiteral("Tipo de coluna não suportado: %1")
                        .arg(QString::fromUtf8(metadata->getAlias(&status, index))));
    }
}

} // namespace

TargetQuery::TargetQuery(TargetDatabase& database) : database_(&database) {
    database_->Register(this);
}

TargetQuery::~TargetQuery() {
    Unprepare();
    if (database_)
        database_->Unregister(this);
}

void TargetQuery::SetSQL(const QString& text) {
    sql_ = text;
    TextChanged();
}

void TargetQuery::ClearSQL() {
    SetSQL({});
}

void TargetQuery::AddSQL(const QString& line) {
    if (!sql_.isEmpty() && !sql_.endsWith(u'\n'))
        sql_ += u'\n';
    sql_ += line;
    TextChanged();
}

void TargetQuery::TextChanged() {
    Close();
    Unprepare();
    fields_.clear();
    positional_ = ToPositional(sql_);
    params_.clear();
    for (const QString& name : positional_.names) {
        const bool known = std::any_of(params_.begin(), params_.end(), [&](const TargetParam& p) {
            return p.Name().compare(name, Qt::CaseInsensitive) == 0;
        });
        if (!known)
            params_.emplace_back(name);
    }
}

TargetParam& TargetQuery::ParamByName(const QString& name) {
    for (TargetParam& param : params_)
        if (param.Name().compare(name, Qt::CaseInsensitive) == 0)
            return param;
    throw Error(QStringLiteral("Parâmetro '%1' não encontrado").arg(name), 0, sql_);
}

TargetTransaction& TargetQuery::Transaction() const {
    if (!database_ || !database_->DefaultTransaction())
        throw Error(QStringLiteral("A consulta não tem banco de dados com transação"), 0, sql_);
    return *database_->DefaultTransaction();
}

PreparedStatement& TargetQuery::Prepared() {
    if (statement_)
        return *statement_;
    try {
        statement_ = database_->Prepare(StatementText(positional_.sql));
    } catch (const Error& error) {
        throw Error(error.Message(), error.Code(), sql_);
    }
    NameFields();
    paramOfMarker_.clear();
    for (const QString& name : positional_.names)
        paramOfMarker_.push_back(static_cast<std::size_t>(&ParamByName(name) - params_.data()));
    return *statement_;
}

const std::vector<const TargetValue*>& TargetQuery::MarkerValues() {
    markerValues_.clear();
    if (sql_.isEmpty()) { // only a bound statement runs without a text
        for (const TargetValue& value : bound_.values)
            markerValues_.push_back(&value);
    } else {
        for (std::size_t index : paramOfMarker_)
            markerValues_.push_back(&params_[index].Value());
    }
    return markerValues_;
}

void TargetQuery::Open() {
    Close();
    PreparedStatement& statement = Prepared();
    try {
        Fetch(statement, MarkerValues());
    } catch (const Firebird::FbException& failure) {
        rows_.clear();
        fb::Raise(failure, sql_);
    } catch (const Error& error) {
        rows_.clear();
        throw Error(error.Message(), error.Code(), sql_);
    }
    StartAtFirstRow();
}

void TargetQuery::NameFields() {
    fields_.clear();
    for (const QString& column : statement_->columns)
        fields_.emplace_back(column, nullptr);
}

void TargetQuery::StartAtFirstRow() {
    active_ = true;
    current_ = 0;
    PointFieldsAtCurrentRow();
}

void TargetQuery::Fetch(PreparedStatement& statement,
                        const std::vector<const TargetValue*>& values) {
    Firebird::ITransaction* transaction = Transaction().Current();
    statement.messages->Encode(values);
    fb::Status status;
    fb::Handle<Firebird::IResultSet> cursor(
        statement.handle->openCursor(&status, transaction, statement.messages->Metadata(),
                                     statement.messages->Buffer(), statement.output.get(), 0));
    Firebird::IMessageMetadata* output = statement.output.get();
    std::vector<unsigned char> message(output->getMessageLength(&status));
    const unsigned columns = output->getCount(&status);
    while (cursor->fetchNext(&status, message.data()) == Firebird::IStatus::RESULT_OK) {
        std::vector<TargetValue> row;
        row.reserve(columns);
        for (unsigned i = 0; i < columns; ++i)
            row.push_back(DecodeColumn(status, output, i, message.data()));
        rows_.push_back(std::move(row));
    }
    cursor->close(&status);
    (void)cursor.release(); // a successful close releases the interface
}

void TargetQuery::ExecSQL() {
    Close();
    PreparedStatement& statement = Prepared();
    if (statement.type == isc_info_sql_stmt_commit ||
        statement.type == isc_info_sql_stmt_rollback) {
        // Ending the transaction through the transaction object keeps it the single owner
        // of the server's handle: it then reports no transaction until a statement starts one.
        TargetTransaction& transaction = Transaction();
        if (transaction.InTransaction()) {
            if (statement.type == isc_info_sql_stmt_commit)
                transaction.Commit();
            else
                transaction.Rollback();
        }
        return;
    }
    try {
        Execute(statement, MarkerValues());
    } catch (const Firebird::FbException& failure) {
        fb::Raise(failure, sql_);
    } catch (const Error& error) {
        throw Error(error.Message(), error.Code(), sql_);
    }
}

void TargetQuery::ExecBound(std::optional<ParameterisedStatement> bound,
                            const std::function<QString()>& written) {
    if (RunBound(bound, false))
        return;
    SetSQL(written());
    ExecSQL();
}

void TargetQuery::OpenBound(std::optional<ParameterisedStatement> bound,
                            const std::function<QString()>& written) {
    if (RunBound(bound, true))
        return;
    SetSQL(written());
    Open();
}

bool TargetQuery::RunBound(std::optional<ParameterisedStatement>& bound, bool open) {
    if (!bound)
        return false;
    // Callers hand over the same text row after row: the statement prepared for it is kept
    // without looking it up again.
    std::shared_ptr<PreparedStatement> previous =
        statement_ && bound_.sql.isSharedWith(bound->sql) ? statement_ : nullptr;
    // After a bound statement there is no text to clear, only its values to replace.
    if (sql_.isEmpty())
        Close();
    else
        ClearSQL();
    try {
        statement_ = previous ? std::move(previous) : database_->Prepare(bound->sql);
        bound_ = std::move(*bound);
        if (!open) {
            Execute(*statement_, MarkerValues());
            return true;
        }
        NameFields();
        Fetch(*statement_, MarkerValues());
    } catch (const Firebird::FbException&) {
        // A failed statement changes nothing; the text decides.
        rows_.clear();
        return false;
    } catch (const Error&) {
        rows_.clear();
        return false;
    }
    StartAtFirstRow();
    return true;
}

void TargetQuery::Execute(PreparedStatement& statement,
                          const std::vector<const TargetValue*>& values) {
    Firebird::ITransaction* transaction = Transaction().Current();
    statement.messages->Encode(values);
    fb::Status status;
    statement.handle->execute(&status, transaction, statement.messages->Metadata(),
                              statement.messages->Buffer(), nullptr, nullptr);
}

void TargetQuery::Close() noexcept {
    active_ = false;
    rows_.clear();
    current_ = 0;
    for (TargetField& field : fields_)
        field.value_ = nullptr;
}

bool TargetQuery::IsEmpty() const {
    return rows_.empty();
}

bool TargetQuery::Eof() const {
    return current_ >= rows_.size();
}

void TargetQuery::Next() {
    if (!Eof())
        ++current_;
    PointFieldsAtCurrentRow();
}

void TargetQuery::PointFieldsAtCurrentRow() {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i].value_ = current_ < rows_.size() ? &rows_[current_][i] : nullptr;
}

const TargetField* TargetQuery::FindField(const QString& name) const {
    for (const TargetField& field : fields_)
        if (field.FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return &field;
    return nullptr;
}

const TargetField& TargetQuery::FieldByName(const QString& name) const {
    if (!active_)
        throw Error(QStringLiteral("A consulta não está aberta"), 0, sql_);
    if (const TargetField* field = FindField(name))
        return *field;
    throw Error(QStringLiteral("Campo '%1' não encontrado").arg(name), 0, sql_);
}

void TargetQuery::Unprepare() noexcept {
    Close();
    statement_.reset();
    bound_ = {};
}

void TargetQuery::DetachFromDatabase() noexcept {
    Unprepare();
    database_ = nullptr;
}

} // namespace vorlanda
