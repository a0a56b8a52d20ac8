#include "simulation/session/Gioco.h"

#include "platform/Clock.h"
#include "platform/Font.h"
#include "platform/Random.h"
#include "shell/Globals.h"
#include "shell/Graphics.h"
#include "shell/Mouse.h"
#include "shell/Opzioni.h"
#include "shell/ScreenSwitch.h"
#include "shell/SoundPlayer.h"
#include "shell/Utility.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Cerchi.h"
#include "simulation/scene/Effetti.h"
#include "simulation/tackle/Esca.h"
#include "simulation/session/Gara.h"
#include "simulation/tackle/Pastura.h"
#include "simulation/scene/Pesce.h"
#include "simulation/scene/Retino.h"
#include "simulation/scene/SessionLink.h"
#include "simulation/session/Sessione.h"
#include "simulation/scene/Sfondo.h"
#include "simulation/session/Statistiche.h"
#include "world/Calendario.h"
#include "world/Fondale.h"
#include "world/Luogo.h"
#include "world/Marea.h"
#include "world/Meteo.h"
#include "world/Pesci.h"

#include <cstdio>

KARVELIN_GLOBAL(8) CGioco g_Gioco;

namespace {

constexpr int kSpecies = 130;
// "A_U1".."A_U12", the birds of fresh water, are the bank's slots 8..19.
constexpr int kSlotFirstBird = 8;

// One chance: a fresh draw reduced to 0..99.
int Chance() { return plat::Random() % 100; }

// A looping ambient sound (crickets, cicadas): while its season and hour
// hold it may start or stop on a draw; outside them a playing loop stops,
// so it never sings on into a season or an hour that has no place for it.
void AmbientLoop(CSndSlot& slot, bool conditions)
{
    if (!conditions) {
        if (slot.IsSoundingInGameTime())
            slot.Stop();
        return;
    }
    if (Chance() <= 10 && !slot.IsSoundingInGameTime()) {
        slot.Play(kSoundLooping);
        return;
    }
    if (Chance() <= 30 && slot.IsSoundingInGameTime())
        slot.Stop();
}

const char* WeightSuffix() { return CConvUnita().IsMetric() ? " gr" : " lb"; }
const char* LengthSuffix() { return CConvUnita().IsMetric() ? " cm" : " ft"; }
const char* MetreSuffix() { return CConvUnita().IsMetric() ? " mt" : " ft"; }

// What the session offers the scene below it.
const SessionLink kSessionLink = {
    [] { return g_Gioco.GetState() == kSessionFishing; },
    [] { g_Gioco.ShowCatchDetails(); },
    [](int species, float weightGrams, int lengthCm) { g_Sessione.AddCatch(species, weightGrams, lengthCm); },
};

} // namespace

const char* CSpinnerMese::GetValueText() { return CCalendario::GetShortMonthName(m_value - 1); }

CGioco::CGioco() : m_state(kSessionIdle), m_lastFishOn(0), m_lastSpawn(0), m_lastClock(0), m_lastTide(0)
{
    SetSessionLink(&kSessionLink);
}

CGioco::~CGioco() { SetSessionLink(nullptr); }

void CGioco::Load(plat::Device* dev)
{
    InitScreen();
    g_Sfondo.Load(dev);
    g_Luogo.LoadVenue("", g_Opzioni.waters == 1 ? kVenueSea : kVenueLake);
    g_Sfondo.LoadVenuePicture(dev, g_Luogo.Record());
    g_CannaPesca.Init(dev, GetScreenWidth() / 2);
    g_Esca.Load(dev);
    g_Pastura.Load(dev);
    g_Pesce.Load(dev);
    g_Retino.Load(dev);
    g_GestCerchi.Load(dev);
    g_Meteo.Init(dev);
    g_Effetti.Load(dev);
    if (g_Opzioni.level < 0 || g_Opzioni.level > 2)
        g_Opzioni.level = 0;
    g_Fondale.Generate(20);

    m_panel.Create(dev);
    m_hour.Create(dev);
    m_minute.Create(dev);
    m_day.Create(dev);
    m_month.Create(dev);
    m_statusWindow.Create(dev);
    m_statusWindow.m_alpha = 0.7f;
    m_panelText.m_frameH = 14;
    m_panelText.Create(dev);
    m_smallText.m_frameH = 12;
    m_smallText.Create(dev);
    m_ok.Create(dev);
    for (CSpriteBordo& photo : m_baitPhotos)
        photo.Init(dev);
    for (CPulsante& button : m_menuButtons)
        button.Create(dev);
    m_catchList.Create(dev);
    m_resultsOk.Create(dev);
    m_save.Create(dev);
    m_ask.Create(dev);
    // Their captions are centred on the whole button.
    m_ok.m_caption.m_format |= plat::kTextCentre;
    m_resultsOk.m_caption.m_format |= plat::kTextCentre;
    m_save.m_caption.m_format |= plat::kTextCentre;

    const std::uint32_t now = plat::NowMs();
    m_lastFishOn = m_lastSpawn = m_lastClock = m_lastTide = now;
    m_state = kSessionIdle;
    m_timer[0].interval = 3000; // ambient sounds
    m_timer[1].interval = 1000; // tournament clock
    m_timer[2].interval = 1000; // bottom tick
}

