// Common-control classes: join here as the controls need them.
#pragma once
#include "afxwin.h"
