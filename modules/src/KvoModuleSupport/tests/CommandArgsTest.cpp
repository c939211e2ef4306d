#include <gtest/gtest.h>

#include "KvoModuleSupport/ModuleSupport.h"

// The identity comes first, then the command line split as the C runtime
// splits it: blanks separate, quotes group, backslashes escape only quotes.
TEST(CommandArgs, IdentityThenTheCommandLineSplitAsTheCRuntimeSplitsIt) {
    const struct { const char* commandLine; std::vector<std::string> arguments; } cases[] = {
        {"", {"id"}},
        {"  --test   SimpleKeyboardTest\t--list ", {"id", "--test", "SimpleKeyboardTest", "--list"}},
        {R"(--param "ImagesPath=C:\Program Files\Kvo")", {"id", "--param", R"(ImagesPath=C:\Program Files\Kvo)"}},
        {R"(a\\\"b "c\\" d"" "say ""hi""" "")", {"id", R"(a\"b)", R"(c\)", "d", R"(say "hi")", ""}},
        {"szLayoutToShow=Tastatur\xC3\xA4.kbl", {"id", "szLayoutToShow=Tastatur\xC3\xA4.kbl"}},
    };
    for (const auto& c : cases) {
        char** argv = nullptr;
        const int argc = concatAndCreateCommandArg("id", c.commandLine, &argv);
        EXPECT_EQ(std::vector<std::string>(argv, argv + argc), c.arguments) << c.commandLine;
        EXPECT_EQ(argv[argc], nullptr);
        deallocCommandArg(argc, argv);
    }
}
