#include "CKTreeBoxBase.h"

#include <kelm/paint/CKBitmapDC.h>
#include <kelm/paint/CKMaskPainter.h>
#include <kelm/paint/CKPaintBuffer.h>
#include <kelm/paint/CKResourceScope.h>
#include <kelm/paint/KelmFont.h>
#include <kelm/paint/KelmPopupWnd.h>
#include <kelm/paint/KelmTrackMouse.h>

#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

const COLORREF crPaper = RGB(255, 255, 255);

// The tree glyphs (node and check masks), loaded from Kelm's module on first use and kept, with
// the last size each was stretched to.
struct TreeGlyphs {
    static const UINT kFirst = 143, kLast = 154;
    struct Glyph {
        std::unique_ptr<CKResBitmapDC> original;
        std::unique_ptr<CKMonoBitmapDC> stretched;
        CSize size;
    };
    Glyph glyphs[kLast - kFirst + 1];
    CDC& Get(UINT nId, CSize size) {
        Glyph& g = glyphs[nId - kFirst];
        if (!g.original) {
            CKResourceScope scope("Kelm.dll");
            g.original.reset(new CKResBitmapDC(NULL, nId));
        }
        if (!g.stretched || g.size != size) {
            g.stretched.reset();
            g.stretched.reset(new CKMonoBitmapDC(NULL, size.cx, size.cy));
            g.size = size;
            const CSize from = g.original->GetSize();
            g.stretched->StretchBlt(0, 0, size.cx, size.cy, g.original.get(), 0, 0, from.cx, from.cy, SRCCOPY);
        }
        return *g.stretched;
    }
};
TreeGlyphs g_glyphs;

void StretchGlyph(CDC* pDC, const CRect& rc, UINT nId) {
    if (rc.Width() <= 0 || rc.Height() <= 0) return;
    pDC->BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &g_glyphs.Get(nId, rc.Size()), 0, 0, SRCCOPY);
}

}  // namespace

IMPLEMENT_DYNAMIC(CKTreeBoxBase, CListBox)

BEGIN_MESSAGE_MAP(CKTreeBoxBase, CListBox)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_PAINT()
    ON_MESSAGE(WM_MOUSEHOVER, OnMouseHover)
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_MESSAGE(WM_SETFONT, OnSetFont)
END_MESSAGE_MAP()

CKTreeBoxBase::CKTreeBoxBase(bool bCheckBoxes)
    : m_nIndent(16), m_listRows(this), m_store(&m_listRows), m_nHoverRow(-1), m_hPopupWnd(NULL), m_nPressedRow(-1),
      m_bNodeCaptured(FALSE), m_bInPaint(false), m_nPaintFontHeight(1), m_nPaintedBottom(30000), m_nTopIndex(-1),
      m_bCheckBoxes(bCheckBoxes), m_nPopupRow(-1) {}

CKTreeBoxBase::~CKTreeBoxBase() {
    if (m_hPopupWnd != NULL && ::IsWindow(m_hPopupWnd)) ::DestroyWindow(m_hPopupWnd);
}

BOOL CKTreeBoxBase::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    dwStyle &= ~(LBS_SORT | LBS_HASSTRINGS | LBS_OWNERDRAWFIXED);
    return CListBox::Create(dwStyle | LBS_OWNERDRAWVARIABLE, rect, pParentWnd, nID);
}

void CKTreeBoxBase::RemoveAll() {
    HidePopup();
    m_store.RemoveAll();
}

void CKTreeBoxBase::ExpandItem(DWORD hItem, BOOL bExpand) {
    HidePopup();
    m_store.ExpandItem(hItem, bExpand);
}

// ---------------------------------------------------------------------------------------------
// Rows

bool CKTreeBoxBase::ListRows::AddRow(void* pData) {
    return ::IsWindow(m_pList->m_hWnd) && m_pList->SendMessage(LB_ADDSTRING, 0, (LPARAM)pData) >= 0;
}

bool CKTreeBoxBase::ListRows::InsertRow(int nRow, void* pData) {
    return ::IsWindow(m_pList->m_hWnd) && m_pList->SendMessage(LB_INSERTSTRING, nRow, (LPARAM)pData) >= 0;
}

void CKTreeBoxBase::ListRows::DeleteRow(int nRow) {
    if (::IsWindow(m_pList->m_hWnd)) m_pList->SendMessage(LB_DELETESTRING, nRow);
}

