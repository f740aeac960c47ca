// Core classes: CObject with run-time class information, CString, diagnostics.
#pragma once
#include "afxver_.h"
#include <cstdarg>
#include <cstddef>

#ifndef ASSERT
#define ASSERT(f) ((void)0)
#endif
#ifndef VERIFY
#define VERIFY(f) ((void)(f))
#endif
#ifndef ASSERT_VALID
#define ASSERT_VALID(p) ((void)0)
#endif
#ifndef TRACE
#define TRACE(...) ((void)0)
#endif
#define UNUSED_ALWAYS(x) ((void)(x))

class CObject;
class CArchive;

struct AFX_API CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (PASCAL* m_pfnCreateObject)();
    CRuntimeClass* (PASCAL* m_pfnGetBaseClass)();

    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    // The class of that name among those made with IMPLEMENT_DYNAMIC, _DYNCREATE (or NULL).
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
};

// Adds a run-time class to the list FromName searches while the object lives (a DLL's classes
// leave the list when it is unloaded).
struct AFX_API AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
    ~AFX_CLASSINIT();
    AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
    AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;
    CRuntimeClass* m_pClass;
};

class AFX_API CObject {
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();
    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    static CRuntimeClass* PASCAL _GetBaseClass();
    static CRuntimeClass* PASCAL GetThisClass();
    static const CRuntimeClass classCObject;

protected:
    CObject();

private:
    CObject(const CObject&) = delete;
    void operator=(const CObject&) = delete;
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                            \
public:                                                        \
    static CRuntimeClass* PASCAL _GetBaseClass();              \
    static CRuntimeClass* PASCAL GetThisClass();               \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name)   \
    DECLARE_DYNAMIC(class_name)         \
    static CObject* PASCAL CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                      \
    CRuntimeClass* PASCAL class_name::_GetBaseClass() { return RUNTIME_CLASS(base_class_name); } \
    CRuntimeClass* PASCAL class_name::GetThisClass() {                                           \
        static CRuntimeClass rc = {#class_name, sizeof(class class_name), wSchema, pfnNew,       \
                                   &class_name::_GetBaseClass};                                  \
        return &rc;                                                                              \
    }                                                                                            \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }      \
    static const AFX_CLASSINIT afxClassInit_##class_name(class_name::GetThisClass());

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                      \
    CObject* PASCAL class_name::CreateObject() { return new class_name; }     \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define DYNAMIC_DOWNCAST(class_name, object) \
    ((object) != NULL && (object)->IsKindOf(RUNTIME_CLASS(class_name)) ? static_cast<class_name*>(object) : NULL)
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))

// An 8-bit string whose object is one pointer to its characters, so that it can be passed
// to printf-style functions as "%s".
class AFX_API CString {
public:
    CString();
    CString(const CString& stringSrc);
    CString(LPCSTR lpsz);
    CString(LPCSTR lpch, int nLength);
    CString(char ch, int nRepeat = 1);
    ~CString();

    int GetLength() const;
    BOOL IsEmpty() const { return GetLength() == 0; }
    void Empty();
    char GetAt(int nIndex) const;
    char operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, char ch);
    operator LPCSTR() const { return m_pchData; }

    const CString& operator=(const CString& stringSrc);
    const CString& operator=(LPCSTR lpsz);
    const CString& operator=(char ch);
    const CString& operator+=(const CString& string);
    const CString& operator+=(LPCSTR lpsz);
    const CString& operator+=(char ch);
    friend AFX_API CString AFXAPI operator+(const CString& s1, const CString& s2);
    friend AFX_API CString AFXAPI operator+(const CString& s, LPCSTR lpsz);
    friend AFX_API CString AFXAPI operator+(LPCSTR lpsz, const CString& s);
    friend AFX_API CString AFXAPI operator+(const CString& s, char ch);

    int Compare(LPCSTR lpsz) const;
    int CompareNoCase(LPCSTR lpsz) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    void MakeUpper();
    void MakeLower();
    void TrimLeft();
    void TrimRight();
    int Find(char ch) const;
    int Find(LPCSTR lpszSub) const;
    int ReverseFind(char ch) const;
    void AFX_CDECL Format(LPCSTR lpszFormat, ...);
    void FormatV(LPCSTR lpszFormat, va_list argList);
    BOOL LoadString(UINT nID);

    LPSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    LPSTR GetBufferSetLength(int nNewLength);

private:
    void Assign(LPCSTR lpch, int nLength);
    void Reserve(int nLength, bool keep);
    LPSTR m_pchData;
};

inline bool operator==(const CString& s1, const CString& s2) { return s1.Compare(s2) == 0; }
inline bool operator==(const CString& s1, LPCSTR s2) { return s1.Compare(s2) == 0; }
inline bool operator==(LPCSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
inline bool operator!=(const CString& s1, const CString& s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
inline bool operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
inline bool operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }

typedef void* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)
