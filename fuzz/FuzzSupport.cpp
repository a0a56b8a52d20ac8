#include "fuzz/FuzzSupport.h"
#include "platform/Files.h"
#include "shell/GestFile.h"

#include <SDL.h>

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fuzz {

namespace {
// Whether opens are being watched: only while an input runs, so the
// fuzzer's own corpus and artifact files are not.
std::atomic<bool> g_watching{false}; // read by any thread that opens a file (the audio thread too)
// Where libFuzzer saves a failing input (its -artifact_prefix, or the exact
// path it was given): that write comes from its crash handler, possibly
// while an input is still being watched, and must never be refused, or the
// finding is lost.
std::string g_artifactPrefix, g_exactArtifact;
} // namespace

void Check(bool holds, const char* property, std::string_view detail)
{
    if (holds)
        return;
    // The crash handler is about to save the input: nothing may stop it.
    g_watching = false;
    std::fprintf(stderr, "PROPERTY BROKEN: %s\n", property);
    if (!detail.empty()) {
        // Text as it is, other bytes as \xNN, so a file's lines can be read.
        std::fprintf(stderr, "  detail (%zu bytes): ", detail.size());
        for (std::size_t i = 0; i < detail.size() && i < 512; ++i) {
            const auto c = static_cast<unsigned char>(detail[i]);
            if (c == '\n' || (c >= 0x20 && c < 0x7F))
                std::fputc(c, stderr);
            else
                std::fprintf(stderr, "\\x%02x", c);
        }
        std::fprintf(stderr, "\n");
    }
    std::abort();
}

const std::string& ScratchFolder()
{
    // Never destroyed, so the clean-up at exit can still name it.
    static const std::string* folder = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/karvelin-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern.data());
        if (!made) {
            std::perror("mkdtemp");
            std::abort();
        }
        auto* name = new std::string(made);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(ScratchFolder(), ec);
        });
        return name;
    }();
    return *folder;
}

void UseScratchGameFolders()
{
    static const bool ready = [] {
        plat::SetDataRootForTests(ScratchFolder());
        plat::SetProgramFolderForTests(ScratchFolder());
        return g_GestFile.Init();
    }();
    Check(ready, "the data folders can be made");
}

void WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    Check(plat::WriteFileAtomic(path, {reinterpret_cast<const char*>(data), size}), "the file can be written");
}

