/// @file
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/range/CKTScrollBar.h>

class CKListBox;
class CKComboBox;

/// The popup that holds a combo box's list while it is open.
///
/// A top-most tool window without a parent. Create moves the list into it (the list's parent is
/// the container from then on, its owner the combo box) beside a list-tracking scroll bar (id 22)
/// that follows the list. The container hides itself when the application's activation changes.
///
/// Messages it answers:
/// - WM_CREATE: gives the window its skinned border.
/// - WM_NCCALCSIZE, WM_NCPAINT: the skinned frame.
/// - WM_ERASEBKGND, WM_PAINT: paint nothing (the list covers the client area).
/// - WM_ACTIVATEAPP: hides the container.
/// - WM_ACTIVATE, WM_DESTROY: the default.
///
/// Notifications: none; the container has no parent. The scroll bar reports to the list, its owner.
class KELM_API CKComboLCont : public CWnd {
    DECLARE_DYNAMIC(CKComboLCont)
public:
    enum {
        nScrollId = 22  ///< control id of the scroll bar
    };

    CKComboLCont();
    virtual ~CKComboLCont();

    /// Builds the container around an existing list window; FALSE when the window cannot be made.
    BOOL Create(CKListBox* pList, CKComboBox* pCombo);
    /// The scroll bar beside the list.
    CKTScrollBar& ScrollBar() { return m_scroll; }

    /// The registered window class, empty before the first container.
    static CString lpcszWndClass;

protected:
    /// A top-most tool window (WS_EX_TOPMOST, WS_EX_TOOLWINDOW) with no other style.
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);

    CKTScrollBar m_scroll;  ///< the scroll bar at the right edge; the list is its owner
    CKListBox* m_pList;    ///< not owned
    CKComboBox* m_pCombo;  ///< not owned

    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnActivateApp(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
    /// @endcond
};
