#include "platform/Ini.h"
#include "platform/Files.h"
#include "tests/support/TempFolders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

struct ReadCase {
    const char* text;
    const char* section;
    const char* key;
    bool found;
    const char* value;
};

TEST(Ini, ReadRules)
{
    const ReadCase cases[] = {
        {"[A]\r\nKEY=1\r\n", "A", "KEY", true, "1"},
        {"[a]\nkey=1\n", "A", "KEY", true, "1"},                         // names ignore case
        {"  [ A ]  \n  KEY  =  spaced value  \n", "A", "KEY", true, "spaced value"}, // trimmed
        {"[A]\nKEY=\n", "A", "KEY", true, ""},                           // present but empty
        {"[A]\nKEY=1\nKEY=2\n", "A", "KEY", true, "1"},                  // first key wins
        {"[A]\nKEY=1\n[A]\nKEY=2\nOTHER=3\n", "A", "OTHER", false, ""},   // only the first section
        {"[A]\nKEY\n", "A", "KEY", false, ""},                           // no "=" never matches
        {"[B]\nKEY=1\n", "A", "KEY", false, ""},
        {"KEY=1\n[A]\n", "A", "KEY", false, ""},                         // keys before any section
        {"[A]\nK=a=b\n", "A", "K", true, "a=b"},                         // split at the first "="
        {"[A]\nKEY=\xE8\xE0\n", "A", "KEY", true, "\xE8\xE0"},           // bytes pass through
        {"[A]\nKEY=last", "A", "KEY", true, "last"},                     // no final line break
        {"", "A", "KEY", false, ""},
    };
    for (const ReadCase& c : cases) {
        std::string value = "junk";
        EXPECT_EQ(plat::IniReadText(c.text, c.section, c.key, value), c.found) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(Ini, WritesAreByteExact)
{
    // New file: CR LF.
    EXPECT_EQ(plat::IniWriteText("", "S", "K", "v"), "[S]\r\nK=v\r\n");
    // Replace in place, keeping everything else, including the key's neighbours.
    EXPECT_EQ(plat::IniWriteText("; c\r\n[S]\r\nA=1\r\nK = old \r\nB=2\r\n", "s", "k", "new"),
              "; c\r\n[S]\r\nA=1\r\nk=new\r\nB=2\r\n");
    // Append to a middle section after its last line, before the blank line.
    EXPECT_EQ(plat::IniWriteText("[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n", "A", "Z", "3"),
              "[A]\r\nX=1\r\nZ=3\r\n\r\n[B]\r\nY=2\r\n");
    // New section at the end; a missing final line break is added first.
    EXPECT_EQ(plat::IniWriteText("[A]\nX=1", "B", "Y", "2"), "[A]\nX=1\n[B]\nY=2\n");
    // LF files stay LF.
    EXPECT_EQ(plat::IniWriteText("[A]\nX=1\n", "A", "Y", "2"), "[A]\nX=1\nY=2\n");
    // A value cannot break the file apart.
    EXPECT_EQ(plat::IniWriteText("", "S", "K", "a\r\nb"), "[S]\r\nK=a  b\r\n");
}

TEST(Ini, FileRoundTripAndMissingFile)
{
    testing_support::TempFolders tmp;
    std::string path = tmp.Root() + "/x.ini";
    std::string v;
    EXPECT_FALSE(plat::IniRead(path, "S", "K", v));
    EXPECT_TRUE(plat::IniWrite(path, "S", "K", "1"));
    EXPECT_TRUE(plat::IniWrite(path, "S", "L", "2"));
    EXPECT_TRUE(plat::IniWrite(path, "T", "K", "3"));
    EXPECT_EQ(tmp.Read("x.ini"), "[S]\r\nK=1\r\nL=2\r\n[T]\r\nK=3\r\n");
    EXPECT_TRUE(plat::IniRead(path, "t", "k", v));
    EXPECT_EQ(v, "3");
    // Written through a temporary file: nothing else is left in the folder
    // (the test's own program and data folders aside).
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(tmp.Root()))
        if (entry.is_regular_file())
            left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"x.ini"});
}

