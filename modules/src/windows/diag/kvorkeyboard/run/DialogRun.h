#pragma once
// What every run shares once its environment is prepared: GDI+ around a
// modal test dialog, the dialog's own result, and the last line of defence
// when something escapes the dialog. Whatever happens, the keyboard hook is
// gone (its owner, the test page, went with the dialog) and GDI+ is shut
// down exactly once before the run returns.
#include <windows.h>

#include <functional>

#include "vemo5/Types.h"

namespace kvorkeyboard {

// The interactive tests and the media-centre test report an escaped
// exception in their own words and at their own levels.
enum class EscapeReport { Interactive, MediaCenter };

// Shows the dialog and stores its result into the argument once it is known.
using ShowDialog = std::function<void(vemo5::TestResult& result)>;

// Starts GDI+, calls `show` and returns the result it stored, or `result`
// unchanged when it stored none (nothing created, or an exception escaped).
vemo5::TestResult runGuardedDialog(vemo5::TestResult result, EscapeReport report, const ShowDialog& show);

// "Failed to load dialog!" and the system's reason.
void reportDialogNotCreated();

// Runs `dialog` modally; its own result counts however the modal loop ended,
// unless the dialog could not be created at all.
template <class Dialog>
void runModal(Dialog& dialog, vemo5::TestResult& result) {
    if (dialog.DoModal() == -1) {
        reportDialogNotCreated();
        return;
    }
    result = dialog.getResult();
}

}  // namespace kvorkeyboard
