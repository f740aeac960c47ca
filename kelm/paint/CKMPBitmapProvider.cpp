#include "CKMPBitmapProvider.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

// Process-wide registry: the default pointer and the list of registered providers, inner windows
// before the windows that contain them (the order of registration where windows did not exist
// yet). Guarded by one lock: user-interface threads of their own may register and paint at once.
struct CKProviderRegistry {
    CRITICAL_SECTION lock;
    CKMPBitmapProvider builtIn;
    CKMPBitmapProvider* pDefault;
    CKMPBitmapProvider** pList;
    int nCount;
    int nCapacity;

    CKProviderRegistry() : pDefault(&builtIn), pList(NULL), nCount(0), nCapacity(8) {
        ::InitializeCriticalSection(&lock);
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
        ::DeleteCriticalSection(&lock);
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

    void Remove(CKMPBitmapProvider* p) {
        for (int i = 0; i < nCount; ++i) {
            if (pList[i] != p) continue;
            std::memmove(&pList[i], &pList[i + 1], (nCount - i - 1) * sizeof(CKMPBitmapProvider*));
            pList[--nCount] = NULL;
            return;
        }
    }

    // The first provider in list order whose window is hWnd.
    CKMPBitmapProvider* OfWindow(HWND hWnd) const {
        for (int i = 0; i < nCount; ++i)
            if (pList[i]->m_pOwner->GetSafeHwnd() == hWnd) return pList[i];
        return NULL;
    }
};

namespace {
class CRegistryLock {
public:
    explicit CRegistryLock(CRITICAL_SECTION& lock) : m_lock(lock) { ::EnterCriticalSection(&m_lock); }
    ~CRegistryLock() { ::LeaveCriticalSection(&m_lock); }
    CRegistryLock(const CRegistryLock&) = delete;
    CRegistryLock& operator=(const CRegistryLock&) = delete;

private:
    CRITICAL_SECTION& m_lock;
};

// The window a child window lies in, as IsChild sees it; null for a top-level window.
HWND ContainingWindow(HWND hWnd) {
    if ((::GetWindowLongA(hWnd, GWL_STYLE) & (WS_CHILD | WS_POPUP)) != WS_CHILD) return NULL;
    return ::GetAncestor(hWnd, GA_PARENT);
}
}  // namespace

// Built at library start-up, freed when the library unloads.
static CKProviderRegistry g_registry;

CKMPBitmapProvider::CKMPBitmapProvider() : m_pTiles() {}

CKMPBitmapProvider::CKMPBitmapProvider(CWnd* pOwner, CKBitmapDC& inkPattern, DWORD c1, DWORD c2, DWORD c3,
                                       CKBitmapDC& paperPattern, DWORD c4, DWORD c5, DWORD c6, bool bDefault)
    : CKMPBitmapProvider(pOwner, &inkPattern, c1, c2, c3, &paperPattern, c4, c5, c6, bDefault) {}

CKMPBitmapProvider::CKMPBitmapProvider(CWnd* pOwner, CKBitmapDC* pInkPattern, DWORD c1, DWORD c2, DWORD c3,
                                       CKBitmapDC* pPaperPattern, DWORD c4, DWORD c5, DWORD c6, bool bDefault)
    : m_pInkPattern(pInkPattern), m_pPaperPattern(pPaperPattern), m_bDefault(bDefault), m_pOwner(pOwner),
      m_pTiles() {
    SetColors(c1, c2, c3, c4, c5, c6);
    Register();
}

CKMPBitmapProvider::~CKMPBitmapProvider() {
    if (this != &g_registry.builtIn) Unregister();
    FreeTiles();
}

CKMPBitmapProvider& CKMPBitmapProvider::operator=(const CKMPBitmapProvider& o) {
    m_pInkPattern = o.m_pInkPattern;
    std::memcpy(m_inkColors, o.m_inkColors, sizeof m_inkColors);
    m_pPaperPattern = o.m_pPaperPattern;
    std::memcpy(m_paperColors, o.m_paperColors, sizeof m_paperColors);
    m_bDefault = o.m_bDefault;
    m_pOwner = o.m_pOwner;
    if (this != &o) FreeTiles();  // made from the patterns this look had
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
    CRegistryLock lock(g_registry.lock);
    if (m_bDefault) {
        g_registry.pDefault = this;
        return;
    }
    g_registry.Append(this);
    g_registry.Reorder();
}

// A provider leaves every place it holds, whatever its flag says now: an assignment may have
// changed the flag or the window since it registered.
void CKMPBitmapProvider::Unregister() {
    CRegistryLock lock(g_registry.lock);
    if (m_bDefault || g_registry.pDefault == this) g_registry.pDefault = &g_registry.builtIn;
    g_registry.Remove(this);
}

// Innermost at the time of the lookup: the painted window's own provider, else that of the
// nearest window containing it, so that looks made before their windows (members of a dialog)
// still nest. Several providers of one window: the first in list order.
CKMPBitmapProvider* CKMPBitmapProvider::Lookup(CWnd* pWnd) {
    CRegistryLock lock(g_registry.lock);
    if (pWnd == NULL || g_registry.nCount == 0) return g_registry.pDefault;
    const HWND hWnd = pWnd->GetSafeHwnd();
    for (int i = 0; i < g_registry.nCount; ++i) {
        CKMPBitmapProvider* p = g_registry.pList[i];
        if (p->m_pOwner == pWnd || (hWnd != NULL && p->m_pOwner->GetSafeHwnd() == hWnd)) return p;
    }
    for (HWND h = hWnd != NULL ? ContainingWindow(hWnd) : NULL; h != NULL; h = ContainingWindow(h))
        if (CKMPBitmapProvider* p = g_registry.OfWindow(h)) return p;
    return g_registry.pDefault;
}

CKMPBitmapProvider* CKMPBitmapProvider::GetDefault() {
    CRegistryLock lock(g_registry.lock);
    return g_registry.pDefault;
}
int CKMPBitmapProvider::GetRegisteredCount() {
    CRegistryLock lock(g_registry.lock);
    return g_registry.nCount;
}
CKMPBitmapProvider* CKMPBitmapProvider::GetRegistered(int nIndex) {
    CRegistryLock lock(g_registry.lock);
    return nIndex >= 0 && nIndex < g_registry.nCount ? g_registry.pList[nIndex] : NULL;
}

CKBitmapDC* CKMPBitmapProvider::GetBitmapDC(bool bInk) { return bInk ? m_pInkPattern : m_pPaperPattern; }

DWORD CKMPBitmapProvider::GetColor(EColorType role, bool bInk) {
    int i = (int)role;
    if (i < 0 || i > 3) i = 0;  // only 0..3 are colour roles
    return bInk ? m_inkColors[i] : m_paperColors[i];
}

// ---------------------------------------------------------------------------------------------
// Expanded patterns

namespace {
const int kMinTile = 64;
}  // namespace

// One expanded pattern: the tile, what it was made from, and the tiles it replaced (still in use
// by a paint on another thread, perhaps; they go with the look).
struct CKMPBitmapProvider::Tile {
    CKBitmapDC* pDC;
    CKBitmapDC* pFrom;
    HGDIOBJ hFrom;
    Tile* pReplaced;
};

CDC* CKMPBitmapProvider::GetPatternTile(bool bInk) {
    CKBitmapDC* pPattern = GetBitmapDC(bInk);
    if (pPattern == NULL) return NULL;
    const HGDIOBJ hBitmap = ::GetCurrentObject(pPattern->m_hDC, OBJ_BITMAP);
    Tile* volatile* pSlot = &m_pTiles[bInk ? 1 : 0];
    Tile* pTile = *pSlot;
    if (pTile != NULL && pTile->pFrom == pPattern && pTile->hFrom == hBitmap) return pTile->pDC;
    BITMAP bm = {};
    if (hBitmap == NULL || !::GetObjectA(hBitmap, sizeof(bm), &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return pPattern;
    const int w = bm.bmWidth, h = bm.bmHeight;
    if (w >= kMinTile && h >= kMinTile) return pPattern;

    // Whole copies of the pattern, so that wrapping an origin into the tile gives the same
    // picture as wrapping it into the pattern: the first copy, then doubling along each axis.
    const int tw = w * ((kMinTile + w - 1) / w), th = h * ((kMinTile + h - 1) / h);
    CKBitmapDC* pDC;
    try {
        pDC = new CKBitmapDC(pPattern, tw, th);
    } catch (const char*) {
        return pPattern;  // out of GDI resources: the pattern as it is, blit by blit
    }
    ::BitBlt(pDC->m_hDC, 0, 0, w, h, pPattern->m_hDC, 0, 0, SRCCOPY);
    for (int x = w; x < tw; x *= 2) ::BitBlt(pDC->m_hDC, x, 0, std::min(x, tw - x), h, pDC->m_hDC, 0, 0, SRCCOPY);
    for (int y = h; y < th; y *= 2) ::BitBlt(pDC->m_hDC, 0, y, tw, std::min(y, th - y), pDC->m_hDC, 0, 0, SRCCOPY);
    Tile* pNew = new Tile{pDC, pPattern, hBitmap, pTile};
    if (::InterlockedCompareExchangePointer(reinterpret_cast<PVOID volatile*>(pSlot), pNew, pTile) != pTile) {
        // Another paint made one at the same time: use that.
        delete pDC;
        delete pNew;
        return (*pSlot)->pDC;
    }
    return pDC;
}

void CKMPBitmapProvider::FreeTiles() {
    for (Tile*& pTile : m_pTiles) {
        while (pTile != NULL) {
            Tile* pNext = pTile->pReplaced;
            delete pTile->pDC;
            delete pTile;
            pTile = pNext;
        }
    }
}
