// The title bar: button places by the frame's boxes and the bar's height, maximize turning into
// restore at once, the title and its picture in the look over at most 2000 pixels, pictures
// freed, dragging the frame by the bar with real input.
#include <GdiBudget.h>
#include <gtest/gtest.h>

#include "FrameTestUtil.h"

using namespace kft;

namespace {

const DWORD kAllBoxes = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

CRect ButtonRect(CKFrameWnd* pFrame, UINT nID) {
    HWND h = ::GetDlgItem(pFrame->m_wndTitleBar.m_hWnd, nID);
    return h != NULL ? ChildRect(h) : CRect();
}

// Whether a 16 × 16 caption button shows Kelm's mask nMask: its paper (background and shadow)
// exactly where the mask is paper.
::testing::AssertionResult ShowsMask(HWND hButton, UINT nMask) {
    const kt::Pixels px = kt::ReadClient(hButton);
    HBITMAP hMask = ::LoadBitmapA(::GetModuleHandleA("Kelm.dll"), MAKEINTRESOURCEA(nMask));
    HDC hdc = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hdc, hMask);
    const kt::Pixels mask = kt::ReadDC(hdc, 0, 0, 16, 16);
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    ::DeleteObject(hMask);
    if (px.width() < 16 || px.height() < 16) return ::testing::AssertionFailure() << "no button picture";
    int wrong = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool bPaper = px.At(x, y) == crPaper || px.At(x, y) == crPaperShadow;
            if (bPaper != (mask.At(x, y) == RGB(255, 255, 255))) ++wrong;
        }
    if (wrong == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << wrong << " pixels differ from mask " << nMask;
}

CString TipText(CKFrameWnd* pFrame, UINT nID) {
    CString text;
    pFrame->m_wndToolTip.GetText(text, CWnd::FromHandle(::GetDlgItem(pFrame->m_wndTitleBar.m_hWnd, nID)));
    return text;
}

}  // namespace

TEST(TitleBar, ButtonsSitByTheFramesBoxesAndTheBarsHeight) {
    TestLook look;
    // A caption and no boxes: the close button alone, at (cx - m - 16, m).
    CKFrameWnd* pPlain = NewFrame(WS_CAPTION | WS_SYSMENU | WS_VISIBLE, CRect(40, 40, 340, 240));
    ASSERT_NE(pPlain, nullptr);
    const int cx = ChildRect(pPlain->m_wndTitleBar.m_hWnd).Width();
    EXPECT_EQ(ButtonRect(pPlain, 302), CRect(cx - 19, 3, cx - 3, 19));
    EXPECT_EQ(::GetDlgItem(pPlain->m_wndTitleBar.m_hWnd, 301), nullptr);
    EXPECT_EQ(::GetDlgItem(pPlain->m_wndTitleBar.m_hWnd, 300), nullptr);
    pPlain->DestroyWindow();

    // All boxes on a 22-pixel bar: m = 3.
    CKFrameWnd* pFrame = NewFrame(kAllBoxes, CRect(40, 40, 440, 340), RUNTIME_CLASS(CPlainView));
    ASSERT_NE(pFrame, nullptr);
    CRect rcBar = ChildRect(pFrame->m_wndTitleBar.m_hWnd);
    EXPECT_EQ(rcBar.Height(), 22);
    int w = rcBar.Width();
    EXPECT_EQ(ButtonRect(pFrame, 302), CRect(w - 19, 3, w - 3, 19));
    EXPECT_EQ(ButtonRect(pFrame, 301), CRect(w - 38, 3, w - 22, 19));
    EXPECT_EQ(ButtonRect(pFrame, 300), CRect(w - 55, 3, w - 39, 19));

    // A 30-pixel title picture makes the bar 30 high: m = 7, the view moves down.
    pFrame->m_wndTitleBar.SetMaskAsTitle(3001);
    rcBar = ChildRect(pFrame->m_wndTitleBar.m_hWnd);
    EXPECT_EQ(rcBar.Height(), 30);
    w = rcBar.Width();
    EXPECT_EQ(ButtonRect(pFrame, 302), CRect(w - 23, 7, w - 7, 23));
    EXPECT_EQ(ButtonRect(pFrame, 301), CRect(w - 46, 7, w - 30, 23));
    EXPECT_EQ(ButtonRect(pFrame, 300), CRect(w - 63, 7, w - 47, 23));
    EXPECT_EQ(ChildRect(pFrame->GetActiveView()->m_hWnd).top, 30);
    pFrame->DestroyWindow();
}

