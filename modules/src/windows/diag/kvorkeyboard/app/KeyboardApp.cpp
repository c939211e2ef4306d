#include "KeyboardApp.h"

#include "ModuleRunner.h"
#include "vemo5/DiagModule.h"

BOOL CKeyboardApp::InitInstance() {
    AfxEnableControlContainer();
    m_pMainWnd = nullptr;
    return TRUE;
}

int CKeyboardApp::Run() {
    return kvorkeyboard::RunModule(kvo::String(m_lpCmdLine ? m_lpCmdLine : L""), vemo5::DiagModule::start);
}
