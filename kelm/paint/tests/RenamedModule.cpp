// Loads a copy of Kelm.dll under another file name into a process that has no Kelm.dll, and
// checks that loading the library's own glyphs throws "Błędna nazwa modułu !".
#include <afxwin.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    char dir[MAX_PATH];
    ::GetTempPathA(sizeof dir, dir);
    char copy[MAX_PATH];
    std::snprintf(copy, sizeof copy, "%sKelmRenamed%lu.dll", dir, ::GetCurrentProcessId());
    if (!::CopyFileA(argv[1], copy, FALSE)) {
        std::printf("cannot copy %s\n", argv[1]);
        return 3;
    }
    int rc = 1;
    HMODULE h = ::LoadLibraryA(copy);
    if (h == NULL) {
        std::printf("cannot load the copy\n");
        rc = 4;
    } else {
        typedef void (*DrawArrowFn)(CDC*, CRect, int, bool);
        DrawArrowFn draw = (DrawArrowFn)::GetProcAddress(h, "_ZN12CKStdPainter9DrawArrowEP3CDC5CRect4EDirb");
        if (draw == NULL) {
            std::printf("DrawArrow not exported\n");
            rc = 5;
        } else {
            CDC dc;
            dc.CreateCompatibleDC(NULL);
            try {
                draw(&dc, CRect(0, 0, 15, 15), 0, true);
                std::printf("no exception\n");
            } catch (const char* msg) {
                rc = std::strcmp(msg, "Błędna nazwa modułu !") == 0 ? 0 : 6;
                std::printf("caught \"%s\"\n", msg);
            }
        }
        ::FreeLibrary(h);
    }
    ::DeleteFileA(copy);
    std::printf(rc == 0 ? "renamed module: ok\n" : "renamed module: FAILED\n");
    return rc;
}
