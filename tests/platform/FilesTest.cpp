#include "platform/Files.h"
#include "platform/Locale.h"
#include "tests/support/TempFolders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
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

namespace {

// A player's data folder may hold links to files elsewhere and FIFOs under
// the names the game reads and writes: no write follows a link out, no
// open waits on a FIFO, and no failed save leaves its temporary file.
TEST(Files, PlantedLinksAndFifosAreNeitherFollowedNorOpened)
{
    namespace fs = std::filesystem;
    testing_support::TempFolders tmp;
    const std::string d = tmp.Root() + "/data/";
    for (const char* name : {"log", "tmp", "target"})
        tmp.Write(std::string("outside/") + name, std::string("kept ") + name);
    tmp.Write("data/settings.ini", "old");
    fs::create_symlink(tmp.Root() + "/outside/log", d + "error.log");
    fs::create_symlink(tmp.Root() + "/outside/tmp", d + "settings.ini.tmp" + std::to_string(getpid()));
    fs::create_symlink(tmp.Root() + "/outside/target", d + "linked.ini");
    ASSERT_EQ(::mkfifo((d + "pipe.kvf").c_str(), 0600), 0);

    EXPECT_FALSE(plat::AppendToFile(d + "error.log", "line\n"));
    EXPECT_FALSE(plat::AppendToFile(d + "pipe.kvf", "line\n"));
    EXPECT_TRUE(plat::AppendToFile(d + "new.log", "a\n") && plat::AppendToFile(d + "new.log", "b\n"));
    EXPECT_EQ(tmp.Read("data/new.log"), "a\nb\n");

    EXPECT_TRUE(plat::WriteFileAtomic(d + "settings.ini", "new"));
    EXPECT_EQ(tmp.Read("data/settings.ini"), "new");
    // A save over a link replaces the link, not what it points to.
    EXPECT_TRUE(plat::WriteFileAtomic(d + "linked.ini", "new"));
    EXPECT_FALSE(fs::is_symlink(d + "linked.ini"));
    // A failed save (a folder in the way) leaves nothing behind.
    fs::create_directories(d + "folder.ini");
    EXPECT_FALSE(plat::WriteFileAtomic(d + "folder.ini", "new"));
    for (const char* name : {"log", "tmp", "target"})
        EXPECT_EQ(tmp.Read(std::string("outside/") + name), std::string("kept ") + name) << name;
    int temporaries = 0;
    for (const auto& e : fs::directory_iterator(d))
        temporaries += e.path().filename().string().find(".tmp") != std::string::npos;
    EXPECT_EQ(temporaries, 1) << "only the planted link";

    std::string bytes = "stale";
    EXPECT_EQ(plat::OpenForReading(d + "pipe.kvf"), nullptr);
    EXPECT_FALSE(plat::ReadWholeFile(d + "pipe.kvf", bytes));
    EXPECT_FALSE(plat::ReadFileHead(d + "pipe.kvf", 10, bytes));
    EXPECT_TRUE(bytes.empty());
    // Reading a link to a regular file is allowed; a head is cut to its size.
    EXPECT_TRUE(plat::ReadFileHead(d + "error.log", 4, bytes));
    EXPECT_EQ(bytes, "kept");
    EXPECT_TRUE(plat::ReadFileHead(d + "error.log", 100, bytes));
    EXPECT_EQ(bytes, "kept log");
    EXPECT_FALSE(plat::ReadFileUpTo(d + "error.log", 7, bytes));
    EXPECT_TRUE(plat::ReadFileUpTo(d + "error.log", 8, bytes));
}

} // namespace
