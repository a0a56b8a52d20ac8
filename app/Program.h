#pragma once
// The program's life from start to end: first run and settings upgrade,
// resolution, window, application initialisation, message loop, shut-down.
// KarvelinMain() runs all of it; the pieces are open for the test harness.

#include "platform/Clock.h"

#include <cstdint>
#include <functional>

// The exit code when the window system or the window cannot be made; the
// shell shows it as exit status 5.
constexpr int kExitWindowFailure = int(0x80004005u);
// The exit code when another game is running on the same data folder.
constexpr int kExitDataFolderInUse = 3;
// The file in the data folder whose lock says a game is running there.
constexpr const char* kDataFolderLockName = "karvelin.lock";

int KarvelinMain();

// Entry steps up to the end of the application initialisation. 0 when the
// message loop may run, else the exit code.
int StartProgram();
// Game frames and wall time. Every game frame steps game time by
// plat::kGameStepMs; the wall clock only decides how many are due, one per
// step of wall time. When the machine keeps up, each game frame is drawn and
// presented and the loop sleeps in between. When it falls behind, the due
// frames run their full update with their drawing thrown away, and only the
// last is drawn. Past kMaxFramesPerShown game frames per presented frame the
// game slows down instead of spiralling, and after a stall of more than
// kStallMs (a suspended process, a debugger, a dragged window) the backlog
// is dropped, not replayed.
constexpr std::uint32_t kFrameIntervalMs = plat::kGameStepMs;
constexpr int kMaxFramesPerShown = 8;
constexpr std::uint32_t kStallMs = 250;

enum class FrameAction {
    Wait,    // no game frame is due yet
    Step,    // a game frame whose drawing is thrown away: more are due
    Present, // a game frame drawn and presented
};

class CFramePacer {
public:
    struct Decision {
        FrameAction action;
        std::uint32_t waitMs; // for Wait: until the next game frame is due
    };
    // What the loop does at wall time now. A Step or Present counts as run.
    // With framesPerShown above 1 (at most kMaxFramesPerShown) only every
    // framesPerShown-th game frame is presented also when the machine keeps
    // up, the others stepped: game time and what happens stay the same, the
    // picture changes less often.
    Decision Next(std::uint32_t now, int framesPerShown = 1);

private:
    bool m_started = false;
    std::uint32_t m_due = 0;   // wall time the next game frame is due
    int m_sinceShown = 0;      // game frames stepped since the last presented one
};

// Test and benchmark seam: called after every presented frame (the loop's
// tests advance the fake wall clock by a frame's cost in it, the slow-machine
// build spends extra time). Not set in the game.
using PresentedFrameHook = std::function<void()>;
void SetPresentedFrameHook(PresentedFrameHook hook);

// One turn of the message loop: one message handled, or one game frame when
// none waits, so input is handled between game frames, also while catching
// up. False once the quit message is taken, its code in exitCode. Without a
// pacer a presented frame runs at once (tests drive frames this way); with
// one, a frame that is not due yet is waited for while no message arrives.
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
