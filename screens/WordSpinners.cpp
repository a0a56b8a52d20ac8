#include "screens/WordSpinners.h"

#include "shell/Utility.h"
#include "simulation/tackle/Canna.h"

const char* PickSpinnerWord(std::int32_t value, const SpinnerWord* rows, std::size_t count,
                            const char* otherItalian, const char* otherEnglish)
{
    for (std::size_t i = 0; i < count; ++i)
        if (rows[i].value == value)
            return Tr(rows[i].italian, rows[i].english);
    return Tr(otherItalian, otherEnglish);
}

const char* CSpinnerSiNo::GetValueText() { return m_value == 1 ? Tr("Si", "Yes") : "No"; }

const char* CSpinnerModoAcque::GetValueText()
{
    static const SpinnerWord kWords[] = {
        {0, "Acque Interne", "Freshwater"},
        {1, "Acque Marittime", "Saltwater"},
    };
    if (m_value == 2)
        return m_longForm == 1 ? Tr("Acque Interne e Marittime", "Freshwater and Saltwater")
                               : Tr("Acque Inter. e Marit.", "Freshwat. & Saltwat.");
    return PickSpinnerWord(m_value, kWords);
}

const char* CSpinnerRigidita::GetValueText() { return CCanna::GetStiffnessName(m_value); }

const char* CSpinnerTipoCanna::GetValueText() { return CCanna::GetTypeName(m_value); }

const char* CSpinnerCollegamento::GetValueText()
{
    static const SpinnerWord kWords[] = {{-1, "Bracciolo assente", "Line not used"}, {0, "Nodo", "Node"}};
    return PickSpinnerWord(m_value, kWords, "Girella", "Swivel");
}

const char* CSpinnerFiltroAmoEsca::GetValueText()
{
    static const SpinnerWord kWords[] = {{1, "No spinning", "No spinning"}, {2, "Spinning", "Spinning"}};
    return PickSpinnerWord(m_value, kWords, "Tutti", "All");
}

const char* CSpinnerStopper::GetValueText() { return CConvUnita().FormatLengthCm(float(m_value)); }