// Whatever the file looks like, a write of a clean key and value reads back,
// leaves every other key as it was, and writing it again changes nothing.
TEST(Ini, WriteThenReadProperties)
{
    struct Case {
        std::string text, section, key;
    };
    const Case cases[] = {
        {"[S]\nA=1\r", "S", "K"},           // last line ends in a lone CR
        {"[]\r", "", "K"},                  // an unnamed section, the same
        {"[S]\r", "S", "K"},
        {"[S]\r\nA=1\r\n[T]\nB=2\r", "T", "K"},
        {"[S]\nA=1\r", "T", "K"},           // a new section after the lone CR
        {"[S]\nA=1\r\r", "S", "K"},
        {"[S]\nA=1", "S", "K"},
        {"[S]\nA=1\rB=2\n", "S", "B"},      // a CR inside a line is no break
        {"[S]\n\n\n", "S", "K"},
        {"", "S", "K"},
        {"\r", "S", "K"},
        {"[S]\nK=old\r", "S", "K"},
    };
    const char* probes[][2] = {{"S", "A"}, {"S", "B"}, {"T", "B"}, {"", "A"}, {"S", "K"}, {"T", "K"}, {"", "K"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        const std::string once = plat::IniWriteText(c.text, c.section, c.key, "v");
        std::string value;
        EXPECT_TRUE(plat::IniReadText(once, c.section, c.key, value)) << testing::PrintToString(once);
        EXPECT_EQ(value, "v") << testing::PrintToString(once);
        for (const auto& p : probes) {
            if (p[0] == c.section && p[1] == c.key)
                continue;
            std::string before, after;
            bool had = plat::IniReadText(c.text, p[0], p[1], before);
            EXPECT_EQ(plat::IniReadText(once, p[0], p[1], after), had) << p[0] << "/" << p[1];
            EXPECT_EQ(after, before) << p[0] << "/" << p[1];
        }
        EXPECT_EQ(plat::IniWriteText(once, c.section, c.key, "v"), once);
    }
    // The lone CR is kept and completed to a line break.
    EXPECT_EQ(plat::IniWriteText("[S]\nA=1\r", "S", "K", "v"), "[S]\nA=1\r\nK=v\n");
}

} // namespace

namespace {

// The parsed document reads and writes exactly as the text functions do,
// over the awkward texts: repeated sections, keys before any section, lone
// CRs, a last line without a break, names with blanks around them.
TEST(Ini, ParsedDocumentMatchesTheTextFunctions)
{
    const char* texts[] = {
        "",
        "[A]\r\nK=1\r\n[B]\r\nK=2\r\n[a]\r\nK=3\r\n",
        "K=0\n[A]\nK = 1 \n\n\n[B]\n",
        "[A]\rK=1\r",
        "[A]\r\nK=1",
        " [ A ] \r\nX\r\n=5\r\n[A]\r\nK=9\r\n",
        "[A]\r\n\r\n\r\n",
        // Stray lines and blank runs where new keys go: after the last
        // non-blank line, before the blanks that follow it.
        "[A]\r\nK=1\r\njunk\r\n\r\nmore\r\n  \r\n\r\n[B]\r\n\r\nstray\r\n",
        "\n\nx\n[A]\n\nK=1\nK=2\n\n[A]\nJ=0\nj\n\n[B]\nK=3\n \t",
        "[A]\nK=1\n\n \r",
        "[A]\nK=1\n\n\n",
    };
    struct Edit {
        const char* section;
        const char* key;
        const char* value;
    };
    const Edit edits[] = {{"A", "K", "new"},  {"A", "J", "x\r\ny"}, {"C", "K", "c"},   {"c", "L", "l"},
                          {" A ", "K", "s"}, {"A", " K", "t"},      {"B", "K=", "u"}, {"[D]", "K", "v"}};
    for (const char* start : texts) {
        std::string text = start;
        plat::IniDocument doc;
        doc.Parse(text);
        for (const Edit& e : edits) {
            SCOPED_TRACE(std::string(start) + " / " + e.section + " / " + e.key);
            for (const char* s : {"A", "a", "B", "C", " A ", "[D]", "D"})
                for (const char* k : {"K", "J", "L", " K", "K=", "X"}) {
                    std::string fromText, fromDoc;
                    const bool a = plat::IniReadText(text, s, k, fromText);
                    ASSERT_EQ(a, doc.Get(s, k, fromDoc)) << s << "/" << k;
                    ASSERT_EQ(fromText, fromDoc);
                }
            text = plat::IniWriteText(text, e.section, e.key, e.value);
            doc.Set(e.section, e.key, e.value);
            ASSERT_EQ(doc.Text(), text);
            ASSERT_EQ(doc.Size(), text.size());
        }
        plat::IniDocument copy = doc;
        EXPECT_EQ(copy.Text(), text);
        copy.Set("A", "K", "copy");
        EXPECT_EQ(doc.Text(), text) << "a copy edits its own lines";
    }
}

} // namespace
