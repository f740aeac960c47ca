// Tapkey: the Morse telegraph-key widget. The one header a host includes.
#pragma once
#include <kelm/kelm.h>
#include <tapkey/TapkeyDefs.h>
#include <tapkey/T_morse.h>
