// The edit control's text operations without a window: typing, erasing, word steps, selection
// with Shift, clamping of every position, undo and Esc.
#include <kelm/lists/EditText.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Str(const CKEditText& t) { return std::string((const char*)t.Text(), (size_t)t.Length()); }

void Type(CKEditText& t, const char* s) {
    for (; *s; ++s) t.Type((unsigned char)*s);
}

TEST(EditText, TypingReplacesTheSelectionAndIgnoresControlCharacters) {
    CKEditText t;
    Type(t, "ab\x08\x1b\x0d\tc\x1f");
    EXPECT_EQ(Str(t), "abc");
    EXPECT_EQ(t.Cursor(), 3);
    t.SetSel(1, 2);
    EXPECT_TRUE(t.Type('X'));
    EXPECT_FALSE(t.Type('\n'));
    EXPECT_EQ(Str(t), "aXc");
    EXPECT_EQ(t.Cursor(), 2);
    EXPECT_FALSE(t.HasSelection());
}

TEST(EditText, ErasingKeysAtTheEndsAndOverASelection) {
    CKEditText t;
    t.SetText("abcd");
    EXPECT_EQ(t.Key(VK_BACK, false, false), CKEditText::keyEdit) << "still an edit: EN_UPDATE and EN_CHANGE follow";
    EXPECT_EQ(Str(t), "abcd");
    EXPECT_EQ(t.Key(VK_DELETE, false, false), CKEditText::keyEdit);
    EXPECT_EQ(Str(t), "bcd");
    t.Key(VK_END, false, false);
    t.Key(VK_DELETE, false, false);
    EXPECT_EQ(Str(t), "bcd");
    t.Key(VK_BACK, false, true);  // Shift changes nothing for erasing keys
    EXPECT_EQ(Str(t), "bc");
    EXPECT_EQ(t.Cursor(), 2);
    EXPECT_FALSE(t.HasSelection());
    t.SetSel(0, -1);
    t.Key(VK_DELETE, false, false);
    EXPECT_EQ(Str(t), "");
    EXPECT_EQ(t.Cursor(), 0);
}

TEST(EditText, WordStepsAndShiftSelectionFromTheAnchor) {
    CKEditText t;
    t.SetText("one two  three");
    t.MoveCursor(1);
    t.Key(VK_RIGHT, true, false);
    EXPECT_EQ(t.Cursor(), 4) << "from inside a word to just after the following space";
    t.Key(VK_RIGHT, true, false);
    EXPECT_EQ(t.Cursor(), 8) << "one space skipped after the word";
    t.Key(VK_END, false, false);
    t.Key(VK_RIGHT, true, false);
    EXPECT_EQ(t.Cursor(), 14) << "not beyond the end";
    t.Key(VK_LEFT, true, false);
    EXPECT_EQ(t.Cursor(), 9) << "just after the previous space";
    t.MoveCursor(0);
    t.Key(VK_LEFT, true, false);
    EXPECT_EQ(t.Cursor(), 0);

    // Shift+Left twice from the end selects the last two characters; Shift+Right gives one back.
    t.Key(VK_END, false, false);
    t.Key(VK_LEFT, false, true);
    t.Key(VK_LEFT, false, true);
    EXPECT_EQ(t.SelStart(), 12);
    EXPECT_EQ(t.SelEnd(), 14);
    t.Key(VK_RIGHT, false, true);
    EXPECT_EQ(t.SelStart(), 13);
    EXPECT_EQ(t.SelEnd(), 14);
    t.Key(VK_HOME, false, false);
    EXPECT_FALSE(t.HasSelection());
    EXPECT_EQ(t.Key(VK_F5, false, false), CKEditText::keyNone);
}

TEST(EditText, ScrollPositionFollowsTheCursorBack) {
    CKEditText t;
    t.SetText("abcdefghijklmnopqrstuvwxyz");
    t.Key(VK_END, false, false);
    t.SetFirstVisible(10);
    t.MoveCursor(10);
    t.Key(VK_LEFT, false, false);
    EXPECT_EQ(t.Cursor(), 9);
    EXPECT_EQ(t.FirstVisible(), 7) << "three characters back when the cursor passes the left edge";
    t.SetFirstVisible(2);
    t.MoveCursor(2);
    t.Key(VK_LEFT, false, false);
    EXPECT_EQ(t.FirstVisible(), 0);
    // A word step far to the left never leaves the cursor before the first visible character.
    t.SetText("aaaa bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb");
    t.Key(VK_END, false, false);
    t.SetFirstVisible(30);
    t.Key(VK_LEFT, true, false);
    EXPECT_EQ(t.Cursor(), 5);
    EXPECT_LE(t.FirstVisible(), t.Cursor());
    // A click left of the text scrolls back by one when the cursor is at the left edge.
    t.SetFirstVisible(3);
    t.MoveCursor(3);
    t.StepBackFromLeftEdge();
    EXPECT_EQ(t.FirstVisible(), 2);
    EXPECT_EQ(t.Cursor(), 2);
    t.MoveCursor(4);
    t.StepBackFromLeftEdge();
    EXPECT_EQ(t.Cursor(), 2);
    t.Key(VK_HOME, false, false);
    EXPECT_EQ(t.FirstVisible(), 0);
}

// EM_SETSEL: a start outside the text is clamped and a start after the end is swapped, so that
// typing replaces the selection instead of repeating part of the text.
TEST(EditText, SetSelClampsAndSwaps) {
    CKEditText t;
    t.SetText("abcdefgh");
    t.SetSel(0, -1);
    EXPECT_EQ(t.SelEnd(), 8);
    t.SetSel(3, 100);
    EXPECT_EQ(t.SelStart(), 3);
    EXPECT_EQ(t.SelEnd(), 8);
    t.SetSel(-7, 2);
    EXPECT_EQ(t.SelStart(), 0);
    t.SetSel(100, 4);
    EXPECT_EQ(t.SelStart(), 4);
    EXPECT_EQ(t.SelEnd(), 8);
    t.SetSel(5, 2);
    EXPECT_EQ(t.SelStart(), 2);
    EXPECT_EQ(t.SelEnd(), 5);
    t.Type('X');
    EXPECT_EQ(Str(t), "abXfgh");
}

TEST(EditText, UndoAndEscKeepWithinTheText) {
    CKEditText t;
    t.SetText("ab");
    EXPECT_FALSE(t.CanUndo());
    t.Key(VK_END, false, false);
    Type(t, " and a longer tail");
    EXPECT_TRUE(t.CanUndo());
    t.SetSel(10, 15);
    t.Key(VK_ESCAPE, false, false);
    EXPECT_EQ(Str(t), "ab");
    EXPECT_LE(t.Cursor(), 2);
    EXPECT_LE(t.SelEnd(), 2);
    EXPECT_LE(t.FirstVisible(), t.Cursor());

    Type(t, "cd");
    t.Undo();
    EXPECT_EQ(Str(t), "ab");
    EXPECT_EQ(t.Cursor(), 0);
    t.Undo();
    EXPECT_EQ(Str(t), "ab") << "a second undo changes nothing";

    // Focus: the whole text selected, or from the kept start; the undo text saved.
    t.SetText("focus");
    Type(t, "!");
    t.SetSel(2, 3);
    t.OnFocus(true);
    EXPECT_EQ(t.SelStart(), 2);
    EXPECT_EQ(t.SelEnd(), 6);
    EXPECT_FALSE(t.CanUndo());
    t.OnFocus(false);
    EXPECT_EQ(t.SelStart(), 0);
}

}  // namespace
