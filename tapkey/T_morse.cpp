#include "T_morse.h"

#include <TPlay_Wave.h>
#include <kelm/buttons/CKMaskButton.h>
#include <kelm/paint/CKMaskPainter.h>
#include <kelm/range/CKScrollBar.h>

#include "Odtwarzanie.h"
#include "T_dc_okna.h"
#include "T_kolejka.h"
#include "T_obraz_dc.h"
#include "T_plansza.h"
#include "T_stoper.h"
#include "T_zasoby.h"
#include "TapkeyErrors.h"
#include "TapkeyModule.h"
#include "res/TapkeyResIds.h"

namespace {

const char kKlasa[] = "MORSE";
const char kPlikKropki[] = "M_KROPKA.WAV";
const char kPlikKreski[] = "M_KRESKA.WAV";  // the same length
const int kTrybOtwarcia = 4;                // the players open the wave device at once

enum { TIMER_ODTWARZANIA = 101, TIMER_ZNAKU = 102 };
enum { ID_MYSZ = 1, ID_PASEK = 3 };
enum { TRYB_KLUCZ = 1, TRYB_DWA_PRZYCISKI = 2 };

const int kLampaX = 5, kLampaY = 5;           // the key picture in the widget
const RECT kPlansza = {5, 160, 5 + 321, 160 + 190};
const RECT kMysz = {283, 400, 298, 421};
const int kPojemnoscZnakow = 100, kPojemnoscElementow = 1000;

}  // namespace

