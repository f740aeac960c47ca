#include "CKListBox.h"

#include <cstring>

#include <kelm/lists/ListRow.h>
#include <kelm/paint/CKBitmapDC.h>
#include <kelm/paint/CKMaskPainter.h>
#include <kelm/paint/CKPaintBuffer.h>
#include <kelm/paint/CKStdPainter.h>
#include <kelm/paint/KelmErrors.h>
#include <kelm/paint/KelmFont.h>
#include <kelm/paint/KelmPopupWnd.h>
#include <kelm/paint/KelmTrackMouse.h>

namespace {
const COLORREF crPaper = RGB(255, 255, 255);
}  // namespace

IMPLEMENT_DYNAMIC(CKListBox, CListBoxEx)

BEGIN_MESSAGE_MAP(CKListBox, CListBoxEx)
    ON_WM_ERASEBKGND()
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_PAINT()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

CKListBox::CKListBox()
    : m_bTracking(FALSE), m_nPopupItem(-1), m_hPopupWnd(NULL), m_pScrollBar(NULL), m_bInPaint(false),
      m_bFillPending(false), m_nPaintFontHeight(1), m_nPaintedBottom(0), m_nTopIndex(-2), m_rcUpdate(0, 0, 0, 0) {}

// The window goes while this class's handlers can still see it: its popup goes with it.
CKListBox::~CKListBox() {
    if (m_hWnd != NULL && CWnd::FromHandlePermanent(m_hWnd) == this) DestroyWindow();
    DestroyPopup();
}

// ---------------------------------------------------------------------------------------------
// Metrics

CFont* CKListBox::GetFont() const {
    HFONT hFont = (HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0);
    if (hFont == NULL) hFont = (HFONT)::GetStockObject(SYSTEM_FONT);
    return CFont::FromHandle(hFont);
}

int CKListBox::FontHeight() const {
    if (m_bInPaint) return m_nPaintFontHeight;
    return KelmFontHeight((HFONT)GetFont()->GetSafeHandle());
}

int CKListBox::ItemHeight() const { return FontHeight() + 4; }

void CKListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMIS) { lpMIS->itemHeight = (UINT)ItemHeight(); }

int CKListBox::Point2Index(CPoint pt) const {
    BOOL bOutside = TRUE;
    const int nItem = (int)ItemFromPoint(pt, bOutside);
    if (bOutside) return -1;
    CRect rc;
    if (GetItemRect(nItem, &rc) == LB_ERR || !rc.PtInRect(pt)) return -1;
    return nItem;
}

void CKListBox::SetScroll(CScrollBar* pScrollBar) { m_pScrollBar = pScrollBar; }

CScrollBar* CKListBox::GetScrollBarCtrl(int nBar) const {
    if (nBar == SB_VERT) return m_pScrollBar;
    return CListBoxEx::GetScrollBarCtrl(nBar);
}

// ---------------------------------------------------------------------------------------------
// Painting

int CKListBox::DrawItemData(CDC* pDC, const CRect& rc, DRAWITEMSTRUCT* lpDIS) {
    char buffer[256];
    CString longText;
    LPCSTR pszText = NULL;
    if (GetStyle() & LBS_HASSTRINGS) {
        const int nItem = (int)lpDIS->itemID;
        const int nLen = GetTextLen(nItem);
        if (nLen <= 0) return 0;
        if (nLen < (int)sizeof buffer) {
            pszText = GetText(nItem, buffer) > 0 ? buffer : NULL;
        } else {
            GetText(nItem, longText);
            pszText = longText;
        }
    } else {
        pszText = (LPCSTR)lpDIS->itemData;  // the application's text, or nothing
    }
    if (pszText == NULL || *pszText == 0) return 0;
    const int nLen = (int)strlen(pszText);
    const HDC hDC = pDC->m_hDC;
    const UINT nAlign = ::GetTextAlign(hDC);
    if ((nAlign & (TA_CENTER | TA_RIGHT | TA_RTLREADING | TA_UPDATECP)) != 0 || pDC->m_hAttribDC != hDC) {
        pDC->TextOut(rc.left, rc.top, pszText, nLen);
        SIZE size = {0, 0};
        ::GetTextExtentPoint32A(pDC->m_hAttribDC, pszText, nLen, &size);
        return size.cx;
    }
    // Left-aligned text moves the current position by its advance: the width without measuring
    // the text a second time.
    POINT ptOld, ptEnd;
    ::SetTextAlign(hDC, nAlign | TA_UPDATECP);
    ::MoveToEx(hDC, rc.left, rc.top, &ptOld);
    ::TextOutA(hDC, rc.left, rc.top, pszText, nLen);
    ::GetCurrentPositionEx(hDC, &ptEnd);
    ::MoveToEx(hDC, ptOld.x, ptOld.y, NULL);
    ::SetTextAlign(hDC, nAlign);
    return ptEnd.x - rc.left;
}