namespace {

double CpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

bool StartsWith(const std::string& s, const std::string& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

// Every path the file layer resolves must lie in the harness's scratch
// folder or the source tree's shipped data, whatever the input names: no
// file name read from a file may lead anywhere else. The system's fonts are
// found by fontconfig, not named by any file.
void WatchPath(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    const std::string ext = dot == std::string::npos ? "" : path.substr(dot);
    if (ext == ".ttf" || ext == ".otf" || ext == ".ttc")
        return;
    const bool inside = StartsWith(path, ScratchFolder() + "/") || StartsWith(path, KARVELIN_SOURCE_DIR "/data/");
    Check(inside && path.find("/../") == std::string::npos, "nothing is opened outside the game's folders", path);
}

// The scratch folder as the system names it (links resolved), and the
// folder outside the game's folders that the planted links point into.
std::string g_realScratch, g_outside;
const char kSentinel[] = "kept as it was";

std::string RealFolderOf(const char* path)
{
    std::string p = path;
    const std::size_t slash = p.rfind('/');
    std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : p.substr(0, slash);
    char real[PATH_MAX];
    return ::realpath(folder.c_str(), real) ? std::string(real) : std::string();
}

// A file libFuzzer writes when an input fails (crash-, timeout-, oom-,
// leak-...): its name is the artifact prefix and a kind, a dash and a hash.
bool IsArtifact(const char* path)
{
    const std::string p = path;
    if (!g_exactArtifact.empty())
        return p == g_exactArtifact;
    if (!StartsWith(p, g_artifactPrefix))
        return false;
    const std::string name = p.substr(g_artifactPrefix.size());
    for (const char* kind : {"crash-", "timeout-", "oom-", "leak-", "slow-unit-", "minimized-from-"})
        if (StartsWith(name, kind) && name.find('/') == std::string::npos)
            return true;
    return false;
}

// Called before every open while an input runs.
void WatchOpen(const char* path, bool writes, bool followsLink)
{
    if (!g_watching || !path || IsArtifact(path))
        return;
    g_watching = false; // the checks below must not watch themselves
    const std::string folder = RealFolderOf(path);
    const bool inScratch = !folder.empty() && (folder == g_realScratch || StartsWith(folder, g_realScratch + "/"));
    const bool outside = folder == g_outside || StartsWith(folder, g_outside + "/");
    struct stat st {};
    if (inScratch && ::stat(path, &st) == 0)
        Check(S_ISREG(st.st_mode) || S_ISDIR(st.st_mode), "no open of a file that is not a regular file", path);
    // The null device is where the libraries' chatter is sent.
    if (writes && std::strcmp(path, "/dev/null") != 0) {
        Check(inScratch && !outside, "nothing is written outside the game's folders", path);
        Check(!followsLink || ::lstat(path, &st) != 0 || !S_ISLNK(st.st_mode), "no write follows a link", path);
    }
    g_watching = true;
}

// Links at the error log and at a venue subfolder that point outside the
// game's folders, and FIFOs where the readers look for their files.
void PlantTraps()
{
    namespace fs = std::filesystem;
    const std::string root = ScratchFolder();
    std::error_code ec;
    char real[PATH_MAX];
    g_realScratch = ::realpath(root.c_str(), real) ? real : root;
    g_outside = g_realScratch + "/outside";
    fs::create_directories(g_outside, ec);
    std::ofstream(g_outside + "/sentinel", std::ios::binary) << kSentinel;
    for (const char* folder : {"Karvelin/Luoghi", "Karvelin/Lenze", "Karvelin/Catture", "Karvelin/Pasture", "Luoghi",
                               "Lenze", "Pasture", "program/Pasture", "program/Luoghi"})
        fs::create_directories(root + "/" + folder, ec);
    fs::create_symlink(g_outside + "/sentinel", root + "/Karvelin/norva_error.log", ec);
    fs::create_directory_symlink(g_outside, root + "/Karvelin/Luoghi/sub", ec);
    for (const char* fifo : {"Karvelin/Luoghi/fifo.kvl", "Karvelin/Luoghi/fifo.kvf", "Karvelin/Luoghi/fifo.kvs",
                             "Karvelin/Lenze/fifo.kvz", "Karvelin/Catture/fifo.kvc", "Karvelin/Pasture/fifo.kvt",
                             "Karvelin/karvelin.fifo", "Luoghi/fifo.kvl", "Lenze/fifo.kvz", "Pasture/fifo.kvt",
                             "program/Pasture/fifo.kvt", "program/Luoghi/fifo.kvl"})
        ::mkfifo((root + "/" + fifo).c_str(), 0600);
}

bool OutsideUnchanged()
{
    std::ifstream in(g_outside + "/sentinel", std::ios::binary);
    const std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::error_code ec;
    int entries = 0;
    for (std::filesystem::directory_iterator it(g_outside, ec), end; !ec && it != end; it.increment(ec))
        ++entries;
    return kept == kSentinel && entries == 1;
}

bool ReportSlowOnly()
{
    const char* mode = std::getenv("KARVELIN_FUZZ_SLOW");
    return mode && std::strcmp(mode, "report") == 0;
}

} // namespace

TimeBound::TimeBound(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size), m_start(0)
{
    static bool first = true;
    if (first)
        PlantTraps();
    m_timed = !first;
    first = false;
    m_start = CpuSeconds();
    g_watching = true;
}

TimeBound::~TimeBound()
{
    g_watching = false;
    Check(OutsideUnchanged(), "nothing is written outside the game's folders (the planted links' targets)");
    if (!m_timed)
        return;
    const double spent = CpuSeconds() - m_start;
    if (spent < kCpuSeconds)
        return;
    // Reporting only (a busy machine) still fails an input far past the
    // bound: processor time hardly grows with the load.
    if (!ReportSlowOnly() || spent >= 5 * kCpuSeconds)
        Check(false, "an input is read within the CPU time bound");
    // Reported, and kept for a closer look, without failing the run.
    std::fprintf(stderr, "SLOW INPUT: %.2f s of CPU time for %zu bytes\n", spent, m_size);
    if (const char* folder = std::getenv("KARVELIN_FUZZ_SLOW_DIR"); folder && *folder && m_data) {
        static int saved = 0;
        if (saved++ < 20) {
            const std::string name = std::string(folder) + "/slow-" + std::to_string(getpid()) + "-" +
                                     std::to_string(saved);
            std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char*>(m_data), std::streamsize(m_size));
        }
    }
}

} // namespace fuzz

