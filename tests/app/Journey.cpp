#include "tests/app/Journey.h"

#include "app/Program.h"
#include "platform/Clock.h"
#include "platform/Image.h"
#include "platform/Random.h"
#include "shell/Graphics.h"
#include "shell/Opzioni.h"
#include "simulation/session/Gioco.h"
#include "simulation/scene/Pesce.h"
#include "simulation/session/Sessione.h"
#include "tests/support/BuildFolder.h"
#include "world/Luogo.h"
#include "world/Pesci.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kClockStart = 1000000;

// The game's shipped data folder, beside this source tree's tests.
fs::path ShippedData() { return fs::path(KARVELIN_SOURCE_DIR) / "data"; }

} // namespace

std::string VenueListProblem(int waters)
{
    CListBox& list = g_Luogo.VenueList();
    int offered[3] = {0, 0, 0};
    for (int i = 0; i < list.GetCount(); ++i) {
        const ListItem* item = list.GetItem(i);
        const int type = std::atoi(item->col2); // 0 river, 1 lake, 2 sea
        const bool sea = type == 2;
        const bool wanted = waters == 2 || (waters == 1) == sea;
        if ((item->enabled == 1) != wanted)
            return std::string("row ") + item->key + (wanted ? " not offered" : " offered");
        if (item->enabled == 1 && type >= 0 && type <= 2)
            ++offered[type];
    }
    if (waters != 0 && offered[2] == 0)
        return "no sea venue offered";
    if (waters != 1 && offered[0] + offered[1] == 0)
        return "no fresh-water venue offered";
    const char* selected = list.GetSelectedKey();
    const std::string expected = waters == 1 ? kVenueSea : kVenueLake;
    if (!selected || expected != selected)
        return "selected " + std::string(selected ? selected : "nothing") + ", not " + expected;
    return "";
}

std::string SettingsText(const std::map<std::string, std::string>& keys)
{
    std::string text = "[KARVELIN]\n";
    for (const auto& [key, value] : keys)
        text += key + "=" + value + "\n";
    return text;
}

void JourneyTest::SetUp()
{
    AppTest::SetUp();
    // Game time starts from it, so every start is the same.
    plat::SetFakeWallClock(kClockStart);
}

void JourneyTest::TearDown()
{
    CTesto::SetProbe(nullptr);
    AppTest::TearDown();
    started = false;
    plat::ClearFakeWallClock();
}

int JourneyTest::StartJourney(const JourneyOptions& options)
{
    m_options = options;
    std::error_code ec;
    fs::copy(ShippedData(), folders.Program(), fs::copy_options::recursive | fs::copy_options::overwrite_existing,
             ec);
    std::map<std::string, std::string> keys = options.settings;
    keys.emplace("BUILD", std::to_string(kBuildNumber));
    keys.emplace("LINGUA", options.italian ? "1" : "0");
    keys.emplace("RISOLUZIONE", std::to_string(options.resolution));
    if (!options.firstRun)
        folders.Write("appdata/Karvelin/Karvelin.ini", SettingsText(keys));
    plat::SeedRandom(options.seed);
    int status = Start();
    if (status == 0)
        Frame();
    return status;
}

void JourneyTest::Stop()
{
    if (started)
        ShutDownProgram();
    started = false;
    plat::ClearWindowMessages();
}

int JourneyTest::Restart()
{
    Stop();
    g_Opzioni = COpzioni();
    plat::SeedRandom(m_options.seed);
    int status = Start();
    if (status == 0)
        Frame();
    return status;
}

int JourneyTest::OffsetX() const { return g_pApp ? g_pApp->GetGuiOffsetX() : 0; }

int JourneyTest::OffsetY() const { return g_pApp ? g_pApp->GetGuiOffsetY() : 0; }

