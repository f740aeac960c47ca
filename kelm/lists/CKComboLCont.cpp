#include "CKComboLCont.h"

#include <kelm/lists/CKComboBox.h>
#include <kelm/lists/CKListBox.h>
#include <kelm/paint/CKStdPainter.h>

CString CKComboLCont::lpcszWndClass;

IMPLEMENT_DYNAMIC(CKComboLCont, CWnd)

BEGIN_MESSAGE_MAP(CKComboLCont, CWnd)
    ON_WM_CREATE()
    ON_WM_ACTIVATE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_NCPAINT()
    ON_WM_NCCALCSIZE()
    ON_MESSAGE(WM_ACTIVATEAPP, OnActivateApp)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CKComboLCont::CKComboLCont() : m_pList(NULL), m_pCombo(NULL) {}

// The window goes while this class's handlers can still see it.
CKComboLCont::~CKComboLCont() {
    if (m_hWnd != NULL && CWnd::FromHandlePermanent(m_hWnd) == this) DestroyWindow();
}

BOOL CKComboLCont::PreCreateWindow(CREATESTRUCTA& cs) {
    cs.style = 0;
    cs.dwExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    return CWnd::PreCreateWindow(cs);
}

BOOL CKComboLCont::Create(CKListBox* pList, CKComboBox* pCombo) {
    if (pList == NULL || pCombo == NULL || !::IsWindow(pList->m_hWnd)) return FALSE;
    m_pList = pList;
    m_pCombo = pCombo;
    CRect rcList, rcCombo;
    pList->GetWindowRect(&rcList);
    pCombo->GetWindowRect(&rcCombo);
    const CRect rc(CPoint(rcCombo.left, rcCombo.bottom), rcList.Size());

    // The class may have been unregistered since it was stored: register it again once.
    for (int nTry = 0; nTry < 2 && m_hWnd == NULL; ++nTry) {
        if (lpcszWndClass.IsEmpty() || nTry > 0) {
            try {
                lpcszWndClass = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_CLASSDC);
            } catch (...) {
                return FALSE;
            }
        }
        CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, lpcszWndClass, NULL, 0, rc, NULL, 0);
    }
    if (m_hWnd == NULL) return FALSE;

    const int w = rcList.Width(), h = rcList.Height();
    if (!m_scroll.Create(WS_CHILD | SBS_VERT, CRect(w - CKStdPainter::nCXVSCROLL, 0, w, h), this, nScrollId)) {
        DestroyWindow();
        return FALSE;
    }
    pList->SetScroll(&m_scroll);
    m_scroll.SetOwner(pList);

    pList->ShowWindow(SW_HIDE);
    pList->SetParent(this);
    pList->SetOwner(pCombo);
    pList->SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    pList->RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE);
    pList->ShowWindow(SW_SHOW);
    m_scroll.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    return TRUE;
}

int CKComboLCont::OnCreate(LPCREATESTRUCT) {
    SetBorderType(this, BrdPart(24, 3, 0) | BrdPart(16, 3, 0) | BrdPart(8, 2, 0) | BrdPart(0, 2, 0));
    return Default() == -1 ? -1 : 0;
}

void CKComboLCont::OnActivate(UINT, CWnd*, BOOL) { Default(); }

BOOL CKComboLCont::OnEraseBkgnd(CDC*) { return TRUE; }

// The list covers the client area.
void CKComboLCont::OnPaint() { CPaintDC dc(this); }

void CKComboLCont::OnNcPaint() { CKStdPainter::OnNcPaint(this); }

void CKComboLCont::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    CKStdPainter::OnNcCalcSize(this, bCalcValidRects, lpncsp);
}

LRESULT CKComboLCont::OnActivateApp(WPARAM, LPARAM) {
    const LRESULT lResult = Default();
    ShowWindow(SW_HIDE);
    return lResult;
}

void CKComboLCont::OnDestroy() { CWnd::OnDestroy(); }
