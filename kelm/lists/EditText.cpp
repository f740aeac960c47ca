#include "EditText.h"

#include <cstring>

CKEditText::CKEditText() : m_nFirstVisible(0), m_nCursor(0), m_nAnchor(0), m_nSelStart(0), m_nSelEnd(0) {}

void CKEditText::ClampAll() {
    m_nCursor = Clamp(m_nCursor);
    m_nAnchor = Clamp(m_nAnchor);
    m_nSelStart = Clamp(m_nSelStart);
    m_nSelEnd = Clamp(m_nSelEnd);
    if (m_nSelStart > m_nSelEnd) {
        const int n = m_nSelStart;
        m_nSelStart = m_nSelEnd;
        m_nSelEnd = n;
    }
    m_nFirstVisible = Clamp(m_nFirstVisible);
    if (m_nFirstVisible > m_nCursor) m_nFirstVisible = m_nCursor;
}

void CKEditText::SetText(const char* pszText) {
    m_strText = pszText != NULL ? pszText : "";
    m_strUndo = m_strText;
    m_nCursor = m_nSelStart = m_nSelEnd = m_nFirstVisible = m_nAnchor = 0;
}

int CKEditText::CopyText(char* pBuffer, int nSize) const {
    if (pBuffer == NULL || nSize < 1) return 0;
    const int n = Length() < nSize - 1 ? Length() : nSize - 1;
    std::memcpy(pBuffer, (const char*)m_strText, (size_t)n);
    pBuffer[n] = 0;
    return n;
}

void CKEditText::Undo() {
    m_strText = m_strUndo;
    m_nCursor = m_nSelStart = m_nSelEnd = m_nFirstVisible = m_nAnchor = 0;
}

void CKEditText::OverrideSelection(unsigned char c) {
    const int nStart = Clamp(m_nSelStart);
    int nEnd = Clamp(m_nSelEnd);
    if (nEnd < nStart) nEnd = nStart;
    CString text = m_strText.Left(nStart);
    if (c != 0) text += (char)c;
    text += m_strText.Mid(nEnd);
    m_strText = text;
    m_nSelStart = nStart + (c != 0 ? 1 : 0);
    m_nSelEnd = m_nCursor = m_nSelStart;
    m_nFirstVisible = 0;
    m_nAnchor = Clamp(m_nAnchor);
}

bool CKEditText::Type(unsigned char c) {
    if (c < 0x20) return false;
    OverrideSelection(c);
    CollapseSelection();
    return true;
}

CKEditText::KeyStep CKEditText::PrepareKey(UINT nVirtKey, bool bCtrl) {
    const int nLen = Length();
    KeyStep step = {keyMove, false, true, m_nSelEnd == m_nCursor ? m_nSelStart : m_nSelEnd};
    switch (nVirtKey) {
    case VK_BACK:
        if (m_nSelStart == m_nSelEnd && m_nSelStart > 0) --m_nSelStart;
        step.kind = keyEdit;
        step.bErase = true;
        step.bShiftSelects = false;
        break;
    case VK_DELETE:
        if (m_nSelStart == m_nSelEnd && m_nSelEnd < nLen) ++m_nSelEnd;
        step.kind = keyEdit;
        step.bErase = true;
        step.bShiftSelects = false;
        break;
    case VK_ESCAPE:
        m_strText = m_strUndo;  // the cursor stays, within the restored text
        step.kind = keyEdit;
        ClampAll();
        break;
    case VK_END: m_nCursor = nLen; break;
    case VK_HOME:
        m_nFirstVisible = 0;
        m_nCursor = 0;
        break;
    case VK_LEFT: {
        int c = m_nCursor - 1;
        if (bCtrl)
            while (c > 0 && m_strText[c - 1] != ' ') --c;
        if (c < 0) c = 0;
        m_nCursor = c;
        if (c < m_nFirstVisible) m_nFirstVisible = m_nFirstVisible - 3 > 0 ? m_nFirstVisible - 3 : 0;
        break;
    }
    case VK_RIGHT: {
        int c = m_nCursor + 1;
        if (bCtrl)
            while (c < nLen && m_strText[c] != ' ') ++c;
        if (c > nLen) c = nLen;
        if (bCtrl && c < nLen && m_strText[c] == ' ') ++c;
        m_nCursor = c;
        break;
    }
    default: step.kind = keyNone; break;
    }
    return step;
}

void CKEditText::FinishKey(const KeyStep& step, bool bShift) {
    if (step.kind == keyNone) return;
    if (bShift && step.bShiftSelects) {
        const int nAnchor = Clamp(step.nAnchor);
        m_nSelStart = nAnchor < m_nCursor ? nAnchor : m_nCursor;
        m_nSelEnd = nAnchor < m_nCursor ? m_nCursor : nAnchor;
    } else {
        CollapseSelection();
    }
    ClampAll();
}

CKEditText::EKeyKind CKEditText::Key(UINT nVirtKey, bool bCtrl, bool bShift) {
    const KeyStep step = PrepareKey(nVirtKey, bCtrl);
    if (step.bErase) OverrideSelection(0);
    FinishKey(step, bShift);
    return step.kind;
}

void CKEditText::SetSel(int nStart, int nEnd) {
    m_nSelStart = Clamp(nStart);
    m_nSelEnd = nEnd < 0 ? Length() : Clamp(nEnd);
    if (m_nSelStart > m_nSelEnd) {
        const int n = m_nSelStart;
        m_nSelStart = m_nSelEnd;
        m_nSelEnd = n;
    }
}

void CKEditText::SetCursorPos(int nPos) {
    m_nCursor = m_nSelStart = m_nSelEnd = Clamp(nPos);
    if (m_nFirstVisible > m_nCursor) m_nFirstVisible = 0;
}

void CKEditText::SelectAll() {
    m_nSelStart = 0;
    m_nSelEnd = m_nCursor = Length();
}

void CKEditText::OnFocus(bool bKeepStart) {
    SaveUndo();
    if (!bKeepStart) m_nSelStart = 0;
    m_nSelEnd = Length();
    m_nSelStart = Clamp(m_nSelStart);
}

void CKEditText::StartDrag() { m_nSelStart = m_nSelEnd = m_nAnchor = m_nCursor; }

void CKEditText::SelectFromAnchor() {
    m_nAnchor = Clamp(m_nAnchor);
    m_nSelStart = m_nAnchor < m_nCursor ? m_nAnchor : m_nCursor;
    m_nSelEnd = m_nAnchor < m_nCursor ? m_nCursor : m_nAnchor;
}

void CKEditText::SetFirstVisible(int nFirst) { m_nFirstVisible = Clamp(nFirst); }

void CKEditText::StepBackFromLeftEdge() {
    if (m_nFirstVisible != 0 && m_nCursor == m_nFirstVisible) {
        --m_nFirstVisible;
        --m_nCursor;
    } else {
        m_nCursor = m_nFirstVisible;
    }
}
