// The list boxes in the soak and the message storm: items added, inserted, deleted and disabled
// at random, selection and scrolling, with the popup and hover of the skinned list.
#include <kelm/kelm.h>
#include <gtest/gtest.h>

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
