#include "CKLongListBox.h"

#include <climits>

#include <kelm/lists/LongListPaging.h>

typedef CKLongListPaging Paging;

bool CKLongListBox::s_bInSetCount = false;

IMPLEMENT_DYNAMIC(CKLongListBox, CKListBox)

BEGIN_MESSAGE_MAP(CKLongListBox, CKListBox)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_VSCROLL()
    ON_WM_SHOWWINDOW()
    ON_MESSAGE(LB_SETCOUNT, OnSetCount)
END_MESSAGE_MAP()

CKLongListBox::CKLongListBox() : m_bLong(FALSE), m_nCount(0), m_nMaxCount(0), m_nPage(0) {}

CKLongListBox::~CKLongListBox() {}

// ---------------------------------------------------------------------------------------------
// Count

int CKLongListBox::GetCount() const { return m_nCount; }

int CKLongListBox::SetCount(int nCount) { return (int)SendMessage(LB_SETCOUNT, (WPARAM)nCount); }

void CKLongListBox::StartPaging() {
    m_bLong = TRUE;
    if (m_aDisabled.GetCount() < Paging::nRowsHeld) m_aDisabled.SetCount(Paging::nRowsHeld);
}

int CKLongListBox::SetMaxCount(int nCount) {
    if (m_nMaxCount >= nCount) return 0;
    m_nMaxCount = nCount;
    if (nCount >= Paging::nRowsHeld) StartPaging();
    else m_aDisabled.SetCount(nCount);
    return 0;
}

// A count of 30120 or more gives the list box 30120 rows through a nested LB_SETCOUNT, which
// the flag lets through to the platform.
LRESULT CKLongListBox::OnSetCount(WPARAM wParam, LPARAM) {
    if (s_bInSetCount) {
        s_bInSetCount = false;
        SetScrollParam();
        return Default();
    }
    if (wParam > (WPARAM)INT_MAX) return LB_ERR;
    const int n = (int)wParam;
    if (m_nMaxCount != 0) {
        // The same count again changes nothing, unless the list box lost its rows (ResetContent).
        const int nRows = n < Paging::nRowsHeld ? n : (int)Paging::nRowsHeld;
        if (n == m_nCount && CListBox::GetCount() == nRows) return 1;
        m_nCount = n;
        if (n >= Paging::nRowsHeld) {
            StartPaging();  // also after a short first count
            if (n > m_nMaxCount) m_nMaxCount = n;
        }
        SetCurSel(n > 0 ? 0 : -1);
    } else {
        m_nCount = n;
        m_nMaxCount = n;
        if (n >= Paging::nRowsHeld) StartPaging();
        else m_aDisabled.SetCount(n);
    }
    if (n >= Paging::nRowsHeld) {
        s_bInSetCount = true;
        const LRESULT lResult = SendMessage(LB_SETCOUNT, Paging::nRowsHeld);
        s_bInSetCount = false;
        return lResult;
    }
    s_bInSetCount = false;
    SetScrollParam();
    return Default();
}

// The rows of a paging list are not its items: adding or deleting one is refused there.
int CKLongListBox::AddString(LPCSTR lpszItem) {
    if (m_bLong) return LB_ERR;
    const int nResult = CListBoxEx::AddString(lpszItem);
    if (nResult >= 0) {
        m_nCount = CListBox::GetCount();
        SetScrollParam();
    }
    return nResult;
}

int CKLongListBox::InsertString(int nIndex, LPCSTR lpszItem) {
    if (m_bLong) return LB_ERR;
    const int nResult = CListBoxEx::InsertString(nIndex, lpszItem);
    if (nResult >= 0) {
        m_nCount = CListBox::GetCount();
        SetScrollParam();
    }
    return nResult;
}

int CKLongListBox::DeleteString(UINT nIndex) {
    if (m_bLong) return LB_ERR;
    const int nResult = CListBoxEx::DeleteString(nIndex);
    if (nResult >= 0) {
        m_nCount = CListBox::GetCount();
        SetScrollParam();
    }
    return nResult;
}

