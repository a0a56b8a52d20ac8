#include "platform/Files.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <iterator>
#include <pwd.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#include <unordered_map>

namespace fs = std::filesystem;

namespace plat {
namespace {

std::string g_programOverride;
std::string g_dataOverride;
std::string Upper(std::string_view s);
void (*g_refusalHook)(const std::string&) = nullptr;
void (*g_pathObserver)(const std::string&) = nullptr;

// One folder's names by their upper-cased form (the smallest name wins a
// clash), kept while the folder's modification time stays the same.
struct FolderIndex {
    std::int64_t modified = 0;
    bool settled = false; // listed when its time was already in the past
    std::unordered_map<std::string, std::string> byUpper;
};
std::unordered_map<std::string, FolderIndex> g_folderIndex;
constexpr std::size_t kMaxIndexedFolders = 64;

bool ModifiedNs(const std::string& path, std::int64_t& ns)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    ns = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return true;
}

// The game's own changes to a folder forget its index at once: the folder's
// time may not move when two changes fall in the same clock tick.
void ForgetFolderOf(const std::string& path)
{
    if (g_folderIndex.empty())
        return;
    const std::size_t slash = path.rfind('/');
    g_folderIndex.erase(slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash));
}

// The actual name in dir whose upper case is want, or empty.
std::string FindInFolder(const std::string& dir, const std::string& want)
{
    std::int64_t modified = 0;
    if (!ModifiedNs(dir, modified))
        return {};
    auto it = g_folderIndex.find(dir);
    if (it == g_folderIndex.end() || it->second.modified != modified || !it->second.settled) {
        if (g_folderIndex.size() >= kMaxIndexedFolders)
            g_folderIndex.clear();
        FolderIndex index;
        index.modified = modified;
        // A folder changed within the file system's clock tick may change
        // again without its time moving: such a listing is used once only.
        timespec now {};
        clock_gettime(CLOCK_REALTIME_COARSE, &now);
        index.settled = modified + 20000000 < std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
        std::error_code ec;
        for (fs::directory_iterator d(dir, ec), end; !ec && d != end; d.increment(ec)) {
            std::string name = d->path().filename().string();
            auto [slot, added] = index.byUpper.try_emplace(Upper(name), name);
            if (!added && name < slot->second)
                slot->second = name;
        }
        it = g_folderIndex.insert_or_assign(dir, std::move(index)).first;
    }
    auto found = it->second.byUpper.find(want);
    return found == it->second.byUpper.end() ? std::string() : found->second;
}

std::string Upper(std::string_view s)
{
    std::string u(s);
    for (char& c : u)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

std::string StartFolder()
{
    static const std::string start = [] {
        std::error_code ec;
        fs::path p = fs::current_path(ec);
        return ec ? std::string() : p.string();
    }();
    return start;
}

std::string HomeFolder()
{
    if (const char* h = std::getenv("HOME"); h && h[0] == '/')
        return h;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/')
        return pw->pw_dir;
    return {};
}

} // namespace

std::string ProgramFolder() { return g_programOverride.empty() ? StartFolder() : g_programOverride; }

std::string DataRoot()
{
    if (!g_dataOverride.empty())
        return g_dataOverride;
    std::string root;
    if (const char* x = std::getenv("XDG_DATA_HOME"); x && x[0] == '/')
        root = x;
    else if (std::string home = HomeFolder(); !home.empty())
        root = home + "/.local/share";
    else
        root = "/tmp"; // no home at all: still never the filesystem root
    MakeFolder(root);
    return root;
}

void SetProgramFolderForTests(const std::string& folder)
{
    g_programOverride = folder;
    g_folderIndex.clear();
}

void SetDataRootForTests(const std::string& folder)
{
    g_dataOverride = folder;
    g_folderIndex.clear();
}

void SetPathRefusalHook(void (*hook)(const std::string& line)) { g_refusalHook = hook; }
void SetPathObserverForTests(void (*observer)(const std::string& path)) { g_pathObserver = observer; }

bool IsNameInsideFolder(std::string_view name)
{
    if (!name.empty() && (name[0] == '/' || name[0] == '\\'))
        return false;
    if (name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0])))
        return false; // a drive letter, as written on other systems
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("/\\", start);
        if (end == std::string_view::npos)
            end = name.size();
        if (name.substr(start, end - start) == "..")
            return false;
        start = end + 1;
    }
    return true;
}

