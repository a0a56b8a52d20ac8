// The ready rigs under data/Lenze: laid out exactly as the game saves a
// rig (so loading and saving one leaves it byte for byte), naming tackle
// that exists, and rigged the way the fishing rules reward.
#include "tests/data/DataFiles.h"
#include "tests/shell/GfxFixture.h"
#include "world/Pesci.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

using data_test::DataDir;
using data_test::DataFile;
using data_test::ParseInt;
using data_test::ReadDataFile;

int Num(const DataFile& f, const std::string& section, const std::string& key)
{
    int v = -99999;
    auto s = f.keys.find(section);
    if (s == f.keys.end() || !s->second.count(key) || !ParseInt(s->second.at(key), v))
        ADD_FAILURE() << f.name << ": [" << section << "] " << key << " is not a number";
    return v;
}

std::string Str(const DataFile& f, const std::string& section, const std::string& key)
{
    auto s = f.keys.find(section);
    return s != f.keys.end() && s->second.count(key) ? s->second.at(key) : std::string("<missing>");
}

// A catalogue item's integer key, looked up by its id: a built-in or a file.
struct Item {
    bool exists = false;
    std::map<std::string, int> ints;
};

Item Lookup(const std::string& folder, const std::string& section, const std::string& id,
            const std::map<std::string, std::map<std::string, int>>& builtIns)
{
    Item item;
    if (auto b = builtIns.find(id); b != builtIns.end()) {
        item.exists = true;
        item.ints = b->second;
        return item;
    }
    if (id.find('/') != std::string::npos || !plat::IsRegularFile(DataDir() + "/" + folder + "/" + id))
        return item;
    DataFile f = ReadDataFile(DataDir() + "/" + folder, id);
    item.exists = true;
    for (const auto& [key, value] : f.keys[section]) {
        int n = 0;
        if (ParseInt(value, n))
            item.ints[key] = n;
    }
    return item;
}

// The built-in items the rigs may name, with the numbers the rules below read.
const std::map<std::string, std::map<std::string, int>> kRods = [] {
    std::map<std::string, std::map<std::string, int>> m;
    const int stiffness[11] = {1, 2, 2, 2, 2, 3, 1, 3, 3, 2, 2};
    for (int i = 0; i <= 10; ++i)
        m["INTERNAL_" + std::to_string(i)] = {{"TIPO", 0}, {"RIGIDITA", stiffness[i]}};
    return m;
}();
const std::map<std::string, std::map<std::string, int>> kReels = {{"INTERNAL_0", {{"CAPACITA_MIN", 115}, {"CAPACITA_MAX", 300}}}};
const std::map<std::string, std::map<std::string, int>> kFloats = {
    {"INTERNAL_V", {{"PESO", 0}, {"TIPO", 0}}}, {"INTERNAL_0", {{"PESO", 100}, {"TIPO", 0}}}, {"INTERNAL_1", {{"PESO", 220}, {"TIPO", 0}}}};
const std::map<std::string, std::map<std::string, int>> kHooks = {{"INTERNAL_0", {{"MISURA", 18}, {"ESCA", -1}}},
                                                                   {"INTERNAL_1", {{"MISURA", 6}, {"ESCA", 13}}}};
const std::map<std::string, std::map<std::string, int>> kShots = {{"INTERNAL_0", {{"PESO", 25}, {"TIPO", 0}, {"ATTACCO", 0}}},
                                                                   {"INTERNAL_1", {{"PESO", 100}, {"TIPO", 1}, {"ATTACCO", 0}}}};

std::vector<DataFile> Rigs()
{
    std::vector<DataFile> out;
    for (const std::string& name : plat::ListFiles(DataDir() + "/Lenze", "kvz"))
        out.push_back(ReadDataFile(DataDir() + "/Lenze", name));
    return out;
}

