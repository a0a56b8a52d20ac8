#pragma once
// Text, number and unit helpers, the language flag and error reporting.
// The formatting helpers return one static buffer each, valid until the next
// call of the same helper: callers copy the result at once.

// Bounded copy: at most n characters, then a terminator at position n as
// well as after the copied text (dest must hold n + 1). Nothing happens when
// either pointer is null.
void CopyString(char* dest, const char* src, int n);

// Joins; every result holds at most 2048 characters. A null part is skipped.
const char* Concat2(const char* first, const char* second);
const char* Concat3(const char* a, const char* b, const char* c);
const char* Concat4(const char* a, const char* b, const char* c, const char* d);

// Cuts the last n characters off a text longer than n; returns the text.
char* CutTail(char* text, int n);

int CharToInt(char c);
int TextToInt(const char* text);     // leading decimal integer, 0 when none; clamped to 32 bits
float TextToFloat(const char* text); // leading number, 0 when none
const char* IntToText(int value);
const char* IntToTextFmt(int value, const char* format);
const char* FloatToText(float value); // "%0.2f"
const char* FloatToTextFmt(float value, const char* format);

// True when the settings' language is Italian (fixed when the settings load).
bool IsItalian();
// Picks the Italian or the English text by IsItalian().
inline const char* Tr(const char* italian, const char* english) { return IsItalian() ? italian : english; }

// Lengths and weights in metric or imperial units, without unit labels.
class CConvUnita {
public:
    CConvUnita(); // metric when the units setting is 0, read now
    static CConvUnita SetMetric(bool metric);

    bool IsMetric() const { return m_metric; }
    const char* FormatLengthCm(float cm) const;  // "%d" cm, or feet "%0.3f"
    const char* FormatLengthM(float cm) const;   // metres "%0.2f", or feet "%0.2f"
    const char* FormatWeightGrams(float g) const; // grams "%0.2f", or pounds "%0.4f"
    const char* FormatWeightKg(float g) const;    // kilograms "%0.1f", or pounds "%0.3f"

private:
    bool m_metric;
};

// A stop-icon message box, then the process ends with exit status 1.
[[noreturn]] void FatalError(const char* caption, const char* text);
[[noreturn]] void FatalErrorParts(const char* caption, const char* first, const char* second);
// An exclamation-icon message box; returns when it is closed.
void Warning(const char* caption, const char* text);
void WarningParts(const char* caption, const char* first, const char* second);
// Appends "<source> <line> err> <message>" to norva_error.log in the data folder.
void LogError(const char* source, const char* message, int line);
void DebugOut(const char* text);
