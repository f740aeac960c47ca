// Loads sonet_static_player.dll, starts a long sound on a captured device, then either frees the
// library ("free") or ends the process with it loaded ("exit"). Either way the player's static
// destructor runs under the loader lock and must not wait there for ever: the process must end.
#include "TestWave.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Started before the library is freed: a thread that starts under a held loader lock never runs.
DWORD WINAPI Watchdog(LPVOID) {
    Sleep(15000);
    std::printf("FreeLibrary did not return\n");
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 5);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const char* capture = std::getenv("KELM_CAPTURE_FILE");
    if (argc < 2 || capture == nullptr) return 2;
    const std::string captured = std::string("Z:") + capture;
    CloseHandle(CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr));
    st::TempFile wave(st::IndexedWave(20 * 44100));
    HMODULE h = LoadLibraryA("sonet_static_player.dll");
    typedef void (*StartFn)(const char*);
    const StartFn start = h ? reinterpret_cast<StartFn>(reinterpret_cast<void*>(GetProcAddress(h, "StartPlaying"))) : nullptr;
    if (!start) return 3;
    start(wave.name());
    bool playing = false;
    for (int i = 0; i < 200 && !playing; ++i, Sleep(10)) {
        WIN32_FILE_ATTRIBUTE_DATA a;
        playing = GetFileAttributesExA(captured.c_str(), GetFileExInfoStandard, &a) && a.nFileSizeLow > 44 + 4000;
    }
    if (!playing) {
        std::printf("the sound did not start\n");
        return 4;
    }
    if (std::strcmp(argv[1], "free") == 0) {
        FreeLibrary(h);
        std::printf("freed the library of a playing player\n");
    } else {
        std::printf("ending the process with a playing player\n");
    }
    std::fflush(stdout);
    return 0;
}
