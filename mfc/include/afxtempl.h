// Collection templates: CArray and CList with MFC's interfaces.
#pragma once
#include "afx.h"
#include <new>
#include <utility>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    CArray() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}
    ~CArray() { SetSize(0); ::operator delete(m_pData); }

    int GetSize() const { return m_nSize; }
    int GetCount() const { return m_nSize; }
    int GetUpperBound() const { return m_nSize - 1; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    void SetSize(int nNewSize, int nGrowBy = -1);
    void FreeExtra() {}
    void RemoveAll() { SetSize(0); }
    TYPE GetAt(int nIndex) const { return m_pData[nIndex]; }
    void SetAt(int nIndex, ARG_TYPE newElement) { m_pData[nIndex] = newElement; }
    TYPE& ElementAt(int nIndex) { return m_pData[nIndex]; }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }
    void SetAtGrow(int nIndex, ARG_TYPE newElement) {
        if (nIndex >= m_nSize) SetSize(nIndex + 1);
        m_pData[nIndex] = newElement;
    }
    int Add(ARG_TYPE newElement) {
        int nIndex = m_nSize;
        TYPE copy = newElement;  // newElement may live in this array
        SetSize(m_nSize + 1);
        m_pData[nIndex] = copy;
        return nIndex;
    }
    int Append(const CArray& src) {
        int nOldSize = m_nSize;
        SetSize(m_nSize + src.m_nSize);
        for (int i = 0; i < src.m_nSize; ++i) m_pData[nOldSize + i] = src.m_pData[i];
        return nOldSize;
    }
    void Copy(const CArray& src) {
        if (this == &src) return;
        SetSize(src.m_nSize);
        for (int i = 0; i < m_nSize; ++i) m_pData[i] = src.m_pData[i];
    }
    TYPE operator[](int nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](int nIndex) { return ElementAt(nIndex); }
    void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1);
    void RemoveAt(int nIndex, int nCount = 1);

