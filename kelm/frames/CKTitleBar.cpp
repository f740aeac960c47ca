#include "CKTitleBar.h"

#include <kelm/frames/CKFrameWnd.h>
#include <kelm/paint/CKPaintBuffer.h>
#include <kelm/paint/CKResourceScope.h>
#include <kelm/paint/CKStdPainter.h>

#include <algorithm>

namespace {
const char szTitleBarName[] = "Pasek tytułowy";
const char szTipMinimize[] = "Zmniejszenie okna do paska zadań";
const char szTipMaximize[] = "Powiększenie okna na cały ekran";
const char szTipRestore[] = "Przywrócenie rozmiarów okna";
const char szTipClose[] = "Zamknięcie okna";
}  // namespace

IMPLEMENT_DYNAMIC(CKTitleBar, CControlBar)

BEGIN_MESSAGE_MAP(CKTitleBar, CControlBar)
    ON_WM_PAINT()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONDOWN()
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
END_MESSAGE_MAP()

CKTitleBar::CKTitleBar() : m_bActive(false), m_bMaximized(false), m_pTitleMask(NULL), m_hFont(NULL) {}

CKTitleBar::~CKTitleBar() {
    delete m_pTitleMask;
    m_pTitleMask = NULL;
}

BOOL CKTitleBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    m_dwStyle = dwStyle;
    // Without a caption on the frame the bar stays hidden.
    const DWORD dwWndStyle = (pParentWnd->GetStyle() & WS_CAPTION) ? (dwStyle & 0xFFFF0000) | WS_VISIBLE
                                                                    : dwStyle & 0xEFFF0000;
    m_bMaximized = pParentWnd->IsZoomed() != 0;
    return CWnd::Create(NULL, szTitleBarName, dwWndStyle, CRect(0, 0, 32760, nHeight), pParentWnd, nID);
}

CToolTipCtrl* CKTitleBar::FrameToolTip() {
    CKFrameWnd* pFrame = DYNAMIC_DOWNCAST(CKFrameWnd, GetParentFrame());
    return pFrame != NULL && pFrame->m_wndToolTip.m_hWnd != NULL ? &pFrame->m_wndToolTip : NULL;
}

void CKTitleBar::LoadMaximizeMasks() {
    CKResourceScope scope("KELM.dll");
    if (m_bMaximized) m_btnMaximize.LoadMasks(138, 139);
    else m_btnMaximize.LoadMasks(134, 135);
}

int CKTitleBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CControlBar::OnCreate(lpCreateStruct) == -1) return -1;
    {
        CKResourceScope scope("KELM.dll");
        m_btnClose.LoadMasks(132, 133);
        m_btnMinimize.LoadMasks(136, 137);
    }
    LoadMaximizeMasks();

    CToolTipCtrl* pTip = FrameToolTip();
    const DWORD dwParentStyle = GetParent()->GetStyle();
    if (dwParentStyle & WS_MINIMIZEBOX) {
        m_btnMinimize.Create("", WS_CHILD | WS_VISIBLE, CRect(540, 0, 556, 16), this, nMinimizeId);
        if (pTip != NULL) pTip->AddTool(&m_btnMinimize, szTipMinimize);
    }
    if (dwParentStyle & WS_MAXIMIZEBOX) {
        m_btnMaximize.Create("", WS_CHILD | WS_VISIBLE, CRect(520, 0, 536, 16), this, nMaximizeId);
        if (pTip != NULL) pTip->AddTool(&m_btnMaximize, m_bMaximized ? szTipRestore : szTipMaximize);
    }
    m_btnClose.Create("", WS_CHILD | WS_VISIBLE, CRect(500, 0, 516, 16), this, nCloseId);
    if (pTip != NULL) pTip->AddTool(&m_btnClose, szTipClose);
    return 0;
}

