#include <afx.h>

#include <vector>

namespace {
// The classes FromName knows, guarded for DLLs loaded and unloaded on other threads. Never
// destroyed: static objects of other modules may leave the list after this module's exit code.
struct ClassList {
    CRITICAL_SECTION lock;
    std::vector<CRuntimeClass*> classes;
    ClassList() { ::InitializeCriticalSection(&lock); }
};
ClassList& Classes() {
    static ClassList* pList = new ClassList;
    return *pList;
}
}  // namespace

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass) : m_pClass(pNewClass) {
    ClassList& list = Classes();
    ::EnterCriticalSection(&list.lock);
    list.classes.push_back(pNewClass);
    ::LeaveCriticalSection(&list.lock);
}

AFX_CLASSINIT::~AFX_CLASSINIT() {
    ClassList& list = Classes();
    ::EnterCriticalSection(&list.lock);
    for (size_t i = list.classes.size(); i-- > 0;)
        if (list.classes[i] == m_pClass) {
            list.classes.erase(list.classes.begin() + (std::ptrdiff_t)i);
            break;
        }
    ::LeaveCriticalSection(&list.lock);
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName) {
    if (lpszClassName == NULL) return NULL;
    ClassList& list = Classes();
    CRuntimeClass* pFound = NULL;
    ::EnterCriticalSection(&list.lock);
    for (CRuntimeClass* p : list.classes)
        if (lstrcmpA(p->m_lpszClassName, lpszClassName) == 0) {
            pFound = p;
            break;
        }
    ::LeaveCriticalSection(&list.lock);
    return pFound;
}

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