void CKLongListBox::ResetContent() { CListBoxEx::ResetContent(); }

// ---------------------------------------------------------------------------------------------
// Positions

int CKLongListBox::GetPageOffset() const { return Paging::Clamp(Paging::Offset(m_nPage)); }

int CKLongListBox::GetCurSel() const {
    const int nRow = CListBox::GetCurSel();
    return nRow < 0 ? nRow : Paging::Clamp(nRow + Paging::Offset(m_nPage));
}

int CKLongListBox::GetTopIndex() const {
    const int nRow = CListBox::GetTopIndex();
    return nRow < 0 ? nRow : Paging::Clamp(nRow + Paging::Offset(m_nPage));
}

int CKLongListBox::GetViewCount() const {
    CRect rcClient, rcRow;
    GetClientRect(&rcClient);
    int nRowHeight = 0;
    if (GetItemRect(CListBox::GetTopIndex(), &rcRow) != LB_ERR) nRowHeight = rcRow.Height();
    return Paging::ViewCount(rcClient.Height(), nRowHeight);
}

bool CKLongListBox::SetPage(int nPage) {
    if (nPage == m_nPage) return false;
    m_nPage = nPage;
    return true;
}

// After a page move every row shows another item. A list whose top row is not the one it last
// painted paints all of its rows at the next paint anyway (PrePaint); any other has to be told.
void CKLongListBox::RepaintAfterMove(bool bMoved) {
    if (bMoved && CListBox::GetTopIndex() == m_nTopIndex) Invalidate(TRUE);
}

int CKLongListBox::SetCurSel(int nSelect, bool bQuiet) {
    if (nSelect < -1 || nSelect >= m_nCount) return LB_ERR;
    const int nView = GetViewCount();
    int nRow = nSelect;
    bool bMoved = false;
    if (m_bLong) {
        const Paging::SKRowPos pos = Paging::Locate(nSelect);
        bMoved = SetPage(pos.nPage);
        nRow = pos.nRow;
    }
    CListBox::SetTopIndex(Paging::TopRowFor(nSelect, nRow, m_nCount, nView));
    // A row the list box does not hold (it is about to get its count) is not asked for.
    const int nResult = nRow < CListBox::GetCount() ? CListBox::SetCurSel(nRow) : LB_ERR;
    RepaintAfterMove(bMoved);
    if (!bQuiet) SetScrollParam();
    return nResult;
}

int CKLongListBox::SetTopIndex(int nIndex) {
    if (nIndex < 0 || nIndex >= m_nCount) return LB_ERR;
    if (!m_bLong) return CListBox::SetTopIndex(nIndex);
    // Past the last full view the list would show rows beyond the end.
    const int nView = GetViewCount();
    const int nLastTop = m_nCount > nView ? m_nCount - nView : 0;
    if (nIndex > nLastTop) nIndex = nLastTop;
    const int nSel = GetCurSel();
    const Paging::SKRowPos pos = Paging::Locate(nIndex);
    const bool bMoved = SetPage(pos.nPage);
    if (bMoved) {
        if (nSel >= 0) {
            // The rows show other items now: the selection follows its item, or goes.
            const long long nRow = nSel - Paging::Offset(m_nPage);
            const bool bHeld = nRow >= 0 && nRow < CListBox::GetCount();
            CListBox::SetCurSel(bHeld ? (int)nRow : -1);
            if (!bHeld) SetScrollParam();
        }
    }
    const int nResult = CListBox::SetTopIndex(pos.nRow);
    RepaintAfterMove(bMoved);
    return nResult;
}

