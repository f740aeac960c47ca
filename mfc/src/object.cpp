#include <afx.h>

CObject* CRuntimeClass::CreateObject() {
    return m_pfnCreateObject != NULL ? (*m_pfnCreateObject)() : NULL;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
    for (const CRuntimeClass* p = this; p != NULL; p = p->m_pfnGetBaseClass ? p->m_pfnGetBaseClass() : NULL)
        if (p == pBaseClass) return TRUE;
    return FALSE;
}

const CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, NULL, NULL};

CObject::CObject() {}
CObject::~CObject() {}
CRuntimeClass* PASCAL CObject::_GetBaseClass() { return NULL; }
CRuntimeClass* PASCAL CObject::GetThisClass() { return const_cast<CRuntimeClass*>(&classCObject); }
CRuntimeClass* CObject::GetRuntimeClass() const { return GetThisClass(); }

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}
