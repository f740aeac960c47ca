// The floating frame of undocked control bars, skinned: no caption, no sizing border, no
// window or client edge, the skinned border of Kelm's non-client painter. The docking frame
// names it: m_pFloatingFrameClass = RUNTIME_CLASS(CKDockFrame).
#pragma once
#include <afxpriv.h>
#include <kelm/KelmDefs.h>

class KELM_API CKDockFrame : public CMiniDockFrameWnd {
    DECLARE_DYNCREATE(CKDockFrame)
protected:
    CKDockFrame();

public:
    virtual ~CKDockFrame();
    /// Strips the caption, the sizing border and the edges; the mini frame's own adjustments
    /// are not applied (the plain window's creation follows).
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);

protected:
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    /// Activation changes nothing here (the frame's own handling is not run).
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    /// The skinned border, not the system's frame, when the activation changes.
    afx_msg BOOL OnNcActivate(BOOL bActive);
    DECLARE_MESSAGE_MAP()
};
