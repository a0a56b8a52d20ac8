#pragma once
// The program's life from start to end: first run and settings upgrade,
// resolution, window, application initialisation, message loop, shut-down.
// KarvelinMain() runs all of it; the pieces are open for the test harness.

// The exit code when the window system or the window cannot be made; the
// shell shows it as exit status 5.
constexpr int kExitWindowFailure = int(0x80004005u);

int KarvelinMain();

// Entry steps up to the end of the application initialisation. 0 when the
// message loop may run, else the exit code.
int StartProgram();
// One turn of the message loop: one message handled, or one frame when none
// waits. False once the quit message is taken, its code in exitCode.
bool RunMessageLoopTurn(int& exitCode);
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
