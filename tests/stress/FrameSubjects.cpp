// Stress subjects of the frames: a skinned frame (title bar, buttons, border) holding a skinned
// form view, as a child window of the host.
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
    pFrame->SendMessage(WM_SYSCOMMAND, SC_RESTORE);
    pFrame->SendMessage(WM_ACTIVATE, WA_INACTIVE);
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

SubjectRegistrar g_frame({"skinned frame", CRect(10, 10, 290, 200), &CreateFrame,
                          {WM_ACTIVATE, WM_NCACTIVATE, WM_SYSCOMMAND, WM_COMMAND, WM_LBUTTONDBLCLK, WM_IDLEUPDATECMDUI},
                          &SendFrame, &CheckFrame});

}  // namespace
}  // namespace kst
