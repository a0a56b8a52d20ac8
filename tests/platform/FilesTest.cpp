#include "platform/Files.h"
#include "platform/Locale.h"
#include "tests/support/TempFolders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

TEST(Files, EnumerationIsSortedCaseInsensitiveAndRegularFilesOnly)
{
    testing_support::TempFolders tmp;
    for (const char* name : {"b.kvl", "A.KVL", "c.Kvl", "d.kvs", "noext", "z.kvl.bak"})
        tmp.Write(std::string("f/") + name, "x");
    tmp.Write("f/folder.kvl/inside", "x"); // a folder whose name ends in the extension
    auto names = plat::ListFiles(tmp.Root() + "/f", "kvl");
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], "A.KVL");
    EXPECT_EQ(names[1], "b.kvl");
    EXPECT_EQ(names[2], "c.Kvl");
    EXPECT_TRUE(plat::ListFiles(tmp.Root() + "/missing", "kvl").empty());
}

TEST(Files, ResolvePathFindsNamesInAnyCaseAndBackslashes)
{
    testing_support::TempFolders tmp;
    tmp.Write("Luoghi/Photos/Lake.JPG", "x");
    EXPECT_EQ(plat::ResolvePath(tmp.Root() + "\\luoghi\\photos\\lake.jpg"), tmp.Root() + "/Luoghi/Photos/Lake.JPG");
    EXPECT_TRUE(plat::PathExists(tmp.Root() + "/LUOGHI/photos/LAKE.jpg"));
    EXPECT_FALSE(plat::PathExists(tmp.Root() + "/Luoghi/none.jpg"));
    EXPECT_TRUE(plat::PathExists(tmp.Root() + "/Luoghi")); // a folder exists too
}

TEST(Files, DeleteNeverRemovesFoldersAndCopyReplaces)
{
    testing_support::TempFolders tmp;
    tmp.Write("dir/file", "old");
    tmp.Write("src", "new");
    EXPECT_FALSE(plat::DeleteFile(tmp.Root() + "/dir"));
    EXPECT_TRUE(plat::IsFolder(tmp.Root() + "/dir"));
    EXPECT_TRUE(plat::CopyFile(tmp.Root() + "/src", tmp.Root() + "/dir/file"));
    EXPECT_EQ(tmp.Read("dir/file"), "new");
    EXPECT_TRUE(plat::DeleteFile(tmp.Root() + "/dir/file"));
    EXPECT_FALSE(plat::DeleteFile(tmp.Root() + "/dir/file"));
}

TEST(Files, DataRootIsNeverEmpty)
{
    // The real rule, not the test seam; HOME points into the temporary folder
    // so nothing is created in the real one.
    struct SavedEnv {
        const char* name;
        bool set;
        std::string value;
    } saved[] = {{"XDG_DATA_HOME", false, ""}, {"HOME", false, ""}};
    for (auto& s : saved)
        if (const char* v = std::getenv(s.name))
            s.set = true, s.value = v;
    testing_support::TempFolders tmp;
    plat::SetDataRootForTests("");
    setenv("HOME", (tmp.Root() + "/home").c_str(), 1);

    const struct {
        const char* xdg; // null: unset
        std::string expected;
    } cases[] = {
        {"/xdg", tmp.Root() + "/xdg"},
        {"relative/path", tmp.Root() + "/home/.local/share"}, // not absolute: ignored
        {"", tmp.Root() + "/home/.local/share"},
        {nullptr, tmp.Root() + "/home/.local/share"},
    };
    for (const auto& c : cases) {
        if (c.xdg)
            setenv("XDG_DATA_HOME", c.xdg[0] == '/' ? (tmp.Root() + c.xdg).c_str() : c.xdg, 1);
        else
            unsetenv("XDG_DATA_HOME");
        EXPECT_EQ(plat::DataRoot(), c.expected) << (c.xdg ? c.xdg : "unset");
        EXPECT_TRUE(plat::IsFolder(c.expected)); // created with its parents
    }
    for (const auto& s : saved)
        s.set ? setenv(s.name, s.value.c_str(), 1) : unsetenv(s.name);
}

