/// @file
#pragma once
#include <afxpriv.h>
#include <kelm/KelmDefs.h>

/// The floating frame of undocked control bars, skinned: no caption, no sizing border, no window or
/// client edge, the skinned border of Kelm's non-client painter.
///
/// A docking frame names it as the class of its floating frames,
/// `m_pFloatingFrameClass = RUNTIME_CLASS(CKDockFrame)`, and the framework creates one by its run-time
/// class "CKDockFrame" whenever a bar floats. Whatever style it is created with, the caption
/// (WS_CAPTION), the sizing border (WS_THICKFRAME) and the edges (WS_EX_WINDOWEDGE,
/// WS_EX_CLIENTEDGE) are taken out.
///
/// Messages it answers:
/// - WM_NCCALCSIZE: the client area inside the skinned border.
/// - WM_NCPAINT: paints the skinned border.
/// - WM_NCACTIVATE: paints the skinned border instead of the system's active or inactive frame.
/// - WM_ACTIVATE: ignored; the mini frame's own handling is not run.
///
/// Notifications to its parent: none of its own.
class KELM_API CKDockFrame : public CMiniDockFrameWnd {
    DECLARE_DYNCREATE(CKDockFrame)
protected:
    /// Protected: the framework makes the frame from its run-time class.
    CKDockFrame();

public:
    virtual ~CKDockFrame();
    /// Strips the caption, the sizing border and the edges; the mini frame's own adjustments
    /// are not applied (the plain window's creation follows).
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);

protected:
    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    /// Activation changes nothing here (the frame's own handling is not run).
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    /// The skinned border, not the system's frame, when the activation changes.
    afx_msg BOOL OnNcActivate(BOOL bActive);
    DECLARE_MESSAGE_MAP()
    /// @endcond
};
