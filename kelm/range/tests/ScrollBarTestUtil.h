// Helpers shared by the scroll-bar tests.
#pragma once
#include <kelm/paint/CKMaskPainter.h>
#include <kelm/range/CKScrollBar.h>
#include <kelm/range/ScrollGeometry.h>

#include <KelmTest.h>
#include <SpyParent.h>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

inline void PrintTo(const CRect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace sbt {

// Vertical bar 20 × 200 and horizontal bar 200 × 20 at fixed places of the spy parent.
const CRect kVertRect(20, 20, 40, 220);
const CRect kHorzRect(60, 20, 260, 40);

// A spy parent with one Kelm scroll bar of a given class.
template <class TBar = CKScrollBar>
struct BarHost {
    kt::SpyParent spy;
    TBar bar;
    explicit BarHost(bool bVert = true, DWORD extraStyle = WS_VISIBLE, int x = 40, int y = 40) {
        EXPECT_TRUE(spy.CreateHost(300, 260, x, y));
        EXPECT_TRUE(bar.Create((bVert ? SBS_VERT : SBS_HORZ) | WS_CHILD | extraStyle, bVert ? kVertRect : kHorzRect,
                               &spy, 100));
        kt::PumpPending();
    }
    ~BarHost() {
        kt::MoveCursor(1250, 1000);
        bar.DestroyWindow();
        spy.DestroyWindow();
        kt::PumpPending();
    }
    HWND hwnd() const { return bar.m_hWnd; }

    void SetInfo(int nMin, int nMax, UINT nPage, int nPos) {
        SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, nMin, nMax, nPage, nPos, 0};
        ::SendMessageA(hwnd(), SBM_SETSCROLLINFO, TRUE, (LPARAM)&si);
    }
    int Pos() const { return (int)::SendMessageA(hwnd(), SBM_GETPOS, 0, 0); }
    kt::Pixels Read() {
        ::UpdateWindow(hwnd());
        return kt::ReadClient(hwnd());
    }
    // Notification codes (low words) and positions (high words) the spy parent got, in order.
    std::vector<UINT> Codes(UINT message = WM_VSCROLL) const {
        std::vector<UINT> out;
        for (const kt::SpyMessage& m : spy.Of(message)) out.push_back(LOWORD(m.wParam));
        return out;
    }
    std::vector<short> Positions(UINT message = WM_VSCROLL) const {
        std::vector<short> out;
        for (const kt::SpyMessage& m : spy.Of(message)) out.push_back((short)HIWORD(m.wParam));
        return out;
    }
};

// Colours of a bar in the default look.
struct Roles {
    COLORREF ink, shadow, hot, paper, disabled, focusInk;
    explicit Roles(CWnd* pWnd) {
        CKMaskPainter p(pWnd);
        ink = p.GetColor(ctBase, true);
        shadow = p.GetColor(ctShadow, false);
        hot = p.GetColor(ctHighlight, false);
        paper = p.GetColor(ctBase, false);
        disabled = p.GetColor(ctDisabled, true);
        focusInk = p.GetColor(ctHighlight, true);
    }
};

// The main-axis run of the thumb as painted: the first and one-past-last track coordinates at
// which the thumb outline's outer long edge (two pixels in from the bar's side) is not ink.
struct Run {
    int from = -1, to = -1;
    int Length() const { return to - from; }
};
inline Run ThumbRun(const kt::Pixels& p, bool bVert, COLORREF ink) {
    Run r;
    const int len = bVert ? p.height() : p.width();
    for (int i = nScrollArrowLen; i < len - 1 - nScrollArrowLen; ++i) {
        const COLORREF c = bVert ? p.At(2, i) : p.At(i, 2);
        if (c != ink) {
            if (r.from < 0) r.from = i;
            r.to = i + 1;
        }
    }
    return r;
}

}  // namespace sbt
