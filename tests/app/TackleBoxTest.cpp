// The tackle box driven like a player: the page menu, every page's lists
// and spinners, the rig view and its tool box, the dialogs and questions,
// with real clicks, wheel turns and typed keys, from a true first run so
// the ready rigs are in the configurations folder.
#include "platform/Files.h"
#include "platform/Locale.h"
#include "screens/MenuConfigura.h"
#include "screens/MenuPrincipale.h"
#include "shell/GestFile.h"
#include "simulation/session/Gioco.h"
#include "simulation/tackle/CannaPesca.h"
#include "tests/app/Journey.h"

#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The question box's buttons: Yes (first), No (second), a lone OK.
constexpr int kYesX = 325, kNoX = 475, kLoneOkX = 425, kAskY = 362;
// The dialogs' buttons and boxes.
constexpr int kOkX = 325, kCancelX = 475, kDialogButtonY = 412;
constexpr int kNameBoxX = 300, kNameBoxY = 235, kDescriptionBoxX = 300, kDescriptionBoxY = 330;
constexpr int kDeleteX = 530, kDeleteY = 215;
// The rig view's middle.
constexpr int kRigX = 170;

class TackleBoxTest : public JourneyTest {
protected:
    CMenuConfigura& Box() { return g_MenuConfigura; }
    CCannaPesca& Rig() { return g_CannaPesca; }

    // From a first run, so the ready rigs are copied; the user's language
    // picks the game's.
    void Open(bool italian = false)
    {
        JourneyOptions options;
        options.firstRun = true;
        Stop();
        fs::remove_all(folders.Data()); // what an earlier start left
        plat::SetUserLanguageForTests(italian ? plat::kLangItalian : plat::kLangEnglish);
        const int status = StartJourney(options);
        plat::SetUserLanguageForTests(0);
        ASSERT_EQ(status, 0);
        Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kTackleBox));
        ASSERT_EQ(Screen(), kScreenTackleBox);
        ASSERT_FALSE(Box().IsModified());
    }
    // The page menu's buttons, 90 wide from x 235, by page id; clicked at
    // fixed places so a drift of the layout fails here.
    void Page(int page)
    {
        static constexpr int kY[] = {70, 140, 175, 210, 245, 280, 315, 105};
        Click(280, kY[page] + 12);
        ASSERT_EQ(Box().m_page, page);
    }
    void Back() { Click(280, 532); }
    // The tool box's shown buttons, 20 pixels apart from (31, 36).
    void Tool(int tool)
    {
        const int shown = tool <= 4 ? tool : (tool == 7 ? 5 : (tool == 8 ? 6 : 7));
        Click(31 + 20 * shown + 10, 46);
    }
    // A click on the row of that index, the list scrolled to show it.
    void ClickRow(CListBox& list, int x, int y, int index)
    {
        list.ScrollTo(index);
        Frame();
        Click(x + 40, y + 25 + 15 * (index - list.m_firstVisible) + 7);
    }
    int IndexOfId(CListBox& list, int id)
    {
        for (int i = 0; i < list.GetCount(); ++i)
            if (list.GetItem(i)->id == id)
                return i;
        return -1;
    }
    // A spinner drawn at x, y, width wide: its up and down arrows.
    void SpinUp(int x, int y, int width) { Click(x + width - width % 5 - 5 + 10, y + 10); }
    void SpinDown(int x, int y, int width) { Click(x + width - width % 5 - 5 + 30, y + 10); }
    void SetRodType(int type)
    {
        Page(CMenuConfigura::kPageRod);
        while (Rig().m_canna.m_current.type < type)
            SpinUp(350, 360, 160);
        while (Rig().m_canna.m_current.type > type)
            SpinDown(350, 360, 160);
    }
    void LoseAndReset()
    {
        g_pDevice->SimulateLoss();
        for (int i = 0; i < 10 && (i == 0 || g_pApp->IsDeviceLost()); ++i)
            Frame();
        ASSERT_FALSE(g_pApp->IsDeviceLost());
    }
    // Both droppers' link spinners up from "not used": 1 a knot, 2 a swivel.
    void RigDroppers(int steps)
    {
        for (int page : {CMenuConfigura::kPageDropper1, CMenuConfigura::kPageDropper2}) {
            Page(page);
            for (int i = 0; i < steps; ++i)
                SpinUp(350, 55, 160);
        }
    }
    std::string Kvz(const std::string& name) { return folders.Data() + "/Lenze/" + name + ".kvz"; }
    static std::string ReadAll(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // The file without the main line's length.
    static std::string WithoutLineLength(std::string text)
    {
        const std::size_t section = text.find("[LENZA]\r\nLUNGHEZZA=");
        if (section != std::string::npos)
            text.erase(section, text.find('\n', section + 9) - section);
        return text;
    }
    int ShotCount()
    {
        int n = 0;
        for (int i = 0; i < kShotSlots; ++i)
            n += Rig().m_piombo.IsOccupied(i) ? 1 : 0;
        return n;
    }
    // One frame: every part of the rig in the view is drawn at the rows the
    // view maps its line positions to, and only then. The line's pixels are
    // read where a rigged dropper's segment crosses its middle row; true
    // when that segment was in view.
    bool ExpectRigDrawnWhereTheViewSays()
    {
        Frame();
        const CRigView& view = Box().m_view;
        const int x = view.m_x;
        const auto expectAt = [&](const CSprite& s, int position, int dx, const char* what) {
            const bool in = view.IsInRigView(position);
            EXPECT_EQ(s.m_visible, in ? 1 : 0) << what << " at " << position;
            if (in) {
                EXPECT_EQ(s.m_x, x + dx) << what;
                EXPECT_EQ(s.m_y, view.MapLineToViewY(position)) << what;
            }
        };
        CLenza& line = Rig().m_lenza;
        expectAt(line.m_leader.m_hook.m_marker, int(line.m_leader.m_position), 0, "leader hook");
        bool segment = false;
        for (int i = 0; i < 2; ++i) {
            const CFinale& d = line.m_droppers[i];
            if (!d.m_inUse)
                continue;
            const int p = int(d.m_position), e = int(d.m_position + d.m_length);
            expectAt(d.m_hook.m_marker, p, 12 + 10 * i, "dropper hook");
            expectAt(d.m_button, e, 0, "dropper knot");
            if (!view.IsInRigView(p) || !view.IsInRigView(e))
                continue;
            // From the knot on the main line down to the hook, width pixels right.
            const int ye = view.MapLineToViewY(e), yp = view.MapLineToViewY(p), row = (ye + yp) / 2;
            EXPECT_GE(yp - ye, 24) << "a segment long enough to read";
            const plat::Argb colour = plat::PackArgbRounded(1.0f, line.m_colour[0], line.m_colour[1], line.m_colour[2]);
            int found = 0;
            for (int cx = x + 3; cx <= x + 12 + 10 * i - 3; ++cx)
                found += Pixel(cx, row) == colour ? 1 : 0;
            EXPECT_GE(found, 1) << "the dropper's segment crosses row " << row;
            segment = true;
        }
        CGalleggiante& fl = Rig().m_galleggiante;
        if (fl.HasFloat())
            expectAt(fl, fl.m_position - 45, 0, "float");
        for (int i = 0; i < kShotSlots; ++i)
            if (Rig().m_piombo.IsOccupied(i) && !Rig().m_piombo.IsSliding(i))
                expectAt(Rig().m_piombo.m_icons[i], Rig().m_piombo.GetSlotPosition(i), 0, "shot");
        return segment;
    }
    void OpenSaveDialog()
    {
        Box().SetModified();
        Tool(CMenuConfigura::kToolSave);
        ASSERT_EQ(Box().m_dialog, CMenuConfigura::kSaveDialog);
    }
    void ReplaceName(const std::string& name)
    {
        Click(kNameBoxX, kNameBoxY);
        Type(std::string(200, '\b'));
        Type(name);
    }
    void OpenLoadDialogOn(const std::string& key)
    {
        Box().m_tools.m_pending = 0;
        Tool(CMenuConfigura::kToolLoad);
        ASSERT_EQ(Box().m_dialog, CMenuConfigura::kLoadDialog);
        CListBox& list = Box().m_configurations;
        const ListItem* row = list.FindByKey(key.c_str());
        std::string keys;
        for (int i = 0; i < list.GetCount(); ++i)
            keys += std::string(list.GetItem(i)->key) + " ";
        ASSERT_NE(row, nullptr) << key << " among " << keys;
        ClickRow(list, 290, 165, int(row - list.GetItem(0)));
        ASSERT_STREQ(list.GetSelectedKey(), key.c_str());
    }
};

