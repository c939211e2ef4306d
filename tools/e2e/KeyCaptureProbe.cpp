// A keyboard test page on its own, for real keys typed on the X display:
// it installs the hook of the given kind and prints, one line a keystroke,
// what the handler made of it ("action scan name"), until the time is up.
//
//   KeyCaptureProbe lowlevel|message <milliseconds>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <memory>

#include "keyboard/testing/CapturePage.h"

using namespace kvorkeyboard::testing;

namespace {

constexpr UINT IDD_KEY_CAPTURE = 100;

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 || (std::wcscmp(argv[1], L"lowlevel") != 0 && std::wcscmp(argv[1], L"message") != 0)) {
        std::fprintf(stderr, "usage: KeyCaptureProbe lowlevel|message <milliseconds>\n");
        return 2;
    }
    std::unique_ptr<CCapturePage> page;
    if (std::wcscmp(argv[1], L"lowlevel") == 0) {
        page = std::make_unique<CLowLevelCapturePage>(IDD_KEY_CAPTURE);
    } else {
        page = std::make_unique<CThreadCapturePage>(IDD_KEY_CAPTURE);
    }
    page->onKey = [](const CapturedKey& key) {
        std::printf("%d %u %s\n", key.action, key.scanCode, key.name.c_str());
        std::fflush(stdout);
    };
    if (!page->Create(IDD_KEY_CAPTURE, nullptr)) return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    pumpMessagesFor(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
    page->DestroyWindow();
    return 0;
}
