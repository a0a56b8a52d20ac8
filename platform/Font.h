#pragma once
// Text drawing. A face is found by name and weight through fontconfig
// ("Arial" gives Liberation Sans, with DejaVu Sans as the fallback); the
// requested height is the cell height (ascent + descent). Texts are
// Windows-1252 bytes. Rendered lines are cached per device, least recently
// used first out; a lost device drops the cache.
#include "platform/Device.h"

#include <memory>
#include <string>

namespace plat {

// Format flags (the numbers callers store in their data).
enum TextFormat : unsigned {
    kTextLeft = 0,
    kTextCentre = 0x1,
    kTextRight = 0x2,
    kTextVCentre = 0x4,   // with kTextSingleLine
    kTextBottom = 0x8,    // with kTextSingleLine
    kTextWordBreak = 0x10,
    kTextSingleLine = 0x20,
    kTextNoClip = 0x100,
};

struct FontFace; // the opened face, shared by fonts of the same file, size and weight
struct CachedLine;

class Font {
public:
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    int Height() const { return m_cellHeight; } // the requested cell height
    int LineHeight() const;                     // the face's own line height (<= Height())
    const std::string& FacePath() const;

    // Draws the text into the rectangle. With kTextNoClip the rectangle's
    // left and top are the point the text starts at (centre and right align
    // about left); otherwise the text is clipped to the rectangle and, with
    // kTextWordBreak, wrapped at word boundaries inside its width. Line
    // breaks always start new lines. Returns the height of the laid-out text:
    // lines x cell height. count < 0 means up to the terminator.
    int DrawText(const char* text, int count, const Rect& rect, unsigned format, Argb colour, float depth = 0.0f);
    // Width in pixels of one line of the text (no wrapping).
    int MeasureWidth(const char* text, int count = -1) const;
    // The height DrawText would return for the text wrapped in the width.
    int MeasureWrappedHeight(const char* text, int width) const;

private:
    friend class Device;
    Font() = default;
    const CachedLine* RenderLine(const std::string& utf8, const std::string& key);
    DeviceLink m_device;
    std::shared_ptr<FontFace> m_face;
    int m_cellHeight = 0;
};

} // namespace plat
