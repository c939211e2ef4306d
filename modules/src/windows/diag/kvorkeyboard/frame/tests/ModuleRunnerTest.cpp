#include "frame/ModuleRunner.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "kvo/Exception.h"
#include "kvo/Logging.h"

using namespace kvorkeyboard;

namespace {

class ModuleRunnerTest : public ::testing::Test {
protected:
    kvo::ScopedLogCapture capture{3};
    kvo::MemoryLogSink* log = &capture.sink();
};

int returnsSeventeen() { return 17; }
int throwsRuntimeException() { throw kvo::NullPointer("host state"); }
int throwsForeignException() { throw std::runtime_error("foreign"); }

}  // namespace

TEST_F(ModuleRunnerTest, HostExitCodeIsPassedThrough) {
    EXPECT_EQ(RunModule("--list", returnsSeventeen), 17);
    EXPECT_TRUE(log->entries().empty());
}

TEST_F(ModuleRunnerTest, RuntimeExceptionIsLoggedAtLevelFourAndExitsWithZero) {
    EXPECT_EQ(RunModule("", throwsRuntimeException), 0);
    auto entries = log->entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].logger, "kvorkeyboard");
    EXPECT_EQ(entries[0].level, 4);
    EXPECT_NE(entries[0].message.find(" Null pointer: host state"), std::string::npos);
}

TEST_F(ModuleRunnerTest, ForeignExceptionIsSilentAndExitsWithZero) {
    EXPECT_EQ(RunModule("", throwsForeignException), 0);
    EXPECT_TRUE(log->entries().empty());
}
