/// @file
#pragma once
#include <afxext.h>
#include <kelm/KelmDefs.h>

/// A form view on the skin: a dialog template of the host's resources as the view's controls, on a
/// background of the look's ink pattern that is painted before the view's own drawing and never
/// erased with the class brush.
///
/// A host derives its view from it and passes its dialog template (by name or id) to the protected
/// constructor, as with any form view. The class has run-time type information ("CKFormView") but
/// is not dynamically creatable itself.
///
/// Messages it answers:
/// - WM_PAINT: paints the client area in the look's pattern, then lets the view prepare the DC
///   (OnPrepareDC) and draw on it (OnDraw).
/// - WM_ERASEBKGND: erases nothing (the paint covers the whole client area).
///
/// Notifications to its parent: none of its own; the template's controls notify the view as usual.
class KELM_API CKFormView : public CFormView {
    DECLARE_DYNAMIC(CKFormView)
protected:
    /// A form on the dialog template named lpszTemplateName.
    explicit CKFormView(LPCSTR lpszTemplateName);
    /// A form on the dialog template with resource id nIDTemplate.
    explicit CKFormView(UINT nIDTemplate);

public:
    virtual ~CKFormView();

protected:
    /// Exchanges nothing; a derived view overrides it for its own controls.
    virtual void DoDataExchange(CDataExchange* pDX);

    // Message handlers (the messages are listed in the class description).
    /// @cond HANDLERS
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
    /// @endcond
};
