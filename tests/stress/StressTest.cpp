// Soak and message storm for every control: far more repaints than leaks could survive, and a
// seeded run of random messages and input, after which each control must still paint and answer
// its messages consistently.
#include <kelm/kelm.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "GdiBudget.h"
#include "KelmTest.h"
#include "SpyParent.h"
#include "StressSubjects.h"

namespace {

using kst::StressSubject;

// Puts a control into a quiet state: no press, no hover, no focus.
void Settle(CWnd* p) {
    p->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(-100, -100));
    p->SendMessage(WM_CANCELMODE);
    ::ReleaseCapture();
    p->SendMessage(WM_MOUSELEAVE);
    p->SendMessage(WM_KILLFOCUS);  // the storm may have told it that it has the focus
    p->EnableWindow(TRUE);
    p->GetParent()->SetFocus();
    kt::PumpFor(30);
}

kt::Pixels Repaint(CWnd* p) {
    p->Invalidate(TRUE);
    p->UpdateWindow();
    return kt::ReadWindow(p->m_hWnd);
}

class Stress : public ::testing::TestWithParam<size_t> {
protected:
    void SetUp() override {
        // No system menu: a random right click must not open a modal menu loop.
        ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, NULL, (HBRUSH)::GetStockObject(WHITE_BRUSH)),
                                  "stress", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 60, 60, 320, 240, NULL, NULL));
        kt::MoveCursor(1250, 1000);
    }
    void TearDown() override {
        host.DestroyWindow();
        kt::PumpPending();
    }
    const StressSubject& Subject() const { return kst::Subjects()[GetParam()]; }
    kt::SpyParent host;
};

TEST_P(Stress, SoakPaintsFarMoreThanALeakCouldSurvive) {
    const StressSubject& s = Subject();
    if (s.rect.IsRectEmpty()) GTEST_SKIP() << "popup without a place of its own";
    std::unique_ptr<CWnd> control(s.create(&host, s.rect));
    ASSERT_TRUE(control && ::IsWindow(control->m_hWnd));
    kt::PumpFor(30);
    const kt::Pixels first = Repaint(control.get());
    const int nFreeBefore = kt::FreeGdiHandles();
    {
        // Leave 1000 handles: a paint that leaks one handle fails long before the end.
        kt::GdiSqueeze squeeze(1000);
        for (int i = 0; i < 1500; ++i) {
            control->Invalidate(TRUE);
            control->UpdateWindow();
        }
        EXPECT_TRUE(Repaint(control.get()) == first) << s.name << " paints the same after the soak";
    }
    EXPECT_GT(kt::FreeGdiHandles(), nFreeBefore - 50) << s.name;
}

