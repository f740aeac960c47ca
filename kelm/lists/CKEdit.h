/// @file
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/lists/EditText.h>

/// The skinned single-line edit control: its own text, cursor, selection and scroll position,
/// painted from a text mask in the window's look.
///
/// A subclass of the platform edit control, created or subclassed as one, which still answers what
/// this class leaves to it (margins, the font); its own text is never used: WM_GETTEXT,
/// WM_GETTEXTLENGTH, WM_SETTEXT, EM_GETSEL and EM_SETSEL are answered from this class's text. The
/// selection shows while the control has the focus, and always with ES_NOHIDESEL. The platform's
/// context menu, which would work on the platform's own text, is not offered.
///
/// Messages it answers:
/// - WM_PAINT: the text line from a text mask in the look, the selection inverted, with the hover
///   and focus highlights; the caret is made at the first paint after the focus came.
/// - WM_ERASEBKGND: erases nothing (the paint covers the control).
/// - WM_NCCALCSIZE, WM_NCPAINT: the skinned frame.
/// - WM_CHAR: a character from 0x20 up replaces the selection; control characters do nothing.
/// - WM_KEYDOWN: Backspace and Delete remove the selection or the character before or after the
///   cursor, Esc restores the undo text; Left and Right (Ctrl: by words), Home and End move the
///   cursor, with Shift extending the selection.
/// - WM_SETFOCUS: saves the undo text and selects to the end of the text (from its start unless
///   ES_NOHIDESEL); WM_KILLFOCUS: removes the caret.
/// - WM_LBUTTONDOWN: without the focus, selects everything and takes the focus; with it, places
///   the cursor and starts a mouse selection (with the capture).
/// - WM_MOUSEMOVE: the hover highlight, and a mouse selection follows the pointer; WM_LBUTTONUP
///   ends the selection; WM_CAPTURECHANGED ends it too; WM_MOUSELEAVE ends the hover.
/// - WM_SYSKEYDOWN, WM_ENABLE, WM_HSCROLL, WM_VSCROLL, WM_LBUTTONDBLCLK: the platform's answer,
///   then a repaint.
/// - EM_SETSEL: sets the selection (see CKEditText::SetSel); the cursor stays.
/// - EM_GETSEL: start and end, into the DWORDs wParam and lParam point at (when not null) and as
///   the result's low and high words; -1 when the end is past 0xFFFF.
/// - WM_GETTEXT, WM_GETTEXTLENGTH: this class's text.
/// - WM_SETTEXT: text and undo text become the new text, every position 0; no notification.
/// - EM_UNDO, WM_UNDO: the text becomes the undo text, every position 0; no notification.
/// - EM_CANUNDO: whether the text differs from the undo text.
/// - WM_CONTEXTMENU: the plain default, which passes it on to the parent.
///
/// Notifications to its parent (WM_COMMAND with the control's id, unless noted):
/// - EN_SETFOCUS, EN_KILLFOCUS: the focus came or went.
/// - EN_UPDATE: the text changed (a character, Backspace, Delete, Esc), before the repaint.
/// - EN_CHANGE: the same change, after the repaint.
/// - EN_CURSORMOVE: after any other handled key (Left, Right, Home, End), and at each step of a
///   mouse selection (press, move, release), whether or not the cursor moved.
/// - WM_CTLCOLORSTATIC (a message, not a WM_COMMAND code): at every paint, with the paint buffer's DC; the
///   answer is not used.
/// - WM_CONTEXTMENU: passed on as it came.
class KELM_API CKEdit : public CEdit {
    DECLARE_DYNAMIC(CKEdit)
public:
    enum {
        EN_CURSORMOVE = 0x0700  ///< notification code: the cursor or the selection was moved
    };

    CKEdit();
    virtual ~CKEdit();

    /// The character shown first, at the left of the text line.
    int FirstVisibleChar() const { return m_text.FirstVisible(); }
    /// The cursor's position in the text: 0 to its length.
    int GetCursorPos() const { return m_text.Cursor(); }
    /// Cursor and an empty selection at nPos; repaints at once. No notification.
    void SetCursorPos(int nPos);
    /// Replaces the selection with c, or removes it when c is 0.
    virtual void OverrideSelection(unsigned char c);
    /// Width in pixels of the first nCount characters of pszText in the window's font.
    int CalcTextLength(const char* pszText, int nCount);
    /// Sets the cursor from a point of the client area: onto the character boundary nearest to it
    /// (judged with half the font's average character width); left of the text, as
    /// CKEditText::StepBackFromLeftEdge.
    void CursorFromMouse(CPoint point);

    /// The text and its positions, read-only.
    const CKEditText& TextState() const { return m_text; }

protected:
    /// A control subclassed after its creation (a dialog's edit) keeps the text it had.
    virtual void PreSubclassWindow();
    /// WM_COMMAND to the parent with a notification code.
    void Notify(UINT nCode);
    /// A change of the text: EN_UPDATE, the repaint, EN_CHANGE.
    void ChangedText();
    /// A move of the cursor or the selection: EN_CURSORMOVE and the repaint.
    void MovedCursor();
    /// Invalidates and repaints at once; nothing when the window is gone (a parent may destroy the
    /// control while it is told of a change).
    void Repaint();
    /// The text line of the client area (rc, w x h) for a font of height nFontHeight.
    CRect TextLine(const CRect& rcClient, int nFontHeight);

    CKEditText m_text;    ///< the text, its positions and the undo text
    bool m_bFocused;      ///< the control has the focus
    bool m_bHot;          ///< the pointer is over the control
    bool m_bCreateCaret;  ///< the next paint creates the caret
    bool m_bCaret;        ///< the caret exists
    BOOL m_bSelecting;    ///< a mouse selection is in progress
    int m_nTextTop;       ///< top of the text line, set by every paint
    CPoint m_ptCaret;     ///< caret position, set by every paint

    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
    afx_msg void OnPaint();
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetSel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetSel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUndo(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCanUndo(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    DECLARE_MESSAGE_MAP()
    /// @endcond
};