bool FileStamp(const std::string& path, std::uintmax_t& size, std::int64_t& modified)
{
    struct stat st {};
    const std::string p = ResolvePath(path);
    if (p.empty() || ::stat(p.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    size = std::uintmax_t(st.st_size);
    modified = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return true;
}

std::string JoinPath(std::string_view folder, std::string_view name)
{
    if (!IsNameInsideFolder(name)) {
        if (g_refusalHook)
            g_refusalHook("File name leads outside its folder, refused: " + std::string(name.substr(0, 260)));
        return {};
    }
    std::string out(folder);
    if (!out.empty() && out.back() != '/')
        out += '/';
    out += name;
    return out;
}

std::string ResolvePath(std::string_view path)
{
    std::string p(path);
    std::replace(p.begin(), p.end(), '\\', '/');
    if (g_pathObserver && !p.empty())
        g_pathObserver(p);
    std::error_code ec;
    if (p.empty() || fs::exists(p, ec))
        return p;
    // Walk the components, matching each one case-insensitively when needed.
    std::string built = p[0] == '/' ? "/" : "";
    std::size_t pos = p[0] == '/' ? 1 : 0;
    while (pos <= p.size()) {
        std::size_t next = p.find('/', pos);
        std::string comp = p.substr(pos, next == std::string::npos ? std::string::npos : next - pos);
        pos = next == std::string::npos ? p.size() + 1 : next + 1;
        if (comp.empty())
            continue;
        std::string candidate = built + comp;
        if (!fs::exists(candidate, ec)) {
            std::string dir = built.empty() ? "." : built;
            if (dir.size() > 1 && dir.back() == '/')
                dir.pop_back();
            const std::string found = FindInFolder(dir, Upper(comp));
            if (found.empty())
                return p;
            candidate = built + found;
        }
        built = candidate + (pos <= p.size() ? "/" : "");
    }
    return built;
}

bool MakeFolder(const std::string& path)
{
    if (path.empty())
        return false;
    g_folderIndex.clear();
    std::error_code ec;
    fs::create_directories(path, ec);
    return fs::is_directory(path, ec);
}

bool PathExists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::exists(ResolvePath(path), ec);
}

bool IsFolder(const std::string& path)
{
    std::error_code ec;
    return fs::is_directory(ResolvePath(path), ec);
}

bool IsRegularFile(const std::string& path)
{
    std::error_code ec;
    return fs::is_regular_file(ResolvePath(path), ec);
}

bool DeleteFile(const std::string& path)
{
    std::string p = ResolvePath(path);
    std::error_code ec;
    // A link is removed itself, never what it points to; folders are never removed.
    const fs::file_status status = fs::symlink_status(p, ec);
    if (!fs::is_regular_file(status) && !fs::is_symlink(status))
        return false;
    ForgetFolderOf(p);
    return fs::remove(p, ec) && !ec;
}

bool CopyFile(const std::string& from, const std::string& to)
{
    std::string bytes;
    return ReadWholeFile(from, bytes) && WriteFileAtomic(to, bytes);
}

std::vector<std::string> ListFiles(const std::string& folder, std::string_view ext)
{
    std::vector<std::string> names;
    std::error_code ec;
    const std::string wantExt = Upper(ext);
    for (fs::directory_iterator it(ResolvePath(folder), ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec))
            continue;
        std::string name = it->path().filename().string();
        std::size_t dot = name.rfind('.');
        if (dot == std::string::npos || Upper(std::string_view(name).substr(dot + 1)) != wantExt)
            continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        std::string ua = Upper(a), ub = Upper(b);
        return ua != ub ? ua < ub : a < b;
    });
    return names;
}

