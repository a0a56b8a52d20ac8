#pragma once
// Reading the shipped data files as plain text, for the content tests: one
// INI file per item, a single section, "KEY=value" lines in CR LF.
#include "platform/Files.h"

#include <map>
#include <string>
#include <vector>

namespace data_test {

// The program folder of the source tree and the generator's copy of the
// shipped photos (both set by the build).
inline std::string DataDir() { return KARVELIN_DATA_DIR; }
inline std::string GeneratedDataDir() { return std::string(KARVELIN_TACKLE_RES_DIR) + "/data"; }

struct DataFile {
    std::string name;                          // file name with extension
    std::vector<std::string> sections;         // in file order
    std::map<std::string, std::map<std::string, std::string>> keys; // section -> key -> value
    std::vector<std::string> problems;         // lines that are not sections or keys, repeated keys, LF without CR
};

inline DataFile ReadDataFile(const std::string& folder, const std::string& name)
{
    DataFile f;
    f.name = name;
    std::string text;
    if (!plat::ReadWholeFile(folder + "/" + name, text)) {
        f.problems.push_back("cannot read");
        return f;
    }
    std::string current;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        if (nl == std::string::npos) {
            f.problems.push_back("last line without a line break");
            nl = text.size();
        } else if (nl == 0 || text[nl - 1] != '\r') {
            f.problems.push_back("line without CR LF");
        }
        std::string line = text.substr(pos, nl - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        pos = nl + 1;
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            current = line.substr(1, line.size() - 2);
            f.sections.push_back(current);
            continue;
        }
        std::size_t eq = line.find('=');
        if (current.empty() || eq == std::string::npos || eq == 0) {
            f.problems.push_back("stray line: " + line);
            continue;
        }
        std::string key = line.substr(0, eq);
        if (f.keys[current].count(key))
            f.problems.push_back("repeated key " + key);
        f.keys[current][key] = line.substr(eq + 1);
    }
    return f;
}

// A plain decimal integer, nothing before or after it.
inline bool ParseInt(const std::string& s, int& out)
{
    if (s.empty() || s.size() > 9)
        return false;
    std::size_t i = s[0] == '-' ? 1 : 0;
    if (i == s.size())
        return false;
    for (std::size_t k = i; k < s.size(); ++k)
        if (s[k] < '0' || s[k] > '9')
            return false;
    out = std::stoi(s);
    return true;
}

} // namespace data_test
