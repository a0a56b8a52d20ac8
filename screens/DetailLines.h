#pragma once
// The "label" + value lines of the screens' detail panels: Arial 14,
// weight 400, one line every 15 pixels down from where the panel starts
// them. Callers format the value with their own units.
#include "gui/Testo.h"

class CDetailLines {
public:
    static constexpr int kLineStep = 15;

    CDetailLines();
    int Create(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    // The next line is drawn at x, y; a width above 0 is the room a line
    // has: a line wider than that is drawn in a smaller face.
    void Begin(int x, int y, int width = 0);
    // Label and value joined directly ("%s%s"), then one line down.
    void Line(plat::Device* dev, const char* label, const char* value);
    // Label, a blank and the number ("%s %d"), then one line down.
    void LineInt(plat::Device* dev, const char* label, int value);
    int NextY() const { return m_y; }

    CTesto m_text;
    CTesto m_small; // Arial 12, weight 400

private:
    void Draw(plat::Device* dev, const char* text);
    int m_width = 0;
    int m_x = 0;
    int m_y = 0;
};
