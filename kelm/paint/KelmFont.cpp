#include "KelmFont.h"

int KelmFontHeight(HFONT hFont) {
    LOGFONTA lf;
    if (hFont == NULL || ::GetObjectA(hFont, sizeof lf, &lf) != sizeof lf) {
        hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
        if (::GetObjectA(hFont, sizeof lf, &lf) != sizeof lf) return 1;
    }
    if (lf.lfHeight > 0) return lf.lfHeight;
    int nHeight = 0;
    if (HDC hdc = ::CreateCompatibleDC(NULL)) {
        HGDIOBJ hOld = ::SelectObject(hdc, hFont);
        TEXTMETRICA tm;
        if (::GetTextMetricsA(hdc, &tm)) nHeight = tm.tmHeight;
        ::SelectObject(hdc, hOld);
        ::DeleteDC(hdc);
    }
    return nHeight > 0 ? nHeight : 1;
}
