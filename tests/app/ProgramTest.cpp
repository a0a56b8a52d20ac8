// Start-up, first run, settings upgrade, loading frames and quitting.
#include "app/Program.h"
#include "platform/Dialog.h"
#include "platform/FolderLock.h"
#include "platform/Locale.h"
#include "platform/QuietStderr.h"
#include "platform/Window.h"
#include "shell/GestFile.h"
#include "shell/Graphics.h"
#include "shell/Opzioni.h"
#include "shell/Utility.h"
#include "tests/app/AppHarness.h"

#include <SDL.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool Has(const std::string& text, const std::string& line) { return text.find(line) != std::string::npos; }

} // namespace

TEST_F(AppTest, FirstRunInItalyIsItalianAndReachesTheMainMenu)
{
    plat::SetUserLanguageForTests(plat::kLangItalian);
    std::vector<std::vector<plat::Argb>> bars;
    std::vector<plat::Argb> picture;
    CAppFish::SetTraceHook([&](const char* step) {
        trace.emplace_back(step);
        if (std::string(step).rfind("progress", 0) == 0) {
            std::vector<plat::Argb> bar;
            for (int x = 381; x < 420; x += 2)
                bar.push_back(g_pDevice->ReadPixel(x, 454));
            bars.push_back(bar);
            picture.push_back(g_pDevice->ReadPixel(400, 200));
            EXPECT_EQ(g_pDevice->ReadPixel(2, 2), 0xFF000000u) << step; // the loading frame is black around
        }
    });
    ASSERT_EQ(Start(), 0);

    std::string ini = Settings();
    EXPECT_TRUE(Has(ini, "LINGUA=1")) << ini;
    EXPECT_TRUE(Has(ini, "BUILD=232005")) << ini;
    EXPECT_TRUE(IsItalian());
    EXPECT_STREQ(SDL_GetWindowTitle(plat::MainWindow()), "Karvelin - Simulatore di pesca");

    std::vector<std::string> progress;
    for (const std::string& s : trace)
        if (s.rfind("progress", 0) == 0)
            progress.push_back(s);
    EXPECT_EQ(progress, (std::vector<std::string>{"progress 0", "progress 10", "progress 20", "progress 30",
                                                  "progress 40", "progress 50", "progress 60", "progress 70",
                                                  "progress 80", "progress 90", "progress 100"}));
    ASSERT_EQ(bars.size(), 11u);
    EXPECT_NE(bars.front(), bars.back()); // the bar fills up
    for (plat::Argb p : picture)
        EXPECT_NE(p, 0xFF000000u); // the main menu's picture stands behind the bar

    EXPECT_EQ(Screen(), kScreenMainMenu);
    Frame(3);
    // The menu background covers the frame: no colour-key pixel left.
    EXPECT_NE(Pixel(5, 5), kFrameClearColour);
    EXPECT_NE(Pixel(790, 590), kFrameClearColour);

    EXPECT_TRUE(Key('Q'));
    EXPECT_EQ(quitCode, 0);
}

TEST_F(AppTest, FirstRunInSwitzerlandIsEnglish)
{
    plat::SetUserLanguageForTests(plat::kLangItalianSwiss);
    ASSERT_EQ(Start(), 0);
    EXPECT_TRUE(Has(Settings(), "LINGUA=0"));
    EXPECT_FALSE(IsItalian());
    EXPECT_STREQ(SDL_GetWindowTitle(plat::MainWindow()), "Karvelin - Fishing simulator");
}

// No saved rig yet is no error: neither the first run nor the next one,
// which finds the built-in rig's name in the settings, writes a log line
// about it.
TEST_F(AppTest, BuiltInRigIsNoErrorOnTheFirstRunsOrAfter)
{
    plat::SetUserLanguageForTests(plat::kLangItalianSwiss);
    ASSERT_EQ(Start(), 0);
    ASSERT_TRUE(g_Opzioni.Save()); // as the options screen does: the rig's name goes in
    ASSERT_TRUE(Has(Settings(), "LENZA=DEFAULT")) << Settings();
    ShutDownProgram();
    started = false;
    g_Opzioni = COpzioni();
    ASSERT_EQ(StartProgram(), 0);
    started = true;
    EXPECT_EQ(folders.Read("appdata/Karvelin/norva_error.log").find("configuration"), std::string::npos)
        << folders.Read("appdata/Karvelin/norva_error.log");
    // A rig the settings name that has gone is still worth a line.
    ShutDownProgram();
    started = false;
    folders.Write("appdata/Karvelin/Karvelin.ini", "[KARVELIN]\nBUILD=232005\nLINGUA=0\nLENZA=Gone rig\n");
    g_Opzioni = COpzioni();
    ASSERT_EQ(StartProgram(), 0);
    started = true;
    EXPECT_TRUE(Has(folders.Read("appdata/Karvelin/norva_error.log"), "configuration Gone rig cannot be loaded"));
}

