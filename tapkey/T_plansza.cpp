#include "T_plansza.h"

#include <kelm/paint/CKMaskPainter.h>

#include "Plansza_uklad.h"
#include "T_dc_okna.h"
#include "T_obraz_dc.h"
#include "T_stoper.h"
#include "T_zasoby.h"
#include "TapkeyErrors.h"
#include "TapkeyModule.h"
#include "res/TapkeyResIds.h"

namespace {

const char kKlasa[] = "ABC";
const UINT kTaktTimerow = 50;

// A colour memory DC of a given size, for one drawing.
class T_bufor {
public:
    T_bufor(HDC hdcWzor, int nWidth, int nHeight) : m_hDC(::CreateCompatibleDC(hdcWzor)), m_hBitmap(NULL), m_hStary(NULL)
    {
        if (m_hDC == NULL)
            throw tapkey::szBrakDC;
        m_hBitmap = ::CreateCompatibleBitmap(hdcWzor, nWidth, nHeight);
        if (m_hBitmap == NULL) {
            ::DeleteDC(m_hDC);
            throw tapkey::szBrakBitmapy;
        }
        m_hStary = ::SelectObject(m_hDC, m_hBitmap);
    }
    ~T_bufor()
    {
        ::SelectObject(m_hDC, m_hStary);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hDC);
    }
    T_bufor(const T_bufor&) = delete;
    T_bufor& operator=(const T_bufor&) = delete;
    operator HDC() const { return m_hDC; }

private:
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hStary;
};

// Copies c's cell of a look to the same place of hdcCel: the cell and its right and bottom
// edge lines.
void Kopiuj_komorke(HDC hdcCel, char c, HDC hdcWyglad)
{
    RECT rc;
    if (hdcWyglad == NULL || !Komorka_znaku(c, &rc))
        return;
    ::BitBlt(hdcCel, rc.left, rc.top, rc.right - rc.left + 1, rc.bottom - rc.top + 1, hdcWyglad, rc.left, rc.top,
             SRCCOPY);
}

}  // namespace

T_plansza::T_plansza(HINSTANCE hInstance, HWND hParent, int x, int y, int nWidth, int nHeight)
    : m_hWindow(NULL), m_hParent(hParent), m_hInstance(hInstance), m_pNormal(nullptr), m_pMask(nullptr),
      m_pActive(nullptr), m_pHover(nullptr), m_hdcNormal(NULL), m_hdcActive(NULL), m_hdcHover(NULL),
      m_cActive(0), m_cHover(0), m_bActiveTimed(FALSE), m_pActiveClock(nullptr), m_pHoverClock(nullptr),
      m_bCaptured(FALSE), m_nX(x), m_nY(y), m_nWidth(nWidth), m_nHeight(nHeight)
{
    try {
        Register_Class();
        m_hWindow = ::CreateWindowExA(0, kKlasa, "", WS_CHILD, m_nX, m_nY, m_nWidth, m_nHeight, m_hParent, NULL,
                                      tapkey::Modul(), NULL);
        if (m_hWindow == NULL)
            throw tapkey::szBrakOkna;
        ::SetWindowLongPtrA(m_hWindow, 0, reinterpret_cast<LONG_PTR>(this));

        T_dc_okna dc(m_hWindow);
        T_zasoby zasoby;
        m_pNormal = new T_obraz_dc(dc, IDB_TAPKEY_BOARD_NORMAL);
        m_pMask = new T_obraz_dc(dc, IDB_TAPKEY_BOARD_MASK);
        m_pActive = new T_obraz_dc(dc, IDB_TAPKEY_BOARD_FLASH);
        m_pHover = new T_obraz_dc(dc, IDB_TAPKEY_BOARD_HOVER);
        m_hdcNormal = m_pNormal->m_hDC;
        m_hdcActive = m_pActive->m_hDC;
        m_hdcHover = m_pHover->m_hDC;

        m_pActiveClock = new T_stoper;
        m_pHoverClock = new T_stoper;
        ::SetTimer(m_hWindow, TIMER_BLYSK, kTaktTimerow, NULL);
        ::SetTimer(m_hWindow, TIMER_PODSWIETLENIE, kTaktTimerow, NULL);
        ::ShowWindow(m_hWindow, SW_SHOW);
    } catch (...) {
        Rozbierz();
        throw;
    }
}