void CKTreeBoxBase::ListRows::SetRedraw(bool bRedraw) {
    if (::IsWindow(m_pList->m_hWnd)) m_pList->SendMessage(WM_SETREDRAW, bRedraw ? TRUE : FALSE);
}

CKTreeBoxBase::RowLayout::RowLayout(int nFontHeight, UINT nLevel, UINT nIndent, int nWidth, bool bCheckBoxes)
    : fh(nFontHeight), ih(nFontHeight + 6), d(3) {
    // Beyond the row's width nothing shows: deep levels stop there.
    x = (int)std::min<unsigned long long>((unsigned long long)nLevel * nIndent, (unsigned long long)std::max(nWidth, 0));
    nText = x + (bCheckBoxes ? 2 * ih : ih);
    tw = nWidth - nText;
}

CKTreeBoxBase::RowLayout CKTreeBoxBase::LayoutOf(DWORD hItem, int nWidth) const {
    return RowLayout(FontHeight(), GetItemLevel(hItem), m_nIndent, nWidth, m_bCheckBoxes);
}

int CKTreeBoxBase::FontHeight() const {
    if (m_bInPaint) return m_nPaintFontHeight;
    return KelmFontHeight((HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
}

CFont* CKTreeBoxBase::GetFont() const {
    HFONT hFont = (HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0);
    return CFont::FromHandle(hFont != NULL ? hFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT));
}

int CKTreeBoxBase::Point2Index(CPoint point) const {
    BOOL bOutside = TRUE;
    const UINT nRow = ItemFromPoint(point, bOutside);
    return bOutside || (int)nRow >= GetCount() ? -1 : (int)nRow;
}

void CKTreeBoxBase::InvalidateRow(int nRow) {
    CRect rc;
    if (nRow >= 0 && GetItemRect(nRow, rc) != LB_ERR) InvalidateRect(rc, FALSE);
}

// ---------------------------------------------------------------------------------------------
// Painting

void CKTreeBoxBase::MeasureItem(LPMEASUREITEMSTRUCT lpMIS) { lpMIS->itemHeight = (UINT)ItemHeight(); }

BOOL CKTreeBoxBase::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM) return CListBox::OnChildNotify(message, wParam, lParam, pResult);
    DRAWITEMSTRUCT dis = *(LPDRAWITEMSTRUCT)lParam;
    if (m_nHoverRow != -1 && dis.itemID == (UINT)m_nHoverRow) dis.itemState |= TBODS_HOT;
    if (m_nPressedRow != -1 && dis.itemID == (UINT)m_nPressedRow) dis.itemState |= TBODS_NODEPRESSED;
    DrawItem(&dis);
    if (pResult != NULL) *pResult = TRUE;
    return TRUE;
}

void CKTreeBoxBase::PrePaint() {
    const int nTop = GetTopIndex();
    if (nTop != m_nTopIndex) {
        // Scrolled: every row moved, and the popup with its row.
        HidePopup();
        Invalidate(TRUE);
    }
    m_nPaintedBottom = 30000;
    m_nPaintFontHeight = FontHeight();
    m_nTopIndex = nTop;
}

void CKTreeBoxBase::PostPaint() {
    CRect rc;
    GetClientRect(&rc);
    rc.top += m_nPaintedBottom;
    rc.bottom = std::min(rc.bottom, m_rcUpdate.bottom);
    if (rc.top >= rc.bottom) return;
    CClientDC dc(this);
    CKMaskPainter painter(this);
    painter.PaintWithoutMask(&dc, rc, ctBitmap, true, true);
}

void CKTreeBoxBase::OnPaint() {
    try {
        PrePaint();
    } catch (...) {
    }
    ::GetUpdateRect(m_hWnd, &m_rcUpdate, FALSE);
    m_bInPaint = true;
    Default();
    m_bInPaint = false;
    try {
        PostPaint();
    } catch (...) {
        // Out of GDI resources: the area below the rows waits for the next paint.
    }
}

BOOL CKTreeBoxBase::OnEraseBkgnd(CDC*) {
    m_nPaintedBottom = 0;
    return TRUE;
}

void CKTreeBoxBase::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    try {
        DrawRow(lpDIS);
    } catch (...) {
        // Out of GDI resources, Kelm's module not found, or a derived class's failure: the row
        // is skipped. No exception may leave the list box's painting.
    }
}

