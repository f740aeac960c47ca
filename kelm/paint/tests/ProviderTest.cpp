// The look registry: defaults, registration order, lookup and removal.
#include <kelm/paint/CKMaskPainter.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "PaintTestUtil.h"

namespace {

CKMPBitmapProvider* NewProvider(CWnd* pOwner, bool bDefault = false, DWORD c1 = 0) {
    return new CKMPBitmapProvider(pOwner, (CKBitmapDC*)NULL, c1, 2, 3, (CKBitmapDC*)NULL, 4, 5, 6, bDefault);
}

struct Dialog {
    CWnd dlg;
    CWnd group;
    CWnd insideGroup;
    CWnd outsideGroup;
    Dialog() {
        kpt::CreateTop(dlg, 10, 10, 200, 150);
        group.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 100, 100), &dlg, 1);
        insideGroup.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(5, 5, 50, 30), &group, 2);
        outsideGroup.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(110, 10, 150, 40), &dlg, 3);
    }
    ~Dialog() { dlg.DestroyWindow(); }
};

TEST(Provider, BuiltInLookWhenNothingIsRegistered) {
    CWnd lone;
    kpt::CreateTop(lone, 0, 0, 20, 20);
    CKMaskPainter painter(&lone);
    const DWORD ink[4] = {0x000000, 0x3C2828, 0x785050, 0x8080A0};
    const DWORD paper[4] = {0xFFFFFF, 0xC4C4C4, 0x808080, 0x8080A0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(painter.GetColor((EColorType)i, true), ink[i]);
        EXPECT_EQ(painter.GetColor((EColorType)i, false), paper[i]);
    }
    EXPECT_EQ(painter.GetProvider(), CKMPBitmapProvider::GetDefault());
    EXPECT_EQ(CKMaskPainter(NULL).GetProvider(), CKMPBitmapProvider::GetDefault());
    lone.DestroyWindow();
}

TEST(Provider, SixColoursFillEightSlots) {
    CWnd w;
    kpt::CreateTop(w, 0, 0, 20, 20);
    std::unique_ptr<CKMPBitmapProvider> p(NewProvider(&w));
    p->ChangeColors(1, 2, 3, 4, 5, 6);
    CKMaskPainter painter(&w);
    const DWORD ink[4] = {1, 2, 3, 5}, paper[4] = {4, 5, 6, 5};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(painter.GetColor((EColorType)i, true), ink[i]);
        EXPECT_EQ(painter.GetColor((EColorType)i, false), paper[i]);
    }
    w.DestroyWindow();
}

TEST(Provider, InnermostRegisteredWindowWinsInEitherOrder) {
    for (bool groupFirst : {false, true}) {
        Dialog d;
        std::unique_ptr<CKMPBitmapProvider> first(NewProvider(groupFirst ? &d.group : &d.dlg, false, 11));
        std::unique_ptr<CKMPBitmapProvider> second(NewProvider(groupFirst ? &d.dlg : &d.group, false, 22));
        CKMPBitmapProvider* pGroup = groupFirst ? first.get() : second.get();
        CKMPBitmapProvider* pDlg = groupFirst ? second.get() : first.get();
        EXPECT_EQ(CKMaskPainter(&d.insideGroup).GetProvider(), pGroup) << groupFirst;
        EXPECT_EQ(CKMaskPainter(&d.group).GetProvider(), pGroup) << groupFirst;
        EXPECT_EQ(CKMaskPainter(&d.outsideGroup).GetProvider(), pDlg) << groupFirst;
        EXPECT_EQ(CKMaskPainter(&d.dlg).GetProvider(), pDlg) << groupFirst;

        // Removing the group's look leaves the dialog's look for everything inside.
        (groupFirst ? first : second).reset();
        EXPECT_EQ(CKMaskPainter(&d.insideGroup).GetProvider(), pDlg);
        EXPECT_EQ(CKMPBitmapProvider::GetRegisteredCount(), 1);
    }
    EXPECT_EQ(CKMPBitmapProvider::GetRegisteredCount(), 0);
}

