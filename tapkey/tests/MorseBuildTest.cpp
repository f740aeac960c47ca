// Building the widget in hosts that get something wrong: a parent that is no window, window
// classes of the same names, a class of Tapkey's name that is not Tapkey's.
#include "MorseTestUtil.h"

#include <KelmTest.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

const char kNoWindow[] = "Nie można utworzyć okna - błędne okno nadrzędne?";
const char kForeignClass[] = "Klasa okna o tej nazwie należy do innego modułu !";

std::unique_ptr<T_morse> Build(HWND hParent) {
    char path[] = "";
    return std::unique_ptr<T_morse>(
        new T_morse(::GetModuleHandleA(nullptr), hParent, path, mt::kWidgetX, mt::kWidgetY, 330, 425, 0, 0, 0, 0));
}

// The text a failed construction throws, or "" when it succeeds.
std::string Refusal(HWND hParent) {
    try {
        Build(hParent);
    } catch (const char* msg) {
        return msg;
    }
    return "";
}

// Timer messages without a window (thread timers) arriving within ms.
int ThreadTimerTicks(DWORD ms) {
    int n = 0;
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (::GetTickCount() - start < ms) {
        while (::PeekMessageA(&msg, reinterpret_cast<HWND>(-1), WM_TIMER, WM_TIMER, PM_REMOVE)) ++n;
        ::Sleep(10);
    }
    return n;
}

TEST(TapkeyBuild, AParentThatIsNoWindowIsRefusedAndLeavesNoTimers) {
    mt::MessageBoxGuard boxes;
    HWND gone = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ::DestroyWindow(gone);
    EXPECT_EQ(kNoWindow, Refusal(nullptr));
    EXPECT_EQ(kNoWindow, Refusal(gone));
    EXPECT_EQ(0, ThreadTimerTicks(300));
    EXPECT_EQ(nullptr, ::FindWindowA("MORSE", nullptr));
    EXPECT_EQ(0, boxes.Count());
}

LONG g_hostMessages = 0;
LRESULT CALLBACK HostClassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    ++g_hostMessages;
    return ::DefWindowProcA(hWnd, msg, wParam, lParam);
}

bool RegisterFor(HINSTANCE hInstance, const char* name) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &HostClassProc;
    wc.cbWndExtra = sizeof(void*);
    wc.hInstance = hInstance;
    wc.lpszClassName = name;
    return ::RegisterClassA(&wc) != 0;
}

// A host's own classes named "MORSE" and "ABC" stay the host's: the widget's windows are of
// Tapkey's classes. A class of that name registered for Tapkey's module with another procedure
// is refused rather than used.
TEST(TapkeyBuild, SameNamedClassesOfTheHostAreLeftAloneAndAForeignOneIsRefused) {
    const HINSTANCE hHost = ::GetModuleHandleA(nullptr), hTapkey = ::GetModuleHandleA("Tapkey.dll");
    ASSERT_NE(nullptr, hTapkey);
    ASSERT_TRUE(RegisterFor(hHost, "MORSE"));
    ASSERT_TRUE(RegisterFor(hHost, "ABC"));
    kt::HostWindow host(mt::kHostW, mt::kHostH);
    {
        std::unique_ptr<T_morse> morse = Build(host);
        const HWND hBoard = ::FindWindowExA(*morse, nullptr, "ABC", nullptr);
        ASSERT_NE(nullptr, hBoard);
        EXPECT_EQ(0, g_hostMessages) << "the host's procedure got the widget's messages";
        EXPECT_EQ((ULONG_PTR)hTapkey, ::GetClassLongPtrA(*morse, GCLP_HMODULE));
        EXPECT_EQ((ULONG_PTR)hTapkey, ::GetClassLongPtrA(hBoard, GCLP_HMODULE));
        kt::SendMouse(*morse, WM_LBUTTONDOWN, 100, 45);
        ASSERT_TRUE(kt::PumpUntil([&] { return mt::CellFlashed(hBoard, 'E'); }, 2500));
    }
    // Gone with the last widget: the classes can be replaced.
    for (const char* name : {"MORSE", "ABC"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(::UnregisterClassA(name, hTapkey));
        ASSERT_TRUE(RegisterFor(hTapkey, name));
        EXPECT_EQ(kForeignClass, Refusal(host));
        EXPECT_EQ(nullptr, ::FindWindowExA(host, nullptr, nullptr, nullptr)) << "a window was left behind";
        ASSERT_TRUE(::UnregisterClassA(name, hTapkey));
    }
    EXPECT_EQ(0, g_hostMessages);
    EXPECT_TRUE(::IsWindowVisible(*Build(host)));
}

}  // namespace
