// The records screen driven by the mouse and the wheel: the saved logs of
// the catch folder listed, shown and deleted, in both unit systems, and
// damaged or oddly named files handled like any other.
#include "gui/AskBox.h"
#include "screens/MenuCatture.h"
#include "screens/MenuPrincipale.h"
#include "shell/GestFile.h"
#include "shell/Opzioni.h"
#include "simulation/session/Sessione.h"
#include "tests/app/Journey.h"
#include "world/Pesci.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The question box's buttons: Yes (first), No (second).
constexpr int kYesX = 325, kNoX = 475, kLoneOkX = 425, kAskY = 362;
constexpr int kDeleteX = 470, kBackX = 320, kButtonsY = 520;

struct LogSpec {
    std::string player = "Rita";
    std::string venue = "Lago Verde";
    std::string date = "06/12/2026";
    std::string start = "8:00", end = "9:30";
    std::vector<CatchEntry> catches;
    std::int32_t place = 0;
};

std::string Field(const std::string& text, std::size_t size)
{
    std::string f(size, '\0');
    f.replace(0, std::min(text.size(), size - 1), text.substr(0, size - 1));
    return f;
}

template <class T>
void Put(std::string& out, T value)
{
    char b[4];
    std::memcpy(b, &value, 4);
    out.append(b, 4);
}

// A log file as the game writes it; the stored totals are left 0 on purpose
// (the loaded totals come from the entries).
std::string LogBytes(const LogSpec& s, std::int32_t count)
{
    std::string out = Field(s.player, 41) + Field(s.venue, 129) + Field(s.date, 17) + Field(s.start, 17) +
                      Field(s.end, 17);
    Put(out, 0.0f);
    Put(out, 0.0f);
    Put(out, std::int32_t(0));
    Put(out, count);
    for (const CatchEntry& c : s.catches) {
        Put(out, c.speciesId);
        Put(out, c.weight);
        Put(out, c.length);
    }
    Put(out, s.place);
    return out;
}
std::string LogBytes(const LogSpec& s) { return LogBytes(s, std::int32_t(s.catches.size())); }

class RecordsScreen : public JourneyTest {
protected:
    std::string Folder() const { return folders.Data() + "/Catture"; }
    void WriteLog(const std::string& name, const std::string& bytes) const
    {
        folders.Write("appdata/Karvelin/Catture/" + name, bytes);
    }
    // From the main menu by its button, as the player enters.
    void OpenRecords()
    {
        Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kRecords));
        ASSERT_EQ(Screen(), kScreenRecords);
        Frame();
    }
    // The middle of a shown row of a list.
    static int RowY(const CListBox& list, int row) { return list.m_y + 25 + list.RowHeight() * row + list.RowHeight() / 2; }
    void ClickRow(const CListBox& list, int row) { Click(list.m_x + 60, RowY(list, row)); }
    void ClickArrow(const CPulsante& arrow) { Click(arrow.m_x + 10, arrow.m_y + 10); }
    std::vector<std::string> LogsOnDisk() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(Folder()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::string Shown() { return g_MenuCatture.m_sessions.GetSelectedKey() ? g_MenuCatture.m_sessions.GetSelectedKey() : ""; }
};

TEST_F(RecordsScreen, AnEmptyFolderShowsNothingAndDeleteIsDisabled)
{
    ASSERT_EQ(StartJourney(), 0);
    OpenRecords();
    EXPECT_EQ(g_MenuCatture.m_sessions.GetCount(), 0);
    EXPECT_EQ(g_MenuCatture.m_fishes.GetCount(), 0);
    EXPECT_EQ(g_MenuCatture.m_delete.m_state, CPulsante::kDisabled);
    ProbeFrame();
    EXPECT_EQ(FindPrefix("Total fishes: "), nullptr);
    Click(kDeleteX, kButtonsY);
    EXPECT_FALSE(g_MenuCatture.m_ask.IsShown());
    Click(kBackX, kButtonsY);
    EXPECT_EQ(Screen(), kScreenMainMenu);
}

