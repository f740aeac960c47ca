// CGHTMLTextPainter: fonts, measuring and painting with GDI around the markup parser and layout.
#include "GHTMLTextPainter.h"

#include "Layout.h"
#include "Markup.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

const int kDefaultFontSize = 80;  // tenths of a point
// Sane font sizes: the base size is kept between 1 and 720 points, a font's height between 1
// and kMaxFontPixels device pixels and kMaxFontLogical logical units, so that no conversion
// overflows whatever the record or the DC's mapping holds.
const int kMinFontSize = 10, kMaxFontSize = 7200;
const int kMaxFontPixels = 4096;
const double kMaxFontLogical = 1 << 24;
const int kDefaultDpi = 96;
const char kDefaultFace[] = "Tahoma";
// Font size of <font size="n"> in thousandths of the base size, by n.
const int kSizePerMille[glyphor::kMaxSize + 1] = {0, 625, 813, 1000, 1125, 1500, 2000, 3000};

bool IsMonochrome(HDC hdc) {
    if (::GetObjectType(hdc) == OBJ_MEMDC) {
        BITMAP bm;
        HGDIOBJ bitmap = ::GetCurrentObject(hdc, OBJ_BITMAP);
        if (bitmap && ::GetObjectA(bitmap, sizeof(bm), &bm)) return bm.bmBitsPixel * bm.bmPlanes == 1;
    }
    return ::GetDeviceCaps(hdc, BITSPIXEL) * ::GetDeviceCaps(hdc, PLANES) == 1;
}

// Distances of the device converted to a DC's logical units, and the direction of its y axis.
class Units {
public:
    explicit Units(HDC hdc) : m_hdc(hdc) {
        POINT p[2] = {{0, 0}, {kProbe, kProbe}};
        ::DPtoLP(hdc, p, 2);
        m_perPixelX = std::abs(p[1].x - p[0].x) / double(kProbe);
        m_perPixelY = std::abs(p[1].y - p[0].y) / double(kProbe);
        m_yDown = p[1].y >= p[0].y;
        // How fonts map to this device: its scale to logical units, resolution and kind (a
        // monochrome one draws glyphs otherwise).
        const long key[] = {p[1].x - p[0].x, p[1].y - p[0].y, Dpi(LOGPIXELSX), Dpi(LOGPIXELSY),
                            IsMonochrome(hdc) ? 1L : 0L};
        m_key.assign(reinterpret_cast<const char*>(key), sizeof key);
        m_mono = key[4] != 0;
    }
    int ToLogicalX(int px) const { return (int)std::lround(px * m_perPixelX); }
    int ToLogicalY(int px) const { return (int)std::lround(px * m_perPixelY); }
    // A font height of px pixels. Rounded up: a font realised from logical units may be
    // truncated to whole pixels, and 10.99 pixels would make a font a pixel too small.
    int FontHeight(int px) const {
        return (int)std::max(1.0, std::min(kMaxFontLogical, std::ceil(px * m_perPixelY - 1e-6)));
    }
    // Pixels at the record's resolution to logical units, keeping the sign.
    int PixelsX(int v, int refDpi) const { return ToLogicalX(::MulDiv(v, Dpi(LOGPIXELSX), Ref(refDpi))); }
    int PixelsY(int v, int refDpi) const { return ToLogicalY(::MulDiv(v, Dpi(LOGPIXELSY), Ref(refDpi))); }
    int Dpi(int index) const { return ::GetDeviceCaps(m_hdc, index); }
    bool YDown() const { return m_yDown; }
    bool Monochrome() const { return m_mono; }
    // Equal for devices on which the same fonts measure the same.
    const std::string& Key() const { return m_key; }

private:
    static const int kProbe = 10000;
    static int Ref(int refDpi) { return refDpi > 0 ? refDpi : kDefaultDpi; }
    HDC m_hdc;
    double m_perPixelX, m_perPixelY;
    bool m_yDown;
    bool m_mono;
    std::string m_key;
};

