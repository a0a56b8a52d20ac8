#include "platform/Window.h"

#include "platform/Clock.h"
#include "platform/Locale.h"
#include "platform/QuietStderr.h"

#include <SDL.h>

#include <deque>
#include <string>
#include <string_view>

namespace plat {

namespace {

SDL_Window* g_window = nullptr;
bool g_videoInit = false;

std::deque<WindowMessage> g_queue;
bool g_quitPosted = false;
int g_quitCode = 0;

// Pointer state as the messages report it.
int g_lastX = -1, g_lastY = -1;
bool g_leftHeld = false, g_rightHeld = false;

Cursor* g_shownCursor = nullptr;

bool InitVideo()
{
    if (!g_videoInit) {
        {
            QuietStderr quiet;
            if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
                return false;
        }
        const char* driver = SDL_GetCurrentVideoDriver();
        if (!AcceptVideoDriver(driver ? driver : "", SDL_GetHint(SDL_HINT_VIDEODRIVER))) {
            // SDL falls back to a driver without a screen when no window
            // system answers: the game would run unseen for ever. Only the
            // tests and benchmarks, which ask for one by name, get it.
            std::string name = driver ? driver : "";
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
            SDL_SetError("no window system could be opened (only the \"%s\" driver, which shows nothing)", name.c_str());
            return false;
        }
        g_videoInit = true;
    }
    return true;
}

SDL_Surface* SurfaceFromImage(const Image& image)
{
    if (image.width <= 0 || image.height <= 0)
        return nullptr;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, image.width, image.height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!s)
        return nullptr;
    for (int y = 0; y < image.height; ++y)
        SDL_memcpy(static_cast<Uint8*>(s->pixels) + std::size_t(y) * s->pitch, &image.pixels[std::size_t(y) * image.width],
                   std::size_t(image.width) * 4);
    return s;
}

WindowMessage Make(MessageKind kind)
{
    WindowMessage m;
    m.kind = kind;
    m.x = g_lastX < 0 ? 0 : g_lastX;
    m.y = g_lastY < 0 ? 0 : g_lastY;
    m.leftHeld = g_leftHeld;
    m.rightHeld = g_rightHeld;
    return m;
}

int KeyCode(SDL_Keycode sym)
{
    if (sym >= SDLK_a && sym <= SDLK_z)
        return 'A' + (sym - SDLK_a);
    if (sym >= SDLK_0 && sym <= SDLK_9)
        return '0' + (sym - SDLK_0);
    if (sym >= SDLK_F1 && sym <= SDLK_F12)
        return kKeyF1 + (sym - SDLK_F1);
    switch (sym) {
    case SDLK_BACKSPACE: return kKeyBack;
    case SDLK_TAB: return kKeyTab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return kKeyReturn;
    case SDLK_ESCAPE: return kKeyEscape;
    case SDLK_SPACE: return kKeySpace;
    case SDLK_PAGEUP: return kKeyPageUp;
    case SDLK_PAGEDOWN: return kKeyPageDown;
    case SDLK_END: return kKeyEnd;
    case SDLK_HOME: return kKeyHome;
    case SDLK_LEFT: return kKeyLeft;
    case SDLK_UP: return kKeyUp;
    case SDLK_RIGHT: return kKeyRight;
    case SDLK_DOWN: return kKeyDown;
    case SDLK_DELETE: return kKeyDelete;
    default: return 0;
    }
}

// One Char message per typed character that Windows-1252 can hold; control
// codes are not typed characters (Backspace, Tab and Return come from keys).
void QueueTypedText(const char* utf8)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8);
    while (*p) {
        int len = *p < 0x80 ? 1 : (*p >> 5) == 0x6 ? 2 : (*p >> 4) == 0xE ? 3 : (*p >> 3) == 0x1E ? 4 : 1;
        std::string one;
        for (int i = 0; i < len && p[i]; ++i)
            one += char(p[i]);
        p += one.size();
        std::string cp = Utf8ToCp1252(one);
        if (cp.size() != 1)
            continue;
        unsigned char c = static_cast<unsigned char>(cp[0]);
        if (c == '?' && one != "?")
            continue; // no Windows-1252 form
        if (c < 32 || c == 127)
            continue;
        WindowMessage m = Make(MessageKind::Char);
        m.ch = c;
        g_queue.push_back(m);
    }
}

