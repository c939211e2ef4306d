#pragma once
// The whole dialog framework, for the module's sources.
#include "afx/Controls.h"
#include "afx/Dialog.h"
#include "afx/FileFind.h"
#include "afx/Gdi.h"
#include "afx/MessageMap.h"
#include "afx/RuntimeClass.h"
#include "afx/ScopedWin.h"
#include "afx/WinApp.h"
#include "afx/Wnd.h"
