#include <kelm/paint/KelmMapping.h>

namespace {

struct Extents {
    SIZE window, viewport;
};

Extents ScreenHimetricExtents() {
    Extents e = {{1, 1}, {1, 1}};
    HDC hdc = ::GetDC(NULL);
    if (hdc == NULL) return e;
    ::SetMapMode(hdc, MM_HIMETRIC);
    ::GetWindowExtEx(hdc, &e.window);
    ::GetViewportExtEx(hdc, &e.viewport);
    ::SetMapMode(hdc, MM_TEXT);
    ::ReleaseDC(NULL, hdc);
    return e;
}

}  // namespace

int KelmSetHimetricMapping(CDC* pDC) {
    static const Extents kExtents = ScreenHimetricExtents();
    const int nOld = ::SetMapMode(pDC->m_hDC, MM_ANISOTROPIC);
    ::SetWindowExtEx(pDC->m_hDC, kExtents.window.cx, kExtents.window.cy, NULL);
    ::SetViewportExtEx(pDC->m_hDC, kExtents.viewport.cx, kExtents.viewport.cy, NULL);
    return nOld;
}
