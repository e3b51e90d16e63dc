// Editing in a single-line text box: the caret, the selection, the editing keys, the
// clipboard, MaxLength and the sign for a character the box cannot store.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/controls.h"
#include "toolkit/runtime.h"
#include "toolkit/window.h"

namespace {

struct BoxWindow : tk::Window {
    explicit BoxWindow(tk::Runtime& rt) : tk::Window(rt, "box") {}
    tk::CommandButton ok{*this, "ok"};
    tk::TextBox name{*this, "name"};
};

struct TextBoxTest : ::testing::Test {
    tk::HeadlessRuntime h;
    BoxWindow w{h.rt};
    int refusals = 0;
    void SetUp() override {
        w.name.onRefused = [this](int) { ++refusals; };
        w.name.Text = "Doduru";
        w.SetFocus(w.name);
    }
    void key(int code, int shift = 0) { w.keyDown(code, shift); }
    std::string text() const { return w.name.Text.get(); }
};

TEST_F(TextBoxTest, TakingTheFocusSelectsEverythingSoTypingReplacesTheOldName) {
    EXPECT_EQ(w.name.SelStart(), 0);
    EXPECT_EQ(w.name.SelLength(), 6);
    EXPECT_EQ(w.name.SelText(), "Doduru");
    w.textInput("L");
    w.textInput("ù");
    EXPECT_EQ(text(), "Lù");
    EXPECT_EQ(w.name.caret(), 2);
    // Focus that comes back selects again; focus that stays does not.
    w.SetFocus(w.name);
    EXPECT_EQ(w.name.SelLength(), 0);
    w.SetFocus(w.ok);
    w.SetFocus(w.name);
    EXPECT_EQ(w.name.SelText(), "Lù");
}

TEST_F(TextBoxTest, ArrowsHomeAndEndMoveTheCaretOverWholeCharacters) {
    w.name.Text = "Niccolò";
    w.name.setSelStart(99);
    EXPECT_EQ(w.name.caret(), 7);
    key(tk::vbKeyLeft);
    key(tk::vbKeyLeft);
    w.textInput("x");
    EXPECT_EQ(text(), "Niccoxlò");
    key(tk::vbKeyHome);
    key(tk::vbKeyLeft);  // stays at the start
    EXPECT_EQ(w.name.caret(), 0);
    w.textInput("«");
    key(tk::vbKeyEnd);
    key(tk::vbKeyRight);  // stays at the end
    w.textInput("»");
    EXPECT_EQ(text(), "«Niccoxlò»");
    // With a selection, an arrow without Shift drops it at its own end.
    w.name.setSelStart(1);
    w.name.setSelLength(3);
    key(tk::vbKeyRight);
    EXPECT_EQ(w.name.caret(), 4);
    EXPECT_EQ(w.name.SelLength(), 0);
    w.name.setSelLength(3);
    key(tk::vbKeyLeft);
    EXPECT_EQ(w.name.caret(), 4);
}

TEST_F(TextBoxTest, ShiftStretchesTheSelectionFromWhereItWasAnchored) {
    w.name.setSelStart(3);
    key(tk::vbKeyRight, tk::vbShiftMask);
    key(tk::vbKeyRight, tk::vbShiftMask);
    EXPECT_EQ(w.name.SelText(), "ur");
    key(tk::vbKeyHome, tk::vbShiftMask);  // past the anchor: the selection turns round
    EXPECT_EQ(w.name.SelStart(), 0);
    EXPECT_EQ(w.name.SelText(), "Dod");
    key(tk::vbKeyEnd, tk::vbShiftMask);
    EXPECT_EQ(w.name.SelText(), "uru");
    w.textInput("ina");
    EXPECT_EQ(text(), "Dodina");
}

TEST_F(TextBoxTest, BackspaceAndDeleteRemoveTheSelectionOrOneCharacterAtTheCaret) {
    w.name.Text = "Perù blu";
    w.name.setSelStart(4);
    key(tk::vbKeyBack);
    EXPECT_EQ(text(), "Per blu");
    key(tk::vbKeyDelete);
    EXPECT_EQ(text(), "Perblu");
    EXPECT_EQ(w.name.caret(), 3);
    key(tk::vbKeyHome);
    key(tk::vbKeyBack);  // nothing before the caret
    key(tk::vbKeyEnd);
    key(tk::vbKeyDelete);  // nothing after it
    EXPECT_EQ(text(), "Perblu");
    w.name.setSelStart(1);
    w.name.setSelLength(2);
    key(tk::vbKeyDelete);
    EXPECT_EQ(text(), "Pblu");
    key(tk::vbKeyA, tk::vbCtrlMask);
    key(tk::vbKeyBack);
    EXPECT_EQ(text(), "");
    EXPECT_EQ(refusals, 0);
}

TEST_F(TextBoxTest, CtrlAPlainAAndOtherKeysLeaveTheTextAlone) {
    w.name.setSelStart(2);
    key(tk::vbKeyA);  // the letter itself arrives as typed text
    key(38);          // up
    key(tk::vbKeyV);
    EXPECT_EQ(text(), "Doduru");
    EXPECT_EQ(w.name.caret(), 2);
    key(tk::vbKeyA, tk::vbCtrlMask);
    EXPECT_EQ(w.name.SelText(), "Doduru");
}

TEST_F(TextBoxTest, PasteFiltersWhatTheBoxCannotStoreAndGivesTheSign) {
    // No clipboard: nothing happens.
    key(tk::vbKeyV, tk::vbCtrlMask);
    EXPECT_EQ(text(), "Doduru");
    std::string clip = "Zoë \"你好\"\r\n€";
    h.rt.clipboardText = [&] { return clip; };
    key(tk::vbKeyV, tk::vbCtrlMask);
    EXPECT_EQ(text(), "Zoë €");
    EXPECT_EQ(w.name.caret(), 5);
    EXPECT_EQ(refusals, 1);
    clip = "!";
    key(tk::vbKeyV, tk::vbCtrlMask);
    EXPECT_EQ(text(), "Zoë €!");
    EXPECT_EQ(refusals, 1);
}

TEST_F(TextBoxTest, ACharacterTheFileCannotHoldIsRefusedWithTheSign) {
    w.name.setSelStart(6);
    w.textInput("你");
    w.textInput("\xC3");  // a broken character
    w.textInput("\"");    // would end the name in the file
    EXPECT_EQ(text(), "Doduru");
    EXPECT_EQ(refusals, 3);
    w.textInput("'");
    EXPECT_EQ(text(), "Doduru'");
    // A selection is kept when nothing could be typed over it.
    w.name.selectAll();
    w.textInput("ğ");
    EXPECT_EQ(w.name.SelText(), "Doduru'");
    EXPECT_EQ(refusals, 4);
}

TEST_F(TextBoxTest, MaxLengthCountsCharactersAndRefusesTypingAndPastingBeyondIt) {
    w.name.MaxLength = 8;
    w.name.setSelStart(6);
    w.textInput("è");
    w.textInput("ò");
    w.textInput("x");
    EXPECT_EQ(text(), "Doduruèò");
    EXPECT_EQ(refusals, 1);
    // Typing over a selection frees its room.
    w.name.setSelStart(0);
    w.name.setSelLength(2);
    w.textInput("Abc");
    EXPECT_EQ(text(), "Abduruèò");
    EXPECT_EQ(refusals, 2);
    w.name.setSelLength(3);
    h.rt.clipboardText = [] { return std::string("Mimì e Cocò"); };
    key(tk::vbKeyV, tk::vbCtrlMask);
    EXPECT_EQ(text(), "AbMimuèò");
    EXPECT_EQ(refusals, 3);
}

TEST_F(TextBoxTest, ALockedOrDisabledBoxIsNotEdited) {
    w.name.Locked = true;
    key(tk::vbKeyBack);
    w.textInput("x");
    EXPECT_EQ(text(), "Doduru");
    w.name.Locked = false;
    w.name.Enabled = false;
    w.name.setSelStart(6);
    EXPECT_FALSE(w.name.typeText("x"));
    EXPECT_FALSE(w.name.editKey(tk::vbKeyBack, 0));
    EXPECT_EQ(text(), "Doduru");
    EXPECT_EQ(refusals, 0);
}

TEST_F(TextBoxTest, ANewTextKeepsTheCaretWithinIt) {
    w.name.setSelStart(6);
    w.name.Text = "Al";
    EXPECT_EQ(w.name.caret(), 2);
    EXPECT_EQ(w.name.SelLength(), 0);
    w.textInput("e");
    EXPECT_EQ(text(), "Ale");
}

}  // namespace
