#include "KvoControls/KVOLangExt.h"

#include <cwchar>
#include <map>
#include <string>
#include <tuple>

#include "KvoControls/LanguageFonts.h"
#include "afx/ScopedWin.h"
#include "vemo5/DiagModule.h"

namespace {

int CALLBACK noteFamilyFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one is enough
}

bool askFontMapper(const kvo::String& family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(wanted.lfFaceName, family.getUCS2Buffer(), LF_FACESIZE - 1);
    bool found = false;
    const afx::ScopedWindowDC screen(nullptr);
    ::EnumFontFamiliesExW(screen.get(), &wanted, &noteFamilyFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// Enumerating fonts is slow (seconds under Wine) and the answer does not
// change while the module runs: ask once per family.
bool isInstalled(const kvo::String& family) {
    static std::map<std::wstring, bool> known;
    const auto it = known.find(family.str());
    if (it != known.end()) return it->second;
    return known[family.str()] = askFontMapper(family);
}

// One font per family, height, weight and slant, kept until the process ends.
HFONT sharedFont(const LOGFONTW& logFont) {
    using Key = std::tuple<std::wstring, LONG, LONG, BYTE>;
    static std::map<Key, afx::ScopedFont> fonts;
    auto& font = fonts[Key(logFont.lfFaceName, logFont.lfHeight, logFont.lfWeight, logFont.lfItalic)];
    if (!font) font.reset(::CreateFontIndirectW(&logFont));
    return font.get();
}

LOGFONTW currentFont(HWND window) {
    LOGFONTW logFont{};
    auto font = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
    if (!font || !::GetObjectW(font, sizeof(logFont), &logFont))
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont);
    return logFont;
}

}  // namespace

bool KVOLangExt::PreSubclassWindow(CWnd* pWnd) {
    return applyLanguageFont(pWnd, vemo5::DiagModule::getLanguage());
}

bool KVOLangExt::applyLanguageFont(CWnd* pWnd, const vemo5::Language& language) {
    if (!pWnd || !pWnd->m_hWnd) return false;
    const kvo::String family = kvo::controls::dialogFontFamily(language, &isInstalled);
    if (family.empty()) return false;

    LOGFONTW logFont = currentFont(pWnd->m_hWnd);
    std::wmemset(logFont.lfFaceName, L'\0', LF_FACESIZE);
    std::wcsncpy(logFont.lfFaceName, family.getUCS2Buffer(), LF_FACESIZE - 1);
    logFont.lfCharSet = DEFAULT_CHARSET;
    const HFONT font = sharedFont(logFont);
    if (!font) return false;

    const auto fontParameter = reinterpret_cast<WPARAM>(font);
    ::SendMessageW(pWnd->m_hWnd, WM_SETFONT, fontParameter, TRUE);
    for (HWND child = ::GetWindow(pWnd->m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ::SendMessageW(child, WM_SETFONT, fontParameter, TRUE);
    return true;
}
