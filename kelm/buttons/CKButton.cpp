#include "CKButton.h"

#include <kelm/paint/CKMaskPainter.h>
#include <kelm/paint/CKResourceScope.h>
#include <kelm/paint/CKStdPainter.h>
#include <kelm/paint/KelmTrackMouse.h>


namespace {
const COLORREF crInk = RGB(0, 0, 0);
const COLORREF crPaper = RGB(255, 255, 255);
}  // namespace

// ---------------------------------------------------------------------------------------------
// Rules

namespace kelm {

bool IsRadioButtonType(UINT nType) { return nType == BS_RADIOBUTTON || nType == BS_AUTORADIOBUTTON; }

bool IsCheckButtonType(UINT nType) {
    switch (nType) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return true;
    default:
        return IsRadioButtonType(nType);
    }
}

int GlyphRow(UINT nType, int nCheck) {
    if (IsRadioButtonType(nType)) return nCheck != 0 ? 1 : 0;
    return nCheck < 0 ? 0 : nCheck > 2 ? 2 : nCheck;
}

UINT CheckGlyphId(UINT nType, int nCheck, bool bPressed) {
    static const UINT box[2][3] = {{129, 130, 131}, {142, 141, 140}};
    static const UINT radio[2][2] = {{155, 156}, {156, 155}};
    const int row = GlyphRow(nType, nCheck);
    return IsRadioButtonType(nType) ? radio[bPressed][row] : box[bPressed][row];
}

int NextCheckState(UINT nType, int nCheck) {
    switch (nType) {
    case BS_AUTOCHECKBOX: return nCheck == 0 ? 1 : 0;
    case BS_AUTO3STATE: return nCheck == 1 ? 0 : 1;  // the indeterminate state is never reached by a click
    case BS_AUTORADIOBUTTON: return 1;
    default: return nCheck;
    }
}

SKLayers ButtonLayers(UINT nState, bool bHot) {
    return StateLayers(!(nState & ODS_GRAYED), bHot, (nState & ODS_FOCUS) != 0);
}

CRect TakeGlyphColumn(CRect& rc, CSize sizeGlyph, bool bRight, CRect* pGlyph) {
    CRect col = rc;
    if (col.right < col.left) col.right = col.left;
    if (col.Width() > sizeGlyph.cx) {
        if (bRight) col.left = col.right - sizeGlyph.cx;
        else col.right = col.left + sizeGlyph.cx;
    }
    if (bRight) rc.right = col.left;
    else rc.left = col.right;
    if (pGlyph != NULL) {
        *pGlyph = col;
        if (col.Height() > sizeGlyph.cy) {
            pGlyph->top += (col.Height() - sizeGlyph.cy) / 2;
            pGlyph->bottom = pGlyph->top + sizeGlyph.cy;
        }
    }
    return col;
}

}  // namespace kelm

// ---------------------------------------------------------------------------------------------
// CKButton

IMPLEMENT_DYNAMIC(CKButton, CButton)

BEGIN_MESSAGE_MAP(CKButton, CButton)
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_MESSAGE(BM_GETCHECK, OnButtonGetCheck)
    ON_MESSAGE(BM_SETCHECK, OnButtonSetCheck)
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYUP()
    ON_WM_ERASEBKGND()
    ON_WM_NCCALCSIZE()
    ON_WM_NCHITTEST()
    ON_WM_NCPAINT()
END_MESSAGE_MAP()

CKButton::CKButton() : m_nStyle(0xFFFFFFFF), m_bHot(false), m_nCheck(0) {}

void CKButton::PreSubclassWindow() {
    m_nStyle = GetStyle();
    // The check state the button had: our procedure is not in place yet, so this asks the
    // button's own.
    if (kelm::IsCheckButtonType(kelm::ButtonType(m_nStyle)))
        m_nCheck = (int)::SendMessageA(m_hWnd, BM_GETCHECK, 0, 0);
    ModifyStyle(0x0F, BS_OWNERDRAW, 0);
    CButton::PreSubclassWindow();
}

void CKButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rcClient;
    GetClientRect(&rcClient);
    const CRect rcItem(lpDIS->rcItem);
    try {
        CKPaintBuffer buffer(pDC, rcClient.Width(), rcClient.Height());
        UINT nState = lpDIS->itemState;
        if (!IsWindowEnabled()) nState |= ODS_GRAYED;

        CRect rcText = rcItem;
        bool bPressed = (nState & ODS_SELECTED) != 0;
        if (kelm::IsCheckButtonType(kelm::ButtonType(m_nStyle))) {
            DrawCheckMark(&buffer.Mask(), rcText, m_nCheck, bPressed);
            bPressed = false;  // a check button shows its press in the glyph only
        }
        CString text;
        GetWindowText(text);
        DrawButtonText(&buffer.Mask(), rcText, text, bPressed);
        DrawMask(&buffer.Colour(), &buffer.Mask(), rcItem, nState);
        buffer.Present(pDC);
    } catch (const char*) {
        // Out of GDI resources or Kelm's module not found: this paint is skipped. DrawItem runs
        // inside the parent's window procedure, which no exception may leave.
    }
}

void CKButton::DrawGlyphColumn(CDC* pMaskDC, CRect& rc, CKBitmapDC& glyph, COLORREF crFill) {
    CRect rcGlyph;
    const CRect rcCol = kelm::TakeGlyphColumn(rc, glyph.GetSize(), (m_nStyle & BS_LEFTTEXT) != 0, &rcGlyph);
    pMaskDC->FillSolidRect(rcCol, crFill);
    pMaskDC->BitBlt(rcGlyph.left, rcGlyph.top, rcGlyph.Width(), rcGlyph.Height(), &glyph, 0, 0, SRCCOPY);
}

