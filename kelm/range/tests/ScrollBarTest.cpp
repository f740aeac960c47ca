// The scroll bar as a window: its messages, its picture, the notifications of sent mouse
// messages, and showing and hiding itself in the frame of the window it serves.
#include <kelm/paint/CKStdPainter.h>

#include <GdiBudget.h>

#include "ScrollBarTestUtil.h"

namespace {

using sbt::BarHost;

const UINT kEnd = SB_ENDSCROLL;

LRESULT Send(HWND h, UINT msg, WPARAM w = 0, LPARAM l = 0) { return ::SendMessageA(h, msg, w, l); }

TEST(ScrollBar, PositionAndRangeMessages) {
    BarHost<> h;
    const HWND b = h.hwnd();
    h.SetInfo(0, 100, 10, 50);

    EXPECT_EQ(Send(b, SBM_SETPOS, 95, TRUE), 50) << "returns the previous position";
    EXPECT_EQ(h.Pos(), 90) << "at most nMax - nPage";
    EXPECT_EQ(Send(b, SBM_SETPOS, (WPARAM)-5, FALSE), 90);
    EXPECT_EQ(h.Pos(), 0) << "at least nMin";

    // A range below zero clamps with signed comparisons.
    h.SetInfo(-100, -10, 5, -50);
    Send(b, SBM_SETPOS, (WPARAM)-200, TRUE);
    EXPECT_EQ(h.Pos(), -100);
    Send(b, SBM_SETPOS, 0, TRUE);
    EXPECT_EQ(h.Pos(), -15);
    int lo = 1, hi = 1;
    EXPECT_EQ(Send(b, SBM_GETRANGE, (WPARAM)&lo, (LPARAM)&hi), 1);
    EXPECT_EQ(lo, -100);
    EXPECT_EQ(hi, -10);
    EXPECT_EQ(Send(b, SBM_GETRANGE, 0, (LPARAM)&hi), 1) << "a null bound is skipped";
    EXPECT_EQ(Send(b, SBM_GETRANGE, (WPARAM)&lo, 0), 1);

    // SBM_SETRANGE keeps the page and pulls the position into the new range.
    h.SetInfo(0, 100, 10, 50);
    EXPECT_EQ(Send(b, SBM_SETRANGE, 0, 40), 50);
    EXPECT_EQ(h.Pos(), 30);
    EXPECT_EQ(Send(b, SBM_SETRANGEREDRAW, (WPARAM)-20, 5), 30);
    EXPECT_EQ(h.Pos(), -5);
    Send(b, SBM_SETRANGE, 60, 200);
    EXPECT_EQ(h.Pos(), 60);
    // A range shorter than the page: the position stays at nMin, also for SBM_SETPOS.
    Send(b, SBM_SETRANGE, 0, 5);
    EXPECT_EQ(h.Pos(), 0);
    Send(b, SBM_SETPOS, 3, TRUE);
    EXPECT_EQ(h.Pos(), 0);
}

TEST(ScrollBar, ScrollInfoMessages) {
    BarHost<> h;
    const HWND b = h.hwnd();
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 500, 40, 0};
    EXPECT_EQ(Send(b, SBM_SETSCROLLINFO, TRUE, (LPARAM)&si), 0) << "returns the resulting position";

    SCROLLINFO out = {sizeof(out), SIF_ALL, 7, 7, 7, 7, 7};
    EXPECT_EQ(Send(b, SBM_GETSCROLLINFO, 0, (LPARAM)&out), SIF_ALL);
    EXPECT_EQ(out.nPage, 100u) << "the page is limited to nMax - nMin";
    EXPECT_EQ(out.nPos, 0);
    EXPECT_EQ(out.nMin, 0);
    EXPECT_EQ(out.nMax, 100);

    // Only the fields named in fMask are taken or given.
    si.fMask = SIF_POS;
    si.nPos = 250;
    si.nPage = 1;
    EXPECT_EQ(Send(b, SBM_SETSCROLLINFO, FALSE, (LPARAM)&si), 0) << "page 100 still in force";
    si.fMask = SIF_PAGE;
    si.nPage = 20;
    Send(b, SBM_SETSCROLLINFO, FALSE, (LPARAM)&si);
    si.fMask = SIF_POS;
    EXPECT_EQ(Send(b, SBM_SETSCROLLINFO, TRUE, (LPARAM)&si), 80);

