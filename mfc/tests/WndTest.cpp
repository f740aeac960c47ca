// Window-side behaviour of the framework: dispatch, Default() after subclassing, reflection,
// the handle map, exceptions inside handlers.
#include <afxcmn.h>
#include <afxwin.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "KelmTest.h"

namespace {

// A parent that records what reaches its own handlers.
class CRecordingParent : public CWnd {
public:
    std::vector<UINT> commands;
    int drawItems = 0;
    int hscrolls = 0;
    BOOL CreateTop() {
        return CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)::GetStockObject(WHITE_BRUSH)),
                        "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200, NULL, NULL);
    }
    afx_msg void OnClickedOne() { commands.push_back(1); }
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS) {
        ++drawItems;
        CWnd::OnDrawItem(nIDCtl, lpDIS);
    }
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
        ++hscrolls;
        CWnd::OnHScroll(nSBCode, nPos, pScrollBar);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingParent, CWnd)
    ON_BN_CLICKED(1, OnClickedOne)
    ON_WM_DRAWITEM()
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

// A subclassed platform button that counts its handler calls and reflected messages.
class CCountingButton : public CButton {
public:
    int mouseMoves = 0;
    int lastX = -1, lastY = -1;
    int drawn = 0;
    int reflectedClicks = 0;
    LRESULT defaultResult = -12345;
    afx_msg void OnMouseMove(UINT nFlags, CPoint point) {
        ++mouseMoves;
        lastX = point.x;
        lastY = point.y;
        CButton::OnMouseMove(nFlags, point);
    }
    afx_msg UINT OnGetDlgCode() {
        defaultResult = Default();  // the platform button's own answer
        return (UINT)defaultResult;
    }
    void DrawItem(LPDRAWITEMSTRUCT) override { ++drawn; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingButton, CButton)
    ON_WM_MOUSEMOVE()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

// A button that handles its own BN_CLICKED through reflection.
class CSelfClickButton : public CButton {
public:
    int clicks = 0;
    afx_msg void OnClicked() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfClickButton, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class CThrowingWnd : public CWnd {
public:
    afx_msg void OnTimer(UINT_PTR) { throw "handler failed"; }
    afx_msg void OnPaint() { throw 42; }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
        if (failCreate) throw "no";
        return CWnd::OnCreate(lpcs);
    }
    bool failCreate = false;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_WM_CREATE()
END_MESSAGE_MAP()

class CSelfDeleting : public CWnd {
public:
    static int deleted;
    ~CSelfDeleting() override { ++deleted; }
    void PostNcDestroy() override { delete this; }
};
int CSelfDeleting::deleted = 0;

}  // namespace

TEST(AfxWnd, SubclassedButtonGetsHandlersAndDefault) {
    CRecordingParent parent;
    ASSERT_TRUE(parent.CreateTop());
    HWND hButton = ::CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 30,
                                     parent.m_hWnd, (HMENU)7, ::GetModuleHandleA(NULL), NULL);
    CCountingButton button;
    ASSERT_TRUE(button.SubclassWindow(hButton));
    EXPECT_EQ(CWnd::FromHandlePermanent(hButton), &button);
    EXPECT_EQ(CWnd::FromHandle(hButton), &button);
    EXPECT_FALSE(CCountingButton().SubclassWindow(hButton)) << "a window is subclassed by one object";

    kt::SendMouse(hButton, WM_MOUSEMOVE, 12, 17);
    EXPECT_EQ(button.mouseMoves, 1);
    EXPECT_EQ(button.lastX, 12);
    EXPECT_EQ(button.lastY, 17);

    // Default() inside the handler reaches the platform's button procedure.
    LRESULT code = ::SendMessageA(hButton, WM_GETDLGCODE, 0, 0);
    EXPECT_TRUE(code & DLGC_BUTTON);
    EXPECT_EQ(code, button.defaultResult);

    // Platform behaviour goes on under the handlers: BM_SETCHECK/GETCHECK reach the old procedure.
    ::SendMessageA(hButton, BM_SETSTATE, TRUE, 0);
    EXPECT_TRUE(::SendMessageA(hButton, BM_GETSTATE, 0, 0) & BST_PUSHED);

    button.DestroyWindow();
    EXPECT_EQ(button.m_hWnd, (HWND)NULL) << "WM_NCDESTROY detaches the object";
    EXPECT_EQ(CWnd::FromHandlePermanent(hButton), (CWnd*)NULL);
}