LOGFONTA MakeLogFont(const glyphor::Style& s, const FormatTextParams& p, const Units& units) {
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof(lf));
    int tenths = p.nFontSize > 0 ? std::max(kMinFontSize, std::min(kMaxFontSize, p.nFontSize)) : kDefaultFontSize;
    tenths = ::MulDiv(tenths, kSizePerMille[s.size], 1000);
    const int pixels = std::max(1, std::min(kMaxFontPixels, ::MulDiv(tenths, units.Dpi(LOGPIXELSY), 720)));
    lf.lfHeight = -units.FontHeight(pixels);
    int weight = s.bold ? (p.nBoldWeight > 0 ? p.nBoldWeight : FW_BOLD) : (p.nFontWeight > 0 ? p.nFontWeight : FW_NORMAL);
    lf.lfWeight = std::min(weight, 1000);
    lf.lfItalic = s.italic;
    lf.lfUnderline = s.underline || (s.link && p.bUnderlineLinks);
    lf.lfStrikeOut = s.strike;
    lf.lfCharSet = EASTEUROPE_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const char* face = !s.face.empty() ? s.face.c_str() : p.szFaceName[0] ? p.szFaceName : kDefaultFace;
    for (int k = 0; k < LF_FACESIZE - 1 && face[k]; ++k) lf.lfFaceName[k] = face[k];
    return lf;
}

// Fonts are kept between uses: making a font is the dearest step of a paint. The cache serves all
// threads under one lock and shares each font with the paints using it: a font dropped from the
// cache lives on until the last paint that took it has finished, so no thread ever loses a font
// it has selected. Past its limit, the fonts used longest ago are dropped; the limit grows to the
// number of styles of the text being painted, so that a text of many styles keeps its fonts.
class FontCache {
public:
    static FontCache& Instance() {
        static FontCache cache;
        return cache;
    }
    std::shared_ptr<CFont> Get(const LOGFONTA& lf) {
        std::lock_guard<std::mutex> lock(m_mutex);
        Entry& e = m_fonts[std::string(reinterpret_cast<const char*>(&lf), sizeof lf)];
        if (!e.font) {
            auto font = std::make_shared<CFont>();
            if (!font->CreateFontIndirect(&lf)) {
                m_fonts.erase(std::string(reinterpret_cast<const char*>(&lf), sizeof lf));
                return nullptr;
            }
            e.font = std::move(font);
        }
        e.used = ++m_clock;
        return e.font;
    }
    // Drops the fonts used longest ago while more than max(kMaxFonts, keep) are kept.
    void Trim(size_t keep) {
        std::lock_guard<std::mutex> lock(m_mutex);
        const size_t limit = std::max(kMaxFonts, keep);
        if (m_fonts.size() <= limit) return;
        std::vector<unsigned long long> ages;
        ages.reserve(m_fonts.size());
        for (const auto& f : m_fonts) ages.push_back(f.second.used);
        std::nth_element(ages.begin(), ages.begin() + (ages.size() - limit), ages.end());
        const unsigned long long oldestKept = ages[ages.size() - limit];
        for (auto it = m_fonts.begin(); it != m_fonts.end();)
            it = it->second.used < oldestKept ? m_fonts.erase(it) : std::next(it);
    }

private:
    struct Entry {
        std::shared_ptr<CFont> font;
        unsigned long long used = 0;  // m_clock at the last Get
    };
    static const size_t kMaxFonts = 64;
    std::mutex m_mutex;
    std::map<std::string, Entry> m_fonts;
    unsigned long long m_clock = 0;
};

// The fonts of one Format or Paint, taken from the cache on first use and held until the end.
// Made before the DC's state is saved, so that the fonts are deselected before they go.
class FontSet {
public:
    explicit FontSet(const std::vector<LOGFONTA>& logFonts) : m_logFonts(logFonts), m_fonts(logFonts.size()) {
        FontCache::Instance().Trim(logFonts.size());
    }
    CFont* Get(int style) {
        std::shared_ptr<CFont>& f = m_fonts.at(style);
        if (!f) f = FontCache::Instance().Get(m_logFonts[style]);
        return f.get();
    }
    const LOGFONTA& LogFont(int style) const { return m_logFonts.at(style); }

private:
    const std::vector<LOGFONTA>& m_logFonts;
    std::vector<std::shared_ptr<CFont>> m_fonts;
};