T_morse::T_morse(HINSTANCE hInstance, HWND hParent, char* path, int x, int y, int width, int height, int, int, int,
                 int)
    : m_hWindow(NULL), m_hInstance(hInstance), m_rcPlace{x, y, width, height}, m_rcKey{5, 5, 326, 85},
      m_pLampOn(nullptr), m_pLampOff(nullptr), m_bKeyDown(FALSE), m_bPlaying(FALSE), m_nElementTime(0),
      m_nElementGap(PRZERWA_ELEMENTU),
      m_pCharQueue(nullptr), m_pElementQueue(nullptr), m_pSignClock(nullptr), m_pPressClock(nullptr),
      m_pPlayClock(nullptr), m_kodKeyed(), m_pBoard(nullptr), m_hBoard(NULL), m_pSpeedBar(nullptr),
      m_rcSpeedBar{30, 402, 160, 20}, m_nDotTime(KROPKA_POCZATKOWA), m_nMode(TRYB_DWA_PRZYCISKI),
      m_pMouseButton(nullptr), m_pDashWave(nullptr), m_pDotWave(nullptr), m_szPath(), m_bModeBoxPressed(FALSE)
{
    // The path and a file name must fit in the buffers; a longer one is refused, never cut.
    const char* sciezka = path != nullptr ? path : "";
    if (::lstrlenA(sciezka) + ::lstrlenA(kPlikKropki) >= int(sizeof m_szPath))
        throw tapkey::szDlugaSciezka;
    ::lstrcpyA(m_szPath, sciezka);

    try {
        Register_Class();
        // The class belongs to Tapkey's module, so the window is made for it too. Its paint leaves
        // the board, the speed bar and the mode box to themselves (no flash of the key picture).
        m_hWindow = ::CreateWindowExA(0, kKlasa, "", WS_CHILD | WS_CLIPCHILDREN, x, y, width, height, hParent, NULL,
                                      tapkey::Modul(), NULL);
        // MFC knows the window (the controls' parent); every message still ends in Wnd_Proc.
        if (m_hWindow == NULL || !m_wnd.SubclassWindow(m_hWindow))
            throw tapkey::szBrakOkna;
        ::SetWindowLongPtrA(m_hWindow, 0, reinterpret_cast<LONG_PTR>(this));

        T_zasoby zasoby;  // Tapkey's pictures and masks, until the end of the construction
        {
            T_dc_okna dc(m_hWindow);
            m_pLampOn = new T_obraz_dc(dc, IDB_TAPKEY_KEY_LIT);
            m_pLampOff = new T_obraz_dc(dc, IDB_TAPKEY_KEY_DARK);
        }

        m_pSpeedBar = new CKScrollBar;
        const CRect rcPasek(m_rcSpeedBar[0], m_rcSpeedBar[1], m_rcSpeedBar[0] + m_rcSpeedBar[2],
                            m_rcSpeedBar[1] + m_rcSpeedBar[3]);
        if (!m_pSpeedBar->Create(WS_CHILD | WS_VISIBLE | SBS_BOTTOMALIGN, rcPasek, &m_wnd, ID_PASEK))
            throw tapkey::szBrakOkna;
        m_pSpeedBar->m_bInvertMask = true;
        m_pSpeedBar->ShowWindow(SW_SHOW);
        m_pSpeedBar->SetScrollRange(0, Pozycja_paska(KROPKA_MAX), FALSE);
        m_pSpeedBar->SetScrollPos(Pozycja_paska(m_nDotTime), TRUE);

        m_pBoard = new T_plansza(m_hInstance, m_hWindow, kPlansza.left, kPlansza.top,
                                 kPlansza.right - kPlansza.left, kPlansza.bottom - kPlansza.top);
        m_hBoard = *m_pBoard;

        m_pCharQueue = new T_kolejka(kPojemnoscZnakow);
        m_pElementQueue = new T_kolejka(kPojemnoscElementow);
        ::SetTimer(m_hWindow, TIMER_ODTWARZANIA, TAKT_ODTWARZANIA, NULL);
        ::SetTimer(m_hWindow, TIMER_ZNAKU, TAKT_ZNAKU, NULL);

        m_pSignClock = new T_stoper;
        m_pPressClock = new T_stoper;
        m_pPlayClock = new T_stoper;
        m_kodKeyed.count = 0;
        m_bPlaying = FALSE;

        m_pMouseButton = new CKMaskButton;
        m_pMouseButton->LoadMasks(IDB_TAPKEY_MOUSE_BOTH, IDB_TAPKEY_MOUSE_LEFT, IDB_TAPKEY_MOUSE_LEFT,
                                  IDB_TAPKEY_MOUSE_BOTH, 0, 0);
        if (!m_pMouseButton->Create("Mysz", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, kMysz, &m_wnd, ID_MYSZ))
            throw tapkey::szBrakOkna;
        m_pMouseButton->ShowWindow(SW_SHOW);

        ::SetCursor(::LoadCursorA(NULL, reinterpret_cast<LPCSTR>(IDC_ARROW)));

        char plik[sizeof m_szPath];
        ::lstrcpyA(plik, m_szPath);
        ::lstrcatA(plik, kPlikKropki);
        m_pDotWave = new TPlay_Wave(plik, kTrybOtwarcia);
        ::lstrcpyA(plik, m_szPath);
        ::lstrcatA(plik, kPlikKreski);
        m_pDashWave = new TPlay_Wave(plik, kTrybOtwarcia);

        ::ShowWindow(m_hWindow, SW_SHOW);
    } catch (...) {
        Rozbierz();
        throw;
    }
}

T_morse::~T_morse()
{
    Rozbierz();
}

void T_morse::Rozbierz()
{
    if (m_hWindow != NULL)
        ::SetWindowLongPtrA(m_hWindow, 0, 0);  // no more messages to a dying object
    delete m_pDotWave;
    m_pDotWave = nullptr;
    delete m_pDashWave;
    m_pDashWave = nullptr;
    delete m_pCharQueue;
    m_pCharQueue = nullptr;
    delete m_pElementQueue;
    m_pElementQueue = nullptr;
    delete m_pSignClock;
    delete m_pPressClock;
    delete m_pPlayClock;
    m_pSignClock = m_pPressClock = m_pPlayClock = nullptr;
    if (m_hWindow != NULL) {
        ::KillTimer(m_hWindow, TIMER_ZNAKU);
        ::KillTimer(m_hWindow, TIMER_ODTWARZANIA);
    }
    delete m_pLampOn;
    m_pLampOn = nullptr;
    delete m_pLampOff;
    m_pLampOff = nullptr;
    delete m_pBoard;
    m_pBoard = nullptr;
    m_hBoard = NULL;
    delete m_pSpeedBar;
    m_pSpeedBar = nullptr;
    delete m_pMouseButton;
    m_pMouseButton = nullptr;
    if (m_hWindow != NULL) {
        const HWND h = m_hWindow;
        m_hWindow = NULL;
        ::DestroyWindow(h);
    }
}

