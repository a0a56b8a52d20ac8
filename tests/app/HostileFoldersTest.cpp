// Players swap venues, tackle, configurations and catch logs, so every file
// in the program and data folders may be hostile. Filled with broken files
// of every kind, the game must still start, draw and run every screen, and
// keep its memory bounded.
#include "app/Program.h"
#include "platform/Files.h"
#include "shell/Graphics.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Esca.h"
#include "tests/app/AppHarness.h"
#include "world/Luogo.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

std::string Bytes(std::mt19937& rng, std::size_t n)
{
    std::string s(n, '\0');
    for (char& c : s)
        c = char(rng() & 0xFF);
    return s;
}

std::string ReadSource(const std::string& relative)
{
    std::ifstream in(std::string(KARVELIN_SOURCE_DIR) + "/" + relative, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The peak resident memory of this process since the last reset, in KiB
// (0 where the system does not tell).
long PeakResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return 0;
}

// Starts counting the peak afresh, so earlier tests in this program do not
// count (kernels without the reset keep the process's lifetime peak).
void ResetPeakResident()
{
    if (FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
}

// One kind of file the game reads from its folders.
struct Kind {
    const char* folder;     // below the program folder and the data folder
    const char* extension;
    const char* section;    // the file's INI section
    const char* shipped;    // a real file of the kind, cut short for one case
};

const Kind kKinds[] = {
    {"Ami", "kva", "AMO", "data/Ami/amp04.kva"},
    {"Canne", "kvn", "CANNA", "data/Canne/boat_heavy.kvn"},
    {"Esche", "kve", "ESCA", nullptr},
    {"Galleggianti", "kvg", "GALLEGGIANTE", nullptr},
    {"Mulinelli", "kvm", "MULINELLO", nullptr},
    {"Piombi", "kvp", "PIOMBINO", nullptr},
    {"Lenze", "kvz", "CONFIGURAZIONE", "data/Lenze/Sliding_float.kvz"},
    {"Pasture", "kvt", "PASTURA", nullptr},
    {"Luoghi", "kvl", "LUOGO", nullptr},
};

const std::string kEscape = "../../../../../../etc/passwd";

// An INI file whose every key that names a file tries to leave its folder,
// whose numbers are out of every range, and whose sections repeat.
std::string HostileIni(const char* section)
{
    std::string s;
    for (const char* sec : {section, "CONFIGURAZIONE", "CANNA", "MULINELLO", "GALLEGGIANTE", "LENZA", "AMO",
                            "AMO_BRACCIOLO_0", "AMO_BRACCIOLO_1", "BRACCIOLO_0", "BRACCIOLO_1", "PIOMBATURA",
                            "ACCESSORI", "KARVELIN", "VIDEO"}) {
        s += std::string("[") + sec + "]\r\nNOME=" + kEscape + "\r\n";
        for (const char* key : {"FILE", "FILENAMEFOTO", "FILENAMESPRITE", "FOTO", "SFONDO", "FONDALE", "PRESENZA",
                                "LENZA", "ESCA_FI", "ESCA_B1", "ESCA_B2", "LUOGO", "FILE_PRESENZA_PESCI"})
            s += std::string(key) + "=" + kEscape + "\r\n";
        for (const char* key : {"MISURA", "TIPO", "PESO", "RIGIDITA", "LUNGHEZZA", "CAPACITA_MAX", "CAPACITA_MIN",
                                "RAPPORTO_RECUPERO", "POSIZIONE", "STOPPER", "FILO", "TIPO_FILO", "INUSO",
                                "LUNGHEZZA_FINALE", "POSIZIONE_BRACCIOLO", "PIOMBO_0", "POSIZIONE_0", "RISOLUZIONE",
                                "LINGUA", "BUILD", "MAX_PROF", "CORRENTE", "PROFONDITA", "PENDENZA", "MAX_METRI",
                                "LIMITI_SUPERIORI", "TIPO_LIMITI_SUPERIORI", "GEOGRAFIA", "ACQUA", "FONDALE"})
            s += std::string(key) + (s.size() % 2 ? "=99999999999\r\n" : "=-2147483648\r\n");
    }
    return s;
}

void FillWithHostileFiles(const testing_support::TempFolders& folders)
{
    std::mt19937 rng(20);
    const std::string longLine(300 * 1024, 'x');
    // A PNG header that declares 32768 x 16400 pixels, and garbage after it.
    std::string hugePng("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x80\0\0\0\x40\x10\x08\x06\0\0\0", 29);
    hugePng += Bytes(rng, 64);
    for (const std::string& side : {std::string("program/"), std::string("appdata/Karvelin/")}) {
        for (const Kind& k : kKinds) {
            const std::string at = side + k.folder + "/";
            auto name = [&](const char* stem) { return at + stem + "." + k.extension; };
            folders.Write(name("random"), Bytes(rng, 4096));
            folders.Write(name("empty"), "");
            folders.Write(name("escape"), HostileIni(k.section));
            folders.Write(name("longline"), std::string("[") + k.section + "]\r\nNOME=" + longLine + "\r\n" + longLine);
            folders.Write(name("nul"), std::string("[") + k.section + "]\r\nNOME=" + std::string(2, '\0') +
                                           "\r\nFILE=" + std::string(1, '\0') + kEscape);
            if (k.shipped) {
                const std::string real = ReadSource(k.shipped);
                folders.Write(name("truncated"), real.substr(0, real.size() * 3 / 5));
            }
            folders.Write(at + "photo.png", hugePng);
            folders.Write(at + "random.png", Bytes(rng, 2048));
            folders.Write(name("photo"), std::string("[") + k.section + "]\r\nNOME=Photo\r\nFILENAMEFOTO=photo.png\r\n" +
                                             "FILENAMESPRITE=random.png\r\nFILE=photo." + k.extension + "\r\n");
            std::filesystem::create_directories(folders.Root() + "/" + name("folder"));
        }
        // Beside the venues: presence and bottom files, random, cut short,
        // and with depths far out of range.
        for (const char* stem : {"random", "escape", "longline", "photo", "nul", "truncated"}) {
            folders.Write(side + "Luoghi/" + stem + ".kvs", Bytes(rng, 512) + "\r\n[PESCI]\r\nCARPA=99999\r\n");
            folders.Write(side + "Luoghi/" + stem + ".kvf", Bytes(rng, std::string(stem) == "nul" ? 100 : 33 * 33 * 4));
        }
    }
    // Catch logs: random, cut short, and with every count and size field huge.
    const std::string log = ReadSource("fuzz/corpus/CatchLog/three.kvc");
    std::string hugeLog = log;
    for (std::size_t at = 221; at + 4 <= hugeLog.size() && at < 245; at += 4)
        std::memcpy(&hugeLog[at], "\xff\xff\xff\x7f", 4);
    folders.Write("appdata/Karvelin/Catture/random.kvc", Bytes(rng, 4096));
    folders.Write("appdata/Karvelin/Catture/truncated.kvc", log.substr(0, log.size() / 2));
    folders.Write("appdata/Karvelin/Catture/huge.kvc", hugeLog);
    folders.Write("appdata/Karvelin/Catture/longline.kvc", longLine);
    std::filesystem::create_directories(folders.Root() + "/appdata/Karvelin/Catture/folder.kvc");
    // The statistics file: a record of the right size full of noise.
    folders.Write("appdata/Karvelin/karvelin.sta", Bytes(rng, 301));
    // The settings: every key hostile, a rig and baits that leave the folder,
    // then a line of 300 KB.
    folders.Write("appdata/Karvelin/Karvelin.ini", HostileIni("KARVELIN") + "[KARVELIN]\r\nLENZA=../escape\r\n" +
                                                        "ESCA_FI=../../escape.kve\r\nX=" + longLine + "\r\n");
}

TEST_F(AppTest, HostileFoldersStillStartAndEveryScreenRuns)
{
    FillWithHostileFiles(folders);
    ResetPeakResident();
    ASSERT_EQ(Start(), 0);
    EXPECT_EQ(Screen(), kScreenMainMenu);
    Frame(3);
    EXPECT_STRNE(g_CannaPesca.m_name, "../escape") << "a rig name that leaves its folder is not taken";
    // The hostile files were read: each catalogue holds them beside the
    // built-in items; mounting the ones with photos loads their pictures.
    CCannaPesca& rig = g_CannaPesca;
    EXPECT_GE(rig.m_canna.GetCount(), 12);
    EXPECT_GE(rig.m_mulinello.GetCount(), 12);
    plat::Device* dev = g_pDevice;
    rig.m_canna.SelectById(dev, "photo.kvn");
    EXPECT_STREQ(rig.m_canna.m_current.id, "photo.kvn");
    rig.m_mulinello.SelectById(dev, "photo.kvm");
    rig.m_galleggiante.SelectById(dev, "photo.kvg");
    rig.m_lenza.m_leader.m_hook.SelectById(dev, "photo.kva");
    rig.m_canna.SelectById(dev, "longline.kvn");
    rig.m_canna.SelectById(dev, "escape.kvn");
    // A configuration naming parts outside their folders mounts known parts.
    rig.LoadConfiguration("escape");
    for (const char* id : {rig.m_canna.m_current.id, rig.m_mulinello.m_current.id, rig.m_galleggiante.m_current.id,
                           rig.m_lenza.m_leader.m_hook.m_current.id})
        EXPECT_EQ(std::strchr(id, '/'), nullptr) << id;
    EXPECT_FALSE(rig.LoadConfiguration("../escape"));
    rig.LoadConfiguration("truncated");
    Frame(2);

    // Every screen, entered the way the game enters it, drawn and given the
    // mouse and a few keys.
    auto exercise = [&](int screen) {
        Frame(2);
        for (int y = 40; y < 600; y += 90)
            for (int x = 40; x < 800; x += 120) {
                plat::WindowMessage move = MakeMessage(plat::MessageKind::MouseMove);
                move.x = x;
                move.y = y;
                Send(move);
                Frame();
            }
        Key(plat::kKeyDown);
        Key(plat::kKeyUp);
        Frame(2);
        EXPECT_NE(Screen(), kScreenNone) << "screen " << screen;
    };
    g_pApp->GoToTackleBox();
    exercise(kScreenTackleBox);
    g_pApp->ReturnFromScreen(false);
    g_pApp->GoToRecords();
    exercise(kScreenRecords);
    g_pApp->ReturnFromScreen(false);
    g_pApp->GoToVenues();
    exercise(kScreenVenues);
    // Every venue of the list loaded in turn, with its presence and bottom.
    const int venues = g_Luogo.VenueList().GetCount();
    EXPECT_GE(venues, 2);
    for (int row = 0; row < venues + 2; ++row) {
        if (g_Luogo.SelectByIndex(row))
            g_Luogo.LoadSelectedVenue(dev);
        Frame();
        const LuogoRecord& r = g_Luogo.Record();
        EXPECT_TRUE(r.PROFONDITA >= 50 && r.PROFONDITA <= 10000) << r.id;
    }
    g_pApp->ReturnFromScreen(false);
    g_pApp->GoToFishes();
    exercise(kScreenFishes);
    g_pApp->ReturnFromScreen(false);
    for (int screen : {kScreenOptions, kScreenBaits, kScreenMainMenu}) {
        g_pApp->SetCurrentScreen(screen);
        exercise(screen);
    }
    g_pApp->GoToTournament();
    exercise(kScreenTournament);
    g_pApp->ReturnFromScreen(false);
    g_pApp->NewSession();
    exercise(kScreenSession);
    g_pApp->BeginFishing();
    exercise(kScreenSession);

    const long peak = PeakResidentKiB();
    std::printf("peak resident memory with hostile folders: %ld KiB\n", peak);
    RecordProperty("peak_resident_kib", std::to_string(peak));
    // Loose on purpose: a reader that trusted a declared size would ask for
    // gigabytes; the game itself needs a few hundred megabytes at most.
    EXPECT_LT(peak, 1024L * 1024L);
    // Nothing was written beside the game's folders.
    for (const auto& e : std::filesystem::directory_iterator(folders.Root()))
        EXPECT_TRUE(e.path().filename() == "program" || e.path().filename() == "appdata") << e.path();
}

// Files where the game keeps folders and folders where it keeps files: the
// settings file a folder, the catch logs and configurations folders files.
TEST_F(AppTest, FoldersAndFilesSwappedStillStart)
{
    std::filesystem::create_directories(folders.Data() + "/Karvelin.ini");
    std::filesystem::create_directories(folders.Data() + "/karvelin.sta");
    folders.Write("appdata/Karvelin/Catture", "not a folder");
    folders.Write("appdata/Karvelin/Lenze", "not a folder");
    folders.Write("program/Canne", "not a folder");
    ASSERT_EQ(Start(), 0);
    Frame(2);
    g_pApp->GoToRecords();
    Frame(2);
    g_pApp->ReturnFromScreen(false);
    g_pApp->GoToTackleBox();
    Frame(2);
    EXPECT_FALSE(g_CannaPesca.SaveConfiguration("Mine", "")) << "no folder to keep it in";
    g_pApp->ReturnFromScreen(false);
    g_pApp->NewSession();
    Frame(2);
    EXPECT_EQ(Screen(), kScreenSession);
}

} // namespace

namespace {

std::vector<std::string>* g_resolved = nullptr;

// Every file name a data file gives (photos, the float's scene picture, the
// venue's photo and presence file) planted with "../", "..\", absolute
// paths and drive letters, on both sides: loading every item, venue and
// screen opens nothing outside the program and data folders.
TEST_F(AppTest, FileNamesFromDataFilesNeverLeadOutsideTheFolders)
{
    folders.Write("outside.png", "x");
    folders.Write("outside.kvs", "[PESCI]\r\nCARPA=100\r\n");
    const std::vector<std::string> names = {"../../../outside.png", "..\\..\\..\\outside.png",
                                            folders.Root() + "/outside.png", "C:\\outside.png",
                                            "sub/../../../../outside.png"};
    const std::vector<std::string> presence = {"../../../outside", "..\\..\\..\\outside", folders.Root() + "/outside",
                                               "C:\\outside"};
    for (const std::string& side : {std::string("program/"), std::string("appdata/Karvelin/")}) {
        for (const Kind& k : kKinds) {
            for (std::size_t i = 0; i < names.size(); ++i) {
                const std::string& n = names[i];
                std::string body = std::string("[") + k.section + "]\r\nNOME=Esc" + std::to_string(i) +
                                   "\r\nFILENAMEFOTO=" + n + "\r\nFILENAMESPRITE=" + n + "\r\nTIPO=1\r\n";
                if (std::string(k.extension) == "kvl")
                    body += "FILE_PRESENZA_PESCI=" + presence[i % presence.size()] + "\r\n";
                folders.Write(side + k.folder + "/esc" + std::to_string(i) + "." + k.extension, body);
            }
        }
    }
    std::vector<std::string> resolved;
    g_resolved = &resolved;
    plat::SetPathObserverForTests([](const std::string& p) {
        if (g_resolved)
            g_resolved->push_back(p);
    });
    ASSERT_EQ(Start(), 0);
    plat::Device* dev = g_pDevice;
    CCannaPesca& rig = g_CannaPesca;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string id = "esc" + std::to_string(i);
        rig.m_canna.SelectById(dev, (id + ".kvn").c_str());
        rig.m_mulinello.SelectById(dev, (id + ".kvm").c_str());
        rig.m_galleggiante.SelectById(dev, (id + ".kvg").c_str());
        rig.m_lenza.m_leader.m_hook.SelectById(dev, (id + ".kva").c_str());
        const int bait = g_Esca.FindById((id + ".kve").c_str());
        if (bait >= 0)
            g_Esca.Select(dev, 2, bait);
        Frame();
    }
    for (int screen : {kScreenTackleBox, kScreenBaits, kScreenVenues}) {
        g_pApp->SetCurrentScreen(screen);
        Frame(2);
    }
    const int venues = g_Luogo.VenueList().GetCount();
    for (int row = 0; row < venues; ++row) {
        if (g_Luogo.SelectByIndex(row))
            g_Luogo.LoadSelectedVenue(dev);
        Frame();
        if (std::strncmp(g_Luogo.Record().id, "esc", 3) == 0) {
            EXPECT_NE(g_Luogo.Record().presence[5], 100) << "the presence outside the folder is not read";
        }
    }
    g_pApp->NewSession();
    Frame(3);
    plat::SetPathObserverForTests(nullptr);
    g_resolved = nullptr;

    ASSERT_FALSE(resolved.empty());
    const std::string program = folders.Program() + "/", data = folders.DataRoot() + "/";
    auto isFont = [](const std::string& p) {
        const std::size_t dot = p.rfind('.');
        const std::string ext = dot == std::string::npos ? "" : p.substr(dot);
        return ext == ".ttf" || ext == ".otf" || ext == ".ttc"; // the system's fonts, found by fontconfig
    };
    for (const std::string& p : resolved) {
        if (isFont(p))
            continue;
        const bool inside = p.rfind(program, 0) == 0 || p.rfind(data, 0) == 0;
        EXPECT_TRUE(inside && p.find("/../") == std::string::npos && p.find("outside") == std::string::npos) << p;
    }
    const std::string log = folders.Read("appdata/Karvelin/norva_error.log");
    EXPECT_NE(log.find("leads outside its folder"), std::string::npos) << "each refusal leaves a line";
}

} // namespace
