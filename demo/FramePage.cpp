// Gallery page: two skinned frames side by side, each with its title bar and a skinned form view
// of Kelm controls. The left one shows its title in text and is drawn active; the right one
// shows a picture instead of its title.
#include <kelm/kelm.h>

#include <memory>

#include "DemoPage.h"
#include "res/GalleryRes.h"

namespace {

// A form of Kelm controls made from a dialog template of the program.
class CControlsForm : public CKFormView {
    DECLARE_DYNCREATE(CControlsForm)
public:
    CKStatic m_label;
    CKButton m_check, m_optionA, m_optionB, m_save, m_cancel;

protected:
    CControlsForm() : CKFormView(IDD_FRAME_FORM) {}
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_FORM_LABEL, m_label);
        DDX_Control(pDX, IDC_FORM_CHECK, m_check);
        DDX_Control(pDX, IDC_FORM_OPTION_A, m_optionA);
        DDX_Control(pDX, IDC_FORM_OPTION_B, m_optionB);
        DDX_Control(pDX, IDC_FORM_SAVE, m_save);
        DDX_Control(pDX, IDC_FORM_CANCEL, m_cancel);
    }
    void OnInitialUpdate() override {
        CKFormView::OnInitialUpdate();
        // The template's font has no Polish letters: the demo's Tahoma instead.
        const struct {
            CWnd* pWnd;
            const char* text;
        } texts[] = {{&m_label, "Widok formularza na skórze"}, {&m_check, "Pole wyboru"},
                     {&m_optionA, "Opcja A"},                  {&m_optionB, "Opcja B"},
                     {&m_save, "Zapisz"},                       {&m_cancel, "Anuluj"}};
        for (const auto& t : texts) {
            t.pWnd->SetFont(DemoFont(14));
            t.pWnd->SetWindowText(t.text);
        }
        m_check.SetCheck(1);
        m_optionA.SetCheck(1);
    }
};
IMPLEMENT_DYNCREATE(CControlsForm, CKFormView)

// A frame that is a child of the page (it deletes itself with its window).
class CPageFrame : public CKFrameWnd {
public:
    BOOL Open(CWnd* pParent, const char* pszTitle, const CRect& rc) {
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CControlsForm);
        if (!Create(NULL, pszTitle,
                    WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME,
                    rc, pParent, NULL, 0, &context))
            return FALSE;
        SetBorderType(this, BT_RAISED);
        m_wndTitleBar.SetFont(DemoFont(15, true), FALSE);
        InitialUpdateFrame(NULL, TRUE);
        return TRUE;
    }
};

class CFramePage : public CWnd {
public:
    CPageFrame* m_pText = nullptr;
    CPageFrame* m_pPicture = nullptr;
    std::unique_ptr<CKBitmapDC> m_pInk, m_pPaper;
    std::unique_ptr<CKMPBitmapProvider> m_pLook;

    void PostNcDestroy() override { delete this; }

    BOOL Open() {
        if (!CreateEx(0, DemoWindowClass(), "Kelm: ramki", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0,
                      0, 730, 340, NULL, NULL))
            return FALSE;
        DemoSetTitle(this, "Kelm: ramki z paskiem tytułowym i widokiem formularza");
        // Green-grey ink weave for the forms, pale paper for captions and controls.
        m_pInk.reset(new CKBitmapDC(NULL, 8, 8));
        m_pPaper.reset(new CKBitmapDC(NULL, 4, 4));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                m_pInk->SetPixel(x, y, ((x / 4) ^ (y / 4)) ? RGB(52, 78, 70) : RGB(64, 92, 82));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) m_pPaper->SetPixel(x, y, (x + y) % 4 == 0 ? RGB(226, 232, 222) : RGB(238, 242, 234));
        m_pLook.reset(new CKMPBitmapProvider(this, m_pInk.get(), RGB(40, 66, 58), RGB(190, 70, 30), RGB(240, 200, 90),
                                             m_pPaper.get(), RGB(238, 242, 234), RGB(120, 140, 130),
                                             RGB(240, 200, 90), false));
        m_pText = new CPageFrame;
        if (!m_pText->Open(this, "Ramka z tytułem", CRect(10, 10, 350, 290))) return FALSE;  // deleted with its window
        m_pText->m_wndTitleBar.m_bActive = true;
        m_pPicture = new CPageFrame;
        if (!m_pPicture->Open(this, "Ramka z obrazem", CRect(365, 10, 705, 290))) return FALSE;
        m_pPicture->m_wndTitleBar.SetMaskAsTitle(IDB_TITLE_PICTURE);
        ShowWindow(SW_SHOW);
        return TRUE;
    }
};

CWnd* CreateFramePage() {
    return DemoOpenPage<CFramePage>();
}

// Rests the pointer on the left frame's close button, which shows its hot shadow.
void DriveFramePage(CWnd* pWnd) {
    CFramePage* pPage = static_cast<CFramePage*>(pWnd);
    CWnd* pClose = pPage->m_pText->m_wndTitleBar.GetDlgItem(CKTitleBar::nCloseId);
    if (pClose != NULL) DemoMoveCursor(pClose, 8, 8);
    DemoPump(150);
}

DemoPageRegistrar g_frames({"09_frame_title", &CreateFramePage, &DriveFramePage});

}  // namespace
