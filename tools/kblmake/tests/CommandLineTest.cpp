// kblmake as a technician runs it: a broken drawing ends with a message and
// leaves whatever library was there untouched; a good one writes the library
// in one step.
#include "CommandLine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "Preview.h"
#include "kvo/testing/TempFolder.h"

namespace fs = std::filesystem;
using namespace kblmake;

namespace {

class KblmakeCommandLine : public ::testing::Test {
protected:
    int run(std::vector<std::string> args) {
        m_out.str("");
        m_err.str("");
        return runCommandLine(args, m_out, m_err);
    }
    std::size_t files() const { return std::distance(fs::directory_iterator(m_dir.root), {}); }

    const kvo::testing::TempFolder m_dir;
    std::ostringstream m_out, m_err;
};

const char* const kDrawing = R"([{"name": "Bench keyboard"}, ["Y\n#15", "Z\n#2C"]])";

// A broken drawing, then a broken language file: the message each time, and
// neither the library nor a part file written. Mended, the library is
// written with its languages, here into a folder.
TEST_F(KblmakeCommandLine, ABrokenDrawingLeavesTheLibraryAsItWas) {
    const std::string library = m_dir.write("Bench.kbl", "the library of yesterday");
    const std::string drawing = m_dir.write("Bench.json", "[{\"name\": \"Bench\"},\n [\"A\\n#1E\" \"B\\n#30\"]]");
    EXPECT_EQ(run({drawing, "-o", library}), kDrawingHasErrors);
    EXPECT_EQ(m_err.str(), drawing + ":2:12: error: expected ']' after an array element, found '\"'\n");
    EXPECT_EQ(files(), 2u) << "no part file left behind";
    m_dir.write("Bench.json", kDrawing);
    const std::string german = m_dir.write("Bench.german.json", kDrawing);
    EXPECT_EQ(run({drawing, "-o", library}), kDrawingHasErrors);
    EXPECT_NE(m_err.str().find(german + ":1:1: error: \"german\" is not a language tag"), std::string::npos);
    EXPECT_EQ(m_dir.read("Bench.kbl"), "the library of yesterday");
    EXPECT_EQ(files(), 3u);

    fs::rename(german, m_dir.root / "Bench.de-DE.json");
    EXPECT_EQ(run({drawing, "-o", m_dir.path()}), kDone) << m_err.str();
    EXPECT_EQ(m_out.str(), library + ": \"Bench keyboard\", 2 keys, en-US de-DE\n");
    EXPECT_EQ(m_dir.read("Bench.kbl").substr(0, 2), "MZ");
}

TEST_F(KblmakeCommandLine, ChecksWithoutWritingAndReportsWarnings) {
    const std::string a = m_dir.write("A.json", R"([{"name": "N Series."}, ["A\n#1E"]])");
    const std::string b = m_dir.write("B.json", R"([{"name": "N Series."}, ["A\n#1E"]])");
    EXPECT_EQ(run({"--check", a, b}), kDrawingHasErrors);
    EXPECT_NE(m_err.str().find(a + ":1:11: warning: the name \"N Series.\""), std::string::npos) << m_err.str();
    EXPECT_NE(m_err.str().find(b + ":1:11: error: the name \"N Series.\" is shown like that of " + a),
              std::string::npos);
    EXPECT_EQ(m_out.str(), "2 drawings checked: errors found, 3 messages\n");
    EXPECT_EQ(files(), 2u);
    EXPECT_EQ(run({"--check", a}), kDone) << "a warning alone does not stop a library";
    for (const std::vector<std::string>& misuse : {std::vector<std::string>{}, {"--frobnicate", a}, {a, b}})
        EXPECT_EQ(run(misuse), kUsage);
    EXPECT_NE(m_err.str().find("usage: kblmake"), std::string::npos);
}

TEST_F(KblmakeCommandLine, DrawsAPreviewWhereTheBuildCan) {
    const std::string drawing = m_dir.write("Bench.json", kDrawing);
    m_dir.write("Bench.fr-FR.json", R"([{"name": "x"}, ["Y\n#15", "W\n#2C"]])");
    const std::string png = m_dir.path("Bench.png");
    const int result = run({"--preview", png, "--language", "fr-FR", drawing});
    if (!previewAvailable()) {
        EXPECT_EQ(result, kUsage);
        EXPECT_NE(m_err.str().find("built without --preview"), std::string::npos);
        return;
    }
    ASSERT_EQ(result, kDone) << m_err.str();
    // A PNG of 480 x 134 dialog units at 6 x 13 base units: 720 x 218 pixels.
    const std::string bytes = m_dir.read("Bench.png") + std::string(24, '-');
    EXPECT_EQ(bytes.substr(1, 3) + bytes.substr(16, 8), "PNG" + std::string("\0\0\x02\xD0\0\0\0\xDA", 8));
    EXPECT_EQ(run({"--preview", png, "--language", "de-DE", drawing}), kUsage);
}

}  // namespace
