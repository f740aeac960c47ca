#include "GdiBudget.h"

namespace kt {

int FreeGdiHandles() {
    std::vector<HBRUSH> brushes;
    brushes.reserve(70000);
    while (brushes.size() < 200000) {
        HBRUSH b = ::CreateSolidBrush(RGB(1, 2, 3));
        if (b == NULL) break;
        brushes.push_back(b);
    }
    for (HBRUSH b : brushes) ::DeleteObject(b);
    return (int)brushes.size();
}

GdiSqueeze::GdiSqueeze(size_t nHeadroom) {
    for (HBITMAP h; m_handles.size() < 1000000 && (h = ::CreateBitmap(1, 1, 1, 1, NULL)) != NULL;)
        m_handles.push_back(h);
    for (; nHeadroom > 0 && !m_handles.empty(); --nHeadroom) {
        ::DeleteObject(m_handles.back());
        m_handles.pop_back();
    }
}

GdiSqueeze::~GdiSqueeze() {
    for (HBITMAP h : m_handles) ::DeleteObject(h);
}

}  // namespace kt