// Saves a DC's state and restores it (deselecting the fonts of a FontSet made before it).
class DCStateGuard {
public:
    explicit DCStateGuard(HDC hdc)
        : m_hdc(hdc), m_font(::GetCurrentObject(hdc, OBJ_FONT)), m_saved(::SaveDC(hdc)) {}
    ~DCStateGuard() {
        if (m_saved)
            ::RestoreDC(m_hdc, m_saved);
        else
            ::SelectObject(m_hdc, m_font);
    }
    DCStateGuard(const DCStateGuard&) = delete;
    DCStateGuard& operator=(const DCStateGuard&) = delete;

private:
    HDC m_hdc;
    HGDIOBJ m_font;
    int m_saved;
};

// How far the device moves the pen for each character of a font, in device pixels.
//
// GDI measures text (GetTextExtentPoint32) with the font's outline metrics but draws it glyph by
// glyph, advancing by the glyph images it renders, and the two differ: under Wine, glyphs
// rendered in black and white (on a monochrome DC, and on a colour DC where the font asks for no
// antialiasing at that size) are hinted for it and come out narrower, those of an italic made up
// from an upright face wider. A run placed after another one by its measured width then starts
// off the end of the drawn glyphs: "kursywa ," for "<i>kursywa</i>,". So runs are measured with
// the advances of the glyph images the device draws: GGO_BITMAP ones on a monochrome DC, on a
// colour DC those of the format found by drawing a letter once (grey pixels: antialiased).
class AdvanceTable {
public:
    AdvanceTable() {
        for (std::atomic<int>& a : m_advance) a.store(kUnknown, std::memory_order_relaxed);
    }
    // The advance of byte c in the font selected into hdc; the DC must be the one the table is
    // for (same font, same mapping, same kind).
    int Advance(HDC hdc, unsigned char c, bool mono) {
        int a = m_advance[c].load(std::memory_order_relaxed);
        if (a != kUnknown) return a;
        UINT format = m_format.load(std::memory_order_relaxed);
        if (format == 0) {
            const int grey = mono ? 0 : DrawsGrey(hdc);
            format = grey > 0 ? GGO_GRAY4_BITMAP : GGO_BITMAP;
            if (grey >= 0) m_format.store(format, std::memory_order_relaxed);  // else asked again
        }
        static const MAT2 kIdentity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
        GLYPHMETRICS gm;
        if (::GetGlyphOutlineA(hdc, c, format, &gm, 0, NULL, &kIdentity) == GDI_ERROR &&
            ::GetGlyphOutlineA(hdc, c, GGO_METRICS, &gm, 0, NULL, &kIdentity) == GDI_ERROR)
            return kUnknown;
        a = std::abs((int)gm.gmCellIncX);
        m_advance[c].store(a, std::memory_order_relaxed);
        return a;
    }
    static const int kUnknown = -1;

private:
    // Whether the font selected into hdc is drawn antialiased on a colour DC like it: an "o"
    // drawn black on white into a DC of the same mapping shows grey pixels then (its lower left
    // arc at least, however large the font). 1 yes, 0 no, -1 when the probe cannot be made.
    static int DrawsGrey(HDC hdc) {
        const int kSize = 64;
        HDC probe = ::CreateCompatibleDC(hdc);
        if (probe == NULL) return -1;
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = kSize;
        bi.bmiHeader.biHeight = -kSize;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HBITMAP dib = ::CreateDIBSection(probe, &bi, DIB_RGB_COLORS, &bits, NULL, 0);
        int grey = -1;
        if (dib != NULL && bits != nullptr) {
            grey = 0;
            HGDIOBJ oldBitmap = ::SelectObject(probe, dib);
            ::PatBlt(probe, 0, 0, kSize, kSize, WHITENESS);
            ::SetGraphicsMode(probe, ::GetGraphicsMode(hdc));
            XFORM xf;
            if (::GetWorldTransform(hdc, &xf)) ::SetWorldTransform(probe, &xf);
            ::SetMapMode(probe, ::GetMapMode(hdc));
            SIZE ext;
            if (::GetWindowExtEx(hdc, &ext)) ::SetWindowExtEx(probe, ext.cx, ext.cy, NULL);
            if (::GetViewportExtEx(hdc, &ext)) ::SetViewportExtEx(probe, ext.cx, ext.cy, NULL);
            POINT at = {2, kSize - 8};
            ::DPtoLP(probe, &at, 1);
            HGDIOBJ oldFont = ::SelectObject(probe, ::GetCurrentObject(hdc, OBJ_FONT));
            ::SetTextColor(probe, RGB(0, 0, 0));
            ::SetBkMode(probe, TRANSPARENT);
            ::SetTextAlign(probe, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
            ::TextOutA(probe, at.x, at.y, "o", 1);
            ::GdiFlush();
            const DWORD* px = static_cast<const DWORD*>(bits);
            for (int i = 0; i < kSize * kSize && grey == 0; ++i) {
                const DWORD rgb = px[i] & 0xFFFFFF;
                grey = rgb != 0 && rgb != 0xFFFFFF;
            }
            ::SelectObject(probe, oldFont);
            ::SelectObject(probe, oldBitmap);
        }
        if (dib != NULL) ::DeleteObject(dib);
        ::DeleteDC(probe);
        return grey;
    }

    std::atomic<UINT> m_format{0};
    std::atomic<int> m_advance[256];
};

// The advance tables of all fonts, by font, mapping and kind of device; shared by all threads.
// Tables are small (a kilobyte) and made once per font and device; past kMaxTables all are
// dropped and made again as they are needed.
class AdvanceCache {
public:
    static AdvanceCache& Instance() {
        static AdvanceCache cache;
        return cache;
    }
    std::shared_ptr<AdvanceTable> Get(const std::string& key) {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto found = m_tables.find(key);
        if (found != m_tables.end()) return found->second;
        if (m_tables.size() >= kMaxTables) m_tables.clear();  // rare; made again as they are needed
        auto table = std::make_shared<AdvanceTable>();
        m_tables.emplace(key, table);
        return table;
    }

private:
    static const size_t kMaxTables = 512;
    std::mutex m_mutex;
    std::map<std::string, std::shared_ptr<AdvanceTable>> m_tables;
};

class GdiMeasurer : public glyphor::Measurer {
public:
    GdiMeasurer(HDC hdc, const Units& units, FontSet& fonts, size_t styleCount)
        : m_hdc(hdc), m_units(units), m_fonts(fonts), m_metrics(styleCount), m_known(styleCount, false),
          m_advances(styleCount) {}

