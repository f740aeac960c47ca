/// @file
/// The skinned button and its rules.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/paint/CKBitmapDC.h>
#include <kelm/paint/CKPaintBuffer.h>

/// Kelm's functions that need no window: the rules of its controls apart from their windows, and
/// the texts it throws.
namespace kelm {

/// The BS_ type of a style (its low four bits).
inline UINT ButtonType(DWORD dwStyle) { return dwStyle & 0x0F; }
/// Check boxes, three-state boxes and radio buttons; every other type paints as a push button.
KELM_API bool IsCheckButtonType(UINT nType);
/// Radio buttons, manual (BS_RADIOBUTTON) or automatic (BS_AUTORADIOBUTTON).
KELM_API bool IsRadioButtonType(UINT nType);
/// The glyph table row of a stored check state: a check box clamps to 0..2, a radio button is
/// checked for any non-zero state.
KELM_API int GlyphRow(UINT nType, int nCheck);
/// The Kelm glyph mask of a check state (check box or radio by type, pressed or not).
KELM_API UINT CheckGlyphId(UINT nType, int nCheck, bool bPressed);
/// The state an automatic button moves to when clicked; other types keep theirs.
KELM_API int NextCheckState(UINT nType, int nCheck);
/// The layers of a button's mask for an owner-draw state (ODS_GRAYED, ODS_FOCUS) and the hot flag.
KELM_API SKLayers ButtonLayers(UINT nState, bool bHot);
/// Takes a column of the glyph's width (at most rc's width) from the left end of rc, or from its
/// right end when bRight, and removes it from rc. Returns the column; *pGlyph gets the glyph's
/// place in it: vertically centred when the column is taller, else the whole column.
KELM_API CRect TakeGlyphColumn(CRect& rc, CSize sizeGlyph, bool bRight, CRect* pGlyph);

}  // namespace kelm

/// A skinned button: push button, check box, three-state box or radio button (manual or
/// automatic), owner-drawn from a monochrome mask in its window's look, with a one-pixel shadow,
/// a hot look while the mouse is over it and a check state of its own.
///
/// It is attached by subclassing a standard button (SubclassDlgItem, SubclassWindow or
/// CButton::Create): PreSubclassWindow keeps the button's style and check state and makes it
/// owner-drawn, so its parent must be a framework window (CWnd), which reflects WM_DRAWITEM. The
/// BS_ type of the kept style decides painting and checking: BS_CHECKBOX, BS_AUTOCHECKBOX,
/// BS_3STATE, BS_AUTO3STATE, BS_RADIOBUTTON and BS_AUTORADIOBUTTON are check buttons, every other
/// type paints as a push button. BS_LEFTTEXT puts the check glyph at the right end. The frame is
/// the window's border type (SetBorderType). An automatic radio button checks only itself:
/// keeping its group exclusive is the application's.
///
/// Messages it answers:
/// - WM_DRAWITEM (reflected by the parent): DrawItem paints the button.
/// - WM_MOUSEMOVE: the first move over the button makes it hot and asks for WM_MOUSELEAVE.
/// - WM_MOUSELEAVE: ends the hot look.
/// - BM_GETCHECK: the stored check state.
/// - BM_SETCHECK: stores wParam (any value) and repaints; returns 1.
/// - WM_LBUTTONUP: a release that completes a click moves an automatic button's check state first.
/// - WM_KEYUP: a space release while the button is pushed does the same.
/// - WM_LBUTTONDBLCLK: a second press, unless the original type notifies double clicks (BS_NOTIFY,
///   BS_RADIOBUTTON, BS_USERBUTTON, BS_OWNERDRAW).
/// - WM_ERASEBKGND: erases nothing.
/// - WM_NCCALCSIZE, WM_NCPAINT: the frame of the window's border type (CKStdPainter).
/// - WM_NCHITTEST: the default processing's answer, unchanged.
///
/// Notifications to its parent (sent by the platform button's default processing):
/// - WM_DRAWITEM: each paint; the parent reflects it back to DrawItem.
/// - WM_COMMAND BN_CLICKED: a completed click or space release (an automatic button has moved its
///   check state already).
/// - WM_COMMAND BN_DOUBLECLICKED: a double click on a button that notifies double clicks.
class KELM_API CKButton : public CButton {
    DECLARE_DYNAMIC(CKButton)
public:
    /// Unchecked, not hot; the style is read when the button is subclassed.
    CKButton();

    /// Composes the whole button off screen and copies it to the item's DC in one blit. A paint
    /// that runs out of GDI resources is skipped.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    /// Draws the check glyph into the mask at one end of rc (the right end with BS_LEFTTEXT) in
    /// an ink column of rc's full height; rc loses the glyph's width.
    virtual void DrawCheckMark(CDC* pMaskDC, CRect& rc, int nCheck, bool bPressed);
    /// Draws face and caption into the mask: released, an ink face with the caption cut out;
    /// pressed, the caption alone in ink.
    virtual void DrawButtonText(CDC* pMaskDC, CRect rc, const CString& text, bool bPressed);
    /// Paints the finished mask into pDC: paper background, then (unless ODS_GRAYED) the shadow in
    /// the normal or hot role, then the ink in the normal, focus (ODS_FOCUS) or disabled role.
    void DrawMask(CDC* pDC, CDC* pMaskDC, CRect rc, int nState);

protected:
    /// Remembers the button's style and check state, then makes it owner-drawn.
    virtual void PreSubclassWindow();
    /// The automatic check logic, through BM_GETCHECK/BM_SETCHECK sent to the button itself.
    void DoCheck();
    /// Copies a glyph into its column of the mask (see kelm::TakeGlyphColumn), the column first
    /// filled with crFill; rc loses the column.
    void DrawGlyphColumn(CDC* pMaskDC, CRect& rc, CKBitmapDC& glyph, COLORREF crFill);
    /// True when a release now completes a click: the button is pushed and pt (client
    /// coordinates) lies on it.
    bool CompletesClick(CPoint pt);

    UINT m_nStyle;  ///< the style before subclassing; its BS_ type decides painting and checking
    bool m_bHot;    ///< the mouse is over the button
    int m_nCheck;   ///< 0 unchecked, 1 checked, 2 indeterminate (any value is stored)

    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnButtonGetCheck(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnButtonSetCheck(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    // The default processing's answer, unchanged.
    afx_msg UINT OnNcHitTest(CPoint point);
    afx_msg void OnNcPaint();
    DECLARE_MESSAGE_MAP()
    /// @endcond
};
