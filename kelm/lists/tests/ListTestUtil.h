// Helpers shared by the list tests: a spy parent with one list box of a given class.
#pragma once
#include <kelm/lists/CKListBox.h>
#include <kelm/paint/CKMPBitmapProvider.h>

#include <KelmTest.h>
#include <SpyParent.h>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

inline void PrintTo(const CRect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace lbt {

const DWORD kOwnerDraw = WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;

// The host's look: solid ink and paper patterns (the ctBitmap roles) and six distinct colours.
const COLORREF kInkPattern = RGB(20, 40, 160), kPaperPattern = RGB(250, 240, 200);
const COLORREF kInk = RGB(1, 1, 1), kInkShadow = RGB(2, 2, 2), kInkHigh = RGB(150, 0, 0),
               kPaper = RGB(255, 255, 254), kPaperShadow = RGB(140, 140, 140), kPaperHigh = RGB(0, 150, 0);
const COLORREF kDisabled = kPaperShadow;  // the paper set's ctDisabled shares the fifth colour

template <class TList>
struct ListHost {
    kt::SpyParent spy;
    CKBitmapDC ink{NULL, 4, 4}, paper{NULL, 4, 4};
    std::unique_ptr<CKMPBitmapProvider> look;
    TList list;
    explicit ListHost(CRect rc = CRect(10, 10, 210, 110), DWORD style = kOwnerDraw, int nItems = 0,
                      CPoint ptHost = CPoint(40, 40)) {
        EXPECT_TRUE(spy.CreateHost(300, 260, ptHost.x, ptHost.y));
        ink.FillSolidRect(0, 0, 4, 4, kInkPattern);
        paper.FillSolidRect(0, 0, 4, 4, kPaperPattern);
        look.reset(new CKMPBitmapProvider(&spy, ink, kInk, kInkShadow, kInkHigh, paper, kPaper, kPaperShadow,
                                          kPaperHigh, false));
        EXPECT_TRUE(list.Create(style, rc, &spy, 100));
        for (int i = 0; i < nItems; ++i) list.AddString(Name(i));
        ::SetForegroundWindow(spy.m_hWnd);
        list.UpdateWindow();
        kt::PumpPending();
    }
    ~ListHost() {
        kt::MoveCursor(1250, 1000);
        list.DestroyWindow();
        look.reset();
        spy.DestroyWindow();
        kt::PumpPending();
    }
    static const char* Name(int i) {
        static const char* names[] = {"zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"};
        return names[i % 10];
    }
    HWND hwnd() const { return list.m_hWnd; }
    CRect ItemRect(int i) const {
        CRect rc;
        list.GetItemRect(i, &rc);
        return rc;
    }
};

// The bounding rectangle of what is waiting to be painted (empty when nothing is).
inline CRect Pending(HWND hWnd) {
    CRect rc;
    if (!::GetUpdateRect(hWnd, &rc, FALSE)) rc.SetRectEmpty();
    return rc;
}

}  // namespace lbt
