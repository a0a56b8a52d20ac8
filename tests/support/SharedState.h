#pragma once
// Keeps a test's changes to the game's shared state to that test: the
// settings, the pointer and the screen sizes are put back as they were when
// the guard goes, and the fake wall clock is switched off again.
#include "platform/Clock.h"
#include "shell/Graphics.h"
#include "shell/Oggetto.h"
#include "shell/Opzioni.h"

namespace testing_support {

class SharedState {
public:
    SharedState() = default;
    ~SharedState()
    {
        g_Opzioni = m_opzioni;
        g_pointer = m_pointer;
        g_nScreenW = m_screenW;
        g_nScreenH = m_screenH;
        g_nViewportW = m_viewportW;
        g_nViewportH = m_viewportH;
        plat::ClearFakeWallClock();
    }
    SharedState(const SharedState&) = delete;
    SharedState& operator=(const SharedState&) = delete;

private:
    COpzioni m_opzioni = g_Opzioni;
    PointerState m_pointer = g_pointer;
    int m_screenW = g_nScreenW, m_screenH = g_nScreenH;
    int m_viewportW = g_nViewportW, m_viewportH = g_nViewportH;
};

} // namespace testing_support
