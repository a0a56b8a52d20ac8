// The rig's decision core: whether an offered fish takes the bait and on
// which hook, the once-a-second checks that lose a hooked fish, the
// per-frame fight step, and the loss reasons with their texts. Every chance
// is one draw from the game's generator, made only when its test is
// reached: the count and order of draws is part of the game's behaviour.
#include "simulation/tackle/CannaPesca.h"
#include "simulation/scene/RigFacts.h"

#include "platform/Random.h"
#include "shell/Opzioni.h"
#include "shell/SoundPlayer.h"
#include "shell/Utility.h"
#include "simulation/tackle/Esca.h"
#include "simulation/scene/SessionLink.h"
#include "simulation/scene/Pesce.h"
#include "simulation/scene/Retino.h"
#include "world/Calendario.h"
#include "world/Luogo.h"
#include "world/Marea.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// A p % refusal.
bool Refuses(int percent) { return plat::Random() % 100 < percent; }

// Whether a record's list holds the value. Empty slots (-1) list nothing,
// so a value left undefined by its file (-1) never matches them.
template <std::size_t N>
bool Among(const int (&list)[N], int value)
{
    for (int v : list)
        if (v != -1 && v == value)
            return true;
    return false;
}

int Depth(float sinkDepth) { return int(std::trunc(std::max(0.0f, sinkDepth))); }

// A rating suits the water when it is none, or the rougher of the current
// and the sea.
bool SuitsWater(int rating, const BiteFacts& f) { return rating == -1 || rating == std::max(f.venueCurrent, f.seaState); }

bool LineColourSuits(int c, const BiteFacts& f)
{
    const bool sea = f.venueType == 2;
    const bool night = f.dayPhase == 4;
    switch (c) {
    case 1: return f.venueBottom == 1 || night;
    case 2:
    case 3: return f.venueBottom == 0;
    case 4: return f.venueBottom == 2;
    case 5:
    case 11: return f.venueBottom == 3 || f.venueBottom == 4 || sea;
    case 6:
    case 7: return Depth(f.sinkDepth) > 1500;
    case 8: return night;
    case 9: return f.venueBottom == 1;
    case 10: return f.venueType == 0 || f.venueType == 1;
    case 12: return sea;
    default: return false;
    }
}

} // namespace

// ---- facts ----------------------------------------------------------------------

BiteFacts CCannaPesca::GatherBiteFacts()
{
    BiteFacts f;
    const CGalleggiante& g = m_galleggiante;
    const LuogoRecord& venue = g_Luogo.Record();
    f.fishing = IsSessionFishing();
    f.biteReady = g.IsBiteReady();
    f.sinkDepth = m_sinkDepth;
    f.bottomDepth = int(GetBottomDepth());
    f.hasFloat = g.HasFloat();
    f.rodType = m_canna.m_current.type;
    f.spinningRig = IsSpinningRig();
    f.floatDriftStep = g.m_landed;
    f.floatCurrent = g.m_current.currentRating;
    f.reelRetrieving = m_mulinello.m_retrieving != 0;
    f.lineSlack = GetLineSlack();
    f.mainDiameter = m_lenza.m_material.m_diameter;
    f.mainKind = m_lenza.m_material.m_kind;
    f.shotBalanceClass = m_piombo.m_balanceClass;
    f.shotWeightClass = m_piombo.m_weightClass;
    f.shotsBalanced = m_piombo.m_balanced != 0;
    f.venueType = venue.TIPO;
    f.venueRegion = venue.GEOGRAFIA;
    f.venueCurrent = venue.CORRENTE;
    f.venueBottom = venue.FONDALE;
    f.venueWater = venue.ACQUA;
    f.seaState = venue.seaState;
    f.month = g_Calendario.GetMonth();
    f.dayPhase = g_Calendario.GetDayPhase();
    f.tideFlag = g_Marea.GetTideFlag();
    f.levelValue = g_Opzioni.GetLevelValueB();
    for (int t = 0; t < 3; ++t) {
        TerminalFacts& tf = f.terminals[t];
        const CFinale& fin = m_lenza.GetTerminal(t);
        const EscaRecord& bait = g_Esca.GetSlot(t);
        const AmoRecord& hook = fin.m_hook.m_current;
        tf.inUse = t == 2 || fin.m_inUse != 0;
        tf.baitKind = bait.kind;
        tf.baitVenueKind = bait.venueKind;
        tf.baitHookColour = bait.hookColour;
        tf.baitHookBend = bait.hookBend;
        tf.lureTakesLine = g_Esca.IsLineSuitable(t, fin.m_material.m_diameter);
        tf.hookSize = hook.size;
        tf.hookColour = hook.colour;
        tf.hookBend = hook.bend;
        tf.hookPoint = hook.point;
        tf.hookBarb = hook.barb;
        tf.hookShank = hook.shank;
        tf.hookBait = hook.baitKind;
        tf.lineDiameter = fin.m_material.m_diameter;
        tf.lineKind = fin.m_material.m_kind;
        tf.lineColour = fin.m_material.m_colour;
    }
    return f;
}

