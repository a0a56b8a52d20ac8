// The shipped groundbait files: one head section and species sections keyed
// as the venues' presence files are, every flag 1, both languages, and
// together they serve both waters without one groundbait drawing everything.
#include "platform/Files.h"
#include "tests/data/DataFiles.h"
#include "world/Luogo.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using data_test::DataDir;
using data_test::DataFile;
using data_test::ParseInt;
using data_test::ReadDataFile;

TEST(GroundbaitFilesTest, EveryFileHoldsKnownKeysInRangeInBothLanguages)
{
    const std::string folder = DataDir() + "/Pasture";
    const std::vector<std::string> names = plat::ListFiles(folder, "kvt");
    EXPECT_GE(names.size(), 5u);
    std::set<int> fresh, sea;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const DataFile f = ReadDataFile(folder, name);
        EXPECT_TRUE(f.problems.empty()) << f.problems.front();
        ASSERT_FALSE(f.sections.empty());
        EXPECT_EQ(f.sections.front(), "PASTURA");
        const auto& head = f.keys.at("PASTURA");
        for (const char* key : {"NOME", "NAME", "DESCRIZIONE", "DESCRIPTION", "SECONDI"})
            EXPECT_TRUE(head.count(key) && !head.at(key).empty()) << key;
        EXPECT_EQ(head.size(), 5u) << "only the keys the game reads";
        int seconds = -1;
        ASSERT_TRUE(ParseInt(head.at("SECONDI"), seconds));
        EXPECT_GE(seconds, 60);
        EXPECT_LE(seconds, 3600);
        int flags = 0;
        for (std::size_t s = 1; s < f.sections.size(); ++s) {
            const int section = f.sections[s] == "PESCI_MARE" ? 1 : 0;
            ASSERT_EQ(f.sections[s], PresenceSectionName(section));
            int count = 0;
            const PresenceKey* table = PresenceKeys(section, count);
            for (const auto& [key, value] : f.keys.at(f.sections[s])) {
                int species = -1;
                for (int k = 0; k < count; ++k)
                    if (key == table[k].key)
                        species = table[k].species;
                EXPECT_GE(species, 0) << "key " << key << " is not a species of " << f.sections[s];
                EXPECT_EQ(value, "1") << key;
                (section ? sea : fresh).insert(species);
                ++flags;
            }
        }
        EXPECT_GE(flags, 4);
        EXPECT_LE(flags, 12) << "a groundbait for every fish is no choice";
    }
    EXPECT_GE(fresh.size(), 15u);
    EXPECT_GE(sea.size(), 15u);
}

} // namespace
