/// @file
/// Mouse tracking: WM_MOUSELEAVE and WM_MOUSEHOVER for any window, with the request record of
/// the system's TrackMouseEvent.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>

/// Starts tracking lpEventTrack->hwndTrack and returns TRUE. dwFlags is kept as given; TME_LEAVE
/// asks for one WM_MOUSELEAVE when the cursor leaves the window rectangle, TME_HOVER for one
/// WM_MOUSEHOVER (lParam: client position) once the cursor has rested within 3 pixels for longer
/// than dwHoverTime milliseconds (HOVER_DEFAULT: the system hover time). A window has at most one
/// request in force: asking again while one is pending changes nothing. A request ends with its
/// notification, when the cursor leaves the window (also for TME_HOVER alone, which then posts
/// nothing), or when the window is destroyed. cbSize is not examined.
/// The first call starts a worker thread that checks every 50 ms; each thread's first call
/// installs a mouse hook for that thread only (no other process runs this library's code). The
/// worker and the hooks stop when the library is unloaded.
KELM_API BOOL KELMTrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack);

/// One check of all pending requests against the cursor position; notifications are posted,
/// never sent. A host may call it from its own loop.
KELM_API void KELMDoTrackMouseEvent();