void CGioco::NewSession()
{
    m_state = kSessionStartPanel;
    m_hour.SetMin(0);
    m_hour.SetMax(23);
    m_minute.SetMin(0);
    m_minute.SetMax(59);
    m_month.SetMin(1);
    m_month.SetMax(12);
    m_day.SetMin(1);
    m_day.SetMax(CCalendario::DaysInMonth(g_Calendario.GetMonth() + 1, g_Calendario.GetYear()));
    m_hour.m_wrap = m_minute.m_wrap = m_month.m_wrap = m_day.m_wrap = 1;
    SyncSpinners();
    plat::Device* dev = g_pDevice;
    static const int kSlotOfPhoto[3] = {0, 1, 2};
    for (int i = 0; i < 3; ++i) {
        const EscaRecord& bait = g_Esca.GetSlot(kSlotOfPhoto[i]);
        m_baitPhotos[i].LoadPhoto(dev, bait.folder, bait.photo, kBitmapBaitPhoto, 100, 100);
    }
    // A tournament's event fixes its own date and time.
    CSpinner* spinners[4] = {&m_hour, &m_minute, &m_day, &m_month};
    for (CSpinner* spinner : spinners) {
        if (g_Gara.IsRunning())
            spinner->Disable();
        else
            spinner->Enable();
    }
}

void CGioco::SyncSpinners()
{
    m_hour.SetValue(g_Calendario.GetHour());
    m_minute.SetValue(g_Calendario.GetMinute());
    m_month.SetValue(g_Calendario.GetMonth() + 1);
    m_day.SetValue(g_Calendario.GetDayOfMonth());
}

void CGioco::EnterFishing()
{
    m_state = kSessionFishing;
    const std::uint32_t now = plat::NowMs();
    m_lastFishOn = m_lastSpawn = m_lastClock = m_lastTide = now;
    g_Mouse.SetCursorMode(1);
    g_CannaPesca.SetLossReason(0);
}

void CGioco::ShowCatchDetails()
{
    m_state = kSessionCatchDetails;
    g_Mouse.SetCursorMode(0);
    g_CannaPesca.SetLossReason(0);
    g_Retino.Lower();
}

// A finished session stays on its results: reopening the menu or the list
// from there would let the session be ended (and counted) a second time.
void CGioco::ShowGameMenu()
{
    if (m_state == kSessionResults)
        return;
    m_state = kSessionGameMenu;
    StopSounds();
    g_Mouse.SetCursorMode(0);
    g_CannaPesca.SetLossReason(0);
    g_Retino.Lower();
}

void CGioco::ShowCatches()
{
    if (m_state == kSessionResults)
        return;
    m_state = kSessionCatchList;
    StopSounds();
    g_Mouse.SetCursorMode(0);
    g_CannaPesca.SetLossReason(0);
    g_Retino.Lower();
    FillCatchList();
}

void CGioco::EndSession()
{
    // Idle: the results were left, there is no session to end (or count) again.
    if (m_state == kSessionResults || m_state == kSessionIdle)
        return;
    m_state = kSessionResults;
    // The tournament clock can end the session while "end the session?" is
    // open; the question is void once the session is over.
    m_ask.Hide();
    StopSounds();
    g_Mouse.SetCursorMode(0);
    g_CannaPesca.SetLossReason(0);
    g_Retino.Lower();
    g_Sessione.Finish();
    FillCatchList();
    UpdateTournament();
    m_save.Enable(g_Sessione.GetCount() > 0);
    UpdateStatistics();
}

void CGioco::AskQuit()
{
    if (m_state == kSessionResults || m_state == kSessionIdle)
        return;
    const char* question = g_Gara.IsRunning()
                               ? Tr("Terminare la gara in corso?", "Do you want terminate tournament?")
                               : Tr("Terminare la sessione di pesca?", "Do you want terminate fishing session?");
    m_ask.ShowTagged(question, kAskQuit, CAskBox::kYesNo);
}

void CGioco::StopSounds() { g_SndPlayer.StopAll(); }

void CGioco::ConfirmStartPanel()
{
    g_Meteo.NewDay();
    g_Luogo.PickSeaState();
    g_Marea.Update(g_Calendario.GetDayOfYear(), g_Calendario.GetMinuteOfDay());
    EnterFishing();
    g_Sessione.Start();
}

