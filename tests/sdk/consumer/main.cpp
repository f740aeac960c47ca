// A host built against the installed SDK: it paints a mask in the library's look through the
// exported painter and checks the result, so the headers, import libraries and DLLs all agree.
#include <kelm/kelm.h>
#include <tapkey/tapkey.h>

#include <cstdio>

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
    ::DestroyWindow(hHost);
    if (!bShown) {
        std::printf("sdk consumer: the Morse widget did not show\n");
        return 1;
    }
    std::printf("sdk consumer: ok\n");
    return 0;
}
