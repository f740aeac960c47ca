// What the two tree boxes share: an owner-drawn list box whose rows show the visible items of a
// tree store in pre-order, each row composed off screen (indent, node box, check box when there
// is a check column, text) and copied in one blit, the mouse and keys that expand, collapse and
// check, and a popup that shows a text the row cuts off. CKTreeBox (with check boxes) and
// CKTreeBoxWithOutCheckBoxes derive from it; neither converts to the other.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/tree/CKTreeStore.h>

/// Owner-draw state bits the tree adds before it draws a row.
const UINT TBODS_HOT = 0x40;          ///< the row is under the mouse
const UINT TBODS_NODEPRESSED = 0x80;  ///< the row's node box is pressed

class KELM_API CKTreeBoxBase : public CListBox {
    DECLARE_DYNAMIC(CKTreeBoxBase)
public:
    virtual ~CKTreeBoxBase();

    /// Creates the list box owner-drawn with variable row heights. The rows are the tree's, in
    /// its order, each row's data the item's text: LBS_SORT, LBS_HASSTRINGS and
    /// LBS_OWNERDRAWFIXED are taken out of the style.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    /// The item store (see CKTreeStore for each operation).
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
    /// Frees every item; the rows stay until the owner empties the list (ResetContent).
    void RemoveAll();
    DWORD GetItem(DWORD, UINT) const { return 0; }
    static DWORD Index2Handle(UINT nIndex) { return CKTreeStore::Index2Handle(nIndex); }
    static UINT Handle2Index(DWORD hItem) { return CKTreeStore::Handle2Index(hItem); }
    /// Shows or hides the rows of the item's children, with the list's redraw off meanwhile.
    /// Neither repaints nor notifies.
    void ExpandItem(DWORD hItem, BOOL bExpand);

    /// The control's font (WM_GETFONT), else the stock DEFAULT_GUI_FONT.
    CFont* GetFont() const;

    /// Paints one row: composed in an off-screen buffer, copied with one blit.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    /// Every row is ItemHeight() high.
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    /// Draws the row's text (its item data) at rc's top-left; returns the text's width.
    virtual int DrawItemData(CDC* pDC, const CRect& rc, DRAWITEMSTRUCT* lpDIS);
    /// Around the list box's painting of its rows: PrePaint repaints everything (with erase) when
    /// the list has scrolled and caches the font height; PostPaint skins the area below the rows
    /// in a paint that erased.
    virtual void PrePaint();
    virtual void PostPaint();

protected:
    explicit CKTreeBoxBase(bool bCheckBoxes);

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

    /// Masks (black ink on white paper) stretched onto rc: the item's node glyph (a leaf's is
    /// empty), its check glyph, and its text.
    void PrepareNodeMask(CDC* pDC, const CRect& rc, DWORD hItem, BOOL bPressed);
    void PrepareCheckMask(CDC* pDC, const CRect& rc, DWORD hItem);
    void PrepareDataMask(CDC* pDC, const CRect& rc, DRAWITEMSTRUCT* lpDIS);

    /// fh: the font height (cached during a paint); a row is fh + 6 high.
    int ItemHeight() const { return FontHeight() + 6; }
    int FontHeight() const;
    /// The row at a client point, -1 outside every row.
    int Point2Index(CPoint point) const;

    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    /// The columns of a row, relative to its rectangle: node box at x, the check box after it
    /// when there is a check column, then the text area; the text cell starts d into it.
    struct RowLayout {
        int fh, ih, d, x;
        int nText;  ///< left of the text area
        int tw;     ///< width of the text cell (not positive: no text)
        RowLayout(int nFontHeight, UINT nLevel, UINT nIndent, int nWidth, bool bCheckBoxes);
    };
    RowLayout LayoutOf(DWORD hItem, int nWidth) const;

    /// Sends a notification to the owner; returns its answer.
    LRESULT Notify(UINT message, BOOL bState, DWORD hItem);
    /// Expands or collapses an item as the user asked, unless the owner vetoes it.
    void UserExpand(DWORD hItem, BOOL bExpand);
    void UserCheck(DWORD hItem);
    void InvalidateRow(int nRow);
    void HidePopup();
    void TrackMouse();

    /// The store's rows are this list box's rows.
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

    UINT m_nIndent;           ///< pixels per tree level
    ListRows m_listRows;
    CKTreeStore m_store;
    int m_nHoverRow;          ///< row under the mouse, -1 none
    HWND m_hPopupWnd;         ///< shows a text the row cuts off
    CRect m_rcPressedNode;    ///< node box pressed with the mouse
    int m_nPressedRow;        ///< its row while the mouse is over it, else -1
    BOOL m_bNodeCaptured;     ///< from a press on a node box until the release
    bool m_bInPaint;          ///< the list box is painting its rows
    int m_nPaintFontHeight;   ///< fh for the current paint
    int m_nPaintedBottom;     ///< lowest row bottom painted; 30000 in a paint without erase
    int m_nTopIndex;          ///< top row at the last paint
    CRect m_rcUpdate;         ///< update rectangle of the current paint
    const bool m_bCheckBoxes;
    int m_nPopupRow;          ///< row whose text the last hover looked at, -1 none

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnPaint();
    afx_msg LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void DrawRow(LPDRAWITEMSTRUCT lpDIS);
};
