#include "run/RunBackup.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace vorlanda;

TEST(BackupFileFor, AFileGetsItBesideItAndAServersFileInTheGivenFolder) {
    const QDateTime at(QDate(2026, 3, 7), QTime(9, 5, 2));
    const struct {
        const char* target;
        const char* expected;
    } cases[] = {
        {"/dados/loja.FB", "/dados/loja.FB.2026-03-07-090502.fbk"},
        {"loja.fb", "loja.fb.2026-03-07-090502.fbk"},
        {"servidor:/dados/loja.fdb", "/tmp/copias/loja.fdb.2026-03-07-090502.fbk"},
        {"servidor/3051:C:\\Dados\\LOJA.FB", "/tmp/copias/LOJA.FB.2026-03-07-090502.fbk"},
        {"servidor:loja", "/tmp/copias/loja.2026-03-07-090502.fbk"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        EXPECT_EQ(BackupFileFor(QString::fromUtf8(c.target), QStringLiteral("/tmp/copias"), at),
                  QString::fromUtf8(c.expected));
    }
}