FishOnFacts CCannaPesca::GatherFishOnFacts()
{
    FishOnFacts f;
    f.tension = m_lenza.m_tension;
    f.lineMode = g_Opzioni.lineMode;
    f.level = g_Opzioni.level;
    f.rodType = m_canna.m_current.type;
    f.lineEndY = m_lenza.m_points[1][1];
    f.bandTop = m_bands[0];
    f.bandNear = m_bands[3];
    f.distance = f.rodType >= 1 && f.rodType <= 3 ? GetDepthDistance() : GetRigDistance();
    f.lineOut = m_lenza.m_length;
    f.drag = m_mulinello.m_drag;
    GatherHookFacts(f);
    return f;
}

void CCannaPesca::GatherHookFacts(FishOnFacts& f)
{
    f.maxTension = m_lenza.GetMaxTension(GetRigKind());
    f.breakingLoad = GetBreakingLoad();
    const AmoRecord& hook = GetHookTerminal().m_hook.m_current;
    f.hookPoint = hook.point;
    f.hookBarb = hook.barb;
    f.hookSize = hook.size;
    f.terminalLineKind = GetHookTerminal().m_material.m_kind;
}

// ---- accessors ------------------------------------------------------------------

CFinale& CCannaPesca::GetHookTerminal() { return m_lenza.GetTerminal(GetRigKind()); }

float CCannaPesca::GetBreakingLoad()
{
    return std::min(m_lenza.m_material.GetLoad(), GetHookTerminal().m_material.GetLoad());
}

const char* CCannaPesca::GetLineOutText() const
{
    static char text[64];
    const CConvUnita units;
    std::snprintf(text, sizeof text, "%s%s", units.FormatLengthM(m_lenza.m_length), units.IsMetric() ? " mt" : " ft");
    return text;
}

bool CCannaPesca::IsInDeepBand(int y) const { return y >= m_bands[2] && y <= m_bands[3]; }

const char* CCannaPesca::GetLossReasonText() const
{
    const bool it = IsItalian();
    switch (m_lossReason) {
    case 1: return it ? "reazione lenta all'abboccata" : "slow reaction";
    case 2:
    case 3: return it ? "rottura lenza" : "line broken";
    case 4:
    case 5:
    case 6:
    case 7: return it ? "pesce slamato" : "fish unhooked";
    default: return "";
    }
}

// ---- the bite -------------------------------------------------------------------

bool CCannaPesca::HookFits(int length, int hookSize)
{
    if ((length < 41 && hookSize < 6) || (length < 21 && hookSize < 14) || (length < 8 && hookSize < 19))
        return false;
    if (length < 5)
        return hookSize > 22;
    return true;
}

bool CCannaPesca::HookFitsFish()
{
    return HookFits(g_Pesce.m_length, GetHookTerminal().m_hook.m_current.size);
}

int CCannaPesca::ChooseHook(const PesceRecord& record)
{
    return ChooseHook(record, GatherBiteFacts());
}

