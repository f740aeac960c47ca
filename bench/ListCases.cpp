// The skinned list box against the platform's list box: the same strings, the same size, 20
// rows of the skinned list in view.
#include <kelm/kelm.h>

#include <cstdio>

#include "Bench.h"

namespace {

CWnd* g_pControl = nullptr;
void DestroyControl() {
    delete g_pControl;
    g_pControl = nullptr;
}

const DWORD kStyle = WS_CHILD | WS_VISIBLE | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;

void Fill(HWND hList) {
    for (int i = 0; i < 40; ++i) {
        char text[32];
        std::snprintf(text, sizeof text, "Wiersz listy %d", i + 1);
        ::SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)text);
    }
    ::SendMessageA(hList, LB_SETCURSEL, 3, 0);
}

HWND SkinnedList(CWnd* pParent, CRect rc) {
    CKListBox* p = new CKListBox;
    p->Create(kStyle | LBS_OWNERDRAWFIXED, rc, pParent, 1);
    Fill(p->m_hWnd);
    p->SetDis(5, 1);
    g_pControl = p;
    return p->m_hWnd;
}

HWND PlatformList(CWnd* pParent, CRect rc) {
    HWND h = ::CreateWindowExA(0, "LISTBOX", "", kStyle, rc.left, rc.top, rc.Width(), rc.Height(), pParent->m_hWnd,
                               (HMENU)99, ::GetModuleHandleA(NULL), NULL);
    Fill(h);
    return h;
}

// The skinned rows are the system font's height plus 4 (20 pixels): 20 rows in view.
BenchCaseRegistrar g_list({"list box (20 rows)", CSize(200, 400), &SkinnedList, &PlatformList, &DestroyControl});

}  // namespace
