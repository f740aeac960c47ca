// CKButton in a spy host: glyphs, looks, hot tracking and check logic with real and sent input.
#include <kelm/buttons/CKButton.h>

#include "ButtonTestUtil.h"

namespace {

using kbt::Host;
using kbt::Mask;

// A check button: an ink face with the glyph in an ink column. The face grows by the shadow
// offset, so with the glyph at the right it covers the glyph's first column.
Mask CheckFace(int w, int h, UINT nGlyph, bool bRight) {
    Mask m(w, h, true);
    m.Paste(kbt::KelmGlyph(nGlyph), bRight ? w - 16 : 0, (h - 16) / 2);
    if (bRight) m.Paste(Mask(1, h, true), w - 16, 0);
    return m;
}

TEST(Button, GlyphFollowsCheckStateTypeAndPress) {
    Host h;
    CKButton box, radio;
    ASSERT_TRUE(box.Create("", WS_CHILD | WS_VISIBLE | BS_AUTO3STATE, CRect(20, 20, 80, 50), &h.parent, 1));
    ASSERT_TRUE(radio.Create("", WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, CRect(20, 60, 60, 76), &h.parent, 2));
    struct Row { CKButton* b; int check; bool pressed; UINT glyph; };
    const Row rows[] = {
        {&box, 0, false, 129}, {&box, 1, false, 130}, {&box, 2, false, 131},
        {&box, 0, true, 142},  {&box, 1, true, 141},  {&box, 2, true, 140},
        {&box, 7, false, 131}, {&box, -3, false, 129}, {&box, 9, true, 140},  // clamped to the table
        {&radio, 0, false, 155}, {&radio, 1, false, 156}, {&radio, 2, false, 156},
        {&radio, 0, true, 156},  {&radio, 1, true, 155},
    };
    for (const Row& r : rows) {
        r.b->SetCheck(r.check);
        EXPECT_EQ(r.b->GetCheck(), r.check) << "any state is stored";
        CRect rc;
        r.b->GetClientRect(&rc);
        const kt::Pixels want = kbt::Normal(CheckFace(rc.Width(), rc.Height(), r.glyph, false));
        const kt::Pixels got = r.pressed ? kbt::Drawn(*r.b, ODS_SELECTED) : kbt::Screen(*r.b);
        EXPECT_TRUE(kbt::Same(got, want)) << "check " << r.check << " pressed " << r.pressed << " glyph " << r.glyph;
    }
}

TEST(Button, SubclassedBoxKeepsItsTypeCheckAndLeftText) {
    Host h;
    HWND hBox = ::CreateWindowExA(0, "BUTTON", "Ab", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_LEFTTEXT, 20, 20,
                                  70, 24, h.parent.m_hWnd, (HMENU)3, ::GetModuleHandleA(NULL), NULL);
    ::SendMessageA(hBox, BM_SETCHECK, BST_CHECKED, 0);
    CKButton box;
    ASSERT_TRUE(box.SubclassWindow(hBox));
    EXPECT_EQ(box.GetStyle() & 0x0F, (DWORD)BS_OWNERDRAW);
    EXPECT_EQ(box.GetCheck(), 1) << "the check state it had";

    // The glyph at the right end; the caption cut out of the ink face on its left.
    kt::Pixels got = kbt::Screen(box);
    EXPECT_TRUE(kbt::Same(got, kbt::Normal(CheckFace(70, 24, 130, true)), 54, 0, 70, 24));
    EXPECT_GT(got.Count(kbt::kPaperPattern, 0, 0, 54, 24), 0) << "caption";
    EXPECT_GT(got.Count(kbt::kInkPattern, 0, 0, 54, 24), 0) << "face";

    kt::SendClick(box.m_hWnd, 30, 12);
    EXPECT_EQ(box.GetCheck(), 0) << "still an automatic check box";
}

TEST(Button, DisabledIsDisabledInkWithoutShadowWhateverHotOrFocus) {
    Host h;
    CKButton box;
    ASSERT_TRUE(box.Create("", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, CRect(20, 20, 80, 50), &h.parent, 1));
    const Mask face = CheckFace(60, 30, 129, false);
    kbt::MoveTo(box, 30, 15);
    ASSERT_TRUE(kt::PumpUntil([&] { return kbt::Same(kbt::Screen(box), kbt::Picture(face, kbt::kInkPattern, kbt::kC6, true)); }))
        << "hot: the shadow in the paper highlight";

    box.EnableWindow(FALSE);
    const kt::Pixels disabled = kbt::Picture(face, kbt::kC5, 0, false);
    EXPECT_TRUE(kbt::Same(kbt::Screen(box), disabled));
    EXPECT_TRUE(kbt::Same(kbt::Drawn(box, ODS_FOCUS), disabled)) << "focused";
    kbt::CursorAway();
}

TEST(Button, PushButtonFaceInkFocusAndPress) {
    Host h;
    CKButton push;
    ASSERT_TRUE(push.Create("", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(20, 20, 70, 40), &h.parent, 5));
    const Mask solid(50, 20, true), none(50, 20, false);
    EXPECT_TRUE(kbt::Same(kbt::Screen(push), kbt::Normal(solid))) << "empty caption: a solid ink rectangle";
    EXPECT_TRUE(kbt::Same(kbt::Drawn(push, ODS_FOCUS), kbt::Picture(solid, kbt::kC3, 0, false))) << "focus ink";

    kbt::MoveTo(push, 25, 10);
    kbt::Press(true);
    EXPECT_TRUE(kbt::Same(kbt::Screen(push), kbt::Normal(none))) << "pressed: only the (empty) caption";
    EXPECT_EQ(h.Clicks(), 0);
    kbt::Press(false);
    EXPECT_EQ(h.Clicks(), 1);
    kbt::CursorAway();
}

// Records the check state the parent sees when BN_CLICKED arrives.
class CheckSpy : public kt::SpyParent {
public:
    std::vector<int> seen;
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
            seen.push_back((int)::SendMessageA((HWND)lParam, BM_GETCHECK, 0, 0));
        return kt::SpyParent::WindowProc(message, wParam, lParam);
    }
};

