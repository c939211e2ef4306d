#include "DialogRun.h"

#include "kvo/Exception.h"

namespace kvorkeyboard {
namespace {

kvo::LoggerRef g_log("kvorkeyboard.KeyboardInteractiveTest");

}  // namespace

void reportDialogNotCreated() {
    const DWORD error = ::GetLastError();
    KVO_LOG(g_log, 4, "Failed to load dialog!");
    KVO_LOG(g_log, 1, "with error code " << static_cast<unsigned int>(error));
}

vemo5::TestResult runGuardedDialog(vemo5::TestResult result, EscapeReport report, const RunCleanup& cleanup,
                                   const ShowDialog& show) {
    const ULONG_PTR token = cleanup.gdiplus.startup();
    bool gdiplusShutDown = false;
    const auto shutDownGdiplus = [&] {
        cleanup.gdiplus.shutdown(token);
        gdiplusShutDown = true;
    };
    try {
        show(result);
    } catch (const kvo::Exception& e) {
        if (report == EscapeReport::Interactive) {
            KVO_LOG(g_log, 4, e.getMessage());
            KVO_LOG(g_log, 4, e.getStackTrace());
            KVO_LOG(g_log, 1, "Shutting down GDI+");
            shutDownGdiplus();
            KVO_LOG(g_log, 1, "Removing keyboard hook");
            cleanup.removeKeyboardHook();
        } else {
            KVO_LOG(g_log, 1, e.getMessage());
            KVO_LOG(g_log, 1, e.getStackTrace());
            cleanup.removeKeyboardHook();
            shutDownGdiplus();
        }
    } catch (...) {
        KVO_LOG(g_log, 4,
                (report == EscapeReport::Interactive ? "Exception caught!  Removing hook and shutting down GDI+!"
                                                     : "Unknown exception caught!  Removing hook and shutting down GDI+!"));
        cleanup.removeKeyboardHook();
        shutDownGdiplus();
    }
    if (!gdiplusShutDown) cleanup.gdiplus.shutdown(token);
    return result;
}

}  // namespace kvorkeyboard