void CKTreeBoxBase::DrawRow(LPDRAWITEMSTRUCT lpDIS) {
    // A row redrawn outside a paint after the list scrolled: everything moved, repaint it all.
    if (!m_bInPaint && GetTopIndex() != m_nTopIndex) {
        Invalidate(TRUE);
        return;
    }
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const CRect rcItem(lpDIS->rcItem);
    const int L = rcItem.left, T = rcItem.top, W = rcItem.Width(), H = rcItem.Height();
    if (W <= 0 || H <= 0) return;
    const DWORD hItem = lpDIS->itemID == (UINT)-1 ? 0 : Index2Item(lpDIS->itemID);
    const RowLayout r = LayoutOf(hItem, W);
    const int fh = r.fh, ih = r.ih, d = r.d, x = r.x;

    CKPaintBuffer buffer(pDC, W, H);
    CKMaskPainter painter(this);
    CDC* pBuf = &buffer.Colour();
    CDC* pMask = &buffer.Mask();
    // Rectangles are cut at the row's edges; what is left empty is not painted.
    auto cut = [&](CRect rc) {
        rc.right = std::min<LONG>(rc.right, W);
        rc.bottom = std::min<LONG>(rc.bottom, H);
        return rc;
    };
    auto fill = [&](CRect rc, EColorType role, bool bInk) {
        rc = cut(rc);
        if (!rc.IsRectEmpty()) painter.PaintWithoutMask(pBuf, rc, role, bInk, true);
    };
    auto fillEx = [&](int ox, int oy, CRect rc, EColorType role, bool bInk) {
        rc = cut(rc);
        if (!rc.IsRectEmpty()) painter.PaintWithoutMaskEx(pBuf, CPoint(ox, oy), rc, role, bInk, true);
    };
    auto mask = [&](CRect rc, EColorType role, bool bInk, bool bInvert) {
        rc = cut(rc);
        if (!rc.IsRectEmpty()) painter.PaintWithMask(pBuf, pMask, rc, role, CPoint(0, 0), bInk, bInvert, true);
    };
    auto maskEx = [&](int ox, int oy, CRect rc, EColorType role, bool bInk, bool bInvert) {
        rc = cut(rc);
        if (!rc.IsRectEmpty())
            painter.PaintWithMaskEx(pBuf, pMask, CPoint(ox, oy), rc, role, CPoint(0, 0), bInk, bInvert, true);
    };

    if (hItem == 0) {
        // A row the tree does not know (left after RemoveAll): background only, its data unread.
        fillEx(L, T, CRect(0, 0, W, H), ctBitmap, true);
    } else {
        const UINT nState = lpDIS->itemState;
        const bool bSelected = (nState & ODS_SELECTED) != 0, bHot = (nState & TBODS_HOT) != 0;
        const EColorType S = (nState & ODS_FOCUS) ? ctHighlight : ctBitmap;
        const EColorType Hv = bHot ? ctHighlight : ctShadow;
        const EColorType Ht = bHot ? ctShadow : ctBitmap;

        // The backgrounds first: indent and node column in the pattern, the check column and the
        // text area in S. They do not overlap, so one fill serves neighbours of one role.
        const int c = x + ih;
        if (S == ctBitmap) {
            fillEx(L, T, CRect(0, 0, W, ih), ctBitmap, true);
        } else {
            fillEx(L, T, CRect(0, 0, c, ih), ctBitmap, true);
            fillEx(L + c, T, CRect(c, 0, W, ih), S, true);
        }

        // Node column.
        fill(CRect(x + d, d, x + d + fh, d + fh), Hv, false);
        PrepareNodeMask(pMask, CRect(0, 0, fh, fh), hItem, (nState & TBODS_NODEPRESSED) != 0);
        maskEx(L + x + d + 1, T + d + 1, CRect(x + d + 1, d + 1, x + d + fh, d + fh), ctBitmap, false, false);
        maskEx(L + x + d, T + d, CRect(x + d, d, x + d + fh, d + fh), ctBitmap, true, true);

        // Check column.
        if (m_bCheckBoxes) {
            PrepareCheckMask(pMask, CRect(0, 0, fh, fh), hItem);
            if (!bSelected) {
                fill(CRect(c + d, d, c + d + fh, d + fh), Hv, false);
                maskEx(L + c + d + 1, T + d + 1, CRect(c + d + 1, d + 1, c + d + fh, d + fh), ctBitmap, false, false);
                maskEx(L + c + d, T + d, CRect(c + d, d, c + d + fh, d + fh), ctBitmap, true, true);
            } else {
                fill(CRect(c + 1, 1, c + ih, ih - 1), Hv, false);
                fillEx(L + c + 2, T + 2, CRect(c + 2, 2, c + ih, ih - 1), ctBitmap, false);
                mask(CRect(c + d + 1, d + 1, c + d + 1 + fh, d + 1 + fh), Hv, false, false);
                maskEx(L + c + d, T + d, CRect(c + d, d, c + d + fh, d + fh), S, true, false);
            }
        }

        // Text area; a row too narrow for the text cell shows none.
        const int t = r.nText, tw = r.tw;
        if (tw > 0) {
            HGDIOBJ hOldFont = pMask->SelectObject(GetFont()->m_hObject);
            PrepareDataMask(pMask, CRect(0, 0, tw, fh), lpDIS);
            pMask->SelectObject(hOldFont);
        }
        if (!bSelected) {
            if (tw > 0) {
                fillEx(L + t + d, T + d, CRect(t + d, d, t + d + tw, d + fh), Ht, false);
                if (bHot)
                    maskEx(L + t + d + 1, T + d + 1, CRect(t + d + 1, d + 1, t + d + tw, d + fh), ctBitmap, false, false);
                maskEx(L + t + d, T + d, CRect(t + d, d, t + d + tw, d + fh), S, true, true);
            }
        } else {
            fill(CRect(t, 1, W - 1, ih - 1), Hv, false);
            fillEx(L + t, T + 2, CRect(t, 2, W - 1, ih - 1), ctBitmap, false);
            if (tw > 0) {
                if (bHot) mask(CRect(t + d + 1, d + 1, t + d + 1 + tw, d + 1 + fh), ctShadow, false, false);
                maskEx(L + t + d, T + d, CRect(t + d, d, t + d + tw, d + fh), S, true, false);
            }
        }
    }
    buffer.Present(pDC, L, T);
    m_nPaintedBottom = std::max<int>(m_nPaintedBottom, rcItem.bottom);
}

