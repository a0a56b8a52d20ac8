#pragma once
// Sets the language flag of the settings for one test and puts the old one
// back afterwards.
#include "shell/Opzioni.h"

namespace testing_support {

class Language {
public:
    explicit Language(bool italian) : m_saved(g_Opzioni.italian) { g_Opzioni.italian = italian; }
    ~Language() { g_Opzioni.italian = m_saved; }
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

private:
    bool m_saved;
};

} // namespace testing_support