void JourneyTest::PostMouse(plat::MessageKind kind, int x, int y, bool left)
{
    plat::WindowMessage m = MakeMessage(kind);
    m.x = x + OffsetX();
    m.y = y + OffsetY();
    m.leftHeld = left;
    quit = Send(m) || quit;
}

void JourneyTest::MoveTo(int x, int y) { PostMouse(plat::MessageKind::MouseMove, x, y, false); }

void JourneyTest::Press(int x, int y)
{
    Frame();
    MoveTo(x, y);
    PostMouse(plat::MessageKind::LButtonDown, x, y, true);
}

void JourneyTest::Release(int x, int y)
{
    MoveTo(x, y);
    PostMouse(plat::MessageKind::LButtonUp, x, y, false);
}

void JourneyTest::Click(int x, int y)
{
    Press(x, y);
    Release(x, y);
}

void JourneyTest::Wheel(int delta)
{
    plat::WindowMessage m = MakeMessage(plat::MessageKind::MouseWheel);
    m.wheel = delta;
    quit = Send(m) || quit;
}

void JourneyTest::ClickRow(CListBox& list, const ListPlace& at, int index)
{
    Frame(); // the rows where the player sees them
    const int rowH = list.RowHeight();
    // The list's own paging: the wheel over its rows moves one row a notch.
    for (int guard = 0; guard < 200 && index < list.m_firstVisible; ++guard)
        WheelOver(at, 120);
    for (int guard = 0; guard < 200 && list.m_visibleRows > 0 && index >= list.m_firstVisible + list.m_visibleRows;
         ++guard)
        WheelOver(at, -120);
    Click(at.x + 40, at.y + 25 + (index - list.m_firstVisible) * rowH + rowH / 2);
}

void JourneyTest::WheelOver(const ListPlace& at, int delta)
{
    Frame();
    MoveTo(at.x + 40, at.y + 30);
    Wheel(delta);
}

void JourneyTest::Type(const std::string& text)
{
    for (char c : text) {
        plat::WindowMessage m = MakeMessage(plat::MessageKind::Char);
        m.ch = static_cast<unsigned char>(c);
        quit = Send(m) || quit;
    }
}

void JourneyTest::Advance(std::uint32_t ms)
{
    for (std::uint32_t t = 0; t < ms; t += plat::kGameStepMs) {
        plat::AdvanceFakeWallClock(plat::kGameStepMs);
        Frame();
    }
}

std::string JourneyTest::Shot(const std::string& name)
{
    Frame();
    plat::Image image;
    const std::string path = testing_support::BuildFolderFile((name + ".png").c_str());
    if (g_pDevice && g_pDevice->ReadPixels(image))
        plat::SavePng(path, image);
    return path;
}

const std::vector<ProbedText>& JourneyTest::ProbeFrame()
{
    probed.clear();
    probedPanels.clear();
    const int ox = OffsetX(), oy = OffsetY();
    auto local = [ox, oy](const plat::Rect& r) {
        return plat::Rect{r.left - ox, r.top - oy, r.right - ox, r.bottom - oy};
    };
    CTesto::SetProbe([this, ox, oy, local](const DrawnText& t) {
        int left = t.x;
        if (t.format & plat::kTextCentre)
            left -= t.measuredWidth / 2;
        else if (t.format & plat::kTextRight)
            left -= t.measuredWidth;
        probed.push_back({t.text, t.x - ox, t.y - oy, t.width, t.height, t.measuredWidth, t.Fits(), t.laidOutHeight,
                          left - ox, local(t.area)});
    });
    Frame();
    for (const plat::Rect& r : CTesto::NotedPanels())
        probedPanels.push_back(local(r));
    CTesto::SetProbe(nullptr);
    return probed;
}

const ProbedText* JourneyTest::Find(const std::string& text) const
{
    for (const ProbedText& t : probed)
        if (t.text == text)
            return &t;
    return nullptr;
}

const ProbedText* JourneyTest::FindPrefix(const std::string& prefix) const
{
    for (const ProbedText& t : probed)
        if (t.text.compare(0, prefix.size(), prefix) == 0)
            return &t;
    return nullptr;
}

