// The Morse widget in a host window with its real timers: keying, playback, recognition, speed,
// the board and construction. Sounds are observed through recording players, the lamp and the
// board through their pixels. Waits are conditions with time-outs.
#include "MorseTestUtil.h"

#include <KelmTest.h>
#include <kelm/paint/CKMPBitmapProvider.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

const int kKeyX = 100, kKeyY = 45;  // a point on the key picture
const char kLongPathError[] = "Zbyt długa ścieżka do plików dźwiękowych !";

std::string SoundPath() {
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    return dir.substr(0, dir.find_last_of("\\/") + 1) + "tapkey_wav\\";
}

class TapkeyWidget : public ::testing::Test {
protected:
    void SetUp() override {
        host.reset(new kt::HostWindow(mt::kHostW, mt::kHostH));
        widget = Make(*host);
        widget->SetPlayers(new mt::RecordingPlayer('.', &log), new mt::RecordingPlayer('-', &log));
        kt::PumpFor(100);
    }
    void TearDown() override {
        widget.reset();
        host.reset();
        EXPECT_EQ(0, guard.Count()) << "a stopwatch was read while it did not run";
    }

    static std::unique_ptr<TestMorse> Make(HWND hParent) {
        std::string path = SoundPath();
        return std::unique_ptr<TestMorse>(new TestMorse(::GetModuleHandleA(nullptr), hParent, &path[0], mt::kWidgetX,
                                                    mt::kWidgetY, 330, 425, 0, 0, 0, 0));
    }

    HWND W() const { return *widget; }
    HWND Board() const { return widget->Board(); }
    void Key(UINT msg, int x = kKeyX, int y = kKeyY) { kt::SendMouse(W(), msg, x, y); }
    void SetDot(int d) { ::SendMessageA(W(), WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, d - 120), 0); }
    std::string Started() const { return mt::Started(log); }
    // Real input: the cursor to a client point of a window.
    static void MoveTo(HWND hWnd, int x, int y) {
        const POINT pt = mt::ScreenPoint(hWnd, x, y);
        kt::MoveCursor(pt.x, pt.y);
    }

    mt::MessageBoxGuard guard;
    std::vector<mt::Call> log;
    std::unique_ptr<kt::HostWindow> host;
    std::unique_ptr<TestMorse> widget;
};

