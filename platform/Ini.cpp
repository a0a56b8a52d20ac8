#include "platform/Ini.h"

#include "platform/Files.h"

#include <cctype>
#include <vector>

namespace plat {
namespace {

struct Line {
    std::size_t begin, end;     // the line's text, without its line break
    std::size_t next;           // where the next line starts
};

std::vector<Line> SplitLines(std::string_view text)
{
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::size_t end = nl == std::string_view::npos ? text.size() : nl;
        std::size_t next = nl == std::string_view::npos ? text.size() : nl + 1;
        if (end > pos && text[end - 1] == '\r')
            --end;
        lines.push_back({pos, end, next});
        pos = next;
    }
    return lines;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The section name of a "[name]" line, or false.
bool SectionName(std::string_view line, std::string_view& name)
{
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return false;
    std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return false;
    name = Trim(line.substr(1, close - 1));
    return true;
}

bool KeyLine(std::string_view line, std::string_view& key, std::string_view& value)
{
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return false;
    key = Trim(line.substr(0, eq));
    value = Trim(line.substr(eq + 1));
    return true;
}

struct Found {
    long section = -1;      // index of the section's header line
    long lastLine = -1;     // last non-blank line of the section (the header when empty)
    long key = -1;          // index of the key's line
};

Found Locate(std::string_view text, const std::vector<Line>& lines, std::string_view section, std::string_view key)
{
    Found f;
    bool inside = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = text.substr(lines[i].begin, lines[i].end - lines[i].begin);
        std::string_view name;
        if (SectionName(line, name)) {
            if (inside)
                break; // the first matching section ends here
            if (SameName(name, section)) {
                inside = true;
                f.section = f.lastLine = long(i);
            }
            continue;
        }
        if (!inside)
            continue;
        if (!Trim(line).empty())
            f.lastLine = long(i);
        std::string_view k, v;
        if (f.key < 0 && KeyLine(line, k, v) && SameName(k, key))
            f.key = long(i);
    }
    return f;
}

std::string CleanValue(std::string_view value)
{
    std::string v(value);
    for (char& c : v)
        if (c == '\r' || c == '\n')
            c = ' ';
    return v;
}

// Only a line feed breaks a line: a text ending in a lone carriage return
// has its line completed (the CR kept), so what follows starts a line of its
// own instead of running on into the last value.
void EndLastLine(std::string& out, const std::string& eol)
{
    if (out.empty() || out.back() == '\n')
        return;
    if (out.back() == '\r')
        out.push_back('\n');
    else
        out.append(eol);
}

} // namespace

bool IniReadText(std::string_view text, std::string_view section, std::string_view key, std::string& value)
{
    value.clear();
    auto lines = SplitLines(text);
    Found f = Locate(text, lines, section, key);
    if (f.key < 0)
        return false;
    const Line& l = lines[std::size_t(f.key)];
    std::string_view k, v;
    KeyLine(text.substr(l.begin, l.end - l.begin), k, v);
    value.assign(v);
    return true;
}

std::string IniWriteText(std::string_view text, std::string_view section, std::string_view key, std::string_view value)
{
    std::string eol = "\r\n";
    if (std::size_t nl = text.find('\n'); nl != std::string_view::npos)
        eol = (nl > 0 && text[nl - 1] == '\r') ? "\r\n" : "\n";
    const std::string keyLine = std::string(key) + "=" + CleanValue(value);

    auto lines = SplitLines(text);
    Found f = Locate(text, lines, section, key);
    std::string out;
    if (f.key >= 0) {
        const Line& l = lines[std::size_t(f.key)];
        out.append(text.substr(0, l.begin)).append(keyLine).append(text.substr(l.end));
    } else if (f.section >= 0) {
        const Line& l = lines[std::size_t(f.lastLine)];
        out.append(text.substr(0, l.next));
        EndLastLine(out, eol);
        out.append(keyLine).append(eol).append(text.substr(l.next));
    } else {
        out.assign(text);
        EndLastLine(out, eol);
        out.append("[").append(section).append("]").append(eol).append(keyLine).append(eol);
    }
    return out;
}

bool IniRead(const std::string& path, std::string_view section, std::string_view key, std::string& value)
{
    std::string text;
    if (!ReadWholeFile(path, text)) {
        value.clear();
        return false;
    }
    return IniReadText(text, section, key, value);
}

bool IniWrite(const std::string& path, std::string_view section, std::string_view key, std::string_view value)
{
    std::string text;
    if (PathExists(path) && !ReadWholeFile(path, text))
        return false; // never replace a file we could not read
    return WriteFileAtomic(path, IniWriteText(text, section, key, value));
}

} // namespace plat
