#include "CKComboBox.h"

#include <kelm/lists/CKComboLCont.h>
#include <kelm/lists/CKListBox.h>
#include <kelm/paint/CKMaskPainter.h>
#include <kelm/paint/CKPaintBuffer.h>
#include <kelm/paint/CKStdPainter.h>
#include <kelm/paint/KelmTrackMouse.h>

namespace {
const COLORREF crInk = RGB(0, 0, 0);
const COLORREF crPaper = RGB(255, 255, 255);

const int nStateHighlight = 0x10, nStateDisabled = 0x02;

// The CB_ messages the list answers. Repaint: the face is painted again afterwards. Changes: the
// list's selection may move (items come and go), so the committed one follows it while closed.
struct Forward {
    UINT nCombo;
    UINT nList;
    bool bRepaint;
    bool bChanges;
};
const Forward g_forward[] = {
    {CB_ADDSTRING, LB_ADDSTRING, false, true},
    {CB_DELETESTRING, LB_DELETESTRING, false, true},
    {CB_GETCOUNT, LB_GETCOUNT, false, false},
    {CB_GETCURSEL, LB_GETCURSEL, false, false},
    {CB_GETLBTEXT, LB_GETTEXT, false, false},
    {CB_GETLBTEXTLEN, LB_GETTEXTLEN, false, false},
    {CB_INSERTSTRING, LB_INSERTSTRING, false, true},
    {CB_RESETCONTENT, LB_RESETCONTENT, true, true},
    {CB_FINDSTRING, LB_FINDSTRING, false, false},
    {CB_SELECTSTRING, LB_SELECTSTRING, true, true},
    {CB_SETCURSEL, LB_SETCURSEL, true, true},
    {CB_GETITEMDATA, LB_GETITEMDATA, false, false},
    {CB_SETITEMDATA, LB_SETITEMDATA, true, false},
    {CB_FINDSTRINGEXACT, LB_FINDSTRINGEXACT, false, false},
    {CB_GETTOPINDEX, LB_GETTOPINDEX, false, false},
    {CB_SETTOPINDEX, LB_SETTOPINDEX, false, false},
    {CB_GETHORIZONTALEXTENT, LB_GETHORIZONTALEXTENT, false, false},
    {CB_SETHORIZONTALEXTENT, LB_SETHORIZONTALEXTENT, false, false},
    {CB_INITSTORAGE, LB_INITSTORAGE, false, false},
};

const Forward* FindForward(UINT nMsg) {
    for (const Forward& f : g_forward)
        if (f.nCombo == nMsg) return &f;
    return NULL;
}

// Takes the message that was looked at out of the queue, unprocessed.
void RemoveMessage(const MSG& msg) {
    MSG removed;
    ::PeekMessageA(&removed, msg.hwnd != NULL ? msg.hwnd : (HWND)-1, msg.message, msg.message, PM_REMOVE);
}
}  // namespace

IMPLEMENT_DYNAMIC(CKComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CKComboBox, CComboBox)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_KILLFOCUS()
    ON_WM_SETFOCUS()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_DESTROY()
    ON_MESSAGE(CB_SHOWDROPDOWN, OnShowDropDown)
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_MESSAGE(CB_ADDSTRING, OnPassToList)
    ON_MESSAGE(CB_DELETESTRING, OnPassToList)
    ON_MESSAGE(CB_GETCOUNT, OnPassToList)
    ON_MESSAGE(CB_GETCURSEL, OnPassToList)
    ON_MESSAGE(CB_GETLBTEXT, OnPassToList)
    ON_MESSAGE(CB_GETLBTEXTLEN, OnPassToList)
    ON_MESSAGE(CB_INSERTSTRING, OnPassToList)
    ON_MESSAGE(CB_RESETCONTENT, OnPassToList)
    ON_MESSAGE(CB_FINDSTRING, OnPassToList)
    ON_MESSAGE(CB_SELECTSTRING, OnPassToList)
    ON_MESSAGE(CB_SETCURSEL, OnPassToList)
    ON_MESSAGE(CB_GETITEMDATA, OnPassToList)
    ON_MESSAGE(CB_SETITEMDATA, OnPassToList)
    ON_MESSAGE(CB_FINDSTRINGEXACT, OnPassToList)
    ON_MESSAGE(CB_GETTOPINDEX, OnPassToList)
    ON_MESSAGE(CB_SETTOPINDEX, OnPassToList)
    ON_MESSAGE(CB_GETHORIZONTALEXTENT, OnPassToList)
    ON_MESSAGE(CB_SETHORIZONTALEXTENT, OnPassToList)
    ON_MESSAGE(CB_INITSTORAGE, OnPassToList)
