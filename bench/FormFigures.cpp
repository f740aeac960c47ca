// Form controls: the time a keystroke takes in the skinned edit control against the platform's
// edit control (same text, size and font, both focused; the keystroke's change and its repaint),
// and the CPU time the thread takes while a combo box's list is open and nothing happens,
// against a loop that polls the queue without waiting.
#include <kelm/kelm.h>

#include <KelmTest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Bench.h"
#include "Figures.h"

namespace {

const double kKeyTargetRatio = 1.5, kIdleTargetPercent = 1;
const char kText[] = "Zażółć gęślą jaźń, pole edycji";

double ThreadCpuMs() {
    FILETIME created, exited, kernel, user;
    if (!::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user)) return 0;
    double ms = 0;
    for (const FILETIME* f : {&kernel, &user}) ms += double((ULONGLONG(f->dwHighDateTime) << 32) | f->dwLowDateTime) / 1e4;
    return ms;
}

// A keystroke: a character typed at the end, then taken back with Backspace (two samples).
std::vector<double> Keystrokes(HWND hEdit, bool bSkinned, int n) {
    ::SetFocus(hEdit);
    ::SendMessageA(hEdit, WM_KEYDOWN, VK_END, 1);
    ::UpdateWindow(hEdit);
    fig::PumpPending();
    std::vector<double> t;
    for (int i = 0; i < n; ++i) {
        double t0 = fig::NowMs();
        ::SendMessageA(hEdit, WM_CHAR, 'x', 1);
        ::UpdateWindow(hEdit);
        t.push_back((fig::NowMs() - t0) * 1000);
        t0 = fig::NowMs();
        if (bSkinned) ::SendMessageA(hEdit, WM_KEYDOWN, VK_BACK, 1);
        else ::SendMessageA(hEdit, WM_CHAR, VK_BACK, 1);
        ::UpdateWindow(hEdit);
        t.push_back((fig::NowMs() - t0) * 1000);
        if (i % 50 == 0) fig::PumpPending();
    }
    return t;
}

// CPU of this thread while a combo box's list is open for seconds with nothing to do, in % of
// one core; the list closes from a thread timer.
struct IdleRun {
    CKComboBox* pCombo;
    double cpu0, wall0, cpu, wall;
    UINT seconds;
};
IdleRun* g_pRun = nullptr;

void CALLBACK EndIdle(HWND, UINT, UINT_PTR nId, DWORD) {
    ::KillTimer(NULL, nId);
    g_pRun->cpu = ThreadCpuMs() - g_pRun->cpu0;
    g_pRun->wall = fig::NowMs() - g_pRun->wall0;
    ::PostMessageA(g_pRun->pCombo->GetList()->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 1);
}

void CALLBACK StartIdle(HWND, UINT, UINT_PTR nId, DWORD) {
    ::KillTimer(NULL, nId);
    g_pRun->cpu0 = ThreadCpuMs();
    g_pRun->wall0 = fig::NowMs();
    ::SetTimer(NULL, 0, g_pRun->seconds * 1000, &EndIdle);
}

double OpenComboIdlePercent(CWnd* pHost, UINT seconds) {
    CKListBox* pList = new CKListBox;
    pList->Create(WS_CHILD | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 160, 120), pHost,
                  2);
    CKComboBox combo;
    combo.m_bOpenUp = false;
    combo.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 170, 34), pHost, 1);
    combo.SetList(pList, true);
    for (int i = 0; i < 20; ++i) combo.AddString(fig::Format("Wiersz %d", i + 1).c_str());
    kt::MoveCursor(1250, 1000);
    fig::PumpFor(100);
    IdleRun run = {&combo, 0, 0, 0, 0, seconds};
    g_pRun = &run;
    ::SetTimer(NULL, 0, 500, &StartIdle);  // the list settled: its scroll bar shown
    combo.ShowDropDown(TRUE);
    g_pRun = nullptr;
    fig::PumpPending();
    return run.wall > 0 ? run.cpu / run.wall * 100 : -1;
}

// The same time in a loop that looks at the queue without waiting.
double PollingPercent(UINT seconds) {
    const double cpu0 = ThreadCpuMs(), wall0 = fig::NowMs();
    MSG msg;
    while (fig::NowMs() - wall0 < seconds * 1000.0) ::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE);
    return (ThreadCpuMs() - cpu0) / (fig::NowMs() - wall0) * 100;
}

std::string RunSection(const BenchArgs& args) {
    const int n = (int)std::max(10L, args.Number("--keys", 300));
    const UINT seconds = (UINT)std::max(1L, args.Number("--idle-seconds", 5));
    fig::Note("forms: %d keystrokes per edit, %u s idle twice", n, seconds);
    CWnd host;
    host.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)::GetStockObject(WHITE_BRUSH)),
                  "forms", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 720, 40, 300, 200, NULL, NULL);
    CFont font;
    font.CreateFont(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, DEFAULT_QUALITY, 0, "Tahoma");
    const CRect rc(10, 10, 210, 34);

    CKEdit skinned;
    skinned.Create(WS_CHILD | WS_VISIBLE, rc, &host, 1);
    skinned.SetFont(&font);
    skinned.SetWindowText(kText);
    Keystrokes(skinned.m_hWnd, true, 20);  // warm-up
    const fig::Summary s = fig::Summarise(Keystrokes(skinned.m_hWnd, true, n));
    skinned.DestroyWindow();

    HWND hPlatform = ::CreateWindowExA(0, "EDIT", kText, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, rc.left, rc.top,
                                       rc.Width(), rc.Height(), host.m_hWnd, (HMENU)2, ::GetModuleHandleA(NULL), NULL);
    ::SendMessageA(hPlatform, WM_SETFONT, (WPARAM)font.m_hObject, FALSE);
    Keystrokes(hPlatform, false, 20);
    const fig::Summary p = fig::Summarise(Keystrokes(hPlatform, false, n));
    ::DestroyWindow(hPlatform);
    fig::PumpPending();

    const double idle = OpenComboIdlePercent(&host, seconds);
    const double polling = PollingPercent(seconds);
    host.DestroyWindow();
    fig::PumpPending();

    const double ratio = p.median > 0 ? s.median / p.median : 0;
    std::string out = fig::Format("Form controls: a keystroke in an edit control (%d characters typed and taken back)\n", n);
    out += fig::Format("%-34s %9s %9s %9s   %s\n", "", "median us", "mean us", "max us", "");
    out += fig::Format("%-34s %9.1f %9.1f %9.1f\n", "skinned edit (CKEdit)", s.median, s.mean, s.max);
    out += fig::Format("%-34s %9.1f %9.1f %9.1f\n", "platform edit", p.median, p.mean, p.max);
    out += fig::Format("%-34s %9.2f   target at most %.1f  %s\n", "ratio of the medians", ratio, kKeyTargetRatio,
                       ratio > 0 && ratio <= kKeyTargetRatio ? "met" : "MISSED");
    out += fig::Format("CPU of the thread over %u s with nothing to do\n", seconds);
    out += fig::Format("%-34s %8.2f %%   under %.0f%% of one core  %s\n", "combo box list open", idle,
                       kIdleTargetPercent, idle >= 0 && idle < kIdleTargetPercent ? "met" : "MISSED");
    out += fig::Format("%-34s %8.2f %%   (a modal loop that polls)\n", "loop polling with PeekMessage", polling);
    out += "  GetThreadTimes of the main thread (10 ms ticks under Wine); the wineserver's own time is not counted\n";
    return out;
}

FigureSectionRegistrar g_forms({"forms", 15, &RunSection});

}  // namespace
