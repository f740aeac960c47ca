#include "CListBoxEx.h"

#include <climits>

IMPLEMENT_DYNAMIC(CListBoxEx, CListBox)

BEGIN_MESSAGE_MAP(CListBoxEx, CListBox)
    ON_WM_MOUSEMOVE()
    ON_WM_CREATE()
END_MESSAGE_MAP()

CListBoxEx::CListBoxEx() : m_nHotItem(-1) {}

CListBoxEx::~CListBoxEx() {}

int CListBoxEx::GetDis(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetCount()) return -1;
    return m_aDisabled.Get(nIndex) != 0 ? 1 : 0;
}

int CListBoxEx::GetDisCount() const { return m_aDisabled.GetCount(); }

int CListBoxEx::GetDisItems(int nMax, int* pOut) const {
    const int nLook = nMax < GetCount() ? nMax : GetCount();
    if (pOut == NULL && nLook > 0) return -1;
    int n = 0;
    for (int i = 0; i < nLook; ++i)
        if (m_aDisabled.Get(i) != 0) pOut[n++] = i;
    return n;
}

void CListBoxEx::InvalidateItem(int nIndex) {
    CRect rc;
    if (GetItemRect(nIndex, &rc) != LB_ERR) InvalidateRect(&rc, FALSE);
}

int CListBoxEx::SetDis(int nIndex, int nValue) {
    if (nIndex < 0 || nIndex >= GetCount()) return -1;
    if (m_aDisabled.Set(nIndex, nValue)) InvalidateItem(nIndex);
    return 0;
}

int CListBoxEx::DisItemRange(int nValue, int nFirst, int nLast) {
    const int nCount = GetCount();
    if (nCount <= 0 || nFirst < 0 || nFirst >= nCount || nLast < 0 || nLast >= nCount || nFirst > nLast) return -1;
    for (int i = nFirst; i <= nLast; ++i) {
        m_aDisabled.Set(i, nValue);
        InvalidateItem(i);
    }
    return 0;
}

// A sorted list may put the new item among the tracked ones: its entry goes where the item
// went. Otherwise the entry is appended at the end of the store.
int CListBoxEx::AddString(LPCSTR lpszItem) {
    const int nResult = CListBox::AddString(lpszItem);
    if (nResult == LB_ERR || nResult == LB_ERRSPACE) return nResult;
    m_aDisabled.Insert(nResult < m_aDisabled.GetCount() ? nResult : m_aDisabled.GetCount());
    return nResult;
}

int CListBoxEx::InsertString(int nIndex, LPCSTR lpszItem) {
    const int nResult = CListBox::InsertString(nIndex, lpszItem);
    if (nResult == LB_ERR || nResult == LB_ERRSPACE) return nResult;
    m_aDisabled.Insert(nResult);
    return nResult;
}

int CListBoxEx::DeleteString(UINT nIndex) {
    const int nResult = CListBox::DeleteString(nIndex);
    if (nResult == LB_ERR) return nResult;
    if (nIndex <= (UINT)INT_MAX) m_aDisabled.Remove((int)nIndex);
    return nResult;
}

void CListBoxEx::ResetContent() {
    CListBox::ResetContent();
    m_aDisabled.Clear();
}

void CListBoxEx::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) { CListBox::DrawItem(lpDrawItemStruct); }

void CListBoxEx::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) { CListBox::MeasureItem(lpMeasureItemStruct); }

BOOL CListBoxEx::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM) return CListBox::OnChildNotify(message, wParam, lParam, pResult);
    LPDRAWITEMSTRUCT lpDIS = (LPDRAWITEMSTRUCT)lParam;
    const int nItem = (int)lpDIS->itemID;
    if (nItem >= 0 && m_aDisabled.Get(nItem) != 0) lpDIS->itemState |= ODS_DISABLED;
    if (m_nHotItem != -1 && m_nHotItem == nItem) lpDIS->itemState |= ODS_HOTLIGHT;
    DrawItem(lpDIS);
    if (pResult != NULL) *pResult = TRUE;
    return TRUE;
}

void CListBoxEx::OnMouseMove(UINT, CPoint point) {
    BOOL bOutside = TRUE;
    const int nItem = (int)ItemFromPoint(point, bOutside);
    const int nOld = m_nHotItem;
    if (!bOutside && nItem < GetCount()) {
        m_nHotItem = nItem;
        if (nItem != nOld) {
            if (nOld != -1) InvalidateItem(nOld);
            InvalidateItem(nItem);
        }
    } else if (nOld != -1) {
        m_nHotItem = -1;
        InvalidateItem(nOld);
    }
    Default();
}

int CListBoxEx::OnCreate(LPCREATESTRUCT) { return Default() == -1 ? -1 : 0; }
