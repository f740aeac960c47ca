// The tooltip: window size from the laid-out text, keeping the tip on the screen, painting in the
// look's roles with code page 1250 letters, showing on a real hover.
#include <kelm/buttons/CKStatic.h>
#include <kelm/paint/CKMaskPainter.h>
#include <kelm/range/CKToolTipCtrl.h>

#include <GHTMLTextPainter.h>
#include <GdiBudget.h>
#include <KelmTest.h>
#include <SpyParent.h>
#include <gtest/gtest.h>

#include <cwchar>
#include <ostream>
#include <string>
#include <vector>

inline void PrintTo(const CRect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}
inline void PrintTo(const CSize& s, std::ostream* os) { *os << s.cx << " x " << s.cy; }

namespace {

const char kWord[] = "ZażółćGęśląJaźń";
const wchar_t kWordW[] = L"Za\u017C\u00F3\u0142\u0107G\u0119\u015Bl\u0105Ja\u017A\u0144";

// Size of a text laid out on the screen in device pixels (MM_TEXT).
CSize Measure(const char* text, const FormatTextParams& params) {
    CDC screen;
    screen.Attach(::GetDC(NULL));
    CGHTMLTextPainter painter;
    painter.SetGHTMLText(text);
    painter.SetFormatParams(params);
    painter.SetMaxWidth(-1);
    painter.Format(&screen);
    CSize size(painter.GetWidth(), painter.GetHeight());
    ::ReleaseDC(NULL, screen.Detach());
    return size;
}

CRect WindowRect(CWnd& wnd) {
    CRect rc;
    wnd.GetWindowRect(&rc);
    return rc;
}

using kt::FreeGdiHandles;

// A host with a tooltip under a default look of its own colours.
struct TipHost {
    kt::SpyParent spy;
    CKMPBitmapProvider look{NULL, NULL, RGB(120, 0, 0), RGB(60, 60, 0), RGB(0, 60, 60), NULL, RGB(250, 240, 200),
                            RGB(200, 200, 0), RGB(0, 0, 90), true};
    CKToolTipCtrl tip;

    TipHost() {
        EXPECT_TRUE(spy.CreateHost(300, 200, 40, 40));
        EXPECT_TRUE(tip.Create(&spy, TTS_ALWAYSTIP | TTS_NOPREFIX));
    }
    ~TipHost() {
        tip.DestroyWindow();
        spy.DestroyWindow();
    }
    // Shows text as a tracking tip whose top-left corner is asked for at (x, y) of the screen.
    bool Show(const char* text, int x, int y) {
        TOOLINFOA ti = {};
        ti.cbSize = sizeof(ti);
        ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        ti.hwnd = spy.m_hWnd;
        ti.uId = 1;
        ti.lpszText = (LPSTR)text;
        tip.SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
        tip.SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(x, y));
        tip.SendMessage(TTM_TRACKACTIVATE, TRUE, (LPARAM)&ti);
        return kt::PumpUntil([&] { return tip.IsWindowVisible() != FALSE; });
    }
    COLORREF Ink() { return CKMaskPainter(&tip).GetColor(ctBase, true); }
    COLORREF Paper() { return CKMaskPainter(&tip).GetColor(ctBase, false); }
};

// Margins that make a text lay out to exactly w × h pixels.
FormatTextParams ParamsForSize(const char* text, int w, int h) {
    FormatTextParams p = GetDefaultFormatTextParams();
    p.nMarginLeft = p.nMarginTop = p.nMarginRight = p.nMarginBottom = 0;
    const CSize bare = Measure(text, p);
    p.nMarginLeft = (w - bare.cx) / 2;
    p.nMarginRight = w - bare.cx - p.nMarginLeft;
    p.nMarginTop = (h - bare.cy) / 2;
    p.nMarginBottom = h - bare.cy - p.nMarginTop;
    return p;
}

TEST(ToolTip, WindowIsTheLaidOutTextPlusItsBorder) {
    TipHost h;
    h.tip.m_params = ParamsForSize("Kelm", 100, 20);
    ASSERT_EQ(Measure("Kelm", h.tip.m_params), CSize(100, 20));
    ASSERT_TRUE(h.Show("Kelm", 100, 100));
    const CRect rc = WindowRect(h.tip);
    EXPECT_EQ(rc.Size(), CSize(102, 22));
    CRect client;
    h.tip.GetClientRect(&client);
    EXPECT_EQ(client.Size(), CSize(100, 20));

    // The text sits in its margins on the look's paper, in the look's ink.
    const FormatTextParams& p = h.tip.m_params;
    const kt::Pixels px = kt::ReadClient(h.tip);
    const COLORREF ink = h.Ink(), paper = h.Paper();
    EXPECT_GT(px.Count(ink), 30);
    EXPECT_EQ(px.Count(ink), px.Count(ink, p.nMarginLeft, p.nMarginTop, 100 - p.nMarginRight, 20 - p.nMarginBottom));
    EXPECT_EQ(px.Count(paper) + px.Count(ink), 100 * 20);

    // A longer text grows the window when the platform shows it again.
    TOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    ti.hwnd = h.spy.m_hWnd;
    ti.uId = 1;
    ti.lpszText = (LPSTR) "Kelm Kelm";
    h.tip.SendMessage(TTM_UPDATETIPTEXTA, 0, (LPARAM)&ti);
    h.tip.SendMessage(TTM_TRACKACTIVATE, FALSE, (LPARAM)&ti);
    h.tip.SendMessage(TTM_TRACKACTIVATE, TRUE, (LPARAM)&ti);
    const CSize longer = Measure("Kelm Kelm", h.tip.m_params);
    EXPECT_TRUE(kt::PumpUntil([&] { return WindowRect(h.tip).Size() == CSize(longer.cx + 2, 22); }))
        << WindowRect(h.tip).Width();
}

