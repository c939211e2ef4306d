#include "pagehost/logic/DefaultTest.h"

#include <gtest/gtest.h>

using namespace kvorkeyboard;

TEST(DefaultTestTest, NamesChooseTheirPageAndAnythingElseTheLayoutTest) {
    EXPECT_EQ(defaultTestFor("Simple Keyboard Test").testId, 1261u);
    EXPECT_EQ(defaultTestFor("Keyboard Layout Test").testId, 1262u);
    EXPECT_TRUE(defaultTestFor("Simple Keyboard Test").recognised && defaultTestFor("Keyboard Layout Test").recognised);
    for (const char* name : {"", "simple keyboard test", "Simple Keyboard Test "}) {
        EXPECT_EQ(defaultTestFor(name).testId, 1262u) << name;
        EXPECT_FALSE(defaultTestFor(name).recognised) << name;
    }
}
