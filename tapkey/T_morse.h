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

/// The Morse telegraph-key widget: a child window with a key and its signal lamp, a board of
/// all characters, a speed bar and the "Mysz" mode check box.
///
/// The host constructs the widget (it is shown at once), runs its message loop and deletes the
/// object to remove it. Everything runs on the host's user-interface thread.
///
/// Keying with the mouse on the key picture: in mode 2 (the check box clear) the left button
/// keys a dot and the right button a dash; both are played back at the set speed. In mode 1 the
/// left button is a straight key: a press longer than a dot is a dash; the widget holds the
/// mouse capture while the key is down, and losing it ends the press. A sign is closed 850 ms
/// after its last press (in mode 1 after its last release; never while the key is held),
/// recognised and flashed on the board. A character clicked or typed on the board is played
/// with the lamp and the sounds. A press anywhere on the widget (the key included), a left press
/// on the board, or a click on the mode box gives the widget the focus, so that typed characters
/// reach the board.
///
/// The sounds are the files path + "M_KROPKA.WAV" and path + "M_KRESKA.WAV".
///
/// Construction throws a text (char*): "Błędna nazwa modułu !" when Tapkey.dll is not loaded
/// under that name, "Nie można utworzyć DC - brak zasobów?", "Nie można utworzyć bitmapy - brak
/// zasobów?", "Nie można utworzyć okna - błędne okno nadrzędne?" when a window, a control or a
/// window class cannot be made, "Klasa okna o tej nazwie należy do innego modułu !" when a window
/// class named as the widget's or the board's exists and is not Tapkey's, and "Zbyt długa ścieżka
/// do plików dźwiękowych !" when the path plus a file name does not fit in 255 characters. What
/// was built by then is destroyed.
///
/// Messages it answers (the window is not an MFC window: Wnd_Proc handles them):
/// - WM_PAINT: the background in the look of the host window, and the key with its lamp.
/// - WM_LBUTTONDOWN, WM_RBUTTONDOWN: take the focus; on the key, key an element as above.
/// - WM_LBUTTONUP: ends a straight-key press; WM_CAPTURECHANGED during one ends it too.
/// - WM_RBUTTONUP on the key: taken, so that no context menu follows.
/// - WM_CHAR: passed to the board, which plays the character.
/// - WM_COMMAND: the board asks for a character to be played; a click on the mode box switches
///   the mode.
/// - WM_PARENTNOTIFY: notes whether a left press went to the mode box.
/// - WM_HSCROLL, from the speed bar: a new dot length; the bar follows it.
/// - WM_TIMER: the widget's two timers, one playing the queued elements, one closing the keyed
///   sign.
/// - WM_SETFOCUS: answered (0) and nothing else.
/// - WM_NCDESTROY: the widget destroyed with its parent: the object forgets its window.
/// - Anything else: the default window procedure.
///
/// Notifications to its parent: none. A right click away from the key reaches the parent as
/// WM_CONTEXTMENU, through the default window procedure.
class TAPKEY_API T_morse {
public:
    /// Builds the widget as a child of hParent and shows it.
    /// x, y, width, height: the widget's place in the parent's client area; it needs at least
    /// 326 × 422. The last four ints are not used. path is put directly before the file names,
    /// so it ends with a path separator (or is empty for the current folder).
    T_morse(HINSTANCE hInstance, HWND hParent, char* path, int x, int y, int width, int height, int, int, int,
            int);
    virtual ~T_morse();
    T_morse(const T_morse&) = delete;
    T_morse& operator=(const T_morse&) = delete;

    /// The widget's window; null once it has been destroyed with its parent.
    operator HWND() const { return m_hWindow; }

    /// Paints the widget's background (the look of the host window) into a rectangle of hdc.
    void Erase_Window(HDC hdc, int x, int y, int width, int height);

protected:
    /// The window procedure of the widget's class: hands each message to the object the window
    /// stores; the default window procedure once it stores none, or when the handling throws.
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
    /// @name State
    /// The widget's state, in reach of classes derived from it.
    ///@{

    CWnd m_wnd;                    ///< the widget window for MFC: parent of the controls
    HWND m_hWindow;                ///< the widget's window, null once destroyed
    HINSTANCE m_hInstance;         ///< the host's instance, given to the board
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
    T_stoper* m_pSignClock;        ///< restarted at every press on the key (in mode 1 also at the release)
    T_stoper* m_pPressClock;       ///< a straight-key press
    T_stoper* m_pPlayClock;        ///< the element being played
    Kod_morsea m_kodKeyed;         ///< the sign keyed so far
    T_plansza* m_pBoard;           ///< the character board
    HWND m_hBoard;                 ///< its window: typed characters and recognised signs go to it
    CKScrollBar* m_pSpeedBar;      ///< the speed bar: its position sets the dot length
    int m_rcSpeedBar[4];           ///< x, y, width, height
    int m_nDotTime;                ///< dot length, ms
    int m_nMode;                   ///< 2: two buttons, 1: straight key
    CKMaskButton* m_pMouseButton;  ///< the mode check box
    TPlay_Wave* m_pDashWave;       ///< the dash sound, path + "M_KRESKA.WAV"
    TPlay_Wave* m_pDotWave;        ///< the dot sound, path + "M_KROPKA.WAV"
    char m_szPath[256];            ///< the sound files' path, as given
    BOOL m_bModeBoxPressed;        ///< the mode box was pressed with the mouse
    ///@}
};
