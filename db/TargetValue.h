#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <variant>

namespace vorlanda {

// A number written with a decimal point and no exponent, kept exact as the server keeps such
// a literal: digits × 10^-scale.
struct ExactDecimal {
    qint64 digits = 0;
    int scale = 0;
    bool operator==(const ExactDecimal&) const = default;
    QString ToString() const;
};

// One value travelling to or from the target: null, text, integer, floating-point number,
// date/time or exact decimal.
using TargetValue = std::variant<std::monostate, QString, qint64, double, QDateTime, ExactDecimal>;

// A bound statement parameter; until a value is set it is NULL. An empty text stays an
// empty text.
class TargetParam {
public:
    explicit TargetParam(QString name) : name_(std::move(name)) {}

    const QString& Name() const noexcept { return name_; }
    const TargetValue& Value() const noexcept { return value_; }
    bool IsNull() const noexcept { return std::holds_alternative<std::monostate>(value_); }

    void SetAsString(const QString& value) { value_ = value; }
    void SetAsInteger(qint64 value) { value_ = value; }
    void SetAsFloat(double value) { value_ = value; }
    void SetAsDate(const QDate& value) { value_ = QDateTime(value, QTime(0, 0), Qt::UTC); }
    void Clear() { value_ = std::monostate{}; }

private:
    QString name_;
    TargetValue value_;
};

// A result column as the caller reads it: reading a NULL gives an empty text, 0 or an
// invalid date; numbers held as text are converted, and a text that is not one raises Error.
class TargetField {
public:
    TargetField(QString name, const TargetValue* value) : name_(std::move(name)), value_(value) {}

    const QString& FieldName() const noexcept { return name_; }
    bool IsNull() const;
    QString AsString() const;
    int AsInteger() const;
    double AsFloat() const;
    QDate AsDate() const;

private:
    friend class TargetQuery;
    QString name_;
    const TargetValue* value_; // into the current row; null when there is none
};

} // namespace vorlanda
