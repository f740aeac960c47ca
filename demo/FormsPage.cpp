// Gallery page: a form of skinned edit controls (one with a text longer than the field, which
// scrolls) and two skinned combo boxes, one opening downward and one upward. The script selects
// part of a text by dragging, opens the upper combo box with a click and rests the pointer on one
// of its rows; the picture is taken while the list is open.
#include <kelm/lists/CKComboBox.h>
#include <kelm/lists/CKEdit.h>
#include <kelm/lists/CKListBox.h>
#include <kelm/paint/CKMPBitmapProvider.h>
#include <kelm/paint/CKPaintBuffer.h>
#include <kelm/paint/CKStdPainter.h>

#include <memory>

#include "DemoListBox.h"
#include "DemoPage.h"

namespace {

enum { IDC_NAME = 101, IDC_ADDRESS, IDC_NOTE, IDC_REGION, IDC_MONTH, IDC_REGION_LIST, IDC_MONTH_LIST };

const char* const kRegions[] = {"dolnośląskie",  "kujawsko-pomorskie", "lubelskie",   "lubuskie",
                                "łódzkie",       "małopolskie",        "mazowieckie", "opolskie",
                                "podkarpackie",  "podlaskie",          "pomorskie",   "śląskie",
                                "świętokrzyskie", "warmińsko-mazurskie", "wielkopolskie", "zachodniopomorskie"};
const char* const kMonths[] = {"styczeń", "luty",     "marzec",   "kwiecień",    "maj",      "czerwiec",
                               "lipiec",  "sierpień", "wrzesień", "październik", "listopad", "grudzień"};

// The face's text sits where a row's does: two pixels in from the top and the left.
class CFormComboBox : public CKComboBox {
public:
    explicit CFormComboBox(bool bOpenUp) { m_bOpenUp = bOpenUp; }
    void DrawCombo(CDC* pMaskDC, CRect rc) override {
        rc.DeflateRect(2, 2, 0, 0);
        CKComboBox::DrawCombo(pMaskDC, rc);
    }
};

class CFormsPage : public CWnd {
public:
    CKEdit m_name, m_address, m_note;
    CFormComboBox m_region{false}, m_month{true};
    std::unique_ptr<CKBitmapDC> m_pInk, m_pPaper;
    std::unique_ptr<CKMPBitmapProvider> m_pLook;

    void PostNcDestroy() override { delete this; }

    // A hidden owner-drawn list in the window's font, rows as high as the font needs.
    CDemoListBox* MakeList(UINT nID, int nHeight) {
        CDemoListBox* p = new CDemoListBox;
        p->Create(WS_CHILD | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
                  CRect(0, 0, 270, nHeight), this, nID);
        p->SetFont(DemoFont(15), FALSE);
        p->SetItemHeight(0, p->ItemHeight());
        return p;
    }

    void MakeEdit(CKEdit& edit, const CRect& rc, UINT nID, const char* pszText, DWORD dwStyle = 0) {
        edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | dwStyle, rc, this, nID);
        edit.SetFont(DemoFont(15), FALSE);
        edit.SetMargins(3, 3);
        SetBorderType(&edit, BT_SUNKEN);
        edit.SetWindowText(pszText);
    }