TEST_P(Stress, MessageStormLeavesAWorkingControl) {
    const StressSubject& s = Subject();
    std::unique_ptr<CWnd> control(s.create(&host, s.rect));
    ASSERT_TRUE(control && ::IsWindow(control->m_hWnd));
    CWnd* p = control.get();
    std::mt19937 rng(1234u + (unsigned)GetParam());
    auto rnd = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const UINT common[] = {WM_MOUSEMOVE,  WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,
                           WM_RBUTTONUP,  WM_KEYDOWN,     WM_KEYUP,     WM_CHAR,          WM_MOUSELEAVE,
                           WM_MOUSEHOVER, WM_TIMER,       WM_ENABLE,    WM_SETFOCUS,      WM_KILLFOCUS,
                           WM_CAPTURECHANGED, WM_CANCELMODE, WM_SIZE,   WM_SETTEXT,       WM_GETTEXT,
                           WM_GETTEXTLENGTH, WM_PAINT,    WM_ERASEBKGND, WM_NCPAINT,      WM_GETDLGCODE};
    const int nCommon = sizeof common / sizeof common[0];
    const int nOwn = (int)s.messages.size();
    CRect rc;
    p->GetClientRect(&rc);
    for (int i = 0; i < 1500 && ::IsWindow(p->m_hWnd); ++i) {
        const int k = rnd(0, nCommon + nOwn * 2 - 1);
        if (k >= nCommon) {
            s.send(p, s.messages[(k - nCommon) % nOwn], rng);
        } else {
            const UINT msg = common[k];
            const LPARAM pt = MAKELPARAM(rnd(-20, rc.right + 20), rnd(-20, rc.bottom + 20));
            switch (msg) {
            case WM_SETTEXT: {
                std::string text(rnd(0, 300), 'x');
                for (char& c : text) c = (char)rnd(32, 255);
                p->SendMessage(msg, 0, rnd(0, 4) == 0 ? 0 : (LPARAM)text.c_str());
                break;
            }
            case WM_GETTEXT: {
                char buf[80];
                std::memset(buf, 0x5A, sizeof buf);
                const int n = rnd(0, 64);
                p->SendMessage(msg, n, (LPARAM)buf);
                for (int j = n; j < (int)sizeof buf; ++j) ASSERT_EQ(buf[j], 0x5A) << s.name << ": written past " << n;
                break;
            }
            case WM_ERASEBKGND: {
                CClientDC dc(p);
                p->SendMessage(msg, (WPARAM)dc.m_hDC);
                break;
            }
            case WM_TIMER: p->SendMessage(msg, rnd(0, 4) == 0 ? rnd(0, 1000) : rnd(0, 5)); break;
            case WM_ENABLE: p->EnableWindow(rnd(0, 3) != 0); break;
            case WM_SIZE: p->SendMessage(msg, SIZE_RESTORED, MAKELPARAM(rc.Width(), rc.Height())); break;
            case WM_KEYDOWN:
            case WM_KEYUP:
            case WM_CHAR: p->SendMessage(msg, rnd(0, 255), rnd(0, 1) ? 1 : 0xC0000001); break;
            case WM_CAPTURECHANGED: p->SendMessage(msg, 0, rnd(0, 1) ? (LPARAM)host.m_hWnd : 0); break;
            case WM_MOUSEMOVE:
            case WM_LBUTTONDOWN:
            case WM_LBUTTONUP:
            case WM_LBUTTONDBLCLK:
            case WM_RBUTTONDOWN:
            case WM_RBUTTONUP:
            case WM_MOUSEHOVER: p->SendMessage(msg, rnd(0, 1) ? MK_LBUTTON : 0, pt); break;
            default: p->SendMessage(msg); break;
            }
        }
        if (i % 100 == 0) {
            // Real input over the control too, and the timers the control runs get their turn.
            if (!s.rect.IsRectEmpty()) kt::MoveCursorToClient(p->m_hWnd, rnd(0, rc.right), rnd(0, rc.bottom));
            kt::PumpFor(rnd(0, 20));
        }
    }
    ASSERT_TRUE(::IsWindow(p->m_hWnd)) << s.name;
    kt::MoveCursor(1250, 1000);
    Settle(p);
    s.check(p);
    if (!s.rect.IsRectEmpty()) {
        // It paints as a new control in the same state does.
        const kt::Pixels after = Repaint(p);
        control.reset();
        std::unique_ptr<CWnd> fresh(s.create(&host, s.rect));
        Settle(fresh.get());
        s.check(fresh.get());
        const kt::Pixels again = Repaint(fresh.get());
        EXPECT_TRUE(again == after) << s.name;
        if (!(again == after)) {
            after.SavePPM((std::string("stress_after_") + std::to_string(GetParam()) + ".ppm").c_str());
            again.SavePPM((std::string("stress_fresh_") + std::to_string(GetParam()) + ".ppm").c_str());
        }
    }
}

std::string Name(const ::testing::TestParamInfo<size_t>& info) {
    std::string n = kst::Subjects()[info.param].name;
    for (char& c : n)
        if (c == ' ') c = '_';
    return n;
}

INSTANTIATE_TEST_SUITE_P(Controls, Stress, ::testing::Range<size_t>(0, kst::Subjects().size()), Name);

}  // namespace
