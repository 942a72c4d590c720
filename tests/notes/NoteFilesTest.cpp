#include <gtest/gtest.h>
#include <unistd.h>

#include "base/Latin1.h"
#include "notes/NoteCipher.h"
#include "notes/NoteFiles.h"
#include "common/TempFolder.h"

namespace sk {
namespace {

using testing::TempFolder;

TEST(Latin1, ConversionsAndStorability) {
    struct Case {
        std::string utf8;
        std::string latin1;
        bool storable;
    } cases[] = {
        {"abc", "abc", true},
        {"\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F", "\xE4\xF6\xFC\xDF", true},      // äöüß
        {"\xC2\xA0|\xC2\xA0", "\xA0|\xA0", true},                            // no-break spaces
        {"\xE2\x82\xAC", "\xAC", false},                                     // € U+20AC keeps its low byte
        {"\xF0\x9F\x98\x80", std::string(1, '\0'), false},                   // U+1F600
        {"a\xFFz", "a\xFFz", false},                                         // stray byte kept as itself
        {"\xC3", "\xC3", false},                                             // cut sequence
        {"\xC0\xAF", "\xC0\xAF", false},                                     // overlong form
        {std::string("x\0y", 3), std::string("x\0y", 3), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(Utf8ToLatin1(c.utf8), c.latin1);
        EXPECT_EQ(IsStorableNoteText(c.utf8), c.storable);
        if (c.storable) {
            EXPECT_EQ(Latin1ToUtf8(c.latin1), c.utf8);
        }
    }
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(all)), all);
    EXPECT_EQ(Utf8CharacterCount("a\xC3\xA4\xE2\x82\xAC"), 3u);
    EXPECT_EQ(Utf8Prefix("\xC3\xA4\xC3\xB6z", 2), "\xC3\xA4\xC3\xB6");
}

TEST(NoteCipher, EnciphersThreeDigitsPerCharacterWithWrappingKey) {
    // Key "abc" (97, 98, 99); positions used 1, 2, 3, 1, 2.
    struct Case {
        std::string text, key, stored;
    } cases[] = {
        {"Hallo", "abc", "041003015013013"},  // H^a=41, a^b=3, l^c=15, l^a=13, o^b=13
        {"abcab", "abc", "000000000000000"},  // character equal to its key byte
        {"\xE4", "abc", "133"},               // ä 228 ^ 97
        {"Hallo", "", "Hallo"},
        {"", "abc", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EncipherNote(c.text, c.key), c.stored);
        EXPECT_EQ(DecipherNote(c.stored, c.key), c.text);
    }
}

TEST(NoteCipher, DeciphersDamagedGroups) {
    struct Case {
        std::string stored;
        std::string text;
    } cases[] = {
        {"04100", std::string("H") + static_cast<char>(0 ^ 98)},    // short last group "00" -> 0
        {"0411", std::string("H") + static_cast<char>(1 ^ 98)},     // short last group "1"
        {"x41", std::string(1, static_cast<char>(0 ^ 97))},         // no leading digit -> 0
        {"4x1", std::string(1, static_cast<char>(4 ^ 97))},         // leading digits only
        {"999", std::string(1, static_cast<char>((999 % 256) ^ 97))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(DecipherNote(c.stored, "abc"), c.text);
    }
}

TEST(NoteCipher, PasswordCharactersAreCharactersNotBytes) {
    EXPECT_EQ(NoteKeyOf("\xC3\xA4x"), "\xE4x");  // "äx": two key bytes, 228 and 'x'
    EXPECT_EQ(EncipherNote("a", NoteKeyOf("\xC3\xA4")), "133");
}

TEST(NoteFiles, WriteReadRoundTripPlainAndEnciphered) {
    TempFolder dir;
    const std::string path = dir.File("20170330.txt");
    const std::string text = "Arzt 9:30\r\nM\xC3\xBCller anrufen";  // Müller

    ASSERT_TRUE(WriteNoteFile(path, text, ""));
    EXPECT_EQ(dir.Get("20170330.txt"), "Arzt 9:30\r\nM\xFCller anrufen");
    EXPECT_EQ(ReadNoteFile(path, ""), text);

    const std::string key = NoteKeyOf("geheim");
    ASSERT_TRUE(WriteNoteFile(path, text, key));
    const std::string stored = dir.Get("20170330.txt");
    EXPECT_EQ(stored.size(), 3 * (text.size() - 1));  // ü is one character
    EXPECT_EQ(stored.find_first_not_of("0123456789"), std::string::npos);
    EXPECT_EQ(ReadNoteFile(path, key), text);

    ASSERT_TRUE(WriteNoteFile(path, "", key));
    EXPECT_FALSE(dir.Exists("20170330.txt"));
    EXPECT_TRUE(WriteNoteFile(path, "", key));  // deleting a missing note is no error
    EXPECT_EQ(ReadNoteFile(path, key), "");
}

TEST(NoteFiles, ReadLimitAppliesToTheText) {
    TempFolder dir;
    const std::string path = dir.File("1.jnt");
    const std::string key = NoteKeyOf("pw");
    const std::string longNote(8191, 'z');
    ASSERT_TRUE(WriteNoteFile(path, longNote, key));  // 24573 bytes on disk
    EXPECT_EQ(ReadNoteFile(path, key), longNote);
    ASSERT_TRUE(WriteNoteFile(path, longNote, ""));
    EXPECT_EQ(ReadNoteFile(path, ""), longNote);

    dir.Put("1.jnt", std::string(100000, '7'));  // a giant foreign file
    EXPECT_EQ(Utf8CharacterCount(ReadNoteFile(path, "")), kNoteReadLimit);
    EXPECT_EQ(Utf8CharacterCount(ReadNoteFile(path, key)), kNoteReadLimit);
}

TEST(NoteFiles, FailedWriteKeepsTheOldNote) {
    TempFolder dir;
    const std::string path = dir.File("1.jnt");
    ASSERT_TRUE(WriteNoteFile(path, "alt", ""));
    EXPECT_FALSE(WriteNoteFile(dir.File("missing/1.jnt"), "neu", ""));
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (::geteuid() != 0) {  // root ignores the permissions
        EXPECT_FALSE(WriteNoteFile(path, "neu", ""));
        EXPECT_FALSE(WriteNoteFile(path, "", ""));
    }
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(dir.Get("1.jnt"), "alt");
    EXPECT_EQ(dir.Count(), 1u);  // no temporary file left
}

}  // namespace
}  // namespace sk
