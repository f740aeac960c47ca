// A tree box of either class in a spy parent with a look of plain colours and an 8-pixel font:
// rows 14 pixels high, node and check boxes 14 pixels wide with 8 x 8 glyphs at offset 3.
#pragma once
#include <kelm/kelm.h>

#include <KelmTest.h>
#include <SpyParent.h>
#include <gtest/gtest.h>

#include <memory>

namespace ttu {

// The look: ink c1 c2 c3, paper c4 c5 c6 (no patterns, so ctBitmap is role 0 of a set).
const COLORREF kInk = RGB(20, 30, 40);           // ctBitmap ink: backgrounds, S
const COLORREF kInkHigh = RGB(200, 40, 40);      // ctHighlight ink: S with the focus
const COLORREF kPaper = RGB(250, 250, 230);      // ctBitmap paper: text, Ht
const COLORREF kPaperShadow = RGB(90, 160, 90);  // ctShadow paper: Hv, Ht when hot
const COLORREF kPaperHigh = RGB(240, 200, 60);   // ctHighlight paper: Hv when hot

// Opens the protected parts a test needs.
template <class Base>
class Probe : public Base {
public:
    using Base::Index2Item;
    using Base::Item2Index;
    HWND Popup() const { return this->m_hPopupWnd; }
};

// Answers TBXN_ITEMEXPANDING with bVeto.
class Host : public kt::SpyParent {
public:
    bool bVeto = false;
    Host() {
        for (UINT m : {TBXN_ITEMEXPANDING, TBXN_ITEMEXPANDED, TBXN_ITEMCHECKED}) Watch(m);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT lResult = kt::SpyParent::WindowProc(message, wParam, lParam);
        return message == TBXN_ITEMEXPANDING && bVeto ? 1 : lResult;
    }
};

template <class Tree>
struct TreeHost {
    Host host;
    std::unique_ptr<CKMPBitmapProvider> look;
    CFont font;
    Probe<Tree> tree;
    explicit TreeHost(CRect rc = CRect(0, 0, 200, 100), DWORD dwStyle = LBS_NOINTEGRALHEIGHT, int nFont = 8) {
        kt::MoveCursor(1250, 1000);  // no hot row unless a test makes one
        EXPECT_TRUE(host.CreateHost(260, 200));
        look.reset(new CKMPBitmapProvider(&host, nullptr, kInk, RGB(1, 1, 1), kInkHigh, nullptr, kPaper, kPaperShadow,
                                          kPaperHigh, false));
        font.CreateFont(nFont, 0, 0, 0, FW_NORMAL, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0,
                        "Tahoma");
        EXPECT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | dwStyle, rc, &host, 7));
        tree.SetFont(&font, FALSE);
    }
    ~TreeHost() {
        kt::MoveCursor(1250, 1000);
        tree.DestroyWindow();
        host.DestroyWindow();
        kt::PumpPending();
    }
    kt::Pixels Read() {
        tree.UpdateWindow();
        return kt::ReadClient(tree.m_hWnd);
    }
    CRect Row(int n) {
        CRect rc;
        tree.GetItemRect(n, rc);
        return rc;
    }
    // The notifications the host got: message, wParam, item.
    std::vector<kt::SpyMessage> Notes() const {
        std::vector<kt::SpyMessage> out;
        for (const kt::SpyMessage& m : host.Messages())
            if (m.message >= TBXN_ITEMEXPANDING && m.message <= TBXN_ITEMCHECKED) out.push_back(m);
        return out;
    }
};

// Pixels in [x0, x1) x [y0, y1) other than c; and the leftmost column holding one (-1: none).
inline int CountOther(const kt::Pixels& p, COLORREF c, int x0, int y0, int x1, int y1) {
    return (x1 - x0) * (y1 - y0) - p.Count(c, x0, y0, x1, y1);
}
inline int FirstOther(const kt::Pixels& p, COLORREF c, int x0, int y0, int x1, int y1) {
    for (int x = x0; x < x1; ++x)
        if (CountOther(p, c, x, y0, x + 1, y1) > 0) return x;
    return -1;
}

}  // namespace ttu
