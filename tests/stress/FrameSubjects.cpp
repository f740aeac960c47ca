// Stress subjects of the frames: a skinned frame (title bar, buttons, border) holding a skinned
// form view, as a child window of the host, and a skinned splitter with four panes.
#include <kelm/kelm.h>
#include <gtest/gtest.h>

#include "KelmTest.h"
#include "StressSubjects.h"

namespace kst {
namespace {

int RandIn(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

class CStressForm : public CKFormView {
    DECLARE_DYNCREATE(CStressForm)
protected:
    CStressForm() : CKFormView(7100) {}
};
IMPLEMENT_DYNCREATE(CStressForm, CKFormView)

// Owned by the test, not deleting itself: its window goes before its members do.
class CStressFrame : public CKFrameWnd {
public:
    ~CStressFrame() override {
        if (m_hWnd != NULL) DestroyWindow();
    }

protected:
    void PostNcDestroy() override {}
};

CWnd* CreateFrame(CWnd* pParent, CRect rc) {
    CStressFrame* p = new CStressFrame;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CStressForm);
    p->Create(NULL, "Ramka", WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, rc,
              pParent, NULL, 0, &context);
    p->InitialUpdateFrame(NULL, TRUE);
    return p;
}

void SendFrame(CWnd* p, UINT msg, std::mt19937& rng) {
    CKFrameWnd* pFrame = static_cast<CKFrameWnd*>(p);
    switch (msg) {
    case WM_ACTIVATE: p->SendMessage(msg, (WPARAM)RandIn(rng, 0, 2)); break;
    case WM_NCACTIVATE: p->SendMessage(msg, (WPARAM)RandIn(rng, 0, 1)); break;
    case WM_SYSCOMMAND: {
        static const UINT commands[] = {SC_MAXIMIZE, SC_RESTORE, SC_MINIMIZE};
        p->SendMessage(msg, commands[RandIn(rng, 0, 2)]);
        break;
    }
    case WM_COMMAND:  // the title bar's buttons, but close
        pFrame->m_wndTitleBar.SendMessage(msg, (WPARAM)RandIn(rng, 299, 301));
        break;
    case WM_LBUTTONDBLCLK:
        pFrame->m_wndTitleBar.SendMessage(msg, MK_LBUTTON, MAKELPARAM(RandIn(rng, 0, 200), RandIn(rng, 0, 21)));
        break;
    default: p->SendMessage(msg, TRUE); break;
    }
}

void CheckFrame(CWnd* p) {
    CKFrameWnd* pFrame = static_cast<CKFrameWnd*>(p);
    kt::PumpFor(150);  // hot buttons see the pointer gone
    // A frame minimized from the maximized state restores to maximized first.
    for (int i = 0; i < 2 && (pFrame->IsZoomed() || pFrame->IsIconic()); ++i)
        pFrame->SendMessage(WM_SYSCOMMAND, SC_RESTORE);
    pFrame->SendMessage(WM_ACTIVATE, WA_INACTIVE);
    pFrame->GetParent()->SetFocus();  // the storm may have left the focus on the form's button
    pFrame->SetWindowText("Ramka");
    EXPECT_FALSE(pFrame->IsZoomed() || pFrame->IsIconic());
    EXPECT_TRUE(pFrame->m_wndTitleBar.IsWindowVisible());
    EXPECT_EQ(pFrame->SendMessage(WM_NCACTIVATE, TRUE), TRUE);
    CRect rc, rcBar, rcClose;
    pFrame->GetClientRect(&rc);
    pFrame->m_wndTitleBar.GetWindowRect(&rcBar);
    pFrame->ScreenToClient(&rcBar);
    EXPECT_EQ(rcBar, CRect(0, 0, rc.right, 22));
    CWnd* pClose = pFrame->m_wndTitleBar.GetDlgItem(CKTitleBar::nCloseId);
    ASSERT_NE(pClose, nullptr);
    pClose->GetWindowRect(&rcClose);
    pFrame->m_wndTitleBar.ScreenToClient(&rcClose);
    EXPECT_EQ(rcClose, CRect(rc.right - 19, 3, rc.right - 3, 19));
    ASSERT_NE(pFrame->GetActiveView(), nullptr);
    pFrame->GetActiveView()->GetWindowRect(&rcBar);
    pFrame->ScreenToClient(&rcBar);
    EXPECT_EQ(rcBar, CRect(0, 22, rc.right, rc.bottom));
}

class CWhitePane : public CView {
    DECLARE_DYNCREATE(CWhitePane)
public:
    void OnDraw(CDC* pDC) override {
        CRect rc;
        GetClientRect(&rc);
        pDC->FillSolidRect(rc, RGB(255, 255, 255));
    }
};
IMPLEMENT_DYNCREATE(CWhitePane, CView)

// Owned by the test: its window goes while the whole object still exists.
class CStressSplitter : public CKSplitterWnd {
public:
    ~CStressSplitter() override {
        if (m_hWnd != NULL) DestroyWindow();
    }
};

const UINT WM_DRAG_BAR = WM_APP + 1;       // a press on a bar, a move, a release
const UINT WM_SWITCH_TRACKING = WM_APP + 2;  // tracking on or off

CWnd* CreateSplitter(CWnd* pParent, CRect rc) {
    CStressSplitter* p = new CStressSplitter;
    p->CreateStatic(pParent, 2, 2);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) p->CreateView(r, c, RUNTIME_CLASS(CWhitePane), CSize(0, 0), NULL);
    p->SetColumnInfo(0, 100, 10);
    p->SetRowInfo(0, 80, 10);
    p->MoveWindow(rc);
    return p;
}

void SendSplitter(CWnd* p, UINT msg, std::mt19937& rng) {
    CKSplitterWnd* pSplitter = static_cast<CKSplitterWnd*>(p);
    CRect rc;
    p->GetClientRect(&rc);
    switch (msg) {
    case WM_DRAG_BAR: {
        int cur = 0, min = 0;
        pSplitter->GetColumnInfo(0, cur, min);
        const CPoint pt(cur + RandIn(rng, 0, 4), RandIn(rng, 0, rc.bottom));
        p->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        p->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(RandIn(rng, -50, rc.right + 50), RandIn(rng, -50, rc.bottom + 50)));
        p->SendMessage(RandIn(rng, 0, 3) == 0 ? WM_KEYDOWN : WM_LBUTTONUP, VK_ESCAPE, MAKELPARAM(pt.x, pt.y));
        p->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        break;
    }
    case WM_SWITCH_TRACKING: pSplitter->AllowTracking(RandIn(rng, 0, 1) != 0); break;
    case WM_SETCURSOR: p->SendMessage(msg, (WPARAM)p->m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)); break;
    default: p->SendMessage(msg); break;
    }
}

