// The spin button: its arrows, pressed halves and hover look, over a platform up-down control
// whose notifications and buddy handling are left as they are.
#include <kelm/paint/CKBitmapDC.h>
#include <kelm/paint/CKMaskPainter.h>
#include <kelm/paint/CKStdPainter.h>
#include <kelm/range/CKSpinButtonCtrl.h>

#include <KelmTest.h>
#include <SpyParent.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Delta {
    int iPos, iDelta;
};

// Records the up-down notifications while their records are still alive.
class NotifySpy : public kt::SpyParent {
public:
    std::vector<Delta> deltas;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_NOTIFY && ((NMHDR*)lParam)->code == UDN_DELTAPOS) {
            const NMUPDOWN* p = (const NMUPDOWN*)lParam;
            deltas.push_back({p->iPos, p->iDelta});
        }
        return kt::SpyParent::WindowProc(message, wParam, lParam);
    }
};

const UINT kSpinId = 9;

struct SpinHost {
    NotifySpy spy;
    CKSpinButtonCtrl spin;
    SpinHost() { EXPECT_TRUE(spy.CreateHost(200, 120, 40, 40)); }
    ~SpinHost() {
        kt::MoveCursor(5, 5);
        kt::PumpPending();
        spy.DestroyWindow();
    }
    // A 16 × 30 spin button without a buddy, range 0 to 10 at 5.
    void CreatePlain() {
        ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE, CRect(20, 20, 36, 50), &spy, kSpinId));
        CRect rc;
        spin.GetClientRect(&rc);
        ASSERT_EQ(rc.Width(), 16);
        ASSERT_EQ(rc.Height(), 30);
        spin.SetRange(0, 10);
        spin.SetPos(5);
    }
    kt::Pixels Read() {
        spin.UpdateWindow();
        kt::PumpPending();
        return kt::ReadClient(spin.m_hWnd);
    }
    COLORREF Color(EColorType role, bool bInk) { return CKMaskPainter(&spin).GetColor(role, bInk); }
};

// The expected mask of a 16 × 30 spin button: ink with the up arrow's box at rows 4 to 13 and
// the down arrow's box at rows 15 to 24.
kt::Pixels ExpectedMask(bool bUpPressed, bool bDownPressed) {
    CKMonoBitmapDC mask(NULL, 16, 30);
    mask.PatBlt(0, 0, 16, 30, BLACKNESS);
    CKStdPainter::DrawArrow(&mask, CRect(0, 4, 16, 14), dirUp, bUpPressed);
    CKStdPainter::DrawArrow(&mask, CRect(0, 15, 16, 25), dirDown, bDownPressed);
    return kt::ReadDC(mask.m_hDC, 0, 0, 16, 30);
}

// Pixels that are ink on the screen but not in the mask, or the other way round.
int InkMismatches(const kt::Pixels& screen, const kt::Pixels& mask, COLORREF ink) {
    int n = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if ((screen.At(x, y) == ink) != (mask.At(x, y) == RGB(0, 0, 0))) ++n;
    return n;
}

TEST(SpinButton, ArrowBoxesOfA16By30Control) {
    SpinHost h;
    h.CreatePlain();
    EXPECT_EQ(h.spin.GetRuntimeClass(), RUNTIME_CLASS(CSpinButtonCtrl)) << "the platform control's class";
    const COLORREF ink = h.Color(ctBase, true);
    kt::Pixels p = h.Read();
    EXPECT_EQ(InkMismatches(p, ExpectedMask(false, false), ink), 0);
    EXPECT_EQ(p.Count(ink, 0, 0, 16, 5), 16 * 5) << "nothing above the up arrow";
    EXPECT_EQ(p.Count(ink, 0, 25, 16, 30), 16 * 5) << "nothing below the down arrow";

    h.spin.EnableWindow(FALSE);
    p = h.Read();
    EXPECT_EQ(InkMismatches(p, ExpectedMask(false, false), h.Color(ctDisabled, true)), 0) << "disabled ink";
    EXPECT_EQ(p.Count(h.Color(ctShadow, false)), 0) << "and no shadow";
}

TEST(SpinButton, PressAtTheMiddleRowIsTheLowerHalf) {
    SpinHost h;
    h.CreatePlain();
    const COLORREF ink = h.Color(ctBase, true);

    kt::SendMouse(h.spin.m_hWnd, WM_LBUTTONDOWN, 8, 15, MK_LBUTTON);
    EXPECT_EQ(InkMismatches(h.Read(), ExpectedMask(false, true), ink), 0) << "the down arrow pressed";
    ASSERT_EQ(h.spy.deltas.size(), 1u);
    EXPECT_EQ(h.spy.deltas[0].iDelta, -1) << "the platform control counts it down as well";
    kt::SendMouse(h.spin.m_hWnd, WM_LBUTTONUP, 8, 15);
    EXPECT_EQ(InkMismatches(h.Read(), ExpectedMask(false, false), ink), 0) << "released";
    EXPECT_EQ(h.spin.GetPos() & 0xFFFF, 4);

    kt::SendMouse(h.spin.m_hWnd, WM_LBUTTONDOWN, 8, 14, MK_LBUTTON);
    EXPECT_EQ(InkMismatches(h.Read(), ExpectedMask(true, false), ink), 0) << "the row above: the up arrow";
    ASSERT_EQ(h.spy.deltas.size(), 2u);
    EXPECT_EQ(h.spy.deltas[1].iDelta, 1);
    kt::SendMouse(h.spin.m_hWnd, WM_LBUTTONUP, 8, 14);

    // A press that loses the capture to another window does not stay pressed.
    kt::SendMouse(h.spin.m_hWnd, WM_LBUTTONDOWN, 8, 25, MK_LBUTTON);
    h.spy.SetCapture();
    EXPECT_EQ(InkMismatches(h.Read(), ExpectedMask(false, false), ink), 0);
    ::ReleaseCapture();
}

