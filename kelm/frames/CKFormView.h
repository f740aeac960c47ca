// A form view (a dialog template of the host's resources as the view's controls) on the skin:
// the view's background is the look's ink pattern, painted before the view's own drawing, and
// never erased with the class brush.
#pragma once
#include <afxext.h>
#include <kelm/KelmDefs.h>

class KELM_API CKFormView : public CFormView {
    DECLARE_DYNAMIC(CKFormView)
protected:
    explicit CKFormView(LPCSTR lpszTemplateName);
    explicit CKFormView(UINT nIDTemplate);

public:
    virtual ~CKFormView();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
