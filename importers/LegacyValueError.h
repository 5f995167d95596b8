#pragma once

#include "db/Error.h"

#include <QString>

namespace vorlanda {

// An error that legacy values caused, with the columns and the values as read
// ("coluna PRECOVENDA: 'abc'"), so that the operator can find and mend them at the source.
class LegacyValueError : public Error {
public:
    LegacyValueError(const Error& cause, QString values);

    const QString& Values() const noexcept { return values_; }

private:
    QString values_;
};

// "coluna <column>: '<value>'".
QString ColumnValue(const QString& column, const QString& value);

// Runs a step that takes legacy values into the target; an Error of the step becomes a
// LegacyValueError naming them. Nothing is built unless the step fails.
template <typename Step, typename Values>
auto NamingLegacyValues(Step&& step, Values&& values) -> decltype(step()) {
    try {
        return step();
    } catch (const Error& error) {
        if (dynamic_cast<const LegacyValueError*>(&error))
            throw;
        throw LegacyValueError(error, values());
    }
}

} // namespace vorlanda
