// The tackle catalogues: built-ins, the reading rule of every kind, clamps,
// selection and fallbacks, and hostile files.
#include "gui/ListBox.h"
#include "platform/Random.h"
#include "simulation/tackle/Amo.h"
#include "simulation/tackle/Canna.h"
#include "simulation/tackle/Esca.h"
#include "simulation/tackle/Galleggiante.h"
#include "simulation/tackle/Mulinello.h"
#include "simulation/tackle/Piombo.h"
#include "tests/simulation/tackle/TackleFixture.h"
#include "shell/Utility.h"
#include "tests/support/LanguageGuard.h"

#include <cstring>
#include <filesystem>

using tackle_test::TackleTest;

namespace {

bool Noted(const std::string& part)
{
    for (const std::string& line : TackleFallbacks())
        if (line.find(part) != std::string::npos)
            return true;
    return false;
}

TEST_F(TackleTest, BuiltInsInBothLanguages)
{
    for (bool italian : {true, false}) {
        testing_support::Language lang(italian);
        CAmo hooks;
        hooks.Init(nullptr);
        ASSERT_EQ(hooks.GetCount(), 2);
        EXPECT_EQ(hooks.m_selected, 0);
        EXPECT_STREQ(hooks.m_current.name, italian ? "Crystal, G.C., n. 18" : "Crystal, No. 18");
        EXPECT_STREQ(hooks.GetRecord(1).name, italian ? "Amo per artific., n. 06" : "Lure hook, n. 06");
        EXPECT_EQ(hooks.GetMarkerRow(), 1);
        EXPECT_STREQ(CAmo::GetSizeText(hooks.m_current.size), "18");
        EXPECT_STREQ(hooks.GetBaitText(), "Tutte");

        CCanna rods;
        rods.Init(nullptr, 400);
        ASSERT_EQ(rods.GetCount(), 11);
        EXPECT_STREQ(rods.m_current.name, "Norva GRY01");
        EXPECT_EQ(rods.m_current.type, kRodPole);
        EXPECT_EQ(rods.m_current.stiffness, 2);
        EXPECT_STREQ(rods.GetRecord(10).id, "INTERNAL_10");
        EXPECT_EQ(std::string(rods.GetRecord(0).description).substr(0, 20),
                  italian ? "Canna fissa in carbo" : "Range of high modulu");

        CMulinello reels;
        reels.Load(nullptr);
        EXPECT_STREQ(reels.m_current.name, "Norva GR01");
        EXPECT_STREQ(reels.GetRatioText(), "5.0 : 1");

        CGalleggiante floats;
        floats.Load(nullptr);
        ASSERT_EQ(floats.GetCount(), 3);
        EXPECT_STREQ(floats.GetRecord(0).name, italian ? "Nessun galleggiante" : "No float");
        EXPECT_STREQ(floats.m_current.name, "Big New"); // the default float
        EXPECT_STREQ(floats.GetRecord(1).description,
                     italian ? "Galleggiante a goccia ideale per acque ferme. Ottima visibilit\xE0."
                             : "For slow running waters. Excellent visibility.");

        CPiombo shots;
        shots.Init(nullptr);
        ASSERT_EQ(shots.GetCount(), 2);
        EXPECT_STREQ(shots.m_records[0].name, italian ? "Piombino Soft" : "Soft shot");
        EXPECT_STREQ(shots.m_records[1].name, "Tourpille");

        CEsca baits;
        baits.Load(nullptr);
        ASSERT_EQ(baits.GetCount(), 1);
        EXPECT_STREQ(baits.GetSlot(2).name, italian ? "Cagnotto" : "Maggot");
        EXPECT_EQ(baits.GetSlot(0).kind, 4);
    }
    EXPECT_TRUE(TackleFallbacks().empty());
}

TEST_F(TackleTest, HookFilesClampSizeAndClassify)
{
    Program("Ami", "big.kva", "[AMO]\nNOME=Big\nMISURA=-12\nCOLORE=9\n");
    Program("Ami", "tiny.kva", "[AMO]\nNOME=Tiny\nMISURA=30\n");
    Data("Ami", "lure.kva", "[AMO]\nNOME=Lure\nMISURA=20\nESCA=13\n");
    CAmo hooks;
    hooks.Init(nullptr);
    ASSERT_EQ(hooks.GetCount(), 5);
    EXPECT_STREQ(hooks.GetRecord(2).id, "big.kva"); // program side first, in name order
    EXPECT_STREQ(hooks.GetRecord(4).id, "lure.kva");

    hooks.Select(nullptr, 2);
    EXPECT_EQ(hooks.m_current.size, -7);
    EXPECT_STREQ(CAmo::GetSizeText(hooks.m_current.size), "8/0");
    EXPECT_EQ(hooks.GetMarkerRow(), 5);
    EXPECT_EQ(hooks.GetMarkerColumn(), 0) << "a colour outside the picture's columns";
    EXPECT_EQ(hooks.m_current.colour, 9) << "the record keeps the file's value";
    EXPECT_STREQ(hooks.GetColourText(), "Not defined");
    hooks.Select(nullptr, 3);
    EXPECT_EQ(hooks.m_current.size, 24);
    EXPECT_EQ(hooks.GetMarkerRow(), 0);
    hooks.Select(nullptr, 4);
    EXPECT_EQ(hooks.GetMarkerRow(), 6);

    const struct {
        int size, cls;
    } classes[] = {{24, 0}, {22, 0}, {21, 1}, {18, 1}, {17, 2}, {14, 2}, {13, 3}, {10, 3}, {9, 4}, {6, 4}, {5, 5}, {-7, 5}};
    for (const auto& c : classes)
        EXPECT_EQ(CAmo::GetSizeClass(c.size, -1), c.cls) << c.size;
    EXPECT_STREQ(CAmo::GetSizeText(0), "1/0");
    EXPECT_STREQ(CAmo::GetSizeText(6), "6");

    hooks.Select(nullptr, -1);
    EXPECT_EQ(hooks.m_selected, 0);
    hooks.Select(nullptr, hooks.GetCount());
    EXPECT_EQ(hooks.m_selected, 0);
    hooks.SelectById(nullptr, "INTERNAL_1");
    EXPECT_EQ(hooks.m_selected, 1);
    hooks.SelectById(nullptr, "internal_1");
    EXPECT_EQ(hooks.m_selected, 0);

    CAmo empty;
    empty.Select(nullptr, 0);
    EXPECT_EQ(empty.m_selected, -1);
    EXPECT_EQ(empty.m_current.size, -9);
}

TEST_F(TackleTest, EnglishNameAndDefaultDescription)
{
    Program("Ami", "a.kva", "[AMO]\nNOME=Amo rosso\nNAME=Red hook\nDESCRIZIONE=Descrizione\nMISURA=12\n");
    for (bool italian : {true, false}) {
        testing_support::Language lang(italian);
        CAmo hooks;
        hooks.Init(nullptr);
        const AmoRecord& r = hooks.GetRecord(2);
        EXPECT_STREQ(r.name, italian ? "Amo rosso" : "Red hook");
        EXPECT_STREQ(r.description, italian ? "Descrizione" : "Red hook");
    }
}

TEST_F(TackleTest, RodFilesClampTypeAndStiffness)
{
    Program("Canne", "spin.kvn", "[CANNA]\nNOME=Spin\nTIPO=7\nRIGIDITA=0\nCOLORE=14\n");
    CCanna rods;
    rods.Init(nullptr, 400);
    rods.SelectById(nullptr, "spin.kvn");
    EXPECT_EQ(rods.m_current.type, kRodSpinning);
    EXPECT_EQ(rods.GetMinLength(), 210);
    EXPECT_EQ(rods.GetMaxLength(), 300);
    EXPECT_EQ(rods.GetDefaultLength(), 270);
    EXPECT_EQ(rods.m_current.stiffness, 1);
    EXPECT_FLOAT_EQ(rods.GetFlexFactor(), 0.9f);
    EXPECT_EQ(rods.m_current.colour, 14);
    EXPECT_EQ(rods.GetColourRow(), 0) << "the scene has colour rows 0..10 only";
    EXPECT_TRUE(rods.HasReel());

    const struct {
        int type, def, min, max;
    } lengths[] = {{0, 500, 300, 900}, {1, 500, 400, 700}, {2, 270, 210, 300}, {3, 270, 210, 300}, {9, 500, 300, 900}};
    for (const auto& l : lengths) {
        EXPECT_EQ(CCanna::GetDefaultLength(l.type), l.def);
        EXPECT_EQ(CCanna::GetMinLength(l.type), l.min);
        EXPECT_EQ(CCanna::GetMaxLength(l.type), l.max);
    }
    rods.SetLength(150.0f);
    EXPECT_FLOAT_EQ(rods.GetLength(), 210.0f);
    rods.SetLength(1000.0f);
    EXPECT_FLOAT_EQ(rods.GetLength(), 900.0f);
}

TEST_F(TackleTest, ReelCapacityRatioAndDrag)
{
    CMulinello reel;
    reel.Load(nullptr);
    const struct {
        int diameter, capacity;
    } capacities[] = {{6, 29980}, {90, 11500}, {18, 27340}};
    for (const auto& c : capacities) {
        reel.ComputeCapacity(c.diameter);
        EXPECT_EQ(reel.GetCapacity(), c.capacity) << c.diameter;
    }

    Program("Mulinelli", "a.kvm", "[MULINELLO]\nNOME=A\nRAPPORTO_RECUPERO=20\nCAPACITA_MAX=150\nCAPACITA_MIN=200\n");
    Program("Mulinelli", "b.kvm", "[MULINELLO]\nNOME=B\nRAPPORTO_RECUPERO=95\nCAPACITA_MAX=99999999999\nCAPACITA_MIN=2147483647\n");
    reel.Load(nullptr);
    reel.SelectById(nullptr, "a.kvm");
    EXPECT_FLOAT_EQ(reel.m_current.ratio, 3.0f);
    EXPECT_EQ(reel.m_current.capacityMin, reel.m_current.capacityMax);
    reel.ComputeCapacity(6);
    const int thin = reel.GetCapacity();
    reel.ComputeCapacity(90);
    EXPECT_EQ(reel.GetCapacity(), thin) << "a spool without range holds the same for every line";
    reel.SelectById(nullptr, "b.kvm");
    EXPECT_FLOAT_EQ(reel.m_current.ratio, 8.0f);
    EXPECT_EQ(reel.m_current.capacityMax, 35000) << "huge metres clamp instead of overflowing";
    EXPECT_EQ(reel.m_current.capacityMin, 35000);

    reel.m_drag = 11.7f;
    reel.ChangeDrag(0.43333334f);
    EXPECT_FLOAT_EQ(reel.m_drag, kDragLocked);
    reel.ChangeDrag(-0.43333334f);
    EXPECT_NEAR(reel.m_drag, 11.566667f, 1e-5f);
    reel.m_drag = 1.2f;
    reel.ChangeDrag(-0.43333334f);
    EXPECT_FLOAT_EQ(reel.m_drag, 1.0f);
    EXPECT_EQ(reel.m_gaugeCountdown, 600);
    reel.SelectFirst(nullptr);
    EXPECT_FLOAT_EQ(reel.m_drag, 6.5f);
}

TEST_F(TackleTest, BaitsLuresAndLineBands)
{
    Program("Esche", "light.kve", "[ESCA]\nNOME=Light\nTIPO=13\nPESO=100\nMAX_PROF=200\n");
    Program("Esche", "heavy.kve", "[ESCA]\nNOME=Heavy\nTIPO=13\nPESO=30000\nMAX_PROF=99999\n");
    Program("Esche", "worm.kve", "[ESCA]\nNOME=Worm\nTIPO=7\nPESO=900\n");
    CEsca baits;
    baits.Load(nullptr);
    ASSERT_EQ(baits.GetCount(), 4);
    baits.Select(nullptr, 2, baits.FindById("light.kve"));
    EXPECT_EQ(baits.GetSlot(2).weight, 200);
    EXPECT_STREQ(baits.GetIdealLineText(2), "0.00 - 0.16");
    EXPECT_TRUE(baits.IsLineSuitable(2, 16));
    EXPECT_FALSE(baits.IsLineSuitable(2, 17));
    baits.Select(nullptr, 1, baits.FindById("heavy.kve"));
    EXPECT_EQ(baits.GetSlot(1).weight, 20000);
    EXPECT_EQ(baits.GetSlot(1).maxDepth, 10000);
    EXPECT_STREQ(baits.GetIdealLineText(1), "highest 0.40");
    EXPECT_TRUE(baits.IsLineSuitable(1, 41));
    EXPECT_FALSE(baits.IsLineSuitable(1, 40));
    baits.Select(nullptr, 0, baits.FindById("worm.kve"));
    EXPECT_EQ(baits.GetSlot(0).weight, 0);
    EXPECT_EQ(baits.GetLureDepth(0), 0.0f);

    const struct {
        int weight, low, high;
    } bands[] = {{0, 0, 16}, {250, 0, 16}, {251, 16, 22}, {1000, 22, 25}, {2500, 30, 35}, {5000, 35, 40}, {5001, 40, 40}};
    for (const auto& b : bands) {
        int lo = -1, hi = -1;
        ASSERT_TRUE(CEsca::GetIdealLineRange(b.weight, lo, hi));
        EXPECT_EQ(lo, b.low) << b.weight;
        EXPECT_EQ(hi, b.high) << b.weight;
    }
    int lo = 0, hi = 0;
    EXPECT_FALSE(CEsca::GetIdealLineRange(-1, lo, hi));

    // Each selection draws a new working-depth offset within -15..14.
    plat::SeedRandom(7);
    const int index = baits.FindById("light.kve");
    for (int i = 0; i < 20; ++i) {
        baits.Select(nullptr, 2, index);
        const float d = baits.GetLureDepth(2);
        EXPECT_GE(d, 200.0f - 15.0f);
        EXPECT_LE(d, 200.0f + 14.0f);
    }
    EXPECT_STREQ(CEsca::GetBaitTypeName(5), "Bread");
    EXPECT_STREQ(CEsca::GetVenueTypeName(7), "Anywhere");
}

TEST_F(TackleTest, BaitsFromSettingsKeepThePlayersBaits)
{
    Program("Esche", "corn.kve", "[ESCA]\nNOME=Corn\nTIPO=6\n");
    Program("Esche", "worm.kve", "[ESCA]\nNOME=Worm\nTIPO=7\n");
    CEsca baits;
    baits.Load(nullptr);
    CopyString(g_Opzioni.baitLeader, "worm.kve", 644);
    CopyString(g_Opzioni.baitDropper1, "gone.kve", 644);
    CopyString(g_Opzioni.baitDropper2, "corn.kve", 644);
    baits.Select(nullptr, 1, baits.FindById("corn.kve"));
    baits.SelectFromSettings(nullptr, nullptr);
    EXPECT_STREQ(baits.GetSlot(2).id, "worm.kve");
    EXPECT_STREQ(baits.GetSlot(0).id, "corn.kve");
    EXPECT_STREQ(baits.GetSlot(1).id, "corn.kve") << "an unknown bait without a list keeps the hook's bait";
    EXPECT_TRUE(Noted("gone.kve"));

    // With the baits list, an unknown id takes its selected row.
    CListBox list;
    list.AddItem(0, "INTERNAL_0", "Maggot", "");
    list.AddItem(1, "worm.kve", "Worm", "");
    list.SelectByKey("worm.kve", false);
    baits.SelectByName(nullptr, &list, "gone.kve", 1);
    EXPECT_STREQ(baits.GetSlot(1).id, "worm.kve");
    // A known id goes on the hook even when the list lacks its row.
    baits.SelectByName(nullptr, &list, "corn.kve", 1);
    EXPECT_STREQ(baits.GetSlot(1).id, "corn.kve");
    baits.SelectByName(nullptr, &list, "", 1);
    EXPECT_STREQ(baits.GetSlot(1).id, "corn.kve");

    // A file name with blanks the settings trim: the bait is known by the
    // name they give back, so it is on the hook again after a restart.
    Program("Esche", "  spaced.kve", "[ESCA]\nNOME=Spaced\nTIPO=6\n");
    CEsca again;
    again.Load(nullptr);
    again.Select(nullptr, 2, again.FindById("spaced.kve"));
    ASSERT_STREQ(again.GetSlot(2).name, "Spaced");
    CopyString(g_Opzioni.baitLeader, again.GetSlot(2).id, 644);
    ASSERT_TRUE(g_Opzioni.SaveBaits());
    g_Opzioni.Load();
    again.Select(nullptr, 2, 0);
    again.SelectFromSettings(nullptr, nullptr);
    EXPECT_STREQ(again.GetSlot(2).name, "Spaced");
}

TEST_F(TackleTest, FloatFilesAndTheDefaultFloat)
{
    Program("Galleggianti", "light.kvg", "[GALLEGGIANTE]\nNOME=Light\nPESO=5\nTIPO=3\nCORRENTE=7\n");
    Program("Galleggianti", "heavy.kvg", "[GALLEGGIANTE]\nNOME=Heavy\nPESO=1000\nFILENAMESPRITE=NOME_FILE_SPRITE_NULL\n");
    CGalleggiante floats;
    floats.Load(nullptr);
    floats.SelectById(nullptr, "light.kvg");
    EXPECT_EQ(floats.m_current.weight, 20);
    EXPECT_EQ(floats.m_current.mount, 1);
    EXPECT_EQ(floats.GetCurrentRating(), -1);
    EXPECT_STREQ(floats.GetSuitabilityText(), "generic");
    EXPECT_STREQ(CGalleggiante::GetSuitabilityText(2, 1), "ideal for rough sea");
    floats.SelectById(nullptr, "heavy.kvg");
    EXPECT_EQ(floats.m_current.weight, 800);
    EXPECT_EQ(floats.GetScenePictureBitmap(), kBitmapFloatScene);

    // An unknown id mounts "Big New", not "No float", which would make the
    // rig a bottom rig.
    floats.SelectById(nullptr, "gone.kvg");
    EXPECT_STREQ(floats.m_current.id, "INTERNAL_0");
    EXPECT_TRUE(floats.HasFloat());
    floats.SelectById(nullptr, kNoFloatId);
    EXPECT_FALSE(floats.HasFloat());
    EXPECT_EQ(floats.GetDepthSetting(), 0);
    EXPECT_EQ(floats.GetScenePictureBitmap(), kBitmapNoFloatScene);
    floats.SelectById(nullptr, "INTERNAL_1");
    EXPECT_EQ(floats.GetScenePictureBitmap(), kBitmapFloatSceneLong);

    // The stopper of a sliding float.
    floats.SelectById(nullptr, "light.kvg");
    floats.m_position = 100;
    floats.m_stopper = 40;
    floats.ClampStopper(true, 500.0f);
    EXPECT_EQ(floats.m_stopper, 60);
    floats.m_stopper = 12345;
    floats.ClampStopper(true, 500.0f);
    EXPECT_EQ(floats.m_stopper, 10000);
    floats.m_stopper = 12345;
    floats.ClampStopper(false, 455.0f);
    EXPECT_EQ(floats.m_stopper, 450);
    EXPECT_EQ(floats.GetDepthSetting(), 450);
}

// A float file without a scene picture used to end the game; now the
// built-in picture of its kind stands in and the log says so.
TEST_F(TackleTest, FloatWithoutScenePictureTakesTheBuiltIn)
{
    Program("Galleggianti", "nokey.kvg", "[GALLEGGIANTE]\nNOME=No key\nPESO=100\n");
    Program("Galleggianti", "gone.kvg", "[GALLEGGIANTE]\nNOME=Gone\nPESO=100\nFILENAMESPRITE=float.png\n");
    CGalleggiante floats;
    floats.Load(nullptr);
    for (const char* id : {"nokey.kvg", "gone.kvg"}) {
        ClearTackleFallbacks();
        floats.SelectById(nullptr, id);
        EXPECT_STREQ(floats.m_current.id, id);
        EXPECT_EQ(floats.GetScenePictureBitmap(), kBitmapFloatScene) << id;
        EXPECT_TRUE(Noted(std::string("float ") + id + ": scene picture")) << id;
    }
    EXPECT_NE(folders.Read("appdata/Karvelin/norva_error.log").find("gone.kvg: scene picture float.png missing"),
              std::string::npos);
}

TEST_F(TackleTest, ShotFiles)
{
    Program("Piombi", "sinker.kvp", "[PIOMBINO]\nNOME=Sinker\nPESO=99999\nTIPO=1\nATTACCO=1\nFORMA=1\n");
    Program("Piombi", "odd.kvp", "[PIOMBINO]\nNOME=Odd\nPESO=1\n");
    CPiombo shots;
    shots.Init(nullptr);
    ASSERT_EQ(shots.GetCount(), 4);
    const PiomboRecord& odd = shots.m_records[2];
    EXPECT_EQ(odd.weight, 10);
    EXPECT_EQ(odd.kind, -1);
    const PiomboRecord& sinker = shots.m_records[3];
    EXPECT_EQ(sinker.weight, 12000);
    EXPECT_EQ(sinker.attachment, 0) << "only a shot of kind 0 reads its attachment";
    // A record without a kind never occupies a slot.
    shots.AddShotById("odd.kvp", 50, 0, true);
    EXPECT_FALSE(shots.IsOccupied(0));
    EXPECT_EQ(shots.GetTotalWeight(), 0);
}

// Whatever a catalogue file holds, it gives a record with defaults and
// clamps, and nothing crashes.
TEST_F(TackleTest, HostileCatalogueFiles)
{
    const std::string longText(2000, 'x');
    std::string garbage;
    for (int i = 0; i < 600; ++i)
        garbage += char((i * 37 + 11) & 0xFF);
    const std::string png = "\x89PNG\r\n\x1a\n" + std::string(40, '\0') + "IEND";
    const struct {
        const char* name;
        std::string body;
        int size; // the hook's size as read
    } cases[] = {
        {"garbage.kva", garbage, 18},
        {"nosection.kva", "NOME=Loose\nMISURA=4\n", 18},
        {"long.kva", "[AMO]\nNOME=" + longText + "\nDESCRIPTION=" + longText + "\nFILENAMEFOTO=" + longText + "\n", 18},
        {"huge.kva", "[AMO]\nMISURA=99999999999\nCOLORE=-99999999999\n", 24},
        {"mixed.kva", "[AMO]\nMISURA=12abc\nESCA=abc\n", 12},
        {"picture.kva", png, 18},
        // A value of NUL bytes is a missing value: the generic name, the
        // default size.
        {"nul.kva", std::string("[AMO]\r\nNOME=\0\0x\r\nMISURA=\0\x31\x32\r\n", 29), 18},
    };
    for (const auto& c : cases)
        folders.Write(std::string("program/Ami/") + c.name, c.body);
    std::filesystem::create_directories(folders.Program() + "/Ami/folder.kva");
    // One name on both sides: both are read, the program side first.
    Program("Ami", "same.kva", "[AMO]\nNOME=Program\nMISURA=8\n");
    Data("Ami", "same.kva", "[AMO]\nNOME=Data\nMISURA=10\n");

    CAmo hooks;
    hooks.Init(nullptr);
    ASSERT_EQ(hooks.GetCount(), 2 + int(std::size(cases)) + 2) << "the folder is no hook file";
    for (const auto& c : cases) {
        int found = -1;
        for (int i = 0; i < hooks.GetCount(); ++i)
            if (std::string(hooks.GetRecord(i).id) == c.name)
                found = i;
        ASSERT_GE(found, 0) << c.name;
        const AmoRecord& r = hooks.GetRecord(found);
        EXPECT_EQ(r.size, c.size) << c.name;
        EXPECT_LE(std::strlen(r.name), 128u);
        EXPECT_LE(std::strlen(r.description), 512u);
        EXPECT_LE(std::strlen(r.photo), 128u);
        hooks.Select(nullptr, found);
        EXPECT_GE(hooks.GetMarkerColumn(), 0);
        EXPECT_LE(hooks.GetMarkerColumn(), 5);
    }
    auto byId = [&](const char* id) -> const AmoRecord& {
        for (int i = 0; i < hooks.GetCount(); ++i)
            if (std::string(hooks.GetRecord(i).id) == id)
                return hooks.GetRecord(i);
        return hooks.GetRecord(0);
    };
    EXPECT_STREQ(byId("long.kva").name, std::string(128, 'x').c_str());
    EXPECT_STREQ(byId("nul.kva").name, "Generic hook");
    EXPECT_TRUE(Noted("AMO nul.kva: NOME missing"));
    EXPECT_EQ(byId("huge.kva").colour, INT32_MIN) << "unclamped keys are taken as read, cut to 32 bits";
    int program = -1, data = -1;
    for (int i = 0; i < hooks.GetCount(); ++i) {
        if (std::string(hooks.GetRecord(i).id) == "same.kva")
            (program < 0 ? program : data) = i;
    }
    ASSERT_GE(data, 0);
    EXPECT_STREQ(hooks.GetRecord(program).name, "Program");
    EXPECT_STREQ(hooks.GetRecord(data).name, "Data");
    EXPECT_TRUE(Noted("AMO garbage.kva: NOME missing"));
}

// The other kinds share the reader: the same hostile bytes give clamped
// records there too.
TEST_F(TackleTest, HostileFilesForEveryKind)
{
    const std::string body = "[X]\nNOME=\nPESO=99999999999\nTIPO=-99999999999\nCAPACITA_MAX=2147483647\n";
    for (const char* where : {"Canne/a.kvn", "Mulinelli/a.kvm", "Esche/a.kve", "Galleggianti/a.kvg", "Piombi/a.kvp"})
        folders.Write(std::string("program/") + where, body);
    CCanna rods;
    rods.Init(nullptr, 400);
    EXPECT_EQ(rods.GetRecord(11).type, 0);
    EXPECT_STREQ(rods.GetRecord(11).name, "Generic rod");
    CMulinello reels;
    reels.Load(nullptr);
    EXPECT_EQ(reels.GetRecord(1).capacityMax, 30000);
    CEsca baits;
    baits.Load(nullptr);
    EXPECT_EQ(baits.m_records[1].weight, 0);
    CGalleggiante floats;
    floats.Load(nullptr);
    EXPECT_EQ(floats.GetRecord(3).weight, 20);
    CPiombo shots;
    shots.Init(nullptr);
    EXPECT_EQ(shots.m_records[2].weight, 10);
}

} // namespace
