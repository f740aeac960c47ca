#include "CKMaskPainter.h"

#include <algorithm>

namespace {
// The mask's placement: a positive offset moves the near edge, a negative one the far edge.
CRect PlaceMask(CRect rect, CPoint ptOffset) {
    if (ptOffset.x >= 0) rect.left += ptOffset.x;
    else rect.right += ptOffset.x;
    if (ptOffset.y >= 0) rect.top += ptOffset.y;
    else rect.bottom += ptOffset.y;
    return rect;
}

HDC SafeHdc(CDC* pDC) { return pDC != NULL ? pDC->m_hDC : NULL; }
}  // namespace

CKMaskPainter::CKMaskPainter(CWnd* pWnd) : m_pWnd(pWnd), m_pProvider(CKMPBitmapProvider::Lookup(pWnd)) {}

DWORD CKMaskPainter::GetColor(EColorType role, bool bInk) { return m_pProvider->GetColor(role, bInk); }

void CKMaskPainter::MapRect(CRect& rc, bool bClient) {
    CWnd* pRef = m_pProvider->m_pOwner;
    if (pRef == NULL) {
        if (!m_pProvider->m_bDefault || m_pWnd == NULL) return;
        pRef = m_pWnd->GetTopLevelParent();
        if (pRef == NULL) return;
    }
    HWND hWnd = m_pWnd != NULL ? m_pWnd->m_hWnd : NULL;
    if (hWnd == NULL) return;
    HWND hRef = pRef->GetSafeHwnd();
    if (hWnd != hRef && !::IsChild(hRef, hWnd)) {
        CWnd* pTop = m_pWnd->GetTopLevelParent();
        hRef = pTop != NULL ? pTop->m_hWnd : NULL;
    }
    if (bClient) {
        ::MapWindowPoints(hWnd, hRef, (LPPOINT)(LPRECT)rc, 2);
    } else {
        CRect rcWnd;
        ::GetWindowRect(hWnd, &rcWnd);
        rc.OffsetRect(rcWnd.left, rcWnd.top);
        if (hRef != NULL) ::MapWindowPoints(NULL, hRef, (LPPOINT)(LPRECT)rc, 2);
    }
}

void CKMaskPainter::PaintWithoutMask(CDC* pDC, CRect rect, EColorType role, bool bInk, bool bClient) {
    PaintWithoutMaskEx(pDC, rect.TopLeft(), rect, role, bInk, bClient);
}

void CKMaskPainter::PaintWithoutMaskEx(CDC* pDC, CPoint ptOrg, CRect rect, EColorType role, bool bInk,
                                       bool bClient) {
    if (role != ctBitmap) {
        pDC->FillSolidRect(rect, GetColor(role, bInk));
        return;
    }
    CDC* pPattern = m_pProvider->GetPatternTile(bInk);
    if (pPattern == NULL) {
        pDC->FillSolidRect(rect, GetColor(ctBase, bInk));
        return;
    }
    CRect mapped(ptOrg.x, ptOrg.y, ptOrg.x + rect.Width(), ptOrg.y + rect.Height());
    MapRect(mapped, bClient);
    RenderBitmap(pDC, rect, mapped.TopLeft(), pPattern, SRCCOPY);
}

void CKMaskPainter::PaintWithMask(CDC* pDC, CDC* pMaskDC, CRect rect, EColorType role, CPoint ptOffset, bool bInk,
                                  bool bInvert, bool bClient) {
    PaintWithMaskEx(pDC, pMaskDC, rect.TopLeft(), rect, role, ptOffset, bInk, bInvert, bClient);
}

void CKMaskPainter::PaintWithMaskEx(CDC* pDC, CDC* pMaskDC, CPoint ptOrg, CRect rect, EColorType role,
                                    CPoint ptOffset, bool bInk, bool bInvert, bool bClient) {
    if (bInvert) ::BitBlt(SafeHdc(pMaskDC), 0, 0, rect.Width(), rect.Height(), NULL, 0, 0, DSTINVERT);
    // The mask must be inverted back even when painting fails.
    struct Restore {
        CDC* pMask;
        CRect rc;
        bool bInvert;
        ~Restore() {
            if (bInvert) ::BitBlt(SafeHdc(pMask), 0, 0, rc.Width(), rc.Height(), NULL, 0, 0, DSTINVERT);
        }
    } restore = {pMaskDC, rect, bInvert};

    CDC* pPattern = role == ctBitmap ? m_pProvider->GetPatternTile(bInk) : NULL;
    if (pPattern != NULL)
        PaintWithBitmap(pDC, pMaskDC, pPattern, ptOrg, rect, ptOffset, bClient);
    else
        PaintWithColor(pDC, pMaskDC, GetColor(role == ctBitmap ? ctBase : role, bInk), rect, ptOffset, bClient);
}

