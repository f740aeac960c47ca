// The list boxes in the soak and the message storm: items added, inserted, deleted and disabled
// at random, selection and scrolling, with the popup and hover of the skinned list; the long list
// box paging over a million items with its scroll bar.
#include <kelm/kelm.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "StressSubjects.h"

namespace kst {
namespace {

int Rand(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

// A list box with disabled items drawn plainly: the state decides the row's colours.
class CPlainListBoxEx : public CListBoxEx {
public:
    void MeasureItem(LPMEASUREITEMSTRUCT p) override { p->itemHeight = 18; }
    void DrawItem(LPDRAWITEMSTRUCT p) override {
        CDC* pDC = CDC::FromHandle(p->hDC);
        const UINT s = p->itemState;
        pDC->FillSolidRect(&p->rcItem, RGB((s & ODS_SELECTED) ? 0 : 255, (s & ODS_HOTLIGHT) ? 0 : 255, 255));
        CString text;
        GetText((int)p->itemID, text);
        pDC->SetTextColor((s & ODS_DISABLED) ? RGB(128, 128, 128) : 0);
        pDC->SetBkMode(TRANSPARENT);
        pDC->TextOut(p->rcItem.left + 2, p->rcItem.top + 1, text);
    }
};

// Pseudo-messages: the flag operations of the class.
const UINT kSetDis = WM_APP + 1, kDisRange = WM_APP + 2, kGetDis = WM_APP + 3;

const char* const kTexts[] = {"Krótki", "Wiersz z tekstem dłuższym niż lista jest szeroka", "", "Ala", "Zażółć"};

void SendList(CWnd* p, UINT msg, std::mt19937& rng) {
    CListBoxEx* l = static_cast<CListBoxEx*>(p);
    const int n = l->GetCount();
    const int i = Rand(rng, -2, n + 2);
    switch (msg) {
    case LB_ADDSTRING: l->AddString(kTexts[Rand(rng, 0, 4)]); break;
    case LB_INSERTSTRING: l->InsertString(i, kTexts[Rand(rng, 0, 4)]); break;
    case LB_DELETESTRING: l->DeleteString((UINT)i); break;
    case LB_RESETCONTENT:
        if (Rand(rng, 0, 9) == 0) l->ResetContent();
        break;
    case kSetDis: l->SetDis(i, Rand(rng, 0, 3)); break;
    case kDisRange: l->DisItemRange(Rand(rng, 0, 1), i, Rand(rng, -2, n + 2)); break;
    case kGetDis: {
        int buf[64];
        l->GetDis(i);
        l->GetDisItems(Rand(rng, -1, 64), buf);
        break;
    }
    default: p->SendMessage(msg, (WPARAM)i, Rand(rng, 0, 1)); break;
    }
}

void CheckList(CWnd* p) {
    CListBoxEx* l = static_cast<CListBoxEx*>(p);
    l->ResetContent();
    for (int i = 0; i < 12; ++i) EXPECT_EQ(l->AddString(kTexts[i % 5]), i);
    EXPECT_EQ(l->DisItemRange(1, 2, 4), 0);
    EXPECT_EQ(l->DeleteString(0), 11);
    EXPECT_EQ(l->GetDisCount(), 11);
    int buf[12];
    ASSERT_EQ(l->GetDisItems(12, buf), 3);
    EXPECT_EQ(buf[0], 1);
    EXPECT_EQ(buf[2], 3);
    l->SetCurSel(5);
    l->SetTopIndex(0);
    EXPECT_EQ(l->GetCurSel(), 5);
    l->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(-100, -100));  // no hot row
}

const std::vector<UINT> kListMessages = {LB_ADDSTRING,  LB_ADDSTRING,  LB_INSERTSTRING, LB_DELETESTRING,
                                         LB_RESETCONTENT, LB_SETCURSEL, LB_SETTOPINDEX, LB_SETCARETINDEX,
                                         kSetDis,       kDisRange,     kGetDis};

const DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;

template <class TList>
CWnd* MakeList(CWnd* pParent, CRect rc) {
    TList* p = new TList;
    p->Create(kStyle, rc, pParent, 10);
    for (int i = 0; i < 12; ++i) p->AddString(kTexts[i % 5]);
    p->SetDis(3, 1);
    return p;
}

SubjectRegistrar g_skinned({"skinned list box", CRect(10, 10, 170, 150), &MakeList<CKListBox>, kListMessages,
                            &SendList, &CheckList});
SubjectRegistrar g_plain({"list box with disabled items", CRect(10, 10, 170, 150), &MakeList<CPlainListBoxEx>,
                          kListMessages, &SendList, &CheckList});

}  // namespace
}  // namespace kst

