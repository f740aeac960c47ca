#include "CKStatic.h"

#include <GHTMLTextPainter.h>
#include <kelm/paint/CKPaintBuffer.h>
#include <kelm/paint/KelmMapping.h>
#include <kelm/paint/CKStdPainter.h>

BEGIN_MESSAGE_MAP(CKStatic, CStatic)
    ON_WM_PAINT()
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_WM_CREATE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CKStatic::CKStatic() : m_bInverse(false), m_bHtml(false), m_pFormatParams(NULL), m_bOwnText(false) {}

CKStatic::~CKStatic() {}

void CKStatic::SetHtmlMode(bool bHtml, FormatTextParams* pParams) {
    m_bHtml = bHtml;
    m_pFormatParams = pParams;
}

int CKStatic::CopyTextToBuffer(LPCSTR pszText, int nLength, LPSTR pszBuffer, size_t nBufferSize) {
    if (pszBuffer == NULL || nBufferSize == 0) return 0;
    size_t n = nBufferSize - 1;
    if (pszText == NULL || nLength < 0) nLength = 0;
    if ((size_t)nLength < n) n = (size_t)nLength;
    memcpy(pszBuffer, pszText, n);
    pszBuffer[n] = '\0';
    return (int)n;
}

// ---------------------------------------------------------------------------------------------
// Text store

LRESULT CKStatic::OnGetText(WPARAM wParam, LPARAM lParam) {
    if (!m_bOwnText) return Default();
    return CopyTextToBuffer(m_strText, m_strText.GetLength(), (LPSTR)lParam, (size_t)wParam);
}

LRESULT CKStatic::OnGetTextLength(WPARAM, LPARAM) {
    if (!m_bOwnText) return Default();
    return m_strText.GetLength();
}

// The system's copy of the window text is left as it was: the control answers from its own.
LRESULT CKStatic::OnSetText(WPARAM, LPARAM lParam) {
    m_strText = lParam != 0 ? (LPCSTR)lParam : "";
    m_bOwnText = true;
    InvalidateRect(NULL, TRUE);
    UpdateWindow();
    return 1;
}

int CKStatic::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CStatic::OnCreate(lpCreateStruct) == -1) return -1;
    m_bOwnText = true;
    m_strText = lpCreateStruct->lpszName != NULL && !IS_INTRESOURCE(lpCreateStruct->lpszName)
                    ? lpCreateStruct->lpszName
                    : "";
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Painting

void CKStatic::DrawTextMask(CDC& mask, const CRect& rcMask, const CString& strText, COLORREF ink) {
    if (!m_bHtml) {
        // One line one pixel in from the top-left corner, whatever the alignment styles say.
        HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
        CFont* pOldFont = hFont != NULL ? mask.SelectObject(CFont::FromHandle(hFont)) : NULL;
        mask.SetTextAlign(TA_LEFT | TA_TOP);
        mask.SetBkMode(TRANSPARENT);
        mask.TextOut(1, 1, strText, strText.GetLength());
        if (pOldFont != NULL) mask.SelectObject(pOldFont);
        return;
    }

    const int nOldMode = KelmSetHimetricMapping(&mask);
    // The painter lays the text out again only when the text, the record or the mapping changed.
    m_painter.SetGHTMLText(strText);
    FormatTextParams params = m_pFormatParams != NULL ? *m_pFormatParams : GetDefaultFormatTextParams();
    params.crText = params.crLink = params.crShadow = ink;  // every run lands on the mask as ink
    m_painter.SetFormatParams(params);
    m_painter.SetMaxWidth(-1);
    m_painter.Format(&mask);
    CRect rcLogical(rcMask);
    mask.DPtoLP(&rcLogical);
    m_painter.Paint(&mask, rcLogical.left, rcLogical.top, rcLogical, 0);
    mask.SetMapMode(nOldMode);
}

void CKStatic::OnPaint() {
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    const int w = rc.Width(), h = rc.Height();
    if (w <= 0 || h <= 0) return;
    try {
        CKPaintBuffer buffer(&dc, w, h);
        CDC& mask = buffer.Mask();
        const CRect rcMask = buffer.Rect();
        const COLORREF ink = m_bInverse ? RGB(255, 255, 255) : RGB(0, 0, 0);
        const COLORREF paper = m_bInverse ? RGB(0, 0, 0) : RGB(255, 255, 255);
        mask.SetTextColor(ink);
        mask.SetBkColor(paper);
        mask.FillSolidRect(rcMask, paper);

        CString strText;
        if (m_bOwnText) strText = m_strText;
        else GetWindowText(strText);
        DrawTextMask(mask, rcMask, strText, ink);

        buffer.Compose(this, SKLayers{ctBitmap, true, ctShadow, ctBitmap});
        buffer.Present(&dc);
    } catch (const char*) {
        // Out of GDI resources: the control keeps its old picture until the next paint.
    }
}

BOOL CKStatic::OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }

void CKStatic::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    CKStdPainter::OnNcCalcSize(this, bCalcValidRects, lpncsp);
}

void CKStatic::OnNcPaint() { CKStdPainter::OnNcPaint(this); }
