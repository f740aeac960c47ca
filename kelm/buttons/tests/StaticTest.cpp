// The static text: its own text store, plain and formatted painting in the look's roles, inverse
// mode, code page 1250 letters, hidden and subclassed controls.
#include <kelm/buttons/CKStatic.h>
#include <kelm/paint/CKBitmapDC.h>
#include <kelm/paint/CKMaskPainter.h>

#include <GdiBudget.h>
#include <KelmTest.h>
#include <SpyParent.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const int kW = 120, kH = 20;
const CRect kPlace(20, 30, 20 + kW, 30 + kH);

// "Zażółć gęślą jaźń" in code page 1250 (the sources are compiled to it) and in UTF-16.
const char kPolish[] = "Zażółć gęślą jaźń, długi napis";
const wchar_t kPolishW[] = L"Za\u017C\u00F3\u0142\u0107 g\u0119\u015Bl\u0105 ja\u017A\u0144, d\u0142ugi napis";
const char kWord[] = "ZażółćGęśląJaźń";
const wchar_t kWordW[] = L"Za\u017C\u00F3\u0142\u0107G\u0119\u015Bl\u0105Ja\u017A\u0144";

const COLORREF kBlack = RGB(0, 0, 0);

// A host whose look has its own colours, so that every role shows which one was used.
struct StaticHost {
    kt::SpyParent spy;
    CKMPBitmapProvider* look = nullptr;
    CFont font;
    CKStatic st;

    explicit StaticHost(const char* text = "Kelm", DWORD style = WS_VISIBLE) {
        EXPECT_TRUE(spy.CreateHost(300, 120, 40, 40));
        // ink (c1, c2, c3, c5), paper (c4, c5, c6, c5)
        look = new CKMPBitmapProvider(&spy, NULL, RGB(20, 30, 120), RGB(60, 0, 0), RGB(0, 90, 0), NULL,
                                      RGB(250, 245, 220), RGB(170, 160, 140), RGB(0, 0, 200), false);
        font.CreateFont(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0,
                        "Tahoma");
        EXPECT_TRUE(st.Create(text, WS_CHILD | style, kPlace, &spy, 5));
        st.SetFont(&font, FALSE);
    }
    ~StaticHost() {
        st.DestroyWindow();
        delete look;
        spy.DestroyWindow();
    }
    void Repaint() {
        st.InvalidateRect(NULL, TRUE);
        st.UpdateWindow();
    }
};

// A one-bit mask of the control's size: paper everywhere, the text drawn by draw().
template <class Draw>
kt::Pixels MakeMask(bool inverse, Draw draw) {
    CKMonoBitmapDC mask(NULL, kW, kH);
    mask.PatBlt(0, 0, kW, kH, inverse ? BLACKNESS : WHITENESS);
    mask.SetTextColor(inverse ? RGB(255, 255, 255) : kBlack);
    mask.SetBkMode(TRANSPARENT);
    draw(mask);
    return kt::ReadDC(mask.m_hDC, 0, 0, kW, kH);
}

// The mask of a line of Unicode text drawn in a font at (1, 1).
kt::Pixels LineMask(const wchar_t* text, CFont& font, bool inverse) {
    return MakeMask(inverse, [&](CDC& dc) {
        CFont* old = dc.SelectObject(&font);
        ::TextOutW(dc.m_hDC, 1, 1, text, (int)wcslen(text));
        dc.SelectObject(old);
    });
}

// What the control must show for a mask: ink where it is black, the paper shadow one pixel right
// and down of it, the paper background elsewhere.
kt::Pixels Expected(const kt::Pixels& mask, CWnd* pWnd) {
    CKMaskPainter painter(pWnd);
    const COLORREF paper = painter.GetColor(ctBase, false), shadow = painter.GetColor(ctShadow, false),
                   ink = painter.GetColor(ctBase, true);
    kt::Pixels out(mask.width(), mask.height());
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            if (mask.At(x, y) == kBlack) out.Set(x, y, ink);
            else if (x > 0 && y > 0 && mask.At(x - 1, y - 1) == kBlack) out.Set(x, y, shadow);
            else out.Set(x, y, paper);
        }
    return out;
}

using kt::FreeGdiHandles;

std::string Text(HWND hWnd) {
    char buf[256] = "";
    ::GetWindowTextA(hWnd, buf, sizeof buf);
    return buf;
}

// The system's own copy of the window text, read without a message.
std::wstring SystemText(HWND hWnd) {
    wchar_t buf[256] = L"";
    ::InternalGetWindowText(hWnd, buf, 256);
    return buf;
}

