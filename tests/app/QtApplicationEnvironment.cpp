#include "app/ConversionApplication.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The program's own application object for every widget test, so that events reach its
// notify(). The test main has set the offscreen platform by the time this starts.
class QtApplicationEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        // What the window remembers between runs goes to a folder of this test run, not to the
        // settings of whoever runs the tests.
        qputenv("XDG_CONFIG_HOME", settings_.path().toLocal8Bit());
        application_ = std::make_unique<vorlanda::ConversionApplication>(argc_, argv_);
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[10] = "app_tests";
    char* argv_[2] = {name_, nullptr};
    QTemporaryDir settings_;
    std::unique_ptr<vorlanda::ConversionApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
