// Helpers of the frame tests: a look of known colours, skinned frames made by their run-time
// class, child rectangles and pixel roles.
#pragma once
#include <kelm/kelm.h>

#include <ostream>

#include "KelmTest.h"

inline void PrintTo(const CRect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace kft {

// The colours of the tests' default look: ink base, shadow, highlight; paper base, shadow, highlight.
const COLORREF crInk = RGB(120, 0, 0), crInkShadow = RGB(0, 120, 0), crInkHighlight = RGB(0, 0, 120);
const COLORREF crPaper = RGB(250, 240, 200), crPaperShadow = RGB(200, 200, 0), crPaperHighlight = RGB(0, 0, 90);

// Makes itself the default look while it lives.
struct TestLook {
    CKMPBitmapProvider look{NULL, NULL, crInk, crInkShadow, crInkHighlight, NULL, crPaper, crPaperShadow,
                            crPaperHighlight, true};
};

// A frame made by its run-time class name, with a view of pViewClass (or none), shown.
inline CKFrameWnd* NewFrame(DWORD dwStyle, const CRect& rc, CRuntimeClass* pViewClass = NULL,
                            const char* pszTitle = "Ramka") {
    CRuntimeClass* pClass = CRuntimeClass::FromName("CKFrameWnd");
    if (pClass == NULL) return NULL;
    CKFrameWnd* pFrame = static_cast<CKFrameWnd*>(pClass->CreateObject());
    CCreateContext context;
    context.m_pNewViewClass = pViewClass;
    if (!pFrame->Create(NULL, pszTitle, dwStyle, rc, NULL, NULL, 0, pViewClass != NULL ? &context : NULL))
        return NULL;  // the object went with its window
    pFrame->InitialUpdateFrame(NULL, TRUE);
    kt::PumpPending();
    return pFrame;
}

inline CRect ChildRect(HWND hChild) {
    CRect rc;
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(NULL, ::GetParent(hChild), (LPPOINT)(LPRECT)rc, 2);
    return rc;
}

// Pixels of c in [x0, x1) × [y0, y1) of a picture.
inline int Count(const kt::Pixels& px, COLORREF c, int x0, int y0, int x1, int y1) { return px.Count(c, x0, y0, x1, y1); }

// A plain view that fills itself with one colour.
class CPlainView : public CView {
    DECLARE_DYNCREATE(CPlainView)
public:
    void OnDraw(CDC* pDC) override {
        CRect rc;
        GetClientRect(&rc);
        pDC->FillSolidRect(rc, RGB(255, 255, 255));
    }
};

}  // namespace kft