// The settings of an older build: the venues' old files go below build
// 190730, and the saved rig and baits survive the upgrade's save.
TEST_F(AppTest, SettingsUpgrade)
{
    struct Case {
        int build;
        bool deletes;
    } cases[] = {{190729, true}, {190730, false}, {231000, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.build);
        testing_support::TempFolders f;
        f.Write("appdata/Karvelin/Karvelin.ini", "[KARVELIN]\nBUILD=" + std::to_string(c.build) +
                                                    "\nLENZA=My float rig\nESCA_FI=Maggot\nESCA_B1=Worm\n"
                                                    "ESCA_B2=Corn\nLINGUA=0\n");
        // The rig exists, so the start-up load keeps its name.
        f.Write("appdata/Karvelin/Lenze/My float rig.kvz", "[CONFIGURAZIONE]\r\nNOME=My float rig\r\n");
        const char* files[] = {"Arno.kvl", "Arno.jpg", "ValDiMello.kvl", "po02.jpg", "Arno.kvs", "MyLake.kvl"};
        for (const char* name : files)
            f.Write(std::string("appdata/Karvelin/Luoghi/") + name, "x");
        g_Opzioni = COpzioni();
        ASSERT_EQ(StartProgram(), 0);
        ShutDownProgram();

        std::string luoghi = f.Data() + "/Luoghi/";
        for (const char* name : {"Arno.kvl", "Arno.jpg", "ValDiMello.kvl", "po02.jpg"})
            EXPECT_EQ(fs::exists(luoghi + name), !c.deletes) << name;
        EXPECT_TRUE(fs::exists(luoghi + "Arno.kvs"));
        EXPECT_TRUE(fs::exists(luoghi + "MyLake.kvl"));

        std::string ini = f.Read("appdata/Karvelin/Karvelin.ini");
        EXPECT_TRUE(Has(ini, "BUILD=232005")) << ini;
        EXPECT_TRUE(Has(ini, "LENZA=My float rig")) << ini;
        EXPECT_TRUE(Has(ini, "ESCA_FI=Maggot")) << ini;
        EXPECT_TRUE(Has(ini, "ESCA_B1=Worm")) << ini;
        EXPECT_TRUE(Has(ini, "ESCA_B2=Corn")) << ini;
    }
}

// After a device failure the next start must come up windowed at 800 x 600,
// and the player's rig and baits stay as they were.
TEST_F(AppTest, ResetVideoSettingsKeepsTheRig)
{
    folders.Write("appdata/Karvelin/Karvelin.ini",
                  "[KARVELIN]\nBUILD=232005\nFULLSCREEN=1\nRISOLUZIONE=7\nLENZA=Sea rig\nESCA_FI=Squid\n");
    g_GestFile.Init();
    ASSERT_TRUE(ResetVideoSettings());
    std::string ini = Settings();
    EXPECT_TRUE(Has(ini, "FULLSCREEN=0")) << ini;
    EXPECT_TRUE(Has(ini, "RISOLUZIONE=0")) << ini;
    EXPECT_TRUE(Has(ini, "LENZA=Sea rig")) << ini;
    EXPECT_TRUE(Has(ini, "ESCA_FI=Squid")) << ini;
}

// A full-screen size the display does not offer: the failure is logged, the
// settings are put back to windowed 800 x 600 (the rig kept) before the
// fatal box, so the next start comes up.
TEST_F(AppTest, DeviceFailureResetsTheVideoSettingsBeforeTheFatalBox)
{
    folders.Write("appdata/Karvelin/Karvelin.ini",
                  "[KARVELIN]\nBUILD=232005\nLINGUA=0\nLENZA=Sea rig\nFULLSCREEN=1\nRISOLUZIONE=7\n");
    struct Fatal {};
    std::string box, iniAtBox;
    plat::SetMessageSink([&](const std::string& caption, const std::string& text, plat::MessageIcon) {
        box = caption + ": " + text;
        iniAtBox = Settings();
        throw Fatal{}; // stands in for the end of the process
    });
    EXPECT_THROW(StartProgram(), Fatal);
    plat::SetMessageSink(nullptr);
    started = true;

    EXPECT_EQ(box, "Initialization Error: Error initializing the application!");
    EXPECT_TRUE(Has(iniAtBox, "FULLSCREEN=0")) << iniAtBox;
    EXPECT_TRUE(Has(iniAtBox, "RISOLUZIONE=0")) << iniAtBox;
    EXPECT_TRUE(Has(iniAtBox, "LENZA=Sea rig")) << iniAtBox;
    EXPECT_TRUE(Has(folders.Read("appdata/Karvelin/norva_error.log"), "AppFish 241 err> bDesiredAdapterModeFound = false!"));
}

