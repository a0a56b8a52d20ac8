#include "gui/AskBox.h"

#include "shell/Utility.h"

CAskBox::CAskBox() : m_kind(kOkCancel), m_shown(0), m_result(kNone), m_text{}, m_tag(0) { Hide(); }

CAskBox::CAskBox(plat::Device* dev) : CAskBox() { Create(dev); }

int CAskBox::Create(plat::Device* dev)
{
    InitScreen();
    m_panel.Create(dev);
    m_panel.m_alpha = 1.0f;
    m_panel.m_bordo.m_row = 0;
    m_message.Create(dev);
    m_message.m_format = plat::kTextCentre;
    m_first.Create(dev);
    m_first.m_caption.m_format = plat::kTextCentre;
    m_second.Create(dev);
    m_second.m_caption.m_format = plat::kTextCentre;
    Hide();
    return 0;
}

void CAskBox::OnLostDevice()
{
    m_panel.OnLostDevice();
    m_first.OnLostDevice();
    m_second.OnLostDevice();
    m_message.OnLostDevice();
}

void CAskBox::OnResetDevice(plat::Device* dev)
{
    m_panel.OnResetDevice(dev);
    m_first.OnResetDevice(dev);
    m_second.OnResetDevice(dev);
    m_message.OnResetDevice(dev);
}

void CAskBox::Show(const char* text, std::uint32_t kind) { ShowTagged(text, 0, kind); }

void CAskBox::ShowTagged(const char* text, std::uint32_t tag, std::uint32_t kind)
{
    Hide();
    CopyString(m_text, text ? text : "", kMaxText);
    m_tag = tag;
    m_shown = 1;
    m_kind = kind;
}

void CAskBox::Hide()
{
    m_kind = kOkCancel;
    m_result = kNone;
    m_shown = 0;
    m_text[0] = '\0';
    // A button still armed from a box closed under the pointer must not
    // answer the next question without a press of its own.
    if (m_first.m_state == CPulsante::kPressed)
        m_first.m_state = CPulsante::kNormal;
    if (m_second.m_state == CPulsante::kPressed)
        m_second.m_state = CPulsante::kNormal;
}

int CAskBox::Draw(plat::Device* dev)
{
    if (!m_shown)
        return 0;
    const int result = m_panel.Draw(dev, 210, 240, 380, 160);
    m_message.Draw(dev, m_text, 220, 270, 360, 60);
    if (HasFirstButton()) {
        m_first.DrawCaption(dev, 260, 350, FirstCaption());
        m_second.DrawCaption(dev, 410, 350, SecondCaption());
    } else {
        m_second.DrawCaption(dev, 360, 350, SecondCaption());
    }
    return result;
}

const char* CAskBox::FirstCaption() const
{
    switch (m_kind) {
    case kOkCancel: return "OK";
    case kYesNo: return Tr("Si", "Yes");
    default: return "";
    }
}

const char* CAskBox::SecondCaption() const
{
    switch (m_kind) {
    case kOkCancel: return Tr("Annulla", "Cancel");
    case kYesNo: return "No";
    default: return "OK";
    }
}

bool CAskBox::OnMouseDown()
{
    if (!m_shown)
        return false;
    if (HasFirstButton())
        m_first.OnMouseDown();
    m_second.OnMouseDown();
    return false;
}

bool CAskBox::OnMouseUp()
{
    if (!m_shown)
        return false;
    bool closed = false;
    if (HasFirstButton() && m_first.OnMouseUp()) {
        m_result = kFirst;
        m_shown = 0;
        closed = true;
    }
    if (m_second.OnMouseUp() && !closed) {
        m_result = kSecond;
        m_shown = 0;
        closed = true;
    }
    return closed;
}
