/// @file
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/lists/CListBoxEx.h>

/// The skinned list box: owner-drawn rows composed from a text mask in the window's look, a text
/// popup for rows too narrow for their text, hover tracking, and an optional external vertical
/// scroll bar.
///
/// Created with LBS_OWNERDRAWFIXED, with or without LBS_HASSTRINGS (without it every item's data
/// points at its zero-terminated text, owned by the application; a null pointer shows nothing).
///
/// Painting never erases: the platform list box's own painting draws the rows through DrawItem,
/// and PostPaint fills the strip below the last row in the ink pattern. A row the platform draws
/// outside WM_PAINT after the list has scrolled becomes one full repaint instead.
///
/// Row text is drawn in the mask's default font; the window's font decides the row height.
///
/// Messages it answers, besides those of CListBoxEx:
/// - WM_PAINT: PrePaint, the platform's painting of the rows, PostPaint.
/// - WM_ERASEBKGND: erases nothing; the paint fills the strip below the rows.
/// - WM_DRAWITEM, WM_MEASUREITEM, reflected from the parent: DrawItem, MeasureItem.
/// - WM_NCCALCSIZE, WM_NCPAINT: the skinned frame while an external scroll bar is set, else the
///   platform's.
/// - WM_CREATE: makes the text popup; WM_DESTROY destroys it.
/// - WM_MOUSEMOVE: while the list's window is active, the hot row and the text popup over a row
///   whose text does not fit it; the list holds the mouse capture while the pointer is over it or
///   its popup, and lets it go when the pointer leaves without a button down.
/// - WM_MOUSELEAVE: hides the popup; no row is hot.
/// - WM_KEYDOWN: hides the popup, then the platform's answer.
///
/// Notifications to its parent: none of its own; the platform list box's, as for CListBoxEx.
class KELM_API CKListBox : public CListBoxEx {
    DECLARE_DYNAMIC(CKListBox)
public:
    CKListBox();
    virtual ~CKListBox();

    /// The window's font; the stock system font when it has none. Never null.
    CFont* GetFont() const;
    /// The font's pixel height for row layout (KelmFontHeight); while painting, the height taken
    /// when the paint began.
    int FontHeight() const;
    /// FontHeight + 4.
    int ItemHeight() const;
    /// The row whose rectangle holds pt (client coordinates), else -1.
    int Point2Index(CPoint pt) const;

    /// An external vertical scroll bar (null: none), not owned. Only while one is set does the
    /// list box take the skinned frame; the caller recomputes the frame (SWP_FRAMECHANGED).
    void SetScroll(CScrollBar* pScrollBar);
    /// SB_VERT: the external scroll bar (may be null); other bars: the platform's answer.
    virtual CScrollBar* GetScrollBarCtrl(int nBar) const;

    /// Composes the row from its text (DrawItemData) in the look, by the row's state (disabled,
    /// selected, focused, hot). A row drawn outside WM_PAINT after the list scrolled invalidates
    /// the whole list instead.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    /// Every row is ItemHeight high.
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

    /// Draws what a row shows into pDC at rc's top-left in its current font and colours and
    /// returns its width: the item's string with LBS_HASSTRINGS, else the text its item data
    /// points at. The row painter and the text popup both go through it.
    virtual int DrawItemData(CDC* pDC, const CRect& rc, DRAWITEMSTRUCT* lpDrawItemStruct);
    /// Before the platform's painting of the rows: takes the font height for the paint, and
    /// invalidates the whole list when its top row changed since the last paint.
    virtual void PrePaint();
    /// After the platform's painting of the rows: fills the part of the update area below the last
    /// painted row in the ink pattern.
    virtual void PostPaint();

protected:
    /// Shows the popup over row nItem when its text does not fit the row, else hides it.
    void UpdatePopup(int nItem, const CRect& rcClient, CPoint point);
    /// Hides the text popup.
    void HidePopup();
    /// Destroys the text popup. Its owner is the list's top-level window: it would outlive the list.
    void DestroyPopup();

    BOOL m_bTracking;         ///< a WM_MOUSELEAVE is expected
    int m_nPopupItem;         ///< row for which the popup was last evaluated, -1 none
    HWND m_hPopupWnd;         ///< the text popup, made in OnCreate, destroyed with the list box
    CScrollBar* m_pScrollBar; ///< external vertical scroll bar, not owned
    bool m_bInPaint;          ///< OnPaint is running the platform's painting
    bool m_bFillPending;      ///< the strip below the rows still has to be filled
    int m_nPaintFontHeight;   ///< FontHeight measured when the current paint began
    int m_nPaintedBottom;     ///< lowest bottom edge of the rows painted in this paint
    int m_nTopIndex;          ///< top index seen at the last paint (-2 before the first)
    CRect m_rcUpdate;         ///< update rectangle of the current paint

    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
    /// @endcond
};
