/// @file
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>

class CKListBox;
class CKComboLCont;

/// The skinned drop-down list combo box: a face showing the committed item and an arrow, and a
/// skinned list box that opens in a popup container beside it.
///
/// The combo box owns no items: the application creates a CKListBox (hidden, owner-drawn, with
/// LBS_HASSTRINGS for the face to show its strings), fills it directly or through the CB_
/// messages, which the combo box forwards to it, and hands it over with SetList.
///
/// The window behaves as a plain window that happens to have the combo box class: every message
/// this class does not handle goes to the plain default window procedure, so no CBS_ style has an
/// effect; a disabled window shows the disabled look.
///
/// Opening (a click, any key but Esc while it has the focus, CB_SHOWDROPDOWN) sends CBN_DROPDOWN,
/// moves the list into its container above the control (below it without m_bOpenUp) and runs a
/// modal loop until the list closes: Enter, Ctrl+Z, a button-up in the list or a change of the
/// application's activation accept the list's selection; Esc, a left click elsewhere (swallowed)
/// or WM_QUIT (posted again afterwards) restore the committed one. Then CBN_SELCHANGE when the
/// committed selection changed, and CBN_CLOSEUP. The loop waits for messages while there are none,
/// and ends when the combo box, its list or its host goes away while it runs.
///
/// Messages it answers:
/// - WM_PAINT: paints the face in the look: the committed item (drawn by the list's DrawItemData)
///   and the arrow, highlighted while focused or open.
/// - WM_ERASEBKGND: erases nothing (the paint covers the face).
/// - WM_NCCALCSIZE, WM_NCPAINT: the skinned frame.
/// - WM_LBUTTONDOWN: the pressed arrow and the focus; WM_LBUTTONUP after it opens the list.
/// - WM_MOUSEMOVE, WM_MOUSELEAVE: the hover highlight.
/// - WM_SETFOCUS, WM_KILLFOCUS: the focus highlight; losing the focus hides an open list.
/// - WM_KEYDOWN (through PreTranslateMessage): any key but Esc opens the list.
/// - WM_DESTROY: ends an open list's loop and hides its container.
/// - WM_SETFONT, WM_GETFONT: the font of the face's text.
/// - CB_SHOWDROPDOWN: opens (wParam TRUE) or hides the list; 1.
/// - CB_ADDSTRING, CB_DELETESTRING, CB_GETCOUNT, CB_GETCURSEL, CB_GETLBTEXT, CB_GETLBTEXTLEN,
///   CB_INSERTSTRING, CB_RESETCONTENT, CB_FINDSTRING, CB_SELECTSTRING, CB_SETCURSEL, CB_GETITEMDATA,
///   CB_SETITEMDATA, CB_FINDSTRINGEXACT, CB_GETTOPINDEX, CB_SETTOPINDEX, CB_GETHORIZONTALEXTENT,
///   CB_SETHORIZONTALEXTENT, CB_INITSTORAGE: forwarded to the list (PassToList); while the list is
///   closed the committed selection follows the list's, and the face repaints when it changed.
/// - WM_CREATE, WM_SIZE: the plain default.
///
/// Notifications to its parent (WM_COMMAND with the control's id):
/// - CBN_DROPDOWN: the list is about to open.
/// - CBN_SELCHANGE: the list closed with another committed selection.
/// - CBN_CLOSEUP: the list closed.
class KELM_API CKComboBox : public CComboBox {
    DECLARE_DYNAMIC(CKComboBox)
public:
    CKComboBox();
    virtual ~CKComboBox();

    /// The drop-down list; with bDelete the combo box deletes it in its destructor.
    void SetList(CKListBox* pList, bool bDelete);
    /// The drop-down list set with SetList; null before.
    CKListBox* GetList() const { return m_pList; }
    /// The container, made at the first opening (null before).
    CKComboLCont* GetContainer() const { return m_pCont; }
    /// The list is open: the container exists and is shown.
    bool IsOpen() const;
    /// The committed selection shown on the face, -1 none.
    int CommittedSel() const { return m_nCurSel; }

    /// Draws the face's mask: text and arrow in paper on ink.
    virtual void DrawCombo(CDC* pMaskDC, CRect rc);
    /// Draws the arrow into the rightmost 16 pixels of rc, which loses them and one more.
    void DrawArrow(CDC* pMaskDC, CRect& rc, bool bPressed);
    /// Paints the face's mask into pDC by state (0x10 highlighted, 0x02 disabled).
    void DrawMask(CDC* pDC, CDC* pMaskDC, CRect rc, int nState);
    /// Opens the list and returns when it has closed.
    void OpenList();
    /// The current CB_ message, forwarded to the list as its LB_ counterpart; CB_ERR without a list,
    /// for CB_GETLBTEXT without a buffer and for a search that would start before the first item.
    LRESULT PassToList(WPARAM wParam, LPARAM lParam);

    /// A key going down on the combo box, any but Esc, opens the list and is not dispatched; other
    /// messages are left alone.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    /// The plain default window procedure, not the platform combo box's.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    bool m_bOpenUp;  ///< the list opens above the control (and the arrow points up)

protected:
    enum {
        nArrowWidth = 16  ///< width of the arrow at the face's right, pixels
    };
    /// How the list closes.
    enum EClose {
        closeAccept,  ///< the list's selection is kept
        closeCancel   ///< the committed selection is restored in the list
    };

    /// Hides the container; a cancel selects the committed item in the list again. The combo box
    /// gets the focus back.
    void CloseList(EClose how);
    /// WM_COMMAND with nCode and the control's id to the parent, if it has one.
    void NotifyParent(UINT nCode);

    int m_nCurSel;        ///< the committed selection, -1 none
    bool m_bHot;          ///< the pointer is over the control
    bool m_bPressed;      ///< the left button went down on the control and has not come up on it
    bool m_bFocused;      ///< the control has the focus
    CKListBox* m_pList;   ///< the drop-down list
    bool m_bDeleteList;   ///< the destructor deletes m_pList
    CKComboLCont* m_pCont;  ///< the list's container, owned
    HFONT m_hFont;        ///< WM_SETFONT's font, for the face's text
    bool* m_pbGone;       ///< set while the list is open: becomes true when the control goes away

    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnDestroy();
    afx_msg LRESULT OnShowDropDown(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPassToList(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
    /// @endcond
};
