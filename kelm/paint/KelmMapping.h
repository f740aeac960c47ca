/// @file
/// The screen's MM_HIMETRIC mapping without its cost: Wine asks the display for its size on every
/// SetMapMode(MM_HIMETRIC) (four queries of about 40 µs each), more than the rest of a control's
/// paint. The same mapping is made as MM_ANISOTROPIC with the extents MM_HIMETRIC has on the
/// screen, read once per process.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>

/// Puts pDC into the screen's MM_HIMETRIC mapping (0.01 mm units, y up) as MM_ANISOTROPIC and
/// returns the previous mapping mode. The extents are those of the screen when first asked for.
KELM_API int KelmSetHimetricMapping(CDC* pDC);
