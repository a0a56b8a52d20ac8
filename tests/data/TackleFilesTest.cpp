// The shipped tackle files read as plain INI text: each kind in its folder
// with its extension and section, only the keys the game reads, values in
// their ranges, both languages, photos beside them at the size the tackle
// box shows, and every species catered for by some bait and hook.
#include "platform/Font.h"
#include "platform/Image.h"
#include "tests/data/DataFiles.h"
#include "tests/shell/GfxFixture.h"
#include "world/Pesci.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using data_test::DataDir;
using data_test::DataFile;
using data_test::ParseInt;
using data_test::ReadDataFile;

struct IntKey {
    const char* key;
    int lo, hi;
};

struct Kind {
    const char* folder;
    const char* ext;
    const char* section;
    int photoW, photoH;
    std::vector<IntKey> ints; // every one present, except the conditional ones below
    bool scenePicture;
};

const std::vector<Kind>& Kinds()
{
    static const std::vector<Kind> kinds = {
        {"Ami", "kva", "AMO", 100, 100,
         {{"FILO", 0, 1}, {"GAMBO", 0, 2}, {"CURVA", 0, 2}, {"PUNTA", 0, 2}, {"ARDIGLIONE", 0, 1}, {"COLORE", 0, 5}, {"MISURA", -7, 24}, {"ESCA", -1, 13}},
         false},
        {"Canne", "kvn", "CANNA", 75, 350, {{"COLORE", 0, 10}, {"RIGIDITA", 1, 3}, {"TIPO", 0, 3}}, false},
        {"Esche", "kve", "ESCA", 100, 100,
         {{"TIPO", 0, 13}, {"COLORE_AMO", -1, 5}, {"CURVA_AMO", -1, 2}, {"TIPO_LUOGO", 0, 2}, {"PESO", 200, 20000}, {"MAX_PROF", 0, 10000}},
         false},
        {"Galleggianti", "kvg", "GALLEGGIANTE", 50, 350, {{"CORRENTE", -1, 3}, {"PESO", 20, 800}, {"TIPO", 0, 1}}, true},
        {"Mulinelli", "kvm", "MULINELLO", 100, 100, {{"RAPPORTO_RECUPERO", 30, 80}, {"CAPACITA_MAX", 100, 350}, {"CAPACITA_MIN", 100, 350}}, false},
        {"Piombi", "kvp", "PIOMBINO", 100, 100, {{"PESO", 10, 12000}, {"TIPO", 0, 1}, {"ATTACCO", 0, 1}, {"FORMA", 0, 1}}, false},
    };
    return kinds;
}

std::string Folder(const Kind& k) { return DataDir() + "/" + k.folder; }

// Keys that only some items carry: a lure's weight, a shot's attachment.
bool KeyApplies(const Kind& k, const DataFile& f, const std::string& key)
{
    const auto& v = f.keys.at(k.section);
    if (std::string(k.section) == "ESCA" && key == "PESO")
        return v.count("TIPO") && v.at("TIPO") == "13";
    if (std::string(k.section) == "PIOMBINO" && key == "ATTACCO")
        return v.count("TIPO") && v.at("TIPO") == "0";
    return true;
}

int Int(const DataFile& f, const char* section, const char* key)
{
    int v = -99999;
    auto s = f.keys.find(section);
    if (s != f.keys.end() && s->second.count(key))
        ParseInt(s->second.at(key), v);
    return v;
}

std::string Text(const DataFile& f, const char* section, const char* key)
{
    auto s = f.keys.find(section);
    return s != f.keys.end() && s->second.count(key) ? s->second.at(key) : std::string();
}

std::vector<DataFile> Files(const Kind& k)
{
    std::vector<DataFile> out;
    for (const std::string& name : plat::ListFiles(Folder(k), k.ext))
        out.push_back(ReadDataFile(Folder(k), name));
    return out;
}

TEST(TackleFilesTest, EveryFileIsOneSectionOfItsKindWithItsKeysInRange)
{
    const std::vector<std::string> texts = {"NOME", "NAME", "DESCRIZIONE", "DESCRIPTION", "FILENAMEFOTO"};
    for (const Kind& k : Kinds()) {
        std::vector<DataFile> files = Files(k);
        EXPECT_GE(files.size(), 4u) << k.folder;
        for (const DataFile& f : files) {
            SCOPED_TRACE(std::string(k.folder) + "/" + f.name);
            EXPECT_TRUE(f.problems.empty()) << f.problems.front();
            ASSERT_EQ(std::vector<std::string>{k.section}, f.sections);
            const auto& v = f.keys.at(k.section);
            std::set<std::string> allowed(texts.begin(), texts.end());
            if (k.scenePicture)
                allowed.insert("FILENAMESPRITE");
            for (const IntKey& ik : k.ints)
                allowed.insert(ik.key);
            for (const auto& [key, value] : v)
                EXPECT_TRUE(allowed.count(key)) << "key " << key << " is not read by the game";
            for (const std::string& t : texts)
                EXPECT_FALSE(Text(f, k.section, t.c_str()).empty()) << t;
            for (const IntKey& ik : k.ints) {
                const bool applies = KeyApplies(k, f, ik.key);
                ASSERT_EQ(applies, v.count(ik.key) == 1) << ik.key;
                if (!applies)
                    continue;
                int n = 0;
                ASSERT_TRUE(ParseInt(v.at(ik.key), n)) << ik.key << "=" << v.at(ik.key);
                EXPECT_GE(n, ik.lo) << ik.key;
                EXPECT_LE(n, ik.hi) << ik.key;
            }
        }
    }
    // Cross-key rules: a reel's spool holds more thin line than thick.
    for (const DataFile& f : Files(Kinds()[4]))
        EXPECT_LE(Int(f, "MULINELLO", "CAPACITA_MIN"), Int(f, "MULINELLO", "CAPACITA_MAX")) << f.name;
}

