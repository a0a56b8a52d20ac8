#include "shell/GestFile.h"
#include "shell/Opzioni.h"
#include "shell/Utility.h"
#include "platform/Dialog.h"
#include "tests/support/TempFolders.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace {

TEST(Utility, CopyStringIsBoundedAndIgnoresNull)
{
    char buf[16];
    std::memset(buf, 'x', sizeof buf);
    CopyString(buf, "abcdefgh", 5);
    EXPECT_STREQ(buf, "abcde");
    CopyString(buf, nullptr, 5);
    EXPECT_STREQ(buf, "abcde");
    CopyString(buf, "ab", 5);
    EXPECT_STREQ(buf, "ab");
}

TEST(Utility, ConcatenationRules)
{
    std::string a(2000, 'a'), b(100, 'b');
    std::string joined = Concat2(a.c_str(), b.c_str());
    EXPECT_EQ(joined.size(), 2048u);
    EXPECT_EQ(joined, (a + b).substr(0, 2048));
    EXPECT_STREQ(Concat2("first", nullptr), "first");
    EXPECT_STREQ(Concat3("a", nullptr, "c"), "ac");
    EXPECT_STREQ(Concat4("a", "b", nullptr, "d"), "abd");
    // Concat3 keeps its own buffer: a later Concat2 does not change it.
    const char* three = Concat3("x", "y", "z");
    Concat2("other", "text");
    EXPECT_STREQ(three, "xyz");
}

TEST(Utility, CutTail)
{
    char name[] = "Arno.kvl";
    EXPECT_STREQ(CutTail(name, 4), "Arno");
    char three[] = "abc";
    EXPECT_STREQ(CutTail(three, 3), "abc");
    EXPECT_EQ(CutTail(nullptr, 3), nullptr);
}

TEST(Utility, NumbersFromText)
{
    const struct {
        const char* text;
        int value;
    } ints[] = {{"", 0},     {"42x", 42},         {"x42", 0},          {"  -7", -7},
                {"+3", 3},   {"99999999999", INT_MAX}, {"-99999999999", INT_MIN}, {nullptr, 0}};
    for (const auto& c : ints)
        EXPECT_EQ(TextToInt(c.text), c.value) << (c.text ? c.text : "null");
    EXPECT_FLOAT_EQ(TextToFloat("2.5cm"), 2.5f);
    EXPECT_FLOAT_EQ(TextToFloat("abc"), 0.0f);
    EXPECT_FLOAT_EQ(TextToFloat("nan"), 0.0f);
    EXPECT_EQ(CharToInt('7'), 7);
    EXPECT_EQ(CharToInt('x'), 0);
    EXPECT_STREQ(IntToText(-12), "-12");
    EXPECT_STREQ(IntToTextFmt(7, "%04d"), "0007");
    EXPECT_STREQ(FloatToText(1.005f), "1.00");
}

TEST(Utility, UnitTextsInBothSystems)
{
    auto metric = CConvUnita::SetMetric(true), imperial = CConvUnita::SetMetric(false);
    EXPECT_STREQ(metric.FormatLengthCm(35.9f), "35");
    EXPECT_STREQ(imperial.FormatLengthCm(35.9f), "1.178");
    EXPECT_STREQ(metric.FormatWeightKg(1260.0f), "1.3");
    EXPECT_STREQ(imperial.FormatWeightKg(1260.0f), "2.778");
    EXPECT_STREQ(metric.FormatLengthM(8000.0f), "80.00");
    EXPECT_STREQ(imperial.FormatLengthM(8000.0f), "262.47");
    EXPECT_STREQ(metric.FormatWeightGrams(160.0f), "160.00");
    EXPECT_STREQ(imperial.FormatWeightGrams(160.0f), "0.3527");

    int saved = g_Opzioni.units;
    g_Opzioni.units = 1;
    EXPECT_FALSE(CConvUnita().IsMetric()); // the setting is read when the converter is made
    g_Opzioni.units = saved;
}

TEST(Utility, ErrorLogLines)
{
    testing_support::TempFolders tmp;
    ASSERT_TRUE(g_GestFile.Init());
    LogError("AppFish", "m_pD3D->CreateDevice() error!", 177);
    LogError("norva", "CreateWindowEx() error!", 170);
    EXPECT_EQ(tmp.Read("appdata/Karvelin/norva_error.log"),
              "AppFish 177 err> m_pD3D->CreateDevice() error!\nnorva 170 err> CreateWindowEx() error!\n");
    std::string longMessage(1000, 'm');
    LogError("src", longMessage.c_str(), 1);
    std::string log = tmp.Read("appdata/Karvelin/norva_error.log");
    std::string last = log.substr(log.rfind('\n', log.size() - 2) + 1);
    EXPECT_EQ(last.size(), 512u + 1u); // cut to 512 characters plus the line break
}

TEST(Utility, MessagesGoThroughTheSink)
{
    std::string seen;
    plat::SetMessageSink([&](const std::string& c, const std::string& t, plat::MessageIcon icon) {
        seen = c + "|" + t + (icon == plat::MessageIcon::Exclamation ? "|!" : "|x");
    });
    WarningParts("Caption", "first ", "second");
    EXPECT_EQ(seen, "Caption|first second|!");
    plat::SetMessageSink(nullptr);
}

TEST(UtilityDeathTest, FatalErrorEndsWithFailureStatus)
{
    EXPECT_EXIT(FatalError("Errore", "boom"), ::testing::ExitedWithCode(1), "Errore: boom");
}

} // namespace
