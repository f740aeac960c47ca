// The scroll bar when the window it notifies acts inside a notification: takes the capture (a
// menu, a dialog, a drag) or destroys the bar.
#include <functional>

#include "ScrollBarTestUtil.h"

namespace {

// A spy parent that runs an action once, when a given scroll code arrives.
class CActingParent : public kt::SpyParent {
public:
    UINT m_nActOn = 0xFFFF;
    std::function<void()> m_act;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT lResult = kt::SpyParent::WindowProc(message, wParam, lParam);
        if (message == WM_VSCROLL && LOWORD(wParam) == m_nActOn && m_act) {
            std::function<void()> act;
            act.swap(m_act);
            act();
        }
        return lResult;
    }
};

struct Host {
    CActingParent parent;
    CKScrollBar* pBar = new CKScrollBar;
    Host() {
        EXPECT_TRUE(parent.CreateHost(300, 260, 40, 40));
        EXPECT_TRUE(pBar->Create(SBS_VERT | WS_CHILD | WS_VISIBLE, sbt::kVertRect, &parent, 100));
        SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, 50, 0};
        pBar->SendMessage(SBM_SETSCROLLINFO, TRUE, (LPARAM)&si);  // thumb at rows 100..116
    }
    ~Host() {
        ::ReleaseCapture();
        delete pBar;
        parent.DestroyWindow();
        kt::PumpPending();
    }
    std::vector<UINT> Codes() const {
        std::vector<UINT> out;
        for (const kt::SpyMessage& m : parent.Of(WM_VSCROLL)) out.push_back(LOWORD(m.wParam));
        return out;
    }
    void TakeCaptureOn(UINT nCode) {
        parent.m_nActOn = nCode;
        parent.m_act = [this] { ::SetCapture(parent.m_hWnd); };
    }
    void DestroyBarOn(UINT nCode) {
        parent.m_nActOn = nCode;
        parent.m_act = [this] { delete pBar, pBar = nullptr; };
    }
};

// WM_TIMER messages of timers that belong to no window (a repeat timer started for a bar that
// is gone) during ms milliseconds.
int ThreadTimersFor(DWORD ms) {
    int n = 0;
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        MSG msg;
        while (::PeekMessageA(&msg, (HWND)-1, WM_TIMER, WM_TIMER, PM_REMOVE)) ++n;
        kt::PumpPending();
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
    return n;
}

TEST(ScrollBarReentry, OwnerTakingTheCaptureEndsThePressOnce) {
    {
        Host h;  // at the press: a held arrow
        h.TakeCaptureOn(SB_LINEDOWN);
        kt::SendMouse(h.pBar->m_hWnd, WM_LBUTTONDOWN, 9, 190, MK_LBUTTON);
        EXPECT_EQ(h.Codes(), (std::vector<UINT>{SB_LINEDOWN, SB_ENDSCROLL}));
        EXPECT_EQ(::GetCapture(), h.parent.m_hWnd);
        EXPECT_FALSE(::KillTimer(h.pBar->m_hWnd, 1)) << "no repeat timer is left running";
    }
    {
        Host h;  // at the release of a dragged thumb
        h.TakeCaptureOn(SB_THUMBPOSITION);
        kt::SendMouse(h.pBar->m_hWnd, WM_LBUTTONDOWN, 9, 108, MK_LBUTTON);
        kt::SendMouse(h.pBar->m_hWnd, WM_LBUTTONUP, 9, 108);
        EXPECT_EQ(h.Codes(), (std::vector<UINT>{SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL})) << "each once";
        EXPECT_EQ(::GetCapture(), h.parent.m_hWnd) << "the owner keeps the capture it took";
    }
    {
        Host h;  // at the end of the press
        h.TakeCaptureOn(SB_ENDSCROLL);
        kt::SendClick(h.pBar->m_hWnd, 9, 7);
        EXPECT_EQ(h.Codes(), (std::vector<UINT>{SB_LINEUP, SB_ENDSCROLL}));
        EXPECT_EQ(::GetCapture(), h.parent.m_hWnd);
    }
}

TEST(ScrollBarReentry, OwnerDestroyingTheBarInsideANotification) {
    for (UINT nCode : {SB_LINEDOWN, SB_THUMBPOSITION}) {  // at the press of an arrow, at a thumb's release
        Host h;
        h.DestroyBarOn(nCode);
        const HWND hBar = h.pBar->m_hWnd;
        const int y = nCode == SB_LINEDOWN ? 190 : 108;
        kt::SendMouse(hBar, WM_LBUTTONDOWN, 9, y, MK_LBUTTON);
        kt::SendMouse(hBar, WM_LBUTTONUP, 9, y);
        EXPECT_EQ(h.pBar, nullptr);
        EXPECT_EQ(h.Codes().back(), nCode) << "nothing more once the bar is gone";
        EXPECT_EQ(::GetCapture(), (HWND)NULL);
        EXPECT_EQ(ThreadTimersFor(600), 0) << "no repeat timer outlives the bar";
    }
}

}  // namespace
