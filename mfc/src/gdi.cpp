#include <afxwin.h>

#include "handlemap.h"

// ---------------------------------------------------------------------------------------------
// CGdiObject

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

CGdiObject::CGdiObject() : m_hObject(NULL) {}
CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ h) {
    return AfxGdiMap().FromHandle(h, [](HGDIOBJ hObj) {
        CGdiObject* p = new CGdiObject;
        p->m_hObject = hObj;
        return p;
    });
}

void PASCAL CGdiObject::DeleteTempMap() {
    AfxGdiMap().DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (hObject == NULL) return FALSE;
    m_hObject = hObject;
    AfxGdiMap().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ h = m_hObject;
    if (h != NULL) AfxGdiMap().RemoveHandle(h, this);
    m_hObject = NULL;
    return h;
}

BOOL CGdiObject::DeleteObject() {
    if (m_hObject == NULL) return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const {
    return ::GetObjectA(m_hObject, nCount, lpObject);
}

BOOL CGdiObject::CreateStockObject(int nIndex) { return Attach(::GetStockObject(nIndex)); }

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) {
    if (!Attach(::CreatePen(nPenStyle, nWidth, crColor))) AfxThrowResourceException();
}

CBrush::CBrush(COLORREF crColor) {
    if (!Attach(::CreateSolidBrush(crColor))) AfxThrowResourceException();
}
CBrush::CBrush(int nIndex, COLORREF crColor) {
    if (!Attach(::CreateHatchBrush(nIndex, crColor))) AfxThrowResourceException();
}
CBrush::CBrush(CBitmap* pBitmap) {
    if (!Attach(::CreatePatternBrush((HBITMAP)pBitmap->GetSafeHandle()))) AfxThrowResourceException();
}
BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
    return Attach(::CreatePatternBrush((HBITMAP)pBitmap->GetSafeHandle()));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCSTR lpszFacename) {
    return Attach(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
                                cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily,
                                lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC) {
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    HDC hDC = pDC != NULL ? pDC->m_hDC : ::GetDC(NULL);
    POINT pt = {0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), nPointSize, 720)};
    POINT ptOrg = {0, 0};
    ::DPtoLP(hDC, &pt, 1);
    ::DPtoLP(hDC, &ptOrg, 1);
    lf.lfHeight = -abs(pt.y - ptOrg.y);
    if (pDC == NULL) ::ReleaseDC(NULL, hDC);
    return CreateFontIndirect(&lf);
}

BOOL CBitmap::LoadBitmap(LPCSTR lpszResourceName) {
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, (LPCSTR)RT_BITMAP);
    return Attach(::LoadBitmapA(hInst, lpszResourceName));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
    HDC hDC = pDC != NULL ? pDC->m_hDC : NULL;
    if (hDC != NULL) return Attach(::CreateCompatibleBitmap(hDC, nWidth, nHeight));
    HDC hScreen = ::GetDC(NULL);
    BOOL ok = Attach(::CreateCompatibleBitmap(hScreen, nWidth, nHeight));
    ::ReleaseDC(NULL, hScreen);
    return ok;
}

// ---------------------------------------------------------------------------------------------
// CDC

IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CDC::CDC() : m_hDC(NULL), m_hAttribDC(NULL) {}
CDC::~CDC() {
    if (m_hDC != NULL) ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC) {
    return AfxDCMap().FromHandle(hDC, [](HDC h) {
        CDC* p = new CDC;
        p->m_hDC = p->m_hAttribDC = h;
        return p;
    });
}

void PASCAL CDC::DeleteTempMap() {
    AfxDCMap().DeleteTemp();
}

BOOL CDC::Attach(HDC hDC) {
    if (hDC == NULL) return FALSE;
    m_hDC = m_hAttribDC = hDC;
    AfxDCMap().SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach() {
    HDC h = m_hDC;
    if (h != NULL) AfxDCMap().RemoveHandle(h, this);
    m_hDC = m_hAttribDC = NULL;
    return h;
}

BOOL CDC::DeleteDC() {
    if (m_hDC == NULL) return FALSE;
    return ::DeleteDC(Detach());
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
    return Attach(::CreateCompatibleDC(pDC != NULL ? pDC->m_hDC : NULL));
}

BOOL CDC::CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const void* lpInitData) {
    return Attach(::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODEA*)lpInitData));
}

CWnd* CDC::GetWindow() const { return CWnd::FromHandle(::WindowFromDC(m_hDC)); }

CGdiObject* CDC::SelectStockObject(int nIndex) {
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(nIndex)));
}
CPen* CDC::SelectObject(CPen* pPen) { return (CPen*)CGdiObject::FromHandle(::SelectObject(m_hDC, pPen->GetSafeHandle())); }
CBrush* CDC::SelectObject(CBrush* pBrush) { return (CBrush*)CGdiObject::FromHandle(::SelectObject(m_hDC, pBrush->GetSafeHandle())); }
CFont* CDC::SelectObject(CFont* pFont) { return (CFont*)CGdiObject::FromHandle(::SelectObject(m_hDC, pFont->GetSafeHandle())); }
CBitmap* CDC::SelectObject(CBitmap* pBitmap) { return (CBitmap*)CGdiObject::FromHandle(::SelectObject(m_hDC, pBitmap->GetSafeHandle())); }
int CDC::SelectObject(CRgn* pRgn) { return (int)(INT_PTR)::SelectObject(m_hDC, pRgn->GetSafeHandle()); }
CGdiObject* CDC::SelectObject(CGdiObject* pObject) { return CGdiObject::FromHandle(::SelectObject(m_hDC, pObject->GetSafeHandle())); }
HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }

void CDC::DPtoLP(LPSIZE lpSize) const {
    POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    ::DPtoLP(m_hDC, pts, 2);
    lpSize->cx = pts[1].x - pts[0].x;
    lpSize->cy = pts[1].y - pts[0].y;
}

void CDC::LPtoDP(LPSIZE lpSize) const {
    POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    ::LPtoDP(m_hDC, pts, 2);
    lpSize->cx = pts[1].x - pts[0].x;
    lpSize->cy = pts[1].y - pts[0].y;
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, NULL, 0, NULL);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const {
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
    return size;
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) {
    if (!Attach(::BeginPaint(m_hWnd, &m_ps))) AfxThrowResourceException();
}
CPaintDC::~CPaintDC() {
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) {
    if (!Attach(::GetDC(m_hWnd))) AfxThrowResourceException();
}
CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, Detach()); }

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) {
    if (!Attach(::GetWindowDC(m_hWnd))) AfxThrowResourceException();
}
CWindowDC::~CWindowDC() { ::ReleaseDC(m_hWnd, Detach()); }
