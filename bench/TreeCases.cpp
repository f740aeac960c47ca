// Tree boxes in the repaint table: a page of 20 rows at the top and at the end of a 65,536-item
// tree, all expanded (a root with 255 children of 256 children each), against the platform's
// owner-draw list box holding the same rows, drawn as plainly as an owner draws them: a filled
// row and its text. Neither has a scroll bar: the full-size soak repaints frames too, and the
// platform's scroll bar alone takes about 4 ms a paint under Wine.
#include <kelm/kelm.h>

#include <cstring>

#include "Bench.h"

namespace {

const int kFont = 13;  // rows of 19 pixels: 20 rows in 380
char g_text[] = "Element drzewa";

CFont* Font() {
    static CFont font;
    if (font.m_hObject == NULL)
        font.CreateFont(kFont, 0, 0, 0, FW_NORMAL, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0,
                        "Tahoma");
    return &font;
}

CWnd* g_pControl = nullptr;
void DestroyControl() {
    delete g_pControl;
    g_pControl = nullptr;
}

HWND Tree(CWnd* pParent, CRect rc, bool bEnd) {
    CKTreeBox* p = new CKTreeBox;
    g_pControl = p;
    p->Create(WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT, rc, pParent, 1);
    p->SetFont(Font(), FALSE);
    const DWORD hRoot = p->AddItem(0, g_text);
    for (int i = 0; i < 255; ++i) {
        const DWORD h = p->AddItem(hRoot, g_text);
        for (int j = 0; j < 256; ++j) p->AddItem(h, g_text);
    }
    p->ExpandItem(hRoot, TRUE);
    for (int i = 1; i < 65536; i += 257) p->ExpandItem(0xFFFF0000 | i, TRUE);
    p->SetTopIndex(bEnd ? p->GetCount() - 20 : 0);
    return p->m_hWnd;
}
HWND TreeTop(CWnd* pParent, CRect rc) { return Tree(pParent, rc, false); }
HWND TreeEnd(CWnd* pParent, CRect rc) { return Tree(pParent, rc, true); }

// Deletes itself with its window (the table destroys the platform's windows by handle).
class PlainList : public CListBox {
public:
    void PostNcDestroy() override { delete this; }
    void MeasureItem(LPMEASUREITEMSTRUCT p) override { p->itemHeight = kFont + 6; }
    void DrawItem(LPDRAWITEMSTRUCT p) override {
        CDC* pDC = CDC::FromHandle(p->hDC);
        const bool bSel = (p->itemState & ODS_SELECTED) != 0;
        pDC->SetBkColor(bSel ? RGB(0, 0, 128) : RGB(255, 255, 255));
        pDC->SetTextColor(bSel ? RGB(255, 255, 255) : RGB(0, 0, 0));
        const char* psz = reinterpret_cast<const char*>(p->itemData);
        pDC->ExtTextOut(p->rcItem.left + 3, p->rcItem.top + 3, ETO_OPAQUE, &p->rcItem, psz, (UINT)strlen(psz), NULL);
    }
};

HWND List(CWnd* pParent, CRect rc, bool bEnd) {
    PlainList* p = new PlainList;
    p->Create(WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWVARIABLE, rc, pParent, 2);
    p->SetFont(Font(), FALSE);
    p->SendMessage(WM_SETREDRAW, FALSE);
    for (int i = 0; i < 65536; ++i) p->AddString(g_text);
    p->SendMessage(WM_SETREDRAW, TRUE);
    p->SetTopIndex(bEnd ? p->GetCount() - 20 : 0);
    return p->m_hWnd;
}
HWND ListTop(CWnd* pParent, CRect rc) { return List(pParent, rc, false); }
HWND ListEnd(CWnd* pParent, CRect rc) { return List(pParent, rc, true); }

BenchCaseRegistrar g_top({"tree, top of 65,536", CSize(240, 380), &TreeTop, &ListTop, &DestroyControl});
BenchCaseRegistrar g_end({"tree, end of 65,536", CSize(240, 380), &TreeEnd, &ListEnd, &DestroyControl});

}  // namespace