TEST(Button, ClickAndSpaceStepAutomaticTypesOnly) {
    CheckSpy parent;
    parent.CreateHost(300, 100, 40, 40);
    struct Row { UINT type; int from, to; };
    const Row rows[] = {
        {BS_AUTOCHECKBOX, 0, 1}, {BS_AUTOCHECKBOX, 1, 0}, {BS_AUTOCHECKBOX, 2, 0},
        {BS_AUTO3STATE, 0, 1},   {BS_AUTO3STATE, 1, 0},   {BS_AUTO3STATE, 2, 1},
        {BS_AUTORADIOBUTTON, 0, 1}, {BS_AUTORADIOBUTTON, 1, 1},
        {BS_CHECKBOX, 1, 1}, {BS_3STATE, 2, 2}, {BS_RADIOBUTTON, 0, 0}, {BS_PUSHBUTTON, 0, 0},
    };
    for (bool space : {false, true}) {
        for (const Row& r : rows) {
            CKButton b;
            ASSERT_TRUE(b.Create("x", WS_CHILD | WS_VISIBLE | r.type, CRect(10, 10, 90, 30), &parent, 7));
            b.SetCheck(r.from);
            parent.seen.clear();
            if (space) {
                b.SetFocus();
                b.SendMessage(WM_KEYDOWN, VK_SPACE, 0x00390001);
                b.SendMessage(WM_KEYUP, VK_SPACE, 0xC0390001);
            } else {
                kt::SendClick(b.m_hWnd, 40, 10);
            }
            EXPECT_EQ(b.GetCheck(), r.to) << "type " << r.type << " from " << r.from << " space " << space;
            EXPECT_EQ(parent.seen, std::vector<int>{r.to}) << "one BN_CLICKED, after the change";
        }
    }
    parent.DestroyWindow();
}

TEST(Button, OnlyAReleaseThatCompletesAClickToggles) {
    Host h;
    CKButton box;
    ASSERT_TRUE(box.Create("", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(20, 20, 80, 50), &h.parent, 1));
    kbt::MoveTo(box, 30, 15);
    kbt::Press(true);
    kbt::MoveTo(box, 150, 15);  // on the parent, the button still capturing
    kbt::Press(false);
    EXPECT_EQ(box.GetCheck(), 0) << "pressed inside, released outside";

    kbt::MoveTo(box, 150, 15);
    kbt::Press(true);
    kbt::MoveTo(box, 30, 15);
    kbt::Press(false);
    EXPECT_EQ(box.GetCheck(), 0) << "pressed outside, released inside";
    EXPECT_EQ(h.Clicks(), 0);

    // A double click is two clicks, as on a standard check box.
    kbt::Press(true);
    kbt::Press(false);
    kbt::Press(true);
    kbt::Press(false);
    EXPECT_EQ(h.Clicks(), 2);
    EXPECT_EQ(box.GetCheck(), 0);
    kbt::CursorAway();
}

TEST(Button, HotOnEnteringOnceNormalAfterLeaving) {
    Host h;
    CKButton box;
    ASSERT_TRUE(box.Create("", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(20, 20, 80, 50), &h.parent, 1));
    const Mask face = CheckFace(60, 30, 129, false);
    kbt::CursorAway();
    EXPECT_TRUE(kbt::Same(kbt::Screen(box), kbt::Normal(face)));

    kbt::MoveTo(box, 20, 10);
    ASSERT_TRUE(kt::PumpUntil([&] { return kbt::Same(kbt::Screen(box), kbt::Picture(face, kbt::kInkPattern, kbt::kC6, true)); }));
    const int paints = h.parent.Count(WM_DRAWITEM);
    for (int x : {25, 35, 45, 55}) kbt::MoveTo(box, x, 12);
    kt::PumpFor(150);
    EXPECT_EQ(h.parent.Count(WM_DRAWITEM), paints) << "moving within a hot button neither repaints nor re-registers";

    kbt::MoveTo(box, 200, 200);
    EXPECT_TRUE(kt::PumpUntil([&] { return kbt::Same(kbt::Screen(box), kbt::Normal(face)); }));
    kbt::CursorAway();
}

TEST(Button, RepeatedPaintsLeakNothing) {
    Host h;
    CKButton box;
    ASSERT_TRUE(box.Create("", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(20, 20, 80, 50), &h.parent, 1));
    box.SetCheck(1);
    CKBitmapDC target(NULL, 60, 30);
    DRAWITEMSTRUCT dis = {ODT_BUTTON, 1, 0, ODA_DRAWENTIRE, 0, box.m_hWnd, target.m_hDC, {0, 0, 60, 30}, 0};
    int failed = 0;
    {
        kbt::GdiSqueeze squeeze(1000);
        ASSERT_GT(squeeze.Held(), 1000u);
        for (int i = 0; i < 2000; ++i) {
            target.SetPixel(20, 15, RGB(1, 2, 3));
            box.DrawItem(&dis);  // a failed paint leaves the target as it was
            failed += target.GetPixel(20, 15) == RGB(1, 2, 3);
        }
    }
    EXPECT_EQ(failed, 0);
    EXPECT_TRUE(kbt::Same(kt::ReadDC(target.m_hDC, 0, 0, 60, 30), kbt::Normal(CheckFace(60, 30, 130, false))));
}

}  // namespace
