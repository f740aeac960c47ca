// The skinned list box in a real window: rows composed by state, the paint cycle, row heights,
// what a row shows, the text popup and its capture rules, the external scroll bar, and failures
// kept inside.
#include <kelm/lists/CKListBox.h>
#include <kelm/lists/ListRow.h>
#include <kelm/paint/KelmFont.h>
#include <kelm/paint/KelmPopupWnd.h>
#include <kelm/range/CKScrollBar.h>

#include <memory>
#include <set>
#include <string>

#include "ListTestUtil.h"

namespace {

using namespace lbt;

// Opens the protected state to the tests.
class CTestList : public CKListBox {
public:
    using CKListBox::m_hPopupWnd;
    using CKListBox::m_nHotItem;
    int throwOn = -1;  // DrawItemData fails for this item
    int DrawItemData(CDC* pDC, const CRect& rc, DRAWITEMSTRUCT* p) override {
        if ((int)p->itemID == throwOn) throw 42;
        return CKListBox::DrawItemData(pDC, rc, p);
    }
    bool PopupShown() const { return m_hPopupWnd != NULL && ::IsWindowVisible(m_hPopupWnd); }
    CRect PopupRect() const {
        CRect rc;
        ::GetWindowRect(m_hPopupWnd, &rc);
        return rc;
    }
};

using Host = ListHost<CTestList>;

kt::Pixels Paint(CWnd& w) {
    w.Invalidate();
    w.UpdateWindow();
    return kt::ReadClient(w.m_hWnd);
}

// The colours of a rectangle of a picture.
std::set<COLORREF> Colours(const kt::Pixels& p, const CRect& rc) {
    std::set<COLORREF> out;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x) out.insert(p.At(x, y));
    return out;
}

// The width the rows' default font gives a text.
int TextWidth(const char* text) {
    HDC hdc = ::CreateCompatibleDC(NULL);
    SIZE size = {};
    ::GetTextExtentPoint32A(hdc, text, (int)strlen(text), &size);
    ::DeleteDC(hdc);
    return size.cx;
}

TEST(ListBox, RowsAreComposedByState) {
    Host h(CRect(10, 10, 210, 150), kOwnerDraw, 4);
    CTestList& l = h.list;
    const int rowH = l.GetItemHeight(0);
    auto row = [&](const kt::Pixels& p, int i) { return Colours(p, h.ItemRect(i)); };

    kt::Pixels p = Paint(l);
    EXPECT_EQ(row(p, 0), (std::set<COLORREF>{kInkPattern, kPaperPattern})) << "text in the paper pattern";

    l.m_nHotItem = 1;
    l.SetDis(3, 1);
    l.SetCurSel(3);
    p = Paint(l);
    EXPECT_EQ(row(p, 1), (std::set<COLORREF>{kInkPattern, kPaperHigh})) << "hot: text in ctHighlight";
    EXPECT_EQ(row(p, 3), (std::set<COLORREF>{kInkPattern, kDisabled})) << "disabled wins over selected";

    l.SetDis(3, 0);
    p = Paint(l);
    const CRect r3 = h.ItemRect(3);
    EXPECT_EQ(p.At(r3.left, r3.top), kInkPattern) << "frame";
    EXPECT_EQ(p.At(r3.right - 1, r3.bottom - 1), kInkPattern);
    EXPECT_EQ(p.At(r3.left + 1, r3.top + 1), kPaperShadow) << "inner edge";
    EXPECT_EQ(p.At(r3.right - 3, r3.top + 1), kPaperShadow);
    EXPECT_EQ(p.At(r3.right - 3, r3.bottom - 2), kPaperPattern) << "content";
    EXPECT_EQ(row(p, 3), (std::set<COLORREF>{kInkPattern, kPaperShadow, kPaperPattern}))
        << "text in the ink pattern";

    // Selected, focused and hot: frame, inner edge, shadow and text in ctHighlight.
    l.SetFocus();
    l.m_nHotItem = 3;
    p = Paint(l);
    EXPECT_EQ(p.At(r3.left, r3.top), kInkHigh);
    EXPECT_EQ(p.At(r3.left + 1, r3.top + 1), kPaperHigh);
    EXPECT_EQ(row(p, 3), (std::set<COLORREF>{kInkHigh, kPaperHigh, kPaperPattern}));
    EXPECT_GT(p.Count(kInkHigh, r3.left + 2, r3.top + 2, r3.right - 1, r3.bottom - 1), 0) << "focused text";
    EXPECT_EQ(rowH, l.ItemHeight());
}

