#pragma once
// Text conversion at the note-file boundary, and the one UTF-8 decoder the
// settings file and the input fields count and cut characters with. In
// memory (towards the windows and the command line) texts are UTF-8; a note
// file holds one byte per character, ISO 8859-1.
//
// Characters above U+00FF cannot be stored in one byte. The file format keeps
// the low byte of such a character, so they come back as other characters;
// the editors refuse such texts with `IsStorableNoteText` before saving.
// Bytes that are not valid UTF-8 are taken as the ISO 8859-1 character of the
// byte value, so no input is ever dropped.

#include <cstddef>
#include <string>
#include <string_view>

namespace sk {

std::string Latin1ToUtf8(std::string_view latin1);
// One byte per character: the character code modulo 256.
std::string Utf8ToLatin1(std::string_view utf8);

// True when the text is valid UTF-8 and every character is U+0000 ... U+00FF,
// so it survives a round trip through a note file unchanged.
bool IsStorableNoteText(std::string_view utf8);

// Length of the valid UTF-8 sequence at the start of a non-empty text, or 0.
std::size_t ValidUtf8SequenceLength(std::string_view s);

// Number of characters (code points; a stray byte counts as one).
std::size_t Utf8CharacterCount(std::string_view utf8);
// The first maxCharacters characters of a text.
std::string_view Utf8Prefix(std::string_view utf8, std::size_t maxCharacters);

// A piece of untrusted text as a message may quote it: at most 60
// characters ("…" where cut), each invalid byte and control character shown
// as "?", in German quotation marks.
inline constexpr std::size_t kQuotedPieceCharacters = 60;
std::string QuotedPiece(std::string_view text);
// The same for a path, which is cut at its start: its end names the file.
std::string QuotedPathPiece(std::string_view path);

}  // namespace sk
