// The skinned edit control and combo box face against the platform's edit control and drop-down
// list combo box: the same text, the same size.
#include <kelm/kelm.h>

#include "Bench.h"

namespace {

CWnd* g_pControl = nullptr;
void DestroyControl() {
    delete g_pControl;
    g_pControl = nullptr;
}

const char kText[] = "Zażółć gęślą jaźń, pole edycji";

HWND SkinnedEdit(CWnd* pParent, CRect rc) {
    CKEdit* p = new CKEdit;
    p->Create(WS_CHILD | WS_VISIBLE, rc, pParent, 1);
    p->SetWindowText(kText);
    g_pControl = p;
    return p->m_hWnd;
}

HWND PlatformEdit(CWnd* pParent, CRect rc) {
    return ::CreateWindowExA(0, "EDIT", kText, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, rc.left, rc.top, rc.Width(),
                             rc.Height(), pParent->m_hWnd, (HMENU)99, ::GetModuleHandleA(NULL), NULL);
}

void Fill(HWND hCombo) {
    const char* items[] = {"styczeń", "luty", "marzec", "kwiecień", "maj", "czerwiec"};
    for (const char* s : items) ::SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)s);
    ::SendMessageA(hCombo, CB_SETCURSEL, 3, 0);
}

HWND SkinnedCombo(CWnd* pParent, CRect rc) {
    CKListBox* pList = new CKListBox;
    pList->Create(WS_CHILD | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                  CRect(0, 0, rc.Width(), 120), pParent, 2);
    CKComboBox* p = new CKComboBox;
    p->Create(WS_CHILD | WS_VISIBLE, rc, pParent, 1);
    p->SetList(pList, true);
    Fill(p->m_hWnd);
    g_pControl = p;
    return p->m_hWnd;
}

// The platform's window is as high as its face and its dropped list; the face is what repaints.
HWND PlatformCombo(CWnd* pParent, CRect rc) {
    HWND h = ::CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, rc.left, rc.top,
                               rc.Width(), 140, pParent->m_hWnd, (HMENU)99, ::GetModuleHandleA(NULL), NULL);
    Fill(h);
    return h;
}

BenchCaseRegistrar g_edit({"edit", CSize(200, 24), &SkinnedEdit, &PlatformEdit, &DestroyControl});
BenchCaseRegistrar g_combo({"combo box face", CSize(160, 24), &SkinnedCombo, &PlatformCombo, &DestroyControl});

}  // namespace
