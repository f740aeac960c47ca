// The platform's splitter window with thin skinned bars (the look's pattern with a line of the
// paper's shadow along the middle), no pane borders, Kelm's skinned border, and a switch that
// turns the splitting interaction off.
#pragma once
#include <afxext.h>
#include <kelm/KelmDefs.h>

class KELM_API CKSplitterWnd : public CSplitterWnd {
public:
    /// Bars and gaps of 5 pixels, no border share, no border; tracking allowed.
    CKSplitterWnd();
    virtual ~CKSplitterWnd();

    /// Bars, boxes and crossings in the look; borders not at all; a null DC invalidates rect.
    virtual void OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect);
    virtual void OnInvertTracker(const CRect& rect);

    /// While tracking is not allowed nothing is hit: no split cursor, no tracking, no split.
    void AllowTracking(bool bAllow) { m_bAllowTracking = bAllow; }
    bool IsTrackingAllowed() const { return m_bAllowTracking; }

protected:
    virtual int HitTest(CPoint pt) const;

    bool m_bAllowTracking;

    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    DECLARE_MESSAGE_MAP()
};
