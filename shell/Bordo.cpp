#include "shell/Bordo.h"

#include <algorithm>

int CBordo::Create(plat::Device* dev)
{
    Reset(dev);
    int r = CreateFromResource(dev, kBitmapFrameStrip, 800, 15);
    m_frameW = 5;
    m_frameH = 5;
    m_row = 0;
    m_relative = 1;
    m_red = 0.4f;
    m_green = 0.79f;
    m_blue = 0.79f;
    m_anchorX = 1;
    m_anchorY = 1;
    return r;
}

int CBordo::Draw(plat::Device* dev, int x, int y, int width, int height)
{
    return DrawInset(dev, x, y, width, height, 0);
}

int CBordo::DrawInset(plat::Device* dev, int x, int y, int width, int height, unsigned inset)
{
    const int W = std::clamp(width, 0, std::max(0, m_screenW)) / 5 * 5;
    const int H = std::clamp(height, 0, std::max(0, m_screenH)) / 5 * 5;
    const int X = x + (m_relative == 1 ? m_offsetX : 0);
    const int Y = y + (m_relative == 1 ? m_offsetY : 0);
    const int in = int(inset);
    const int r = m_row;
    struct Piece {
        int row, column, width;
        float rotation;
        int cx, cy;
    };
    const Piece pieces[8] = {
        {r, 0, 5, 0, X - in, Y},
        {r, 1, 5, 0, X + W, Y},
        {r, 2, 5, 0, X - in, Y + H},
        {r, 3, 5, 0, X + W, Y + H},
        {r + 1, 0, W - 2, 0, X + 2 + (W - 2) / 2, Y},
        {r + 1, 0, H - 2, 270, X - in, Y + 2 + (H - 2) / 2},
        {r + 2, 0, W - 2, 180, X + 2 + (W - 2) / 2, Y + H + 1},
        {r + 2, 0, H - 2, 90, X + W + 1, Y + 2 + (H - 2) / 2},
    };
    int result = 0;
    for (const Piece& p : pieces) {
        m_row = p.row;
        m_column = p.column;
        m_frameW = p.width;
        m_rotation = p.rotation;
        SetX(p.cx);
        SetY(p.cy);
        result = CSprite::Draw(dev);
    }
    m_row = r;
    m_column = 0;
    m_frameW = 5;
    return result;
}