    glyphor::FontMetrics Metrics(int style) override {
        if (!m_known.at(style)) {
            TEXTMETRICA tm;
            if (Select(style) && ::GetTextMetricsA(m_hdc, &tm)) {
                m_metrics[style].ascent = std::abs((int)tm.tmAscent);
                m_metrics[style].descent = std::abs((int)tm.tmDescent);
            } else {
                m_failed = true;
            }
            m_known[style] = true;
        }
        return m_metrics[style];
    }

    // The drawn advance of the text (see AdvanceTable), in logical units.
    int TextWidth(int style, const std::string& text) override {
        if (!Select(style)) {
            m_failed = true;
            return 0;
        }
        std::shared_ptr<AdvanceTable>& table = m_advances.at(style);
        if (!table) {
            const LOGFONTA& lf = m_fonts.LogFont(style);
            table = AdvanceCache::Instance().Get(std::string(reinterpret_cast<const char*>(&lf), sizeof lf) +
                                                 m_units.Key());
        }
        int pixels = 0;
        for (unsigned char c : text) {
            const int a = table->Advance(m_hdc, c, m_units.Monochrome());
            if (a == AdvanceTable::kUnknown) {
                m_failed = true;
                return 0;
            }
            pixels += a;
        }
        return m_units.ToLogicalX(pixels);
    }

    bool Failed() const { return m_failed; }

private:
    bool Select(int style) {
        CFont* font = m_fonts.Get(style);
        if (font == nullptr) return false;
        ::SelectObject(m_hdc, font->GetSafeHandle());
        return true;
    }