TEST(Locale, LanguageFromLocaleNames)
{
    EXPECT_EQ(plat::LanguageIdFromLocale("it_IT.UTF-8"), plat::kLangItalian);
    EXPECT_EQ(plat::LanguageIdFromLocale("it"), plat::kLangItalian);
    EXPECT_EQ(plat::LanguageIdFromLocale("it_CH.UTF-8"), plat::kLangItalianSwiss);
    EXPECT_EQ(plat::LanguageIdFromLocale("en_GB.UTF-8"), plat::kLangEnglish);
    EXPECT_EQ(plat::LanguageIdFromLocale("C"), plat::kLangEnglish);
    EXPECT_EQ(plat::LanguageIdFromLocale("italic"), plat::kLangEnglish);
}

TEST(Locale, Windows1252RoundTrip)
{
    EXPECT_EQ(plat::Cp1252ToUtf8("Profondit\xE0 30\xB0 \x80"), "Profondit\xC3\xA0 30\xC2\xB0 \xE2\x82\xAC");
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(plat::Utf8ToCp1252(plat::Cp1252ToUtf8(all)), all);
    const struct {
        const char* utf8;
        const char* cp1252;
    } odd[] = {
        {"\xE4\xB8\xAD", "?"},      // no Windows-1252 form
        {"\xC3" "A", "?A"},          // cut sequence: the next letter survives
        {"\xC0\x80x", "??x"},        // overlong NUL stays out of the text
        {"\xE2\x82", "??"},          // cut at the end
    };
    for (const auto& c : odd)
        EXPECT_EQ(plat::Utf8ToCp1252(c.utf8), c.cp1252) << c.cp1252;
}

} // namespace

namespace {

// A name read from a data file is joined to its folder only when it stays
// inside it; every other name gives the empty path, which nothing opens,
// and one refusal line.
std::vector<std::string> g_refused;

TEST(Files, NamesThatLeaveTheirFolderAreRefused)
{
    testing_support::TempFolders tmp;
    tmp.Write("secret", "x");
    tmp.Write("in/sub/photo.png", "x");
    plat::SetPathRefusalHook([](const std::string& line) { g_refused.push_back(line); });
    const std::string folder = tmp.Root() + "/in";
    for (const char* name : {"../secret", "..\\secret", "sub/../../secret", "sub\\..\\..\\secret", "/etc/passwd",
                             "\\etc\\passwd", "C:\\Windows\\win.ini", "c:secret", "..", "sub/.."}) {
        g_refused.clear();
        EXPECT_EQ(plat::JoinPath(folder, name), "") << name;
        EXPECT_EQ(g_refused.size(), 1u) << name;
        EXPECT_FALSE(plat::PathExists(plat::JoinPath(folder, name))) << name;
    }
    g_refused.clear();
    for (const char* name : {"photo.png", "sub/photo.png", "sub\\photo.png", "a..b.png", "...", ".hidden"})
        EXPECT_EQ(plat::JoinPath(folder, name), folder + "/" + name) << name;
    EXPECT_TRUE(g_refused.empty());
    EXPECT_TRUE(plat::PathExists(plat::JoinPath(folder, "SUB\\PHOTO.PNG")));
    plat::SetPathRefusalHook(nullptr);
}

// Names looked up case-insensitively use one listing per folder, and the
// game's own writes and deletions are seen at once.
TEST(Files, CaseInsensitiveLookUpsFollowTheGamesOwnChanges)
{
    testing_support::TempFolders tmp;
    tmp.Write("f/a.txt", "x");
    const std::string f = tmp.Root() + "/f";
    EXPECT_FALSE(plat::PathExists(f + "/B.TXT"));
    ASSERT_TRUE(plat::WriteFileAtomic(f + "/b.txt", "y"));
    EXPECT_EQ(plat::ResolvePath(f + "/B.TXT"), f + "/b.txt");
    ASSERT_TRUE(plat::DeleteFile(f + "/B.TXT"));
    EXPECT_FALSE(plat::PathExists(f + "/B.TXT"));
    ASSERT_TRUE(plat::AppendToFile(f + "/c.txt", "z"));
    EXPECT_TRUE(plat::PathExists(f + "/C.TXT"));
}

} // namespace
