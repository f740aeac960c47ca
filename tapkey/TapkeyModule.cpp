// Tapkey.dll start-up: the module joins the resource chain; everything else starts with T_morse.
#include <afxwin.h>
#include <afxdllx.h>

static AFX_EXTENSION_MODULE g_tapkeyModule = {FALSE, NULL, NULL};

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_tapkeyModule, hInstance)) return FALSE;
        new CDynLinkLibrary(g_tapkeyModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_tapkeyModule);
    }
    return TRUE;
}
