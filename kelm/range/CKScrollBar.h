/// @file
/// The self-painted scroll bar.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/paint/CKStdPainter.h>

/// A self-painted scroll bar: keeps its own range, page and position, answers the scroll-bar
/// messages and sends WM_HSCROLL / WM_VSCROLL to the window it serves.
///
/// Created like a platform scroll bar (CScrollBar::Create; SBS_VERT makes it vertical). The bar
/// never moves its position in answer to the mouse: the notified window sets it with SBM_SETPOS
/// or SBM_SETSCROLLINFO. Notifications go to the owner when one is set (the standard non-client
/// painter makes the window it serves the owner), else to the parent.
///
/// WM_ENABLE shows (TRUE) or hides (FALSE) the bar, records that in its "ScrollState" property
/// and recomputes the notified window's frame, so that the standard non-client painter gives or
/// takes back the room for it.
///
/// Messages it answers:
/// - WM_PAINT: arrows, track and thumb, the held part drawn pressed, in the disabled, hot or
///   highlighted look; a paint that runs out of GDI resources is skipped.
/// - WM_LBUTTONDOWN, WM_LBUTTONDBLCLK: presses the part under the pointer (arrow, track before or
///   after the thumb, thumb), captures the mouse and notifies; a held arrow or track repeats.
/// - WM_MOUSEMOVE: outside a press, makes the bar hot and asks for WM_MOUSELEAVE; while an arrow
///   or the track is held, shows it pressed only with the pointer on it; while the thumb is
///   dragged, moves it and notifies its track position.
/// - WM_LBUTTONUP: ends the press and notifies its end.
/// - WM_CAPTURECHANGED: another window taking the capture ends the press as a release would.
/// - WM_MOUSELEAVE: ends the hot look.
/// - WM_TIMER: repeats the notification of a held arrow or track every 500 ms while the pointer is
///   on it.
/// - SBM_GETPOS, SBM_SETPOS: the position; setting keeps it within nMin .. nMax - nPage, returns the
///   old one and redraws when lParam is non-zero.
/// - SBM_GETRANGE, SBM_SETRANGE, SBM_SETRANGEREDRAW: the range; setting clamps the position and
///   returns the old one, the last also repaints at once.
/// - SBM_GETSCROLLINFO, SBM_SETSCROLLINFO: range, page, position (and track position to read) by
///   fMask; setting limits the page to the range, clamps the position, redraws when wParam is
///   non-zero and returns the position.
/// - SBM_ENABLE_ARROWS: ignored; returns TRUE.
/// - WM_ENABLE: shows or hides the bar as described above.
/// - WM_KEYDOWN: the arrow keys, Page Up, Page Down, Home and End notify as the platform bar's do.
/// - WM_KEYUP: releasing one of those keys notifies SB_ENDSCROLL.
/// - WM_SETFOCUS, WM_KILLFOCUS: swallowed, so that no focus thumb blinks.
/// - WM_ERASEBKGND: erases nothing.
/// - WM_NCCALCSIZE, WM_NCPAINT: the frame of the window's border type (CKStdPainter).
///
/// Notifications to its parent (the owner when one is set): WM_VSCROLL from a vertical bar,
/// WM_HSCROLL from a horizontal one, lParam the bar:
/// - SB_LINEUP, SB_LINEDOWN: an arrow pressed, and repeated while held.
/// - SB_PAGEUP, SB_PAGEDOWN: the track pressed before or after the thumb, and repeated while held.
/// - SB_THUMBTRACK: the thumb pressed or dragged; the track position in the high word.
/// - SB_THUMBPOSITION: the thumb released; the last track position in the high word.
/// - SB_ENDSCROLL: the end of every press, and the release of a key.
/// - SB_TOP, SB_BOTTOM: the Home and End keys.
class KELM_API CKScrollBar : public CScrollBar {
public:
    /// Range, page and position 0; not pressed, not hot.
    CKScrollBar();
    virtual ~CKScrollBar();

    bool m_bInvertMask;  ///< paint the mask's paper instead of its ink
    bool m_bHighlight;   ///< ink in ctHighlight instead of the ink pattern

protected:
    /// Id and period (ms) of the timer that repeats a held arrow or track.
    enum { nRepeatTimer = 1, nRepeatPeriod = 500 };

    int m_nPressedPart;  ///< EScrollPart held by the left button, 0 when none
    bool m_bPressedIn;   ///< the pointer is inside the pressed part
    bool m_bHot;         ///< the pointer is over the bar
    SCROLLINFO m_si;     ///< range, page, position and the thumb's track position the bar keeps
    int m_nDragEdge;     ///< main-axis client coordinate of a dragged thumb's leading edge
    int m_nGrabX;        ///< where the thumb was grabbed, from its left edge
    int m_nGrabY;        ///< and from its top edge

    /// The rectangle of an EScrollPart in the current range, with the thumb where it is dragged.
    CRect GetPart(int nPart, CRect rcClient);
    /// Sends the notification of the pressed part (SB_ENDSCROLL when none).
    void SendMsg();
    /// Cuts the thumb out of the ink mask: a paper block inset two pixels from the bar's sides,
    /// with an ink core two pixels in (only an ink outline when bPressed).
    void DrawThumb(CDC* pMaskDC, CRect rcClient, bool bPressed);
    /// Draws an arrow into the mask with CKStdPainter::DrawArrow: solid when bPressed, else outlined.
    void DrawArrow(CDC* pMaskDC, CRect rc, EDir dir, bool bPressed);

    /// The bar has SBS_VERT.
    bool IsVert() const { return (GetStyle() & SBS_VERT) != 0; }
    /// The window notified: the owner when one is set, else the parent.
    HWND NotifyTarget() const;
    /// Sends WM_VSCROLL (vertical) or WM_HSCROLL with nCode to the notified window.
    void Notify(UINT nCode);
    /// Presses a part: grabs the thumb, captures the mouse, repaints, starts the repeat timer and
    /// sends the part's notification last.
    void StartPress(int nPart, CPoint point);
    /// Ends the press, giving back the capture when asked and the bar holds it, then sends
    /// SB_THUMBPOSITION (for the thumb) and SB_ENDSCROLL.
    void EndPress(bool bReleaseCapture);

    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnScrollGetPos(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnScrollSetPos(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnScrollGetRange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnScrollSetRange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnScrollSetRangeRedraw(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnScrollGetInfo(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnScrollSetInfo(WPARAM wParam, LPARAM lParam);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg LRESULT OnEnableArrows(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
    /// @endcond
};