    HDC m_hdc;
    const Units& m_units;
    FontSet& m_fonts;
    std::vector<glyphor::FontMetrics> m_metrics;
    std::vector<bool> m_known;
    std::vector<std::shared_ptr<AdvanceTable>> m_advances;  // by style
    bool m_failed = false;
};

}  // namespace

struct CGHTMLTextPainter::Impl {
    std::string text;
    FormatTextParams params = GetDefaultFormatTextParams();
    int maxWidth = -1;

    // The layout is kept between paints and made again only when the text, the width, the
    // record (but for its colours) or the device's font mapping changes.
    bool formatted = false;
    std::string deviceKey;           // Units::Key of the DC the layout was made for
    glyphor::Document doc;
    glyphor::Layout layout;
    std::vector<LOGFONTA> logFonts;  // by style, heights in the formatting DC's logical units
    std::unique_ptr<FontSet> fonts;  // of logFonts, held while the layout is
    bool yDown = true;
    int shadowX = 0, shadowY = 0;    // logical, positive

    void Invalidate() {
        formatted = false;
        layout = glyphor::Layout();
    }
};

namespace {

// Whether two records lay text out alike: equal but for the colours and the face name's bytes
// after its end.
bool SameLayoutParams(const FormatTextParams& a, const FormatTextParams& b) {
    FormatTextParams x = a, y = b;
    for (FormatTextParams* r : {&x, &y}) {
        r->crText = r->crLink = r->crShadow = 0;
        r->crSpare[0] = r->crSpare[1] = r->crSpare[2] = 0;
        const size_t n = strnlen(r->szFaceName, sizeof r->szFaceName);
        std::memset(r->szFaceName + n, 0, sizeof r->szFaceName - n);
    }
    return std::memcmp(&x, &y, sizeof x) == 0;
}

}  // namespace

CGHTMLTextPainter::CGHTMLTextPainter() : m_pImpl(new Impl) {}

CGHTMLTextPainter::~CGHTMLTextPainter() { delete m_pImpl; }

void CGHTMLTextPainter::SetGHTMLText(CString strText) {
    const size_t n = (size_t)strText.GetLength();
    if (m_pImpl->text.size() == n && std::memcmp(m_pImpl->text.data(), (LPCSTR)strText, n) == 0) return;
    m_pImpl->text.assign((LPCSTR)strText, n);
    m_pImpl->Invalidate();
}

void CGHTMLTextPainter::SetFormatParams(FormatTextParams params) {
    params.szFaceName[sizeof(params.szFaceName) - 1] = '\0';
    const bool same = SameLayoutParams(params, m_pImpl->params);
    m_pImpl->params = params;
    if (!same) m_pImpl->Invalidate();
}

void CGHTMLTextPainter::SetMaxWidth(int nMaxWidth) {
    if (nMaxWidth == m_pImpl->maxWidth) return;
    m_pImpl->maxWidth = nMaxWidth;
    m_pImpl->Invalidate();
}

