/// @file
#pragma once
#include <afxcmn.h>
#include <afxext.h>
#include <kelm/KelmDefs.h>
#include <kelm/buttons/CKMaskButton.h>
#include <kelm/paint/CKBitmapDC.h>

/// The caption of a skinned frame: a control bar along the frame's top that paints the frame's title
/// (or a picture given as a mask) in the look, offers minimize, maximize/restore and close buttons with
/// tooltips, and moves the frame when dragged.
///
/// CKFrameWnd creates one as its m_wndTitleBar; another frame may create one with Create. The
/// frame's styles decide what it shows: the bar only with WS_CAPTION, the minimize button with
/// WS_MINIMIZEBOX, the maximize/restore button with WS_MAXIMIZEBOX; the close button always. The
/// buttons' tooltips are added to the frame's tooltip when the frame is a CKFrameWnd. The title is
/// drawn in the bar's font (WM_SETFONT), in the shadow role while m_bActive, else in the pattern.
///
/// Messages it answers:
/// - WM_CREATE: loads the buttons' masks, creates the buttons the frame's styles ask for and adds
///   their tooltips.
/// - WM_SIZE: keeps the buttons at the right end, centred vertically; when the frame's zoom state
///   has changed, the maximize button takes the other glyph and tooltip.
/// - WM_PAINT: the title (or the title picture), cut at 2000 pixels, composed off screen.
/// - WM_ERASEBKGND: erases nothing (the paint covers the bar).
/// - WM_LBUTTONDOWN: moves the frame, as a press on a system caption would.
/// - WM_LBUTTONDBLCLK: the control bar's handling (it toggles docking only for a dockable bar).
/// - WM_SETFONT, WM_GETFONT: set (repainting when asked) and answer the title's font.
/// - WM_COMMAND from its buttons: see OnCommand.
/// - WM_IDLEUPDATECMDUI: the control bar's update, through OnUpdateCmdUI.
///
/// Notifications to its parent (the frame):
/// - WM_SYSCOMMAND: SC_MINIMIZE, SC_MAXIMIZE or SC_RESTORE (by the frame's zoom state), SC_CLOSE when
///   the matching button is clicked; after minimize and maximize/restore the focus is taken away.
/// - WM_NCLBUTTONDOWN with HTCAPTION at the pressed point (screen coordinates): the system moves the
///   frame.
class KELM_API CKTitleBar : public CControlBar {
    DECLARE_DYNAMIC(CKTitleBar)
public:
    enum {
        nMinimizeId = 300,   ///< the minimize button's control id
        nMaximizeId = 301,   ///< the maximize/restore button's control id
        nCloseId = 302,      ///< the close button's control id
        nHeight = 22,        ///< the bar's height without a title picture
        nButtonSize = 16,    ///< the buttons' width and height
        nMaxTitleWidth = 2000  ///< the title is painted at most this wide
    };

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
    /// Updates the bar's child controls from pTarget's command handlers (UpdateDialogControls),
    /// leaving enabled those without a handler.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    /// The buttons' commands become the frame's system commands.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    bool m_bActive;  ///< the frame is active: the title is painted in the shadow role, else the pattern

protected:
    CKMaskButton m_btnMinimize;  ///< created only when the frame has WS_MINIMIZEBOX
    CKMaskButton m_btnMaximize;  ///< maximize or restore by the zoom state; only with WS_MAXIMIZEBOX
    CKMaskButton m_btnClose;     ///< always created
    bool m_bMaximized;         ///< the frame's zoom state when last checked
    CKBitmapDC* m_pTitleMask;  ///< owned; null without a picture
    HFONT m_hFont;             ///< the font of the title text (WM_SETFONT), not owned

    /// Loads the maximize button's masks for the zoom state, with Kelm's module as the resource module.
    void LoadMaximizeMasks();
    /// The tooltip of the parent frame when it is a CKFrameWnd whose tooltip exists, else NULL.
    CToolTipCtrl* FrameToolTip();

    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
    /// @endcond
};
