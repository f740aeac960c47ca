// Gallery page: sliders (plain, disabled, in a look of their own) and spin buttons (one with a
// buddy edit, one standing alone). The script drags a thumb and clicks an up arrow with real
// input, then rests the pointer on the lone spin button.
#include <kelm/paint/CKMPBitmapProvider.h>
#include <kelm/range/CKSliderCtrl.h>
#include <kelm/range/CKSpinButtonCtrl.h>

#include <cstdio>

#include "DemoPage.h"

namespace {

enum { IDC_SLIDER = 101, IDC_SLIDER_OFF, IDC_SLIDER_LOOK, IDC_EDIT, IDC_SPIN, IDC_SPIN_ALONE };

const CRect kSliderRect(20, 40, 340, 70);
const CRect kValueRect(350, 40, 500, 70);

class CSliderSpinPage : public CWnd {
public:
    CKSliderCtrl m_slider, m_sliderOff, m_sliderLook;
    CWnd m_edit;
    CKSpinButtonCtrl m_spin, m_spinAlone;
    CKMPBitmapProvider* m_pLook = nullptr;
    int m_nValue = 0;

    ~CSliderSpinPage() override { delete m_pLook; }
    void PostNcDestroy() override { delete this; }

    BOOL Open() {
        if (!CreateEx(0, DemoWindowClass(), "Kelm: suwak i przycisk przewijania",
                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, 540, 330, NULL, NULL))
            return FALSE;
        DemoSetTitle(this, "Kelm: suwak i przycisk przewijania");

        m_slider.Create(WS_CHILD | WS_VISIBLE, kSliderRect, this, IDC_SLIDER);
        m_slider.SetRange(0, 100);
        m_slider.SetPos(20);
        m_nValue = m_slider.GetPos();

        m_sliderOff.Create(WS_CHILD | WS_VISIBLE | WS_DISABLED, CRect(20, 100, 340, 130), this, IDC_SLIDER_OFF);
        m_sliderOff.SetPos(60);

        m_sliderLook.Create(WS_CHILD | WS_VISIBLE, CRect(20, 160, 340, 190), this, IDC_SLIDER_LOOK);
        m_sliderLook.SetRange(-50, 50);
        m_sliderLook.SetPos(25);
        m_pLook = new CKMPBitmapProvider(&m_sliderLook, nullptr, RGB(30, 60, 120), RGB(20, 30, 60), RGB(200, 80, 0),
                                         nullptr, RGB(235, 240, 250), RGB(150, 170, 200), RGB(90, 110, 160), false);

        m_edit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_RIGHT,
                        CRect(20, 240, 100, 264), this, IDC_EDIT);
        m_edit.SetFont(DemoFont(16));
        m_spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, CRect(0, 0, 16, 24),
                      this, IDC_SPIN);
        m_spin.SetBuddy(&m_edit);
        m_spin.SetRange(0, 99);
        m_spin.SetPos(7);

        m_spinAlone.Create(WS_CHILD | WS_VISIBLE, CRect(200, 234, 216, 274), this, IDC_SPIN_ALONE);
        m_spinAlone.SetRange(0, 10);

        ShowWindow(SW_SHOW);
        return TRUE;
    }

    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CFont* pOld = dc.SelectObject(DemoFont(16));
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(0, 0, 0));
        dc.TextOut(20, 16, "Suwak");
        dc.TextOut(20, 76, "Suwak wyłączony");
        dc.TextOut(20, 136, "Suwak z własnym wyglądem");
        dc.TextOut(20, 214, "Pole z przyciskiem");
        dc.TextOut(200, 214, "Sam przycisk");
        char text[40];
        std::snprintf(text, sizeof text, "Pozycja: %d", m_nValue);
        CRect rc = kValueRect;
        dc.DrawText(text, -1, rc, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        dc.SelectObject(pOld);
    }

    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
        if (pScrollBar != NULL && pScrollBar->m_hWnd == m_slider.m_hWnd && nSBCode == SB_THUMBTRACK) {
            m_nValue = (short)nPos;
            InvalidateRect(kValueRect);
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSliderSpinPage, CWnd)
    ON_WM_PAINT()
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

CWnd* CreateSliderSpinPage() {
    return DemoOpenPage<CSliderSpinPage>();
}

void Button(bool bDown) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = bDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &in, sizeof(in));
    DemoPump(30);
}

// A point of a child window in the page's client coordinates.
CPoint OnPage(CWnd* pPage, CWnd* pChild, int x, int y) {
    CPoint pt(x, y);
    pChild->MapWindowPoints(pPage, &pt, 1);
    return pt;
}

void DriveSliderSpinPage(CWnd* pWnd) {
    CSliderSpinPage* pPage = static_cast<CSliderSpinPage*>(pWnd);

    // Drag the first slider's thumb to the right, in steps.
    CRect thumb;
    pPage->m_slider.GetThumbRect(&thumb);
    CPoint pt = OnPage(pPage, &pPage->m_slider, thumb.left + 4, thumb.top + 8);
    DemoMoveCursor(pPage, pt.x, pt.y);
    Button(true);
    for (int dx = 20; dx <= 160; dx += 20) DemoMoveCursor(pPage, pt.x + dx, pt.y);
    Button(false);

    // Two clicks on the up arrow of the spin button beside the edit.
    CRect rcSpin;
    pPage->m_spin.GetClientRect(&rcSpin);
    pt = OnPage(pPage, &pPage->m_spin, rcSpin.Width() / 2, rcSpin.Height() / 4);
    DemoClick(pPage, pt.x, pt.y);
    DemoClick(pPage, pt.x, pt.y);

    // Rest over the lone spin button: its hot look is in the picture.
    CRect rcAlone;
    pPage->m_spinAlone.GetClientRect(&rcAlone);
    pt = OnPage(pPage, &pPage->m_spinAlone, rcAlone.Width() / 2, rcAlone.Height() / 2);
    DemoMoveCursor(pPage, pt.x, pt.y);
    DemoPump(100);
}

DemoPageRegistrar g_sliderSpin({"03_slider_spin", &CreateSliderSpinPage, &DriveSliderSpinPage});

}  // namespace
