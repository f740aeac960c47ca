#include "CKFormView.h"

#include <kelm/paint/CKMaskPainter.h>
#include <kelm/paint/CKStdPainter.h>

IMPLEMENT_DYNAMIC(CKFormView, CFormView)

BEGIN_MESSAGE_MAP(CKFormView, CFormView)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CKFormView::CKFormView(LPCSTR lpszTemplateName) : CFormView(lpszTemplateName) {}
CKFormView::CKFormView(UINT nIDTemplate) : CFormView(nIDTemplate) {}
CKFormView::~CKFormView() {}

void CKFormView::DoDataExchange(CDataExchange*) {}

void CKFormView::OnPaint() {
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CKMaskPainter painter(this);
    painter.PaintWithoutMask(&dc, rc, ctBitmap, true, true);
    OnPrepareDC(&dc, NULL);
    OnDraw(&dc);
}

BOOL CKFormView::OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }
