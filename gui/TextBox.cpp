#include "gui/TextBox.h"

#include "shell/Utility.h"

#include <cstring>

CTextBox::CTextBox() : m_text{}, m_editable(0), m_caretOn(0), m_restricted(0), m_maxLength(kMaxText) {}

CTextBox::CTextBox(plat::Device* dev) : CTextBox() { Create(dev); }

int CTextBox::Create(plat::Device* dev)
{
    InitScreen();
    m_panel.Create(dev);
    m_panel.m_bordo.m_row = 0;
    m_style.m_frameH = 13;
    const int result = m_style.Create(dev);
    m_style.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    m_smallStyle.m_frameH = 11;
    m_smallStyle.m_weight = 400;
    m_smallStyle.Create(dev);
    m_text[0] = '\0';
    m_editable = 0;
    m_caretOn = 0;
    m_restricted = 0;
    m_maxLength = kMaxText;
    m_timer[0].interval = kCaretBlinkMs;
    return result;
}

void CTextBox::OnLostDevice()
{
    m_panel.OnLostDevice();
    m_style.OnLostDevice();
    m_smallStyle.OnLostDevice();
}

void CTextBox::OnResetDevice(plat::Device* dev)
{
    m_panel.OnResetDevice(dev);
    m_style.OnResetDevice(dev);
    m_smallStyle.OnResetDevice(dev);
}

void CTextBox::DrawText(plat::Device* dev, const char* text, int x, int y, int width, int height)
{
    const bool cut = m_style.MeasureWrappedHeight(text, width) > height && m_smallStyle.HasFont();
    if (cut) {
        m_smallStyle.SetColour(m_style.m_red, m_style.m_green, m_style.m_blue, m_style.m_alpha);
        m_smallStyle.m_format = m_style.m_format;
        m_smallStyle.m_relative = m_style.m_relative;
    }
    (cut ? m_smallStyle : m_style).Draw(dev, text, x, y, width, height);
}

int CTextBox::Draw(plat::Device* dev, int x, int y, int width, int height, const char* text)
{
    const int result = m_panel.Draw(dev, x, y, width, height);
    DrawText(dev, text ? text : "", x + 5, y + 5, width - 10, height - 10);
    RunTimer0();
    return result;
}

int CTextBox::DrawTitled(plat::Device* dev, int x, int y, int width, int height, const char* title, const char* text)
{
    const int result = m_panel.DrawTitled(dev, x, y, width, height, title ? title : "");
    DrawText(dev, text ? text : "", x + 5, y + 25, width - 10, height - 30);
    RunTimer0();
    return result;
}

int CTextBox::DrawEdit(plat::Device* dev, int x, int y, int width, int height)
{
    char shown[kMaxText + 1];
    return Draw(dev, x, y, width, height, GetDisplayText(shown, m_text));
}

int CTextBox::DrawEditTitled(plat::Device* dev, int x, int y, int width, int height, const char* title)
{
    char shown[kMaxText + 1];
    return DrawTitled(dev, x, y, width, height, title, GetDisplayText(shown, m_text));
}

char* CTextBox::GetDisplayText(char* buffer, const char* text) const
{
    CopyString(buffer, text ? text : "", kMaxText);
    const std::size_t n = std::strlen(buffer);
    if (m_editable == 1 && m_caretOn == 1 && n < kMaxText) {
        buffer[n] = '_';
        buffer[n + 1] = '\0';
    }
    return buffer;
}

void CTextBox::OnTimer0() { m_caretOn = m_caretOn ? 0 : 1; }

bool CTextBox::IsCharAllowed(std::uint32_t code) const
{
    if (!m_restricted)
        return true;
    const unsigned char c = static_cast<unsigned char>(code & 0xFF);
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool CTextBox::OnChar(std::uint32_t code)
{
    if (!m_editable)
        return false;
    if (code == 8) {
        const std::size_t n = std::strlen(m_text);
        if (n == 0)
            return false;
        m_text[n - 1] = '\0';
        return true;
    }
    if (code == 9 || code == 13)
        return false;
    const unsigned char c = static_cast<unsigned char>(code & 0xFF);
    // Control codes never go in: the texts end up in INI files and file names.
    if (c < 32 || c == 127)
        return false;
    if (!IsCharAllowed(code))
        return false;
    const std::size_t n = std::strlen(m_text);
    if (n >= m_maxLength || n >= kMaxText)
        return false;
    m_text[n] = static_cast<char>(c);
    m_text[n + 1] = '\0';
    return true;
}

void CTextBox::SetRestricted(std::uint8_t flag)
{
    m_restricted = flag;
    if (flag == 1)
        m_maxLength = kMaxRestricted;
}

bool CTextBox::IsMouseOver() const { return m_panel.IsMouseOver(); }

void CTextBox::SetText(const char* text) { CopyString(m_text, text ? text : "", kMaxText); }
