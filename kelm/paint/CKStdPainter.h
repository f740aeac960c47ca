/// @file
/// Border types, the standard non-client painter and the arrow glyphs.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/paint/CKBitmapDC.h>

/// A border type has one byte per side (left, top, right, bottom from the low byte up); in each
/// byte the low nibble is the inner line and the high nibble the outer line, each a pen number:
/// 0 no line, 1 ink base, 2 paper base, 3 paper shadow. Stored as the window property
/// "KelmBorderType". BrdPart makes one side's byte from its inner and outer pen numbers, shifted
/// left by nShift bits (0, 8, 16 or 24).
KELM_API UINT BrdPart(int nShift, int nInner, int nOuter);
/// Stores the border type on the window and recomputes and repaints its frame at once.
KELM_API void SetBorderType(CWnd* pWnd, UINT nType);

/// Raised: ink inside; paper base outside at left and top, shadow at right and bottom.
const UINT BT_RAISED = 0x31312121;
/// Sunken: ink outside; shadow inside at left and top, paper base at right and bottom.
const UINT BT_SUNKEN = 0x12121313;
/// Etched: paper base over shadow at left and top, shadow over paper base at right and bottom.
const UINT BT_ETCHED = 0x32322323;

/// The offset of every glyph's shadow.
const CPoint ptShadowOffset(1, 1);

extern KELM_API const char szKelmBorderType[];  ///< "KelmBorderType"
extern KELM_API const char szScrollState[];     ///< "ScrollState": 1 while a Kelm scroll bar is shown

/// The direction of an arrow glyph (CKStdPainter::DrawArrow).
enum EDir {
    dirUp = 0,        ///< up (scroll bar, spin button)
    dirRight = 1,     ///< right
    dirDown = 2,      ///< down
    dirLeft = 3,      ///< left
    dirDropDown = 4,  ///< a combo box's list opening downward
    dirDropUp = 5     ///< a combo box's list opening upward
};

/// The standard non-client painter: the frame of a window's border type, the docking of a Kelm
/// vertical scroll bar inside it, and the arrow glyphs drawn into masks. Static functions only;
/// controls call them from their own WM_NCCALCSIZE, WM_NCPAINT and WM_ERASEBKGND handlers.
class KELM_API CKStdPainter {
public:
    static const int nCXHSCROLL = 15;  ///< width of a horizontal scroll bar's arrow button
    static const int nCYHSCROLL = 20;  ///< height of a horizontal scroll bar
    static const int nCXHTHUMB = 20;   ///< width of a horizontal scroll bar's thumb
    static const int nCXVSCROLL = 20;  ///< width of a vertical scroll bar
    static const int nCYVSCROLL = 15;  ///< height of a vertical scroll bar's arrow button
    static const int nCYVTHUMB = 20;   ///< height of a vertical scroll bar's thumb
    static const int nCYCAPTION = 22;  ///< height of a caption

    /// The shared WM_NCCALCSIZE handler. The client area loses a pixel per line of the border type
    /// (one more on every side with WS_THICKFRAME) and, while a Kelm vertical scroll bar is shown
    /// ("ScrollState" 1), that bar's width: the bar is docked inside the border at the right. The
    /// window becomes the owner of its scroll bars (GetScrollBarCtrl). An iconic window gets the
    /// default processing.
    static void OnNcCalcSize(CWnd* pWnd, BOOL bCalc, NCCALCSIZE_PARAMS* lpncsp);
    /// The shared WM_NCPAINT handler: the outer lines of the border type, a one-pixel ink frame
    /// with WS_THICKFRAME, then the inner lines, in the window's look. An iconic window gets the
    /// default processing.
    static void OnNcPaint(CWnd* pWnd);
    /// Answers HTNOWHERE whatever the point.
    static UINT OnNcHitTest(CWnd* pWnd, CPoint pt);
    /// The shared WM_ERASEBKGND handler: nothing is erased (controls compose off screen).
    static BOOL OnEraseBkgnd(CWnd* pWnd, CDC* pDC);

    /// A frame in the system's frame widths, in the window's look.
    static void DrawNC(CWnd* pWnd);
    /// An arrow mask: the arrow in paper (white) on ink (black), centred in rc. bFlag: solid arrow
    /// (directions 0-3) or the other drop glyph (4, 5).
    static void DrawArrow(CDC* pMaskDC, CRect rc, EDir dir, bool bFlag);

    /// The painter has no state: assigning copies nothing.
    CKStdPainter& operator=(const CKStdPainter&) { return *this; }

    /// Glyph resource ids of Kelm's module, two slots per EDir (slot 2 × dir + bFlag); only the
    /// drop glyphs (slots 8 to 11) are drawn from bitmaps.
    static const int m_pnDirRes[12];
    static CKBitmapDC* m_pdcBmpDir[12];  ///< loaded on first use, freed when the library unloads
    static CSize m_sizeDir[12];          ///< the loaded glyphs' sizes

protected:
    /// Loads every glyph slot still empty from Kelm's module; throws when the module or a bitmap
    /// is missing.
    static void AssureDirsLoaded();
};
