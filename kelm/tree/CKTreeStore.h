// The item store of the tree boxes: items in addition order, branches that keep the tree's
// shape, check states and expansion, and the list rows that show the visible items in pre-order.
// It knows no window: rows are added, inserted and deleted through a CKTreeRowSink.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/tree/CKTreeRowIndex.h>

#include <vector>

/// Items a tree holds at most: a handle carries a 16-bit index.
const UINT TB_MAXITEMS = 0x10000;

/// Item state bits.
const UINT TBIS_CHECKED = 0x02;      ///< the item is checked
const UINT TBIS_EXPANDED = 0x04;     ///< the item's children have rows below it
const UINT TBIS_PARTCHECKED = 0x10;  ///< not checked, but a child is checked or partly checked

/// Notifications sent to the owner: wParam the new state (1 or 0), lParam the item handle.
const UINT TBXN_ITEMEXPANDING = WM_USER + 1;  ///< a non-zero answer cancels the change
const UINT TBXN_ITEMEXPANDED = WM_USER + 2;
const UINT TBXN_ITEMCHECKED = WM_USER + 3;

/// One item's record. A handle is 0xFFFF0000 | index; 0 means none (as a parent: the top level).
struct TBITEMINFO {
    DWORD hParent;          ///< 0 for a top-level item
    UINT nState;            ///< TBIS_ bits
    void* pData;            ///< the caller's data: the item's text, owned by the caller
    POSITION posInBranch;   ///< the item's node in its parent's branch (or the top-level branch)

    TBITEMINFO() : hParent(0), nState(0), pData(NULL), posInBranch(NULL) {}
    TBITEMINFO(DWORD parent, void* data, void* position)
        : hParent(parent), nState(0), pData(data), posInBranch(position) {}
};

class CTree;

/// An item's place in the tree, stored by value in its branch.
class CTreeNode {
public:
    CTreeNode() : pParentNode(NULL), pChildren(NULL), hItem(0) {}
    CTreeNode(CTreeNode* pParent, CTree* pBranch, DWORD h) : pParentNode(pParent), pChildren(pBranch), hItem(h) {}
    virtual ~CTreeNode() {}

    CTreeNode* pParentNode;  ///< none for a top-level item
    CTree* pChildren;        ///< none until the first child is added
    DWORD hItem;
};

/// A branch: the children of one item (or the top-level items) in the order they were added, a
/// doubly linked list appended at the tail only. Its nodes come from the store's pool, in blocks,
/// and stay where they are (positions stay valid) until the pool is cleared.
class KELM_API CTree {
public:
    struct CNode {
        CNode* pNext;
        CNode* pPrev;
        CTreeNode data;
    };
    /// Makes list nodes in blocks and frees them all at once.
    class KELM_API CNodePool {
    public:
        CNodePool() : m_nUsed(kBlock) {}
        ~CNodePool() { Clear(); }
        CNodePool(const CNodePool&) = delete;
        CNodePool& operator=(const CNodePool&) = delete;
        CNode* New(const CTreeNode& data);
        void Clear();

    private:
        static const size_t kBlock = 512;
        std::vector<CNode*> m_blocks;
        size_t m_nUsed;  ///< nodes made in the last block
    };

    CTree(CTreeNode* pOwner, CNodePool* pPool)
        : pOwnerNode(pOwner), m_pPool(pPool), m_pHead(NULL), m_pTail(NULL), m_nCount(0) {}
    CTree(const CTree&) = delete;
    CTree& operator=(const CTree&) = delete;

    int GetCount() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    POSITION GetHeadPosition() const { return (POSITION)m_pHead; }
    POSITION GetTailPosition() const { return (POSITION)m_pTail; }
    CTreeNode& GetHead() const { return m_pHead->data; }
    CTreeNode& GetTail() const { return m_pTail->data; }
    CTreeNode& GetAt(POSITION pos) const { return ((CNode*)pos)->data; }
    CTreeNode& GetNext(POSITION& rPos) const {
        CNode* p = (CNode*)rPos;
        rPos = (POSITION)p->pNext;
        return p->data;
    }
    CTreeNode& GetPrev(POSITION& rPos) const {
        CNode* p = (CNode*)rPos;
        rPos = (POSITION)p->pPrev;
        return p->data;
    }
    POSITION AddTail(const CTreeNode& node);
    /// Unlinks the last node; its memory stays with the pool.
    void RemoveTail();

    CTreeNode* pOwnerNode;  ///< the item whose children these are; none for the top level

private:
    CNodePool* m_pPool;
    CNode* m_pHead;
    CNode* m_pTail;
    int m_nCount;
};

/// Where the store's rows go: a list box, or a model in a test.
class KELM_API CKTreeRowSink {
public:
    virtual ~CKTreeRowSink() {}
    /// Appends or inserts a row showing pData; false when the row could not be made.
    virtual bool AddRow(void* pData) = 0;
    virtual bool InsertRow(int nRow, void* pData) = 0;
    virtual void DeleteRow(int nRow) = 0;
    /// Switched off around every pass that inserts or deletes several rows.
    virtual void SetRedraw(bool bRedraw) = 0;
};

