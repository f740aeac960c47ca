#include "StressSubjects.h"

#include <kelm/kelm.h>
#include <gtest/gtest.h>

#include <commctrl.h>

namespace kst {
namespace {

int Rand(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

CWnd* SkinnedButton(CKButton* p, DWORD style, const char* text, CWnd* pParent, CRect rc) {
    HWND h = ::CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | style, rc.left, rc.top, rc.Width(),
                               rc.Height(), pParent->m_hWnd, (HMENU)10, ::GetModuleHandleA(NULL), NULL);
    p->SubclassWindow(h);
    return p;
}

void SendButton(CWnd* p, UINT msg, std::mt19937& rng) {
    switch (msg) {
    case BM_SETCHECK: p->SendMessage(msg, Rand(rng, -3, 7)); break;
    case BM_SETSTATE: p->SendMessage(msg, Rand(rng, 0, 1)); break;
    default: p->SendMessage(msg); break;
    }
}

void CheckButton(CWnd* p) {
    p->SetWindowText("Przycisk");
    p->SendMessage(BM_SETSTATE, FALSE);
    p->SendMessage(BM_SETCHECK, 1);
    EXPECT_EQ(p->SendMessage(BM_GETCHECK), 1);
    p->SendMessage(BM_SETCHECK, 0);
    EXPECT_EQ(p->SendMessage(BM_GETCHECK), 0);
}

void SendScrollBar(CWnd* p, UINT msg, std::mt19937& rng) {
    switch (msg) {
    case SBM_SETPOS:
        p->SendMessage(msg, Rand(rng, -200, 200), Rand(rng, 0, 1));
        break;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
        p->SendMessage(msg, Rand(rng, -100, 100), Rand(rng, -100, 300));
        break;
    case SBM_GETRANGE: {
        int lo = 0, hi = 0;
        const bool bNull = Rand(rng, 0, 3) == 0;
        p->SendMessage(msg, bNull ? 0 : (WPARAM)&lo, bNull ? 0 : (LPARAM)&hi);
        break;
    }
    case SBM_SETSCROLLINFO:
    case SBM_GETSCROLLINFO: {
        SCROLLINFO si = {sizeof(si), (UINT)Rand(rng, 0, 0x1F), Rand(rng, -100, 100), Rand(rng, -100, 300),
                         (UINT)Rand(rng, 0, 400), Rand(rng, -300, 300), Rand(rng, -300, 300)};
        p->SendMessage(msg, Rand(rng, 0, 1), Rand(rng, 0, 5) == 0 ? 0 : (LPARAM)&si);
        break;
    }
    default:
        p->SendMessage(msg);
        break;
    }
}

void CheckScrollBar(CWnd* p) {
    SCROLLINFO set = {sizeof(set), SIF_RANGE | SIF_PAGE, 0, 100, 10};
    p->SendMessage(SBM_SETSCROLLINFO, TRUE, (LPARAM)&set);
    p->SendMessage(SBM_SETPOS, 50, TRUE);
    EXPECT_EQ(p->SendMessage(SBM_GETPOS), 50);
    SCROLLINFO si = {sizeof(si), SIF_ALL};
    p->SendMessage(SBM_GETSCROLLINFO, 0, (LPARAM)&si);
    EXPECT_EQ(si.nMin, 0);
    EXPECT_EQ(si.nMax, 100);
    EXPECT_EQ(si.nPage, 10u);
    EXPECT_EQ(si.nPos, 50);
    p->SendMessage(SBM_SETPOS, 1000, TRUE);
    EXPECT_EQ(p->SendMessage(SBM_GETPOS), 90) << "clamped to max - page";
    p->SendMessage(SBM_SETPOS, 50, TRUE);
}

void SendSpin(CWnd* p, UINT msg, std::mt19937& rng) {
    switch (msg) {
    case UDM_SETPOS: p->SendMessage(msg, 0, MAKELPARAM(Rand(rng, -200, 200), 0)); break;
    case UDM_SETRANGE: p->SendMessage(msg, 0, MAKELPARAM(Rand(rng, -100, 100), Rand(rng, -100, 100))); break;
    case UDM_SETRANGE32: p->SendMessage(msg, Rand(rng, -1000, 1000), Rand(rng, -1000, 1000)); break;
    case UDM_GETRANGE32: {
        int lo = 0, hi = 0;
        p->SendMessage(msg, (WPARAM)&lo, (LPARAM)&hi);
        break;
    }
    default: p->SendMessage(msg); break;
    }
}

void CheckSpin(CWnd* p) {
    CSpinButtonCtrl* pSpin = static_cast<CSpinButtonCtrl*>(p);
    pSpin->SetRange32(0, 100);
    pSpin->SetPos(42);
    EXPECT_EQ(LOWORD(pSpin->GetPos()), 42);
    int lo = -1, hi = -1;
    pSpin->GetRange32(lo, hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 100);
}

void CheckText(CWnd* p) {
    p->SendMessage(WM_SETTEXT, 0, (LPARAM) "Zażółć");
    char buf[32] = "";
    EXPECT_EQ(p->SendMessage(WM_GETTEXT, sizeof buf, (LPARAM)buf), 6);
    EXPECT_STREQ(buf, "Zażółć");
    EXPECT_EQ(p->SendMessage(WM_GETTEXTLENGTH), 6);
}

void CheckToolTip(CWnd* p) {
    CToolTipCtrl* pTip = static_cast<CToolTipCtrl*>(p);
    CWnd* pOwner = pTip->GetOwner();
    EXPECT_EQ(pTip->GetToolCount(), 1);
    pTip->UpdateTipText("Zażółć", pOwner);
    CString text;
    pTip->GetText(text, pOwner);
    EXPECT_STREQ(text, "Zażółć");
}

void NoOwnMessages(CWnd*, UINT, std::mt19937&) {}
void SendFlag(CWnd* p, UINT msg, std::mt19937& rng) { p->SendMessage(msg, Rand(rng, 0, 1)); }

const std::vector<UINT> kButtonMessages = {BM_SETCHECK, BM_GETCHECK, BM_SETSTATE, BM_GETSTATE, BM_CLICK};
const std::vector<UINT> kScrollMessages = {SBM_SETPOS, SBM_GETPOS, SBM_SETRANGE, SBM_SETRANGEREDRAW, SBM_GETRANGE,
                                           SBM_SETSCROLLINFO, SBM_GETSCROLLINFO};

}  // namespace

static std::vector<StressSubject>& Registered() {
    static std::vector<StressSubject> subjects;
    return subjects;
}

void RegisterSubject(const StressSubject& subject) { Registered().push_back(subject); }

const std::vector<StressSubject>& Subjects() {
    static std::vector<StressSubject> subjects = {
        {"push button", CRect(10, 10, 110, 36),
         [](CWnd* pParent, CRect rc) { return SkinnedButton(new CKButton, BS_PUSHBUTTON, "Przycisk", pParent, rc); },
         kButtonMessages, &SendButton, &CheckButton},
        {"check box", CRect(10, 10, 130, 30),
         [](CWnd* pParent, CRect rc) { return SkinnedButton(new CKButton, BS_AUTO3STATE, "Pole", pParent, rc); },
         kButtonMessages, &SendButton, &CheckButton},
        {"radio button", CRect(10, 10, 130, 30),
         [](CWnd* pParent, CRect rc) { return SkinnedButton(new CKButton, BS_AUTORADIOBUTTON, "Opcja", pParent, rc); },
         kButtonMessages, &SendButton, &CheckButton},
        {"mask button", CRect(10, 10, 110, 36),
         [](CWnd* pParent, CRect rc) {
             CKMaskButton* p = new CKMaskButton;
             p->LoadMasks(129, 142, 130, 141, 131, 140);
             return SkinnedButton(p, BS_AUTO3STATE, "Maska", pParent, rc);
         },
         kButtonMessages, &SendButton, &CheckButton},
        {"scroll bar", CRect(10, 10, 210, 30),
         [](CWnd* pParent, CRect rc) {
             CKScrollBar* p = new CKScrollBar;
             p->Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, rc, pParent, 10);
             return (CWnd*)p;
         },
         kScrollMessages, &SendScrollBar, &CheckScrollBar},
        {"vertical scroll bar", CRect(10, 10, 30, 210),
         [](CWnd* pParent, CRect rc) {
             CKScrollBar* p = new CKScrollBar;
             p->Create(WS_CHILD | WS_VISIBLE | SBS_VERT, rc, pParent, 10);
             return (CWnd*)p;
         },
         kScrollMessages, &SendScrollBar, &CheckScrollBar},
        {"slider", CRect(10, 10, 210, 40),
         [](CWnd* pParent, CRect rc) {
             CKSliderCtrl* p = new CKSliderCtrl;
             p->Create(WS_CHILD | WS_VISIBLE, rc, pParent, 10);
             return (CWnd*)p;
         },
         {}, &NoOwnMessages,
         [](CWnd* p) {
             CKSliderCtrl* s = static_cast<CKSliderCtrl*>(p);
             s->SetRange(0, 100, TRUE);
             s->SetPos(30);
             EXPECT_EQ(s->GetPos(), 30);
             s->SetPos(500);
             EXPECT_EQ(s->GetPos(), 100);
         }},
        {"spin button", CRect(10, 10, 26, 40),
         [](CWnd* pParent, CRect rc) {
             CKSpinButtonCtrl* p = new CKSpinButtonCtrl;
             p->Create(WS_CHILD | WS_VISIBLE, rc, pParent, 10);
             return (CWnd*)p;
         },
         {UDM_SETPOS, UDM_GETPOS, UDM_SETRANGE, UDM_SETRANGE32, UDM_GETRANGE32}, &SendSpin, &CheckSpin},
        {"static", CRect(10, 10, 210, 30),
         [](CWnd* pParent, CRect rc) {
             CKStatic* p = new CKStatic;
             p->Create("Tekst", WS_CHILD | WS_VISIBLE, rc, pParent, 10);
             return (CWnd*)p;
         },
         {}, &NoOwnMessages, &CheckText},
        {"formatted static", CRect(10, 10, 210, 50),
         [](CWnd* pParent, CRect rc) {
             CKStatic* p = new CKStatic;
             p->SetHtmlMode(true, NULL);
             p->Create("<b>Tekst</b> <i>sformatowany</i>", WS_CHILD | WS_VISIBLE, rc, pParent, 10);
             return (CWnd*)p;
         },
         {}, &NoOwnMessages, &CheckText},
        {"tooltip", CRect(0, 0, 0, 0),
         [](CWnd* pParent, CRect) {
             CKToolTipCtrl* p = new CKToolTipCtrl;
             p->Create(pParent);
             p->AddTool(pParent, "Podpowiedź <b>Kelm</b>");
             p->Activate(TRUE);
             return (CWnd*)p;
         },
         {TTM_ACTIVATE, TTM_POP, TTM_UPDATE}, &SendFlag, &CheckToolTip},
    };
    static const bool bJoined = [] {
        subjects.insert(subjects.end(), Registered().begin(), Registered().end());
        return true;
    }();
    (void)bJoined;
    return subjects;
}

}  // namespace kst