void MoveTo(int x, int y, bool force)
{
    if (!force && x == g_lastX && y == g_lastY)
        return;
    g_lastX = x;
    g_lastY = y;
    g_queue.push_back(Make(MessageKind::MouseMove));
}

void Translate(const SDL_Event& e)
{
    switch (e.type) {
    case SDL_MOUSEMOTION:
        if (e.motion.which == SDL_TOUCH_MOUSEID)
            break;
        g_leftHeld = (e.motion.state & SDL_BUTTON_LMASK) != 0;
        g_rightHeld = (e.motion.state & SDL_BUTTON_RMASK) != 0;
        MoveTo(e.motion.x, e.motion.y, true);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        if (e.button.which == SDL_TOUCH_MOUSEID)
            break;
        if (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT)
            break; // the middle and extra buttons mean nothing to the game
        // The game reads positions only from moves: a press somewhere new
        // moves the pointer there first.
        MoveTo(e.button.x, e.button.y, false);
        bool down = e.type == SDL_MOUSEBUTTONDOWN;
        if (e.button.button == SDL_BUTTON_LEFT) {
            g_leftHeld = down;
            g_queue.push_back(Make(down ? MessageKind::LButtonDown : MessageKind::LButtonUp));
        } else {
            g_rightHeld = down;
            g_queue.push_back(Make(down ? MessageKind::RButtonDown : MessageKind::RButtonUp));
        }
        break;
    }
    case SDL_MOUSEWHEEL: {
        if (e.wheel.which == SDL_TOUCH_MOUSEID)
            break;
        int y = e.wheel.y;
        if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED)
            y = -y;
        if (y == 0)
            break;
        WindowMessage m = Make(MessageKind::MouseWheel);
        m.wheel = y > 0 ? 120 : -120;
        g_queue.push_back(m);
        break;
    }
    case SDL_KEYDOWN: {
        int key = KeyCode(e.key.keysym.sym);
        if (!key)
            break;
        WindowMessage m = Make(MessageKind::KeyDown);
        m.key = key;
        g_queue.push_back(m);
        if (key == kKeyBack || key == kKeyTab || key == kKeyReturn) {
            WindowMessage c = Make(MessageKind::Char);
            c.ch = static_cast<unsigned char>(key);
            g_queue.push_back(c);
        }
        break;
    }
    case SDL_TEXTINPUT:
        QueueTypedText(e.text.text);
        break;
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_ENTER)
            g_queue.push_back(Make(MessageKind::SetCursor));
        else if (e.window.event == SDL_WINDOWEVENT_CLOSE)
            g_queue.push_back(Make(MessageKind::Close));
        break;
    case SDL_QUIT:
        g_queue.push_back(Make(MessageKind::Close));
        break;
    default:
        break;
    }
}

void TranslatePendingEvents()
{
    if (!SDL_WasInit(SDL_INIT_EVENTS))
        return;
    SDL_PumpEvents();
    SDL_Event ev[16];
    int n;
    // The device-reset event stays in the queue for the device, which takes
    // it as a loss; every other event is translated or dropped here.
    while ((n = SDL_PeepEvents(ev, 16, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_RENDER_TARGETS_RESET)) > 0)
        for (int i = 0; i < n; ++i)
            Translate(ev[i]);
    while ((n = SDL_PeepEvents(ev, 16, SDL_GETEVENT, SDL_RENDER_DEVICE_RESET + 1, SDL_LASTEVENT)) > 0) {
    }
}

} // namespace

bool AcceptVideoDriver(std::string_view current, const char* requested)
{
    if (current != "offscreen" && current != "dummy" && current != "evdev")
        return true;
    // The request may be a list: "x11,offscreen".
    std::string_view list = requested ? requested : "";
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        std::string_view name = list.substr(0, comma);
        while (!name.empty() && name.front() == ' ')
            name.remove_prefix(1);
        while (!name.empty() && name.back() == ' ')
            name.remove_suffix(1);
        if (name.size() == current.size() && SDL_strncasecmp(name.data(), current.data(), name.size()) == 0)
            return true;
        if (comma == std::string_view::npos)
            break;
        list.remove_prefix(comma + 1);
    }
    return false;
}

bool InitWindowSystem() { return InitVideo(); }

std::string WindowSystemError() { return SDL_GetError(); }