TEST_F(TackleBoxTest, PageButtonsShowTheirPagesWithFittingCaptionsInBothLanguages)
{
    for (bool italian : {true, false}) {
        Stop();
        Open(italian);
        SetRodType(kRodBolognese); // the reel page is offered
        const struct {
            int page;
            const char* italian;
            const char* english;
        } pages[] = {
            {CMenuConfigura::kPageRod, "Lunghezza canna", "Length"},
            {CMenuConfigura::kPageReel, "Mulinelli disponibili", "Available reels"},
            {CMenuConfigura::kPageLine, "Colore lenza", "Line color"},
            {CMenuConfigura::kPageTerminal, "Filtra ami per esca", "Filter"},
            {CMenuConfigura::kPageDropper1, "Collegamento corpo-finale", "Link"},
            {CMenuConfigura::kPageDropper2, "Collegamento corpo-finale", "Link"},
            {CMenuConfigura::kPageShots, "Piombini disponibili", "Shots"},
            {CMenuConfigura::kPageFloat, "Galleggianti disponibili", "Floatings"},
        };
        for (const auto& p : pages) {
            SCOPED_TRACE(p.english);
            Page(p.page);
            std::vector<std::string> texts = {italian ? p.italian : p.english};
            for (int b = 0; b < CMenuConfigura::kMenuButtons; ++b)
                texts.push_back(CMenuConfigura::PageCaption(b));
            ExpectShownAndFitting(texts);
        }
        OpenSaveDialog();
        ExpectShownAndFitting({italian ? "Salva configurazione lenza" : "Save configuration", "OK",
                               italian ? "Annulla" : "Cancel"});
        Click(kCancelX, kDialogButtonY);
        Box().m_tools.m_pending = 0;
        Tool(CMenuConfigura::kToolLoad);
        ExpectShownAndFitting({italian ? "Carica configurazione lenza" : "Load configuration", "Pole_5_m"});
        Click(kCancelX, kDialogButtonY);
        EXPECT_EQ(Box().m_dialog, CMenuConfigura::kNoDialog);
    }
    // The page is kept when the screen is left and entered again.
    Page(CMenuConfigura::kPageShots);
    Box().m_tools.m_pending = 0;
    Back();
    EXPECT_EQ(Screen(), kScreenMainMenu);
    Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kTackleBox));
    EXPECT_EQ(Box().m_page, CMenuConfigura::kPageShots);
}

