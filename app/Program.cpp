#include "app/Program.h"

#include "app/AppFish.h"
#include "app/WndProc.h"
#include "platform/Audio.h"
#include "platform/Clock.h"
#include "platform/Dialog.h"
#include "platform/FolderLock.h"
#include "platform/Image.h"
#include "platform/Locale.h"
#include "platform/Resources.h"
#include "platform/Window.h"
#include "screens/MenuEsche.h"
#include "shell/GestFile.h"
#include "shell/Mouse.h"
#include "shell/Opzioni.h"
#include "shell/SoundPlayer.h"
#include "shell/Utility.h"
#include "screens/MenuConfigura.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Esca.h"
#include "simulation/session/Statistiche.h"

const char* const kBuiltInVenueNames[40] = {
    "Arno",      "Badia00",   "Badia01",     "Badia02",      "Badia03",   "Bari",      "Bellano01", "Bellano02",
    "Catania",   "Como",      "Elba",        "Genova01",     "Genova02",  "IgeaMarina01", "IgeaMarina02", "Ischia",
    "Iseo01",    "Iseo02",    "LagoPalu",    "Lambro01",     "Lambro02",  "Lambro03",  "Lambro04",  "Livigno01",
    "Livigno02", "Livigno03", "Mare01",      "Mare02",       "Mare03",    "Mare04",    "Mare05",    "po01",
    "po02",      "po03",      "Portofino",   "Salerno",      "Segrino01", "Segrino02", "Segrino03", "ValDiMello",
};

namespace {

constexpr int kIconId = 107;
constexpr int kOldVenueFilesBuild = 190730;

struct Resolution {
    int width, height;
};
constexpr Resolution kResolutions[] = {{800, 600},  {1024, 768}, {1280, 720},  {1280, 768},
                                       {1280, 800}, {1360, 768}, {1366, 768}, {1440, 900}};

// Without a window the game cannot be played: the player learns why on the
// terminal (there is no screen to show a box on), in the game's words, then
// the window system's, then what to do about it.
void ReportNoWindow(bool italian)
{
    plat::ShowMessage(italian ? "Errore Inizializzazione" : "Initialization Error",
                      italian ? "Errore durante l'inizializzazione dell'applicazione!"
                              : "Error initializing the application!",
                      plat::MessageIcon::Stop);
    DebugOut(("karvelin: " + plat::WindowSystemError()).c_str());
    DebugOut(italian ? "karvelin: avvia il gioco da una sessione desktop (X11 o Wayland)."
                     : "karvelin: start the game from a desktop session (X11 or Wayland).");
}

// Two games on one data folder would each write back the statistics they
// read at start-up, and the later one would lose the other's session: only
// one runs. A second one says so and ends before it writes anything. Where
// no lock can be made at all (a read-only folder, which nothing can be
// saved to anyway) the game runs, with a line in the error log.
bool TakeDataFolder()
{
    const char* folder = g_GestFile.GetUserFolder();
    if (!folder || !*folder)
        return true;
    switch (plat::LockFolder(folder, kDataFolderLockName)) {
    case plat::FolderLockResult::Taken: return true;
    case plat::FolderLockResult::Unavailable:
        LogError("norva", Concat2("The data folder could not be locked: ", folder), __LINE__);
        return true;
    case plat::FolderLockResult::HeldByOther: break;
    }
    // The settings are read for the language alone; nothing is written.
    bool italian = plat::UserLanguageId() == plat::kLangItalian;
    if (g_GestFile.FileExistsIn(folder, "Karvelin.ini")) {
        g_Opzioni.Load();
        italian = IsItalian();
    }
    const std::string where = plat::Utf8ToCp1252(folder);
    plat::ShowMessage(italian ? "Karvelin gi\xE0 avviato" : "Karvelin already running",
                      italian ? "Un'altra partita di Karvelin sta usando la cartella dei dati\n" + where +
                                    "\nChiudila prima di avviarne una nuova."
                              : "Another Karvelin game is using the data folder\n" + where +
                                    "\nClose it before starting a new one.",
                      plat::MessageIcon::Stop);
    return false;
}

} // namespace

