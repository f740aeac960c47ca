/// @file
/// Tapkey: the Morse telegraph-key widget. The one header a host includes: Kelm's, the export
/// macro and the widget (which brings the code table).
#pragma once
#include <kelm/kelm.h>
#include <tapkey/TapkeyDefs.h>
#include <tapkey/T_morse.h>
