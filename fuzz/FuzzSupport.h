#pragma once
// What every fuzz harness shares: a property check that stops the run with
// the failing input saved, and a private scratch folder.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz {

// A property that must hold for every input; abort() makes libFuzzer keep
// the input as a finding. The watch on opens (see TimeBound) is lifted
// first, and never covers libFuzzer's own saving of a failing input, so a
// finding is always saved.
void Check(bool holds, const char* property, std::string_view detail = {});

// A fresh folder for this process, made on first use and kept for the run.
const std::string& ScratchFolder();

// Points the player's and the program's folders at the scratch folder and
// makes the game's folders there, once a run; a failure stops the run.
void UseScratchGameFolders();

// Saves the input as the file a reader is about to load.
void WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size);

// Held for the whole of one input. While it is held every open the process
// makes is watched: nothing in the game's folders that is not a regular file
// (a FIFO, a device) is opened, and nothing is written outside them or
// through a link; links and FIFOs are planted in the folders to tempt the
// readers, and the files the links point at must come out unchanged.
//
// The input must also be done within a bound of CPU time, so a reader that
// grows faster than its file is a finding, not just a slow run; CPU time, so
// a busy machine does not make an input slow. With KARVELIN_FUZZ_SLOW=report
// (the CI run) a slow input is only reported ("SLOW INPUT" and the input
// saved beside the findings); otherwise it is a finding. The first input of
// a run also pays for the harness's one-time set-up and is not timed.
class TimeBound {
public:
    static constexpr double kCpuSeconds = 2.0;
    TimeBound(const std::uint8_t* data = nullptr, std::size_t size = 0);
    ~TimeBound();
    TimeBound(const TimeBound&) = delete;
    TimeBound& operator=(const TimeBound&) = delete;

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
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
