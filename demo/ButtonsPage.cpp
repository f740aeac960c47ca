// Gallery page: push buttons, check boxes, three-state boxes, radio buttons and mask buttons,
// enabled and disabled, in the built-in look and in a textured look. The script checks a box
// with real clicks and leaves the pointer over a push button.
#include <kelm/buttons/CKButton.h>
#include <kelm/buttons/CKMaskButton.h>
#include <kelm/paint/CKMPBitmapProvider.h>
#include <kelm/paint/CKPaintBuffer.h>
#include <kelm/paint/CKStdPainter.h>

#include <memory>
#include <vector>

#include "DemoPage.h"

namespace {

enum { idFirst = 100, idRadioFirst = idFirst + 9, idRadioLast = idFirst + 11 };

struct ButtonDef {
    const char* caption;
    DWORD style;
    int check;
    bool enabled;
};

// Rows of three: push buttons, check boxes, three-state boxes, radio buttons.
const ButtonDef kButtons[] = {
    {"Zapisz", BS_PUSHBUTTON, 0, true},        {"Anuluj", BS_PUSHBUTTON, 0, true},
    {"Wyłączony", BS_PUSHBUTTON, 0, false},    {"Pole wyboru", BS_AUTOCHECKBOX, 0, true},
    {"Zaznaczone", BS_AUTOCHECKBOX, 1, true},  {"Wyłączone", BS_AUTOCHECKBOX, 1, false},
    {"Trzy stany", BS_AUTO3STATE, 2, true},    {"Ręczne", BS_3STATE, 1, true},
    {"Nieustalone", BS_AUTO3STATE, 2, false},  {"Opcja A", BS_AUTORADIOBUTTON, 1, true},
    {"Opcja B", BS_AUTORADIOBUTTON, 0, true},  {"Opcja C", BS_AUTORADIOBUTTON, 0, false},
};
const int kCols = 3, kColW = 118, kRowH = 34, kTop = 40, kBtnW = 110, kBtnH = 26;

// A panel of buttons that paints its background and title in its look.
class CButtonPanel : public CWnd {
public:
    CString m_title;
    std::vector<std::unique_ptr<CKButton>> m_buttons;
    CKMaskButton m_minimize{136, 137};  // Kelm's caption-button masks, found through the resource chain
    CKMaskButton m_zoom, m_close;

    BOOL Open(CWnd* pParent, const CRect& rc, UINT nID, const char* pszTitle) {
        m_title = pszTitle;
        if (!Create(NULL, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, pParent, nID)) return FALSE;
        for (int i = 0; i < (int)(sizeof kButtons / sizeof kButtons[0]); ++i) {
            const ButtonDef& s = kButtons[i];
            CRect rcBtn(10 + i % kCols * kColW, kTop + i / kCols * kRowH, 0, 0);
            rcBtn.right = rcBtn.left + kBtnW;
            rcBtn.bottom = rcBtn.top + kBtnH;
            std::unique_ptr<CKButton> pBtn(new CKButton);
            pBtn->Create(s.caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | s.style, rcBtn, this, idFirst + i);
            Prepare(*pBtn, s.check, s.enabled);
            m_buttons.push_back(std::move(pBtn));
        }
        const int y = kTop + 4 * kRowH + 6;
        m_zoom.LoadMasks(134, 135, 138, 139, 0, 0);
        m_close.LoadMasks(132, 133, 0, 0, 0, 0);
        m_minimize.Create("Minimalizuj", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, y, 10 + kBtnW, y + kBtnH), this, 150);
        m_zoom.Create("Pełny ekran", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(10 + kColW, y, 10 + kColW + kBtnW, y + kBtnH), this, 151);
        m_close.Create("Zamknij", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10 + 2 * kColW, y, 10 + 2 * kColW + kBtnW, y + kBtnH), this, 152);
        Prepare(m_minimize, 0, true);
        Prepare(m_zoom, 0, true);
        Prepare(m_close, 0, false);
        SetBorderType(this, BT_SUNKEN);
        return TRUE;
    }

    CKButton* Button(int nIndex) { return m_buttons[nIndex].get(); }

    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        CKPaintBuffer buffer(&dc, rc.Width(), rc.Height());
        CDC& mask = buffer.Mask();
        DemoDrawLabel(mask, CRect(10, 6, rc.right - 10, 32), m_title, 19, true);
        buffer.Compose(this, SKLayers{ctBitmap, true, ctShadow, ctBitmap});
        buffer.Present(&dc);
    }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }
    afx_msg void OnNcCalcSize(BOOL bCalc, NCCALCSIZE_PARAMS* p) { CKStdPainter::OnNcCalcSize(this, bCalc, p); }
    afx_msg void OnNcPaint() { CKStdPainter::OnNcPaint(this); }

    // The buttons check only themselves: the panel keeps its radio group exclusive.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        const UINT nID = LOWORD(wParam);
        if (HIWORD(wParam) == BN_CLICKED && nID >= idRadioFirst && nID <= idRadioLast)
            for (UINT id = idRadioFirst; id <= idRadioLast; ++id)
                if (id != nID) ::SendDlgItemMessageA(m_hWnd, id, BM_SETCHECK, 0, 0);
        return CWnd::OnCommand(wParam, lParam);
    }
    DECLARE_MESSAGE_MAP()

