/// @file
/// The common base of the two tree boxes, and the owner-draw state bits it adds.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/tree/CKTreeStore.h>

/// @name Owner-draw state bits
/// The bits the tree adds to DRAWITEMSTRUCT::itemState before DrawItem draws a row.
///@{
const UINT TBODS_HOT = 0x40;          ///< the row is under the mouse
const UINT TBODS_NODEPRESSED = 0x80;  ///< the row's node box is pressed
///@}

/// What the two tree boxes share: an owner-drawn list box whose rows show the visible items of a tree
/// store in pre-order, each row composed off screen (indent, node box, check box when there is a check
/// column, text) and copied in one blit, the mouse and keys that expand, collapse and check, and a
/// popup that shows a text the row cuts off.
///
/// CKTreeBox (with check boxes) and CKTreeBoxWithOutCheckBoxes derive from it; neither converts to
/// the other. A box is made with Create, which honours the list box's styles (WS_VSCROLL, LBS_NOTIFY,
/// LBS_NOINTEGRALHEIGHT, ...) but takes out LBS_SORT, LBS_HASSTRINGS and LBS_OWNERDRAWFIXED and adds
/// LBS_OWNERDRAWVARIABLE; its parent must reflect WM_DRAWITEM and WM_MEASUREITEM to it (MFC windows
/// do). Items are added with AddItem, each with its text as pData (owned by the caller, shown as the
/// row's item data); a top-level item gets its row at once, a child when its parent is expanded. A
/// row is as high as the font plus 6 pixels, indented 16 pixels per level (SetIndent).
///
/// Messages it answers:
/// - WM_CREATE: creates the popup that shows a cut-off text.
/// - WM_DESTROY: destroys the popup.
/// - WM_PAINT: the list box paints its rows between PrePaint and PostPaint.
/// - WM_ERASEBKGND: erases nothing; the paint skins the area below the rows instead (PostPaint).
/// - WM_DRAWITEM (reflected): draws the row (DrawItem) with TBODS_HOT and TBODS_NODEPRESSED added.
/// - WM_MEASUREITEM (reflected): every row ItemHeight() high (MeasureItem).
/// - WM_SETFONT: the list box takes the font, then every row the new height (repainted when asked).
/// - WM_LBUTTONDOWN: hides the popup; the list box selects the row; a press on the node box of an
///   item with children captures the mouse and shows the box pressed; a click on the check box
///   (with a check column) toggles the item's check.
/// - WM_MOUSEMOVE: the row under the pointer becomes the hot row; a pressed node box shows pressed
///   only while the pointer is over it; asks for WM_MOUSEHOVER and WM_MOUSELEAVE.
/// - WM_LBUTTONUP: releasing a pressed node box over it expands or collapses the item (the owner
///   may veto); then the list box's handling.
/// - WM_CAPTURECHANGED: another window taking the capture ends a node box press without a change.
/// - WM_KEYDOWN: on the current row Enter expands or collapses an item with children, Left
///   collapses, Right expands (the owner may veto), Space toggles the check (with a check column);
///   other keys are the list box's. Without a current row every key is ignored.
/// - WM_MOUSEHOVER: the pointer resting on the text area of a row that cuts its text off shows the
///   whole text in the popup over it.
/// - WM_MOUSELEAVE: hides the popup; no row is hot any more.
///
/// Notifications to its parent (the three TBXN_ messages go to the owner, which is the parent unless
/// another owner was set; wParam the new state, 1 or 0, lParam the item handle):
/// - TBXN_ITEMEXPANDING: before the user's expand or collapse; a non-zero answer cancels it.
/// - TBXN_ITEMEXPANDED: after the user's expand or collapse.
/// - TBXN_ITEMCHECKED: after the user toggled an item's check (with a check column).
/// - WM_COMMAND: the list box's own LBN_ codes (LBN_SELCHANGE, LBN_DBLCLK, ...) with LBS_NOTIFY.
///
/// The operations called by the program (AddItem, ExpandItem, SetItemState, RemoveAll, ...) send no
/// notification; a state changed by SetItemState shows at the next paint.
class KELM_API CKTreeBoxBase : public CListBox {
    DECLARE_DYNAMIC(CKTreeBoxBase)
public:
    virtual ~CKTreeBoxBase();

