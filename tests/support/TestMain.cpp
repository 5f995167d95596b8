#include <cstdlib>
#include <gtest/gtest.h>

// Points the product's unchanged connection code at the databases of the test run: the
// private MariaDB through the client library's own variable, the target template through
// ours. A value already in the environment wins, so a test can be aimed elsewhere by hand.
int main(int argc, char** argv) {
    setenv("MYSQL_UNIX_PORT", VORLANDA_MARIADB_SOCKET, 0);
    setenv("VORLANDA_TARGET_TEMPLATE", VORLANDA_TARGET_TEMPLATE, 0);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