TEST_F(RecordsScreen, TwoLogsInBothUnitSystems)
{
    const struct {
        const char* units;
        const char* weight0; // the first log's one catch
        const char* length0;
        const char* total1; // the second log's summary
        const char* biggest1;
        const char* longest1;
    } cases[] = {
        {"0", "Weight: 1250.00 gr", "Length: 42 cm", "Total fishes weight: 1000.50 gr", "Greater weight: 700.25 gr",
         "Greater length: 61cm "},
        {"1", "Weight: 2.7558 lb", "Length: 1.378 ft", "Total fishes weight: 2.2057 lb", "Greater weight: 1.5438 lb",
         "Greater length: 2.001ft "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.units);
        Stop();
        LogSpec first;
        first.catches = {{3, 1250.0f, 42}};
        first.place = 2;
        LogSpec second;
        second.player = "Ann";
        second.venue = "Mare Blu";
        second.date = "07/12/2026";
        second.start = "23:50";
        second.end = "0:10";
        second.catches = {{5, 300.25f, 30}, {7, 700.25f, 61}};
        WriteLog("CT20261206080000.kvc", LogBytes(first));
        WriteLog("CT20261207235000.kvc", LogBytes(second));
        ASSERT_EQ(StartJourney({.settings = {{"UNITS", c.units}}}), 0);
        OpenRecords();

        // The first log shown: its row, its catch and its summary.
        ASSERT_EQ(g_MenuCatture.m_sessions.GetCount(), 2);
        const ListItem* row = g_MenuCatture.m_sessions.GetItem(0);
        EXPECT_EQ(row->id, -1);
        EXPECT_STREQ(row->key, "CT20261206080000.kvc");
        EXPECT_STREQ(row->col0, "Rita");
        EXPECT_STREQ(row->col1, "Lago Verde - 06/12/2026");
        EXPECT_EQ(Shown(), "CT20261206080000.kvc");
        ASSERT_EQ(g_MenuCatture.m_fishes.GetCount(), 1);
        const ListItem* fish = g_MenuCatture.m_fishes.GetItem(0);
        EXPECT_STREQ(fish->col0, g_Pesci.GetName(3));
        EXPECT_STREQ(fish->col1, c.weight0);
        EXPECT_STREQ(fish->col2, c.length0);
        ExpectShownAndFitting({"Total fishes:  1", "Venue: Lago Verde", "Date: 06/12/2026", "Time: 8:00 - 9:30",
                               "Tournament results:  2", c.weight0, c.length0});

        // A fish row selects nothing.
        ClickRow(g_MenuCatture.m_fishes, 0);
        EXPECT_EQ(g_MenuCatture.m_fishes.GetSelectedIndex(), -1);

        // A click on the second row shows it; no place, no tournament line.
        ClickRow(g_MenuCatture.m_sessions, 1);
        EXPECT_EQ(Shown(), "CT20261207235000.kvc");
        EXPECT_EQ(g_MenuCatture.m_fishes.GetCount(), 2);
        ExpectShownAndFitting({"Total fishes:  2", c.total1, c.biggest1, c.longest1, "Time: 23:50 - 0:10"});
        EXPECT_EQ(FindPrefix("Tournament results"), nullptr);
        if (std::string(c.units) == "0")
            Shot("records_en");
    }
}

TEST_F(RecordsScreen, BothListsScrollByArrowsAndWheel)
{
    LogSpec log;
    for (int i = 0; i < 30; ++i)
        log.catches.push_back({i, 100.0f + float(i), 10 + i});
    for (int i = 0; i < 20; ++i)
        WriteLog("CT2026120608" + std::to_string(10 + i) + "00.kvc", LogBytes(log));
    ASSERT_EQ(StartJourney(), 0);
    OpenRecords();
    for (CListBox* list : {&g_MenuCatture.m_sessions, &g_MenuCatture.m_fishes}) {
        ASSERT_GT(list->GetCount(), list->m_visibleRows);
        EXPECT_EQ(list->m_firstVisible, 0);
        ClickArrow(list->m_arrowDown);
        EXPECT_EQ(list->m_firstVisible, 1);
        ClickArrow(list->m_arrowUp);
        EXPECT_EQ(list->m_firstVisible, 0);
        MoveTo(list->m_x + 60, RowY(*list, 1));
        Wheel(-1);
        Wheel(-1);
        EXPECT_EQ(list->m_firstVisible, 2);
        Wheel(1);
        EXPECT_EQ(list->m_firstVisible, 1);
    }
    // The wheel over one list leaves the other where it is.
    EXPECT_EQ(g_MenuCatture.m_sessions.m_firstVisible, 1);
}

