// Static text in Kelm's look: the text becomes a mask painted with the look's background, a
// one-pixel shadow and the ink pattern. Plain mode draws one line in the control's font;
// formatted mode lays the text out as Glyphor markup.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>

#include <FormatTextParams.h>
#include <GHTMLTextPainter.h>

class KELM_API CKStatic : public CStatic {
public:
    CKStatic();
    virtual ~CKStatic();

    // Formatted mode on or off. pParams is borrowed: it must stay valid while the control is in
    // formatted mode (null: Glyphor's default record). Nothing is repainted.
    void SetHtmlMode(bool bHtml, FormatTextParams* pParams);

    // Copies min(nBufferSize - 1, nLength) characters of pszText into pszBuffer and terminates
    // them; returns the number copied. Nothing is written for a null or empty buffer.
    static int CopyTextToBuffer(LPCSTR pszText, int nLength, LPSTR pszBuffer, size_t nBufferSize);

    // Paper letters cut out of an ink block instead of ink letters on paper. The control only
    // reads it: set it before the control paints (and invalidate to see a change).
    bool m_bInverse;

protected:
    CString m_strText;                 // the control's own copy of its text
    bool m_bHtml;                      // formatted mode
    FormatTextParams* m_pFormatParams; // layout parameters of formatted mode; borrowed
    bool m_bOwnText;                   // m_strText is the text (set by WM_CREATE and WM_SETTEXT)
    CGHTMLTextPainter m_painter;       // formatted mode: keeps its layout from paint to paint

    afx_msg void OnPaint();
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    void DrawTextMask(CDC& mask, const CRect& rcMask, const CString& strText, COLORREF ink);
};