TEST(ConfigurationsTest, EachTechniqueHasARigLaidOutAsTheGameSavesIt)
{
    const std::vector<DataFile> rigs = Rigs();
    ASSERT_GE(rigs.size(), 6u);
    const std::vector<std::string> order = {"CONFIGURAZIONE", "ACCESSORI", "CANNA", "MULINELLO", "GALLEGGIANTE", "LENZA",
                                            "AMO", "BRACCIOLO_0", "AMO_BRACCIOLO_0", "BRACCIOLO_1", "AMO_BRACCIOLO_1", "PIOMBATURA"};
    const std::vector<std::string> terminal = {"LUNGHEZZA_FINALE", "FILO_FINALE", "TIPO_FILO_FINALE", "GIRELLA", "POSIZIONE_BRACCIOLO", "INUSO"};
    std::map<int, int> rodTypes;
    int withFloat = 0, sliding = 0, atSeaSpinning = 0;
    for (const DataFile& f : rigs) {
        SCOPED_TRACE(f.name);
        EXPECT_TRUE(f.problems.empty()) << f.problems.front();
        EXPECT_EQ(order, f.sections);
        // The file name is the rig's own name, which the tackle box lists.
        EXPECT_EQ(f.name, Str(f, "CONFIGURAZIONE", "NOME") + ".kvz");
        EXPECT_LE(Str(f, "CONFIGURAZIONE", "DESCRIZIONE").size(), 511u);
        std::map<std::string, std::size_t> counts;
        for (const auto& [section, keys] : f.keys)
            counts[section] = keys.size();
        EXPECT_EQ(2u, counts["CONFIGURAZIONE"]);
        EXPECT_EQ(1u, counts["ACCESSORI"]);
        EXPECT_EQ(4u, counts["CANNA"]);
        EXPECT_EQ(0u, f.keys.at("CANNA").count("MODELLO")) << "the model number is never saved";
        EXPECT_EQ(1u, counts["MULINELLO"]);
        EXPECT_EQ(3u, counts["GALLEGGIANTE"]);
        EXPECT_EQ(10u, counts["LENZA"]);
        EXPECT_EQ(60u, counts["PIOMBATURA"]);
        for (const char* s : {"LENZA", "BRACCIOLO_0", "BRACCIOLO_1"})
            for (const std::string& k : terminal)
                EXPECT_EQ(1u, f.keys.at(s).count(k)) << s << " " << k;
        ++rodTypes[Num(f, "CANNA", "TIPO")];
        if (Str(f, "GALLEGGIANTE", "FILE") != "INTERNAL_V")
            ++withFloat;
        sliding += Lookup("Galleggianti", "GALLEGGIANTE", Str(f, "GALLEGGIANTE", "FILE"), kFloats).ints["TIPO"] == 1;
        atSeaSpinning += Num(f, "CANNA", "TIPO") == 3 && Num(f, "LENZA", "FILO") >= 30;
    }
    EXPECT_GE(rodTypes[0], 1);
    EXPECT_GE(rodTypes[1], 2);
    EXPECT_GE(rodTypes[2], 1);
    EXPECT_GE(rodTypes[3], 2);
    EXPECT_GE(withFloat, 3);
    EXPECT_GE(sliding, 1);
    EXPECT_GE(atSeaSpinning, 1);
}

