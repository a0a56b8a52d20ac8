#include "shell/GestFile.h"
#include "shell/Utility.h"
#include "platform/Files.h"
#include "tests/support/TempFolders.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class GestFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(files.Init()); }
    std::string Ini(const std::string& body)
    {
        tmp.Write("s.ini", body);
        return tmp.Root() + "/s.ini";
    }
    testing_support::TempFolders tmp;
    CGestFile files;
};

TEST_F(GestFileTest, FolderLayout)
{
    EXPECT_EQ(std::string(files.GetProgramFolder()), tmp.Program());
    EXPECT_EQ(std::string(files.GetUserFolder()), tmp.Data());
    EXPECT_EQ(std::string(files.GetDataSubfolder(CGestFile::D_CATTURE)), tmp.Data() + "/Catture");
    EXPECT_EQ(std::string(files.GetProgramSubfolder(CGestFile::P_MULINELLI)), tmp.Program() + "/Mulinelli");
    for (int i = 0; i < CGestFile::D_COUNT; ++i)
        EXPECT_TRUE(plat::IsFolder(files.GetDataSubfolder(CGestFile::DataFolder(i))));
    // Program subfolders are never created.
    EXPECT_FALSE(plat::PathExists(files.GetProgramSubfolder(CGestFile::P_AMI)));
    EXPECT_TRUE(files.FileExistsIn(files.GetUserFolder(), "Luoghi")); // a folder counts as existing
}

TEST_F(GestFileTest, FirstRunCopyReplacesConfigurations)
{
    tmp.Write("program/Lenze/Pole.kvz", "new");
    tmp.Write("program/Lenze/notes.txt", "x");
    tmp.Write("appdata/Karvelin/Lenze/Pole.kvz", "old");
    files.CopyLineFiles();
    EXPECT_EQ(tmp.Read("appdata/Karvelin/Lenze/Pole.kvz"), "new");
    EXPECT_FALSE(plat::PathExists(tmp.Data() + "/Lenze/notes.txt"));
}

TEST_F(GestFileTest, EnumerationAndDeletion)
{
    tmp.Write("appdata/Karvelin/Luoghi/b.kvl", "");
    tmp.Write("appdata/Karvelin/Luoghi/A.kvl", "");
    const char* folder = files.GetDataSubfolder(CGestFile::D_LUOGHI);
    EXPECT_EQ(files.FindNext(), nullptr); // nothing open yet
    EXPECT_STREQ(files.FindFirst(folder, "kvl"), "A.kvl");
    EXPECT_STREQ(files.FindNext(), "b.kvl");
    EXPECT_EQ(files.FindNext(), nullptr);
    EXPECT_EQ(files.FindNext(), nullptr); // after the end as well
    EXPECT_TRUE(files.FileExistsWithExt(folder, "b", "kvl"));
    EXPECT_TRUE(files.delFile(folder, "b", "kvl"));
    EXPECT_FALSE(files.delFile(folder, "b", "kvl"));
    EXPECT_STREQ(files.StripExtension("a.b.kvl"), "a.b");
    EXPECT_STREQ(files.StripExtension("plain"), "plain");
}

TEST_F(GestFileTest, CallersKeepTheirHelperResultsAcrossFileCalls)
{
    std::string path = Ini("[S]\nN=5\n");
    const char* bare = files.StripExtension("Arno.kvl");
    const char* joined = Concat3("a", "b", "c");
    const char* number = IntToText(77);
    EXPECT_EQ(files.ReadInt("S", "N", 0, path.c_str()), 5);
    files.FileExistsWithExt(tmp.Root().c_str(), "s", "ini");
    files.WriteInt("S", "M", 12, path.c_str());
    EXPECT_STREQ(bare, "Arno");
    EXPECT_STREQ(joined, "abc");
    EXPECT_STREQ(number, "77");
}

TEST_F(GestFileTest, ReadIntRules)
{
    std::string path = Ini("[S]\nERR=ERROR\nEMPTY=\nNUM=42x\nWORD=abc\nNEG=-3\nLOWER=error\n");
    const struct {
        const char* key;
        int expected;
    } cases[] = {{"ERR", 7}, {"EMPTY", 7}, {"MISSING", 7}, {"NUM", 42}, {"WORD", 0}, {"NEG", -3}, {"LOWER", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(files.ReadInt("S", c.key, 7, path.c_str()), c.expected) << c.key;
    EXPECT_EQ(files.ReadInt("S", "NUM", 7, (tmp.Root() + "/none.ini").c_str()), 7);
}

TEST_F(GestFileTest, ReadStringCutsValuesAndDefaultsToTheBuffer)
{
    std::string path = Ini("[S]\nLONG=abcdefghij\nEMPTY=\n");
    char buf[8];
    std::memset(buf, 'x', sizeof buf);
    EXPECT_TRUE(files.ReadString("S", "LONG", "", buf, 6, path.c_str()));
    EXPECT_STREQ(buf, "abcde");
    EXPECT_EQ(buf[6], 'x'); // nothing written past the buffer size
    EXPECT_FALSE(files.ReadString("S", "EMPTY", "default-too-long", buf, 6, path.c_str()));
    EXPECT_STREQ(buf, "defau");
    EXPECT_EQ(buf[6], 'x');
}

TEST_F(GestFileTest, WritesGoThroughTheIniRules)
{
    std::string path = tmp.Root() + "/w.ini";
    EXPECT_TRUE(files.WriteInt("S", "A", -5, path.c_str()));
    EXPECT_TRUE(files.WriteString("S", "B", "text", path.c_str()));
    EXPECT_EQ(files.ReadInt("s", "a", 0, path.c_str()), -5);
    EXPECT_EQ(tmp.Read("w.ini"), "[S]\r\nA=-5\r\nB=text\r\n");
    EXPECT_FALSE(files.WriteInt("S", "A", 1, (tmp.Root() + "/no/such/folder/x.ini").c_str()));
}

} // namespace