TEST(Provider, TwoProvidersForOneWindowRemoveOneEntryEach) {
    Dialog d;
    CKMPBitmapProvider* a = NewProvider(&d.dlg, false, 1);
    CKMPBitmapProvider* b = NewProvider(&d.dlg, false, 2);
    CKMPBitmapProvider* g = NewProvider(&d.group, false, 3);
    ASSERT_EQ(CKMPBitmapProvider::GetRegisteredCount(), 3);
    EXPECT_EQ(CKMPBitmapProvider::GetRegistered(0), g) << "inner window first";
    EXPECT_EQ(CKMPBitmapProvider::GetRegistered(1), b) << "re-ordering moved the dialog's first provider back";
    // Destroying a leaves b serving the dialog: the list never holds a destroyed provider.
    delete a;
    ASSERT_EQ(CKMPBitmapProvider::GetRegisteredCount(), 2);
    EXPECT_EQ(CKMPBitmapProvider::GetRegistered(1), b);
    EXPECT_EQ(CKMaskPainter(&d.outsideGroup).GetColor(ctBase, true), 2u);
    delete b;
    EXPECT_EQ(CKMPBitmapProvider::GetRegisteredCount(), 1);
    EXPECT_EQ(CKMaskPainter(&d.outsideGroup).GetProvider(), CKMPBitmapProvider::GetDefault());
    delete g;
    EXPECT_EQ(CKMPBitmapProvider::GetRegisteredCount(), 0);
}

TEST(Provider, DestroyedCopyRemovesTheEntryOfItsWindow) {
    Dialog d;
    CKMPBitmapProvider* a = NewProvider(&d.dlg, false, 1);
    CKMPBitmapProvider* copy = NewProvider(&d.group, false, 9);
    delete copy;  // unregistered itself
    copy = NewProvider(&d.group, false, 9);
    *copy = *a;   // now a copy for the dialog, not registered as such
    ASSERT_EQ(CKMPBitmapProvider::GetRegisteredCount(), 2);
    delete copy;  // its own entry (for the group) is found by pointer
    ASSERT_EQ(CKMPBitmapProvider::GetRegisteredCount(), 1);
    EXPECT_EQ(CKMPBitmapProvider::GetRegistered(0), a);
    delete a;
    EXPECT_EQ(CKMPBitmapProvider::GetRegisteredCount(), 0);
}

// Assignment changes a provider's flag and window but not the places it holds: destroying it
// must clear those, and only those.
TEST(Provider, DestroyedProviderLeavesNoPlaceBehindWhateverItsFlag) {
    CKMPBitmapProvider* builtIn = CKMPBitmapProvider::GetDefault();
    CWnd w, other;
    kpt::CreateTop(w, 0, 0, 20, 20);
    kpt::CreateTop(other, 30, 0, 20, 20);
    CKMPBitmapProvider* plain = NewProvider(&other, false, 0x222222);

    CKMPBitmapProvider* d = NewProvider(NULL, true, 0x111111);
    *d = *plain;  // the current default now looks like a plain provider of `other`
    delete d;
    EXPECT_EQ(CKMPBitmapProvider::GetDefault(), builtIn) << "the default slot is cleared";
    ASSERT_EQ(CKMPBitmapProvider::GetRegisteredCount(), 1) << "the entry of the live provider stays";
    EXPECT_EQ(CKMPBitmapProvider::GetRegistered(0), plain);

    CKMPBitmapProvider* r = NewProvider(&w, false, 0x333333);
    CKMPBitmapProvider* d2 = NewProvider(NULL, true, 0x444444);
    *r = *d2;  // a registered provider that now says it is a default
    delete r;
    ASSERT_EQ(CKMPBitmapProvider::GetRegisteredCount(), 1) << "its list entry goes with it";
    EXPECT_EQ(CKMPBitmapProvider::GetRegistered(0), plain);
    EXPECT_NE(CKMaskPainter(&w).GetProvider(), r);
    delete d2;
    delete plain;
    EXPECT_EQ(CKMPBitmapProvider::GetRegisteredCount(), 0);
    EXPECT_EQ(CKMPBitmapProvider::GetDefault(), builtIn);
    w.DestroyWindow();
    other.DestroyWindow();
}