int CCannaPesca::ChooseHook(const PesceRecord& record, const BiteFacts& f)
{
    const bool leader = Among(record.baitFamilies, f.terminals[2].baitKind);
    const bool first = f.terminals[1].inUse && Among(record.baitFamilies, f.terminals[1].baitKind);
    const bool second = f.terminals[0].inUse && Among(record.baitFamilies, f.terminals[0].baitKind);
    if (leader && first && second)
        return 2 - plat::Random() % 3;
    if (leader && first)
        return plat::Random() % 100 < 51 ? 1 : 2;
    if (leader && second)
        return plat::Random() % 100 < 51 ? 0 : 2;
    if (leader)
        return 2;
    if (first && second)
        return plat::Random() % 100 > 50 ? 1 : 0;
    if (first)
        return 1;
    if (second)
        return 0;
    return -1;
}

bool CCannaPesca::DecideBite(const PesceRecord& record) { return DecideBite(record, GatherBiteFacts()); }

bool CCannaPesca::DecideBite(const PesceRecord& record, const BiteFacts& f)
{
    const int s = Depth(f.sinkDepth);
    const int d = f.bottomDepth;
    const bool sea = f.venueType == 2;
    if (!f.fishing || !f.biteReady || s <= 0)
        return false;
    if (!f.hasFloat && f.rodType == 1) {
        if (std::min(s, d) < d - int(std::trunc(float(d) * 0.2f)))
            return false;
    } else if (!f.hasFloat && f.rodType == 0) {
        if (Refuses(30))
            return false;
    }
    if (f.hasFloat) {
        if (std::abs(f.floatDriftStep) > 1 && Refuses(90))
            return false;
        if (f.venueCurrent == 3 && f.floatDriftStep == 0 && Refuses(90))
            return false;
    }
    m_hookInUse = -1;
    m_hookInUse = ChooseHook(record, f);
    if (m_hookInUse == -1)
        return false;
    const TerminalFacts& t = f.terminals[m_hookInUse];
    // Sea baits only at sea, river and lake baits never there, the rest
    // anywhere.
    const int where = t.baitVenueKind;
    if (where == 2 ? !sea : (where == 0 || where == 1) && sea)
        return false;
    if ((where == 2 || where == -1) && sea && f.tideFlag == 1 && Refuses(40))
        return false;
    if (!HookFits(g_Pesce.m_length, t.hookSize))
        return false;
    if (record.depthOver != 0) {
        const int e = int(std::trunc(float(record.depthOver) / 100.0f * 5.0f));
        const int threshold = std::max(0, record.depthOver - (e > 0 ? plat::Random() % e : 0));
        if (threshold > s && Refuses(80))
            return false;
    }
    const int maxLine = int(std::trunc(float(record.maxLineHook) * 1.6f));
    if (f.mainDiameter > maxLine || t.lineDiameter > maxLine)
        return false;
    const bool lure = t.baitKind == kBaitKindSpinning;
    if (lure != f.spinningRig && Refuses(90))
        return false;
    if (lure && !(f.reelRetrieving && f.lineSlack < 100.0f))
        return false;
    const bool consistent = f.spinningRig || (f.rodType != 3 && f.terminals[2].hookBait != kBaitKindSpinning);
    if (!consistent && Refuses(90))
        return false;

    int a = 0, b = 0;
    bool depthRight = true;
    auto seaPoint = [&](bool hit) {
        if (sea && plat::Random() % 100 <= 50)
            return;
        if (hit)
            ++a;
    };
    seaPoint(Among(record.venueTypes, f.venueType));
    seaPoint(Among(record.regions, f.venueRegion));
    seaPoint(Among(record.currents, f.venueCurrent));
    if (Among(record.bottoms, f.venueBottom))
        ++a;
    if (Among(record.baitFamilies, t.baitKind))
        ++a;
    const int month = std::clamp(f.month, 0, 11);
    const int phase = std::clamp(f.dayPhase, 0, 4);
    if (plat::Random() % 100 < record.monthActivity[month])
        ++a;
    if (plat::Random() % 100 < record.periodActivity[phase])
        ++a;
    if (t.hookSize <= record.maxHook)
        ++a;
    if (t.lineDiameter <= record.maxLineHook || f.spinningRig)
        ++a;
    const int band = int(std::trunc(float(d) * 0.2f));
    switch (record.depthKind) {
    case 0:
        if (s >= d - band && s <= d + band)
            ++a;
        else
            depthRight = false;
        break;
    case 1:
        depthRight = s < d / 2;
        if (depthRight)
            ++a;
        break;
    case 2:
        ++a;
        break;
    default: {
        const int k = record.depthKind;
        const int kb = int(std::trunc(float(k) * 0.2f));
        if (s >= k - kb && s <= k + kb)
            ++a;
    }
    }
    if (record.waterClarity == 2 || record.waterClarity == f.venueWater)
        ++a;
    if (f.hasFloat) {
        if (sea ? SuitsWater(f.shotBalanceClass, f) : f.venueCurrent == f.shotBalanceClass)
            ++a;
    } else if (!f.spinningRig) {
        if (f.shotsBalanced)
            ++a;
    } else {
        // A lure works at its own depth.
        if (t.lureTakesLine)
            ++a;
        depthRight = true;
    }

    if (f.hasFloat) {
        if (f.floatCurrent != -1)
            b = (sea ? SuitsWater(f.floatCurrent, f) : f.floatCurrent == f.venueCurrent) ? 1 : -1;
    } else {
        b = plat::Random() % 100 > 50 ? 1 : 0;
    }
    if (f.venueWater != 1 && LineColourSuits(t.lineColour, f))
        ++b;
    if (t.hookColour == t.baitHookColour)
        ++b;
    if (t.hookBend == t.baitHookBend)
        ++b;
    if (t.hookPoint == 2)
        ++b;
    if (t.hookShank == 0)
        ++b;
    if (f.rodType != 0)
        ++b;
    else if (sea ? SuitsWater(f.shotWeightClass, f) : f.venueCurrent == f.shotWeightClass)
        ++b;
    if (f.mainKind == 0 && t.lineKind == 0)
        ++b;
    else if (f.mainKind == 2 || t.lineKind == 2)
        --b;
    if (t.hookBait == t.baitKind)
        ++b;
    return BiteScore(a, b, depthRight) >= f.levelValue;
}

