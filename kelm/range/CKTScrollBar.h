// A scroll bar that keeps itself in step with a list box that is not its parent.
#pragma once
#include <kelm/range/CKScrollBar.h>

/// The tracked list box is the bar's notification target (its owner, else its parent). A timer
/// polls it three times a second: while it holds more items than it shows, the bar is shown and
/// enabled with the range 0 .. item count, the visible item count as page and the top index as
/// position; when everything fits, the bar disables (and so hides) itself. A bar whose target is
/// its own parent is an ordinary CKScrollBar and the timer only repeats held buttons.
///
/// The reflected WM_VSCROLL (WM_REFLECT_BASE + WM_VSCROLL, 0xBD15) scrolls the list box by a
/// scroll code.
class KELM_API CKTScrollBar : public CKScrollBar {
public:
    CKTScrollBar();
    virtual ~CKTScrollBar();

protected:
    enum { nPollPeriod = 333 };

    UINT_PTR m_nTimer;  ///< the poll timer (id: the control id) runs while non-zero

    /// Top index and visible item count of the list box; false when its items have no height.
    static bool ListMetrics(HWND hList, int& nTop, int& nVisible);
    void Poll(HWND hList);
    void RestartPoll();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void VScroll(UINT nSBCode, UINT nPos);
    DECLARE_MESSAGE_MAP()
};
