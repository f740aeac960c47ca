#include "GalleryFrame.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "res/GalleryRes.h"

// The form view that holds the page being shown, under a line with the page's title.
class CGalleryForm : public CKFormView {
    DECLARE_DYNCREATE(CGalleryForm)
public:
    CKStatic m_title;

protected:
    CGalleryForm() : CKFormView(IDD_GALLERY_FORM) {}
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_PAGE_TITLE, m_title); }
};
IMPLEMENT_DYNCREATE(CGalleryForm, CKFormView)

namespace {

const int kPageTop = 26;  // the form's title line, then the page
const int kListWidth = 170, kRowHeight = 24;

// The list of pages: one row per page, the page shown in inverse; a click shows a page.
class CPageListView : public CView {
    DECLARE_DYNCREATE(CPageListView)
public:
    void OnDraw(CDC* pDC) override {
        CRect rc;
        GetClientRect(&rc);
        if (rc.IsRectEmpty()) return;
        CGalleryFrame* pFrame = DYNAMIC_DOWNCAST(CGalleryFrame, GetParentFrame());
        try {
            CKPaintBuffer buffer(pDC, rc.Width(), rc.Height());
            CDC& mask = buffer.Mask();
            CFont* pOldFont = mask.SelectObject(DemoFont(15));
            mask.SetBkMode(TRANSPARENT);
            const std::vector<DemoPage>& pages = DemoPages();
            for (size_t i = 0; i < pages.size(); ++i) {
                CRect row(0, 4 + (int)i * kRowHeight, rc.right, 4 + (int)(i + 1) * kRowHeight);
                const bool bCurrent = pFrame != NULL && pFrame->CurrentIndex() == i;
                if (bCurrent) mask.FillSolidRect(row, RGB(0, 0, 0));
                mask.SetTextColor(bCurrent ? RGB(255, 255, 255) : RGB(0, 0, 0));
                CString name = pages[i].name;
                for (int k = 0; k < name.GetLength(); ++k)
                    if (name[k] == '_') name.SetAt(k, ' ');
                CRect rcText(row.left + 8, row.top, row.right - 4, row.bottom);
                mask.DrawText(name, rcText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
            }
            mask.SelectObject(pOldFont);
            buffer.Compose(this, SKLayers{ctBitmap, true, ctShadow, ctBitmap});
            buffer.Present(pDC);
        } catch (const char*) {
            // Out of GDI resources: painted next time.
        }
    }

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) {
        CView::OnLButtonDown(nFlags, point);
        const int row = (point.y - 4) / kRowHeight;
        CGalleryFrame* pFrame = DYNAMIC_DOWNCAST(CGalleryFrame, GetParentFrame());
        if (pFrame != NULL && point.y >= 4 && row < (int)DemoPages().size()) pFrame->ShowPage(row);
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CPageListView, CView)

BEGIN_MESSAGE_MAP(CPageListView, CView)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

// A page's title as code-page-1250 text (pages set theirs in Unicode for the system caption).
CString PageTitle(CWnd* pPage) {
    wchar_t wide[256] = L"";
    ::GetWindowTextW(pPage->m_hWnd, wide, 256);
    char text[256] = "";
    ::WideCharToMultiByte(1250, 0, wide, -1, text, sizeof text, NULL, NULL);
    return text;
}

// Makes a page's top-level window a child of pParent at pt, keeping its client size.
void HostPage(CWnd* pPage, CWnd* pParent, CPoint pt) {
    CRect rc;
    pPage->GetClientRect(&rc);
    pPage->ShowWindow(SW_HIDE);
    pPage->ModifyStyle(WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
                       WS_CHILD | WS_CLIPSIBLINGS);
    pPage->ModifyStyleEx(WS_EX_APPWINDOW | WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_TOPMOST, 0);
    pPage->SetParent(pParent);
    pPage->SetWindowPos(NULL, pt.x, pt.y, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Tool bar

BEGIN_MESSAGE_MAP(CGalleryToolBar, CControlBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {
const int kToolW = 110, kToolH = 24, kToolGap = 6;
}

BOOL CGalleryToolBar::Create(CWnd* pParent) {
    m_dwStyle = CBRS_TOP;
    SetBorders(6, 4, 6, 4);
    if (!CWnd::Create(NULL, "Pasek narzędzi", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 10, 10), pParent,
                      AFX_IDW_TOOLBAR))
        return FALSE;
    static const struct {
        const char* text;
        UINT id;
    } buttons[3] = {{"< Poprzednia", ID_GALLERY_PREV}, {"Następna >", ID_GALLERY_NEXT}, {"Pływający", ID_GALLERY_FLOAT}};
    for (int i = 0; i < 3; ++i) {
        const int x = m_cxLeftBorder + i * (kToolW + kToolGap);
        m_buttons[i].Create(buttons[i].text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                            CRect(x, m_cyTopBorder, x + kToolW, m_cyTopBorder + kToolH), this, buttons[i].id);
        m_buttons[i].SetFont(DemoFont(14), FALSE);
    }
    return TRUE;
}

CSize CGalleryToolBar::CalcFixedLayout(BOOL, BOOL) {
    // One row of buttons; docked, the bar runs across the whole frame.
    CSize size(m_cxLeftBorder + 3 * kToolW + 2 * kToolGap + m_cxRightBorder, m_cyTopBorder + kToolH + m_cyBottomBorder);
    if (!IsFloating() && m_pDockSite != NULL) {
        CRect rc;
        m_pDockSite->GetClientRect(&rc);
        size.cx = std::max<LONG>(size.cx, rc.Width());
    }
    return size;
}

void CGalleryToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void CGalleryToolBar::OnPaint() {
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CKMaskPainter painter(this);
    painter.PaintWithoutMask(&dc, rc, ctBitmap, false, true);
    // A line of the paper's shadow under the docked bar.
    if (!IsFloating()) painter.PaintWithoutMask(&dc, CRect(rc.left, rc.bottom - 1, rc.right, rc.bottom), ctShadow, false, true);
}

BOOL CGalleryToolBar::OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }

// ---------------------------------------------------------------------------------------------
// Frame

IMPLEMENT_DYNCREATE(CGalleryFrame, CKFrameWnd)

BEGIN_MESSAGE_MAP(CGalleryFrame, CKFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_GALLERY_PREV, OnPrevPage)
    ON_COMMAND(ID_GALLERY_NEXT, OnNextPage)
    ON_COMMAND(ID_GALLERY_FLOAT, OnToggleFloat)
    ON_UPDATE_COMMAND_UI(ID_GALLERY_PREV, OnUpdatePrevPage)
    ON_UPDATE_COMMAND_UI(ID_GALLERY_NEXT, OnUpdateNextPage)
END_MESSAGE_MAP()

CGalleryFrame::CGalleryFrame() : m_pPage(NULL), m_nPage(0), m_pForm(NULL) {}

BOOL CGalleryFrame::Open() {
    CCreateContext context;
    if (!Create(NULL, "Galeria Kelm", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CRect(0, 0, 1000, 640), NULL, NULL, 0,
                &context))
        return FALSE;
    InitialUpdateFrame(NULL, TRUE);
    return TRUE;
}

BOOL CGalleryFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
    // The list of pages on the left, the form with the page on the right.
    if (!m_wndSplitter.CreateStatic(this, 1, 2) ||
        !m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CPageListView), CSize(kListWidth, 0), pContext) ||
        !m_wndSplitter.CreateView(0, 1, RUNTIME_CLASS(CGalleryForm), CSize(0, 0), pContext))
        return FALSE;
    m_wndSplitter.SetColumnInfo(0, kListWidth, 80);
    m_pForm = DYNAMIC_DOWNCAST(CGalleryForm, CWnd::FromHandlePermanent(m_wndSplitter.GetPane(0, 1)->m_hWnd));
    SetActiveView(m_pForm, FALSE);
    return m_pForm != NULL;
}

