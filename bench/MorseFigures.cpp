// Morse playback timing: how long the widget's lamp stays lit for played dots and dashes at
// several dot lengths D, against D and 3·D. The lamp is read from the screen in a tight loop
// that also dispatches the widget's timer messages.
#include <tapkey/tapkey.h>

#include <mmsystem.h>

#include <KelmTest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "Bench.h"
#include "Figures.h"

namespace {

const int kDots[] = {120, 200, 500};  // D, ms: the fastest, the initial and the slowest speed
const double kTickMs = 50;            // the widget's playback timer
const int kLampX = 5 + 46, kLampY = 5 + 46;  // the lamp's glass, in the widget's client area

// The signs of the characters the section can play.
const char* Sign(char c) {
    static const struct { char c; const char* sign; } kSigns[] = {
        {'E', "."},   {'T', "-"},   {'A', ".-"},  {'N', "-."},  {'I', ".."},  {'M', "--"},  {'S', "..."},
        {'O', "---"}, {'R', ".-."}, {'K', "-.-"}, {'U', "..-"}, {'D', "-.."}, {'W', ".--"}, {'G', "--."},
    };
    for (const auto& s : kSigns)
        if (s.c == c) return s.sign;
    return nullptr;
}

enum Lamp { kDark, kLit, kOther };

Lamp ReadLamp(HWND hWidget) {
    HDC dc = ::GetDC(hWidget);
    const COLORREF c = ::GetPixel(dc, kLampX, kLampY);
    ::ReleaseDC(hWidget, dc);
    if (GetRValue(c) >= 200 && GetGValue(c) > GetBValue(c) + 60) return kLit;
    if (GetBValue(c) > GetRValue(c) + 60) return kDark;
    return kOther;
}

std::string ExeFolder() {
    char path[MAX_PATH];
    ::GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string dir(path);
    return dir.substr(0, dir.find_last_of("\\/") + 1);
}

struct Timing {
    std::vector<double> dots, dashes, gaps;  // lit ms by element; dark ms between elements of a sign
    std::vector<double> letterGaps;          // dark ms between the last element of a sign and the next
    size_t seen = 0, expected = 0;
    double meanSampleMs = 0, maxSampleMs = 0;
    double maxEdgeMs = 0;  // the widest interval within which an element's edge is known
    int otherSamples = 0;
    bool timedOut = false;
};

// Plays text at dot length d and times the lamp.
Timing Play(HWND hWidget, int d, const std::string& text) {
    Timing r;
    ::SendMessageA(hWidget, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, d - 120), 0);
    std::string elements;
    std::vector<bool> lastOfSign;
    for (char c : text) {
        const char* sign = Sign(c);
        for (size_t i = 0; sign && sign[i]; ++i) {
            elements += sign[i];
            lastOfSign.push_back(sign[i + 1] == 0);
        }
    }
    r.expected = elements.size();
    for (char c : text) ::SendMessageA(hWidget, WM_COMMAND, 100, (unsigned char)c);

    const double start = fig::NowMs();
    const double budget = 2000 + 1.6 * (elements.size() * (3.0 * d + 80 + 2 * kTickMs));
    double last = start, darkSince = start, sampleSum = 0;
    long samples = 0;
    bool lit = false;
    std::vector<double> periods;    // on, off, on, off...
    std::vector<double> edgeWidth;  // time since the previous sample, at each edge
    for (;;) {
        fig::PumpPending();
        const Lamp lamp = ReadLamp(hWidget);
        const double t = fig::NowMs();
        const double prev = last;
        sampleSum += t - last;
        r.maxSampleMs = std::max(r.maxSampleMs, t - last);
        last = t;
        ++samples;
        if (lamp == kOther) ++r.otherSamples;
        if (lamp == kLit && !lit) {
            lit = true;
            periods.push_back(t);
            edgeWidth.push_back(t - prev);
        } else if (lamp == kDark && lit) {
            lit = false;
            darkSince = t;
            periods.push_back(t);
            edgeWidth.push_back(t - prev);
        }
        const bool allSeen = !lit && periods.size() / 2 >= elements.size();
        if (allSeen && t - darkSince > 300) break;
        if (t - start > budget) {
            r.timedOut = true;
            break;
        }
    }
    r.meanSampleMs = samples ? sampleSum / double(samples) : 0;
    r.seen = periods.size() / 2;
    for (size_t i = 0; i < 2 * std::min(r.seen, r.expected); ++i)
        r.maxEdgeMs = std::max(r.maxEdgeMs, edgeWidth[i]);
    for (size_t i = 0; i < r.seen && i < elements.size(); ++i) {
        const double length = periods[2 * i + 1] - periods[2 * i];
        (elements[i] == '.' ? r.dots : r.dashes).push_back(length);
        if (i + 1 < r.seen) (lastOfSign[i] ? r.letterGaps : r.gaps).push_back(periods[2 * i + 2] - periods[2 * i + 1]);
    }
    return r;
}

