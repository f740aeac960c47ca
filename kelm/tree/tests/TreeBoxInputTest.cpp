// The tree under the mouse and the keys: node-box presses with the owner's veto, check-box
// clicks, keys with and without a current row, and the popup of a cut-off text under a real
// cursor, in both classes.
#include "TreeTestUtil.h"

namespace {

using namespace ttu;

// Fits a row in the tree's 8-pixel font, not in a device context's default font.
char g_text[] = "IIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIII";
char g_long[] = "Element o bardzo długim tekście, znacznie dłuższym niż cały wiersz drzewa";

// Rows (8-pixel font, 14-pixel rows): a (expanded) with children b (a leaf) and c (collapsed,
// with a leaf child), then d (a leaf).
template <class Tree>
struct Items {
    DWORD a, b, c, cc, d;
    explicit Items(Tree& tree) {
        a = tree.AddItem(0, g_text);
        b = tree.AddItem(a, g_long);
        c = tree.AddItem(a, g_text);
        cc = tree.AddItem(c, g_text);
        d = tree.AddItem(0, g_text);
        tree.ExpandItem(a, TRUE);
    }
};

bool Is(const kt::SpyMessage& m, UINT msg, WPARAM w, DWORD h) {
    return m.message == msg && m.wParam == w && (DWORD)m.lParam == h;
}

TEST(TreeBoxInput, NodeBoxPressesExpandUnlessLeftOrVetoed) {
    TreeHost<CKTreeBox> t;
    Items<CKTreeBox> it(t.tree);
    HWND h = t.tree.m_hWnd;
    // A leaf's node box: no capture, nothing else. (b is one level in: its node box is 16..30.)
    kt::SendMouse(h, WM_LBUTTONDOWN, 20, 14 + 5, MK_LBUTTON);
    kt::SendMouse(h, WM_LBUTTONUP, 20, 14 + 5);
    EXPECT_TRUE(t.Notes().empty());
    // Pressed, left, released outside: nothing.
    kt::SendMouse(h, WM_LBUTTONDOWN, 20, 28 + 5, MK_LBUTTON);
    EXPECT_EQ(::GetCapture(), h);
    kt::SendMouse(h, WM_MOUSEMOVE, 60, 28 + 5, MK_LBUTTON);
    kt::SendMouse(h, WM_LBUTTONUP, 60, 28 + 5);
    EXPECT_TRUE(t.Notes().empty());
    EXPECT_EQ(t.tree.GetItemState(it.c), 0u);
    // Pressed, capture lost, released inside: nothing, and the glyph no longer shows pressed.
    const kt::Pixels before = t.Read();
    kt::SendMouse(h, WM_LBUTTONDOWN, 20, 28 + 5, MK_LBUTTON);
    ::ReleaseCapture();
    kt::SendMouse(h, WM_LBUTTONUP, 20, 28 + 5);
    EXPECT_TRUE(t.Notes().empty());
    const kt::Pixels after = t.Read();
    for (int y = 28; y < 42; ++y)
        for (int x = 16; x < 30; ++x) ASSERT_EQ(after.At(x, y), before.At(x, y)) << x << "," << y;
    // Released inside, vetoed: asked, nothing done.
    t.host.bVeto = true;
    kt::SendMouse(h, WM_LBUTTONDOWN, 20, 28 + 5, MK_LBUTTON);
    kt::SendMouse(h, WM_LBUTTONUP, 21, 28 + 6);
    ASSERT_EQ(t.Notes().size(), 1u);
    EXPECT_TRUE(Is(t.Notes()[0], TBXN_ITEMEXPANDING, 1, it.c));
    EXPECT_EQ(t.tree.GetCount(), 4);
    // And allowed.
    t.host.bVeto = false;
    t.host.Clear();
    kt::SendMouse(h, WM_LBUTTONDOWN, 20, 28 + 5, MK_LBUTTON);
    kt::SendMouse(h, WM_LBUTTONUP, 20, 28 + 5);
    ASSERT_EQ(t.Notes().size(), 2u);
    EXPECT_TRUE(Is(t.Notes()[1], TBXN_ITEMEXPANDED, 1, it.c));
    EXPECT_EQ(t.tree.GetCount(), 5);
    EXPECT_NE(::GetCapture(), h);
}

TEST(TreeBoxInput, CheckBoxesAndKeys) {
    TreeHost<CKTreeBox> t;
    Items<CKTreeBox> it(t.tree);
    HWND h = t.tree.m_hWnd;
    // A click on b's check box (30..44 on its row): b, and a through its children, change.
    kt::SendClick(h, 36, 14 + 7);
    EXPECT_EQ(t.tree.GetCurSel(), 1) << "the list box selected the row";
    EXPECT_EQ(t.tree.GetItemState(it.b), TBIS_CHECKED);
    EXPECT_EQ(t.tree.GetItemState(it.a), TBIS_EXPANDED | TBIS_PARTCHECKED);
    ASSERT_EQ(t.Notes().size(), 1u);
    EXPECT_TRUE(Is(t.Notes()[0], TBXN_ITEMCHECKED, 1, it.b));
    // Space on the partly checked a checks it, and everything below.
    t.tree.SetCurSel(0);
    t.tree.SendMessage(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(t.tree.GetItemState(it.a), TBIS_EXPANDED | TBIS_CHECKED);
    EXPECT_EQ(t.tree.GetItemState(it.cc), TBIS_CHECKED);
    // Left collapses, Right and Enter expand, each asked first.
    t.host.Clear();
    t.tree.SendMessage(WM_KEYDOWN, VK_LEFT);
    t.tree.SendMessage(WM_KEYDOWN, VK_RIGHT);
    t.tree.SendMessage(WM_KEYDOWN, VK_RETURN);
    ASSERT_EQ(t.Notes().size(), 6u);
    EXPECT_TRUE(Is(t.Notes()[1], TBXN_ITEMEXPANDED, 0, it.a));
    EXPECT_TRUE(Is(t.Notes()[3], TBXN_ITEMEXPANDED, 1, it.a));
    EXPECT_TRUE(Is(t.Notes()[5], TBXN_ITEMEXPANDED, 0, it.a));
    // Without a current row every key is ignored, the list box's own ones too.
    t.tree.SetCurSel(-1);
    t.host.Clear();
    for (UINT key : {VK_RETURN, VK_SPACE, VK_LEFT, VK_RIGHT, VK_DOWN}) t.tree.SendMessage(WM_KEYDOWN, key);
    EXPECT_TRUE(t.Notes().empty());
    EXPECT_EQ(t.tree.GetCurSel(), -1);
    EXPECT_EQ(t.tree.GetItemState(it.a), TBIS_CHECKED);
}

TEST(TreeBoxInput, WithoutCheckBoxesSpaceAndClicksOnlySelect) {
    TreeHost<CKTreeBoxWithOutCheckBoxes> t;
    Items<CKTreeBoxWithOutCheckBoxes> it(t.tree);
    kt::SendClick(t.tree.m_hWnd, 36, 14 + 7);  // right of b's node box
    t.tree.SendMessage(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(t.tree.GetCurSel(), 1);
    EXPECT_EQ(t.tree.GetItemState(it.b), 0u);
    EXPECT_TRUE(t.Notes().empty());
    kt::SendClick(t.tree.m_hWnd, 20, 28 + 7);  // c's node box
    EXPECT_EQ(t.tree.Item2Index(it.cc), 3);
}

template <class Tree>
void PopupShowsACutTextAndHidesOnLeave(int nTextLeft) {
    TreeHost<Tree> t;
    Items<Tree> it(t.tree);
    HWND hPopup = t.tree.Popup();
    ASSERT_TRUE(::IsWindow(hPopup));
    // Rest on b's long text: the popup shows it whole over the text area.
    kt::MoveCursorToClient(t.tree.m_hWnd, 100, 14 + 7);
    ASSERT_TRUE(kt::PumpUntil([&] { return ::IsWindowVisible(hPopup) != FALSE; }, 3000));
    CRect rcPopup, rcRow = t.Row(1);
    ::GetWindowRect(hPopup, &rcPopup);
    t.tree.ClientToScreen(&rcRow);
    EXPECT_EQ(rcPopup.TopLeft(), CPoint(rcRow.left + 16 + nTextLeft, rcRow.top));
    EXPECT_EQ(rcPopup.Height(), 14);
    EXPECT_GT(rcPopup.Width(), rcRow.Width() - 16 - nTextLeft);
    // A row whose text fits in the tree's font gets none; leaving hides it and the hot row.
    CClientDC dc(&t.tree);
    ASSERT_GT(dc.GetTextExtent(g_text, (int)sizeof g_text - 1).cx, 200 - nTextLeft) << "the default font";
    dc.SelectObject(&t.font);
    ASSERT_LT(dc.GetTextExtent(g_text, (int)sizeof g_text - 1).cx + 2, 200 - nTextLeft);
    kt::MoveCursorToClient(t.tree.m_hWnd, 100, 7);
    kt::PumpFor(900);
    EXPECT_FALSE(::IsWindowVisible(hPopup));
    kt::MoveCursorToClient(t.tree.m_hWnd, 100, 14 + 7);
    ASSERT_TRUE(kt::PumpUntil([&] { return ::IsWindowVisible(hPopup) != FALSE; }, 3000));
    kt::MoveCursor(1250, 1000);
    EXPECT_TRUE(kt::PumpUntil([&] { return !::IsWindowVisible(hPopup); }, 1000));
    EXPECT_EQ(t.Read().Count(kPaperShadow, 16 + nTextLeft, 14, 200, 28), 0) << "no hot row after the leave";
    // The popup goes with the tree.
    t.tree.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hPopup));
}

TEST(TreeBoxInput, PopupShowsACutTextAndHidesOnLeave) { PopupShowsACutTextAndHidesOnLeave<CKTreeBox>(28); }
TEST(TreeBoxInput, PopupWithoutCheckBoxes) { PopupShowsACutTextAndHidesOnLeave<CKTreeBoxWithOutCheckBoxes>(14); }

}  // namespace
