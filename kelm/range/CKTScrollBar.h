/// @file
/// The scroll bar that follows a list box.
#pragma once
#include <kelm/range/CKScrollBar.h>

/// A scroll bar (CKScrollBar) that keeps itself in step with a list box that is not its parent.
///
/// Created as a CKScrollBar, vertical (SBS_VERT), with the list box made its owner (SetOwner). The
/// tracked list box is the bar's notification target (its owner, else its parent). A timer
/// polls it three times a second: while it holds more items than it shows, the bar is shown and
/// enabled with the range 0 .. item count, the visible item count as page and the top index as
/// position; when everything fits, the bar disables (and so hides) itself. A bar whose target is
/// its own parent is an ordinary CKScrollBar and the timer only repeats held buttons.
///
/// Messages it answers, besides those of CKScrollBar:
/// - WM_CREATE: starts the poll timer, its id the control id.
/// - WM_TIMER: every tick, the repeat timer's too, polls the list box while it is visible (so a
///   held button does not repeat); with the parent as target, repeats held buttons as CKScrollBar
///   does.
/// - WM_DESTROY: stops the poll timer.
/// - WM_LBUTTONUP, WM_CAPTURECHANGED: end a press as CKScrollBar does, then restart the poll when
///   the control id equals the repeat timer's and so shares its timer.
/// - The reflected WM_VSCROLL (WM_REFLECT_BASE + WM_VSCROLL, 0xBD15): scrolls the list box
///   (LB_SETTOPINDEX). SB_LINEUP and SB_LINEDOWN move its top index by one item, SB_PAGEUP and
///   SB_PAGEDOWN by the visible item count, SB_THUMBTRACK to the track position; other codes
///   change nothing.
///
/// Notifications: those of CKScrollBar, sent to the list box. Polling sends the list box
/// LB_GETTOPINDEX, LB_GETCURSEL, LB_GETITEMRECT and LB_GETCOUNT.
class KELM_API CKTScrollBar : public CKScrollBar {
public:
    /// No poll timer until the bar is created.
    CKTScrollBar();
    virtual ~CKTScrollBar();

protected:
    /// The poll period (ms).
    enum { nPollPeriod = 333 };

    UINT_PTR m_nTimer;  ///< the poll timer (id: the control id) runs while non-zero

    /// Top index and visible item count of the list box; false when its items have no height.
    static bool ListMetrics(HWND hList, int& nTop, int& nVisible);
    /// One poll: hides and disables the bar when every item fits, else shows and enables it and
    /// sets range, page and position (SBM_SETSCROLLINFO, redrawn) where they changed.
    void Poll(HWND hList);
    /// Starts the poll timer again after a press when the repeat timer's end has killed it.
    void RestartPoll();

    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void VScroll(UINT nSBCode, UINT nPos);
    DECLARE_MESSAGE_MAP()
    /// @endcond
};
