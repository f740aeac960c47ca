// The skinned list box in a real window: rows composed by state, the paint cycle, row heights,
// what a row shows, the text popup and its capture rules, the external scroll bar, and failures
// kept inside.
#include <kelm/lists/CKListBox.h>
#include <kelm/paint/KelmFont.h>
#include <kelm/paint/KelmPopupWnd.h>
#include <kelm/range/CKScrollBar.h>

#include <memory>
#include <set>
#include <string>

#include "ListTestUtil.h"

namespace {

using namespace lbt;

// Opens the protected state to the tests; DrawItemData can be made to fail for one item.
class CTestList : public CKListBox {
public:
    using CKListBox::m_hPopupWnd;
    using CKListBox::m_nHotItem;
    int throwOn = -1;
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

const char kLong[] = "Wiersz z bardzo dlugim tekstem";

kt::Pixels Paint(CWnd& w) {
    w.Invalidate();
    w.UpdateWindow();
    return kt::ReadClient(w.m_hWnd);
}

std::set<COLORREF> Colours(const kt::Pixels& p, const CRect& rc) {
    std::set<COLORREF> out;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x) out.insert(p.At(x, y));
    return out;
}

// The width of a text in the rows' default font.
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
    auto row = [&](const kt::Pixels& p, int i) { return Colours(p, h.ItemRect(i)); };
    l.m_nHotItem = 1;
    l.SetDis(3, 1);
    l.SetCurSel(3);
    kt::Pixels p = Paint(l);
    EXPECT_EQ(row(p, 0), (std::set<COLORREF>{kInkPattern, kPaperPattern})) << "text in the paper pattern";
    EXPECT_EQ(row(p, 1), (std::set<COLORREF>{kInkPattern, kPaperHigh})) << "hot: text in ctHighlight";
    EXPECT_EQ(row(p, 3), (std::set<COLORREF>{kInkPattern, kDisabled})) << "disabled wins over selected";

    l.SetDis(3, 0);
    p = Paint(l);
    const CRect r = h.ItemRect(3);
    EXPECT_EQ(p.At(r.left, r.top), kInkPattern) << "frame";
    EXPECT_EQ(p.At(r.right - 1, r.bottom - 1), kInkPattern);
    EXPECT_EQ(p.At(r.right - 3, r.top + 1), kPaperShadow) << "inner edge";
    EXPECT_EQ(p.At(r.right - 3, r.bottom - 2), kPaperPattern) << "content";
    EXPECT_EQ(row(p, 3), (std::set<COLORREF>{kInkPattern, kPaperShadow, kPaperPattern})) << "text: ink pattern";

    l.SetFocus();  // selected, focused and hot: frame, inner edge, shadow and text in ctHighlight
    l.m_nHotItem = 3;
    p = Paint(l);
    EXPECT_EQ(p.At(r.left, r.top), kInkHigh);
    EXPECT_EQ(p.At(r.left + 1, r.top + 1), kPaperHigh);
    EXPECT_EQ(row(p, 3), (std::set<COLORREF>{kInkHigh, kPaperHigh, kPaperPattern}));
    EXPECT_GT(p.Count(kInkHigh, r.left + 2, r.top + 2, r.right - 1, r.bottom - 1), 0) << "focused text";
}

// Patterns run on from row to row and into the strip below a short list, aligned to the look's
// window; a full list gets no strip over its last, cut row.
TEST(ListBox, StripBelowTheRowsOnly) {
    Host h(CRect(10, 10, 210, 160), kOwnerDraw, 3);
    CTestList& l = h.list;
    CKBitmapDC stripes(NULL, 4, 3);
    const COLORREF bands[3] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200)};
    for (int i = 0; i < 3; ++i) stripes.FillSolidRect(0, i, 4, 1, bands[i]);
    h.look.reset(new CKMPBitmapProvider(&h.spy, stripes, kInk, kInkShadow, kInkHigh, h.paper, kPaper, kPaperShadow,
                                        kPaperHigh, false));
    CPoint org(0, 0);
    ::MapWindowPoints(l.m_hWnd, h.spy.m_hWnd, &org, 1);
    kt::Pixels p = Paint(l);
    CRect rc;
    l.GetClientRect(&rc);
    int wrong = 0;
    for (int y = 0; y < rc.bottom; ++y) wrong += p.At(rc.right - 2, y) != bands[(y + org.y) % 3];
    EXPECT_EQ(wrong, 0) << "the last column of every row and of the strip below";

    for (int i = 3; i < 10; ++i) l.AddString("row");
    const int nCut = rc.bottom / l.GetItemHeight(0);
    ASSERT_GT(h.ItemRect(nCut).bottom, rc.bottom);
    l.SetCurSel(nCut);
    l.SetTopIndex(0);
    p = Paint(l);
    EXPECT_EQ(p.At(h.ItemRect(nCut).right - 3, rc.bottom - 1), kPaperPattern) << "the cut row's content";
}