    void MakeCombo(CFormComboBox& combo, const CRect& rc, UINT nID, CDemoListBox* pList, const char* const* items,
                   int nItems, int nSel) {
        combo.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, rc, this, nID);
        combo.SetFont(DemoFont(15), FALSE);
        SetBorderType(&combo, BT_SUNKEN);
        combo.SetList(pList, true);
        for (int i = 0; i < nItems; ++i) combo.AddString(items[i]);
        combo.SetCurSel(nSel);
    }

    BOOL Open() {
        if (!CreateEx(0, DemoWindowClass(), "Kelm: formularz", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                      0, 0, 620, 360, NULL, NULL))
            return FALSE;
        DemoSetTitle(this, "Kelm: pola edycji i listy rozwijane");

        // Deep green ink with a fine weave, pale stone paper. The page's look is the default one
        // while the page lives: the lists open in top-level containers outside the page.
        m_pInk.reset(new CKBitmapDC(NULL, 4, 4));
        m_pPaper.reset(new CKBitmapDC(NULL, 4, 4));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) {
                m_pInk->SetPixel(x, y, (x + 2 * y) % 4 == 0 ? RGB(30, 66, 58) : RGB(38, 80, 70));
                m_pPaper->SetPixel(x, y, (x ^ y) & 1 ? RGB(238, 236, 226) : RGB(244, 242, 232));
            }
        m_pLook.reset(new CKMPBitmapProvider(this, m_pInk.get(), RGB(20, 45, 40), RGB(80, 110, 100), RGB(255, 214, 120),
                                             m_pPaper.get(), RGB(246, 244, 236), RGB(110, 130, 122),
                                             RGB(255, 196, 80), true));

        MakeEdit(m_name, CRect(20, 70, 290, 96), IDC_NAME, "Małgorzata Żółkiewska");
        MakeEdit(m_address, CRect(20, 136, 290, 162), IDC_ADDRESS,
                 "ul. Świętokrzyska 12 m. 5, 00-916 Warszawa, wejście od podwórza");
        MakeEdit(m_note, CRect(20, 202, 290, 228), IDC_NOTE, "Zaznaczony fragment zostaje widoczny", ES_NOHIDESEL);
        MakeCombo(m_region, CRect(320, 70, 590, 96), IDC_REGION, MakeList(IDC_REGION_LIST, 182), kRegions, 16, 6);
        MakeCombo(m_month, CRect(320, 296, 590, 322), IDC_MONTH, MakeList(IDC_MONTH_LIST, 144), kMonths, 12, 4);
        ShowWindow(SW_SHOW);
        return TRUE;
    }

    afx_msg void OnPaint() {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        CKPaintBuffer buffer(&dc, rc.Width(), rc.Height());
        CDC& mask = buffer.Mask();
        DemoDrawLabel(mask, CRect(20, 10, 300, 36), "Pola edycji", 17, true);
        DemoDrawLabel(mask, CRect(320, 10, 600, 36), "Listy rozwijane", 17, true);
        DemoDrawLabel(mask, CRect(20, 46, 300, 66), "Imię i nazwisko", 14);
        DemoDrawLabel(mask, CRect(20, 112, 300, 132), "Adres (dłuższy niż pole)", 14);
        DemoDrawLabel(mask, CRect(20, 178, 300, 198), "Uwagi (zaznaczenie widać bez fokusu)", 14);
        DemoDrawLabel(mask, CRect(320, 46, 600, 66), "Województwo (lista w dół)", 14);
        DemoDrawLabel(mask, CRect(320, 272, 600, 292), "Miesiąc (lista w górę)", 14);
        buffer.Compose(this, SKLayers{ctBitmap, true, ctShadow, ctBitmap});
        buffer.Present(&dc);
    }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return CKStdPainter::OnEraseBkgnd(this, pDC); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFormsPage, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CWnd* CreateFormsPage() {
    return DemoOpenPage<CFormsPage>();
}

// The text width of the first n characters of an edit's text, from its left margin.
int EditX(CKEdit& edit, int n) {
    CString text;
    edit.GetWindowText(text);
    return LOWORD(edit.GetMargins()) + edit.CalcTextLength(text, n);
}

void CALLBACK WhileOpen(HWND, UINT, UINT_PTR nId, DWORD);
CFormsPage* g_pDriven = nullptr;

// Clicks into the address (the first click selects it all and scrolls it to its end), selects
// "fragment" in the note by dragging, then opens the region list with a click; the rest runs
// while the list is open.
void DriveFormsPage(CWnd* pWnd) {
    CFormsPage* pPage = static_cast<CFormsPage*>(pWnd);
    DemoClick(&pPage->m_address, 40, 12);
    CKEdit& note = pPage->m_note;
    DemoClick(&note, 40, 12);  // focus; the next press places the cursor
    DemoMoveCursor(&note, EditX(note, 11) + 1, 12);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    ::SendInput(1, &in, sizeof(in));
    DemoPump(30);
    DemoMoveCursor(&note, EditX(note, 19) + 1, 12);
    in.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &in, sizeof(in));
    DemoPump(30);

    g_pDriven = pPage;
    ::SetTimer(NULL, 0, 500, &WhileOpen);
    DemoClick(&pPage->m_region, 100, 12);  // returns once the list has closed
    g_pDriven = nullptr;
    DemoPump(50);
}

// The pointer rests on a row of the open list (its hot look); then the picture, and Esc.
void CALLBACK WhileOpen(HWND, UINT, UINT_PTR nId, DWORD) {
    ::KillTimer(NULL, nId);
    CFormsPage* pPage = g_pDriven;
    if (pPage == nullptr || !pPage->m_region.IsOpen()) return;
    CKListBox* pList = pPage->m_region.GetList();
    CRect row;
    pList->GetItemRect(8, &row);
    DemoMoveCursor(pList, 60, row.top + row.Height() / 2);
    DemoPump(400);
    DemoScreenshotNow(pPage);
    ::PostMessageA(pList->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 1);
}

DemoPageRegistrar g_forms({"06_forms", &CreateFormsPage, &DriveFormsPage});

}  // namespace
