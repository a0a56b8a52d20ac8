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

std::string UpperName(std::string_view s)
{
    std::string u(s);
    for (char& c : u)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

} // namespace

void IniDocument::Parse(std::string_view text)
{
    m_lines.clear();
    m_sections.clear();
    m_size = text.size();
    m_eol = "\r\n";
    if (std::size_t nl = text.find('\n'); nl != std::string_view::npos)
        m_eol = (nl > 0 && text[nl - 1] == '\r') ? "\r\n" : "\n";
    Section* inside = nullptr;
    bool closed = false; // after the first section of a name, until the next header
    for (const auto& l : SplitLines(text)) {
        m_lines.push_back(IniDocument::Line{std::string(text.substr(l.begin, l.end - l.begin)),
                                            std::string(text.substr(l.end, l.next - l.end))});
        const LineRef ref = std::prev(m_lines.end());
        std::string_view line = ref->text;
        std::string_view name;
        if (SectionName(line, name)) {
            auto [it, added] = m_sections.try_emplace(UpperName(name));
            inside = added ? &it->second : nullptr;
            if (added)
                it->second.last = ref;
            closed = !added;
            continue;
        }
        if (!inside || closed)
            continue;
        if (!Trim(line).empty())
            inside->last = ref;
        std::string_view k, v;
        if (KeyLine(line, k, v))
            inside->keys.try_emplace(UpperName(k), ref);
    }
}

bool IniDocument::Get(std::string_view section, std::string_view key, std::string& value) const
{
    value.clear();
    auto s = m_sections.find(UpperName(section));
    if (s == m_sections.end())
        return false;
    auto k = s->second.keys.find(UpperName(key));
    if (k == s->second.keys.end())
        return false;
    std::string_view name, v;
    KeyLine(k->second->text, name, v);
    value.assign(v);
    return true;
}

// Completes a line that has no line feed, as EndLastLine does on text.
void IniDocument::EndLine(Line& line)
{
    if (line.brk.empty() ? false : line.brk.back() == '\n')
        return;
    const std::string before = line.brk;
    line.brk = line.brk == "\r" ? "\r\n" : m_eol;
    m_size += line.brk.size() - before.size();
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string keyLine = std::string(key) + "=" + CleanValue(value);
    // Names that read back as other names (blanks around them, brackets,
    // line breaks, an "=" in the key) take the slow way: the text is
    // written and parsed again, so the index always says what a reader
    // of the text would find.
    std::string_view readKey, readValue, readSection;
    std::string header;
    header.reserve(section.size() + 2);
    header.append("[").append(section).append("]");
    const bool plain = section.find_first_of("\r\n") == std::string_view::npos &&
                       key.find_first_of("\r\n") == std::string_view::npos && KeyLine(keyLine, readKey, readValue) &&
                       readKey == key && !SectionName(keyLine, readSection) && SectionName(header, readSection) &&
                       readSection == section;
    if (!plain) {
        Parse(IniWriteText(Text(), section, key, value));
        return;
    }
    const std::string upperSection = UpperName(section);
    auto s = m_sections.find(upperSection);
    if (s != m_sections.end()) {
        auto k = s->second.keys.find(UpperName(key));
        if (k != s->second.keys.end()) {
            m_size += keyLine.size();
            m_size -= k->second->text.size();
            k->second->text = keyLine;
            return;
        }
        EndLine(*s->second.last);
        const LineRef added = m_lines.insert(std::next(s->second.last), Line{keyLine, m_eol});
        m_size += keyLine.size() + m_eol.size();
        s->second.last = added;
        s->second.keys.try_emplace(UpperName(key), added);
        return;
    }
    if (!m_lines.empty())
        EndLine(m_lines.back());
    m_lines.push_back({header, m_eol});
    m_lines.push_back({keyLine, m_eol});
    m_size += header.size() + keyLine.size() + 2 * m_eol.size();
    Section& added = m_sections[upperSection];
    added.last = std::prev(m_lines.end());
    added.keys.try_emplace(UpperName(key), added.last);
}

std::string IniDocument::Text() const
{
    std::string out;
    out.reserve(m_size);
    for (const Line& l : m_lines)
        out.append(l.text).append(l.brk);
    return out;
}

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