TEST_F(TackleBoxTest, ARowOfEachListChangesTheRigAndMarksItModified)
{
    Open();
    SetRodType(kRodBolognese);
    RigDroppers(2); // with swivels; their lists show only while rigged
    ASSERT_EQ(Rig().m_lenza.m_droppers[0].m_inUse, 1);
    ASSERT_EQ(Rig().m_lenza.m_droppers[1].m_inUse, 1);
    CMenuConfigura& box = Box();
    CLenza& line = Rig().m_lenza;
    struct Case {
        const char* name;
        int page;
        CListBox* list;
        int x, y, row;
        std::function<int()> rig; // what the row's id should become
        bool marks;
    };
    const Case cases[] = {
        {"reel", 7, &box.m_reels, 350, 50, 1, [&] { return Rig().m_mulinello.m_selected; }, true},
        {"line colour", 1, &box.m_lineColours, 350, 50, 4, [&] { return line.m_material.m_colour; }, true},
        {"line diameter", 1, &box.m_lineDiameters, 350, 295, 9, [&] { return line.m_material.m_diameter; }, true},
        {"line type", 1, &box.m_lineTypes, 350, 430, 2, [&] { return line.m_material.m_kind; }, true},
        {"leader diameter", 2, &box.m_terminalDiameters, 350, 85, 3,
         [&] { return line.m_leader.m_material.m_diameter; }, true},
        {"leader type", 2, &box.m_terminalTypes, 570, 85, 3, [&] { return line.m_leader.m_material.m_kind; }, true},
        {"leader hook", 2, &box.m_terminalHooks, 350, 275, 6, [&] { return line.m_leader.m_hook.m_selected; }, true},
        {"dropper 1 diameter", 3, &box.m_dropperDiameters[0], 350, 85, 12,
         [&] { return line.m_droppers[0].m_material.m_diameter; }, true},
        {"dropper 1 type", 3, &box.m_dropperTypes[0], 570, 85, 1,
         [&] { return line.m_droppers[0].m_material.m_kind; }, true},
        {"dropper 1 hook", 3, &box.m_dropperHooks[0], 350, 245, 4,
         [&] { return line.m_droppers[0].m_hook.m_selected; }, true},
        {"dropper 2 diameter", 4, &box.m_dropperDiameters[1], 350, 85, 7,
         [&] { return line.m_droppers[1].m_material.m_diameter; }, true},
        {"dropper 2 type", 4, &box.m_dropperTypes[1], 570, 85, 2,
         [&] { return line.m_droppers[1].m_material.m_kind; }, true},
        {"dropper 2 hook", 4, &box.m_dropperHooks[1], 350, 245, 9,
         [&] { return line.m_droppers[1].m_hook.m_selected; }, true},
        {"float", 6, &box.m_floats, 350, 50, 3, [&] { return Rig().m_galleggiante.m_selected; }, true},
        // Last: a model may be a pole, whose reel page goes.
        {"rod length", 0, &box.m_rodLengths, 350, 50, 5, [&] { return int(Rig().m_canna.GetLength()); }, true},
        {"rod model", 0, &box.m_rodModels, 350, 190, 2, [&] { return Rig().m_canna.m_selected; }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Page(c.page);
        box.m_tools.m_pending = 0;
        ClickRow(*c.list, c.x, c.y, c.row);
        EXPECT_EQ(c.list->GetSelectedIndex(), c.row);
        EXPECT_EQ(c.rig(), c.list->GetSelectedId());
        EXPECT_EQ(box.IsModified(), c.marks);
    }

    // The shots list: fixed shots first, then by weight as a number.
    Page(CMenuConfigura::kPageShots);
    for (int i = 1; i < box.m_shots.GetCount(); ++i) {
        const PiomboRecord& a = Rig().m_piombo.m_records[std::size_t(box.m_shots.GetItem(i - 1)->id)];
        const PiomboRecord& b = Rig().m_piombo.m_records[std::size_t(box.m_shots.GetItem(i)->id)];
        EXPECT_LE(std::pair(a.attachment, a.weight), std::pair(b.attachment, b.weight)) << a.id << " " << b.id;
    }
    // A shots row shows that shot's details and nothing else.
    box.m_tools.m_pending = 0;
    std::string slots;
    for (const PiomboRecord& s : Rig().m_piombo.m_slots)
        slots += std::to_string(s.position) + s.id + ";";
    ClickRow(box.m_shots, 350, 50, 4);
    const PiomboRecord& shown = Rig().m_piombo.m_records[std::size_t(box.m_shots.GetSelectedId())];
    EXPECT_STREQ(Rig().m_piombo.m_detail.id, shown.id);
    std::string after;
    for (const PiomboRecord& s : Rig().m_piombo.m_slots)
        after += std::to_string(s.position) + s.id + ";";
    EXPECT_EQ(after, slots);
    EXPECT_FALSE(box.IsModified());

    // The wheel scrolls the list under the pointer only.
    Page(CMenuConfigura::kPageRod);
    box.m_rodModels.ScrollTo(0);
    box.m_rodLengths.ScrollTo(0);
    MoveTo(400, 250);
    Wheel(-1);
    EXPECT_EQ(box.m_rodModels.m_firstVisible, 1);
    EXPECT_EQ(box.m_rodLengths.m_firstVisible, 0);
    Wheel(1);
    EXPECT_EQ(box.m_rodModels.m_firstVisible, 0);
}

TEST_F(TackleBoxTest, EachSpinnerStepsBothWaysAndTheRigFollows)
{
    Open();
    CMenuConfigura& box = Box();
    // A sliding float, for the stopper spinner to be enabled.
    Page(CMenuConfigura::kPageFloat);
    int sliding = -1;
    for (int i = 0; i < box.m_floats.GetCount() && sliding < 0; ++i)
        if (Rig().m_galleggiante.GetRecord(box.m_floats.GetItem(i)->id).mount == 1)
            sliding = i;
    ASSERT_GE(sliding, 0);
    ClickRow(box.m_floats, 350, 50, sliding);
    ASSERT_TRUE(Rig().m_galleggiante.IsSliding());
    // The release placed the float again for its new mount: placing it
    // once more changes nothing, and the spinner shows the rig's stopper.
    const int position = Rig().m_galleggiante.m_position, stopper = Rig().m_galleggiante.m_stopper;
    Rig().SetFloatPosition(float(position));
    EXPECT_EQ(Rig().m_galleggiante.m_position, position);
    EXPECT_EQ(Rig().m_galleggiante.m_stopper, stopper);
    EXPECT_EQ(box.m_stopper.GetValue(), stopper);
    EXPECT_EQ(box.m_stopper.m_enabled, 1);
    struct Case {
        const char* name;
        int page, x, y, width;
        CSpinner* spinner;
        std::function<int()> rig;
        bool marks;
    };
    CLenza& line = Rig().m_lenza;
    const Case cases[] = {
        {"power", 0, 350, 323, 160, &box.m_power, [&] { return Rig().m_canna.m_current.stiffness; }, true},
        {"type", 0, 350, 360, 160, &box.m_type, [&] { return Rig().m_canna.m_current.type; }, true},
        {"bell", 0, 350, 396, 160, &box.m_bell, [&] { return Rig().m_bell; }, true},
        {"leader link", 2, 350, 55, 160, &box.m_terminalLink, [&] { return line.m_leader.m_swivel; }, true},
        {"hook filter", 2, 350, 250, 160, &box.m_hookFilter, [&] { return box.m_hookFilter.GetValue(); }, false},
        {"dropper 1 link", 3, 350, 55, 160, &box.m_dropperLink[0],
         [&] { return line.m_droppers[0].m_inUse ? line.m_droppers[0].m_swivel : -1; }, true},
        {"dropper 2 link", 4, 350, 55, 160, &box.m_dropperLink[1],
         [&] { return line.m_droppers[1].m_inUse ? line.m_droppers[1].m_swivel : -1; }, true},
        {"stopper", 6, 350, 300, 155, &box.m_stopper, [&] { return Rig().m_galleggiante.m_stopper; }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Page(c.page);
        // Up then down, or down then up at the top of a range that stops there.
        const bool atTop = c.spinner->GetValue() == c.spinner->m_max && c.spinner->m_wrap == 0;
        const int before = c.spinner->GetValue();
        for (int arrow : {0, 1}) {
            box.m_tools.m_pending = 0;
            if ((arrow == 0) != atTop)
                SpinUp(c.x, c.y, c.width);
            else
                SpinDown(c.x, c.y, c.width);
            EXPECT_EQ(c.rig(), c.spinner->GetValue());
            EXPECT_EQ(box.IsModified(), c.marks);
            if (arrow == 0) {
                EXPECT_NE(c.spinner->GetValue(), before);
            }
        }
        EXPECT_EQ(c.spinner->GetValue(), before);
    }
    // A new rig has a fixed float: its stopper cannot be set.
    Tool(CMenuConfigura::kToolNew);
    Click(kYesX, kAskY);
    ASSERT_FALSE(Rig().m_galleggiante.IsSliding());
    EXPECT_EQ(box.m_stopper.m_enabled, 0);
}

TEST_F(TackleBoxTest, RodTypesGoverneTheReelAndDropperPagesAndTheLengths)
{
    Open();
    CMenuConfigura& box = Box();
    SetRodType(kRodBolognese);
    Page(CMenuConfigura::kPageReel);
    const std::string reel = std::string("Reel: ") + Rig().m_mulinello.m_current.name;
    EXPECT_NE(std::string(box.GetRigSummary()).find(reel), std::string::npos) << box.GetRigSummary();
    Page(CMenuConfigura::kPageDropper1);
    SpinUp(350, 55, 160);
    ASSERT_EQ(Rig().m_lenza.m_droppers[0].m_inUse, 1);
    // A pole has no reel: the button goes, and the summary names none.
    SetRodType(kRodPole);
    Frame();
    EXPECT_EQ(box.m_pageButtons[1].m_state, CPulsante::kDisabled);
    EXPECT_EQ(std::string(box.GetRigSummary()).find("Reel"), std::string::npos) << box.GetRigSummary();
    // Its lengths run 300 to 900: the rows outside are disabled, and a
    // length no longer valid gives the type's default.
    for (int i = 0; i < box.m_rodLengths.GetCount(); ++i) {
        const ListItem* row = box.m_rodLengths.GetItem(i);
        EXPECT_EQ(row->enabled, row->id >= 300 && row->id <= 900) << row->id;
    }
    SetRodType(kRodSpinning);
    EXPECT_EQ(int(Rig().m_canna.GetLength()), CCanna::GetDefaultLength(kRodSpinning));
    EXPECT_EQ(box.m_rodLengths.GetSelectedId(), CCanna::GetDefaultLength(kRodSpinning));
    // Spinning takes both droppers off at once.
    Frame();
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(Rig().m_lenza.m_droppers[i].m_inUse, 0);
        EXPECT_EQ(box.m_dropperLink[i].GetValue(), -1);
        EXPECT_STREQ(box.m_dropperLink[i].GetValueText(), "Line not used");
        EXPECT_EQ(box.m_pageButtons[4 + i].m_state, CPulsante::kDisabled);
    }
    EXPECT_EQ(box.m_pageButtons[1].m_state, CPulsante::kNormal) << "a spinning rod has a reel";
    // Another type gives the buttons back, the droppers stay off.
    SetRodType(kRodBoat);
    Frame();
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(box.m_pageButtons[4 + i].m_state, CPulsante::kNormal);
        EXPECT_EQ(Rig().m_lenza.m_droppers[i].m_inUse, 0);
    }
    // Rows by length, not by text: "11.48 ft" never comes before "6.89 ft".
    for (int i = 1; i < box.m_rodLengths.GetCount(); ++i)
        EXPECT_LT(box.m_rodLengths.GetItem(i - 1)->id, box.m_rodLengths.GetItem(i)->id);

    // A pole loaded while the reel page is shown: the page falls back to the rod.
    Page(CMenuConfigura::kPageReel);
    OpenLoadDialogOn("Pole_5_m.kvz");
    Click(kOkX, kDialogButtonY);
    ASSERT_EQ(Rig().m_canna.m_current.type, kRodPole);
    Frame();
    EXPECT_EQ(box.m_pageButtons[1].m_state, CPulsante::kDisabled);
    EXPECT_EQ(box.m_page, CMenuConfigura::kPageRod);
}