void ApplyResolutionSetting()
{
    int r = g_Opzioni.resolution;
    if (r == -1) {
        int w = 0, h = 0;
        if (plat::GetDesktopSize(w, h)) {
            g_nScreenW = w;
            g_nScreenH = h;
            return;
        }
        r = 0;
    }
    if (r < 0 || r > 7)
        r = 0;
    g_nScreenW = kResolutions[r].width;
    g_nScreenH = kResolutions[r].height;
}

void DeleteVenueFiles(const char* extension)
{
    const char* folder = g_GestFile.GetDataSubfolder(CGestFile::D_LUOGHI);
    for (const char* name : kBuiltInVenueNames)
        g_GestFile.delFile(folder, name, extension);
}

void UpgradeSettings()
{
    if (g_Opzioni.build == kBuildNumber)
        return;
    if (g_Opzioni.build < kOldVenueFilesBuild) {
        DeleteVenueFiles("kvl");
        DeleteVenueFiles("jpg");
    }
    g_Opzioni.build = kBuildNumber;
    // No tackle is loaded yet: the configuration name and the bait ids are
    // written back as they were read.
    g_Opzioni.Save();
}

bool ResetVideoSettings()
{
    g_Opzioni.Load();
    g_Opzioni.fullScreen = 0;
    g_Opzioni.resolution = 0;
    return g_Opzioni.Save();
}

void InitApplication()
{
    g_pApp = new CAppFish;
    plat::NativeWindow* window = plat::MainWindow();
    int status = g_Opzioni.fullScreen == 1 ? g_pApp->CreateDeviceFullScreen(window)
                                           : g_pApp->CreateDeviceWindowed(window);
    if (status != 0) {
        // The next start comes up windowed at 800 x 600.
        ResetVideoSettings();
        FatalError(Tr("Errore Inizializzazione", "Initialization Error"),
                   Tr("Errore durante l'inizializzazione dell'applicazione!", "Error initializing the application!"));
    }
    // From here on the settings write the configuration name and the bait
    // ids from the tackle itself, so the start-up load below records the
    // rig's own name ("" when the load fails).
    g_Opzioni.SetTackleSource(TackleSettingsSource);
    if (g_Opzioni.use3D != 0 && g_pApp->CheckCaps3D() == 0)
        g_pApp->SetupScene3D();
    // The sound device opens while the pictures load.
    plat::BeginOpenAudio();
    g_pApp->LoadAll();

    g_SndPlayer.Init();
    g_SndPlayer.StopAll();
    g_SndPlayer.SetAllEnabled(g_Opzioni.sounds == 1);

    g_Mouse.LoadCursors();
    g_Mouse.SetCursorMode(0);

    // The configuration named in the settings, then the three baits in use;
    // the baits screen's list follows them (the leader's bait, chosen last,
    // is the row it opens on). A copy: the load writes the settings' own
    // field back.
    const std::string line = g_Opzioni.line;
    g_CannaPesca.LoadConfiguration(line.c_str());
    g_MenuConfigura.SyncFromRig();
    g_Esca.SelectFromSettings(g_pApp->GetDevice(), &g_MenuEsche.m_baits);
}

void DestroyApplication()
{
    if (g_pApp) {
        delete g_pApp;
        g_pApp = nullptr;
    }
}

