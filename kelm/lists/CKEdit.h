// The skinned single-line edit control: its own text, cursor, selection and scroll position,
// painted from a text mask in the window's look.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/lists/EditText.h>

/// A subclass of the platform edit control, which still answers what this class leaves to it
/// (margins, the font); its own text is never used: WM_GETTEXT, WM_GETTEXTLENGTH, WM_SETTEXT,
/// EM_GETSEL and EM_SETSEL are answered from this class's text. The parent gets EN_SETFOCUS,
/// EN_KILLFOCUS, EN_UPDATE (before the repaint of a change), EN_CHANGE (after it) and
/// EN_CURSORMOVE when the cursor or the selection moved without a change. The selection shows
/// while the control has the focus, and always with ES_NOHIDESEL. The platform's context menu,
/// which would work on the platform's own text, is not offered: WM_CONTEXTMENU goes to the parent.
class KELM_API CKEdit : public CEdit {
    DECLARE_DYNAMIC(CKEdit)
public:
    enum { EN_CURSORMOVE = 0x0700 };

    CKEdit();
    virtual ~CKEdit();

    int FirstVisibleChar() const { return m_text.FirstVisible(); }
    int GetCursorPos() const { return m_text.Cursor(); }
    /// Cursor and an empty selection at nPos; repaints at once. No notification.
    void SetCursorPos(int nPos);
    /// Replaces the selection with c, or removes it when c is 0.
    virtual void OverrideSelection(unsigned char c);
    /// Width in pixels of the first nCount characters of pszText in the window's font.
    int CalcTextLength(const char* pszText, int nCount);
    /// Sets the cursor from a point of the client area: onto the character boundary nearest to
    /// its left, or (left of the text) one character back, scrolling the text by one.
    void CursorFromMouse(CPoint point);

    /// The text and its positions, read-only.
    const CKEditText& TextState() const { return m_text; }

protected:
    virtual void PreSubclassWindow();
    /// WM_COMMAND to the parent with a notification code.
    void Notify(UINT nCode);
    /// A change of the text: EN_UPDATE, the repaint, EN_CHANGE.
    void ChangedText();
    /// A move of the cursor or the selection: EN_CURSORMOVE and the repaint.
    void MovedCursor();
    void Repaint();
    /// The text line of the client area (rc, w x h) for a font of height nFontHeight.
    CRect TextLine(const CRect& rcClient, int nFontHeight);

    CKEditText m_text;
    bool m_bFocused;      ///< the control has the focus
    bool m_bHot;          ///< the pointer is over the control
    bool m_bCreateCaret;  ///< the next paint creates the caret
    bool m_bCaret;        ///< the caret exists
    BOOL m_bSelecting;    ///< a mouse selection is in progress
    int m_nTextTop;       ///< top of the text line, set by every paint
    CPoint m_ptCaret;     ///< caret position, set by every paint

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
};
