// A keyboard test page on its own, for real keys typed on the X display:
// it installs the hook of the given kind and prints, one line a keystroke,
// what the handler made of it ("action scan name"), until Escape is released.
//
//   KeyCaptureProbe lowlevel|message
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <memory>

#include "keyboard/testing/CapturePage.h"

using namespace kvorkeyboard::testing;

namespace {

constexpr UINT IDD_KEY_CAPTURE = 100;
constexpr unsigned kEscapeScanCode = 1;

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool lowLevel = argc == 2 && std::wcscmp(argv[1], L"lowlevel") == 0;
    if (argc != 2 || (!lowLevel && std::wcscmp(argv[1], L"message") != 0)) {
        std::fprintf(stderr, "usage: KeyCaptureProbe lowlevel|message\n");
        return 2;
    }
    std::unique_ptr<CCapturePage> page;
    if (lowLevel)
        page = std::make_unique<CLowLevelCapturePage>(IDD_KEY_CAPTURE);
    else
        page = std::make_unique<CThreadCapturePage>(IDD_KEY_CAPTURE);
    page->onKey = [](const CapturedKey& key) {
        std::printf("%d %u %s\n", key.action, key.scanCode, key.name.c_str());
        std::fflush(stdout);
        if (key.scanCode == kEscapeScanCode && key.action == kvorkeyboard::KEY_RELEASED) ::PostQuitMessage(0);
    };
    if (!page->Create(IDD_KEY_CAPTURE, nullptr)) return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    // Low-level hooks are called from inside message retrieval.
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    page->DestroyWindow();
    return 0;
}