// ---- update ---------------------------------------------------------------

void CGioco::Update()
{
    const std::uint32_t now = plat::NowMs();
    if (m_state == kSessionFishing) {
        if (g_CannaPesca.GetPhase() != 0) {
            m_lastFishOn = now;
            m_lastSpawn = now;
        }
        if (std::uint32_t(now - m_lastFishOn) > kSpawnPauseMs && std::uint32_t(now - m_lastSpawn) > kSpawnPauseMs) {
            m_lastSpawn = now;
            TrySpawnWhenIdle();
        }
        RunTimer0();
        RunTimer2();
    }
    if (std::uint32_t(now - m_lastClock) >= kClockStepMs) {
        m_lastClock = now;
        g_Calendario.AddSeconds(3);
    }
    if (std::uint32_t(now - m_lastTide) >= kTideStepMs) {
        m_lastTide = now;
        g_Marea.Update(g_Calendario.GetDayOfYear(), g_Calendario.GetMinuteOfDay());
    }
    RunTimer1();
    g_Pastura.RunTimer0();
}

void CGioco::TrySpawnWhenIdle()
{
    if (g_CannaPesca.GetPhase() == 0)
        TrySpawnFish();
}

int CGioco::TrySpawnFish()
{
    const int r = plat::Random() % 10000;
    const bool lure = g_CannaPesca.IsSpinningRig();
    const int gate = g_Opzioni.GetLevelValueC();
    if (Chance() > gate)
        return -1;
    if (!g_Fondale.CanSpawnAtRig())
        return -1;

    const LuogoRecord& venue = g_Luogo.Record();
    std::int32_t factor[kSpecies];
    std::int32_t weight[kSpecies];
    std::int32_t total = 0;
    for (int s = 0; s < kSpecies; ++s) {
        const std::int32_t g = g_Pastura.AttractsAtRig(s) ? 2 : 1;
        const std::int32_t m = lure && g_Pesci.TakesSpinningLure(unsigned(s)) ? 2 : 1;
        std::int32_t w = venue.presence[s];
        w = w < 0 ? 0 : (w > 100 ? 100 : w);
        factor[s] = g * m;
        weight[s] = w;
        total += g * w * m;
    }
    if (total <= 0)
        return -1;
    const float scale = 10000.0f / float(total);
    std::int32_t running = 0;
    int species = -1;
    for (int s = 0; s < kSpecies; ++s) {
        // Species of the other water still count in the total above, so their
        // share of the draws yields no fish.
        if (!g_Pesci.LivesInVenueType(unsigned(s), venue.TIPO))
            continue;
        running += std::int32_t(float(factor[s] * weight[s]) * scale);
        if (r < running && weight[s] != 0) {
            species = s;
            break;
        }
    }
    if (species < 0)
        return -1;
    g_CannaPesca.TryBite(g_Pesci.GetRecord(unsigned(species)));
    return species;
}

void CGioco::OnTimer0()
{
    const LuogoRecord& venue = g_Luogo.Record();
    const int month = g_Calendario.GetMonth();
    const int phase = g_Calendario.GetDayPhase();
    const bool night = phase == kPhaseNight;
    const int weather = g_Meteo.GetState();
    CSndPlayer& bank = g_SndPlayer;

    if (venue.TIPO == 0 || venue.TIPO == 1) {
        int c = month <= 1 ? 40 : (month >= 9 ? 70 : 100);
        if (phase == kPhaseSunset)
            c -= 25;
        if (venue.GEOGRAFIA == 0)
            c = 15;
        if (weather == kWeatherRain)
            c = 10;
        else if (weather == kWeatherSnow)
            c = 8;
        else if (weather == kWeatherFog)
            c = 3;
        if (night)
            c = 1;
        if (Chance() <= c) {
            const int k = plat::Random() % 15;
            if (k <= 11)
                bank.Slot(kSlotFirstBird + k).Play();
            else if (k == 13 && venue.GEOGRAFIA != 0)
                bank.aAnatra.Play();
            else if (k == 14)
                bank.aCorvo.Play();
        }
        AmbientLoop(bank.aGrillo, night && month >= 2 && month <= 8);
        AmbientLoop(bank.aCicale, !night && month >= 6 && month <= 8 && weather == kWeatherClear);
    } else if (venue.TIPO == 2 && !night) {
        int c;
        if (month <= 1)
            c = 5;
        else if (month >= 9 || weather != kWeatherClear)
            c = 8;
        else
            c = 12;
        if (Chance() <= c && !bank.aGabbiano.IsSoundingInGameTime())
            bank.aGabbiano.Play();
        if (Chance() <= 3) {
            if (Chance() > 50)
                bank.nave1.Play();
            else
                bank.nave2.Play();
        }
    }

    if (weather == kWeatherCloudy || weather == kWeatherRain) {
        static const int kThunder[4] = {3, 7, 11, 15};
        const int wind = g_Meteo.GetWind();
        const int c = wind >= 1 && wind <= 3 ? kThunder[wind] : 3;
        if (Chance() <= c && !bank.temporale1.IsSoundingInGameTime() && !bank.temporale2.IsSoundingInGameTime()) {
            if (Chance() > 50)
                bank.temporale1.Play();
            else
                bank.temporale2.Play();
        }
    }
}

