#include "db/TargetQuery.h"

#include "db/FirebirdApi.h"
#include "db/LiteralParameters.h"
#include "db/PreparedStatement.h"
#include "db/TargetDatabase.h"
#include "db/TargetTransaction.h"

#include <cstring>

namespace vorlanda {

namespace {

constexpr unsigned charsetUtf8 = 4;
constexpr qsizetype maxVaryingBytes = 32765;

// The client library takes text as UTF-8 bytes and stops at a NUL; a lone surrogate has no
// UTF-8 form at all. Either would send something other than the caller's text, so such
// text is refused instead.
void RequireSendableText(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        bool bad = c.isNull();
        if (c.isHighSurrogate())
            bad = !(i + 1 < text.size() && text[i + 1].isLowSurrogate()) || (++i, false);
        else if (c.isLowSurrogate())
            bad = true;
        if (bad)
            throw Error(QStringLiteral("Texto com caractere inválido (U+%1) não pode ser enviado "
                                       "ao banco de dados: %2")
                            .arg(c.unicode(), 4, 16, QLatin1Char('0'))
                            .arg(text.left(i).right(60)));
    }
}

QString StatementText(const QString& positional) {
    // The server's parser takes one statement without a terminator.
    QString text = positional;
    while (!text.isEmpty() && (text.back() <= u' ' || text.back() == u';'))
        text.chop(1);
    return text;
}

struct InputMessage {
    fb::Handle<Firebird::IMessageMetadata> metadata;
    std::vector<unsigned char> buffer;
};

void WriteVarying(unsigned char* at, const QByteArray& bytes) {
    const auto length = static_cast<quint16>(bytes.size());
    std::memcpy(at, &length, sizeof length);
    std::memcpy(at + sizeof length, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

ISC_TIMESTAMP EncodeTimestamp(const QDateTime& moment) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    ISC_TIMESTAMP stamp;
    stamp.timestamp_date = fb::Util()->encodeDate(static_cast<unsigned>(date.year()),
                                                  static_cast<unsigned>(date.month()),
                                                  static_cast<unsigned>(date.day()));
    stamp.timestamp_time = fb::Util()->encodeTime(
        static_cast<unsigned>(time.hour()), static_cast<unsigned>(time.minute()),
        static_cast<unsigned>(time.second()), static_cast<unsigned>(time.msec()) * 10);
    return stamp;
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
    return charset == charsetUtf8 ? QString::fromUtf8(bytes, length)
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
    RequireSendableText(sql_);
    const QString text = StatementText(positional_.sql);
    try {
        // Literal values become parameters of a shape that is prepared once; a shape the
        // server refuses falls back to the statement as written, with its own outcome.
        if (positional_.names.isEmpty()) {
            if (std::optional<ParameterisedStatement> shape = LiteralsToParameters(text)) {
                try {
                    statement_ = database_->Prepare(shape->sql);
                    literalValues_ = std::move(shape->values);
                } catch (const Error&) {
                    statement_.reset();
                }
            }
        }
        if (!statement_)
            statement_ = database_->Prepare(text);
    } catch (const Error& error) {
        throw Error(error.Message(), error.Code(), sql_);
    }
    fields_.clear();
    for (const QString& column : statement_->columns)
        fields_.emplace_back(column, nullptr);
    paramOfMarker_.clear();
    for (const QString& name : positional_.names)
        paramOfMarker_.push_back(static_cast<std::size_t>(&ParamByName(name) - params_.data()));
    return *statement_;
}

std::vector<const TargetValue*> TargetQuery::MarkerValues() const {
    std::vector<const TargetValue*> values;
    if (!literalValues_.empty()) {
        for (const TargetValue& value : literalValues_)
            values.push_back(&value);
    } else {
        for (std::size_t index : paramOfMarker_)
            values.push_back(&params_[index].Value());
    }
    return values;
}

namespace {

InputMessage BuildInput(Firebird::IMessageMetadata* described,
                        const std::vector<const TargetValue*>& values) {
    InputMessage message;
    fb::Status status;
    fb::Handle<Firebird::IMetadataBuilder> builder(described->getBuilder(&status));
    std::vector<QByteArray> texts(values.size());
    for (unsigned i = 0; i < values.size(); ++i) {
        const TargetValue& value = *values[i];
        unsigned type = described->getType(&status, i) & ~1u;
        unsigned length = described->getLength(&status, i);
        if (const auto* text = std::get_if<QString>(&value)) {
            RequireSendableText(*text);
            texts[i] = text->toUtf8();
            if (texts[i].size() > maxVaryingBytes)
                throw Error(QStringLiteral("Texto longo demais para um parâmetro (%1 bytes)")
                                .arg(texts[i].size()));
            type = SQL_VARYING;
            length = static_cast<unsigned>(std::max<qsizetype>(1, texts[i].size()));
            builder->setCharSet(&status, i, charsetUtf8);
        } else if (std::holds_alternative<qint64>(value)) {
            type = SQL_INT64;
            length = sizeof(qint64);
        } else if (std::holds_alternative<double>(value)) {
            type = SQL_DOUBLE;
            length = sizeof(double);
        } else if (std::holds_alternative<QDateTime>(value)) {
            type = SQL_TIMESTAMP;
            length = sizeof(ISC_TIMESTAMP);
        }
        builder->setType(&status, i, type | 1u);
        builder->setLength(&status, i, length);
        if (!std::holds_alternative<std::monostate>(value))
            builder->setScale(&status, i, 0);
    }
    message.metadata.reset(builder->getMetadata(&status));
    Firebird::IMessageMetadata* metadata = message.metadata.get();
    message.buffer.assign(metadata->getMessageLength(&status), 0);
    for (unsigned i = 0; i < values.size(); ++i) {
        unsigned char* at = message.buffer.data() + metadata->getOffset(&status, i);
        const short isNull = std::holds_alternative<std::monostate>(*values[i]) ? -1 : 0;
        std::memcpy(message.buffer.data() + metadata->getNullOffset(&status, i), &isNull,
                    sizeof isNull);
        if (std::holds_alternative<QString>(*values[i])) {
            WriteVarying(at, texts[i]);
        } else if (const auto* number = std::get_if<qint64>(values[i])) {
            std::memcpy(at, number, sizeof *number);
        } else if (const auto* real = std::get_if<double>(values[i])) {
            std::memcpy(at, real, sizeof *real);
        } else if (const auto* moment = std::get_if<QDateTime>(values[i])) {
            const ISC_TIMESTAMP stamp = EncodeTimestamp(*moment);
            std::memcpy(at, &stamp, sizeof stamp);
        }
    }
    return message;
}

} // namespace

void TargetQuery::Open() {
    Close();
    PreparedStatement& statement = Prepared();
    const std::vector<const TargetValue*> values = MarkerValues();
    try {
        Firebird::ITransaction* transaction = Transaction().Current();
        InputMessage input = BuildInput(statement.input.get(), values);
        fb::Status status;
        fb::Handle<Firebird::IResultSet> cursor(
            statement.handle->openCursor(&status, transaction, input.metadata.get(),
                                         input.buffer.data(), statement.output.get(), 0));
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
    } catch (const Firebird::FbException& failure) {
        rows_.clear();
        fb::Raise(failure, sql_);
    } catch (const Error& error) {
        rows_.clear();
        throw Error(error.Message(), error.Code(), sql_);
    }
    active_ = true;
    current_ = 0;
    PointFieldsAtCurrentRow();
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
        if (literalValues_.empty())
            fb::Raise(failure, sql_);
        // A failed statement changes nothing, so the statement as written can run instead and
        // end with its own outcome and message, word for word.
        ExecuteAsWritten();
    } catch (const Error& error) {
        throw Error(error.Message(), error.Code(), sql_);
    }
}

void TargetQuery::Execute(PreparedStatement& statement,
                          const std::vector<const TargetValue*>& values) {
    Firebird::ITransaction* transaction = Transaction().Current();
    InputMessage input = BuildInput(statement.input.get(), values);
    fb::Status status;
    statement.handle->execute(&status, transaction, input.metadata.get(), input.buffer.data(),
                              nullptr, nullptr);
}

void TargetQuery::ExecuteAsWritten() {
    try {
        Execute(*database_->Prepare(StatementText(positional_.sql)), {});
    } catch (const Firebird::FbException& failure) {
        fb::Raise(failure, sql_);
    }
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
    literalValues_.clear();
}

void TargetQuery::DetachFromDatabase() noexcept {
    Unprepare();
    database_ = nullptr;
}

} // namespace vorlanda