void CKTreeBoxBase::PrepareNodeMask(CDC* pDC, const CRect& rc, DWORD hItem, BOOL bPressed) {
    const UINT nState = GetItemState(hItem);
    UINT nId = 145;  // a leaf: empty
    if (GetItemChildren(hItem) > 0) {
        if (nState & TBIS_EXPANDED) nId = bPressed ? 154 : 143;
        else nId = bPressed ? 153 : 144;
    }
    StretchGlyph(pDC, rc, nId);
}

void CKTreeBoxBase::PrepareCheckMask(CDC* pDC, const CRect& rc, DWORD hItem) {
    const UINT nState = GetItemState(hItem);
    StretchGlyph(pDC, rc, (nState & TBIS_CHECKED) ? 146 : (nState & TBIS_PARTCHECKED) ? 147 : 148);
}

void CKTreeBoxBase::PrepareDataMask(CDC* pDC, const CRect& rc, DRAWITEMSTRUCT* lpDIS) {
    pDC->PatBlt(rc.left, rc.top, rc.Width(), rc.Height(), WHITENESS);
    DrawItemData(pDC, rc, lpDIS);
}

int CKTreeBoxBase::DrawItemData(CDC* pDC, const CRect& rc, DRAWITEMSTRUCT* lpDIS) {
    const char* pszText = reinterpret_cast<const char*>(lpDIS->itemData);
    if (pszText == NULL) return 0;
    const int n = (int)std::strlen(pszText);
    pDC->TextOut(rc.left, rc.top, pszText, n);
    SIZE size = {0, 0};
    ::GetTextExtentPointA(pDC->m_hDC, pszText, n, &size);
    return size.cx;
}

LRESULT CKTreeBoxBase::OnSetFont(WPARAM wParam, LPARAM lParam) {
    const LRESULT lResult = Default();
    // Rows measured with the old font take the new font's height.
    const int n = GetCount();
    if (n > 0) {
        SendMessage(WM_SETREDRAW, FALSE);
        const UINT nHeight = (UINT)ItemHeight();
        for (int i = 0; i < n; ++i) SetItemHeight(i, nHeight);
        SendMessage(WM_SETREDRAW, TRUE);
        if (LOWORD(lParam)) Invalidate(TRUE);
    }
    (void)wParam;
    return lResult;
}

// ---------------------------------------------------------------------------------------------
// Input