int CCannaPesca::BiteScore(int a, int b, bool depthRight)
{
    const float k = 5.0f / 3.0f;
    int v = int(std::trunc(float(b) * k + float(a) * 5.0f));
    v = std::clamp(v, 0, 80);
    if (depthRight && plat::Random() % 100 < 1)
        v = 80;
    return v;
}

void CCannaPesca::TryBite(PesceRecord record)
{
    g_Pesce.Hook(record, int(m_lenza.m_points[1][0]), int(m_lenza.m_points[1][1]), m_galleggiante.m_position, 0, true);
    if (!DecideBite(record))
        return;
    m_canna.m_phase = kPhaseFish;
    m_lineOwed = 0.0f;
    m_strike = 0;
    m_noStrikeTicks = 0;
    m_lossReason = 0;
    m_overLimitTicks = 0;
    m_canna.m_bendTarget = std::min(0.0f, -g_Pesce.m_stamina);
    if (m_bell == 1 && g_SndPlayer.campanello.enabled)
        g_SndPlayer.campanello.Play();
}

// ---- the fight ------------------------------------------------------------------

void CCannaPesca::OnTimer0() { CheckFishOn(GatherFishOnFacts()); }

void CCannaPesca::CheckFishOn(const FishOnFacts& given)
{
    m_warning.m_visible = 0;
    if (GetPhase() != kPhaseFish)
        return;
    FishOnFacts f = given;
    CPesce& fish = g_Pesce;
    // The rest of the second after a loss reads the hook in use now, the
    // leader, not the dropper the fish has just left.
    auto lose = [&](int reason) {
        const int before = GetRigKind();
        SetLossReason(reason);
        if (GetRigKind() != before)
            GatherHookFacts(f);
    };
    if (!m_strike) {
        ++m_noStrikeTicks;
        if (m_noStrikeTicks < 4) {
            if (plat::Random() % 100 <= 20)
                lose(1);
        } else {
            fish.m_species.biteKind = 0; // it stops nibbling and just pulls
        }
    }
    if (fish.m_stamina <= 1.5f)
        return;
    const bool reel = f.rodType >= 1 && f.rodType <= 3;
    bool overTension = f.tension >= f.maxTension && (f.lineMode != 1 || fish.m_weight > f.breakingLoad);
    const float factor = f.lineMode == 1 ? 1.3f : 1.2f;
    bool overDistance = f.distance > factor * f.lineOut;
    if (reel) {
        if (f.lineEndY >= float(f.bandTop) && f.lineEndY <= float(f.bandNear))
            overTension = false;
        if (fish.m_stamina > f.drag)
            overDistance = false;
    }
    if (overTension || overDistance) {
        if (m_overLimitTicks <= 2) {
            m_warning.m_column = m_overLimitTicks;
            if (f.level != 2)
                m_warning.m_visible = 1;
        }
        ++m_overLimitTicks;
        if (m_overLimitTicks > 3) {
            lose(fish.m_weight * 1.2f > f.breakingLoad ? (overTension ? 2 : 3) : 7);
            m_overLimitTicks = 0;
        }
    } else {
        m_overLimitTicks = 0;
    }
    const bool atLimit = f.tension >= f.maxTension || f.tension <= 0.0f;
    bool unhooked = atLimit && plat::Random() % 1000 < 5;
    if (!unhooked)
        unhooked = plat::Random() % 1000 < 3;
    if (unhooked) {
        int reason = 0;
        if (f.hookPoint == 0)
            reason = 4;
        if (f.hookBarb == 1)
            reason = 5;
        if (f.hookSize < fish.m_species.minHook || f.hookSize > fish.m_species.maxHook)
            reason = 6;
        if (reason)
            lose(reason);
    }
    const int sp = fish.m_species.speciesIndex;
    const bool teeth = sp == 10 || sp == 42 || sp == 43 || sp == 129;
    if (f.tension >= f.maxTension && teeth && f.terminalLineKind != 3 && plat::Random() % 100 < 30)
        SetLossReason(2);
}

