#include "DisabledStore.h"

int CKDisabledStore::Get(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_entries[(std::size_t)nIndex] : 0;
}

bool CKDisabledStore::Set(int nIndex, int nValue) {
    if (nIndex < 0) return false;
    if (nIndex >= GetCount()) m_entries.resize((std::size_t)nIndex + 1, 0);
    int& entry = m_entries[(std::size_t)nIndex];
    if (entry == nValue) return false;
    entry = nValue;
    return true;
}

void CKDisabledStore::Insert(int nIndex) {
    if (nIndex < 0) return;
    if (nIndex > GetCount()) m_entries.resize((std::size_t)nIndex, 0);
    m_entries.insert(m_entries.begin() + nIndex, 0);
}

void CKDisabledStore::Remove(int nIndex) {
    if (nIndex >= 0 && nIndex < GetCount()) m_entries.erase(m_entries.begin() + nIndex);
}

void CKDisabledStore::SetCount(int nCount) { m_entries.resize(nCount > 0 ? (std::size_t)nCount : 0, 0); }

void CKDisabledStore::Clear() { std::vector<int>().swap(m_entries); }
