#include "CKResourceScope.h"

#include "KelmErrors.h"

namespace kelm {
const char* const szNoDC = "Nie można utworzyć DC - brak zasobów?";
const char* const szNoBitmap = "Nie można utworzyć bitmapy - brak zasobów?";
const char* const szNoModule = "Błędna nazwa modułu !";
}  // namespace kelm

CKResourceScope::CKResourceScope(const char* pszModule) : m_hModule(::GetModuleHandleA(pszModule)), m_hSaved(NULL) {
    if (m_hModule == NULL) throw kelm::szNoModule;
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    m_hSaved = pState->m_hCurrentResourceHandle;
    pState->m_hCurrentResourceHandle = m_hModule;
}

CKResourceScope::~CKResourceScope() {
    AfxGetModuleState()->m_hCurrentResourceHandle = m_hSaved;
}
