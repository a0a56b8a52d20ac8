#include "world/Marea.h"
#include "shell/Globals.h"

#include "shell/Utility.h"

KARVELIN_GLOBAL(11) CMarea g_Marea;

namespace {

constexpr int kCycleDays = 29;
constexpr int kWindow = 360;

// The first tide time of each day of the lunar cycle; the other three follow
// every 360 minutes.
constexpr int kFirstTide[kCycleDays] = {140, 168, 198, 228, 257, 288, 322, 360, 409, 477,
                                        575, 666, 730, 782, 827, 870, 910, 950, 990, 1031,
                                        1073, 1122, 1190, 1298, 1392, 9, 49, 83, 114};

} // namespace

CMarea::CMarea() : m_amplitude(20), m_minutesInto(0), m_tideFlag(0), m_cycleDay(0), m_moonQuarter(0), m_tideLevel(0)
{
}

void CMarea::UpdateMoonQuarter(int dayOfYear)
{
    m_cycleDay = ((dayOfYear % kCycleDays) + kCycleDays) % kCycleDays;
    if (m_cycleDay <= 7)
        m_moonQuarter = 0;
    else if (m_cycleDay <= 14)
        m_moonQuarter = 1;
    else if (m_cycleDay <= 21)
        m_moonQuarter = 2;
    else
        m_moonQuarter = 3;
}

int CMarea::MinutesInto(int minute, int from, int to)
{
    if (from <= to)
        return minute > from && minute <= to ? minute - from : -1;
    if (minute >= from)
        return minute > from ? minute - from : -1;
    const int wrapped = minute + 1439;
    return wrapped > from && wrapped <= to + 1439 ? wrapped - from : -1;
}

void CMarea::Update(int dayOfYear, int minute)
{
    UpdateMoonQuarter(dayOfYear);
    const int t0 = kFirstTide[m_cycleDay];
    const int t1 = (t0 + kWindow) % 1440;
    const int t2 = (t0 + 2 * kWindow) % 1440;
    const int t3 = (t0 + 3 * kWindow) % 1440;

    // The level follows the tide through every window: it falls from the
    // full range to nothing over (T0, T1] and (T2, T3] and rises back over
    // (T1, T2] and (T3, T0].
    m_tideFlag = 0;
    m_tideLevel = 0;
    int k = MinutesInto(minute, t0, t1);
    if (k >= 0)
        m_tideLevel = m_amplitude - m_amplitude * k / kWindow;
    k = MinutesInto(minute, t1, t2);
    if (k >= 0) {
        m_tideFlag = 1;
        m_tideLevel = m_amplitude * k / kWindow;
    }
    k = MinutesInto(minute, t2, t3);
    if (k >= 0) {
        m_tideFlag = 0;
        m_tideLevel = m_amplitude - m_amplitude * k / kWindow;
    }
    m_minutesInto = MinutesInto(minute, t3, t0);
    if (m_minutesInto >= 0) {
        m_tideFlag = 1;
        m_tideLevel = m_amplitude * m_minutesInto / kWindow;
    }
}

const char* CMarea::GetTideName() const
{
    switch (m_tideFlag) {
    case 0: return Tr("in aumento", "high");
    case 1: return Tr("in diminuzione", "low");
    default: return "";
    }
}

const char* CMarea::GetMoonPhaseName() const
{
    if (m_cycleDay == 0)
        return Tr("piena", "full");
    if (m_cycleDay == 15)
        return Tr("nuova", "new");
    return m_moonQuarter <= 1 ? Tr("calante", "declining") : Tr("crescente", "growing");
}
