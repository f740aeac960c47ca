// The skinned edit control in a real window: notifications around the repaint, the text store
// behind the text messages, scrolling, the mouse, and its colours by state.
#include <kelm/lists/CKEdit.h>
#include <kelm/paint/CKMPBitmapProvider.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>

#include "ListTestUtil.h"

namespace {

using namespace lbt;

const DWORD kStyle = WS_CHILD | WS_VISIBLE;

struct EditHost {
    kt::SpyParent spy;
    CKBitmapDC ink{NULL, 4, 4}, paper{NULL, 4, 4};
    std::unique_ptr<CKMPBitmapProvider> look;
    CFont font;
    CKEdit edit;
    explicit EditHost(CRect rc = CRect(10, 10, 170, 34)) {
        EXPECT_TRUE(spy.CreateHost(300, 200));
        ink.FillSolidRect(0, 0, 4, 4, kInkPattern);
        paper.FillSolidRect(0, 0, 4, 4, kPaperPattern);
        look.reset(new CKMPBitmapProvider(&spy, ink, kInk, kInkShadow, kInkHigh, paper, kPaper, kPaperShadow,
                                          kPaperHigh, false));
        font.CreateFont(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0,
                        "Tahoma");
        spy.Watch(WM_CTLCOLORSTATIC);
        EXPECT_TRUE(edit.Create(kStyle, rc, &spy, 100));
        edit.SetFont(&font);
        ::SetForegroundWindow(spy.m_hWnd);
        kt::PumpPending();
        spy.Clear();
    }
    ~EditHost() {
        kt::MoveCursor(1250, 1000);
        edit.DestroyWindow();
        look.reset();
        spy.DestroyWindow();
        kt::PumpPending();
    }
    // The edit notification codes and paints (0) the parent saw, in order.
    std::vector<int> Events() const {
        std::vector<int> out;
        for (const kt::SpyMessage& m : spy.Messages()) {
            if (m.message == WM_COMMAND && (HWND)m.lParam == edit.m_hWnd) out.push_back(HIWORD(m.wParam));
            else if (m.message == WM_CTLCOLORSTATIC) out.push_back(0);
        }
        return out;
    }
    std::string Text() {
        char buf[256] = {};
        edit.SendMessage(WM_GETTEXT, sizeof buf, (LPARAM)buf);
        return buf;
    }
    void Char(char c) { edit.SendMessage(WM_CHAR, (unsigned char)c, 1); }
    void Key(UINT vk) { edit.SendMessage(WM_KEYDOWN, vk, 1); }
};

// Colours of a rectangle, leaving out the caret's columns (it blinks).
std::set<COLORREF> Colours(const kt::Pixels& p, const CRect& rc, int nCaretX = -100) {
    std::set<COLORREF> out;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (x < nCaretX - 1 || x > nCaretX + 4) out.insert(p.At(x, y));
    return out;
}

kt::Pixels Paint(CWnd& w) {
    w.Invalidate();
    w.UpdateWindow();
    return kt::ReadClient(w.m_hWnd);
}

TEST(Edit, NotificationsAroundTheRepaint) {
    EditHost h;
    const int U = EN_UPDATE, C = EN_CHANGE, M = CKEdit::EN_CURSORMOVE;
    h.Char('a');
    h.Char('b');
    EXPECT_EQ(h.Events(), (std::vector<int>{U, 0, C, U, 0, C})) << "update before, change after the paint";
    EXPECT_EQ(h.Text(), "ab");
    h.spy.Clear();
    for (char c : {'\x08', '\x1b', '\x0d', '\t', '\x01'}) h.Char(c);
    EXPECT_TRUE(h.Events().empty()) << "control characters never enter the text";
    EXPECT_EQ(h.Text(), "ab");

    h.Key(VK_HOME);
    h.Key(VK_LEFT);
    h.Key(VK_F2);  // no default processing, no notification
    EXPECT_EQ(h.Events(), (std::vector<int>{M, 0, M, 0}));
    h.spy.Clear();
    h.Key(VK_BACK);
    EXPECT_EQ(h.Events(), (std::vector<int>{U, 0, C})) << "Backspace at 0 still tells of a change";
    EXPECT_EQ(h.Text(), "ab");

    // Focus: the text saved for Esc and undo, then typing, Esc restoring it.
    h.spy.Clear();
    h.edit.SetFocus();
    EXPECT_EQ(h.Events().front(), EN_SETFOCUS);
    EXPECT_EQ(h.edit.SendMessage(EM_CANUNDO), 0);
    h.Char('X');  // replaces the whole text, selected by the focus
    EXPECT_EQ(h.Text(), "X");
    EXPECT_EQ(h.edit.SendMessage(EM_CANUNDO), 1);
    h.spy.Clear();
    h.Key(VK_ESCAPE);
    EXPECT_EQ(h.Text(), "ab");
    EXPECT_EQ(h.Events(), (std::vector<int>{U, 0, C}));
    EXPECT_LE(h.edit.GetCursorPos(), 2);
    h.Char('Y');
    EXPECT_EQ(h.edit.SendMessage(WM_UNDO), 1);
    EXPECT_EQ(h.Text(), "ab");
    h.spy.Clear();
    h.spy.SetFocus();
    EXPECT_EQ(h.Events().front(), EN_KILLFOCUS);
}

// The text messages are answered from the control's own store, never past the buffer given.
TEST(Edit, TextMessagesAndSelection) {
    EditHost h;
    EXPECT_TRUE(h.edit.SendMessage(WM_SETTEXT, 0, (LPARAM) "Zażółć gęślą jaźń"));
    EXPECT_EQ(h.edit.SendMessage(WM_GETTEXTLENGTH), 17);
    EXPECT_EQ(h.Text(), "Zażółć gęślą jaźń");
    char buf[8];
    std::memset(buf, 'x', sizeof buf);
    EXPECT_EQ(h.edit.SendMessage(WM_GETTEXT, 1, (LPARAM)buf), 0);
    EXPECT_EQ(buf[0], 0);
    EXPECT_EQ(buf[1], 'x');
    EXPECT_EQ(h.edit.SendMessage(WM_GETTEXT, 4, (LPARAM)buf), 3);
    EXPECT_EQ(std::string(buf), "Zaż");
    EXPECT_EQ(buf[4], 'x');
    EXPECT_EQ(h.edit.SendMessage(WM_GETTEXT, 100, 0), 0) << "no buffer";
    EXPECT_EQ(::GetWindowTextLengthA(h.edit.m_hWnd), 17);

    int start = -1, end = -1;
    h.edit.SendMessage(EM_SETSEL, 0, -1);
    h.edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 17);
    h.edit.SendMessage(EM_SETSEL, 5, 2);
    EXPECT_EQ(h.edit.GetSel(), (DWORD)MAKELONG(2, 5));
    h.Char('#');
    EXPECT_EQ(h.Text(), "Za#ć gęślą jaźń");

