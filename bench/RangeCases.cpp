// Scroll bar, slider and spin button against the platform's scroll bar, trackbar and up-down.
#include <kelm/kelm.h>

#include <commctrl.h>

#include "Bench.h"

namespace {

CWnd* g_pControl = nullptr;
void DestroyControl() {
    delete g_pControl;  // destroys its window
    g_pControl = nullptr;
}

HWND PlatformWindow(const char* cls, DWORD style, CWnd* pParent, CRect rc) {
    ::InitCommonControls();
    return ::CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, rc.left, rc.top, rc.Width(), rc.Height(),
                             pParent->m_hWnd, (HMENU)99, ::GetModuleHandleA(NULL), NULL);
}

HWND SkinnedScrollBar(CWnd* pParent, CRect rc) {
    CKScrollBar* p = new CKScrollBar;
    p->Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, rc, pParent, 1);
    p->SetScrollRange(0, 100, FALSE);
    p->SetScrollPos(30);
    g_pControl = p;
    return p->m_hWnd;
}
HWND PlatformScrollBar(CWnd* pParent, CRect rc) {
    HWND h = PlatformWindow("SCROLLBAR", SBS_HORZ, pParent, rc);
    ::SetScrollRange(h, SB_CTL, 0, 100, FALSE);
    ::SetScrollPos(h, SB_CTL, 30, TRUE);
    return h;
}

HWND SkinnedSlider(CWnd* pParent, CRect rc) {
    CKSliderCtrl* p = new CKSliderCtrl;
    p->Create(WS_CHILD | WS_VISIBLE, rc, pParent, 1);
    p->SetRange(0, 100);
    p->SetPos(40);
    g_pControl = p;
    return p->m_hWnd;
}
HWND PlatformSlider(CWnd* pParent, CRect rc) {
    HWND h = PlatformWindow(TRACKBAR_CLASSA, TBS_HORZ | TBS_NOTICKS, pParent, rc);
    ::SendMessageA(h, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    ::SendMessageA(h, TBM_SETPOS, TRUE, 40);
    return h;
}

HWND SkinnedSpin(CWnd* pParent, CRect rc) {
    CKSpinButtonCtrl* p = new CKSpinButtonCtrl;
    p->Create(WS_CHILD | WS_VISIBLE, rc, pParent, 1);
    g_pControl = p;
    return p->m_hWnd;
}
HWND PlatformSpin(CWnd* pParent, CRect rc) { return PlatformWindow(UPDOWN_CLASSA, 0, pParent, rc); }

BenchCaseRegistrar g_scroll({"scroll bar", CSize(200, 20), &SkinnedScrollBar, &PlatformScrollBar, &DestroyControl});
BenchCaseRegistrar g_slider({"slider", CSize(200, 30), &SkinnedSlider, &PlatformSlider, &DestroyControl});
BenchCaseRegistrar g_spin({"spin button", CSize(16, 30), &SkinnedSpin, &PlatformSpin, &DestroyControl});

}  // namespace
