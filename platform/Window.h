#pragma once
// The main window, its message queue and the mouse cursors.
//
// The window's events are turned into a small set of messages that the
// game's window procedure handles, in the order they happened. Messages the
// program posts itself (and those tests inject) go into the same queue. A
// posted quit is taken only once the queue is empty, so whatever was already
// waiting is still handled first.
#include "platform/Image.h"

#include <cstdint>
#include <string>
#include <string_view>

struct SDL_Window;

namespace plat {

enum class MessageKind {
    MouseMove,   // x, y in client pixels; held flags
    LButtonDown, // x, y of the last move; held flags after the change
    LButtonUp,
    RButtonDown,
    RButtonUp,
    MouseWheel,  // wheel: +120 turned away from the user, -120 toward
    KeyDown,     // key (Key codes below); also sent for auto-repeat
    Char,        // ch: one typed Windows-1252 byte
    SetCursor,   // the pointer entered the window: show the game's cursor again
    Close,       // the player asked to close the window
    Quit,        // code: the program's exit code (only from PostQuitMessage)
};

// Key codes of KeyDown messages. Letters are their upper-case letter and
// digits their digit, whatever the case typed.
enum Key : int {
    kKeyBack = 8,
    kKeyTab = 9,
    kKeyReturn = 13,
    kKeyEscape = 27,
    kKeySpace = 32,
    kKeyPageUp = 33,
    kKeyPageDown = 34,
    kKeyEnd = 35,
    kKeyHome = 36,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
    kKeyDelete = 46,
    kKeyF1 = 112, // F2..F12 follow
};

struct WindowMessage {
    MessageKind kind = MessageKind::MouseMove;
    int x = 0, y = 0;
    bool leftHeld = false, rightHeld = false;
    int wheel = 0;
    int key = 0;
    unsigned char ch = 0;
    int code = 0;
};

// The window system: false when it cannot be started (no display). A
// driver that shows nothing (offscreen, dummy) counts only when it was asked
// for by name, through SDL_VIDEODRIVER or the hint: SDL falls back to one on
// a machine without a display, and the game would then run unseen.
bool InitWindowSystem();
// Why the window system or the window could not be opened.
std::string WindowSystemError();
// The rule above: whether the driver SDL chose may be used, given the
// requested driver list (null when none was asked for).
bool AcceptVideoDriver(std::string_view current, const char* requested);
void QuitWindowSystem();

// The main window. Windowed: a captioned window whose client area is exactly
// width x height; full screen: a borderless window of that size that the
// device then switches to the display mode. The title is Windows-1252; the
// icon may be null. Null when the window cannot be made.
SDL_Window* CreateMainWindow(const char* title, int width, int height, bool fullScreen, const Image* icon);
void DestroyMainWindow();
SDL_Window* MainWindow();
// The client area's size; false (and 0 x 0) without a window or while the
// window is minimised.
bool GetClientSize(int& width, int& height);
// The desktop's size; false when the display cannot be asked.
bool GetDesktopSize(int& width, int& height);

// The queue.
void PostWindowMessage(const WindowMessage& message);
void PostQuitMessage(int code);
// Takes the next message: the window's pending events are translated and
// queued first. False when nothing waits.
bool PeekWindowMessage(WindowMessage& out);
// Waits until a message waits or timeoutMs pass, whichever is first; true
// when one waits. On a fake clock the wait only moves the clock.
bool WaitWindowMessage(std::uint32_t timeoutMs);
// Drops every waiting message and a posted quit (tests).
void ClearWindowMessages();

// Mouse cursors made from pictures.
struct Cursor;
// Null when the cursor cannot be made (empty picture, no mouse support).
Cursor* CreateCursor(const Image& picture, int hotX, int hotY);
// Shows the cursor; null shows the system arrow.
void ShowCursor(Cursor* cursor);
void FreeCursor(Cursor* cursor);
// The cursor shown last (null for the system arrow); for tests.
Cursor* ShownCursor();

} // namespace plat
