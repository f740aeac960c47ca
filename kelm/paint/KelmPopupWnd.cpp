#include "KelmPopupWnd.h"

#include "CKBitmapDC.h"
#include "CKMaskPainter.h"
#include "CKPaintBuffer.h"

namespace {

const char kClassName[] = "PopupWndClassName";

CKMonoBitmapDC* Snapshot(HWND hWnd) { return reinterpret_cast<CKMonoBitmapDC*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA)); }

void DeleteSnapshot(HWND hWnd) {
    delete Snapshot(hWnd);
    ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
}

LRESULT TakeSnapshot(HWND hWnd, HDC hSource, const RECT* pRect) {
    DeleteSnapshot(hWnd);
    if (pRect == NULL) return 0;
    const int w = pRect->right - pRect->left, h = pRect->bottom - pRect->top;
    CKMonoBitmapDC* pSnap = new CKMonoBitmapDC(NULL, w, h);
    ::BitBlt(pSnap->m_hDC, 0, 0, w, h, hSource, 0, 0, SRCCOPY);
    return ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, (LONG_PTR)pSnap);
}

void Paint(HWND hWnd) {
    CWnd* pWnd = CWnd::FromHandle(hWnd);
    CPaintDC dc(pWnd);
    CRect rc;
    ::GetClientRect(hWnd, &rc);
    CKMaskPainter painter(pWnd);
    CKBitmapDC buffer(&dc, rc.Width(), rc.Height());
    CKMonoBitmapDC* pSnap = Snapshot(hWnd);
    // A snapshot smaller than the window leaves paper around it; a larger one is cut.
    CRect rcMask;
    if (pSnap != NULL) rcMask.IntersectRect(CRect(CPoint(0, 0), pSnap->GetSize()), rc);
    CKPaintBuffer::PaintLayers(painter, &buffer, pSnap, rc, SKLayers{ctBitmap, true, ctShadow, ctBitmap}, &rcMask);
    dc.BitBlt(0, 0, rc.Width(), rc.Height(), &buffer, 0, 0, SRCCOPY);
}

LRESULT CALLBACK PopupWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Running out of GDI resources must not take the process down: no exception leaves here.
    try {
        switch (message) {
        case WM_CREATE:
            return 0;
        case WM_DESTROY:
            DeleteSnapshot(hWnd);
            return 0;
        case WM_PAINT:
            Paint(hWnd);
            return 0;
        case WM_KELM_POPUP_SNAPSHOT:
            return TakeSnapshot(hWnd, (HDC)wParam, (const RECT*)lParam);
        default:
            return ::DefWindowProcA(hWnd, message, wParam, lParam);
        }
    } catch (...) {
        if (message == WM_PAINT) ::ValidateRect(hWnd, NULL);  // a failed paint is not retried forever
        return 0;
    }
}

}  // namespace

LPCSTR GetPopupWndClassName() { return kClassName; }

BOOL RegisterPopupWndClass(HINSTANCE hInstance) {
    WNDCLASSA wc = {};
    wc.style = 0;
    wc.lpfnWndProc = &PopupWndProc;
    wc.hInstance = hInstance;
    wc.hbrBackground = (HBRUSH)::GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = kClassName;
    return ::RegisterClassA(&wc) != 0;
}
