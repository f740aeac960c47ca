// Export macro of Tapkey.dll.
#pragma once
#ifdef TAPKEY_BUILD
#define TAPKEY_API __declspec(dllexport)
#else
#define TAPKEY_API __declspec(dllimport)
#endif