END_MESSAGE_MAP()

CKComboBox::CKComboBox()
    : m_bOpenUp(true), m_nCurSel(-1), m_bHot(false), m_bPressed(false), m_bFocused(false), m_pList(NULL),
      m_bDeleteList(false), m_pCont(NULL), m_hFont(NULL), m_pbGone(NULL) {}

CKComboBox::~CKComboBox() {
    if (m_pbGone != NULL) {  // the list is open: the loop ends without touching this object
        *m_pbGone = true;
        m_pbGone = NULL;
    }
    // The window goes while this class's handlers can still see it.
    if (m_hWnd != NULL && CWnd::FromHandlePermanent(m_hWnd) == this) DestroyWindow();
    delete m_pCont;  // with its window, and the list's window inside it
    if (m_bDeleteList) delete m_pList;
}

void CKComboBox::SetList(CKListBox* pList, bool bDelete) {
    m_pList = pList;
    m_bDeleteList = bDelete;
}

bool CKComboBox::IsOpen() const {
    return m_pCont != NULL && ::IsWindow(m_pCont->m_hWnd) && ::IsWindowVisible(m_pCont->m_hWnd);
}

LRESULT CKComboBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

void CKComboBox::NotifyParent(UINT nCode) {
    const HWND hParent = ::GetParent(m_hWnd);
    const UINT nId = LOWORD(::GetWindowLongA(m_hWnd, GWL_ID));
    if (hParent != NULL) ::SendMessageA(hParent, WM_COMMAND, MAKEWPARAM(nId, nCode), (LPARAM)m_hWnd);
}

// ---------------------------------------------------------------------------------------------
// The face

void CKComboBox::OnPaint() {
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    const int w = rc.Width(), h = rc.Height();
    if (w <= 0 || h <= 0) return;
    try {
        CKPaintBuffer buffer(&dc, w, h);
        buffer.Mask().FillSolidRect(0, 0, w, h, crInk);
        DrawCombo(&buffer.Mask(), rc);
        int nState = 0;
        if (m_bFocused || (m_pList != NULL && ::IsWindow(m_pList->m_hWnd) && m_pList->IsWindowVisible()))
            nState |= nStateHighlight;
        if (!IsWindowEnabled()) nState |= nStateDisabled;
        DrawMask(&buffer.Colour(), &buffer.Mask(), rc, nState);
        buffer.Present(&dc);
    } catch (...) {
        // Out of GDI resources, or a failing DrawItemData: this paint is skipped (no exception may
        // leave the window procedure).
    }
}

BOOL CKComboBox::OnEraseBkgnd(CDC*) { return TRUE; }

void CKComboBox::DrawCombo(CDC* pMaskDC, CRect rc) {
    DrawArrow(pMaskDC, rc, m_bHot && m_bPressed);
    if (m_nCurSel < 0 || m_pList == NULL || !::IsWindow(m_pList->m_hWnd)) return;
    pMaskDC->SetTextColor(crPaper);
    pMaskDC->SetBkMode(TRANSPARENT);
    const HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
    const HGDIOBJ hOldFont = hFont != NULL ? pMaskDC->SelectObject(hFont) : NULL;
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = 10;
    dis.itemID = (UINT)m_nCurSel;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = ODS_COMBOBOXEDIT;
    dis.hwndItem = m_pList->m_hWnd;
    dis.hDC = pMaskDC->m_hDC;
    dis.rcItem = rc;
    // A list without strings shows the text its item data points at.
    if (!(m_pList->GetStyle() & LBS_HASSTRINGS)) {
        const LRESULT lData = ::SendMessageA(m_pList->m_hWnd, LB_GETITEMDATA, (WPARAM)m_nCurSel, 0);
        dis.itemData = lData == LB_ERR ? 0 : (ULONG_PTR)lData;
    }
    struct RestoreFont {
        CDC* pDC;
        HGDIOBJ hOld;
        ~RestoreFont() {
            if (hOld != NULL) pDC->SelectObject(hOld);
        }
    } restore = {pMaskDC, hOldFont};
    m_pList->DrawItemData(pMaskDC, rc, &dis);
}