TEST_F(TapkeyWidget, OpensWithDarkLampBoardSpeedBarAndModeBox) {
    EXPECT_TRUE(::IsWindowVisible(W()));
    char name[16] = {};
    ::GetClassNameA(W(), name, sizeof name);
    EXPECT_STREQ("MORSE", name);
    EXPECT_EQ(host->hwnd(), ::GetParent(W()));
    EXPECT_TRUE(mt::LampDark(W()));

    ::GetClassNameA(Board(), name, sizeof name);
    EXPECT_STREQ("ABC", name);
    EXPECT_TRUE(::IsWindowVisible(Board()));
    RECT rc;
    ::GetWindowRect(Board(), &rc);
    ::MapWindowPoints(nullptr, W(), reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(5, rc.left);
    EXPECT_EQ(160, rc.top);
    EXPECT_EQ(321, rc.right - rc.left);
    EXPECT_EQ(190, rc.bottom - rc.top);
    EXPECT_TRUE(mt::CellNormal(Board(), 'A'));
    EXPECT_TRUE(mt::CellNormal(Board(), '='));
    EXPECT_EQ(0, mt::YellowPixels(Board()));

    const HWND bar = ::GetDlgItem(W(), 3);
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(80, ::SendMessageA(bar, SBM_GETPOS, 0, 0));
    int lo = -1, hi = -1;
    ::SendMessageA(bar, SBM_GETRANGE, (WPARAM)&lo, (LPARAM)&hi);
    EXPECT_EQ(0, lo);
    EXPECT_EQ(380, hi);

    const HWND box = ::GetDlgItem(W(), 1);
    ASSERT_NE(nullptr, box);
    EXPECT_TRUE(::IsWindowVisible(box));
    EXPECT_EQ(BST_UNCHECKED, ::SendMessageA(box, BM_GETCHECK, 0, 0));
    ::GetWindowRect(box, &rc);
    ::MapWindowPoints(nullptr, W(), reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(283, rc.left);
    EXPECT_EQ(400, rc.top);
    EXPECT_EQ(2, widget->Mode());
    EXPECT_EQ(200, widget->DotTime());
}

// Three quick real clicks in mode 2: three dots at the dot length, then S on the board.
TEST_F(TapkeyWidget, ThreeQuickClicksPlayThreeDotsAndFlashS) {
    mt::Watch w;
    const int lamp = w.Add([&] { return mt::LampLit(W()); });
    const int flash = w.Add([&] { return mt::CellFlashed(Board(), 'S'); });
    MoveTo(W(), kKeyX, kKeyY);
    w.PumpFor(30);
    DWORD lastPress = 0;  // when the last press was injected: the widget sees it later
    for (int i = 0; i < 3; ++i) {
        lastPress = w.Now();
        kt::ButtonDown();
        w.PumpFor(15);
        kt::ButtonUp();
        w.PumpFor(40);
    }
    ASSERT_TRUE(w.PumpUntil([&] { return w.Closed(flash).size() == 1; }, 2500));

    const std::vector<mt::Period> lit = w.Closed(lamp);
    ASSERT_EQ(3u, lit.size());
    for (size_t i = 0; i < lit.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_GE(lit[i].length(), 195u);
        EXPECT_LE(lit[i].length(), 275u);
        if (i > 0) {
            EXPECT_GE(lit[i].on - lit[i - 1].off, 80u);
        }
    }
    EXPECT_LE(lit[0].on, 120u) << "the first dot starts at the first tick after the click";
    EXPECT_EQ("...", Started()) << mt::Describe(log);

    const mt::Period shown = w.Closed(flash)[0];
    EXPECT_GE(shown.on - lastPress, 850u);
    EXPECT_LE(shown.on - lastPress, 1350u);
    EXPECT_GE(shown.length(), 495u);
    EXPECT_LE(shown.length(), 620u);
    EXPECT_EQ(0, widget->Keyed().count);
    EXPECT_EQ(0, widget->Flashed());
}

// Mode 2 with sent clicks: presses on the key's edges count, presses beside it do not; a sign
// that matches nothing is closed without a flash.
TEST_F(TapkeyWidget, RecognisesLAndDropsASignWithoutCharacter) {
    Key(WM_LBUTTONDOWN, 5, 5);
    Key(WM_LBUTTONDOWN, 327, 45);  // beside the key
    Key(WM_RBUTTONDOWN, 326, 85);
    Key(WM_RBUTTONDOWN, 100, 86);  // below it
    Key(WM_LBUTTONDOWN);
    Key(WM_LBUTTONUP);
    Key(WM_LBUTTONDOWN);
    EXPECT_EQ(4, widget->Keyed().count);
    ASSERT_TRUE(kt::PumpUntil([&] { return mt::CellFlashed(Board(), 'L'); }, 1500));
    EXPECT_EQ('L', widget->Flashed());
    ASSERT_TRUE(kt::PumpUntil([&] { return mt::YellowPixels(Board()) == 0; }, 1000));

    for (int i = 0; i < 8; ++i) Key(WM_LBUTTONDOWN);
    EXPECT_EQ(8, widget->Keyed().count);
    const bool flashed = kt::PumpUntil([&] { return mt::YellowPixels(Board()) != 0; }, 1400);
    EXPECT_FALSE(flashed);
    EXPECT_EQ(0, widget->Keyed().count) << "the sign was not closed";
    EXPECT_EQ(0, widget->Flashed());
    // Everything keyed is played: the dots and dashes of L, then eight dots.
    ASSERT_TRUE(kt::PumpUntil([&] { return Started().size() == 12; }, 5000)) << Started();
    EXPECT_EQ(".-.........." , Started());
}

// A word played from the board at the fastest speed: the letters are spaced by at least three
// dots of dark lamp, the elements inside a letter by the short gap.
TEST_F(TapkeyWidget, PlayedLettersAreSpacedApart) {
    SetDot(120);
    mt::Watch w;
    const int lamp = w.Add([&] { return mt::LampLit(W()); });
    for (char c : {'E', 'I', 'T'}) ::SendMessageA(W(), WM_COMMAND, 100, c);
    ASSERT_TRUE(w.PumpUntil([&] { return w.Closed(lamp).size() == 4; }, 4000));
    EXPECT_EQ("...-", Started());
    const std::vector<mt::Period> lit = w.Closed(lamp);
    const DWORD gaps[3] = {lit[1].on - lit[0].off, lit[2].on - lit[1].off, lit[3].on - lit[2].off};
    std::printf("D = 120: dark between E and I %lu ms, inside I %lu ms, between I and T %lu ms\n",
                (unsigned long)gaps[0], (unsigned long)gaps[1], (unsigned long)gaps[2]);
    EXPECT_GE(gaps[0], 360u);
    EXPECT_GE(gaps[1], 80u);
    EXPECT_LE(gaps[1], 200u);
    EXPECT_GE(gaps[2], 360u);
}

// The lamp is lit for one dot or three dots, at the slowest, the initial and the fastest speed.
TEST_F(TapkeyWidget, LampFollowsTheDotLength) {
    for (int d : {120, 200, 500}) {
        SCOPED_TRACE(d);
        SetDot(d);
        ASSERT_EQ(d, widget->DotTime());
        log.clear();
        mt::Watch w;
        const int lamp = w.Add([&] { return mt::LampLit(W()); });
        Key(WM_LBUTTONDOWN);
        Key(WM_RBUTTONDOWN);
        ASSERT_TRUE(w.PumpUntil([&] { return w.Closed(lamp).size() == 2; }, 4 * d + 500));
        w.PumpFor(200);
        const std::vector<mt::Period> lit = w.Closed(lamp);
        ASSERT_EQ(2u, lit.size());
        std::printf("D = %d: dot lit %lu ms, dash lit %lu ms, dark between %lu ms\n", d,
                    (unsigned long)lit[0].length(), (unsigned long)lit[1].length(),
                    (unsigned long)(lit[1].on - lit[0].off));
        EXPECT_GE(lit[0].length(), DWORD(d) - 5);
        EXPECT_LE(lit[0].length(), DWORD(d) + 75);
        EXPECT_GE(lit[1].length(), DWORD(3 * d) - 5);
        EXPECT_LE(lit[1].length(), DWORD(3 * d) + 75);
        EXPECT_GE(lit[1].on - lit[0].off, 80u);
        EXPECT_LE(lit[1].on - lit[0].off, 200u);
        EXPECT_EQ(".-", Started()) << mt::Describe(log);
        ASSERT_TRUE(kt::PumpUntil([&] { return widget->Keyed().count == 0; }, 1500));
    }
}

// Mode 1 with real input: the press length decides; a short press cuts the dash sound.
TEST_F(TapkeyWidget, StraightKeyTakesThePressLength) {
    const HWND box = ::GetDlgItem(W(), 1);
    MoveTo(box, 7, 10);
    kt::PumpFor(30);
    kt::ButtonDown();
    kt::PumpFor(30);
    kt::ButtonUp();
    ASSERT_TRUE(kt::PumpUntil([&] { return widget->Mode() == 1; }, 1000));
    EXPECT_EQ(BST_CHECKED, ::SendMessageA(box, BM_GETCHECK, 0, 0));

    Key(WM_RBUTTONDOWN);  // nothing in this mode
    EXPECT_EQ(0, widget->Keyed().count);
    EXPECT_TRUE(log.empty()) << mt::Describe(log);

    struct { DWORD hold; char sign; const char* calls; } presses[] = {
        {150, 'E', "-S -K0 -P -S "},  // a dot: the dash sound is stopped at the release
        {260, 'T', "-S -K0 -P "},
    };
    MoveTo(W(), kKeyX, kKeyY);
    kt::PumpFor(30);
    for (const auto& p : presses) {
        SCOPED_TRACE(p.sign);
        log.clear();
        kt::ButtonDown();
        ASSERT_TRUE(kt::PumpUntil([&] { return mt::LampLit(W()); }, 200));
        EXPECT_EQ("-", Started());
        kt::PumpFor(p.hold - 20);
        EXPECT_TRUE(mt::LampLit(W()));
        kt::ButtonUp();
        ASSERT_TRUE(kt::PumpUntil([&] { return mt::LampDark(W()); }, 200));
        EXPECT_EQ(p.calls, mt::Describe(log));
        ASSERT_EQ(1, widget->Keyed().count);
        ASSERT_TRUE(kt::PumpUntil([&] { return mt::CellFlashed(Board(), p.sign); }, 1500));
        ASSERT_TRUE(kt::PumpUntil([&] { return mt::YellowPixels(Board()) == 0; }, 1000));
        EXPECT_FALSE(mt::LampLit(W()));  // nothing was queued for playback
    }

    MoveTo(box, 7, 10);
    kt::PumpFor(30);
    kt::ButtonDown();
    kt::PumpFor(30);
    kt::ButtonUp();
    ASSERT_TRUE(kt::PumpUntil([&] { return widget->Mode() == 2; }, 1000));
}

// Mode 1 at the slowest speed: a dash held far longer than the pause that closes a sign stays
// in its sign; the release counts over the board too (the widget holds the capture), and losing
// the capture ends a press at once.
TEST_F(TapkeyWidget, StraightKeyHoldsItsSignAndItsCapture) {
    SetDot(500);
    ::SendMessageA(W(), WM_COMMAND, 1, 0);
    ASSERT_EQ(1, widget->Mode());
    MoveTo(W(), kKeyX, kKeyY);
    kt::PumpFor(30);
    kt::ButtonDown();
    ASSERT_TRUE(kt::PumpUntil([&] { return mt::LampLit(W()); }, 300));
    EXPECT_EQ(W(), ::GetCapture());
    mt::Watch w;
    const int flashed = w.Add([&] { return mt::YellowPixels(Board()) != 0; });
    w.PumpFor(1700);
    EXPECT_TRUE(w.Periods(flashed).empty()) << "the sign was closed while the key was held";
    EXPECT_EQ(0, widget->Keyed().count);

    MoveTo(Board(), 100, 100);
    kt::PumpFor(30);
    EXPECT_TRUE(mt::LampLit(W()));
    kt::ButtonUp();
    ASSERT_TRUE(kt::PumpUntil([&] { return mt::LampDark(W()); }, 300)) << "the release over the board was lost";
    EXPECT_EQ(nullptr, ::GetCapture());
    ASSERT_EQ(1, widget->Keyed().count);

    MoveTo(W(), kKeyX, kKeyY);
    kt::PumpFor(30);
    kt::ButtonDown();
    ASSERT_TRUE(kt::PumpUntil([&] { return mt::LampLit(W()); }, 300));
    kt::PumpFor(100);
    ::SetCapture(*host);  // another window takes the mouse: the press ends here
    const DWORD lost = ::GetTickCount();
    EXPECT_TRUE(mt::LampDark(W()));
    EXPECT_EQ(2, widget->Keyed().count);
    kt::ButtonUp();
    ::ReleaseCapture();
    ASSERT_TRUE(kt::PumpUntil([&] { return mt::CellFlashed(Board(), 'N'); }, 2000));
    EXPECT_GE(::GetTickCount() - lost, 850u);
    EXPECT_EQ(0, widget->Keyed().count);
}

// Real right clicks: on the key a dash and no context menu for the host; beside the key the
// host still gets its context menu.
WNDPROC g_hostProc = nullptr;
int g_contextMenus = 0;
LRESULT CALLBACK CountContextMenus(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CONTEXTMENU) ++g_contextMenus;
    return ::CallWindowProcA(g_hostProc, hWnd, msg, wParam, lParam);
}

TEST_F(TapkeyWidget, RightClickOnTheKeyIsADashWithoutContextMenu) {
    g_hostProc = (WNDPROC)::SetWindowLongPtrA(*host, GWLP_WNDPROC, (LONG_PTR)&CountContextMenus);
    g_contextMenus = 0;
    auto rightClick = [&](int x, int y) {
        MoveTo(W(), x, y);
        kt::PumpFor(30);
        kt::ButtonDown(false);
        kt::PumpFor(30);
        kt::ButtonUp(false);
        kt::PumpFor(100);
    };
    rightClick(kKeyX, kKeyY);
    EXPECT_EQ(0, g_contextMenus);
    EXPECT_EQ(1, widget->Keyed().count);
    rightClick(kKeyX, 120);
    EXPECT_EQ(1, g_contextMenus);
    EXPECT_EQ(1, widget->Keyed().count);
    ASSERT_TRUE(kt::PumpUntil([&] { return mt::CellFlashed(Board(), 'T'); }, 1500));
    ::SetWindowLongPtrA(*host, GWLP_WNDPROC, (LONG_PTR)g_hostProc);
}

// A real key press and release.
void PressKey(WORD vk) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, in, sizeof(INPUT));
}