LRESULT CKTreeBoxBase::Notify(UINT message, BOOL bState, DWORD hItem) {
    CWnd* pOwner = GetOwner();
    return pOwner != NULL ? ::SendMessageA(pOwner->m_hWnd, message, bState ? 1 : 0, (LPARAM)hItem) : 0;
}

void CKTreeBoxBase::UserExpand(DWORD hItem, BOOL bExpand) {
    if (Notify(TBXN_ITEMEXPANDING, bExpand, hItem) != 0) return;  // vetoed
    ExpandItem(hItem, bExpand);
    Notify(TBXN_ITEMEXPANDED, bExpand, hItem);
}

void CKTreeBoxBase::UserCheck(DWORD hItem) {
    const BOOL bCheck = (GetItemState(hItem) & TBIS_CHECKED) == 0;
    m_store.CheckItem(hItem, bCheck);
    Invalidate(FALSE);
    Notify(TBXN_ITEMCHECKED, bCheck, hItem);
}

int CKTreeBoxBase::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CListBox::OnCreate(lpCreateStruct) == -1) return -1;
    const HINSTANCE hInstance = AfxGetModuleState()->m_hCurrentInstanceHandle;
    RegisterPopupWndClass(hInstance);
    m_hPopupWnd = ::CreateWindowExA(0, GetPopupWndClassName(), NULL, WS_POPUP | WS_DISABLED, 0, 0, 0, 0, m_hWnd, NULL,
                                    hInstance, NULL);
    return 0;
}

// A popup owned by a child window belongs to the top-level window and would outlive the tree.
void CKTreeBoxBase::OnDestroy() {
    if (m_hPopupWnd != NULL) ::DestroyWindow(m_hPopupWnd);
    m_hPopupWnd = NULL;
    CListBox::OnDestroy();
}

void CKTreeBoxBase::OnLButtonDown(UINT, CPoint point) {
    HidePopup();
    Default();
    BOOL bOutside;
    const UINT nRow = ItemFromPoint(point, bOutside);
    const DWORD hItem = Index2Item(nRow);
    CRect rc;
    if (hItem == 0 || GetItemRect((int)nRow, rc) == LB_ERR) return;
    const RowLayout r = LayoutOf(hItem, rc.Width());
    const CRect rcNode(rc.left + r.x, rc.top, rc.left + r.x + r.ih, rc.top + r.ih);
    if (rcNode.PtInRect(point) && GetItemChildren(hItem) > 0) {
        SetCapture();
        m_bNodeCaptured = TRUE;
        m_nPressedRow = (int)nRow;
        m_rcPressedNode = rcNode;
        InvalidateRect(rcNode, FALSE);
    }
    const CRect rcCheck(rcNode.right, rc.top, rcNode.right + r.ih, rc.top + r.ih);
    if (m_bCheckBoxes && rcCheck.PtInRect(point)) UserCheck(hItem);
}

void CKTreeBoxBase::OnMouseMove(UINT, CPoint point) {
    Default();
    TrackMouse();
    if (m_bNodeCaptured && ::GetCapture() == m_hWnd) {
        const bool bInside = m_rcPressedNode.PtInRect(point) != FALSE;
        if (!bInside && m_nPressedRow != -1) {
            m_nPressedRow = -1;
            InvalidateRect(m_rcPressedNode, FALSE);
        } else if (bInside && m_nPressedRow == -1) {
            m_nPressedRow = Point2Index(point);
            InvalidateRect(m_rcPressedNode, FALSE);
        }
    }
    const int nRow = Point2Index(point);
    if (nRow != m_nHoverRow) {
        const int nOld = m_nHoverRow;
        m_nHoverRow = nRow;
        HidePopup();
        InvalidateRow(nOld);
        InvalidateRow(nRow);
    }
}

void CKTreeBoxBase::OnLButtonUp(UINT, CPoint point) {
    if (m_bNodeCaptured && ::GetCapture() == m_hWnd) {
        const CRect rcNode = m_rcPressedNode;
        m_bNodeCaptured = FALSE;
        m_nPressedRow = -1;
        ::ReleaseCapture();
        InvalidateRect(rcNode, FALSE);
        if (rcNode.PtInRect(point)) {
            const DWORD hItem = Index2Item((UINT)Point2Index(point));
            if (hItem != 0) UserExpand(hItem, (GetItemState(hItem) & TBIS_EXPANDED) == 0);
        }
    }
    Default();
}

