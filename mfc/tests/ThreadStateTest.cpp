// What the framework keeps per thread: temporary handle objects and the current resource module.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <thread>

namespace {

// A second thread that runs a body and hands over to the test's thread in the middle of it.
class CSecondThread {
public:
    CSecondThread()
        : m_hToMain(::CreateEventA(NULL, FALSE, FALSE, NULL)), m_hToIt(::CreateEventA(NULL, FALSE, FALSE, NULL)) {}
    ~CSecondThread() {
        if (m_thread.joinable()) m_thread.join();
        ::CloseHandle(m_hToMain);
        ::CloseHandle(m_hToIt);
    }
    template <class F>
    void Start(F body) { m_thread = std::thread(body); }
    void HandOver() { ::SignalObjectAndWait(m_hToMain, m_hToIt, 10000, FALSE); }  // on the second thread
    bool WaitForIt() { return ::WaitForSingleObject(m_hToMain, 10000) == WAIT_OBJECT_0; }
    void Finish() {
        ::SetEvent(m_hToIt);
        m_thread.join();
    }

private:
    HANDLE m_hToMain, m_hToIt;
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
    other.Finish();
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
    other.Finish();
    EXPECT_EQ(hSeen, hAfx);
    EXPECT_EQ(hFound, hAfx);
}

}  // namespace
