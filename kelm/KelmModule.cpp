// Kelm.dll start-up and shutdown.
#include <afxwin.h>
#include <afxdllx.h>

static AFX_EXTENSION_MODULE g_kelmModule = {FALSE, NULL, NULL};

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_kelmModule, hInstance)) return FALSE;
        new CDynLinkLibrary(g_kelmModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_kelmModule);
    }
    return TRUE;
}