TEST_F(TackleBoxTest, HookFilterReplacesTheHookLikeAClickAndLeavesTheDroppersAlone)
{
    Open();
    CMenuConfigura& box = Box();
    // A spinning rod without a float: its shots are classed as a spinning
    // rig only while a lure hook is on, so a missed recalculation shows.
    SetRodType(kRodSpinning);
    Page(CMenuConfigura::kPageFloat);
    ClickRow(box.m_floats, 350, 50, 0);
    ASSERT_FALSE(Rig().m_galleggiante.HasFloat());
    Page(CMenuConfigura::kPageTerminal);
    ASSERT_NE(Rig().m_lenza.m_leader.m_hook.m_current.baitKind, kBaitKindSpinning);
    ASSERT_EQ(Rig().m_piombo.GetWeightClass(), 0);
    box.m_tools.m_pending = 0;
    SpinUp(350, 250, 160); // "No spinning": the hook in use stays
    EXPECT_STREQ(box.m_hookFilter.GetValueText(), "No spinning");
    EXPECT_FALSE(box.IsModified());
    SpinUp(350, 250, 160); // "Spinning": only lure hooks, and the rig gets one
    EXPECT_STREQ(Rig().m_lenza.m_leader.m_hook.m_current.id, "INTERNAL_1");
    EXPECT_STREQ(box.m_terminalHooks.GetSelectedKey(), "INTERNAL_1");
    EXPECT_TRUE(box.IsModified());
    EXPECT_EQ(Rig().m_piombo.GetWeightClass(), -1) << "the shots were classed again for the lure";
    for (int i = 0; i < box.m_terminalHooks.GetCount(); ++i) {
        const ListItem* row = box.m_terminalHooks.GetItem(i);
        const bool lure = Rig().m_lenza.m_leader.m_hook.GetRecord(row->id).baitKind == kBaitKindSpinning;
        EXPECT_EQ(row->enabled, lure ? 1 : 0) << row->key;
    }
    for (CListBox& list : box.m_dropperHooks)
        for (int i = 0; i < list.GetCount(); ++i)
            EXPECT_EQ(list.GetItem(i)->enabled, 1) << "the dropper lists ignore the filter";

    // Taking the rig again with the filter on shows its own hook.
    Rig().m_lenza.m_leader.m_hook.SelectById(g_pDevice, "INTERNAL_0");
    box.SyncFromRig();
    EXPECT_STREQ(box.m_terminalHooks.GetSelectedKey(), "INTERNAL_0");
    EXPECT_EQ(box.m_hookFilter.GetValue(), 0);
    EXPECT_NE(std::string(box.GetRigSummary()).find("Hook: 18"), std::string::npos) << box.GetRigSummary();
    ASSERT_EQ(Rig().m_piombo.GetWeightClass(), 0);

    // A click on a lure hook classes the shots again too.
    const ListItem* lureRow = box.m_terminalHooks.FindByKey("INTERNAL_1");
    ASSERT_NE(lureRow, nullptr);
    ClickRow(box.m_terminalHooks, 350, 275, int(lureRow - box.m_terminalHooks.GetItem(0)));
    EXPECT_STREQ(Rig().m_lenza.m_leader.m_hook.m_current.id, "INTERNAL_1");
    EXPECT_EQ(Rig().m_piombo.GetWeightClass(), -1);
    // "No spinning" with that lure on puts the plain hook back.
    SpinUp(350, 250, 160);
    EXPECT_STREQ(Rig().m_lenza.m_leader.m_hook.m_current.id, "INTERNAL_0");
    EXPECT_STREQ(box.m_terminalHooks.GetSelectedKey(), "INTERNAL_0");
    EXPECT_EQ(Rig().m_piombo.GetWeightClass(), 0);
}

TEST_F(TackleBoxTest, ToolBoxButtons)
{
    Open();
    CMenuConfigura& box = Box();
    CRigView& view = box.m_view;
    // Zoom and scroll.
    const float scale = view.m_scale;
    Tool(CMenuConfigura::kToolZoomIn);
    EXPECT_FLOAT_EQ(view.m_scale, scale + 0.25f);
    Tool(CMenuConfigura::kToolZoomOut);
    Tool(CMenuConfigura::kToolZoomOut);
    EXPECT_FLOAT_EQ(view.m_scale, scale - 0.25f);
    const int origin = view.m_origin;
    ASSERT_GT(origin, 50);
    Tool(CMenuConfigura::kToolScrollUp);
    EXPECT_EQ(view.m_origin, origin - 50);
    Tool(CMenuConfigura::kToolScrollDown);
    EXPECT_EQ(view.m_origin, origin);
    Tool(CMenuConfigura::kToolRuler);
    EXPECT_EQ(view.m_fromHook, 0);
    Tool(CMenuConfigura::kToolRuler);
    EXPECT_EQ(view.m_fromHook, 1);
    EXPECT_FALSE(box.IsModified()) << "the view is not the rig";

    // Save only while modified, and again after Cancel.
    Tool(CMenuConfigura::kToolSave);
    EXPECT_EQ(box.m_dialog, CMenuConfigura::kNoDialog);
    OpenSaveDialog();
    EXPECT_FALSE(box.IsModified());
    Click(kCancelX, kDialogButtonY);
    EXPECT_EQ(box.m_dialog, CMenuConfigura::kNoDialog);
    EXPECT_TRUE(box.IsModified());
    Tool(CMenuConfigura::kToolSave);
    EXPECT_EQ(box.m_dialog, CMenuConfigura::kSaveDialog);
    Click(kCancelX, kDialogButtonY);

    // New rig and load ask first while modified; No keeps everything.
    for (int tool : {CMenuConfigura::kToolNew, CMenuConfigura::kToolLoad}) {
        SCOPED_TRACE(tool);
        Rig().m_bell = 1;
        box.SetModified();
        Tool(tool);
        ASSERT_TRUE(box.m_ask.IsShown());
        EXPECT_EQ(box.m_ask.GetTag(), tool == CMenuConfigura::kToolNew ? CMenuConfigura::kAskNewRig
                                                                        : CMenuConfigura::kAskLoad);
        Click(kNoX, kAskY);
        EXPECT_EQ(Rig().m_bell, 1);
        EXPECT_EQ(box.m_dialog, CMenuConfigura::kNoDialog);
        Tool(tool);
        Click(kYesX, kAskY);
        if (tool == CMenuConfigura::kToolNew) {
            EXPECT_EQ(Rig().m_bell, 0) << "the default rig";
            EXPECT_FALSE(box.IsModified());
        } else {
            EXPECT_EQ(box.m_dialog, CMenuConfigura::kLoadDialog);
            Click(kCancelX, kDialogButtonY);
        }
    }
    // Unmodified, they act at once.
    box.m_tools.m_pending = 0;
    Tool(CMenuConfigura::kToolLoad);
    EXPECT_EQ(box.m_dialog, CMenuConfigura::kLoadDialog);
    EXPECT_FALSE(box.m_ask.IsShown());
    Click(kCancelX, kDialogButtonY);
}

