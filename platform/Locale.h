#pragma once
// The user's language and the Windows-1252 text encoding that the game's
// texts and data files use.
#include <string>
#include <string_view>

namespace plat {

constexpr int kLangItalian = 0x410;
constexpr int kLangItalianSwiss = 0x810;
constexpr int kLangEnglish = 0x409;

// From LC_ALL, then LC_MESSAGES, then LANG: it_IT and bare it give 0x410,
// it_CH 0x810, anything else English.
int UserLanguageId();
// Test seam: a language id to report instead (0 restores the real one).
void SetUserLanguageForTests(int id);
// The rule itself, for one locale name such as "it_IT.UTF-8".
int LanguageIdFromLocale(std::string_view locale);

std::string Cp1252ToUtf8(std::string_view text);
// Characters with no Windows-1252 form become '?'.
std::string Utf8ToCp1252(std::string_view text);

} // namespace plat
