// Loads a copy of Tapkey.dll under another file name into a process that has no Tapkey.dll, and
// checks that constructing the widget throws "Błędna nazwa modułu !", leaves no window behind
// and keeps the current resource module.
#include <afxwin.h>
#include <tapkey/T_morse.h>  // for the object's size only: nothing is imported from Tapkey.dll

#include <cstdio>
#include <cstring>

namespace {

typedef void(__thiscall* Constructor)(void* self, HINSTANCE, HWND, char*, int, int, int, int, int, int, int, int);
typedef void(__thiscall* Destructor)(void* self);

int Check(HMODULE h) {
    const Constructor construct =
        (Constructor)::GetProcAddress(h, "_ZN7T_morseC1EP11HINSTANCE__P6HWND__Pciiiiiiii");
    const Destructor destruct = (Destructor)::GetProcAddress(h, "_ZN7T_morseD1Ev");
    if (construct == NULL || destruct == NULL) {
        std::printf("T_morse not exported\n");
        return 5;
    }
    HWND host = ::CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 360, 460, NULL, NULL,
                                  ::GetModuleHandleA(NULL), NULL);
    const HINSTANCE hResource = AfxGetModuleState()->m_hCurrentResourceHandle;
    alignas(16) static unsigned char object[sizeof(T_morse)];
    char path[] = "";
    int rc = 1;
    try {
        construct(object, ::GetModuleHandleA(NULL), host, path, 0, 0, 330, 425, 0, 0, 0, 0);
        std::printf("no exception\n");
        destruct(object);
    } catch (const char* msg) {
        std::printf("caught \"%s\"\n", msg);
        rc = std::strcmp(msg, "Błędna nazwa modułu !") == 0 ? 0 : 6;
    }
    if (rc == 0 && ::FindWindowExA(host, NULL, NULL, NULL) != NULL) {
        std::printf("a window was left behind\n");
        rc = 7;
    }
    if (rc == 0 && AfxGetModuleState()->m_hCurrentResourceHandle != hResource) {
        std::printf("the resource module was changed\n");
        rc = 8;
    }
    ::DestroyWindow(host);
    return rc;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    if (::GetModuleHandleA("Tapkey.dll") != NULL) {
        std::printf("Tapkey.dll is loaded already\n");
        return 3;
    }
    char dir[MAX_PATH];
    ::GetTempPathA(sizeof dir, dir);
    char copy[MAX_PATH];
    std::snprintf(copy, sizeof copy, "%sTapkeyRenamed%lu.dll", dir, ::GetCurrentProcessId());
    if (!::CopyFileA(argv[1], copy, FALSE)) {
        std::printf("cannot copy %s\n", argv[1]);
        return 3;
    }
    int rc = 4;
    if (HMODULE h = ::LoadLibraryA(copy)) {
        rc = Check(h);
        ::FreeLibrary(h);
    } else {
        std::printf("cannot load the copy\n");
    }
    ::DeleteFileA(copy);
    std::printf(rc == 0 ? "renamed module: ok\n" : "renamed module: FAILED\n");
    return rc;
}
