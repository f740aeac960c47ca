/// @file
/// The platform up-down control in Kelm's look.
#pragma once
#include <afxcmn.h>
#include <kelm/KelmDefs.h>

/// The platform up-down control with Kelm's look: two arrows painted from a mask, a hot look and
/// a pressed look on the half that is held. Range, position, buddy, auto-repeat and the
/// notifications stay the platform control's.
///
/// Created as a CSpinButtonCtrl (Create with the UDS_ styles, or subclassing a dialog's control);
/// the platform control interprets the styles. The picture is always an up arrow over a down arrow,
/// also with UDS_HORZ. The frame is the window's border type (SetBorderType). Every mouse message
/// goes on to the platform control after the look is updated.
///
/// Messages it answers:
/// - WM_CREATE: asks for the first paint once the platform control is created.
/// - WM_PAINT: both arrows, the held one solid, in the disabled or hot look; a paint that runs out
///   of GDI resources is skipped.
/// - WM_LBUTTONDOWN: shows the half under the pointer pressed (see HalfFromPoint).
/// - WM_LBUTTONUP: shows no half pressed.
/// - WM_CAPTURECHANGED: another window taking the capture drops the pressed look.
/// - WM_MOUSEMOVE: the first move makes the control hot and asks for WM_MOUSELEAVE.
/// - WM_MOUSELEAVE: ends the hot look.
/// - WM_ERASEBKGND: erases nothing.
/// - WM_NCCALCSIZE, WM_NCPAINT: the frame of the window's border type (CKStdPainter).
///
/// Notifications to its parent: the platform up-down control's, unchanged (WM_NOTIFY
/// UDN_DELTAPOS, then WM_VSCROLL, or WM_HSCROLL with UDS_HORZ, with SB_THUMBPOSITION and
/// SB_ENDSCROLL).
class KELM_API CKSpinButtonCtrl : public CSpinButtonCtrl {
public:
    /// Not hot, no half pressed.
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
    BOOL m_bHot;         ///< the pointer is over the control
    int m_nPressedHalf;  ///< 0 none, 1 the upper half is held, 2 the lower half

    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
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
    /// @endcond
};
