// Tapkey.dll start-up: the module joins the resource chain; everything else starts with T_morse.
// At unloading the window classes of the module go, so that no class keeps a procedure in an
// unloaded image.
#include "TapkeyModule.h"

#include <afxwin.h>
#include <afxdllx.h>

#include "TapkeyErrors.h"

namespace {

AFX_EXTENSION_MODULE g_tapkeyModule = {FALSE, NULL, NULL};
HINSTANCE g_hModul = NULL;
const char* g_klasy[4] = {};  // names of the registered classes (string literals)

void Zapamietaj_klase(const char* szNazwa)
{
    for (const char*& k : g_klasy) {
        if (k == szNazwa)
            return;
        if (k == nullptr) {
            k = szNazwa;
            return;
        }
    }
}

}  // namespace

HINSTANCE tapkey::Modul()
{
    return g_hModul;
}

void tapkey::Klasa_okna(const char* szNazwa, WNDPROC pProc, HCURSOR hKursor)
{
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = pProc;
    wc.cbWndExtra = sizeof(void*);
    wc.hInstance = g_hModul;
    wc.hCursor = hKursor;
    wc.lpszClassName = szNazwa;
    if (::RegisterClassA(&wc) == 0) {
        if (::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            throw szBrakOkna;
        WNDCLASSA jest = {};
        if (!::GetClassInfoA(g_hModul, szNazwa, &jest) || jest.lpfnWndProc != pProc ||
            jest.cbWndExtra < int(sizeof(void*)))
            throw szObcaKlasa;
    }
    Zapamietaj_klase(szNazwa);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        g_hModul = hInstance;
        if (!AfxInitExtensionModule(g_tapkeyModule, hInstance)) return FALSE;
        new CDynLinkLibrary(g_tapkeyModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        // Fails for a class whose windows the host has not destroyed; nothing more can be done.
        for (const char* k : g_klasy)
            if (k != nullptr) ::UnregisterClassA(k, hInstance);
        AfxTermExtensionModule(g_tapkeyModule);
    }
    return TRUE;
}
