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

template <class HANDLE_T, class OBJ>
void AfxDeleteTempObjects(std::map<HANDLE_T, OBJ*>& temp) {
    std::map<HANDLE_T, OBJ*> doomed;
    doomed.swap(temp);
    for (auto& e : doomed) {
        AfxDetachTemp(e.second);
        delete e.second;
    }
}

// One thread's temporary objects. Kept in a Win32 TLS slot, not in a thread_local with a
// destructor: the runtime may free such storage before running its destructor at thread end.
struct CAfxThreadMaps {
    std::map<HWND, CWnd*> wnd;
    std::map<HDC, CDC*> dc;
    std::map<HGDIOBJ, CGdiObject*> gdi;
    std::map<HWND, CWnd*>& Of(CWnd*) { return wnd; }
    std::map<HDC, CDC*>& Of(CDC*) { return dc; }
    std::map<HGDIOBJ, CGdiObject*>& Of(CGdiObject*) { return gdi; }
};
// Takes the TLS slot (the library's DllMain, when it loads).
void AfxInitThreadMaps();
// The calling thread's maps, made on first use.
CAfxThreadMaps& AfxThreadMaps();
// Deletes the calling thread's maps and what is left in them (the library's DllMain, when a
// thread ends or the library unloads).
void AfxFreeThreadMaps();

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
        std::map<HANDLE_T, OBJ*>& temp = Temporary();
        auto it = temp.find(h);
        return it == temp.end() ? NULL : it->second;
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
    void DeleteTemp() { AfxDeleteTempObjects(Temporary()); }

private:
    static std::map<HANDLE_T, OBJ*>& Temporary() { return AfxThreadMaps().Of(static_cast<OBJ*>(NULL)); }

    std::map<HANDLE_T, OBJ*> m_permanent;
};

CHandleMap<HWND, CWnd>& AfxWndMap();
CHandleMap<HDC, CDC>& AfxDCMap();
CHandleMap<HGDIOBJ, CGdiObject>& AfxGdiMap();
