#include "tools/embed/Manifest.h"

#include <fstream>
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
        if (ls >> e.width >> e.height) {
            if (ls >> e.cols >> e.rows)
                ls >> e.hotX >> e.hotY;
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
