#include "platform/Locale.h"

#include <cstdlib>

namespace plat {
namespace {

int g_langOverride = 0;

// Unicode code points of bytes 0x80..0x9F; 0 marks the five unused bytes,
// which pass through as the C1 control of the same number.
const char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CodePoint(unsigned char b)
{
    if (b >= 0x80 && b < 0xA0 && kHigh[b - 0x80])
        return kHigh[b - 0x80];
    return b;
}

void PutUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

} // namespace

int LanguageIdFromLocale(std::string_view locale)
{
    if (locale.substr(0, 2) != "it")
        return kLangEnglish;
    std::string_view rest = locale.substr(2);
    if (rest.empty() || rest[0] == '.' || rest[0] == '@')
        return kLangItalian;
    if (rest.substr(0, 3) == "_IT")
        return kLangItalian;
    if (rest.substr(0, 3) == "_CH")
        return kLangItalianSwiss;
    return kLangEnglish;
}

int UserLanguageId()
{
    if (g_langOverride)
        return g_langOverride;
    for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* v = std::getenv(var); v && *v)
            return LanguageIdFromLocale(v);
    return kLangEnglish;
}

void SetUserLanguageForTests(int id) { g_langOverride = id; }

std::string Cp1252ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char c : text)
        PutUtf8(out, CodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        char32_t cp;
        std::size_t len;
        if (b < 0x80) {
            cp = b;
            len = 1;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            len = 2;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            len = 3;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            len = 4;
        } else {
            out += '?';
            ++i;
            continue;
        }
        // A cut or malformed sequence, or an overlong form (which could
        // smuggle a NUL or a line break in), is one unknown character.
        static const char32_t kShortest[5] = {0, 0, 0x80, 0x800, 0x10000};
        bool valid = i + len <= text.size();
        for (std::size_t k = 1; valid && k < len; ++k) {
            unsigned char c = static_cast<unsigned char>(text[i + k]);
            valid = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (!valid || cp < kShortest[len]) {
            out += '?';
            ++i;
            continue;
        }
        i += len;
        char mapped = '?';
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            mapped = char(cp);
        } else {
            for (int k = 0; k < 32; ++k)
                if (kHigh[k] == cp || (kHigh[k] == 0 && cp == char32_t(0x80 + k)))
                    mapped = char(0x80 + k);
        }
        out += mapped;
    }
    return out;
}

} // namespace plat
