// The Morse telegraph-key widget: a child window with a key and its signal lamp, a board of
// all characters, a speed bar and the "Mysz" mode check box.
#pragma once
#include <afxwin.h>

#include <tapkey/Tablica_kodow.h>
#include <tapkey/TapkeyDefs.h>

class CKMaskButton;
class CKScrollBar;
class TPlay_Wave;
class T_kolejka;
class T_obraz_dc;
class T_plansza;
class T_stoper;

/// The host constructs the widget (it is shown at once), runs its message loop and deletes the
/// object to remove it. Everything runs on the host's user-interface thread.
///
/// Keying with the mouse on the key picture: in mode 2 (the check box clear) the left button
/// keys a dot and the right button a dash; both are played back at the set speed. In mode 1 the
/// left button is a straight key: a press longer than a dot is a dash; the widget holds the
/// mouse capture while the key is down, and losing it ends the press. A sign is closed 850 ms
/// after its last press (in mode 1 after its last release; never while the key is held),
/// recognised and flashed on the board. A character clicked or typed on the board is played
/// with the lamp and the sounds. A press on the key or the board, or a click on the mode box,
/// gives the widget the focus, so that typed characters reach the board.
///
/// The sounds are the files path + "M_KROPKA.WAV" and path + "M_KRESKA.WAV".
///
/// Construction throws a text (char*): "Błędna nazwa modułu !" when Tapkey.dll is not loaded
/// under that name, "Nie można utworzyć DC - brak zasobów?", "Nie można utworzyć bitmapy - brak
/// zasobów?", and "Zbyt długa ścieżka do plików dźwiękowych !" when the path plus a file name
/// does not fit in 255 characters. What was built by then is destroyed.
class TAPKEY_API T_morse {
public:
    /// x, y, width, height: the widget's place in the parent's client area; it needs at least
    /// 326 × 422. The last four ints are not used. path is put directly before the file names,
    /// so it ends with a path separator (or is empty for the current folder).
    T_morse(HINSTANCE hInstance, HWND hParent, char* path, int x, int y, int width, int height, int, int, int,
            int);
    virtual ~T_morse();
    T_morse(const T_morse&) = delete;
    T_morse& operator=(const T_morse&) = delete;

    operator HWND() const { return m_hWindow; }

    /// Paints the widget's background (the look of the host window) into a rectangle of hdc.
    void Erase_Window(HDC hdc, int x, int y, int width, int height);

protected:
    static LRESULT CALLBACK Wnd_Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    virtual void Paint(HDC hdc);

    void Register_Class();
    void Rozbierz();
    LRESULT Obsluz(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Draw_Light(HDC hdc);
    void Pokaz_lampke(BOOL bSwieci);
    /// Plays element 1 (dot) or any other (dash) from the start of its sound.
    void Przewin_i_graj(char element);

    void Takt_odtwarzania();
    void Koniec_znaku();
    void Przewijanie(int nCode, int nThumb);
    /// The point (client coordinates) is on the key, edges included.
    bool Na_kluczu(int x, int y) const;
    void Nacisk(int x, int y, bool bLewy);
    void Puszczenie();

protected:
    /// The widget's state, in reach of classes derived from it.
    CWnd m_wnd;                    ///< the widget window for MFC: parent of the controls
    HWND m_hWindow;
    HINSTANCE m_hInstance;
    int m_rcPlace[4];              ///< x, y, width, height in the parent
    RECT m_rcKey;                  ///< presses inside it (edges included) key elements
    T_obraz_dc* m_pLampOn;         ///< the key with the lit lamp
    T_obraz_dc* m_pLampOff;        ///< the key with the dark lamp
    BOOL m_bKeyDown;               ///< the lamp is lit
    BOOL m_bPlaying;               ///< an element is being played
    int m_nElementTime;            ///< its length, ms
    int m_nElementGap;             ///< the dark time after it, ms (longer after a played character)
    T_kolejka* m_pCharQueue;       ///< characters waiting to be played
    T_kolejka* m_pElementQueue;    ///< elements waiting to be played
    T_stoper* m_pSignClock;        ///< restarted at every press on the key
    T_stoper* m_pPressClock;       ///< a straight-key press
    T_stoper* m_pPlayClock;        ///< the element being played
    Kod_morsea m_kodKeyed;         ///< the sign keyed so far
    T_plansza* m_pBoard;
    HWND m_hBoard;
    CKScrollBar* m_pSpeedBar;
    int m_rcSpeedBar[4];           ///< x, y, width, height
    int m_nDotTime;                ///< dot length, ms
    int m_nMode;                   ///< 2: two buttons, 1: straight key
    CKMaskButton* m_pMouseButton;  ///< the mode check box
    TPlay_Wave* m_pDashWave;
    TPlay_Wave* m_pDotWave;
    char m_szPath[256];
    BOOL m_bModeBoxPressed;        ///< the mode box was pressed with the mouse
};