TEST_F(RecordsScreen, DeleteAsksAndRemovesOnlyTheSelectedLog)
{
    LogSpec log;
    log.catches = {{3, 500.0f, 30}};
    for (const char* name : {"CT20261206080000.kvc", "CT20261206090000.kvc", "CT20261206100000.kvc"})
        WriteLog(name, LogBytes(log));
    ASSERT_EQ(StartJourney(), 0);
    OpenRecords();
    ClickRow(g_MenuCatture.m_sessions, 1);
    ASSERT_EQ(Shown(), "CT20261206090000.kvc");

    Click(kDeleteX, kButtonsY);
    ASSERT_TRUE(g_MenuCatture.m_ask.IsShown());
    EXPECT_STREQ(g_MenuCatture.m_ask.m_text, "Do you want delete all data?");
    // While the question is open the list takes no click and no wheel.
    ClickRow(g_MenuCatture.m_sessions, 0);
    Wheel(-1);
    EXPECT_EQ(Shown(), "CT20261206090000.kvc");
    Click(kNoX, kAskY);
    EXPECT_FALSE(g_MenuCatture.m_ask.IsShown());
    EXPECT_EQ(LogsOnDisk().size(), 3u);

    Click(kDeleteX, kButtonsY);
    Click(kYesX, kAskY);
    EXPECT_EQ(LogsOnDisk(), (std::vector<std::string>{"CT20261206080000.kvc", "CT20261206100000.kvc"}));
    EXPECT_EQ(g_MenuCatture.m_sessions.GetCount(), 2);
    EXPECT_EQ(Shown(), "CT20261206080000.kvc") << "the list is read again and its first log shown";
    EXPECT_EQ(g_MenuCatture.m_fishes.GetCount(), 1);
    EXPECT_EQ(g_MenuCatture.m_delete.m_state, CPulsante::kNormal);

    // A log that cannot be deleted (a folder took its name since the
    // listing) stays listed and shown, and the player is told.
    ClickRow(g_MenuCatture.m_sessions, 1);
    fs::remove(Folder() + "/CT20261206100000.kvc");
    fs::create_directories(Folder() + "/CT20261206100000.kvc/held");
    Click(kDeleteX, kButtonsY);
    Click(kYesX, kAskY);
    ASSERT_TRUE(g_MenuCatture.m_ask.IsShown());
    EXPECT_STREQ(g_MenuCatture.m_ask.m_text, "The catch log could not be deleted.");
    ExpectShownAndFitting({"The catch log could not be deleted."});
    Click(kLoneOkX, kAskY);
    EXPECT_FALSE(g_MenuCatture.m_ask.IsShown());
    EXPECT_EQ(g_MenuCatture.m_sessions.GetCount(), 2);
    EXPECT_EQ(Shown(), "CT20261206100000.kvc");
}

