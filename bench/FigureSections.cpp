// The figure sections' registry, their command line and the helpers they share.
#include <afxwin.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Bench.h"
#include "Figures.h"

namespace {

std::vector<FigureSection>& Sections() {
    static std::vector<FigureSection> sections;
    return sections;
}

void SplitInto(const std::string& list, std::vector<std::string>& out) {
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = std::min(list.find(',', start), list.size());
        if (comma > start) out.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
}

}  // namespace

BenchArgs::BenchArgs(int argc, char** argv) : m_args(argv + std::min(argc, 1), argv + argc) {
    for (size_t i = 0; i + 1 < m_args.size(); ++i) {
        if (m_args[i] == "--only") SplitInto(m_args[i + 1], m_only);
        else if (m_args[i] == "--skip") SplitInto(m_args[i + 1], m_skip);
    }
    std::vector<std::string> known = {"repaint"};
    for (const FigureSection& s : Sections()) known.push_back(s.name);
    for (const std::vector<std::string>* names : {&m_only, &m_skip})
        for (const std::string& n : *names)
            if (std::find(known.begin(), known.end(), n) == known.end())
                std::fprintf(stderr, "kelm_bench: no part named \"%s\"\n", n.c_str());
}

long BenchArgs::Number(const char* opt, long def) const {
    const std::string s = Text(opt, "");
    char* end = nullptr;
    const long v = std::strtol(s.c_str(), &end, 10);
    return s.empty() || *end != 0 ? def : v;
}

std::string BenchArgs::Text(const char* opt, const char* def) const {
    for (size_t i = 0; i + 1 < m_args.size(); ++i)
        if (m_args[i] == opt) return m_args[i + 1];
    return def;
}

bool BenchArgs::Selected(const std::string& name) const {
    if (!m_only.empty() && std::find(m_only.begin(), m_only.end(), name) == m_only.end()) return false;
    return std::find(m_skip.begin(), m_skip.end(), name) == m_skip.end();
}

void RegisterFigureSection(const FigureSection& s) { Sections().push_back(s); }

std::string RunFigureSections(const BenchArgs& args) {
    std::vector<FigureSection> sections = Sections();
    std::stable_sort(sections.begin(), sections.end(),
                     [](const FigureSection& a, const FigureSection& b) { return a.order < b.order; });
    std::string all;
    for (const FigureSection& s : sections) {
        if (!args.Selected(s.name)) continue;
        const std::string text = "\n" + s.run(args);
        std::fputs(text.c_str(), stdout);
        std::fflush(stdout);
        all += text;
    }
    return all;
}

namespace fig {

double NowMs() {
    static const double msPerCount = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return 1000.0 / double(f.QuadPart);
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return double(t.QuadPart) * msPerCount;
}

Summary Summarise(std::vector<double> v) {
    Summary s;
    s.n = int(v.size());
    if (v.empty()) return s;
    std::sort(v.begin(), v.end());
    s.min = v.front();
    s.max = v.back();
    s.median = v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
    double sum = 0;
    for (double x : v) sum += x;
    s.mean = sum / double(v.size());
    return s;
}

std::string Format(const char* fmt, ...) {
    char buf[512];
    va_list ap;
    va_start(ap, fmt);
    std::vsnprintf(buf, sizeof buf, fmt, ap);
    va_end(ap);
    return buf;
}

void PumpPending() {
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void PumpFor(double ms) {
    const double end = NowMs() + ms;
    for (;;) {
        PumpPending();
        const double left = end - NowMs();
        if (left <= 0) return;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, DWORD(std::min(left, 5.0)) + 1, QS_ALLINPUT);
    }
}

void Note(const char* fmt, ...) {
    va_list ap;
    va_start(ap, fmt);
    std::vfprintf(stderr, fmt, ap);
    va_end(ap);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

}  // namespace fig
