// A parent window that records, in order, the messages it receives from its children, then lets
// the framework handle them as usual (so reflection to the children still works).
#pragma once
#include <afxwin.h>

#include <vector>

namespace kt {

struct SpyMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class SpyParent : public CWnd {
public:
    // By default WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL, WM_DRAWITEM, WM_MEASUREITEM and
    // WM_CTLCOLOR* are recorded; Watch adds others.
    SpyParent();
    // A visible top-level window with the given client size at a fixed screen position.
    BOOL CreateHost(int clientW = 400, int clientH = 300, int x = 40, int y = 40);
    void Watch(UINT message) { m_watched.push_back(message); }

    const std::vector<SpyMessage>& Messages() const { return m_messages; }
    std::vector<SpyMessage> Of(UINT message) const;
    int Count(UINT message) const { return (int)Of(message).size(); }
    void Clear() { m_messages.clear(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override {}

private:
    bool IsWatched(UINT message) const;
    std::vector<UINT> m_watched;
    std::vector<SpyMessage> m_messages;
};

}  // namespace kt
