#include "CKEdit.h"

#include <climits>
#include <vector>

#include <kelm/paint/CKMaskPainter.h>
#include <kelm/paint/CKPaintBuffer.h>
#include <kelm/paint/CKStdPainter.h>
#include <kelm/paint/KelmTrackMouse.h>

namespace {
const COLORREF crInk = RGB(0, 0, 0);
const COLORREF crPaper = RGB(255, 255, 255);

// Selects the window's font into a DC while it lives (the DC's own font when the window has none).
class FontScope {
public:
    FontScope(HDC hDC, HWND hWnd) : m_hDC(hDC), m_hOld(NULL) {
        HFONT hFont = (HFONT)::SendMessageA(hWnd, WM_GETFONT, 0, 0);
        if (hFont != NULL) m_hOld = ::SelectObject(hDC, hFont);
    }
    ~FontScope() {
        if (m_hOld != NULL) ::SelectObject(m_hDC, m_hOld);
    }
    FontScope(const FontScope&) = delete;
    FontScope& operator=(const FontScope&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

int TextWidth(HDC hDC, const char* pszText, int nCount) {
    if (nCount <= 0) return 0;
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(hDC, pszText, nCount, &size);
    return size.cx;
}
}  // namespace

IMPLEMENT_DYNAMIC(CKEdit, CEdit)

BEGIN_MESSAGE_MAP(CKEdit, CEdit)
    ON_WM_PAINT()
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_ENABLE()
    ON_WM_ERASEBKGND()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SYSKEYDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_CAPTURECHANGED()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_MESSAGE(EM_SETSEL, OnSetSel)
    ON_MESSAGE(EM_GETSEL, OnGetSel)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(EM_UNDO, OnUndo)
    ON_MESSAGE(WM_UNDO, OnUndo)
    ON_MESSAGE(EM_CANUNDO, OnCanUndo)
    ON_MESSAGE(WM_CONTEXTMENU, OnContextMenu)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
END_MESSAGE_MAP()

CKEdit::CKEdit()
    : m_bFocused(false), m_bHot(false), m_bCreateCaret(false), m_bCaret(false), m_bSelecting(FALSE), m_nTextTop(0),
      m_ptCaret(0, 0) {}

// The window goes while this class's handlers can still see it (the caret goes with the focus).
CKEdit::~CKEdit() {
    if (m_hWnd != NULL && CWnd::FromHandlePermanent(m_hWnd) == this) DestroyWindow();
}

// A control subclassed after its creation (a dialog's edit) keeps the text it had.
void CKEdit::PreSubclassWindow() {
    const int nLen = ::GetWindowTextLengthA(m_hWnd);
    if (nLen > 0) {
        std::vector<char> text((size_t)nLen + 1, 0);
        ::GetWindowTextA(m_hWnd, text.data(), nLen + 1);
        m_text.SetText(text.data());
    }
    CEdit::PreSubclassWindow();
}

// ---------------------------------------------------------------------------------------------
// Operations

void CKEdit::Notify(UINT nCode) {
    const HWND hParent = ::GetParent(m_hWnd);
    if (hParent != NULL)
        ::SendMessageA(hParent, WM_COMMAND, MAKEWPARAM((UINT)GetDlgCtrlID(), nCode), (LPARAM)m_hWnd);
}

// A parent may destroy the control while it is told of a change: nothing is repainted then.
void CKEdit::Repaint() {
    if (!::IsWindow(m_hWnd)) return;
    Invalidate(TRUE);
    UpdateWindow();
}

void CKEdit::ChangedText() {
    Notify(EN_UPDATE);
    Repaint();
    Notify(EN_CHANGE);
}

void CKEdit::MovedCursor() {
    Notify(EN_CURSORMOVE);
    Repaint();
}

void CKEdit::SetCursorPos(int nPos) {
    m_text.SetCursorPos(nPos);
    Invalidate(FALSE);
    UpdateWindow();
}

void CKEdit::OverrideSelection(unsigned char c) { m_text.OverrideSelection(c); }

int CKEdit::CalcTextLength(const char* pszText, int nCount) {
    if (pszText == NULL || nCount <= 0) return 0;
    CClientDC dc(this);
    FontScope font(dc.m_hDC, m_hWnd);
    return TextWidth(dc.m_hDC, pszText, nCount);
}

void CKEdit::CursorFromMouse(CPoint point) {
    const int nMargin = LOWORD(SendMessage(EM_GETMARGINS));
    if (point.x < nMargin) {
        m_text.StepBackFromLeftEdge();
        return;
    }
    CClientDC dc(this);
    FontScope font(dc.m_hDC, m_hWnd);
    TEXTMETRICA tm;
    ::GetTextMetricsA(dc.m_hDC, &tm);
    const int nHalf = tm.tmAveCharWidth / 2;
    const int nFirst = m_text.FirstVisible();
    const int nCount = m_text.Length() - nFirst;
    const char* pszVisible = (const char*)m_text.Text() + nFirst;
    // The widths of the first 1..nCount visible characters in one call.
    std::vector<INT> widths(nCount > 0 ? (size_t)nCount : 1, 0);
    SIZE size;
    if (nCount > 0) ::GetTextExtentExPointA(dc.m_hDC, pszVisible, nCount, 0, NULL, widths.data(), &size);
    int i = 0;
    while (i < nCount && (i == 0 ? 0 : widths[i - 1]) + nHalf + nMargin <= point.x) ++i;
    m_text.MoveCursor(nFirst + i);
}

// ---------------------------------------------------------------------------------------------
// Painting

CRect CKEdit::TextLine(const CRect& rcClient, int nFontHeight) {
    const DWORD dwMargins = (DWORD)SendMessage(EM_GETMARGINS);
    CRect rc;
    rc.left = LOWORD(dwMargins);
    rc.right = rcClient.Width() - HIWORD(dwMargins);
    rc.top = (rcClient.Height() - nFontHeight) / 2;
    rc.bottom = rc.top + nFontHeight;
    return rc;
}

void CKEdit::OnPaint() {
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    const int w = rcClient.Width(), h = rcClient.Height();
    if (w <= 0 || h <= 0) return;
    try {
        CKPaintBuffer buffer(&dc, w, h);
        CDC& mask = buffer.Mask();
        mask.FillSolidRect(0, 0, w, h, crInk);
        FontScope font(mask.m_hDC, m_hWnd);
        const HWND hParent = ::GetParent(m_hWnd);
        if (hParent != NULL)
            ::SendMessageA(hParent, WM_CTLCOLORSTATIC, (WPARAM)buffer.Colour().m_hDC, (LPARAM)m_hWnd);

        TEXTMETRICA tm;
        mask.GetTextMetrics(&tm);
        const CRect rcText = TextLine(rcClient, tm.tmHeight);
        m_nTextTop = rcText.top;
        if (m_bFocused && m_bCreateCaret) {
            ::CreateCaret(m_hWnd, NULL, 3, tm.tmHeight);
            ::ShowCaret(m_hWnd);
            m_bCreateCaret = false;
            m_bCaret = true;
        }

        mask.IntersectClipRect(rcText);
        mask.SetTextAlign(TA_UPDATECP);
        mask.MoveTo(rcText.left, rcText.top);
        mask.SetBkMode(OPAQUE);

        // The text scrolls forward until the caret fits the line.
        const char* pszText = m_text.Text();
        const int nCursor = m_text.Cursor();
        int nFirst = m_text.FirstVisible();
        int x = rcText.left + TextWidth(mask.m_hDC, pszText + nFirst, nCursor - nFirst);
        while (x > rcText.right && nFirst < nCursor) {
            ++nFirst;
            x = rcText.left + TextWidth(mask.m_hDC, pszText + nFirst, nCursor - nFirst);
        }
        m_text.SetFirstVisible(nFirst);
        m_ptCaret = CPoint(x, rcText.top);

        // Text runs: paper on ink, the selection ink on paper.
        const int nLen = m_text.Length();
        auto run = [&](int nFrom, int nTo, bool bSelected) {
            mask.SetTextColor(bSelected ? crInk : crPaper);
            mask.SetBkColor(bSelected ? crPaper : crInk);
            mask.TextOut(0, 0, pszText + nFrom, nTo - nFrom);
        };
        int p = nFirst;
        // With ES_NOHIDESEL the selection shows also without the focus, as in the platform's edit.
        const bool bShowSel = m_bFocused || (GetStyle() & ES_NOHIDESEL) != 0;
        if (bShowSel && m_text.HasSelection()) {
            if (p < m_text.SelStart()) {
                run(p, m_text.SelStart(), false);
                p = m_text.SelStart();
            }
            if (p < m_text.SelEnd()) {
                run(p, m_text.SelEnd(), true);
                p = m_text.SelEnd();
            }
        }
        if (p < nLen) run(p, nLen, false);

        CKMaskPainter painter(this);
        CKPaintBuffer::PaintLayers(painter, &buffer.Colour(), &mask, rcClient,
                                   SKLayers{ctBitmap, m_bHot, ctHighlight, m_bFocused ? ctHighlight : ctBitmap});
        buffer.Present(&dc);
        if (m_bFocused && m_bCaret) ::SetCaretPos(m_ptCaret.x, m_ptCaret.y);
    } catch (...) {
        // Out of GDI resources: this paint is skipped (no exception may leave the window procedure).
    }
}

BOOL CKEdit::OnEraseBkgnd(CDC*) { return TRUE; }

void CKEdit::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    CKStdPainter::OnNcCalcSize(this, bCalcValidRects, lpncsp);
}

void CKEdit::OnNcPaint() { CKStdPainter::OnNcPaint(this); }

// ---------------------------------------------------------------------------------------------
// Keyboard

void CKEdit::OnChar(UINT nChar, UINT, UINT) {
    if (nChar < 0x20) return;
    OverrideSelection((unsigned char)nChar);
    m_text.CollapseSelection();
    ChangedText();
}

void CKEdit::OnKeyDown(UINT nChar, UINT, UINT) {
    const bool bCtrl = ::GetKeyState(VK_CONTROL) < 0, bShift = ::GetKeyState(VK_SHIFT) < 0;
    const CKEditText::KeyStep step = m_text.PrepareKey(nChar, bCtrl);
    if (step.kind == CKEditText::keyNone) return;
    if (step.bErase) OverrideSelection(0);
    m_text.FinishKey(step, bShift);
    if (step.kind == CKEditText::keyEdit) ChangedText();
    else MovedCursor();
}

void CKEdit::OnSysKeyDown(UINT, UINT, UINT) {
    Default();
    Invalidate(TRUE);
}

// ---------------------------------------------------------------------------------------------
// Focus

void CKEdit::OnSetFocus(CWnd*) {
    m_bFocused = true;
    m_text.OnFocus((GetStyle() & ES_NOHIDESEL) != 0);
    Notify(EN_SETFOCUS);
    m_bCreateCaret = true;
    Repaint();
}

void CKEdit::OnKillFocus(CWnd*) {
    m_bFocused = false;
    m_bCreateCaret = false;
    if (m_bCaret) {
        ::HideCaret(m_hWnd);
        ::DestroyCaret();
        m_bCaret = false;
    }
    Notify(EN_KILLFOCUS);
    if (::IsWindow(m_hWnd)) Invalidate(TRUE);
}

void CKEdit::OnEnable(BOOL) {
    Default();
    Invalidate(TRUE);
}

void CKEdit::OnHScroll(UINT, UINT, CScrollBar*) {
    Default();
    Invalidate(TRUE);
}

void CKEdit::OnVScroll(UINT, UINT, CScrollBar*) {
    Default();
    Invalidate(TRUE);
}

// ---------------------------------------------------------------------------------------------
// Mouse

void CKEdit::OnLButtonDown(UINT, CPoint point) {
    if (!m_bFocused) {
        // The first click selects everything.
        m_bFocused = true;
        m_bCreateCaret = true;
        m_text.SelectAll();
        SetFocus();
    } else {
        CursorFromMouse(point);
        SetCapture();  // before the flag: a change of capture ends a selection
        m_bSelecting = TRUE;
        m_text.StartDrag();
        Notify(EN_CURSORMOVE);
    }
    Repaint();
}

void CKEdit::OnMouseMove(UINT, CPoint point) {
    if (!m_bHot) {
        m_bHot = true;
        Invalidate(TRUE);
        TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
        KELMTrackMouseEvent(&tme);
    }
    if (m_bSelecting) {
        CursorFromMouse(point);
        m_text.SelectFromAnchor();
        Notify(EN_CURSORMOVE);
    }
    Repaint();
}

void CKEdit::OnLButtonUp(UINT, CPoint point) {
    if (m_bSelecting) {
        CursorFromMouse(point);
        m_text.SelectFromAnchor();
        Notify(EN_CURSORMOVE);
        m_bSelecting = FALSE;
    }
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    Repaint();
}

// A selection ends when the capture goes elsewhere: moves without the button select nothing.
void CKEdit::OnCaptureChanged(CWnd*) { m_bSelecting = FALSE; }

void CKEdit::OnLButtonDblClk(UINT, CPoint) {
    Default();
    Invalidate(TRUE);
}

LRESULT CKEdit::OnMouseLeave(WPARAM, LPARAM) {
    m_bHot = false;
    Invalidate(TRUE);
    return 1;
}

// ---------------------------------------------------------------------------------------------
// Text and selection messages

LRESULT CKEdit::OnSetSel(WPARAM wParam, LPARAM lParam) {
    m_text.SetSel((int)wParam, (int)lParam);
    Invalidate(TRUE);
    return 1;
}

LRESULT CKEdit::OnGetSel(WPARAM wParam, LPARAM lParam) {
    if (wParam != 0) *(DWORD*)wParam = (DWORD)m_text.SelStart();
    if (lParam != 0) *(DWORD*)lParam = (DWORD)m_text.SelEnd();
    if (m_text.SelEnd() > 0xFFFF) return -1;
    return MAKELRESULT(m_text.SelStart(), m_text.SelEnd());
}

LRESULT CKEdit::OnGetText(WPARAM wParam, LPARAM lParam) {
    const int nSize = wParam > (WPARAM)INT_MAX ? INT_MAX : (int)wParam;
    return m_text.CopyText((char*)lParam, nSize);
}

LRESULT CKEdit::OnGetTextLength(WPARAM, LPARAM) { return m_text.Length(); }

LRESULT CKEdit::OnSetText(WPARAM, LPARAM lParam) {
    m_text.SetText((const char*)lParam);
    Repaint();
    return TRUE;
}

LRESULT CKEdit::OnUndo(WPARAM, LPARAM) {
    m_text.Undo();
    Repaint();
    return 1;
}

LRESULT CKEdit::OnCanUndo(WPARAM, LPARAM) { return m_text.CanUndo() ? 1 : 0; }

// The plain default: a child passes the request on to its parent.
LRESULT CKEdit::OnContextMenu(WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(m_hWnd, WM_CONTEXTMENU, wParam, lParam);
}
