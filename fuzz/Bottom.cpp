// Bottom files ("kvf") of the player's venues. A file shorter than a whole
// grid is refused and leaves a cleared bottom (the caller then generates
// one); a whole one gives every depth in range, and saving and loading the
// bottom again gives the same depths.
#include "fuzz/FuzzSupport.h"
#include "platform/Files.h"
#include "shell/GestFile.h"
#include "world/Fondale.h"

#include <algorithm>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::TimeBound bound(data, size);
    fuzz::UseScratchGameFolders();
    CFondale& bottom = g_Fondale;
    // A FIFO planted as a bottom is refused at once, never waited on.
    fuzz::Check(!bottom.LoadDepths("fifo.kvl"), "a FIFO is no bottom");
    fuzz::WriteInput(bottom.GetDepthFilePath("x.kvl"), data, size);

    static std::int32_t read[CFondale::kCells * CFondale::kCells];
    const bool whole = size >= std::size_t(CFondale::kFileBytes);
    fuzz::Check(bottom.LoadDepths("x.kvl") == whole, "a bottom loads exactly when the file holds a whole grid");
    if (!whole) {
        int nonZero = 0;
        for (int v : bottom.m_depths)
            nonZero += v != 0;
        fuzz::Check(nonZero <= 4, "a refused bottom is left cleared");
        return 0;
    }
    for (int i = 0; i < CFondale::kCells * CFondale::kCells; ++i) {
        std::int32_t v;
        std::memcpy(&v, data + 4 * i, 4); // little-endian, as the file is
        fuzz::Check(bottom.m_depths[i] == std::clamp<std::int32_t>(v, 0, CFondale::kMaxDepthValue),
                    "each depth is the file's, held to its range");
    }
    std::memcpy(read, bottom.m_depths, sizeof read);
    fuzz::Check(bottom.SaveDepths("x.kvl"), "a bottom can be saved");
    fuzz::Check(bottom.LoadDepths("x.kvl"), "a saved bottom loads");
    fuzz::Check(std::memcmp(read, bottom.m_depths, sizeof read) == 0, "a bottom survives a save and a load");
    return 0;
}
