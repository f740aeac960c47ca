#include "CKTreeStore.h"

// Deep trees (a chain of thousands of items) are legal: every walk below keeps its own stack
// instead of recursing.

CTree::CNode* CTree::CNodePool::New(const CTreeNode& data) {
    if (m_nUsed == kBlock) {
        m_blocks.reserve(m_blocks.size() + 1);
        m_blocks.push_back(static_cast<CNode*>(::operator new(sizeof(CNode) * kBlock)));
        m_nUsed = 0;
    }
    CNode* p = m_blocks.back() + m_nUsed;
    new (p) CNode{NULL, NULL, data};
    ++m_nUsed;
    return p;
}

void CTree::CNodePool::Clear() {
    for (size_t b = 0; b < m_blocks.size(); ++b) {
        const size_t n = b + 1 == m_blocks.size() ? m_nUsed : kBlock;
        for (size_t i = 0; i < n; ++i) m_blocks[b][i].~CNode();
        ::operator delete(m_blocks[b]);
    }
    m_blocks.clear();
    m_nUsed = kBlock;
}

POSITION CTree::AddTail(const CTreeNode& node) {
    CNode* p = m_pPool->New(node);
    p->pPrev = m_pTail;
    (m_pTail != NULL ? m_pTail->pNext : m_pHead) = p;
    m_pTail = p;
    ++m_nCount;
    return (POSITION)p;
}

void CTree::RemoveTail() {
    if (m_pTail == NULL) return;
    m_pTail = m_pTail->pPrev;
    (m_pTail != NULL ? m_pTail->pNext : m_pHead) = NULL;
    --m_nCount;
}

CKTreeStore::CKTreeStore(CKTreeRowSink* pRows) : m_pRows(pRows), m_pRoot(NULL) {}

CKTreeStore::~CKTreeStore() { RemoveAll(); }

BOOL CKTreeStore::ValidateHandle(DWORD hItem) const {
    return (hItem & 0xFFFF0000) == 0xFFFF0000 && Handle2Index(hItem) < GetCount();
}

DWORD CKTreeStore::AddItem(DWORD hParent, void* pData) {
    if (GetCount() >= TB_MAXITEMS) return 0;
    CTreeNode* pParentNode = NULL;
    int nRow = -1;  // where the new item's row goes, -1 for none
    if (hParent == 0) {
        nRow = m_rows.Count();
    } else {
        if (!ValidateHandle(hParent)) return 0;
        pParentNode = GetItemNode(hParent);
        if (IsExpanded(pParentNode)) {
            // After the parent's last visible descendant.
            const CTreeNode* pLast = pParentNode;
            while (IsExpanded(pLast) && HasChildren(pLast)) pLast = &pLast->pChildren->GetTail();
            const int nLastRow = m_rows.RowOf((int)Handle2Index(pLast->hItem));
            if (nLastRow >= 0) nRow = nLastRow + 1;
        }
    }

    const UINT nIndex = GetCount();
    const DWORD hItem = Index2Handle(nIndex);
    CTree*& pBranch = pParentNode != NULL ? pParentNode->pChildren : m_pRoot;
    const bool bNewBranch = pBranch == NULL;
    if (bNewBranch) pBranch = new CTree(pParentNode, &m_pool);
    CTreeNode node(pParentNode, NULL, hItem);
    const POSITION pos = pBranch->AddTail(node);
    m_aItems.push_back(TBITEMINFO(hParent, pData, pos));
    m_apNodes.push_back(&pBranch->GetAt(pos));
    m_rows.Reserve((int)nIndex + 1);
    if (nRow < 0) return hItem;

    m_rows.Insert((int)nIndex, nRow);
    if (hParent == 0 ? m_pRows->AddRow(pData) : m_pRows->InsertRow(nRow, pData)) return hItem;
    // No row: the item is taken back.
    m_rows.EraseAt(nRow);
    m_apNodes.pop_back();
    m_aItems.pop_back();
    pBranch->RemoveTail();
    if (bNewBranch) {
        delete pBranch;
        pBranch = NULL;
    }
    return 0;
}

void CKTreeStore::GetItemInfo(DWORD hItem, TBITEMINFO* pInfo) const {
    if (pInfo == NULL) return;
    *pInfo = ValidateHandle(hItem) ? m_aItems[Handle2Index(hItem)] : TBITEMINFO();
}

DWORD CKTreeStore::GetNextItem(DWORD hItem) const {
    CTree* pBranch = GetItemBranch(hItem);
    if (pBranch == NULL) return 0;
    POSITION pos = GetItemPosition(hItem);
    pBranch->GetNext(pos);
    return pos != NULL ? pBranch->GetAt(pos).hItem : 0;
}

DWORD CKTreeStore::GetPrevItem(DWORD hItem) const {
    CTree* pBranch = GetItemBranch(hItem);
    if (pBranch == NULL) return 0;
    POSITION pos = GetItemPosition(hItem);
    pBranch->GetPrev(pos);
    return pos != NULL ? pBranch->GetAt(pos).hItem : 0;
}