void T_morse::Register_Class()
{
    tapkey::Klasa_okna(kKlasa, &T_morse::Wnd_Proc, NULL);
}

void T_morse::Erase_Window(HDC hdc, int x, int y, int width, int height)
{
    CKMaskPainter painter(&m_wnd);
    painter.PaintWithoutMask(CDC::FromHandle(hdc), CRect(x, y, x + width, y + height), ctBitmap, false, true);
}

void T_morse::Paint(HDC hdc)
{
    // The whole client area: the host may have given the widget another size since.
    RECT rc = {0, 0, m_rcPlace[2], m_rcPlace[3]};
    if (m_hWindow != NULL)
        ::GetClientRect(m_hWindow, &rc);
    Erase_Window(hdc, 0, 0, rc.right, rc.bottom);
    Draw_Light(hdc);
}

void T_morse::Draw_Light(HDC hdc)
{
    T_obraz_dc* pObraz = m_bKeyDown ? m_pLampOn : m_pLampOff;
    if (pObraz == nullptr)
        return;
    const CSize rozmiar = pObraz->Rozmiar();
    ::BitBlt(hdc, kLampaX, kLampaY, rozmiar.cx, rozmiar.cy, pObraz->m_hDC, 0, 0, SRCCOPY);
}

void T_morse::Pokaz_lampke(BOOL bSwieci)
{
    m_bKeyDown = bSwieci;
    if (m_hWindow == NULL)
        return;
    T_dc_okna dc(m_hWindow);
    Draw_Light(dc);
}

void T_morse::Przewin_i_graj(char element)
{
    if (m_pDotWave == nullptr || m_pDashWave == nullptr)
        return;
    TPlay_Wave* pGracz = element == KROPKA ? m_pDotWave : m_pDashWave;
    pGracz->Stop();
    pGracz->Seek(0);
    pGracz->Play();
}

