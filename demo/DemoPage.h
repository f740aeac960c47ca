// A page of the demo gallery: a top-level window that shows some controls, and an optional
// script that drives it with real input in the headless run.
#pragma once
#include <afxwin.h>

struct DemoPage {
    const char* name;              // file name of its screenshot
    CWnd* (*create)();             // creates and shows the page's window
    void (*drive)(CWnd* pPage);    // optional: real input before the screenshot
};

// Every page registers itself with a static DemoPageRegistrar.
void RegisterDemoPage(const DemoPage& page);
struct DemoPageRegistrar {
    explicit DemoPageRegistrar(const DemoPage& page) { RegisterDemoPage(page); }
};
// The registered pages, in registration order.
#include <vector>
const std::vector<DemoPage>& DemoPages();

// Helpers for pages.

// Makes a page of class T and opens it with its Open(); a page that fails to open goes (its window
// deletes it, or it is deleted) and the result is null.
template <class T> CWnd* DemoOpenPage() {
    T* p = new T;
    if (!p->Open()) {
        if (p->m_hWnd != NULL) p->DestroyWindow();  // deletes the page
        else delete p;
        return nullptr;
    }
    return p;
}

LPCSTR DemoWindowClass();
CFont* DemoFont(int nHeight, bool bBold = false);
// Sets a window's caption from code-page-1250 text (the system draws captions in Unicode).
void DemoSetTitle(CWnd* pWnd, const char* pszText);
// Draws one line of text into a mask as ink (black), left-aligned and centred vertically in rc,
// in the demo's Tahoma of nHeight pixels.
void DemoDrawLabel(CDC& mask, const CRect& rc, const char* pszText, int nHeight, bool bBold = false);
// Dispatches messages for ms milliseconds.
void DemoPump(DWORD ms);
// Moves the real cursor to a point of a window's client area (absolute SendInput).
void DemoMoveCursor(CWnd* pWnd, int x, int y);
void DemoClick(CWnd* pWnd, int x, int y, bool bLeft = true);
// In the headless run, writes the page's screenshot now instead of after its script: for a script
// that shows something only while a modal loop runs (an open combo box). Does nothing otherwise.
void DemoScreenshotNow(CWnd* pPage);
