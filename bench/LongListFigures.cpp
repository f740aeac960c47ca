// Long list figures: the long list box (200x400, 20 rows in view, with its scroll bar) over
// 30,000, 100,000 and 10,000,000 logical rows, beside the platform's count-only list box of
// 30,000 rows drawn plainly by its parent: selecting the last item, 1,000 selection steps of
// 30,000 rows each, and a full repaint. While paging (from 30,120 rows on) every step moves the
// window a page; at 30,000 the list holds every row and nothing pages, so the steps at
// 10,000,000 rows are also set against the page moves at 100,000. Target: no 10,000,000-row
// figure above 1.2 x the 30,000-row one. The lists take their samples in turn.
#include <kelm/kelm.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Bench.h"
#include "Figures.h"

namespace {

const CRect kRect(10, 10, 210, 410);
const DWORD kStyle = WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
const int kSamples = 200, kSteps = 1000;

int RowText(char* buf, size_t n, long long item) { return std::snprintf(buf, n, "Row %07lld", item + 1); }

class CBenchLongList : public CKLongListBox {
public:
    int DrawItemData(CDC* pDC, const CRect& rc, DRAWITEMSTRUCT* p) override {
        char text[32];
        const int n = RowText(text, sizeof text, (long long)GetPageOffset() + (int)p->itemID);
        pDC->TextOut(rc.left, rc.top, text, n);
        return pDC->GetTextExtent(text, n).cx;
    }
};

// The platform's count-only list box in a parent that draws its rows: background and text.
class CPlainParent : public CWnd {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_MEASUREITEM) {
            ((MEASUREITEMSTRUCT*)lParam)->itemHeight = 20;
            return TRUE;
        }
        if (message == WM_DRAWITEM) {
            const DRAWITEMSTRUCT* p = (const DRAWITEMSTRUCT*)lParam;
            const bool bSelected = (p->itemState & ODS_SELECTED) != 0;
            ::SetBkColor(p->hDC, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
            ::SetTextColor(p->hDC, ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            char text[32];
            const int n = (int)p->itemID < 0 ? 0 : RowText(text, sizeof text, (int)p->itemID);
            ::ExtTextOutA(p->hDC, p->rcItem.left + 2, p->rcItem.top + 2, ETO_OPAQUE, &p->rcItem, text, n, NULL);
            return TRUE;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

struct Figures {
    double selectLastUs = 0, stepsMs = 0, repaintUs = 0;
};

double MedianOf(const std::vector<double>& v) { return fig::Summarise(v).median; }

// One list under measure: the long list box or the platform's, and its rows for the steps.
class Subject {
public:
    virtual ~Subject() {}
    virtual HWND Hwnd() const = 0;
    virtual void Select(int n) = 0;     // as the application selects an item
    virtual void StepTo(int nRow) = 0;  // as the user selects a row, with the owner's reaction
    int nCount = 0;
    int nStepRows[2] = {0, 0};
    std::vector<double> select, steps, repaint;
};

class LongSubject : public Subject {
public:
    LongSubject(CWnd* pHost, int nCount_, int x) {
        nCount = nCount_;
        bar.Create(WS_CHILD | WS_DISABLED | SBS_VERT, CRect(0, 0, 20, 100), pHost, 2);
        list.Create(kStyle, kRect + CPoint(x, 0), pHost, 1);
        list.SetScroll(&bar);
        SetBorderType(&list, BT_SUNKEN);
        list.SetCount(nCount);
        // From a forward border row to a back one: each step moves the window a page when paging.
        nStepRows[0] = nCount > 30120 ? 30091 : nCount - 1;
        nStepRows[1] = 30;
    }
    ~LongSubject() override {
        list.DestroyWindow();
        bar.DestroyWindow();
    }
    HWND Hwnd() const override { return list.m_hWnd; }
    void Select(int n) override { list.SetCurSel(n); }
    void StepTo(int nRow) override {
        list.CListBox::SetCurSel(nRow);
        list.OnSelChange();
    }

private:
    CKScrollBar bar;
    CBenchLongList list;
};

class PlatformSubject : public Subject {
public:
    PlatformSubject(CWnd* pHost, int nCount_, int x) {
        nCount = nCount_;
        parent.Create(NULL, "", WS_CHILD | WS_VISIBLE, kRect + CPoint(x, 0), pHost, 3);
        hList = ::CreateWindowExA(0, "LISTBOX", "", kStyle | WS_VSCROLL | WS_BORDER, 0, 0, kRect.Width(),
                                  kRect.Height(), parent.m_hWnd, (HMENU)4, ::GetModuleHandleA(NULL), NULL);
        ::SendMessageA(hList, LB_SETCOUNT, nCount, 0);
        nStepRows[0] = nCount - 1;
        nStepRows[1] = 30;
    }
    ~PlatformSubject() override {
        ::DestroyWindow(hList);
        parent.DestroyWindow();
    }
    HWND Hwnd() const override { return hList; }
    void Select(int n) override { ::SendMessageA(hList, LB_SETCURSEL, n, 0); }
    void StepTo(int nRow) override { ::SendMessageA(hList, LB_SETCURSEL, nRow, 0); }

private:
    CPlainParent parent;
    HWND hList = NULL;
};

// One sample of each figure: selecting the last item from the first, a run of steps, a repaint.
void Sample(Subject& s, int nSteps) {
    s.Select(0);
    ::UpdateWindow(s.Hwnd());
    double a = fig::NowMs();
    s.Select(s.nCount - 1);
    s.select.push_back((fig::NowMs() - a) * 1000);
    ::UpdateWindow(s.Hwnd());

    s.Select(s.nCount / 2);
    ::UpdateWindow(s.Hwnd());
    a = fig::NowMs();
    for (int i = 0; i < nSteps; ++i) s.StepTo(s.nStepRows[i % 2]);
    s.steps.push_back(fig::NowMs() - a);
    ::UpdateWindow(s.Hwnd());

    a = fig::NowMs();
    ::InvalidateRect(s.Hwnd(), NULL, TRUE);
    ::UpdateWindow(s.Hwnd());
    s.repaint.push_back((fig::NowMs() - a) * 1000);
}

std::string RunSection(const BenchArgs&) {
    CWnd host;
    host.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)::GetStockObject(WHITE_BRUSH)),
                  "long list", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 920, 430, NULL, NULL);
    const int counts[3] = {30000, 100000, 10000000};
    std::vector<Subject*> subjects;
    for (int i = 0; i < 3; ++i) subjects.push_back(new LongSubject(&host, counts[i], 230 * i));
    subjects.push_back(new PlatformSubject(&host, 30000, 690));
    fig::PumpPending();

    // The lists take their samples in turn, so that a machine busy with other work slows them
    // alike; 1,000 steps are kSamples / 4 runs of 4 * 1,000 / kSamples.
    const int nStepsPerRun = 4 * kSteps / kSamples;
    for (int i = 0; i < kSamples / 4 + 5; ++i) {
        for (Subject* s : subjects) {
            if (i == 5) s->select.clear(), s->steps.clear(), s->repaint.clear();  // after the warm-up
            Sample(*s, nStepsPerRun);
        }
        fig::PumpPending();
    }
    Figures f[4];
    for (int i = 0; i < 4; ++i) {
        f[i].selectLastUs = MedianOf(subjects[i]->select);
        f[i].stepsMs = MedianOf(subjects[i]->steps) * kSteps / nStepsPerRun;
        f[i].repaintUs = MedianOf(subjects[i]->repaint);
        delete subjects[i];
    }
    host.DestroyWindow();
    fig::PumpPending();

    std::string out = "Long list (200x400, 20 rows in view, with its scroll bar; platform: count-only list box of 30,000 "
                      "drawn by its parent)\n";
    out += fig::Format("%-34s %9s %9s %11s %7s %7s %9s %7s\n", "rows:", "30,000", "100,000", "10,000,000", "/30k",
                       "/100k", "platform", "30k/pl");
    std::string missed;
    auto row = [&](const char* name, double Figures::*pFigure) {
        const double a = f[0].*pFigure, b = f[1].*pFigure, c = f[2].*pFigure, p = f[3].*pFigure;
        if (c > 1.2 * a) missed += std::string(missed.empty() ? "" : ", ") + name;
        out += fig::Format("%-34s %9.1f %9.1f %11.1f %7.2f %7.2f %9.1f %7.2f\n", name, a, b, c, c / a, c / b, p, a / p);
    };
    row("select the last item (median, us)", &Figures::selectLastUs);
    row("1,000 selection steps (ms)", &Figures::stepsMs);
    row("full repaint (median, us)", &Figures::repaintUs);
    out += fig::Format("  the steps move the window a page each from 100,000 rows on, none at 30,000\n"
                       "  target, 10,000,000 rows within 1.2 x 30,000: %s%s\n",
                       missed.empty() ? "met" : "missed by ", missed.c_str());
    return out;
}

FigureSectionRegistrar g_longList({"longlist", 15, &RunSection});

}  // namespace