void QuitWindowSystem()
{
    DestroyMainWindow();
    g_shownCursor = nullptr;
    if (g_videoInit) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        g_videoInit = false;
    }
}

SDL_Window* CreateMainWindow(const char* title, int width, int height, bool fullScreen, const Image* icon)
{
    if (g_window || width <= 0 || height <= 0 || !InitVideo())
        return nullptr;
    std::string utf8 = Cp1252ToUtf8(title ? title : "");
    Uint32 flags = SDL_WINDOW_SHOWN | (fullScreen ? SDL_WINDOW_BORDERLESS : 0);
    // A captioned window is centred: placing its client area at the corner
    // would push the caption off the screen.
    int pos = fullScreen ? 0 : int(SDL_WINDOWPOS_CENTERED);
    // SDL sizes the client area, so the 800 x 600 layout is never cut by the frame.
    g_window = SDL_CreateWindow(utf8.c_str(), pos, pos, width, height, flags);
    if (!g_window)
        return nullptr;
    if (icon) {
        if (SDL_Surface* s = SurfaceFromImage(*icon)) {
            SDL_SetWindowIcon(g_window, s);
            SDL_FreeSurface(s);
        }
    }
    SDL_StartTextInput();
    return g_window;
}

void DestroyMainWindow()
{
    if (g_window) {
        SDL_StopTextInput();
        SDL_DestroyWindow(g_window);
        g_window = nullptr;
    }
}

SDL_Window* MainWindow() { return g_window; }

bool GetClientSize(int& width, int& height)
{
    width = height = 0;
    if (!g_window || (SDL_GetWindowFlags(g_window) & SDL_WINDOW_MINIMIZED))
        return false;
    SDL_GetWindowSize(g_window, &width, &height);
    return true;
}

bool GetDesktopSize(int& width, int& height)
{
    width = height = 0;
    if (!InitVideo())
        return false;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0 || mode.w <= 0 || mode.h <= 0)
        return false;
    width = mode.w;
    height = mode.h;
    return true;
}

void PostWindowMessage(const WindowMessage& message) { g_queue.push_back(message); }

void PostQuitMessage(int code)
{
    g_quitPosted = true;
    g_quitCode = code;
}

bool PeekWindowMessage(WindowMessage& out)
{
    TranslatePendingEvents();
    if (!g_queue.empty()) {
        out = g_queue.front();
        g_queue.pop_front();
        return true;
    }
    if (g_quitPosted) {
        g_quitPosted = false;
        out = WindowMessage{};
        out.kind = MessageKind::Quit;
        out.code = g_quitCode;
        return true;
    }
    return false;
}

bool WaitWindowMessage(std::uint32_t timeoutMs)
{
    TranslatePendingEvents();
    if (!g_queue.empty() || g_quitPosted)
        return true;
    if (FakeWallClockActive() || !SDL_WasInit(SDL_INIT_EVENTS)) {
        SleepMs(timeoutMs);
        return false;
    }
    // Waits without taking the event: the next peek translates it.
    return SDL_WaitEventTimeout(nullptr, int(timeoutMs)) == 1;
}

void ClearWindowMessages()
{
    TranslatePendingEvents();
    g_queue.clear();
    g_quitPosted = false;
    g_quitCode = 0;
    g_lastX = g_lastY = -1;
    g_leftHeld = g_rightHeld = false;
}

struct Cursor {
    SDL_Cursor* cursor = nullptr;
};

Cursor* CreateCursor(const Image& picture, int hotX, int hotY)
{
    if (!InitVideo())
        return nullptr;
    SDL_Surface* s = SurfaceFromImage(picture);
    if (!s)
        return nullptr;
    SDL_Cursor* c = SDL_CreateColorCursor(s, hotX, hotY);
    SDL_FreeSurface(s);
    if (!c)
        return nullptr;
    return new Cursor{c};
}

void ShowCursor(Cursor* cursor)
{
    g_shownCursor = cursor;
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return;
    SDL_Cursor* c = cursor ? cursor->cursor : SDL_GetDefaultCursor();
    if (c)
        SDL_SetCursor(c);
}

void FreeCursor(Cursor* cursor)
{
    if (!cursor)
        return;
    if (g_shownCursor == cursor)
        ShowCursor(nullptr);
    SDL_FreeCursor(cursor->cursor);
    delete cursor;
}

Cursor* ShownCursor() { return g_shownCursor; }

} // namespace plat