// Real clicks on the key and the board give the widget the focus, so that typing reaches the
// board; the mode box clicked with the mouse gives it back, reached with the keyboard keeps it.
TEST_F(TapkeyWidget, PressesGiveTheWidgetTheFocusAndTheModeBoxGivesItBack) {
    const HWND box = ::GetDlgItem(W(), 1);
    auto click = [&](HWND h, int x, int y) {
        MoveTo(h, x, y);
        kt::PumpFor(30);
        kt::ButtonDown();
        kt::PumpFor(30);
        kt::ButtonUp();
        kt::PumpFor(50);
    };
    ::SetFocus(*host);
    click(W(), kKeyX, kKeyY);
    EXPECT_EQ(W(), ::GetFocus());
    ::SetFocus(*host);
    click(Board(), 16, 15);
    EXPECT_EQ(W(), ::GetFocus());

    click(box, 7, 10);
    EXPECT_EQ(1, widget->Mode());
    EXPECT_EQ(W(), ::GetFocus());
    ASSERT_TRUE(kt::PumpUntil([&] { return mt::YellowPixels(Board()) == 0; }, 2000));
    PressKey(VK_SPACE);
    PressKey('E');
    ASSERT_TRUE(kt::PumpUntil([&] { return mt::CellFlashed(Board(), 'E'); }, 500)) << "typing did not reach the board";
    EXPECT_EQ(1, widget->Mode()) << "Space toggled the mode box";
    EXPECT_EQ(BST_CHECKED, ::SendMessageA(box, BM_GETCHECK, 0, 0));

    ::SetFocus(box);
    PressKey(VK_SPACE);
    ASSERT_TRUE(kt::PumpUntil([&] { return widget->Mode() == 2; }, 500));
    EXPECT_EQ(box, ::GetFocus());
}