std::string Row(int d, const char* what, const std::vector<double>& lit, double target) {
    if (lit.empty()) return fig::Format("%5d  %-5s %4d\n", d, what, 0);
    const fig::Summary s = fig::Summarise(lit);
    const double worst = std::max(std::fabs(s.min - target), std::fabs(s.max - target));
    return fig::Format("%5d  %-5s %4d %8.1f %8.1f %8.1f %8.0f %+9.1f %+9.1f %+9.1f   %s\n", d, what, s.n, s.mean,
                       s.min, s.max, target, s.mean - target, s.min - target, s.max - target,
                       worst <= kTickMs ? "yes" : "NO");
}

std::string RunSection(const BenchArgs& args) {
    const std::string text = args.Text("--morse-text", "ETANIMSO");
    std::string played;
    for (char c : text)
        if (Sign(char(std::toupper((unsigned char)c)))) played += char(std::toupper((unsigned char)c));
    if (played.empty()) played = "ET";
    fig::Note("morse: playing \"%s\" at D = 120, 200, 500 ms", played.c_str());

    const std::string folder = ExeFolder() + "bench_wav\\";
    const bool wavFound = ::GetFileAttributesA((folder + "M_KROPKA.WAV").c_str()) != INVALID_FILE_ATTRIBUTES &&
                          ::GetFileAttributesA((folder + "M_KRESKA.WAV").c_str()) != INVALID_FILE_ATTRIBUTES;
    const UINT devices = ::waveOutGetNumDevs();

    std::string out = fig::Format(
        "Morse playback (T_morse): lamp lit per element, text \"%s\", %.0f ms playback tick\n", played.c_str(),
        kTickMs);
    kt::MoveCursor(1250, 1000);
    kt::HostWindow host(350, 440, 720, 40);
    std::unique_ptr<T_morse> widget;
    try {
        std::string path = folder;
        widget.reset(new T_morse(::GetModuleHandleA(NULL), host, &path[0], 10, 10, 330, 425, 0, 0, 0, 0));
    } catch (const char* msg) {
        return out + fig::Format("  the widget could not be made: %s\n", msg);
    }
    const HWND hWidget = *widget;
    fig::PumpFor(200);

    out += fig::Format("%5s  %-5s %4s %8s %8s %8s %8s %9s %9s %9s   %s\n", "D ms", "elem", "n", "mean ms", "min ms",
                       "max ms", "target", "err mean", "err min", "err max", "within one tick");
    std::string notes;
    for (int d : kDots) {
        // Settle: the lamp dark, nothing queued.
        fig::PumpFor(300);
        const HWND bar = ::GetDlgItem(hWidget, 3);
        const Timing r = Play(hWidget, d, played);
        const LRESULT pos = bar ? ::SendMessageA(bar, SBM_GETPOS, 0, 0) : -1;
        if (pos != d - 120) notes += fig::Format("  D = %d: the speed bar shows %ld, not %d\n", d, (long)pos, d - 120);
        out += Row(d, "dot", r.dots, d);
        out += Row(d, "dash", r.dashes, 3.0 * d);
        if (!r.gaps.empty()) {
            const fig::Summary g = fig::Summarise(r.gaps);
            out += fig::Format("%5d  %-5s %4d %8.1f %8.1f %8.1f   (dark between the elements of a sign)\n", d, "gap",
                               g.n, g.mean, g.min, g.max);
        }
        if (!r.letterGaps.empty()) {
            const fig::Summary g = fig::Summarise(r.letterGaps);
            out += fig::Format("%5d  %-5s %4d %8.1f %8.1f %8.1f %8.0f   (dark between letters, at least 3D)\n", d,
                               "space", g.n, g.mean, g.min, g.max, 3.0 * d);
        }
        notes += fig::Format("  D = %d: %d of %d elements seen%s; lamp sampled every %.2f ms, longest gap %.1f ms, "
                             "edges known within %.1f ms%s\n",
                             d, int(r.seen), int(r.expected), r.timedOut ? " (timed out)" : "", r.meanSampleMs,
                             r.maxSampleMs, r.maxEdgeMs,
                             r.otherSamples ? fig::Format(", %d samples neither lit nor dark", r.otherSamples).c_str()
                                            : "");
    }
    out += notes;
    out += fig::Format("  target: |lit - D| and |lit - 3D| within one %.0f ms tick; sounds %s, %u wave device(s)%s\n",
                       kTickMs, wavFound ? "found" : "missing", devices, devices ? "" : " (played silently)");
    widget.reset();
    fig::PumpPending();
    return out;
}

FigureSectionRegistrar g_morse({"morse", 20, &RunSection});

}  // namespace
