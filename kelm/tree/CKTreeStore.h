/// @file
/// The item store behind the tree boxes, with the item handles, state bits and owner notifications
/// that the boxes share.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/tree/CKTreeRowIndex.h>

#include <vector>

/// Items a tree holds at most: a handle carries a 16-bit index.
const UINT TB_MAXITEMS = 0x10000;

/// @name Item state bits
/// The bits of TBITEMINFO::nState (GetItemState, SetItemState).
///@{
const UINT TBIS_CHECKED = 0x02;      ///< the item is checked
const UINT TBIS_EXPANDED = 0x04;     ///< the item's children have rows below it
const UINT TBIS_PARTCHECKED = 0x10;  ///< not checked, but a child is checked or partly checked
///@}

/// @name Notifications to the owner
/// A tree box sends them to its owner window when the user expands, collapses or checks an item:
/// wParam the new state (1 or 0), lParam the item handle.
///@{
const UINT TBXN_ITEMEXPANDING = WM_USER + 1;  ///< before expanding (1) or collapsing (0); non-zero cancels it
const UINT TBXN_ITEMEXPANDED = WM_USER + 2;   ///< after the item was expanded (1) or collapsed (0)
const UINT TBXN_ITEMCHECKED = WM_USER + 3;    ///< after the item was checked (1) or unchecked (0)
///@}

/// One item's record.
///
/// An item's handle is 0xFFFF0000 | its index; 0 means none (as a parent: the top level).
struct TBITEMINFO {
    DWORD hParent;          ///< 0 for a top-level item
    UINT nState;            ///< TBIS_ bits
    void* pData;            ///< the caller's data: the item's text, owned by the caller
    POSITION posInBranch;   ///< the item's node in its parent's branch (or the top-level branch)

    /// An empty record, as an invalid handle answers.
    TBITEMINFO() : hParent(0), nState(0), pData(NULL), posInBranch(NULL) {}
    /// The record of a new item: no state bits.
    TBITEMINFO(DWORD parent, void* data, void* position)
        : hParent(parent), nState(0), pData(data), posInBranch(position) {}
};

class CTree;

/// An item's place in the tree, stored by value in its branch.
class CTreeNode {
public:
    /// A node of no item.
    CTreeNode() : pParentNode(NULL), pChildren(NULL), hItem(0) {}
    /// The node of item h, below pParent (NULL at the top level), with its children's branch.
    CTreeNode(CTreeNode* pParent, CTree* pBranch, DWORD h) : pParentNode(pParent), pChildren(pBranch), hItem(h) {}
    virtual ~CTreeNode() {}

    CTreeNode* pParentNode;  ///< none for a top-level item
    CTree* pChildren;        ///< none until the first child is added
    DWORD hItem;             ///< the item's handle
};

/// A branch: the children of one item (or the top-level items) in the order they were added, a
/// doubly linked list appended at the tail only. Its nodes come from the store's pool, in blocks,
/// and stay where they are (positions stay valid) until the pool is cleared.
class KELM_API CTree {
public:
    /// A list node; its address is the POSITION of its tree node.
    struct CNode {
        CNode* pNext;    ///< the following node, NULL at the tail
        CNode* pPrev;    ///< the preceding node, NULL at the head
        CTreeNode data;  ///< the item's tree node
    };
    /// Makes list nodes in blocks and frees them all at once.
    class KELM_API CNodePool {
    public:
        CNodePool() : m_nUsed(kBlock) {}
        ~CNodePool() { Clear(); }
        CNodePool(const CNodePool&) = delete;
        CNodePool& operator=(const CNodePool&) = delete;
        /// An unlinked node holding a copy of data, from the last block (a new block when it is full).
        CNode* New(const CTreeNode& data);
        /// Destroys every node and frees every block: every position made before is invalid then.
        void Clear();

    private:
        static const size_t kBlock = 512;
        std::vector<CNode*> m_blocks;
        size_t m_nUsed;  ///< nodes made in the last block
    };