T_plansza::~T_plansza()
{
    Rozbierz();
}

void T_plansza::Rozbierz()
{
    if (m_hWindow != NULL) {
        ::SetWindowLongPtrA(m_hWindow, 0, 0);  // no more messages to a dying object
        ::KillTimer(m_hWindow, TIMER_BLYSK);
        ::KillTimer(m_hWindow, TIMER_PODSWIETLENIE);
    }
    delete m_pActiveClock;
    delete m_pHoverClock;
    m_pActiveClock = m_pHoverClock = nullptr;
    m_hdcNormal = m_hdcActive = m_hdcHover = NULL;
    T_obraz_dc* obrazy[] = {m_pNormal, m_pMask, m_pActive, m_pHover};
    m_pNormal = m_pMask = m_pActive = m_pHover = nullptr;
    for (T_obraz_dc* p : obrazy)
        delete p;
    if (m_hWindow != NULL) {
        const HWND h = m_hWindow;
        m_hWindow = NULL;
        ::DestroyWindow(h);
    }
}

void T_plansza::Register_Class()
{
    tapkey::Klasa_okna(kKlasa, &T_plansza::Wnd_Proc, ::LoadCursorA(NULL, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

LRESULT CALLBACK T_plansza::Wnd_Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    T_plansza* pPlansza = reinterpret_cast<T_plansza*>(::GetWindowLongPtrA(hWnd, 0));
    if (pPlansza == nullptr)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    try {
        return pPlansza->Obsluz(hWnd, message, wParam, lParam);
    } catch (...) {
        // Nothing may leave a window procedure.
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

LRESULT T_plansza::Obsluz(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    switch (message) {
    case WM_PAINT: {
        CPaintDC dc(CWnd::FromHandle(hWnd));
        Paint(dc.m_hDC);
        return 0;
    }
    case WM_CHAR:
        Znak(static_cast<unsigned int>(wParam));
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) != PLANSZA_POKAZ)
            break;
        Blysnij(static_cast<char>(lParam & 0xFF));
        return 0;
    case WM_TIMER:
        if (wParam == TIMER_BLYSK)
            Koniec_blysku();
        else if (wParam == TIMER_PODSWIETLENIE)
            Koniec_podswietlenia();
        return 0;
    case WM_MOUSEMOVE:
        Ruch(x, y);
        return 0;
    case WM_LBUTTONDOWN:
        ::SetFocus(m_hParent);  // the widget passes typed keys on to the board
        Klik(x, y);
        return 0;
    case WM_LBUTTONUP:
        Puszczenie();
        return 0;
    case WM_CAPTURECHANGED:
        // The capture taken away while a cell is held: the click ends here.
        if (reinterpret_cast<HWND>(lParam) != hWnd && m_bCaptured)
            Puszczenie();
        return 0;
    case WM_CANCELMODE:
        if (m_bCaptured)
            Puszczenie();
        break;
    case WM_NCDESTROY:
        // Destroyed with its parent: the object forgets the window.
        ::SetWindowLongPtrA(hWnd, 0, 0);
        m_hWindow = NULL;
        m_bCaptured = FALSE;
        break;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

void T_plansza::Paint(HDC hdc)
{
    CKMaskPainter painter(CWnd::FromHandle(m_hWindow));
    painter.PaintWithoutMask(CDC::FromHandle(hdc), CRect(0, 0, m_nWidth, m_nHeight), ctBitmap, false, true);
    Rysuj_przezroczyscie(hdc);
    // A repaint keeps the highlighted and the flashed cell.
    if (m_cHover != 0)
        Kopiuj_komorke(hdc, m_cHover, Wyglad(m_cHover));
    if (m_cActive != 0)
        Kopiuj_komorke(hdc, m_cActive, Wyglad(m_cActive));
}

void T_plansza::Rysuj_przezroczyscie(HDC hdc)
{
    const CSize rozmiar = m_pNormal->Rozmiar();
    const int w = rozmiar.cx, h = rozmiar.cy;
    T_bufor maska(hdc, w, h), obraz(hdc, w, h);
    // The one-bit mask becomes white (all bits set) over the empty places and black over the cells.
    ::SetTextColor(maska, RGB(0, 0, 0));
    ::SetBkColor(maska, RGB(255, 255, 255));
    ::BitBlt(maska, 0, 0, w, h, m_pMask->m_hDC, 0, 0, SRCCOPY);
    ::BitBlt(obraz, 0, 0, w, h, m_hdcNormal, 0, 0, SRCCOPY);
    ::BitBlt(hdc, 0, 0, w, h, maska, 0, 0, SRCAND);         // the cells turn black
    ::BitBlt(maska, 0, 0, w, h, NULL, 0, 0, DSTINVERT);
    ::BitBlt(obraz, 0, 0, w, h, maska, 0, 0, SRCAND);       // the picture only over the cells
    ::BitBlt(hdc, 0, 0, w, h, obraz, 0, 0, SRCPAINT);
}

HDC T_plansza::Wyglad(char c) const
{
    if (c != 0 && c == m_cActive)
        return m_hdcActive;
    if (c != 0 && c == m_cHover)
        return m_hdcHover;
    return m_hdcNormal;
}

void T_plansza::Odswiez_komorke(char c)
{
    if (m_hWindow == NULL)
        return;
    T_dc_okna dc(m_hWindow);
    Kopiuj_komorke(dc, c, Wyglad(c));
}

void T_plansza::Blysnij(char c)
{
    const char poprzedni = m_cActive;
    m_cActive = c;
    if (poprzedni != 0 && poprzedni != c)
        Odswiez_komorke(poprzedni);
    Odswiez_komorke(c);
    m_bActiveTimed = TRUE;
    m_pActiveClock->Start();
}

void T_plansza::Znak(unsigned int nZnak)
{
    const char c = Znak_klawisza(nZnak);
    if (c == 0)
        return;
    Blysnij(c);
    ::SendMessageA(m_hParent, WM_COMMAND, PLANSZA_GRAJ, static_cast<unsigned char>(c));
}

void T_plansza::Klik(int x, int y)
{
    const char c = Znak_w_punkcie(x, y);
    if (c == 0)
        return;
    if (::GetCapture() != m_hWindow)
        ::SetCapture(m_hWindow);
    m_bCaptured = TRUE;
    // Flashed while the button is held: a timed flash still running ends here, so that its
    // timer does not take the held cell away.
    m_bActiveTimed = FALSE;
    const char poprzedni = m_cActive;
    m_cActive = c;
    if (poprzedni != 0 && poprzedni != c)
        Odswiez_komorke(poprzedni);
    Odswiez_komorke(c);
    ::SendMessageA(m_hParent, WM_COMMAND, PLANSZA_GRAJ, static_cast<unsigned char>(c));
}

void T_plansza::Puszczenie()
{
    if (m_bCaptured) {
        m_bCaptured = FALSE;
        if (::GetCapture() == m_hWindow)
            ::ReleaseCapture();
    }
    if (m_cActive != 0) {
        const char c = m_cActive;
        m_cActive = 0;
        Odswiez_komorke(c);
    }
}

void T_plansza::Ruch(int x, int y)
{
    const char c = Znak_w_punkcie(x, y);
    if (c == 0 || c == m_cHover)
        return;
    const char poprzedni = m_cHover;
    m_cHover = c;
    if (poprzedni != 0)
        Odswiez_komorke(poprzedni);
    Odswiez_komorke(c);
    m_pHoverClock->Start();
}

void T_plansza::Koniec_blysku()
{
    if (!m_bActiveTimed || m_cActive == 0 || !m_pActiveClock->Dziala() ||
        m_pActiveClock->Read() < PLANSZA_BLYSK_MS)
        return;
    const char c = m_cActive;
    m_cActive = 0;
    m_bActiveTimed = FALSE;
    m_pActiveClock->Stop();
    Odswiez_komorke(c);
}

void T_plansza::Koniec_podswietlenia()
{
    if (m_cHover == 0 || !m_pHoverClock->Dziala() || m_pHoverClock->Read() < PLANSZA_BLYSK_MS)
        return;
    const char c = m_cHover;
    m_cHover = 0;
    m_pHoverClock->Stop();
    Odswiez_komorke(c);
}