std::vector<ProbedText> JourneyTest::Overflowing() const
{
    std::vector<ProbedText> out;
    for (const ProbedText& t : probed)
        if (!t.fits)
            out.push_back(t);
    return out;
}

namespace {

bool Overlap(const plat::Rect& a, const plat::Rect& b, int slack)
{
    return std::min(a.right, b.right) - std::max(a.left, b.left) > slack &&
           std::min(a.bottom, b.bottom) - std::max(a.top, b.top) > slack;
}

bool Holds(const plat::Rect& outer, const plat::Rect& inner, int slack)
{
    return inner.left >= outer.left - slack && inner.right <= outer.right + slack && inner.top >= outer.top - slack &&
           inner.bottom <= outer.bottom + slack;
}

std::string Describe(const plat::Rect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.Width()) + "x" +
           std::to_string(r.Height());
}

} // namespace

std::vector<std::string> JourneyTest::LayoutProblems(bool dialogOpen) const
{
    std::vector<std::string> out;
    for (const ProbedText& t : Overflowing())
        out.push_back("\"" + t.text + "\" at " + std::to_string(t.x) + "," + std::to_string(t.y) + " (" +
                      std::to_string(t.measuredWidth) + " wide)" +
                      (t.FromPoint() ? " leaves " + Describe(t.area)
                                     : " is cut by its box " + std::to_string(t.width) + "x" + std::to_string(t.height)));
    // Texts from a point: their lines, less the font's blank rows above
    // the letters and below them, must not be drawn over one another.
    for (std::size_t i = 0; i < probed.size(); ++i)
        for (std::size_t j = i + 1; j < probed.size(); ++j) {
            const ProbedText& a = probed[i];
            const ProbedText& b = probed[j];
            if (!a.FromPoint() || !b.FromPoint() || a.text.empty() || b.text.empty())
                continue;
            const plat::Rect ra{a.left, a.y, a.left + a.measuredWidth, a.y + a.laidOutHeight};
            const plat::Rect rb{b.left, b.y, b.left + b.measuredWidth, b.y + b.laidOutHeight};
            if (Overlap(ra, rb, 3))
                out.push_back("\"" + a.text + "\" and \"" + b.text + "\" are drawn over each other");
        }
    for (std::size_t i = 0; i < probedPanels.size() && !dialogOpen; ++i)
        for (std::size_t j = i + 1; j < probedPanels.size(); ++j) {
            const plat::Rect& a = probedPanels[i];
            const plat::Rect& b = probedPanels[j];
            if (Overlap(a, b, 0) && !Holds(a, b, 0) && !Holds(b, a, 0))
                out.push_back("panels " + Describe(a) + " and " + Describe(b) + " overlap");
        }
    return out;
}

void JourneyTest::ExpectShownAndFitting(const std::vector<std::string>& texts)
{
    ProbeFrame();
    for (const std::string& text : texts)
        EXPECT_NE(Find(text), nullptr) << text;
    for (const ProbedText& t : Overflowing())
        ADD_FAILURE() << "wider than its box: \"" << t.text << "\" " << t.measuredWidth << " > " << t.width;
}

void JourneyTest::LandFish(unsigned species, float grams, int cm)
{
    g_Pesce.m_species = g_Pesci.GetRecord(species);
    g_Pesce.m_weight = grams;
    g_Pesce.m_length = cm;
    g_Pesci.LoadPhoto(g_pDevice, species);
    g_Gioco.ShowCatchDetails();
    g_Sessione.AddCatch(int(species), g_Pesce.m_weight, g_Pesce.m_length);
    g_Sessione.UpdateTotals();
}

int MainMenuButtonY(int button)
{
    static const int kY[] = {140, 170, 215, 365, 245, 305, 275, 335, 460};
    return kY[button] + 12;
}
