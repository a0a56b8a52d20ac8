#pragma once
// The program's life from start to end: first run and settings upgrade,
// resolution, window, application initialisation, message loop, shut-down.
// KarvelinMain() runs all of it; the pieces are open for the test harness.

#include <cstdint>

// The exit code when the window system or the window cannot be made; the
// shell shows it as exit status 5.
constexpr int kExitWindowFailure = int(0x80004005u);

int KarvelinMain();

// Entry steps up to the end of the application initialisation. 0 when the
// message loop may run, else the exit code.
int StartProgram();
// A frame starts at most every 10 ms (100 frames a second). Many game rules
// step once per frame (a hooked fish's run, the line's tension and sag, the
// float's glide), so the frame rate is their clock: unpaced, they would play
// at the machine's speed and burn a whole core doing it.
constexpr std::uint32_t kFrameIntervalMs = 10;

// When the next frame may start. A slow frame is not made up: the next one
// starts at once, the one after a full interval later, never a burst.
class CFramePacer {
public:
    // Milliseconds to wait before a frame may start at now; 0 = start it.
    std::uint32_t WaitBeforeFrame(std::uint32_t now) const;
    void FrameStarted(std::uint32_t now);

private:
    bool m_started = false;
    std::uint32_t m_lastStart = 0;
};

// One turn of the message loop: one message handled, or one frame when none
// waits. False once the quit message is taken, its code in exitCode. Without
// a pacer the frame runs at once (tests drive frames this way); with one, a
// frame that is not due yet is waited for while no message arrives.
bool RunMessageLoopTurn(int& exitCode, CFramePacer* pacer = nullptr);
int RunMessageLoop();
// The application object and the window go.
void ShutDownProgram();

void ApplyResolutionSetting();
void UpgradeSettings();
void DeleteVenueFiles(const char* extension);
bool ResetVideoSettings();
void InitApplication();
void DestroyApplication();

// The 40 built-in venues whose old scene and picture files the upgrade deletes.
extern const char* const kBuiltInVenueNames[40];