void CKMaskPainter::PaintWithColor(CDC* pDC, CDC* pMaskDC, DWORD colour, CRect rect, CPoint ptOffset, bool) {
    CRect rc = PlaceMask(rect, ptOffset);
    HDC hDC = pDC->m_hDC;
    COLORREF oldText = ::SetTextColor(hDC, RGB(0, 0, 0));
    COLORREF oldBk = ::SetBkColor(hDC, RGB(255, 255, 255));
    ::BitBlt(hDC, rc.left, rc.top, rc.Width(), rc.Height(), SafeHdc(pMaskDC), 0, 0, SRCAND);
    ::SetTextColor(hDC, colour);
    ::SetBkColor(hDC, RGB(0, 0, 0));
    ::BitBlt(hDC, rc.left, rc.top, rc.Width(), rc.Height(), SafeHdc(pMaskDC), 0, 0, SRCPAINT);
    ::SetTextColor(hDC, oldText);
    ::SetBkColor(hDC, oldBk);
}

void CKMaskPainter::PaintWithBitmap(CDC* pDC, CDC* pMaskDC, CDC* pPatternDC, CPoint ptOrg, CRect rect,
                                    CPoint ptOffset, bool bClient) {
    const int w = rect.Width(), h = rect.Height();
    CRect mapped(ptOrg.x, ptOrg.y, ptOrg.x + w, ptOrg.y + h);
    MapRect(mapped, bClient);
    CKBitmapDC texture(pDC, w, h);  // made before pDC is touched: a failure leaves pDC as it was
    RenderBitmap(&texture, CRect(0, 0, w, h), mapped.TopLeft(), pPatternDC, SRCCOPY);
    CRect rc = PlaceMask(rect, ptOffset);

    // Texture where the mask is ink, black where it is paper.
    ::SetTextColor(texture.m_hDC, RGB(255, 255, 255));
    ::SetBkColor(texture.m_hDC, RGB(0, 0, 0));
    ::BitBlt(texture.m_hDC, 0, 0, rc.Width(), rc.Height(), SafeHdc(pMaskDC), 0, 0, SRCAND);

    HDC hDC = pDC->m_hDC;
    COLORREF oldText = ::SetTextColor(hDC, RGB(0, 0, 0));
    COLORREF oldBk = ::SetBkColor(hDC, RGB(255, 255, 255));
    ::BitBlt(hDC, rc.left, rc.top, rc.Width(), rc.Height(), SafeHdc(pMaskDC), 0, 0, SRCAND);
    ::BitBlt(hDC, rc.left, rc.top, rc.Width(), rc.Height(), texture.m_hDC, 0, 0, SRCPAINT);
    ::SetTextColor(hDC, oldText);
    ::SetBkColor(hDC, oldBk);
}

void CKMaskPainter::RenderBitmap(CDC* pDC, CRect rect, CPoint ptOrg, CDC* pSrcDC, DWORD rop) {
    HGDIOBJ hTile = ::GetCurrentObject(pSrcDC->m_hDC, OBJ_BITMAP);
    BITMAP bm = {};
    if (hTile == NULL || !::GetObjectA(hTile, sizeof(bm), &bm)) return;
    const int W = bm.bmWidth, H = bm.bmHeight;
    if (W <= 0 || H <= 0) return;
    int x0 = ptOrg.x % W;
    if (x0 < 0) x0 += W;
    int y0 = ptOrg.y % H;
    if (y0 < 0) y0 += H;
    for (int y = rect.top, ys = y0; y < rect.bottom; ys = 0) {
        const int rowH = std::min(H - ys, (int)rect.bottom - y);
        for (int x = rect.left, xs = x0; x < rect.right; xs = 0) {
            const int colW = std::min(W - xs, (int)rect.right - x);
            ::BitBlt(pDC->m_hDC, x, y, colW, rowH, pSrcDC->m_hDC, xs, ys, rop);
            x += colW;
        }
        y += rowH;
    }
}
