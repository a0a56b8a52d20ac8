#pragma once
// INI files the way the game's data files are written:
//   [SECTION]
//   KEY=value
// Section and key names compare without regard to case; the first matching
// section and the first matching key in it win; values are trimmed; a line
// without "=" never matches a key. Bytes pass through unchanged.
#include <string>
#include <string_view>

namespace plat {

// False (value cleared) when the file, the section or the key is missing.
bool IniRead(const std::string& path, std::string_view section, std::string_view key, std::string& value);

// Replaces the key's line in place, or appends the key after the section's
// last line, or appends a new section at the end of the file. Every other
// byte is kept. New files use CR LF; an existing file keeps its line ending.
// CR and LF inside the value are written as spaces. The file is replaced
// atomically.
bool IniWrite(const std::string& path, std::string_view section, std::string_view key, std::string_view value);

// The same edits on text in memory (the seam the file functions use).
bool IniReadText(std::string_view text, std::string_view section, std::string_view key, std::string& value);
std::string IniWriteText(std::string_view text, std::string_view section, std::string_view key, std::string_view value);

} // namespace plat