    out = SCROLLINFO{sizeof(out), SIF_POS | SIF_DISABLENOSCROLL, 7, 7, 7, 7, 7};
    EXPECT_EQ(Send(b, SBM_GETSCROLLINFO, 0, (LPARAM)&out), SIF_POS);
    EXPECT_EQ(out.nPos, 80);
    EXPECT_EQ(out.nMin, 7);
    EXPECT_EQ(out.nMax, 7);
    EXPECT_EQ(out.nPage, 7u);
    EXPECT_EQ(out.nTrackPos, 7);

    EXPECT_EQ(Send(b, SBM_GETSCROLLINFO, 0, 0), 0);
    EXPECT_EQ(Send(b, SBM_SETSCROLLINFO, TRUE, 0), 80) << "a null record changes nothing";
    EXPECT_EQ(h.Pos(), 80);
}

TEST(ScrollBar, FrameworkCallsReachTheBar) {
    BarHost<> h;
    SCROLLINFO si = {};
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 10;
    si.nMax = 60;
    si.nPage = 5;
    si.nPos = 30;
    h.bar.SetScrollInfo(&si);
    EXPECT_EQ(h.bar.GetScrollPos(), 30);
    int lo = 0, hi = 0;
    h.bar.GetScrollRange(&lo, &hi);
    EXPECT_EQ(lo, 10);
    EXPECT_EQ(hi, 60);
    SCROLLINFO out = {};
    EXPECT_TRUE(h.bar.GetScrollInfo(&out, SIF_PAGE));
    EXPECT_EQ(out.nPage, 5u);
    EXPECT_EQ(h.bar.GetScrollLimit(), 56);
}

TEST(ScrollBar, ThumbIsPaintedToScale) {
    {
        BarHost<> h;
        sbt::Roles c(&h.bar);
        h.SetInfo(0, 100, 0, 0);
        sbt::Run run = sbt::ThumbRun(h.Read(), true, c.ink);
        EXPECT_EQ(run.from, 15);
        EXPECT_EQ(run.Length(), 20) << "page 0";

        h.SetInfo(0, 100000, 1, 0);
        EXPECT_EQ(sbt::ThumbRun(h.Read(), true, c.ink).Length(), 9) << "never under 9";

        h.SetInfo(0, 100, 10, 45);
        kt::Pixels p = h.Read();
        run = sbt::ThumbRun(p, true, c.ink);
        EXPECT_EQ(run.from, 15 + 76);
        EXPECT_EQ(run.Length(), 16);
        // The outline's outer edge carries the shadow; the track and the thumb's middle are ink.
        EXPECT_EQ(p.At(2, 95), c.shadow);
        EXPECT_EQ(p.At(3, 95), c.paper);
        EXPECT_EQ(p.At(9, 99), c.ink);
        EXPECT_EQ(p.At(10, 50), c.ink);
        EXPECT_EQ(p.At(10, 150), c.ink);
        EXPECT_EQ(p.At(19, 99), c.ink) << "the last column is track too";
    }
    {
        BarHost<> h(false);
        sbt::Roles c(&h.bar);
        h.SetInfo(0, 100, 10, 90);
        sbt::Run run = sbt::ThumbRun(h.Read(), false, c.ink);
        EXPECT_EQ(run.from, 168) << "the last position puts the thumb against the right arrow";
        EXPECT_EQ(run.Length(), 16);
    }
}

TEST(ScrollBar, DisabledInvertedAndHighlightedLooks) {
    {
        BarHost<> h(true, WS_VISIBLE | WS_DISABLED);
        sbt::Roles c(&h.bar);
        h.SetInfo(0, 100, 0, 0);
        kt::Pixels p = h.Read();
        EXPECT_EQ(p.At(10, 100), c.disabled);
        EXPECT_EQ(p.At(2, 20), c.paper) << "no shadow pass";
    }
    BarHost<> h;
    sbt::Roles c(&h.bar);
    h.SetInfo(0, 100, 0, 0);
    h.bar.m_bInvertMask = true;
    h.bar.Invalidate(FALSE);
    kt::Pixels p = h.Read();
    EXPECT_EQ(p.At(10, 100), c.paper) << "the track becomes paper";
    EXPECT_EQ(p.At(2, 20), c.ink) << "and the thumb outline ink";

    h.bar.m_bInvertMask = false;
    h.bar.m_bHighlight = true;
    h.bar.Invalidate(FALSE);
    p = h.Read();
    EXPECT_EQ(p.At(10, 100), c.focusInk);
    EXPECT_EQ(p.At(2, 20), c.shadow);
}

