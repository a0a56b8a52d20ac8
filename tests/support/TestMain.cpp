// Every test program runs headless: SDL's dummy video and audio drivers and
// the software renderer, whatever the environment says.
#include <SDL.h>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
