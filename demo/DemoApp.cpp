// The demo gallery: a skinned frame that shows the pages one at a time; with --shots DIR it
// shows and drives every page, writes a screenshot of each page and the frame's own screenshots
// into DIR and exits.
#include <afxwin.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "DemoPage.h"
#include "GalleryFrame.h"

static std::vector<DemoPage>& Pages() {
    static std::vector<DemoPage> pages;
    return pages;
}

void RegisterDemoPage(const DemoPage& page) { Pages().push_back(page); }
const std::vector<DemoPage>& DemoPages() { return Pages(); }

LPCSTR DemoWindowClass() {
    static CString name = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW),
                                              (HBRUSH)::GetStockObject(WHITE_BRUSH));
    return name;
}

CFont* DemoFont(int nHeight, bool bBold) {
    static std::map<int, CFont*> fonts;
    CFont*& f = fonts[nHeight * 2 + (bBold ? 1 : 0)];
    if (f == NULL) {
        f = new CFont;
        f->CreateFont(nHeight, 0, 0, 0, bBold ? FW_BOLD : FW_NORMAL, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0,
                      NONANTIALIASED_QUALITY, 0, "Tahoma");
    }
    return f;
}

void DemoDrawLabel(CDC& mask, const CRect& rc, const char* pszText, int nHeight, bool bBold) {
    CFont* pOld = mask.SelectObject(DemoFont(nHeight, bBold));
    const int nOldMode = mask.SetBkMode(TRANSPARENT);
    const COLORREF crOld = mask.SetTextColor(RGB(0, 0, 0));
    CRect rcText(rc);
    mask.DrawText(pszText, -1, rcText, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
    mask.SetTextColor(crOld);
    mask.SetBkMode(nOldMode);
    mask.SelectObject(pOld);
}

void DemoSetTitle(CWnd* pWnd, const char* pszText) {
    wchar_t wide[256];
    if (::MultiByteToWideChar(1250, 0, pszText, -1, wide, 256) > 0) ::SetWindowTextW(pWnd->m_hWnd, wide);
}

void DemoPump(DWORD ms) {
    const DWORD start = ::GetTickCount();
    MSG msg;
    do {
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 5, QS_ALLINPUT);
    } while (::GetTickCount() - start < ms);
}

void DemoMoveCursor(CWnd* pWnd, int x, int y) {
    POINT pt = {x, y};
    ::ClientToScreen(pWnd->m_hWnd, &pt);
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = (pt.x * 65536 + cx - 1) / cx;
    in.mi.dy = (pt.y * 65536 + cy - 1) / cy;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &in, sizeof(in));
    DemoPump(30);
}

void DemoClick(CWnd* pWnd, int x, int y, bool bLeft) {
    DemoMoveCursor(pWnd, x, y);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = bLeft ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
    ::SendInput(1, &in, sizeof(in));
    DemoPump(30);
    in.mi.dwFlags = bLeft ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
    ::SendInput(1, &in, sizeof(in));
    DemoPump(30);
}

// Writes the window's screen pixels (child windows included) as a 24-bit BMP.
static bool SaveScreenshot(CWnd* pWnd, const std::string& path) {
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return DemoSaveScreenRect(rc, path);
}

namespace {
// The screenshot of the page being driven: where it goes, and whether the script took it.
std::string g_shotPath;
bool g_bShotTaken = false;
int g_nShotFailures = 0;
}  // namespace

void DemoScreenshotNow(CWnd* pPage) {
    if (g_shotPath.empty() || g_bShotTaken) return;
    g_bShotTaken = true;
    if (!SaveScreenshot(pPage, g_shotPath)) {
        std::printf("demo: cannot write %s\n", g_shotPath.c_str());
        ++g_nShotFailures;
    }
}

class CDemoApp : public CWinApp {
public:
    CDemoApp() : CWinApp("Kelm demo") {}
    BOOL InitInstance() override;
};

static CDemoApp theApp;

BOOL CDemoApp::InitInstance() {
    std::string shots;
    for (int i = 1; i < __argc; ++i)
        if (std::strcmp(__argv[i], "--shots") == 0 && i + 1 < __argc) shots = __argv[++i];

    // The pages in the order of their names.
    std::stable_sort(Pages().begin(), Pages().end(),
                     [](const DemoPage& a, const DemoPage& b) { return std::strcmp(a.name, b.name) < 0; });
    CGalleryFrame* pFrame = new CGalleryFrame;
    if (!pFrame->Open()) {
        std::printf("demo: the gallery frame failed to open\n");
        return FALSE;  // the frame went with its window
    }
    m_pMainWnd = pFrame;
    if (shots.empty()) {
        // Interactive: the first page; the tool bar turns the pages, closing the frame ends.
        pFrame->ShowPage(0);
        return TRUE;
    }

    int failures = 0;
    pFrame->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    size_t nFramePage = 0;
    for (size_t i = 0; i < Pages().size(); ++i) {
        const DemoPage& page = Pages()[i];
        if (std::strcmp(page.name, "02_buttons") == 0) nFramePage = i;
        CWnd* pWnd = pFrame->ShowPage(i);
        if (pWnd == NULL) {
            std::printf("demo: page %s failed to open\n", page.name);
            ++failures;
            continue;
        }
        pFrame->UpdateWindow();
        DemoPump(200);
        g_shotPath = shots + "\\" + page.name + ".bmp";
        g_bShotTaken = false;
        if (page.drive != NULL) page.drive(pWnd);
        DemoPump(100);
        DemoScreenshotNow(pWnd);
        g_shotPath.clear();
    }
    // The frame itself, around one page.
    pFrame->ShowPage(nFramePage);
    failures += pFrame->WriteScreenshots(shots);
    std::fflush(stdout);
    failures += g_nShotFailures;
    ::ExitProcess(failures == 0 ? 0 : 1);
    return FALSE;
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
