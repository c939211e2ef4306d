#include "afx/WinApp.h"

#include "kvo/Exception.h"

namespace {
CWinApp* g_app = nullptr;
}  // namespace

CWinApp::CWinApp(const wchar_t* lpszAppName) : m_pszAppName(lpszAppName) {
    KVO_ASSERT(g_app == nullptr);
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() {
    if (!m_pMainWnd) return 0;
    MSG msg;
    BOOL got;
    while ((got = ::GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return got == 0 ? static_cast<int>(msg.wParam) : -1;
}

CWinApp* AfxGetApp() { return g_app; }

HINSTANCE AfxGetInstanceHandle() {
    if (g_app && g_app->m_hInstance) return g_app->m_hInstance;
    return ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

HINSTANCE AfxFindResourceHandle(LPCWSTR, LPCWSTR) { return AfxGetResourceHandle(); }

void AfxEnableControlContainer() {}

int afx::WinMain(HINSTANCE hInstance, LPWSTR lpCmdLine, int nCmdShow) {
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    app->m_hInstance = hInstance;
    app->m_lpCmdLine = lpCmdLine;
    app->m_nCmdShow = nCmdShow;
    return app->InitInstance() ? app->Run() : 0;
}
