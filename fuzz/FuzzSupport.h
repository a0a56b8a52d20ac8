#pragma once
// What every fuzz harness shares: a property check that stops the run with
// the failing input saved, and a private scratch folder.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz {

// A property that must hold for every input; abort() makes libFuzzer keep
// the input as a finding.
void Check(bool holds, const char* property, std::string_view detail = {});

// A fresh folder for this process, made on first use and kept for the run.
const std::string& ScratchFolder();

// Points the player's and the program's folders at the scratch folder and
// makes the game's folders there, once a run; a failure stops the run.
void UseScratchGameFolders();

// Saves the input as the file a reader is about to load.
void WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size);

// Held for the whole of one input: the input must be done within the
// bound, so a reader that grows faster than its file is a finding, not
// just a slow run. The first input of a run also pays for the harness's
// one-time set-up and is not timed.
class TimeBound {
public:
    static constexpr double kSeconds = 2.0;
    TimeBound();
    ~TimeBound();
    TimeBound(const TimeBound&) = delete;
    TimeBound& operator=(const TimeBound&) = delete;

private:
    double m_start;
    bool m_timed;
};

// Takes bytes from the front of the input (for choices a harness makes).
struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::uint8_t Byte() { return size ? (--size, *data++) : 0; }
    std::string_view Rest() const { return {reinterpret_cast<const char*>(data), size}; }
};

} // namespace fuzz
