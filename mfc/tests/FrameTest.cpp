// The frame/view framework: bar layout, command routing and idle updates, dynamic creation,
// form views from templates, docking and floating.
#include <afxpriv.h>
#include <gtest/gtest.h>

#include <ostream>

#include "KelmTest.h"

inline void PrintTo(const CRect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}
inline void PrintTo(const CPoint& p, std::ostream* os) { *os << "(" << p.x << "," << p.y << ")"; }

namespace {

const UINT ID_BAR_BUTTON = 1234;

class CTestView : public CView {
    DECLARE_DYNCREATE(CTestView)
public:
    int initialUpdates = 0;
    int viewCommands = 0;
    bool handleCommand = false;
    void OnDraw(CDC* pDC) override {
        CRect rc;
        GetClientRect(&rc);
        pDC->FillSolidRect(rc, RGB(0, 0, 200));
    }
    void OnInitialUpdate() override { ++initialUpdates; }
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override {
        if (handleCommand && nID == ID_BAR_BUTTON && nCode == CN_COMMAND && pInfo == NULL) {
            ++viewCommands;
            return TRUE;
        }
        return CView::OnCmdMsg(nID, nCode, pExtra, pInfo);
    }
};
IMPLEMENT_DYNCREATE(CTestView, CView)

// A bar of fixed thickness with one button.
class CTestBar : public CControlBar {
public:
    int thickness = 22;
    CButton button;
    BOOL Create(CWnd* pParent, DWORD dwBarStyle, UINT nID) {
        m_dwStyle = dwBarStyle;
        if (!CWnd::Create(NULL, "bar", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, thickness), pParent, nID)) return FALSE;
        return button.Create("b", WS_CHILD | WS_VISIBLE, CRect(2, 2, 40, 18), this, ID_BAR_BUTTON);
    }
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override { return bHorz ? CSize(10000, thickness) : CSize(thickness, 10000); }
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override {
        UpdateDialogControls(pTarget, bDisableIfNoHndler);
    }
};

class CTestFrame : public CFrameWnd {
public:
    int commands = 0;
    BOOL enableButton = FALSE;
    afx_msg void OnBarButton() { ++commands; }
    afx_msg void OnUpdateBarButton(CCmdUI* pCmdUI) { pCmdUI->Enable(enableButton); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_COMMAND(ID_BAR_BUTTON, OnBarButton)
    ON_UPDATE_COMMAND_UI(ID_BAR_BUTTON, OnUpdateBarButton)
END_MESSAGE_MAP()

template <class FRAME = CTestFrame>
FRAME* NewFrame(CRuntimeClass* pViewClass, int w = 400, int h = 300) {
    CCreateContext context;
    context.m_pNewViewClass = pViewClass;
    FRAME* pFrame = new FRAME;
    if (!pFrame->Create(NULL, "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(50, 50, 50 + w, 50 + h), NULL, NULL,
                        0, &context))
        return NULL;  // deleted with its window
    pFrame->InitialUpdateFrame(NULL, TRUE);
    kt::PumpPending();
    return pFrame;
}

CRect ChildRect(CWnd* pChild) {
    CRect rc;
    pChild->GetWindowRect(&rc);
    pChild->GetParent()->ScreenToClient(&rc);
    return rc;
}

}  // namespace

TEST(AfxFrame, BarsTakeTheirEdgesAndTheViewTheRestCommandsAndIdleUpdatesReachTheFrame) {
    CTestFrame* pFrame = NewFrame(RUNTIME_CLASS(CTestView));
    ASSERT_NE(pFrame, nullptr);
    CTestView* pView = DYNAMIC_DOWNCAST(CTestView, pFrame->GetActiveView());
    ASSERT_NE(pView, nullptr);
    EXPECT_EQ(pView->initialUpdates, 1);
    EXPECT_EQ(pView->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);

    CTestBar top, bottom, left;
    ASSERT_TRUE(top.Create(pFrame, CBRS_TOP, 5000));
    bottom.thickness = 30;
    ASSERT_TRUE(bottom.Create(pFrame, CBRS_BOTTOM, 5001));
    left.thickness = 40;
    ASSERT_TRUE(left.Create(pFrame, CBRS_LEFT, 5002));
    pFrame->RecalcLayout();

    CRect rc;
    pFrame->GetClientRect(&rc);
    EXPECT_EQ(ChildRect(&top), CRect(0, 0, rc.right, 22));
    EXPECT_EQ(ChildRect(&bottom), CRect(0, rc.bottom - 30, rc.right, rc.bottom));
    EXPECT_EQ(ChildRect(&left), CRect(0, 22, 40, rc.bottom - 30));
    EXPECT_EQ(ChildRect(pView), CRect(40, 22, rc.right, rc.bottom - 30));

    // A hidden bar gives its edge back.
    pFrame->ShowControlBar(&bottom, FALSE, FALSE);
    EXPECT_EQ(ChildRect(pView), CRect(40, 22, rc.right, rc.bottom));

    // Idle time: the frame's update handler decides the button's state.
    CWinThread thread;
    thread.m_pMainWnd = pFrame;
    thread.OnIdle(0);
    EXPECT_FALSE(top.button.IsWindowEnabled());
    pFrame->enableButton = TRUE;
    thread.OnIdle(0);
    EXPECT_TRUE(top.button.IsWindowEnabled());
    thread.m_pMainWnd = NULL;

    // The bar's button command: the active view first, then the frame.
    top.button.SendMessage(BM_CLICK);
    EXPECT_EQ(pFrame->commands, 1);
    pView->handleCommand = true;
    top.button.SendMessage(BM_CLICK);
    EXPECT_EQ(pView->viewCommands, 1);
    EXPECT_EQ(pFrame->commands, 1);
    pFrame->DestroyWindow();
}

namespace {
class CNamedView : public CTestView {
    DECLARE_DYNCREATE(CNamedView)
};
IMPLEMENT_DYNCREATE(CNamedView, CTestView)
}  // namespace

TEST(AfxFrame, ClassesAreCreatedByTheirNames) {
    CRuntimeClass* pClass = CRuntimeClass::FromName("CNamedView");
    ASSERT_EQ(pClass, RUNTIME_CLASS(CNamedView));
    CObject* pObject = pClass->CreateObject();
    ASSERT_NE(pObject, nullptr);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CView)));
    EXPECT_STREQ(pObject->GetRuntimeClass()->m_lpszClassName, "CNamedView");
    delete pObject;
    EXPECT_EQ(CRuntimeClass::FromName("CNoSuchClass"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CMiniDockFrameWnd"), RUNTIME_CLASS(CMiniDockFrameWnd));
    EXPECT_EQ(CRuntimeClass::FromName("CView")->CreateObject(), nullptr) << "not dynamically creatable";
}

namespace {
class CTestForm : public CFormView {
    DECLARE_DYNCREATE(CTestForm)
public:
    CString text = "Zażółć";
    CButton button;
protected:
    CTestForm() : CFormView(100) {}
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, 1001, text);
        DDX_Control(pDX, 1002, button);
    }
};
IMPLEMENT_DYNCREATE(CTestForm, CFormView)