TEST_F(TackleBoxTest, RigViewAddRemoveAndDrag)
{
    Open();
    CMenuConfigura& box = Box();
    CRigView& view = box.m_view;
    Page(CMenuConfigura::kPageShots);
    const int before = ShotCount();
    // Without a chosen shot the add button arms nothing.
    box.m_shots.m_selected = -1;
    Click(360, 225);
    EXPECT_EQ(box.m_addMode, 0);
    Click(kRigX, 200);
    EXPECT_EQ(ShotCount(), before);
    // One press of the add button, one shot.
    ClickRow(box.m_shots, 350, 50, 0);
    Click(360, 225);
    EXPECT_EQ(box.m_addMode, 1);
    box.m_tools.m_pending = 0;
    Click(kRigX, 200);
    EXPECT_EQ(ShotCount(), before + 1);
    EXPECT_TRUE(box.IsModified());
    EXPECT_EQ(box.m_addMode, 0);
    Click(kRigX, 220);
    EXPECT_EQ(ShotCount(), before + 1) << "a second press adds nothing";
    // Remove mode takes the shot under the pointer, once.
    int slot = -1;
    for (int i = 0; i < kShotSlots && slot < 0; ++i)
        if (Rig().m_piombo.IsOccupied(i) && view.IsInRigView(Rig().m_piombo.GetSlotPosition(i)))
            slot = i;
    ASSERT_GE(slot, 0);
    Frame();
    const CSprite& icon = Rig().m_piombo.m_icons[slot];
    const int iconX = icon.m_x - OffsetX(), iconY = icon.m_y - OffsetY();
    Click(390, 225);
    EXPECT_EQ(box.m_removeMode, 1);
    box.m_tools.m_pending = 0;
    Click(iconX, iconY);
    EXPECT_EQ(ShotCount(), before);
    EXPECT_EQ(box.m_removeMode, 0);
    EXPECT_TRUE(box.IsModified());

    // Drags: a shot, the float and the leader's hook (the line's end).
    struct Drag {
        const char* name;
        const CSprite* sprite;
        std::function<int()> value;
        int dy; // pixels per move step
    };
    CLenza& line = Rig().m_lenza;
    Frame();
    int shown = 0;
    while (shown < kShotSlots && !Rig().m_piombo.m_icons[shown].m_visible)
        ++shown;
    ASSERT_LT(shown, kShotSlots);
    const Drag drags[] = {
        {"shot", &Rig().m_piombo.m_icons[shown], [&] { return Rig().m_piombo.GetSlotPosition(shown); }, -15},
        {"float", &Rig().m_galleggiante, [&] { return Rig().m_galleggiante.m_position; }, -15},
        // A pole's line runs up to half a metre past the rod: the end goes down.
        {"line end", &line.m_leader.m_hook.m_marker, [&] { return int(line.m_length); }, 10},
    };
    for (const Drag& d : drags) {
        SCOPED_TRACE(d.name);
        Frame();
        const CSprite& s = *d.sprite;
        ASSERT_EQ(s.m_visible, 1);
        const int x = s.m_x - OffsetX(), y = s.m_y - OffsetY() + 2;
        box.m_tools.m_pending = 0;
        const int was = d.value();
        Press(x, y);
        for (int step = 1; step <= 4; ++step) {
            plat::WindowMessage m = MakeMessage(plat::MessageKind::MouseMove);
            m.x = x + OffsetX();
            m.y = y + d.dy * step + OffsetY();
            m.leftHeld = true;
            Send(m);
            Frame();
        }
        Release(x, y + 4 * d.dy);
        EXPECT_NE(d.value(), was);
        EXPECT_TRUE(box.IsModified());
    }

    // A sliding shot's sinker dragged down hangs further below its swivel,
    // by the line units between the swivel and the pointer.
    int slidingRow = -1;
    for (int i = 0; i < box.m_shots.GetCount() && slidingRow < 0; ++i) {
        const PiomboRecord& r = Rig().m_piombo.m_records[std::size_t(box.m_shots.GetItem(i)->id)];
        if (r.attachment == 1 && r.kind != 1)
            slidingRow = i;
    }
    ASSERT_GE(slidingRow, 0);
    ClickRow(box.m_shots, 350, 50, slidingRow);
    Click(360, 225);
    Click(kRigX, 200);
    int sliding = -1;
    for (int i = 0; i < kShotSlots && sliding < 0; ++i)
        if (Rig().m_piombo.IsSliding(i) && Rig().m_piombo.GetSlotSwivelDistance(i) == 0)
            sliding = i;
    ASSERT_GE(sliding, 0);
    Frame();
    const CSprite& sinker = Rig().m_piombo.m_markers[sliding];
    ASSERT_EQ(sinker.m_visible, 1);
    const int sinkerX = sinker.m_x + 5 - OffsetX(), sinkerY = sinker.m_y - OffsetY();
    Press(sinkerX, sinkerY);
    for (int step = 1; step <= 4; ++step) {
        plat::WindowMessage m = MakeMessage(plat::MessageKind::MouseMove);
        m.x = sinkerX + OffsetX();
        m.y = sinkerY + 10 * step + OffsetY();
        m.leftHeld = true;
        Send(m);
        Frame();
    }
    Release(sinkerX, sinkerY + 40);
    const int swivel = Rig().m_piombo.GetSlotPosition(sliding);
    EXPECT_EQ(Rig().m_piombo.GetSlotSwivelDistance(sliding),
              swivel - view.GetLineAtMouse(sinkerY + 40 + OffsetY()))
        << swivel;
    EXPECT_GT(Rig().m_piombo.GetSlotSwivelDistance(sliding), 0);

    // The wheel over the rig view scrolls it, also under an open dialog.
    MoveTo(kRigX, 300);
    const int origin = view.m_origin;
    Wheel(1);
    EXPECT_EQ(view.m_origin, origin > 50 ? origin - 50 : 0);
    box.SetModified();
    Tool(CMenuConfigura::kToolSave);
    MoveTo(kRigX, 300);
    Wheel(-1);
    Frame();
    EXPECT_EQ(box.m_dialog, CMenuConfigura::kSaveDialog);
    EXPECT_NE(view.m_origin, origin > 50 ? origin - 50 : 0);
    Click(kCancelX, kDialogButtonY);
}

