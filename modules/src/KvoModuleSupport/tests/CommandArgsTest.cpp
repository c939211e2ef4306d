#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KvoModuleSupport/ModuleSupport.h"

namespace {

std::vector<std::string> split(const char* commandLine) {
    char** argv = nullptr;
    int argc = concatAndCreateCommandArg("kvorkeyboard.mlx", commandLine, &argv);
    std::vector<std::string> args(argv, argv + argc);
    EXPECT_EQ(argv[argc], nullptr);
    deallocCommandArg(argc, argv);
    return args;
}

}  // namespace

TEST(CommandArgs, IdentityComesFirstThenTheSplitCommandLine) {
    EXPECT_EQ(split(""), std::vector<std::string>({"kvorkeyboard.mlx"}));
    EXPECT_EQ(split("  --test   SimpleKeyboardTest\t--list "),
              std::vector<std::string>({"kvorkeyboard.mlx", "--test", "SimpleKeyboardTest", "--list"}));
}

TEST(CommandArgs, QuotesGroupAndBackslashesEscapeOnlyQuotes) {
    EXPECT_EQ(split(R"(--param "ImagesPath=C:\Program Files\Kvo\images")"),
              std::vector<std::string>({"kvorkeyboard.mlx", "--param", R"(ImagesPath=C:\Program Files\Kvo\images)"}));
    EXPECT_EQ(split(R"(a\\\"b "c\\" d"" "say ""hi""")"),
              std::vector<std::string>({"kvorkeyboard.mlx", R"(a\"b)", R"(c\)", "d", R"(say "hi")"}));
    EXPECT_EQ(split(R"("")"), std::vector<std::string>({"kvorkeyboard.mlx", ""}));
}

TEST(CommandArgs, NonAsciiArgumentsArriveAsUtf8) {
    EXPECT_EQ(split("--param szLayoutToShow=Tastatur\xC3\xA4.kbl")[2], "szLayoutToShow=Tastatur\xC3\xA4.kbl");
}

TEST(CommandArgs, ReleasingNullIsHarmless) { deallocCommandArg(0, nullptr); }