BOOL CGHTMLTextPainter::Format(CDC* pDC) {
    Impl& m = *m_pImpl;
    HDC hdc = pDC == nullptr ? NULL : pDC->m_hAttribDC ? pDC->m_hAttribDC : pDC->m_hDC;
    if (hdc == NULL) {
        m.Invalidate();
        return FALSE;
    }
    Units units(hdc);
    if (m.formatted && units.Key() == m.deviceKey) return TRUE;
    m.Invalidate();

    const FormatTextParams& p = m.params;
    glyphor::ParseOptions parse;
    parse.newlineBreaks = p.bNewlineBreaks != 0;
    m.doc = glyphor::ParseMarkup(m.text.data(), m.text.size(), parse);

    m.yDown = units.YDown();
    m.fonts.reset();
    m.logFonts.clear();
    for (const glyphor::Style& s : m.doc.styles) m.logFonts.push_back(MakeLogFont(s, p, units));

    m.fonts.reset(new FontSet(m.logFonts));
    DCStateGuard state(hdc);
    GdiMeasurer measurer(hdc, units, *m.fonts, m.doc.styles.size());

    glyphor::LayoutOptions o;
    o.maxWidth = m.maxWidth;
    o.marginLeft = units.PixelsX(p.nMarginLeft, p.nRefDpiX);
    o.marginRight = units.PixelsX(p.nMarginRight, p.nRefDpiX);
    o.marginTop = units.PixelsY(p.nMarginTop, p.nRefDpiY);
    o.marginBottom = units.PixelsY(p.nMarginBottom, p.nRefDpiY);
    o.lineGap = units.PixelsY(p.nLineSpacing, p.nRefDpiY);
    if (p.nParagraphSpacing > 0) {
        o.paragraphGap = units.PixelsY(p.nParagraphSpacing, p.nRefDpiY);
    } else if (p.nParagraphSpacing == 0 && !m.doc.tokens.empty()) {
        glyphor::FontMetrics base = measurer.Metrics(0);
        o.paragraphGap = (base.ascent + base.descent) / 2;
    }
    int shadow = std::max(0, p.nShadowOffset);
    m.shadowX = units.PixelsX(shadow, p.nRefDpiX);
    m.shadowY = units.PixelsY(shadow, p.nRefDpiY);

    glyphor::Layout layout = glyphor::LayOut(m.doc, measurer, o);
    if (measurer.Failed()) return FALSE;
    if (!layout.lines.empty()) {
        layout.width += m.shadowX;
        layout.height += m.shadowY;
    }
    m.layout = std::move(layout);
    m.deviceKey = units.Key();
    m.formatted = true;
    return TRUE;
}

int CGHTMLTextPainter::GetWidth() const { return m_pImpl->layout.width; }

int CGHTMLTextPainter::GetHeight() const { return m_pImpl->layout.height; }

BOOL CGHTMLTextPainter::Paint(CDC* pDC, int x, int y, CRect rcClip, int nFlags) {
    Impl& m = *m_pImpl;
    if (pDC == nullptr || pDC->m_hDC == NULL) return FALSE;
    if (!m.formatted && !Format(pDC)) return FALSE;
    if (m.layout.lines.empty()) return TRUE;

    HDC hdc = pDC->m_hDC;
    const FormatTextParams& p = m.params;
    FontSet& fonts = *m.fonts;
    DCStateGuard state(hdc);
    if (!(nFlags & GHTP_NOCLIP)) {
        rcClip.NormalizeRect();
        ::IntersectClipRect(hdc, rcClip.left, rcClip.top, rcClip.right, rcClip.bottom);
    }
    ::SetBkMode(hdc, TRANSPARENT);
    ::SetTextAlign(hdc, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
    const bool mono = IsMonochrome(hdc);
    const int yDir = m.yDown ? 1 : -1;
    const int align = nFlags & (GHTP_CENTER | GHTP_RIGHT);
    const bool shadow = m.shadowX > 0 || m.shadowY > 0;

    BOOL ok = TRUE;
    for (int pass = shadow ? 0 : 1; pass < 2; ++pass) {
        const int dx = pass == 0 ? m.shadowX : 0;
        const int dy = pass == 0 ? m.shadowY : 0;
        for (const glyphor::Line& line : m.layout.lines) {
            int slack = m.layout.contentWidth - line.width;
            int indent = align == GHTP_RIGHT ? slack : align == GHTP_CENTER ? slack / 2 : 0;
            int baseline = y + yDir * (line.top + line.ascent + dy);
            for (const glyphor::PlacedRun& run : line.runs) {
                const glyphor::Style& s = m.doc.styles[run.style];
                COLORREF color = pass == 0                  ? p.crShadow
                                 : s.hasColor && !mono      ? (COLORREF)s.color
                                 : s.link                   ? p.crLink
                                                            : p.crText;
                CFont* font = fonts.Get(run.style);
                if (font == nullptr) {
                    ok = FALSE;
                    continue;
                }
                ::SelectObject(hdc, font->GetSafeHandle());
                ::SetTextColor(hdc, color);
                ::TextOutA(hdc, x + run.x + indent + dx, baseline, run.text.data(), (int)run.text.size());
            }
        }
    }
    return ok;
}
