#include <afxwin.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

// The characters live in a block behind a small header; an empty string shares one static block.
namespace {
struct StringData {
    int nDataLength;
    int nAllocLength;
    char* data() { return reinterpret_cast<char*>(this + 1); }
};

struct EmptyBlock {
    StringData header;
    char text[4];
};
EmptyBlock g_empty = {{0, 0}, {0}};

inline StringData* DataOf(LPSTR p) { return reinterpret_cast<StringData*>(p) - 1; }
inline LPSTR EmptyData() { return g_empty.header.data(); }
}  // namespace

void CString::Reserve(int nLength, bool keep) {
    StringData* pOld = DataOf(m_pchData);
    if (nLength <= pOld->nAllocLength) return;
    int nAlloc = nLength < 16 ? 16 : nLength + nLength / 2;
    StringData* pNew = static_cast<StringData*>(::operator new(sizeof(StringData) + nAlloc + 1));
    pNew->nAllocLength = nAlloc;
    pNew->nDataLength = keep ? pOld->nDataLength : 0;
    if (keep) std::memcpy(pNew->data(), m_pchData, pOld->nDataLength + 1);
    else pNew->data()[0] = 0;
    if (m_pchData != EmptyData()) ::operator delete(pOld);
    m_pchData = pNew->data();
}

void CString::Assign(LPCSTR lpch, int nLength) {
    if (nLength <= 0) {
        Empty();
        return;
    }
    if (lpch >= m_pchData && lpch <= m_pchData + GetLength()) {  // a part of this string
        CString copy(lpch, nLength);
        *this = copy;
        return;
    }
    Reserve(nLength, false);
    std::memcpy(m_pchData, lpch, nLength);
    m_pchData[nLength] = 0;
    DataOf(m_pchData)->nDataLength = nLength;
}

CString::CString() : m_pchData(EmptyData()) {}
CString::CString(const CString& s) : m_pchData(EmptyData()) { Assign(s.m_pchData, s.GetLength()); }
CString::CString(LPCSTR lpsz) : m_pchData(EmptyData()) {
    if (lpsz != NULL && HIWORD((DWORD_PTR)lpsz) == 0) LoadString(LOWORD((DWORD_PTR)lpsz));
    else if (lpsz != NULL) Assign(lpsz, (int)std::strlen(lpsz));
}
CString::CString(LPCSTR lpch, int nLength) : m_pchData(EmptyData()) {
    if (lpch != NULL) Assign(lpch, nLength);
}
CString::CString(char ch, int nRepeat) : m_pchData(EmptyData()) {
    if (nRepeat > 0) {
        Reserve(nRepeat, false);
        std::memset(m_pchData, ch, nRepeat);
        m_pchData[nRepeat] = 0;
        DataOf(m_pchData)->nDataLength = nRepeat;
    }
}
CString::~CString() {
    if (m_pchData != EmptyData()) ::operator delete(DataOf(m_pchData));
}

int CString::GetLength() const { return DataOf(m_pchData)->nDataLength; }

void CString::Empty() {
    if (m_pchData != EmptyData()) ::operator delete(DataOf(m_pchData));
    m_pchData = EmptyData();
}

char CString::GetAt(int nIndex) const {
    return (nIndex >= 0 && nIndex < GetLength()) ? m_pchData[nIndex] : 0;
}

void CString::SetAt(int nIndex, char ch) {
    if (nIndex >= 0 && nIndex < GetLength()) m_pchData[nIndex] = ch;
}

const CString& CString::operator=(const CString& s) {
    if (this != &s) Assign(s.m_pchData, s.GetLength());
    return *this;
}
const CString& CString::operator=(LPCSTR lpsz) {
    Assign(lpsz, lpsz ? (int)std::strlen(lpsz) : 0);
    return *this;
}
const CString& CString::operator=(char ch) {
    Assign(&ch, 1);
    return *this;
}

const CString& CString::operator+=(LPCSTR lpsz) {
    if (lpsz == NULL) return *this;
    int n = (int)std::strlen(lpsz);
    if (n == 0) return *this;
    if (lpsz >= m_pchData && lpsz <= m_pchData + GetLength()) {
        CString copy(lpsz);
        return *this += copy;
    }
    int nOld = GetLength();
    Reserve(nOld + n, true);
    std::memcpy(m_pchData + nOld, lpsz, n + 1);
    DataOf(m_pchData)->nDataLength = nOld + n;
    return *this;
}
const CString& CString::operator+=(const CString& s) {
    if (this == &s) {
        CString copy(s);
        return *this += copy.m_pchData;
    }
    return *this += s.m_pchData;
}
const CString& CString::operator+=(char ch) {
    char buf[2] = {ch, 0};
    if (ch == 0) return *this;
    return *this += buf;
}

