// The frame window, the dock frame and the form view: creation by class name with title bar and
// tooltip, failure without a title bar, activation repainting the title at once with the skinned
// border kept, the floating dock frame's style, the form view's skin.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "FrameTestUtil.h"

namespace kft {
IMPLEMENT_DYNCREATE(CPlainView, CView)
}  // namespace kft

using namespace kft;

TEST(FrameWnd, IsMadeByItsClassNameWithItsTitleBarTooltipAndSkinnedBorder) {
    TestLook look;
    for (const char* name : {"CKFrameWnd", "CKDockFrame", "CKFormView"}) {
        CRuntimeClass* pClass = CRuntimeClass::FromName(name);
        ASSERT_NE(pClass, nullptr) << name;
        EXPECT_STREQ(pClass->m_lpszClassName, name);
    }
    EXPECT_TRUE(CRuntimeClass::FromName("CKDockFrame")->IsDerivedFrom(RUNTIME_CLASS(CMiniDockFrameWnd)));
    EXPECT_EQ(CRuntimeClass::FromName("CKFormView")->m_pfnCreateObject, nullptr) << "no dynamic creation";

    CKFrameWnd* pFrame = NewFrame(WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 440, 340), RUNTIME_CLASS(CPlainView));
    ASSERT_NE(pFrame, nullptr);
    EXPECT_EQ(::GetDlgItem(pFrame->m_hWnd, 5000), pFrame->m_wndTitleBar.m_hWnd);
    EXPECT_TRUE(pFrame->m_wndTitleBar.IsWindowVisible());
    CRect rc;
    pFrame->GetClientRect(&rc);
    EXPECT_EQ(ChildRect(pFrame->m_wndTitleBar.m_hWnd), CRect(0, 0, rc.right, 22));
    EXPECT_EQ(ChildRect(pFrame->GetActiveView()->m_hWnd), CRect(0, 22, rc.right, rc.bottom));

    // The tooltip is the frame's, with one tool per caption button.
    ASSERT_NE(pFrame->m_wndToolTip.m_hWnd, nullptr);
    EXPECT_EQ(::GetWindow(pFrame->m_wndToolTip.m_hWnd, GW_OWNER), pFrame->m_hWnd);
    EXPECT_EQ(pFrame->m_wndToolTip.GetToolCount(), 3);

    // The skinned border: one ink line for the sizing frame, nothing of the system's caption.
    CRect rcWindow;
    pFrame->GetWindowRect(&rcWindow);
    EXPECT_EQ(rcWindow.Width() - rc.Width(), 2);
    EXPECT_EQ(rcWindow.Height() - rc.Height(), 2);
    const kt::Pixels px = kt::ReadWindow(pFrame->m_hWnd);
    EXPECT_EQ(px.At(0, 0), crInk);
    EXPECT_EQ(px.At(rcWindow.Width() / 2, 0), crInk);

    // Messages relayed through the frame show the caption button's tip.
    kt::MoveCursor(1250, 1000);
    kt::PumpFor(50);
    CWnd* pClose = pFrame->m_wndTitleBar.GetDlgItem(CKTitleBar::nCloseId);
    ASSERT_NE(pClose, nullptr);
    kt::MoveCursorToClient(pClose->m_hWnd, 8, 8);
    bool bShown = false;
    for (const DWORD start = ::GetTickCount(); !bShown && ::GetTickCount() - start < 3000;) {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            if (!pFrame->PreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        bShown = pFrame->m_wndToolTip.IsWindowVisible() != FALSE;
        if (!bShown) ::MsgWaitForMultipleObjects(0, NULL, FALSE, 5, QS_ALLINPUT);
    }
    EXPECT_TRUE(bShown);
    CString tip;
    pFrame->m_wndToolTip.GetWindowText(tip);
    EXPECT_STREQ(tip, "Zamknięcie okna");
    kt::MoveCursor(1250, 1000);
    pFrame->DestroyWindow();

    // Without a caption the title bar exists but stays hidden, and takes no room.
    CKFrameWnd* pBare = NewFrame(WS_POPUP | WS_THICKFRAME | WS_VISIBLE, CRect(40, 40, 440, 340), RUNTIME_CLASS(CPlainView));
    ASSERT_NE(pBare, nullptr);
    ASSERT_NE(pBare->m_wndTitleBar.m_hWnd, nullptr);
    EXPECT_FALSE(pBare->m_wndTitleBar.IsWindowVisible());
    EXPECT_EQ(ChildRect(pBare->GetActiveView()->m_hWnd).top, 0);
    pBare->DestroyWindow();
}

