#pragma once
// INI files the way the game's data files are written:
//   [SECTION]
//   KEY=value
// Section and key names compare without regard to case; the first matching
// section and the first matching key in it win; values are trimmed; a line
// without "=" never matches a key. Bytes pass through unchanged.
#include <list>
#include <map>
#include <string>
#include <string_view>

namespace plat {

// One INI text parsed once: reads are look-ups, writes edit the one line
// concerned, so neither grows with the size of the file. Every read and
// write gives exactly what IniReadText and IniWriteText give on the text.
class IniDocument {
public:
    IniDocument() = default;
    // The index points into the lines: a copy is parsed afresh.
    IniDocument(const IniDocument& other) { Parse(other.Text()); }
    IniDocument& operator=(const IniDocument& other)
    {
        if (this != &other)
            Parse(other.Text());
        return *this;
    }
    IniDocument(IniDocument&&) = default;
    IniDocument& operator=(IniDocument&&) = default;

    void Parse(std::string_view text);
    bool Get(std::string_view section, std::string_view key, std::string& value) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);
    std::string Text() const;
    std::size_t Size() const { return m_size; } // bytes of Text()
    bool Empty() const { return m_lines.empty(); }

private:
    // A line the index points at (a section's header, a key, a section's
    // last non-blank line), with the lines before it that nothing points at
    // kept whole in its prefix, so blank and stray lines cost only their
    // bytes. A section's run of stray lines is one entry.
    struct Line {
        std::string text;   // without its line break
        std::string brk;    // "\r\n", "\n", "\r" or "" (the last line)
        std::string prefix; // the lines before it, with their breaks
    };
    using LineRef = std::list<Line>::iterator;
    struct Section {
        LineRef last;                        // last non-blank line (the header when empty)
        std::map<std::string, LineRef> keys; // the first line of each key, by upper-cased name
    };
    void EndLine(Line& line);

    std::list<Line> m_lines;
    std::map<std::string, Section> m_sections; // the first section of each name, upper-cased
    std::string m_eol = "\r\n";
    std::size_t m_size = 0;
};

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
