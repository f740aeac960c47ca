// Push button, check box, radio button and mask button against the platform's buttons.
#include <kelm/kelm.h>

#include "Bench.h"

namespace {

CWnd* g_pControl = nullptr;
void DestroyControl() {
    delete g_pControl;
    g_pControl = nullptr;
}

HWND PlatformButton(DWORD style, const char* text, CWnd* pParent, CRect rc) {
    HWND h = ::CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | style, rc.left, rc.top, rc.Width(),
                               rc.Height(), pParent->m_hWnd, (HMENU)99, ::GetModuleHandleA(NULL), NULL);
    ::SendMessageA(h, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
    return h;
}

HWND Skinned(CKButton* p, DWORD style, const char* text, CWnd* pParent, CRect rc) {
    p->SubclassWindow(PlatformButton(style, text, pParent, rc));
    g_pControl = p;
    return p->m_hWnd;
}

HWND SkinnedPush(CWnd* pParent, CRect rc) { return Skinned(new CKButton, BS_PUSHBUTTON, "Przycisk", pParent, rc); }
HWND PlatformPush(CWnd* pParent, CRect rc) { return PlatformButton(BS_PUSHBUTTON, "Przycisk", pParent, rc); }
HWND SkinnedCheck(CWnd* pParent, CRect rc) { return Skinned(new CKButton, BS_AUTOCHECKBOX, "Pole wyboru", pParent, rc); }
HWND PlatformCheck(CWnd* pParent, CRect rc) { return PlatformButton(BS_AUTOCHECKBOX, "Pole wyboru", pParent, rc); }
HWND SkinnedRadio(CWnd* pParent, CRect rc) { return Skinned(new CKButton, BS_AUTORADIOBUTTON, "Opcja", pParent, rc); }
HWND PlatformRadio(CWnd* pParent, CRect rc) { return PlatformButton(BS_AUTORADIOBUTTON, "Opcja", pParent, rc); }
HWND SkinnedMask(CWnd* pParent, CRect rc) {
    CKMaskButton* p = new CKMaskButton;
    p->LoadMasks(132, 133);  // the library's close-button masks, found through the resource chain
    return Skinned(p, BS_PUSHBUTTON, "Zamknij", pParent, rc);
}
HWND PlatformMask(CWnd* pParent, CRect rc) { return PlatformButton(BS_PUSHBUTTON, "Zamknij", pParent, rc); }

BenchCaseRegistrar g_push({"push button", CSize(100, 26), &SkinnedPush, &PlatformPush, &DestroyControl});
BenchCaseRegistrar g_check({"check box", CSize(120, 20), &SkinnedCheck, &PlatformCheck, &DestroyControl});
BenchCaseRegistrar g_radio({"radio button", CSize(120, 20), &SkinnedRadio, &PlatformRadio, &DestroyControl});
BenchCaseRegistrar g_mask({"mask button", CSize(100, 26), &SkinnedMask, &PlatformMask, &DestroyControl});

}  // namespace
