#include "CKToolTipCtrl.h"

#include <GHTMLTextPainter.h>
#include <kelm/paint/CKPaintBuffer.h>
#include <kelm/paint/KelmMapping.h>
#include <kelm/paint/CKStdPainter.h>

#include <cstdlib>

BEGIN_MESSAGE_MAP(CKToolTipCtrl, CToolTipCtrl)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

CKToolTipCtrl::CKToolTipCtrl() : m_params(GetDefaultFormatTextParams()) { ::InitCommonControls(); }

CKToolTipCtrl::~CKToolTipCtrl() {}

CSize CKToolTipCtrl::WindowSizeFromExtent(CPoint ptExtent) {
    return CSize(std::abs(ptExtent.x) + 2, std::abs(ptExtent.y) + 2);
}

void CKToolTipCtrl::KeepOnScreen(int& x, int& y, int cx, int cy, int cxScreen, int cyScreen) {
    if (x >= cxScreen - cx) x = cxScreen - 5 - cx;
    if (y >= cyScreen - 60 - cy) y = y - cy - 30;
}

CGHTMLTextPainter& CKToolTipCtrl::LaidOutText(CDC& dc) {
    CString strText;
    GetWindowText(strText);
    m_text.SetGHTMLText(strText);
    m_text.SetFormatParams(m_params);  // colours aside, the record of the paint
    m_text.SetMaxWidth(-1);
    m_text.Format(&dc);
    return m_text;
}

void CKToolTipCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    if (rc.Width() <= 0 || rc.Height() <= 0) return;
    try {
        CKPaintBuffer buffer(&dc, rc.Width(), rc.Height());
        CDC& target = buffer.Colour();
        CKMaskPainter painter(this);
        CKPaintBuffer::PaintLayers(painter, &target, NULL, buffer.Rect(), SKLayers{ctBitmap, false, ctShadow, ctBitmap});

        const int nSaved = target.SaveDC();
        KelmSetHimetricMapping(&target);
        CGHTMLTextPainter& text = LaidOutText(target);
        FormatTextParams params = m_params;
        params.crText = params.crLink = params.crShadow = painter.GetColor(ctBase, true);
        text.SetFormatParams(params);  // new colours keep the layout
        text.Paint(&target, 0, 0, CRect(0, 0, 1000000, -1000000), 0);
        target.RestoreDC(nSaved);
        buffer.Present(&dc);
    } catch (const char*) {
        // Out of GDI resources: the tip keeps its old picture until the next paint.
    }
}

BOOL CKToolTipCtrl::OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }

void CKToolTipCtrl::OnWindowPosChanging(WINDOWPOS* lpwndpos) {
    CString strText;
    GetWindowText(strText);
    if (strText.IsEmpty()) {
        lpwndpos->cx = lpwndpos->cy = 0;
    } else {
        CClientDC dc(this);
        const int nSaved = dc.SaveDC();
        KelmSetHimetricMapping(&dc);
        const CGHTMLTextPainter& text = LaidOutText(dc);
        CPoint ptExtent(text.GetWidth(), text.GetHeight());
        dc.LPtoDP(&ptExtent);
        dc.RestoreDC(nSaved);

        const CSize size = WindowSizeFromExtent(ptExtent);
        lpwndpos->cx = size.cx;
        lpwndpos->cy = size.cy;
        KeepOnScreen(lpwndpos->x, lpwndpos->y, size.cx, size.cy, ::GetSystemMetrics(SM_CXSCREEN),
                     ::GetSystemMetrics(SM_CYSCREEN));
    }
    Default();
}
