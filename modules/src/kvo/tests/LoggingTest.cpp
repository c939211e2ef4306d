#include "kvo/Logging.h"

#include <gtest/gtest.h>

#include "kvo/Exception.h"

namespace {

class Logging : public ::testing::Test {
protected:
    kvo::ScopedLogCapture m_capture{1};
    kvo::LoggerRef m_log{"kvorkeyboard.Test"};
    std::vector<std::string> messages() {
        std::vector<std::string> texts;
        for (const auto& entry : m_capture.sink().entries()) texts.push_back(entry.message);
        return texts;
    }
};

int g_buildCount = 0;
const char* counted(const char* text) {
    ++g_buildCount;
    return text;
}

}  // namespace

TEST_F(Logging, MessageIsLineBlankTextOnTheNamedLogger) {
    int line = __LINE__ + 1;
    KVO_LOG(m_log, 4, "error " << 1439u << " " << true);
    auto entries = m_capture.sink().entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].logger, "kvorkeyboard.Test");
    EXPECT_EQ(entries[0].level, 4);
    EXPECT_EQ(entries[0].message, std::to_string(line) + " error 1439 1");
}

// The handlers log every keystroke at level 1: building that text when level
// 1 is not admitted would cost more than the keystroke itself.
TEST_F(Logging, TextIsNotBuiltBelowThePriority) {
    kvo::LogFactory::setPriority(2);
    g_buildCount = 0;
    KVO_LOG(m_log, 1, counted("detail"));
    { KVO_TRACE_SCOPE(m_log, "quiet", "Test", 1); }
    EXPECT_EQ(g_buildCount, 0);
    EXPECT_TRUE(messages().empty());
    KVO_LOG(m_log, 2, counted("admitted"));
    EXPECT_EQ(g_buildCount, 1);
}

TEST_F(Logging, TraceScopeMarksEntryAndExitEvenWhenLeftByException) {
    try {
        KVO_TRACE_SCOPE(m_log, "CKeyboardApp Run", "CKeyboardApp", 64);
        throw kvo::NullPointer("x");
    } catch (const kvo::Exception&) {
    }
    const auto logged = messages();
    ASSERT_EQ(logged.size(), 2u);
    EXPECT_EQ(logged[0].rfind("64 Entering CKeyboardApp Run", 0), 0u) << logged[0];
    EXPECT_NE(logged[1].find("Leaving CKeyboardApp Run"), std::string::npos);
}

TEST(LogFactory, CachesLoggersByNameAndACaptureRestoresWhatItChanged) {
    kvo::Logger* first = nullptr;
    kvo::Logger* second = nullptr;
    EXPECT_EQ(&kvo::LogFactory::createLogger("kvorkeyboard.Same", first),
              &kvo::LogFactory::createLogger("kvorkeyboard.Same", second));
    EXPECT_EQ(first, second);

    kvo::LogFactory::setPriority(4);
    { kvo::ScopedLogCapture capture(1); }
    EXPECT_EQ(kvo::LogFactory::getPriority(), 4);
    EXPECT_EQ(kvo::LogFactory::getSink(), nullptr);
}