// The tournament clock, polled once a second here and by the frame while
// another screen is current. A fight or the catch details hold the end until
// they are over; the counter keeps going below 0 meanwhile.
void CGioco::OnTimer1()
{
    if (g_Gara.m_running != 1)
        return;
    g_Gara.m_remainingSeconds -= 1;
    if (g_CannaPesca.GetPhase() != 2 && m_state != kSessionCatchDetails && g_Gara.m_remainingSeconds < 1)
        EndSession();
}

// The bottom's fish cells drift one at a time while fishing.
void CGioco::OnTimer2() { g_Fondale.MoveFishCell(); }

void CGioco::UpdateTournament()
{
    if (g_Gara.m_running != 1)
        return;
    const int count = g_Sessione.GetCount();
    g_Gara.SetPlayerResult(CGara::MakeScore(count, int(g_Sessione.m_totalWeight)), count, g_Sessione.m_totalWeight,
                           g_Sessione.m_biggestWeight, g_Sessione.m_longestLength);
    g_Gara.SimulateCompetitors();
}

void CGioco::UpdateStatistics()
{
    CStatistiche& stats = g_Statistiche;
    stats.AddSession(float(g_Sessione.m_minutes), g_Sessione.m_totalWeight, g_Sessione.GetCount());
    for (int i = 0; i < g_Sessione.GetCount(); ++i) {
        const CatchEntry& entry = g_Sessione.GetCatch(i);
        stats.AddCatch(entry.speciesId, g_Pesci.GetName(unsigned(entry.speciesId)), entry.weight);
    }
    if (g_Gara.m_running == 1) {
        CStatistiche::AddToCounter(stats.m_tournaments);
        const int event = g_Gara.m_currentEvent;
        switch (g_Gara.GetPlace(event)) {
        case 1: CStatistiche::AddToCounter(stats.m_firsts); break;
        case 2: CStatistiche::AddToCounter(stats.m_seconds); break;
        case 3: CStatistiche::AddToCounter(stats.m_thirds); break;
        default: break;
        }
        if (event >= 0 && event < CGara::kEvents && g_Gara.m_playerResults[event].count == 0)
            CStatistiche::AddToCounter(stats.m_tournamentsWithoutCatch);
    }
    // The file is replaced whole or not at all: on a failure (a full disk)
    // the record on disk is the one from before this session, and the
    // player is told so over the results.
    if (!stats.Save())
        m_ask.ShowTagged(Tr("Impossibile salvare le statistiche: il file su disco \xE8 rimasto com'era, senza "
                            "questa sessione.",
                            "The statistics could not be saved: the file on disk was kept as it was, without this "
                            "session."),
                         kAskStatisticsFailed, CAskBox::kOkAlone);
}

// ---- drawing --------------------------------------------------------------

