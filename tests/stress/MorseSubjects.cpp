// The Morse widget and its character board in the soak and the message storm: keying, playing,
// speed, mode and board commands at random, then the widget must still answer and paint as a
// new one does once it is quiet.
#include "StressSubjects.h"

#include <KelmTest.h>
#include <gtest/gtest.h>
#include <tapkey/tapkey.h>

namespace kst {
namespace {

int Rand(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

// A window of the widget (the widget's own or its board's) for the tests, owning the widget.
class MorseWindow : public CWnd {
public:
    MorseWindow(T_morse* pMorse, HWND hWnd) : m_pMorse(pMorse) { m_hWnd = hWnd; }
    ~MorseWindow() override {
        m_hWnd = NULL;  // not attached: the widget destroys its windows
        delete m_pMorse;
    }

private:
    T_morse* m_pMorse;
};

T_morse* NewMorse(CWnd* pParent, int x, int y, int w, int h) {
    char path[] = "";  // no sound files: silent players
    return new T_morse(::GetModuleHandleA(NULL), pParent->m_hWnd, path, x, y, w, h, 0, 0, 0, 0);
}

HWND BoardOf(HWND hWidget) { return ::FindWindowExA(hWidget, NULL, "ABC", NULL); }

void SendMorse(CWnd* p, UINT msg, std::mt19937& rng) {
    switch (msg) {
    case WM_COMMAND: {
        const WPARAM ids[] = {100, 200, 1, 3, WPARAM(Rand(rng, 0, 0xFFFF))};
        p->SendMessage(msg, MAKEWPARAM(ids[Rand(rng, 0, 4)], Rand(rng, 0, 3) == 0 ? Rand(rng, 0, 0xFFFF) : 0),
                       Rand(rng, 0, 255));
        break;
    }
    case WM_HSCROLL:
        p->SendMessage(msg, MAKEWPARAM(Rand(rng, 0, 8), Rand(rng, -50, 450)),
                       Rand(rng, 0, 1) ? (LPARAM)::GetDlgItem(p->m_hWnd, 3) : 0);
        break;
    case WM_TIMER: p->SendMessage(msg, Rand(rng, 101, 102)); break;
    case WM_CHAR: p->SendMessage(msg, Rand(rng, 0, 255), 1); break;
    default: p->SendMessage(msg); break;
    }
}

int CountPixels(HWND hWnd, bool (*pick)(COLORREF)) {
    const kt::Pixels px = kt::ReadClient(hWnd);
    int n = 0;
    for (int y = 0; y < px.height(); ++y)
        for (int x = 0; x < px.width(); ++x) n += pick(px.At(x, y));
    return n;
}
bool Yellow(COLORREF c) { return GetRValue(c) >= 200 && GetGValue(c) >= 200 && GetBValue(c) < 64; }
bool Red(COLORREF c) { return GetRValue(c) >= 200 && GetGValue(c) < 64 && GetBValue(c) < 64; }
bool LampDark(HWND hWidget) {
    const kt::Pixels px = kt::ReadClient(hWidget);
    const COLORREF c = px.At(5 + 46, 5 + 46);
    return GetBValue(c) > GetRValue(c) + 60;
}
// No flashed or highlighted cell.
bool BoardQuiet(HWND hBoard) { return CountPixels(hBoard, &Yellow) == 0 && CountPixels(hBoard, &Red) == 0; }

// The board still flashes what it is told; then the widget is waited for until it shows nothing
// in play (keyed characters may still be queued: the lamp, when hWidget shows it, is caught dark
// between elements).
void CheckBoard(HWND hWidget, HWND hBoard) {
    ::SendMessageA(hBoard, WM_COMMAND, 200, 'K');
    EXPECT_GT(CountPixels(hBoard, &Yellow), 100) << "no flash of K";
    EXPECT_TRUE(kt::PumpUntil([&] { return BoardQuiet(hBoard) && (hWidget == NULL || LampDark(hWidget)); }, 10000))
        << "never quiet";
}

void CheckMorse(CWnd* p) {
    const HWND bar = ::GetDlgItem(p->m_hWnd, 3);
    p->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), (LPARAM)bar);
    EXPECT_EQ(0, ::SendMessageA(bar, SBM_GETPOS, 0, 0)) << "the speed bar does not follow";
    CheckBoard(p->m_hWnd, BoardOf(p->m_hWnd));
}

void CheckMorseBoard(CWnd* p) {
    p->SendMessage(WM_CHAR, 'e', 1);
    EXPECT_GT(CountPixels(p->m_hWnd, &Yellow), 100) << "typed E not flashed";
    CheckBoard(NULL, p->m_hWnd);  // the lamp is outside the host
}

// The widget at the host's size (smaller than its pictures: it paints what fits); the board of
// a widget placed so that the board shows in the host.
SubjectRegistrar g_widget({"morse widget", CRect(0, 0, 320, 240),
                           [](CWnd* pParent, CRect rc) -> CWnd* {
                               T_morse* m = NewMorse(pParent, rc.left, rc.top, rc.Width(), rc.Height());
                               return new MorseWindow(m, *m);
                           },
                           {WM_COMMAND, WM_HSCROLL, WM_TIMER, WM_CHAR}, &SendMorse, &CheckMorse});
SubjectRegistrar g_board({"morse board", CRect(0, 10, 320, 200),
                          [](CWnd* pParent, CRect rc) -> CWnd* {
                              T_morse* m = NewMorse(pParent, rc.left - 5, rc.top - 160, 330, 430);
                              return new MorseWindow(m, BoardOf(*m));
                          },
                          {WM_COMMAND, WM_TIMER, WM_CHAR}, &SendMorse, &CheckMorseBoard});

}  // namespace
}  // namespace kst
