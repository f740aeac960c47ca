/// @file
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>

#include <vector>

/// The rows of a tree box as a sequence of item indices, with the row of an item and the item of a
/// row found in logarithmic time (an implicit treap keyed by position, with parent links).
///
/// An item is a non-negative index; each item has at most one row. The priorities come from a fixed
/// seed, so that a run is repeatable.
class KELM_API CKTreeRowIndex {
public:
    CKTreeRowIndex();

    /// Room for items 0 .. nItems - 1; items already placed keep their rows.
    void Reserve(int nItems);
    /// Removes every row and forgets every item.
    void Clear();

    /// The number of rows.
    int Count() const { return m_nRoot < 0 ? 0 : m_nodes[m_nRoot].nSize; }
    /// Whether the item has a row.
    bool HasRow(int nItem) const;
    /// Places one item at nRow (see InsertRun).
    void Insert(int nItem, int nRow) { InsertRun(&nItem, 1, nRow); }
    /// Places items without rows at nRow (0 .. Count()) and the rows after it, shifting the
    /// rows below them; an item that has a row already is skipped. Costs a step per item plus
    /// one logarithmic split and merge.
    void InsertRun(const int* pItems, int nCount, int nRow);
    /// Removes nCount rows from nRow on (as many as there are); their items have no rows then.
    void EraseRun(int nRow, int nCount);
    /// Removes the row nRow and returns its item (-1 when there is no such row).
    int EraseAt(int nRow);
    /// The row of an item, -1 when it has none.
    int RowOf(int nItem) const;
    /// The item in a row, -1 past the end. Rows asked for one after another (as a paint does)
    /// cost a step each.
    int ItemAt(int nRow) const;

private:
    struct Node {
        int nLeft, nRight, nParent;
        int nSize;        ///< rows in this subtree; 0 for an item without a row
        unsigned nPriority;
    };
    int Size(int n) const { return n < 0 ? 0 : m_nodes[n].nSize; }
    void Update(int n);
    /// Splits the subtree n into its first nCount rows (*pLeft) and the rest (*pRight).
    void Split(int n, int nCount, int* pLeft, int* pRight);
    int Merge(int a, int b);
    void SetRoot(int n);
    int Next(int n) const;  ///< the item of the following row, -1 after the last


    std::vector<Node> m_nodes;
    int m_nRoot;
    unsigned m_nSeed;
    mutable int m_nCursorRow, m_nCursorItem;  ///< the last row answered, -1 after a change
    std::vector<int> m_scratch;
};
