#include "ScrollGeometry.h"

#include <algorithm>

CKScrollGeometry::CKScrollGeometry(const CRect& rcClient, bool bVert, const SKScrollRange& range, bool bDragging,
                                   int nDragEdge)
    : m_rc(rcClient.left, rcClient.top, rcClient.right - 1, rcClient.bottom - 1), m_bVert(bVert), m_range(range) {
    m_nLo = bVert ? m_rc.top : m_rc.left;
    m_nHi = bVert ? m_rc.bottom : m_rc.right;
    m_nTrack = m_nHi - m_nLo - 2 * nScrollArrowLen;

    if (range.nPage == 0) {
        m_nThumb = nScrollThumbNoPage;
    } else {
        const double span = (double)range.nMax - range.nMin + 1;
        // A page larger than the range (left by a later SBM_SETRANGE) fills the track.
        m_nThumb = span > 0 ? (int)(m_nTrack * (double)range.nPage / span) : m_nTrack;
        if (m_nThumb > m_nTrack) m_nThumb = m_nTrack;
    }
    if (m_nThumb <= nScrollThumbMin) m_nThumb = nScrollThumbMin;

    if (bDragging) {
        m_nOffset = nDragEdge - m_nLo - nScrollArrowLen;
    } else {
        const long long d = (long long)range.nMax - range.nPage - range.nMin;
        m_nOffset = d == 0 ? 0
                           : (int)((double)((long long)range.nPos - range.nMin) * (m_nTrack - m_nThumb) /
                                   (double)(UINT)d);
    }
}

CRect CKScrollGeometry::Part(int nPart) const {
    const int a = nScrollArrowLen, lo = m_nLo, hi = m_nHi, p = m_nOffset, t = m_nThumb;
    int from = lo, to = lo;
    switch (nPart) {
    case spFirstArrow: from = lo; to = lo + a; break;
    case spPageUp: from = lo + a; to = lo + a + p; break;
    case spThumb: from = lo + a + p; to = lo + a + p + t; break;
    case spPageDown: from = lo + a + p + t; to = hi - a; break;
    case spSecondArrow: from = hi - a; to = hi; break;
    case spTravel: from = lo + a; to = lo + a + m_nTrack - t; break;
    case spTrack: from = lo + a; to = lo + a + m_nTrack; break;
    default: return CRect();
    }
    return m_bVert ? CRect(m_rc.left, from, m_rc.right, to) : CRect(from, m_rc.top, to, m_rc.bottom);
}

int CKScrollGeometry::HitTest(CPoint pt) const {
    for (int part = spFirstArrow; part <= spSecondArrow; ++part)
        if (Part(part).PtInRect(pt)) return part;
    return spNone;
}

int CKScrollGeometry::ClampDragEdge(int nEdge) const {
    const int start = TravelStart(), end = TravelEnd();
    if (end <= start) return start;
    return std::min(std::max(nEdge, start), end);
}

int CKScrollGeometry::TrackPosAt(int nEdge) const {
    const int start = TravelStart(), end = TravelEnd();
    if (end <= start) return m_range.nMin;
    long long count = (long long)m_range.nMax - m_range.nPage - m_range.nMin + 1;
    if (count < 0) count = 0;
    return (int)((double)(nEdge - start) / (end - start) * (double)count + m_range.nMin);
}

UINT ScrollPartCode(int nPart) {
    switch (nPart) {
    case spFirstArrow: return SB_LINEUP;
    case spPageUp: return SB_PAGEUP;
    case spThumb: return SB_THUMBTRACK;
    case spPageDown: return SB_PAGEDOWN;
    case spSecondArrow: return SB_LINEDOWN;
    default: return SB_ENDSCROLL;
    }
}

int ScrollClampPos(int nPos, int nMin, int nMax, UINT nPage) {
    long long pos = std::min<long long>(nPos, (long long)nMax - nPage);
    return (int)std::max<long long>(pos, nMin);
}

UINT ScrollLimitPage(UINT nPage, int nMin, int nMax) {
    const UINT extent = (UINT)nMax - (UINT)nMin;
    return nPage > extent ? extent : nPage;
}
