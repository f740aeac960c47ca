// The skinned combo box in a real window: the committed selection and the face, opening and
// placing the list, the modal loop's decisions on real input, the loop ending when things go
// away, and its CPU time while idle.
#include <kelm/lists/CKComboBox.h>
#include <kelm/lists/CKComboLCont.h>
#include <kelm/paint/CKStdPainter.h>

#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "ListTestUtil.h"

namespace {

using namespace lbt;

// A list that counts the Enter keys it receives.
class CTestList : public CKListBox {
public:
    int returns = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_KEYDOWN && wParam == VK_RETURN) ++returns;
        return CKListBox::WindowProc(message, wParam, lParam);
    }
};

struct ComboHost {
    kt::SpyParent spy;
    CKBitmapDC ink{NULL, 4, 4}, paper{NULL, 4, 4};
    std::unique_ptr<CKMPBitmapProvider> look;
    std::unique_ptr<CKComboBox> combo{new CKComboBox};
    CTestList* list = new CTestList;  // owned by the combo box
    explicit ComboHost(bool bOpenUp = true, int nItems = 8) {
        EXPECT_TRUE(spy.CreateHost(300, 260));
        ink.FillSolidRect(0, 0, 4, 4, kInkPattern);
        paper.FillSolidRect(0, 0, 4, 4, kPaperPattern);
        look.reset(new CKMPBitmapProvider(&spy, ink, kInk, kInkShadow, kInkHigh, paper, kPaper, kPaperShadow,
                                          kPaperHigh, false));
        spy.Watch(WM_LBUTTONDOWN);
        spy.Watch(WM_RBUTTONDOWN);
        EXPECT_TRUE(list->Create(WS_CHILD | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                                 CRect(0, 0, 150, 100), &spy, 200));
        combo->m_bOpenUp = bOpenUp;
        EXPECT_TRUE(combo->Create(WS_CHILD | WS_VISIBLE, CRect(20, 140, 180, 164), &spy, 100));
        combo->SetList(list, true);
        for (int i = 0; i < nItems; ++i) combo->AddString(ListHost<CKListBox>::Name(i));
        ::SetForegroundWindow(spy.m_hWnd);
        kt::PumpPending();
        spy.Clear();
    }
    ~ComboHost() {
        kt::MoveCursor(1250, 1000);
        combo.reset();
        look.reset();
        if (::IsWindow(spy.m_hWnd)) spy.DestroyWindow();
        kt::PumpPending();
    }
    // The CBN_ codes the parent got from the combo box, in order.
    std::vector<int> Codes() const {
        std::vector<int> out;
        for (const kt::SpyMessage& m : spy.Of(WM_COMMAND))
            if ((HWND)m.lParam == combo->m_hWnd) out.push_back(HIWORD(m.wParam));
        return out;
    }
    // The face left of the arrow box.
    CRect TextArea() const {
        CRect rc;
        combo->GetClientRect(&rc);
        rc.right -= 17;
        return rc;
    }
    CRect ContainerRect() const {
        CRect rc;
        combo->GetContainer()->GetWindowRect(&rc);
        return rc;
    }
};

// Steps run from thread timers while a modal loop dispatches them, each its delay after the
// previous one. When the last step leaves the list open, a rescue closes it after 3 s.
class Script {
public:
    struct Step {
        UINT nDelay;
        std::function<void()> fn;
    };
    Script(CKComboBox* pCombo, std::vector<Step> steps) : m_pCombo(pCombo), m_steps(std::move(steps)) {
        s_pCurrent = this;
        Schedule(m_steps.empty() ? 3000 : m_steps[0].nDelay);
    }
    ~Script() {
        if (m_nTimer != 0) ::KillTimer(NULL, m_nTimer);
        s_pCurrent = nullptr;
    }
    bool Done() const { return m_nNext == m_steps.size(); }
    bool Rescued() const { return m_bRescued; }
    CKComboBox* m_pCombo;

private:
    void Schedule(UINT nDelay) { m_nTimer = ::SetTimer(NULL, 0, nDelay, &Script::Tick); }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR nId, DWORD) {
        ::KillTimer(NULL, nId);
        Script* s = s_pCurrent;
        if (s == nullptr || s->m_nTimer != nId) return;
        s->m_nTimer = 0;
        if (s->m_nNext < s->m_steps.size()) {
            s->m_steps[s->m_nNext++].fn();
            if (s_pCurrent == s) s->Schedule(s->m_nNext < s->m_steps.size() ? s->m_steps[s->m_nNext].nDelay : 3000);
        } else if (s->m_pCombo != nullptr && s->m_pCombo->IsOpen()) {
            s->m_bRescued = true;
            s->m_pCombo->GetContainer()->ShowWindow(SW_HIDE);
        }
    }
    std::vector<Step> m_steps;
    size_t m_nNext = 0;
    UINT_PTR m_nTimer = 0;
    bool m_bRescued = false;
    static Script* s_pCurrent;
};
Script* Script::s_pCurrent = nullptr;

