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

} // namespace vorlanda