TEST(ScrollBar, PressedPartsLook) {
    BarHost<> h;
    sbt::Roles c(&h.bar);
    h.SetInfo(0, 100, 0, 0);  // thumb 15..35, its inner rectangle (4,17)-(15,33)
    const HWND b = h.hwnd();

    // An arrow turns solid while the pointer is on it.
    EXPECT_EQ(h.Read().At(9, 7), c.ink) << "outline arrow";
    kt::SendMouse(b, WM_LBUTTONDOWN, 9, 7, MK_LBUTTON);
    EXPECT_EQ(h.Read().At(9, 7), c.paper) << "solid arrow";
    kt::SendMouse(b, WM_MOUSEMOVE, 9, 100, MK_LBUTTON);
    EXPECT_EQ(h.Read().At(9, 7), c.ink) << "off the arrow";
    kt::SendMouse(b, WM_MOUSEMOVE, 9, 8, MK_LBUTTON);
    EXPECT_EQ(h.Read().At(9, 7), c.paper) << "back on it";
    kt::SendMouse(b, WM_LBUTTONUP, 9, 8);
    EXPECT_EQ(h.Read().At(9, 7), c.ink);

    // A held track shows the thumb hollow, and filled again when the pointer leaves the track.
    kt::SendMouse(b, WM_LBUTTONDOWN, 9, 150, MK_LBUTTON);
    kt::Pixels p = h.Read();
    EXPECT_EQ(p.At(9, 25), c.paper);
    EXPECT_EQ(p.At(4, 25), c.ink) << "one-pixel frame";
    kt::SendMouse(b, WM_MOUSEMOVE, 9, 5, MK_LBUTTON);
    EXPECT_EQ(h.Read().At(9, 25), c.ink);
    kt::SendMouse(b, WM_LBUTTONUP, 9, 5);
    EXPECT_EQ(::GetCapture(), (HWND)NULL) << "the release gives the capture back";
}

TEST(ScrollBar, EachPartSendsItsCode) {
    BarHost<> h;
    const HWND b = h.hwnd();
    h.SetInfo(0, 100, 10, 45);  // thumb 91..107
    const struct {
        int y;
        UINT code;
    } clicks[] = {{7, SB_LINEUP}, {50, SB_PAGEUP}, {150, SB_PAGEDOWN}, {190, SB_LINEDOWN}};
    for (const auto& click : clicks) {
        h.spy.Clear();
        kt::SendClick(b, 9, click.y);
        EXPECT_EQ(h.Codes(), (std::vector<UINT>{click.code, kEnd})) << "y " << click.y;
        for (const kt::SpyMessage& m : h.spy.Of(WM_VSCROLL)) EXPECT_EQ(m.lParam, (LPARAM)b);
    }
    EXPECT_EQ(h.spy.Count(WM_HSCROLL), 0);

    // The thumb without movement reports the unchanged position twice.
    h.spy.Clear();
    kt::SendClick(b, 9, 100);
    EXPECT_EQ(h.Codes(), (std::vector<UINT>{SB_THUMBTRACK, SB_THUMBPOSITION, kEnd}));
    EXPECT_EQ(h.Positions()[0], 45);
    EXPECT_EQ(h.Positions()[1], 45);

    // Outside every part (the last row and column): nothing.
    h.spy.Clear();
    kt::SendClick(b, 9, 199);
    kt::SendClick(b, 19, 100);
    EXPECT_EQ(h.spy.Messages().size(), 0u);
    EXPECT_EQ(h.Pos(), 45) << "the bar never moves itself";

    // A horizontal bar sends WM_HSCROLL, a negative position in the high word.
    BarHost<> hz(false);
    hz.SetInfo(-50, 50, 0, -20);
    kt::SendClick(hz.hwnd(), 192, 9);
    EXPECT_EQ(hz.Codes(WM_HSCROLL), (std::vector<UINT>{SB_LINEDOWN, kEnd}));
    hz.spy.Clear();
    sbt::Run run = sbt::ThumbRun(hz.Read(), false, sbt::Roles(&hz.bar).ink);
    kt::SendClick(hz.hwnd(), run.from + 3, 9);
    EXPECT_EQ(hz.Codes(WM_HSCROLL), (std::vector<UINT>{SB_THUMBTRACK, SB_THUMBPOSITION, kEnd}));
    EXPECT_EQ(hz.Positions(WM_HSCROLL)[0], -20);
    EXPECT_EQ(hz.spy.Count(WM_VSCROLL), 0);
}

