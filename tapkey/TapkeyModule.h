// Tapkey.dll's own module: its handle and the window classes registered for it.
#pragma once
#include <windows.h>

namespace tapkey {

// The module handle Tapkey.dll was loaded with.
HINSTANCE Modul();

// Registers a window class of Tapkey's module (style CS_HREDRAW | CS_VREDRAW, one pointer of
// extra window bytes), or accepts it when it is registered already with the same window
// procedure. Throws szObcaKlasa when a class of that name registered for Tapkey's module has
// another procedure, szBrakOkna when it cannot be registered. The classes are unregistered
// when the library unloads, so a library loaded again never finds a procedure of the old one.
void Klasa_okna(const char* szNazwa, WNDPROC pProc, HCURSOR hKursor);

}  // namespace tapkey
