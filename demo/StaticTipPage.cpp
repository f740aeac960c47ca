// Gallery page: static texts (plain, clipped, inverse, formatted) on a textured look, and a label
// with a formatted tooltip. The script rests the real pointer on the label until the tip shows.
#include <kelm/buttons/CKStatic.h>
#include <kelm/paint/CKBitmapDC.h>
#include <kelm/paint/CKMPBitmapProvider.h>
#include <kelm/range/CKToolTipCtrl.h>

#include "DemoPage.h"

namespace {

enum { IDC_PLAIN = 101, IDC_CLIPPED, IDC_INVERSE, IDC_FORMATTED, IDC_FORMATTED_INVERSE, IDC_TOOL };

const CRect kToolRect(20, 250, 330, 274);

class CStaticTipPage : public CWnd {
public:
    CKStatic m_plain, m_clipped, m_inverse, m_formatted, m_formattedInverse, m_tool;
    CKToolTipCtrl m_tip;
    FormatTextParams m_params;
    CKBitmapDC* m_pPaper = nullptr;
    CKMPBitmapProvider* m_pLook = nullptr;
    CKMPBitmapProvider* m_pTipLook = nullptr;

    ~CStaticTipPage() override {
        delete m_pTipLook;
        delete m_pLook;
        delete m_pPaper;
    }
    void PostNcDestroy() override { delete this; }

    BOOL Open() {
        if (!CreateEx(0, DemoWindowClass(), "Kelm: tekst statyczny i podpowiedź",
                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, 600, 420, NULL, NULL))
            return FALSE;
        DemoSetTitle(this, "Kelm: tekst statyczny i podpowiedź");

        // A light woven paper for the whole page: the statics tile it from the page's origin.
        m_pPaper = new CKBitmapDC(NULL, 8, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                m_pPaper->SetPixel(x, y, ((x / 4) ^ (y / 4)) ? RGB(238, 234, 220) : RGB(226, 220, 200));
        m_pLook = new CKMPBitmapProvider(this, nullptr, RGB(40, 30, 90), RGB(90, 60, 40), RGB(180, 60, 0), m_pPaper,
                                         RGB(240, 235, 220), RGB(180, 170, 150), RGB(120, 100, 80), false);

        const DWORD style = WS_CHILD | WS_VISIBLE;
        m_plain.Create("Zwykły tekst: Zażółć gęślą jaźń", style, CRect(20, 20, 560, 44), this, IDC_PLAIN);
        m_plain.SetFont(DemoFont(18));
        m_clipped.Create("Za długi tekst jest przycięty na prawej krawędzi, bez zawijania i wielokropka",
                         style, CRect(20, 54, 330, 78), this, IDC_CLIPPED);
        m_clipped.SetFont(DemoFont(18));
        m_inverse.m_bInverse = true;
        m_inverse.Create("Tryb odwrócony: Pchnąć w tę łódź jeża", style, CRect(20, 88, 560, 114), this, IDC_INVERSE);
        m_inverse.SetFont(DemoFont(18, true));

        // Liberation Sans: the Tahoma of the test prefix draws no bold above 9 points.
        m_params = GetDefaultFormatTextParams();
        lstrcpynA(m_params.szFaceName, "Liberation Sans", sizeof m_params.szFaceName);
        m_params.nFontSize = 110;
        m_params.nMarginLeft = m_params.nMarginTop = 4;
        m_formatted.SetHtmlMode(true, &m_params);
        m_formatted.Create("<b>Tekst sformatowany:</b> <i>kursywa</i>, <u>podkreślenie</u>, <s>skreślenie</s><br>"
                           "<font size=5>Większy</font> i <font size=2>mniejszy</font>, <a href=x>odnośnik</a>; "
                           "żółć &amp; &bdquo;cudzysłów&rdquo;",
                           style, CRect(20, 124, 560, 200), this, IDC_FORMATTED);
        m_formattedInverse.m_bInverse = true;
        m_formattedInverse.SetHtmlMode(true, &m_params);
        m_formattedInverse.Create("<b>Odwrócony</b> i <i>sformatowany</i>: źdźbło, <u>gżegżółka</u>", style,
                                  CRect(20, 208, 560, 236), this, IDC_FORMATTED_INVERSE);

        m_tool.Create("Najedź myszą, aby zobaczyć podpowiedź", style | SS_NOTIFY, kToolRect, this, IDC_TOOL);
        m_tool.SetFont(DemoFont(18));

        // The tip gets a pale yellow look of its own.
        if (!m_tip.Create(this, TTS_ALWAYSTIP | TTS_NOPREFIX)) return FALSE;
        m_pTipLook = new CKMPBitmapProvider(&m_tip, nullptr, RGB(60, 20, 0), RGB(0, 0, 0), RGB(0, 0, 0), nullptr,
                                            RGB(255, 250, 205), RGB(200, 190, 140), RGB(0, 0, 0), false);
        lstrcpynA(m_tip.m_params.szFaceName, "Liberation Sans", sizeof m_tip.m_params.szFaceName);
        m_tip.m_params.nFontSize = 100;
        m_tip.m_params.nMarginLeft = m_tip.m_params.nMarginRight = 4;
        m_tip.m_params.nMarginTop = m_tip.m_params.nMarginBottom = 3;
        static const char szTip[] =
            "<b>Podpowiedź Kelm</b><br>Tekst <i>sformatowany</i> na tle wyglądu,<br>"
            "z polskimi znakami: <font color=maroon>ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ</font>";
        TOOLINFOA ti = {};
        ti.cbSize = sizeof(ti);
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = m_hWnd;
        ti.uId = (UINT_PTR)m_tool.m_hWnd;
        ti.lpszText = (LPSTR)szTip;
        m_tip.SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
        m_tip.SetDelayTime(TTDT_INITIAL, 200);
        m_tip.SetDelayTime(TTDT_AUTOPOP, 30000);

        ShowWindow(SW_SHOW);
        return TRUE;
    }
};

CWnd* CreateStaticTipPage() {
    return DemoOpenPage<CStaticTipPage>();
}

// Rests the pointer on the label until the platform shows the tip (below the pointer, inside
// the page).
void DriveStaticTipPage(CWnd* pPage) {
    CStaticTipPage* page = static_cast<CStaticTipPage*>(pPage);
    DemoMoveCursor(pPage, kToolRect.left + 60, kToolRect.top + 8);
    DemoMoveCursor(pPage, kToolRect.left + 70, kToolRect.top + 12);
    for (int i = 0; i < 60 && !page->m_tip.IsWindowVisible(); ++i) DemoPump(50);
    DemoPump(200);
}

DemoPageRegistrar g_staticTip({"04_static_tooltip", &CreateStaticTipPage, &DriveStaticTipPage});

}  // namespace
