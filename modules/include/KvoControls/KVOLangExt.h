#pragma once
// The language mix-in of dialogs and controls: gives a window the dialog
// font that suits the host's language when it is attached.
//
// A class that carries it overrides the parameterless PreSubclassWindow of
// both bases with one function:
//   void PreSubclassWindow() override {
//       CDialog::PreSubclassWindow();
//       KVOLangExt::PreSubclassWindow(this);
//   }
#include "afx/Wnd.h"
#include "vemo5/Types.h"

class KVOLangExt {
public:
    virtual ~KVOLangExt() = default;

    virtual void PreSubclassWindow() = 0;

    // The language font for `pWnd` and its child windows, for the host's
    // language (vemo5::DiagModule::getLanguage()). True when a font was set.
    bool PreSubclassWindow(CWnd* pWnd);

    // The same for a given language. The window's own font keeps its size
    // and weight; only the family changes. Fonts live as long as the process,
    // so windows never hold a deleted one.
    static bool applyLanguageFont(CWnd* pWnd, const vemo5::Language& language);
};
