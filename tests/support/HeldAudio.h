#pragma once
// Holds the open sound device still for as long as it lives: the mixer runs
// no further, so a sound started while it is held is still playing when the
// test looks, however long a loaded machine keeps the test from looking.
// Starting, stopping and asking work as usual; only the samples stop moving.
// The device plays on when the hold ends.
#include <SDL.h>

#include <vector>

class HeldAudio {
public:
    HeldAudio()
    {
        // The mixer does not name its device; in a test program it is the only one open.
        for (SDL_AudioDeviceID id = 1; id <= 32; ++id)
            if (SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_PLAYING) {
                // Returns once any mix in progress is over; none starts after.
                SDL_PauseAudioDevice(id, 1);
                m_held.push_back(id);
            }
        SDL_ClearError();
    }
    ~HeldAudio()
    {
        for (SDL_AudioDeviceID id : m_held)
            if (SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_PAUSED)
                SDL_PauseAudioDevice(id, 0);
    }
    // False when no device was open to hold.
    bool Holds() const { return !m_held.empty(); }

    HeldAudio(const HeldAudio&) = delete;
    HeldAudio& operator=(const HeldAudio&) = delete;

private:
    std::vector<SDL_AudioDeviceID> m_held;
};
