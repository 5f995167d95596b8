#include "db/ConnectionString.h"

#include <gtest/gtest.h>

using namespace vorlanda;

TEST(ConnectionString, ServerNamesAreToldFromFilePaths) {
    struct Case {
        const char16_t* name;
        bool server;
    };
    const Case cases[] = {
        {u"/dados/FARMACIA.FB", false},
        {u"FARMACIA.FB", false},
        {u"", false},
        {u"C:\\Dados\\FARMACIA.FB", false},
        {u"c:/dados/farmacia.fb", false},
        {u"/dados/copia:2026.fb", false},
        {u"localhost:/dados/FARMACIA.FB", true},
        {u"127.0.0.1:/dados/FARMACIA.FB", true},
        {u"servidor/3051:C:\\Dados\\FARMACIA.FB", true},
        {u"inet://servidor/dados/farmacia.fb", true},
        {u"\\\\servidor\\dados\\FARMACIA.FB", true},
    };
    for (const Case& c : cases) {
        const QString name = QString::fromUtf16(c.name);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(ThroughServer(name), c.server);
    }
}
