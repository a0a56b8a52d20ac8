#pragma once
// Where picture tests keep what they draw for a person to look at: next to
// the test program in the build folder, or in the system's temporary folder
// when the program's own path cannot be read. Never the working directory.
#include <filesystem>
#include <string>

namespace testing_support {

inline std::string BuildFolderFile(const char* name)
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return (exe.parent_path() / name).string();
    return (std::filesystem::temp_directory_path() / name).string();
}

} // namespace testing_support
