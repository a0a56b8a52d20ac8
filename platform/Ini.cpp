#include "platform/Ini.h"

#include "platform/Files.h"

#include <cctype>

namespace plat {
namespace {

// Calls f(begin, end, next) for each line: its text without the line break,
// and where the next line starts. Only a line feed breaks a line.
template <typename F>
void ForEachLine(std::string_view text, F&& f)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::size_t end = nl == std::string_view::npos ? text.size() : nl;
        std::size_t next = nl == std::string_view::npos ? text.size() : nl + 1;
        if (end > pos && text[end - 1] == '\r')
            --end;
        f(pos, end, next);
        pos = next;
    }
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

// A line of the text: its text without the line break, and where the next
// line starts.
struct Line {
    std::size_t begin = 0, end = 0, next = 0;
};

struct Found {
    bool section = false;   // the section was found
    Line lastLine;          // its last non-blank line (the header when empty)
    bool key = false;       // the key was found
    Line keyLine;
};

Found Locate(std::string_view text, std::string_view section, std::string_view key)
{
    Found f;
    bool inside = false, done = false;
    ForEachLine(text, [&](std::size_t begin, std::size_t end, std::size_t next) {
        if (done)
            return;
        std::string_view line = text.substr(begin, end - begin);
        std::string_view name;
        if (SectionName(line, name)) {
            if (inside) {
                done = true; // the first matching section ends here
                return;
            }
            if (SameName(name, section)) {
                inside = f.section = true;
                f.lastLine = {begin, end, next};
            }
            return;
        }
        if (!inside)
            return;
        if (!Trim(line).empty())
            f.lastLine = {begin, end, next};
        std::string_view k, v;
        if (!f.key && KeyLine(line, k, v) && SameName(k, key)) {
            f.key = true;
            f.keyLine = {begin, end, next};
        }
    });
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
    bool closed = false;  // after the first section of a name, until the next header
    bool growing = false; // the last entry is the section's last line and may take the next stray one
    std::string pending;  // lines nothing points at, waiting for the entry they precede
    auto add = [&](std::string_view line, std::string_view brk) {
        m_lines.push_back(IniDocument::Line{std::string(line), std::string(brk), std::move(pending)});
        pending.clear();
        return std::prev(m_lines.end());
    };
    ForEachLine(text, [&](std::size_t begin, std::size_t end, std::size_t next) {
        const std::string_view line = text.substr(begin, end - begin);
        const std::string_view brk = text.substr(end, next - end);
        std::string_view name;
        if (SectionName(line, name)) {
            auto [it, added] = m_sections.try_emplace(UpperName(name));
            inside = added ? &it->second : nullptr;
            closed = !added;
            growing = false;
            if (added)
                it->second.last = add(line, brk);
            else
                pending.append(line).append(brk);
            return;
        }
        const bool blank = Trim(line).empty();
        std::string_view k, v;
        if (inside && !closed && KeyLine(line, k, v)) {
            auto [it, added] = inside->keys.try_emplace(UpperName(k));
            if (added) {
                it->second = inside->last = add(line, brk);
                growing = false;
                return;
            }
        }
        if (!inside || closed || blank) {
            pending.append(line).append(brk);
            return;
        }
        // A stray non-blank line ends the section so far: new keys go after it.
        if (growing) {
            Line& last = m_lines.back();
            last.text.append(last.brk).append(pending).append(line);
            last.brk.assign(brk);
            pending.clear();
            return;
        }
        inside->last = add(line, brk);
        growing = true;
    });
    if (!pending.empty()) {
        // The file's last lines: the last one keeps its own break, which a
        // new section at the end completes.
        const std::size_t searchEnd = pending.back() == '\n' ? pending.size() - 1 : pending.size();
        std::size_t lastStart = searchEnd == 0 ? std::string::npos : pending.rfind('\n', searchEnd - 1);
        lastStart = lastStart == std::string::npos ? 0 : lastStart + 1;
        std::string tail = pending.substr(lastStart);
        pending.resize(lastStart);
        std::size_t textEnd = tail.size();
        if (textEnd > 0 && tail[textEnd - 1] == '\n')
            --textEnd;
        if (textEnd > 0 && tail[textEnd - 1] == '\r')
            --textEnd;
        add(std::string_view(tail).substr(0, textEnd), std::string_view(tail).substr(textEnd));
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
        const LineRef added = m_lines.insert(std::next(s->second.last), Line{keyLine, m_eol, {}});
        m_size += keyLine.size() + m_eol.size();
        s->second.last = added;
        s->second.keys.try_emplace(UpperName(key), added);
        return;
    }
    if (!m_lines.empty())
        EndLine(m_lines.back());
    m_lines.push_back({header, m_eol, {}});
    m_lines.push_back({keyLine, m_eol, {}});
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
        out.append(l.prefix).append(l.text).append(l.brk);
    return out;
}

bool IniReadText(std::string_view text, std::string_view section, std::string_view key, std::string& value)
{
    value.clear();
    const Found f = Locate(text, section, key);
    if (!f.key)
        return false;
    const Line& l = f.keyLine;
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

    const Found f = Locate(text, section, key);
    std::string out;
    if (f.key) {
        const Line& l = f.keyLine;
        out.append(text.substr(0, l.begin)).append(keyLine).append(text.substr(l.end));
    } else if (f.section) {
        const Line& l = f.lastLine;
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