int CGalleryFrame::OnCreate(LPCREATESTRUCT lpcs) {
    if (CKFrameWnd::OnCreate(lpcs) == -1) return -1;
    SetBorderType(this, BT_RAISED);
    // Deep blue ink bands on light linen paper; an active title in orange.
    m_pInk.reset(new CKBitmapDC(NULL, 8, 8));
    m_pPaper.reset(new CKBitmapDC(NULL, 6, 6));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) m_pInk->SetPixel(x, y, ((x + y) / 2) % 2 ? RGB(20, 40, 90) : RGB(35, 60, 120));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            m_pPaper->SetPixel(x, y, (x + 2 * y) % 6 == 0 ? RGB(222, 218, 204) : RGB(238, 235, 226));
    m_wndTitleBar.SetFont(DemoFont(16, true), FALSE);
    // The tool bar docks under the title bar and floats in a skinned dock frame.
    EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    m_pFloatingFrameClass = RUNTIME_CLASS(CKDockFrame);
    if (!m_wndToolBar.Create(this)) return -1;
    m_pTitleLook.reset(new CKMPBitmapProvider(&m_wndTitleBar, m_pInk.get(), RGB(20, 40, 90), RGB(200, 90, 20),
                                              RGB(230, 140, 60), m_pPaper.get(), RGB(238, 235, 226),
                                              RGB(150, 160, 170), RGB(230, 140, 60), false));
    m_pToolLook.reset(new CKMPBitmapProvider(&m_wndToolBar, m_pInk.get(), RGB(20, 40, 90), RGB(60, 80, 120),
                                             RGB(230, 140, 60), m_pPaper.get(), RGB(238, 235, 226),
                                             RGB(150, 160, 170), RGB(230, 140, 60), false));
    m_pListLook.reset(new CKMPBitmapProvider(m_wndSplitter.GetPane(0, 0), m_pInk.get(), RGB(20, 40, 90),
                                             RGB(60, 80, 120), RGB(230, 140, 60), m_pPaper.get(), RGB(238, 235, 226),
                                             RGB(150, 160, 170), RGB(230, 140, 60), false));
    m_wndToolBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    DockControlBar(&m_wndToolBar, AFX_IDW_DOCKBAR_TOP);
    return 0;
}