void CCannaPesca::UpdateFight()
{
    CPesce& fish = g_Pesce;
    CGalleggiante& g = m_galleggiante;
    const int kind = GetRigKind();
    const float maxT = m_lenza.GetMaxTension(kind);
    const float half = maxT * 0.5f;
    const bool follow = IsNibbling() ? plat::Random() % 100 < 5 : true;
    const int type = m_canna.m_current.type;
    const float free = m_lenza.m_length - (type >= 1 && type <= 3 ? GetDepthDistance() : GetRigDistance());
    const float w = fish.m_weight;
    const int p = w < 100 ? 75 : w < 150 ? 60 : w < 200 ? 50 : w < 400 ? 40 : w < 1000 ? 30 : 20;
    float fx = m_lenza.m_points[1][0], fy = m_lenza.m_points[1][1];
    if (free <= 100.0f) {
        bool pulled = false;
        if (fish.m_stamina <= 1.5f)
            pulled = plat::Random() % 100 < p;
        else if (fish.m_stamina < 1.7f)
            pulled = plat::Random() % 100 < 5;
        if (!pulled)
            pulled = m_lenza.m_tension >= half && plat::Random() % 100 < 2;
        if (pulled) {
            auto toward = [](float from, float to) {
                const float gap = to - from;
                const float step = std::min(3.0f, std::ceil(std::fabs(gap) * 0.01f));
                return gap > 0 ? from + std::min(step, gap) : from - std::min(step, -gap);
            };
            fx = toward(float(g.GetX()), m_canna.m_tip[0]);
            fy = toward(float(g.GetY()), m_canna.m_tip[1]);
        }
    }
    m_lenza.m_points[0][0] = m_canna.GetDrawnTipX();
    m_lenza.m_points[0][1] = m_canna.GetDrawnTipY();
    if (follow) {
        const int range = fy >= float(m_bands[0]) && fy <= float(m_bands[3]) ? 2 : 3;
        const float sx = float(fish.GetRandomShift(0, range));
        const float sy = float(fish.GetRandomShift(1, range));
        // The shifts lean to one side; a long fight must not carry the fish
        // past where the rod can bring the net to it.
        int left = 0, right = 0;
        GetLandingSpan(left, right);
        m_lenza.SetEndPoint(std::clamp(fx + sx, float(left), float(right)), fy + sy);
    }
    fish.SetX(int(m_lenza.m_points[1][0]));
    fish.SetY(int(m_lenza.m_points[1][1]));
    const int target = int(std::trunc(std::max(0.0f, free)));
    auto approach = [&](int by) {
        if (fish.m_run < target)
            fish.m_run = std::min(target, fish.m_run + by);
        else if (fish.m_run > target)
            fish.m_run = std::max(target, fish.m_run - by);
        fish.m_run = std::max(0, fish.m_run);
    };
    if (fish.m_stamina > 1.5f) {
        bool move = fish.m_stamina < 1.7f && plat::Random() % 100 < 5;
        if (!move)
            move = plat::Random() % 100 < 15;
        if (move)
            approach(1);
    } else {
        approach(fish.m_run / 2);
    }
    m_lenza.StepTension(float(fish.m_run) - free, kind);
    float extra = 0.0f;
    if (m_lenza.m_tension >= half && !m_canna.IsTipInWater() && maxT > half)
        extra = (m_lenza.m_tension - half) / ((maxT - half) / 5.0f);
    m_canna.m_bendTarget = std::min(0.0f, -fish.GetStrength(false) - extra);
    const float lineBefore = m_lenza.m_length;
    m_mulinello.RunTimer2();
    // Line given to a fish already beyond the line's reach only makes up
    // the shortfall; the rest it swims off with.
    if (m_lenza.m_length > lineBefore) {
        const float given = m_lenza.m_length - lineBefore;
        TakeLineOut(std::max(0.0f, std::min(given, m_lenza.m_length - GetDepthDistance())));
        fish.SetY(int(m_lenza.m_points[1][1]));
        // Wherever the fish's end has wandered (its shifts carry it off the
        // far water's edge and back), the drag lets out no more than one
        // give past the fish; line already out stays out.
        const float most = std::max(lineBefore, GetDepthDistance() + given);
        if (m_lenza.m_length > most)
            SetLineLength(most);
    }
    m_lenza.m_straight = (!g.IsAtSurface() && fish.m_run > 10) ? 1 : 0;
    m_lenza.m_rigFlags[0] = float(g.m_lineAbove) > GetRigDistance() ? 1 : 0;
    if (follow)
        FollowLineEnd();
}

