/// @file
/// Export macro of Tapkey.dll.
#pragma once
#ifdef TAPKEY_BUILD
/// Exports a declaration from Tapkey.dll while the DLL is built (TAPKEY_BUILD defined).
#define TAPKEY_API __declspec(dllexport)
#else
/// Imports a declaration from Tapkey.dll (a host: TAPKEY_BUILD not defined).
#define TAPKEY_API __declspec(dllimport)
#endif