namespace {
LRESULT CALLBACK RefuseTitleBar(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HCBT_CREATEWND) {
        const LPCSTR pszName = ((CBT_CREATEWNDA*)lParam)->lpcs->lpszName;
        if (pszName != NULL && HIWORD((DWORD_PTR)pszName) != 0 && std::strcmp(pszName, "Pasek tytułowy") == 0) return 1;
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}
}  // namespace

TEST(FrameWnd, IsNotCreatedWhenItsTitleBarCannotBe) {
    HHOOK hHook = ::SetWindowsHookExA(WH_CBT, &RefuseTitleBar, NULL, ::GetCurrentThreadId());
    CKFrameWnd* pFrame = NewFrame(WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 440, 340), NULL, "Bez paska");
    ::UnhookWindowsHookEx(hHook);
    EXPECT_EQ(pFrame, nullptr);
    EXPECT_EQ(::FindWindowA(NULL, "Bez paska"), nullptr);
}

namespace {
// Pictures of the title bar taken right after the frame handled WM_ACTIVATE, before any other
// message could repaint it.
struct ActivationProbe {
    HWND hFrame = NULL;
    std::vector<std::pair<UINT, kt::Pixels>> shots;
};
ActivationProbe* g_pProbe = nullptr;

LRESULT CALLBACK AfterWindowProc(int nCode, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* p = (const CWPRETSTRUCT*)lParam;
    if (nCode == HC_ACTION && g_pProbe != nullptr && p->hwnd == g_pProbe->hFrame && p->message == WM_ACTIVATE)
        g_pProbe->shots.emplace_back(LOWORD(p->wParam), kt::ReadClient(::GetDlgItem(p->hwnd, 5000)));
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

void ClickAt(HWND hWnd, int x, int y) {
    kt::MoveCursorToClient(hWnd, x, y);
    kt::ButtonDown();
    kt::ButtonUp();
}

bool BorderIsSkinned(HWND hFrame) {
    const kt::Pixels px = kt::ReadWindow(hFrame);
    const int w = px.width(), h = px.height();
    return w > 0 && px.Count(crInk, 0, 0, w, 1) == w && px.Count(crInk, 0, h - 1, w, h) == w &&
           px.Count(crInk, 0, 0, 1, h) == h && px.Count(crInk, w - 1, 0, w, h) == h;
}
}  // namespace

TEST(FrameWnd, ActivationRepaintsTheTitleAtOnceAndKeepsTheSkinnedBorder) {
    TestLook look;
    kt::HostWindow other(300, 200, 700, 100);
    CKFrameWnd* pFrame = NewFrame(WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 500, 400), RUNTIME_CLASS(CPlainView));
    ASSERT_NE(pFrame, nullptr);
    ActivationProbe probe;
    probe.hFrame = pFrame->m_hWnd;
    g_pProbe = &probe;
    HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, &AfterWindowProc, NULL, ::GetCurrentThreadId());

    ClickAt(other, 150, 100);
    ASSERT_TRUE(kt::PumpUntil([&] { return ::GetActiveWindow() == other.hwnd(); }));
    probe.shots.clear();
    ClickAt(pFrame->m_hWnd, 200, 150);
    ASSERT_TRUE(kt::PumpUntil([&] { return ::GetActiveWindow() == pFrame->m_hWnd; }));
    kt::PumpFor(50);
    EXPECT_TRUE(BorderIsSkinned(pFrame->m_hWnd)) << "after activation";
    ClickAt(other, 150, 100);
    ASSERT_TRUE(kt::PumpUntil([&] { return ::GetActiveWindow() == other.hwnd(); }));
    kt::PumpFor(50);
    EXPECT_TRUE(BorderIsSkinned(pFrame->m_hWnd)) << "after deactivation";
    ::UnhookWindowsHookEx(hHook);
    g_pProbe = nullptr;

    // The title "Ramka" lies in the bar's first 60 pixels: active in the ink's shadow role,
    // inactive in its pattern role.
    ASSERT_EQ(probe.shots.size(), 2u);
    EXPECT_EQ(probe.shots[0].first, (UINT)WA_CLICKACTIVE);
    EXPECT_GT(probe.shots[0].second.Count(crInkShadow, 0, 0, 60, 22), 20);
    EXPECT_EQ(probe.shots[0].second.Count(crInk, 0, 0, 60, 22), 0);
    EXPECT_EQ(probe.shots[1].first, (UINT)WA_INACTIVE);
    EXPECT_GT(probe.shots[1].second.Count(crInk, 0, 0, 60, 22), 20);
    EXPECT_EQ(probe.shots[1].second.Count(crInkShadow, 0, 0, 60, 22), 0);

    // A new title: the bar shows it, the border stays skinned.
    const kt::Pixels before = kt::ReadClient(pFrame->m_wndTitleBar.m_hWnd);
    pFrame->SetWindowText("Inny tytul");
    kt::PumpFor(50);
    EXPECT_TRUE(BorderIsSkinned(pFrame->m_hWnd)) << "after a new title";
    EXPECT_FALSE(kt::ReadClient(pFrame->m_wndTitleBar.m_hWnd) == before);
    pFrame->DestroyWindow();
}

