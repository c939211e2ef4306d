// kblmake as a technician runs it: a broken drawing ends with a message and
// leaves whatever library was there untouched; a good one writes the library
// in one step.
#include "CommandLine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "Preview.h"

namespace fs = std::filesystem;
using namespace kblmake;

namespace {

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("kblmake-test-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string file(const std::string& name, const std::string& text = "") {
        const fs::path path = m_dir / name;
        if (!text.empty()) std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    int run(std::vector<std::string> args) {
        m_out.str("");
        m_err.str("");
        return runCommandLine(args, m_out, m_err);
    }
    std::string contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path m_dir;
    std::ostringstream m_out, m_err;
};

const char* const kDrawing = R"([{"name": "Bench keyboard"}, ["Y\n#15", "Z\n#2C"]])";

TEST_F(CommandLine, ABrokenDrawingLeavesTheLibraryAsItWas) {
    const std::string library = file("Bench.kbl", "the library of yesterday");
    const std::string broken = file("Bench.json", "[{\"name\": \"Bench\"},\n [\"A\\n#1E\" \"B\\n#30\"]]");
    EXPECT_EQ(run({broken, "-o", library}), kDrawingHasErrors);
    EXPECT_EQ(m_err.str(), broken + ":2:12: error: expected ']' after an array element, found '\"'\n");
    EXPECT_EQ(contents(library), "the library of yesterday");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), {}), 2) << "no part file left behind";
}

TEST_F(CommandLine, WritesTheLibraryWithItsLanguagesIntoAFolder) {
    const std::string drawing = file("Bench.json", kDrawing);
    file("Bench.de-DE.json", R"([{"name": "ignored"}, ["Z\n#15", "Y\n#2C"]])");
    fs::create_directory(m_dir / "layouts");
    EXPECT_EQ(run({drawing, "-o", (m_dir / "layouts").string()}), kDone) << m_err.str();
    const std::string library = (m_dir / "layouts" / "Bench.kbl").string();
    EXPECT_EQ(m_out.str(), library + ": \"Bench keyboard\", 2 keys, en-US de-DE\n");
    EXPECT_EQ(contents(library).substr(0, 2), "MZ");
}

TEST_F(CommandLine, ALanguageFileWithAnUnknownTagIsAnError) {
    const std::string drawing = file("Bench.json", kDrawing);
    const std::string german = file("Bench.german.json", kDrawing);
    EXPECT_EQ(run({drawing}), kDrawingHasErrors);
    EXPECT_NE(m_err.str().find(german + ":1:1: error: \"german\" is not a language tag"), std::string::npos);
    EXPECT_FALSE(fs::exists(m_dir / "Bench.kbl"));
}

TEST_F(CommandLine, ChecksWithoutWritingAndReportsWarnings) {
    const std::string a = file("A.json", R"([{"name": "N Series."}, ["A\n#1E"]])");
    const std::string b = file("B.json", R"([{"name": "N Series."}, ["A\n#1E"]])");
    EXPECT_EQ(run({"--check", a, b}), kDrawingHasErrors);
    EXPECT_NE(m_err.str().find(a + ":1:11: warning: the name \"N Series.\""), std::string::npos) << m_err.str();
    EXPECT_NE(m_err.str().find(b + ":1:11: error: the name \"N Series.\" is shown like that of " + a),
              std::string::npos);
    EXPECT_EQ(m_out.str(), "2 drawings checked: errors found, 3 messages\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), {}), 2);
    EXPECT_EQ(run({"--check", a}), kDone) << "a warning alone does not stop a library";
}

TEST_F(CommandLine, MisuseShowsTheUsage) {
    EXPECT_EQ(run({}), kUsage);
    EXPECT_EQ(run({"--frobnicate", "x.json"}), kUsage);
    EXPECT_EQ(run({"a.json", "b.json"}), kUsage);
    EXPECT_NE(m_err.str().find("usage: kblmake"), std::string::npos);
}

TEST_F(CommandLine, DrawsAPreviewWhereTheBuildCan) {
    const std::string drawing = file("Bench.json", kDrawing);
    file("Bench.fr-FR.json", R"([{"name": "x"}, ["Y\n#15", "W\n#2C"]])");
    const std::string png = (m_dir / "Bench.png").string();
    const int result = run({"--preview", png, "--language", "fr-FR", drawing});
    if (!previewAvailable()) {
        EXPECT_EQ(result, kUsage);
        EXPECT_NE(m_err.str().find("built without --preview"), std::string::npos);
        return;
    }
    ASSERT_EQ(result, kDone) << m_err.str();
    const std::string bytes = contents(png);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    // 480 x 134 dialog units at 6 x 13 base units: 720 x 218 pixels.
    EXPECT_EQ(bytes.substr(16, 8), std::string("\0\0\x02\xD0\0\0\0\xDA", 8));
    EXPECT_EQ(run({"--preview", png, "--language", "de-DE", drawing}), kUsage);
}

}  // namespace