void CKComboBox::DrawArrow(CDC* pMaskDC, CRect& rc, bool bPressed) {
    const CRect rcArrow(rc.right - nArrowWidth, rc.top, rc.right, rc.bottom);
    rc.right -= nArrowWidth + 1;
    const bool bFlag = IsOpen() ? !bPressed : bPressed;
    CKStdPainter::DrawArrow(pMaskDC, rcArrow, m_bOpenUp ? dirDropUp : dirDropDown, bFlag);
}

void CKComboBox::DrawMask(CDC* pDC, CDC* pMaskDC, CRect rc, int nState) {
    CKMaskPainter painter(this);
    CKPaintBuffer::PaintLayers(painter, pDC, pMaskDC, rc,
                               StateLayers(!(nState & nStateDisabled), m_bHot, (nState & nStateHighlight) != 0));
}

// ---------------------------------------------------------------------------------------------
// Messages

int CKComboBox::OnCreate(LPCREATESTRUCT) { return Default() == -1 ? -1 : 0; }

void CKComboBox::OnSize(UINT, int, int) { Default(); }

void CKComboBox::OnLButtonDown(UINT, CPoint) {
    m_bPressed = true;
    Invalidate(TRUE);
    SetFocus();
}

void CKComboBox::OnLButtonUp(UINT, CPoint) {
    if (!m_bPressed) return;
    m_bPressed = false;
    Invalidate(TRUE);
    UpdateWindow();
    OpenList();
}

void CKComboBox::OnMouseMove(UINT, CPoint point) {
    CRect rc;
    GetClientRect(&rc);
    if (!m_bHot && rc.PtInRect(point)) {
        m_bHot = true;
        Invalidate(TRUE);
        TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
        KELMTrackMouseEvent(&tme);
    }
    Default();
}

LRESULT CKComboBox::OnMouseLeave(WPARAM, LPARAM) {
    m_bHot = false;
    Invalidate(TRUE);
    return 1;
}

void CKComboBox::OnKillFocus(CWnd*) {
    m_bFocused = false;
    if (m_pCont != NULL && ::IsWindow(m_pCont->m_hWnd)) m_pCont->ShowWindow(SW_HIDE);
    Invalidate(TRUE);
}

void CKComboBox::OnSetFocus(CWnd*) {
    m_bFocused = true;
    Invalidate(TRUE);
}

void CKComboBox::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    CKStdPainter::OnNcCalcSize(this, bCalcValidRects, lpncsp);
}

void CKComboBox::OnNcPaint() { CKStdPainter::OnNcPaint(this); }

// Destroyed while the list is open: the loop ends, and the top-most container does not stay.
void CKComboBox::OnDestroy() {
    if (m_pbGone != NULL) {
        *m_pbGone = true;
        m_pbGone = NULL;
    }
    if (m_pCont != NULL && ::IsWindow(m_pCont->m_hWnd)) m_pCont->ShowWindow(SW_HIDE);
    Default();
}

LRESULT CKComboBox::OnShowDropDown(WPARAM wParam, LPARAM) {
    const bool bShow = wParam != 0;
    if (bShow == IsOpen()) return 1;
    if (bShow) OpenList();
    else if (m_pCont != NULL && ::IsWindow(m_pCont->m_hWnd)) m_pCont->ShowWindow(SW_HIDE);
    return 1;
}

