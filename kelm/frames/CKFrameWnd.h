/// @file
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/frames/CKTitleBar.h>
#include <kelm/range/CKToolTipCtrl.h>

/// A skinned main frame: the skinned border of Kelm's non-client painter instead of the system's
/// frame and caption, a title bar (CKTitleBar, id 5000) as its caption, and one tooltip for the title
/// bar's buttons.
///
/// Created like any frame (LoadFrame, Create), or by its run-time class "CKFrameWnd" from a document
/// template. The frame's styles choose the title bar's parts: the bar shows only when the frame has
/// WS_CAPTION, its minimize and maximize buttons only with WS_MINIMIZEBOX and WS_MAXIMIZEBOX. The
/// skinned border is the one SetBorderType gives the frame, a pixel wider on each side with a sizing
/// border (WS_THICKFRAME).
///
/// Messages it answers:
/// - WM_CREATE: creates the tooltip, the frame, then the title bar; fails (-1) when the title bar
///   cannot be made.
/// - WM_ACTIVATE: the frame's handling; the title bar follows the active state and the whole frame
///   with its children repaints at once.
/// - WM_NCCALCSIZE: the client area inside the skinned border (the system's when minimized).
/// - WM_NCPAINT: paints the skinned border.
/// - WM_NCACTIVATE: paints the skinned border instead of the system's frame and caption (the
///   frame's handling while minimized).
/// - WM_SETTEXT: sets the title, repaints the skinned border (unless minimized) and the title bar.
/// - WM_GETMINMAXINFO: maximized, the client area fills the work area (SPI_GETWORKAREA) exactly.
///
/// Notifications to its parent: none of its own. The title bar's buttons send the frame
/// WM_SYSCOMMAND (SC_MINIMIZE, SC_MAXIMIZE or SC_RESTORE, SC_CLOSE).
class KELM_API CKFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CKFrameWnd)
protected:
    /// Protected: a frame is made by a document template or by a derived class.
    CKFrameWnd();

public:
    enum {
        nTitleBarId = 5000  ///< the control id of the title bar
    };
    virtual ~CKFrameWnd();

    /// Relays every message to the tooltip (and activates it) before the frame's own handling.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    CKToolTipCtrl m_wndToolTip;  ///< the tooltip of the title bar's buttons, made first on WM_CREATE
    CKTitleBar m_wndTitleBar;    ///< the frame's caption, a control bar along its top

protected:
    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
    /// The tooltip, the frame's own creation, then the title bar; a frame whose title bar cannot
    /// be made is not created.
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    /// The title bar follows the activation and the whole frame repaints at once.
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    /// The system would draw its frame and caption on activation and on a new title: the skinned
    /// border is painted instead, and the title bar shows the new title.
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    /// Maximized, the client area fills the work area exactly (the skinned border lies outside).
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    DECLARE_MESSAGE_MAP()
    /// @endcond
};
