#include "CKTreeRowIndex.h"

CKTreeRowIndex::CKTreeRowIndex() : m_nRoot(-1), m_nSeed(2463534242u), m_nCursorRow(-1), m_nCursorItem(-1) {}

void CKTreeRowIndex::Reserve(int nItems) {
    while ((int)m_nodes.size() < nItems) {
        // xorshift: fixed priorities, so that a run is repeatable
        m_nSeed ^= m_nSeed << 13;
        m_nSeed ^= m_nSeed >> 17;
        m_nSeed ^= m_nSeed << 5;
        m_nodes.push_back(Node{-1, -1, -1, 0, m_nSeed});
    }
}

void CKTreeRowIndex::Clear() {
    m_nCursorRow = -1;
    m_nodes.clear();
    m_nRoot = -1;
}

bool CKTreeRowIndex::HasRow(int nItem) const {
    return nItem >= 0 && nItem < (int)m_nodes.size() && m_nodes[nItem].nSize > 0;
}

void CKTreeRowIndex::Update(int n) {
    Node& node = m_nodes[n];
    node.nSize = 1 + Size(node.nLeft) + Size(node.nRight);
    if (node.nLeft >= 0) m_nodes[node.nLeft].nParent = n;
    if (node.nRight >= 0) m_nodes[node.nRight].nParent = n;
}

void CKTreeRowIndex::Split(int n, int nCount, int* pLeft, int* pRight) {
    if (n < 0) {
        *pLeft = *pRight = -1;
        return;
    }
    Node& node = m_nodes[n];
    if (Size(node.nLeft) < nCount) {
        int nRight;
        Split(node.nRight, nCount - Size(node.nLeft) - 1, &nRight, pRight);
        m_nodes[n].nRight = nRight;
        Update(n);
        *pLeft = n;
    } else {
        int nLeft;
        Split(node.nLeft, nCount, pLeft, &nLeft);
        m_nodes[n].nLeft = nLeft;
        Update(n);
        *pRight = n;
    }
}

int CKTreeRowIndex::Merge(int a, int b) {
    if (a < 0) return b;
    if (b < 0) return a;
    if (m_nodes[a].nPriority > m_nodes[b].nPriority) {
        m_nodes[a].nRight = Merge(m_nodes[a].nRight, b);
        Update(a);
        return a;
    }
    m_nodes[b].nLeft = Merge(a, m_nodes[b].nLeft);
    Update(b);
    return b;
}

void CKTreeRowIndex::SetRoot(int n) {
    m_nCursorRow = -1;
    m_nRoot = n;
    if (n >= 0) m_nodes[n].nParent = -1;
}

void CKTreeRowIndex::InsertRun(const int* pItems, int nCount, int nRow) {
    // The run becomes a treap of its own in one pass (a Cartesian tree built on a stack of its
    // right spine), then joins the rows at nRow with one split and two merges.
    std::vector<int>& spine = m_scratch;
    spine.clear();
    for (int i = 0; i < nCount; ++i) {
        const int nItem = pItems[i];
        if (nItem < 0 || HasRow(nItem)) continue;
        Reserve(nItem + 1);
        int nLast = -1;
        while (!spine.empty() && m_nodes[spine.back()].nPriority < m_nodes[nItem].nPriority) {
            nLast = spine.back();
            spine.pop_back();
            Update(nLast);
        }
        Node& node = m_nodes[nItem];
        node.nLeft = nLast;
        node.nRight = node.nParent = -1;
        node.nSize = 1;
        if (!spine.empty()) m_nodes[spine.back()].nRight = nItem;
        spine.push_back(nItem);
    }
    if (spine.empty()) return;
    for (size_t i = spine.size(); i-- > 0;) Update(spine[i]);
    const int nRun = spine.front();
    if (nRow < 0) nRow = 0;
    if (nRow > Count()) nRow = Count();
    int a, b;
    Split(m_nRoot, nRow, &a, &b);
    SetRoot(Merge(Merge(a, nRun), b));
}

void CKTreeRowIndex::EraseRun(int nRow, int nCount) {
    if (nRow < 0 || nRow >= Count() || nCount <= 0) return;
    int a, b, m, c;
    Split(m_nRoot, nRow, &a, &b);
    Split(b, nCount, &m, &c);
    SetRoot(Merge(a, c));
    // Every node of the removed run loses its row.
    std::vector<int> stack(1, m);
    while (!stack.empty()) {
        Node& node = m_nodes[stack.back()];
        stack.pop_back();
        if (node.nLeft >= 0) stack.push_back(node.nLeft);
        if (node.nRight >= 0) stack.push_back(node.nRight);
        node.nLeft = node.nRight = node.nParent = -1;
        node.nSize = 0;
    }
}

int CKTreeRowIndex::EraseAt(int nRow) {
    const int nItem = ItemAt(nRow);
    EraseRun(nRow, 1);
    return nItem;
}

int CKTreeRowIndex::RowOf(int nItem) const {
    if (!HasRow(nItem)) return -1;
    int nRow = Size(m_nodes[nItem].nLeft);
    for (int n = nItem; m_nodes[n].nParent >= 0; n = m_nodes[n].nParent) {
        const Node& parent = m_nodes[m_nodes[n].nParent];
        if (parent.nRight == n) nRow += Size(parent.nLeft) + 1;
    }
    return nRow;
}

int CKTreeRowIndex::Next(int n) const {
    if (m_nodes[n].nRight >= 0) {
        for (n = m_nodes[n].nRight; m_nodes[n].nLeft >= 0;) n = m_nodes[n].nLeft;
        return n;
    }
    while (m_nodes[n].nParent >= 0 && m_nodes[m_nodes[n].nParent].nRight == n) n = m_nodes[n].nParent;
    return m_nodes[n].nParent;
}

int CKTreeRowIndex::ItemAt(int nRow) const {
    if (nRow < 0 || nRow >= Count()) return -1;
    int n;
    if (m_nCursorRow >= 0 && nRow == m_nCursorRow) {
        n = m_nCursorItem;
    } else if (m_nCursorRow >= 0 && nRow == m_nCursorRow + 1) {
        n = Next(m_nCursorItem);
    } else {
        n = m_nRoot;
        for (int nLeftRows = nRow;;) {
            const int nLeft = Size(m_nodes[n].nLeft);
            if (nLeftRows < nLeft) {
                n = m_nodes[n].nLeft;
            } else if (nLeftRows == nLeft) {
                break;
            } else {
                nLeftRows -= nLeft + 1;
                n = m_nodes[n].nRight;
            }
        }
    }
    m_nCursorRow = nRow;
    m_nCursorItem = n;
    return n;
}