LRESULT CKComboBox::OnSetFont(WPARAM wParam, LPARAM lParam) {
    m_hFont = (HFONT)wParam;
    if (LOWORD(lParam)) Invalidate(TRUE);
    return 0;
}

LRESULT CKComboBox::OnGetFont(WPARAM, LPARAM) { return (LRESULT)m_hFont; }

LRESULT CKComboBox::OnPassToList(WPARAM wParam, LPARAM lParam) { return PassToList(wParam, lParam); }

LRESULT CKComboBox::PassToList(WPARAM wParam, LPARAM lParam) {
    const Forward* f = FindForward(GetCurrentMessage()->message);
    if (f == NULL || m_pList == NULL || !::IsWindow(m_pList->m_hWnd)) return CB_ERR;
    if (f->nCombo == CB_GETLBTEXT && lParam == 0) return CB_ERR;  // no buffer to write to
    // A search starts after an item or, at -1, at the beginning; the platform's list box reads
    // before its items for a start below -1.
    if ((f->nCombo == CB_FINDSTRING || f->nCombo == CB_FINDSTRINGEXACT || f->nCombo == CB_SELECTSTRING) &&
        (int)wParam < -1)
        return CB_ERR;
    const HWND hList = m_pList->m_hWnd;
    const bool bClosed = !IsOpen();
    if (f->nCombo == CB_SETCURSEL && bClosed) m_nCurSel = (int)wParam;
    const LRESULT lResult = ::SendMessageA(hList, f->nList, wParam, lParam);
    bool bRepaint = f->bRepaint;
    if (f->bChanges && bClosed && ::IsWindow(hList)) {
        // An index the list does not have selects nothing; deleted and inserted items move the
        // selection: the face shows what the list has selected.
        const int nSel = (int)::SendMessageA(hList, LB_GETCURSEL, 0, 0);
        if (nSel != m_nCurSel) {
            m_nCurSel = nSel;
            bRepaint = true;
        }
    }
    if (bRepaint && ::IsWindow(m_hWnd)) {
        Invalidate(TRUE);
        UpdateWindow();
    }
    return lResult;
}

BOOL CKComboBox::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd && pMsg->wParam != VK_ESCAPE) {
        OpenList();
        return TRUE;
    }
    return FALSE;
}

// ---------------------------------------------------------------------------------------------
// Opening and the modal loop

void CKComboBox::CloseList(EClose how) {
    if (how == closeCancel && m_pList != NULL && ::IsWindow(m_pList->m_hWnd))
        ::SendMessageA(m_pList->m_hWnd, LB_SETCURSEL, (WPARAM)m_nCurSel, 0);
    if (m_pCont != NULL && ::IsWindow(m_pCont->m_hWnd)) m_pCont->ShowWindow(SW_HIDE);
    if (::IsWindow(m_hWnd)) SetFocus();
}

