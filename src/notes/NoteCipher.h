#pragma once
// The optional cipher of note files. Texts and keys here are ISO 8859-1 byte
// strings (one byte per character, see Latin1.h): the cipher works on the
// character codes modulo 256.
//
// Each character becomes three decimal digits, (code XOR key byte) padded to
// 000-255; the key bytes are used in turn and wrap after the key's length.
// There is no marker in a file: with a key in force every file is deciphered,
// and a wrong key yields other characters without notice.

#include <string>
#include <string_view>

namespace sk {

// The key of a password typed as UTF-8 text: one byte per character (its
// code modulo 256), so "ä" is the single key byte 228.
std::string NoteKeyOf(std::string_view utf8Password);

// Both return the text unchanged when the key is empty.
std::string EncipherNote(std::string_view text, std::string_view key);
// Groups of three characters; a short last group is read by the digits it
// has, a group without leading digits has the value 0.
std::string DecipherNote(std::string_view stored, std::string_view key);

}  // namespace sk