TEST(ToolTip, EmptyTextGivesAnEmptyWindow) {
    TipHost h;
    h.tip.SetWindowPos(NULL, 50, 60, 120, 40, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(WindowRect(h.tip), CRect(50, 60, 50, 60));
}

TEST(ToolTip, StaysOnTheScreen) {
    TipHost h;
    h.tip.m_params = ParamsForSize("Kelm", 100, 20);
    ASSERT_TRUE(h.Show("Kelm", 100, 100));
    const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN), cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    const struct {
        int x, y;       // asked for
        int left, top;  // got
    } cases[] = {
        {cxScreen - 50, 100, cxScreen - 107, 100},              // past the right edge: 5 pixels left of it
        {cxScreen - 102, 100, cxScreen - 107, 100},             // touching the right edge
        {cxScreen - 103, 100, cxScreen - 103, 100},             // inside
        {100, cyScreen - 82, 100, cyScreen - 82 - 52},          // within 60 pixels of the bottom: above the point
        {100, cyScreen - 83, 100, cyScreen - 83},               // just clear of it
        {cxScreen - 10, cyScreen - 30, cxScreen - 107, cyScreen - 82},  // both
    };
    for (const auto& c : cases) {
        h.tip.SetWindowPos(NULL, c.x, c.y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
        EXPECT_EQ(WindowRect(h.tip), CRect(c.left, c.top, c.left + 102, c.top + 22)) << "asked for " << c.x << "," << c.y;
    }
}

TEST(ToolTip, PaintsCodePage1250TextInTheLooksInk) {
    TipHost h;
    FormatTextParams& p = h.tip.m_params;
    p.nFontSize = 120;
    p.crText = p.crLink = p.crShadow = RGB(0, 0, 255);  // replaced by the look's ink
    ASSERT_TRUE(h.Show(kWord, 100, 100));
    char text[64] = "";
    h.tip.GetWindowText(text, sizeof text);
    EXPECT_STREQ(text, kWord);

    // The same word drawn from Unicode in 12-point Tahoma at the one-pixel margin.
    const kt::Pixels shown = kt::ReadClient(h.tip);
    CDC screen;
    screen.Attach(::GetDC(NULL));
    CKBitmapDC reference(&screen, shown.width(), shown.height());
    ::ReleaseDC(NULL, screen.Detach());
    reference.FillSolidRect(0, 0, shown.width(), shown.height(), h.Paper());
    CFont tahoma;
    tahoma.CreateFont(-::MulDiv(12, reference.GetDeviceCaps(LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                      EASTEUROPE_CHARSET, 0, 0, DEFAULT_QUALITY, 0, "Tahoma");
    CFont* old = reference.SelectObject(&tahoma);
    reference.SetBkMode(TRANSPARENT);
    reference.SetTextColor(h.Ink());
    ::TextOutW(reference.m_hDC, 1, 1, kWordW, (int)wcslen(kWordW));
    reference.SelectObject(old);
    const kt::Pixels want = kt::ReadDC(reference.m_hDC, 0, 0, shown.width(), shown.height());
    EXPECT_GT(want.Count(h.Ink()), 150);
    EXPECT_TRUE(shown == want);
}

TEST(ToolTip, SizingAndPaintingReleaseTheirGdiObjects) {
    TipHost h;
    ASSERT_TRUE(h.Show("<b>Kelm</b> <i>ma</i> kota", 100, 100));
    const kt::Pixels first = kt::ReadClient(h.tip);
    const CRect rc = WindowRect(h.tip);
    const int nFree = FreeGdiHandles();
    for (int i = 0; i < 500; ++i) {
        h.tip.SetWindowPos(NULL, 100 + i % 2, 100, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
        h.tip.InvalidateRect(NULL, TRUE);
        h.tip.UpdateWindow();
    }
    EXPECT_GT(FreeGdiHandles(), nFree - 50);
    EXPECT_EQ(WindowRect(h.tip), CRect(CPoint(101, 100), rc.Size()));
    EXPECT_TRUE(kt::ReadClient(h.tip) == first);
}

// The platform shows the tip when the pointer rests on its tool and hides it when it leaves.
TEST(ToolTip, ShowsWhileTheMouseRestsOnTheTool) {
    TipHost h;
    CKStatic tool;
    ASSERT_TRUE(tool.Create("Kelm", WS_CHILD | WS_VISIBLE | SS_NOTIFY, CRect(20, 20, 140, 44), &h.spy, 9));
    const char text[] = "<b>Podpowiedź</b> dla etykiety";
    TOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = h.spy.m_hWnd;
    ti.uId = (UINT_PTR)tool.m_hWnd;
    ti.lpszText = (LPSTR)text;
    ASSERT_TRUE(h.tip.SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti));
    h.tip.SetDelayTime(TTDT_INITIAL, 100);

    kt::MoveCursorToClient(tool, 30, 12);
    ASSERT_TRUE(kt::PumpUntil([&] { return h.tip.IsWindowVisible() != FALSE; }, 4000));
    kt::PumpFor(50);
    const CSize size = Measure(text, h.tip.m_params);
    EXPECT_EQ(WindowRect(h.tip).Size(), CSize(size.cx + 2, size.cy + 2));
    const kt::Pixels px = kt::ReadClient(h.tip);
    EXPECT_GT(px.Count(h.Ink()), 50);
    EXPECT_EQ(px.At(0, 0), h.Paper());

    kt::MoveCursor(5, 5);
    EXPECT_TRUE(kt::PumpUntil([&] { return !h.tip.IsWindowVisible(); }, 4000));
    tool.DestroyWindow();
}

}  // namespace
