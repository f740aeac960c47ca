#include "T_stoper.h"

namespace {

DWORD Nieuruchomiony()
{
    ::MessageBoxA(NULL, "Próba odczytu z niuruchomionego stopera", "", MB_OK);
    return 0;
}

}  // namespace

T_stoper::T_stoper() : m_dwStart(0), m_dwElapsed(0), m_bRunning(FALSE) {}

DWORD T_stoper::Start() { return Start(::GetTickCount()); }
DWORD T_stoper::Stop() { return Stop(::GetTickCount()); }
DWORD T_stoper::Read() const { return Read(::GetTickCount()); }

DWORD T_stoper::Start(DWORD dwNow)
{
    m_bRunning = TRUE;
    m_dwStart = dwNow;
    return m_dwStart;
}

DWORD T_stoper::Stop(DWORD dwNow)
{
    if (!m_bRunning)
        return Nieuruchomiony();
    m_bRunning = FALSE;
    m_dwElapsed = dwNow - m_dwStart;  // unsigned: right across the wrap of the tick count
    return m_dwElapsed;
}

DWORD T_stoper::Read(DWORD dwNow) const
{
    if (!m_bRunning)
        return Nieuruchomiony();
    return dwNow - m_dwStart;
}
