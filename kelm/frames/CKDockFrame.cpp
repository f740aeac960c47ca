#include "CKDockFrame.h"

#include <kelm/paint/CKStdPainter.h>

IMPLEMENT_DYNCREATE(CKDockFrame, CMiniDockFrameWnd)

BEGIN_MESSAGE_MAP(CKDockFrame, CMiniDockFrameWnd)
    ON_WM_NCPAINT()
    ON_WM_ACTIVATE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCACTIVATE()
END_MESSAGE_MAP()

CKDockFrame::CKDockFrame() {}
CKDockFrame::~CKDockFrame() {}

BOOL CKDockFrame::PreCreateWindow(CREATESTRUCTA& cs) {
    cs.style &= ~(WS_CAPTION | WS_THICKFRAME);
    cs.dwExStyle &= ~(WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE);
    return CWnd::PreCreateWindow(cs);
}

void CKDockFrame::OnNcPaint() { CKStdPainter::OnNcPaint(this); }

void CKDockFrame::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    CKStdPainter::OnNcCalcSize(this, bCalcValidRects, lpncsp);
}

void CKDockFrame::OnActivate(UINT, CWnd*, BOOL) {}

BOOL CKDockFrame::OnNcActivate(BOOL) {
    CKStdPainter::OnNcPaint(this);
    return TRUE;
}