TEST(AfxWnd, ReflectionReachesTheChild) {
    CRecordingParent parent;
    ASSERT_TRUE(parent.CreateTop());

    CCountingButton owner;
    ASSERT_TRUE(owner.Create("o", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 90, 40), &parent, 5));
    kt::PumpPending();
    owner.Invalidate();
    owner.UpdateWindow();
    EXPECT_GT(parent.drawItems, 0) << "the parent's handler sees WM_DRAWITEM first";
    EXPECT_GT(owner.drawn, 0) << "and passes it on to the button's DrawItem";

    // WM_COMMAND: a child that handles the notification itself keeps the parent's entry silent.
    CSelfClickButton self;
    ASSERT_TRUE(self.Create("s", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(100, 10, 180, 40), &parent, 1));
    self.SendMessage(BM_CLICK);
    EXPECT_EQ(self.clicks, 1);
    EXPECT_TRUE(parent.commands.empty());

    // An unsubclassed child's command reaches the parent's ON_BN_CLICKED entry.
    HWND hPlain = ::CreateWindowExA(0, "BUTTON", "p", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 50, 80, 30,
                                    parent.m_hWnd, (HMENU)1, ::GetModuleHandleA(NULL), NULL);
    ::SendMessageA(hPlain, BM_CLICK, 0, 0);
    ASSERT_EQ(parent.commands.size(), 1u);

    // Scroll messages of a scroll-bar child pass through the parent's handler.
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(SBS_HORZ | WS_VISIBLE, CRect(10, 100, 200, 120), &parent, 9));
    parent.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), (LPARAM)bar.m_hWnd);
    EXPECT_EQ(parent.hscrolls, 1);
    parent.DestroyWindow();
}

TEST(AfxWnd, HandleMapTemporaryAndPermanent) {
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "h", WS_OVERLAPPED, 0, 0, 50, 50, NULL, NULL));
    EXPECT_EQ(CWnd::FromHandle(host.m_hWnd), &host);

    HWND hOther = ::CreateWindowExA(0, "STATIC", "x", WS_CHILD, 0, 0, 10, 10, host.m_hWnd, NULL, NULL, NULL);
    CWnd* pTemp = CWnd::FromHandle(hOther);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(pTemp->m_hWnd, hOther);
    EXPECT_EQ(CWnd::FromHandle(hOther), pTemp) << "one temporary object per handle";
    EXPECT_EQ(CWnd::FromHandlePermanent(hOther), (CWnd*)NULL);
    EXPECT_EQ(pTemp->GetParent(), &host);
    AfxDeleteTempMaps();
    EXPECT_TRUE(::IsWindow(hOther)) << "deleting a temporary object leaves its window alone";

    // Destroying the C++ object destroys its window.
    HWND hHost = host.m_hWnd;
    {
        CWnd scoped;
        ASSERT_TRUE(scoped.Attach(hHost));
        host.Detach();
    }
    EXPECT_FALSE(::IsWindow(hHost));
}

TEST(AfxWnd, PostNcDestroyMayDeleteTheObject) {
    CSelfDeleting::deleted = 0;
    CSelfDeleting* p = new CSelfDeleting;
    ASSERT_TRUE(p->CreateEx(0, AfxRegisterWndClass(0), "d", WS_OVERLAPPED, 0, 0, 50, 50, NULL, NULL));
    HWND h = p->m_hWnd;
    ::DestroyWindow(h);
    EXPECT_EQ(CSelfDeleting::deleted, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(h), (CWnd*)NULL);
}

TEST(AfxWnd, ThrowingHandlerLeavesTheProcessAlive) {
    CThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "t", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 80, 60, NULL, NULL));
    ::SendMessageA(wnd.m_hWnd, WM_TIMER, 1, 0);
    // WM_PAINT: the window is validated so that the paint does not repeat forever.
    ::InvalidateRect(wnd.m_hWnd, NULL, TRUE);
    ::UpdateWindow(wnd.m_hWnd);
    RECT rc;
    EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, &rc, FALSE));
    EXPECT_TRUE(::IsWindow(wnd.m_hWnd));
    wnd.DestroyWindow();

    CThrowingWnd failing;
    failing.failCreate = true;
    EXPECT_FALSE(failing.CreateEx(0, AfxRegisterWndClass(0), "f", WS_OVERLAPPED, 0, 0, 50, 50, NULL, NULL));
    EXPECT_EQ(failing.m_hWnd, (HWND)NULL);
}

TEST(AfxWnd, PreTranslateWalksFromTheTargetUp) {
    struct CEater : public CWnd {
        int seen = 0;
        BOOL PreTranslateMessage(MSG* pMsg) override {
            if (pMsg->message == WM_KEYDOWN) {
                ++seen;
                return TRUE;
            }
            return FALSE;
        }
    } top;
    ASSERT_TRUE(top.CreateEx(0, AfxRegisterWndClass(0), "p", WS_OVERLAPPED, 0, 0, 80, 60, NULL, NULL));
    HWND hChild = ::CreateWindowExA(0, "STATIC", "c", WS_CHILD, 0, 0, 10, 10, top.m_hWnd, NULL, NULL, NULL);
    CWinThread thread;
    thread.m_bAutoDelete = FALSE;
    MSG msg = {hChild, WM_KEYDOWN, 'A', 0, 0, {0, 0}};
    EXPECT_TRUE(thread.PreTranslateMessage(&msg));
    EXPECT_EQ(top.seen, 1);
    msg.message = WM_KEYUP;
    EXPECT_FALSE(thread.PreTranslateMessage(&msg));
    top.DestroyWindow();
}

