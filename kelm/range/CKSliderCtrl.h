// A self-painted horizontal slider with MFC's CSliderCtrl call interface.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>

/// Geometry of the slider, in client coordinates: a channel inset 10 pixels from both sides at
/// the vertical middle, a 9 × 16 thumb whose left edge stands 4 pixels left of the position's
/// point on the channel, dragged with its left edge between client left + 6 and right − 15.
class KELM_API CKSliderGeometry {
public:
    static const int nChannelInset = 10;
    static const int nThumbWidth = 9;
    static const int nThumbHeight = 16;
    static const int nDragLeftInset = 6;
    static const int nDragRightInset = 15;

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

class KELM_API CKSliderCtrl : public CWnd {
    DECLARE_DYNAMIC(CKSliderCtrl)
public:
    CKSliderCtrl();
    virtual ~CKSliderCtrl();

    /// A child window of the default window class.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetLineSize() const { return m_nLineSize; }
    int SetLineSize(int nSize);
    int GetPageSize() const { return m_nPageSize; }
    int SetPageSize(int nSize);
    int GetRangeMax() const { return m_nMax; }
    int GetRangeMin() const { return m_nMin; }
    void GetRange(int& nMin, int& nMax) const;
    void SetRangeMin(int nMin, BOOL bRedraw = FALSE);
    void SetRangeMax(int nMax, BOOL bRedraw = FALSE);
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE);
    int GetPos() const { return m_nPos; }
    void SetPos(int nPos);
    void VerifyPos();
    void GetThumbRect(LPRECT lprc) const;

    /// Present for compatibility: the slider has no selection and does not report its channel;
    /// none of these writes its arguments.
    void SetSelection(int nMin, int nMax);
    void GetSelection(int& nMin, int& nMax) const;
    void ClearSel(BOOL bRedraw = FALSE);
    void GetChannelRect(LPRECT lprc) const;

protected:
    void PaintBack(CDC* pMaskDC, CRect& rcClient);
    void PaintThumb(CDC* pMaskDC);
    void EndDrag();

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

    int m_nLineSize;
    int m_nPageSize;
    int m_nMin;
    int m_nMax;
    int m_nPos;
    bool m_bDragging;
    bool m_bHot;
    bool m_bFocused;

public:
    /// Inverts the mask of both paint passes.
    bool m_bInvertMask;

protected:
    int m_nGrabX;
    int m_nGrabY;
    int m_nDragLeft;
};
