// The character board of the Morse widget: every character of the alphabet in a grid of cells
// with its code. A click or a typed key asks the widget to play a character; the widget asks
// the board to flash the characters it recognises. The cell under the mouse is highlighted
// for a moment.
#pragma once
#include <windows.h>

class T_obraz_dc;
class T_stoper;

// Commands between the board and the widget (WM_COMMAND, the character in lParam).
constexpr WPARAM PLANSZA_GRAJ = 100;     // board -> widget: play this character
constexpr WPARAM PLANSZA_POKAZ = 200;    // widget -> board: flash this recognised character
constexpr UINT PLANSZA_BLYSK_MS = 500;   // a timed flash and the hover highlight last this long

class T_plansza {
public:
    // Creates and shows the board window (class "ABC") at (x, y) of the parent, which receives
    // the board's commands. Throws a text (char*) when the module or a picture is missing.
    T_plansza(HINSTANCE hInstance, HWND hParent, int x, int y, int nWidth, int nHeight);
    virtual ~T_plansza();
    T_plansza(const T_plansza&) = delete;
    T_plansza& operator=(const T_plansza&) = delete;

    operator HWND() const { return m_hWindow; }

protected:
    // Fills the board with the widget's background and draws the cells over it.
    virtual void Paint(HDC hdc);

    static LRESULT CALLBACK Wnd_Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    enum { TIMER_BLYSK = 101, TIMER_PODSWIETLENIE = 102 };

    void Register_Class();
    void Rozbierz();
    LRESULT Obsluz(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    // The picture DC of the look c has now: flashed, else highlighted, else normal.
    HDC Wyglad(char c) const;
    // Draws c's cell on the window in the look it has now.
    void Odswiez_komorke(char c);
    // Draws picture 129 through mask 130 at (0, 0): the empty places keep what hdc shows.
    void Rysuj_przezroczyscie(HDC hdc);
    // Makes c the flashed character, ended by the flash timer after PLANSZA_BLYSK_MS.
    void Blysnij(char c);
    void Znak(unsigned int nZnak);
    void Klik(int x, int y);
    void Puszczenie();
    void Ruch(int x, int y);
    void Koniec_blysku();
    void Koniec_podswietlenia();

    HWND m_hWindow;
    HWND m_hParent;
    HINSTANCE m_hInstance;
    T_obraz_dc* m_pNormal;   // 129: normal look
    T_obraz_dc* m_pMask;     // 130: black over the cells, white over the empty places
    T_obraz_dc* m_pActive;   // 131: flashed look
    T_obraz_dc* m_pHover;    // 132: hover look
    HDC m_hdcNormal;
    HDC m_hdcActive;
    HDC m_hdcHover;
    char m_cActive;          // flashed character, 0 for none
    char m_cHover;           // highlighted character, 0 for none
    BOOL m_bActiveTimed;     // the flash ends by itself
    T_stoper* m_pActiveClock;
    T_stoper* m_pHoverClock;
    BOOL m_bCaptured;        // the board holds the capture after a click
    int m_nX;
    int m_nY;
    int m_nWidth;
    int m_nHeight;

    friend struct TapkeyTestAccess;
};
