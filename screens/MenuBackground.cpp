#include "screens/MenuBackground.h"

void LoadMenuBackground(CSprite& background, plat::Device* dev)
{
    LoadScreenBackground(background, dev, kBitmapMenuBackground);
}

void LoadScreenBackground(CSprite& background, plat::Device* dev, std::uint32_t bitmap)
{
    background.Reset(dev);
    int w = dev->BackBufferWidth();
    int h = dev->BackBufferHeight();
    background.CreateFromResource(dev, bitmap, w, h);
    int x = w / 2, y = h / 2;
    if (background.m_relative == 1) {
        x += background.m_offsetX;
        y += background.m_offsetY;
    }
    background.SetX(x);
    background.SetY(y);
}
