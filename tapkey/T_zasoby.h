// Makes Tapkey.dll the current resource module for a scope.
#pragma once
#include <afxwin.h>

// Finds the module by its file name (throwing "Błędna nazwa modułu !" when no module of that
// name is loaded), makes it the module state's current resource handle, and restores the
// previous handle when the scope ends, also when an exception passes.
class T_zasoby {
public:
    T_zasoby();
    ~T_zasoby();
    T_zasoby(const T_zasoby&) = delete;
    T_zasoby& operator=(const T_zasoby&) = delete;

private:
    HINSTANCE m_hPoprzedni;
};
