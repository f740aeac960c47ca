// Gallery page: the built-in look and a textured look side by side, each panel composed through
// the paint pipeline (background, shadow, ink) with a sunken Kelm border.
#include <kelm/kelm.h>

#include "DemoPage.h"

namespace {

class CLookPanel : public CWnd {
public:
    CString m_title;
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        CKPaintBuffer buffer(&dc, rc.Width(), rc.Height());
        CDC& mask = buffer.Mask();

        // Title and a line of Polish text, cut into the mask as ink.
        DemoDrawLabel(mask, CRect(10, 8, rc.right - 10, 44), m_title, 26, true);
        DemoDrawLabel(mask, CRect(10, 46, rc.right - 10, 70), "Zażółć gęślą jaźń", 17);

        // A row of arrow glyphs, each an ink box with the arrow cut out.
        for (int dir = dirUp; dir <= dirDropUp; ++dir) {
            CRect box(10 + dir * 36, 84, 10 + dir * 36 + 30, 84 + 30);
            CKMonoBitmapDC glyph(&mask, box.Width(), box.Height());
            CKStdPainter::DrawArrow(&glyph, CRect(0, 0, box.Width(), box.Height()), (EDir)dir, dir % 2 == 0);
            mask.BitBlt(box.left, box.top, box.Width(), box.Height(), &glyph, 0, 0, SRCCOPY);
        }
        // A solid ink bar and an outlined frame.
        mask.FillSolidRect(10, 130, rc.Width() - 20, 14, RGB(0, 0, 0));
        mask.FillSolidRect(10, 156, rc.Width() - 20, 50, RGB(0, 0, 0));
        mask.FillSolidRect(14, 160, rc.Width() - 28, 42, RGB(255, 255, 255));

        buffer.Compose(this, SKLayers{ctBitmap, true, ctShadow, ctBitmap});
        buffer.Present(&dc);
    }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }
    afx_msg void OnNcCalcSize(BOOL bCalc, NCCALCSIZE_PARAMS* p) { CKStdPainter::OnNcCalcSize(this, bCalc, p); }
    afx_msg void OnNcPaint() { CKStdPainter::OnNcPaint(this); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLookPanel, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
END_MESSAGE_MAP()

// The page owns the textured look: its pattern bitmaps and the provider of the right panel.
class CLooksPage : public CWnd {
public:
    CLookPanel m_plain, m_textured;
    CKBitmapDC* m_pInk = nullptr;
    CKBitmapDC* m_pPaper = nullptr;
    CKMPBitmapProvider* m_pLook = nullptr;

    ~CLooksPage() override {
        delete m_pLook;
        delete m_pInk;
        delete m_pPaper;
    }
    void PostNcDestroy() override { delete this; }

    BOOL Open() {
        if (!CreateEx(0, DemoWindowClass(), "Kelm: wygląd domyślny i teksturowany", WS_OVERLAPPED | WS_CAPTION |
                      WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, 700, 290, NULL, NULL))
            return FALSE;
        DemoSetTitle(this, "Kelm: wygląd domyślny i teksturowany");
        m_plain.m_title = "Wygląd domyślny";
        m_textured.m_title = "Wygląd z teksturą";
        m_plain.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 340, 245), this, 1);
        m_textured.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(350, 10, 680, 245), this, 2);

        // Ink: warm diagonal bands; paper: a light woven pattern. Both tile from the panel's origin.
        m_pInk = new CKBitmapDC(NULL, 16, 16);
        m_pPaper = new CKBitmapDC(NULL, 8, 8);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                m_pInk->SetPixel(x, y, ((x + y) / 4) % 2 ? RGB(150, 40, 20) : RGB(200, 90, 10));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                m_pPaper->SetPixel(x, y, ((x / 4) ^ (y / 4)) ? RGB(236, 230, 210) : RGB(222, 214, 190));
        m_pLook = new CKMPBitmapProvider(&m_textured, m_pInk, RGB(80, 20, 10), RGB(90, 60, 40), RGB(180, 60, 0),
                                         m_pPaper, RGB(240, 235, 220), RGB(170, 150, 120), RGB(120, 100, 80), false);
        SetBorderType(&m_plain, BT_SUNKEN);
        SetBorderType(&m_textured, BT_SUNKEN);
        ShowWindow(SW_SHOW);
        return TRUE;
    }
};

CWnd* CreateLooksPage() {
    return DemoOpenPage<CLooksPage>();
}

DemoPageRegistrar g_looks({"01_looks", &CreateLooksPage, nullptr});

}  // namespace