TEST(ConfigurationsTest, EveryRigNamesTackleThatExistsAndIsRiggedSoundly)
{
    for (const DataFile& f : Rigs()) {
        SCOPED_TRACE(f.name);
        const Item rod = Lookup("Canne", "CANNA", Str(f, "CANNA", "FILE"), kRods);
        const Item reel = Lookup("Mulinelli", "MULINELLO", Str(f, "MULINELLO", "FILE"), kReels);
        const Item flt = Lookup("Galleggianti", "GALLEGGIANTE", Str(f, "GALLEGGIANTE", "FILE"), kFloats);
        ASSERT_TRUE(rod.exists && reel.exists && flt.exists);
        // The stored stiffness and type are the rod's own.
        const int type = Num(f, "CANNA", "TIPO");
        EXPECT_EQ(rod.ints.at("TIPO"), type);
        EXPECT_EQ(rod.ints.at("RIGIDITA"), Num(f, "CANNA", "RIGIDITA"));
        const int rodLen = Num(f, "CANNA", "LUNGHEZZA");
        const int lo = type == 0 ? 300 : type == 1 ? 400 : 210, hi = type == 0 ? 900 : type == 1 ? 700 : 300;
        EXPECT_GE(rodLen, lo);
        EXPECT_LE(rodLen, hi);

        // Lines: diameters the line table has, no steel main line, and the
        // terminals in use no stronger than the main line so a break costs a
        // hook; only a lure rig may have a thicker shock leader.
        const int line = Num(f, "LENZA", "LUNGHEZZA"), mainD = Num(f, "LENZA", "FILO");
        EXPECT_GE(mainD, 6);
        EXPECT_LE(mainD, 90);
        EXPECT_GE(Num(f, "LENZA", "TIPO_FILO"), 0);
        EXPECT_LE(Num(f, "LENZA", "TIPO_FILO"), 2);
        EXPECT_GE(Num(f, "LENZA", "COLORE"), 0);
        EXPECT_LE(Num(f, "LENZA", "COLORE"), 12);
        const int usable = line - line / 3; // how far terminals may reach up the line
        const int leader = Num(f, "LENZA", "LUNGHEZZA_FINALE");
        EXPECT_GE(leader, 10);
        EXPECT_LE(leader, usable);
        EXPECT_EQ(0, Num(f, "LENZA", "POSIZIONE_BRACCIOLO"));
        EXPECT_EQ(1, Num(f, "LENZA", "INUSO"));
        for (const char* t : {"LENZA", "BRACCIOLO_0", "BRACCIOLO_1"}) {
            const int d = Num(f, t, "FILO_FINALE"), kind = Num(f, t, "TIPO_FILO_FINALE");
            EXPECT_GE(d, 6);
            if (Num(f, t, "INUSO") == 1 && type != 3) {
                EXPECT_LE(d, mainD) << t;
            }
            EXPECT_GE(kind, 0);
            EXPECT_LE(kind, 3);
            EXPECT_TRUE(Num(f, t, "GIRELLA") == 0 || Num(f, t, "GIRELLA") == 1);
        }
        for (int i = 0; i < 2; ++i) {
            const std::string s = "BRACCIOLO_" + std::to_string(i);
            EXPECT_TRUE(Num(f, s, "INUSO") == 0 || Num(f, s, "INUSO") == 1);
            if (Num(f, s, "INUSO") == 1) {
                EXPECT_GE(Num(f, s, "LUNGHEZZA_FINALE"), 10);
                EXPECT_LE(Num(f, s, "POSIZIONE_BRACCIOLO") + Num(f, s, "LUNGHEZZA_FINALE"), usable);
            }
        }
        // Hooks exist; a spinning rig without a float carries a lure hook,
        // every other rig a hook for natural baits.
        const Item hook = Lookup("Ami", "AMO", Str(f, "AMO", "FILE"), kHooks);
        ASSERT_TRUE(hook.exists);
        EXPECT_TRUE(Lookup("Ami", "AMO", Str(f, "AMO_BRACCIOLO_0", "FILE"), kHooks).exists);
        EXPECT_TRUE(Lookup("Ami", "AMO", Str(f, "AMO_BRACCIOLO_1", "FILE"), kHooks).exists);
        const bool hasFloat = Str(f, "GALLEGGIANTE", "FILE") != "INTERNAL_V";
        EXPECT_EQ(type == 3 && !hasFloat, hook.ints.at("ESCA") == 13);

        // Length of line out: a pole within 50 cm of its length; a reel rod
        // at least 180 cm, short enough to cast at once, and on the spool.
        if (type == 0) {
            EXPECT_GE(line, rodLen - 50);
            EXPECT_LE(line, rodLen + 50);
        } else {
            EXPECT_GE(line, 180);
            EXPECT_LT(line, rodLen);
            EXPECT_LE(line, reel.ints.at("CAPACITA_MIN") * 100);
        }

        // Shots: occupied slots first, positions along the line, the link
        // of a sliding sinker shorter than its height above the hook.
        int total = 0, highest = -1;
        bool empty = false;
        for (int i = 0; i < 20; ++i) {
            const std::string n = std::to_string(i), id = Str(f, "PIOMBATURA", "PIOMBO_" + n);
            const int pos = Num(f, "PIOMBATURA", "POSIZIONE_" + n), dist = Num(f, "PIOMBATURA", "DIST_GIRELLA_" + n);
            if (id.empty()) {
                empty = true;
                EXPECT_EQ(-1, pos);
                EXPECT_EQ(0, dist);
                continue;
            }
            EXPECT_FALSE(empty) << "slot " << i << " after an empty one";
            const Item shot = Lookup("Piombi", "PIOMBINO", id, kShots);
            ASSERT_TRUE(shot.exists) << id;
            const bool slidingShot = shot.ints.at("TIPO") == 0 && shot.ints.at("ATTACCO") == 1;
            if (slidingShot) {
                EXPECT_GE(dist, 0);
                EXPECT_LE(dist, pos - 5);
            } else {
                EXPECT_EQ(-1, dist);
                EXPECT_GE(pos, 4);
            }
            EXPECT_LE(pos, line - 5);
            total += shot.ints.at("PESO");
            highest = std::max(highest, pos);
        }

        // Float: its depth inside the line, the lead under it, and carrying
        // 70 % to 130 % of its rating so it stands with its tip showing.
        const int depth = Num(f, "GALLEGGIANTE", "POSIZIONE"), stopper = Num(f, "GALLEGGIANTE", "STOPPER");
        EXPECT_GE(stopper, 0);
        EXPECT_LE(stopper, 10000);
        if (!hasFloat) {
            EXPECT_EQ(std::max(30, leader), depth) << "without a float the depth is the leader's length";
            continue;
        }
        EXPECT_GE(depth, 30);
        EXPECT_LE(depth, line - 100);
        EXPECT_LT(leader, depth);
        EXPECT_LT(highest, depth);
        const int rating = flt.ints.at("PESO");
        EXPECT_GE(total * 100, rating * 70);
        EXPECT_LE(total * 100, rating * 130);
        if (flt.ints.at("TIPO") == 1) {
            // A sliding float rests on the highest shot and stops at the stopper.
            EXPECT_EQ(highest + 10, depth);
            EXPECT_GE(stopper, depth + 10);
            EXPECT_EQ(0, stopper % 10);
        }
    }
}