    h.edit.SendMessage(WM_SETTEXT, 0, 0);
    EXPECT_EQ(h.edit.SendMessage(WM_GETTEXTLENGTH), 0);
    // Code page 1250 letters typed one by one.
    for (const char* p = "ąęłńóśźż"; *p; ++p) h.Char(*p);
    EXPECT_EQ(h.Text(), "ąęłńóśźż");
}

// A text wider than the control scrolls forward one character at a time until the caret fits,
// and back to its start on Home.
TEST(Edit, ScrollsToTheCaretAndBack) {
    EditHost h;
    const std::string text = "Bardzo długi tekst, który nie mieści się w polu edycji";
    h.edit.SetWindowText(text.c_str());
    h.edit.SetFocus();
    h.Key(VK_END);
    const int nFirst = h.edit.FirstVisibleChar();
    EXPECT_GT(nFirst, 0);
    CRect rc;
    h.edit.GetClientRect(&rc);
    const int right = rc.right - HIWORD(h.edit.GetMargins());
    const int left = LOWORD(h.edit.GetMargins());
    const int cursor = (int)text.size();
    EXPECT_LE(left + h.edit.CalcTextLength(text.c_str() + nFirst, cursor - nFirst), right);
    EXPECT_GT(left + h.edit.CalcTextLength(text.c_str() + nFirst - 1, cursor - nFirst + 1), right)
        << "the first character that fits, not an earlier one";
    POINT caret;
    ::GetCaretPos(&caret);
    EXPECT_EQ(caret.x, left + h.edit.CalcTextLength(text.c_str() + nFirst, cursor - nFirst));
    h.Key(VK_HOME);
    EXPECT_EQ(h.edit.FirstVisibleChar(), 0);
    ::GetCaretPos(&caret);
    EXPECT_EQ(caret.x, left);
}

