// Gallery page: a Morse trainer. The telegraph-key widget of Tapkey on a textured look: click a
// character on the board to hear it, key signs on the key (left button a dot, right button a
// dash; with "Mysz" checked the left button is a straight key) and watch the board recognise
// them. The sounds are M_KROPKA.WAV and M_KRESKA.WAV beside the program.
#include <kelm/kelm.h>
#include <tapkey/tapkey.h>

#include <string>

#include "DemoPage.h"

namespace {

const int kWidgetX = 12, kWidgetY = 44, kWidgetW = 330, kWidgetH = 425;

class CMorsePage : public CWnd {
public:
    T_morse* m_pMorse = nullptr;
    CKBitmapDC* m_pInk = nullptr;
    CKBitmapDC* m_pPaper = nullptr;
    CKMPBitmapProvider* m_pLook = nullptr;

    ~CMorsePage() override {
        delete m_pLook;
        delete m_pInk;
        delete m_pPaper;
    }
    void PostNcDestroy() override { delete this; }

    BOOL Open() {
        if (!CreateEx(0, DemoWindowClass(), "Tapkey: nauka alfabetu Morse'a",
                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, 100, 100, NULL, NULL))
            return FALSE;
        DemoSetTitle(this, "Tapkey: nauka alfabetu Morse'a");
        CRect rc(0, 0, kWidgetX * 2 + kWidgetW, kWidgetY + kWidgetH + 10);
        ::AdjustWindowRect(&rc, GetStyle(), FALSE);
        SetWindowPos(NULL, 0, 0, rc.Width(), rc.Height(), SWP_NOMOVE | SWP_NOZORDER);

        // A light woven paper and a dark blue ink: the widget, its board, speed bar and check
        // box take the look of the page they live in.
        m_pInk = new CKBitmapDC(NULL, 8, 8);
        m_pPaper = new CKBitmapDC(NULL, 8, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                m_pInk->SetPixel(x, y, (x + y) % 4 < 2 ? RGB(20, 40, 110) : RGB(40, 70, 150));
                m_pPaper->SetPixel(x, y, ((x / 4) ^ (y / 4)) ? RGB(226, 232, 240) : RGB(212, 220, 232));
            }
        m_pLook = new CKMPBitmapProvider(this, m_pInk, RGB(20, 40, 110), RGB(60, 80, 120), RGB(200, 90, 20), m_pPaper,
                                         RGB(226, 232, 240), RGB(150, 160, 180), RGB(110, 120, 140), false);

        // The sound files lie beside the program.
        char exe[MAX_PATH] = "";
        ::GetModuleFileNameA(NULL, exe, MAX_PATH);
        std::string path(exe);
        path = path.substr(0, path.find_last_of("\\/") + 1);
        try {
            m_pMorse = new T_morse(AfxGetInstanceHandle(), m_hWnd, &path[0], kWidgetX, kWidgetY, kWidgetW, kWidgetH,
                                   0, 0, 0, 0);
        } catch (const char*) {
            return FALSE;
        }
        ShowWindow(SW_SHOW);
        return TRUE;
    }

    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        CKPaintBuffer buffer(&dc, rc.Width(), rc.Height());
        CDC& mask = buffer.Mask();
        DemoDrawLabel(mask, CRect(kWidgetX, 8, rc.right - kWidgetX, kWidgetY - 6), "Kliknij znak albo nadaj go kluczem",
                      16, true);
        buffer.Compose(this, SKLayers{ctBitmap, true, ctShadow, ctBitmap});
        buffer.Present(&dc);
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    // Typed characters go to the widget, which plays them through its board.
    afx_msg void OnSetFocus(CWnd*) {
        if (m_pMorse != nullptr) ::SetFocus(*m_pMorse);
    }
    // The widget goes before the page's child windows do.
    afx_msg void OnDestroy() {
        delete m_pMorse;
        m_pMorse = nullptr;
        Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMorsePage, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SETFOCUS()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CWnd* CreateMorsePage() {
    return DemoOpenPage<CMorsePage>();
}

void Button(DWORD dwFlags) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = dwFlags;
    ::SendInput(1, &in, sizeof(in));
    DemoPump(30);
}

COLORREF PixelOf(HWND hWnd, int x, int y) {
    HDC hdc = ::GetDC(hWnd);
    const COLORREF c = ::GetPixel(hdc, x, y);
    ::ReleaseDC(hWnd, hdc);
    return c;
}

// Real input: a character clicked on the board is played; the speed bar's thumb is dragged to
// the slowest speed; a dash keyed on the key is played and recognised as T. The screenshot is
// taken while the dash still lights the lamp and the board flashes T.
void DriveMorsePage(CWnd* pPage) {
    CMorsePage* pMorsePage = static_cast<CMorsePage*>(pPage);
    if (pMorsePage->m_pMorse == nullptr) return;
    const HWND hWidget = *pMorsePage->m_pMorse;
    CWnd* pWidget = CWnd::FromHandle(hWidget);
    CWnd* pBoard = CWnd::FromHandle(::FindWindowExA(hWidget, NULL, "ABC", NULL));
    CWnd* pBar = CWnd::FromHandle(::GetDlgItem(hWidget, 3));

    DemoClick(pBoard, 4 * 32 + 16, 45);  // K: -.-
    DemoPump(2200);

    // The thumb stands at 80 of 0..380 on the track between the 15-pixel arrows.
    CRect rcBar;
    pBar->GetClientRect(&rcBar);
    const int track = rcBar.Width() - 1 - 2 * 15, thumb = 20;
    DemoMoveCursor(pBar, 15 + 80 * (track - thumb) / 380 + thumb / 2, rcBar.Height() / 2);
    Button(MOUSEEVENTF_LEFTDOWN);
    DemoMoveCursor(pBar, rcBar.Width() + 40, rcBar.Height() / 2);
    Button(MOUSEEVENTF_LEFTUP);

    DemoClick(pWidget, 160, 45, false);  // a dash: T
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 2000) {
        const COLORREF cell = PixelOf(pBoard->m_hWnd, 7 * 32 + 2, 60 + 2);  // T's paper
        if (GetRValue(cell) >= 200 && GetGValue(cell) >= 200 && GetBValue(cell) < 64) break;
        DemoPump(10);
    }
}

DemoPageRegistrar g_morse({"07_morse", &CreateMorsePage, &DriveMorsePage});

}  // namespace
