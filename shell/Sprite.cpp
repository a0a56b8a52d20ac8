#include "shell/Sprite.h"

#include "shell/Globals.h"
#include "shell/Opzioni.h"
#include "shell/Utility.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

plat::Device* g_pDevice = nullptr;
PointerState g_pointer;

KARVELIN_GLOBAL(32) CSprite g_sprPanelBackground;

namespace {

const char* Caption()
{
    return Tr("Errore creazione Sprite", "Error creating sprite");
}

} // namespace

const char* SpriteErrorText(int status, bool fromResource, const char* path)
{
    static char text[1024];
    switch (status) {
    case plat::kNotAvailable:
        return "This device does not support the queried technique.";
    case plat::kOutOfVideoMemory:
        return "Microsoft Direct3D does not have enough display memory to perform the operation.";
    case plat::kInvalidCall:
        return "The method call is invalid.";
    case plat::kInvalidData:
        if (fromResource)
            return "The data is invalid.";
        std::snprintf(text, sizeof text, "The file %s is not valid!", path ? path : "");
        return text;
    case plat::kOutOfMemory:
        return "Direct3D could not allocate sufficient memory to complete the call.";
    default:
        if (fromResource)
            return Tr("Impossibile creare sprite da risorsa.", "Unable to create sprite from the resource.");
        std::snprintf(text, sizeof text, "%s%s", Tr("Impossibile creare sprite da file ", "Could not create file sprite "),
                      path ? path : "");
        return text;
    }
}

CSprite::CSprite() : m_deviceLost(0), m_pressed(0)
{
    m_path[0] = 0;
    Init();
}

CSprite::~CSprite()
{
    Init();
}

void CSprite::Init()
{
    Release();
    m_anchorX = 1;
    m_anchorY = 1;
    m_rampStart = 0;
    m_rampEnd = 0;
    m_maxScale = 0;
    m_minScale = 0;
    m_rampOn = 0;
}

void CSprite::Release()
{
    m_texture.reset();
    m_sprite.reset();
    m_line.reset();
    if (m_deviceLost != 1) {
        m_path[0] = 0;
        m_bitmapId = 0;
        m_fromResource = 0;
        m_requestedW = 0;
        m_requestedH = 0;
        m_column = 0;
        m_row = 0;
        m_scale = 1.0f;
        m_rotation = 0;
        m_alpha = m_red = m_green = m_blue = 1.0f;
        m_visible = 1;
        m_hot = 0;
        m_deviceLost = 0;
    }
}

void CSprite::Reset(plat::Device*)
{
    Init();
    InitScreen();
}

int CSprite::CreateDeviceObjects(plat::Device* dev)
{
    if (!dev)
        return plat::kInvalidCall;
    int st = plat::kOk;
    m_line = dev->CreateLineDrawer(&st);
    if (st != plat::kOk)
        return st;
    m_sprite = dev->CreateSpriteDrawer(&st);
    return st;
}

int CSprite::LoadTextureFromFile(plat::Device* dev, const char* path, int width, int height)
{
    m_requestedW = width;
    m_requestedH = height;
    if (!dev)
        return plat::kInvalidCall;
    int st = plat::kOk;
    m_texture = dev->CreateTextureFromFile(path ? path : "", width, height, &st);
    return st;
}

int CSprite::LoadTextureFromResource(plat::Device* dev, std::uint32_t bitmapId, int width, int height)
{
    m_requestedW = width;
    m_requestedH = height;
    if (!dev)
        return plat::kInvalidCall;
    int st = plat::kOk;
    m_texture = dev->CreateTextureFromResource(int(bitmapId), width, height, &st);
    return st;
}

int CSprite::TryCreateFromFile(plat::Device* dev, const char* path, int width, int height)
{
    // Held until the new picture is made: the same picture asked for again
    // at the same size is then the one already made, not read afresh.
    const plat::TexturePtr previous = m_texture;
    Release();
    m_fromResource = 0;
    // A path that does not fit would be cut into the name of another file:
    // it is treated as a file that is not there.
    if (path && std::strlen(path) > sizeof m_path - 1) {
        m_path[0] = 0;
        return plat::kNotFound;
    }
    CopyString(m_path, path ? path : "", sizeof m_path - 1);
    if (!path || !*path)
        return 0;
    int st = LoadTextureFromFile(dev, m_path, width, height);
    if (st == plat::kOk)
        st = CreateDeviceObjects(dev);
    if (st != plat::kOk) {
        Release();
        return st;
    }
    if (!m_deviceLost) {
        m_frameW = width;
        m_frameH = height;
    }
    return 0;
}

int CSprite::CreateFromFile(plat::Device* dev, const char* path, int width, int height)
{
    const std::string name = path ? path : ""; // path may be m_path, which a failure clears
    int st = TryCreateFromFile(dev, path, width, height);
    if (st != plat::kOk)
        FatalError(Caption(), SpriteErrorText(st == plat::kNotFound ? plat::kFailed : st, false, name.c_str()));
    return 0;
}

int CSprite::CreateFromResource(plat::Device* dev, std::uint32_t bitmapId, int width, int height)
{
    const plat::TexturePtr previous = m_texture; // as in TryCreateFromFile
    Release();
    m_bitmapId = bitmapId;
    m_fromResource = 1;
    int st = LoadTextureFromResource(dev, bitmapId, width, height);
    if (st == plat::kOk)
        st = CreateDeviceObjects(dev);
    if (st != plat::kOk)
        FatalError(Caption(), SpriteErrorText(st == plat::kNotFound ? plat::kFailed : st, true, nullptr));
    if (!m_deviceLost) {
        m_frameW = width;
        m_frameH = height;
    }
    return 0;
}

