// A self-painted scroll bar: keeps its own range, page and position, answers the scroll-bar
// messages and sends WM_HSCROLL / WM_VSCROLL to the window it serves.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/paint/CKStdPainter.h>

/// Created like a platform scroll bar (CScrollBar::Create; SBS_VERT makes it vertical). The bar
/// never moves its position in answer to the mouse: the notified window sets it with SBM_SETPOS
/// or SBM_SETSCROLLINFO. Notifications go to the owner when one is set (the standard non-client
/// painter makes the window it serves the owner), else to the parent.
///
/// WM_ENABLE shows (TRUE) or hides (FALSE) the bar, records that in its "ScrollState" property
/// and recomputes the notified window's frame, so that the standard non-client painter gives or
/// takes back the room for it.
class KELM_API CKScrollBar : public CScrollBar {
public:
    CKScrollBar();
    virtual ~CKScrollBar();

    bool m_bInvertMask;  ///< paint the mask's paper instead of its ink
    bool m_bHighlight;   ///< face in ctHighlight instead of ctBitmap

protected:
    enum { nRepeatTimer = 1, nRepeatPeriod = 500 };

    int m_nPressedPart;  ///< EScrollPart held by the left button, 0 when none
    bool m_bPressedIn;   ///< the pointer is inside the pressed part
    bool m_bHot;         ///< the pointer is over the bar
    SCROLLINFO m_si;
    int m_nDragEdge;     ///< main-axis client coordinate of a dragged thumb's leading edge
    int m_nGrabX;        ///< where the thumb was grabbed, from its left edge
    int m_nGrabY;        ///< and from its top edge

    CRect GetPart(int nPart, CRect rcClient);
    /// Sends the notification of the pressed part (SB_ENDSCROLL when none).
    void SendMsg();
    void DrawThumb(CDC* pMaskDC, CRect rcClient, bool bPressed);
    void DrawArrow(CDC* pMaskDC, CRect rc, EDir dir, bool bPressed);

    bool IsVert() const { return (GetStyle() & SBS_VERT) != 0; }
    HWND NotifyTarget() const;
    void Notify(UINT nCode);
    void StartPress(int nPart, CPoint point);
    void EndPress(bool bReleaseCapture);

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
};
