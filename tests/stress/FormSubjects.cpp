// The edit control and the combo box in the soak and the message storm: random texts, selections
// and keys in the edit; items, selections and openings of the combo box, whose list a script
// closes again with random keys each time it opens.
#include <kelm/kelm.h>
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "StressSubjects.h"

namespace kst {
namespace {

int Rand(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

const char* const kTexts[] = {"Krótki", "Zażółć gęślą jaźń", "", "Tekst dłuższy niż pole edycji, który się przewija",
                              "a b c"};

// Pseudo-messages: the edit's own operations.
const UINT kSetCursor = WM_APP + 1;

CWnd* MakeEdit(CWnd* pParent, CRect rc) {
    CKEdit* p = new CKEdit;
    p->Create(WS_CHILD | WS_VISIBLE, rc, pParent, 10);
    p->SetWindowText(kTexts[1]);
    return p;
}

void SendEdit(CWnd* p, UINT msg, std::mt19937& rng) {
    const int n = (int)p->SendMessage(WM_GETTEXTLENGTH);
    switch (msg) {
    case EM_SETSEL: p->SendMessage(msg, (WPARAM)Rand(rng, -5, n + 5), Rand(rng, -5, n + 5)); break;
    case EM_GETSEL: {
        DWORD a = 0, b = 0;
        const bool bNull = Rand(rng, 0, 3) == 0;
        p->SendMessage(msg, bNull ? 0 : (WPARAM)&a, bNull ? 0 : (LPARAM)&b);
        break;
    }
    case kSetCursor: static_cast<CKEdit*>(p)->SetCursorPos(Rand(rng, -5, n + 5)); break;
    case WM_KEYDOWN: {
        static const UINT keys[] = {VK_BACK, VK_DELETE, VK_ESCAPE, VK_END, VK_HOME, VK_LEFT, VK_RIGHT};
        p->SendMessage(msg, keys[Rand(rng, 0, 6)], 1);
        break;
    }
    case WM_CHAR: p->SendMessage(msg, (WPARAM)Rand(rng, 0x20, 0xFF), 1); break;
    default: p->SendMessage(msg); break;
    }
}

void CheckEdit(CWnd* p) {
    p->SetWindowText("Tekst kontrolny");
    EXPECT_EQ(p->SendMessage(WM_GETTEXTLENGTH), 15);
    p->SendMessage(EM_SETSEL, 6, 3);
    EXPECT_EQ(p->SendMessage(EM_GETSEL), MAKELONG(3, 6));
    p->SendMessage(WM_CHAR, 'X', 1);
    char buf[32] = {};
    p->SendMessage(WM_GETTEXT, sizeof buf, (LPARAM)buf);
    EXPECT_STREQ(buf, "TekXkontrolny");
    EXPECT_EQ(p->SendMessage(EM_CANUNDO), 1);
    p->SendMessage(EM_UNDO);
    p->SendMessage(WM_GETTEXT, sizeof buf, (LPARAM)buf);
    EXPECT_STREQ(buf, "Tekst kontrolny");
    EXPECT_EQ(static_cast<CKEdit*>(p)->GetCursorPos(), 0);
}

const std::vector<UINT> kEditMessages = {EM_SETSEL, EM_GETSEL, EM_UNDO,  WM_UNDO, EM_CANUNDO,
                                         kSetCursor, WM_KEYDOWN, WM_CHAR, WM_CHAR};

// A combo box whose list closes itself again: every opening posts a few random keys to the list,
// the last one Enter or Esc.
class CStormCombo : public CKComboBox {
public:
    std::mt19937 m_rng{99};
    afx_msg void OnDropDown() {
        const HWND hList = GetList()->m_hWnd;
        for (int i = Rand(m_rng, 0, 4); i > 0; --i) ::PostMessageA(hList, WM_KEYDOWN, Rand(m_rng, 0, 1) ? VK_DOWN : VK_UP, 1);
        ::PostMessageA(hList, WM_KEYDOWN, Rand(m_rng, 0, 1) ? VK_RETURN : VK_ESCAPE, 1);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStormCombo, CKComboBox)
    ON_CONTROL_REFLECT(CBN_DROPDOWN, OnDropDown)
END_MESSAGE_MAP()

CWnd* MakeCombo(CWnd* pParent, CRect rc) {
    CKListBox* pList = new CKListBox;
    pList->Create(WS_CHILD | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, CRect(0, 0, rc.Width(), 90),
                  pParent, 11);
    CStormCombo* p = new CStormCombo;
    p->m_bOpenUp = false;
    p->Create(WS_CHILD | WS_VISIBLE, rc, pParent, 10);
    p->SetList(pList, true);
    for (int i = 0; i < 8; ++i) p->AddString(kTexts[i % 5]);
    p->SetCurSel(1);
    return p;
}

void SendCombo(CWnd* p, UINT msg, std::mt19937& rng) {
    CComboBox* c = static_cast<CComboBox*>(p);
    const int n = c->GetCount();
    const int i = Rand(rng, -2, n + 2);
    switch (msg) {
    case CB_ADDSTRING: c->AddString(kTexts[Rand(rng, 0, 4)]); break;
    case CB_INSERTSTRING: c->InsertString(i, kTexts[Rand(rng, 0, 4)]); break;
    case CB_RESETCONTENT:
        if (Rand(rng, 0, 9) == 0) c->ResetContent();
        break;
    case CB_SELECTSTRING: c->SelectString(i, kTexts[Rand(rng, 0, 4)]); break;
    case CB_FINDSTRINGEXACT: c->FindStringExact(i, kTexts[Rand(rng, 0, 4)]); break;
    case CB_GETLBTEXT: {
        char buf[128];
        if (c->GetLBTextLen(i) < (int)sizeof buf) c->GetLBText(i, buf);
        break;
    }
    case CB_SHOWDROPDOWN: c->ShowDropDown(Rand(rng, 0, 1)); break;
    default: p->SendMessage(msg, (WPARAM)i, Rand(rng, 0, 1)); break;
    }
}

void CheckCombo(CWnd* p) {
    CKComboBox* c = static_cast<CKComboBox*>(p);
    c->ResetContent();
    for (int i = 0; i < 10; ++i) EXPECT_EQ(c->AddString(kTexts[i % 5]), i);
    EXPECT_EQ(c->SetCurSel(6), 6);
    EXPECT_EQ(c->CommittedSel(), 6);
    EXPECT_EQ(c->GetCurSel(), 6);
    char buf[64] = {};
    EXPECT_EQ(c->GetLBText(6, buf), 17);
    EXPECT_STREQ(buf, kTexts[1]);
    EXPECT_FALSE(c->IsOpen());
}

const std::vector<UINT> kComboMessages = {CB_ADDSTRING,   CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,
                                          CB_SETCURSEL,   CB_SETCURSEL,    CB_SELECTSTRING, CB_GETLBTEXT,
                                          CB_SHOWDROPDOWN, CB_SETTOPINDEX, CB_SETITEMDATA,  CB_FINDSTRINGEXACT};

SubjectRegistrar g_edit({"skinned edit", CRect(10, 10, 170, 34), &MakeEdit, kEditMessages, &SendEdit, &CheckEdit});
SubjectRegistrar g_combo({"skinned combo box", CRect(10, 10, 170, 34), &MakeCombo, kComboMessages, &SendCombo,
                          &CheckCombo});

}  // namespace
}  // namespace kst
