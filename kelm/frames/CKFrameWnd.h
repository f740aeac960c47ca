// A skinned main frame: the skinned border of Kelm's non-client painter instead of the system's
// frame and caption, a title bar (id 5000) as its caption, one tooltip for the title bar's
// buttons. Created like any frame, or by its run-time class "CKFrameWnd".
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/frames/CKTitleBar.h>
#include <kelm/range/CKToolTipCtrl.h>

class KELM_API CKFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CKFrameWnd)
protected:
    CKFrameWnd();

public:
    enum { nTitleBarId = 5000 };
    virtual ~CKFrameWnd();

    /// Relays every message to the tooltip (and activates it) before the frame's own handling.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    CKToolTipCtrl m_wndToolTip;
    CKTitleBar m_wndTitleBar;

protected:
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
};
