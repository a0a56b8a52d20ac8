#include "platform/Dialog.h"

#include "platform/Locale.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace plat {
namespace {

MessageSink g_sink;

bool RealDisplay()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return false;
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "dummy") != 0 && std::strcmp(driver, "offscreen") != 0;
}

} // namespace

void SetMessageSink(MessageSink sink) { g_sink = std::move(sink); }

void ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon)
{
    if (g_sink) {
        g_sink(caption, text, icon);
        return;
    }
    std::string c = Cp1252ToUtf8(caption), t = Cp1252ToUtf8(text);
    std::fprintf(stderr, "%s: %s\n", c.c_str(), t.c_str());
    if (RealDisplay()) {
        Uint32 flags = icon == MessageIcon::Stop ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_WARNING;
        SDL_ShowSimpleMessageBox(flags, c.c_str(), t.c_str(), nullptr);
    }
}

void ExitProcess(int code)
{
    std::fflush(nullptr);
    std::exit(code);
}

} // namespace plat
