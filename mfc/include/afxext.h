// Extensions: frame and bar classes join here as the controls need them.
#pragma once
#include "afxwin.h"
#include "afxdllx.h"