DWORD CKTreeStore::GetParentItem(DWORD hItem) const {
    return ValidateHandle(hItem) ? m_aItems[Handle2Index(hItem)].hParent : 0;
}

UINT CKTreeStore::GetItemLevel(DWORD hItem) const {
    const CTreeNode* pNode = GetItemNode(hItem);
    UINT nLevel = 0;
    if (pNode != NULL)
        for (pNode = pNode->pParentNode; pNode != NULL; pNode = pNode->pParentNode) ++nLevel;
    return nLevel;
}

UINT CKTreeStore::GetItemChildren(DWORD hItem) const {
    const CTreeNode* pNode = GetItemNode(hItem);
    return pNode != NULL && pNode->pChildren != NULL ? (UINT)pNode->pChildren->GetCount() : 0;
}

UINT CKTreeStore::GetItemState(DWORD hItem) const {
    return ValidateHandle(hItem) ? m_aItems[Handle2Index(hItem)].nState : 0;
}

void CKTreeStore::SetItemState(DWORD hItem, UINT nState) {
    if (!ValidateHandle(hItem)) return;
    UINT& nOld = m_aItems[Handle2Index(hItem)].nState;
    nOld = (nState & ~TBIS_EXPANDED) | (nOld & TBIS_EXPANDED);
}

void CKTreeStore::RemoveAll() {
    RemoveBranch(m_pRoot);
    m_pRoot = NULL;
    m_pool.Clear();
    std::vector<TBITEMINFO>().swap(m_aItems);
    std::vector<CTreeNode*>().swap(m_apNodes);
    m_rows.Clear();
}

int CKTreeStore::Item2Index(DWORD hItem) const {
    return ValidateHandle(hItem) ? m_rows.RowOf((int)Handle2Index(hItem)) : -1;
}

DWORD CKTreeStore::Index2Item(UINT nRow) const {
    const int nItem = nRow > 0x7FFFFFFF ? -1 : m_rows.ItemAt((int)nRow);
    return nItem >= 0 ? Index2Handle((UINT)nItem) : 0;
}

POSITION CKTreeStore::GetItemPosition(DWORD hItem) const {
    return ValidateHandle(hItem) ? m_aItems[Handle2Index(hItem)].posInBranch : NULL;
}

CTree* CKTreeStore::GetItemBranch(DWORD hItem) const {
    if (!ValidateHandle(hItem)) return NULL;
    const CTreeNode* pParent = m_apNodes[Handle2Index(hItem)]->pParentNode;
    return pParent != NULL ? pParent->pChildren : m_pRoot;
}

CTreeNode* CKTreeStore::GetItemNode(DWORD hItem) const {
    return ValidateHandle(hItem) ? m_apNodes[Handle2Index(hItem)] : NULL;
}

BOOL CKTreeStore::CountItems(CTree* pBranch, DWORD hItem, UINT& nCount) const {
    // A stack of the positions still to visit, one per open branch.
    std::vector<std::pair<CTree*, POSITION>> stack;
    if (pBranch != NULL) stack.push_back(std::make_pair(pBranch, pBranch->GetHeadPosition()));
    while (!stack.empty()) {
        CTree* pTree = stack.back().first;
        POSITION& pos = stack.back().second;
        if (pos == NULL) {
            stack.pop_back();
            continue;
        }
        CTreeNode& node = pTree->GetNext(pos);
        if (node.hItem == hItem) return TRUE;
        ++nCount;
        if (HasChildren(&node) && IsExpanded(&node))
            stack.push_back(std::make_pair(node.pChildren, node.pChildren->GetHeadPosition()));
    }
    return FALSE;
}

DWORD CKTreeStore::SearchItem(CTree* pBranch, UINT& nRow) const {
    std::vector<std::pair<CTree*, POSITION>> stack;
    if (pBranch != NULL) stack.push_back(std::make_pair(pBranch, pBranch->GetHeadPosition()));
    while (!stack.empty()) {
        CTree* pTree = stack.back().first;
        POSITION& pos = stack.back().second;
        if (pos == NULL) {
            stack.pop_back();
            continue;
        }
        CTreeNode& node = pTree->GetNext(pos);
        if (nRow == 0) return node.hItem;
        --nRow;
        if (HasChildren(&node) && IsExpanded(&node))
            stack.push_back(std::make_pair(node.pChildren, node.pChildren->GetHeadPosition()));
    }
    return 0;
}

void CKTreeStore::RemoveBranch(CTree* pBranch) {
    std::vector<CTree*> stack;
    if (pBranch != NULL) stack.push_back(pBranch);
    while (!stack.empty()) {
        CTree* pTree = stack.back();
        stack.pop_back();
        for (POSITION pos = pTree->GetHeadPosition(); pos != NULL;) {
            CTreeNode& node = pTree->GetNext(pos);
            if (node.pChildren != NULL) stack.push_back(node.pChildren);
            node.pChildren = NULL;
        }
        delete pTree;
    }
}