TEST(Provider, LooksMadeBeforeTheirWindowsStillNest) {
    // Members of a dialog: made before any window exists, the outer one first.
    CWnd dlg, group, inside, outside;
    CKMPBitmapProvider dlgLook(&dlg, (CKBitmapDC*)NULL, 11, 2, 3, (CKBitmapDC*)NULL, 4, 5, 6, false);
    CKMPBitmapProvider groupLook(&group, (CKBitmapDC*)NULL, 22, 2, 3, (CKBitmapDC*)NULL, 4, 5, 6, false);
    kpt::CreateTop(dlg, 10, 10, 200, 150);
    group.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 100, 100), &dlg, 1);
    inside.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(5, 5, 50, 30), &group, 2);
    outside.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(110, 10, 150, 40), &dlg, 3);
    EXPECT_EQ(CKMaskPainter(&inside).GetProvider(), &groupLook);
    EXPECT_EQ(CKMaskPainter(&group).GetProvider(), &groupLook);
    EXPECT_EQ(CKMaskPainter(&outside).GetProvider(), &dlgLook);
    EXPECT_EQ(CKMaskPainter(&dlg).GetProvider(), &dlgLook);
    dlg.DestroyWindow();
}

TEST(Provider, DefaultProvidersReplaceAndRestoreTheBuiltInLook) {
    CKMPBitmapProvider* builtIn = CKMPBitmapProvider::GetDefault();
    CWnd w;
    kpt::CreateTop(w, 0, 0, 20, 20);
    CKMPBitmapProvider* d1 = NewProvider(NULL, true, 0x111111);
    EXPECT_EQ(CKMaskPainter(&w).GetColor(ctBase, true), 0x111111u);
    CKMPBitmapProvider* d2 = NewProvider(NULL, true, 0x222222);
    EXPECT_EQ(CKMaskPainter(&w).GetColor(ctBase, true), 0x222222u);
    EXPECT_EQ(CKMPBitmapProvider::GetRegisteredCount(), 0) << "defaults are not in the list";
    delete d1;  // restores the built-in look although d2 came later
    EXPECT_EQ(CKMPBitmapProvider::GetDefault(), builtIn);
    EXPECT_EQ(CKMaskPainter(&w).GetColor(ctBase, true), 0u);
    delete d2;
    EXPECT_EQ(CKMPBitmapProvider::GetDefault(), builtIn);
    w.DestroyWindow();
}

TEST(Provider, ListGrowsPastItsInitialCapacity) {
    std::vector<std::unique_ptr<CWnd>> windows;
    std::vector<std::unique_ptr<CKMPBitmapProvider>> providers;
    for (int i = 0; i < 20; ++i) {
        windows.emplace_back(new CWnd);
        kpt::CreateTop(*windows.back(), i, i, 10, 10);
        providers.emplace_back(NewProvider(windows.back().get(), false, 100 + i));
    }
    EXPECT_EQ(CKMPBitmapProvider::GetRegisteredCount(), 20);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(CKMaskPainter(windows[i].get()).GetColor(ctBase, true), DWORD(100 + i));
    providers.clear();
    EXPECT_EQ(CKMPBitmapProvider::GetRegisteredCount(), 0);
    for (auto& w : windows) w->DestroyWindow();
}

TEST(Provider, BitmapDCOwnsItsBitmap) {
    HBITMAP hBitmap;
    {
        CKBitmapDC dc(NULL, 8, 6);
        hBitmap = (HBITMAP)dc.GetBitmap()->m_hObject;
        EXPECT_EQ(dc.GetSize(), CSize(8, 6));
        EXPECT_EQ(::GetCurrentObject(dc.m_hDC, OBJ_BITMAP), hBitmap);
        CKMonoBitmapDC mono(&dc, 5, 3);
        BITMAP bm;
        mono.GetBitmap()->GetBitmap(&bm);
        EXPECT_EQ(bm.bmBitsPixel, 1);
    }
    EXPECT_EQ(::GetObjectType(hBitmap), 0u) << "deleted with its DC";
}

TEST(Provider, BitmapDCKeepsTheStockBitmapToItself) {
    CKBitmapDC* pBitmapDC = new CKBitmapDC(NULL, 4, 4);
    // A host's memory DC: selecting its first bitmap gives back the stock bitmap.
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(8, 8, 1, 1, NULL));
    CBitmap* pOld = dc.SelectObject(&bitmap);
    ASSERT_NE(pOld, nullptr);
    const char* pAt = reinterpret_cast<const char*>(pOld);
    const char* pDC = reinterpret_cast<const char*>(pBitmapDC);
    ASSERT_FALSE(pAt >= pDC && pAt < pDC + sizeof(CKBitmapDC)) << "not a member of another bitmap DC";
    const HGDIOBJ hStock = pOld->m_hObject;
    delete pBitmapDC;
    EXPECT_EQ(pOld->m_hObject, hStock) << "and still valid when that DC is gone";
    dc.SelectObject(pOld);
}

}  // namespace
