// Helpers of the Morse widget tests: a look inside the widget, wave players that record what
// the widget asks of them, a guard against message boxes, and the lamp and board read back
// from the screen.
#pragma once
#include <TPlay_Wave.h>
#include <tapkey/T_morse.h>
#include <tapkey/T_plansza.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Friend of T_plansza: the board's state.
struct TapkeyTestAccess {
    static char Flashed(const T_plansza& b) { return b.m_cActive; }
    static char Highlighted(const T_plansza& b) { return b.m_cHover; }
    static BOOL Captured(const T_plansza& b) { return b.m_bCaptured; }
};

// The widget with its state in reach of the tests.
class TestMorse : public T_morse {
public:
    using T_morse::T_morse;
    int DotTime() const { return m_nDotTime; }
    int Mode() const { return m_nMode; }
    HWND Board() const { return m_hBoard; }
    const Kod_morsea& Keyed() const { return m_kodKeyed; }
    char Flashed() const { return TapkeyTestAccess::Flashed(*m_pBoard); }
    char Highlighted() const { return TapkeyTestAccess::Highlighted(*m_pBoard); }
    // Puts the given players in place of the widget's own (which are deleted); the widget
    // deletes them.
    void SetPlayers(TPlay_Wave* pDot, TPlay_Wave* pDash) {
        delete m_pDotWave;
        delete m_pDashWave;
        m_pDotWave = pDot;
        m_pDashWave = pDash;
    }
};

namespace mt {

// One call the widget made on a player.
struct Call {
    char player;  // '.' the dot player, '-' the dash player
    char what;    // 'S' Stop, 'K' Seek, 'P' Play
    long arg;     // Seek's frame
    DWORD tick;
};

// A silent player that records Stop, Seek and Play into a shared log.
class RecordingPlayer : public TPlay_Wave {
public:
    RecordingPlayer(char name, std::vector<Call>* pLog) : TPlay_Wave(nullptr, 0), m_name(name), m_pLog(pLog) {}
    void Stop() override { m_pLog->push_back({m_name, 'S', 0, ::GetTickCount()}); }
    void Seek(long frame) override { m_pLog->push_back({m_name, 'K', frame, ::GetTickCount()}); }
    void Play() override { m_pLog->push_back({m_name, 'P', 0, ::GetTickCount()}); }

private:
    char m_name;
    std::vector<Call>* m_pLog;
};

// The sounds started, in order: a '.' or '-' for every Play whose player was first stopped and
// rewound to frame 0 (the widget's restart), '?' for any other Play.
std::string Started(const std::vector<Call>& log);
// The log as text, for failure messages: ".S .K0 .P -S ...".
std::string Describe(const std::vector<Call>& log);

// Refuses (and counts) every message box of the thread while it exists: a stopwatch read at the
// wrong moment would otherwise block the test.
class MessageBoxGuard {
public:
    MessageBoxGuard();
    ~MessageBoxGuard();
    int Count() const;
};

// The widget's place in the test host, the host's size, and the sound path of the tests.
const int kWidgetX = 10, kWidgetY = 10, kHostW = 350, kHostH = 440;

// Lamp pixels: the lamp's glass is around (40, 40) of the key picture at (5, 5).
COLORREF LampPixel(HWND hWidget);
bool LampLit(HWND hWidget);   // orange
bool LampDark(HWND hWidget);  // blue

// A board cell's inner pixel and its looks.
COLORREF CellPixel(HWND hBoard, char c);
bool CellFlashed(HWND hBoard, char c);   // yellow paper
bool CellNormal(HWND hBoard, char c);    // dark blue paper, edge line not red
bool CellHighlighted(HWND hBoard, char c);  // red outline
// Yellow pixels anywhere on the board (a flashed cell shows hundreds).
int YellowPixels(HWND hBoard);

// Polls conditions (the lamp lit, a cell flashed) while it pumps messages and records the
// periods during which each held, in ms from the start of the watch.
struct Period {
    DWORD on, off;
    bool open;  // still holds
    DWORD length() const { return off - on; }
};
class Watch {
public:
    Watch();
    // Adds a condition; returns its index for Periods.
    int Add(std::function<bool()> probe);
    DWORD Now() const;
    void PumpFor(DWORD ms);
    // Pumps until cond() holds or timeoutMs passes; returns cond().
    bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs);
    const std::vector<Period>& Periods(int i) const { return m_periods.at(i); }
    // Closed periods only.
    std::vector<Period> Closed(int i) const;

private:
    void Poll();
    DWORD m_start;
    std::vector<std::function<bool()>> m_probes;
    std::vector<std::vector<Period>> m_periods;
};

// Screen point of a client point.
POINT ScreenPoint(HWND hWnd, int x, int y);

}  // namespace mt