TEST_F(TackleBoxTest, SaveDialogTypingOverwriteAndFailures)
{
    Open();
    CMenuConfigura& box = Box();
    // A name the box would refuse is never written.
    Rig().m_lenza.m_leader.m_length = 12.0f;
    CopyString(Rig().m_name, "Pole 5 m", 128);
    OpenSaveDialog();
    EXPECT_STREQ(box.m_nameBox.GetText(), "Pole 5 m");
    Click(kOkX, kDialogButtonY);
    ASSERT_TRUE(box.m_ask.IsShown());
    EXPECT_EQ(box.m_dialog, CMenuConfigura::kSaveDialog);
    Click(kLoneOkX, kAskY);
    EXPECT_FALSE(fs::exists(Kvz("Pole 5 m")));

    // Typing: letters, digits and "_" only; the description takes any text.
    ReplaceName("My/rig. 2_b");
    EXPECT_STREQ(box.m_nameBox.GetText(), "Myrig2_b");
    Click(kDescriptionBoxX, kDescriptionBoxY);
    Type(std::string(600, '\b') + "Float rig, 1.5 g");
    EXPECT_STREQ(box.m_descriptionBox.GetText(), "Float rig, 1.5 g");
    Click(kOkX, kDialogButtonY);
    EXPECT_EQ(box.m_dialog, CMenuConfigura::kNoDialog);
    EXPECT_FALSE(box.IsModified());
    const std::string saved = ReadAll(Kvz("Myrig2_b"));
    EXPECT_NE(saved.find("NOME=Myrig2_b"), std::string::npos);
    EXPECT_NE(saved.find("DESCRIZIONE=Float rig, 1.5 g"), std::string::npos);
    EXPECT_NE(Settings().find("LENZA=Myrig2_b"), std::string::npos);

    // The same name asks first: No keeps the file and the dialog.
    Rig().m_bell = 1;
    OpenSaveDialog();
    Click(kOkX, kDialogButtonY);
    ASSERT_EQ(box.m_ask.GetTag(), CMenuConfigura::kAskOverwrite);
    Click(kNoX, kAskY);
    EXPECT_EQ(box.m_dialog, CMenuConfigura::kSaveDialog);
    EXPECT_EQ(ReadAll(Kvz("Myrig2_b")), saved);
    Click(kOkX, kDialogButtonY);
    Click(kYesX, kAskY);
    EXPECT_EQ(box.m_dialog, CMenuConfigura::kNoDialog);
    EXPECT_NE(ReadAll(Kvz("Myrig2_b")).find("CAMPANELLO=1"), std::string::npos);

    // A save that fails keeps the dialog, the changes marked, and says so:
    // directly, and after the overwrite question.
    // (A file where the configurations folder was stops a new one; a folder
    // in place of an existing configuration stops its replacement.)
    for (const char* name : {"Locked", "Myrig2_b"}) {
        SCOPED_TRACE(name);
        const bool existing = fs::exists(Kvz(name));
        const std::string folder = fs::path(Kvz(name)).parent_path().string();
        OpenSaveDialog();
        ReplaceName(name);
        if (existing) {
            fs::remove(Kvz(name));
            fs::create_directories(Kvz(name));
        } else {
            fs::rename(folder, folder + ".away");
            std::ofstream(folder) << "not a folder";
        }
        Click(kOkX, kDialogButtonY);
        if (!existing) {
            fs::remove(folder);
            fs::rename(folder + ".away", folder);
        }
        if (existing) {
            ASSERT_EQ(box.m_ask.GetTag(), CMenuConfigura::kAskOverwrite);
            Click(kYesX, kAskY);
        }
        ASSERT_TRUE(box.m_ask.IsShown());
        EXPECT_STREQ(box.m_ask.m_text, existing ? "Configuration not saved: the existing file cannot be read. The old file is kept."
                                                : "The configuration could not be saved.");
        Click(kLoneOkX, kAskY);
        EXPECT_EQ(box.m_dialog, CMenuConfigura::kSaveDialog);
        EXPECT_TRUE(box.IsModified());
        Click(kCancelX, kDialogButtonY);
    }
    // A configuration that reads but cannot be replaced (a full disk): after
    // Yes the save says so, and the old file stays as it was.
    const std::string before = ReadAll(Kvz("Boat_bottom"));
    ASSERT_FALSE(before.empty());
    OpenSaveDialog();
    ReplaceName("Boat_bottom");
    {
        testing_support::FileSizeLimit full(100);
        Click(kOkX, kDialogButtonY);
        ASSERT_EQ(box.m_ask.GetTag(), CMenuConfigura::kAskOverwrite);
        Click(kYesX, kAskY);
    }
    ASSERT_TRUE(box.m_ask.IsShown());
    EXPECT_STREQ(box.m_ask.m_text, "The configuration could not be saved.");
    Click(kLoneOkX, kAskY);
    EXPECT_EQ(box.m_dialog, CMenuConfigura::kSaveDialog);
    EXPECT_TRUE(box.IsModified());
    Click(kCancelX, kDialogButtonY);
    EXPECT_EQ(ReadAll(Kvz("Boat_bottom")), before);
}

TEST_F(TackleBoxTest, LoadDialogLoadsByFileNameDeletesAndSurvivesDamagedFiles)
{
    Open();
    CMenuConfigura& box = Box();
    // A file whose name differs from the name written inside it.
    folders.Write("appdata/Karvelin/Lenze/Renamed.kvz", ReadAll(Kvz("Boat_bottom")));
    // Damaged files: binary bytes, no name, a 600-character name, a folder.
    folders.Write("appdata/Karvelin/Lenze/Binary.kvz", std::string("\x00\xff\x01[\x80]\x00", 7) + "NOME=\x01");
    folders.Write("appdata/Karvelin/Lenze/Nameless.kvz", "[CANNA]\r\nTIPO=2\r\n");
    folders.Write("appdata/Karvelin/Lenze/Long.kvz", "[CONFIGURAZIONE]\r\nNOME=" + std::string(600, 'n') + "\r\n");
    fs::create_directories(Kvz("x"));

    OpenLoadDialogOn("Renamed.kvz");
    Click(kOkX, kDialogButtonY);
    EXPECT_EQ(box.m_dialog, CMenuConfigura::kNoDialog);
    EXPECT_FALSE(box.m_ask.IsShown());
    EXPECT_STREQ(Rig().m_name, "Renamed");
    EXPECT_EQ(Rig().m_canna.m_current.type, kRodBoat);
    EXPECT_EQ(box.m_type.GetValue(), kRodBoat);
    EXPECT_FALSE(box.IsModified());

    for (const char* key : {"Binary.kvz", "Nameless.kvz"}) {
        SCOPED_TRACE(key);
        OpenLoadDialogOn(key);
        Click(kOkX, kDialogButtonY);
        ASSERT_TRUE(box.m_ask.IsShown());
        EXPECT_STREQ(box.m_ask.m_text, "The configuration could not be loaded.");
        Click(kLoneOkX, kAskY);
        EXPECT_STREQ(Rig().m_name, "") << "the default rig";
        EXPECT_EQ(Rig().m_canna.m_current.type, kRodPole);
    }
    OpenLoadDialogOn("Long.kvz");
    ExpectShownAndFitting({});
    Click(kCancelX, kDialogButtonY);

    // Delete: No keeps the file, Yes removes only the selected one.
    const auto count = [&] {
        int n = 0;
        for (const auto& e : fs::directory_iterator(folders.Data() + "/Lenze"))
            n += e.path().extension() == ".kvz" && e.is_regular_file() ? 1 : 0;
        return n;
    };
    const int files = count();
    OpenLoadDialogOn("Renamed.kvz");
    Click(kDeleteX, kDeleteY);
    ASSERT_EQ(box.m_ask.GetTag(), CMenuConfigura::kAskDelete);
    Click(kNoX, kAskY);
    EXPECT_EQ(count(), files);
    Click(kDeleteX, kDeleteY);
    Click(kYesX, kAskY);
    EXPECT_EQ(count(), files - 1);
    EXPECT_FALSE(fs::exists(Kvz("Renamed")));
    EXPECT_EQ(box.m_configurations.FindByKey("Renamed.kvz"), nullptr);
    EXPECT_NE(box.m_configurations.FindByKey("Boat_bottom.kvz"), nullptr);
    // A file that cannot be deleted (a folder took its name since the
    // listing) stays listed, the dialog stays open, and the player is told.
    fs::remove(Kvz("Boat_bottom"));
    fs::create_directories(Kvz("Boat_bottom") + "/held");
    ASSERT_TRUE(box.m_configurations.SelectByKey("Boat_bottom.kvz", true));
    Click(kDeleteX, kDeleteY);
    Click(kYesX, kAskY);
    ASSERT_TRUE(box.m_ask.IsShown());
    EXPECT_STREQ(box.m_ask.m_text, "The configuration could not be deleted.");
    Click(kLoneOkX, kAskY);
    EXPECT_EQ(box.m_dialog, CMenuConfigura::kLoadDialog);
    EXPECT_NE(box.m_configurations.FindByKey("Boat_bottom.kvz"), nullptr);
    // The wheel scrolls the dialog's list.
    box.m_configurations.ScrollTo(0);
    MoveTo(340, 200);
    Wheel(-1);
    EXPECT_EQ(box.m_configurations.m_firstVisible, 1);
    Click(kCancelX, kDialogButtonY);

    // An empty folder: OK loads nothing and keeps the unsaved changes.
    for (const auto& e : fs::directory_iterator(folders.Data() + "/Lenze"))
        fs::remove_all(e.path());
    Tool(CMenuConfigura::kToolLoad);
    ASSERT_EQ(box.m_configurations.GetCount(), 0);
    Rig().m_bell = 1;
    box.SetModified();
    Click(kOkX, kDialogButtonY);
    EXPECT_EQ(Rig().m_bell, 1);
    EXPECT_TRUE(box.IsModified());
}

