// The caption of a skinned frame: a control bar along the frame's top that paints the frame's
// title (or a picture given as a mask) in the look, offers minimize, maximize/restore and close
// buttons with tooltips, and moves the frame when dragged.
#pragma once
#include <afxcmn.h>
#include <afxext.h>
#include <kelm/KelmDefs.h>
#include <kelm/buttons/CKMaskButton.h>
#include <kelm/paint/CKBitmapDC.h>

class KELM_API CKTitleBar : public CControlBar {
    DECLARE_DYNAMIC(CKTitleBar)
public:
    enum { nMinimizeId = 300, nMaximizeId = 301, nCloseId = 302, nHeight = 22, nButtonSize = 16, nMaxTitleWidth = 2000 };

    CKTitleBar();
    virtual ~CKTitleBar();

    /// A child of the frame at (0, 0, 32760, 22) named "Pasek tytułowy", with bar style dwStyle;
    /// the window shows only when the frame has a caption (WS_CAPTION).
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    /// Paints the bitmap nIDBitmap (looked up from the current resource module on, the host's
    /// own first) instead of the title: white is paper, any other colour ink. Replaces and frees
    /// the previous picture; throws the library's texts when the bitmap cannot be loaded (the
    /// previous picture stays then).
    void SetMaskAsTitle(UINT nIDBitmap);

    /// 10000 wide, as high as the title picture or 22 pixels.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    /// The buttons' commands become the frame's system commands.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    bool m_bActive;  ///< the frame is active: the title is painted in the shadow role, else the pattern

protected:
    CKMaskButton m_btnMinimize;
    CKMaskButton m_btnMaximize;
    CKMaskButton m_btnClose;
    bool m_bMaximized;         ///< the frame's zoom state when last checked
    CKBitmapDC* m_pTitleMask;  ///< owned; null without a picture
    HFONT m_hFont;             ///< the font of the title text (WM_SETFONT), not owned

    /// Loads the maximize button's masks for the zoom state, with Kelm's module as the resource module.
    void LoadMaximizeMasks();
    CToolTipCtrl* FrameToolTip();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
