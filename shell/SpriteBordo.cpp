#include "shell/SpriteBordo.h"

#include "platform/Files.h"
#include "shell/GestFile.h"
#include "shell/Utility.h"

#include <cstring>
#include <string>

namespace {

// A photo that is there but cannot be shown (not a picture, damaged, too
// large) is replaced quietly on screen; the error log says which file it was.
void LogRefusedPhoto(const char* path)
{
    LogError("sprite", Concat2("Picture refused, built-in picture shown: ", path), __LINE__);
}

} // namespace

int CSpriteBordo::Init(plat::Device* dev)
{
    Reset(dev);
    m_anchorX = 0;
    m_anchorY = 0;
    m_relative = 1;
    int r = m_bordo.Create(dev);
    m_bordo.m_row = 0;
    return r;
}

int CSpriteBordo::CreateFromResource(plat::Device* dev, std::uint32_t bitmapId, int width, int height)
{
    if (int(bitmapId) < 1)
        return 1;
    m_alpha = 1.0f;
    return CSprite::CreateFromResource(dev, std::uint16_t(bitmapId), width, height);
}

int CSpriteBordo::LoadPhoto(plat::Device* dev, const char* folder, const char* fileName, std::uint32_t bitmapId,
                            int width, int height)
{
    m_alpha = 1.0f;
    if (fileName && *fileName && std::strcmp(fileName, kNoPhotoName) != 0) {
        if (g_GestFile.FileExistsIn(folder ? folder : "", fileName)) {
            // A file that is there but is no picture (or is a folder) falls
            // back like a missing one instead of ending the program.
            const std::string path = plat::JoinPath(folder ? folder : "", fileName);
            if (TryCreateFromFile(dev, path.c_str(), width, height) == 0) {
                m_bitmapId = bitmapId; // the fallback, should the file fail after a lost device
                return 0;
            }
            LogRefusedPhoto(path.c_str());
        }
        int r = CreateFromResource(dev, bitmapId, width, height);
        m_alpha = 0.2f;
        return r;
    }
    int r = CreateFromResource(dev, bitmapId, width, height);
    if (fileName && std::strcmp(fileName, kNoPhotoName) == 0)
        m_alpha = 0.2f;
    return r;
}

int CSpriteBordo::DrawAt(plat::Device* dev, int x, int y)
{
    int r = CSprite::DrawAt(dev, x, y);
    if (m_frameW >= 1 && m_frameH >= 1)
        r = m_bordo.DrawInset(dev, x, y, int(m_frameW * m_scale), int(m_frameH * m_scale), 1);
    return r;
}

void CSpriteBordo::OnLostDevice()
{
    CSprite::OnLostDevice();
    m_bordo.OnLostDevice();
}

void CSpriteBordo::OnResetDevice(plat::Device* dev)
{
    if (m_deviceLost == 1 && m_fromResource == 0 && m_path[0]) {
        // The photo file may have gone or gone bad since it was shown: its
        // fallback then, as when the photo is loaded.
        if (TryCreateFromFile(dev, m_path, m_requestedW, m_requestedH) != 0) {
            LogRefusedPhoto(m_path);
            CreateFromResource(dev, m_bitmapId, m_requestedW, m_requestedH);
            m_alpha = 0.2f;
        }
        m_deviceLost = 0;
    } else {
        CSprite::OnResetDevice(dev);
    }
    m_bordo.OnResetDevice(dev);
}