void CKListBox::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    // Drawn outside WM_PAINT after a scroll: the rows above and below have moved, so the whole
    // list is painted again instead.
    if (!m_bInPaint && GetTopIndex() != m_nTopIndex) {
        Invalidate(TRUE);
        return;
    }
    const CRect rcItem(lpDIS->rcItem);
    const int w = rcItem.Width(), h = rcItem.Height();
    if (w > 0 && h > 0) {
        try {
            CDC* pDC = CDC::FromHandle(lpDIS->hDC);
            CKPaintBuffer buffer(pDC, w, h);
            CDC& mask = buffer.Mask();
            const CRect rcMask(0, 0, w - 3, ItemHeight());  // the buffer's mask starts as paper
            DrawItemData(&mask, rcMask, lpDIS);
            CKMaskPainter painter(this);
            kelm::ComposeListRow(painter, &buffer.Colour(), &mask, CSize(w, h), rcMask + CPoint(2, 2),
                                 rcItem.TopLeft(), lpDIS->itemState);
            buffer.Present(pDC, rcItem.left, rcItem.top);
        } catch (...) {
            // Out of GDI resources, or a failing DrawItemData: the row is skipped. DrawItem runs
            // inside the parent's window procedure, which no exception may leave.
        }
    }
    if (rcItem.bottom > m_nPaintedBottom) m_nPaintedBottom = rcItem.bottom;
}

void CKListBox::PrePaint() {
    m_bFillPending = false;
    const int nTop = GetTopIndex();
    if (nTop != m_nTopIndex) Invalidate(TRUE);
    m_nPaintedBottom = 30000;
    m_nPaintFontHeight = FontHeight();
    m_nTopIndex = nTop;
}

void CKListBox::PostPaint() {
    if (!m_bFillPending) return;
    CRect rc;
    GetClientRect(&rc);
    if (!rc.IntersectRect(rc, m_rcUpdate)) return;
    if (m_nPaintedBottom > rc.top) rc.top = m_nPaintedBottom;
    if (rc.top >= rc.bottom) return;
    CClientDC dc(this);
    CKMaskPainter painter(this);
    painter.PaintWithoutMask(&dc, rc, ctBitmap, true, true);
}

void CKListBox::OnPaint() {
    try {
        PrePaint();
        ::GetUpdateRect(m_hWnd, &m_rcUpdate, FALSE);
        m_nPaintedBottom = m_rcUpdate.top;
        m_bFillPending = true;
        m_bInPaint = true;
        Default();
        m_bInPaint = false;
        PostPaint();
    } catch (...) {
        // A failed paint is not retried forever.
        m_bInPaint = false;
        ValidateRect(NULL);
    }
}

BOOL CKListBox::OnEraseBkgnd(CDC*) {
    m_nPaintedBottom = m_rcUpdate.top;
    m_bFillPending = true;
    return TRUE;
}

void CKListBox::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    if (m_pScrollBar != NULL) CKStdPainter::OnNcCalcSize(this, bCalcValidRects, lpncsp);
    else Default();
}

void CKListBox::OnNcPaint() {
    if (m_pScrollBar != NULL) CKStdPainter::OnNcPaint(this);
    else Default();
}

// ---------------------------------------------------------------------------------------------
// Text popup and hover

int CKListBox::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CListBoxEx::OnCreate(lpCreateStruct) == -1) return -1;
    const HINSTANCE hInstance = AfxGetInstanceHandle();
    RegisterPopupWndClass(hInstance);
    m_hPopupWnd = ::CreateWindowExA(0, GetPopupWndClassName(), NULL, WS_POPUP | WS_CLIPSIBLINGS | WS_BORDER, 0, 0, 0,
                                    0, m_hWnd, NULL, hInstance, NULL);
    return 0;
}