TEST(ScrollBar, DoubleClickIsASecondPress) {
    BarHost<> h;
    h.SetInfo(0, 100, 10, 45);
    const HWND b = h.hwnd();
    kt::SendMouse(b, WM_LBUTTONDOWN, 9, 190, MK_LBUTTON);
    kt::SendMouse(b, WM_LBUTTONUP, 9, 190);
    kt::SendMouse(b, WM_LBUTTONDBLCLK, 9, 190, MK_LBUTTON);
    kt::SendMouse(b, WM_LBUTTONUP, 9, 190);
    EXPECT_EQ(h.Codes(), (std::vector<UINT>{SB_LINEDOWN, kEnd, SB_LINEDOWN, kEnd}));
}

TEST(ScrollBar, OwnerElseParentIsNotified) {
    BarHost<> h;
    h.SetInfo(0, 100, 0, 0);
    kt::SendClick(h.hwnd(), 9, 7);
    EXPECT_EQ(h.Codes(), (std::vector<UINT>{SB_LINEUP, kEnd})) << "no owner: the parent";

    kt::SpyParent owner;
    ASSERT_TRUE(owner.CreateHost(100, 100, 400, 40));
    h.bar.SetOwner(&owner);
    h.spy.Clear();
    kt::SendClick(h.hwnd(), 9, 7);
    EXPECT_EQ(h.spy.Count(WM_VSCROLL), 0);
    ASSERT_EQ(owner.Count(WM_VSCROLL), 2);
    EXPECT_EQ(LOWORD(owner.Of(WM_VSCROLL)[0].wParam), (UINT)SB_LINEUP);
    EXPECT_EQ(owner.Of(WM_VSCROLL)[0].lParam, (LPARAM)h.hwnd());
    h.bar.SetOwner(NULL);
    owner.DestroyWindow();
}

TEST(ScrollBar, LosingTheCaptureEndsThePress) {
    BarHost<> h;
    sbt::Roles c(&h.bar);
    h.SetInfo(0, 100, 0, 50);
    kt::SendMouse(h.hwnd(), WM_LBUTTONDOWN, 9, 190, MK_LBUTTON);
    ASSERT_EQ(::GetCapture(), h.hwnd());
    ::SetCapture(h.spy.m_hWnd);
    EXPECT_EQ(h.Codes(), (std::vector<UINT>{SB_LINEDOWN, kEnd}));
    kt::PumpFor(1200);
    EXPECT_EQ(h.Codes().size(), 2u) << "no repeat after the press ended";
    EXPECT_EQ(h.Read().At(9, 190), c.ink) << "the arrow is drawn released";
    ::ReleaseCapture();
}

// Counts the paints that reach the platform bar's own window procedure.
class CDefaultPaintBar : public CKScrollBar {
public:
    int m_nDefaultPaints = 0;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_PAINT) ++m_nDefaultPaints;
        return CKScrollBar::DefWindowProc(message, wParam, lParam);
    }
};

TEST(ScrollBar, OutOfGdiHandlesKeepsItsOwnPicture) {
    BarHost<CDefaultPaintBar> h;
    h.SetInfo(0, 100, 10, 50);
    const kt::Pixels before = h.Read();
    {
        kt::GdiSqueeze squeeze(0);  // the arrows' pen and brush cannot be made
        ::InvalidateRect(h.hwnd(), NULL, FALSE);
        ::UpdateWindow(h.hwnd());
    }
    EXPECT_EQ(h.bar.m_nDefaultPaints, 0) << "the platform's bar must not paint in its place";
    EXPECT_TRUE(kt::ReadClient(h.hwnd()) == before);
    EXPECT_FALSE(::GetUpdateRect(h.hwnd(), NULL, FALSE)) << "and the failed paint is not repeated forever";
}

// A window that takes the bar as its vertical scroll bar and leaves its frame to the standard
// non-client painter.
class CServed : public CWnd {
public:
    CScrollBar* m_pVert = nullptr;
    int m_nCalcs = 0;
    std::vector<UINT> m_codes;
    CScrollBar* GetScrollBarCtrl(int nBar) const override { return nBar == SB_VERT ? m_pVert : nullptr; }
    afx_msg void OnNcCalcSize(BOOL bCalc, NCCALCSIZE_PARAMS* p) {
        ++m_nCalcs;
        CKStdPainter::OnNcCalcSize(this, bCalc, p);
    }
    afx_msg void OnNcPaint() { CKStdPainter::OnNcPaint(this); }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }
    afx_msg void OnVScroll(UINT nCode, UINT, CScrollBar*) { m_codes.push_back(nCode); }
    CRect Insets() const {
        CRect rw, rc;
        GetWindowRect(&rw);
        GetClientRect(&rc);
        ClientToScreen(&rc);
        return CRect(rc.left - rw.left, rc.top - rw.top, rw.right - rc.right, rw.bottom - rc.bottom);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CServed, CWnd)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_ERASEBKGND()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

