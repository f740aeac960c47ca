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

// Figure sections: measurements printed after the repaint table, each a titled table of its own,
// appended to the printed output and to the output file. On the command line, --only NAME[,NAME]
// runs only the named parts and --skip NAME[,NAME] leaves them out; "repaint" names the table.
class BenchArgs {
public:
    BenchArgs(int argc, char** argv);
    // The value after opt as a number, or def when opt is absent or its value is not a number.
    long Number(const char* opt, long def) const;
    // The value after opt, or def.
    std::string Text(const char* opt, const char* def) const;
    bool Selected(const std::string& name) const;

private:
    std::vector<std::string> m_args;
    std::vector<std::string> m_only, m_skip;
};

struct FigureSection {
    const char* name;
    int order;                                  // sections run in ascending order
    std::string (*run)(const BenchArgs& args);  // measures; returns the section's text
};

void RegisterFigureSection(const FigureSection& s);
struct FigureSectionRegistrar {
    explicit FigureSectionRegistrar(const FigureSection& s) { RegisterFigureSection(s); }
};

// Runs the selected sections in order, printing each one's text as it is done; returns all of it.
std::string RunFigureSections(const BenchArgs& args);
