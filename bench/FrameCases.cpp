// The title bar of a captioned frame (its buttons, clipped by the bar, are not repainted) against
// the platform's own caption painting (DrawCaption), the skinned form view against the platform's
// form view over the same template, the skinned splitter against the platform's splitter with
// the same panes.
#include <kelm/kelm.h>

#include "Bench.h"

namespace {

// A frame owned by the benchmark: it does not delete itself with its window.
class CBenchFrame : public CKFrameWnd {
public:
    ~CBenchFrame() override {
        if (m_hWnd != NULL) DestroyWindow();
    }

protected:
    void PostNcDestroy() override {}
};

CWnd* g_pSkinned = nullptr;
void DestroySkinned() {
    delete g_pSkinned;
    g_pSkinned = nullptr;
}

// A captioned child frame without a border: its client area is the title bar.
HWND SkinnedTitleBar(CWnd* pParent, CRect rc) {
    CBenchFrame* p = new CBenchFrame;
    p->Create(NULL, "Zażółć gęślą jaźń", WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
              rc, pParent);
    g_pSkinned = p;
    return p->m_wndTitleBar.m_hWnd;
}

LRESULT CALLBACK CaptionProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_PAINT) return ::DefWindowProcA(hWnd, msg, wParam, lParam);
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(hWnd, &ps);
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    ::DrawCaption(hWnd, hdc, &rc, DC_ACTIVE | DC_TEXT | DC_GRADIENT);
    ::EndPaint(hWnd, &ps);
    return 0;
}

HWND PlatformCaption(CWnd* pParent, CRect rc) {
    static const char* const kClass = "KelmBenchCaption";
    static bool bRegistered = false;
    if (!bRegistered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &CaptionProc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
        wc.lpszClassName = kClass;
        bRegistered = ::RegisterClassA(&wc) != 0;
    }
    return ::CreateWindowExA(0, kClass, "Zażółć gęślą jaźń", WS_CHILD | WS_VISIBLE, rc.left, rc.top, rc.Width(),
                             rc.Height(), pParent->m_hWnd, (HMENU)99, ::GetModuleHandleA(NULL), NULL);
}

class CBenchSkinForm : public CKFormView {
    DECLARE_DYNCREATE(CBenchSkinForm)
protected:
    CBenchSkinForm() : CKFormView(8100) {}
};
IMPLEMENT_DYNCREATE(CBenchSkinForm, CKFormView)

class CBenchPlainForm : public CFormView {
    DECLARE_DYNCREATE(CBenchPlainForm)
protected:
    CBenchPlainForm() : CFormView(8100) {}
};
IMPLEMENT_DYNCREATE(CBenchPlainForm, CFormView)

// A view deletes itself with its window.
HWND g_hSkinnedForm = NULL;
void DestroySkinnedForm() {
    if (::IsWindow(g_hSkinnedForm)) ::DestroyWindow(g_hSkinnedForm);
    g_hSkinnedForm = NULL;
}

HWND CreateForm(CRuntimeClass* pClass, CWnd* pParent, CRect rc) {
    CView* p = static_cast<CView*>(pClass->CreateObject());
    if (!p->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, rc, pParent, 1, NULL)) return NULL;
    p->SendMessage(WM_INITIALUPDATE);
    return p->m_hWnd;
}

HWND SkinnedForm(CWnd* pParent, CRect rc) { return g_hSkinnedForm = CreateForm(RUNTIME_CLASS(CBenchSkinForm), pParent, rc); }
HWND PlatformForm(CWnd* pParent, CRect rc) { return CreateForm(RUNTIME_CLASS(CBenchPlainForm), pParent, rc); }

class CBenchPane : public CView {
    DECLARE_DYNCREATE(CBenchPane)
public:
    void OnDraw(CDC* pDC) override {
        CRect rc;
        GetClientRect(&rc);
        pDC->FillSolidRect(rc, RGB(255, 255, 255));
    }
};
IMPLEMENT_DYNCREATE(CBenchPane, CView)

// Splitters of the benchmark destroy their windows while they are whole.
template <class BASE>
class CBenchSplitter : public BASE {
public:
    ~CBenchSplitter() override {
        if (this->m_hWnd != NULL) this->DestroyWindow();
    }
};

HWND CreateSplitter(CSplitterWnd* p, CWnd* pParent, CRect rc) {
    p->CreateStatic(pParent, 2, 2);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) p->CreateView(r, c, RUNTIME_CLASS(CBenchPane), CSize(0, 0), NULL);
    p->SetColumnInfo(0, 120, 10);
    p->SetRowInfo(0, 80, 10);
    p->MoveWindow(rc);
    return p->m_hWnd;
}

HWND SkinnedSplitter(CWnd* pParent, CRect rc) {
    CSplitterWnd* p = new CBenchSplitter<CKSplitterWnd>;
    g_pSkinned = p;
    return CreateSplitter(p, pParent, rc);
}

// The benchmark destroys the platform's window itself; the object goes with the next one.
HWND PlatformSplitter(CWnd* pParent, CRect rc) {
    static CSplitterWnd* s_pPlatform = nullptr;
    delete s_pPlatform;
    s_pPlatform = new CBenchSplitter<CSplitterWnd>;
    return CreateSplitter(s_pPlatform, pParent, rc);
}

BenchCaseRegistrar g_titleBar({"title bar", CSize(400, 22), &SkinnedTitleBar, &PlatformCaption, &DestroySkinned});
BenchCaseRegistrar g_formView({"form view", CSize(300, 200), &SkinnedForm, &PlatformForm, &DestroySkinnedForm});
BenchCaseRegistrar g_splitter({"splitter (2 x 2)", CSize(300, 200), &SkinnedSplitter, &PlatformSplitter, &DestroySkinned});

}  // namespace
