// The default parameter record.
#include "FormatTextParams.h"

#include <cstring>

namespace {

FormatTextParams MakeDefaultParams() {
    FormatTextParams p;
    std::memset(&p, 0, sizeof(p));
    p.bUnderlineLinks = 1;
    p.bNewlineBreaks = 1;
    p.crSpare[0] = 0x00FFFF;
    p.crSpare[1] = 0x00FF00;
    p.crSpare[2] = 0xFFFF00;
    p.nMarginLeft = p.nMarginTop = p.nMarginRight = p.nMarginBottom = 1;
    p.nRefDpiX = p.nRefDpiY = 96;
    return p;
}

const FormatTextParams g_defaultParams = MakeDefaultParams();

}  // namespace

const FormatTextParams& GetDefaultFormatTextParams() { return g_defaultParams; }
