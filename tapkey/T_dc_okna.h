// The client-area DC of a window for one drawing (GetDC / ReleaseDC).
#pragma once
#include <windows.h>

class T_dc_okna {
public:
    explicit T_dc_okna(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd)) {}
    ~T_dc_okna()
    {
        if (m_hDC != NULL)
            ::ReleaseDC(m_hWnd, m_hDC);
    }
    T_dc_okna(const T_dc_okna&) = delete;
    T_dc_okna& operator=(const T_dc_okna&) = delete;

    operator HDC() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};
