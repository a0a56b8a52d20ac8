// Windows-1252 and UTF-8 conversions (file texts on the way to the screen,
// typed text on the way into files). Every Windows-1252 text survives the
// round trip through UTF-8; no UTF-8 text can smuggle a NUL or a line break
// into Windows-1252.
#include "fuzz/FuzzSupport.h"
#include "platform/Locale.h"

#include <algorithm>

namespace {

bool ValidUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        const std::size_t len = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
        if (len == 0 || i + len > s.size())
            return false;
        for (std::size_t k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += len;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::TimeBound bound(data, size);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string utf8 = plat::Cp1252ToUtf8(bytes);
    fuzz::Check(ValidUtf8(utf8), "Windows-1252 becomes valid UTF-8", bytes);
    fuzz::Check(plat::Utf8ToCp1252(utf8) == bytes, "Windows-1252 survives the round trip", bytes);

    const std::string narrow = plat::Utf8ToCp1252(bytes);
    fuzz::Check(narrow.size() <= bytes.size(), "UTF-8 never grows into Windows-1252", bytes);
    for (char c : {'\0', '\n', '\r'})
        fuzz::Check(std::count(narrow.begin(), narrow.end(), c) == std::count(bytes.begin(), bytes.end(), c),
                    "no NUL or line break appears from a longer sequence", bytes);
    return 0;
}
