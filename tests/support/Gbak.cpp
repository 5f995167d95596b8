#include "support/Gbak.h"

#include <QProcess>

QString RestoreWithGbak(const QString& backup, const QString& restored) {
    QProcess gbak;
    gbak.setProcessChannelMode(QProcess::MergedChannels);
    gbak.start(QStringLiteral("gbak"), {QStringLiteral("-c"), QStringLiteral("-user"),
                                        QStringLiteral("SYSDBA"), backup, restored});
    if (!gbak.waitForFinished(60000) || gbak.exitStatus() != QProcess::NormalExit ||
        gbak.exitCode() != 0)
        return QString::fromLocal8Bit(gbak.readAll()) + QStringLiteral(" (gbak failed)");
    return {};
}
