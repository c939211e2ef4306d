#include "afx/WinApp.h"

#include "kvo/Exception.h"

namespace {
CWinApp* g_app = nullptr;
}  // namespace

CWinApp::CWinApp() {
    KVO_ASSERT(g_app == nullptr);
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

HINSTANCE AfxGetInstanceHandle() {
    if (g_app && g_app->m_hInstance) return g_app->m_hInstance;
    return ::GetModuleHandleW(nullptr);
}

void AfxEnableControlContainer() {}

int afx::WinMain(HINSTANCE hInstance, LPWSTR lpCmdLine) {
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    app->m_hInstance = hInstance;
    app->m_lpCmdLine = lpCmdLine;
    return app->InitInstance() ? app->Run() : 0;
}
