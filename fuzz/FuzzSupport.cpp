#include "fuzz/FuzzSupport.h"
#include "platform/Files.h"
#include "shell/GestFile.h"

#include <SDL.h>

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

} // namespace fuzz

// Headless, whatever the environment: no window and no sound card are needed.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    return 0;
}
