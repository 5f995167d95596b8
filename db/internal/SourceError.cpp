#include "db/internal/SourceError.h"

#include "db/Error.h"

#include <cerrno>
#include <errmsg.h>
#include <mysql.h>

namespace vorlanda {

void RaiseSourceError(MYSQL* handle, int systemError, unsigned timeout, const QString& sql) {
    const unsigned code = mysql_errno(handle);
    QString message = QString::fromUtf8(mysql_error(handle));
    if ((code == CR_SERVER_LOST || code == CR_SERVER_GONE_ERROR) && systemError == ETIMEDOUT)
        message = QStringLiteral("O banco de origem não respondeu em %1 %2 (%3)")
                      .arg(QString::number(timeout),
                           timeout == 1 ? QStringLiteral("segundo") : QStringLiteral("segundos"),
                           message);
    throw Error(message, static_cast<long>(code), sql);
}

} // namespace vorlanda