TEST_F(AppTest, ResolutionTable)
{
    struct Case {
        int setting, w, h;
    } cases[] = {{0, 800, 600},  {1, 1024, 768}, {2, 1280, 720}, {3, 1280, 768}, {4, 1280, 800},
                 {5, 1360, 768}, {6, 1366, 768}, {7, 1440, 900}, {8, 800, 600},  {-2, 800, 600}};
    for (const Case& c : cases) {
        g_Opzioni.resolution = c.setting;
        ApplyResolutionSetting();
        EXPECT_EQ(g_nScreenW, c.w) << c.setting;
        EXPECT_EQ(g_nScreenH, c.h) << c.setting;
    }
    ASSERT_TRUE(plat::InitWindowSystem());
    int dw = 0, dh = 0;
    ASSERT_TRUE(plat::GetDesktopSize(dw, dh));
    g_Opzioni.resolution = -1;
    ApplyResolutionSetting();
    EXPECT_EQ(g_nScreenW, dw);
    EXPECT_EQ(g_nScreenH, dh);
    plat::QuitWindowSystem();
}

TEST_F(AppTest, ClientAreaIsTheChosenResolution)
{
    folders.Write("appdata/Karvelin/Karvelin.ini", "[KARVELIN]\nBUILD=232005\nRISOLUZIONE=1\n");
    ASSERT_EQ(Start(), 0);
    int w = 0, h = 0;
    ASSERT_TRUE(plat::GetClientSize(w, h));
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 768);
    EXPECT_EQ(g_pApp->GetViewportWidth(), 1024);
    EXPECT_EQ(g_pApp->GetGuiOffsetX(), 112);
    EXPECT_EQ(g_pApp->GetGuiOffsetY(), 84);
}

// The whole program in a child process: a quit posted before it starts is
// taken once the start-up's own messages are handled, and the exit status is 0.
TEST(ProgramExit, PostedQuitEndsWithStatusZero)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            testing_support::TempFolders f;
            plat::PostQuitMessage(0);
            std::exit(KarvelinMain());
        },
        testing::ExitedWithCode(0), "");
}

namespace {

// The environment of a machine without a window system, where nobody asked
// for a particular video driver.
void ForgetTheDisplay()
{
    for (const char* var : {"SDL_VIDEODRIVER", "DISPLAY", "WAYLAND_DISPLAY"})
        unsetenv(var);
    SDL_ResetHint(SDL_HINT_VIDEODRIVER);
}

} // namespace

// Without a window the game says so on stderr, in its own words first, and
// ends with the window failure's status (0x80004005, seen as 5).
TEST(ProgramExit, NoWindowSystemEndsWithStatusFiveAndTheFatalText)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const char* driver : {"no_such_driver", "x11"}) {
        SCOPED_TRACE(driver);
        EXPECT_EXIT(
            {
                testing_support::TempFolders f;
                unsetenv("DISPLAY"); // so x11 cannot open either
                SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, driver, SDL_HINT_OVERRIDE);
                plat::PostQuitMessage(0); // should the window come up after all
                std::exit(KarvelinMain());
            },
            testing::ExitedWithCode(5), "Initialization Error: Error initializing the application!\nkarvelin: .+\n"
                                        "karvelin: start the game from a desktop session \\(X11 or Wayland\\)\\.");
    }
}

// SDL falls back to its offscreen driver when no window system answers; the
// game used to run there for ever, unseen. Now it refuses, like any other
// failure to open a window.
TEST(ProgramExit, OffscreenFallbackIsRefused)
{
    std::string saved[3];
    const char* vars[3] = {"SDL_VIDEODRIVER", "DISPLAY", "WAYLAND_DISPLAY"};
    for (int i = 0; i < 3; ++i)
        if (const char* v = std::getenv(vars[i]))
            saved[i] = v;
    ForgetTheDisplay();
    std::string fallback;
    {
        plat::QuietStderr quiet; // the probe's own complaints about the missing display
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
            fallback = SDL_GetCurrentVideoDriver();
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
        }
    }
    for (int i = 0; i < 3; ++i)
        if (!saved[i].empty())
            setenv(vars[i], saved[i].c_str(), 1);
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    if (fallback != "offscreen")
        GTEST_SKIP() << "this machine opens \"" << fallback << "\" without a display";

    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            testing_support::TempFolders f;
            ForgetTheDisplay();
            plat::PostQuitMessage(0);
            std::exit(KarvelinMain());
        },
        testing::ExitedWithCode(5), "Error initializing the application!\nkarvelin: no window system");
}