std::set<COLORREF> Colours(const kt::Pixels& p, const CRect& rc) {
    std::set<COLORREF> out;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x) out.insert(p.At(x, y));
    return out;
}

kt::Pixels Face(CWnd& w) {
    w.Invalidate();
    w.UpdateWindow();
    return kt::ReadClient(w.m_hWnd);
}

void PostKey(HWND hWnd, UINT vk) { ::PostMessageA(hWnd, WM_KEYDOWN, vk, 1); }

// Dispatches what is queued as an application's pump does, PreTranslateMessage included.
void PumpWithPreTranslate() {
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) AfxPumpMessage();
}

// Closed, CB_SETCURSEL moves both the committed selection (the face) and the list's; open, only
// the list's. Enter accepts it: CBN_SELCHANGE, then CBN_CLOSEUP, and the list still gets the key.
TEST(ComboBox, SelectionClosedAndOpen) {
    ComboHost h;
    CKComboBox& c = *h.combo;
    const std::set<COLORREF> kEmptyFace{kInkPattern};
    EXPECT_EQ(Colours(Face(c), h.TextArea()), kEmptyFace);
    EXPECT_EQ(c.SetCurSel(2), 2);
    EXPECT_EQ(c.CommittedSel(), 2);
    EXPECT_EQ(h.list->GetCurSel(), 2);
    EXPECT_EQ(Colours(Face(c), h.TextArea()), (std::set<COLORREF>{kInkPattern, kPaperPattern, kPaperShadow}))
        << "the item's text, edged by the shadow";
    c.SetCurSel(-1);
    EXPECT_EQ(Colours(Face(c), h.TextArea()), kEmptyFace);
    EXPECT_EQ(c.SetCurSel(99), CB_ERR);
    EXPECT_EQ(c.CommittedSel(), -1) << "an index the list does not have selects nothing";
    EXPECT_EQ(c.SelectString(-1, "thr"), 3);
    EXPECT_EQ(c.CommittedSel(), 3) << "the face follows a selection made through the combo box";
    EXPECT_EQ(c.DeleteString(0), 7);
    EXPECT_EQ(c.CommittedSel(), 2) << "and items deleted before it";
    char text[16] = {};
    EXPECT_EQ(c.GetLBText(c.GetCurSel(), text), 5);
    EXPECT_STREQ(text, "three");
    EXPECT_EQ(c.SendMessage(CB_GETLBTEXT, 0, 0), CB_ERR) << "no buffer";
    EXPECT_EQ(c.FindStringExact(-5, "two"), CB_ERR) << "a start before the list";
    EXPECT_EQ(c.FindStringExact(-1, "two"), 1);

    Script s(&c, {{60,
                   [&] {
                       EXPECT_TRUE(c.IsOpen());
                       EXPECT_EQ(c.SetCurSel(4), 4);
                       EXPECT_EQ(c.CommittedSel(), 2) << "open: only the list";
                       EXPECT_EQ(c.GetCurSel(), 4);
                       PostKey(h.list->m_hWnd, VK_DOWN);
                       PostKey(h.list->m_hWnd, VK_RETURN);
                   }}});
    c.ShowDropDown(TRUE);
    EXPECT_TRUE(s.Done());
    EXPECT_FALSE(s.Rescued());
    EXPECT_FALSE(c.IsOpen());
    EXPECT_EQ(c.CommittedSel(), 5);
    EXPECT_EQ(h.Codes(), (std::vector<int>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_CLOSEUP}));
    EXPECT_EQ(h.list->returns, 1) << "the list also receives the Enter";
    EXPECT_EQ(::GetFocus(), c.m_hWnd);

    h.spy.SetFocus();
    c.ResetContent();
    EXPECT_EQ(c.CommittedSel(), -1);
    EXPECT_EQ(Colours(Face(c), h.TextArea()), kEmptyFace);
}

