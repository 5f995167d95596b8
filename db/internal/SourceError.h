#pragma once

#include <QString>

struct st_mysql;

namespace vorlanda {

// Raises the driver's error on `handle` as the system's Error. `systemError` is errno as the
// failing call left it: the client library reports a wait for the server that ran out of
// `timeout` seconds as a lost connection (reading) or a server gone away (writing) and leaves
// ETIMEDOUT there. Such an error says so in the operator's words, the driver's text kept.
[[noreturn]] void RaiseSourceError(st_mysql* handle, int systemError, unsigned timeout,
                                   const QString& sql = {});

} // namespace vorlanda
