#include "DialogTemplate.h"

namespace afx::detail {

LPCDLGTEMPLATEW loadDialogTemplate(HINSTANCE module, UINT id) {
    const HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(id), RT_DIALOG);
    if (!info) return nullptr;  // FindResourceW has set the error
    const HGLOBAL loaded = ::LoadResource(module, info);
    if (!loaded) return nullptr;
    const void* data = ::LockResource(loaded);
    if (!data || ::SizeofResource(module, info) == 0) {
        ::SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    return static_cast<LPCDLGTEMPLATEW>(data);
}

}  // namespace afx::detail