TEST_F(TapkeyWidget, SpeedBarStepsWithinLimits) {
    const HWND bar = ::GetDlgItem(W(), 3);
    auto scroll = [&](int code, int pos = 0) {
        ::SendMessageA(W(), WM_HSCROLL, MAKEWPARAM(code, pos), (LPARAM)bar);
        return widget->DotTime();
    };
    struct { int code, pos, dot; } steps[] = {
        {SB_THUMBTRACK, 10, 130}, {SB_LINEUP, 0, 130},   {SB_LINEDOWN, 0, 150},   {SB_PAGEUP, 0, 150},
        {SB_PAGEDOWN, 0, 190},    {SB_LINEUP, 0, 170},   {SB_THUMBPOSITION, 380, 500}, {SB_LINEDOWN, 0, 500},
        {SB_PAGEDOWN, 0, 500},    {SB_PAGEUP, 0, 460},   {SB_THUMBTRACK, 381, 500}, {SB_THUMBTRACK, -3, 120},
        {SB_PAGEUP, 0, 120},      {SB_PAGEDOWN, 0, 160}, {SB_TOP, 0, 160},        {SB_ENDSCROLL, 0, 160},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << "code " << s.code << " pos " << s.pos);
        ::SendMessageA(bar, SBM_SETPOS, 200, FALSE);  // every notification puts the bar back
        EXPECT_EQ(s.dot, scroll(s.code, s.pos));
        EXPECT_EQ(s.dot - 120, ::SendMessageA(bar, SBM_GETPOS, 0, 0));
    }

    // A real click on the bar's right arrow is one line step slower.
    RECT rc;
    ::GetClientRect(bar, &rc);
    MoveTo(bar, rc.right - 7, rc.bottom / 2);
    kt::PumpFor(30);
    kt::ButtonDown();
    kt::PumpFor(60);
    kt::ButtonUp();
    ASSERT_TRUE(kt::PumpUntil([&] { return widget->DotTime() == 180; }, 1000));
    kt::PumpFor(100);
    EXPECT_EQ(180, widget->DotTime());
    EXPECT_EQ(60, ::SendMessageA(bar, SBM_GETPOS, 0, 0));
}

