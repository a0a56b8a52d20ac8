// A whole fishing session played through the real program with the mouse
// and the keys: start, the start panel, a cast, a landed fish, its details,
// the catch list, the end, the saved log and the statistics.
#include "tests/app/Journey.h"

#include "shell/GestFile.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/session/Gioco.h"
#include "simulation/scene/Pesce.h"
#include "simulation/session/Sessione.h"
#include "simulation/session/Statistiche.h"
#include "world/Pesci.h"

#include <cstring>
#include <filesystem>

namespace {

class SessionJourney : public JourneyTest {};

TEST_F(SessionJourney, StartCastLandEndSaveAndCount)
{
    ASSERT_EQ(StartJourney(), 0);
    Click(80, 150); // main menu: "Start fishing"
    ASSERT_EQ(Screen(), kScreenSession);
    ASSERT_EQ(g_Gioco.GetState(), kSessionStartPanel);
    Click(345, 350); // OK
    ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);

    // Aim at the middle and cast with the left button.
    MoveTo(400, 300);
    Click(400, 300);
    EXPECT_EQ(g_CannaPesca.GetPhase(), 1);
    Advance(3000);
    EXPECT_EQ(g_CannaPesca.GetPhase(), 0) << "the swing ends and the rig lies in the water";
    Shot("journey_session_cast");

    // The bite, the strike, the fight and the net are not scripted here; the
    // fish is landed the way CPesce::CheckLanding reports it: the catch
    // details shown, then the catch appended to the log.
    const unsigned species = 3;
    LandFish(species, 1250.0f, 42);
    ProbeFrame();
    const ProbedText* name = FindPrefix("Fish: ");
    ASSERT_NE(name, nullptr);
    EXPECT_NE(name->text.find(g_Pesci.GetName(species)), std::string::npos) << name->text;
    EXPECT_NE(FindPrefix("Weight: 1250.00 gr"), nullptr);
    EXPECT_NE(FindPrefix("Length: 42 cm"), nullptr);
    Shot("journey_session_catch_details");
    Click(345, 310); // OK
    EXPECT_EQ(g_Gioco.GetState(), kSessionFishing);

    Key('P');
    EXPECT_EQ(g_Gioco.GetState(), kSessionCatchList);
    Shot("journey_session_catch_list");
    Click(345, 490); // back to fishing
    EXPECT_EQ(g_Gioco.GetState(), kSessionFishing);

    Key(plat::kKeyEscape);
    Click(270, 360); // Yes
    ASSERT_EQ(g_Gioco.GetState(), kSessionResults);
    Shot("journey_session_results");

    const std::string folder = g_GestFile.GetDataSubfolder(CGestFile::D_CATTURE);
    Click(420, 490); // Save
    Click(420, 490); // a second click saves nothing more
    int logs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++logs;
        EXPECT_EQ(std::filesystem::file_size(entry.path()), 253u);
    }
    EXPECT_EQ(logs, 1);
    Click(270, 490); // OK
    EXPECT_EQ(Screen(), kScreenMainMenu);

    EXPECT_EQ(std::filesystem::file_size(folders.Data() + "/karvelin.sta"), 301u);
    CStatistiche read;
    ASSERT_TRUE(read.Load()) << "the file reads back with a valid checksum";
    EXPECT_EQ(read.m_sessions, 1);
    EXPECT_FLOAT_EQ(read.m_fishCount, 1.0f);
    bool best = false;
    for (const StatCatch& c : read.m_best)
        best |= c.id == int(species) && c.weight == 1250.0f;
    EXPECT_TRUE(best);
}

} // namespace
