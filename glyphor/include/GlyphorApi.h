// Export macro of Glyphor.dll.
#pragma once

#ifdef GLYPHOR_BUILD
#define GLYPHOR_API __declspec(dllexport)
#else
#define GLYPHOR_API __declspec(dllimport)
#endif
