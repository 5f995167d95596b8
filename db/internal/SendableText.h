#pragma once

// Internal to db/: text on its way to the server, which reads it as UTF-8.

#include <QByteArray>
#include <QStringView>

namespace vorlanda {

// Appends `text` to `out` as UTF-8. Refuses, with Error, text the client library cannot send
// as it is: it stops at a NUL, and a lone surrogate has no UTF-8 form, so either would reach
// the server as something else.
void AppendSendableUtf8(QByteArray& out, QStringView text);

// The same written at `out`, which has room for three bytes per UTF-16 unit of `text` (the
// most a character takes); returns where the text ends there.
char* WriteSendableUtf8(char* out, QStringView text);

} // namespace vorlanda
