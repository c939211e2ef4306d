#include <gtest/gtest.h>

#include "afx/ScopedWin.h"
#include "evidence/PictureEvidence.h"
#include "evidence/RunEvidence.h"

namespace kvorkeyboard {
namespace {

class FakeClock : public PerformanceClock {
public:
    std::int64_t now() override { return 0; }
    std::int64_t ticksPerSecond() override { return 10000; }
};

// A picture that was never on screen: a hidden window with three keys, the
// second already pressed (hidden).
TEST(Picture, TheRemainingKeysAreListedInPictureOrderAndDrawnEvenNeverShown) {
    const afx::ScopedWindow picture(
        ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 60, nullptr, nullptr, nullptr, nullptr));
    const struct {
        int id;
        const wchar_t* legend;
        int left, width;
    } keys[] = {{0x1E, L"A", 10, 30}, {0x1F, L"S", 50, 30}, {0x11C, L"Num\nEnter", 90, 60}};
    std::vector<HWND> windows;
    for (const auto& key : keys)
        windows.push_back(::CreateWindowExW(0, L"STATIC", key.legend, WS_CHILD | WS_VISIBLE | SS_CENTER | WS_BORDER,
                                            key.left, 10, key.width, 30, picture.get(),
                                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(key.id)), nullptr, nullptr));
    ::ShowWindow(windows[1], SW_HIDE);
    FakeClock clock;
    {
        RunEvidence evidence(clock);
        notePictureAtEnd(picture.get(), windows);
        const vemo5::Observations observations = evidence.observations();
        std::string listed;
        for (const vemo5::PictureKey& key : observations.keysNotPressed.value())
            listed += std::to_string(key.key) + " " + key.name + ", ";
        EXPECT_EQ("30 A, 284 Num Enter, ", listed);
        // Its fills, keys left red and keys pressed pale, are looked at end to end.
        EXPECT_FALSE(observations.picturePng.empty());
        // With every key pressed, nothing is left and nothing drawn.
        for (HWND key : windows) ::ShowWindow(key, SW_HIDE);
        notePictureAtEnd(picture.get(), windows);
        EXPECT_EQ(0u, evidence.observations().keysNotPressed.value().size());
        EXPECT_TRUE(evidence.observations().picturePng.empty());
    }
    EXPECT_EQ(nullptr, currentRunEvidence());
}

}  // namespace
}  // namespace kvorkeyboard
