#include "kvo/Logging.h"

#include <gtest/gtest.h>

#include "kvo/Exception.h"

namespace {

class Logging : public ::testing::Test {
protected:
    kvo::ScopedLogCapture m_capture{3};
    kvo::MemoryLogSink* m_sink = &m_capture.sink();
};

int g_buildCount = 0;
const char* counted(const char* text) {
    ++g_buildCount;
    return text;
}

}  // namespace

TEST_F(Logging, MessageIsLineBlankTextOnTheNamedLogger) {
    kvo::LogFactory::setPriority(1);
    kvo::LoggerRef log("kvorkeyboard.Test");
    int line = __LINE__ + 1;
    KVO_LOG(log, 4, "error " << 1439u << " " << true);
    auto entries = m_sink->entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].logger, "kvorkeyboard.Test");
    EXPECT_EQ(entries[0].level, 4);
    EXPECT_EQ(entries[0].message, std::to_string(line) + " error 1439 1");
}

TEST_F(Logging, TextIsNotBuiltBelowThePriority) {
    kvo::LogFactory::setPriority(2);
    kvo::LoggerRef log("kvorkeyboard.Lazy");
    g_buildCount = 0;
    KVO_LOG(log, 1, counted("detail"));
    EXPECT_EQ(g_buildCount, 0);
    EXPECT_TRUE(m_sink->entries().empty());
    KVO_LOG(log, 2, counted("admitted"));
    EXPECT_EQ(g_buildCount, 1);
    EXPECT_EQ(m_sink->entries().size(), 1u);
}

TEST_F(Logging, LoggerIsCreatedOnceAndCachedByName) {
    kvo::Logger* first = nullptr;
    kvo::Logger* second = nullptr;
    kvo::Logger& a = kvo::LogFactory::createLogger("kvorkeyboard.Same", first);
    kvo::Logger& b = kvo::LogFactory::createLogger("kvorkeyboard.Same", second);
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(first, second);
}

TEST_F(Logging, TraceScopeMarksEntryAndExitEvenWhenLeftByException) {
    kvo::LogFactory::setPriority(1);
    kvo::LoggerRef log("kvorkeyboard");
    try {
        KVO_TRACE_SCOPE(log, "CKeyboardApp Run", "CKeyboardApp");
        throw kvo::NullPointer("x");
    } catch (const kvo::Exception&) {
    }
    auto entries = m_sink->entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_NE(entries[0].message.find("Entering CKeyboardApp Run"), std::string::npos);
    EXPECT_NE(entries[1].message.find("Leaving CKeyboardApp Run"), std::string::npos);
}

TEST_F(Logging, TraceScopeWithoutLoggerWritesNothing) {
    kvo::LogFactory::setPriority(3);
    kvo::LoggerRef log("kvorkeyboard");
    { KVO_TRACE_SCOPE(log, "quiet", "Test"); }
    EXPECT_TRUE(m_sink->entries().empty());
}

TEST(ScopedLogCapture, PutsThePriorityBackAndDropsTheSink) {
    kvo::LogFactory::setPriority(4);
    {
        kvo::ScopedLogCapture capture(1);
        EXPECT_EQ(kvo::LogFactory::getPriority(), 1);
        EXPECT_EQ(kvo::LogFactory::getSink(), &capture.sink());
    }
    EXPECT_EQ(kvo::LogFactory::getPriority(), 4);
    EXPECT_EQ(kvo::LogFactory::getSink(), nullptr);
}
