// Export macro of Kelm.dll.
#pragma once
#ifdef KELM_BUILD
#define KELM_API __declspec(dllexport)
#else
#define KELM_API __declspec(dllimport)
#endif
