#include "db/SourceQuery.h"

#include "db/DayNumber.h"
#include "db/Error.h"
#include "db/NumberText.h"
#include "db/SourceConnection.h"
#include "db/internal/SourceError.h"

#include <QDateTime>
#include <cerrno>
#include <mysql.h>

namespace vorlanda {

namespace {

bool IsDateType(enum_field_types type) {
    return type == MYSQL_TYPE_DATE || type == MYSQL_TYPE_NEWDATE || type == MYSQL_TYPE_DATETIME ||
           type == MYSQL_TYPE_TIMESTAMP;
}

// The number written in text[from, from + digits), or -1 when a character there is no digit.
int Digits(const QString& text, qsizetype from, qsizetype digits) {
    if (from + digits > text.size())
        return -1;
    int value = 0;
    for (qsizetype i = from; i < from + digits; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// MySQL writes dates as "YYYY-MM-DD" with an optional " hh:mm:ss[.ffffff]". Read by hand:
// Qt's format parser works in local time and asks the system's time zone for every value.
std::optional<QDateTime> ParseMysqlDate(const QString& text) {
    const auto at = [&text](qsizetype i, char16_t c) { return i < text.size() && text[i] == c; };
    if (!at(4, u'-') || !at(7, u'-'))
        return std::nullopt;
    const int year = Digits(text, 0, 4);
    const QDate date(year, Digits(text, 5, 2), Digits(text, 8, 2));
    if (year < 0 || !date.isValid()) // a year of -1 would be valid: 1 BC
        return std::nullopt;
    QTime time(0, 0);
    if (text.size() > 10) {
        if (!at(10, u' ') || !at(13, u':') || !at(16, u':'))
            return std::nullopt;
        time = QTime(Digits(text, 11, 2), Digits(text, 14, 2), Digits(text, 17, 2));
        if (!time.isValid())
            return std::nullopt;
    }
    return QDateTime(date, time, Qt::UTC);
}

// The field whose name is `name` whatever the case. Case folding keeps lengths, so a name of
// another length is passed over unread.
template <typename Name>
const SourceField* WithNameIgnoringCase(const std::vector<SourceField>& fields, Name name) {
    for (const SourceField& field : fields)
        if (field.FieldName().size() == name.size() &&
            field.FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return &field;
    return nullptr;
}

} // namespace

void SourceField::Assign(const char* bytes, unsigned long length) {
    if (!bytes) {
        value_.reset();
        return;
    }
    QString text = QString::fromUtf8(bytes, static_cast<qsizetype>(length));
    if (isDate_ && !ParseMysqlDate(text))
        value_.reset();
    else
        value_ = std::move(text);
}

double SourceField::AsFloat() const {
    return value_ ? ParseDecimal(*value_) : 0.0;
}

double SourceField::AsDateTime() const {
    if (!value_)
        return 0.0;
    const std::optional<QDateTime> moment = ParseMysqlDate(*value_);
    if (!moment)
        throw Error(QStringLiteral("'%1' não é uma data válida").arg(*value_));
    return DayNumberFromDate(moment->date()) + moment->time().msecsSinceStartOfDay() / 86400000.0;
}

void SourceQuery::ResultFreer::operator()(MYSQL_RES* result) const noexcept {
    mysql_free_result(result);
}

SourceQuery::SourceQuery() = default;

SourceQuery::~SourceQuery() = default;

void SourceQuery::SetSQLConnection(SourceConnection* connection) {
    Close();
    connection_ = connection;
}

void SourceQuery::SetSQL(const QString& text) {
    Close();
    sql_ = text;
}

void SourceQuery::ClearSQL() {
    SetSQL({});
}

void SourceQuery::AddSQL(const QString& line) {
    Close();
    if (!sql_.isEmpty() && !sql_.endsWith(u'\n'))
        sql_ += u'\n';
    sql_ += line;
}

void SourceQuery::Open() {
    Close();
    if (!connection_)
        throw Error(QStringLiteral("A consulta de origem não tem conexão"), 0, sql_);
    MYSQL* handle = connection_->LiveHandle();
    recordCount_ = CountRows(handle);
    // The rows are streamed, not stored: memory stays the same however large the table is.
    const QByteArray text = sql_.toUtf8();
    if (mysql_real_query(handle, text.constData(), static_cast<unsigned long>(text.size())) != 0)
        RaiseFrom(handle, errno);
    result_.reset(mysql_use_result(handle));
    if (!result_) {
        if (mysql_errno(handle) != 0)
            RaiseFrom(handle, errno);
        throw Error(QStringLiteral("O comando não retornou registros"), 0, sql_);
    }
    handle_ = handle;
    const unsigned columns = mysql_num_fields(result_.get());
    const MYSQL_FIELD* described = mysql_fetch_fields(result_.get());
    // Names are unique whatever their case: the count has already run the query as a derived
    // table, which the server refuses with a name twice.
    for (unsigned i = 0; i < columns; ++i) {
        fields_.emplace_back(QString::fromUtf8(described[i].name), IsDateType(described[i].type));
        fieldsByName_.insert(fields_.back().FieldName(), i);
    }
    FetchRow();
}

int SourceQuery::CountRows(MYSQL* handle) const {
    const QByteArray count =
        (QStringLiteral("SELECT COUNT(*) FROM (") + sql_ + QStringLiteral(") AS counted")).toUtf8();
    if (mysql_real_query(handle, count.constData(), static_cast<unsigned long>(count.size())) != 0)
        RaiseFrom(handle, errno);
    const std::unique_ptr<MYSQL_RES, ResultFreer> result(mysql_store_result(handle));
    MYSQL_ROW row = result ? mysql_fetch_row(result.get()) : nullptr;
    if (!row || !row[0])
        RaiseFrom(handle, errno);
    return static_cast<int>(QByteArray(row[0]).toLongLong());
}

void SourceQuery::Close() noexcept {
    result_.reset();
    handle_ = nullptr;
    fields_.clear();
    fieldsByName_.clear();
    recordCount_ = 0;
    eof_ = true;
}

void SourceQuery::Next() {
    if (!eof_)
        FetchRow();
}

void SourceQuery::FetchRow() {
    MYSQL_ROW row = mysql_fetch_row(result_.get());
    // A streamed result reports a lost connection as the end of the rows, with an error set.
    if (!row && mysql_errno(handle_) != 0)
        RaiseFrom(handle_, errno);
    eof_ = row == nullptr;
    if (eof_) {
        for (SourceField& field : fields_)
            field.value_.reset();
        return;
    }
    const unsigned long* lengths = mysql_fetch_lengths(result_.get());
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i].Assign(row[i], lengths[i]);
}

const SourceField& SourceQuery::FieldByName(const QString& name) const {
    // Importers read every column of every row by name, mostly spelt as the source spells it.
    if (const auto exact = fieldsByName_.constFind(name); exact != fieldsByName_.constEnd())
        return fields_[exact.value()];
    if (const SourceField* field = WithNameIgnoringCase(fields_, name))
        return *field;
    RaiseNoField(name);
}

const SourceField& SourceQuery::FieldByName(QLatin1StringView name) const {
    for (const SourceField& field : fields_) {
        if (field.FieldName() == name)
            return field;
    }
    if (const SourceField* field = WithNameIgnoringCase(fields_, name))
        return *field;
    RaiseNoField(name);
}

void SourceQuery::RaiseFrom(MYSQL* handle, int systemError) const {
    RaiseSourceError(handle, systemError, connection_->Parameters().readWriteTimeout, sql_);
}

void SourceQuery::RaiseNoField(const QString& name) const {
    throw Error(QStringLiteral("Campo '%1' não encontrado").arg(name), 0, sql_);
}

} // namespace vorlanda
