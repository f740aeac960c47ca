// Row heights from fonts: a cell height is taken as stored, a character height or the default
// becomes the height the text really takes.
#include <kelm/paint/KelmFont.h>
#include <gtest/gtest.h>

namespace {

int DrawnTextHeight(HFONT hFont) {
    HDC hdc = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hdc, hFont);
    RECT rc = {0, 0, 1000, 0};
    ::DrawTextA(hdc, "Żółw", -1, &rc, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    return rc.bottom - rc.top;
}

}  // namespace

TEST(KelmFont, HeightIsTheCellHeightTheTextTakes) {
    HFONT hCell = ::CreateFontA(17, 0, 0, 0, FW_NORMAL, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 0, "Tahoma");
    HFONT hChar = ::CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 0, "Tahoma");
    HFONT hDefault = ::CreateFontA(0, 0, 0, 0, FW_NORMAL, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 0, "Tahoma");
    EXPECT_EQ(KelmFontHeight(hCell), 17);
    EXPECT_EQ(KelmFontHeight(hChar), DrawnTextHeight(hChar));
    EXPECT_GT(KelmFontHeight(hChar), 13) << "a character height leaves out the internal leading";
    EXPECT_EQ(KelmFontHeight(hDefault), DrawnTextHeight(hDefault));
    EXPECT_GT(KelmFontHeight(hDefault), 0);
    const HFONT hGui = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(KelmFontHeight(NULL), KelmFontHeight(hGui));
    ::DeleteObject(hCell);
    ::DeleteObject(hChar);
    EXPECT_EQ(KelmFontHeight(hChar), KelmFontHeight(hGui)) << "a deleted font is not read";
    ::DeleteObject(hDefault);
}
