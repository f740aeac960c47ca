// Timing of the Morse key, apart from its window: the dot length and the speed bar, the element
// a straight-key press keys, one step of the playback timer and the closing of a keyed sign.
#pragma once
#include <windows.h>

#include "Tablica_kodow.h"

class T_kolejka;
class T_stoper;

constexpr int KROPKA_MIN = 120;         // fastest dot, ms (speed bar at 0)
constexpr int KROPKA_MAX = 500;         // slowest dot, ms (speed bar at 380)
constexpr int KROPKA_POCZATKOWA = 200;
constexpr int KRESKA_KROPEK = 3;        // a dash lasts three dots
constexpr DWORD PRZERWA_ELEMENTU = 80;  // dark lamp after every played element, ms
constexpr int ODSTEP_ZNAKOW_KROPEK = 3;  // dark lamp after a played character: three dots
// Flag of a queued element (KROPKA or KRESKA): the last element of a played character.
constexpr unsigned char KONIEC_ZNAKU = 0x80;
constexpr DWORD PAUZA_ZNAKU = 850;      // this long after the last press the sign is closed, ms
constexpr UINT TAKT_ODTWARZANIA = 50;   // period of the playback timer, ms
constexpr UINT TAKT_ZNAKU = 400;        // period of the sign-closing timer, ms

// Scroll-bar position of a dot length (the bar's range is 0 to KROPKA_MAX - KROPKA_MIN).
inline int Pozycja_paska(int nDot) { return nDot - KROPKA_MIN; }

// The dot length after a WM_HSCROLL of the speed bar: nCode is the SB_ code, nThumb the thumb
// position (the signed high word) of SB_THUMBPOSITION and SB_THUMBTRACK. A line step is 20 ms
// and a page 40 ms, taken only when the result stays within KROPKA_MIN..KROPKA_MAX; a thumb
// position is clamped into them. Other codes keep the length.
int Nowa_kropka(int nDot, int nCode, int nThumb);

// The element of a straight-key press of t ms: a dash when longer than a dot, else a dot.
unsigned char Element_nacisku(DWORD t, int nDot);

// What one tick of the playback timer asks of the window.
enum Akcja_odtwarzania {
    ODTW_NIC,      // nothing to show
    ODTW_ZGAS,     // the element has lasted its time: darken the lamp
    ODTW_ODSTEP,   // a character has been played: darken the lamp and silence the sounds
    ODTW_KROPKA,   // an element starts: light the lamp and play the dot sound from its start
    ODTW_KRESKA,   // the same with the dash sound
};

// The playback state of the widget.
struct Stan_odtwarzania {
    BOOL& bPlaying;        // an element is being played
    int& nElementTime;     // its length, ms
    int& nElementGap;      // the dark time after it, ms
    T_stoper& zegar;       // times it
    T_kolejka& znaki;      // characters waiting
    T_kolejka& elementy;   // elements waiting (KROPKA, KRESKA)
};

// One tick at tick count dwNow with dot length nDot:
// - while an element plays, the lamp goes dark once its length has passed, and the element ends
//   PRZERWA_ELEMENTU later; after the last element of a character (KONIEC_ZNAKU) the lamp goes
//   dark with ODTW_ODSTEP, and the element ends only when the lamp has been dark for the letter
//   space, ODSTEP_ZNAKOW_KROPEK dots, so that played characters do not run together;
// - otherwise the next waiting element starts (a dot lasts nDot, anything else a dash);
// - otherwise the next waiting character is expanded into its elements, the last one flagged
//   KONIEC_ZNAKU (a character without a sign, or outside the table, gives none); they start
//   from the next tick.
Akcja_odtwarzania Krok_odtwarzania(Stan_odtwarzania s, int nDot, DWORD dwNow);

// Closes the keyed sign once PAUZA_ZNAKU has passed since the last press (zegar restarted at
// every press). Returns true when it closed; *pZnak then gets the first character of the table
// with that sign, or 0 when there is none. The sign is emptied either way.
bool Zamknij_znak(T_stoper& zegar, Kod_morsea& kod, DWORD dwNow, char* pZnak);
