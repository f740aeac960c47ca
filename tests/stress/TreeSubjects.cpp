// Stress subjects: the tree boxes, with and without check boxes. Besides the list box's own
// messages the storm expands, collapses, checks and adds items at random.
#include "StressSubjects.h"

#include <kelm/kelm.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace kst {
namespace {

int Rand(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

// The storm's tree operations, sent as these pseudo-messages.
const UINT kExpand = WM_APP + 1, kCheck = WM_APP + 2, kAdd = WM_APP + 3;

char g_texts[40][64];
const char g_long[] = "Element drzewa o tekście dłuższym, niż zmieści wiersz kontrolki";

// 4 items with 3 children of 2 children each (36 items), one with a long text; two expanded.
void Fill(CKTreeBoxBase* p) {
    p->RemoveAll();
    p->ResetContent();
    int n = 0;
    auto text = [&](const char* fmt, int a, int b, int c) {
        std::snprintf(g_texts[n], sizeof g_texts[n], fmt, a, b, c);
        return (void*)g_texts[n++];
    };
    for (int i = 0; i < 4; ++i) {
        const DWORD a = p->AddItem(0, text("Gałąź %d", i + 1, 0, 0));
        for (int j = 0; j < 3; ++j) {
            const DWORD b = p->AddItem(a, i == 0 && j == 1 ? (void*)g_long : text("Węzeł %d.%d", i + 1, j + 1, 0));
            for (int k = 0; k < 2; ++k) p->AddItem(b, text("Liść %d.%d.%d", i + 1, j + 1, k + 1));
        }
    }
    p->ExpandItem(p->GetRootItem(), TRUE);
    p->ExpandItem(p->GetRootItem() + 1, TRUE);
    p->SetCurSel(2);
    p->SetTopIndex(0);
}

template <class Tree>
CWnd* Create(CWnd* pParent, CRect rc) {
    Tree* p = new Tree;
    p->Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, rc, pParent, 10);
    Fill(p);
    return p;
}

void Send(CWnd* pWnd, UINT msg, std::mt19937& rng) {
    CKTreeBoxBase* p = static_cast<CKTreeBoxBase*>(pWnd);
    // Handles mostly of items, sometimes of none.
    const DWORD h = Rand(rng, 0, 9) == 0 ? (DWORD)Rand(rng, 0, 3) << 30 : 0xFFFF0000 | (DWORD)Rand(rng, 0, 40);
    switch (msg) {
    case kExpand: p->ExpandItem(h, Rand(rng, 0, 1)); break;
    case kCheck:
        if (CKTreeBox* pCheck = DYNAMIC_DOWNCAST(CKTreeBox, pWnd)) pCheck->CheckItem(h, Rand(rng, 0, 1));
        else p->SetItemState(h, (UINT)Rand(rng, 0, 0x1F));
        break;
    case kAdd:
        if (p->GetItemChildren(h) < 6) p->AddItem(Rand(rng, 0, 3) == 0 ? 0 : h, g_texts[Rand(rng, 0, 35)]);
        break;
    case LB_SETCURSEL:
    case LB_SETTOPINDEX: p->SendMessage(msg, Rand(rng, -2, 60)); break;
    default: p->SendMessage(msg); break;
    }
}

void Check(CWnd* pWnd) {
    CKTreeBoxBase* p = static_cast<CKTreeBoxBase*>(pWnd);
    Fill(p);
    EXPECT_EQ(p->GetCount(), 1 + 3 + 2 + 3);
    EXPECT_EQ(p->GetItemData(2), (DWORD_PTR)g_texts[2]) << "the first leaf under the first node";
    EXPECT_EQ(p->GetItemData(4), (DWORD_PTR)g_long);
    EXPECT_EQ(p->GetItemState(p->GetRootItem()), TBIS_EXPANDED);
    EXPECT_EQ(p->GetCurSel(), 2);
}

const std::vector<UINT> kMessages = {kExpand, kCheck, kAdd, LB_SETCURSEL, LB_SETTOPINDEX, LB_GETCURSEL};

SubjectRegistrar g_checked({"tree box", CRect(10, 10, 210, 150), &Create<CKTreeBox>, kMessages, &Send, &Check});
SubjectRegistrar g_plain({"tree box without check boxes", CRect(10, 10, 210, 150),
                          &Create<CKTreeBoxWithOutCheckBoxes>, kMessages, &Send, &Check});

}  // namespace
}  // namespace kst