// A click outside cancels: the committed selection comes back, no CBN_SELCHANGE, and the click
// never reaches the window under it. Right clicks and moves outside are swallowed too, but the
// list stays open.
TEST(ComboBox, OutsideClicksOnRealInput) {
    ComboHost h;
    CKComboBox& c = *h.combo;
    c.SetCurSel(1);
    Script s(&c, {{60, [&] { PostKey(h.list->m_hWnd, VK_DOWN); }},
                  {30,
                   [&] {
                       kt::MoveCursorToClient(h.spy.m_hWnd, 250, 230);
                       kt::ButtonDown(false);
                       kt::ButtonUp(false);
                   }},
                  {150,
                   [&] {
                       EXPECT_TRUE(c.IsOpen()) << "a right click outside keeps the list open";
                       EXPECT_EQ(h.list->GetCurSel(), 2);
                       kt::ButtonDown();
                       kt::ButtonUp();
                   }}});
    c.ShowDropDown(TRUE);
    EXPECT_TRUE(s.Done());
    EXPECT_FALSE(s.Rescued());
    EXPECT_FALSE(c.IsOpen());
    EXPECT_EQ(c.CommittedSel(), 1);
    EXPECT_EQ(h.list->GetCurSel(), 1) << "the list is back at the committed selection";
    EXPECT_EQ(h.Codes(), (std::vector<int>{CBN_DROPDOWN, CBN_CLOSEUP}));
    kt::PumpFor(50);
    EXPECT_EQ(h.spy.Count(WM_LBUTTONDOWN), 0);
    EXPECT_EQ(h.spy.Count(WM_RBUTTONDOWN), 0);
}

