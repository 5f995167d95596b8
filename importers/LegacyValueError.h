#pragma once

#include "db/Error.h"
#include "writers/ConversionTally.h"

#include <QString>
#include <vector>

namespace vorlanda {

// An error that legacy values caused, with the columns and the values as read, so that the
// operator can find and mend them at the source.
class LegacyValueError : public Error {
public:
    LegacyValueError(const Error& cause, std::vector<LegacyValue> values);

    const std::vector<LegacyValue>& Values() const noexcept { return values_; }
    // "coluna PRECOVENDA: 'abc'", each value so, separated by commas.
    QString ValuesText() const;

private:
    std::vector<LegacyValue> values_;
};

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
