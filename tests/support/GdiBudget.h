// Leak checks for GDI objects. Wine cannot count a process's GDI objects (GetGuiResources gives
// 0), so a leak is shown by what can still be created.
#pragma once
#include <windows.h>

#include <cstddef>
#include <vector>

namespace kt {

// How many more GDI objects the process can make now.
int FreeGdiHandles();

// Fills the process's GDI handle table but for nHeadroom handles while it lives, so that a leak
// of one handle per call shows as a creation failure within nHeadroom calls.
class GdiSqueeze {
public:
    explicit GdiSqueeze(size_t nHeadroom);
    ~GdiSqueeze();
    GdiSqueeze(const GdiSqueeze&) = delete;
    GdiSqueeze& operator=(const GdiSqueeze&) = delete;
    size_t Held() const { return m_handles.size(); }

private:
    std::vector<HBITMAP> m_handles;
};

}  // namespace kt
