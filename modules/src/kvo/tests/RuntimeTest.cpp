// Strings and numbers as text, exceptions and logging.
#include <gtest/gtest.h>

#include "kvo/Exception.h"
#include "kvo/KVOValue.h"
#include "kvo/Logging.h"
#include "kvo/String.h"


using kvo::String;

TEST(String, RoundTripsUtf8ThroughUtf16AndReplacesWhatIsNotUtf8) {
    const char* text = "Taste \xC3\xA4 \xE3\x82\xAD \xF0\x9F\x8E\xB9";  // ä, キ, a piano outside the BMP
    EXPECT_EQ(String(text).size(), 12u);  // the piano takes two code units
    EXPECT_EQ(String(text).toUtf8(), text);
    EXPECT_EQ(String("a\xC3" "b\xFF").toUtf8(), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
    // An over-long "/", a surrogate half, a code point past U+10FFFF: U+FFFD for each byte.
    EXPECT_EQ(String("\xC0\xAF" "\xED\xA0\x80" "\xF4\x90\x80\x80").toUtf8(),
              String(std::basic_string<kvo::UCS2Char>(9, kvo::UCS2Char(0xFFFD))).toUtf8());
    const kvo::UCS2Char utf16[] = KVO_U("Enter");
    EXPECT_EQ(String(utf16, 3) + "!", String("Ent!"));
}

// Numbers are written in any radix from 2 to 36, and in upper-case hex.
TEST(String, LowerCasesAsciiAndLatin1OnlyComparesByCodeUnitAndWritesNumbers) {
    EXPECT_EQ(String("Std104KBD.KBL").toLower(), String("std104kbd.kbl"));
    EXPECT_EQ(String("\xC3\x84\xC3\x97").toLower().toUtf8(), "\xC3\xA4\xC3\x97");  // Ä× -> ä×
    EXPECT_LT(String("B").compare(String("a")), 0);
    EXPECT_EQ(kvo::KVOValue(std::uint16_t{0x11D}).toString(16), String("11d"));
    EXPECT_EQ(kvo::KVOValue(std::uint16_t{0x1B}).toHexString(), String("0x1B"));
    EXPECT_THROW(kvo::KVOValue(std::uint32_t{1}).toString(37), kvo::AssertionFailure);
}

TEST(Exception, EachKindWritesItsMessageAndTheTraceStartsWithTheThrowSite) {
    std::string assertion;
    const int line = __LINE__ + 2;
    try {
        KVO_ASSERT(line < 0);
    } catch (const kvo::Exception& e) {
        assertion = e.getMessage().toUtf8();
    }
    EXPECT_EQ(assertion, "Assertion failed: line < 0 (RuntimeTest:" + std::to_string(line) + ")");
    EXPECT_EQ(kvo::IndexOutOfBounds(0, -1, 3).getMessage().toUtf8(), "Index 3 out of bounds [0, -1]");
    const std::string trace = kvo::NullPointer("handler", "Dialog.cpp", 12).getStackTrace().toUtf8();
    EXPECT_EQ(trace.rfind("Null pointer: handler\n  thrown at Dialog.cpp:12", 0), 0u) << trace;
}

int g_builds = 0;
const char* counted(const char* text) { return ++g_builds, text; }

// The handlers log every keystroke at level 1: building that text when level
// 1 is not admitted would cost more than the keystroke itself. A trace scope
// marks its entry and exit, also when an exception leaves it. A capture puts
// back what it changed.
TEST(Logging, TextIsBuiltOnlyFromThePriorityUpAndWrittenAsLineBlankText) {
    kvo::LogFactory::setPriority(4);
    std::vector<std::string> logged;
    int line = 0, traceLine = 0;  // the trace scope reports the line it is given
    {
        kvo::ScopedLogCapture capture(2);
        kvo::LoggerRef log("kvo.Test");
        KVO_LOG(log, 1, counted("detail"));
        { KVO_TRACE_SCOPE(log, "quiet", "Test", 1); }
        EXPECT_EQ(g_builds, 0);
        line = __LINE__ + 1;
        KVO_LOG(log, 2, counted("admitted ") << 1439u << " " << true << " " << 18446744073709551615ull);
        EXPECT_EQ(g_builds, 1);
        kvo::LogFactory::setPriority(1);
        try {
            traceLine = 64;
            KVO_TRACE_SCOPE(log, "CKeyboardApp Run", "CKeyboardApp", 64);
            throw kvo::NullPointer("x");
        } catch (const kvo::Exception&) {
        }
        for (const auto& entry : capture.sink().entries())
            logged.push_back(entry.logger + " " + std::to_string(entry.level) + " " + entry.message);
    }
    const std::string at = " " + std::to_string(line) + " ", traceAt = " " + std::to_string(traceLine) + " ";
    EXPECT_EQ(logged, (std::vector<std::string>{"kvo.Test 2" + at + "admitted 1439 1 18446744073709551615",
                                                "kvo.Test 1" + traceAt + "Entering CKeyboardApp Run (CKeyboardApp)",
                                                "kvo.Test 1" + traceAt + "Leaving CKeyboardApp Run (CKeyboardApp)"}));
    EXPECT_EQ(kvo::LogFactory::getPriority(), 4);
    EXPECT_EQ(kvo::LogFactory::getSink(), nullptr);
    kvo::Logger* cached = nullptr;
    EXPECT_EQ(&kvo::LogFactory::createLogger("kvorkeyboard.Test", cached), cached);
}
