#pragma once
// The root of every scene object and widget: a position kept inside a clamp
// box, the back-buffer size, a sprite depth, the layout offset that centres
// the 800 x 600 layout, and five timed operations polled by their owners.
#include <cstdint>

class COggetto {
public:
    COggetto();
    virtual ~COggetto() = default;

    virtual void OnTimer0() {}
    virtual void OnTimer1() {}
    virtual void OnTimer2() {}
    virtual void OnTimer3() {}
    virtual void OnTimer4() {}

    // Each runs its timed operation when it is due: interval not 0, and
    // never run or strictly more than the interval since the last run.
    void RunTimer0();
    void RunTimer1();
    void RunTimer2();
    void RunTimer3();
    void RunTimer4();
    void ResetTimers();

    void InitScreen();
    int GetScreenWidth() const;
    int GetScreenHeight() const;
    void SetX(int value);
    void SetY(int value);
    int GetX() const { return m_x; }
    int GetY() const { return m_y; }

    struct Timer {
        std::uint32_t interval; // ms; 0 = off
        std::uint32_t last;     // clock reading of the last run; 0 = never
    };

    // Fields, in order.
    int m_top, m_bottom, m_left, m_right;
    int m_screenW, m_screenH;
    int m_x, m_y;
    float m_depth;
    std::uint8_t m_flags[3];
    int m_savedX, m_savedY;
    float m_savedDepth;
    int m_offsetX, m_offsetY;
    std::uint8_t m_relative;
    int m_frameH, m_frameW;
    Timer m_timer[5];

private:
    bool Due(int k);
};

// The layout offset: (width - 800) / 2 and (height - 600) / 2, 0 below 1.
int GuiOffsetX(int viewportWidth);
int GuiOffsetY(int viewportHeight);

// Back-buffer size from the resolution setting; set by the program entry.
extern int g_nScreenW;
extern int g_nScreenH;

// The viewport the layout offset is computed from. The application object
// keeps it equal to the device's; tests set it directly.
extern int g_nViewportW;
extern int g_nViewportH;
