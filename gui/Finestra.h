#pragma once
// CFinestra: a panel. A translucent background cropped from the one
// screen-sized picture all panels share (g_sprPanelBackground), a frame, and
// an optional title with its own title-bar frame.
#include "gui/Testo.h"
#include "shell/Bordo.h"

class CFinestra : public COggetto {
public:
    CFinestra();
    int Create(plat::Device* dev);
    // The panel is drawn 5 pixels smaller than width and height rounded down
    // to multiples of 5; x, y is its top-left corner in layout coordinates.
    int Draw(plat::Device* dev, int x, int y, int width, int height);
    int DrawTitled(plat::Device* dev, int x, int y, int width, int height, const char* title);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    bool IsMouseOver() const;
    void SetColour(float red, float green, float blue);
    void SetRelative(std::uint8_t flag);

    // Fields, in order.
    CBordo m_bordo;
    CTesto m_title;
    // A title too wide for its panel is drawn in this smaller face.
    CTesto m_smallTitle;
    float m_alpha;
    float m_overrideRed, m_overrideGreen, m_overrideBlue;
    std::uint8_t m_overrideOn;
};

constexpr std::uint32_t kBitmapPanelBackground = 155;
