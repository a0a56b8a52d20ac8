#include "shell/Mouse.h"

#include "platform/Image.h"
#include "platform/Resources.h"
#include "platform/Window.h"
#include "shell/Globals.h"
#include "shell/Graphics.h"

KARVELIN_GLOBAL(21) CMouse g_Mouse;

namespace {

constexpr int kCursorIds[4] = {kCursorArrow, kCursorFishing, kCursorAddShot, kCursorRemoveShot};

plat::Cursor* MakeCursor(int id)
{
    const plat::Resource* res = plat::FindResource(plat::ResourceKind::Cursor, id);
    if (!res)
        return nullptr;
    plat::Image picture;
    if (!plat::DecodeImage(res->data, res->size, picture))
        return nullptr;
    return plat::CreateCursor(picture, res->hotX, res->hotY);
}

} // namespace

CMouse::CMouse() : left(0), right(0), cursors{nullptr, nullptr, nullptr, nullptr}
{
    Reset();
}

// The cursors live as long as the video system, which is gone by the time
// the globals are destroyed; they are freed with the window instead.
CMouse::~CMouse() = default;

void CMouse::Reset()
{
    x = 0;
    y = 0;
    mode = 0;
    savedMode = 0;
    g_pointer.x = 0;
    g_pointer.y = 0;
}

void CMouse::LoadCursors()
{
    FreeCursors();
    for (int i = 0; i < 4; ++i)
        cursors[i] = MakeCursor(kCursorIds[i]);
}

void CMouse::FreeCursors()
{
    plat::ShowCursor(nullptr);
    for (plat::Cursor*& c : cursors) {
        plat::FreeCursor(c);
        c = nullptr;
    }
}

void CMouse::SetCursorMode(std::uint32_t newMode)
{
    mode = newMode;
    int index = (newMode >= 1 && newMode <= 3) ? int(newMode) : 0;
    // A cursor that could not be made falls back to the system arrow, never
    // to an invisible pointer.
    plat::ShowCursor(cursors[index]);
}

void CMouse::SetPosition(int, int, int clientRight, int clientBottom, int clientX, int clientY)
{
    if (g_nViewportW <= 0 || g_nViewportH <= 0 || clientRight == 0 || clientBottom == 0)
        return;
    x = g_nViewportW * clientX / clientRight;
    y = g_nViewportH * clientY / clientBottom;
    g_pointer.x = x;
    g_pointer.y = y;
}

void CMouse::SetButtons(bool leftHeld, bool rightHeld)
{
    left = leftHeld ? 1 : 0;
    right = rightHeld ? 1 : 0;
    g_pointer.left = left;
}
