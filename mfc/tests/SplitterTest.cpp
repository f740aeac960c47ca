// Splitter windows: static layouts from the layout members and the row and column infos, the
// drawing and tracker hooks, tracking with real input (Esc, minimum sizes), dynamic splits.
#include <afxpriv.h>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "KelmTest.h"

inline void PrintTo(const CRect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace {

class CPaneView : public CView {
    DECLARE_DYNCREATE(CPaneView)
public:
    static int s_nInitialUpdates;
    void OnDraw(CDC* pDC) override {
        CRect rc;
        GetClientRect(&rc);
        pDC->FillSolidRect(rc, RGB(255, 255, 255));
    }
    void OnInitialUpdate() override { ++s_nInitialUpdates; }
};
IMPLEMENT_DYNCREATE(CPaneView, CView)
int CPaneView::s_nInitialUpdates = 0;

// A splitter that records what it is asked to draw and invert.
class CRecordingSplitter : public CSplitterWnd {
public:
    struct Call {
        bool bDC;
        ESplitType type;
        CRect rect;
    };
    std::vector<Call> drawn;
    std::vector<CRect> inverted;
    void OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect) override {
        drawn.push_back({pDC != NULL, nType, rect});
        CSplitterWnd::OnDrawSplitter(pDC, nType, rect);
    }
    void OnInvertTracker(const CRect& rect) override {
        inverted.push_back(rect);
        CSplitterWnd::OnInvertTracker(rect);
    }
    bool Drew(ESplitType type, const CRect& rect, bool bDC = true) const {
        for (const Call& c : drawn)
            if (c.bDC == bDC && c.type == type && c.rect == rect) return true;
        return false;
    }
};

struct Host {
    CWnd wnd;
    explicit Host(int w = 400, int h = 300) {
        wnd.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)::GetStockObject(WHITE_BRUSH)),
                     "host", WS_POPUP | WS_VISIBLE, 100, 100, w, h, NULL, NULL);
    }
    ~Host() { wnd.DestroyWindow(); }
};

CRect PaneRect(CSplitterWnd& s, int row, int col) {
    CRect rc;
    CWnd* p = s.GetPane(row, col);
    if (p == NULL) return rc;
    p->GetWindowRect(&rc);
    s.ScreenToClient(&rc);
    return rc;
}

void MakeStatic(CSplitterWnd& s, CWnd* pParent, int rows, int cols, int w, int h) {
    ASSERT_TRUE(s.CreateStatic(pParent, rows, cols));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) ASSERT_TRUE(s.CreateView(r, c, RUNTIME_CLASS(CPaneView), CSize(0, 0), NULL));
    s.MoveWindow(0, 0, w, h);
}

// Presses at a point of the splitter, moves by (dx, dy), optionally presses Esc, releases. The
// press comes after the double-click time: it is never a double click.
void Drag(CSplitterWnd& s, CPoint pt, int dx, int dy, bool bEscape = false) {
    kt::PumpFor(::GetDoubleClickTime() + 20);
    kt::MoveCursorToClient(s.m_hWnd, pt.x, pt.y);
    kt::PumpFor(30);
    kt::ButtonDown();
    kt::PumpFor(30);
    kt::MoveCursorToClient(s.m_hWnd, pt.x + dx / 2, pt.y + dy / 2);
    kt::PumpFor(30);
    kt::MoveCursorToClient(s.m_hWnd, pt.x + dx, pt.y + dy);
    kt::PumpFor(30);
    if (bEscape) {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = VK_ESCAPE;
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, in, sizeof(INPUT));
        kt::PumpFor(30);
    }
    kt::ButtonUp();
    kt::PumpFor(50);
}

}  // namespace

TEST(AfxSplitter, StaticLayoutsFollowTheLayoutMembersAndTheInfos) {
    Host host;
    CRecordingSplitter s;
    MakeStatic(s, &host.wnd, 2, 2, 400, 300);
    EXPECT_EQ(s.GetPane(1, 1)->GetDlgCtrlID(), AFX_IDW_PANE_FIRST + 17);
    EXPECT_EQ(s.IdFromRowCol(1, 1), AFX_IDW_PANE_FIRST + 17);

    // The default members: 2-pixel borders, 7-pixel gaps.
    s.SetColumnInfo(0, 100, 20);
    s.SetRowInfo(0, 50, 10);
    s.RecalcLayout();
    EXPECT_EQ(PaneRect(s, 0, 0), CRect(2, 2, 102, 52));
    EXPECT_EQ(PaneRect(s, 1, 1), CRect(109, 59, 398, 298));
    int cur = 0, min = 0;
    s.GetColumnInfo(1, cur, min);
    EXPECT_EQ(cur, 396 - 100 - 7);

    // Members of one's own: no border, 5-pixel gaps, 3-pixel bars one pixel in.
    s.m_cxBorder = s.m_cyBorder = 0;
    s.m_cxSplitterGap = s.m_cySplitterGap = 5;
    s.m_cxSplitter = s.m_cySplitter = 3;
    s.m_cxBorderShare = s.m_cyBorderShare = 1;
    s.drawn.clear();
    s.RecalcLayout();
    EXPECT_EQ(PaneRect(s, 0, 1), CRect(105, 0, 400, 50));
    EXPECT_EQ(PaneRect(s, 1, 0), CRect(0, 55, 100, 300));
    EXPECT_TRUE(s.Drew(CSplitterWnd::splitBar, CRect(101, 0, 104, 300), false)) << "bars are invalidated";
    s.drawn.clear();
    s.Invalidate();
    s.UpdateWindow();
    EXPECT_TRUE(s.Drew(CSplitterWnd::splitBar, CRect(101, 0, 104, 300)));
    EXPECT_TRUE(s.Drew(CSplitterWnd::splitBar, CRect(0, 51, 400, 54)));
    EXPECT_TRUE(s.Drew(CSplitterWnd::splitIntersection, CRect(101, 51, 104, 54)));
    EXPECT_TRUE(s.Drew(CSplitterWnd::splitBorder, CRect(105, 55, 400, 300)));

    // A pane below its minimum is hidden; so is a last one left below its own, the one before
    // taking its room.
    s.SetColumnInfo(0, 15, 20);
    s.RecalcLayout();
    EXPECT_EQ(PaneRect(s, 0, 1).left, 5);
    s.SetColumnInfo(0, 380, 20);
    s.SetColumnInfo(1, 0, 30);
    s.RecalcLayout();
    s.GetColumnInfo(1, cur, min);
    EXPECT_EQ(cur, 0);
    s.GetColumnInfo(0, cur, min);
    EXPECT_EQ(cur, 400);
    s.DestroyWindow();
}

