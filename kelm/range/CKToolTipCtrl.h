/// @file
/// The platform tooltip control in Kelm's look.
#pragma once
#include <afxcmn.h>
#include <kelm/KelmDefs.h>

#include <FormatTextParams.h>
#include <GHTMLTextPainter.h>

/// The platform tooltip control with its text painted as Glyphor markup on the look's background.
/// The window is sized from the laid-out text and kept on the screen; tools, timing and the text
/// of the tool under the pointer stay the platform control's.
///
/// Created as a CToolTipCtrl (Create, then AddTool); the platform control interprets the TTS_
/// styles. The text is laid out with m_params and no width limit (nothing wraps).
///
/// Messages it answers:
/// - WM_PAINT: the look's paper pattern, then the window text laid out in the look's plain ink
///   colour; a paint that runs out of GDI resources is skipped.
/// - WM_WINDOWPOSCHANGING: sizes the window to the laid-out text (see WindowSizeFromExtent) and
///   keeps it on the screen (see KeepOnScreen); an empty text gets size 0.
/// - WM_ERASEBKGND: erases nothing.
///
/// Notifications: the platform tooltip's, unchanged (WM_NOTIFY TTN_GETDISPINFO, TTN_SHOW and
/// TTN_POP to the tools' windows).
class KELM_API CKToolTipCtrl : public CToolTipCtrl {
public:
    /// Loads the common controls; m_params starts as Glyphor's default record.
    CKToolTipCtrl();
    virtual ~CKToolTipCtrl();

    /// The window size for a laid-out text of ptExtent device units (either sign): one pixel of
    /// border on every side.
    static CSize WindowSizeFromExtent(CPoint ptExtent);
    /// Moves a tip of cx × cy at (x, y) back onto a screen of cxScreen × cyScreen: left of the
    /// right edge, and above the point when it comes too close to the bottom.
    static void KeepOnScreen(int& x, int& y, int cx, int cy, int cxScreen, int cyScreen);

    /// Layout parameters of the text; a copy of Glyphor's default record. The text colours
    /// (crText, crLink, crShadow) are replaced by the look's ink colour when painting.
    FormatTextParams m_params;

protected:
    /// Lays the tip's text out for dc (MM_HIMETRIC), again only when the text, the record or the
    /// mapping changed since the last time.
    CGHTMLTextPainter& LaidOutText(CDC& dc);

    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    DECLARE_MESSAGE_MAP()
    /// @endcond

private:
    CGHTMLTextPainter m_text;
};
