#pragma once
// CAskBox: the modal message and question box. A message in an opaque panel
// at the centre of the layout with one or two buttons under it. While it is
// shown the owning screen draws it last and gives it the mouse alone; a click
// on one of its buttons closes it and leaves the result for the screen to
// read on the same release. A caller tag tells several questions apart.
#include "gui/Finestra.h"
#include "gui/Pulsante.h"
#include "gui/Testo.h"

#include <cstdint>

class CAskBox : public COggetto {
public:
    enum Kind : std::uint32_t { kOkCancel = 0, kYesNo = 1, kOk = 2, kOkAlone = 3 };
    enum Result : std::uint32_t { kNone = 0, kFirst = 1, kSecond = 2 };
    static constexpr std::uint32_t kMaxText = 1024;

    CAskBox();
    explicit CAskBox(plat::Device* dev);
    CAskBox(const CAskBox&) = delete;
    CAskBox& operator=(const CAskBox&) = delete;

    int Create(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    void Show(const char* text, std::uint32_t kind);
    void ShowTagged(const char* text, std::uint32_t tag, std::uint32_t kind);
    void Hide();
    int Draw(plat::Device* dev);

    bool OnMouseDown();
    // True when this release closed the box; the result says by which button.
    bool OnMouseUp();

    bool IsShown() const { return m_shown == 1; }
    std::uint32_t GetResult() const { return m_result; }
    std::uint32_t GetTag() const { return m_tag; }
    bool HasFirstButton() const { return m_kind == kOkCancel || m_kind == kYesNo; }
    // The captions of the current kind, in the current language ("" when
    // the kind has no first button).
    const char* FirstCaption() const;
    const char* SecondCaption() const;

    // Fields, in order.
    CFinestra m_panel;
    CPulsante m_first;
    CPulsante m_second;
    CTesto m_message;
    std::uint32_t m_kind;
    std::uint8_t m_shown;
    std::uint32_t m_result;
    char m_text[kMaxText + 1];
    std::uint32_t m_tag;
};