// Where the Load and Save tools meet, one click runs one of them: the save
// dialog opens without the load question over it.
TEST_F(TackleBoxTest, OneClickWhereTwoToolsMeetRunsOne)
{
    Open();
    CMenuConfigura& box = Box();
    // A changed rig, changed as a player changes it: another line colour.
    Page(1);
    ClickRow(box.m_lineColours, 350, 50, 4);
    ASSERT_TRUE(box.IsModified());
    ASSERT_EQ(box.ToolX(CMenuConfigura::kToolSave), 71);
    Click(71, CMenuConfigura::ToolY() + 10);
    EXPECT_EQ(box.m_dialog, CMenuConfigura::kSaveDialog);
    EXPECT_FALSE(box.m_ask.IsShown());
    Click(kCancelX, kDialogButtonY);
    EXPECT_TRUE(box.IsModified());
}

// A row whose extension is in capitals loads; the save says why it failed;
// a rig the settings cannot remember says so.
TEST_F(TackleBoxTest, CapitalExtensionsLoadAndFailuresSayWhy)
{
    Open();
    CMenuConfigura& box = Box();
    folders.Write("appdata/Karvelin/Lenze/Caps.KVZ", ReadAll(Kvz("Boat_bottom")));
    OpenLoadDialogOn("Caps.KVZ");
    Click(kOkX, kDialogButtonY);
    EXPECT_FALSE(box.m_ask.IsShown());
    EXPECT_STREQ(Rig().m_name, "Caps");
    EXPECT_EQ(Rig().m_canna.m_current.type, kRodBoat);

    // Over a file too big to be read: nothing is written, and the reason.
    const std::string big = "[CONFIGURAZIONE]\r\nNOME=Big\r\n" + std::string(CIniText::kMaxFile, '\n');
    folders.Write("appdata/Karvelin/Lenze/Big.kvz", big);
    OpenSaveDialog();
    ReplaceName("Big");
    Click(kOkX, kDialogButtonY);
    ASSERT_EQ(box.m_ask.GetTag(), CMenuConfigura::kAskOverwrite);
    Click(kYesX, kAskY);
    ASSERT_TRUE(box.m_ask.IsShown());
    EXPECT_STREQ(box.m_ask.m_text,
                 "Configuration not saved: the existing file is too big to be read. The old file is kept.");
    ExpectShownAndFitting({});
    Click(kLoneOkX, kAskY);
    EXPECT_TRUE(ReadAll(Kvz("Big")) == big);
    Click(kCancelX, kDialogButtonY);

    // The settings cannot be written: the rig is mounted, and the player
    // learns the next start will not mount it.
    fs::remove(folders.Data() + "/Karvelin.ini");
    fs::create_directory(folders.Data() + "/Karvelin.ini");
    box.m_tools.m_pending = 0;
    OpenLoadDialogOn("Caps.KVZ");
    Click(kOkX, kDialogButtonY);
    EXPECT_STREQ(Rig().m_name, "Caps");
    ASSERT_TRUE(box.m_ask.IsShown());
    EXPECT_STREQ(box.m_ask.m_text,
                 "The settings could not be written: this configuration will not be mounted at the next start.");
    ExpectShownAndFitting({});
    Click(kLoneOkX, kAskY);
    fs::remove(folders.Data() + "/Karvelin.ini");
}

TEST_F(TackleBoxTest, EachReadyRigLoadsSavesUnderItsOwnNameAndReadsBackTheSame)
{
    Open();
    CMenuConfigura& box = Box();
    for (const char* name : {"Pole_5_m", "Bolognese_6_m", "Sliding_float", "Boat_bottom", "Spinning_river",
                             "Spinning_sea"}) {
        SCOPED_TRACE(name);
        const std::string shipped = ReadAll(Kvz(name));
        const std::string marker = "DESCRIZIONE=";
        const std::size_t at = shipped.find(marker) + marker.size();
        const std::string description = shipped.substr(at, shipped.find('\r', at) - at);
        // Loaded, then saved over itself with its own description (the box
        // offers the rig's summary).
        const auto loadAndSave = [&] {
            OpenLoadDialogOn(std::string(name) + ".kvz");
            Click(kOkX, kDialogButtonY);
            ASSERT_FALSE(box.m_ask.IsShown());
            EXPECT_STREQ(Rig().m_name, name);
            OpenSaveDialog();
            EXPECT_STREQ(box.m_nameBox.GetText(), name);
            Click(kDescriptionBoxX, kDescriptionBoxY);
            Type(std::string(600, '\b') + description);
            Click(kOkX, kDialogButtonY);
            Click(kYesX, kAskY);
            ASSERT_EQ(box.m_dialog, CMenuConfigura::kNoDialog);
        };
        loadAndSave();
        // The tackle box holds a reel rod's line to the rod's length; all
        // else is the shipped file as it stands.
        const std::string saved = ReadAll(Kvz(name));
        EXPECT_EQ(WithoutLineLength(saved), WithoutLineLength(shipped));
        // Loaded back, it saves the same again.
        loadAndSave();
        EXPECT_EQ(ReadAll(Kvz(name)), saved);
    }
}