int StartProgram()
{
    // Game time starts where the wall clock stands, so the bottoms and fish
    // seeded from it differ from one start to the next; from here on only
    // game frames move it.
    plat::SetGameClock(plat::WallMs());
    // The window system stands in for the window class.
    if (!plat::InitWindowSystem()) {
        // The settings are not read yet: the language is the user's own.
        ReportNoWindow(plat::UserLanguageId() == plat::kLangItalian);
        return kExitWindowFailure;
    }

    g_GestFile.Init();
    if (!TakeDataFolder()) {
        plat::QuitWindowSystem();
        return kExitDataFolderInUse;
    }

    if (!g_GestFile.FileExistsIn(g_GestFile.GetUserFolder(), "Karvelin.ini")) {
        g_Opzioni.language = 0;
        if (plat::UserLanguageId() == plat::kLangItalian)
            g_Opzioni.language = 1;
        g_Opzioni.Save();
        g_GestFile.CopyLineFiles();
    }
    g_Opzioni.Load();
    UpgradeSettings();

    // A missing or damaged record starts empty; the player is not told.
    g_Statistiche.Load();

    ApplyResolutionSetting();

    plat::Image icon;
    const plat::Image* iconPtr = nullptr;
    if (const plat::Resource* res = plat::FindResource(plat::ResourceKind::Icon, kIconId))
        if (plat::DecodeImage(res->data, res->size, icon))
            iconPtr = &icon;
    const char* title = Tr("Karvelin - Simulatore di pesca", "Karvelin - Fishing simulator");
    if (!plat::CreateMainWindow(title, g_nScreenW, g_nScreenH, g_Opzioni.fullScreen == 1, iconPtr)) {
        LogError("norva", "CreateWindowEx() error!", 170);
        ReportNoWindow(IsItalian());
        plat::QuitWindowSystem();
        return kExitWindowFailure;
    }

    InitApplication();
    return 0;
}

CFramePacer::Decision CFramePacer::Next(std::uint32_t now, int framesPerShown)
{
    if (!m_started) {
        m_started = true;
        m_due = now;
    }
    // The clock wraps: how late the next frame is, by unsigned difference;
    // a difference past half the range means it is not due yet.
    std::uint32_t late = now - m_due;
    if (late >= 0x80000000u)
        return {FrameAction::Wait, m_due - now};
    if (late > kStallMs) {
        m_due = now;
        late = 0;
    }
    const std::uint32_t due = late / kFrameIntervalMs + 1; // this one included
    m_due += kFrameIntervalMs;
    const bool held = m_sinceShown + 1 < framesPerShown;
    if ((due > 1 || held) && m_sinceShown + 1 < kMaxFramesPerShown) {
        ++m_sinceShown;
        return {FrameAction::Step, 0};
    }
    if (due > 1) // the cap: the rest of the backlog is not played
        m_due = now + kFrameIntervalMs;
    m_sinceShown = 0;
    return {FrameAction::Present, 0};
}

namespace {
PresentedFrameHook g_presentedFrameHook;
} // namespace

void SetPresentedFrameHook(PresentedFrameHook hook) { g_presentedFrameHook = std::move(hook); }

bool RunMessageLoopTurn(int& exitCode, CFramePacer* pacer)
{
    plat::WindowMessage m;
    if (plat::PeekWindowMessage(m)) {
        if (m.kind == plat::MessageKind::Quit) {
            exitCode = m.code;
            return false;
        }
        WndProc(m);
        return true;
    }
    if (!g_pApp) {
        if (pacer)
            plat::WaitWindowMessage(kFrameIntervalMs);
        return true;
    }
    const CFramePacer::Decision next =
        pacer ? pacer->Next(plat::WallMs(), g_pApp->FramesPerShown()) : CFramePacer::Decision{FrameAction::Present, 0};
    if (next.action == FrameAction::Wait) {
        plat::WaitWindowMessage(next.waitMs);
        return true;
    }
    if (next.action == FrameAction::Step) {
        g_pApp->Step();
        return true;
    }
    g_pApp->Render();
    if (g_presentedFrameHook)
        g_presentedFrameHook();
    return true;
}

int RunMessageLoop()
{
    CFramePacer pacer;
    int code = 0;
    while (RunMessageLoopTurn(code, &pacer)) {
    }
    return code;
}

void ShutDownProgram()
{
    DestroyApplication();
    g_Mouse.FreeCursors();
    plat::QuitWindowSystem();
    plat::UnlockFolder();
}

int KarvelinMain()
{
    int status = StartProgram();
    if (status != 0)
        return status;
    int code = RunMessageLoop();
    ShutDownProgram();
    return code;
}
