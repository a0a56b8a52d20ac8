#pragma once
// The tide and the moon of the game day. From the day of the year and the
// minute of day it finds the day of a 29-day lunar cycle, the moon quarter,
// the tide flag (1 in the two rising windows of the day, 0 in the two
// falling ones) and a tide level of 0..20 cm that sea venues add to their
// depths. Each of the day's four windows lasts 360 minutes.

class CMarea {
public:
    CMarea();

    // Recomputes everything for a day of the year (0..365) and a minute of
    // day (0..1439).
    void Update(int dayOfYear, int minute);
    void UpdateMoonQuarter(int dayOfYear);
    // Minutes since `from` when the minute lies in the window (from, to], else
    // -1. A window past midnight counts the minutes after midnight from 1439.
    static int MinutesInto(int minute, int from, int to);

    const char* GetTideName() const;
    const char* GetMoonPhaseName() const;

    int GetAmplitude() const { return m_amplitude; }
    int GetMinutesIntoWindow() const { return m_minutesInto; } // rising window (T3, T0], -1 outside
    int GetTideFlag() const { return m_tideFlag; }
    int GetCycleDay() const { return m_cycleDay; }
    int GetMoonQuarter() const { return m_moonQuarter; }
    int GetTideLevel() const { return m_tideLevel; }

private:
    int m_amplitude;
    int m_minutesInto;
    int m_tideFlag;
    int m_cycleDay;
    int m_moonQuarter;
    int m_tideLevel;
};

extern CMarea g_Marea;
