#pragma once
// The controls of the module's dialogs: the standard ones with the
// language mix-in, tied to template controls with DDX_Control.
#include "KvoControls/KVOLangExt.h"
#include "afx/Controls.h"

class KVOButton : public CButton, public KVOLangExt {
public:
    void PreSubclassWindow() override;
};

class KVOEdit : public CEdit, public KVOLangExt {
public:
    void PreSubclassWindow() override;
};

// Has CStatic's run-time class; classes that draw themselves derive from it.
class KVOStatic : public CStatic, public KVOLangExt {
public:
    void PreSubclassWindow() override;
};

// The host's user-interface window, which owns the module's modal dialogs.
// This host has none: null, so a dialog takes the usual owner.
CWnd* KvorGetCUIHandle();
