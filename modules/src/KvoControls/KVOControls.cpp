#include "KvoControls/KVOControls.h"

void KVOButton::PreSubclassWindow() {
    CButton::PreSubclassWindow();
    KVOLangExt::PreSubclassWindow(this);
}

void KVOEdit::PreSubclassWindow() {
    CEdit::PreSubclassWindow();
    KVOLangExt::PreSubclassWindow(this);
}

void KVOStatic::PreSubclassWindow() {
    CStatic::PreSubclassWindow();
    KVOLangExt::PreSubclassWindow(this);
}

CWnd* KvorGetCUIHandle() { return nullptr; }
