#include "DialogRun.h"

#include "afx/ScopedGdiplus.h"
#include "kvo/Exception.h"
#include "kvo/Logging.h"

namespace kvorkeyboard {
namespace {

kvo::LoggerRef g_log("kvorkeyboard.KeyboardInteractiveTest");

}  // namespace

void reportDialogNotCreated() {
    const DWORD error = ::GetLastError();
    KVO_LOG(g_log, 4, "Failed to load dialog!");
    KVO_LOG(g_log, 1, "with error code " << static_cast<unsigned int>(error));
}

vemo5::TestResult runGuardedDialog(vemo5::TestResult result, EscapeReport report, const ShowDialog& show) {
    // Its start-up status is not the run's concern: a page without GDI+ only draws less.
    const afx::GdiplusSession gdiplus;
    try {
        show(result);
    } catch (const kvo::Exception& e) {
        // By now the dialog is gone, and with its test page the keyboard hook.
        if (report == EscapeReport::Interactive) {
            KVO_LOG(g_log, 4, e.getMessage());
            KVO_LOG(g_log, 4, e.getStackTrace());
            KVO_LOG(g_log, 1, "Shutting down GDI+");
            KVO_LOG(g_log, 1, "Removing keyboard hook");
        } else {
            KVO_LOG(g_log, 1, e.getMessage());
            KVO_LOG(g_log, 1, e.getStackTrace());
        }
    } catch (...) {
        KVO_LOG(g_log, 4,
                (report == EscapeReport::Interactive ? "Exception caught!  Removing hook and shutting down GDI+!"
                                                     : "Unknown exception caught!  Removing hook and shutting down GDI+!"));
    }
    return result;
}

}  // namespace kvorkeyboard
