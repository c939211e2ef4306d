// Shows the framework and the controls together: an application object, a
// modal dialog with a PNG picture, a sorted combo box and a history box.
// The command line gives the milliseconds after which the dialog passes by
// itself; the exit code is 0 when it ended with Pass.
#include <cwchar>
#include <string>

#include "DemoIds.h"
#include "KvoControls/KVOControls.h"
#include "KvoControls/PngControl.h"
#include "afx/afxwin.h"

namespace {

constexpr UINT_PTR kCloseTimer = 1;

// A keyboard-like picture, drawn with GDI+ and saved as PNG.
std::wstring drawPicture() {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"kvo-demo-keyboard.png";
    Gdiplus::GpBitmap* bitmap = nullptr;
    afx::gdip::GdipCreateBitmapFromScan0(300, 120, 0, PixelFormat32bppARGB, nullptr, &bitmap);
    const afx::ScopedGpImage image(bitmap);
    Gdiplus::GpGraphics* graphics = nullptr;
    afx::gdip::GdipGetImageGraphicsContext(image.get(), &graphics);
    const afx::ScopedGpGraphics painter(graphics);
    afx::gdip::GdipGraphicsClear(painter.get(), 0xFF303040);
    Gdiplus::GpSolidFill* keyFill = nullptr;
    afx::gdip::GdipCreateSolidFill(0xFFE0E0E8, &keyFill);
    const afx::ScopedGpBrush keys(keyFill);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 12; ++column)
            afx::gdip::GdipFillRectangleI(painter.get(), keys.get(), 8 + column * 24 + row * 6, 8 + row * 27, 20, 23);
    const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    afx::gdip::GdipSaveImageToFile(image.get(), path.c_str(), &png, nullptr);
    return path;
}

class CDemoDialog : public CDialog, public KVOLangExt {
public:
    CDemoDialog(UINT closeAfter, std::wstring picture)
        : CDialog(IDD_DEMO, KvorGetCUIHandle()), m_closeAfter(closeAfter), m_pictureFile(std::move(picture)) {}

    void PreSubclassWindow() override {
        CDialog::PreSubclassWindow();
        KVOLangExt::PreSubclassWindow(this);
    }

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_picture.SetImage(m_pictureFile.c_str(), false);
        for (const wchar_t* type : {L"Standard 104", L"Compact", L"Notebook"}) m_types.AddString(type);
        m_types.SetCurSel(m_types.FindStringExact(0, L"standard 104"));
        m_history.SetWindowText(L"A");
        for (const wchar_t* key : {L"\r\nB", L"\r\nShift", L"\r\nEnter"}) {
            const int end = m_history.GetWindowTextLength();
            m_history.SetSel(end, end);
            m_history.ReplaceSel(key);
        }
        if (m_closeAfter) SetTimer(kCloseTimer, m_closeAfter);
        return TRUE;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_DEMO_PICTURE, m_picture);
        DDX_Control(pDX, IDC_DEMO_COMBO, m_types);
        DDX_Control(pDX, IDC_DEMO_HISTORY, m_history);
    }
    void OnTimer(UINT_PTR nIDEvent) {
        if (nIDEvent != kCloseTimer) return;
        KillTimer(kCloseTimer);
        OnOK();
    }
    DECLARE_MESSAGE_MAP()

private:
    UINT m_closeAfter;
    std::wstring m_pictureFile;
    PngControl m_picture;
    CComboBox m_types;
    KVOEdit m_history;
};

BEGIN_MESSAGE_MAP(CDemoDialog, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

class CDemoApp : public CWinApp {
public:
    BOOL InitInstance() override {
        AfxEnableControlContainer();
        return TRUE;
    }
    int Run() override {
        const afx::GdiplusSession gdiplus;
        const std::wstring picture = drawPicture();
        CDemoDialog dialog(static_cast<UINT>(std::wcstoul(m_lpCmdLine, nullptr, 10)), picture);
        const INT_PTR result = dialog.DoModal();
        ::DeleteFileW(picture.c_str());
        return result == IDOK ? 0 : 1;
    }
};

CDemoApp theApp;

}  // namespace