// The first paint finds the top index changed and covers the whole list; later paints cover what
// was invalidated. A row the platform draws outside WM_PAINT after a scroll becomes a full repaint.
TEST(ListBox, PaintCycleRepaintsAllWhenTheTopIndexChanged) {
    kt::SpyParent spy;
    ASSERT_TRUE(spy.CreateHost(300, 260));
    CTestList l;
    ASSERT_TRUE(l.Create(kOwnerDraw, CRect(10, 10, 210, 150), &spy, 100));
    for (int i = 0; i < 20; ++i) l.AddString("row");
    const COLORREF kRed = RGB(255, 0, 0);
    CRect rc, row0;
    l.GetClientRect(&rc);
    l.GetItemRect(0, &row0);
    auto smearAndPaintRow0 = [&] {
        CClientDC(&l).FillSolidRect(rc, kRed);
        l.InvalidateRect(row0, FALSE);
        l.UpdateWindow();
        return kt::ReadClient(l.m_hWnd).Count(kRed);
    };
    l.ValidateRect(NULL);
    EXPECT_EQ(smearAndPaintRow0(), 0) << "first paint: everything";
    EXPECT_EQ(smearAndPaintRow0(), rc.Width() * (rc.Height() - row0.Height())) << "then row 0 only";

    l.SetCurSel(1);  // drawn at once, outside WM_PAINT
    EXPECT_TRUE(Pending(l.m_hWnd).IsRectEmpty());
    l.SetTopIndex(5);
    l.ValidateRect(NULL);
    l.SetCurSel(6);
    EXPECT_EQ(Pending(l.m_hWnd), rc) << "after a scroll the row becomes a full repaint";
    l.DestroyWindow();
    spy.DestroyWindow();
}

TEST(ListBox, RowHeightsFromTheFont) {
    Host h;
    CTestList& l = h.list;
    EXPECT_EQ(l.GetFont()->GetSafeHandle(), ::GetStockObject(SYSTEM_FONT)) << "no window font";
    EXPECT_EQ(l.GetItemHeight(0), KelmFontHeight((HFONT)::GetStockObject(SYSTEM_FONT)) + 4) << "at creation";
    CFont cell, character;
    cell.CreateFont(22, 0, 0, 0, FW_NORMAL, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 0, "Tahoma");
    character.CreateFont(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 0, "Tahoma");
    l.SetFont(&cell);
    EXPECT_EQ(l.ItemHeight(), 22 + 4);
    l.SetFont(&character);
    CClientDC dc(&l);
    CFont* pOld = dc.SelectObject(&character);
    TEXTMETRICA tm = {};
    dc.GetTextMetrics(&tm);
    dc.SelectObject(pOld);
    EXPECT_GT(tm.tmHeight, 13);
    EXPECT_EQ(l.FontHeight(), tm.tmHeight) << "a character height gives the height the text takes";
    l.SetFont(NULL, FALSE);
}

TEST(ListBox, WhatARowShows) {
    Host h(CRect(10, 10, 210, 110), WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT);
    static const char kData[] = "dane";
    h.list.SendMessage(LB_ADDSTRING, 0, (LPARAM)kData);  // without LBS_HASSTRINGS: the item data
    h.list.SendMessage(LB_ADDSTRING, 0, 0);
    const kt::Pixels p = Paint(h.list);
    EXPECT_GT(p.Count(kPaperPattern, 0, 0, 200, h.ItemRect(0).bottom), 0) << "the data's text";
    EXPECT_EQ(Colours(p, h.ItemRect(1)), std::set<COLORREF>{kInkPattern}) << "a null pointer shows nothing";

    Host s;  // with LBS_HASSTRINGS the list box's own string, whatever the data
    const std::string longText(300, 'm');
    s.list.AddString("tekst");
    s.list.AddString(longText.c_str());
    s.list.SetItemData(0, (DWORD_PTR)kData);
    CKMonoBitmapDC mask(NULL, 100, 20);
    DRAWITEMSTRUCT dis = {};
    const int widths[3] = {TextWidth("tekst"), TextWidth(longText.c_str()), 0};
    for (int i = 0; i < 3; ++i) {
        dis.itemID = (UINT)i;
        EXPECT_EQ(s.list.DrawItemData(&mask, CRect(0, 0, 100, 20), &dis), widths[i]) << i;
    }
}

