#include "shell/Utility.h"

#include "platform/Dialog.h"
#include "platform/Files.h"
#include "shell/GestFile.h"
#include "shell/Opzioni.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>

namespace {

constexpr int kMaxJoin = 2048;

char g_intText[2048 + 1];
char g_intFmtText[2048 + 1];
char g_floatText[2048 + 1];
char g_concat2[kMaxJoin + 1];
char g_concat3[kMaxJoin + 1];
char g_concat4[kMaxJoin + 1];

// Joins the non-null parts into the buffer, cut at kMaxJoin characters.
// Every join has a buffer of its own, so one join's result survives a call
// of another.
const char* Join(char (&buffer)[kMaxJoin + 1], std::initializer_list<const char*> parts)
{
    std::string joined;
    for (const char* part : parts) {
        if (part) {
            joined += part;
            if (joined.size() > std::size_t(kMaxJoin))
                joined.resize(kMaxJoin);
        }
    }
    std::memcpy(buffer, joined.data(), joined.size());
    buffer[joined.size()] = '\0';
    return buffer;
}

} // namespace

void CopyString(char* dest, const char* src, int n)
{
    if (!dest || !src)
        return;
    if (n < 0)
        n = 0;
    int i = 0;
    for (; i < n && src[i]; ++i)
        dest[i] = src[i];
    dest[i] = '\0';
    dest[n] = '\0';
}

const char* Concat2(const char* first, const char* second) { return Join(g_concat2, {first, second}); }

const char* Concat3(const char* a, const char* b, const char* c) { return Join(g_concat3, {a, b, c}); }

const char* Concat4(const char* a, const char* b, const char* c, const char* d)
{
    return Join(g_concat4, {a, b, c, d});
}

char* CutTail(char* text, int n)
{
    if (text && n >= 0) {
        std::size_t len = std::strlen(text);
        if (len > std::size_t(n))
            text[len - n] = '\0';
    }
    return text;
}

int CharToInt(char c) { return (c >= '0' && c <= '9') ? c - '0' : 0; }

int TextToInt(const char* text)
{
    if (!text)
        return 0;
    const char* p = text;
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    if (!std::isdigit(static_cast<unsigned char>(*p)))
        return 0;
    long long value = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
        value = value * 10 + (*p - '0');
        if (value > 1LL + INT_MAX)
            value = 1LL + INT_MAX; // keep going over the digits, but never overflow
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return int(value);
}

float TextToFloat(const char* text)
{
    if (!text || !*text)
        return 0.0f;
    char* end = nullptr;
    float v = std::strtof(text, &end);
    if (end == text || !std::isfinite(v))
        return 0.0f;
    return v;
}

const char* IntToText(int value)
{
    std::snprintf(g_intText, sizeof g_intText, "%d", value);
    return g_intText;
}

const char* IntToTextFmt(int value, const char* format)
{
    std::snprintf(g_intFmtText, sizeof g_intFmtText, format, value);
    return g_intFmtText;
}

const char* FloatToTextFmt(float value, const char* format)
{
    std::snprintf(g_floatText, sizeof g_floatText, format, double(value));
    return g_floatText;
}

const char* FloatToText(float value) { return FloatToTextFmt(value, "%0.2f"); }

bool IsItalian() { return g_Opzioni.italian; }

// ---- units ----

CConvUnita::CConvUnita() : m_metric(g_Opzioni.units == 0) {}

CConvUnita CConvUnita::SetMetric(bool metric)
{
    CConvUnita c;
    c.m_metric = metric;
    return c;
}

const char* CConvUnita::FormatLengthCm(float cm) const
{
    if (m_metric)
        return IntToText(int(cm));
    return FloatToTextFmt(cm / 30.48f, "%0.3f");
}

const char* CConvUnita::FormatLengthM(float cm) const
{
    return m_metric ? FloatToTextFmt(cm / 100.0f, "%0.2f") : FloatToTextFmt(cm / 30.48f, "%0.2f");
}

const char* CConvUnita::FormatWeightGrams(float g) const
{
    return m_metric ? FloatToTextFmt(g, "%0.2f") : FloatToTextFmt(g / 453.59f, "%0.4f");
}

const char* CConvUnita::FormatWeightKg(float g) const
{
    return m_metric ? FloatToTextFmt(g / 1000.0f, "%0.1f") : FloatToTextFmt(g / 453.59f, "%0.3f");
}

// ---- errors ----

namespace {

std::string JoinParts(const char* first, const char* second)
{
    std::string a = first ? std::string(first).substr(0, 1024) : std::string();
    std::string b = second ? std::string(second).substr(0, 1024) : std::string();
    return (a + b).substr(0, 1024);
}

} // namespace

void FatalError(const char* caption, const char* text)
{
    plat::ShowMessage(caption ? caption : "", text ? text : "", plat::MessageIcon::Stop);
    // A fatal error is a failure: the exit status says so.
    plat::ExitProcess(1);
}

void FatalErrorParts(const char* caption, const char* first, const char* second)
{
    FatalError(caption, JoinParts(first, second).c_str());
}

void Warning(const char* caption, const char* text)
{
    plat::ShowMessage(caption ? caption : "", text ? text : "", plat::MessageIcon::Exclamation);
}

void WarningParts(const char* caption, const char* first, const char* second)
{
    Warning(caption, JoinParts(first, second).c_str());
}

void LogError(const char* source, const char* message, int line)
{
    std::string head = std::string(source ? source : "") + " " + std::to_string(line) + " err>";
    head.resize(std::min<std::size_t>(head.size(), 512));
    std::string text = head + " " + (message ? message : "");
    text.resize(std::min<std::size_t>(text.size(), 512));
    const char* folder = g_GestFile.GetUserFolder();
    if (!folder[0])
        return;
    plat::AppendToFile(plat::JoinPath(folder, "norva_error.log"), text + "\n");
}

void DebugOut(const char* text)
{
    std::fprintf(stderr, "%s\n", text ? text : "");
}
