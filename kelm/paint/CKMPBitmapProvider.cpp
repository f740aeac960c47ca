#include "CKMPBitmapProvider.h"

#include <cstdlib>
#include <cstring>
#include <new>

// Process-wide registry: the default pointer and the list of registered providers, ordered so
// that a provider whose window lies inside another's comes first. User-interface thread only.
struct CKProviderRegistry {
    CKMPBitmapProvider builtIn;
    CKMPBitmapProvider* pDefault;
    CKMPBitmapProvider** pList;
    int nCount;
    int nCapacity;

    CKProviderRegistry() : pDefault(&builtIn), pList(NULL), nCount(0), nCapacity(8) {
        builtIn.m_pInkPattern = builtIn.m_pPaperPattern = NULL;
        const DWORD ink[4] = {0x000000, 0x3C2828, 0x785050, 0x8080A0};
        const DWORD paper[4] = {0xFFFFFF, 0xC4C4C4, 0x808080, 0x8080A0};
        std::memcpy(builtIn.m_inkColors, ink, sizeof ink);
        std::memcpy(builtIn.m_paperColors, paper, sizeof paper);
        builtIn.m_bDefault = false;
        builtIn.m_pOwner = NULL;
        pList = static_cast<CKMPBitmapProvider**>(std::calloc(nCapacity, sizeof(CKMPBitmapProvider*)));
    }
    ~CKProviderRegistry() {
        std::free(pList);
        pList = NULL;
        nCount = nCapacity = 0;
    }

    void Append(CKMPBitmapProvider* p) {
        if (nCount + 1 > nCapacity) {
            int nNew = nCapacity > 0 ? nCapacity : 8;
            while (nNew < nCount + 1) nNew *= 2;
            CKMPBitmapProvider** pNew =
                static_cast<CKMPBitmapProvider**>(std::calloc(nNew, sizeof(CKMPBitmapProvider*)));
            if (pNew == NULL) throw std::bad_alloc();
            if (nCount) std::memcpy(pNew, pList, nCount * sizeof(CKMPBitmapProvider*));
            std::free(pList);
            pList = pNew;
            nCapacity = nNew;
        }
        pList[nCount++] = p;
    }

    // Inner windows before the windows that contain them.
    void Reorder() {
        for (int i = 0; i < nCount - 1; ++i) {
            for (int j = i + 1; j < nCount; ++j) {
                if (::IsChild(pList[i]->m_pOwner->GetSafeHwnd(), pList[j]->m_pOwner->GetSafeHwnd())) {
                    CKMPBitmapProvider* t = pList[i];
                    pList[i] = pList[j];
                    pList[j] = t;
                    j = i;  // restart the scan at i + 1
                }
            }
        }
    }
};

// Built at library start-up, freed when the library unloads.
static CKProviderRegistry g_registry;

CKMPBitmapProvider::CKMPBitmapProvider() {}

CKMPBitmapProvider::CKMPBitmapProvider(CWnd* pOwner, CKBitmapDC& inkPattern, DWORD c1, DWORD c2, DWORD c3,
                                       CKBitmapDC& paperPattern, DWORD c4, DWORD c5, DWORD c6, bool bDefault)
    : CKMPBitmapProvider(pOwner, &inkPattern, c1, c2, c3, &paperPattern, c4, c5, c6, bDefault) {}

CKMPBitmapProvider::CKMPBitmapProvider(CWnd* pOwner, CKBitmapDC* pInkPattern, DWORD c1, DWORD c2, DWORD c3,
                                       CKBitmapDC* pPaperPattern, DWORD c4, DWORD c5, DWORD c6, bool bDefault)
    : m_pInkPattern(pInkPattern), m_pPaperPattern(pPaperPattern), m_bDefault(bDefault), m_pOwner(pOwner) {
    SetColors(c1, c2, c3, c4, c5, c6);
    Register();
}

CKMPBitmapProvider::~CKMPBitmapProvider() {
    if (this != &g_registry.builtIn) Unregister();
}

CKMPBitmapProvider& CKMPBitmapProvider::operator=(const CKMPBitmapProvider& o) {
    m_pInkPattern = o.m_pInkPattern;
    std::memcpy(m_inkColors, o.m_inkColors, sizeof m_inkColors);
    m_pPaperPattern = o.m_pPaperPattern;
    std::memcpy(m_paperColors, o.m_paperColors, sizeof m_paperColors);
    m_bDefault = o.m_bDefault;
    m_pOwner = o.m_pOwner;
    return *this;
}

void CKMPBitmapProvider::SetColors(DWORD c1, DWORD c2, DWORD c3, DWORD c4, DWORD c5, DWORD c6) {
    m_inkColors[0] = c1;
    m_inkColors[1] = c2;
    m_inkColors[2] = c3;
    m_inkColors[3] = c5;
    m_paperColors[0] = c4;
    m_paperColors[1] = c5;
    m_paperColors[2] = c6;
    m_paperColors[3] = c5;
}

void CKMPBitmapProvider::ChangeColors(DWORD c1, DWORD c2, DWORD c3, DWORD c4, DWORD c5, DWORD c6) {
    SetColors(c1, c2, c3, c4, c5, c6);
}

void CKMPBitmapProvider::Register() {
    if (m_bDefault) {
        g_registry.pDefault = this;
        return;
    }
    g_registry.Append(this);
    g_registry.Reorder();
}

void CKMPBitmapProvider::Unregister() {
    if (m_bDefault) {
        g_registry.pDefault = &g_registry.builtIn;
        return;
    }
    // One entry for this provider's window goes: its own entry when it has one (so that the
    // list never keeps a destroyed provider), else the first entry of the same window.
    CKProviderRegistry& r = g_registry;
    int found = -1;
    for (int i = 0; i < r.nCount && found < 0; ++i)
        if (r.pList[i] == this) found = i;
    for (int i = 0; i < r.nCount && found < 0; ++i)
        if (r.pList[i]->m_pOwner == m_pOwner) found = i;
    if (found < 0) return;
    std::memmove(&r.pList[found], &r.pList[found + 1], (r.nCount - found - 1) * sizeof(CKMPBitmapProvider*));
    r.pList[--r.nCount] = NULL;
}

CKMPBitmapProvider* CKMPBitmapProvider::Lookup(CWnd* pWnd) {
    if (pWnd == NULL) return g_registry.pDefault;
    HWND hWnd = pWnd->GetSafeHwnd();
    for (int i = 0; i < g_registry.nCount; ++i) {
        CKMPBitmapProvider* p = g_registry.pList[i];
        HWND hOwner = p->m_pOwner->GetSafeHwnd();
        if (p->m_pOwner == pWnd || (hOwner != NULL && hOwner == hWnd) || ::IsChild(hOwner, hWnd)) return p;
    }
    return g_registry.pDefault;
}

CKMPBitmapProvider* CKMPBitmapProvider::GetDefault() { return g_registry.pDefault; }
int CKMPBitmapProvider::GetRegisteredCount() { return g_registry.nCount; }
CKMPBitmapProvider* CKMPBitmapProvider::GetRegistered(int nIndex) {
    return nIndex >= 0 && nIndex < g_registry.nCount ? g_registry.pList[nIndex] : NULL;
}

CKBitmapDC* CKMPBitmapProvider::GetBitmapDC(bool bInk) { return bInk ? m_pInkPattern : m_pPaperPattern; }

DWORD CKMPBitmapProvider::GetColor(EColorType role, bool bInk) {
    int i = (int)role;
    if (i < 0 || i > 3) i = 0;  // only 0..3 are colour roles
    return bInk ? m_inkColors[i] : m_paperColors[i];
}
