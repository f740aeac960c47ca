// Maps from handles to the objects that wrap them, guarded for use from several threads.
#pragma once
#include <afxwin.h>

#include <map>

class CAfxLock {
public:
    CAfxLock();
    ~CAfxLock();
    CAfxLock(const CAfxLock&) = delete;
    CAfxLock& operator=(const CAfxLock&) = delete;
};

// Permanent entries belong to their objects; temporary entries are objects created here for
// handles that had none, deleted (after detaching) by DeleteTemp.
template <class HANDLE_T, class OBJ>
class CHandleMap {
public:
    OBJ* LookupPermanent(HANDLE_T h) {
        CAfxLock lock;
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? NULL : it->second;
    }
    OBJ* LookupTemporary(HANDLE_T h) {
        CAfxLock lock;
        auto it = m_temporary.find(h);
        return it == m_temporary.end() ? NULL : it->second;
    }
    void SetPermanent(HANDLE_T h, OBJ* p) { CAfxLock lock; m_permanent[h] = p; }
    void RemoveHandle(HANDLE_T h, OBJ* p) {
        CAfxLock lock;
        auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == p) m_permanent.erase(it);
        auto jt = m_temporary.find(h);
        if (jt != m_temporary.end() && jt->second == p) m_temporary.erase(jt);
    }
    // The permanent object, else a temporary one made with make(h).
    template <class MAKE>
    OBJ* FromHandle(HANDLE_T h, MAKE make) {
        if (h == NULL) return NULL;
        CAfxLock lock;
        auto it = m_permanent.find(h);
        if (it != m_permanent.end()) return it->second;
        auto jt = m_temporary.find(h);
        if (jt != m_temporary.end()) return jt->second;
        OBJ* p = make(h);
        m_temporary[h] = p;
        return p;
    }
    template <class DETACH>
    void DeleteTemp(DETACH detach) {
        std::map<HANDLE_T, OBJ*> temp;
        {
            CAfxLock lock;
            temp.swap(m_temporary);
        }
        for (auto& e : temp) {
            detach(e.second);
            delete e.second;
        }
    }
private:
    std::map<HANDLE_T, OBJ*> m_permanent;
    std::map<HANDLE_T, OBJ*> m_temporary;
};

CHandleMap<HWND, CWnd>& AfxWndMap();
CHandleMap<HDC, CDC>& AfxDCMap();
CHandleMap<HGDIOBJ, CGdiObject>& AfxGdiMap();