void CKTitleBar::OnSize(UINT nType, int cx, int cy) {
    // The close button keeps a margin of m from the right edge, maximize sits m pixels left of
    // it, minimize one pixel left of maximize (or in its place).
    const int m = (cy - nButtonSize) / 2;
    CWnd* pParent = GetParent();
    const DWORD dwParentStyle = pParent->GetStyle();
    if (m_btnClose.m_hWnd != NULL) m_btnClose.MoveWindow(cx - m - nButtonSize, m, nButtonSize, nButtonSize, TRUE);
    int p = 2 * m + 32;
    if (dwParentStyle & WS_MAXIMIZEBOX) {
        if (m_btnMaximize.m_hWnd != NULL) m_btnMaximize.MoveWindow(cx - p, m, nButtonSize, nButtonSize, TRUE);
        p = 2 * m + 49;
    }
    if ((dwParentStyle & WS_MINIMIZEBOX) && m_btnMinimize.m_hWnd != NULL)
        m_btnMinimize.MoveWindow(cx - p, m, nButtonSize, nButtonSize, TRUE);

    const bool bZoomed = pParent->IsZoomed() != 0;
    if (bZoomed != m_bMaximized) {
        m_bMaximized = bZoomed;
        LoadMaximizeMasks();
        if (m_btnMaximize.m_hWnd != NULL) {
            if (CToolTipCtrl* pTip = FrameToolTip()) pTip->UpdateTipText(bZoomed ? szTipRestore : szTipMaximize, &m_btnMaximize);
            // The button shows its new glyph now, not at some later paint.
            m_btnMaximize.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        }
    }
    CControlBar::OnSize(nType, cx, cy);
}

BOOL CKTitleBar::OnCommand(WPARAM wParam, LPARAM lParam) {
    CWnd* pParent = GetParent();
    switch (LOWORD(wParam)) {
    case nMinimizeId:
        pParent->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        ::SetFocus(NULL);
        break;
    case nMaximizeId:
        pParent->SendMessage(WM_SYSCOMMAND, pParent->IsZoomed() ? SC_RESTORE : SC_MAXIMIZE, 0);
        ::SetFocus(NULL);
        break;
    case nCloseId:
        pParent->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
        return TRUE;  // the bar may be gone with its frame
    }
    return CControlBar::OnCommand(wParam, lParam);
}

void CKTitleBar::OnLButtonDown(UINT, CPoint point) {
    // The system moves the frame as if its caption had been pressed.
    ClientToScreen(&point);
    GetParent()->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

void CKTitleBar::OnLButtonDblClk(UINT nFlags, CPoint point) { CControlBar::OnLButtonDblClk(nFlags, point); }

BOOL CKTitleBar::OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }

LRESULT CKTitleBar::OnSetFont(WPARAM wParam, LPARAM lParam) {
    m_hFont = (HFONT)wParam;
    if (LOWORD(lParam)) Invalidate();
    return 0;
}

LRESULT CKTitleBar::OnGetFont(WPARAM, LPARAM) { return (LRESULT)m_hFont; }

void CKTitleBar::OnPaint() {
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    const int nWidth = std::min<int>(rc.Width(), nMaxTitleWidth), nHeight = rc.Height();
    if (nWidth <= 0 || nHeight <= 0) return;
    try {
        CKPaintBuffer buffer(&dc, nWidth, nHeight);
        CDC& mask = buffer.Mask();
        if (m_pTitleMask != NULL) {
            const CSize size = m_pTitleMask->GetSize();
            mask.BitBlt(0, 0, std::min<int>(size.cx, nWidth), std::min<int>(size.cy, nHeight), m_pTitleMask, 0, 0,
                        SRCCOPY);
        } else {
            CString strTitle;
            GetParent()->GetWindowText(strTitle);
            HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
            HGDIOBJ hOldFont = hFont != NULL ? mask.SelectObject((HGDIOBJ)hFont) : NULL;
            mask.SetTextAlign(TA_LEFT | TA_TOP);
            mask.SetBkMode(OPAQUE);
            mask.SetTextColor(RGB(0, 0, 0));
            mask.SetBkColor(RGB(255, 255, 255));
            mask.TextOut(1, 0, strTitle);
            if (hOldFont != NULL) mask.SelectObject(hOldFont);
        }
        buffer.Compose(this, SKLayers{ctBitmap, true, ctShadow, m_bActive ? ctShadow : ctBitmap});
        buffer.Present(&dc);
    } catch (const char*) {
        // Out of GDI resources: the bar keeps its old picture until the next paint.
    }
}

CSize CKTitleBar::CalcFixedLayout(BOOL, BOOL) {
    const int cy = m_pTitleMask != NULL ? m_pTitleMask->GetSize().cy : nHeight;
    return CSize(10000, cy);
}

void CKTitleBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) { UpdateDialogControls(pTarget, FALSE); }

void CKTitleBar::SetMaskAsTitle(UINT nIDBitmap) {
    // The new picture first: when it cannot be loaded the old one stays.
    CKBitmapDC* pMask = new CKResBitmapDC(NULL, nIDBitmap);
    delete m_pTitleMask;
    m_pTitleMask = pMask;
    if (m_hWnd != NULL) {
        Invalidate();
        // Its height is the bar's now.
        if (CFrameWnd* pFrame = GetParentFrame()) pFrame->RecalcLayout();
    }
}
