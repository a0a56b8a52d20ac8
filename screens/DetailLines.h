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

    // The next line is drawn at x, y.
    void Begin(int x, int y);
    // Label and value joined directly ("%s%s"), then one line down.
    void Line(plat::Device* dev, const char* label, const char* value);
    // Label, a blank and the number ("%s %d"), then one line down.
    void LineInt(plat::Device* dev, const char* label, int value);
    int NextY() const { return m_y; }

    CTesto m_text;

private:
    int m_x = 0;
    int m_y = 0;
};
