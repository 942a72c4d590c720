#pragma once
// The text form of "Einstellungen.dat": a strict writer and a lenient reader.
//
// Written: UTF-8 mark and an empty first line, "[group]" lines, "key = value"
// lines in a fixed order, LF line ends. Read: UTF-8 when the file starts with
// the mark, ISO 8859-1 otherwise; LF, CR or CR LF; keys and group names
// compared without regard to ASCII case.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/Settings.h"

namespace sk {

// "Fontname" and "Ortsname" are cut to this many characters on writing and
// on reading.
inline constexpr std::size_t kMaxSettingsNameCharacters = 200;

// The whole file content as the writer produces it.
std::string FormatSettingsFile(const Settings& s);

// Reads the file content; every key that is missing, or whose group is
// missing, takes its value from `defaults`.
Settings ParseSettingsFile(std::string_view bytes, const Settings& defaults);

// Value forms, shared with the tests and the fuzz target.
std::string FormatFloat32(float v);   // "1982.760010", "+Infinity", "NaN"
std::string FormatFloat64(double v);  // "%.64g" form, "." as separator
// Decimal integer with optional sign, blanks around it allowed; anything
// else (including values beyond 32 bits) reads as 0.
std::int32_t ParseIntegerValue(std::string_view text);
// "+Infinity", "-Infinity", "NaN" (any case) or a decimal number with "."
// (an exponent is accepted, as the writer may produce one); anything else is 0.
double ParseFloatValue(std::string_view text);

// Keeps valid UTF-8 sequences; every byte that is not part of one is taken
// as an ISO 8859-1 character, so the result is always valid UTF-8.
std::string RepairUtf8(std::string_view bytes);

// A parsed INI text: groups in file order with their key lines.
struct IniEntry {
    std::string key;
    std::string value;  // as it stands after "=", untrimmed
};
struct IniGroup {
    std::string name;
    std::vector<IniEntry> entries;
};
struct IniDocument {
    std::vector<IniEntry> beforeFirstGroup;
    std::vector<IniGroup> groups;

    // The value of the first matching key of the first matching group.
    std::optional<std::string_view> Find(std::string_view group, std::string_view key) const;
};
// `text` is UTF-8 (already decoded).
IniDocument ParseIni(std::string_view text);
// Decodes a file's bytes as the reader does (mark, ISO 8859-1 fallback).
std::string DecodeSettingsBytes(std::string_view bytes);

}  // namespace sk
