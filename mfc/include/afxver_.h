// Build configuration of the MFC-compatible framework library (AfxLite.dll).
#pragma once

#ifndef STRICT
#define STRICT
#endif
#include <windows.h>
#include <tchar.h>

#ifdef AFXLITE_BUILD
#define AFX_API __declspec(dllexport)
#else
#define AFX_API __declspec(dllimport)
#endif

#ifndef AFX_MSG_CALL
#define AFX_MSG_CALL
#endif
#ifndef PASCAL
#define PASCAL __stdcall
#endif
#define AFXAPI __stdcall
#define AFX_CDECL __cdecl
#define afx_msg
