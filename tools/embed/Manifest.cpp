#include "tools/embed/Manifest.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace manifest {

int KindCode(const std::string& kind)
{
    static const char* const kinds[] = {"bitmap", "wave", "cursor", "icon", "mesh"};
    for (int i = 0; i < 5; ++i)
        if (kind == kinds[i])
            return i;
    return -1;
}

std::vector<Entry> Read(const std::string& path, std::string& error)
{
    std::vector<Entry> out;
    std::ifstream in(path);
    if (!in) {
        error = "cannot open " + path;
        return out;
    }
    std::string text;
    int lineNo = 0;
    while (std::getline(in, text)) {
        ++lineNo;
        std::size_t first = text.find_first_not_of(" \t\r");
        if (first == std::string::npos || text[first] == '#')
            continue;
        std::istringstream ls(text);
        Entry e;
        e.line = lineNo;
        if (!(ls >> e.kind >> e.id >> e.name >> e.source) || KindCode(e.kind) < 0) {
            error = path + ":" + std::to_string(lineNo) + ": malformed line";
            return out;
        }
        if (e.name == "-")
            e.name.clear();
        // The optional numbers come in pairs, each a whole number: a typo must
        // stop the build rather than turn into a size or frame count of 0.
        std::vector<long> numbers;
        bool ok = true;
        for (std::string token; ok && ls >> token;) {
            char* end = nullptr;
            numbers.push_back(std::strtol(token.c_str(), &end, 10));
            ok = *end == '\0' && numbers.back() >= INT_MIN && numbers.back() <= INT_MAX;
        }
        int* const fields[] = {&e.width, &e.height, &e.cols, &e.rows, &e.hotX, &e.hotY};
        ok = ok && numbers.size() % 2 == 0 && numbers.size() <= std::size(fields);
        for (std::size_t i = 0; ok && i < numbers.size(); ++i)
            *fields[i] = int(numbers[i]);
        if (!ok || e.cols <= 0 || e.rows <= 0) {
            error = path + ":" + std::to_string(lineNo) + ": malformed numbers";
            return out;
        }
        if (e.source.rfind("svg:", 0) == 0 && (e.width <= 0 || e.height <= 0)) {
            error = path + ":" + std::to_string(lineNo) + ": an SVG needs a size";
            return out;
        }
        out.push_back(e);
    }
    return out;
}

std::string BuiltPath(const Entry& e, const std::string& resourcesDir, const std::string& buildResDir)
{
    if (e.source.rfind("svg:", 0) == 0)
        return buildResDir + "/svg/" + e.kind + "_" + std::to_string(e.id) + ".png";
    if (e.source.rfind("gen:", 0) == 0)
        return buildResDir + "/" + e.source.substr(4);
    if (e.source.rfind("file:", 0) == 0)
        return resourcesDir + "/" + e.source.substr(5);
    return {};
}

} // namespace manifest
