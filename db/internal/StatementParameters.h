#pragma once

#include <QString>
#include <QStringList>

namespace vorlanda {

// A statement with its named parameters (":NAME") turned into positional markers ("?").
// Text between apostrophes or double quotes and comments are left alone, so a colon
// inside a literal is never a parameter.
struct PositionalStatement {
    QString sql;
    QStringList names; // the parameter name of each marker, in order; names may repeat
};

PositionalStatement ToPositional(const QString& sql);

} // namespace vorlanda