TEST(SpinButton, HoverChangesOnlyTheShadow) {
    SpinHost h;
    h.CreatePlain();
    const COLORREF shadow = h.Color(ctShadow, false), hot = h.Color(ctHighlight, false);
    ASSERT_NE(shadow, hot);
    const kt::Pixels before = h.Read();
    ASSERT_GT(before.Count(shadow), 0);

    kt::MoveCursorToClient(h.spin.m_hWnd, 8, 2);
    ASSERT_TRUE(kt::PumpUntil([&] { return !(h.Read() == before); }));
    const kt::Pixels after = h.Read();
    int changed = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.At(x, y) != after.At(x, y)) {
                ++changed;
                EXPECT_EQ(before.At(x, y), shadow) << x << "," << y;
                EXPECT_EQ(after.At(x, y), hot) << x << "," << y;
            }
    EXPECT_EQ(changed, before.Count(shadow)) << "every shadow pixel, nothing else";

    kt::MoveCursor(5, 5);
    EXPECT_TRUE(kt::PumpUntil([&] { return h.Read() == before; }));
}

std::string Text(CWnd& wnd) {
    char buf[32] = {};
    wnd.GetWindowText(buf, sizeof buf);
    return buf;
}

TEST(SpinButton, PlatformNotificationsReachTheParentWithABuddyEdit) {
    SpinHost h;
    CWnd edit;
    ASSERT_TRUE(edit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_NUMBER, CRect(20, 20, 100, 44),
                              &h.spy, 8));
    ASSERT_TRUE(h.spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS,
                              CRect(0, 0, 16, 24), &h.spy, kSpinId));
    h.spin.SetBuddy(&edit);
    EXPECT_EQ(h.spin.GetBuddy()->m_hWnd, edit.m_hWnd);
    h.spin.SetRange(0, 10);
    h.spin.SetPos(5);
    EXPECT_EQ(Text(edit), "5");
    CRect rcEdit, rcSpin;
    edit.GetWindowRect(&rcEdit);
    h.spin.GetWindowRect(&rcSpin);
    EXPECT_LE(rcSpin.left, rcEdit.right + 1) << "placed at the edit's right";
    EXPECT_EQ(rcSpin.top, rcEdit.top);
    h.spy.Clear();

    CRect rc;
    h.spin.GetClientRect(&rc);
    kt::MoveCursorToClient(h.spin.m_hWnd, rc.Width() / 2, rc.Height() / 4);
    kt::PumpFor(30);
    kt::ButtonDown();
    ASSERT_TRUE(kt::PumpUntil([&] { return !h.spy.deltas.empty(); }));
    kt::ButtonUp();
    ASSERT_TRUE(kt::PumpUntil([&] {
        for (const kt::SpyMessage& m : h.spy.Of(WM_VSCROLL))
            if (LOWORD(m.wParam) == SB_ENDSCROLL) return true;
        return false;
    }));

    // The spin button's own messages, in order.
    std::vector<kt::SpyMessage> mine;
    for (const kt::SpyMessage& m : h.spy.Messages())
        if ((m.message == WM_NOTIFY && m.wParam == kSpinId) ||
            (m.message == WM_VSCROLL && (HWND)m.lParam == h.spin.m_hWnd))
            mine.push_back(m);
    ASSERT_GE(mine.size(), 3u);
    EXPECT_EQ(mine[0].message, (UINT)WM_NOTIFY);
    EXPECT_EQ(h.spy.deltas[0].iPos, 5);
    EXPECT_EQ(h.spy.deltas[0].iDelta, 1);
    EXPECT_EQ(mine[1].message, (UINT)WM_VSCROLL);
    EXPECT_EQ(mine[1].wParam, MAKEWPARAM(SB_THUMBPOSITION, 6));

    const int steps = (int)h.spy.deltas.size();  // more than one if the auto-repeat started
    EXPECT_EQ(Text(edit), std::to_string(5 + steps)) << "the buddy shows the new position";
    EXPECT_EQ(::GetFocus(), edit.m_hWnd) << "the platform control focuses its buddy edit";
    edit.DestroyWindow();
}

}  // namespace