TEST(AfxSplitter, DraggingABarResizesBothPanesEscCancelsMinimumsHold) {
    Host host;
    CRecordingSplitter s;
    MakeStatic(s, &host.wnd, 1, 2, 400, 300);
    s.SetColumnInfo(0, 150, 40);
    s.SetColumnInfo(1, 0, 60);
    s.RecalcLayout();
    kt::PumpPending();
    const CPoint bar(2 + 150 + 3, 100);

    Drag(s, bar, 50, 0);
    EXPECT_EQ(PaneRect(s, 0, 0), CRect(2, 2, 202, 298));
    EXPECT_EQ(PaneRect(s, 0, 1), CRect(209, 2, 398, 298));
    EXPECT_FALSE(s.IsTracking());
    ASSERT_GE(s.inverted.size(), 4u) << "the tracker is drawn and erased through OnInvertTracker";
    EXPECT_EQ(s.inverted.size() % 2, 0u);
    EXPECT_EQ(s.inverted.back(), CRect(202, 0, 209, 300)) << "last drawn where it was dropped";

    Drag(s, CPoint(205, 100), 40, 0, true);
    EXPECT_EQ(PaneRect(s, 0, 0).right, 202) << "Esc leaves the panes as they were";
    EXPECT_FALSE(s.IsTracking());

    Drag(s, CPoint(205, 100), -300, 0);
    EXPECT_EQ(PaneRect(s, 0, 0).Width(), 40) << "the left pane's minimum";
    Drag(s, CPoint(2 + 40 + 3, 100), 1000, 0);
    EXPECT_EQ(PaneRect(s, 0, 1).Width(), 60) << "the right pane's minimum";
    s.DestroyWindow();
}

TEST(AfxSplitter, DynamicSplitsAtItsBoxAndDropsASplitDraggedToTheEdge) {
    Host host;
    CSplitterWnd s;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CPaneView);
    ASSERT_TRUE(s.Create(&host.wnd, 1, 2, CSize(30, 30), &context, WS_CHILD | WS_VISIBLE | WS_HSCROLL | SPLS_DYNAMIC_SPLIT));
    s.MoveWindow(0, 0, 400, 300);
    ASSERT_EQ(s.GetColumnCount(), 1);
    EXPECT_FALSE(s.SplitRow(100)) << "one row at most";
    kt::PumpPending();
    const int nUpdates = CPaneView::s_nInitialUpdates;

    // The column box at the left end of the shared scroll bar.
    const int cyH = ::GetSystemMetrics(SM_CYHSCROLL);
    Drag(s, CPoint(3, 300 - cyH / 2), 150, -100);
    ASSERT_EQ(s.GetColumnCount(), 2);
    CWnd* pNew = CWnd::FromHandlePermanent(s.GetPane(0, 1)->m_hWnd);
    ASSERT_NE(pNew, nullptr);
    EXPECT_TRUE(pNew->IsKindOf(RUNTIME_CLASS(CPaneView))) << "made from the context's view class";
    EXPECT_EQ(CPaneView::s_nInitialUpdates, nUpdates + 1);
    EXPECT_NE(::GetDlgItem(s.m_hWnd, AFX_IDW_HSCROLL_FIRST + 1), nullptr) << "a scroll bar for the new column";
    int cur = 0, min = 0;
    s.GetColumnInfo(0, cur, min);
    EXPECT_NEAR(cur, 150, 3);

    // Dragged to the right edge, the split goes with its pane.
    HWND hNew = pNew->m_hWnd;
    Drag(s, CPoint(2 + cur + 3, 100), 400, 0);
    EXPECT_EQ(s.GetColumnCount(), 1);
    EXPECT_FALSE(::IsWindow(hNew));
    EXPECT_EQ(::GetDlgItem(s.m_hWnd, AFX_IDW_HSCROLL_FIRST + 1), nullptr);
    EXPECT_EQ(PaneRect(s, 0, 0).right, 398);
    s.DestroyWindow();
}
