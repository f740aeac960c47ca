// Loads and frees Kelm.dll again and again, drawing arrows each time, and checks that the
// process can make as many GDI objects afterwards as before: what the library loads for its
// arrows goes when it unloads. Exit code 0 when it holds.
#include <afxwin.h>
#include <kelm/paint/CKStdPainter.h>

#include <cstdio>

#include "GdiBudget.h"

namespace {

const char kDrawArrow[] = "_ZN12CKStdPainter9DrawArrowEP3CDC5CRect4EDirb";
typedef decltype(&CKStdPainter::DrawArrow) DrawArrowFn;
const int kRounds = 30;

bool DrawOnce(CDC& mask) {
    HMODULE hKelm = ::LoadLibraryA("Kelm.dll");
    if (hKelm == NULL) return false;
    DrawArrowFn draw = (DrawArrowFn)(void*)::GetProcAddress(hKelm, kDrawArrow);
    bool ok = draw != NULL;
    if (ok) {
        try {
            for (int dir = dirUp; dir <= dirDropUp; ++dir) draw(&mask, CRect(0, 0, 15, 15), (EDir)dir, true);
        } catch (const char* msg) {
            std::printf("DrawArrow threw \"%s\"\n", msg);
            ok = false;
        }
    }
    ::FreeLibrary(hKelm);
    return ok && ::GetModuleHandleA("Kelm.dll") == NULL;
}

}  // namespace

int main() {
    CDC mask;
    mask.CreateCompatibleDC(NULL);
    HBITMAP hBitmap = ::CreateBitmap(16, 16, 1, 1, NULL);
    HGDIOBJ hOld = ::SelectObject(mask.m_hDC, hBitmap);
    if (!DrawOnce(mask)) return 2;  // the first round may make what stays for good
    const int nBefore = kt::FreeGdiHandles();
    for (int i = 0; i < kRounds; ++i)
        if (!DrawOnce(mask)) return 3;
    const int nAfter = kt::FreeGdiHandles();
    ::SelectObject(mask.m_hDC, hOld);
    ::DeleteObject(hBitmap);
    std::printf("%d rounds: %d GDI handles free before, %d after\n", kRounds, nBefore, nAfter);
    return nAfter >= nBefore - kRounds ? 0 : 1;
}