class RigSpeciesTest : public gfx_test::GfxTest {};

// A fish refuses a rig whose main line or hook link is thicker than 1.6
// times the thickest link it tolerates, and comes off a hook outside its
// size range: every rig must suit a good number of species, and a spinning
// rig species that take lures.
TEST_F(RigSpeciesTest, EveryRigSuitsManySpecies)
{
    CPesci pesci;
    pesci.Load(dev.get());
    for (const DataFile& f : Rigs()) {
        SCOPED_TRACE(f.name);
        const Item hook = Lookup("Ami", "AMO", Str(f, "AMO", "FILE"), kHooks);
        ASSERT_TRUE(hook.exists);
        const int size = hook.ints.at("MISURA");
        const int thickest = std::max(Num(f, "LENZA", "FILO"), Num(f, "LENZA", "FILO_FINALE"));
        const bool spinning = hook.ints.at("ESCA") == 13;
        int suited = 0;
        for (unsigned i = 0; i < CPesci::kCount; ++i) {
            const PesceRecord r = pesci.GetRecord(i);
            if (int(float(r.maxLineHook) * 1.6f) >= thickest && size >= r.minHook && size <= r.maxHook &&
                (!spinning || pesci.TakesSpinningLure(i)))
                ++suited;
        }
        EXPECT_GE(suited, 10);
    }
}

} // namespace
