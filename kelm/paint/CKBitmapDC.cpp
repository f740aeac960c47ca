#include "CKBitmapDC.h"

#include "KelmErrors.h"

CKBitmapDC::CKBitmapDC(CDC* pRefDC) : m_bSelected(FALSE), m_hOldBitmap(NULL) {
    if (!Attach(::CreateCompatibleDC(pRefDC != NULL ? pRefDC->m_hDC : NULL))) throw kelm::szNoDC;
}

CKBitmapDC::CKBitmapDC(CDC* pRefDC, int nWidth, int nHeight) : CKBitmapDC(pRefDC) {
    HDC hRef = pRefDC != NULL ? pRefDC->m_hDC : NULL;
    HDC hScreen = hRef == NULL ? ::GetDC(NULL) : NULL;
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hRef != NULL ? hRef : hScreen, nWidth, nHeight);
    if (hScreen != NULL) ::ReleaseDC(NULL, hScreen);
    if (!m_bitmap.Attach(hBitmap)) {
        DeleteDC();
        throw kelm::szNoBitmap;
    }
    SelectOwned();
}

void CKBitmapDC::SelectOwned() {
    m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.m_hObject);
    m_bSelected = TRUE;
}

CKBitmapDC::~CKBitmapDC() {
    if (m_bSelected) {
        ::SelectObject(m_hDC, m_hOldBitmap);
        m_hOldBitmap = NULL;
        m_bSelected = FALSE;
    }
    DeleteDC();
    m_bitmap.DeleteObject();
}

CSize CKBitmapDC::GetSize() const {
    BITMAP bm = {};
    if (m_bitmap.m_hObject == NULL || !m_bitmap.GetObject(sizeof(bm), &bm)) return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}

CKMonoBitmapDC::CKMonoBitmapDC(CDC* pRefDC, int nWidth, int nHeight) : CKBitmapDC(pRefDC) {
    if (!m_bitmap.Attach(::CreateBitmap(nWidth, nHeight, 1, 1, NULL))) {
        DeleteDC();
        throw kelm::szNoBitmap;
    }
    SelectOwned();
}

CKResBitmapDC::CKResBitmapDC(CDC* pRefDC, UINT nIDResource) : CKBitmapDC(pRefDC) {
    if (!m_bitmap.LoadBitmap(nIDResource)) {
        DeleteDC();
        throw kelm::szNoBitmap;
    }
    SelectOwned();
}
