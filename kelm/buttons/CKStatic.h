/// @file
/// Static text in Kelm's look.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>

#include <FormatTextParams.h>
#include <GHTMLTextPainter.h>

/// Static text in Kelm's look: the text becomes a mask painted with the look's background, a
/// one-pixel shadow and the ink pattern. Plain mode draws one line in the control's font, one
/// pixel in from the top-left corner, whatever the SS_ alignment styles say; formatted mode lays
/// the text out as Glyphor markup. There is no hot, focused or disabled look.
///
/// Created like a CStatic (Create, or subclassing a dialog's static). A created control keeps its
/// own copy of the text from the start; a subclassed one shows the system's window text until its
/// first WM_SETTEXT. The frame is the window's border type (SetBorderType).
///
/// Messages it answers:
/// - WM_PAINT: paints the text in the current mode; a paint that runs out of GDI resources is
///   skipped.
/// - WM_CREATE: keeps the window name as the control's own text.
/// - WM_SETTEXT: keeps the new text and repaints at once; the system's copy is left unchanged.
///   Returns 1.
/// - WM_GETTEXT, WM_GETTEXTLENGTH: answered from the control's own text once it has one (see
///   CopyTextToBuffer), else by the default processing.
/// - WM_ERASEBKGND: erases nothing.
/// - WM_NCCALCSIZE, WM_NCPAINT: the frame of the window's border type (CKStdPainter).
///
/// Notifications to its parent: none of its own; with SS_NOTIFY, the platform static's STN_
/// codes (WM_COMMAND) from its default processing of the mouse.
class KELM_API CKStatic : public CStatic {
public:
    /// Plain mode, ink letters on paper, no text of its own yet.
    CKStatic();
    virtual ~CKStatic();

    /// Formatted mode on or off. pParams is borrowed: it must stay valid while the control is in
    /// formatted mode (null: Glyphor's default record). Nothing is repainted.
    void SetHtmlMode(bool bHtml, FormatTextParams* pParams);

    /// Copies min(nBufferSize - 1, nLength) characters of pszText into pszBuffer and terminates
    /// them; returns the number copied. Nothing is written for a null or empty buffer.
    static int CopyTextToBuffer(LPCSTR pszText, int nLength, LPSTR pszBuffer, size_t nBufferSize);

    /// Paper letters cut out of an ink block instead of ink letters on paper. The control only
    /// reads it: set it before the control paints (and invalidate to see a change).
    bool m_bInverse;

protected:
    CString m_strText;                 ///< the control's own copy of its text
    bool m_bHtml;                      ///< formatted mode
    FormatTextParams* m_pFormatParams; ///< layout parameters of formatted mode; borrowed
    bool m_bOwnText;                   ///< m_strText is the text (set by WM_CREATE and WM_SETTEXT)
    CGHTMLTextPainter m_painter;       ///< formatted mode: keeps its layout from paint to paint

    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
    afx_msg void OnPaint();
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
    /// @endcond

private:
    void DrawTextMask(CDC& mask, const CRect& rcMask, const CString& strText, COLORREF ink);
};