TEST(StaticText, GetTextNeverWritesPastTheBuffer) {
    StaticHost h("Kelm");
    char buf[16];
    const struct {
        WPARAM size;
        LRESULT copied;
    } cases[] = {{1, 0}, {3, 2}, {4, 3}, {5, 4}, {16, 4}};
    for (const auto& c : cases) {
        memset(buf, 'x', sizeof buf);
        EXPECT_EQ(h.st.SendMessage(WM_GETTEXT, c.size, (LPARAM)buf), c.copied) << "buffer " << c.size;
        EXPECT_EQ(buf[c.copied], '\0') << "buffer " << c.size;
        EXPECT_EQ(std::string(buf, c.copied), std::string("Kelm", c.copied));
        if (c.size < sizeof buf) {
            EXPECT_EQ(buf[c.size], 'x') << "written past a buffer of " << c.size;
        }
    }
    memset(buf, 'x', sizeof buf);
    EXPECT_EQ(h.st.SendMessage(WM_GETTEXT, 0, (LPARAM)buf), 0);
    EXPECT_EQ(buf[0], 'x') << "an empty buffer gets nothing";
    EXPECT_EQ(h.st.SendMessage(WM_GETTEXTLENGTH), 4);

    // The control answers from its own copy; the system's copy keeps the creation text.
    EXPECT_EQ(h.st.SendMessage(WM_SETTEXT, 0, (LPARAM)kPolish), 1);
    EXPECT_EQ(Text(h.st), kPolish);
    EXPECT_EQ(h.st.SendMessage(WM_GETTEXTLENGTH), (LRESULT)strlen(kPolish));
    EXPECT_EQ(SystemText(h.st), L"Kelm");
    EXPECT_EQ(h.st.SendMessage(WM_SETTEXT, 0, 0), 1) << "a null text is an empty one";
    EXPECT_EQ(h.st.SendMessage(WM_GETTEXTLENGTH), 0);
}

TEST(StaticText, SubclassedStaticShowsTheSystemTextUntilItsFirstSetText) {
    StaticHost h("unused", 0);
    HWND hPlain = ::CreateWindowExA(0, "STATIC", "Alfa", WS_CHILD | WS_VISIBLE, kPlace.left, kPlace.top + 40, kW, kH,
                                    h.spy, NULL, NULL, NULL);
    ASSERT_TRUE(hPlain != NULL);
    CKStatic sub;
    ASSERT_TRUE(sub.SubclassWindow(hPlain));
    sub.SetFont(&h.font, FALSE);
    EXPECT_EQ(Text(sub), "Alfa");
    EXPECT_EQ(sub.SendMessage(WM_GETTEXTLENGTH), 4);
    sub.InvalidateRect(NULL, TRUE);
    sub.UpdateWindow();
    EXPECT_TRUE(kt::ReadClient(sub) == Expected(LineMask(L"Alfa", h.font, false), &sub));

    sub.SendMessage(WM_SETTEXT, 0, (LPARAM) "Beta");
    EXPECT_EQ(Text(sub), "Beta");
    EXPECT_EQ(SystemText(sub), L"Alfa");
    EXPECT_TRUE(kt::ReadClient(sub) == Expected(LineMask(L"Beta", h.font, false), &sub));
    sub.DestroyWindow();
}

TEST(StaticPaint, PlainTextIsOneLineOnePixelInClippedAtTheRightEdge) {
    StaticHost h(kPolish);
    h.Repaint();
    const kt::Pixels mask = LineMask(kPolishW, h.font, false);
    // The text is wider than the control: ink reaches its last columns, and none wraps below.
    EXPECT_GT(mask.Count(kBlack, kW - 8, 0, kW, kH), 0);
    EXPECT_GT(mask.Count(kBlack), 150);
    kt::Pixels shown = kt::ReadClient(h.st);
    EXPECT_TRUE(shown == Expected(mask, &h.st)) << "plain text differs from the Unicode line in the look's roles";

    // The alignment styles of the static do not move the line.
    h.st.ModifyStyle(SS_TYPEMASK, SS_RIGHT);
    h.Repaint();
    EXPECT_TRUE(kt::ReadClient(h.st) == shown);
}

