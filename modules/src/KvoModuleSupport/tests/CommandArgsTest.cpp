#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KvoModuleSupport/ModuleSupport.h"

// The identity comes first, then the command line split as the C runtime
// splits it: blanks separate, quotes group, backslashes escape only quotes.
TEST(CommandArgs, IdentityThenTheCommandLineSplitAsTheCRuntimeSplitsIt) {
    const struct {
        const char* commandLine;
        std::vector<std::string> arguments;
    } cases[] = {
        {"", {}},
        {"  --test   SimpleKeyboardTest\t--list ", {"--test", "SimpleKeyboardTest", "--list"}},
        {R"(--param "ImagesPath=C:\Program Files\Kvo")", {"--param", R"(ImagesPath=C:\Program Files\Kvo)"}},
        {R"(a\\\"b "c\\" d"" "say ""hi""" "")", {R"(a\"b)", R"(c\)", "d", R"(say "hi")", ""}},
        {"szLayoutToShow=Tastatur\xC3\xA4.kbl", {"szLayoutToShow=Tastatur\xC3\xA4.kbl"}},
    };
    for (const auto& c : cases) {
        char** argv = nullptr;
        const int argc = concatAndCreateCommandArg("kvorkeyboard.mlx", c.commandLine, &argv);
        std::vector<std::string> expected{"kvorkeyboard.mlx"};
        expected.insert(expected.end(), c.arguments.begin(), c.arguments.end());
        EXPECT_EQ(std::vector<std::string>(argv, argv + argc), expected) << c.commandLine;
        EXPECT_EQ(argv[argc], nullptr);
        deallocCommandArg(argc, argv);
    }
}
