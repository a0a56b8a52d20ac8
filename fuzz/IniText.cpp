// INI text as players' data files and settings hold it. Whatever the text, a
// write of a clean key and value reads back, leaves every other key as it
// was, and writing the same again changes nothing.
#include "fuzz/FuzzSupport.h"
#include "platform/Ini.h"

#include <cctype>
#include <utility>
#include <vector>

namespace {

// A short name from a small alphabet, so names often meet those in the text.
std::string Name(fuzz::Input& in, bool mayBeEmpty)
{
    static const char kAlphabet[] = "SsKkA1_";
    std::string name;
    const int length = in.Byte() % 4 + (mayBeEmpty ? 0 : 1);
    for (int i = 0; i < length; ++i)
        name += kAlphabet[in.Byte() % (sizeof kAlphabet - 1)];
    return name;
}

bool Same(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

// Every (section, key) the text seems to hold, read the simple way.
std::vector<std::pair<std::string, std::string>> Keys(std::string_view text)
{
    std::vector<std::pair<std::string, std::string>> keys;
    std::string section;
    std::size_t pos = 0;
    while (pos < text.size() && keys.size() < 64) {
        std::size_t nl = text.find('\n', pos);
        std::string_view line = Trim(text.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos));
        pos = nl == std::string_view::npos ? text.size() : nl + 1;
        if (!line.empty() && line.front() == '[') {
            std::size_t close = line.find(']');
            if (close != std::string_view::npos)
                section = Trim(line.substr(1, close - 1));
        } else if (std::size_t eq = line.find('='); eq != std::string_view::npos) {
            keys.emplace_back(section, std::string(Trim(line.substr(0, eq))));
        }
    }
    return keys;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::TimeBound bound(data, size);
    fuzz::Input in{data, size};
    const std::string section = Name(in, true);
    const std::string key = Name(in, false);
    const std::string value = "v" + Name(in, true);
    const std::string_view text = in.Rest();

    const std::string written = plat::IniWriteText(text, section, key, value);
    std::string back;
    fuzz::Check(plat::IniReadText(written, section, key, back) && back == value, "a written key reads back", written);
    for (const auto& [s, k] : Keys(text)) {
        if (Same(s, section) && Same(k, key))
            continue;
        std::string before, after;
        const bool had = plat::IniReadText(text, s, k, before);
        const bool has = plat::IniReadText(written, s, k, after);
        fuzz::Check(had == has && before == after, "every other key reads as before", written);
    }
    fuzz::Check(plat::IniWriteText(written, section, key, value) == written, "writing the same again changes nothing",
                written);

    // The parsed document answers and edits exactly as the text functions
    // do, also after a few edits in a row, and knows its own size.
    plat::IniDocument doc;
    doc.Parse(text);
    std::string now(text);
    for (int edit = 0; edit < 3; ++edit) {
        const std::string s = edit == 0 ? section : Name(in, true);
        const std::string k = edit == 0 ? key : Name(in, false) + (in.Byte() % 4 == 0 ? " " : "");
        const std::string v = "w" + Name(in, true);
        for (const auto& [ks, kk] : Keys(now)) {
            std::string fromText, fromDoc;
            const bool a = plat::IniReadText(now, ks, kk, fromText);
            const bool b = doc.Get(ks, kk, fromDoc);
            fuzz::Check(a == b && fromText == fromDoc, "the document reads as the text", now);
        }
        now = plat::IniWriteText(now, s, k, v);
        doc.Set(s, k, v);
        const std::string docText = doc.Text();
        fuzz::Check(docText == now, "the document writes as the text", now);
        fuzz::Check(doc.Size() == now.size(), "the document knows its size", now);
    }
    return 0;
}