TEST_F(TackleBoxTest, BuiltRigIsSavedAndFishedAfterARestart)
{
    Open();
    CMenuConfigura& box = Box();
    SetRodType(kRodBolognese);
    Page(CMenuConfigura::kPageLine);
    ClickRow(box.m_lineDiameters, 350, 295, IndexOfId(box.m_lineDiameters, 20));
    ClickRow(box.m_lineColours, 350, 50, 10);
    OpenSaveDialog();
    ReplaceName("Trotting");
    Click(kOkX, kDialogButtonY);
    ASSERT_TRUE(fs::exists(Kvz("Trotting")));
    const float length = Rig().m_lenza.m_length;
    Back();
    EXPECT_EQ(Screen(), kScreenMainMenu);

    ASSERT_EQ(Restart(), 0);
    EXPECT_STREQ(Rig().m_name, "Trotting");
    EXPECT_EQ(Rig().m_lenza.m_material.m_diameter, 20);
    EXPECT_EQ(Rig().m_lenza.m_material.m_colour, 10);
    Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kTackleBox));
    EXPECT_EQ(box.m_lineDiameters.GetSelectedId(), 20);
    EXPECT_EQ(box.m_type.GetValue(), kRodBolognese);
    EXPECT_FALSE(box.IsModified());
    Back();
    Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kStartFishing));
    ASSERT_EQ(g_Gioco.GetState(), kSessionStartPanel);
    Click(345, 350);
    ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);
    ProbeFrame();
    char text[64];
    std::snprintf(text, sizeof text, "Line length: %0.2f mt", double(length) / 100.0);
    EXPECT_NE(Find(text), nullptr) << text;
}

TEST_F(TackleBoxTest, FromAPausedSessionBackReturnsToTheGameMenuAndTheChangedRigFishes)
{
    ASSERT_EQ(StartJourney(), 0);
    Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kStartFishing));
    Click(345, 350);
    ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);
    Key('M');
    ASSERT_EQ(g_Gioco.GetState(), kSessionGameMenu);
    Click(400, 157); // "Tackle box"
    ASSERT_EQ(Screen(), kScreenTackleBox);
    CMenuConfigura& box = Box();
    EXPECT_FALSE(box.IsModified());
    Page(CMenuConfigura::kPageRod);
    SpinUp(350, 396, 160); // the bell
    ASSERT_TRUE(box.IsModified());
    Back();
    ASSERT_EQ(box.m_ask.GetTag(), CMenuConfigura::kAskLeave);
    Click(kNoX, kAskY);
    EXPECT_EQ(Screen(), kScreenTackleBox);
    Back();
    Click(kYesX, kAskY);
    EXPECT_EQ(Screen(), kScreenSession);
    EXPECT_EQ(g_Gioco.GetState(), kSessionGameMenu);
    Click(400, 312); // "Start fishing"
    EXPECT_EQ(g_Gioco.GetState(), kSessionFishing);
    EXPECT_EQ(Rig().m_bell, 1);
}

// The rig view draws the line in its own place; back in the paused session
// the line still ends where the tackle box's new cast put the float.
TEST_F(TackleBoxTest, AVisitFromAPausedSessionLeavesTheLineOnTheFloat)
{
    ASSERT_EQ(StartJourney(), 0);
    Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kStartFishing));
    Click(345, 350);
    ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);
    Key('M');
    Click(400, 157); // "Tackle box"
    ASSERT_EQ(Screen(), kScreenTackleBox);
    Frame();
    Back();
    ASSERT_EQ(Screen(), kScreenSession);
    EXPECT_FLOAT_EQ(Rig().m_lenza.m_points[1][0], Rig().m_targetX);
    EXPECT_FLOAT_EQ(Rig().m_lenza.m_points[1][1], Rig().m_targetY);
}

TEST_F(TackleBoxTest, EveryPageAndDialogDrawsAgainAfterALostDevice)
{
    Open();
    SetRodType(kRodBolognese);
    RigDroppers(1);
    for (int page = 0; page <= CMenuConfigura::kPageReel; ++page) {
        SCOPED_TRACE(page);
        Page(page);
        LoseAndReset();
        ProbeFrame();
        EXPECT_GT(probed.size(), 12u) << "the page's texts are drawn";
        EXPECT_NE(Find(CMenuConfigura::PageCaption(0)), nullptr);
        // The rig view's pictures came back with the device.
        EXPECT_TRUE(Rig().m_lenza.m_leader.m_hook.m_marker.HasDrawer());
        EXPECT_TRUE(Rig().m_piombo.m_icons[0].HasDrawer());
    }
    OpenSaveDialog();
    LoseAndReset();
    ExpectShownAndFitting({"Save configuration", "Configuration name"});
    Click(kCancelX, kDialogButtonY);
    Box().m_tools.m_pending = 0;
    Tool(CMenuConfigura::kToolLoad);
    LoseAndReset();
    ExpectShownAndFitting({"Load configuration", "Bolognese_6_m"});
}

TEST_F(TackleBoxTest, Pictures)
{
    for (bool italian : {true, false}) {
        Stop();
        Open(italian);
        SetRodType(kRodBolognese);
        for (int page = 0; page <= CMenuConfigura::kPageReel; ++page) {
            Page(page);
            if (page == CMenuConfigura::kPageDropper1)
                SpinUp(350, 55, 160);
            Shot(std::string("tackle_box_page") + std::to_string(page) + (italian ? "_it" : "_en"));
        }
    }
    // The rig view zoomed in and out, the pointer over it with its label.
    for (int zoom = 0; zoom < 6; ++zoom)
        Tool(CMenuConfigura::kToolZoomIn);
    for (int scroll = 0; scroll < 4; ++scroll)
        Tool(CMenuConfigura::kToolScrollDown); // zooming keeps the top: down to the hook
    MoveTo(kRigX, 300);
    Shot("tackle_box_zoom_in");
    EXPECT_TRUE(ExpectRigDrawnWhereTheViewSays()) << "the dropper is in the zoomed view";
    for (int zoom = 0; zoom < 12; ++zoom)
        Tool(CMenuConfigura::kToolZoomOut);
    for (int scroll = 0; scroll < 10; ++scroll)
        Tool(CMenuConfigura::kToolScrollUp);
    MoveTo(kRigX, 250);
    Shot("tackle_box_zoom_out");
    ExpectRigDrawnWhereTheViewSays();
    OpenSaveDialog();
    Type("Trotting_2");
    Shot("tackle_box_save_dialog");
    Click(kCancelX, kDialogButtonY);
    Box().m_tools.m_pending = 0;
    Tool(CMenuConfigura::kToolLoad);
    Shot("tackle_box_load_dialog");
    Click(kDeleteX, kDeleteY);
    Shot("tackle_box_question");
    Click(kNoX, kAskY);
    Stop();
    JourneyOptions wide;
    wide.resolution = 1;
    ASSERT_EQ(StartJourney(wide), 0);
    Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kTackleBox));
    Page(CMenuConfigura::kPageTerminal);
    MoveTo(kRigX, 400);
    EXPECT_TRUE(fs::exists(Shot("tackle_box_1024")));
    // The rig view moves with the centred layout.
    EXPECT_EQ(Box().m_view.m_x, OffsetX() + 170);
    EXPECT_EQ(Box().m_view.m_top, OffsetY() + 80);
    ExpectRigDrawnWhereTheViewSays();
}

} // namespace
