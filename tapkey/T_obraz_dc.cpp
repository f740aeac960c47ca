#include "T_obraz_dc.h"

#include "TapkeyErrors.h"

T_obraz_dc::T_obraz_dc(HDC hdcWzor, UINT nIdObrazu) : m_bWybrany(FALSE)
{
    if (!Attach(::CreateCompatibleDC(hdcWzor)))
        throw tapkey::szBrakDC;
    if (!m_obraz.LoadBitmap(nIdObrazu)) {
        DeleteDC();
        throw tapkey::szBrakBitmapy;
    }
    m_poprzedni.Attach(::SelectObject(m_hDC, m_obraz.m_hObject));
    m_bWybrany = TRUE;
}

T_obraz_dc::~T_obraz_dc()
{
    if (m_bWybrany) {
        ::SelectObject(m_hDC, m_poprzedni.Detach());
        m_bWybrany = FALSE;
    }
    DeleteDC();
    m_obraz.DeleteObject();
    m_poprzedni.DeleteObject();
}

CSize T_obraz_dc::Rozmiar() const
{
    BITMAP bm = {};
    if (m_obraz.m_hObject == NULL || !m_obraz.GetObject(sizeof bm, &bm))
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}
