// Every tackle file the game ships under data/ loads with no fallback, and
// every shipped configuration loads without a substitute, saves back byte
// for byte and is balanced. With nothing shipped these pass trivially.
#include "platform/Device.h"
#include "platform/Files.h"
#include "shell/Graphics.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Esca.h"
#include "simulation/tackle/Pastura.h"
#include "tests/simulation/tackle/ShippedTackleFixture.h"
#include "world/Pesci.h"

#include <algorithm>
#include <memory>

namespace {

class ShippedDataTest : public tackle_test::ShippedTackleTest {
protected:
    void SetUp() override
    {
        ShippedTackleTest::SetUp();
        if (HasFatalFailure())
            return;
        ClearTackleFallbacks();
    }
    void ExpectNoFallback(const char* what)
    {
        // The built-in pictures themselves are the manifest's business.
        for (const std::string& line : TackleFallbacks())
            if (line.find("is not among the game's pictures") == std::string::npos)
                ADD_FAILURE() << what << ": " << line;
        ClearTackleFallbacks();
    }
    // A photo named by a file shows that file, not the built-in picture.
    template <class Photo>
    void ExpectOwnPhoto(const Photo& photo, const TackleHead& r)
    {
        if (r.photo[0] && std::string(r.photo) != kNoPhotoName) {
            EXPECT_EQ(photo.m_fromResource, 0) << r.folder << "/" << r.photo;
        }
    }
};

TEST_F(ShippedDataTest, EveryCatalogueFileLoadsWithoutFallback)
{
    for (bool italian : {true, false}) {
        g_Opzioni.italian = italian;
        CAmo hooks;
        hooks.Init(dev.get());
        for (int i = 2; i < hooks.GetCount(); ++i) {
            hooks.Select(dev.get(), i);
            ExpectOwnPhoto(hooks.m_photo, hooks.m_current);
        }
        ExpectNoFallback("hooks");

        CCanna rods;
        rods.Init(dev.get(), 400);
        for (int i = 11; i < rods.GetCount(); ++i) {
            rods.Select(dev.get(), i);
            ExpectOwnPhoto(rods.m_photo, rods.m_current);
        }
        ExpectNoFallback("rods");

        CMulinello reels;
        reels.Load(dev.get());
        for (int i = 1; i < reels.GetCount(); ++i) {
            reels.Select(dev.get(), i);
            ExpectOwnPhoto(reels.m_photo, reels.m_current);
        }
        ExpectNoFallback("reels");

        CGalleggiante floats;
        floats.Load(dev.get());
        for (int i = 3; i < floats.GetCount(); ++i) {
            floats.Select(dev.get(), i);
            ExpectOwnPhoto(floats.m_photo, floats.m_current);
        }
        ExpectNoFallback("floats");

        CEsca baits;
        baits.Load(dev.get());
        for (int i = 1; i < baits.GetCount(); ++i) {
            baits.Select(dev.get(), 2, i);
            ExpectOwnPhoto(baits.m_photo, baits.GetSlot(2));
        }
        ExpectNoFallback("baits");

        CPiombo shots;
        shots.Init(dev.get());
        for (int i = 2; i < shots.GetCount(); ++i) {
            shots.SelectShotInfo(dev.get(), shots.m_records[std::size_t(i)]);
            ExpectOwnPhoto(shots.m_photo, shots.m_records[std::size_t(i)]);
        }
        ExpectNoFallback("shots");
    }
}

TEST_F(ShippedDataTest, EveryGroundbaitLoadsInBothLanguagesWithoutFallback)
{
    for (bool italian : {true, false}) {
        g_Opzioni.italian = italian;
        CPastura groundbait;
        groundbait.Load(dev.get());
        EXPECT_GE(groundbait.GetCount(), 6);
        for (int i = 1; i < groundbait.GetCount(); ++i) {
            const PasturaRecord& r = groundbait.GetRecord(i);
            int flags = 0;
            for (int f : r.attracts)
                flags += f;
            EXPECT_GT(flags, 0) << r.id;
            EXPECT_GT(r.duration, 0) << r.id;
        }
        ExpectNoFallback(italian ? "groundbait (it)" : "groundbait (en)");
    }
}

TEST_F(ShippedDataTest, EveryConfigurationLoadsSavesBackAndIsBalanced)
{
    g_GestFile.CopyLineFiles();
    g_Opzioni.SetTackleSource(TackleSettingsSource);
    g_CannaPesca.Init(dev.get(), 400);
    ClearTackleFallbacks();
    const std::string lenze = g_GestFile.GetDataSubfolder(CGestFile::D_LENZE);
    for (const std::string& file : plat::ListFiles(lenze, "kvz")) {
        SCOPED_TRACE(file);
        const std::string name = file.substr(0, file.size() - 4);
        std::string original;
        ASSERT_TRUE(plat::ReadWholeFile(plat::JoinPath(lenze, file), original));
        std::string stored, description;
        ASSERT_TRUE(g_CannaPesca.LoadConfiguration(name.c_str(), &stored, &description));
        ExpectNoFallback(file.c_str());
        EXPECT_EQ(stored, name) << "the name inside is the file's name";
        EXPECT_TRUE(g_CannaPesca.m_piombo.m_balanced);
        ASSERT_TRUE(g_CannaPesca.SaveConfiguration(name.c_str(), description.c_str()));
        std::string saved;
        ASSERT_TRUE(plat::ReadWholeFile(plat::JoinPath(lenze, file), saved));
        EXPECT_EQ(saved, original);
    }
}

// Once baits and hooks ship, every species can be fished: a bait of one of
// its families for one of its waters, and a hook in its size range.
TEST_F(ShippedDataTest, EverySpeciesHasABaitAndAHook)
{
    CEsca baits;
    baits.Load(nullptr);
    CAmo hooks;
    hooks.Init(nullptr);
    if (baits.GetCount() <= 1 || hooks.GetCount() <= 2)
        GTEST_SKIP() << "no baits or hooks shipped yet";
    CPesci species;
    species.Load(dev.get());
    for (unsigned s = 0; s < unsigned(CPesci::kCount); ++s) {
        const PesceRecord r = species.GetRecord(s);
        bool bait = false;
        for (const EscaRecord& b : baits.m_records) {
            const bool family = std::find(std::begin(r.baitFamilies), std::end(r.baitFamilies), b.kind) !=
                                std::end(r.baitFamilies);
            const bool anywhere = b.venueKind < 0 || b.venueKind > 2;
            const bool waters = anywhere || std::find(std::begin(r.venueTypes), std::end(r.venueTypes), b.venueKind) !=
                                                std::end(r.venueTypes);
            bait = bait || (family && waters);
        }
        const int low = std::min(r.minHook, r.maxHook), high = std::max(r.minHook, r.maxHook);
        bool hook = false;
        for (int i = 0; i < hooks.GetCount(); ++i)
            hook = hook || (hooks.GetRecord(i).size >= low && hooks.GetRecord(i).size <= high);
        EXPECT_TRUE(bait) << r.name;
        EXPECT_TRUE(hook) << r.name << " " << low << ".." << high;
    }
}

} // namespace