void CGioco::Render(plat::Device* dev)
{
    g_Sfondo.Render(dev);
    g_Meteo.Draw(dev);
    if (m_state != kSessionResults)
        RenderHud(dev);
    g_GestCerchi.Render(dev);
    g_Effetti.Render(dev);
    g_CannaPesca.Render(dev, float(g_Sfondo.m_ripplePhase));

    switch (m_state) {
    case kSessionStartPanel: {
        m_panel.DrawTitled(dev, 250, 100, 300, 300, Tr("Inizio pesca", "Start fishing"));
        m_panelText.DrawJoined(dev, Tr("Luogo: ", "Venue: "), g_Luogo.Record().name, 285, 135);
        m_hour.DrawLabelled(dev, 325, 165, 50, Tr("Ora: ", "Hour: "));
        m_minute.DrawLabelled(dev, 325, 190, 50, Tr("Minuti: ", "Minute: "));
        char phase[64];
        std::snprintf(phase, sizeof phase, "(%s)", CCalendario::GetPhaseName(g_Calendario.GetDayPhase()));
        m_panelText.DrawAt(dev, phase, 425, 180);
        m_day.DrawLabelled(dev, 325, 225, 50, Tr("Giorno: ", "Day: "));
        m_month.DrawLabelled(dev, 325, 250, 50, Tr("Mese: ", "Month: "));
        RenderBaits(dev, 325, 280);
        m_ok.DrawCaption(dev, 335, 340, "OK");
        const std::uint32_t format = m_smallText.m_format;
        m_smallText.m_relative = 1;
        m_smallText.m_format = format | plat::kTextWordBreak;
        m_smallText.Draw(dev,
                         Tr("Durante il gioco premere F1 per la lista dei comandi", "Press F1 to view the help"),
                         250, 380, 300, 30);
        m_smallText.m_format = format;
        break;
    }
    case kSessionCatchDetails: {
        m_panel.DrawTitled(dev, 200, 100, 400, 250, Tr("Dettagli pesce", "Details"));
        m_statusWindow.SetRelative(1);
        m_statusWindow.Draw(dev, 400, 140, 185, 125);
        // The fish just landed is still the one on the line.
        const CConvUnita units;
        char line[160];
        m_panelText.DrawJoined(dev, Tr("Pesce: ", "Fish: "), g_Pesce.m_species.name, 410, 170);
        std::snprintf(line, sizeof line, "%s%s", units.FormatLengthCm(float(g_Pesce.m_length)), LengthSuffix());
        m_panelText.DrawJoined(dev, Tr("Lunghezza: ", "Length: "), line, 410, 190);
        std::snprintf(line, sizeof line, "%s%s", units.FormatWeightGrams(g_Pesce.m_weight), WeightSuffix());
        m_panelText.DrawJoined(dev, Tr("Peso: ", "Weight: "), line, 410, 210);
        g_Pesci.Photo().DrawAt(dev, 210, 140);
        m_ok.DrawCaption(dev, 335, 300, "OK");
        break;
    }
    case kSessionGameMenu: {
        m_panel.DrawTitled(dev, 300, 75, 205, 270, Tr("Menu gioco", "Game menu"));
        m_menuButtons[kMenuCatches].DrawCaption(dev, 335, 110, Tr("Pesci catturati", "Caught fishes"));
        m_menuButtons[kMenuTackleBox].DrawCaption(dev, 335, 145, Tr("Configura", "Tackle box"));
        m_menuButtons[kMenuBaits].DrawCaption(dev, 335, 180, Tr("Esche/Pastura", "Baits/Groundbaits"));
        m_menuButtons[kMenuFishes].DrawCaption(dev, 335, 215, Tr("Pesci", "Fishes"));
        m_menuButtons[kMenuVenues].DrawCaption(dev, 335, 250, Tr("Luogo", "Venues"));
        m_menuButtons[kMenuBackToFishing].DrawCaption(dev, 335, 300, Tr("Pesca", "Start fishing"));
        break;
    }
    case kSessionCatchList:
    case kSessionResults: {
        const bool results = m_state == kSessionResults;
        m_panel.m_alpha = 0.9f;
        char title[128];
        std::snprintf(title, sizeof title, "%s %s",
                      results ? Tr("Fine gioco: risultati", "End game: results") : Tr("Pesci presi", "Fishes"),
                      g_Sessione.m_player);
        m_panel.DrawTitled(dev, 30, 15, 740, 510, title);
        m_catchList.DrawTitled(dev, 50, 50, 680, 300, Tr("Pesci presi", "Fishes"));
        const CConvUnita units;
        char line[256];
        m_panelText.DrawWithInt(dev, Tr("Numero totale di pesci: ", "Total fishes: "), g_Sessione.GetCount(), 70,
                                360);
        std::snprintf(line, sizeof line, "%s%s", units.FormatWeightGrams(g_Sessione.m_totalWeight), WeightSuffix());
        m_panelText.DrawJoined(dev, Tr("Peso totale dei pesci: ", "Total fishes weight: "), line, 70, 375);
        std::snprintf(line, sizeof line, "%s%s", units.FormatWeightGrams(g_Sessione.m_biggestWeight),
                      WeightSuffix());
        m_panelText.DrawJoined(dev, Tr("Peso maggiore: ", "Greater weight: "), line, 70, 390);
        std::snprintf(line, sizeof line, "%s%s", units.FormatLengthCm(float(g_Sessione.m_longestLength)),
                      LengthSuffix());
        m_panelText.DrawJoined(dev, Tr("Lunghezza maggiore: ", "Greater length: "), line, 70, 405);
        m_panelText.DrawJoined(dev, Tr("Luogo: ", "Venue: "), g_Sessione.m_venue, 70, 420);
        m_panelText.DrawJoined(dev, Tr("Data: ", "Date: "), g_Sessione.m_date, 70, 435);
        std::snprintf(line, sizeof line, "%s - %s", g_Sessione.m_startTime, results ? g_Sessione.m_endTime : "##:##");
        m_panelText.DrawJoined(dev, Tr("Orario inizio - fine: ", "Time: "), line, 70, 450);
        if (results) {
            m_resultsOk.DrawCaption(dev, 260, 480, "OK");
            m_save.DrawCaption(dev, 410, 480, Tr("Salva", "Save"));
        } else {
            m_menuButtons[kMenuBackToFishing].DrawCaption(dev, 335, 480, Tr("Pesca", "Start fishing"));
        }
        break;
    }
    default: break;
    }

    m_ask.Draw(dev);
}