    /// An empty branch of pOwner's children (NULL: the top level), its nodes from pPool.
    CTree(CTreeNode* pOwner, CNodePool* pPool)
        : pOwnerNode(pOwner), m_pPool(pPool), m_pHead(NULL), m_pTail(NULL), m_nCount(0) {}
    CTree(const CTree&) = delete;
    CTree& operator=(const CTree&) = delete;

    /// The number of nodes.
    int GetCount() const { return m_nCount; }
    /// TRUE without nodes.
    BOOL IsEmpty() const { return m_nCount == 0; }
    /// The position of the first node, NULL when empty.
    POSITION GetHeadPosition() const { return (POSITION)m_pHead; }
    /// The position of the last node, NULL when empty.
    POSITION GetTailPosition() const { return (POSITION)m_pTail; }
    /// The first node; the branch must not be empty.
    CTreeNode& GetHead() const { return m_pHead->data; }
    /// The last node; the branch must not be empty.
    CTreeNode& GetTail() const { return m_pTail->data; }
    /// The node at pos.
    CTreeNode& GetAt(POSITION pos) const { return ((CNode*)pos)->data; }
    /// The node at rPos; rPos moves to the next node (NULL after the last).
    CTreeNode& GetNext(POSITION& rPos) const {
        CNode* p = (CNode*)rPos;
        rPos = (POSITION)p->pNext;
        return p->data;
    }
    /// The node at rPos; rPos moves to the previous node (NULL before the first).
    CTreeNode& GetPrev(POSITION& rPos) const {
        CNode* p = (CNode*)rPos;
        rPos = (POSITION)p->pPrev;
        return p->data;
    }
    /// Appends a copy of node; returns its position.
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
    /// Appends a row showing pData; false when the row could not be made.
    virtual bool AddRow(void* pData) = 0;
    /// Inserts a row showing pData at nRow; false when the row could not be made.
    virtual bool InsertRow(int nRow, void* pData) = 0;
    /// Deletes the row nRow; the rows below move up.
    virtual void DeleteRow(int nRow) = 0;
    /// Switched off around every pass that inserts or deletes several rows.
    virtual void SetRedraw(bool bRedraw) = 0;
};

/// The item store of the tree boxes: items in addition order, branches that keep the tree's shape,
/// check states and expansion, and the list rows that show the visible items in pre-order.
///
/// It knows no window: rows are added, inserted and deleted through a CKTreeRowSink. Every operation
/// that takes a handle checks it first: 0 where an item is needed, a handle of another form or one
/// past the item count makes the call do nothing and answer 0, -1, NULL or an empty record.
class KELM_API CKTreeStore {
public:
    /// A store without items whose rows go to pRows (not owned).
    explicit CKTreeStore(CKTreeRowSink* pRows);
    ~CKTreeStore();
    CKTreeStore(const CKTreeStore&) = delete;
    CKTreeStore& operator=(const CKTreeStore&) = delete;

    /// The handle of the item with index nIndex (its low 16 bits).
    static DWORD Index2Handle(UINT nIndex) { return 0xFFFF0000 | (nIndex & 0xFFFF); }
    /// The index in a handle, without checking the handle.
    static UINT Handle2Index(DWORD hItem) { return hItem & 0xFFFF; }
    /// TRUE for the handle of an item of this store.
    BOOL ValidateHandle(DWORD hItem) const;
    /// The number of items, shown or not.
    UINT GetCount() const { return (UINT)m_aItems.size(); }

