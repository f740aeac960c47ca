/// @file
#pragma once
#include <kelm/KelmDefs.h>

#include <cstddef>
#include <vector>

/// The per-item disabled flags of a list box, apart from its window.
///
/// One entry per item, entry i for item i: 0 enabled, any other value disabled (kept as given).
/// The store may be shorter than the list (items added around it): an index past its end reads
/// as enabled, and setting one first grows the store with zeros up to it. Nothing ever reads or
/// writes past the store.
class KELM_API CKDisabledStore {
public:
    /// The number of entries (the items tracked), not of disabled items.
    int GetCount() const { return (int)m_entries.size(); }
    /// The entry of item nIndex; 0 for an index outside the store.
    int Get(int nIndex) const;
    /// Stores nValue for item nIndex (>= 0), growing the store with zeros up to it. Returns
    /// whether the item's entry changed.
    bool Set(int nIndex, int nValue);
    /// A new enabled item at nIndex (>= 0): later entries move up by one; a store shorter than
    /// nIndex first grows to it.
    void Insert(int nIndex);
    /// Item nIndex went away: later entries move down by one. An index past the store changes
    /// nothing.
    void Remove(int nIndex);
    /// Exactly nCount entries: new ones 0, entries past nCount dropped.
    void SetCount(int nCount);
    /// Empties the store and frees its memory.
    void Clear();

private:
    std::vector<int> m_entries;
};
