#pragma once

#include <QString>
#include <stdexcept>

namespace vorlanda {

// The one error type of the system: every failure of the database layers and every failed
// value conversion. The message is the server's or driver's own text; the code and the
// statement are kept for diagnostics.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message, long code = 0, QString sql = {});

    QString Message() const { return QString::fromUtf8(what()); }
    long Code() const noexcept { return code_; }
    const QString& Sql() const noexcept { return sql_; }

private:
    long code_;
    QString sql_;
};

// The engine's codes of the errors the system tells apart (its isc_ codes).
inline constexpr long kUniqueKeyViolation = 335544665; // a primary or unique key repeated
inline constexpr long kArithmeticError = 335544321;    // a string or number too large
inline constexpr long kValidationError = 335544347;    // NOT NULL or CHECK refused a value

} // namespace vorlanda