// Patterns run on from row to row and into the strip below, aligned to the look's window.
TEST(ListBox, StripBelowAShortListAndPatternsAlignedToTheWindow) {
    Host h(CRect(10, 10, 210, 150), kOwnerDraw, 3);
    CTestList& l = h.list;
    CKBitmapDC stripes(NULL, 4, 3);
    const COLORREF bands[3] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200)};
    for (int i = 0; i < 3; ++i) stripes.FillSolidRect(0, i, 4, 1, bands[i]);
    h.look.reset(new CKMPBitmapProvider(&h.spy, stripes, kInk, kInkShadow, kInkHigh, h.paper, kPaper, kPaperShadow,
                                        kPaperHigh, false));
    CPoint org(0, 0);
    ::MapWindowPoints(l.m_hWnd, h.spy.m_hWnd, &org, 1);
    const kt::Pixels p = Paint(l);
    CRect rc;
    l.GetClientRect(&rc);
    ASSERT_LT(h.ItemRect(2).bottom, rc.bottom - 10);
    int wrong = 0;
    for (int y = 0; y < rc.bottom; ++y) wrong += p.At(rc.right - 2, y) != bands[(y + org.y) % 3];
    EXPECT_EQ(wrong, 0) << "the last column of every row and of the strip below";
}

TEST(ListBox, FullListPaintsNoStrip) {
    Host h(CRect(10, 10, 210, 160), kOwnerDraw, 10);
    CTestList& l = h.list;
    CRect rc;
    l.GetClientRect(&rc);
    const int nLast = rc.bottom / l.GetItemHeight(0);  // cut by the bottom edge
    ASSERT_LT(h.ItemRect(nLast).top, rc.bottom);
    ASSERT_GT(h.ItemRect(nLast).bottom, rc.bottom);
    l.SetCurSel(nLast);
    l.SetTopIndex(0);
    const kt::Pixels p = Paint(l);
    EXPECT_EQ(p.At(h.ItemRect(nLast).left + 1, rc.bottom - 1), kPaperShadow) << "the cut row's inner edge";
    EXPECT_EQ(p.At(h.ItemRect(nLast).left + 5, rc.bottom - 1), kPaperPattern) << "and its content";
}

// The first paint finds the top index changed and covers the whole list; later paints cover what
// was invalidated. A row the platform draws outside WM_PAINT after a scroll becomes a full repaint.
TEST(ListBox, PaintCycleRepaintsWholeListWhenTheTopIndexChanged) {
    kt::SpyParent spy;
    ASSERT_TRUE(spy.CreateHost(300, 260));
    CTestList l;
    ASSERT_TRUE(l.Create(kOwnerDraw, CRect(10, 10, 210, 150), &spy, 100));
    for (int i = 0; i < 20; ++i) l.AddString("row");
    const COLORREF kRed = RGB(255, 0, 0);
    CRect rc;
    l.GetClientRect(&rc);
    auto smear = [&] {
        CClientDC dc(&l);
        dc.FillSolidRect(rc, kRed);
    };
    CRect row0;
    l.GetItemRect(0, &row0);

    l.ValidateRect(NULL);
    smear();
    l.InvalidateRect(row0, FALSE);
    l.UpdateWindow();
    EXPECT_EQ(kt::ReadClient(l.m_hWnd).Count(kRed), 0) << "first paint: everything";

    smear();
    l.InvalidateRect(row0, FALSE);
    l.UpdateWindow();
    EXPECT_EQ(kt::ReadClient(l.m_hWnd).Count(kRed), rc.Width() * (rc.Height() - row0.Height())) << "row 0 only";

    l.SetCurSel(1);  // drawn at once, outside WM_PAINT
    EXPECT_TRUE(Pending(l.m_hWnd).IsRectEmpty());
    l.SetTopIndex(5);
    l.ValidateRect(NULL);
    l.SetCurSel(6);
    EXPECT_EQ(Pending(l.m_hWnd), rc) << "after a scroll the row becomes a full repaint";
    l.UpdateWindow();
    EXPECT_EQ(kt::ReadClient(l.m_hWnd).Count(kRed), 0);
    l.DestroyWindow();
    spy.DestroyWindow();
}

