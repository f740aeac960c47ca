// A host built against the installed SDK: it paints a mask in the library's look through the
// exported painter and checks the result, so the headers, import libraries and DLLs all agree.
// Then it plays a character through the Morse widget with the SDK's sounds (copied to sounds/
// beside the program); when KELM_CAPTURE_FILE names the file a captured wave device writes,
// the dot's sound must arrive there.
#include <kelm/kelm.h>
#include <tapkey/tapkey.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string SoundFolder() {
    char exe[MAX_PATH] = "";
    ::GetModuleFileNameA(NULL, exe, MAX_PATH);
    const std::string path(exe);
    return path.substr(0, path.find_last_of("\\/") + 1) + "sounds\\";
}

std::vector<char> ReadAll(const std::string& name) {
    std::vector<char> b;
    HANDLE h = ::CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0,
                             NULL);
    if (h == INVALID_HANDLE_VALUE) return b;
    b.resize(::GetFileSize(h, NULL));
    DWORD got = 0;
    ::ReadFile(h, b.data(), DWORD(b.size()), &got, NULL);
    ::CloseHandle(h);
    b.resize(got);
    return b;
}

// The samples of a WAVE file: what follows its "data" chunk header.
std::string Samples(const std::vector<char>& wave) {
    const std::string s(wave.begin(), wave.end());
    const size_t at = s.find("data", 12);
    return at == std::string::npos || at + 8 > s.size() ? std::string() : s.substr(at + 8);
}

// Types E on the widget made with the installed sounds; a captured device must receive the dot.
bool PlaysThroughTheSdkSounds(HWND hHost) {
    std::string folder = SoundFolder();
    T_morse morse(::GetModuleHandleA(NULL), hHost, &folder[0], 5, 5, 330, 430, 0, 0, 0, 0);
    ::SendMessageA(morse, WM_CHAR, 'e', 1);
    const char* capture = std::getenv("KELM_CAPTURE_FILE");
    const std::string dot = Samples(ReadAll(folder + "M_KROPKA.WAV")).substr(0, 2000);
    for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < 3000;) {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
        if (capture == NULL || (!dot.empty() && Samples(ReadAll(std::string("Z:") + capture)).find(dot) != std::string::npos))
            return true;
        ::Sleep(10);
    }
    std::printf("sdk consumer: the dot of %sM_KROPKA.WAV did not reach the wave device\n", folder.c_str());
    return false;
}

}  // namespace

int main() {
    CKBitmapDC colour(NULL, 16, 16);
    CKMonoBitmapDC mask(&colour, 16, 16);
    mask.PatBlt(0, 0, 16, 16, BLACKNESS);
    colour.FillSolidRect(0, 0, 16, 16, RGB(1, 2, 3));
    CKMaskPainter painter(NULL);
    painter.PaintWithMask(&colour, &mask, CRect(0, 0, 16, 16), ctDisabled, CPoint(0, 0), true, false, true);
    const COLORREF got = colour.GetPixel(5, 5), want = painter.GetColor(ctDisabled, true);
    if (got != want || want != 0x8080A0) {
        std::printf("sdk consumer: painted %06lx, expected %06lx\n", (unsigned long)got, (unsigned long)want);
        return 1;
    }
    if (BrdPart(24, 1, 3) != 0x31000000u) {
        std::printf("sdk consumer: exports do not match\n");
        return 1;
    }
    // The code table is exported with the widget.
    Kod_morsea keyed{};
    const unsigned char l[] = {KROPKA, KRESKA, KROPKA, KROPKA};
    for (unsigned char e : l) Dodaj_element(keyed, e);
    if (Rozpoznaj_znak(keyed) != 'L' || Kod_znaku(Litera_wewnetrzna('\xA3')).count != 5 ||
        czy_identyczne(Tablica_kodow['S' - TABLICA_PIERWSZY], Kod_znaku('S')) != 1) {
        std::printf("sdk consumer: the Morse code table does not answer\n");
        return 1;
    }
    // The Morse widget on a host window: Tapkey's export, its pictures and its window classes.
    HWND hHost = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 340, 440, NULL, NULL,
                                   ::GetModuleHandleA(NULL), NULL);
    bool bShown = false;
    {
        char path[] = "";
        T_morse morse(::GetModuleHandleA(NULL), hHost, path, 5, 5, 330, 430, 0, 0, 0, 0);
        bShown = ::IsWindowVisible(morse) != FALSE;
    }
    if (!bShown) {
        std::printf("sdk consumer: the Morse widget did not show\n");
        return 1;
    }
    const bool bPlayed = PlaysThroughTheSdkSounds(hHost);
    ::DestroyWindow(hHost);
    if (!bPlayed) return 1;
    std::printf("sdk consumer: ok\n");
    return 0;
}