namespace {
// The check glyphs, loaded from the library's module on first use and kept until it unloads. A
// glyph is published with one atomic exchange, so that buttons on two threads share one copy.
struct CheckGlyphs {
    static const UINT kFirst = 129, kLast = 158;  // the library's glyph ids
    CKResBitmapDC* glyphs[kLast - kFirst + 1] = {};
    CKResBitmapDC& Get(UINT nId) {
        CKResBitmapDC* volatile* pSlot = &glyphs[nId - kFirst];
        if (*pSlot == NULL) {
            CKResourceScope scope("Kelm.dll");
            CKResBitmapDC* pGlyph = new CKResBitmapDC(NULL, nId);
            if (::InterlockedCompareExchangePointer(reinterpret_cast<PVOID volatile*>(pSlot), pGlyph, NULL) != NULL)
                delete pGlyph;
        }
        return **pSlot;
    }
    ~CheckGlyphs() {
        for (CKResBitmapDC* p : glyphs) delete p;
    }
};
CheckGlyphs g_checkGlyphs;
}  // namespace

void CKButton::DrawCheckMark(CDC* pMaskDC, CRect& rc, int nCheck, bool bPressed) {
    const UINT nId = kelm::CheckGlyphId(kelm::ButtonType(m_nStyle), nCheck, bPressed);
    DrawGlyphColumn(pMaskDC, rc, g_checkGlyphs.Get(nId), crInk);
}

void CKButton::DrawButtonText(CDC* pMaskDC, CRect rc, const CString& text, bool bPressed) {
    pMaskDC->FillSolidRect(rc, crPaper);
    // The face grows by the shadow offset.
    if (ptShadowOffset.x >= 0) rc.right += ptShadowOffset.x;
    else rc.left += ptShadowOffset.x;
    if (ptShadowOffset.y >= 0) rc.bottom += ptShadowOffset.y;
    else rc.top += ptShadowOffset.y;
    if (!bPressed) {
        pMaskDC->FillSolidRect(rc, crInk);
        pMaskDC->SetTextColor(crPaper);
    } else {
        pMaskDC->SetTextColor(crInk);
    }
    pMaskDC->SetBkMode(TRANSPARENT);
    HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
    HGDIOBJ hOldFont = hFont != NULL ? pMaskDC->SelectObject(hFont) : NULL;
    pMaskDC->DrawText(text, text.GetLength(), rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (hOldFont != NULL) pMaskDC->SelectObject(hOldFont);
}

void CKButton::DrawMask(CDC* pDC, CDC* pMaskDC, CRect rc, int nState) {
    CKMaskPainter painter(this);
    CKPaintBuffer::PaintLayers(painter, pDC, pMaskDC, rc, kelm::ButtonLayers((UINT)nState, m_bHot));
}

void CKButton::DoCheck() {
    const UINT nType = kelm::ButtonType(m_nStyle);
    if (nType != BS_AUTOCHECKBOX && nType != BS_AUTO3STATE && nType != BS_AUTORADIOBUTTON) return;
    const int nCheck = (int)SendMessage(BM_GETCHECK);
    SendMessage(BM_SETCHECK, (WPARAM)kelm::NextCheckState(nType, nCheck));
}

bool CKButton::CompletesClick(CPoint pt) {
    CRect rc;
    GetClientRect(&rc);
    return (GetState() & BST_PUSHED) != 0 && rc.PtInRect(pt);
}

void CKButton::OnMouseMove(UINT, CPoint point) {
    CRect rc;
    GetClientRect(&rc);
    if (!m_bHot && rc.PtInRect(point)) {
        m_bHot = true;
        Invalidate(TRUE);
        TRACKMOUSEEVENT tme;
        tme.cbSize = sizeof(tme);
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = m_hWnd;
        tme.dwHoverTime = HOVER_DEFAULT;
        KELMTrackMouseEvent(&tme);
    }
    Default();
}

LRESULT CKButton::OnMouseLeave(WPARAM, LPARAM) {
    m_bHot = false;
    Invalidate(TRUE);
    return 1;
}

LRESULT CKButton::OnButtonGetCheck(WPARAM, LPARAM) { return m_nCheck; }

LRESULT CKButton::OnButtonSetCheck(WPARAM wParam, LPARAM) {
    m_nCheck = (int)wParam;
    Invalidate(TRUE);
    return 1;
}

// The check changes only when the release completes a click, so that it always goes with the
// BN_CLICKED the default processing sends next (and after it has changed).
void CKButton::OnLButtonUp(UINT, CPoint point) {
    if (CompletesClick(point)) DoCheck();
    Default();
}

void CKButton::OnKeyUp(UINT nChar, UINT, UINT) {
    if (nChar == VK_SPACE && (GetState() & BST_PUSHED) != 0) DoCheck();
    Default();
}

// An owner-drawn button reports a double click as BN_DOUBLECLICKED and does not press. A
// standard button of the original type takes the second click as a press, unless it is one that
// notifies double clicks; so does this one.
void CKButton::OnLButtonDblClk(UINT nFlags, CPoint point) {
    const UINT nType = kelm::ButtonType(m_nStyle);
    const bool bNotifies = (m_nStyle & BS_NOTIFY) != 0 || nType == BS_RADIOBUTTON || nType == BS_USERBUTTON ||
                           nType == BS_OWNERDRAW;
    if (bNotifies) Default();
    else DefWindowProc(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}

BOOL CKButton::OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }

void CKButton::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    CKStdPainter::OnNcCalcSize(this, bCalcValidRects, lpncsp);
}

UINT CKButton::OnNcHitTest(CPoint point) { return CButton::OnNcHitTest(point); }

void CKButton::OnNcPaint() { CKStdPainter::OnNcPaint(this); }
