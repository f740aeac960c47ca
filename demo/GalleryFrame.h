// The gallery's main window: a skinned frame (title bar, skinned border), a tool bar that docks
// at its top or floats in a skinned dock frame, and a skinned splitter with the list of pages on
// the left and a form view holding the page being shown on the right. Pages are the windows
// DemoPageRegistrar registers: each is made a child of the form view.
#pragma once
#include <kelm/kelm.h>

#include <afxpriv.h>

#include <memory>
#include <string>

#include "DemoPage.h"

// A row of skinned push buttons on the look's background.
class CGalleryToolBar : public CControlBar {
public:
    BOOL Create(CWnd* pParent);
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    CKButton m_buttons[3];
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};

class CGalleryForm;

class CGalleryFrame : public CKFrameWnd {
    DECLARE_DYNCREATE(CGalleryFrame)
public:
    CGalleryFrame();
    // Creates and shows the frame at the top left of the screen.
    BOOL Open();
    // Destroys the page shown and shows page nIndex in the form view; its window, or NULL when
    // the page could not be made.
    CWnd* ShowPage(size_t nIndex);
    CWnd* CurrentPage() const { return m_pPage; }
    size_t CurrentIndex() const { return m_nPage; }
    // Floats the tool bar at a point of the screen, or docks it back at the top.
    void FloatToolBar(CPoint ptScreen);
    void DockToolBar();
    // Writes the frame's own screenshots (active, inactive, maximized, floating bar, the
    // splitter and the splitter while its bar is dragged) into a folder; returns the number of
    // failures.
    int WriteScreenshots(const std::string& folder);

    CGalleryToolBar m_wndToolBar;
    CKSplitterWnd m_wndSplitter;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    CWnd* m_pPage;
    size_t m_nPage;
    CGalleryForm* m_pForm;
    // The look of the frame's own bars (the pages keep theirs): patterns and providers.
    std::unique_ptr<CKBitmapDC> m_pInk, m_pPaper;
    std::unique_ptr<CKMPBitmapProvider> m_pTitleLook, m_pToolLook, m_pListLook;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnPrevPage();
    afx_msg void OnNextPage();
    afx_msg void OnToggleFloat();
    afx_msg void OnUpdatePrevPage(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNextPage(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

// Writes the screen pixels of a rectangle as a 24-bit BMP.
bool DemoSaveScreenRect(const CRect& rc, const std::string& path);