// Characters from the board and the keyboard: what is played and what is flashed.
TEST_F(TapkeyWidget, PlaysCharactersSentAndTyped) {
    SetDot(120);
    for (int c : {0x7F, 0xF3, 42, 98, 39, 69}) ::SendMessageA(W(), WM_COMMAND, 100, c);
    ASSERT_TRUE(kt::PumpUntil([&] { return !Started().empty(); }, 2000));
    kt::PumpFor(400);
    EXPECT_EQ(".", Started()) << "only E has a sign: " << mt::Describe(log);
    EXPECT_EQ(0, mt::YellowPixels(Board())) << "played characters are not flashed";

    struct { WPARAM typed; char cell; const char* played; } keys[] = {
        {0xF3, 'o', "---."},  // ó
        {0xA3, 'l', ".-..-"}, // Ł
        {'q', 'Q', "--.-"},
        {'z', 'Z', "--.."},
        {0x9F, 'x', "--..-."}, // ź
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(k.cell);
        log.clear();
        ::SendMessageA(W(), WM_CHAR, k.typed, 1);
        EXPECT_TRUE(mt::CellFlashed(Board(), k.cell));
        const DWORD shown = ::GetTickCount();
        ASSERT_TRUE(kt::PumpUntil([&] { return mt::CellNormal(Board(), k.cell); }, 1000));
        const DWORD flash = ::GetTickCount() - shown;
        EXPECT_GE(flash, 495u);
        EXPECT_LE(flash, 620u);
        ASSERT_TRUE(kt::PumpUntil([&] { return Started().size() == std::strlen(k.played); }, 3000)) << Started();
        kt::PumpFor(150);
        EXPECT_EQ(k.played, Started());
    }

    log.clear();
    for (WPARAM c : {33, 32, 42, 0xB5, 0xE4}) ::SendMessageA(W(), WM_CHAR, c, 1);
    EXPECT_EQ(0, mt::YellowPixels(Board()));
    kt::PumpFor(300);
    EXPECT_EQ("", Started()) << "nothing is played: " << mt::Describe(log);
}