TEST(WindowSystem, OnlyAnExplicitRequestGetsADriverThatShowsNothing)
{
    const struct {
        const char* current;
        const char* requested;
        bool accepted;
    } cases[] = {
        {"x11", nullptr, true},          {"wayland", "", true},
        {"kmsdrm", "x11", true},         {"offscreen", nullptr, false},
        {"offscreen", "", false},        {"offscreen", "x11", false},
        {"offscreen", "offscreen", true}, {"offscreen", "x11, Offscreen", true},
        {"dummy", nullptr, false},       {"dummy", "dummy", true},
        {"dummy", "dummyx", false},      {"evdev", "x11,wayland", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plat::AcceptVideoDriver(c.current, c.requested), c.accepted)
            << c.current << " / " << (c.requested ? c.requested : "(none)");
}

namespace {

// The built game started as a player starts it, in the program folder of f
// with f's data root, headless; its stderr kept in a file.
class GameProcess {
public:
    explicit GameProcess(const testing_support::TempFolders& f) : m_stderr(f.Root() + "/stderr" + std::to_string(++s_count))
    {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            const std::string v = *e;
            if (v.rfind("XDG_DATA_HOME=", 0) != 0 && v.rfind("SDL_", 0) != 0)
                env.push_back(v);
        }
        for (const char* v : {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy", "SDL_RENDER_DRIVER=software"})
            env.emplace_back(v);
        env.push_back("XDG_DATA_HOME=" + f.DataRoot());
        std::vector<char*> envp;
        for (std::string& v : env)
            envp.push_back(v.data());
        envp.push_back(nullptr);
        std::string binary = KARVELIN_GAME_BINARY;
        char* argv[] = {binary.data(), nullptr};
        fs::create_directories(f.Program());
        const std::string cwd = f.Program();
        m_pid = fork();
        if (m_pid == 0) {
            const int err = open(m_stderr.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (err < 0 || dup2(err, 2) < 0 || chdir(cwd.c_str()) != 0)
                _exit(127);
            execve(argv[0], argv, envp.data());
            _exit(127);
        }
    }
    ~GameProcess() { Kill(); }

    // Reaped by then, or still running when the bound is reached.
    bool Exited(int waitMs = 0)
    {
        for (int waited = 0; m_pid > 0; waited += 10) {
            if (waitpid(m_pid, &m_status, WNOHANG) == m_pid) {
                m_pid = -1;
                return true;
            }
            if (waited >= waitMs)
                return false;
            usleep(10000);
        }
        return true;
    }
    // Killed outright: the process has no chance to tidy anything up.
    void Kill()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, &m_status, 0);
            m_pid = -1;
        }
    }
    int ExitCode() const { return WIFEXITED(m_status) ? WEXITSTATUS(m_status) : -1; }
    std::string Stderr() const
    {
        std::ifstream in(m_stderr);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    static inline int s_count = 0;
    std::string m_stderr;
    pid_t m_pid = -1;
    int m_status = 0;
};

// Whether the game holds the data folder within a bound meant for a stuck
// process only, not for a slow machine.
bool HoldsFolderSoon(GameProcess& game, const std::string& data)
{
    for (int i = 0; i < 6000; ++i) {
        if (plat::IsFolderLocked(data, kDataFolderLockName))
            return true;
        if (game.Exited(10))
            return false;
    }
    return false;
}

} // namespace

// Two games on one data folder would each write back the statistics they
// read at start: the second says so, in the settings' language, and ends
// with status 3 before writing anything. Once the first is gone, however it
// ended, the folder is free for the next.
TEST(ProgramExit, ASecondGameOnOneDataFolderSaysSoAndEnds)
{
    const struct {
        const char* language;
        const char* text;
    } cases[] = {{"1", "Un'altra partita di Karvelin sta usando la cartella dei dati\n"},
                 {"0", "Another Karvelin game is using the data folder\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        testing_support::TempFolders f;
        const std::string data = f.Data();
        f.Write("appdata/Karvelin/Karvelin.ini", "[KARVELIN]\r\nBUILD=232005\r\nLINGUA=" + std::string(c.language) + "\r\n");
        GameProcess first(f);
        ASSERT_TRUE(HoldsFolderSoon(first, data)) << first.Stderr();

        GameProcess second(f);
        ASSERT_TRUE(second.Exited(60000)) << "the second game kept running";
        EXPECT_EQ(second.ExitCode(), kExitDataFolderInUse);
        EXPECT_TRUE(Has(second.Stderr(), c.text + data + "\n")) << second.Stderr();
        EXPECT_FALSE(fs::exists(data + "/karvelin.sta"));
        EXPECT_TRUE(plat::IsFolderLocked(data, kDataFolderLockName)) << "the first game still holds the folder";

        first.Kill();
        EXPECT_FALSE(plat::IsFolderLocked(data, kDataFolderLockName)) << "the lock died with its game";
        GameProcess third(f);
        EXPECT_TRUE(HoldsFolderSoon(third, data)) << third.Stderr();
    }
}
