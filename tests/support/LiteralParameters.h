#pragma once

#include "db/ParameterisedStatement.h"

#include <QString>
#include <optional>
#include <vector>

namespace vorlanda {

// The test oracle of the bound statements: a statement whose values are written in as
// literals, turned into the same statement with a parameter in place of each literal and the
// value the server reads the literal as. A bound row that equals what this reads from its text
// is the row the text writes.
struct LiteralStatement : ParameterisedStatement {
    // The statement as written. Texts written without doubled quotes are read in place, so
    // the values share its characters: they stay valid while this object holds it.
    QString source;
    // For an INSERT, how much of `source` comes before the first value: up to and including
    // the bracket that opens the list.
    qsizetype head = 0;
};

// Two kinds qualify. An "INSERT ... VALUES (...)" whose list items are all plain literals
// ('text', "text", numbers) or NULL: binding a literal's value to a column is the same
// assignment the server makes for the literal itself. A SELECT without comments whose text
// literals are compared with "=" (column = 'text', ended by AND, OR, a bracket, the next
// clause or the end): each such literal becomes a parameter cast to the literal's own type.
// Anything else gives nothing and is run as written.
// `earlierHead` may be the head of an INSERT read before; a statement that starts with it has
// its list where that one had it, so the text before is not read again.
std::optional<LiteralStatement> LiteralsToParameters(const QString& sql,
                                                     QStringView earlierHead = {});

} // namespace vorlanda
