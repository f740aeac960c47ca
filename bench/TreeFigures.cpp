// Tree store figures: a three-level tree of 4,096, 16,384 and 65,536 items (one root with k - 1
// children of k children each, k = 64, 128, 256) built, expanded item by item in pre-order, checked
// from the root, and mapped both ways: the row of the last item, the item of every row.
// Building and expanding are timed three ways: in a tree box; as the same list box messages sent to
// a platform owner-draw list box alone (recorded from the store and replayed); and in the store
// alone, rows counted but not made. The first two show what the list box itself costs.
#include <kelm/kelm.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Bench.h"
#include "Figures.h"

namespace {

class BenchTree : public CKTreeBox {
public:
    using CKTreeBox::CountItems;
    using CKTreeBox::Index2Item;
    using CKTreeBox::Item2Index;
    CKTreeStore& Store() { return m_store; }
};

// Records the store's list messages instead of making rows.
struct RecordedRows : CKTreeRowSink {
    struct Op {
        UINT msg;
        WPARAM wParam;
    };
    std::vector<Op> ops;
    int n = 0;
    bool AddRow(void*) override { return Push(LB_ADDSTRING, 0, 1); }
    bool InsertRow(int nRow, void*) override { return Push(LB_INSERTSTRING, (WPARAM)nRow, 1); }
    void DeleteRow(int nRow) override { Push(LB_DELETESTRING, (WPARAM)nRow, -1); }
    void SetRedraw(bool b) override { Push(WM_SETREDRAW, b ? 1 : 0, 0); }
    bool Push(UINT msg, WPARAM w, int d) {
        ops.push_back(Op{msg, w});
        n += d;
        return true;
    }
};

char g_text[] = "Element drzewa";
const DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL;
const CRect kRect(10, 10, 330, 430);

struct Times {
    double build = 0, expand = 0, check = 0, item2index = 0, index2item = 0, walk = 0;
    int rows = 0;
};

// Builds the tree in pre-order, then expands every item that has children, in pre-order.
template <class Tree>
void BuildAndExpand(Tree& tree, int nItems, Times& t) {
    int k = 1;
    while (k * k < nItems) ++k;
    std::vector<DWORD> open;
    double t0 = fig::NowMs();
    const DWORD hRoot = tree.AddItem(0, g_text);
    open.push_back(hRoot);
    for (int i = 0; i < k - 1; ++i) {
        const DWORD h = tree.AddItem(hRoot, g_text);
        open.push_back(h);
        for (int j = 0; j < k; ++j) tree.AddItem(h, g_text);
    }
    t.build = fig::NowMs() - t0;
    t0 = fig::NowMs();
    for (DWORD h : open) tree.ExpandItem(h, TRUE);
    t.expand = fig::NowMs() - t0;
    t0 = fig::NowMs();
    tree.CheckItem(tree.GetRootItem(), TRUE);
    t.check = fig::NowMs() - t0;
}

template <class Tree>
void Map(Tree& tree, CTree* pRoot, int nItems, Times& t) {
    const DWORD hLast = 0xFFFF0000 | (nItems - 1);
    const int nCalls = 1000;
    double t0 = fig::NowMs();
    int sum = 0;
    for (int i = 0; i < nCalls; ++i) sum += tree.Item2Index(hLast);
    t.item2index = (fig::NowMs() - t0) * 1000.0 / nCalls;
    t0 = fig::NowMs();
    DWORD all = 0xFFFFFFFF;
    for (int r = 0; r < t.rows; ++r) all &= tree.Index2Item((UINT)r);
    t.index2item = fig::NowMs() - t0;
    // The walk from the top that the mapping replaces, for the same item.
    t0 = fig::NowMs();
    UINT nCount = 0;
    tree.CountItems(pRoot, hLast, nCount);
    t.walk = (fig::NowMs() - t0) * 1000.0;
    if (sum != nCalls * (t.rows - 1) || all != 0xFFFF0000 || (int)nCount != t.rows - 1)
        fig::Note("tree: the mapping answered wrongly");
}

// Sends recorded list messages to a platform list box; the time of those from first to last.
double Replay(HWND hList, const std::vector<RecordedRows::Op>& ops, size_t first, size_t last) {
    const double t0 = fig::NowMs();
    for (size_t i = first; i < last; ++i) {
        const RecordedRows::Op& op = ops[i];
        ::SendMessageA(hList, op.msg, op.wParam, op.msg == WM_SETREDRAW || op.msg == LB_DELETESTRING ? 0 : (LPARAM)g_text);
    }
    return fig::NowMs() - t0;
}

std::string RunSection(const BenchArgs&) {
    std::string out = "Tree store (CKTreeBox, 320x420 with a scroll bar): 3 levels under one root, all expanded\n";
    out += fig::Format("%6s %6s %-26s %-26s %8s %10s %10s %9s\n", "items", "rows", "build ms: box / list / store",
                       "expand ms: box / list / store", "check ms", "Item2Index", "Index2Item", "walk us");
    out += fig::Format("%6s %6s %-26s %-26s %8s %10s %10s %9s\n", "", "", "", "", "", "us (last)", "ms (all)",
                       "(last)");
    CWnd host;
    host.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)::GetStockObject(WHITE_BRUSH)), "tree bench",
                  WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 340, 440, NULL, NULL);
    std::vector<Times> box, list, store;
    for (int nItems : {4096, 16384, 65536}) {
        fig::Note("tree: %d items", nItems);
        Times b, l, s;
        {
            BenchTree tree;
            tree.Create(kStyle, kRect, &host, 1);
            BuildAndExpand(tree, nItems, b);
            b.rows = tree.GetCount();
            Map(tree, tree.Store().GetRootBranch(), nItems, b);
        }
        fig::PumpPending();
        // The store alone: the best of five runs, the last one recorded for the list box.
        RecordedRows rows;
        for (int run = 0; run < 5; ++run) {
            rows = RecordedRows();
            CKTreeStore tree(&rows);
            Times t;
            BuildAndExpand(tree, nItems, t);
            t.rows = rows.n;
            Map(tree, tree.GetRootBranch(), nItems, t);
            if (run == 0) s = t;
            s.build = std::min(s.build, t.build);
            s.expand = std::min(s.expand, t.expand);
        }
        const size_t nBuildOps = size_t(std::count_if(rows.ops.begin(), rows.ops.end(),
                                                       [](const RecordedRows::Op& op) { return op.msg == LB_ADDSTRING; }));
        HWND hList = ::CreateWindowExA(0, "LISTBOX", "", kStyle | LBS_OWNERDRAWVARIABLE | LBS_NOINTEGRALHEIGHT,
                                       kRect.left, kRect.top, kRect.Width(), kRect.Height(), host.m_hWnd, (HMENU)2,
                                       NULL, NULL);
        l.build = Replay(hList, rows.ops, 0, nBuildOps);
        l.expand = Replay(hList, rows.ops, nBuildOps, rows.ops.size());
        ::DestroyWindow(hList);
        fig::PumpPending();
        out += fig::Format("%6d %6d %7.1f / %6.1f / %6.2f %7.1f / %7.1f / %5.2f %8.2f %10.3f %10.2f %9.1f\n", nItems,
                           b.rows, b.build, l.build, s.build, b.expand, l.expand, s.expand, b.check, b.item2index,
                           b.index2item, b.walk);
        box.push_back(b);
        list.push_back(l);
        store.push_back(s);
    }
    auto g = [](const std::vector<Times>& v, double Times::*f) { return v.front().*f > 0 ? v.back().*f / (v.front().*f) : 0.0; };
    out += fig::Format("  growth 4,096 -> 65,536 items (16x items; target at most 20x):\n"
                       "    box: build %.0fx, expand %.1fx, check %.1fx, Item2Index %.1fx, Index2Item %.1fx\n"
                       "    list box alone: build %.0fx, expand %.1fx; store alone: build %.1fx, expand %.1fx; "
                       "the walk from the top %.1fx\n",
                       g(box, &Times::build), g(box, &Times::expand), g(box, &Times::check), g(box, &Times::item2index),
                       g(box, &Times::index2item), g(list, &Times::build), g(list, &Times::expand),
                       g(store, &Times::build), g(store, &Times::expand), g(box, &Times::walk));
    host.DestroyWindow();
    fig::PumpPending();
    return out;
}

FigureSectionRegistrar g_tree({"tree", 5, &RunSection});

}  // namespace
