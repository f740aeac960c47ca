/// @file
#pragma once
#include <afxwin.h>
#include <kelm/KelmDefs.h>

/// The text of a single-line edit control and what the keyboard and the mouse do to it: cursor,
/// selection, first visible character, undo text; every position kept within the text.
///
/// Positions are character boundaries, 0 to Length(). CKEdit keeps one and paints it; the class
/// has no window and sends nothing.
class KELM_API CKEditText {
public:
    /// What a key did.
    enum EKeyKind {
        keyNone,  ///< nothing: a key this class does not handle
        keyMove,  ///< moved the cursor or the selection
        keyEdit   ///< changed the text (or restored it)
    };
    /// A key in two steps: Prepare moves the cursor, restores the text (Esc) or widens an empty
    /// selection to the character to remove (Backspace, Delete: bErase); the caller then removes
    /// the selection (OverrideSelection(0)) when bErase is set, and Finish sets the selection.
    struct KeyStep {
        EKeyKind kind;       ///< what the key does
        bool bErase;         ///< the caller removes the selection between the steps
        bool bShiftSelects;  ///< Shift extends the selection from the anchor (not for erasing keys)
        int nAnchor;         ///< the selection's end away from the cursor before the key
    };

    CKEditText();

    /// The text as typed or set.
    const CString& Text() const { return m_strText; }
    /// The text Esc and Undo go back to: set with the text, saved again when the focus comes.
    const CString& UndoText() const { return m_strUndo; }
    /// The text's length in characters.
    int Length() const { return m_strText.GetLength(); }
    /// The cursor: the position the caret stands at.
    int Cursor() const { return m_nCursor; }
    /// Start of the selection, never after its end.
    int SelStart() const { return m_nSelStart; }
    /// End of the selection (exclusive); equal to the start when nothing is selected.
    int SelEnd() const { return m_nSelEnd; }
    /// The first character shown at the left of the line: the horizontal scroll position.
    int FirstVisible() const { return m_nFirstVisible; }
    /// Where the current mouse selection started.
    int Anchor() const { return m_nAnchor; }
    /// The selection holds at least one character.
    bool HasSelection() const { return m_nSelStart < m_nSelEnd; }

    /// Text and undo text become pszText (null: empty); every position becomes 0.
    void SetText(const char* pszText);
    /// Copies at most nSize - 1 characters and a terminating zero into pBuffer and returns how
    /// many characters it copied; 0 (nothing written) for a null buffer or a size below 1.
    int CopyText(char* pBuffer, int nSize) const;
    /// The undo text becomes the text.
    void SaveUndo() { m_strUndo = m_strText; }
    /// Undo would change the text: it differs from the undo text.
    bool CanUndo() const { return m_strText != m_strUndo; }
    /// The text becomes the undo text; every position becomes 0.
    void Undo();

    /// Replaces the selection with c, or removes it when c is 0; the cursor follows the new
    /// character (or stands where the selection was) and the text scrolls back to its start.
    void OverrideSelection(unsigned char c);
    /// Typing: a character from 0x20 up replaces the selection; false (nothing changed) for a
    /// control character.
    bool Type(unsigned char c);

    /// The first step of a key: Backspace, Delete, Esc, Home, End, Left and Right (with bCtrl by
    /// words); any other key gets keyNone and changes nothing.
    KeyStep PrepareKey(UINT nVirtKey, bool bCtrl);
    /// The second step: with bShift, for a key that allows it, the selection spans from the step's
    /// anchor to the cursor, else it collapses onto the cursor; every position is then clamped.
    void FinishKey(const KeyStep& step, bool bShift);
    /// Both steps, with this class's OverrideSelection.
    EKeyKind Key(UINT nVirtKey, bool bCtrl, bool bShift);

    /// EM_SETSEL: the start clamped into the text, a negative end meaning the end of the text, an
    /// end beyond it clamped; a start after the end swaps them. The cursor stays.
    void SetSel(int nStart, int nEnd);
    /// Cursor and an empty selection at nPos (clamped into the text); the first visible character
    /// goes back to the start when it lies after it.
    void SetCursorPos(int nPos);
    /// The first click into the control: everything selected, the cursor at the end.
    void SelectAll();
    /// Focus gained: the undo text saved; the selection runs to the end of the text, from its
    /// start unless bKeepStart.
    void OnFocus(bool bKeepStart);
    /// Selection start and end at the cursor.
    void CollapseSelection() { m_nSelStart = m_nSelEnd = m_nCursor; }
    /// A mouse selection starts at the cursor: the anchor and an empty selection there.
    void StartDrag();
    /// The mouse selection spans from the anchor to the cursor.
    void SelectFromAnchor();
    /// The text scrolls: the first visible character becomes nFirst (clamped into the text).
    void SetFirstVisible(int nFirst);
    /// The cursor, placed from a click left of the text: one character back when it stands at the
    /// first visible character (the text scrolls by one), else onto it.
    void StepBackFromLeftEdge();
    /// The cursor onto a character (clamped into the text), selection unchanged.
    void MoveCursor(int nPos) { m_nCursor = Clamp(nPos); }

private:
    int Clamp(int n) const { return n < 0 ? 0 : n > Length() ? Length() : n; }
    void ClampAll();

    CString m_strText;
    CString m_strUndo;
    int m_nFirstVisible;
    int m_nCursor;
    int m_nAnchor;
    int m_nSelStart;
    int m_nSelEnd;
};