int CGioco::HudColumn(int column, int viewportW)
{
    switch (column) {
    case 0: return 15;
    case 1: return int(float(viewportW) / 6.4f);
    case 2: return int(float(viewportW) / 3.07f);
    case 3: return int(float(viewportW) / 1.56f);
    default: return int(float(viewportW) / 1.23f);
    }
}

void CGioco::RenderHud(plat::Device* dev)
{
    const int w = g_nViewportW;
    const int x1 = HudColumn(0, w), x2 = HudColumn(1, w), x3 = HudColumn(2, w), x4 = HudColumn(3, w),
              x5 = HudColumn(4, w);
    const int y1 = 10, y2 = 22, y3 = 34;
    // The bar sits against the back buffer's corner, not the centred layout.
    m_statusWindow.SetRelative(0);
    m_statusWindow.Draw(dev, 10, 5, w - 10, 50);
    m_smallText.m_relative = 0;

    char text[64];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d", g_Calendario.GetDayOfMonth(), g_Calendario.GetMonth() + 1,
                  g_Calendario.GetYear() % 100);
    m_smallText.DrawJoined(dev, Tr("Data: ", "Date: "), text, x1, y1);
    std::snprintf(text, sizeof text, "%d:%02d", g_Calendario.GetHour(), g_Calendario.GetMinute());
    m_smallText.DrawJoined(dev, Tr("Ora: ", "Time: "), text, x1, y2);

    const CConvUnita units;
    const bool fishOn = g_CannaPesca.GetPhase() == 2;
    const int bottom = int(g_CannaPesca.GetBottomDepth());
    std::snprintf(text, sizeof text, "%s%s", units.FormatLengthM(float(bottom < 0 ? 0 : bottom)), MetreSuffix());
    m_smallText.DrawJoined(dev, Tr("Profondit\xE0: ", "Depth: "), text, x2, y1);
    if (fishOn) {
        m_smallText.DrawAt(dev, Tr("Profondit\xE0 amo: ", "Hook depth: "), x2, y2);
    } else {
        int rig = int(g_CannaPesca.m_sinkDepth);
        rig = rig < 0 ? 0 : (rig > bottom ? bottom : rig);
        std::snprintf(text, sizeof text, "%s%s", units.FormatLengthM(float(rig < 0 ? 0 : rig)), MetreSuffix());
        m_smallText.DrawJoined(dev, Tr("Profondit\xE0 amo: ", "Hook depth: "), text, x2, y2);
    }
    std::snprintf(text, sizeof text, "%s%s", units.FormatLengthM(g_CannaPesca.m_lenza.m_length), MetreSuffix());
    m_smallText.DrawJoined(dev, Tr("Lunghezza lenza: ", "Line length: "), text, x2, y3);
    if (!fishOn)
        m_smallText.DrawJoined(dev, Tr("Causa Fuga: ", "Escape cause: "), g_CannaPesca.GetLossReasonText(), x3, y1);
    if (g_Gara.IsRunning()) {
        char remaining[16];
        g_Gara.FormatRemaining(remaining);
        m_smallText.DrawJoined(dev, Tr("Tempo gara rimanente: ", "Tournament time: "), remaining, x3, y2);
    }

    if (g_Luogo.Record().TIPO == 2) {
        m_smallText.DrawJoined(dev, Tr("Mare: ", "Sea: "), g_Luogo.GetSeaStateName(), x4, y1);
        m_smallText.DrawJoined(dev, Tr("Marea: ", "Tide: "), g_Marea.GetTideName(), x4, y2);
        m_smallText.DrawJoined(dev, Tr("Luna: ", "Moon: "), g_Marea.GetMoonPhaseName(), x4, y3);
    }

    const int temperature = g_Opzioni.weather == 3 ? 0 : g_Calendario.GetAirTemperature(g_Luogo.Record().GEOGRAFIA);
    std::snprintf(text, sizeof text, "%d \xB0", temperature);
    m_smallText.DrawJoined(dev, Tr("Temperatura: ", "Temperature: "), text, x5, y1);
    m_smallText.DrawJoined(dev, Tr("Vento: ", "Wind: "), g_Meteo.GetWindText(), x5, y2);

    g_Meteo.DrawIcon(dev);
}