void CSprite::OnLostDevice()
{
    m_texture.reset();
    m_sprite.reset();
    m_line.reset();
    m_deviceLost = 1;
}

void CSprite::OnResetDevice(plat::Device* dev)
{
    if (m_deviceLost != 1)
        return;
    if (m_fromResource == 1)
        CreateFromResource(dev, m_bitmapId, m_requestedW, m_requestedH);
    else if (m_path[0])
        CreateFromFile(dev, m_path, m_requestedW, m_requestedH);
    m_deviceLost = 0;
}

int CSprite::Draw(plat::Device* dev)
{
    const float savedScale = m_scale;
    int result = 0;
    float alpha = m_alpha;
    if (g_Opzioni.alpha != 1)
        alpha = m_alpha >= 0.6f ? 1.0f : 0.0f;
    if (m_visible != 1 || !m_sprite || !m_texture) {
        m_hot = 0;
    } else {
        if (m_column < 0)
            m_column = 0;
        plat::Rect src{m_column * m_frameW, m_row * m_frameH, (m_column + 1) * m_frameW, (m_row + 1) * m_frameH};
        const int hw = m_frameW / 2, hh = m_frameH / 2;
        if (m_rampOn == 1)
            ApplyScaleRamp();
        const float s = m_scale;
        plat::Matrix m = plat::MatrixTransformation2D(
            {s, s}, {s * hw, s * hh}, m_rotation * 0.017453292f,
            {float(m_x) - m_anchorX * s * hw, float(m_y) - m_anchorY * s * hh});
        m_sprite->SetTransform(m);
        m_sprite->Begin();
        if (m_hot == 1)
            DrawOutline(dev);
        result = m_sprite->Draw(m_texture.get(), &src, {0, 0, m_depth}, plat::PackArgb(alpha, m_red, m_green, m_blue));
        m_sprite->End();
    }
    m_scale = savedScale;
    RunTimer0();
    RunTimer1();
    return result;
}

int CSprite::DrawAt(plat::Device* dev, int x, int y)
{
    SetX(x + (m_relative == 1 ? m_offsetX : 0));
    SetY(y + (m_relative == 1 ? m_offsetY : 0));
    return Draw(dev);
}

void CSprite::DrawOutline(plat::Device*)
{
    if (!m_line)
        return;
    const float c = m_pressed ? 1.0f : 0.7f;
    const int hw = m_frameW / 2, hh = m_frameH / 2;
    const float left = float(m_x - m_anchorX * hw - 1), top = float(m_y - m_anchorY * hh - 1);
    const float right = float(m_x + (2 - m_anchorX) * hw + 1), bottom = float(m_y + (2 - m_anchorY) * hh);
    const plat::Vec2 pts[5] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
    m_line->SetWidth(1.0f);
    m_line->Begin();
    m_line->Draw(pts, 5, plat::PackArgb(1.0f, c, c, c));
    m_line->End();
}

bool CSprite::IsMouseInside() const
{
    const int hw = m_frameW / 2, hh = m_frameH / 2;
    const int left = m_x - m_anchorX * hw, right = m_x + (2 - m_anchorX) * hw;
    const int top = m_y - m_anchorY * hh, bottom = m_y + (2 - m_anchorY) * hh;
    return g_pointer.x >= left && g_pointer.x <= right && g_pointer.y >= top && g_pointer.y <= bottom;
}

bool CSprite::OnMouseDown()
{
    m_pressed = 0;
    if (m_visible == 0)
        return false;
    if (IsMouseInside()) {
        m_pressed = 1;
        return true;
    }
    return false;
}

bool CSprite::UpdatePress()
{
    m_hot = 0;
    if (m_visible == 0) {
        m_pressed = 0;
        return false;
    }
    if (m_pressed == 1) {
        m_pressed = g_pointer.left ? 1 : 0;
        m_hot = 1;
        return m_pressed == 1;
    }
    if (IsMouseInside())
        m_hot = 1;
    return false;
}

void CSprite::StepFrameTowards(int target)
{
    if (target > m_column)
        ++m_column;
    else if (target < m_column)
        --m_column;
}

void CSprite::ApplyScaleRamp()
{
    const float span = float(m_bottom - m_top);
    if (m_rampStart > 0 && span != 0) {
        if (m_rampEnd > 0)
            m_scale = float(m_y - m_top) * (m_rampEnd - m_rampStart) / span + m_rampStart;
        else if (m_rampEnd == 0)
            m_scale = (float(m_y - m_top) * (1.0f - m_rampStart) / span + m_rampStart) * m_scale;
    }
    if (m_maxScale > 0 && m_scale > m_maxScale)
        m_scale = m_maxScale;
    if (m_minScale > m_scale)
        m_scale = m_minScale;
}

// ---------------------------------------------------------------- CIndPerc

CIndPerc::CIndPerc()
{
    Init();
}

CIndPerc::CIndPerc(plat::Device* dev)
{
    Init();
    Create(dev);
}

int CIndPerc::Create(plat::Device* dev)
{
    Reset(dev);
    CreateFromResource(dev, kBitmapProgressBar, 451, 10);
    m_anchorX = 1;
    m_anchorY = 0;
    m_frameW = 41;
    m_frameH = 10;
    m_column = 0;
    InitScreen();
    return 0;
}

int CIndPerc::FrameForPercent(int percent)
{
    if (percent == 0)
        return 0;
    return std::min(10, 1 + std::clamp(percent, 0, 100) / 10);
}

int CIndPerc::Draw(plat::Device* dev, int x, int y, int percent)
{
    if (m_visible != 1)
        return 0;
    m_column = FrameForPercent(percent);
    return DrawAt(dev, x, y);
}
