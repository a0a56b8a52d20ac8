// Writes the 31 sounds of the game's sound bank as 16-bit mono PCM WAVE
// files into the folder given on the command line:  gen_sounds <folder>
#include "tools/gen_sounds/Sounds.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using sounds::Buffer;

enum class Shape {
    OneShot,  // faded in and out so it starts and stops without a click
    Seamless, // loops or is replayed back to back: its ends must stay as they are
};

struct Entry {
    const char* name;
    Shape shape;
    Buffer (*make)();
};

template <int N>
Buffer Bird()
{
    return sounds::BirdCall(N);
}

// In the slot order of the sound bank.
const Entry kSounds[] = {
    {"CAST", Shape::OneShot, sounds::Cast},
    {"SPLASH1", Shape::OneShot, sounds::GroundbaitSplash},
    {"SPLASH2", Shape::OneShot, sounds::Splash},
    {"SPLASH3", Shape::OneShot, sounds::FishJump},
    {"MULINELLO", Shape::Seamless, sounds::ReelRatchet},
    {"RUSCELLO", Shape::OneShot, sounds::Brook},
    {"FRIZIONE", Shape::Seamless, sounds::DragBuzz},
    {"CAMPANELLO", Shape::OneShot, sounds::BiteBell},
    {"A_U1", Shape::OneShot, Bird<0>},
    {"A_U2", Shape::OneShot, Bird<1>},
    {"A_U3", Shape::OneShot, Bird<2>},
    {"A_U4", Shape::OneShot, Bird<3>},
    {"A_U5", Shape::OneShot, Bird<4>},
    {"A_U6", Shape::OneShot, Bird<5>},
    {"A_U7", Shape::OneShot, Bird<6>},
    {"A_U8", Shape::OneShot, Bird<7>},
    {"A_U9", Shape::OneShot, Bird<8>},
    {"A_U10", Shape::OneShot, Bird<9>},
    {"A_U11", Shape::OneShot, Bird<10>},
    {"A_U12", Shape::OneShot, Bird<11>},
    {"A_ANATRA", Shape::OneShot, sounds::Duck},
    {"A_CICALE", Shape::Seamless, sounds::Cicadas},
    {"A_CORVO", Shape::OneShot, sounds::Crow},
    {"A_GRILLO", Shape::Seamless, sounds::Crickets},
    {"A_GABBIANO", Shape::OneShot, sounds::Gull},
    {"TEMPORALE1", Shape::OneShot, sounds::NearThunder},
    {"TEMPORALE2", Shape::OneShot, sounds::FarThunder},
    {"MARE_MOSSO", Shape::OneShot, sounds::RoughSea},
    {"MARE_CALMO", Shape::OneShot, sounds::CalmSea},
    {"NAVE1", Shape::OneShot, sounds::ShipHorn},
    {"NAVE2", Shape::OneShot, sounds::ShipEngine},
};
static_assert(std::size(kSounds) == 31);

void Put16(std::string& s, unsigned v)
{
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}

void Put32(std::string& s, unsigned v)
{
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

std::string EncodeWave(const Buffer& b)
{
    const unsigned dataBytes = unsigned(b.size() * 2);
    std::string s = "RIFF";
    Put32(s, 4 + (8 + 16) + (8 + dataBytes + (dataBytes & 1)));
    s += "WAVEfmt ";
    Put32(s, 16);
    Put16(s, 1); // PCM
    Put16(s, 1); // mono
    Put32(s, dsp::kRate);
    Put32(s, dsp::kRate * 2);
    Put16(s, 2);  // bytes per frame
    Put16(s, 16); // bits per sample
    s += "data";
    Put32(s, dataBytes);
    for (float v : b) {
        const long q = std::lround(std::fmax(-1.0f, std::fmin(1.0f, v)) * 32767.0f);
        Put16(s, unsigned(q) & 0xFFFF);
    }
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_sounds <output folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    for (const Entry& e : kSounds) {
        Buffer b = e.make();
        if (e.shape == Shape::OneShot) {
            // No speaker plays anything below 25 Hz: there the rumbles would
            // only drift off the centre line and eat headroom.
            dsp::HighPass(b, 25);
            dsp::FadeEdges(b, 0.003f, 0.03f);
        }
        dsp::Normalise(b, -3);
        std::ofstream out(folder / (std::string(e.name) + ".wav"), std::ios::binary);
        const std::string bytes = EncodeWave(b);
        if (!out.write(bytes.data(), std::streamsize(bytes.size()))) {
            std::fprintf(stderr, "gen_sounds: cannot write %s\n", e.name);
            return 1;
        }
    }
    return 0;
}
