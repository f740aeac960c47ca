/// @file
/// Memory device contexts that own one bitmap: colour, one-bit (masks), or a bitmap resource.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>

/// A memory DC with its own bitmap selected. The object owns both: destroying it selects the
/// previous bitmap back, deletes the DC and then the bitmap. A constructor that fails throws
/// "Nie można utworzyć DC - brak zasobów?" or "Nie można utworzyć bitmapy - brak zasobów?"
/// after releasing what it had created.
class KELM_API CKBitmapDC : public CDC {
public:
    /// A colour bitmap compatible with pRefDC (null: the screen), width × height.
    CKBitmapDC(CDC* pRefDC, int nWidth, int nHeight);
    virtual ~CKBitmapDC();

    /// The owned bitmap.
    CBitmap* GetBitmap() { return &m_bitmap; }
    /// The owned bitmap's size; 0 × 0 when there is none.
    CSize GetSize() const;

protected:
    /// Creates the DC only; the derived constructor creates the bitmap and calls SelectOwned.
    explicit CKBitmapDC(CDC* pRefDC);
    /// Selects m_bitmap into the DC, keeping the bitmap it replaces.
    void SelectOwned();

    BOOL m_bSelected;   ///< m_bitmap is selected: the destructor selects m_hOldBitmap back
    CBitmap m_bitmap;   ///< the owned bitmap
    /// The bitmap the DC had before (the stock one), selected back at the end. A raw handle: an
    /// object would enter the framework's permanent map and be returned to other callers.
    HGDIOBJ m_hOldBitmap;
};

/// A one-bit bitmap (mask: black ink, white paper). Its initial contents are undefined.
class KELM_API CKMonoBitmapDC : public CKBitmapDC {
public:
    /// A DC compatible with pRefDC (null: the screen) holding a width × height one-bit bitmap.
    CKMonoBitmapDC(CDC* pRefDC, int nWidth, int nHeight);
};

/// A bitmap resource from the current resource chain (AfxFindResourceHandle).
class KELM_API CKResBitmapDC : public CKBitmapDC {
public:
    /// A DC compatible with pRefDC (null: the screen) holding bitmap resource nIDResource.
    CKResBitmapDC(CDC* pRefDC, UINT nIDResource);
};
