// What the framework keeps per thread: temporary handle objects and the current resource module.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <thread>

namespace {

// Runs body on a thread of its own; step(n) hands over to the test's own thread between steps.
class CSecondThread {
public:
    CSecondThread()
        : m_hToMain(::CreateEventA(NULL, FALSE, FALSE, NULL)), m_hToThread(::CreateEventA(NULL, FALSE, FALSE, NULL)) {}
    ~CSecondThread() {
        if (m_thread.joinable()) m_thread.join();
        ::CloseHandle(m_hToMain);
        ::CloseHandle(m_hToThread);
    }
    template <class F>
    void Start(F body) {
        m_thread = std::thread(body);
    }
    // Called by the second thread: lets the test thread go on and waits for its turn again.
    void HandOver() {
        ::SetEvent(m_hToMain);
        ::WaitForSingleObject(m_hToThread, 10000);
    }
    // Called by the test thread: waits for the second thread to hand over, or resumes it.
    bool WaitForIt() { return ::WaitForSingleObject(m_hToMain, 10000) == WAIT_OBJECT_0; }
    void Resume() { ::SetEvent(m_hToThread); }
    void Join() { m_thread.join(); }

private:
    HANDLE m_hToMain, m_hToThread;
    std::thread m_thread;
};

TEST(AfxThreadState, TemporaryObjectsBelongToTheThreadThatMadeThem) {
    HDC hScreen = ::GetDC(NULL);
    HGDIOBJ hBrush = ::GetStockObject(GRAY_BRUSH);
    CDC* pTheirs = nullptr;
    CGdiObject* pTheirBrush = nullptr;
    bool bKept = false, bIntact = false;
    CSecondThread other;
    other.Start([&] {
        pTheirs = CDC::FromHandle(hScreen);
        pTheirBrush = CGdiObject::FromHandle(hBrush);
        other.HandOver();  // the test thread runs its idle processing now
        bKept = CDC::FromHandle(hScreen) == pTheirs && CGdiObject::FromHandle(hBrush) == pTheirBrush;
        bIntact = pTheirs->m_hDC == hScreen && pTheirBrush->m_hObject == hBrush;
        AfxDeleteTempMaps();
    });
    ASSERT_TRUE(other.WaitForIt());
    CDC* pMine = CDC::FromHandle(hScreen);
    EXPECT_NE(pMine, pTheirs) << "each thread wraps the handle in an object of its own";
    AfxDeleteTempMaps();
    other.Resume();
    other.Join();
    EXPECT_TRUE(bKept) << "another thread's idle processing leaves this thread's objects";
    EXPECT_TRUE(bIntact);
    ::ReleaseDC(NULL, hScreen);
}

TEST(AfxThreadState, EachThreadSwitchesItsOwnResourceModule) {
    AFX_MODULE_STATE* pMine = AfxGetModuleState();
    const HINSTANCE hApp = pMine->m_hCurrentResourceHandle;
    const HINSTANCE hAfx = ::GetModuleHandleA("AfxLite.dll");
    ASSERT_NE(hAfx, nullptr);
    ASSERT_NE(hAfx, hApp);
    HINSTANCE hStarted = NULL, hSeen = NULL, hFound = NULL;
    CSecondThread other;
    other.Start([&] {
        AFX_MODULE_STATE* pState = AfxGetModuleState();
        hStarted = pState->m_hCurrentResourceHandle;
        pState->m_hCurrentResourceHandle = hAfx;  // as a resource-module scope does
        other.HandOver();
        hSeen = AfxGetResourceHandle();
        hFound = AfxFindResourceHandle(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));  // AfxLite's version
        pState->m_hCurrentResourceHandle = hStarted;
    });
    ASSERT_TRUE(other.WaitForIt());
    EXPECT_EQ(hStarted, hApp) << "a thread starts with the application's module";
    EXPECT_EQ(AfxGetResourceHandle(), hApp) << "the other thread's switch is not this thread's";
    EXPECT_EQ(AfxGetModuleState()->m_hCurrentResourceHandle, hApp);
    other.Resume();
    other.Join();
    EXPECT_EQ(hSeen, hAfx);
    EXPECT_EQ(hFound, hAfx);
}

}  // namespace