void CheckSplitter(CWnd* p) {
    CKSplitterWnd* pSplitter = static_cast<CKSplitterWnd*>(p);
    EXPECT_FALSE(pSplitter->IsTracking());
    pSplitter->AllowTracking(true);
    pSplitter->SetColumnInfo(0, 100, 10);
    pSplitter->SetRowInfo(0, 80, 10);
    pSplitter->RecalcLayout();
    ASSERT_EQ(pSplitter->GetRowCount() * pSplitter->GetColumnCount(), 4);
    CRect rc, rcPane;
    p->GetClientRect(&rc);
    pSplitter->GetPane(1, 1)->GetWindowRect(&rcPane);
    p->ScreenToClient(&rcPane);
    EXPECT_EQ(rcPane, CRect(105, 85, rc.right, rc.bottom));
}

SubjectRegistrar g_splitter({"skinned splitter", CRect(10, 10, 290, 200), &CreateSplitter,
                             {WM_DRAG_BAR, WM_SWITCH_TRACKING, WM_SETCURSOR, WM_CANCELMODE}, &SendSplitter,
                             &CheckSplitter});

SubjectRegistrar g_frame({"skinned frame", CRect(10, 10, 290, 200), &CreateFrame,
                          {WM_ACTIVATE, WM_NCACTIVATE, WM_SYSCOMMAND, WM_COMMAND, WM_LBUTTONDBLCLK, WM_IDLEUPDATECMDUI},
                          &SendFrame, &CheckFrame});

}  // namespace
}  // namespace kst
