// Tree rows in pixels: the columns of an 8-pixel font, the roles of selected, focused and hot
// rows, the paint after scrolling, and rows that cannot show everything.
#include "TreeTestUtil.h"

namespace {

using namespace ttu;

char g_text[] = "IIIIIIII";

TEST(TreeBoxDraw, ColumnsOfAnEightPixelFont) {
    TreeHost<CKTreeBox> t;
    const DWORD a = t.tree.AddItem(0, g_text);
    t.tree.AddItem(a, g_text);
    const DWORD c = t.tree.AddItem(0, g_text);
    t.tree.AddItem(c, g_text);
    t.tree.ExpandItem(a, TRUE);  // rows: a (expanded), its leaf, c (collapsed)
    t.tree.CheckItem(c, TRUE);
    EXPECT_EQ(t.tree.GetItemHeight(0), 14);
    const kt::Pixels p = t.Read();
    for (int row = 0; row < 3; ++row) {
        const int y = row * 14, x = row == 1 ? 16 : 0;  // the leaf is one level in
        // Node column: ink all round; a glyph in the 8 x 8 box at offset 3 (and its shadow), none for a leaf.
        const int nNode = CountOther(p, kInk, x, y, x + 14, y + 14);
        EXPECT_EQ(nNode, CountOther(p, kInk, x + 3, y + 3, x + 11, y + 11)) << row;
        EXPECT_EQ(nNode > 0, row != 1) << row;
        // Check column: the box's glyph only inside its 8 x 8 box.
        const int nCheck = CountOther(p, kInk, x + 14, y, x + 28, y + 14);
        EXPECT_GT(nCheck, 0) << row;
        EXPECT_EQ(nCheck, CountOther(p, kInk, x + 17, y + 3, x + 25, y + 11)) << row;
        // Text in paper from level x indent + 28 + 3 on (an I has a bearing of a pixel at most).
        const int nFirst = FirstOther(p, kInk, x + 28, y, 200, y + 14);
        EXPECT_GE(nFirst, x + 31) << row;
        EXPECT_LE(nFirst, x + 32) << row;
        EXPECT_GT(p.Count(kPaper, nFirst, y, nFirst + 1, y + 14), 0) << row;
    }
    // Expanded and collapsed glyphs differ; unchecked and checked boxes too.
    auto box = [&](int x, int y) {
        std::vector<COLORREF> v;
        for (int j = 3; j < 11; ++j)
            for (int i = 3; i < 11; ++i) v.push_back(p.At(x + i, y + j));
        return v;
    };
    EXPECT_NE(box(0, 0), box(0, 28));
    EXPECT_NE(box(14, 0), box(14, 28));
}

TEST(TreeBoxDraw, SelectedHotAndFocusedRowsTakeTheirRoles) {
    TreeHost<CKTreeBox> t;
    const DWORD a = t.tree.AddItem(0, g_text), b = t.tree.AddItem(0, g_text);
    t.tree.AddItem(a, g_text);
    t.tree.AddItem(b, g_text);
    t.tree.SetCurSel(0);
    t.tree.GetParent()->SetFocus();
    kt::Pixels p = t.Read();
    // Selected, no focus: the text area framed in S = ink, a line of Hv at y = 1, paper inside;
    // the check column the same with its line also down x = ih + 1.
    EXPECT_EQ(p.At(100, 0), kInk);
    EXPECT_EQ(p.At(199, 7), kInk);
    EXPECT_EQ(p.At(100, 1), kPaperShadow);
    EXPECT_EQ(p.At(150, 7), kPaper);
    EXPECT_EQ(p.At(15, 7), kPaperShadow);
    EXPECT_EQ(p.At(150, 14 + 7), kInk) << "an unselected row's text area";

    t.tree.SetFocus();
    p = t.Read();
    EXPECT_EQ(p.At(199, 7), kInkHigh) << "S with the focus";

    // The hot row moves with the mouse, both rows repainted: Hv and Ht change.
    auto nodeHot = [&](const kt::Pixels& px, int row) { return px.Count(kPaperHigh, 3, row * 14 + 3, 11, row * 14 + 11) > 0; };
    kt::SendMouse(t.tree.m_hWnd, WM_MOUSEMOVE, 100, 7);
    p = t.Read();
    EXPECT_TRUE(nodeHot(p, 0));
    EXPECT_FALSE(nodeHot(p, 1));
    kt::SendMouse(t.tree.m_hWnd, WM_MOUSEMOVE, 100, 14 + 7);
    p = t.Read();
    EXPECT_FALSE(nodeHot(p, 0));
    EXPECT_TRUE(nodeHot(p, 1));
    EXPECT_GT(p.Count(kPaperShadow, 31, 14 + 3, 200, 14 + 11), 0) << "Ht of the hot row: its text";
    kt::SendMouse(t.tree.m_hWnd, WM_MOUSEMOVE, 100, 90);  // below the rows
    p = t.Read();
    EXPECT_FALSE(nodeHot(p, 1));
}

TEST(TreeBoxDraw, APaintAfterScrollingRepaintsAllAndSkinsBelowTheRows) {
    TreeHost<CKTreeBoxWithOutCheckBoxes> t(CRect(0, 0, 200, 101));
    for (int i = 0; i < 10; ++i) t.tree.AddItem(0, g_text);
    t.Read();
    {
        CClientDC dc(&t.tree);
        dc.FillSolidRect(CRect(0, 0, 200, 101), RGB(255, 0, 0));
    }
    t.tree.SetTopIndex(3);  // the last 7 rows fill 98 pixels
    const kt::Pixels p = t.Read();
    EXPECT_EQ(p.Count(RGB(255, 0, 0)), 0);
    EXPECT_EQ(p.Count(kInk, 0, 98, 200, 101), 200 * 3);
    // Without a check column the text cell starts at ih + 3.
    const int nFirst = FirstOther(p, kInk, 14, 0, 200, 14);
    EXPECT_TRUE(nFirst == 17 || nFirst == 18) << nFirst;
}

// A painting failure stays in the row.
class ThrowingTree : public CKTreeBox {
public:
    int DrawItemData(CDC*, const CRect&, DRAWITEMSTRUCT*) override { throw "no"; }
};

TEST(TreeBoxDraw, FontsNarrowRowsAndFailuresPaintWithoutHarm) {
    // A character height: rows from the font's real height.
    TreeHost<CKTreeBox> t(CRect(0, 0, 20, 100), LBS_NOINTEGRALHEIGHT, -11);
    CClientDC dc(&t.tree);
    dc.SelectObject(&t.font);
    TEXTMETRICA tm;
    dc.GetTextMetrics(&tm);
    const DWORD a = t.tree.AddItem(0, g_text);
    const DWORD b = t.tree.AddItem(a, g_text);
    t.tree.AddItem(b, g_text);
    t.tree.ExpandItem(a, TRUE);
    t.tree.ExpandItem(b, TRUE);
    EXPECT_EQ(t.tree.GetItemHeight(0), tm.tmHeight + 6);
    // A narrow control, items two levels in: no room for the text, and still every pixel painted.
    kt::Pixels p = t.Read();
    EXPECT_EQ(p.Count(RGB(255, 255, 255)), 0);
    // A font set later: every row takes its height.
    t.tree.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    EXPECT_EQ(t.tree.GetItemHeight(2), KelmFontHeight((HFONT)::GetStockObject(DEFAULT_GUI_FONT)) + 6);

    ThrowingTree bad;
    ASSERT_TRUE(bad.Create(WS_CHILD | WS_VISIBLE, CRect(20, 0, 200, 100), &t.host, 8));
    bad.AddItem(0, g_text);
    bad.Invalidate();
    bad.UpdateWindow();
    bad.SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(150, 5));
    EXPECT_TRUE(::IsWindow(bad.m_hWnd));
}

}  // namespace