std::FILE* OpenForReading(const std::string& path)
{
    const std::string p = ResolvePath(path);
    struct stat st {};
    // Looked at before it is opened: a FIFO or a device is never opened at
    // all. The open itself does not wait (O_NONBLOCK), and what was opened is
    // checked again, in case the name changed in between.
    if (p.empty() || ::stat(p.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return nullptr;
    const int fd = ::open(p.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return nullptr;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* f = ::fdopen(fd, "rb");
    if (!f)
        ::close(fd);
    return f;
}

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    return ReadFileUpTo(path, std::string::npos, bytes);
}

namespace {

// Reads what f holds, at most limit bytes; tooLong tells whether more was there.
bool ReadOpenFile(std::FILE* f, std::size_t limit, std::string& bytes, bool& tooLong)
{
    tooLong = false;
    struct stat st {};
    if (::fstat(fileno(f), &st) == 0 && st.st_size > 0)
        bytes.reserve(std::min<std::size_t>(std::size_t(st.st_size), limit));
    // The file may grow while it is read: read in pieces and stop as soon as
    // it passes the limit.
    char piece[65536];
    for (;;) {
        const std::size_t room = limit - bytes.size();
        const std::size_t want = room < sizeof piece ? room + 1 : sizeof piece;
        const std::size_t got = std::fread(piece, 1, want, f);
        if (got > limit - bytes.size()) {
            bytes.append(piece, limit - bytes.size());
            tooLong = true;
            return true;
        }
        bytes.append(piece, got);
        if (got < want)
            return !std::ferror(f);
    }
}

} // namespace

bool ReadFileUpTo(const std::string& path, std::size_t limit, std::string& bytes)
{
    bytes.clear();
    std::FILE* f = OpenForReading(path);
    if (!f)
        return false;
    struct stat st {};
    if (limit != std::string::npos && ::fstat(fileno(f), &st) == 0 && std::uintmax_t(st.st_size) > limit) {
        std::fclose(f);
        return false;
    }
    bool tooLong = false;
    const bool ok = ReadOpenFile(f, limit, bytes, tooLong);
    std::fclose(f);
    if (!ok || tooLong) {
        bytes.clear();
        return false;
    }
    return true;
}

bool ReadFileHead(const std::string& path, std::size_t limit, std::string& bytes)
{
    bytes.clear();
    std::FILE* f = OpenForReading(path);
    if (!f)
        return false;
    bool tooLong = false;
    const bool ok = ReadOpenFile(f, limit, bytes, tooLong);
    std::fclose(f);
    if (!ok)
        bytes.clear();
    return ok;
}

namespace {

// A suffix nobody can guess from the process id, from the system's random
// source rather than the game's generator, whose draws are part of a
// session's replay.
std::string UnguessableSuffix()
{
    unsigned char raw[8] = {};
    std::size_t got = 0;
    while (got < sizeof raw) {
        const ssize_t n = ::getrandom(raw + got, sizeof raw - got, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += std::size_t(n);
    }
    if (got < sizeof raw) {
        // No random source: the clock's nanoseconds and an address still
        // change from one call to the next; O_EXCL keeps it safe regardless.
        timespec now {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::uint64_t mix = std::uint64_t(now.tv_nsec) * 0x9E3779B97F4A7C15ull ^ std::uint64_t(now.tv_sec) ^
                            std::uint64_t(reinterpret_cast<std::uintptr_t>(&now));
        std::memcpy(raw, &mix, sizeof raw);
    }
    static const char hex[] = "0123456789abcdef";
    std::string s;
    for (unsigned char c : raw) {
        s += hex[c >> 4];
        s += hex[c & 15];
    }
    return s;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(std::size_t(n));
    }
    return true;
}

} // namespace

bool WriteFileAtomic(const std::string& path, std::string_view bytes)
{
    std::string target = ResolvePath(path);
    if (target.empty())
        return false;
    ForgetFolderOf(target);
    // The temporary file must be new: whatever already lies under its name
    // (a link planted there, a file, a FIFO) is never opened or written.
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
        temp = target + ".tmp" + std::to_string(getpid()) + "." + UnguessableSuffix();
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes);
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (!ok || std::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

bool AppendToFile(const std::string& path, std::string_view bytes)
{
    const std::string target = ResolvePath(path);
    if (target.empty())
        return false;
    ForgetFolderOf(target);
    // A link at the name is not followed, and only a regular file is
    // appended to: a FIFO or a device there neither blocks nor receives it.
    const int fd = ::open(target.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY,
                          0666);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && WriteAll(fd, bytes);
    ok = ::close(fd) == 0 && ok;
    return ok;
}

} // namespace plat