CString AFXAPI operator+(const CString& s1, const CString& s2) { CString r(s1); r += s2; return r; }
CString AFXAPI operator+(const CString& s, LPCSTR lpsz) { CString r(s); r += lpsz; return r; }
CString AFXAPI operator+(LPCSTR lpsz, const CString& s) { CString r(lpsz); r += s; return r; }
CString AFXAPI operator+(const CString& s, char ch) { CString r(s); r += ch; return r; }

int CString::Compare(LPCSTR lpsz) const { return std::strcmp(m_pchData, lpsz ? lpsz : ""); }
int CString::CompareNoCase(LPCSTR lpsz) const { return lstrcmpiA(m_pchData, lpsz ? lpsz : ""); }

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength() - nFirst); }
CString CString::Mid(int nFirst, int nCount) const {
    if (nFirst < 0) nFirst = 0;
    if (nCount < 0) nCount = 0;
    if (nFirst > GetLength()) nFirst = GetLength();
    if (nFirst + nCount > GetLength()) nCount = GetLength() - nFirst;
    return CString(m_pchData + nFirst, nCount);
}
CString CString::Left(int nCount) const { return Mid(0, nCount); }
CString CString::Right(int nCount) const {
    if (nCount < 0) nCount = 0;
    if (nCount > GetLength()) nCount = GetLength();
    return CString(m_pchData + GetLength() - nCount, nCount);
}

void CString::MakeUpper() { if (GetLength()) CharUpperBuffA(m_pchData, GetLength()); }
void CString::MakeLower() { if (GetLength()) CharLowerBuffA(m_pchData, GetLength()); }

void CString::TrimLeft() {
    int i = 0;
    while (i < GetLength() && std::isspace((unsigned char)m_pchData[i])) ++i;
    if (i) *this = Mid(i);
}
void CString::TrimRight() {
    int n = GetLength();
    while (n > 0 && std::isspace((unsigned char)m_pchData[n - 1])) --n;
    if (n != GetLength()) {
        m_pchData[n] = 0;
        DataOf(m_pchData)->nDataLength = n;
    }
}

int CString::Find(char ch) const {
    const char* p = std::strchr(m_pchData, ch);
    return p ? int(p - m_pchData) : -1;
}
int CString::Find(LPCSTR lpszSub) const {
    const char* p = std::strstr(m_pchData, lpszSub ? lpszSub : "");
    return p ? int(p - m_pchData) : -1;
}
int CString::ReverseFind(char ch) const {
    const char* p = std::strrchr(m_pchData, ch);
    return p ? int(p - m_pchData) : -1;
}

void CString::FormatV(LPCSTR lpszFormat, va_list argList) {
    va_list copy;
    va_copy(copy, argList);
    int n = std::vsnprintf(NULL, 0, lpszFormat, copy);
    va_end(copy);
    if (n <= 0) {
        Empty();
        return;
    }
    CString result;
    result.Reserve(n, false);
    std::vsnprintf(result.m_pchData, n + 1, lpszFormat, argList);
    DataOf(result.m_pchData)->nDataLength = n;
    *this = result;
}

void AFX_CDECL CString::Format(LPCSTR lpszFormat, ...) {
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

BOOL CString::LoadString(UINT nID) {
    char buf[1024];
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA((nID >> 4) + 1), MAKEINTRESOURCEA(6) /* RT_STRING */);
    int n = ::LoadStringA(hInst, nID, buf, sizeof(buf));
    if (n <= 0) {
        Empty();
        return FALSE;
    }
    Assign(buf, n);
    return TRUE;
}

LPSTR CString::GetBuffer(int nMinBufLength) {
    if (nMinBufLength < GetLength()) nMinBufLength = GetLength();
    if (nMinBufLength == 0) nMinBufLength = 1;
    Reserve(nMinBufLength, true);
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength) {
    if (m_pchData == EmptyData()) return;
    int nAlloc = DataOf(m_pchData)->nAllocLength;
    if (nNewLength < 0) nNewLength = (int)strnlen(m_pchData, nAlloc);
    if (nNewLength > nAlloc) nNewLength = nAlloc;
    m_pchData[nNewLength] = 0;
    DataOf(m_pchData)->nDataLength = nNewLength;
}

LPSTR CString::GetBufferSetLength(int nNewLength) {
    if (nNewLength < 0) nNewLength = 0;
    GetBuffer(nNewLength);
    if (m_pchData != EmptyData()) {
        m_pchData[nNewLength] = 0;
        DataOf(m_pchData)->nDataLength = nNewLength;
    }
    return m_pchData;
}