// Real clicks on the board: a character flashes while held and is played; the empty row does
// nothing.
TEST_F(TapkeyWidget, ClickOnTheBoardFlashesWhileHeldAndPlays) {
    MoveTo(Board(), 2 * 32 + 16, 15);  // B
    kt::PumpFor(30);
    kt::ButtonDown();
    ASSERT_TRUE(kt::PumpUntil([&] { return mt::CellFlashed(Board(), 'B'); }, 500));
    EXPECT_EQ(Board(), ::GetCapture());
    kt::PumpFor(700);  // longer than a timed flash
    EXPECT_TRUE(mt::CellFlashed(Board(), 'B'));
    kt::ButtonUp();
    ASSERT_TRUE(kt::PumpUntil([&] { return !mt::CellFlashed(Board(), 'B'); }, 500));
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(0, widget->Flashed());
    ASSERT_TRUE(kt::PumpUntil([&] { return Started().size() == 4; }, 4000)) << Started();
    EXPECT_EQ("-...", Started());

    log.clear();
    MoveTo(Board(), 100, 124);  // the empty fifth row
    kt::PumpFor(30);
    kt::ButtonDown();
    kt::PumpFor(100);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(0, mt::YellowPixels(Board()));
    kt::ButtonUp();
    kt::PumpFor(300);
    EXPECT_EQ("", Started()) << "nothing is played: " << mt::Describe(log);
}