void CKTreeStore::CheckItem(DWORD hItem, BOOL bCheck) {
    CTreeNode* pNode = GetItemNode(hItem);
    if (pNode == NULL) return;
    CheckItemAndChildren(pNode, bCheck);
    if (pNode->pParentNode != NULL) TestItemCheckState(pNode->pParentNode);
}

void CKTreeStore::CheckItemAndChildren(CTreeNode* pNode, BOOL bCheck) {
    std::vector<CTreeNode*> stack;
    if (pNode != NULL) stack.push_back(pNode);
    while (!stack.empty()) {
        CTreeNode* p = stack.back();
        stack.pop_back();
        UINT& nState = StateOf(p);
        nState &= ~(TBIS_PARTCHECKED | TBIS_CHECKED);
        if (bCheck) nState |= TBIS_CHECKED;
        if (p->pChildren != NULL)
            for (POSITION pos = p->pChildren->GetHeadPosition(); pos != NULL;)
                stack.push_back(&p->pChildren->GetNext(pos));
    }
}

void CKTreeStore::TestItemCheckState(CTreeNode* pNode) {
    for (; pNode != NULL; pNode = pNode->pParentNode) {
        if (!HasChildren(pNode)) continue;  // nothing to derive a leaf's state from
        const UINT n = (UINT)pNode->pChildren->GetCount();
        const UINT nChecked = TestChildrenState(pNode->pChildren, TBIS_CHECKED, TRUE);
        const UINT nPart = TestChildrenState(pNode->pChildren, TBIS_PARTCHECKED, TRUE);
        UINT& nState = StateOf(pNode);
        if (nChecked == n) {
            nState = (nState | TBIS_CHECKED) & ~TBIS_PARTCHECKED;
        } else {
            nState &= ~TBIS_CHECKED;
            if (nChecked == 0 && nPart == 0) nState &= ~TBIS_PARTCHECKED;
            else nState |= TBIS_PARTCHECKED;
        }
    }
}

UINT CKTreeStore::TestChildrenState(CTree* pBranch, UINT nMask, BOOL bSet) const {
    UINT n = 0;
    if (pBranch != NULL)
        for (POSITION pos = pBranch->GetHeadPosition(); pos != NULL;)
            if (((StateOf(&pBranch->GetNext(pos)) & nMask) != 0) == (bSet != FALSE)) ++n;
    return n;
}

BOOL CKTreeStore::ExpandItem(DWORD hItem, BOOL bExpand) {
    CTreeNode* pNode = GetItemNode(hItem);
    if (pNode == NULL) return FALSE;
    const int nRow = Item2Index(hItem);
    // Without a row there is no place for the children's rows.
    if (nRow < 0 || !HasChildren(pNode)) return FALSE;
    if (bExpand && !IsExpanded(pNode)) {
        m_pRows->SetRedraw(false);
        // The list rows first, then the children take their places in the index at once.
        std::vector<int>& children = m_scratch;
        children.clear();
        bool bOk = true;
        for (POSITION pos = pNode->pChildren->GetHeadPosition(); pos != NULL && bOk;) {
            CTreeNode& child = pNode->pChildren->GetNext(pos);
            const int nChild = (int)Handle2Index(child.hItem);
            StateOf(&child) &= ~TBIS_EXPANDED;  // a child without a row shows no children
            bOk = m_pRows->InsertRow(nRow + 1 + (int)children.size(), m_aItems[(size_t)nChild].pData);
            if (bOk) children.push_back(nChild);
        }
        if (bOk) {
            m_rows.InsertRun(children.data(), (int)children.size(), nRow + 1);
            StateOf(pNode) |= TBIS_EXPANDED;
        } else {
            // A row could not be made: the item stays collapsed, without its children's rows.
            for (size_t i = 0; i < children.size(); ++i) m_pRows->DeleteRow(nRow + 1);
        }
        m_pRows->SetRedraw(true);
        return bOk;
    }
    if (!bExpand && IsExpanded(pNode)) {
        m_pRows->SetRedraw(false);
        DeleteItemBranch(pNode, (UINT)nRow + 1);
        m_pRows->SetRedraw(true);
        return TRUE;
    }
    return FALSE;
}

void CKTreeStore::DeleteItemBranch(CTreeNode* pNode, const UINT& nRow) {
    // The visible descendants occupy consecutive rows from nRow: delete that many rows there,
    // and clear every expanded bit on the way.
    int nVisible = 0;
    std::vector<CTreeNode*> stack;
    if (pNode != NULL) stack.push_back(pNode);
    while (!stack.empty()) {
        CTreeNode* p = stack.back();
        stack.pop_back();
        const bool bOpen = IsExpanded(p) && HasChildren(p);
        StateOf(p) &= ~TBIS_EXPANDED;
        if (!bOpen) continue;
        for (POSITION pos = p->pChildren->GetHeadPosition(); pos != NULL;) {
            stack.push_back(&p->pChildren->GetNext(pos));
            ++nVisible;
        }
    }
    m_rows.EraseRun((int)nRow, nVisible);
    for (int i = 0; i < nVisible; ++i) m_pRows->DeleteRow((int)nRow);
}
