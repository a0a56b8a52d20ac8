#pragma once
// Spinners that show words instead of numbers, shared by several screens.
// Each picks its text in the language of the moment it is asked, so a
// language change shows on the next frame.
#include "gui/Spinner.h"

#include <cstddef>
#include <cstdint>

// One value's words; a row whose two texts are equal serves both languages.
struct SpinnerWord {
    std::int32_t value;
    const char* italian;
    const char* english;
};

// The words of the value, or the fallback pair when no row has it.
const char* PickSpinnerWord(std::int32_t value, const SpinnerWord* rows, std::size_t count,
                            const char* otherItalian = "", const char* otherEnglish = "");

template <std::size_t N>
const char* PickSpinnerWord(std::int32_t value, const SpinnerWord (&rows)[N], const char* otherItalian = "",
                            const char* otherEnglish = "")
{
    return PickSpinnerWord(value, rows, N, otherItalian, otherEnglish);
}

// Yes (1) or no (anything else).
class CSpinnerSiNo : public CSpinner {
public:
    const char* GetValueText() override;
};

// The waters mode: 0 fresh water, 1 sea, 2 both. "Both" has a long text
// where the box is wide (options) and a short one on the main menu.
class CSpinnerModoAcque : public CSpinner {
public:
    CSpinnerModoAcque() : m_longForm(1) {}
    const char* GetValueText() override;

    std::uint8_t m_longForm;
};

// The tackle box's spinners.
// Rod power: 2 medium, 3 high, anything else low.
class CSpinnerRigidita : public CSpinner {
public:
    const char* GetValueText() override;
};

// Rod type: 1 bolognese, 2 boat rod, 3 spinning, anything else a pole.
class CSpinnerTipoCanna : public CSpinner {
public:
    const char* GetValueText() override;
};

// How a leader or dropper joins the line: -1 not rigged, 0 a knot, a swivel otherwise.
class CSpinnerCollegamento : public CSpinner {
public:
    const char* GetValueText() override;
};

// Which hooks the leader's list offers: 1 no lure hooks, 2 lure hooks only, else all.
class CSpinnerFiltroAmoEsca : public CSpinner {
public:
    const char* GetValueText() override;
};

// A sliding float's stopper, as a length in the units setting.
class CSpinnerStopper : public CSpinner {
public:
    const char* GetValueText() override;
};