// A press ends when another window takes the capture.
void CKTreeBoxBase::OnCaptureChanged(CWnd* pWnd) {
    if (m_bNodeCaptured && (pWnd == NULL || pWnd->m_hWnd != m_hWnd)) {
        m_bNodeCaptured = FALSE;
        m_nPressedRow = -1;
        InvalidateRect(m_rcPressedNode, FALSE);
    }
    Default();
}

void CKTreeBoxBase::OnKeyDown(UINT nChar, UINT, UINT) {
    const int nRow = GetCurSel();
    if (nRow < 0) return;  // no current row: the key is ignored altogether
    const DWORD hItem = Index2Item((UINT)nRow);
    if (hItem != 0) {
        const UINT nState = GetItemState(hItem);
        const bool bExpanded = (nState & TBIS_EXPANDED) != 0, bChildren = GetItemChildren(hItem) > 0;
        switch (nChar) {
        case VK_RETURN:
            if (bChildren) UserExpand(hItem, !bExpanded);
            return;
        case VK_SPACE:
            if (!m_bCheckBoxes) break;
            UserCheck(hItem);
            return;
        case VK_LEFT:
            if (bExpanded) UserExpand(hItem, FALSE);
            return;
        case VK_RIGHT:
            if (!bExpanded && bChildren) UserExpand(hItem, TRUE);
            return;
        default:
            break;
        }
    }
    Default();
}

// ---------------------------------------------------------------------------------------------
// Hover: the whole text of a row that cuts it off, in the popup over the text area

void CKTreeBoxBase::TrackMouse() {
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_HOVER | TME_LEAVE, m_hWnd, HOVER_DEFAULT};
    KELMTrackMouseEvent(&tme);
}

void CKTreeBoxBase::HidePopup() {
    m_nPopupRow = -1;
    if (m_hPopupWnd != NULL && ::IsWindowVisible(m_hPopupWnd))
        ::SetWindowPos(m_hPopupWnd, NULL, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

LRESULT CKTreeBoxBase::OnMouseHover(WPARAM, LPARAM lParam) {
    TrackMouse();  // the next rest, and the leave, are wanted too
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    const int nRow = Point2Index(point);
    if (nRow < 0 || nRow == m_nPopupRow || m_hPopupWnd == NULL) return 0;
    const DWORD hItem = Index2Item((UINT)nRow);
    CRect rcRow;
    if (hItem == 0 || GetItemRect(nRow, rcRow) == LB_ERR) return 0;
    const RowLayout r = LayoutOf(hItem, rcRow.Width());
    const int x0 = rcRow.left + r.nText;
    if (point.x < x0) return 0;
    m_nPopupRow = nRow;
    try {
        CRect rcScreen = rcRow;
        ClientToScreen(&rcScreen);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_LISTBOX;
        dis.CtlID = (UINT)GetDlgCtrlID();
        dis.itemID = (UINT)nRow;
        dis.hwndItem = m_hWnd;
        dis.rcItem = rcRow;
        dis.itemData = (ULONG_PTR)GetItemData(nRow);
        // Measured and drawn in the row's own font, so that the popup shows what the row cuts.
        CWindowDC dcWindow(this);
        CKBitmapDC measure(&dcWindow, 1, 1);
        measure.SelectObject(GetFont()->m_hObject);
        const int w = DrawItemData(&measure, rcRow, &dis) + 2;
        if (w > rcRow.right - x0) {
            CKBitmapDC picture(&dcWindow, w, r.ih);
            picture.SelectObject(GetFont()->m_hObject);
            const CRect rcPicture(0, 0, w, r.ih);
            picture.FillSolidRect(rcPicture, crPaper);
            DrawItemData(&picture, rcPicture, &dis);
            ::SendMessageA(m_hPopupWnd, WM_KELM_POPUP_SNAPSHOT, (WPARAM)picture.m_hDC, (LPARAM)&rcPicture);
            ::SetWindowPos(m_hPopupWnd, NULL, rcScreen.left + r.nText, rcScreen.top, w, rcRow.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        }
    } catch (...) {
        // Out of GDI resources: no popup this time.
    }
    return 0;
}

LRESULT CKTreeBoxBase::OnMouseLeave(WPARAM, LPARAM) {
    HidePopup();
    const int nOld = m_nHoverRow;
    m_nHoverRow = -1;
    InvalidateRow(nOld);
    return 0;
}