// A click while a recognised character is still flashed holds the clicked cell as long as the
// button is down; a capture taken away ends the click, and the next click captures again.
TEST_F(TapkeyWidget, BoardClickOutlastsATimedFlashAndSurvivesALostCapture) {
    ::SendMessageA(Board(), WM_COMMAND, 200, 'K');
    ASSERT_TRUE(mt::CellFlashed(Board(), 'K'));
    MoveTo(Board(), 2 * 32 + 16, 15);  // B
    kt::PumpFor(30);
    kt::ButtonDown();
    ASSERT_TRUE(kt::PumpUntil([&] { return mt::CellFlashed(Board(), 'B'); }, 500));
    EXPECT_TRUE(mt::CellNormal(Board(), 'K'));
    mt::Watch w;
    const int held = w.Add([&] { return mt::CellFlashed(Board(), 'B'); });
    w.PumpFor(700);
    EXPECT_EQ(1u, w.Periods(held).size());
    EXPECT_TRUE(w.Periods(held)[0].open) << "the held cell went out after " << w.Periods(held)[0].off << " ms";

    ::SetCapture(*host);
    EXPECT_FALSE(mt::CellFlashed(Board(), 'B'));
    kt::ButtonUp();
    ::ReleaseCapture();
    kt::PumpFor(50);

    MoveTo(Board(), 3 * 32 + 16, 15);  // C
    kt::PumpFor(30);
    kt::ButtonDown();
    ASSERT_TRUE(kt::PumpUntil([&] { return mt::CellFlashed(Board(), 'C'); }, 500));
    EXPECT_EQ(Board(), ::GetCapture());
    kt::ButtonUp();
    ASSERT_TRUE(kt::PumpUntil([&] { return !mt::CellFlashed(Board(), 'C'); }, 500));
    EXPECT_EQ(nullptr, ::GetCapture());
}

// The hover highlight follows the pointer and ends by itself 500 to 550 ms after it began.
TEST_F(TapkeyWidget, HoverHighlightMovesAndEnds) {
    MoveTo(Board(), 16, 15);  // A
    ASSERT_TRUE(kt::PumpUntil([&] { return mt::CellHighlighted(Board(), 'A'); }, 500));
    MoveTo(Board(), 48, 15);  // a
    ASSERT_TRUE(kt::PumpUntil([&] { return mt::CellHighlighted(Board(), 'a'); }, 500));
    const DWORD start = ::GetTickCount();
    EXPECT_TRUE(mt::CellNormal(Board(), 'A'));
    EXPECT_EQ('a', widget->Highlighted());
    ASSERT_TRUE(kt::PumpUntil([&] { return mt::CellNormal(Board(), 'a'); }, 1000));
    const DWORD lasted = ::GetTickCount() - start;
    EXPECT_GE(lasted, 480u);
    EXPECT_LE(lasted, 600u);
    EXPECT_EQ(0, widget->Highlighted());
    kt::PumpFor(200);
    EXPECT_TRUE(mt::CellNormal(Board(), 'a')) << "the pointer did not move: no new highlight";
}

TEST_F(TapkeyWidget, TwoWidgetsWorkSideBySide) {
    kt::HostWindow host2(mt::kHostW, mt::kHostH, 420, 40);
    std::unique_ptr<TestMorse> second = Make(host2);
    std::vector<mt::Call> log2;
    second->SetPlayers(new mt::RecordingPlayer('.', &log2), new mt::RecordingPlayer('-', &log2));
    ASSERT_TRUE(::IsWindowVisible(*second));
    ASSERT_NE(W(), (HWND)*second);

    kt::SendMouse(*second, WM_RBUTTONDOWN, kKeyX, kKeyY);
    ASSERT_TRUE(kt::PumpUntil([&] { return mt::LampLit(*second); }, 500));
    EXPECT_TRUE(mt::LampDark(W()));
    ASSERT_TRUE(kt::PumpUntil([&] { return mt::CellFlashed(second->Board(), 'T'); }, 1500));
    EXPECT_EQ(0, mt::YellowPixels(Board()));
    EXPECT_EQ("-", mt::Started(log2));
    EXPECT_TRUE(log.empty());
    second.reset();
    EXPECT_EQ(nullptr, ::FindWindowExA(host2, nullptr, "MORSE", nullptr));

    Key(WM_LBUTTONDOWN);  // the first goes on
    ASSERT_TRUE(kt::PumpUntil([&] { return mt::LampLit(W()); }, 500));
}