TEST(TitleBar, MaximizeBecomesRestoreAtOnceWithItsTipAndBack) {
    TestLook look;
    kt::MoveCursor(1250, 1000);
    CKFrameWnd* pFrame = NewFrame(kAllBoxes, CRect(60, 60, 460, 360), RUNTIME_CLASS(CPlainView));
    ASSERT_NE(pFrame, nullptr);
    HWND hMax = ::GetDlgItem(pFrame->m_wndTitleBar.m_hWnd, 301);
    ASSERT_NE(hMax, nullptr);
    kt::PumpFor(50);
    EXPECT_TRUE(ShowsMask(hMax, 134));
    EXPECT_STREQ(TipText(pFrame, 301), "Powiększenie okna na cały ekran");
    EXPECT_STREQ(TipText(pFrame, 300), "Zmniejszenie okna do paska zadań");
    EXPECT_STREQ(TipText(pFrame, 302), "Zamknięcie okna");

    // Maximized by any means, the button shows its new glyph before any other paint.
    pFrame->ShowWindow(SW_MAXIMIZE);
    ASSERT_TRUE(pFrame->IsZoomed());
    EXPECT_TRUE(ShowsMask(hMax, 138));
    EXPECT_STREQ(TipText(pFrame, 301), "Przywrócenie rozmiarów okna");
    // Maximized, the client area is the work area: the skinned border lies outside it.
    CRect rcClient, rcWork;
    pFrame->GetClientRect(&rcClient);
    pFrame->ClientToScreen(&rcClient);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    EXPECT_EQ(rcClient, rcWork);
    pFrame->ShowWindow(SW_RESTORE);
    ASSERT_FALSE(pFrame->IsZoomed());
    EXPECT_TRUE(ShowsMask(hMax, 134));
    EXPECT_STREQ(TipText(pFrame, 301), "Powiększenie okna na cały ekran");

    // The button's commands: maximize, then restore.
    ::SendMessageA(hMax, BM_CLICK, 0, 0);
    EXPECT_TRUE(pFrame->IsZoomed());
    kt::PumpPending();
    EXPECT_TRUE(ShowsMask(hMax, 138));
    ::SendMessageA(hMax, BM_CLICK, 0, 0);
    EXPECT_FALSE(pFrame->IsZoomed());
    pFrame->DestroyWindow();
}

