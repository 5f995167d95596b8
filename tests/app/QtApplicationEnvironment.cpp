#include "app/ConversionApplication.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// The program's own application object for every widget test, so that events reach its
// notify(). The test main has set the offscreen platform by the time this starts.
class QtApplicationEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        application_ = std::make_unique<vorlanda::ConversionApplication>(argc_, argv_);
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[10] = "app_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<vorlanda::ConversionApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