CWnd* CGalleryFrame::ShowPage(size_t nIndex) {
    if (m_pPage != NULL) {
        m_pPage->DestroyWindow();  // pages delete themselves
        m_pPage = NULL;
    }
    const std::vector<DemoPage>& pages = DemoPages();
    CGalleryForm* pForm = m_pForm;
    if (nIndex >= pages.size() || pForm == NULL) return NULL;
    m_nPage = nIndex;
    if (CWnd* pList = m_wndSplitter.GetPane(0, 0)) pList->Invalidate();
    CWnd* pPage = pages[nIndex].create();
    if (pPage == NULL) return NULL;
    const CString strTitle = PageTitle(pPage);
    HostPage(pPage, pForm, CPoint(0, kPageTop));
    m_pPage = pPage;
    CRect rcPage;
    pPage->GetWindowRect(&rcPage);
    // The frame fits around the page, its title line above it.
    pForm->SetScrollSizes(MM_TEXT, CSize(rcPage.Width(), kPageTop + rcPage.Height()));
    if (!IsZoomed()) pForm->ResizeParentToFit(FALSE);
    CRect rcForm;
    pForm->GetClientRect(&rcForm);
    pForm->m_title.MoveWindow(0, 0, std::max<int>(rcForm.Width(), rcPage.Width()), kPageTop - 4);
    pForm->m_title.SetFont(DemoFont(16, true), FALSE);
    pForm->m_title.SetWindowText(strTitle);
    CString strFrameTitle;
    strFrameTitle.Format("Galeria Kelm: %d z %d", (int)nIndex + 1, (int)pages.size());
    SetWindowText(strFrameTitle);
    return pPage;
}

void CGalleryFrame::OnPrevPage() {
    if (m_nPage > 0) ShowPage(m_nPage - 1);
}

void CGalleryFrame::OnNextPage() {
    if (m_nPage + 1 < DemoPages().size()) ShowPage(m_nPage + 1);
}

void CGalleryFrame::OnUpdatePrevPage(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nPage > 0); }
void CGalleryFrame::OnUpdateNextPage(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nPage + 1 < DemoPages().size()); }

void CGalleryFrame::OnToggleFloat() {
    if (m_wndToolBar.IsFloating()) {
        DockToolBar();
    } else {
        CRect rc;
        m_wndToolBar.GetWindowRect(&rc);
        FloatToolBar(rc.TopLeft() + CSize(40, 60));
    }
}