namespace {
class CToolBar : public CControlBar {
public:
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override { return bHorz ? CSize(120, 26) : CSize(26, 120); }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};
}  // namespace

TEST(DockFrame, FloatsBarsWithoutCaptionSizingBorderOrTheMiniFramesStyle) {
    TestLook look;
    CKFrameWnd* pFrame = NewFrame(WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 440, 340), RUNTIME_CLASS(CPlainView));
    ASSERT_NE(pFrame, nullptr);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(CKDockFrame);
    CToolBar bar;
    bar.m_dwStyle = CBRS_TOP;
    ASSERT_TRUE(bar.CWnd::Create(NULL, "bar", WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 26), pFrame, AFX_IDW_TOOLBAR));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&bar);
    EXPECT_EQ(ChildRect(pFrame->GetActiveView()->m_hWnd).top, 22 + 26) << "title bar, then the docked bar";

    pFrame->FloatControlBar(&bar, CPoint(600, 300));
    CFrameWnd* pFloating = bar.GetParentFrame();
    ASSERT_NE(pFloating, nullptr);
    ASSERT_TRUE(pFloating->IsKindOf(RUNTIME_CLASS(CKDockFrame)));
    const DWORD dwStyle = pFloating->GetStyle(), dwExStyle = pFloating->GetExStyle();
    EXPECT_EQ(dwStyle & (WS_CAPTION | WS_THICKFRAME), 0u);
    EXPECT_EQ(dwExStyle & (WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE), 0u);
    EXPECT_EQ(dwExStyle & WS_EX_TOOLWINDOW, 0u) << "the mini frame's own adjustments are not applied";
    // Nothing but the bar inside the skinned border (none set: no border at all).
    CRect rcWindow, rcClient;
    pFloating->GetWindowRect(&rcWindow);
    pFloating->GetClientRect(&rcClient);
    EXPECT_EQ(rcWindow.TopLeft(), CPoint(600, 300));
    EXPECT_EQ(rcWindow.Size(), CSize(120, 26));
    EXPECT_EQ(rcClient.Size(), CSize(120, 26));
    // Activating it changes neither its frame nor the focus.
    const kt::Pixels before = kt::ReadWindow(pFloating->m_hWnd);
    pFloating->SendMessage(WM_NCACTIVATE, TRUE);
    pFloating->SendMessage(WM_NCACTIVATE, FALSE);
    EXPECT_TRUE(kt::ReadWindow(pFloating->m_hWnd) == before);
    pFrame->DestroyWindow();
}

namespace {
class CSkinForm : public CKFormView {
    DECLARE_DYNCREATE(CSkinForm)
protected:
    CSkinForm() : CKFormView(100) {}
    void OnDraw(CDC* pDC) override { pDC->FillSolidRect(CRect(150, 100, 170, 110), RGB(0, 0, 255)); }
};
IMPLEMENT_DYNCREATE(CSkinForm, CKFormView)
}  // namespace

TEST(FormView, PaintsTheSkinBeforeItsDrawingAndNeverErases) {
    TestLook look;
    CKFrameWnd* pFrame = NewFrame(WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 440, 340), RUNTIME_CLASS(CSkinForm));
    ASSERT_NE(pFrame, nullptr);
    CView* pForm = pFrame->GetActiveView();
    ASSERT_NE(pForm, nullptr);
    ASSERT_NE(::GetDlgItem(pForm->m_hWnd, 1002), nullptr) << "the template's button";
    pForm->Invalidate(TRUE);
    pForm->UpdateWindow();
    const kt::Pixels px = kt::ReadClient(pForm->m_hWnd);
    EXPECT_EQ(px.At(5, 5), crInk) << "the ink's pattern role";
    EXPECT_EQ(px.At(px.width() - 5, px.height() - 5), crInk);
    EXPECT_EQ(px.Count(RGB(0, 0, 255), 150, 100, 170, 110), 200) << "the view's drawing over the skin";
    EXPECT_EQ(px.Count(::GetSysColor(COLOR_3DFACE), 200, 0, px.width(), px.height()), 0) << "no class brush";

    CKBitmapDC dc(NULL, 8, 8);
    dc.FillSolidRect(0, 0, 8, 8, RGB(1, 2, 3));
    EXPECT_EQ(pForm->SendMessage(WM_ERASEBKGND, (WPARAM)dc.m_hDC), TRUE);
    EXPECT_EQ(dc.GetPixel(4, 4), RGB(1, 2, 3)) << "erasing paints nothing";
    pFrame->DestroyWindow();
}