class CNamedForm : public CFormView {
    DECLARE_DYNCREATE(CNamedForm)
protected:
    CNamedForm() : CFormView("FORMBYNAME") {}
};
IMPLEMENT_DYNCREATE(CNamedForm, CFormView)
}  // namespace

TEST(AfxFrame, FormViewsMakeTheirTemplatesControlsAndExchangeData) {
    CTestFrame* pFrame = NewFrame(RUNTIME_CLASS(CTestForm));
    ASSERT_NE(pFrame, nullptr);
    CTestForm* pForm = DYNAMIC_DOWNCAST(CTestForm, pFrame->GetActiveView());
    ASSERT_NE(pForm, nullptr);
    EXPECT_EQ(pForm->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_EQ(CWnd::FromHandlePermanent(pForm->m_hWnd), pForm) << "the dialog window is the view's";
    CWnd* pEdit = pForm->GetDlgItem(1001);
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(pEdit->GetParent()->m_hWnd, pForm->m_hWnd);
    CString shown;
    pEdit->GetWindowText(shown);
    EXPECT_STREQ(shown, "Zażółć") << "the initial update fills the controls";
    EXPECT_EQ(pForm->button.m_hWnd, ::GetDlgItem(pForm->m_hWnd, 1002)) << "subclassed by DDX_Control";
    EXPECT_EQ(ChildRect(pForm), [&] {
        CRect rc;
        pFrame->GetClientRect(&rc);
        return rc;
    }()) << "the form fills the frame";

    pEdit->SetWindowText("nowy");
    EXPECT_TRUE(pForm->UpdateData(TRUE));
    EXPECT_STREQ(pForm->text, "nowy");
    pFrame->DestroyWindow();

    CTestFrame* pNamed = NewFrame(RUNTIME_CLASS(CNamedForm));
    ASSERT_NE(pNamed, nullptr);
    ASSERT_NE(pNamed->GetActiveView(), nullptr);
    EXPECT_NE(::GetDlgItem(pNamed->GetActiveView()->m_hWnd, 2001), nullptr) << "a template found by its name";
    pNamed->DestroyWindow();
}

namespace {
class CMyDockFrame : public CMiniDockFrameWnd {
    DECLARE_DYNCREATE(CMyDockFrame)
};
IMPLEMENT_DYNCREATE(CMyDockFrame, CMiniDockFrameWnd)
}  // namespace

TEST(AfxFrame, BarsDockAndFloatInTheFloatingFrameClassTheFrameNames) {
    CTestFrame* pFrame = NewFrame(RUNTIME_CLASS(CTestView));
    ASSERT_NE(pFrame, nullptr);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(CMyDockFrame);
    CTestBar bar;
    ASSERT_TRUE(bar.Create(pFrame, CBRS_TOP, AFX_IDW_TOOLBAR));
    bar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    pFrame->DockControlBar(&bar);
    CControlBar* pTopDock = pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP);
    ASSERT_NE(pTopDock, nullptr);
    EXPECT_EQ(bar.GetParent()->m_hWnd, pTopDock->m_hWnd);
    EXPECT_EQ(ChildRect(pTopDock).Height(), 22) << "the dock bar is as thick as its bar";
    EXPECT_EQ(ChildRect(pFrame->GetActiveView()).top, 22);

    pFrame->FloatControlBar(&bar, CPoint(500, 400));
    ASSERT_TRUE(bar.IsFloating());
    CFrameWnd* pFloating = bar.GetParentFrame();
    ASSERT_NE(pFloating, nullptr);
    EXPECT_TRUE(pFloating->IsKindOf(RUNTIME_CLASS(CMyDockFrame)));
    EXPECT_EQ(::GetWindow(pFloating->m_hWnd, GW_OWNER), pFrame->m_hWnd);
    CRect rcFloating;
    pFloating->GetWindowRect(&rcFloating);
    EXPECT_EQ(rcFloating.TopLeft(), CPoint(500, 400));
    EXPECT_EQ(ChildRect(pFrame->GetActiveView()).top, 0) << "the frame's top edge is free again";
    EXPECT_EQ(pFrame->GetControlBar(AFX_IDW_TOOLBAR), &bar) << "a floating bar still belongs to its frame";

    // A double click docks it back where it was, and floats it again where it floated.
    HWND hFloating = pFloating->m_hWnd;
    bar.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(60, 5));
    EXPECT_EQ(bar.GetParent()->m_hWnd, pTopDock->m_hWnd);
    EXPECT_FALSE(::IsWindow(hFloating)) << "the empty floating frame is gone";
    bar.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(60, 5));
    ASSERT_TRUE(bar.IsFloating());
    bar.GetParentFrame()->GetWindowRect(&rcFloating);
    EXPECT_EQ(rcFloating.TopLeft(), CPoint(500, 400));
    EXPECT_FALSE(pFrame->IsZoomed());

    // Dragged by its body (real input, the drag's own loop): over the frame's top edge it docks,
    // into the view it floats where it is dropped.
    auto drag = [](CPoint from, CPoint to) {
        kt::MoveCursor(from.x, from.y);
        kt::PumpFor(30);
        kt::ButtonDown();
        kt::MoveCursor((from.x + to.x) / 2, (from.y + to.y) / 2);
        kt::MoveCursor(to.x, to.y);
        kt::ButtonUp();
        kt::PumpFor(100);
    };
    CRect rcView;
    pFrame->GetActiveView()->GetWindowRect(&rcView);
    bar.GetWindowRect(&rcFloating);
    drag(rcFloating.TopLeft() + CSize(60, 10), rcView.TopLeft() + CSize(60, 8));
    EXPECT_EQ(bar.GetParent()->m_hWnd, pTopDock->m_hWnd) << "docked at the top";
    CRect rcDocked;
    bar.GetWindowRect(&rcDocked);
    drag(rcDocked.TopLeft() + CSize(60, 10), rcDocked.TopLeft() + CSize(60, 150));
    ASSERT_TRUE(bar.IsFloating());
    bar.GetParentFrame()->GetWindowRect(&rcFloating);
    EXPECT_EQ(rcFloating.TopLeft(), rcDocked.TopLeft() + CSize(0, 140));
    pFrame->DestroyWindow();
    EXPECT_EQ(bar.m_hWnd, nullptr) << "the floating frame went with the frame";
}

TEST(AfxFrame, LoadFrameTakesItsTitleAndAcceleratorsFromTheResources) {
    CTestFrame* pFrame = new CTestFrame;
    ASSERT_TRUE(pFrame->LoadFrame(300, WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    CString title;
    pFrame->GetWindowText(title);
    EXPECT_STREQ(title, "Main title");
    // Ctrl+N is the bar button's command.
    MSG msg = {pFrame->m_hWnd, WM_KEYDOWN, 'N', 1, 0, {0, 0}};
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    BYTE saved = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    const BOOL bTranslated = pFrame->PreTranslateMessage(&msg);
    keys[VK_CONTROL] = saved;
    ::SetKeyboardState(keys);
    EXPECT_TRUE(bTranslated);
    EXPECT_EQ(pFrame->commands, 1);
    pFrame->DestroyWindow();
}