LRESULT CALLBACK T_morse::Wnd_Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    T_morse* pMorse = reinterpret_cast<T_morse*>(::GetWindowLongPtrA(hWnd, 0));
    if (pMorse == nullptr)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    try {
        return pMorse->Obsluz(hWnd, message, wParam, lParam);
    } catch (...) {
        // Nothing may leave a window procedure.
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

LRESULT T_morse::Obsluz(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    switch (message) {
    case WM_SETFOCUS:
        return 0;
    case WM_PAINT: {
        CPaintDC dc(&m_wnd);
        Paint(dc.m_hDC);
        return 0;
    }
    case WM_CHAR:
        ::SendMessageA(m_hBoard, WM_CHAR, wParam, lParam);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == PLANSZA_GRAJ) {
            if (m_pCharQueue != nullptr)
                m_pCharQueue->Dodaj(static_cast<char>(lParam & 0xFF));
        } else if (wParam == ID_MYSZ) {
            m_nMode = m_nMode == TRYB_DWA_PRZYCISKI ? TRYB_KLUCZ : TRYB_DWA_PRZYCISKI;
            // Clicked with the mouse, the box gives the focus back for typing on the board;
            // reached with the keyboard, it keeps it.
            if (m_bModeBoxPressed)
                ::SetFocus(hWnd);
            m_bModeBoxPressed = FALSE;
        }
        break;
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_LBUTTONDOWN)
            m_bModeBoxPressed = ::ChildWindowFromPoint(hWnd, POINT{x, y}) == ::GetDlgItem(hWnd, ID_MYSZ);
        break;
    case WM_TIMER:
        if (wParam == TIMER_ODTWARZANIA)
            Takt_odtwarzania();
        else if (wParam == TIMER_ZNAKU)
            Koniec_znaku();
        return 0;
    case WM_HSCROLL:
        Przewijanie(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        return 0;
    case WM_LBUTTONDOWN:
        ::SetFocus(hWnd);  // keys typed next go to the board
        Nacisk(x, y, true);
        return 0;
    case WM_LBUTTONUP:
        Puszczenie();
        return 0;
    case WM_RBUTTONDOWN:
        ::SetFocus(hWnd);
        Nacisk(x, y, false);
        return 0;
    case WM_RBUTTONUP:
        // A dash, not a context menu: the key answers its right button itself.
        if (Na_kluczu(x, y))
            return 0;
        break;
    case WM_CAPTURECHANGED:
        // Capture taken away during a straight-key press: released at this moment.
        if (reinterpret_cast<HWND>(lParam) != hWnd && m_pPressClock != nullptr && m_pPressClock->Dziala())
            Puszczenie();
        return 0;
    case WM_NCDESTROY:
        // Destroyed with its parent: the object forgets the window.
        ::SetWindowLongPtrA(hWnd, 0, 0);
        m_hWindow = NULL;
        break;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

void T_morse::Takt_odtwarzania()
{
    if (m_pPlayClock == nullptr || m_pCharQueue == nullptr || m_pElementQueue == nullptr)
        return;
    Stan_odtwarzania stan = {m_bPlaying,     m_nElementTime,  m_nElementGap,
                             *m_pPlayClock, *m_pCharQueue, *m_pElementQueue};
    switch (Krok_odtwarzania(stan, m_nDotTime, ::GetTickCount())) {
    case ODTW_ZGAS:
        Pokaz_lampke(FALSE);
        break;
    case ODTW_ODSTEP:
        // Silent between characters, however long the host's sound files are.
        if (m_pDotWave != nullptr && m_pDashWave != nullptr) {
            m_pDotWave->Stop();
            m_pDashWave->Stop();
        }
        Pokaz_lampke(FALSE);
        break;
    case ODTW_KROPKA:
        Przewin_i_graj(KROPKA);
        Pokaz_lampke(TRUE);
        break;
    case ODTW_KRESKA:
        Przewin_i_graj(KRESKA);
        Pokaz_lampke(TRUE);
        break;
    case ODTW_NIC:
        break;
    }
}

void T_morse::Koniec_znaku()
{
    if (m_pPressClock != nullptr && m_pPressClock->Dziala())
        return;  // the straight key is held: its element belongs to this sign
    char znak = 0;
    if (m_pSignClock != nullptr && Zamknij_znak(*m_pSignClock, m_kodKeyed, ::GetTickCount(), &znak) && znak != 0)
        ::SendMessageA(m_hBoard, WM_COMMAND, PLANSZA_POKAZ, static_cast<unsigned char>(znak));
}

void T_morse::Przewijanie(int nCode, int nThumb)
{
    m_nDotTime = Nowa_kropka(m_nDotTime, nCode, nThumb);
    if (m_pSpeedBar != nullptr && m_pSpeedBar->m_hWnd != NULL)
        m_pSpeedBar->SetScrollPos(Pozycja_paska(m_nDotTime), TRUE);
}

bool T_morse::Na_kluczu(int x, int y) const
{
    return x >= m_rcKey.left && x <= m_rcKey.right && y >= m_rcKey.top && y <= m_rcKey.bottom;
}

void T_morse::Nacisk(int x, int y, bool bLewy)
{
    if (!Na_kluczu(x, y) || m_pSignClock == nullptr || m_pElementQueue == nullptr)
        return;
    if (m_nMode == TRYB_DWA_PRZYCISKI) {
        const unsigned char element = bLewy ? KROPKA : KRESKA;
        m_pSignClock->Start();
        m_pElementQueue->Dodaj(static_cast<char>(element));
        Dodaj_element(m_kodKeyed, element);  // beyond KOD_MAX elements the sign matches nothing
    } else if (bLewy) {
        m_pSignClock->Start();
        Przewin_i_graj(KRESKA);  // a short press cuts it at the release
        m_pPressClock->Start();
        Pokaz_lampke(TRUE);
        ::SetCapture(m_hWindow);  // the release counts wherever it happens
    }
}

void T_morse::Puszczenie()
{
    const bool bWcisniety = m_pPressClock != nullptr && m_pPressClock->Dziala();
    if (m_nMode != TRYB_KLUCZ && !bWcisniety)
        return;
    if (bWcisniety) {
        const unsigned char element = Element_nacisku(m_pPressClock->Stop(), m_nDotTime);
        if (element == KROPKA && m_pDashWave != nullptr)
            m_pDashWave->Stop();
        Dodaj_element(m_kodKeyed, element);
        m_pSignClock->Start();  // the pause that closes the sign counts from the release
    }
    Pokaz_lampke(FALSE);
    if (m_hWindow != NULL && ::GetCapture() == m_hWindow)
        ::ReleaseCapture();
}