void CGioco::RenderBaits(plat::Device* dev, int x, int y)
{
    m_panelText.DrawAt(dev, Tr("Esche: ", "Baits: "), x - 40, y + 12);
    // Photo 0 is the leader's bait, 1 the first dropper's, 2 the second's.
    const CFinale* terminals[3] = {&g_CannaPesca.m_lenza.m_leader, &g_CannaPesca.m_lenza.m_droppers[0],
                                   &g_CannaPesca.m_lenza.m_droppers[1]};
    static const int kPhotoOfTerminal[3] = {2, 1, 0};
    int at = x;
    for (int i = 0; i < 3; ++i) {
        if (!terminals[i]->m_inUse)
            continue;
        CSpriteBordo& photo = m_baitPhotos[kPhotoOfTerminal[i]];
        photo.m_scale = 0.4f;
        photo.DrawAt(dev, at, y);
        at += 50;
    }
}

void CGioco::FillCatchList()
{
    m_catchList.Clear();
    m_catchList.m_active = 0;
    m_catchList.m_showCol1 = 1;
    m_catchList.m_showCol2 = 1;
    g_Sessione.ListCatches(m_catchList);
}

void CGioco::OnLostDevice()
{
    m_panel.OnLostDevice();
    m_panelText.OnLostDevice();
    m_statusWindow.OnLostDevice();
    m_smallText.OnLostDevice();
    m_hour.OnLostDevice();
    m_minute.OnLostDevice();
    m_day.OnLostDevice();
    m_month.OnLostDevice();
    m_ok.OnLostDevice();
    for (CSpriteBordo& photo : m_baitPhotos)
        photo.OnLostDevice();
    for (CPulsante& button : m_menuButtons)
        button.OnLostDevice();
    m_catchList.OnLostDevice();
    m_resultsOk.OnLostDevice();
    m_save.OnLostDevice();
    m_ask.OnLostDevice();
}

void CGioco::OnResetDevice(plat::Device* dev)
{
    m_panel.OnResetDevice(dev);
    m_panelText.OnResetDevice(dev);
    m_statusWindow.OnResetDevice(dev);
    m_smallText.OnResetDevice(dev);
    m_hour.OnResetDevice(dev);
    m_minute.OnResetDevice(dev);
    m_day.OnResetDevice(dev);
    m_month.OnResetDevice(dev);
    m_ok.OnResetDevice(dev);
    for (CSpriteBordo& photo : m_baitPhotos)
        photo.OnResetDevice(dev);
    for (CPulsante& button : m_menuButtons)
        button.OnResetDevice(dev);
    m_catchList.OnResetDevice(dev);
    m_resultsOk.OnResetDevice(dev);
    m_save.OnResetDevice(dev);
    m_ask.OnResetDevice(dev);
}

// ---- input ----------------------------------------------------------------

void CGioco::OnMouseDown()
{
    if (m_ask.IsShown()) {
        m_ask.OnMouseDown();
        return;
    }
    switch (m_state) {
    case kSessionStartPanel:
        m_hour.OnMouseDown();
        m_minute.OnMouseDown();
        m_month.OnMouseDown();
        m_day.OnMouseDown();
        m_ok.OnMouseDown();
        break;
    case kSessionGameMenu:
        for (CPulsante& button : m_menuButtons)
            button.OnMouseDown();
        break;
    case kSessionResults:
        m_resultsOk.OnMouseDown();
        m_save.OnMouseDown();
        m_catchList.OnMouseDown();
        break;
    case kSessionCatchList: m_menuButtons[kMenuBackToFishing].OnMouseDown(); break;
    case kSessionCatchDetails: m_ok.OnMouseDown(); break;
    default: break;
    }
    if (m_state == kSessionFishing && g_CannaPesca.GetPhase() != 2 && g_CannaPesca.CanCast())
        g_CannaPesca.Cast();
}

