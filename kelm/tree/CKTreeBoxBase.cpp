#include "CKTreeBoxBase.h"

IMPLEMENT_DYNAMIC(CKTreeBoxBase, CListBox)

CKTreeBoxBase::CKTreeBoxBase() : m_nIndent(16), m_listRows(this), m_store(&m_listRows) {}

CKTreeBoxBase::~CKTreeBoxBase() {}

BOOL CKTreeBoxBase::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    dwStyle &= ~(LBS_SORT | LBS_HASSTRINGS | LBS_OWNERDRAWFIXED);
    return CListBox::Create(dwStyle | LBS_OWNERDRAWVARIABLE, rect, pParentWnd, nID);
}

void CKTreeBoxBase::RemoveAll() { m_store.RemoveAll(); }

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