namespace kst {
namespace {

// The long list box with its scroll bar, paging over a million items: counts, selections, top
// indices, page moves, scroll requests and keys at random.
class CStressLongList : public CKLongListBox {
public:
    CKScrollBar bar;
    ~CStressLongList() override { DestroyWindow(); }  // before its bar goes
    int DrawItemData(CDC* pDC, const CRect& rc, DRAWITEMSTRUCT* p) override {
        char text[24];
        const int n = std::snprintf(text, sizeof text, "Row %07d", GetPageOffset() + (int)p->itemID + 1);
        pDC->TextOut(rc.left, rc.top, text, n);
        return pDC->GetTextExtent(text, n).cx;
    }
};

const UINT kLongSel = WM_APP + 10, kLongTop = WM_APP + 11, kLongSelChange = WM_APP + 12, kLongKey = WM_APP + 13,
           kLongMax = WM_APP + 14, kLongScroll2 = WM_APP + 15;

void SendLongList(CWnd* p, UINT msg, std::mt19937& rng) {
    CStressLongList* l = static_cast<CStressLongList*>(p);
    const int n = l->GetCount();
    switch (msg) {
    case LB_SETCOUNT: l->SetCount(Rand(rng, 0, 3) == 0 ? Rand(rng, -1, 60) : Rand(rng, 0, 20000000)); break;
    case kLongSel: l->SetCurSel(Rand(rng, -2, n + 2), Rand(rng, 0, 1) != 0); break;
    case kLongTop: l->SetTopIndex(Rand(rng, -2, n + 2)); break;
    case kLongSelChange:
        l->CListBox::SetCurSel(Rand(rng, -1, l->CListBox::GetCount()));
        l->OnSelChange();
        break;
    case kLongKey: {
        const UINT keys[] = {VK_END, VK_HOME, VK_DOWN, VK_UP, VK_NEXT};
        MSG m = {l->m_hWnd, Rand(rng, 0, 1) ? (UINT)WM_KEYDOWN : (UINT)WM_KEYUP, keys[Rand(rng, 0, 4)], 1};
        if (!l->PreTranslateMessage(&m)) l->SendMessage(m.message, m.wParam, m.lParam);
        break;
    }
    case kLongMax: l->SetMaxCount(Rand(rng, 0, 40000)); break;
    case kLongScroll2: l->OnVScroll_(Rand(rng, 0, 9), 0, &l->bar); break;
    default: l->SendMessage(msg, Rand(rng, 0, 9), (LPARAM)l->bar.m_hWnd); break;
    }
}

void CheckLongList(CWnd* p) {
    CStressLongList* l = static_cast<CStressLongList*>(p);
    l->SetCount(1000000);
    EXPECT_EQ(l->GetCount(), 1000000);
    EXPECT_EQ(l->CListBox::GetCount(), 30120);
    l->SetCurSel(750000);
    EXPECT_EQ(l->GetCurSel(), 750000);
    EXPECT_EQ(l->GetTopIndex(), 750000);
    l->SendMessage(WM_VSCROLL, SB_BOTTOM, (LPARAM)l->bar.m_hWnd);
    EXPECT_EQ(l->GetCurSel(), 999999);
    l->SetCurSel(750000);
}

CWnd* MakeLongList(CWnd* pParent, CRect rc) {
    CStressLongList* p = new CStressLongList;
    p->bar.Create(WS_CHILD | WS_DISABLED | SBS_VERT, CRect(0, 0, 20, 100), pParent, 11);
    p->Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, rc,
              pParent, 10);
    p->SetScroll(&p->bar);
    SetBorderType(p, BT_SUNKEN);
    p->SetCount(1000000);
    p->SetCurSel(750000);
    return p;
}

SubjectRegistrar g_long({"long list box", CRect(10, 10, 170, 150), &MakeLongList,
                         {LB_SETCOUNT, kLongSel, kLongTop, kLongSelChange, kLongKey, kLongMax, kLongScroll2,
                          WM_VSCROLL},
                         &SendLongList, &CheckLongList});

}  // namespace
}  // namespace kst
