// The popup snapshot window: paper before a snapshot, snapshots replaced and freed, clipping.
#include <kelm/paint/KelmPopupWnd.h>
#include <gtest/gtest.h>

#include "PaintTestUtil.h"

namespace {

const COLORREF kInk = RGB(10, 20, 200), kPaper = RGB(230, 240, 200), kShadow = RGB(120, 120, 20);

struct Popup {
    HWND hWnd;
    CKMPBitmapProvider* look;
    Popup(int w, int h) {
        RegisterPopupWndClass(AfxGetInstanceHandle());
        EXPECT_FALSE(RegisterPopupWndClass(AfxGetInstanceHandle())) << "a second registration fails harmlessly";
        hWnd = ::CreateWindowExA(0, GetPopupWndClassName(), NULL, WS_POPUP | WS_VISIBLE, 300, 200, w, h, NULL, NULL,
                                 AfxGetInstanceHandle(), NULL);
        look = new CKMPBitmapProvider(CWnd::FromHandle(hWnd), (CKBitmapDC*)NULL, kInk, 0, 0, (CKBitmapDC*)NULL,
                                      kPaper, kShadow, 0, false);
    }
    ~Popup() {
        delete look;
        ::DestroyWindow(hWnd);
        AfxDeleteTempMaps();
    }
    // A colour source turns into a mask by its background colour: white paper, the rest ink.
    void Send(CDC& src, int w, int h) {
        src.SetBkColor(RGB(255, 255, 255));
        RECT rc = {0, 0, w, h};
        EXPECT_EQ(::SendMessageA(hWnd, WM_KELM_POPUP_SNAPSHOT, (WPARAM)src.m_hDC, (LPARAM)&rc), 0);
    }
    kt::Pixels Show() {
        ::InvalidateRect(hWnd, NULL, FALSE);
        ::UpdateWindow(hWnd);
        return kt::ReadClient(hWnd);
    }
    HBITMAP SnapshotBitmap() {
        CKBitmapDC* p = reinterpret_cast<CKBitmapDC*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
        return p != nullptr ? (HBITMAP)p->GetBitmap()->m_hObject : NULL;
    }
};

TEST(PopupWnd, PaperOnlyBeforeASnapshot) {
    Popup p(60, 20);
    kt::Pixels px = p.Show();
    EXPECT_EQ(px.Count(kPaper), 60 * 20);
}

TEST(PopupWnd, SnapshotPaintsShadowAndInkAndReplacesThePreviousOne) {
    Popup p(60, 20);
    CKBitmapDC src(NULL, 40, 10);
    src.FillSolidRect(0, 0, 40, 10, RGB(255, 255, 255));
    src.FillSolidRect(5, 2, 10, 5, RGB(0, 0, 0));
    p.Send(src, 40, 10);
    HBITMAP first = p.SnapshotBitmap();
    ASSERT_NE(first, nullptr);
    kt::Pixels px = p.Show();
    EXPECT_EQ(px.Count(kInk, 5, 2, 15, 7), 50);
    EXPECT_EQ(px.Count(kInk), 50);
    EXPECT_EQ(px.At(15, 3), kShadow) << "the shadow, one pixel right and down";
    EXPECT_EQ(px.At(6, 7), kShadow);

    src.FillSolidRect(0, 0, 40, 10, RGB(255, 255, 255));
    p.Send(src, 40, 10);
    EXPECT_EQ(::GetObjectType(first), 0u) << "the first snapshot is freed";
    EXPECT_NE(p.SnapshotBitmap(), nullptr);
    EXPECT_EQ(p.Show().Count(kPaper), 60 * 20) << "an all-paper snapshot shows paper";
}

TEST(PopupWnd, LargerSnapshotIsClippedSmallerLeavesPaper) {
    Popup p(30, 12);
    CKBitmapDC src(NULL, 80, 40);
    src.FillSolidRect(0, 0, 80, 40, RGB(0, 0, 0));
    p.Send(src, 80, 40);
    kt::Pixels px = p.Show();
    EXPECT_EQ(px.Count(kInk), 30 * 12) << "ink up to the client edges";

    CKBitmapDC small(NULL, 10, 5);
    small.FillSolidRect(0, 0, 10, 5, RGB(0, 0, 0));
    p.Send(small, 10, 5);
    px = p.Show();
    EXPECT_EQ(px.Count(kInk, 0, 0, 10, 5), 50);
    EXPECT_EQ(px.Count(kInk), 50);
    EXPECT_EQ(px.Count(kPaper, 12, 0, 30, 12), 18 * 12) << "paper around it";

    // Destroying the window frees the snapshot.
    HBITMAP last = p.SnapshotBitmap();
    ::DestroyWindow(p.hWnd);
    EXPECT_EQ(::GetObjectType(last), 0u);
}

}  // namespace
