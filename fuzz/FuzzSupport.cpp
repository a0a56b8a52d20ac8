#include "fuzz/FuzzSupport.h"
#include "platform/Files.h"
#include "shell/GestFile.h"

#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace fuzz {

void Check(bool holds, const char* property, std::string_view detail)
{
    if (holds)
        return;
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

double Seconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
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

} // namespace

TimeBound::TimeBound() : m_start(Seconds())
{
    static bool first = true;
    m_timed = !first;
    first = false;
}

TimeBound::~TimeBound()
{
    if (m_timed)
        Check(Seconds() - m_start < kSeconds, "an input is read within the time bound");
}

} // namespace fuzz

// Headless, whatever the environment: no window and no sound card are needed.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    plat::SetPathObserverForTests(fuzz::WatchPath);
    return 0;
}
