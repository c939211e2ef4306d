#include "kvo/Exception.h"

#include <gtest/gtest.h>

TEST(Exception, AssertionNamesFileWithoutFolderOrExtensionLineAndExpression) {
    int assertLine = 0;
    try {
        int killed = 1;
        assertLine = __LINE__ + 1;
        KVO_ASSERT(!killed);
        GTEST_FAIL() << "no throw";
    } catch (const kvo::AssertionFailure& failure) {
        EXPECT_EQ(failure.getExpression(), "!killed");
        EXPECT_EQ(failure.getLine(), assertLine);
        std::string message = failure.getMessage().toUtf8();
        EXPECT_EQ(message, "Assertion failed: !killed (ExceptionTest:" + std::to_string(failure.getLine()) + ")");
    }
}

TEST(Exception, FamilyIsCaughtAsBaseWithReadableMessages) {
    try {
        throw kvo::IndexOutOfBounds(0, -1, 3);
    } catch (const kvo::Exception& e) {
        EXPECT_EQ(e.getMessage().toUtf8(), "Index 3 out of bounds [0, -1]");
    }
    EXPECT_EQ(kvo::SerializationFailed("ArrayOfOthers").getMessage().toUtf8(), "Serialization failed: ArrayOfOthers");
}

TEST(Exception, StackTraceStartsWithMessageAndThrowSite) {
    kvo::NullPointer e("handler", "Dialog.cpp", 12);
    std::string trace = e.getStackTrace().toUtf8();
    EXPECT_EQ(trace.rfind("Null pointer: handler\n  thrown at Dialog.cpp:12", 0), 0u) << trace;
}

TEST(Exception, SourceFileNameStripsBothSeparatorsAndExtension) {
    EXPECT_EQ(kvo::sourceFileName("a/b\\AutoKillKbManager.cpp"), "AutoKillKbManager");
    EXPECT_EQ(kvo::sourceFileName("NoExtension"), "NoExtension");
}
