#pragma once
// CSprite: the one picture primitive. It owns a texture made from a picture
// file or a bitmap resource and draws one frame of a grid of equal frames at
// its position, scaled, rotated about its centre, tinted and faded. It gives
// press and hover tests and an outline while hot, an optional scale ramp
// (smaller higher up the screen), and survives a lost device by keeping its
// source and remaking itself after the reset.
//
// CIndPerc: a sprite that shows a percentage as one of 11 frames of a bar.
#include "shell/Graphics.h"
#include "shell/Oggetto.h"

#include <cstdint>
#include <memory>

class CSprite : public COggetto {
public:
    CSprite();
    ~CSprite() override;
    CSprite(const CSprite&) = delete;
    CSprite& operator=(const CSprite&) = delete;

    void Init();
    void Release();
    void Reset(plat::Device* dev);
    int CreateDeviceObjects(plat::Device* dev);
    // Both end the program with the "Error creating sprite" box when the
    // picture cannot be made. An empty path releases the sprite and returns 0.
    int CreateFromFile(plat::Device* dev, const char* path, int width, int height);
    int CreateFromResource(plat::Device* dev, std::uint32_t bitmapId, int width, int height);
    // The same without the fatal box: returns the failure code and leaves the
    // sprite released (used where a bad file has a fallback).
    int TryCreateFromFile(plat::Device* dev, const char* path, int width, int height);
    int LoadTextureFromFile(plat::Device* dev, const char* path, int width, int height);
    int LoadTextureFromResource(plat::Device* dev, std::uint32_t bitmapId, int width, int height);

    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    int Draw(plat::Device* dev);
    int DrawAt(plat::Device* dev, int x, int y);
    void DrawOutline(plat::Device* dev);

    bool OnMouseDown();
    bool UpdatePress();
    bool IsMouseInside() const; // the unscaled frame box, ends included
    void StepFrameTowards(int targetColumn);
    void ApplyScaleRamp();

    // A drawer of a device that has since gone does not count.
    bool HasDrawer() const { return m_sprite && m_sprite->IsLive(); }

    // Fields, in order.
    plat::TexturePtr m_texture;
    std::unique_ptr<plat::SpriteDrawer> m_sprite;
    std::unique_ptr<plat::LineDrawer> m_line;
    std::uint8_t m_deviceLost;
    char m_path[645];
    std::uint32_t m_bitmapId;
    std::uint8_t m_fromResource;
    int m_requestedW;
    int m_requestedH;
    int m_column;
    int m_row;
    float m_scale;
    float m_rotation; // degrees, clockwise on screen
    float m_alpha;
    float m_red, m_green, m_blue;
    int m_anchorX; // 1: x is the frame's centre; 0: its left edge
    int m_anchorY; // 1: y is the frame's centre; 0: its top edge
    std::uint8_t m_visible;
    std::uint8_t m_hot;
    std::uint8_t m_pressed;
    float m_rampStart;
    float m_rampEnd;
    float m_maxScale;
    float m_minScale;
    std::uint8_t m_rampOn;
};

// The text of the fatal box for a picture that cannot be made.
const char* SpriteErrorText(int status, bool fromResource, const char* path);

class CIndPerc : public CSprite {
public:
    CIndPerc();
    explicit CIndPerc(plat::Device* dev);

    int Create(plat::Device* dev);
    // Frame 0 for 0 %, else 1 + clamp(percent, 0, 100) / 10 capped at 10.
    int Draw(plat::Device* dev, int x, int y, int percent);
    static int FrameForPercent(int percent);
};

constexpr std::uint32_t kBitmapProgressBar = 257;

// The screen-sized picture every panel crops and tints (bitmap 155).
extern CSprite g_sprPanelBackground;
