#pragma once
// CTesto: text drawn with its own font of the face "Arial". The root's frame
// height is the font's cell height, its frame width the font width (0 = the
// face's own); draws add the layout offset when relative is 1.
#include "shell/Graphics.h"
#include "shell/Oggetto.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// What the test probe hears of one drawn text: the text, where it went
// (layout offset added), its box (0 x 0 for a text drawn from a point), the
// width of the text on one line, the height of its laid-out lines, the
// font's cell height, the format flags and the area the text is drawn in:
// the last panel drawn this frame that holds the text's start, else the
// window (left, top, right, bottom in back-buffer pixels).
struct DrawnText {
    const char* text;
    int x, y, width, height;
    int measuredWidth;
    int laidOutHeight;
    int fontHeight;
    unsigned format;
    plat::Rect area;
    // A boxed text fits when it is no wider than its box, or when wrapped it
    // is no taller than it; a text from a point fits when its lines stay
    // inside the area it is drawn in.
    bool Fits() const
    {
        if (width == 0 && height == 0) {
            int left = x;
            if (format & plat::kTextCentre)
                left = x - measuredWidth / 2;
            else if (format & plat::kTextRight)
                left = x - measuredWidth;
            return left >= area.left && left + measuredWidth <= area.right && y >= area.top &&
                   y + laidOutHeight <= area.bottom;
        }
        return measuredWidth <= width || laidOutHeight <= height;
    }
};

class CTesto : public COggetto {
public:
    CTesto();
    ~CTesto() override;
    CTesto(const CTesto&) = delete;
    CTesto& operator=(const CTesto&) = delete;

    void Init();
    int Create(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    // Width and height 0: from the point, unclipped. Otherwise wrapped in the
    // width and clipped to the box; a height of 0 is one font height.
    // Returns the height of the laid-out text.
    int Draw(plat::Device* dev, const char* text, int x, int y, int width, int height);
    int DrawAt(plat::Device* dev, const char* text, int x, int y);
    int DrawJoined(plat::Device* dev, const char* a, const char* b, int x, int y);
    int DrawJoinedRect(plat::Device* dev, const char* a, const char* b, int x, int y, int width, int height);
    int DrawWithInt(plat::Device* dev, const char* text, int value, int x, int y);
    int DrawWithIntRect(plat::Device* dev, const char* text, int value, int x, int y, int width, int height);
    int DrawWithFloat(plat::Device* dev, const char* text, float value, int x, int y);
    int DrawWithFloatRect(plat::Device* dev, const char* text, float value, int x, int y, int width, int height);

    void SetColour(float red, float green, float blue, float alpha = 1.0f)
    {
        m_red = red;
        m_green = green;
        m_blue = blue;
        m_alpha = alpha;
    }
    bool HasFont() const { return m_font != nullptr; }
    // Width of the text on one line and height of it wrapped in width, in
    // this font (0 without a font).
    int MeasureWidth(const char* text) const;
    int MeasureWrappedHeight(const char* text, int width) const;
    // One line in a box width wide: a text too wide for it is cut at its
    // last whole word that leaves room for "..." and ends with "...".
    int DrawShortened(plat::Device* dev, const char* text, int x, int y, int width);

    // Test seam: while set, every text drawn by any CTesto is reported.
    using Probe = std::function<void(const DrawnText&)>;
    static void SetProbe(Probe probe);
    // Panels tell the probe where they are drawn (back-buffer pixels), so a
    // text from a point is checked against the panel it is drawn in.
    static void NotePanel(const plat::Rect& area);
    // Every panel noted since the probe was set, in drawing order.
    static const std::vector<plat::Rect>& NotedPanels();

    // Fields, in order.
    std::unique_ptr<plat::Font> m_font;
    int m_weight;
    float m_red, m_green, m_blue, m_alpha;
    std::uint32_t m_format; // plat::TextFormat flags: 1 centred, 2 right-aligned
};