    /// Creates the list box owner-drawn with variable row heights. The rows are the tree's, in
    /// its order, each row's data the item's text: LBS_SORT, LBS_HASSTRINGS and
    /// LBS_OWNERDRAWFIXED are taken out of the style.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    /// @name Items
    /// The item store's operations (CKTreeStore says more of each); an invalid handle does nothing
    /// and answers 0 (an empty record from GetItemInfo).
    ///@{

    /// Appends a child to hParent (0: top level) with pData as its text; its handle, 0 on failure.
    DWORD AddItem(DWORD hParent, void* pData) { return m_store.AddItem(hParent, pData); }
    /// Copies the item's record to *pInfo.
    void GetItemInfo(DWORD hItem, TBITEMINFO* pInfo) const { m_store.GetItemInfo(hItem, pInfo); }
    /// The first item added, 0 without items.
    DWORD GetRootItem() const { return m_store.GetRootItem(); }
    /// The next sibling, 0 after the last.
    DWORD GetNextItem(DWORD hItem) const { return m_store.GetNextItem(hItem); }
    /// The previous sibling, 0 before the first.
    DWORD GetPrevItem(DWORD hItem) const { return m_store.GetPrevItem(hItem); }
    /// The parent, 0 for a top-level item.
    DWORD GetParentItem(DWORD hItem) const { return m_store.GetParentItem(hItem); }
    /// The item's depth, 0 at the top level.
    UINT GetItemLevel(DWORD hItem) const { return m_store.GetItemLevel(hItem); }
    /// The number of the item's direct children.
    UINT GetItemChildren(DWORD hItem) const { return m_store.GetItemChildren(hItem); }
    /// The item's TBIS_ bits.
    UINT GetItemState(DWORD hItem) const { return m_store.GetItemState(hItem); }
    /// Writes the item's TBIS_ bits except the expanded bit; repaints nothing.
    void SetItemState(DWORD hItem, UINT nState) { m_store.SetItemState(hItem, nState); }
    ///@}
    /// Pixels per tree level (16 unless set).
    UINT GetIndent() const { return m_nIndent; }
    /// Sets the pixels per tree level, used from the next paint on.
    void SetIndent(UINT nIndent) { m_nIndent = nIndent; }
    /// Frees every item; the rows stay until the owner empties the list (ResetContent).
    void RemoveAll();
    /// Answers 0 whatever it is asked.
    DWORD GetItem(DWORD, UINT) const { return 0; }
    /// The handle of the item with index nIndex.
    static DWORD Index2Handle(UINT nIndex) { return CKTreeStore::Index2Handle(nIndex); }
    /// The index in a handle.
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
    /// Before the list box paints its rows: when the list has scrolled since the last paint, hides
    /// the popup and repaints everything (with erase); caches the font height for the paint.
    virtual void PrePaint();
    /// After the list box painted its rows: in a paint that erased, skins the area below the rows.
    virtual void PostPaint();

protected:
    /// A box with a check column (bCheckBoxes) or without.
    explicit CKTreeBoxBase(bool bCheckBoxes);

    /// @name The store's structure
    /// The item store's own operations (see CKTreeStore).
    ///@{

    /// TRUE for the handle of an item of this box.
    BOOL ValidateHandle(DWORD hItem) const { return m_store.ValidateHandle(hItem); }
    /// The item's row, -1 when it has none.
    int Item2Index(DWORD hItem) const { return m_store.Item2Index(hItem); }
    /// The item in row nRow, 0 past the last row.
    DWORD Index2Item(UINT nRow) const { return m_store.Index2Item(nRow); }
    /// The item's position in its branch.
    POSITION GetItemPosition(DWORD hItem) const { return m_store.GetItemPosition(hItem); }
    /// The branch that holds the item.
    CTree* GetItemBranch(DWORD hItem) const { return m_store.GetItemBranch(hItem); }
    /// The item's node.
    CTreeNode* GetItemNode(DWORD hItem) const { return m_store.GetItemNode(hItem); }
    /// Adds to nCount the visible items of pBranch before hItem; TRUE when hItem was reached.
    BOOL CountItems(CTree* pBranch, DWORD hItem, UINT& nCount) const {
        return m_store.CountItems(pBranch, hItem, nCount);
    }
    /// The visible item of pBranch nRow rows down, 0 when there are fewer.
    DWORD SearchItem(CTree* pBranch, UINT& nRow) const { return m_store.SearchItem(pBranch, nRow); }
    /// Frees a branch and every branch below it.
    void RemoveBranch(CTree* pBranch) { m_store.RemoveBranch(pBranch); }
    /// Collapses the node, deleting its visible descendants' rows from nRow on.
    void DeleteItemBranch(CTreeNode* pNode, const UINT& nRow) { m_store.DeleteItemBranch(pNode, nRow); }
    /// The number of nodes of the branch with a bit of nMask (bSet) or none of them (!bSet).
    UINT TestChildrenState(CTree* pBranch, UINT nMask, BOOL bSet) const {
        return m_store.TestChildrenState(pBranch, nMask, bSet);
    }
    ///@}

