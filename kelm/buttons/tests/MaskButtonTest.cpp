// CKMaskButton with masks from the test program's resources (ids 137 and 138 are Kelm's too:
// the host's own must win).
#include <kelm/buttons/CKMaskButton.h>

#include <cstring>

#include "ButtonTestUtil.h"

namespace {

using kbt::Host;
using kbt::Mask;

// The picture of a mask button: paper (or an ink column for a check-style glyph) with the glyph
// at the left end, vertically centred.
Mask GlyphOn(int w, int h, UINT nMask, bool bInkColumn) {
    Mask glyph = kbt::TestMask(nMask);
    Mask m(w, h, false);
    if (bInkColumn) m.Paste(Mask(glyph.w, h, true), 0, 0);
    m.Paste(glyph, 0, (h - glyph.h) / 2);
    return m;
}

TEST(MaskButton, CheckStyleShowsTheMaskOfEachStateAndPress) {
    Host h;
    CKMaskButton b;
    b.LoadMasks(137, 138, 138, 137, 0, 0);
    ASSERT_TRUE(b.Create("", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(20, 20, 35, 41), &h.parent, 1));
    EXPECT_TRUE(kbt::Same(kbt::Screen(b), kbt::Normal(GlyphOn(15, 21, 137, true))));
    EXPECT_TRUE(kbt::Same(kbt::Drawn(b, ODS_SELECTED), kbt::Normal(GlyphOn(15, 21, 138, true))));
    b.SetCheck(1);
    EXPECT_TRUE(kbt::Same(kbt::Screen(b), kbt::Normal(GlyphOn(15, 21, 138, true))));
    EXPECT_TRUE(kbt::Same(kbt::Drawn(b, ODS_SELECTED), kbt::Normal(GlyphOn(15, 21, 137, true))));

    // All six masks in a taller button, the glyph centred in its ink column.
    b.LoadMasks(137, 138, 2003, 2004, 2005, 2006);
    b.MoveWindow(20, 20, 15, 30);
    const UINT want[3][2] = {{137, 138}, {2003, 2004}, {2005, 2006}};
    for (int check : {0, 1, 2, 5}) {
        b.SetCheck(check);
        for (int pressed = 0; pressed < 2; ++pressed) {
            const kt::Pixels got = pressed ? kbt::Drawn(b, ODS_SELECTED) : kbt::Screen(b);
            EXPECT_TRUE(kbt::Same(got, kbt::Normal(GlyphOn(15, 30, want[check > 2 ? 2 : check][pressed], true))))
                << "check " << check << " pressed " << pressed;
        }
    }

    // A real click: pressed look while held, then the next state.
    b.SetCheck(0);
    kbt::MoveTo(b, 7, 15);
    kbt::Press(true);
    EXPECT_TRUE(kbt::Same(kbt::Screen(b), kbt::Picture(GlyphOn(15, 30, 138, true), kbt::kC3, kbt::kC6, true)))
        << "pressed, hot and focused";
    kbt::Press(false);
    EXPECT_EQ(b.GetCheck(), 1);
    EXPECT_EQ(h.Clicks(), 1);
    kbt::CursorAway();
}

TEST(MaskButton, PushStyleGlyphOnPaperBeforeItsCaption) {
    Host h;
    CKMaskButton b(2003, 2004);
    ASSERT_TRUE(b.Create("", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(20, 20, 80, 45), &h.parent, 1));
    EXPECT_TRUE(kbt::Same(kbt::Screen(b), kbt::Normal(GlyphOn(60, 25, 2003, false)))) << "no caption: no face";
    EXPECT_TRUE(kbt::Same(kbt::Drawn(b, ODS_SELECTED), kbt::Normal(GlyphOn(60, 25, 2004, false))));

    b.SetWindowText("OK");
    kt::Pixels got = kbt::Screen(b);
    EXPECT_TRUE(kbt::Same(got, kbt::Normal(GlyphOn(60, 25, 2003, false)), 0, 0, 15, 25)) << "glyph column";
    EXPECT_GT(got.Count(kbt::kInkPattern, 16, 0, 60, 25), 300) << "the caption's ink face";
}

TEST(MaskButton, LoadMasksReplacesTheSetWithoutLeaking) {
    Host h;
    CKMaskButton b;
    ASSERT_TRUE(b.Create("", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(20, 20, 35, 41), &h.parent, 1));
    int failed = 0;
    {
        kbt::GdiSqueeze squeeze(1000);
        for (int i = 0; i < 2000; ++i) {
            try {
                if (i % 2 == 0) b.LoadMasks(137, 138, 2003, 2004, 2005, 2006);
                else b.LoadMasks(2006, 2005, 2004, 2003, 138, 137);
            } catch (const char*) {
                ++failed;
            }
        }
    }
    EXPECT_EQ(failed, 0);
    EXPECT_TRUE(kbt::Same(kbt::Screen(b), kbt::Normal(GlyphOn(15, 21, 2006, true))));
    b.SetCheck(2);
    EXPECT_TRUE(kbt::Same(kbt::Screen(b), kbt::Normal(GlyphOn(15, 21, 138, true))));
}

TEST(MaskButton, AMissingMaskThrowsAndKeepsTheMasksBeforeIt) {
    Host h;
    CKMaskButton b;
    ASSERT_TRUE(b.Create("", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(20, 20, 35, 41), &h.parent, 1));
    const char* pszError = nullptr;
    try {
        b.LoadMasks(2005, 4321);
    } catch (const char* psz) {
        pszError = psz;
    }
    ASSERT_NE(pszError, nullptr);
    EXPECT_STREQ(pszError, "Nie można utworzyć bitmapy - brak zasobów?");
    EXPECT_TRUE(kbt::Same(kbt::Screen(b), kbt::Normal(GlyphOn(15, 21, 2005, false))));
    EXPECT_THROW(CKMaskButton(2003, 4321), const char*);
}

}  // namespace
