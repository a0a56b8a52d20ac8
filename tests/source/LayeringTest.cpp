// The source tree keeps its rooms in order: a folder includes only the
// folders below it, and only platform/ sees SDL. Read from the tree itself,
// so a new file that reaches upward fails here before anyone builds on it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Bottom to top. A room may include its own files and any room before it.
const std::vector<std::string> kRooms = {
    "platform", "shell", "gui", "world", "simulation/tackle", "simulation/scene", "simulation/session", "screens", "app",
};

int RoomOf(const std::string& path)
{
    // The longest matching prefix wins, so "simulation/scene/x.h" is scene.
    int best = -1;
    std::size_t bestLen = 0;
    for (std::size_t i = 0; i < kRooms.size(); ++i) {
        const std::string prefix = kRooms[i] + "/";
        if (path.compare(0, prefix.size(), prefix) == 0 && prefix.size() > bestLen) {
            best = int(i);
            bestLen = prefix.size();
        }
    }
    return best;
}

struct Include {
    std::string file;
    int line;
    std::string target;
};

std::vector<Include> IncludesUnder(const fs::path& root, const std::string& room)
{
    std::vector<Include> out;
    const std::regex quoted(R"(^\s*#\s*include\s*[<"]([^">]+)[">])");
    for (const auto& e : fs::recursive_directory_iterator(root / room)) {
        const auto ext = e.path().extension();
        if (!e.is_regular_file() || (ext != ".h" && ext != ".cpp"))
            continue;
        std::ifstream in(e.path());
        std::string text;
        for (int n = 1; std::getline(in, text); ++n) {
            std::smatch m;
            if (std::regex_search(text, m, quoted))
                out.push_back({fs::relative(e.path(), root).generic_string(), n, m[1]});
        }
    }
    return out;
}

} // namespace

TEST(LayeringTest, EveryRoomIncludesOnlyItselfAndTheRoomsBelow)
{
    const fs::path root = KARVELIN_SOURCE_DIR;
    std::vector<std::string> faults;
    std::size_t checked = 0;
    for (std::size_t r = 0; r < kRooms.size(); ++r) {
        for (const Include& inc : IncludesUnder(root, kRooms[r])) {
            ++checked;
            if (inc.target.rfind("SDL", 0) == 0 && kRooms[r] != "platform")
                faults.push_back(inc.file + ":" + std::to_string(inc.line) + " includes SDL outside platform/");
            const int target = RoomOf(inc.target);
            if (target > int(r))
                faults.push_back(inc.file + ":" + std::to_string(inc.line) + " reaches up to " + inc.target);
            if (inc.target.rfind("simulation/", 0) == 0 && target < 0)
                faults.push_back(inc.file + ":" + std::to_string(inc.line) + " includes " + inc.target +
                                 ", outside the simulation's three rooms");
        }
    }
    EXPECT_GT(checked, 500u) << "the tree was not found under " << root;
    for (const std::string& f : faults)
        ADD_FAILURE() << f;
}

TEST(LayeringTest, SimulationHasExactlyItsThreeRooms)
{
    const fs::path sim = fs::path(KARVELIN_SOURCE_DIR) / "simulation";
    std::vector<std::string> loose;
    for (const auto& e : fs::directory_iterator(sim)) {
        const std::string name = e.path().filename().string();
        if (e.is_directory() && (name == "tackle" || name == "scene" || name == "session"))
            continue;
        if (name == "CMakeLists.txt")
            continue;
        loose.push_back(name);
    }
    EXPECT_TRUE(loose.empty()) << "simulation/ holds " << loose.size() << " entries outside its rooms, the first "
                               << (loose.empty() ? "" : loose.front());
}