// Any key but Esc on the focused combo box opens it (through PreTranslateMessage, in the pump).
// The container is a top-most tool window holding the list and the scroll bar; it meets the
// control's client top when opening upward and its client bottom otherwise.
TEST(ComboBox, OpensByKeyAboveOrBelow) {
    for (bool bUp : {true, false}) {
        ComboHost h(bUp);
        CKComboBox& c = *h.combo;
        c.SetFocus();
        PostKey(c.m_hWnd, VK_ESCAPE);
        PumpWithPreTranslate();
        EXPECT_TRUE(h.Codes().empty()) << "Esc does not open";

        CRect client;
        c.GetClientRect(&client);
        c.ClientToScreen(&client);
        Script s(&c, {{60, [&] {
                           CKComboLCont* pCont = c.GetContainer();
                           ASSERT_NE(pCont, nullptr);
                           const CRect rc = h.ContainerRect();
                           EXPECT_EQ(rc.left, client.left);
                           EXPECT_EQ(bUp ? rc.bottom : rc.top, bUp ? client.top : client.bottom);
                           EXPECT_EQ(rc.Size(), CSize(150, 100)) << "the list's size";
                           EXPECT_EQ(pCont->GetExStyle() & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW),
                                     (DWORD)(WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
                           EXPECT_EQ(::GetParent(h.list->m_hWnd), pCont->m_hWnd);
                           EXPECT_EQ(::GetFocus(), h.list->m_hWnd);
                           EXPECT_EQ((UINT)(UINT_PTR)::GetPropA(pCont->m_hWnd, szKelmBorderType), 0x03030202u);
                           CWnd* pBar = pCont->GetDlgItem(CKComboLCont::nScrollId);
                           ASSERT_NE(pBar, nullptr);
                           CRect bar;
                           pBar->GetWindowRect(&bar);
                           EXPECT_EQ(bar.Width(), ::GetSystemMetrics(SM_CXVSCROLL));
                           EXPECT_EQ(h.list->GetScrollBarCtrl(SB_VERT), &pCont->ScrollBar());
                           PostKey(h.list->m_hWnd, VK_ESCAPE);
                       }}});
        PostKey(c.m_hWnd, VK_TAB);
        PumpWithPreTranslate();  // returns once the list has closed
        EXPECT_TRUE(s.Done());
        EXPECT_FALSE(s.Rescued());
        EXPECT_EQ(h.Codes(), (std::vector<int>{CBN_DROPDOWN, CBN_CLOSEUP}));
    }
}

// Disabled: everything but the text and the arrow in the ink set's ctDisabled, without the
// shadow edge even while hot.
TEST(ComboBox, DisabledFace) {
    ComboHost h;
    CKComboBox& c = *h.combo;
    c.SetCurSel(3);
    c.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    CRect rc;
    c.GetClientRect(&rc);
    EXPECT_TRUE(Colours(Face(c), rc).count(kPaperHigh)) << "hot: a ctHighlight edge";
    c.EnableWindow(FALSE);
    const kt::Pixels p = Face(c);
    EXPECT_EQ(Colours(p, rc), (std::set<COLORREF>{kDisabled, kPaperPattern}));
    EXPECT_GT(p.Count(kPaperPattern, rc.right - 16, 0, rc.right, rc.bottom), 0) << "the arrow";
    EXPECT_GT(p.Count(kPaperPattern, 0, 0, rc.right - 17, rc.bottom), 0) << "the text";
    EXPECT_EQ(p.At(0, rc.bottom - 1), kDisabled);
}

// The loop ends cleanly when the combo box, its list or the host goes away while the list is
// open, and on WM_QUIT, which the application then still gets.
TEST(ComboBox, LoopEndsWhenThingsGoAway) {
    {
        ComboHost h;
        CKComboBox* pCombo = h.combo.get();
        const HWND hList = h.list->m_hWnd;
        HWND hCont = NULL;
        Script s(nullptr, {{60, [&] {
                                hCont = pCombo->GetContainer()->m_hWnd;
                                h.combo.reset();  // deletes the list and the container too
                            }}});
        pCombo->ShowDropDown(TRUE);
        EXPECT_TRUE(s.Done());
        EXPECT_NE(hCont, (HWND)NULL);
        EXPECT_FALSE(::IsWindow(hCont));
        EXPECT_FALSE(::IsWindow(hList));
    }
    {
        ComboHost h;
        CKComboBox& c = *h.combo;
        Script s(&c, {{60, [&] { h.spy.DestroyWindow(); }}});
        c.ShowDropDown(TRUE);
        EXPECT_TRUE(s.Done());
        EXPECT_FALSE(::IsWindow(c.m_hWnd));
        EXPECT_FALSE(c.GetContainer()->IsWindowVisible()) << "no top-most list left behind";
    }
    {
        ComboHost h;
        CKComboBox& c = *h.combo;
        c.SetCurSel(1);
        Script s(&c, {{60, [&] { h.list->DestroyWindow(); }}});
        c.ShowDropDown(TRUE);
        EXPECT_TRUE(s.Done());
        EXPECT_FALSE(s.Rescued());
        EXPECT_FALSE(c.IsOpen());
        EXPECT_EQ(h.Codes(), (std::vector<int>{CBN_DROPDOWN, CBN_CLOSEUP}));
        c.ShowDropDown(TRUE);  // no list: nothing opens
        EXPECT_EQ(h.Codes().size(), 2u);
    }
    {
        ComboHost h;
        CKComboBox& c = *h.combo;
        Script s(&c, {{60, [&] { ::PostQuitMessage(7); }}});
        c.ShowDropDown(TRUE);
        EXPECT_TRUE(s.Done());
        EXPECT_FALSE(s.Rescued());
        EXPECT_FALSE(c.IsOpen());
        MSG msg;
        ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE)) << "WM_QUIT posted again";
        EXPECT_EQ(msg.wParam, 7u);
    }
}

// CPU time of the thread while the open list waits for input: a loop that polls takes all of it.
TEST(ComboBox, IdleLoopWaits) {
    ComboHost h;
    CKComboBox& c = *h.combo;
    auto cpuMs = [] {
        FILETIME created, exited, kernel, user;
        ::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user);
        auto ms = [](const FILETIME& f) { return double((ULONGLONG(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 1e4; };
        return ms(kernel) + ms(user);
    };
    double cpu0 = 0, wall0 = 0, cpu = 0, wall = 0;
    Script s(&c, {{200,
                   [&] {
                       cpu0 = cpuMs();
                       wall0 = ::GetTickCount();
                   }},
                  {1500,
                   [&] {
                       cpu = cpuMs() - cpu0;
                       wall = ::GetTickCount() - wall0;
                       PostKey(h.list->m_hWnd, VK_ESCAPE);
                   }}});
    c.ShowDropDown(TRUE);
    ASSERT_TRUE(s.Done());
    EXPECT_GT(wall, 1000);
    EXPECT_LT(cpu, wall * 0.2) << cpu << " ms of CPU in " << wall << " ms";
}

}  // namespace
