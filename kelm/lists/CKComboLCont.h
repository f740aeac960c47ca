// The popup that holds a combo box's list while it is open.
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>
#include <kelm/range/CKTScrollBar.h>

class CKListBox;
class CKComboBox;

/// A top-most tool window without a parent. Create moves the list into it (the list's parent is
/// the container from then on, its owner the combo box) beside a list-tracking scroll bar (id 22)
/// that follows the list. The container hides itself when the application's activation changes.
class KELM_API CKComboLCont : public CWnd {
    DECLARE_DYNAMIC(CKComboLCont)
public:
    enum { nScrollId = 22 };

    CKComboLCont();
    virtual ~CKComboLCont();

    /// Builds the container around an existing list window; FALSE when the window cannot be made.
    BOOL Create(CKListBox* pList, CKComboBox* pCombo);
    CKTScrollBar& ScrollBar() { return m_scroll; }

    /// The registered window class, empty before the first container.
    static CString lpcszWndClass;

protected:
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);

    CKTScrollBar m_scroll;
    CKListBox* m_pList;    ///< not owned
    CKComboBox* m_pCombo;  ///< not owned

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnActivateApp(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
