// The platform up-down control with Kelm's look: two arrows painted from a mask, a hot look and
// a pressed look on the half that is held. Range, position, buddy, auto-repeat and the
// notifications stay the platform control's.
#pragma once
#include <afxcmn.h>
#include <kelm/KelmDefs.h>

class KELM_API CKSpinButtonCtrl : public CSpinButtonCtrl {
public:
    CKSpinButtonCtrl();
    virtual ~CKSpinButtonCtrl();

    /// The half of the client area a point is in: 1 the upper half (up arrow), 2 the lower half;
    /// the middle row belongs to the lower half.
    static int HalfFromPoint(const CRect& rcClient, CPoint pt);
    /// The rectangles given to CKStdPainter::DrawArrow for the two arrows. Its centring puts
    /// the up arrow's box just above the middle row and the down arrow's box from the middle
    /// row down (the down rectangle is one pixel upside down on purpose).
    static void GetArrowRects(const CRect& rcClient, CRect& rcUp, CRect& rcDown);

protected:
    BOOL m_bHot;
    int m_nPressedHalf;  ///< 0 none, 1 the upper half is held, 2 the lower half

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    DECLARE_MESSAGE_MAP()
};