TEST(ListBox, RowHeightsFromTheFont) {
    Host h;
    CTestList& l = h.list;
    const int nSystem = KelmFontHeight((HFONT)::GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(l.GetFont()->GetSafeHandle(), ::GetStockObject(SYSTEM_FONT)) << "no window font";
    EXPECT_EQ(l.ItemHeight(), nSystem + 4);
    EXPECT_EQ(l.GetItemHeight(0), nSystem + 4) << "measured at creation";

    CFont cell, character;
    cell.CreateFont(22, 0, 0, 0, FW_NORMAL, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 0, "Tahoma");
    character.CreateFont(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 0, "Tahoma");
    l.SetFont(&cell);
    EXPECT_EQ(l.FontHeight(), 22);
    l.SetFont(&character);
    TEXTMETRICA tm = {};
    HDC hdc = ::CreateCompatibleDC(NULL);
    HGDIOBJ old = ::SelectObject(hdc, character.m_hObject);
    ::GetTextMetricsA(hdc, &tm);
    ::SelectObject(hdc, old);
    ::DeleteDC(hdc);
    EXPECT_GT(tm.tmHeight, 13);
    EXPECT_EQ(l.FontHeight(), tm.tmHeight) << "a character height gives the height the text takes";
    EXPECT_EQ(l.ItemHeight(), tm.tmHeight + 4);
    l.SetFont(NULL, FALSE);
}

TEST(ListBox, WhatARowShows) {
    Host h(CRect(10, 10, 210, 110), WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT);
    CTestList& l = h.list;
    static const char kText[] = "dane";
    l.SendMessage(LB_ADDSTRING, 0, (LPARAM)kText);  // without LBS_HASSTRINGS: the item data
    l.SendMessage(LB_ADDSTRING, 0, 0);
    kt::Pixels p = Paint(l);
    EXPECT_GT(p.Count(kPaperPattern, 0, 0, 200, h.ItemRect(0).bottom), 0) << "the data's text";
    EXPECT_EQ(Colours(p, h.ItemRect(1)), std::set<COLORREF>{kInkPattern}) << "a null pointer shows nothing";

    DRAWITEMSTRUCT dis = {};
    CKMonoBitmapDC mask(NULL, 100, 20);
    dis.itemID = 1;
    EXPECT_EQ(l.DrawItemData(&mask, CRect(0, 0, 100, 20), &dis), 0);
    dis.itemData = (ULONG_PTR)kText;
    EXPECT_EQ(l.DrawItemData(&mask, CRect(0, 0, 100, 20), &dis), TextWidth(kText));

    Host s;  // with LBS_HASSTRINGS the list box's own string, whatever the data
    s.list.AddString("tekst");
    s.list.SetItemData(0, (DWORD_PTR)kText);
    dis.itemID = 0;
    EXPECT_EQ(s.list.DrawItemData(&mask, CRect(0, 0, 100, 20), &dis), TextWidth("tekst"));
    dis.itemID = 5;
    EXPECT_EQ(s.list.DrawItemData(&mask, CRect(0, 0, 100, 20), &dis), 0) << "no such item";
    const std::string longText(300, 'm');
    s.list.AddString(longText.c_str());
    dis.itemID = 1;
    EXPECT_EQ(s.list.DrawItemData(&mask, CRect(0, 0, 100, 20), &dis), TextWidth(longText.c_str()));
}

// The popup shows a text as wide as the row or wider, over the row, and never off the screen.
TEST(ListBox, TextPopupForRowsTooNarrowForTheirText) {
    const char* kLong = "Wiersz z bardzo dlugim tekstem";
    const int w = TextWidth(kLong);
    for (int extra : {0, 1}) {
        Host h(CRect(10, 10, 10 + w + extra, 110), kOwnerDraw);
        h.list.AddString(kLong);
        kt::MoveCursorToClient(h.hwnd(), 5, 5);
        ASSERT_TRUE(kt::PumpUntil([&] { return ::GetCapture() == h.hwnd(); }, 1000));
        kt::PumpFor(50);
        EXPECT_EQ(h.list.PopupShown(), extra == 0) << "row " << w + extra << " wide, text " << w;
        if (extra == 0) {
            CRect row = h.ItemRect(0);
            h.list.ClientToScreen(&row);
            EXPECT_EQ(h.list.PopupRect(), CRect(row.left, row.top + 1, row.left + w + 3, row.bottom + 1));
        }
    }

    const int cx = ::GetSystemMetrics(SM_CXSCREEN);
    Host edge(CRect(10, 10, 110, 110), kOwnerDraw, 0, CPoint(cx - 200, 40));
    edge.list.AddString(kLong);
    kt::MoveCursorToClient(edge.hwnd(), 5, 5);
    ASSERT_TRUE(kt::PumpUntil([&] { return edge.list.PopupShown(); }, 1000));
    const CRect rc = edge.list.PopupRect();
    EXPECT_EQ(rc.right, cx - 1);
    EXPECT_EQ(rc.Width(), w + 3);
    EXPECT_EQ(kelm::TextPopupRect(CRect(cx - 50, 0, cx, 20), 10, cx), CRect(cx - 50, 1, cx - 37, 21))
        << "a popup that fits stays over the row";
}

TEST(ListBox, PopupCaptureAndLeave) {
    const char* kLong = "Wiersz z bardzo dlugim tekstem";
    Host h(CRect(10, 10, 70, 110), kOwnerDraw);
    CTestList& l = h.list;
    l.AddString(kLong);
    l.AddString("krotki");
    kt::MoveCursorToClient(h.hwnd(), 5, 5);
    ASSERT_TRUE(kt::PumpUntil([&] { return l.PopupShown(); }, 1000));
    ASSERT_EQ(::GetCapture(), h.hwnd());

    // Onto the popup itself: capture and popup stay.
    const CRect popup = l.PopupRect();
    kt::MoveCursor(popup.left + 20, popup.top + 3);
    kt::PumpFor(100);
    ASSERT_EQ(::WindowFromPoint(CPoint(popup.left + 20, popup.top + 3)), l.m_hPopupWnd);
    EXPECT_EQ(::GetCapture(), h.hwnd());
    EXPECT_TRUE(l.PopupShown());

    // Over another window with the button up: the capture goes, the popup waits for the leave.
    kt::MoveCursorToClient(h.hwnd(), 5, 5);
    kt::PumpFor(50);
    kt::SendMouse(h.hwnd(), WM_MOUSEMOVE, 5, 150);  // a point of the host, below the list
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
    EXPECT_TRUE(l.PopupShown());
    kt::MoveCursor(1250, 1000);
    EXPECT_TRUE(kt::PumpUntil([&] { return !l.PopupShown(); }, 1000)) << "WM_MOUSELEAVE hides it";
    EXPECT_EQ(l.m_nHotItem, -1);

    // A key hides it too; a row whose text fits shows none.
    kt::MoveCursorToClient(h.hwnd(), 5, 5);
    ASSERT_TRUE(kt::PumpUntil([&] { return l.PopupShown(); }, 1000));
    l.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_FALSE(l.PopupShown());
    kt::MoveCursorToClient(h.hwnd(), 5, h.ItemRect(1).top + 5);
    kt::PumpFor(100);
    EXPECT_EQ(l.m_nHotItem, 1);
    EXPECT_FALSE(l.PopupShown());
}

BOOL CALLBACK CountPopup(HWND hWnd, LPARAM lParam) {
    char name[64] = "";
    ::GetClassNameA(hWnd, name, sizeof name);
    *(int*)lParam += std::string(name) == GetPopupWndClassName();
    return TRUE;
}

TEST(ListBox, PopupsGoWithTheirListBoxes) {
    kt::SpyParent spy;
    ASSERT_TRUE(spy.CreateHost(300, 260));
    auto popups = [] {
        int n = 0;
        ::EnumThreadWindows(::GetCurrentThreadId(), &CountPopup, (LPARAM)&n);
        return n;
    };
    const int nBefore = popups();
    for (int i = 0; i < 40; ++i) {
        std::unique_ptr<CKListBox> l(new CKListBox);
        ASSERT_TRUE(l->Create(kOwnerDraw, CRect(10, 10, 110, 110), &spy, 100));
        if (i % 2) l->DestroyWindow();  // destroyed as a window, or with its object
    }
    EXPECT_EQ(popups(), nBefore);
    spy.DestroyWindow();
}

TEST(ListBox, ExternalScrollBarAndTheSkinnedFrame) {
    Host h(CRect(10, 10, 150, 150), kOwnerDraw | WS_BORDER, 30);
    CTestList& l = h.list;
    CKScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_DISABLED | SBS_VERT, CRect(0, 0, 20, 100), &h.spy, 101));
    EXPECT_EQ(l.GetScrollBarCtrl(SB_VERT), nullptr);
    CRect client;
    l.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 140 - 2) << "the system frame";

    l.SetScroll(&bar);
    bar.EnableWindow(TRUE);
    l.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_EQ(l.GetScrollBarCtrl(SB_VERT), &bar);
    EXPECT_EQ(l.GetScrollBarCtrl(SB_HORZ), nullptr);
    EXPECT_EQ(l.GetScrollBarCtrl(SB_CTL), nullptr);
    l.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 140 - 20) << "the skinned frame docks the bar";
    CRect rcBar;
    bar.GetWindowRect(&rcBar);
    CRect rcList;
    l.GetWindowRect(&rcList);
    EXPECT_EQ(rcBar.right, rcList.right);

    l.SetScroll(NULL);
    l.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    l.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 140 - 2);
}

// A failing row or popup picture stays inside the list box: the other rows are painted and the
// popup is hidden.
TEST(ListBox, FailuresStayInside) {
    const char* kLong = "Wiersz z bardzo dlugim tekstem";
    Host h(CRect(10, 10, 70, 110), kOwnerDraw);
    CTestList& l = h.list;
    for (int i = 0; i < 3; ++i) l.AddString(kLong);
    l.throwOn = 1;
    const kt::Pixels p = Paint(l);
    EXPECT_EQ(Colours(p, h.ItemRect(2)), (std::set<COLORREF>{kInkPattern, kPaperPattern}));
    kt::MoveCursorToClient(h.hwnd(), 5, 5);
    ASSERT_TRUE(kt::PumpUntil([&] { return l.PopupShown(); }, 1000));
    kt::MoveCursorToClient(h.hwnd(), 5, h.ItemRect(1).top + 5);
    EXPECT_TRUE(kt::PumpUntil([&] { return !l.PopupShown(); }, 1000));
    EXPECT_TRUE(::IsWindow(h.hwnd()));
}

}  // namespace
