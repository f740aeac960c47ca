// Static text (plain and formatted) and the tooltip against the platform's static and tooltip.
#include <kelm/kelm.h>

#include <commctrl.h>

#include "Bench.h"

namespace {

CWnd* g_pControl = nullptr;
void DestroyControl() {
    delete g_pControl;
    g_pControl = nullptr;
}

const char kPlain[] = "Zażółć gęślą jaźń";
const char kFormatted[] = "<b>Zażółć</b> <i>gęślą</i> <u>jaźń</u>";

HWND PlatformStatic(CWnd* pParent, CRect rc) {
    HWND h = ::CreateWindowExA(0, "STATIC", kPlain, WS_CHILD | WS_VISIBLE, rc.left, rc.top, rc.Width(), rc.Height(),
                               pParent->m_hWnd, (HMENU)99, ::GetModuleHandleA(NULL), NULL);
    ::SendMessageA(h, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
    return h;
}

HWND SkinnedStatic(CWnd* pParent, CRect rc) {
    CKStatic* p = new CKStatic;
    p->Create(kPlain, WS_CHILD | WS_VISIBLE, rc, pParent, 1);
    p->SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    g_pControl = p;
    return p->m_hWnd;
}

HWND SkinnedFormatted(CWnd* pParent, CRect rc) {
    CKStatic* p = new CKStatic;
    p->SetHtmlMode(true, NULL);
    p->Create(kFormatted, WS_CHILD | WS_VISIBLE, rc, pParent, 1);
    g_pControl = p;
    return p->m_hWnd;
}

// A tip for the host, shown at a fixed place with its text, so that it can be repainted.
HWND ShowTip(CToolTipCtrl* pTip, CWnd* pParent, CRect rc, const char* text) {
    pTip->Create(pParent, TTS_NOPREFIX);
    TOOLINFOA ti;
    pTip->FillInToolInfo(ti, pParent, 1);
    ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    ti.lpszText = (LPSTR)text;
    pTip->SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
    pTip->SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(rc.left + 100, rc.top + 100));
    pTip->SendMessage(TTM_TRACKACTIVATE, TRUE, (LPARAM)&ti);
    return pTip->m_hWnd;
}

HWND SkinnedTip(CWnd* pParent, CRect rc) {
    CKToolTipCtrl* p = new CKToolTipCtrl;
    g_pControl = p;
    return ShowTip(p, pParent, rc, kFormatted);
}

HWND PlatformTip(CWnd* pParent, CRect rc) {
    static CToolTipCtrl tip;  // its window is destroyed by the benchmark; the object is reused
    return ShowTip(&tip, pParent, rc, kPlain);
}

BenchCaseRegistrar g_static({"static", CSize(160, 20), &SkinnedStatic, &PlatformStatic, &DestroyControl});
BenchCaseRegistrar g_formatted({"static formatted", CSize(160, 20), &SkinnedFormatted, &PlatformStatic, &DestroyControl});
BenchCaseRegistrar g_tip({"tooltip", CSize(0, 0), &SkinnedTip, &PlatformTip, &DestroyControl});

}  // namespace
