/// @file
#pragma once
#include <afxext.h>
#include <kelm/KelmDefs.h>

/// The platform's splitter window with thin skinned bars (the look's pattern with a line of the
/// paper's shadow along the middle), no pane borders, Kelm's skinned border, and a switch that turns
/// the splitting interaction off.
///
/// Created like any splitter window (CreateStatic or Create, then its panes); bars and gaps are 5
/// pixels wide and the panes get no border of their own. The skinned border around the splitter is
/// the one SetBorderType gives it.
///
/// Messages it answers (besides the splitter window's own):
/// - WM_NCCALCSIZE: the client area inside the skinned border.
/// - WM_NCPAINT: paints the skinned border.
///
/// The splitter window's painting, cursor and tracking go through the overridables below: bars in
/// the look (OnDrawSplitter), and no hit at all while tracking is switched off (HitTest).
///
/// Notifications to its parent: none of its own.
class KELM_API CKSplitterWnd : public CSplitterWnd {
public:
    /// Bars and gaps of 5 pixels, no border share, no border; tracking allowed.
    CKSplitterWnd();
    virtual ~CKSplitterWnd();

    /// Bars, boxes and crossings in the look; borders not at all; a null DC invalidates rect.
    virtual void OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect);
    /// The splitter window's tracker, unchanged: a halftone pattern inverted over rect.
    virtual void OnInvertTracker(const CRect& rect);

    /// While tracking is not allowed nothing is hit: no split cursor, no tracking, no split.
    void AllowTracking(bool bAllow) { m_bAllowTracking = bAllow; }
    /// Whether the bars can be dragged (true unless AllowTracking(false) was called).
    bool IsTrackingAllowed() const { return m_bAllowTracking; }

protected:
    /// The splitter window's hit test while tracking is allowed, else noHit everywhere.
    virtual int HitTest(CPoint pt) const;

    bool m_bAllowTracking;  ///< the bars answer the mouse (AllowTracking)

    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    DECLARE_MESSAGE_MAP()
    /// @endcond
};
