/// @file
/// Looks: colour roles, the bitmap provider attached to a window, the process-wide registry.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/paint/CKBitmapDC.h>

/// Colour role of a painting call. Every query also names a set: ink (glyphs, text) or paper
/// (backgrounds).
enum EColorType {
    ctBitmap = -1,    ///< the set's pattern bitmap; role 0 of the set when it has none
    ctBase = 0,       ///< plain ink / plain paper
    ctShadow = 1,     ///< the offset shadow of a glyph (paper set)
    ctHighlight = 2,  ///< the shadow of a hot glyph (paper set), the ink of a focused glyph (ink set)
    ctDisabled = 3,   ///< the ink of a disabled glyph
};

class CKMaskPainter;

/// One look: an ink and a paper pattern (borrowed, may be null) and four colours for each set,
/// serving the client area of its owner window and everything inside it. Constructing a provider
/// registers it; destroying it unregisters it. A default provider (bDefault) replaces the
/// built-in look for every window no registered provider covers.
///
/// A pattern smaller than 64 × 64 is expanded, when the look first paints with it, to a tile of
/// whole copies at least that large, kept with the look, so that a paint costs a few blits
/// whatever the pattern's size. The tile follows the bitmap selected into the pattern DC; pixels
/// drawn into that bitmap afterwards are not seen.
class KELM_API CKMPBitmapProvider {
public:
    /// Six colours fill the eight slots: ink (c1, c2, c3, c5), paper (c4, c5, c6, c5).
    CKMPBitmapProvider(CWnd* pOwner, CKBitmapDC& inkPattern, DWORD c1, DWORD c2, DWORD c3,
                       CKBitmapDC& paperPattern, DWORD c4, DWORD c5, DWORD c6, bool bDefault);
    /// The same with patterns by pointer; a null pattern paints that set's ctBitmap in its ctBase
    /// colour.
    CKMPBitmapProvider(CWnd* pOwner, CKBitmapDC* pInkPattern, DWORD c1, DWORD c2, DWORD c3,
                       CKBitmapDC* pPaperPattern, DWORD c4, DWORD c5, DWORD c6, bool bDefault);
    /// Unregisters the look (a default look hands back to the built-in one) and frees its tiles.
    ~CKMPBitmapProvider();
    /// Copies all fields and frees the expanded tiles; the registry is not touched.
    CKMPBitmapProvider& operator=(const CKMPBitmapProvider& other);

    /// Reassigns the eight colour slots as the constructors do. Nothing is repainted.
    void ChangeColors(DWORD c1, DWORD c2, DWORD c3, DWORD c4, DWORD c5, DWORD c6);

    /// The provider serving pWnd: the innermost registered window that is pWnd or contains it,
    /// else the default provider.
    static CKMPBitmapProvider* Lookup(CWnd* pWnd);
    /// The current default provider (the built-in look unless a default provider exists).
    static CKMPBitmapProvider* GetDefault();
    /// Registered providers, in lookup order.
    static int GetRegisteredCount();
    /// The registered provider at nIndex in lookup order; null outside 0 .. GetRegisteredCount() - 1.
    static CKMPBitmapProvider* GetRegistered(int nIndex);

    /// The window whose client area the look serves (null for the built-in look).
    CWnd* GetOwner() const { return m_pOwner; }
    /// The look was made as the default provider.
    bool IsDefault() const { return m_bDefault; }

protected:
    CKMPBitmapProvider();  ///< fields left unset: the built-in look is filled at start-up
    /// A set's pattern as given (ink or paper); null when it has none.
    CKBitmapDC* GetBitmapDC(bool bInk);
    /// A set's colour of a role; ctBitmap, like any value outside 0..3, gives role 0.
    DWORD GetColor(EColorType role, bool bInk);

private:
    friend class CKMaskPainter;
    friend struct CKProviderRegistry;
    struct Tile;
    CKMPBitmapProvider(const CKMPBitmapProvider&) = delete;
    void SetColors(DWORD c1, DWORD c2, DWORD c3, DWORD c4, DWORD c5, DWORD c6);
    void Register();
    void Unregister();
    /// The DC to tile a set's pattern from: the pattern itself, or its expanded tile; null when
    /// the set has no pattern.
    CDC* GetPatternTile(bool bInk);
    void FreeTiles();

    CKBitmapDC* m_pInkPattern;
    DWORD m_inkColors[4];
    CKBitmapDC* m_pPaperPattern;
    DWORD m_paperColors[4];
    bool m_bDefault;
    CWnd* m_pOwner;
    Tile* m_pTiles[2];  ///< expanded patterns: paper [0], ink [1]
};
