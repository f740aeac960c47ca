// A millisecond stopwatch over GetTickCount.
#pragma once
#include <windows.h>

// Reading or stopping a stopwatch that does not run shows a message box and gives 0; the widget
// only reads and stops stopwatches that run (check Dziala first).
class T_stoper {
public:
    T_stoper();

    // Starts (or restarts) the stopwatch; returns the start tick.
    DWORD Start();
    // Stops it and returns the milliseconds since the start.
    DWORD Stop();
    // The milliseconds since the start; the stopwatch goes on.
    DWORD Read() const;

    // The same at a given tick count (ticks wrap around after 49.7 days).
    DWORD Start(DWORD dwNow);
    DWORD Stop(DWORD dwNow);
    DWORD Read(DWORD dwNow) const;

    BOOL Dziala() const { return m_bRunning; }
    // Milliseconds measured by the last Stop.
    DWORD Zmierzony() const { return m_dwElapsed; }

private:
    DWORD m_dwStart;
    DWORD m_dwElapsed;
    BOOL m_bRunning;
};
