// The skinned splitter: its layout, bars and crossings in the look, no pane borders, and the
// switch that turns tracking off (real input).
#include <gtest/gtest.h>

#include "FrameTestUtil.h"

using namespace kft;

namespace {

class CWhiteView : public CView {
    DECLARE_DYNCREATE(CWhiteView)
public:
    void OnDraw(CDC* pDC) override {
        CRect rc;
        GetClientRect(&rc);
        pDC->FillSolidRect(rc, RGB(255, 255, 255));
    }
};
IMPLEMENT_DYNCREATE(CWhiteView, CView)

void MakeSplitter(CKSplitterWnd& s, HWND hHost, int rows, int cols) {
    ASSERT_TRUE(s.CreateStatic(CWnd::FromHandle(hHost), rows, cols));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) ASSERT_TRUE(s.CreateView(r, c, RUNTIME_CLASS(CWhiteView), CSize(0, 0), NULL));
    s.SetColumnInfo(0, 100, 10);
    if (rows > 1) s.SetRowInfo(0, 120, 10);
    s.MoveWindow(0, 0, 300, 200);
    s.Invalidate();
    s.UpdateWindow();
    kt::PumpPending();
}

int ColumnWidth(CKSplitterWnd& s) {
    int cur = 0, min = 0;
    s.GetColumnInfo(0, cur, min);
    return cur;
}

// A press on the splitter at x, a move by dx, a release (never taken for a double click).
void DragAt(CKSplitterWnd& s, int x, int dx) {
    kt::PumpFor(::GetDoubleClickTime() + 20);
    kt::MoveCursorToClient(s.m_hWnd, x, 50);
    kt::PumpFor(30);
    kt::ButtonDown();
    kt::PumpFor(30);
    kt::MoveCursorToClient(s.m_hWnd, x + dx, 50);
    kt::PumpFor(30);
    kt::ButtonUp();
    kt::PumpFor(50);
}

}  // namespace

TEST(SkinnedSplitter, BarsAreThePatternWithAShadowLineAlongTheirMiddleAndNoBorders) {
    TestLook look;
    CKSplitterWnd s;
    EXPECT_EQ(s.m_cxSplitter + s.m_cySplitter + s.m_cxSplitterGap + s.m_cySplitterGap, 20);
    EXPECT_EQ(s.m_cxBorderShare + s.m_cyBorderShare + s.m_cxBorder + s.m_cyBorder, 0);
    EXPECT_TRUE(s.IsTrackingAllowed());
    kt::HostWindow host(300, 200, 40, 40);
    MakeSplitter(s, host, 2, 2);
    const kt::Pixels px = kt::ReadClient(s.m_hWnd);

    // The vertical bar: 5 × 200 at x = 100, its line at x = 102 from top to bottom.
    EXPECT_EQ(px.Count(crPaperShadow, 102, 0, 103, 200), 200);
    EXPECT_EQ(px.Count(crInk, 100, 0, 102, 200) + px.Count(crInk, 103, 0, 105, 200), 4 * 200);
    // The horizontal bar at y = 120, its line along the middle row, y = 122.
    EXPECT_EQ(px.Count(crPaperShadow, 0, 122, 100, 123) + px.Count(crPaperShadow, 105, 122, 300, 123), 295);
    EXPECT_EQ(px.Count(crInk, 0, 120, 100, 122) + px.Count(crInk, 0, 123, 100, 125), 4 * 100);
    // Their crossing, a square, is shrunk from the sides: only the vertical line goes through it.
    EXPECT_EQ(px.Count(crPaperShadow, 100, 120, 105, 125), 5);
    EXPECT_EQ(px.Count(crInk, 100, 122, 102, 123) + px.Count(crInk, 103, 122, 105, 123), 4);
    // The panes keep their own pixels: no border is drawn over them.
    EXPECT_EQ(px.Count(RGB(255, 255, 255), 0, 0, 100, 120), 100 * 120);
    EXPECT_EQ(px.Count(RGB(255, 255, 255), 105, 125, 300, 200), 195 * 75);

    CKBitmapDC dc(NULL, 20, 20);
    dc.FillSolidRect(0, 0, 20, 20, RGB(1, 2, 3));
    s.OnDrawSplitter(&dc, CSplitterWnd::splitBorder, CRect(0, 0, 20, 20));
    EXPECT_EQ(kt::ReadDC(dc.m_hDC, 0, 0, 20, 20).Count(RGB(1, 2, 3)), 400) << "a border draws nothing";
    s.OnDrawSplitter(&dc, CSplitterWnd::splitBox, CRect(0, 0, 20, 5));
    EXPECT_EQ(kt::ReadDC(dc.m_hDC, 0, 0, 20, 5).Count(crPaperShadow, 0, 2, 20, 3), 20) << "a box is drawn";
    s.DestroyWindow();
}

TEST(SkinnedSplitter, WithTrackingOffThereIsNoSplitCursorAndNoTracking) {
    TestLook look;
    kt::HostWindow host(300, 200, 40, 40);
    CKSplitterWnd s;
    MakeSplitter(s, host, 1, 2);
    const HCURSOR hArrow = ::LoadCursorA(NULL, IDC_ARROW), hSplit = ::LoadCursorA(NULL, IDC_SIZEWE);

    s.AllowTracking(false);
    kt::MoveCursorToClient(s.m_hWnd, 200, 50);
    kt::PumpFor(50);
    kt::MoveCursorToClient(s.m_hWnd, 102, 50);
    kt::PumpFor(50);
    EXPECT_EQ(::GetCursor(), hArrow) << "no split cursor over the bar";
    DragAt(s, 102, 40);
    EXPECT_EQ(ColumnWidth(s), 100) << "no tracking";

    s.AllowTracking(true);
    kt::MoveCursorToClient(s.m_hWnd, 200, 50);
    kt::PumpFor(50);
    kt::MoveCursorToClient(s.m_hWnd, 102, 50);
    kt::PumpFor(50);
    EXPECT_EQ(::GetCursor(), hSplit);
    DragAt(s, 102, 40);
    EXPECT_EQ(ColumnWidth(s), 140);
    kt::MoveCursor(1250, 1000);
    s.DestroyWindow();
}