/// Every operation that takes a handle checks it first: 0 where an item is needed, a handle of
/// another form or one past the item count makes the call do nothing and answer 0, -1, NULL or an
/// empty record.
class KELM_API CKTreeStore {
public:
    explicit CKTreeStore(CKTreeRowSink* pRows);
    ~CKTreeStore();
    CKTreeStore(const CKTreeStore&) = delete;
    CKTreeStore& operator=(const CKTreeStore&) = delete;

    static DWORD Index2Handle(UINT nIndex) { return 0xFFFF0000 | (nIndex & 0xFFFF); }
    static UINT Handle2Index(DWORD hItem) { return hItem & 0xFFFF; }
    BOOL ValidateHandle(DWORD hItem) const;
    UINT GetCount() const { return (UINT)m_aItems.size(); }

    /// Appends a child to hParent (0: a top-level item, which gets its row at the end). A child of
    /// an expanded item gets its row at once, after the parent's last visible descendant; any
    /// other child gets one when its parent is expanded. 0 when the store is full, the parent is
    /// not an item, or the row cannot be made.
    DWORD AddItem(DWORD hParent, void* pData);
    void GetItemInfo(DWORD hItem, TBITEMINFO* pInfo) const;
    DWORD GetRootItem() const { return m_aItems.empty() ? 0 : Index2Handle(0); }
    DWORD GetNextItem(DWORD hItem) const;
    DWORD GetPrevItem(DWORD hItem) const;
    DWORD GetParentItem(DWORD hItem) const;
    UINT GetItemLevel(DWORD hItem) const;
    UINT GetItemChildren(DWORD hItem) const;
    UINT GetItemState(DWORD hItem) const;
    /// Writes the state word, but the expanded bit stays as it is: only ExpandItem changes it.
    void SetItemState(DWORD hItem, UINT nState);
    /// Frees every item and branch; the rows are left to the owner (LB_RESETCONTENT).
    void RemoveAll();

    /// Row of an item (-1 without one) and item of a row (0 past the end), in logarithmic time.
    int Item2Index(DWORD hItem) const;
    DWORD Index2Item(UINT nRow) const;
    UINT GetRowCount() const { return (UINT)m_rows.Count(); }

    POSITION GetItemPosition(DWORD hItem) const;
    CTree* GetItemBranch(DWORD hItem) const;
    CTreeNode* GetItemNode(DWORD hItem) const;
    CTree* GetRootBranch() const { return m_pRoot; }
    /// Pre-order walks over the visible items below a branch: CountItems counts the rows before
    /// hItem (TRUE when it was found), SearchItem counts nRow down and answers the item it reaches.
    BOOL CountItems(CTree* pBranch, DWORD hItem, UINT& nCount) const;
    DWORD SearchItem(CTree* pBranch, UINT& nRow) const;
    /// Frees a branch and every branch below it.
    void RemoveBranch(CTree* pBranch);

    /// Sets or clears the check of the item and all its descendants, then recomputes every ancestor.
    void CheckItem(DWORD hItem, BOOL bCheck);
    void CheckItemAndChildren(CTreeNode* pNode, BOOL bCheck);
    /// Recomputes the node and each of its ancestors from their children: all checked, checked;
    /// else partly checked when any child is checked or partly checked.
    void TestItemCheckState(CTreeNode* pNode);
    /// Nodes of the branch whose state has a bit of nMask (bSet) or none of them (!bSet).
    UINT TestChildrenState(CTree* pBranch, UINT nMask, BOOL bSet) const;
    /// Shows (rows inserted for the direct children) or hides (rows of every visible descendant
    /// deleted, every expanded bit below cleared) the children of an item. An item without a row
    /// or without children is left alone. TRUE when rows changed.
    BOOL ExpandItem(DWORD hItem, BOOL bExpand);
    /// Collapses the node: deletes the rows of its visible descendants, which start at nRow.
    void DeleteItemBranch(CTreeNode* pNode, const UINT& nRow);

    UINT& StateOf(const CTreeNode* pNode) { return m_aItems[Handle2Index(pNode->hItem)].nState; }
    UINT StateOf(const CTreeNode* pNode) const { return m_aItems[Handle2Index(pNode->hItem)].nState; }

private:
    bool IsExpanded(const CTreeNode* pNode) const { return (StateOf(pNode) & TBIS_EXPANDED) != 0; }
    bool HasChildren(const CTreeNode* pNode) const { return pNode->pChildren != NULL && !pNode->pChildren->IsEmpty(); }

    CKTreeRowSink* m_pRows;
    CTree::CNodePool m_pool;  ///< every branch's nodes
    CTree* m_pRoot;
    std::vector<TBITEMINFO> m_aItems;   ///< one record per item, by index
    std::vector<CTreeNode*> m_apNodes;  ///< each item's node, by index
    CKTreeRowIndex m_rows;
    std::vector<int> m_scratch;  ///< the children being expanded
};
