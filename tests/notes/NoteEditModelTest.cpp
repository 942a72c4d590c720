#include <gtest/gtest.h>

#include "notes/NoteEditModel.h"

namespace sk {
namespace {

TEST(NoteEditModel, LineBreaksBetweenFileAndEditor) {
    struct Case {
        std::string file, editor;
    } cases[] = {
        {"a\r\nb", "a\nb"},
        {"a\rb", "a\nb"},          // a lone CR is a line break too
        {"a\n\r\nb", "a\n\nb"},    // a lone LF stays one
        {std::string("x\0y", 3), "xy"},  // NUL cannot stand in an editor
        {"\r\n\r\n", "\n\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(EditorTextOfNote(c.file), c.editor) << c.editor;
    EXPECT_EQ(NoteTextOfEditor("a\nb\n"), "a\r\nb\r\n");
    EXPECT_EQ(NoteTextOfEditor(EditorTextOfNote("Zeile 1\r\nZeile 2")), "Zeile 1\r\nZeile 2");
}

TEST(NoteEditModel, LengthLimitCountsStoredCharacters) {
    struct Case {
        std::string text;
        std::optional<std::size_t> cutBytes;  // length of the cut text in bytes
        std::size_t stored;
    } cases[] = {
        {std::string(8191, 'x'), std::nullopt, 8191},
        {std::string(9000, 'x'), 8191, 8191},
        // A line break is two stored characters and is never split.
        {std::string(8190, 'x') + "\ny", 8190, 8190},
        {std::string(8189, 'x') + "\ny", 8190, 8191},  // the break fits, "y" does not
        // "ä" is one character of two bytes.
        {[] { std::string s; for (int i = 0; i < 9000; ++i) s += "ä"; return s; }(), 2 * 8191, 8191},
    };
    for (const auto& c : cases) {
        const auto cut = CutToNoteLimit(c.text);
        ASSERT_EQ(cut.has_value(), c.cutBytes.has_value()) << c.text.size();
        if (cut) {
            EXPECT_EQ(cut->text.size(), *c.cutBytes);
            EXPECT_EQ(cut->storedLength, c.stored);
            EXPECT_EQ(StoredLength(cut->text), c.stored);
        }
    }
    EXPECT_EQ(LengthCutMessage(8191), "Die Länge der Notiz wurde auf 8191 Zeichen gekürzt!");
}

TEST(NoteEditModel, TrimsOnlyTrailingBlanks) {
    const std::pair<std::string, std::string> cases[] = {
        {"abc   ", "abc"}, {"   ", ""}, {"a \n ", "a \n"}, {"a\t ", "a\t"}, {" a", " a"}, {"", ""},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(TrimTrailingBlanks(in), out) << in;
}

TEST(NoteEditModel, FindsCharactersTheFileCannotHold) {
    const std::pair<std::string, std::optional<char32_t>> cases[] = {
        {"Grüße, ÿ und ß", std::nullopt},
        {"Kosten 5 €", U'\u20AC'},
        {"a\U0001F600b€", U'\U0001F600'},
        {"Ł", U'\u0141'},
    };
    for (const auto& [text, code] : cases) EXPECT_EQ(FirstUnstorableCharacter(text), code) << text;
    const std::string message = UnstorableCharacterMessage(U'\u20AC');
    EXPECT_NE(message.find("\u201E€\u201C"), std::string::npos) << message;
    EXPECT_NE(message.find("U+20AC"), std::string::npos) << message;
    EXPECT_NE(UnstorableCharacterMessage(U'\U0001F600').find("\U0001F600"), std::string::npos);
}

TEST(NoteEditModel, WhenLeavingAsksAndSaves) {
    struct Case {
        const char* name;
        std::string loaded;
        std::optional<std::string> typed;
        bool revert, clear;
        bool question, save;
        std::string stored;
    } cases[] = {
        {"unchanged note", "abc", std::nullopt, false, false, false, false, "abc"},
        {"new text, Ja", "", "neu", false, false, true, true, "neu"},
        {"revert after edit", "alt", "neu", true, false, false, false, "alt"},
        {"revert without a loaded text", "", "neu", true, false, true, true, "neu"},
        {"only blanks", "   ", std::nullopt, false, false, false, true, ""},
        {"trailing blanks", "abc", "abc  ", false, false, true, false, "abc"},
        {"cleared", "abc", std::nullopt, false, true, true, true, ""},
        {"line breaks kept", "a\r\nb", "a\nb\nc", false, false, true, true, "a\r\nb\r\nc"},
    };
    for (const auto& c : cases) {
        NoteEditModel m;
        m.Load(c.loaded);
        if (c.typed) m.SetWorking(*c.typed);
        if (c.revert) m.RevertAll();
        if (c.clear) m.ClearText();
        EXPECT_EQ(m.NeedsSaveQuestion(), c.question) << c.name;
        m.TrimForClosing();
        EXPECT_EQ(m.TextChangedOrEmpty(), c.save) << c.name;
        EXPECT_EQ(m.NoteToStore(), c.stored) << c.name;
    }
}

}  // namespace
}  // namespace sk