TEST(AfxWnd, TopLevelParentFollowsOwners) {
    LPCSTR cls = AfxRegisterWndClass(0);
    CWnd frame, popup, child, other;
    ASSERT_TRUE(frame.CreateEx(0, cls, "f", WS_OVERLAPPEDWINDOW, 0, 0, 200, 150, NULL, NULL));
    ASSERT_TRUE(popup.CreateEx(0, cls, "p", WS_POPUP, 20, 20, 80, 60, frame.m_hWnd, NULL));
    ASSERT_TRUE(child.Create(NULL, "", WS_CHILD, CRect(0, 0, 10, 10), &popup, 1));
    EXPECT_EQ(popup.GetTopLevelParent(), &frame) << "an owned popup belongs to its owner";
    EXPECT_EQ(child.GetTopLevelParent(), &frame) << "and so do its children";
    HWND hRaw = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, frame.m_hWnd, NULL, NULL, NULL);
    EXPECT_EQ(CWnd::FromHandle(hRaw)->GetTopLevelParent(), &frame) << "a window without an object: its owner";
    ::DestroyWindow(hRaw);

    ASSERT_TRUE(other.CreateEx(0, cls, "o", WS_OVERLAPPED, 0, 0, 50, 50, NULL, NULL));
    EXPECT_EQ(other.GetTopLevelParent(), &other);
    other.SetOwner(&frame);
    EXPECT_EQ(other.GetTopLevelParent(), &frame) << "a framework owner counts";
    frame.SetOwner(&other);  // a loop of framework owners ends the walk
    EXPECT_NE(frame.GetTopLevelParent(), (CWnd*)NULL);
    frame.SetOwner(NULL);
    other.DestroyWindow();
    frame.DestroyWindow();
}

// A tooltip whose tool has a long text and that copies no more than it is told it may, as the
// current common controls do.
class CLongTipCtrl : public CToolTipCtrl {
public:
    std::string m_text = std::string(3000, 'k');
    WPARAM m_nLargestBuffer = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != TTM_GETTEXTA) return CToolTipCtrl::WindowProc(message, wParam, lParam);
        TOOLINFOA* pti = (TOOLINFOA*)lParam;
        m_nLargestBuffer = std::max(m_nLargestBuffer, wParam);
        if (wParam == 0 || pti == NULL || pti->lpszText == NULL) return 0;
        const size_t n = std::min<size_t>(wParam - 1, m_text.size());
        std::memcpy(pti->lpszText, m_text.data(), n);
        pti->lpszText[n] = '\0';
        return 0;
    }
};

TEST(AfxWnd, ToolTipTextOfAnyLengthComesWhole) {
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "h", WS_OVERLAPPED, 0, 0, 100, 80, NULL, NULL));
    CLongTipCtrl tip;
    ASSERT_TRUE(tip.Create(&host));
    ASSERT_TRUE(tip.AddTool(&host, "krótki"));
    CString text;
    tip.GetText(text, &host);
    EXPECT_EQ(text.GetLength(), 3000) << "the buffer grows until the text fits";
    EXPECT_GT(tip.m_nLargestBuffer, (WPARAM)3000) << "and the control is told its size";
    tip.DestroyWindow();
    host.DestroyWindow();
}

// A host of an extension library may have no CWinApp: the pump still pretranslates from the
// target up, dispatches the rest and reports WM_QUIT.
TEST(AfxWnd, PumpMessageWithoutAnApplication) {
    struct CCounter : public CWnd {
        int pretranslated = 0, dispatched = 0;
        BOOL PreTranslateMessage(MSG* pMsg) override { return pMsg->message == WM_KEYDOWN && ++pretranslated; }
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_KEYDOWN || message == WM_USER + 5) ++dispatched;
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } top;
    ASSERT_EQ(AfxGetApp(), nullptr);
    EXPECT_EQ(AfxGetThread(), nullptr);
    ASSERT_TRUE(top.CreateEx(0, AfxRegisterWndClass(0), "p", WS_OVERLAPPED, 0, 0, 80, 60, NULL, NULL));
    HWND hChild = ::CreateWindowExA(0, "STATIC", "c", WS_CHILD, 0, 0, 10, 10, top.m_hWnd, NULL, NULL, NULL);
    kt::PumpPending();
    ::PostMessageA(hChild, WM_KEYDOWN, 'A', 0);
    ::PostMessageA(top.m_hWnd, WM_USER + 5, 0, 0);
    EXPECT_TRUE(AfxPumpMessage());
    EXPECT_TRUE(AfxPumpMessage());
    EXPECT_EQ(top.pretranslated, 1);
    EXPECT_EQ(top.dispatched, 1) << "the key was eaten, the other message dispatched";
    ::PostQuitMessage(3);
    EXPECT_FALSE(AfxPumpMessage());
    top.DestroyWindow();

    // A thread started by AfxBeginThread finds its own object.
    static CWinThread* s_seen = nullptr;
    CWinThread* pThread = AfxBeginThread([](LPVOID) -> UINT { s_seen = AfxGetThread(); return 0; }, nullptr,
                                         THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(pThread, nullptr);
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    ASSERT_EQ(::WaitForSingleObject(pThread->m_hThread, 10000), WAIT_OBJECT_0);
    EXPECT_EQ(s_seen, pThread);
    delete pThread;
}
