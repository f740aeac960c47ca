// The Morse widget and its character board (no platform counterpart).
#include <tapkey/tapkey.h>

#include "Bench.h"

namespace {

T_morse* g_pMorse = nullptr;
void DestroyMorse() {
    delete g_pMorse;
    g_pMorse = nullptr;
}

HWND Widget(CWnd* pParent, CRect rc) {
    char path[] = "";
    g_pMorse = new T_morse(::GetModuleHandleA(NULL), pParent->m_hWnd, path, rc.left, rc.top, rc.Width(),
                           rc.Height(), 0, 0, 0, 0);
    return *g_pMorse;
}

HWND Board(CWnd* pParent, CRect rc) {
    return ::FindWindowExA(Widget(pParent, rc), NULL, "ABC", NULL);
}

BenchCaseRegistrar g_widget({"morse widget", CSize(330, 430), &Widget, nullptr, &DestroyMorse});
BenchCaseRegistrar g_board({"morse board", CSize(330, 430), &Board, nullptr, &DestroyMorse});

}  // namespace