TEST(TitleBar, PaintsTheTitleOrItsPictureInTheLookOverAtMost2000Pixels) {
    TestLook look;
    kt::HostWindow host(1200, 200, 20, 40);
    CKTitleBar wide;
    ASSERT_TRUE(wide.Create(CWnd::FromHandle(host), WS_CHILD | WS_VISIBLE | CBRS_TOP, 5000));
    EXPECT_TRUE(wide.IsWindowVisible()) << "the host has a caption";
    wide.MoveWindow(-1000, 0, 2400, 22);
    // Everything not painted by the bar keeps a colour of its own.
    const COLORREF crUnpainted = RGB(1, 2, 3);
    HDC hdc = ::GetDC(wide.m_hWnd);
    CRect rcAll(0, 0, 2400, 22);
    HBRUSH hBrush = ::CreateSolidBrush(crUnpainted);
    ::FillRect(hdc, &rcAll, hBrush);
    ::DeleteObject(hBrush);
    ::ReleaseDC(wide.m_hWnd, hdc);
    wide.Invalidate();
    wide.UpdateWindow();
    const kt::Pixels px = kt::ReadClient(host);
    // Bar x = 2000 is host x = 1000.
    EXPECT_EQ(px.Count(crPaper, 990, 0, 1000, 22), 10 * 22) << "the bar's first 2000 pixels are painted";
    EXPECT_EQ(px.Count(crUnpainted, 1000, 0, 1010, 22), 10 * 22) << "and nothing beyond";

    // A picture instead of the title: its ink, its shadow at (1, 1), paper around it; the ink
    // role follows the active flag.
    CKTitleBar bar;
    ASSERT_TRUE(bar.Create(CWnd::FromHandle(host), WS_CHILD | WS_VISIBLE | CBRS_TOP, 5001));
    bar.MoveWindow(0, 100, 300, 30);
    bar.SetMaskAsTitle(3001);
    bar.UpdateWindow();
    kt::Pixels pic = kt::ReadClient(bar.m_hWnd);
    EXPECT_EQ(pic.Count(crInk, 4, 8, 60, 22), 56 * 14) << "inactive: the ink's pattern role";
    EXPECT_EQ(pic.Count(crPaperShadow, 60, 9, 61, 23), 14) << "the shadow right of the ink";
    EXPECT_EQ(pic.Count(crPaperShadow, 5, 22, 61, 23), 56) << "and below it";
    EXPECT_EQ(pic.Count(crPaper, 62, 0, 80, 30), 18 * 30);
    bar.m_bActive = true;
    bar.Invalidate();
    bar.UpdateWindow();
    pic = kt::ReadClient(bar.m_hWnd);
    EXPECT_EQ(pic.Count(crInkShadow, 4, 8, 60, 22), 56 * 14) << "active: the ink's shadow role";
}

TEST(TitleBar, TitlePicturesAreFreedWhenReplacedAndWithTheBar) {
    kt::GdiSqueeze squeeze(1000);  // a picture that is not freed fails within 500 calls
    CKTitleBar bar;
    for (int i = 0; i < 1500; ++i) ASSERT_NO_THROW(bar.SetMaskAsTitle(3001)) << "call " << i;
    for (int i = 0; i < 1500; ++i) {
        CKTitleBar other;
        ASSERT_NO_THROW(other.SetMaskAsTitle(3001)) << "bar " << i;
    }
    EXPECT_ANY_THROW(bar.SetMaskAsTitle(9999)) << "no such picture";
    EXPECT_EQ(bar.CalcFixedLayout(TRUE, TRUE), CSize(10000, 30)) << "the previous picture stays";
}

TEST(TitleBar, DraggingTheBarMovesTheFrameAndADoubleClickDoesNotMaximizeIt) {
    TestLook look;
    CKFrameWnd* pFrame = NewFrame(kAllBoxes, CRect(100, 100, 500, 400), RUNTIME_CLASS(CPlainView));
    ASSERT_NE(pFrame, nullptr);
    CRect rcBefore;
    pFrame->GetWindowRect(&rcBefore);
    CPoint pt(100, 10);
    pFrame->m_wndTitleBar.ClientToScreen(&pt);

    // The whole gesture is queued first: the move runs in the system's own loop.
    kt::MoveCursor(pt.x, pt.y);
    kt::PumpFor(50);
    kt::ButtonDown();
    kt::MoveCursor(pt.x + 30, pt.y + 20);
    kt::MoveCursor(pt.x + 60, pt.y + 40);
    kt::ButtonUp();
    CRect rcAfter;
    EXPECT_TRUE(kt::PumpUntil([&] {
        pFrame->GetWindowRect(&rcAfter);
        return rcAfter == rcBefore + CPoint(60, 40);
    })) << "moved to (" << rcAfter.left << "," << rcAfter.top << ")";

    kt::PumpFor(600);  // no double click with the press above
    kt::MoveCursor(pt.x + 60, pt.y + 40);
    kt::ButtonDown();
    kt::ButtonUp();
    kt::ButtonDown();
    kt::ButtonUp();
    kt::PumpFor(400);
    EXPECT_FALSE(pFrame->IsZoomed());
    pFrame->GetWindowRect(&rcAfter);
    EXPECT_EQ(rcAfter, rcBefore + CPoint(60, 40));
    pFrame->DestroyWindow();
}