private:
    static void Prepare(CKButton& b, int nCheck, bool bEnabled) {
        b.SetFont(DemoFont(15));
        b.SetCheck(nCheck);
        b.EnableWindow(bEnabled);
    }
};

BEGIN_MESSAGE_MAP(CButtonPanel, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
END_MESSAGE_MAP()

class CButtonsPage : public CWnd {
public:
    CButtonPanel m_plain, m_textured;
    std::unique_ptr<CKBitmapDC> m_pInk, m_pPaper;
    std::unique_ptr<CKMPBitmapProvider> m_pLook;

    void PostNcDestroy() override { delete this; }

    BOOL Open() {
        if (!CreateEx(0, DemoWindowClass(), "Kelm: przyciski", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                      0, 0, 770, 278, NULL, NULL))
            return FALSE;
        DemoSetTitle(this, "Kelm: przyciski, pola wyboru, opcje i przyciski z maskami");
        // The textured look: deep blue-green ink bands on light linen.
        m_pInk.reset(new CKBitmapDC(NULL, 12, 12));
        m_pPaper.reset(new CKBitmapDC(NULL, 6, 6));
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x)
                m_pInk->SetPixel(x, y, ((x + y) / 3) % 2 ? RGB(20, 70, 90) : RGB(30, 95, 110));
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x)
                m_pPaper->SetPixel(x, y, (x + 2 * y) % 6 == 0 ? RGB(226, 222, 206) : RGB(240, 237, 226));
        if (!m_plain.Open(this, CRect(10, 10, 375, 230), 1, "Wygląd domyślny") ||
            !m_textured.Open(this, CRect(385, 10, 750, 230), 2, "Wygląd z teksturą"))
            return FALSE;
        // Nothing has painted yet: the page is still hidden.
        m_pLook.reset(new CKMPBitmapProvider(&m_textured, m_pInk.get(), RGB(10, 40, 60), RGB(20, 50, 70),
                                             RGB(170, 60, 20), m_pPaper.get(), RGB(245, 240, 230),
                                             RGB(150, 160, 160), RGB(230, 140, 60), false));
        ShowWindow(SW_SHOW);
        return TRUE;
    }
};

CWnd* CreateButtonsPage() {
    return DemoOpenPage<CButtonsPage>();
}

// Checks "Pole wyboru" on the left and steps "Trzy stany" on the right from indeterminate to
// checked with real clicks, then rests the pointer on "Anuluj" on the right, which shows its hot
// shadow in the screenshot.
void DriveButtonsPage(CWnd* pWnd) {
    CButtonsPage* pPage = static_cast<CButtonsPage*>(pWnd);
    DemoClick(pPage->m_plain.Button(3), 20, kBtnH / 2);
    DemoClick(pPage->m_textured.Button(6), 20, kBtnH / 2);
    DemoMoveCursor(pPage->m_textured.Button(1), kBtnW / 2, kBtnH / 2);
    DemoPump(150);
}

DemoPageRegistrar g_buttons({"02_buttons", &CreateButtonsPage, &DriveButtonsPage});

}  // namespace
