// What the two tree boxes share: an owner-drawn list box whose rows show the visible items of a
// tree store in pre-order. CKTreeBox (with check boxes) and CKTreeBoxWithOutCheckBoxes derive
// from it; neither converts to the other.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/tree/CKTreeStore.h>

class KELM_API CKTreeBoxBase : public CListBox {
    DECLARE_DYNAMIC(CKTreeBoxBase)
public:
    virtual ~CKTreeBoxBase();

    // Creates the list box owner-drawn with variable row heights. The rows are the tree's, in
    // its order, each row's data the item's text: LBS_SORT, LBS_HASSTRINGS and
    // LBS_OWNERDRAWFIXED are taken out of the style.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The item store (see CKTreeStore for each operation).
    DWORD AddItem(DWORD hParent, void* pData) { return m_store.AddItem(hParent, pData); }
    void GetItemInfo(DWORD hItem, TBITEMINFO* pInfo) const { m_store.GetItemInfo(hItem, pInfo); }
    DWORD GetRootItem() const { return m_store.GetRootItem(); }
    DWORD GetNextItem(DWORD hItem) const { return m_store.GetNextItem(hItem); }
    DWORD GetPrevItem(DWORD hItem) const { return m_store.GetPrevItem(hItem); }
    DWORD GetParentItem(DWORD hItem) const { return m_store.GetParentItem(hItem); }
    UINT GetItemLevel(DWORD hItem) const { return m_store.GetItemLevel(hItem); }
    UINT GetItemChildren(DWORD hItem) const { return m_store.GetItemChildren(hItem); }
    UINT GetItemState(DWORD hItem) const { return m_store.GetItemState(hItem); }
    void SetItemState(DWORD hItem, UINT nState) { m_store.SetItemState(hItem, nState); }
    UINT GetIndent() const { return m_nIndent; }
    void SetIndent(UINT nIndent) { m_nIndent = nIndent; }
    // Frees every item; the rows stay until the owner empties the list (ResetContent).
    void RemoveAll();
    DWORD GetItem(DWORD, UINT) const { return 0; }
    static DWORD Index2Handle(UINT nIndex) { return CKTreeStore::Index2Handle(nIndex); }
    static UINT Handle2Index(DWORD hItem) { return CKTreeStore::Handle2Index(hItem); }
    // Shows or hides the rows of the item's children, with the list's redraw off meanwhile.
    // Neither repaints nor notifies.
    void ExpandItem(DWORD hItem, BOOL bExpand) { m_store.ExpandItem(hItem, bExpand); }

protected:
    CKTreeBoxBase();

    BOOL ValidateHandle(DWORD hItem) const { return m_store.ValidateHandle(hItem); }
    int Item2Index(DWORD hItem) const { return m_store.Item2Index(hItem); }
    DWORD Index2Item(UINT nRow) const { return m_store.Index2Item(nRow); }
    POSITION GetItemPosition(DWORD hItem) const { return m_store.GetItemPosition(hItem); }
    CTree* GetItemBranch(DWORD hItem) const { return m_store.GetItemBranch(hItem); }
    CTreeNode* GetItemNode(DWORD hItem) const { return m_store.GetItemNode(hItem); }
    BOOL CountItems(CTree* pBranch, DWORD hItem, UINT& nCount) const {
        return m_store.CountItems(pBranch, hItem, nCount);
    }
    DWORD SearchItem(CTree* pBranch, UINT& nRow) const { return m_store.SearchItem(pBranch, nRow); }
    void RemoveBranch(CTree* pBranch) { m_store.RemoveBranch(pBranch); }
    void DeleteItemBranch(CTreeNode* pNode, const UINT& nRow) { m_store.DeleteItemBranch(pNode, nRow); }
    UINT TestChildrenState(CTree* pBranch, UINT nMask, BOOL bSet) const {
        return m_store.TestChildrenState(pBranch, nMask, bSet);
    }

    // The store's rows are this list box's rows.
    class ListRows : public CKTreeRowSink {
    public:
        explicit ListRows(CListBox* pList) : m_pList(pList) {}
        bool AddRow(void* pData) override;
        bool InsertRow(int nRow, void* pData) override;
        void DeleteRow(int nRow) override;
        void SetRedraw(bool bRedraw) override;
    private:
        CListBox* m_pList;
    };

    UINT m_nIndent;  // pixels per tree level
    ListRows m_listRows;
    CKTreeStore m_store;
};