// A short list holds every item: only the scroll bar follows.
void CKLongListBox::OnSelChange() {
    const int nSel = CListBox::GetCurSel();
    if (m_bLong && nSel >= 0) {
        const Paging::SKSelMove move =
            Paging::SelChange(m_nPage, CListBox::GetTopIndex(), nSel, m_nCount, GetViewCount());
        if (move.bToLast) {
            SetCurSel(m_nCount - 1);
            return;
        }
        const bool bMoved = SetPage(move.nPage);
        if (move.nTop >= 0) CListBox::SetTopIndex(move.nTop);
        if (move.nSel != nSel) CListBox::SetCurSel(move.nSel);
        RepaintAfterMove(bMoved);
    }
    SetScrollParam();
}

// ---------------------------------------------------------------------------------------------
// Scroll bar

void CKLongListBox::SetScrollParam() {
    if (m_pScrollBar == NULL || m_pScrollBar->m_hWnd == NULL) return;
    const Paging::SKScrollParam param = Paging::ScrollParam(m_nCount, GetViewCount(), GetCurSel());
    if (!param.bEnable) {
        m_pScrollBar->EnableWindow(FALSE);
        return;
    }
    m_pScrollBar->EnableWindow(TRUE);
    SCROLLINFO si = {};
    m_pScrollBar->GetScrollInfo(&si, SIF_ALL);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    si.nMin = 0;
    si.nMax = param.nMax;
    si.nPage = param.nPage;
    si.nPos = param.nPos;
    m_pScrollBar->SetScrollInfo(&si, TRUE);
}

void CKLongListBox::ScrollRequest(UINT nSBCode, bool bPageTable2) {
    const int nView = GetViewCount();
    SCROLLINFO si = {};
    m_pScrollBar->GetScrollInfo(&si, SIF_ALL);
    int nTarget = 0;
    if (!Paging::ScrollTarget(nSBCode, bPageTable2, GetCurSel(), CListBox::GetTopIndex() == CListBox::GetCurSel(),
                              nView, m_nCount, si.nTrackPos, &nTarget))
        return;
    const Paging::SKScrollParam param = Paging::ScrollParam(m_nCount, nView, nTarget);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = param.nMax;
    si.nPage = param.nPage;
    si.nPos = param.nPos;
    m_pScrollBar->SetScrollInfo(&si, TRUE);
    SetCurSel(nTarget, true);
}

void CKLongListBox::OnVScroll(UINT nSBCode, UINT, CScrollBar*) {
    if (m_pScrollBar == NULL || m_pScrollBar->m_hWnd == NULL) {
        Default();
        return;
    }
    ScrollRequest(nSBCode, false);
}

void CKLongListBox::OnVScroll_(UINT nSBCode, UINT, CScrollBar*) {
    if (m_pScrollBar != NULL && m_pScrollBar->m_hWnd != NULL) ScrollRequest(nSBCode, true);
}

// ---------------------------------------------------------------------------------------------
// Window

int CKLongListBox::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    return CKListBox::OnCreate(lpCreateStruct) == -1 ? -1 : 0;
}

void CKLongListBox::OnSize(UINT, int cx, int cy) {
    Default();
    if (cx != 0 && cy != 0) SetScrollParam();
}

void CKLongListBox::OnShowWindow(BOOL, UINT) {
    Default();
    SetScrollParam();
}

BOOL CKLongListBox::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->hwnd == m_hWnd) {
        if (pMsg->message == WM_KEYDOWN) {
            if (pMsg->wParam == VK_END || pMsg->wParam == VK_HOME) return TRUE;
            if (pMsg->wParam == VK_DOWN && GetCurSel() == m_nCount - 1) return TRUE;
        } else if (pMsg->message == WM_KEYUP) {
            if (pMsg->wParam == VK_END) {
                SetCurSel(m_nCount - 1);
                return TRUE;
            }
            if (pMsg->wParam == VK_HOME) {
                SetCurSel(m_nCount > 0 ? 0 : -1);
                return TRUE;
            }
        }
    }
    return CKListBox::PreTranslateMessage(pMsg);
}
