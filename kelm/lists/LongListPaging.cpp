#include "LongListPaging.h"

#include <climits>

long long CKLongListPaging::Offset(int nPage) { return nPage <= 0 ? 0 : (long long)nPageStep * nPage - 60; }

CKLongListPaging::SKRowPos CKLongListPaging::Locate(long long n) {
    if (n <= nDirectLast) return SKRowPos{0, Clamp(n)};
    const int nPage = (int)((n - nDirectLast) / nPageStep) + 1;
    return SKRowPos{nPage, (int)(n - Offset(nPage))};
}

int CKLongListPaging::ViewCount(int nClientHeight, int nRowHeight) {
    if (nRowHeight <= 0) return 1;
    const int nView = nClientHeight / nRowHeight;
    return nView > 1 ? nView : 1;
}

int CKLongListPaging::TopRowFor(long long n, int nRow, int nCount, int nView) {
    long long top = nRow;
    if (n + nView >= nCount) top = (long long)nRow - n + nCount - nView;
    return top < 1 ? 0 : Clamp(top);
}

CKLongListPaging::SKSelMove CKLongListPaging::SelChange(int nPage, int nTop, int nSel, int nCount, int nView) {
    SKSelMove move = {false, nPage, nSel, -1};
    const long long offset = Offset(nPage);
    const long long sel = offset + nSel;
    if (sel >= nCount) {
        move.bToLast = true;
        return move;
    }
    if (nSel >= (nPage > 0 ? (int)nForwardRow : (int)nForwardRowFirst)) {
        move.nPage = nPage + 1;
    } else if (nSel <= nBackRow && nPage > 0) {
        move.nPage = nPage - 1;
    }
    const long long newOffset = Offset(move.nPage);
    move.nSel = (int)(sel - newOffset);

    // The top item stays where it was unless the view would reach past the end.
    const long long top = offset + nTop;
    long long newTop = top;
    if (top + nView >= nCount) newTop = (long long)nCount - nView;
    if (newTop < 0) newTop = 0;
    if (move.nPage != nPage || newTop != top) {
        const long long row = newTop - newOffset;
        move.nTop = row < 0 ? 0 : Clamp(row);
    }
    return move;
}

bool CKLongListPaging::ScrollTarget(UINT nCode, bool bPageTable2, int nSel, bool bSelOnTop, int nView, int nCount,
                                    int nTrackPos, int* pTarget) {
    const long long sel = nSel;
    long long target;
    switch (nCode) {
    case SB_LINEUP: target = sel - 1; break;
    case SB_LINEDOWN: target = sel + 1; break;
    case SB_PAGEUP: target = bPageTable2 ? sel - nView : sel - nView + 1; break;
    case SB_PAGEDOWN:
        target = bPageTable2 ? sel + nView : bSelOnTop ? sel + nView - 1 : sel;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: target = nTrackPos; break;
    case SB_TOP: target = 0; break;
    case SB_BOTTOM: target = nCount; break;
    default: return false;
    }
    if (target < 0) target = 0;
    if (target >= nCount) target = (long long)nCount - 1;
    *pTarget = (int)target;
    return true;
}

CKLongListPaging::SKScrollParam CKLongListPaging::ScrollParam(int nCount, int nView, int nSel) {
    SKScrollParam p;
    p.bEnable = nCount > nView;
    p.nMax = nCount > nView ? nCount : nView;
    p.nPage = nView > 0 ? (UINT)nView : 0;
    p.nPos = nSel >= 0 && nSel < nCount ? nSel : 0;
    return p;
}

int CKLongListPaging::Clamp(long long n) { return n > INT_MAX ? INT_MAX : n < INT_MIN ? INT_MIN : (int)n; }