TEST(TackleFilesTest, TheCatalogueOffersWhatEveryTechniqueNeeds)
{
    // Rods: two of each reel type; a reel per type; hooks from 24 to 8/0.
    std::map<int, int> rodTypes;
    for (const DataFile& f : Files(Kinds()[1]))
        ++rodTypes[Int(f, "CANNA", "TIPO")];
    for (int t : {1, 2, 3})
        EXPECT_GE(rodTypes[t], 2) << "rod type " << t;
    EXPECT_GE(Files(Kinds()[4]).size(), 3u);
    std::set<int> sizes, lureSizes;
    for (const DataFile& f : Files(Kinds()[0]))
        (Int(f, "AMO", "ESCA") == 13 ? lureSizes : sizes).insert(Int(f, "AMO", "MISURA"));
    for (int s : {24, 22, 20, 18, 16, 14, 12, 10, 8, 6, 4, 2, 1, 0, -1, -2, -3, -4, -5, -6, -7})
        EXPECT_TRUE(sizes.count(s)) << "hook " << s;
    EXPECT_GE(lureSizes.size(), 5u);
    // Baits: every kind inland, the sea kinds marked for the sea, lures on
    // both sides up to a deep jig.
    std::set<int> inland, sea;
    int heaviestSeaLure = 0, deepestLure = 0, inlandLures = 0;
    for (const DataFile& f : Files(Kinds()[2])) {
        const int kind = Int(f, "ESCA", "TIPO"), where = Int(f, "ESCA", "TIPO_LUOGO");
        (where == 2 ? sea : inland).insert(kind);
        if (kind == 13 && where == 2)
            heaviestSeaLure = std::max(heaviestSeaLure, Int(f, "ESCA", "PESO"));
        if (kind == 13 && where != 2)
            ++inlandLures;
        if (kind == 13)
            deepestLure = std::max(deepestLure, Int(f, "ESCA", "MAX_PROF"));
    }
    for (int kind = 0; kind <= 13; ++kind)
        EXPECT_TRUE(inland.count(kind)) << "inland bait kind " << kind;
    for (int kind : {0, 5, 6, 7, 8, 9, 10, 11, 12, 13})
        EXPECT_TRUE(sea.count(kind)) << "sea bait kind " << kind;
    EXPECT_GE(inlandLures, 4);
    EXPECT_GE(heaviestSeaLure, 10000);
    EXPECT_GE(deepestLure, 5000);
    // Floats: a fixed float for each current, sea floats, sliding floats.
    std::set<int> fixedCurrents;
    int sliding = 0;
    for (const DataFile& f : Files(Kinds()[3])) {
        if (Int(f, "GALLEGGIANTE", "TIPO") == 1)
            ++sliding;
        else
            fixedCurrents.insert(Int(f, "GALLEGGIANTE", "CORRENTE"));
    }
    EXPECT_EQ((std::set<int>{0, 1, 2, 3}), fixedCurrents);
    EXPECT_GE(sliding, 2);
    // Lead: shots, torpilles and sliding sinkers up to 120 g.
    int shots = 0, torpilles = 0, heaviestSinker = 0;
    for (const DataFile& f : Files(Kinds()[5])) {
        if (Int(f, "PIOMBINO", "TIPO") == 1)
            ++torpilles;
        else if (Int(f, "PIOMBINO", "ATTACCO") == 1)
            heaviestSinker = std::max(heaviestSinker, Int(f, "PIOMBINO", "PESO"));
        else
            ++shots;
    }
    EXPECT_GE(shots, 5);
    EXPECT_GE(torpilles, 3);
    EXPECT_EQ(12000, heaviestSinker);
}

bool Decodes(const std::string& path, int w, int h)
{
    plat::Image img;
    return plat::LoadImageFile(path, img) && img.width == w && img.height == h;
}

bool SamePixels(const std::string& a, const std::string& b)
{
    plat::Image x, y;
    return plat::LoadImageFile(a, x) && plat::LoadImageFile(b, y) && x.width == y.width && x.height == y.height && x.pixels == y.pixels;
}

