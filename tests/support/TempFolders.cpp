#include "tests/support/TempFolders.h"

#include "platform/Files.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/resource.h>

namespace fs = std::filesystem;

namespace testing_support {

TempFolders::TempFolders()
{
    std::string tmpl = (fs::temp_directory_path() / "karvelin-test-XXXXXX").string();
    char* made = mkdtemp(tmpl.data());
    m_root = made ? made : tmpl;
    m_program = m_root + "/program";
    m_dataRoot = m_root + "/appdata";
    fs::create_directories(m_program);
    fs::create_directories(m_dataRoot);
    plat::SetProgramFolderForTests(m_program);
    plat::SetDataRootForTests(m_dataRoot);
}

TempFolders::~TempFolders()
{
    plat::SetProgramFolderForTests("");
    plat::SetDataRootForTests("");
    std::error_code ec;
    fs::remove_all(m_root, ec);
}

void TempFolders::Write(const std::string& relative, const std::string& bytes) const
{
    fs::path p = fs::path(m_root) / relative;
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

std::string TempFolders::Read(const std::string& relative) const
{
    std::ifstream in(fs::path(m_root) / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

FileSizeLimit::FileSizeLimit(unsigned long bytes)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_saved = limit.rlim_cur;
    m_handler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_saved;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_handler);
}

} // namespace testing_support