// The popup's owner is the list box's top-level window, not the list box: it would outlive it.
void CKListBox::OnDestroy() {
    DestroyPopup();
    CListBoxEx::OnDestroy();
}

void CKListBox::DestroyPopup() {
    if (m_hPopupWnd != NULL && ::IsWindow(m_hPopupWnd)) ::DestroyWindow(m_hPopupWnd);
    m_hPopupWnd = NULL;
}

void CKListBox::HidePopup() {
    if (m_hPopupWnd != NULL) ::ShowWindow(m_hPopupWnd, SW_HIDE);
}

void CKListBox::UpdatePopup(int nItem, const CRect& rcClient, CPoint point) {
    CRect rcRow;
    if (GetItemRect(nItem, &rcRow) == LB_ERR || !rcClient.PtInRect(point)) return;
    ClientToScreen(&rcRow);

    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = (UINT)GetDlgCtrlID();
    dis.itemID = (UINT)nItem;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.hwndItem = m_hWnd;
    dis.rcItem = rcRow;
    dis.itemData = GetItemData(nItem);

    CWindowDC dc(this);
    const int h = ItemHeight();
    CDC measure;
    if (!measure.CreateCompatibleDC(&dc)) throw kelm::szNoDC;
    dis.hDC = measure.m_hDC;
    const int w = DrawItemData(&measure, rcRow, &dis);
    if (kelm::TextFitsRow(w, rcRow.Width())) {
        HidePopup();
        return;
    }

    CKBitmapDC picture(&dc, w + 1, h);
    picture.FillSolidRect(0, 0, w + 1, h, crPaper);
    CRect rcPicture(1, 0, w + 2, h);
    dis.hDC = picture.m_hDC;
    DrawItemData(&picture, rcPicture, &dis);
    ::SendMessageA(m_hPopupWnd, WM_KELM_POPUP_SNAPSHOT, (WPARAM)picture.m_hDC, (LPARAM)(LPRECT)rcPicture);
    const CRect rc = kelm::TextPopupRect(rcRow, w, ::GetSystemMetrics(SM_CXSCREEN));
    ::SetWindowPos(m_hPopupWnd, NULL, rc.left, rc.top, rc.Width(), rc.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::InvalidateRect(m_hPopupWnd, NULL, TRUE);
    ::UpdateWindow(m_hPopupWnd);
}

void CKListBox::OnMouseMove(UINT nFlags, CPoint point) {
    // Only the window the user works in shows the popup.
    const HWND hActive = ::GetActiveWindow();
    if (hActive == NULL || (hActive != m_hWnd && !::IsChild(hActive, m_hWnd))) {
        CListBoxEx::OnMouseMove(nFlags, point);
        return;
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    const HWND hUnder = ::WindowFromPoint(ptScreen);
    if (!(nFlags & MK_LBUTTON) && hUnder != m_hWnd && hUnder != m_hPopupWnd) {
        if (::GetCapture() == m_hWnd) ::ReleaseCapture();
        m_nPopupItem = -1;
        return;
    }

    CListBoxEx::OnMouseMove(nFlags, point);
    const int nItem = Point2Index(point);
    if (nItem == -1) {
        HidePopup();
        m_nPopupItem = -1;
    } else if (nItem != m_nPopupItem) {
        try {
            UpdatePopup(nItem, rcClient, point);
        } catch (...) {
            HidePopup();  // no picture for it: better none than a stale one
        }
        m_nPopupItem = nItem;
    }

    if (!m_bTracking) {
        TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
        m_bTracking = KELMTrackMouseEvent(&tme);
    }
    if (::GetCapture() != m_hWnd) SetCapture();
}

LRESULT CKListBox::OnMouseLeave(WPARAM, LPARAM) {
    HidePopup();
    m_nPopupItem = -1;
    m_bTracking = FALSE;
    m_nHotItem = -1;
    Invalidate(TRUE);
    return 0;
}

void CKListBox::OnKeyDown(UINT, UINT, UINT) {
    HidePopup();
    if (m_hPopupWnd != NULL) ::UpdateWindow(m_hPopupWnd);
    m_nPopupItem = -1;
    Default();
}
