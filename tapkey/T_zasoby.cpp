#include "T_zasoby.h"

#include "TapkeyErrors.h"

namespace tapkey {
const char* const szBrakDC = "Nie można utworzyć DC - brak zasobów?";
const char* const szBrakBitmapy = "Nie można utworzyć bitmapy - brak zasobów?";
const char* const szBrakModulu = "Błędna nazwa modułu !";
const char* const szDlugaSciezka = "Zbyt długa ścieżka do plików dźwiękowych !";
const char* const szBrakOkna = "Nie można utworzyć okna - błędne okno nadrzędne?";
const char* const szObcaKlasa = "Klasa okna o tej nazwie należy do innego modułu !";
}  // namespace tapkey

T_zasoby::T_zasoby() : m_hPoprzedni(NULL)
{
    const HINSTANCE hModul = ::GetModuleHandleA("Tapkey.dll");
    if (hModul == NULL)
        throw tapkey::szBrakModulu;
    AFX_MODULE_STATE* pStan = AfxGetModuleState();
    m_hPoprzedni = pStan->m_hCurrentResourceHandle;
    pStan->m_hCurrentResourceHandle = hModul;
}

T_zasoby::~T_zasoby()
{
    AfxGetModuleState()->m_hCurrentResourceHandle = m_hPoprzedni;
}