TEST(TackleFilesTest, PhotosLieBesideTheirFilesAtTheirSizeAndAreTheGeneratorsOwn)
{
    for (const Kind& k : Kinds()) {
        std::set<std::string> referenced;
        for (const DataFile& f : Files(k)) {
            SCOPED_TRACE(std::string(k.folder) + "/" + f.name);
            const std::string photo = Text(f, k.section, "FILENAMEFOTO");
            referenced.insert(photo);
            EXPECT_TRUE(Decodes(Folder(k) + "/" + photo, k.photoW, k.photoH)) << photo;
            if (k.scenePicture) {
                const std::string scene = Text(f, k.section, "FILENAMESPRITE");
                referenced.insert(scene);
                EXPECT_TRUE(Decodes(Folder(k) + "/" + scene, 15, 45)) << scene;
            }
        }
        // No stray pictures, and each one is exactly what tools/gen_tackle paints.
        std::set<std::string> onDisk;
        for (const std::string& png : plat::ListFiles(Folder(k), "png"))
            onDisk.insert(png);
        EXPECT_EQ(referenced, onDisk) << k.folder;
        std::set<std::string> generated;
        for (const std::string& png : plat::ListFiles(data_test::GeneratedDataDir() + "/" + k.folder, "png"))
            generated.insert(png);
        EXPECT_EQ(generated, onDisk) << k.folder << ": run gen_tackle <dir> --data data";
        for (const std::string& png : onDisk)
            EXPECT_TRUE(SamePixels(Folder(k) + "/" + png, data_test::GeneratedDataDir() + "/" + k.folder + "/" + png))
                << k.folder << "/" << png << " differs from the generator's; run gen_tackle <dir> --data data";
    }
}

class TackleTextsTest : public gfx_test::GfxTest {};

// Accented letters are single Windows-1252 bytes: no UTF-8 sequences.
bool SingleByteText(const std::string& s)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x20)
            return false;
        if (c >= 0xC2 && c <= 0xF4 && i + 1 < s.size() && (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80)
            return false;
    }
    return true;
}

TEST_F(TackleTextsTest, NamesFitTheListsInBothLanguagesAndTextsAreSingleByte)
{
    // The catalogue lists are 180 pixels wide; the selected row is bold.
    int st = 0;
    auto bold = dev->CreateFont("Arial", 15, 0, 700, &st);
    ASSERT_TRUE(bold) << plat::StatusName(st);
    std::vector<std::string> all = {"Lenze"};
    for (const Kind& k : Kinds())
        for (const DataFile& f : Files(k)) {
            SCOPED_TRACE(std::string(k.folder) + "/" + f.name);
            for (const char* key : {"NOME", "NAME"}) {
                const std::string name = Text(f, k.section, key);
                EXPECT_LE(name.size(), 40u);
                EXPECT_LE(bold->MeasureWidth(name.c_str()), 160) << key << " " << name;
            }
            for (const char* key : {"NOME", "NAME", "DESCRIZIONE", "DESCRIPTION"}) {
                EXPECT_TRUE(SingleByteText(Text(f, k.section, key))) << key;
                EXPECT_LE(Text(f, k.section, key).size(), 511u) << key;
            }
            EXPECT_NE(Text(f, k.section, "DESCRIZIONE"), Text(f, k.section, "DESCRIPTION")) << "both languages";
        }
}

// The hook size rule of the bite: small fish refuse big hooks.
bool HookFitsLength(int lengthCm, int hook)
{
    if ((lengthCm < 41 && hook < 6) || (lengthCm < 21 && hook < 14) || (lengthCm < 8 && hook < 19))
        return false;
    return lengthCm >= 5 || hook > 22;
}

TEST_F(TackleTextsTest, EverySpeciesFindsABaitOfItsFamiliesAndAHookOfItsSizeInItsWaters)
{
    CPesci pesci;
    pesci.Load(dev.get());
    const std::vector<DataFile> baits = Files(Kinds()[2]), hooks = Files(Kinds()[0]);
    for (unsigned i = 0; i < CPesci::kCount; ++i) {
        const PesceRecord r = pesci.GetRecord(i);
        for (bool sea : {false, true}) {
            if (sea ? !pesci.LivesInSea(i) : !pesci.LivesInFreshWater(i))
                continue;
            SCOPED_TRACE(std::string(r.name) + (sea ? " at sea" : " inland"));
            bool found = false;
            for (const DataFile& b : baits) {
                const int kind = Int(b, "ESCA", "TIPO");
                // A sea bait is refused off the sea and every other bait at sea.
                if ((Int(b, "ESCA", "TIPO_LUOGO") == 2) != sea || std::find(r.baitFamilies, r.baitFamilies + 14, kind) == r.baitFamilies + 14)
                    continue;
                for (const DataFile& h : hooks) {
                    const int size = Int(h, "AMO", "MISURA");
                    // Lures go on lure hooks, natural baits on the others.
                    if ((Int(h, "AMO", "ESCA") == 13) != (kind == 13))
                        continue;
                    found = found || (size >= r.minHook && size <= r.maxHook && HookFitsLength(r.maxSize, size));
                }
            }
            EXPECT_TRUE(found);
        }
    }
}

} // namespace