    /// @name Row masks
    /// Masks (black ink on white paper) stretched onto rc.
    ///@{

    /// The item's node glyph, expanded or collapsed, pressed or not; a leaf's is empty.
    void PrepareNodeMask(CDC* pDC, const CRect& rc, DWORD hItem, BOOL bPressed);
    /// The item's check glyph: checked, partly checked or unchecked.
    void PrepareCheckMask(CDC* pDC, const CRect& rc, DWORD hItem);
    /// The row's text: rc whitened, then DrawItemData.
    void PrepareDataMask(CDC* pDC, const CRect& rc, DRAWITEMSTRUCT* lpDIS);
    ///@}

    /// A row's height: fh + 6, fh the font height.
    int ItemHeight() const { return FontHeight() + 6; }
    /// The font height fh (WM_GETFONT's font); during a paint the height PrePaint cached.
    int FontHeight() const;
    /// The row at a client point, -1 outside every row.
    int Point2Index(CPoint point) const;

    /// Draws a reflected WM_DRAWITEM itself (DrawItem), adding TBODS_HOT to the hot row and
    /// TBODS_NODEPRESSED to the row whose node box is pressed; other messages are the list box's.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    /// The columns of a row, relative to its rectangle: node box at x, the check box after it
    /// when there is a check column, then the text area; the text cell starts d into it.
    struct RowLayout {
        int fh,  ///< the font height
            ih,  ///< the row's height, fh + 6, and the width of the node and check columns
            d,   ///< the margin of a box or of the text inside its column (3)
            x;   ///< left of the node column: level times indent, at most the row's width
        int nText;  ///< left of the text area
        int tw;     ///< width of the text cell (not positive: no text)
        /// The layout of an item at nLevel in a row nWidth wide.
        RowLayout(int nFontHeight, UINT nLevel, UINT nIndent, int nWidth, bool bCheckBoxes);
    };
    /// The layout of the item's row in a row nWidth wide.
    RowLayout LayoutOf(DWORD hItem, int nWidth) const;

    /// Sends a notification to the owner; returns its answer.
    LRESULT Notify(UINT message, BOOL bState, DWORD hItem);
    /// Expands or collapses an item as the user asked, unless the owner vetoes it.
    void UserExpand(DWORD hItem, BOOL bExpand);
    /// Toggles the item's check as the user asked, repaints the box and tells the owner.
    void UserCheck(DWORD hItem);
    /// Invalidates a row without erase; nothing for -1 or a row that is not there.
    void InvalidateRow(int nRow);
    /// Hides the popup and forgets the row it showed.
    void HidePopup();
    /// Asks for the next WM_MOUSEHOVER and WM_MOUSELEAVE.
    void TrackMouse();

    /// The store's rows are this list box's rows.
    class ListRows : public CKTreeRowSink {
    public:
        /// The rows of pList.
        explicit ListRows(CListBox* pList) : m_pList(pList) {}
        /// LB_ADDSTRING with pData; false without a window or when the list box fails.
        bool AddRow(void* pData) override;
        /// LB_INSERTSTRING with pData at nRow; false without a window or when the list box fails.
        bool InsertRow(int nRow, void* pData) override;
        /// LB_DELETESTRING (nothing without a window).
        void DeleteRow(int nRow) override;
        /// WM_SETREDRAW (nothing without a window).
        void SetRedraw(bool bRedraw) override;
    private:
        CListBox* m_pList;
    };

    UINT m_nIndent;           ///< pixels per tree level
    ListRows m_listRows;      ///< the store's rows: this list box
    CKTreeStore m_store;      ///< the items
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
    const bool m_bCheckBoxes;  ///< rows have a check column
    int m_nPopupRow;          ///< row whose text the last hover looked at, -1 none

    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
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
    /// @endcond

private:
    void DrawRow(LPDRAWITEMSTRUCT lpDIS);
};
