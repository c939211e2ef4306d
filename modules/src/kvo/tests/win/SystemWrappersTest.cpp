#include <gtest/gtest.h>

#include "kvo/DynamicLibrary.h"
#include "kvo/OperatingSystem.h"

TEST(DynamicLibrary, LoadsASystemLibraryAndFindsOnlyItsSymbols) {
    kvo::DynamicLibrary kernel("kernel32.dll");
    EXPECT_EQ(kernel.getSymbol("GetTickCount"), nullptr);  // not loaded yet
    ASSERT_TRUE(kernel.load());
    EXPECT_NE(kernel.getSymbol("GetTickCount"), nullptr);
    EXPECT_EQ(kernel.getSymbol("NoSuchFunctionAnywhere"), nullptr);
}

TEST(DynamicLibrary, MissingLibraryFailsToLoad) {
    kvo::DynamicLibrary missing("no-such-library-kvo.dll");
    EXPECT_FALSE(missing.load());
    EXPECT_EQ(missing.getSymbol("x"), nullptr);
}

TEST(OperatingSystem, ReportsAnNtVersionNewerThanWindows2000) {
    const auto& os = kvo::OperatingSystem::getCurrentOperatingSystem();
    EXPECT_GE(os.getMajor().value(), kvo::OperatingSystemMajorVersion::WIN_2000().value());
}
