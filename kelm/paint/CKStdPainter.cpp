#include "CKStdPainter.h"

#include "CKMaskPainter.h"
#include "CKResourceScope.h"

const char szKelmBorderType[] = "KelmBorderType";
const char szScrollState[] = "ScrollState";

const int CKStdPainter::m_pnDirRes[12] = {129, 129, 129, 129, 129, 129, 129, 129, 158, 157, 157, 158};
CKBitmapDC* CKStdPainter::m_pdcBmpDir[12] = {};
CSize CKStdPainter::m_sizeDir[12];

UINT BrdPart(int nShift, int nInner, int nOuter) {
    return (UINT)(((nOuter << 4) | nInner) << (nShift & 31));
}

void SetBorderType(CWnd* pWnd, UINT nType) {
    ::SetPropA(pWnd->m_hWnd, szKelmBorderType, (HANDLE)(UINT_PTR)nType);
    pWnd->SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

namespace {
UINT BorderType(HWND hWnd) { return (UINT)(UINT_PTR)::GetPropA(hWnd, szKelmBorderType); }

// Side widths (left, top, right, bottom) of a border type: one pixel per line.
CRect BorderWidths(UINT nType) {
    int w[4];
    for (int side = 0; side < 4; ++side) {
        const UINT b = (nType >> (8 * side)) & 0xFF;
        w[side] = ((b & 0x0F) ? 1 : 0) + ((b & 0xF0) ? 1 : 0);
    }
    return CRect(w[0], w[1], w[2], w[3]);
}
}  // namespace

void CKStdPainter::OnNcCalcSize(CWnd* pWnd, BOOL bCalc, NCCALCSIZE_PARAMS* lpncsp) {
    HWND hWnd = pWnd->m_hWnd;
    if (::IsIconic(hWnd)) {
        ::DefWindowProcA(hWnd, WM_NCCALCSIZE, bCalc, (LPARAM)lpncsp);
        return;
    }
    CRect rc(lpncsp->rgrc[0]);
    CRect widths = BorderWidths(BorderType(hWnd));
    if (pWnd->GetStyle() & WS_THICKFRAME) {
        widths.left += 1;
        widths.top += 1;
        widths.right += 1;
        widths.bottom += 1;
    }

    CScrollBar* pHorz = pWnd->GetScrollBarCtrl(SB_HORZ);
    CScrollBar* pVert = pWnd->GetScrollBarCtrl(SB_VERT);
    if (pHorz != NULL) pHorz->m_hWndOwner = hWnd;
    if (pVert != NULL) pVert->m_hWndOwner = hWnd;

    if (pVert != NULL && pVert->m_hWnd != NULL && (UINT_PTR)::GetPropA(pVert->m_hWnd, szScrollState) == 1) {
        // Dock the bar inside the border, to the right of the client area. rc is in the parent's
        // client coordinates, like the bar's rectangle.
        CRect rcBar;
        ::GetWindowRect(pVert->m_hWnd, &rcBar);
        ::MapWindowPoints(NULL, ::GetParent(pVert->m_hWnd), (LPPOINT)(LPRECT)rcBar, 2);
        CRect target(rc.left + widths.left, rc.top + widths.top, rc.right - widths.right, rc.bottom - widths.bottom);
        if (rcBar.right != target.right || rcBar.top != target.top || rcBar.bottom != target.bottom) {
            const int left = rcBar.left + (target.right - rcBar.right);
            pVert->MoveWindow(left, target.top, target.right - left, target.Height(), FALSE);
            ::InvalidateRect(pVert->m_hWnd, NULL, TRUE);
            pVert->BringWindowToTop();
        }
        widths.right += rcBar.Width();
    }
    rc.DeflateRect(widths.left, widths.top, widths.right, widths.bottom);
    lpncsp->rgrc[0] = rc;
}

void CKStdPainter::OnNcPaint(CWnd* pWnd) {
    HWND hWnd = pWnd->m_hWnd;
    if (::IsIconic(hWnd)) {
        ::DefWindowProcA(hWnd, WM_NCPAINT, 0, 0);
        return;
    }
    const UINT nType = BorderType(hWnd);
    CWindowDC dc(pWnd);
    CKMaskPainter painter(pWnd);
    CPen pens[3] = {CPen(PS_SOLID, 1, painter.GetColor(ctBase, true)),
                    CPen(PS_SOLID, 1, painter.GetColor(ctBase, false)),
                    CPen(PS_SOLID, 1, painter.GetColor(ctShadow, false))};
    CRect r;
    ::GetWindowRect(hWnd, &r);
    r.OffsetRect(-r.left, -r.top);
    r.right -= 1;
    r.bottom -= 1;

    CPen* pOldPen = dc.SelectObject(&pens[0]);
    // One ring of lines (outer or inner nibbles), each side moving r in by one pixel.
    auto drawRing = [&](int nShift) {
        const int left = (nType >> nShift) & 0xF, top = (nType >> (8 + nShift)) & 0xF;
        const int right = (nType >> (16 + nShift)) & 0xF, bottom = (nType >> (24 + nShift)) & 0xF;
        if (left >= 1 && left <= 3) {
            dc.SelectObject(&pens[left - 1]);
            dc.MoveTo(r.left, r.top);
            dc.LineTo(r.left, r.bottom + 1);
            r.left += 1;
        }
        if (right >= 1 && right <= 3) {
            dc.SelectObject(&pens[right - 1]);
            dc.MoveTo(r.right, r.top);
            dc.LineTo(r.right, r.bottom + 1);
            r.right -= 1;
        }
        if (top >= 1 && top <= 3) {
            dc.SelectObject(&pens[top - 1]);
            dc.MoveTo(r.left, r.top);
            dc.LineTo(r.right + 1, r.top);
            r.top += 1;
        }
        if (bottom >= 1 && bottom <= 3) {
            dc.SelectObject(&pens[bottom - 1]);
            dc.MoveTo(r.left, r.bottom);
            dc.LineTo(r.right + 1, r.bottom);
            r.bottom -= 1;
        }
    };
    drawRing(4);
    if (pWnd->GetStyle() & WS_THICKFRAME) {
        dc.SelectObject(&pens[0]);
        CGdiObject* pOldBrush = dc.SelectStockObject(NULL_BRUSH);
        dc.Rectangle(r.left, r.top, r.right + 1, r.bottom + 1);
        dc.SelectObject(pOldBrush);
        r.DeflateRect(1, 1);
    }
    drawRing(0);
    dc.SelectObject(pOldPen);
}

UINT CKStdPainter::OnNcHitTest(CWnd*, CPoint) { return HTNOWHERE; }

BOOL CKStdPainter::OnEraseBkgnd(CWnd*, CDC*) { return TRUE; }

void CKStdPainter::DrawNC(CWnd* pWnd) {
    CWindowDC dc(pWnd);
    CKMaskPainter painter(pWnd);
    const COLORREF a = painter.GetColor(ctBase, true), b = painter.GetColor(ctShadow, false);
    CRect r;
    pWnd->GetWindowRect(&r);
    r.OffsetRect(-r.left, -r.top);
    const DWORD style = pWnd->GetStyle();
    int n = ::GetSystemMetrics(SM_CXEDGE);
    if (style & WS_THICKFRAME) n = ::GetSystemMetrics(SM_CXFRAME);
    if (style & WS_DLGFRAME) n = ::GetSystemMetrics(SM_CXDLGFRAME);
    dc.Draw3dRect(r, a, b);
    r.DeflateRect(1, 1);
    for (int i = 0; i < n - 1; ++i) {
        dc.Draw3dRect(r, a, a);
        r.DeflateRect(1, 1);
    }
    dc.Draw3dRect(r, b, a);
}

// Loads every glyph slot that is still empty, so that a load that failed part way (GDI handles
// ran out) is completed by a later call. A glyph is published with one atomic exchange: two
// threads loading at once keep one copy and delete the other.
void CKStdPainter::AssureDirsLoaded() {
    bool bComplete = true;
    for (CKBitmapDC* p : m_pdcBmpDir) bComplete = bComplete && p != NULL;
    if (bComplete) return;
    CKResourceScope scope("KELM.dll");
    for (int i = 0; i < 12; ++i) {
        if (m_pdcBmpDir[i] != NULL) continue;
        CKResBitmapDC* pGlyph = new CKResBitmapDC(NULL, m_pnDirRes[i]);
        m_sizeDir[i] = pGlyph->GetSize();
        if (::InterlockedCompareExchangePointer(reinterpret_cast<PVOID volatile*>(&m_pdcBmpDir[i]), pGlyph, NULL) !=
            NULL)
            delete pGlyph;
    }
}

namespace {
// The glyphs go when the library unloads: a host that loads and frees it keeps no DCs of it.
struct CDirGlyphsOwner {
    ~CDirGlyphsOwner() {
        for (CKBitmapDC*& p : CKStdPainter::m_pdcBmpDir) {
            delete p;
            p = NULL;
        }
    }
} g_dirGlyphsOwner;
}  // namespace

void CKStdPainter::DrawArrow(CDC* pMaskDC, CRect rc, EDir dir, bool bFlag) {
    AssureDirsLoaded();
    pMaskDC->FillSolidRect(rc, RGB(0, 0, 0));
    if (dir == dirDropDown || dir == dirDropUp) {
        const int slot = 2 * dir + (bFlag ? 1 : 0);
        const CSize sz = m_sizeDir[slot];
        pMaskDC->BitBlt(rc.left + (rc.Width() - sz.cx) / 2, rc.top + (rc.Height() - sz.cy) / 2, sz.cx, sz.cy,
                        m_pdcBmpDir[slot], 0, 0, SRCCOPY);
        return;
    }
    if (dir < dirUp || dir > dirDropUp) return;

    int w = rc.Width(), h = rc.Height();
    if (dir == dirLeft || dir == dirRight) {
        if (h % 2 == 0) h -= 1;
        w = h / 2 + 3;
    } else {
        if (w % 2 == 0) w -= 1;
        h = w / 2 + 3;
    }
    const CPoint o(rc.left + (rc.Width() - w) / 2, rc.top + (rc.Height() - h) / 2);
    CPoint p[4];
    CSize shift;
    switch (dir) {
    case dirUp:
        p[0] = CPoint(1, h - 3); p[1] = CPoint(w / 2, 1); p[2] = CPoint(w - 2, h - 3); shift = CSize(0, 1);
        break;
    case dirRight:
        p[0] = CPoint(2, 1); p[1] = CPoint(w - 2, h / 2); p[2] = CPoint(2, h - 2); shift = CSize(-1, 0);
        break;
    case dirDown:
        p[0] = CPoint(1, 2); p[1] = CPoint(w / 2, h - 2); p[2] = CPoint(w - 2, 2); shift = CSize(0, -1);
        break;
    default:  // dirLeft
        p[0] = CPoint(w - 3, 1); p[1] = CPoint(1, h / 2); p[2] = CPoint(w - 3, h - 2); shift = CSize(1, 0);
        break;
    }
    for (int i = 0; i < 3; ++i) p[i] += o;

    CBrush brush(RGB(255, 255, 255));
    CPen pen(PS_SOLID, 0, RGB(255, 255, 255));
    CBrush* pOldBrush = pMaskDC->SelectObject(&brush);
    CPen* pOldPen = pMaskDC->SelectObject(&pen);
    if (bFlag) {
        pMaskDC->Polygon(p, 3);
        for (int i = 0; i < 3; ++i) p[i] += shift;
        pMaskDC->Polygon(p, 3);
    } else {
        p[3] = p[1];
        pMaskDC->Polyline(p, 4);
        for (int i = 0; i < 3; ++i) p[i] += shift;
        p[3] = p[0];
        pMaskDC->Polyline(p, 4);
    }
    pMaskDC->SelectObject(pOldPen);
    pMaskDC->SelectObject(pOldBrush);
}
