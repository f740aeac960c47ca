/// @file
/// Export macro of Kelm.dll.
#pragma once
#ifdef KELM_BUILD
/// Exports a declaration from Kelm.dll while the DLL is built (KELM_BUILD defined).
#define KELM_API __declspec(dllexport)
#else
/// Imports a declaration from Kelm.dll (a host: KELM_BUILD not defined).
#define KELM_API __declspec(dllimport)
#endif
