// Maps from handles to the objects that wrap them. Permanent entries are shared by the process
// and guarded by one lock; temporary entries belong to the thread that made them, as in MFC, so
// that idle processing on one thread never deletes what another thread is using.
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

// A temporary object gives its handle back before it is deleted: it only borrowed it.
inline void AfxDetachTemp(CWnd* p) { p->m_hWnd = NULL; }
inline void AfxDetachTemp(CDC* p) { p->m_hDC = p->m_hAttribDC = NULL; }
inline void AfxDetachTemp(CGdiObject* p) { p->m_hObject = NULL; }

// Permanent entries belong to their objects; temporary entries are objects created here for
// handles that had none, deleted (after detaching) by DeleteTemp or when their thread ends.
template <class HANDLE_T, class OBJ>
class CHandleMap {
public:
    OBJ* LookupPermanent(HANDLE_T h) {
        CAfxLock lock;
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? NULL : it->second;
    }
    OBJ* LookupTemporary(HANDLE_T h) {
        auto it = Temporary().find(h);
        return it == Temporary().end() ? NULL : it->second;
    }
    void SetPermanent(HANDLE_T h, OBJ* p) { CAfxLock lock; m_permanent[h] = p; }
    void RemoveHandle(HANDLE_T h, OBJ* p) {
        {
            CAfxLock lock;
            auto it = m_permanent.find(h);
            if (it != m_permanent.end() && it->second == p) {
                m_permanent.erase(it);
                return;
            }
        }
        std::map<HANDLE_T, OBJ*>& temp = Temporary();
        auto jt = temp.find(h);
        if (jt != temp.end() && jt->second == p) temp.erase(jt);
    }
    // The permanent object, else this thread's temporary one, made with make(h) if need be.
    template <class MAKE>
    OBJ* FromHandle(HANDLE_T h, MAKE make) {
        if (h == NULL) return NULL;
        if (OBJ* p = LookupPermanent(h)) return p;
        std::map<HANDLE_T, OBJ*>& temp = Temporary();
        auto jt = temp.find(h);
        if (jt != temp.end()) return jt->second;
        OBJ* p = make(h);
        temp[h] = p;
        return p;
    }
    // Deletes this thread's temporary objects.
    void DeleteTemp() {
        std::map<HANDLE_T, OBJ*> temp;
        temp.swap(Temporary());
        DeleteAll(temp);
    }

private:
    static void DeleteAll(std::map<HANDLE_T, OBJ*>& temp) {
        for (auto& e : temp) {
            AfxDetachTemp(e.second);
            delete e.second;
        }
        temp.clear();
    }
    // The calling thread's temporary map; what is left in it goes when the thread ends.
    static std::map<HANDLE_T, OBJ*>& Temporary() {
        struct PerThread {
            std::map<HANDLE_T, OBJ*> map;
            ~PerThread() { DeleteAll(map); }
        };
        thread_local PerThread t;
        return t.map;
    }

    std::map<HANDLE_T, OBJ*> m_permanent;
};

CHandleMap<HWND, CWnd>& AfxWndMap();
CHandleMap<HDC, CDC>& AfxDCMap();
CHandleMap<HGDIOBJ, CGdiObject>& AfxGdiMap();