    /// Appends a child to hParent (0: a top-level item, which gets its row at the end). A child of
    /// an expanded item gets its row at once, after the parent's last visible descendant; any
    /// other child gets one when its parent is expanded. 0 when the store is full, the parent is
    /// not an item, or the row cannot be made.
    DWORD AddItem(DWORD hParent, void* pData);
    /// Copies the item's record to *pInfo (an empty record for an invalid handle; nothing when
    /// pInfo is NULL).
    void GetItemInfo(DWORD hItem, TBITEMINFO* pInfo) const;
    /// The first item added (always a top-level item), 0 in an empty store.
    DWORD GetRootItem() const { return m_aItems.empty() ? 0 : Index2Handle(0); }
    /// The next sibling in addition order, 0 after the last.
    DWORD GetNextItem(DWORD hItem) const;
    /// The previous sibling in addition order, 0 before the first.
    DWORD GetPrevItem(DWORD hItem) const;
    /// The parent's handle, 0 for a top-level item.
    DWORD GetParentItem(DWORD hItem) const;
    /// The item's depth: 0 at the top level.
    UINT GetItemLevel(DWORD hItem) const;
    /// The number of the item's direct children.
    UINT GetItemChildren(DWORD hItem) const;
    /// The item's TBIS_ bits.
    UINT GetItemState(DWORD hItem) const;
    /// Writes the state word, but the expanded bit stays as it is: only ExpandItem changes it.
    void SetItemState(DWORD hItem, UINT nState);
    /// Frees every item and branch; the rows are left to the owner (LB_RESETCONTENT).
    void RemoveAll();

    /// The row of an item, -1 when it has none (an ancestor is collapsed); logarithmic time.
    int Item2Index(DWORD hItem) const;
    /// The item in row nRow, 0 past the last row; logarithmic time, a step for the row after the
    /// last one asked for.
    DWORD Index2Item(UINT nRow) const;
    /// The number of rows: the visible items.
    UINT GetRowCount() const { return (UINT)m_rows.Count(); }

    /// The item's node's position in its branch.
    POSITION GetItemPosition(DWORD hItem) const;
    /// The branch that holds the item: its parent's children, or the top-level branch.
    CTree* GetItemBranch(DWORD hItem) const;
    /// The item's node.
    CTreeNode* GetItemNode(DWORD hItem) const;
    /// The top-level branch, NULL before the first item.
    CTree* GetRootBranch() const { return m_pRoot; }
    /// Pre-order walk over the visible items of a branch and its expanded descendants: adds to
    /// nCount the items before hItem; TRUE when hItem was reached.
    BOOL CountItems(CTree* pBranch, DWORD hItem, UINT& nCount) const;
    /// The same walk counting nRow down: answers the item reached when it is 0, or 0 when the walk
    /// ends first (nRow then less the items walked).
    DWORD SearchItem(CTree* pBranch, UINT& nRow) const;
    /// Frees a branch and every branch below it.
    void RemoveBranch(CTree* pBranch);

    /// Sets or clears the check of the item and all its descendants, then recomputes every ancestor.
    void CheckItem(DWORD hItem, BOOL bCheck);
    /// Sets or clears the check of the node and all its descendants (none stays partly checked);
    /// the ancestors are left as they are.
    void CheckItemAndChildren(CTreeNode* pNode, BOOL bCheck);
    /// Recomputes the node and each of its ancestors from their children: all checked, checked;
    /// else partly checked when any child is checked or partly checked.
    void TestItemCheckState(CTreeNode* pNode);
    /// The number of nodes of the branch whose state has a bit of nMask (bSet) or none of them (!bSet).
    UINT TestChildrenState(CTree* pBranch, UINT nMask, BOOL bSet) const;
    /// Shows (rows inserted for the direct children) or hides (rows of every visible descendant
    /// deleted, every expanded bit below cleared) the children of an item. An item without a row
    /// or without children is left alone. TRUE when rows changed.
    BOOL ExpandItem(DWORD hItem, BOOL bExpand);
    /// Collapses the node: deletes the rows of its visible descendants, which start at nRow.
    void DeleteItemBranch(CTreeNode* pNode, const UINT& nRow);

    /// The node's state word, to change in place.
    UINT& StateOf(const CTreeNode* pNode) { return m_aItems[Handle2Index(pNode->hItem)].nState; }
    /// The node's state word.
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