TEST(StaticPaint, InverseModeCutsPaperLettersOutOfAnInkBlock) {
    StaticHost h("Kelm");
    CKMaskPainter painter(&h.st);
    const COLORREF ink = painter.GetColor(ctBase, true), paper = painter.GetColor(ctBase, false);

    h.st.m_bInverse = true;
    h.Repaint();
    kt::Pixels shown = kt::ReadClient(h.st);
    EXPECT_TRUE(shown == Expected(LineMask(L"Kelm", h.font, true), &h.st));
    EXPECT_EQ(shown.At(0, 0), ink);
    EXPECT_EQ(shown.At(kW - 1, kH - 1), ink);
    EXPECT_GT(shown.Count(ink), kW * kH * 3 / 4);
    EXPECT_GT(kW * kH - shown.Count(ink), 20) << "the letters are cut out";

    // Without text the whole control is the block, or only the background without inverse mode.
    h.st.SetWindowText("");
    EXPECT_EQ(kt::ReadClient(h.st).Count(ink), kW * kH);
    h.st.m_bInverse = false;
    h.Repaint();
    EXPECT_EQ(kt::ReadClient(h.st).Count(paper), kW * kH);
}

TEST(StaticText, SetTextOnAHiddenControlPaintsWhenShown) {
    StaticHost h("Alfa", 0);
    EXPECT_EQ(h.st.SendMessage(WM_SETTEXT, 0, (LPARAM) "Beta"), 1);
    EXPECT_EQ(Text(h.st), "Beta");
    EXPECT_FALSE(h.st.IsWindowVisible());

    const kt::Pixels beta = Expected(LineMask(L"Beta", h.font, false), &h.st);
    h.st.ShowWindow(SW_SHOW);
    EXPECT_TRUE(kt::PumpUntil([&] { return kt::ReadClient(h.st) == beta; }));

    // On a visible control the new text is on the screen when WM_SETTEXT returns.
    h.st.SendMessage(WM_SETTEXT, 0, (LPARAM) "Gamma");
    EXPECT_TRUE(kt::ReadClient(h.st) == Expected(LineMask(L"Gamma", h.font, false), &h.st));
}

// Formatted mode lays the text out into the mask from the control's top-left corner, in the
// mask's ink whatever colours the parameters hold, in both modes.
TEST(StaticPaint, FormattedTextIsAllInkInCodePage1250Letters) {
    FormatTextParams params = GetDefaultFormatTextParams();
    params.nFontSize = 120;
    params.nMarginLeft = params.nMarginTop = params.nMarginRight = params.nMarginBottom = 0;
    // Black would be the paper of an inverse mask: the control must put its own ink in.
    params.crText = params.crLink = params.crShadow = kBlack;

    StaticHost h("");
    h.st.SetHtmlMode(true, &params);

    // 12-point Tahoma, as the layout sizes it.
    CFont tahoma;
    HDC screen = ::GetDC(NULL);
    tahoma.CreateFont(-::MulDiv(12, ::GetDeviceCaps(screen, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                      EASTEUROPE_CHARSET, 0, 0, DEFAULT_QUALITY, 0, "Tahoma");
    ::ReleaseDC(NULL, screen);
    for (bool inverse : {false, true}) {
        SCOPED_TRACE(inverse ? "inverse" : "normal");
        h.st.m_bInverse = inverse;
        h.st.SetWindowText(kWord);  // one run: one line of text from (0, 0)
        const kt::Pixels mask = MakeMask(inverse, [&](CDC& dc) {
            CFont* old = dc.SelectObject(&tahoma);
            ::TextOutW(dc.m_hDC, 0, 0, kWordW, (int)wcslen(kWordW));
            dc.SelectObject(old);
        });
        EXPECT_GT(mask.Count(inverse ? RGB(255, 255, 255) : kBlack), 150);
        EXPECT_TRUE(kt::ReadClient(h.st) == Expected(mask, &h.st));
    }

    // Back to plain mode: one line in the control's font again.
    h.st.SetHtmlMode(false, NULL);
    h.st.m_bInverse = false;
    h.st.SetWindowText(kWord);
    EXPECT_TRUE(kt::ReadClient(h.st) == Expected(LineMask(kWordW, h.font, false), &h.st));
}

TEST(StaticPaint, PaintsReleaseTheirGdiObjects) {
    FormatTextParams params = GetDefaultFormatTextParams();
    StaticHost h("<b>Kelm</b> <i>ma</i> kota");
    for (bool html : {false, true}) {
        SCOPED_TRACE(html ? "formatted" : "plain");
        h.st.SetHtmlMode(html, &params);
        h.Repaint();
        const kt::Pixels first = kt::ReadClient(h.st);
        ASSERT_GT(first.Count(CKMaskPainter(&h.st).GetColor(ctBase, true)), 30);
        const int nFree = FreeGdiHandles();
        for (int i = 0; i < 500; ++i) h.Repaint();
        EXPECT_GT(FreeGdiHandles(), nFree - 50);
        EXPECT_TRUE(kt::ReadClient(h.st) == first);
    }
}

}  // namespace
