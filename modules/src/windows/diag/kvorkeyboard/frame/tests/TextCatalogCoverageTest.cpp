// Every text the module registers, and every test name, has a line in each
// catalog shipped beside the module; nothing falls back to English or to
// its id at a German test bench.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "frame/LocalizedStrings.h"

namespace kvorkeyboard {
namespace {

std::set<std::string> idsIn(const std::string& catalog) {
    std::ifstream in(std::string(KVORKEYBOARD_TEXTS_DIR) + "/" + catalog);
    std::set<std::string> ids;
    for (std::string line; std::getline(in, line);) {
        std::size_t equals = line.find(" = ");
        if (!line.empty() && line[0] != '#' && equals != std::string::npos) ids.insert(line.substr(0, equals));
    }
    return ids;
}

TEST(TextCatalogCoverage, EveryIdAndTestNameHasAText) {
    std::set<std::string> required = {"KeyboardInteractiveTest", "KeyboardLayoutTest", "SimpleKeyboardTest",
                                      "MediaCenterKeyboardTest"};
    for (int i = 0; i < kTextCount; ++i) required.insert(textIdName(static_cast<TextId>(i)));
    ASSERT_EQ(133u, required.size());
    for (const char* catalog : {"en.txt", "de.txt"}) {
        std::set<std::string> ids = idsIn(catalog);
        for (const std::string& id : required) EXPECT_EQ(1u, ids.count(id)) << catalog << " lacks " << id;
        EXPECT_EQ(required.size(), ids.size()) << catalog << " has texts nobody asks for";
    }
}

}  // namespace
}  // namespace kvorkeyboard