// Damaged logs and odd names are listed, shown and deleted like any other;
// a name too long for a row, or one with a backslash (read as a folder
// separator), is not listed at all, so no click can reach another file.
TEST_F(RecordsScreen, DamagedAndOddlyNamedLogs)
{
    LogSpec good;
    good.catches = {{3, 500.0f, 30}, {4, 800.0f, 35}};
    std::string unterminated = LogBytes(good);
    std::memset(&unterminated[0], 'P', 41);
    std::memset(&unterminated[41], 'V', 129 + 17 * 3);
    LogSpec badSpecies;
    badSpecies.catches = {{200, 1500.0f, 2147483647}, {-5, -1.0f, -2147483647 - 1}};
    LogSpec playerOnly;
    playerOnly.venue = playerOnly.date = "";
    // As many catches as a session can land, and one more than that.
    LogSpec full;
    for (int i = 0; i <= CSessione::kMaxCatches; ++i)
        full.catches.push_back({i % 130, 100.0f + float(i % 1000), 10 + i % 90});
    LogSpec atBound = full;
    atBound.catches.pop_back();
    const struct {
        std::string name;
        std::string bytes;
    } files[] = {
        {"a00_empty.kvc", ""},
        {"a01_short.kvc", std::string(100, 'x')},
        {"a02_unterminated.kvc", unterminated},
        {"a03_claims_million.kvc", LogBytes(good, 1000000)},
        {"a04_negative.kvc", LogBytes(good, -3)},
        {"a05_species200.kvc", LogBytes(badSpecies)},
        {"a06_player_only.kvc", LogBytes(playerOnly)},
        {"a07_over_bound.kvc", LogBytes(full)},
        {"a08_at_bound.kvc", LogBytes(atBound)},
        {"..kvc", LogBytes(good)},
        {"a..b.kvc", LogBytes(good)},
    };
    for (const auto& f : files)
        WriteLog(f.name, f.bytes);
    const std::string tooLong = std::string(kListKeyLength - 3, 'L') + ".kvc";
    WriteLog(tooLong, LogBytes(good));
    WriteLog("..\\x.kvc", LogBytes(good));
    // What the backslash name would reach.
    folders.Write("appdata/Karvelin/x.kvc", "keep");

    ASSERT_EQ(StartJourney(), 0);
    OpenRecords();
    const int listed = g_MenuCatture.m_sessions.GetCount();
    EXPECT_EQ(listed, int(std::size(files)));
    EXPECT_EQ(g_MenuCatture.m_sessions.FindByKey(tooLong.c_str()), nullptr);
    EXPECT_EQ(g_MenuCatture.m_sessions.FindByKey("..\\x.kvc"), nullptr);
    const ListItem* empty = g_MenuCatture.m_sessions.FindByKey("a00_empty.kvc");
    ASSERT_NE(empty, nullptr);
    EXPECT_STREQ(empty->col0, "");
    EXPECT_STREQ(empty->col1, "a00_empty.kvc") << "a header that says nothing: the file name stands in";
    const ListItem* cut = g_MenuCatture.m_sessions.FindByKey("a02_unterminated.kvc");
    ASSERT_NE(cut, nullptr);
    EXPECT_EQ(std::strlen(cut->col0), 40u);
    // What a header does hold is shown: a player without venue and date,
    // and the header of a log too big to show (listed so it can be deleted).
    const ListItem* playerRow = g_MenuCatture.m_sessions.FindByKey("a06_player_only.kvc");
    ASSERT_NE(playerRow, nullptr);
    EXPECT_STREQ(playerRow->col0, "Rita");
    EXPECT_STREQ(playerRow->col1, "a06_player_only.kvc");
    const ListItem* big = g_MenuCatture.m_sessions.FindByKey("a07_over_bound.kvc");
    ASSERT_NE(big, nullptr);
    EXPECT_STREQ(big->col1, "Lago Verde - 06/12/2026");

    const std::map<std::string, int> fishes = {{"a03_claims_million.kvc", 2}, {"a04_negative.kvc", 0},
                                               {"a05_species200.kvc", 2},   {"a07_over_bound.kvc", 0},
                                               {"a08_at_bound.kvc", CSessione::kMaxCatches}};
    for (int i = 0; i < listed; ++i) {
        Click(kDeleteX, kButtonsY);
        ASSERT_TRUE(g_MenuCatture.m_ask.IsShown()) << i;
        const std::string name = Shown();
        const auto expected = fishes.find(name);
        if (expected != fishes.end()) {
            EXPECT_EQ(g_MenuCatture.m_fishes.GetCount(), expected->second) << name;
        }
        ProbeFrame();
        Click(kYesX, kAskY);
        EXPECT_FALSE(fs::exists(Folder() + "/" + name)) << name;
    }
    Frame();
    EXPECT_EQ(g_MenuCatture.m_sessions.GetCount(), 0);
    EXPECT_EQ(g_MenuCatture.m_delete.m_state, CPulsante::kDisabled);
    EXPECT_EQ(LogsOnDisk(), (std::vector<std::string>{"..\\x.kvc", tooLong}));
    EXPECT_TRUE(fs::exists(folders.Data() + "/x.kvc"));
    // The log too big to show was refused with one error-log line.
    const std::string log = folders.Read("appdata/Karvelin/norva_error.log");
    std::size_t refusals = 0;
    for (std::size_t at = log.find("a07_over_bound.kvc"); at != std::string::npos;
         at = log.find("a07_over_bound.kvc", at + 1))
        ++refusals;
    EXPECT_EQ(refusals, 1u) << log;
}

} // namespace
