// Benchmark cases: a skinned control and the platform's control of the same kind and size, each
// created as a child of a host window.
#pragma once
#include <afxwin.h>

#include <string>
#include <vector>

struct BenchCase {
    const char* name;
    CSize size;
    // Creates the control in pParent at (10, 10) and returns its window; the object is owned by
    // the case (destroyed by destroy()).
    HWND (*createSkinned)(CWnd* pParent, CRect rc);
    HWND (*createPlatform)(CWnd* pParent, CRect rc);
    void (*destroy)();
};

void RegisterBenchCase(const BenchCase& c);
struct BenchCaseRegistrar {
    explicit BenchCaseRegistrar(const BenchCase& c) { RegisterBenchCase(c); }
};

const std::vector<BenchCase>& BenchCases();
