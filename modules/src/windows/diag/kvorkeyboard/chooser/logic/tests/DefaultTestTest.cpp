#include "chooser/logic/DefaultTest.h"

#include <gtest/gtest.h>

using namespace kvorkeyboard;

TEST(DefaultTestTest, NamesChooseTheirPageAndAnythingElseTheLayoutTest) {
    const struct {
        const char* name;
        unsigned testId;
        bool recognised;
    } cases[] = {
        {"Keyboard Layout Test", 1262, true},
        {"Simple Keyboard Test", 1261, true},
        {"", 1262, false},
        {"simple keyboard test", 1262, false},
        {"Simple Keyboard Test ", 1262, false},
        {"KeyboardInteractiveTest", 1262, false},
    };
    for (const auto& c : cases) {
        const DefaultTest chosen = defaultTestFor(c.name);
        EXPECT_EQ(chosen.testId, c.testId) << c.name;
        EXPECT_EQ(chosen.recognised, c.recognised) << c.name;
    }
}
