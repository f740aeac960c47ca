// Two user-interface threads at once, each with its own host, look and controls, painting and
// tracking for a few seconds while the real cursor moves over both hosts: every repaint shows
// the control's own picture, hot while the pointer is said to be over it and normal again once
// the tracking service has reported the leave.
#include <kelm/kelm.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "KelmTest.h"
#include "StressSubjects.h"

namespace {

const DWORD kRunMs = 3000;
const int kHostW = 320, kHostH = 300;

struct ThreadResult {
    int nRounds = 0;
    int nWrongHot = 0;     // a hot repaint that differs from the first hot picture
    int nNoLeave = 0;      // the normal picture did not come back within a second
    std::string error;
};

kt::Pixels Repaint(CWnd* p) {
    p->Invalidate(TRUE);
    p->UpdateWindow();
    return kt::ReadWindow(p->m_hWnd);
}

// One thread's host at screen x, with a textured look of its own and every other stress subject
// (those with a place of their own), stacked down the host's upper part.
void RunUiThreadBody(int nThread, int x, volatile LONG* pStop, ThreadResult* pResult) {
    CWnd host;
    if (!host.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, NULL, (HBRUSH)::GetStockObject(WHITE_BRUSH)), "two threads",
                       WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, x, 40, kHostW, kHostH, NULL, NULL)) {
        pResult->error = "no host";
        return;
    }
    CKBitmapDC ink(NULL, 3, 3), paper(NULL, 3, 3);
    for (int i = 0; i < 9; ++i) {
        ink.SetPixel(i % 3, i / 3, RGB(40 * i, 20 + nThread * 90, 60));
        paper.SetPixel(i % 3, i / 3, RGB(200 + 5 * i, 230 - nThread * 30, 190 + i));
    }
    std::unique_ptr<CKMPBitmapProvider> look(new CKMPBitmapProvider(
        &host, ink, RGB(10, 20, 30), RGB(40, 50, 60), RGB(200, 80, 0), paper, RGB(250, 250, 240), RGB(150, 140, 130),
        RGB(90, 80, 70), false));

    std::vector<std::unique_ptr<CWnd>> controls;
    int y = 5;
    const std::vector<kst::StressSubject>& subjects = kst::Subjects();
    for (size_t i = nThread; i < subjects.size(); i += 2) {
        const kst::StressSubject& s = subjects[i];
        if (s.rect.IsRectEmpty() || y + s.rect.Height() > 200) continue;
        CRect rc(CPoint(5, y), s.rect.Size());
        if (rc.Width() > kHostW - 10) rc.right = rc.left + kHostW - 10;
        controls.emplace_back(s.create(&host, rc));
        controls.back()->MoveWindow(rc);
        y = rc.bottom + 5;
    }
    kt::PumpFor(50);

    // The pictures to expect: normal, and hot after a move over the control.
    std::vector<kt::Pixels> normal, hot;
    for (auto& c : controls) normal.push_back(Repaint(c.get()));
    for (size_t i = 0; i < controls.size(); ++i) {
        CWnd* p = controls[i].get();
        p->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        hot.push_back(Repaint(p));
        if (!kt::PumpUntil([&] { return Repaint(p) == normal[i]; }, 1000)) ++pResult->nNoLeave;
    }

    while (*pStop == 0) {
        for (size_t i = 0; i < controls.size(); ++i) {
            CWnd* p = controls[i].get();
            p->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));  // hot, and a leave request
            if (!(Repaint(p) == hot[i])) ++pResult->nWrongHot;
            if (!kt::PumpUntil([&] { return Repaint(p) == normal[i]; }, 1000)) ++pResult->nNoLeave;
        }
        AfxDeleteTempMaps();  // this thread's idle processing
        if (pResult->nRounds % 5 == nThread) CKPaintBuffer::FreeKeptBuffers();
        ++pResult->nRounds;
    }
    controls.clear();
    look.reset();
    host.DestroyWindow();
    kt::PumpPending();
}

void RunUiThread(int nThread, int x, volatile LONG* pStop, ThreadResult* pResult) {
    try {
        RunUiThreadBody(nThread, x, pStop, pResult);
    } catch (const char* psz) {
        pResult->error = psz;
    }
}

TEST(TwoUiThreads, ControlsPaintAndTrackOnTwoThreadsAtOnce) {
    volatile LONG nStop = 0;
    ThreadResult results[2];
    std::thread threads[2] = {std::thread(RunUiThread, 0, 40, &nStop, &results[0]),
                              std::thread(RunUiThread, 1, 40 + kHostW + 20, &nStop, &results[1])};
    // Real input over the lower, empty part of both hosts: the mouse hook runs on both threads.
    const DWORD start = ::GetTickCount();
    for (int i = 0; ::GetTickCount() - start < kRunMs; ++i) {
        kt::MoveCursor(40 + (i % 2) * (kHostW + 20) + 40 + (i * 37) % 240, 40 + 230 + (i * 13) % 60);
        kt::PumpFor(15);
    }
    ::InterlockedExchange(&nStop, 1);
    for (std::thread& t : threads) t.join();
    kt::MoveCursor(1250, 1000);
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(results[k].error, "") << "thread " << k;
        EXPECT_GT(results[k].nRounds, 2) << "thread " << k;
        EXPECT_EQ(results[k].nWrongHot, 0) << "thread " << k << ": a repaint showed another picture";
        EXPECT_EQ(results[k].nNoLeave, 0) << "thread " << k << ": a leave did not come";
    }
}

}  // namespace
