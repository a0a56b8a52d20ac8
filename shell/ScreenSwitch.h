#pragma once
// How the screens and the fishing session change the current screen without
// seeing the application object above them: the application registers itself
// here when it is made and withdraws when it goes. Without it (a screen tested
// on its own) switching does nothing and the current screen reads kScreenNone.

// Screen numbers (no screen has the number 8).
enum ScreenId : int {
    kScreenNone = -1, // loading has not ended
    kScreenMainMenu = 1,
    kScreenTackleBox = 2,
    kScreenOptions = 3,
    kScreenVenues = 4,
    kScreenFishes = 5,
    kScreenBaits = 6,
    kScreenRecords = 7,
    kScreenSession = 9,
    kScreenTournament = 10,
};

class ScreenSwitch {
public:
    // Makes the screen current by its own entry step: the tackle box, the
    // fishes, the records and the tournament are activated first, the venue
    // list is filtered before the venues show, 9 starts a new free session;
    // 1, 3 and 6 only become current.
    virtual void SwitchToScreen(int screen) = 0;
    // Back to fishing proper in the session already open.
    virtual void ResumeFishing() = 0;
    virtual int CurrentScreen() const = 0;
    // "Back": to a paused session's game menu, a running tournament or the
    // main menu, every sound stopped.
    virtual void ReturnFromScreen(bool resetRod) = 0;
    // Ends the message loop with this exit code.
    virtual void PostQuit(int code) = 0;

protected:
    ~ScreenSwitch() = default;
};

// null withdraws.
void SetScreenSwitch(ScreenSwitch* screens);
ScreenSwitch* GetScreenSwitch();

// The registered switch's operations; without one they do nothing.
void SwitchToScreen(int screen);
void ResumeFishing();
int CurrentScreen();
void ReturnFromScreen(bool resetRod);
void PostQuit(int code);