protected:
    TYPE* m_pData;
    int m_nSize;
    int m_nMaxSize;
    int m_nGrowBy;
};

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(int nNewSize, int nGrowBy) {
    if (nGrowBy != -1) m_nGrowBy = nGrowBy;
    if (nNewSize < 0) nNewSize = 0;
    if (nNewSize > m_nMaxSize) {
        int nGrow = m_nGrowBy;
        if (nGrow == 0) nGrow = m_nSize / 8 < 4 ? 4 : (m_nSize / 8 > 1024 ? 1024 : m_nSize / 8);
        int nNewMax = nNewSize < m_nMaxSize + nGrow ? m_nMaxSize + nGrow : nNewSize;
        TYPE* pNew = static_cast<TYPE*>(::operator new(sizeof(TYPE) * size_t(nNewMax)));
        for (int i = 0; i < m_nSize; ++i) {
            new (&pNew[i]) TYPE(std::move(m_pData[i]));
            m_pData[i].~TYPE();
        }
        ::operator delete(m_pData);
        m_pData = pNew;
        m_nMaxSize = nNewMax;
    }
    for (int i = m_nSize; i < nNewSize; ++i) new (&m_pData[i]) TYPE();
    for (int i = nNewSize; i < m_nSize; ++i) m_pData[i].~TYPE();
    m_nSize = nNewSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nIndex, ARG_TYPE newElement, int nCount) {
    if (nCount <= 0 || nIndex < 0) return;
    TYPE copy = newElement;
    int nOldSize = m_nSize;
    if (nIndex >= m_nSize) {
        SetSize(nIndex + nCount);
    } else {
        SetSize(m_nSize + nCount);
        for (int i = nOldSize - 1; i >= nIndex; --i) m_pData[i + nCount] = std::move(m_pData[i]);
    }
    for (int i = 0; i < nCount; ++i) m_pData[nIndex + i] = copy;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(int nIndex, int nCount) {
    if (nIndex < 0 || nCount <= 0 || nIndex + nCount > m_nSize) return;
    for (int i = nIndex + nCount; i < m_nSize; ++i) m_pData[i - nCount] = std::move(m_pData[i]);
    SetSize(m_nSize - nCount);
}

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
    struct CNode {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };
public:
    CList() : m_pNodeHead(NULL), m_pNodeTail(NULL), m_nCount(0) {}
    explicit CList(int) : CList() {}
    ~CList() { RemoveAll(); }

    int GetCount() const { return m_nCount; }
    int GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    TYPE& GetHead() { return m_pNodeHead->data; }
    TYPE GetHead() const { return m_pNodeHead->data; }
    TYPE& GetTail() { return m_pNodeTail->data; }
    TYPE GetTail() const { return m_pNodeTail->data; }
    POSITION GetHeadPosition() const { return (POSITION)m_pNodeHead; }
    POSITION GetTailPosition() const { return (POSITION)m_pNodeTail; }
    TYPE& GetNext(POSITION& rPosition) {
        CNode* p = (CNode*)rPosition;
        rPosition = (POSITION)p->pNext;
        return p->data;
    }
    TYPE& GetPrev(POSITION& rPosition) {
        CNode* p = (CNode*)rPosition;
        rPosition = (POSITION)p->pPrev;
        return p->data;
    }
    TYPE& GetAt(POSITION position) { return ((CNode*)position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { ((CNode*)pos)->data = newElement; }

    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(GetHeadPosition(), newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(GetTailPosition(), newElement); }
    TYPE RemoveHead() { TYPE t = m_pNodeHead->data; RemoveAt((POSITION)m_pNodeHead); return t; }
    TYPE RemoveTail() { TYPE t = m_pNodeTail->data; RemoveAt((POSITION)m_pNodeTail); return t; }
    void RemoveAll() {
        while (m_pNodeHead) {
            CNode* p = m_pNodeHead;
            m_pNodeHead = p->pNext;
            delete p;
        }
        m_pNodeTail = NULL;
        m_nCount = 0;
    }
    // A null position inserts at the head (InsertBefore) or at the tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement) {
        CNode* pNext = position ? (CNode*)position : m_pNodeHead;
        CNode* p = new CNode{pNext, position ? pNext->pPrev : NULL, newElement};
        Link(p);
        return (POSITION)p;
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement) {
        CNode* pPrev = position ? (CNode*)position : m_pNodeTail;
        CNode* p = new CNode{position ? pPrev->pNext : NULL, pPrev, newElement};
        Link(p);
        return (POSITION)p;
    }
    void RemoveAt(POSITION position) {
        CNode* p = (CNode*)position;
        (p->pPrev ? p->pPrev->pNext : m_pNodeHead) = p->pNext;
        (p->pNext ? p->pNext->pPrev : m_pNodeTail) = p->pPrev;
        delete p;
        --m_nCount;
    }
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const {
        CNode* p = startAfter ? ((CNode*)startAfter)->pNext : m_pNodeHead;
        for (; p; p = p->pNext)
            if (p->data == searchValue) return (POSITION)p;
        return NULL;
    }
    POSITION FindIndex(int nIndex) const {
        if (nIndex < 0 || nIndex >= m_nCount) return NULL;
        CNode* p = m_pNodeHead;
        while (nIndex--) p = p->pNext;
        return (POSITION)p;
    }

private:
    void Link(CNode* p) {
        (p->pPrev ? p->pPrev->pNext : m_pNodeHead) = p;
        (p->pNext ? p->pNext->pPrev : m_pNodeTail) = p;
        ++m_nCount;
    }
    CNode* m_pNodeHead;
    CNode* m_pNodeTail;
    int m_nCount;
};

typedef CArray<void*, void*> CPtrArray;
typedef CArray<DWORD, DWORD> CDWordArray;
typedef CArray<UINT, UINT> CUIntArray;
typedef CArray<BYTE, BYTE> CByteArray;
typedef CList<void*, void*> CPtrList;
