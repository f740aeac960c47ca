// Full-size soak: every control of the repaint table repainted far more times than the
// process's GDI handle table holds (about 65,500 handles under Wine, which cannot count a
// process's GDI objects), then checked: its pixels equal those before the soak, and the GDI
// handles that can still be made did not shrink. A paint that leaked one handle would exhaust
// the table before the end and fail from then on.
#include <afxwin.h>

#include <GdiBudget.h>
#include <KelmTest.h>  // MoveCursor

#include <algorithm>
#include <string>
#include <vector>

#include "Bench.h"
#include "Figures.h"

namespace {

const long kFullSize = 70000;
const long kCheckEvery = 10000;  // pixels compared this often during the soak

// A full repaint: client and frame, children included.
void Repaint(HWND hWnd) {
    ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Reads a window's pixels into a DIB section made once, so that reading still works when a
// leak has filled the process's GDI handle table.
class PixelReader {
public:
    explicit PixelReader(HWND hWnd) : m_hWnd(hWnd) {
        RECT rc;
        ::GetWindowRect(hWnd, &rc);
        m_w = std::max(1L, rc.right - rc.left);
        m_h = std::max(1L, rc.bottom - rc.top);
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = m_w;
        bi.bmiHeader.biHeight = -m_h;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        m_hdc = ::CreateCompatibleDC(NULL);
        m_hBitmap = ::CreateDIBSection(m_hdc, &bi, DIB_RGB_COLORS, &m_pBits, NULL, 0);
        if (m_hBitmap != NULL) m_hOld = ::SelectObject(m_hdc, m_hBitmap);
    }
    ~PixelReader() {
        if (m_hBitmap != NULL) {
            ::SelectObject(m_hdc, m_hOld);
            ::DeleteObject(m_hBitmap);
        }
        if (m_hdc != NULL) ::DeleteDC(m_hdc);
    }
    PixelReader(const PixelReader&) = delete;
    PixelReader& operator=(const PixelReader&) = delete;

    // The window's pixels, frame included; false when they cannot be read.
    bool Read(std::vector<DWORD>* pOut) {
        if (m_pBits == nullptr) return false;
        HDC hdc = ::GetWindowDC(m_hWnd);
        if (hdc == NULL) return false;
        const BOOL ok = ::BitBlt(m_hdc, 0, 0, m_w, m_h, hdc, 0, 0, SRCCOPY);
        ::ReleaseDC(m_hWnd, hdc);
        ::GdiFlush();
        if (!ok) return false;
        const DWORD* p = static_cast<const DWORD*>(m_pBits);
        pOut->assign(p, p + size_t(m_w) * size_t(m_h));
        return true;
    }

private:
    HWND m_hWnd;
    long m_w = 1, m_h = 1;
    HDC m_hdc = NULL;
    HBITMAP m_hBitmap = NULL;
    HGDIOBJ m_hOld = NULL;
    void* m_pBits = nullptr;
};

struct Soak {
    long repaints = 0;
    double seconds = 0;
    int freeBefore = 0, freeAfter = 0;
    long firstDifferent = 0;  // the repaint after which the pixels first differed, 0: never
    long firstUnread = 0;     // the same for pixels that could not be read
    bool visible = false, lost = false, noReader = false;
    CSize size;
};

Soak SoakOne(const BenchCase& c, CWnd& host, long repaints) {
    Soak s;
    const HWND hWnd = c.createSkinned(&host, CRect(CPoint(10, 10), c.size));
    fig::PumpFor(60);
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    s.size = rc.Size();
    s.visible = ::IsWindowVisible(hWnd) != FALSE;
    PixelReader reader(hWnd);
    std::vector<DWORD> before, now;
    Repaint(hWnd);
    s.noReader = !reader.Read(&before);
    auto check = [&](long i) {
        if (s.noReader) return;
        if (!reader.Read(&now)) {
            if (s.firstUnread == 0) s.firstUnread = i;
        } else if (now != before && s.firstDifferent == 0) {
            s.firstDifferent = i;
        }
    };
    s.freeBefore = kt::FreeGdiHandles();
    const double t0 = fig::NowMs();
    for (long i = 1; i <= repaints; ++i) {
        Repaint(hWnd);
        s.repaints = i;
        if (i % kCheckEvery == 0 || i == repaints) {
            if (!::IsWindow(hWnd)) {
                s.lost = true;
                break;
            }
            check(i);
        }
    }
    s.seconds = (fig::NowMs() - t0) / 1000;
    s.freeAfter = kt::FreeGdiHandles();
    c.destroy();
    fig::PumpFor(60);
    AfxDeleteTempMaps();
    return s;
}

std::string Result(const Soak& s) {
    std::string r;
    auto add = [&](const std::string& what) { r += (r.empty() ? "" : ", ") + what; };
    if (s.lost) add("window gone");
    if (s.noReader) add("pixels not readable");
    if (s.firstDifferent) add(fig::Format("pixels differ after %ld", s.firstDifferent));
    if (s.firstUnread) add(fig::Format("pixels unreadable after %ld", s.firstUnread));
    if (s.freeAfter < s.freeBefore) add(fig::Format("%d GDI handles fewer", s.freeBefore - s.freeAfter));
    if (!s.visible) add("not visible");
    return r.empty() ? "ok" : "FAILED: " + r;
}

std::string RunSection(const BenchArgs& args) {
    const long repaints = std::max(1L, args.Number("--soak-repaints", kFullSize));
    std::vector<std::string> chosen;
    const std::string list = args.Text("--soak-controls", "");
    for (size_t a = 0; a < list.size();) {
        const size_t b = std::min(list.find(',', a), list.size());
        if (b > a) chosen.push_back(list.substr(a, b - a));
        a = b + 1;
    }

    kt::MoveCursor(1250, 1000);  // no hover looks
    CWnd host;
    host.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)::GetStockObject(WHITE_BRUSH)),
                  "soak", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 720, 40, 400, 480, NULL, NULL);
    fig::PumpFor(60);

    std::string out = fig::Format(
        "Soak: %ld full repaints of each control (RedrawWindow, frame and children), pixels and free GDI handles\n",
        repaints);
    out += fig::Format("%-20s %9s %9s %9s %10s %12s %12s  %s\n", "control", "size", "repaints", "seconds",
                       "us/repaint", "free GDI bef", "free GDI aft", "result");
    int failed = 0, soaked = 0;
    for (const BenchCase& c : BenchCases()) {
        if (!chosen.empty() && std::find(chosen.begin(), chosen.end(), c.name) == chosen.end()) continue;
        if (c.createSkinned == nullptr) continue;
        fig::Note("soak: %s, %ld repaints", c.name, repaints);
        const Soak s = SoakOne(c, host, repaints);
        const std::string result = Result(s);
        failed += result != "ok";
        ++soaked;
        const std::string size = fig::Format("%ldx%ld", (long)s.size.cx, (long)s.size.cy);
        out += fig::Format("%-20s %9s %9ld %9.1f %10.1f %12d %12d  %s\n", c.name, size.c_str(), s.repaints, s.seconds,
                           s.repaints ? s.seconds * 1e6 / double(s.repaints) : 0.0, s.freeBefore, s.freeAfter,
                           result.c_str());
        fig::Note("soak: %s: %.1f s, %s", c.name, s.seconds, result.c_str());
    }
    out += fig::Format("  %d of %d controls ok; pixels compared every %ld repaints and at the end; free GDI handles:\n"
                       "  how many brushes the process could still create, before and after the soak\n",
                       soaked - failed, soaked, kCheckEvery);
    host.DestroyWindow();
    fig::PumpPending();
    return out;
}

FigureSectionRegistrar g_soak({"soak", 30, &RunSection});

}  // namespace
