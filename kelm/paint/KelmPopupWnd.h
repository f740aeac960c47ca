/// @file
/// The popup snapshot window: shows a monochrome picture handed to it, in the library's look.
/// Owners (list and tree boxes) draw an item's text into a mask, send it with
/// WM_KELM_POPUP_SNAPSHOT, then size, place and show the popup themselves.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>

/// wParam: HDC of the source picture (black ink on white paper); lParam: RECT* whose size is the
/// snapshot's, copied from the source's (0,0). Returns 0.
const UINT WM_KELM_POPUP_SNAPSHOT = WM_USER + 1;

/// The popup window's class name, "PopupWndClassName".
KELM_API LPCSTR GetPopupWndClassName();
/// Registers the class for hInstance; registering again fails harmlessly (returns FALSE).
KELM_API BOOL RegisterPopupWndClass(HINSTANCE hInstance);