void CGioco::OnMouseUp()
{
    if (m_ask.IsShown()) {
        if (!m_ask.OnMouseUp())
            return;
        if (m_ask.GetTag() == kAskQuit) {
            if (m_ask.GetResult() == CAskBox::kFirst)
                EndSession();
            else
                ResumeFishing();
        }
        // A failed save's notice only closes: the results stay up with Save
        // still enabled.
        return;
    }

    if (m_state == kSessionStartPanel) {
        if (m_hour.OnMouseUp()) {
            g_Calendario.SetHour(m_hour.GetValue());
            g_Calendario.Normalise();
        }
        if (m_minute.OnMouseUp()) {
            g_Calendario.SetMinute(m_minute.GetValue());
            g_Calendario.Normalise();
        }
        if (m_day.OnMouseUp()) {
            g_Calendario.SetDayOfMonth(m_day.GetValue());
            g_Calendario.Normalise();
        }
        if (m_month.OnMouseUp()) {
            g_Calendario.SetMonth(m_month.GetValue() - 1);
            g_Calendario.Normalise();
            m_day.SetMax(CCalendario::DaysInMonth(g_Calendario.GetMonth() + 1, g_Calendario.GetYear()));
        }
        if (m_ok.OnMouseUp())
            ConfirmStartPanel();
        SyncSpinners();
    }
    if (m_state == kSessionGameMenu) {
        if (m_menuButtons[kMenuCatches].OnMouseUp())
            ShowCatches();
        else if (m_menuButtons[kMenuTackleBox].OnMouseUp())
            SwitchToScreen(kScreenTackleBox); // the switch puts the rig into the tackle box
        else if (m_menuButtons[kMenuBaits].OnMouseUp())
            SwitchToScreen(kScreenBaits);
        else if (m_menuButtons[kMenuVenues].OnMouseUp())
            SwitchToScreen(kScreenVenues);
        else if (m_menuButtons[kMenuFishes].OnMouseUp())
            SwitchToScreen(kScreenFishes);
        else if (m_menuButtons[kMenuBackToFishing].OnMouseUp())
            ResumeFishing();
        return;
    }
    if (m_state == kSessionResults) {
        if (m_resultsOk.OnMouseUp()) {
            // The results were seen: the session is over, and a later "Back"
            // from another screen must not lead here again.
            m_state = kSessionIdle;
            ReturnFromScreen(false);
        } else if (m_save.OnMouseUp()) {
            // A log is saved at most once, and only a log on disk counts as saved.
            if (g_Sessione.SaveNew())
                m_save.Enable(false);
            else
                m_ask.ShowTagged(Tr("Impossibile salvare il registro delle catture.",
                                    "The catch log could not be saved."),
                                 kAskSaveFailed, CAskBox::kOkAlone);
        }
        m_catchList.OnMouseUp();
        return;
    }
    if (m_state == kSessionCatchList) {
        if (m_menuButtons[kMenuBackToFishing].OnMouseUp())
            ResumeFishing();
        return;
    }
    if (m_state == kSessionCatchDetails && m_ok.OnMouseUp())
        EnterFishing();
}

// The reel winds while the right button is held.
void CGioco::OnRightDown()
{
    if (m_state != kSessionFishing || m_ask.IsShown())
        return;
    g_CannaPesca.m_mulinello.m_retrieving = 1;
    g_CannaPesca.m_mulinello.m_ticks = 0;
}

void CGioco::OnRightUp()
{
    if (m_state != kSessionFishing)
        return;
    g_CannaPesca.m_mulinello.m_retrieving = 0;
    g_CannaPesca.m_mulinello.m_ticks = 0;
}

float CGioco::TipAngleOf(int mouseY, int viewportH, int divisor, bool inverted)
{
    const int sy = divisor * (viewportH / 4);
    if (sy <= 0)
        return 0.0f;
    int v = mouseY - (viewportH - sy) / 2;
    v = v < 0 ? 0 : (v > sy ? sy : v);
    const int value = inverted ? v : sy - v;
    return float(value) * 90.0f / float(sy);
}

float CGioco::AimAngleOf(int mouseX, int viewportW, int divisor)
{
    const int sx = divisor * (viewportW / 4);
    if (sx <= 0)
        return 0.0f;
    int u = mouseX - (viewportW - sx) / 2;
    u = u < 0 ? 0 : (u > sx ? sx : u);
    return float(sx - u) * 180.0f / float(sx);
}

void CGioco::OnMouseMove()
{
    if (m_state != kSessionFishing || m_ask.IsShown())
        return;
    const int d = g_Opzioni.GetMouseDivisor();
    g_CannaPesca.m_canna.SetAngle(TipAngleOf(g_Mouse.GetY(), g_nViewportH, d, g_Opzioni.verticalInverted == 1));
    // Moving the mouse with a fish on is the strike.
    if (g_CannaPesca.GetPhase() == 2)
        g_CannaPesca.m_strike = 1;
    g_CannaPesca.m_canna.m_sideAngle = AimAngleOf(g_Mouse.GetX(), g_nViewportW, d);
}

void CGioco::ThrowGroundbait()
{
    if (m_state != kSessionFishing || m_ask.IsShown())
        return;
    g_Pastura.Throw(g_CannaPesca.m_galleggiante.GetX(), g_CannaPesca.m_galleggiante.GetY());
}

// The key cast skips only the reel test: it never throws away a fish on the
// line, and does nothing outside fishing or behind a question.
void CGioco::CastByKey()
{
    if (m_state != kSessionFishing || m_ask.IsShown() || g_CannaPesca.GetPhase() == 2)
        return;
    g_CannaPesca.Cast();
}