// The first click selects everything; later clicks place the cursor; a drag selects with capture.
TEST(Edit, MouseSelects) {
    EditHost h;
    const char* text = "jeden dwa trzy";
    h.edit.SetWindowText(text);
    const int y = 12;
    const int left = LOWORD(h.edit.GetMargins());
    auto xAfter = [&](int n) { return left + h.edit.CalcTextLength(text, n); };
    kt::SendMouse(h.edit.m_hWnd, WM_LBUTTONDOWN, xAfter(3), y, MK_LBUTTON);
    kt::SendMouse(h.edit.m_hWnd, WM_LBUTTONUP, xAfter(3), y);
    EXPECT_EQ(::GetFocus(), h.edit.m_hWnd);
    EXPECT_EQ(h.edit.GetSel(), (DWORD)MAKELONG(0, 14));
    EXPECT_EQ(h.edit.GetCursorPos(), 14);

    // Clicks land on the boundary left of the point (each character here is wider than half an
    // average one).
    h.spy.Clear();
    kt::SendMouse(h.edit.m_hWnd, WM_LBUTTONDOWN, xAfter(4) + 1, y, MK_LBUTTON);
    EXPECT_EQ(h.edit.GetCursorPos(), 4);
    EXPECT_EQ(::GetCapture(), h.edit.m_hWnd);
    kt::SendMouse(h.edit.m_hWnd, WM_MOUSEMOVE, xAfter(9) + 1, y, MK_LBUTTON);
    kt::SendMouse(h.edit.m_hWnd, WM_LBUTTONUP, xAfter(9) + 1, y);
    EXPECT_EQ(h.edit.GetSel(), (DWORD)MAKELONG(4, 9));
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
    EXPECT_EQ(h.Events().front(), CKEdit::EN_CURSORMOVE);

    // A drag back past the anchor selects from there; moves after the button-up select nothing.
    kt::SendMouse(h.edit.m_hWnd, WM_LBUTTONDOWN, xAfter(9) + 1, y, MK_LBUTTON);
    kt::SendMouse(h.edit.m_hWnd, WM_MOUSEMOVE, xAfter(2) + 1, y, MK_LBUTTON);
    kt::SendMouse(h.edit.m_hWnd, WM_LBUTTONUP, xAfter(2) + 1, y);
    kt::SendMouse(h.edit.m_hWnd, WM_MOUSEMOVE, xAfter(12) + 1, y);
    EXPECT_EQ(h.edit.GetSel(), (DWORD)MAKELONG(2, 9));
    EXPECT_EQ(h.edit.GetCursorPos(), 2);

    // A right click offers no menu of the platform's (it would work on the platform's own text):
    // the parent is asked instead.
    h.spy.Watch(WM_CONTEXTMENU);
    kt::SendMouse(h.edit.m_hWnd, WM_RBUTTONDOWN, 5, y, MK_RBUTTON);
    kt::SendMouse(h.edit.m_hWnd, WM_RBUTTONUP, 5, y);
    EXPECT_EQ(h.spy.Count(WM_CONTEXTMENU), 1);
}

// Unfocused, the text shows in the paper pattern on the ink pattern; focused, the ink is in
// ctHighlight and the selection shows as the paper pattern with the text in ink; hot, the text
// gets a ctHighlight edge.
TEST(Edit, ColoursByState) {
    EditHost h;
    h.edit.SetWindowText("Tekst");
    CRect rc;
    h.edit.GetClientRect(&rc);
    h.spy.Clear();
    kt::Pixels p = Paint(h.edit);
    EXPECT_EQ(Colours(p, rc), (std::set<COLORREF>{kInkPattern, kPaperPattern}));
    EXPECT_EQ(h.spy.Count(WM_CTLCOLORSTATIC), 1) << "the paint asks the parent";
    const int nTextPixels = p.Count(kPaperPattern);

    h.edit.SetFocus();
    POINT caret;
    ::GetCaretPos(&caret);
    p = Paint(h.edit);
    EXPECT_EQ(Colours(p, rc, caret.x), (std::set<COLORREF>{kInkHigh, kPaperPattern}));
    EXPECT_GT(p.Count(kPaperPattern), nTextPixels * 3) << "the selected text on a paper box";
    h.edit.SendMessage(EM_SETSEL, 0, 0);
    p = Paint(h.edit);
    EXPECT_LT(p.Count(kPaperPattern), nTextPixels * 2);

    kt::SendMouse(h.edit.m_hWnd, WM_MOUSEMOVE, 5, 5);
    p = Paint(h.edit);
    EXPECT_EQ(Colours(p, rc, caret.x), (std::set<COLORREF>{kInkHigh, kPaperPattern, kPaperHigh}));
    h.edit.SendMessage(WM_MOUSELEAVE);
    p = Paint(h.edit);
    EXPECT_EQ(p.Count(kPaperHigh), 0);

    // Without the focus the selection shows only with ES_NOHIDESEL, its text in the ink pattern.
    h.spy.SetFocus();
    h.edit.SendMessage(EM_SETSEL, 0, -1);
    EXPECT_LT(Paint(h.edit).Count(kPaperPattern), nTextPixels * 2);
    h.edit.ModifyStyle(0, ES_NOHIDESEL);
    p = Paint(h.edit);
    EXPECT_GT(p.Count(kPaperPattern), nTextPixels * 3);
    EXPECT_EQ(Colours(p, rc), (std::set<COLORREF>{kInkPattern, kPaperPattern}));
}

}  // namespace
