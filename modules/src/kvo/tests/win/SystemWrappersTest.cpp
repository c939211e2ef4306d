#include <gtest/gtest.h>

#include "kvo/DynamicLibrary.h"

TEST(DynamicLibrary, FindsOnlyTheSymbolsOfALoadedLibrary) {
    kvo::DynamicLibrary kernel("kernel32.dll");
    EXPECT_EQ(kernel.getSymbol("GetTickCount"), nullptr);  // not loaded yet
    ASSERT_TRUE(kernel.load());
    EXPECT_NE(kernel.getSymbol("GetTickCount"), nullptr);
    EXPECT_EQ(kernel.getSymbol("NoSuchFunctionAnywhere"), nullptr);
    EXPECT_FALSE(kvo::DynamicLibrary("no-such-library-kvo.dll").load());
}