UINT_PTR ScrollState(HWND hBar) { return (UINT_PTR)::GetPropA(hBar, szScrollState); }

TEST(ScrollBarFrame, EnablingGivesAndTakesTheRoom) {
    BarHost<> h;
    CServed served;
    ASSERT_TRUE(served.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(80, 20, 280, 170), &h.spy, 1));
    served.m_pVert = &h.bar;
    SetBorderType(&served, BT_SUNKEN);
    EXPECT_EQ(h.bar.m_hWndOwner, served.m_hWnd);
    EXPECT_EQ(served.Insets(), CRect(2, 2, 2, 2)) << "no ScrollState yet: no room";

    h.bar.EnableWindow(FALSE);
    EXPECT_FALSE(h.bar.IsWindowVisible());
    EXPECT_EQ(ScrollState(h.hwnd()), 0u);

    h.bar.EnableWindow(TRUE);
    EXPECT_TRUE(h.bar.IsWindowVisible());
    EXPECT_EQ(ScrollState(h.hwnd()), 1u);
    EXPECT_EQ(served.Insets(), CRect(2, 2, 2 + 20, 2)) << "the client area gives the bar's width";
    CRect rb;
    h.bar.GetWindowRect(&rb);
    h.spy.ScreenToClient(&rb);
    EXPECT_EQ(rb, CRect(258, 22, 278, 168)) << "docked inside the border";

    // Its notifications go to the served window.
    h.SetInfo(0, 100, 0, 0);
    kt::SendClick(h.hwnd(), 9, 7);
    EXPECT_EQ(served.m_codes, (std::vector<UINT>{SB_LINEUP, kEnd}));
    EXPECT_EQ(h.spy.Count(WM_VSCROLL), 0);

    h.bar.EnableWindow(FALSE);
    EXPECT_FALSE(h.bar.IsWindowVisible());
    EXPECT_EQ(ScrollState(h.hwnd()), 0u);
    EXPECT_EQ(served.Insets(), CRect(2, 2, 2, 2)) << "and takes it back";

    // Disabling a hidden, disabled bar again does nothing.
    const int nCalcs = served.m_nCalcs;
    Send(h.hwnd(), WM_ENABLE, FALSE);
    EXPECT_EQ(served.m_nCalcs, nCalcs);
    EXPECT_FALSE(h.bar.IsWindowVisible());
    served.DestroyWindow();
}

TEST(ScrollBarFrame, FirstEnableShowsAHiddenBar) {
    BarHost<> h(true, 0);
    EXPECT_FALSE(h.bar.IsWindowVisible());
    EXPECT_EQ(::GetPropA(h.hwnd(), szScrollState), (HANDLE)NULL);
    Send(h.hwnd(), WM_ENABLE, TRUE);
    EXPECT_TRUE(h.bar.IsWindowVisible());
    EXPECT_EQ(ScrollState(h.hwnd()), 1u);
    Send(h.hwnd(), WM_ENABLE, TRUE);
    EXPECT_TRUE(h.bar.IsWindowVisible());
}

}  // namespace

TEST(ScrollBar, KeysNotifyWithoutThePlatformPicture) {
    sbt::BarHost<> h(true);
    h.SetInfo(0, 100, 10, 40);
    const kt::Pixels before = h.Read();
    h.spy.Clear();
    h.bar.SetFocus();
    for (UINT key : {VK_DOWN, VK_UP, VK_NEXT, VK_PRIOR, VK_HOME, VK_END}) {
        ::SendMessageA(h.hwnd(), WM_KEYDOWN, key, 1);
        ::SendMessageA(h.hwnd(), WM_KEYUP, key, 0xC0000001);
    }
    ::SendMessageA(h.hwnd(), WM_KEYDOWN, 'A', 1);  // other keys say nothing
    ::SendMessageA(h.hwnd(), SBM_ENABLE_ARROWS, ESB_DISABLE_BOTH, 0);
    kt::PumpFor(50);
    const std::vector<UINT> want = {SB_LINEDOWN, SB_ENDSCROLL, SB_LINEUP, SB_ENDSCROLL, SB_PAGEDOWN, SB_ENDSCROLL,
                                    SB_PAGEUP, SB_ENDSCROLL, SB_TOP, SB_ENDSCROLL, SB_BOTTOM, SB_ENDSCROLL};
    EXPECT_EQ(h.Codes(), want);
    EXPECT_EQ(h.Pos(), 40) << "the bar never moves itself";
    EXPECT_TRUE(h.Read() == before) << "focus, keys and arrow flags leave the bar's own picture";
}