// A path that does not fit the buffers with a file name is refused before anything is made.
TEST_F(TapkeyWidget, RefusesATooLongSoundPath) {
    std::string path(244, 'p');  // 244 + "M_KROPKA.WAV" leaves no room for the terminator
    try {
        T_morse tooLong(::GetModuleHandleA(nullptr), *host, &path[0], 0, 0, 330, 425, 0, 0, 0, 0);
        ADD_FAILURE() << "constructed";
    } catch (const char* msg) {
        EXPECT_STREQ(kLongPathError, msg);
    }
    EXPECT_EQ(W(), ::FindWindowExA(*host, nullptr, "MORSE", nullptr));
    EXPECT_EQ(nullptr, ::FindWindowExA(*host, W(), "MORSE", nullptr));

    path.resize(243);
    T_morse longest(::GetModuleHandleA(nullptr), *host, &path[0], 0, 0, 330, 425, 0, 0, 0, 0);
    EXPECT_TRUE(::IsWindowVisible(longest));
}

// Resized by its host, the widget paints its whole new area in the background of its look.
TEST_F(TapkeyWidget, PaintsTheWholeAreaAfterTheHostResizesItButNotItsChildren) {
    const COLORREF paper = RGB(10, 200, 30);
    CKMPBitmapProvider look(CWnd::FromHandle(*host), nullptr, RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), nullptr, paper,
                            RGB(90, 90, 90), RGB(200, 200, 200), false);
    ::SetWindowPos(W(), nullptr, 0, 0, 340, 430, SWP_NOMOVE | SWP_NOZORDER);
    ::RedrawWindow(W(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const kt::Pixels px = kt::ReadClient(W());
    ASSERT_EQ(340, px.width());
    ASSERT_EQ(430, px.height());
    EXPECT_EQ(paper, px.At(200, 120));  // between the key and the board, as before
    EXPECT_EQ(10 * 430 + 330 * 5, px.Count(paper, 330, 0, 340, 430) + px.Count(paper, 0, 425, 340, 430) -
                                      px.Count(paper, 330, 425, 340, 430))
        << "the new strips are not all background";
    EXPECT_TRUE(mt::LampDark(W()));

    // A paint of the widget alone leaves its children's pixels to them.
    ::RedrawWindow(W(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
    EXPECT_TRUE(mt::CellNormal(Board(), 'A')) << "the widget painted over its board";
}

// Repaints long enough for a leak of GDI objects to exhaust them (a leaking paint breaks within
// 3000), then the host destroys its window before it deletes the widget.
TEST_F(TapkeyWidget, RepaintsWithoutLeaksAndSurvivesItsParentGoingFirst) {
    for (int i = 1; i <= 4000; ++i) {
        ::RedrawWindow(Board(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        if (i % 500 == 0) {
            ASSERT_TRUE(mt::CellNormal(Board(), 'A')) << "paint " << i;
        }
    }
    ::SendMessageA(Board(), WM_COMMAND, 200, 'K');
    ::RedrawWindow(W(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(mt::CellFlashed(Board(), 'K')) << "a repaint keeps the flashed cell";
    EXPECT_TRUE(mt::CellNormal(Board(), 'A'));
    EXPECT_TRUE(mt::LampDark(W()));

    Key(WM_LBUTTONDOWN);
    ::DestroyWindow(*host);
    EXPECT_EQ(nullptr, (HWND)*widget) << "the widget still holds its destroyed window";
    kt::PumpFor(100);
    widget.reset();
}

}  // namespace
