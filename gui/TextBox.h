#pragma once
// CTextBox: a framed text area. It shows a long wrapped text (a description,
// a help text) or lets the player type one short text (a name, a city, a
// configuration name): characters are appended at the end and removed from
// the end with backspace, and a blinking "_" shows that the box takes keys.
// The restricted mode admits only letters, digits and the underscore, for
// texts that become file names.
#include "gui/Finestra.h"
#include "gui/Testo.h"

#include <cstdint>

class CTextBox : public COggetto {
public:
    static constexpr std::uint32_t kMaxText = 1024;
    static constexpr std::uint32_t kMaxRestricted = 128;
    static constexpr std::uint32_t kCaretBlinkMs = 300;

    CTextBox();
    explicit CTextBox(plat::Device* dev);
    CTextBox(const CTextBox&) = delete;
    CTextBox& operator=(const CTextBox&) = delete;

    int Create(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    int Draw(plat::Device* dev, int x, int y, int width, int height, const char* text);
    int DrawTitled(plat::Device* dev, int x, int y, int width, int height, const char* title, const char* text);
    int DrawEdit(plat::Device* dev, int x, int y, int width, int height);
    int DrawEditTitled(plat::Device* dev, int x, int y, int width, int height, const char* title);

    // The text followed by the caret while it shows; buffer holds kMaxText + 1.
    char* GetDisplayText(char* buffer, const char* text) const;
    void OnTimer0() override; // caret blink

    // True when the typed character changed the text.
    bool OnChar(std::uint32_t code);
    bool IsCharAllowed(std::uint32_t code) const;
    void SetRestricted(std::uint8_t flag);
    bool IsMouseOver() const;

    // The owner's own text is not held to the typing limit.
    void SetText(const char* text);
    const char* GetText() const { return m_text; }

    // Fields, in order.
    CFinestra m_panel;
    CTesto m_style;
    char m_text[kMaxText + 1];
    std::uint8_t m_editable;
    std::uint8_t m_caretOn;
    std::uint8_t m_restricted;
    std::uint32_t m_maxLength;
    // A text too long for the box in the text style is drawn in this
    // smaller, lighter face, so a long description is shown whole.
    CTesto m_smallStyle;

private:
    void DrawText(plat::Device* dev, const char* text, int x, int y, int width, int height);
};
