#pragma once
#include <windows.h>

namespace afx::detail {

// The dialog template `id` of `module`, checked step by step; null with
// GetLastError set when it is missing or cannot be loaded. The data belongs
// to the mapped module and needs no release. (DIALOGEX templates too: the
// creating functions tell the two forms apart.)
LPCDLGTEMPLATEW loadDialogTemplate(HINSTANCE module, UINT id);

}  // namespace afx::detail
