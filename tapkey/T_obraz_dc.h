// A memory device context holding one picture of Tapkey's resources.
#pragma once
#include <afxwin.h>

// The picture is looked up in the current resource chain (AfxFindResourceHandle): make Tapkey's
// module current first (T_zasoby). A failed construction throws "Nie można utworzyć DC - brak
// zasobów?" or "Nie można utworzyć bitmapy - brak zasobów?" and leaves nothing behind.
class T_obraz_dc : public CDC {
public:
    // A DC compatible with hdcWzor (NULL: the screen) with picture nIdObrazu selected.
    T_obraz_dc(HDC hdcWzor, UINT nIdObrazu);
    virtual ~T_obraz_dc();

    // The picture's size in pixels.
    CSize Rozmiar() const;

private:
    CBitmap m_obraz;      // the loaded picture
    CBitmap m_poprzedni;  // the bitmap the DC had before; never deleted by this object
    BOOL m_bWybrany;      // the picture is selected
};
