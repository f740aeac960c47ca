/// @file
/// Scroll-bar arithmetic without windows: part rectangles, hit testing, the thumb drag and the
/// clamping of positions.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>

/// Part codes of a scroll bar. 1..5 can be pressed; 6 and 7 are geometry only.
enum EScrollPart {
    spNone = 0,          ///< no part
    spFirstArrow = 1,    ///< top or left arrow
    spPageUp = 2,        ///< track before the thumb
    spThumb = 3,         ///< the thumb
    spPageDown = 4,      ///< track after the thumb
    spSecondArrow = 5,   ///< bottom or right arrow
    spTravel = 6,        ///< where the thumb's leading edge can go
    spTrack = 7,         ///< the whole track between the arrows
};

const int nScrollArrowLen = 15;      ///< arrow button length along the main axis
const int nScrollThumbNoPage = 20;   ///< thumb length when the page is 0
const int nScrollThumbMin = 9;       ///< shortest thumb

/// Range, page and position of a bar (the fields of SCROLLINFO it keeps).
struct SKScrollRange {
    int nMin;    ///< lowest position
    int nMax;    ///< highest value of the range; positions stop at nMax - nPage
    UINT nPage;  ///< page size, which sets the thumb's length (0: a thumb of nScrollThumbNoPage)
    int nPos;    ///< position
};

/// The parts of a bar with a given client rectangle and range. The rectangles are taken from the
/// client rectangle less its last column and row; the cross-axis extent of every part is that of
/// the whole bar.
class KELM_API CKScrollGeometry {
public:
    /// bDragging: the thumb's leading edge is at nDragEdge (a main-axis client coordinate)
    /// instead of where the position puts it.
    CKScrollGeometry(const CRect& rcClient, bool bVert, const SKScrollRange& range, bool bDragging = false,
                     int nDragEdge = 0);

    /// Length of the track between the arrows.
    int TrackLength() const { return m_nTrack; }
    /// Length of the thumb: its share of the track as the page's of the range, at least
    /// nScrollThumbMin (nScrollThumbNoPage when the page is 0).
    int ThumbLength() const { return m_nThumb; }
    /// Distance of the thumb's leading edge from the end of the first arrow.
    int ThumbOffset() const { return m_nOffset; }

    /// The rectangle of an EScrollPart; empty for spNone or an unknown code.
    CRect Part(int nPart) const;
    /// The pressable part (1..5, tested in that order) under pt, or spNone.
    int HitTest(CPoint pt) const;

    /// Main-axis coordinate of pt.
    int Along(CPoint pt) const { return m_bVert ? pt.y : pt.x; }
    /// Start of the leading edge's travel (spTravel), a main-axis coordinate.
    int TravelStart() const { return m_nLo + nScrollArrowLen; }
    /// End of the leading edge's travel: the track's end less the thumb's length.
    int TravelEnd() const { return m_nLo + nScrollArrowLen + m_nTrack - m_nThumb; }
    /// A leading edge moved by a drag, kept within the travel.
    int ClampDragEdge(int nEdge) const;
    /// The track position of a leading edge inside the travel: nMin at the start,
    /// nMax - nPage + 1 at the far end. A bar without travel reports nMin.
    int TrackPosAt(int nEdge) const;

private:
    CRect m_rc;
    bool m_bVert;
    SKScrollRange m_range;
    int m_nLo, m_nHi;
    int m_nTrack, m_nThumb, m_nOffset;
};

/// The notification code of a pressed part (SB_ENDSCROLL for none, SB_THUMBTRACK for the thumb).
KELM_API UINT ScrollPartCode(int nPart);

/// Position clamps of the scroll-bar messages. All keep the position within
/// nMin .. nMax - nPage; where the page is larger than the range, nMin wins.
KELM_API int ScrollClampPos(int nPos, int nMin, int nMax, UINT nPage);
/// The page limited to the range's extent nMax - nMin (as SBM_SETSCROLLINFO stores it).
KELM_API UINT ScrollLimitPage(UINT nPage, int nMin, int nMax);
