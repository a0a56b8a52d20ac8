// The pieces the menu screens share: the word spinners' texts in both
// languages (the language read at the moment of asking), the detail lines
// and the screen switch's behaviour with no application behind it.
#include "screens/DetailLines.h"
#include "screens/MenuOpzioni.h"
#include "screens/WordSpinners.h"
#include "shell/ScreenSwitch.h"
#include "tests/shell/GfxFixture.h"
#include "tests/support/LanguageGuard.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct WordCase {
    const char* name;
    std::shared_ptr<CSpinner> spinner;
    int value;
    const char* italian;
    const char* english;
};

template <class T>
std::shared_ptr<CSpinner> Make()
{
    return std::make_shared<T>();
}

std::shared_ptr<CSpinner> Waters(bool longForm)
{
    auto s = std::make_shared<CSpinnerModoAcque>();
    s->m_longForm = longForm ? 1 : 0;
    return s;
}

TEST(WordSpinnerTest, EveryValueInBothLanguages)
{
    const WordCase cases[] = {
        {"yes/no", Make<CSpinnerSiNo>(), 1, "Si", "Yes"},
        {"yes/no", Make<CSpinnerSiNo>(), 0, "No", "No"},
        {"yes/no", Make<CSpinnerSiNo>(), 7, "No", "No"},
        {"waters", Waters(true), 0, "Acque Interne", "Freshwater"},
        {"waters", Waters(true), 1, "Acque Marittime", "Saltwater"},
        {"waters", Waters(true), 2, "Acque Interne e Marittime", "Freshwater and Saltwater"},
        {"waters", Waters(false), 2, "Acque Inter. e Marit.", "Freshwat. & Saltwat."},
        {"waters", Waters(false), 3, "", ""},
        {"weather", Make<CSpinnerMeteo>(), -2, "Nessun effetto", "None"},
        {"weather", Make<CSpinnerMeteo>(), -1, "Casuale", "Random"},
        {"weather", Make<CSpinnerMeteo>(), 0, "Sole", "Sun"},
        {"weather", Make<CSpinnerMeteo>(), 4, "Nebbia", "Fog"},
        {"weather", Make<CSpinnerMeteo>(), 9, "Casuale", "Random"},
        {"level", Make<CSpinnerLiv>(), 1, "Amatore", "Intermediate"},
        {"level", Make<CSpinnerLiv>(), 3, "", ""},
        {"mouse", Make<CSpinnerSens>(), 1, "Bassa", "Low"},
        {"mouse", Make<CSpinnerSens>(), 0, "", ""},
        {"weakening", Make<CSpinnerVelRecupero>(), 0, "Bassa", "Low"},
        {"weakening", Make<CSpinnerVelRecupero>(), 2, "Alta", "High"},
        {"line", Make<CSpinnerLenza>(), 0, "GAME", "GAME"},
        {"line", Make<CSpinnerLenza>(), 1, "REALE", "REAL"},
        {"colour", Make<CSpinnerColGUI>(), 1, "Argento", "Silver"},
        {"net", Make<CSpinnerModoRetino>(), 4, "Automatico (sinistra)", "Automatic (left)"},
        {"net", Make<CSpinnerModoRetino>(), 6, "", ""},
        {"language", Make<CSpinnerLingua>(), 0, "English", "English"},
        {"language", Make<CSpinnerLingua>(), 1, "Italiano", "Italiano"},
        {"resolution", Make<CSpinnerRisoluzione>(), -1, "AUTO", "AUTO"},
        {"resolution", Make<CSpinnerRisoluzione>(), 7, "1440x900", "1440x900"},
        {"resolution", Make<CSpinnerRisoluzione>(), 8, "", ""},
        {"units", Make<CSpinnerUnits>(), 1, "Ft e Lb", "Ft and Lb"},
    };
    for (const WordCase& c : cases) {
        c.spinner->m_value = c.value;
        {
            testing_support::Language italian(true);
            EXPECT_STREQ(c.spinner->GetValueText(), c.italian) << c.name << " " << c.value;
        }
        {
            testing_support::Language english(false);
            EXPECT_STREQ(c.spinner->GetValueText(), c.english) << c.name << " " << c.value;
        }
    }
}

TEST(ScreenSwitchTest, NothingHappensWithoutAnApplication)
{
    ScreenSwitch* saved = GetScreenSwitch();
    SetScreenSwitch(nullptr);
    SwitchToScreen(kScreenOptions);
    ResumeFishing();
    ReturnFromScreen(true);
    PostQuit(0);
    EXPECT_EQ(CurrentScreen(), kScreenNone);

    // A registered switch hears every call.
    struct Recorder : ScreenSwitch {
        std::vector<std::string> calls;
        int screen = kScreenMainMenu;
        void SwitchToScreen(int s) override
        {
            calls.push_back("to " + std::to_string(s));
            screen = s;
        }
        void ResumeFishing() override { calls.push_back("resume"); }
        int CurrentScreen() const override { return screen; }
        void ReturnFromScreen(bool reset) override { calls.push_back(reset ? "back reset" : "back"); }
        void PostQuit(int code) override { calls.push_back("quit " + std::to_string(code)); }
    } recorder;
    SetScreenSwitch(&recorder);
    SwitchToScreen(kScreenBaits);
    ResumeFishing();
    ReturnFromScreen(true);
    PostQuit(0);
    EXPECT_EQ(CurrentScreen(), kScreenBaits);
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"to 6", "resume", "back reset", "quit 0"}));
    SetScreenSwitch(saved);
}

class DetailLinesTest : public gfx_test::GfxTest {};

TEST_F(DetailLinesTest, LinesFifteenPixelsApartInTheirOwnFormats)
{
    CDetailLines lines;
    ASSERT_EQ(lines.Create(dev.get()), 0);
    EXPECT_EQ(lines.m_text.m_frameH, 14);
    EXPECT_EQ(lines.m_text.m_weight, 400);
    struct Seen {
        std::string text;
        int x, y;
    };
    std::vector<Seen> seen;
    CTesto::SetProbe([&seen](const DrawnText& t) { seen.push_back({t.text, t.x, t.y}); });
    dev->BeginScene();
    lines.Begin(295, 385);
    lines.Line(dev.get(), "Tipo: ", "Fiume");
    lines.LineInt(dev.get(), "Pesci:", 12);
    lines.Line(dev.get(), "Lunghezza: ", "35 cm ");
    dev->EndScene();
    CTesto::SetProbe(nullptr);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].text, "Tipo: Fiume");
    EXPECT_EQ(seen[1].text, "Pesci: 12");
    EXPECT_EQ(seen[2].text, "Lunghezza: 35 cm ");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(seen[i].x, 295);
        EXPECT_EQ(seen[i].y, 385 + 15 * i);
    }
    EXPECT_EQ(lines.NextY(), 430);
}

} // namespace
