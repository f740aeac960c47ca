/// @file
/// The self-painted horizontal slider and its geometry.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>

/// Geometry of the slider, in client coordinates: a channel inset 10 pixels from both sides at
/// the vertical middle, a 9 × 16 thumb whose left edge stands 4 pixels left of the position's
/// point on the channel, dragged with its left edge between client left + 6 and right − 15.
class KELM_API CKSliderGeometry {
public:
    static const int nChannelInset = 10;    ///< channel ends from the client's left and right
    static const int nThumbWidth = 9;       ///< thumb width
    static const int nThumbHeight = 16;     ///< thumb height
    static const int nDragLeftInset = 6;    ///< leftmost dragged left edge, from the client's left
    static const int nDragRightInset = 15;  ///< rightmost dragged left edge, from the client's right

    /// The thumb's rectangle for nPos in the range nMin to nMax (at the channel start when the
    /// range is empty).
    static CRect ThumbRect(const CRect& rcClient, int nMin, int nMax, int nPos);
    /// The thumb's left edge while dragged: x − nGrabX kept within the drag range.
    static int DragLeft(const CRect& rcClient, int x, int nGrabX);
    /// The position for a dragged left edge: its share of the drag range times the range,
    /// rounded up from a fraction of 0.51, kept within the range (nMin for no drag range).
    static int PosFromDragLeft(const CRect& rcClient, int nDragLeft, int nMin, int nMax);
    /// nPos raised to nMin, then lowered to nMax.
    static int ClampPos(int nPos, int nMin, int nMax);
};

/// A self-painted horizontal slider with MFC's CSliderCtrl call interface: a channel and a thumb
/// dragged along it with the mouse, in the window's look (CKSliderGeometry gives the layout).
///
/// A window of its own (not the platform trackbar): made with Create, usually WS_CHILD |
/// WS_VISIBLE; the TBS_ styles and the TBM_ messages are not used, range, position and sizes are
/// set and read through the member functions. Only a press on the thumb moves it; line and page
/// sizes are kept for the caller and never applied. The thumb is drawn hollow while dragged; the
/// ink is highlighted while the slider has the focus.
///
/// Messages it answers:
/// - WM_PAINT: channel and thumb, in the disabled, hot or focused look; a paint that runs out of
///   GDI resources is skipped.
/// - WM_LBUTTONDOWN, WM_LBUTTONDBLCLK: takes the focus; a press on the thumb starts a drag and
///   captures the mouse.
/// - WM_MOUSEMOVE: while dragging, moves the thumb and the position with the pointer and
///   notifies; the first move makes the slider hot and asks for WM_MOUSELEAVE.
/// - WM_LBUTTONUP: ends the drag and releases the capture.
/// - WM_CAPTURECHANGED: another window taking the capture ends the drag.
/// - WM_MOUSELEAVE: ends the hot look.
/// - WM_SETFOCUS, WM_KILLFOCUS: the focused look on and off.
/// - WM_ERASEBKGND: erases nothing.
///
/// Notifications to its owner (the parent unless an owner is set):
/// - WM_HSCROLL SB_THUMBTRACK: each move of a drag, the new position in the high word, lParam the
///   slider. No other code is sent: a drag ends without SB_THUMBPOSITION or SB_ENDSCROLL.
class KELM_API CKSliderCtrl : public CWnd {
    DECLARE_DYNAMIC(CKSliderCtrl)
public:
    /// Range 0 to 100, position 0, line size 1, page size 10.
    CKSliderCtrl();
    virtual ~CKSliderCtrl();

    /// A child window of the default window class.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    /// @name Line and page size
    /// Kept for the caller only: the slider moves by dragging alone. The setters return the old size.
    ///@{
    int GetLineSize() const { return m_nLineSize; }  ///< the line size
    int SetLineSize(int nSize);                      ///< sets the line size
    int GetPageSize() const { return m_nPageSize; }  ///< the page size
    int SetPageSize(int nSize);                      ///< sets the page size
    ///@}

    /// @name Range
    /// Setting an end keeps the position within the range; bRedraw invalidates the slider.
    ///@{
    int GetRangeMax() const { return m_nMax; }        ///< the upper end of the range
    int GetRangeMin() const { return m_nMin; }        ///< the lower end of the range
    void GetRange(int& nMin, int& nMax) const;        ///< both ends of the range
    void SetRangeMin(int nMin, BOOL bRedraw = FALSE);  ///< sets the lower end
    void SetRangeMax(int nMax, BOOL bRedraw = FALSE);  ///< sets the upper end
    /// Sets both ends, the lower first; only the second step redraws.
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE);
    ///@}

    /// The thumb's position.
    int GetPos() const { return m_nPos; }
    /// Moves the thumb to nPos kept within the range and invalidates the slider; nothing is notified.
    void SetPos(int nPos);
    /// Keeps the position within the range: raised to the lower end, then lowered to the upper.
    void VerifyPos();
    /// The thumb's rectangle in client coordinates (CKSliderGeometry::ThumbRect).
    void GetThumbRect(LPRECT lprc) const;

    /// @name Selection and channel
    /// Present for compatibility: the slider has no selection and does not report its channel;
    /// none of these writes its arguments.
    ///@{
    void SetSelection(int nMin, int nMax);          ///< does nothing
    void GetSelection(int& nMin, int& nMax) const;  ///< does nothing; nMin and nMax keep their values
    void ClearSel(BOOL bRedraw = FALSE);            ///< does nothing
    void GetChannelRect(LPRECT lprc) const;         ///< does nothing; *lprc keeps its value
    ///@}

protected:
    /// Cuts the channel out of the ink mask: two paper lines at the vertical middle.
    void PaintBack(CDC* pMaskDC, CRect& rcClient);
    /// Cuts the thumb out of the mask: a paper block with an ink core two pixels in (only an ink
    /// outline while dragged).
    void PaintThumb(CDC* pMaskDC);
    /// Ends a drag without releasing the capture; nothing when not dragging.
    void EndDrag();

    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()
    /// @endcond

    int m_nLineSize;   ///< line size, kept for the caller
    int m_nPageSize;   ///< page size, kept for the caller
    int m_nMin;        ///< lower end of the range
    int m_nMax;        ///< upper end of the range
    int m_nPos;        ///< the thumb's position
    bool m_bDragging;  ///< the thumb is being dragged
    bool m_bHot;       ///< the pointer is over the slider
    bool m_bFocused;   ///< the slider has the focus

public:
    /// Inverts the mask of both paint passes.
    bool m_bInvertMask;

protected:
    int m_nGrabX;     ///< where the thumb was grabbed, from its left edge
    int m_nGrabY;     ///< and from its top edge
    int m_nDragLeft;  ///< the dragged thumb's left edge (client coordinates)
};