void CKComboBox::OpenList() {
    if (m_pbGone != NULL) return;  // open already: its loop is running
    if (m_pList == NULL || !::IsWindow(m_pList->m_hWnd) || !::IsWindow(m_hWnd)) return;
    if (m_pCont != NULL && !::IsWindow(m_pCont->m_hWnd)) {
        delete m_pCont;
        m_pCont = NULL;
    }
    if (m_pCont == NULL) {
        m_pCont = new CKComboLCont;
        if (!m_pCont->Create(m_pList, this)) {
            delete m_pCont;
            m_pCont = NULL;
            return;
        }
    }

    // From here on the object may go away in any message it lets through: bGone says so, and
    // then nothing of it is touched again.
    bool bGone = false;
    m_pbGone = &bGone;
    const HWND hList = m_pList->m_hWnd, hCont = m_pCont->m_hWnd;

    NotifyParent(CBN_DROPDOWN);
    if (bGone) return;
    CRect rcCombo, rcList;
    GetClientRect(&rcCombo);
    ClientToScreen(&rcCombo);
    ::GetWindowRect(hList, &rcList);
    const int lw = rcList.Width(), lh = rcList.Height();
    ::SetFocus(NULL);
    if (bGone || !::IsWindow(hCont) || !::IsWindow(hList)) {
        if (!bGone) m_pbGone = NULL;
        return;
    }
    ::ShowWindow(hCont, SW_HIDE);
    m_pCont->SetWindowPos(&CWnd::wndTopMost, rcCombo.left, m_bOpenUp ? rcCombo.top - lh : rcCombo.bottom, lw, lh,
                          SWP_NOACTIVATE);
    ::SetWindowPos(hList, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pList->ModifyStyle(0, WS_CLIPSIBLINGS);
    ::SendMessageA(hList, LB_SETCURSEL, (WPARAM)m_nCurSel, 0);
    const int s = ::GetSystemMetrics(SM_CXVSCROLL);
    m_pCont->ScrollBar().SetWindowPos(NULL, lw - s, 0, s, lh, SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(hList, SW_SHOW);
    ::ShowWindow(hCont, SW_SHOW);
    ::SetFocus(hList);

    bool bQuit = false;
    WPARAM nQuitCode = 0;
    while (!bGone && ::IsWindowVisible(hCont) && ::IsWindow(hList) && ::GetParent(hList) == hCont) {
        MSG msg;
        if (!::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE)) {
            ::WaitMessage();  // nothing to do until the next message
            continue;
        }
        const bool bInside = CWnd::FromHandlePermanent(msg.hwnd) != NULL && ::IsChild(hCont, msg.hwnd);
        if (!bInside) {
            bool bSwallow = false;
            switch (msg.message) {
            case WM_ACTIVATE:
            case WM_ACTIVATEAPP:
            case WM_NCLBUTTONDOWN:
            case WM_NCLBUTTONUP:
            case WM_LBUTTONDOWN:
            case WM_LBUTTONUP:
                CloseList(closeCancel);
                bSwallow = true;
                break;
            case WM_NCHITTEST:
            case WM_NCMOUSEMOVE:
            case WM_NCRBUTTONDOWN:
            case WM_NCRBUTTONUP:
            case WM_NCMBUTTONDOWN:
            case WM_NCMBUTTONUP:
            case WM_MOUSEMOVE:
            case WM_RBUTTONDOWN:
            case WM_RBUTTONUP:
            case WM_MBUTTONDOWN:
            case WM_MBUTTONUP:
                bSwallow = true;
                break;
            default: break;
            }
            if (bSwallow) {
                if (!bGone) RemoveMessage(msg);
                continue;
            }
        } else if (msg.hwnd == hList) {
            if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
                CloseList(closeCancel);
            } else if ((msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) ||
                       (msg.message == WM_KEYDOWN && msg.wParam == 'Z' && ::GetKeyState(VK_CONTROL) < 0) ||
                       msg.message == WM_LBUTTONUP || msg.message == WM_ACTIVATEAPP) {
                CloseList(closeAccept);
            }
        }
        if (bGone) break;
        if (!AfxPumpMessage()) {
            // WM_QUIT: the list closes as on a cancel, and the application still gets to quit.
            CWinThread* pThread = AfxGetThread();
            nQuitCode = pThread != NULL ? pThread->m_msgCur.wParam : msg.wParam;
            bQuit = true;
            if (!bGone) CloseList(closeCancel);
            break;
        }
    }

    if (!bGone) {
        if (::IsWindow(hCont) && ::IsWindowVisible(hCont)) ::ShowWindow(hCont, SW_HIDE);  // the list went away
        if (::IsWindow(hList) && ::GetParent(hList) == hCont) {
            const int nSel = (int)::SendMessageA(hList, LB_GETCURSEL, 0, 0);
            if (nSel != m_nCurSel) {
                m_nCurSel = nSel;
                NotifyParent(CBN_SELCHANGE);
            }
        }
        if (!bGone) NotifyParent(CBN_CLOSEUP);
        if (!bGone) {
            m_pbGone = NULL;
            Invalidate(FALSE);
        }
    }
    if (bQuit) ::PostQuitMessage((int)nQuitCode);
}
