#include "layout/LayoutPicture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeLayoutSystem.h"
#include "LayoutLog.h"
#include "kvo/Logging.h"

using namespace kvorkeyboard;
using kvorkeyboard::testing::FakeLayoutSystem;
using kvorkeyboard::testing::fakeHandle;

namespace {

const LANGID kGerman = 0x0407;
const LANGID kEnglish = 0x0409;
const LANGID kFrench = 0x040C;
const HWND kArea = fakeHandle<HWND>(0x1264);

class LayoutPicture : public ::testing::Test {
protected:
    HINSTANCE libraryWithPictures(std::set<LANGID> languages) {
        system.modules["K.kbl"] = {"K", std::move(languages)};
        return system.mapLibrary("K.kbl");
    }
    FakeLayoutSystem system;
};

TEST_F(LayoutPicture, TakesTheUsersLanguageFirstThenUsEnglish) {
    struct Case {
        std::set<LANGID> languages;
        std::vector<LANGID> lookups;
        bool created;
    } const cases[] = {
        {{kGerman, kEnglish}, {kGerman}, true},
        {{kEnglish}, {kGerman, kEnglish}, true},   // an English picture serves every user
        {{kFrench}, {kGerman, kEnglish}, false},   // neither language: no picture
    };
    for (const Case& c : cases) {
        FakeLayoutSystem fresh;
        fresh.userLanguage = kGerman;
        fresh.modules["K.kbl"] = {"K", c.languages};
        HINSTANCE library = fresh.mapLibrary("K.kbl");

        HWND picture = createLayoutPicture(fresh, library, kArea);

        std::vector<LANGID> asked;
        for (const auto& lookup : fresh.pictureLookups) asked.push_back(lookup.second);
        EXPECT_EQ(asked, c.lookups);
        EXPECT_EQ(picture != nullptr, c.created);
        if (c.created) {
            ASSERT_EQ(fresh.createdPictures.size(), 1u);
            EXPECT_EQ(fresh.createdPictures[0].first, fresh.pictureTemplate());
            EXPECT_EQ(fresh.createdPictures[0].second, kArea);
        }
    }
}

TEST_F(LayoutPicture, DiscoversEveryWindowButTheInstructionTexts) {
    const HWND a = fakeHandle<HWND>(1), fn = fakeHandle<HWND>(2), b = fakeHandle<HWND>(3),
               pana = fakeHandle<HWND>(4);
    system.children[system.kPicture] = {a, fn, b, pana};
    system.items[{system.kPicture, IDC_FN_KEY_INSTRUCTIONS}] = fn;
    system.items[{system.kPicture, IDC_PANA_FN_INSTRUCTIONS}] = pana;
    kvo::Array<HWND> keys;
    keys.append(fakeHandle<HWND>(99));  // from the picture shown before
    kvo::ScopedLogCapture logs(1);

    discoverKeys(system, system.kPicture, keys);

    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0], a);
    EXPECT_EQ(keys[1], b);
    const auto entries = kvorkeyboard::testing::layoutTestLog(logs);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_NE(entries[0].message.find(" removing IDC_FN_KEY_INSTRUCTIONS from discovered keys"), std::string::npos);
    EXPECT_NE(entries[1].message.find(" removing IDC_PANA_FN_INSTRUCTIONS from discovered keys"), std::string::npos);
}

TEST_F(LayoutPicture, NoLibraryGivesNoPictureAndNoPictureNoKeys) {
    EXPECT_EQ(createLayoutPicture(system, nullptr, kArea), nullptr);
    EXPECT_TRUE(system.pictureLookups.empty());
    system.children[nullptr] = {fakeHandle<HWND>(1)};  // what enumerating "no window" would list
    kvo::Array<HWND> keys;
    keys.append(fakeHandle<HWND>(99));
    discoverKeys(system, nullptr, keys);
    EXPECT_EQ(keys.size(), 0u);
}

}  // namespace