// The popup shows a text as wide as the row or wider, over the row and never past the screen.
TEST(ListBox, TextPopupForRowsTooNarrowForTheirText) {
    const int w = TextWidth(kLong);
    for (int extra : {0, 1}) {
        Host h(CRect(10, 10, 10 + w + extra, 110), kOwnerDraw);
        h.list.AddString(kLong);
        kt::MoveCursorToClient(h.hwnd(), 5, 5);
        ASSERT_TRUE(kt::PumpUntil([&] { return ::GetCapture() == h.hwnd(); }, 1000));
        kt::PumpFor(50);
        EXPECT_EQ(h.list.PopupShown(), extra == 0) << "row " << w + extra << " wide, text " << w;
        CRect row = h.ItemRect(0);
        h.list.ClientToScreen(&row);
        if (extra == 0) {
            EXPECT_EQ(h.list.PopupRect(), CRect(row.left, row.top + 1, row.left + w + 3, row.bottom + 1));
        }
    }
    const int cx = ::GetSystemMetrics(SM_CXSCREEN);
    Host edge(CRect(10, 10, 110, 110), kOwnerDraw, 0, CPoint(cx - 200, 40));
    edge.list.AddString(kLong);
    kt::MoveCursorToClient(edge.hwnd(), 5, 5);
    ASSERT_TRUE(kt::PumpUntil([&] { return edge.list.PopupShown(); }, 1000));
    EXPECT_EQ(edge.list.PopupRect().right, cx - 1);
    EXPECT_EQ(edge.list.PopupRect().Width(), w + 3);
}

TEST(ListBox, PopupCaptureAndLeave) {
    Host h(CRect(10, 10, 70, 110), kOwnerDraw);
    CTestList& l = h.list;
    l.AddString(kLong);
    l.AddString("ok");
    kt::MoveCursorToClient(h.hwnd(), 5, 5);
    ASSERT_TRUE(kt::PumpUntil([&] { return l.PopupShown(); }, 1000));
    const CPoint onPopup = l.PopupRect().TopLeft() + CSize(20, 3);
    kt::MoveCursor(onPopup.x, onPopup.y);
    kt::PumpFor(100);
    ASSERT_EQ(::WindowFromPoint(onPopup), l.m_hPopupWnd);
    EXPECT_EQ(::GetCapture(), h.hwnd()) << "onto the popup: the capture stays";
    EXPECT_TRUE(l.PopupShown());

    kt::MoveCursorToClient(h.hwnd(), 5, 5);
    kt::PumpFor(50);
    kt::SendMouse(h.hwnd(), WM_MOUSEMOVE, 5, 150);  // over the host, the button up
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
    EXPECT_TRUE(l.PopupShown()) << "the popup waits for the leave";
    kt::MoveCursor(1250, 1000);
    EXPECT_TRUE(kt::PumpUntil([&] { return !l.PopupShown(); }, 1000));
    EXPECT_EQ(l.m_nHotItem, -1);

    kt::MoveCursorToClient(h.hwnd(), 5, 5);
    ASSERT_TRUE(kt::PumpUntil([&] { return l.PopupShown(); }, 1000));
    l.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_FALSE(l.PopupShown()) << "a key hides it";
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
    int nBefore = 0, nAfter = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountPopup, (LPARAM)&nBefore);
    for (int i = 0; i < 40; ++i) {
        std::unique_ptr<CKListBox> l(new CKListBox);
        ASSERT_TRUE(l->Create(kOwnerDraw, CRect(10, 10, 110, 110), &spy, 100));
        if (i % 2) l->DestroyWindow();  // destroyed as a window, or with its object
    }
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountPopup, (LPARAM)&nAfter);
    EXPECT_EQ(nAfter, nBefore);
    spy.DestroyWindow();
}

TEST(ListBox, ExternalScrollBarAndTheSkinnedFrame) {
    Host h(CRect(10, 10, 150, 150), kOwnerDraw | WS_BORDER, 30);
    CTestList& l = h.list;
    CKScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_DISABLED | SBS_VERT, CRect(0, 0, 20, 100), &h.spy, 101));
    auto clientWidth = [&] {
        l.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        CRect rc;
        l.GetClientRect(&rc);
        return rc.Width();
    };
    EXPECT_EQ(clientWidth(), 140 - 2) << "the system frame";
    l.SetScroll(&bar);
    bar.EnableWindow(TRUE);
    EXPECT_EQ(clientWidth(), 140 - 20) << "the skinned frame docks the bar";
    EXPECT_EQ(l.GetScrollBarCtrl(SB_VERT), &bar);
    EXPECT_EQ(l.GetScrollBarCtrl(SB_HORZ), nullptr);
    l.SetScroll(NULL);
    EXPECT_EQ(clientWidth(), 140 - 2);
}

// A failing row or popup picture stays inside: the other rows are painted, the popup hidden.
TEST(ListBox, FailuresStayInside) {
    Host h(CRect(10, 10, 70, 110), kOwnerDraw);
    CTestList& l = h.list;
    for (int i = 0; i < 3; ++i) l.AddString(kLong);
    l.throwOn = 1;
    EXPECT_EQ(Colours(Paint(l), h.ItemRect(2)), (std::set<COLORREF>{kInkPattern, kPaperPattern}));
    kt::MoveCursorToClient(h.hwnd(), 5, 5);
    ASSERT_TRUE(kt::PumpUntil([&] { return l.PopupShown(); }, 1000));
    kt::MoveCursorToClient(h.hwnd(), 5, h.ItemRect(1).top + 5);
    EXPECT_TRUE(kt::PumpUntil([&] { return !l.PopupShown(); }, 1000));
}

}  // namespace
