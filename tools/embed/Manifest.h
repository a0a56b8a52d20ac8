#pragma once
// The resource manifest: one line per embedded resource.
//
//   kind  id  name  source  [width height [cols rows [hotx hoty]]]
//
// kind    bitmap | wave | cursor | icon | mesh
// id      number (bitmap, cursor, icon and mesh ids; the slot for a wave)
// name    symbolic name, or - for none
// source  svg:<path under resources/>   rasterised at width x height
//         gen:<generator>/<file>        written by tools/gen_<generator>
//         file:<path under resources/>  embedded as it is
// The numbers after the source come in pairs; anything else there, or a
// frame count below 1, is an error. Blank lines and lines starting with #
// are ignored.
#include <string>
#include <vector>

namespace manifest {

struct Entry {
    std::string kind;
    int id = 0;
    std::string name;
    std::string source;
    int width = 0, height = 0;
    int cols = 1, rows = 1;
    int hotX = 0, hotY = 0;
    int line = 0;
};

// Parses the file; on a malformed line, sets error and returns what was read so far.
std::vector<Entry> Read(const std::string& path, std::string& error);

int KindCode(const std::string& kind); // -1 when unknown

// Where the build puts the file that gets embedded for this entry.
std::string BuiltPath(const Entry& e, const std::string& resourcesDir, const std::string& buildResDir);

} // namespace manifest