// Every open of the process goes through these while an input runs, the
// game's own and the libraries' alike. The sanitizer's own wrappers, when
// present, are called on.
extern "C" {
FILE* __interceptor_fopen(const char*, const char*) __attribute__((weak));
FILE* __interceptor_fopen64(const char*, const char*) __attribute__((weak));
}

namespace {

template <typename F>
F Real(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

bool ModeWrites(const char* mode) { return mode && std::strpbrk(mode, "wa+") != nullptr; }

int WatchedOpen(const char* name, const char* path, int flags, mode_t mode)
{
    using Open = int (*)(const char*, int, ...);
    static const Open realOpen = Real<Open>("open");
    static const Open realOpen64 = Real<Open>("open64");
    const bool writes = (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC | O_APPEND)) != 0;
    const bool follows = !(flags & O_NOFOLLOW) && !((flags & O_CREAT) && (flags & O_EXCL));
    fuzz::WatchOpen(path, writes, follows);
    const Open real = std::strcmp(name, "open") == 0 ? realOpen : realOpen64;
    if (!real) {
        errno = ENOSYS;
        return -1;
    }
    return real(path, flags, mode);
}

FILE* WatchedFopen(FILE* (*sanitizer)(const char*, const char*), const char* name, const char* path, const char* mode)
{
    using Fopen = FILE* (*)(const char*, const char*);
    fuzz::WatchOpen(path, ModeWrites(mode), true);
    if (sanitizer)
        return sanitizer(path, mode);
    static const Fopen realFopen = Real<Fopen>("fopen");
    static const Fopen realFopen64 = Real<Fopen>("fopen64");
    const Fopen real = std::strcmp(name, "fopen") == 0 ? realFopen : realFopen64;
    return real ? real(path, mode) : nullptr;
}

mode_t ModeArgument(int flags, va_list args)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(args, unsigned)) : 0;
}

} // namespace

extern "C" int open(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = ModeArgument(flags, args);
    va_end(args);
    return WatchedOpen("open", path, flags, mode);
}

extern "C" int open64(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = ModeArgument(flags, args);
    va_end(args);
    return WatchedOpen("open64", path, flags, mode);
}

extern "C" FILE* fopen(const char* path, const char* mode)
{
    return WatchedFopen(__interceptor_fopen, "fopen", path, mode);
}

extern "C" FILE* fopen64(const char* path, const char* mode)
{
    return WatchedFopen(__interceptor_fopen64, "fopen64", path, mode);
}

// Headless, whatever the environment: no window and no sound card are needed.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    for (int i = 1; argc && argv && i < *argc; ++i) {
        const std::string_view arg = (*argv)[i];
        for (auto [flag, value] : {std::pair {"-artifact_prefix=", &fuzz::g_artifactPrefix},
                                   std::pair {"-exact_artifact_path=", &fuzz::g_exactArtifact}})
            if (arg.substr(0, std::strlen(flag)) == flag)
                *value = arg.substr(std::strlen(flag));
    }
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    plat::SetPathObserverForTests(fuzz::WatchPath);
    return 0;
}
