#pragma once
// The journey harness: the real program started in temporary folders that
// hold a copy of the shipped data folder, in a chosen language and
// resolution, on the fake wall clock with a seeded generator, driven by mouse and
// keys at layout coordinates, and watched through the back buffer and the
// text probe (every text a frame draws, with its box and measured width).
#include "gui/ListBox.h"
#include "gui/Testo.h"
#include "tests/app/AppHarness.h"

#include <map>
#include <string>
#include <vector>

struct ProbedText {
    std::string text;
    int x, y, width, height; // layout offset removed
    int measuredWidth;
    bool fits;
    int laidOutHeight;
    int left; // where a text from a point starts, after its alignment
    plat::Rect area; // the panel or window it is drawn in, layout offset removed
    bool FromPoint() const { return width == 0 && height == 0; }
};

// Where a screen draws one of its lists (its top-left corner and width).
struct ListPlace {
    int x, y, width;
};

struct JourneyOptions {
    bool italian = false;
    int resolution = 0; // 0: 800 x 600, 1: 1024 x 768
    // Further settings keys written before the start ("VISSTATS" -> "1").
    std::map<std::string, std::string> settings;
    std::uint32_t seed = 1234;
    // No settings file at all: the program's first run, which writes the
    // defaults (the language from the locale) and copies the ready rigs.
    bool firstRun = false;
};

class JourneyTest : public AppTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the settings, copies the data folder, starts; 0 on success.
    int StartJourney(const JourneyOptions& options = {});
    // The program ends and starts again in the same folders, as a new
    // process would: the settings object is new, nothing else is written.
    int Restart();
    // The program ends (nothing is written), to start again differently.
    void Stop();

    int OffsetX() const;
    int OffsetY() const;
    // Mouse at layout coordinates (the layout offset is added). A press runs
    // a frame first, so hit boxes are where they were last drawn, and moves
    // the pointer there.
    void MoveTo(int x, int y);
    void Press(int x, int y);
    void Release(int x, int y);
    void Click(int x, int y);
    void Wheel(int delta);
    // Wheel notches with the pointer over the list's rows.
    void WheelOver(const ListPlace& at, int delta);
    // Brings the row into view with the wheel over the list, then clicks it.
    void ClickRow(CListBox& list, const ListPlace& at, int index);
    // Character messages, one per byte.
    void Type(const std::string& text);
    // Game frames of 10 ms (presented) until ms of game time have passed,
    // the fake wall clock keeping pace.
    void Advance(std::uint32_t ms);
    // The back buffer as a PNG beside the test program; its path.
    std::string Shot(const std::string& name);

    // One frame with the text probe on; what it drew, in order.
    const std::vector<ProbedText>& ProbeFrame();
    // The first probed text equal to text (null when none).
    const ProbedText* Find(const std::string& text) const;
    // The first probed text starting with prefix.
    const ProbedText* FindPrefix(const std::string& prefix) const;
    // Every probed text wider than its box.
    std::vector<ProbedText> Overflowing() const;
    // What is wrong with the probed frame's layout: a text that spills out of
    // its box, panel or window; two texts from a point drawn over each other;
    // two panels that overlap without one holding the other (unless a
    // dialog is open over the screen's panels). One line each.
    std::vector<std::string> LayoutProblems(bool dialogOpen = false) const;
    // One probed frame: each of texts is drawn and nothing overflows its box.
    void ExpectShownAndFitting(const std::vector<std::string>& texts);
    // Lands a fish the way the hooked fish reports a landing into the net:
    // its catch details shown, then the catch appended to the log.
    void LandFish(unsigned species, float grams, int cm);

    std::vector<ProbedText> probed;
    std::vector<plat::Rect> probedPanels; // layout offset removed
    bool quit = false;

private:
    void PostMouse(plat::MessageKind kind, int x, int y, bool left);
    JourneyOptions m_options;
};

// Where a caption button of the main menu (CMenuPrincipale::Button) is
// clicked: the buttons are 130 x 25 from x 70.
constexpr int kMainMenuButtonX = 135;
int MainMenuButtonY(int button);

// "" when the venue list offers exactly the venues of the waters mode
// (0 fresh, 1 sea, 2 both) with the built-in venue of those waters selected;
// else what is wrong.
std::string VenueListProblem(int waters);

// A settings file's text with the given keys in section "KARVELIN".
std::string SettingsText(const std::map<std::string, std::string>& keys);
