// A skinned button: push button, check box, three-state box or radio button (manual or
// automatic), owner-drawn from a monochrome mask in its window's look, with a one-pixel shadow,
// a hot look while the mouse is over it and a check state of its own.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/paint/CKBitmapDC.h>
#include <kelm/paint/CKPaintBuffer.h>

/// The button's rules, apart from its window.
namespace kelm {

/// The BS_ type of a style (its low four bits).
inline UINT ButtonType(DWORD dwStyle) { return dwStyle & 0x0F; }
/// Check boxes, three-state boxes and radio buttons; every other type paints as a push button.
KELM_API bool IsCheckButtonType(UINT nType);
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

class KELM_API CKButton : public CButton {
    DECLARE_DYNAMIC(CKButton)
public:
    CKButton();

    /// Composes the whole button off screen and copies it to the item's DC in one blit.
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

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnButtonGetCheck(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnButtonSetCheck(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    /// The default processing's answer, unchanged.
    afx_msg UINT OnNcHitTest(CPoint point);
    afx_msg void OnNcPaint();
    DECLARE_MESSAGE_MAP()
};
