// A host that loads Tapkey.dll, makes and deletes a widget, frees the library and loads it again
// at another address (the old one is kept reserved): a new widget must work, not run a window
// procedure of the unloaded image.
#include <windows.h>
#include <tapkey/T_morse.h>  // for the object's size only: nothing is imported from Tapkey.dll

#include <cstdio>

namespace {

typedef void(__thiscall* Constructor)(void* self, HINSTANCE, HWND, char*, int, int, int, int, int, int, int, int);
typedef void(__thiscall* Destructor)(void* self);

alignas(16) unsigned char g_object[sizeof(T_morse)];

void Pump(DWORD ms) {
    const DWORD start = ::GetTickCount();
    MSG msg;
    do {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (::GetTickCount() - start < ms);
}

// The cell of E on the board is flashed (yellow).
bool EFlashed(HWND hBoard) {
    HDC dc = ::GetDC(hBoard);
    const COLORREF c = ::GetPixel(dc, 7 * 32 + 2, 2);
    ::ReleaseDC(hBoard, dc);
    return GetRValue(c) >= 200 && GetGValue(c) >= 200 && GetBValue(c) < 64;
}

// Makes a widget, keys a dot, waits for E on the board and deletes the widget.
bool KeyAnE(HMODULE h, HWND host) {
    const Constructor construct = (Constructor)::GetProcAddress(h, "_ZN7T_morseC1EP11HINSTANCE__P6HWND__Pciiiiiiii");
    const Destructor destruct = (Destructor)::GetProcAddress(h, "_ZN7T_morseD1Ev");
    if (construct == nullptr || destruct == nullptr) {
        std::printf("T_morse not exported\n");
        return false;
    }
    char path[] = "";
    try {
        construct(g_object, ::GetModuleHandleA(nullptr), host, path, 0, 0, 330, 425, 0, 0, 0, 0);
    } catch (const char* msg) {
        std::printf("construction failed: %s\n", msg);
        return false;
    }
    const HWND w = ::FindWindowExA(host, nullptr, "MORSE", nullptr);
    const HWND board = w ? ::FindWindowExA(w, nullptr, "ABC", nullptr) : nullptr;
    bool flashed = false;
    if (board != nullptr) {
        ::SendMessageA(w, WM_LBUTTONDOWN, 0, MAKELPARAM(100, 45));
        for (int i = 0; i < 300 && !flashed; ++i) Pump(10), flashed = EFlashed(board);
    }
    destruct(g_object);
    Pump(50);
    if (!flashed) std::printf("no E on the board\n");
    return flashed;
}

}  // namespace

int main() {
    if (::GetModuleHandleA("Tapkey.dll") != nullptr) {
        std::printf("Tapkey.dll is loaded already\n");
        return 3;
    }
    HWND host = ::CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 360, 460, nullptr,
                                  nullptr, ::GetModuleHandleA(nullptr), nullptr);
    HMODULE h = ::LoadLibraryA("Tapkey.dll");
    if (h == nullptr || !KeyAnE(h, host)) return 4;

    const IMAGE_NT_HEADERS* nt = (const IMAGE_NT_HEADERS*)((const BYTE*)h + ((const IMAGE_DOS_HEADER*)h)->e_lfanew);
    const SIZE_T size = nt->OptionalHeader.SizeOfImage;
    void* const oldBase = h;
    ::FreeLibrary(h);
    if (::GetModuleHandleA("Tapkey.dll") != nullptr) {
        std::printf("Tapkey.dll stayed loaded\n");
        return 5;
    }
    // Keep the old place taken, so that a stale procedure would point into nothing.
    if (::VirtualAlloc(oldBase, size, MEM_RESERVE, PAGE_NOACCESS) == nullptr) {
        std::printf("cannot reserve the old image's place\n");
        return 6;
    }
    h = ::LoadLibraryA("Tapkey.dll");
    if (h == nullptr || (void*)h == oldBase) {
        std::printf("Tapkey.dll not loaded again at another place\n");
        return 7;
    }
    const bool ok = KeyAnE(h, host);
    ::FreeLibrary(h);
    ::DestroyWindow(host);
    std::printf(ok ? "reloaded module: ok\n" : "reloaded module: FAILED\n");
    return ok ? 0 : 8;
}