void CGalleryFrame::FloatToolBar(CPoint ptScreen) { FloatControlBar(&m_wndToolBar, ptScreen); }
void CGalleryFrame::DockToolBar() { DockControlBar(&m_wndToolBar, AFX_IDW_DOCKBAR_TOP); }

int CGalleryFrame::WriteScreenshots(const std::string& folder) {
    int failures = 0;
    auto shoot = [&](const char* name) {
        DemoPump(150);
        CRect rc;
        GetWindowRect(&rc);
        const std::string path = folder + "\\" + name + ".bmp";
        if (!DemoSaveScreenRect(rc, path)) {
            std::printf("demo: cannot write %s\n", path.c_str());
            ++failures;
        }
    };
    ShowWindow(SW_SHOWNORMAL);
    SetForegroundWindow();
    SetActiveWindow();
    shoot("09_frame_active");

    // Another window takes the activation: the title turns inactive.
    CWnd other;
    other.CreateEx(0, DemoWindowClass(), "", WS_POPUP | WS_VISIBLE | WS_BORDER, 1000, 800, 200, 120, NULL, NULL);
    other.SetForegroundWindow();
    other.SetActiveWindow();
    shoot("09_frame_inactive");
    other.DestroyWindow();
    SetForegroundWindow();
    SetActiveWindow();

    // Maximized: the restore glyph in the maximize button's place.
    ShowWindow(SW_MAXIMIZE);
    shoot("09_frame_maximized");
    ShowWindow(SW_RESTORE);

    // The tool bar floats over the frame in its skinned dock frame.
    CRect rcFrame;
    GetWindowRect(&rcFrame);
    FloatToolBar(rcFrame.TopLeft() + CSize(300, 130));
    shoot("09_frame_floating");
    DockToolBar();
    DemoPump(50);

    // The splitter's bar in the look, then dragged: its tracker shows where it will go.
    shoot("10_splitter");
    int cxList = 0, cxMin = 0;
    m_wndSplitter.GetColumnInfo(0, cxList, cxMin);
    CPoint pt(cxList + 2, 200);
    m_wndSplitter.ClientToScreen(&pt);
    auto send = [](DWORD dwFlags, CPoint ptScreen) {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
        in.mi.dx = (ptScreen.x * 65536 + cx - 1) / cx;
        in.mi.dy = (ptScreen.y * 65536 + cy - 1) / cy;
        in.mi.dwFlags = dwFlags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        ::SendInput(1, &in, sizeof(in));
        DemoPump(50);
    };
    send(0, pt);
    send(MOUSEEVENTF_LEFTDOWN, pt);
    send(0, pt + CSize(60, 0));
    send(0, pt + CSize(120, 0));
    shoot("10_splitter_tracking");
    send(MOUSEEVENTF_LEFTUP, pt + CSize(120, 0));
    m_wndSplitter.SetColumnInfo(0, cxList, cxMin);
    m_wndSplitter.RecalcLayout();
    DemoPump(50);
    return failures;
}

bool DemoSaveScreenRect(const CRect& rcWanted, const std::string& path) {
    // Only what is on the screen (a maximized frame's border lies outside it).
    CRect rc;
    rc.IntersectRect(rcWanted, CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
    const int w = rc.Width(), h = rc.Height();
    if (w <= 0 || h <= 0) return false;
    HDC hScreen = ::GetDC(NULL);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = NULL;
    HBITMAP hDib = ::CreateDIBSection(hScreen, &bi, DIB_RGB_COLORS, &bits, NULL, 0);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hDib);
    ::BitBlt(hMem, 0, 0, w, h, hScreen, rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    const DWORD stride = (w * 3 + 3) & ~3, size = stride * h;
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(bi.bmiHeader);
    fh.bfSize = fh.bfOffBits + size;
    bool ok = false;
    if (bits != NULL) {
        if (FILE* f = std::fopen(path.c_str(), "wb")) {
            ok = std::fwrite(&fh, sizeof fh, 1, f) == 1 && std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f) == 1 &&
                 std::fwrite(bits, 1, size, f) == size;
            std::fclose(f);
        }
    }
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::DeleteObject(hDib);
    ::ReleaseDC(NULL, hScreen);
    return ok;
}
