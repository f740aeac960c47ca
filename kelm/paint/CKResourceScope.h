/// @file
/// Makes a library's own module the current resource module for a scope.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>

/// Finds the module by name (throwing "Błędna nazwa modułu !" when it is not loaded), makes it
/// the module state's current resource handle, and restores the previous handle on destruction,
/// also when an exception passes.
class KELM_API CKResourceScope {
public:
    /// Makes the loaded module pszModule the current resource module.
    explicit CKResourceScope(const char* pszModule = "Kelm.dll");
    ~CKResourceScope();
    CKResourceScope(const CKResourceScope&) = delete;
    CKResourceScope& operator=(const CKResourceScope&) = delete;
    /// The module made current.
    HINSTANCE Module() const { return m_hModule; }

private:
    HINSTANCE m_hModule;
    HINSTANCE m_hSaved;
};