void CCannaPesca::TakeLineOut(float given)
{
    // The fish swims off with the line the drag gives: out along the water,
    // a row at a time as the line given adds up to the next row's distance.
    m_lineOwed += given;
    const float h = float(m_canna.GetTipDrop());
    auto reach = [&](float row) {
        const float d = GetDepthAt(int(row));
        return std::sqrt(d * d + h * h);
    };
    float y = std::trunc(m_lenza.m_points[1][1]);
    const float top = float(std::max(m_top, m_lenza.GetSurfaceYAtEnd(m_lenza.m_points[1][0])));
    float here = reach(y);
    while (y > top) {
        const float next = reach(y - 1.0f);
        if (next - here > m_lineOwed)
            break;
        m_lineOwed -= std::max(0.0f, next - here);
        here = next;
        y -= 1.0f;
    }
    m_lenza.SetEndY(y);
    // Where the water ends it can go no further: the drag gives only what
    // the fish has taken.
    if (y <= top && m_lineOwed > 0.0f) {
        SetLineLength(m_lenza.m_length - m_lineOwed);
        m_lineOwed = 0.0f;
    }
}

void CCannaPesca::GetLandingSpan(int& left, int& right) const
{
    // The rod's butt stops this far inside either edge; the net stands
    // beside it by its setting, and lands what comes within its box.
    const int w = GetScreenWidth();
    const int side = CRetino::GetSideOffset();
    left = CCanna::kButtMargin + side - CPesce::kLandLeft;
    right = std::max(left, w - CCanna::kButtMargin + side + CPesce::kLandRight);
    left = std::max(0, left);
    right = std::min(w, right);
}

void CCannaPesca::FollowLineEnd()
{
    CGalleggiante& g = m_galleggiante;
    const int ex = int(m_lenza.m_points[1][0]), ey = int(m_lenza.m_points[1][1]);
    const int x = g.GetX(), y = g.GetY();
    if (m_strike || (std::abs(ex - x) <= 1 && std::abs(ey - y) <= 1)) {
        g.SetX(ex);
        g.SetY(ey);
        return;
    }
    g.SetX(x + (ex > x) - (ex < x));
    g.SetY(y + (ey > y) - (ey < y));
}
