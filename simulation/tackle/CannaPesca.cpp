#include "simulation/tackle/CannaPesca.h"

#include "gui/ListBox.h"
#include "platform/Files.h"
#include "platform/Ini.h"
#include "shell/Globals.h"
#include "shell/Graphics.h"
#include "shell/Opzioni.h"
#include "shell/Utility.h"
#include "simulation/tackle/Esca.h"

#include <cctype>
#include <cmath>
#include <cstring>

KARVELIN_GLOBAL(1) CCannaPesca g_CannaPesca;

CCannaPesca::CCannaPesca()
    : m_bell(0), m_overLimitTicks(0), m_noStrikeTicks(0), m_strike(0), m_sinkDepth(0.0f), m_hookInUse(2),
      m_lossReason(0), m_driftNesting(0), m_bands{}, m_profile{}, m_glide{}, m_targetX(0.0f), m_targetY(0.0f),
      m_drawing(0)
{
    m_name[0] = '\0';
    m_galleggiante.m_rig = this;
    m_mulinello.m_rig = this;
    m_canna.m_line = &m_lenza;
    m_lenza.m_rig = this;
    m_piombo.m_rig = this;
}

void CCannaPesca::Reset(plat::Device* dev)
{
    m_canna.Reset(dev);
    m_galleggiante.SelectDefault(dev);
    m_lenza.ResetRig(dev);
    m_piombo.SetDefault();
    m_mulinello.m_lineDiameter = m_lenza.m_material.m_diameter;
    m_mulinello.SelectFirst(dev);
    m_bell = 0;
    UpdateExposedHeight();
    SetFloatPosition(60.0f);
    m_piombo.Classify(m_galleggiante.GetDepthSetting());
    m_sinkDepth = 0.0f;
    m_overLimitTicks = 0;
    m_noStrikeTicks = 0;
    m_glide[0] = m_glide[1] = 0.0f;
}

void CCannaPesca::OnLostDevice()
{
    m_canna.OnLostDevice();
    m_galleggiante.OnLostDevice();
    m_lenza.OnLostDevice();
    m_piombo.OnLostDevice();
    m_mulinello.OnLostDevice();
    m_warning.OnLostDevice();
}

void CCannaPesca::OnResetDevice(plat::Device* dev)
{
    m_canna.OnResetDevice(dev);
    m_galleggiante.OnResetDevice(dev);
    m_lenza.OnResetDevice(dev);
    m_piombo.OnResetDevice(dev);
    m_mulinello.m_lineDiameter = m_lenza.m_material.m_diameter;
    m_mulinello.OnResetDevice(dev);
    m_warning.OnResetDevice(dev);
    SetLossReason(0);
    SetLineLength(m_lenza.m_length);
}

void CCannaPesca::SetLineLength(float length)
{
    m_lenza.SetLength(length, false);
    m_lenza.SetTerminalLength(m_lenza.m_leader.m_length);
    SetFloatPosition(float(m_galleggiante.m_position));
}

void CCannaPesca::SetFloatPosition(float position)
{
    CGalleggiante& g = m_galleggiante;
    // A sliding float comes to rest on the shot or knot under it, and a
    // torpille on whatever is under it, the float included: placing one can
    // move the other, so both are placed again until neither moves. A rig
    // left half-settled would move once more at every load of its file.
    PlaceFloat(position);
    m_piombo.Recalculate();
    for (int round = 0; g.IsSliding() && round < kShotSlots + 1; ++round) {
        int shots[kShotSlots];
        for (int i = 0; i < kShotSlots; ++i)
            shots[i] = m_piombo.GetSlotPosition(i);
        const int placed = g.m_position;
        PlaceFloat(float(placed));
        m_piombo.Recalculate();
        bool moved = g.m_position != placed;
        for (int i = 0; i < kShotSlots; ++i)
            moved = moved || shots[i] != m_piombo.GetSlotPosition(i);
        if (!moved)
            break;
    }
    UpdateExposedHeight();
}

void CCannaPesca::PlaceFloat(float position)
{
    CGalleggiante& g = m_galleggiante;
    float depth = position - 45.0f;
    if (m_lenza.m_leader.m_length > depth || !g.HasFloat())
        depth = m_lenza.m_leader.m_length;
    if (depth < 30.0f)
        depth = 30.0f;
    const float lineOut = m_lenza.m_length;
    if (depth > std::trunc(lineOut - 100.0f))
        depth = std::trunc(lineOut) - 100.0f;
    if (g.IsSliding()) {
        const int q = int(depth) + 2;
        int above = -1, below = -1;
        m_piombo.GetNeighbourPositions(q, above, below);
        const int knot = m_lenza.GetNearestAbove(q);
        depth = float((knot > below ? knot : below) + 10);
    }
    g.m_position = int(depth) + 45;
    g.m_lineAbove = int(std::trunc(lineOut - float(g.m_position)));
    g.ClampStopper(m_canna.HasReel(), lineOut);
}

void CCannaPesca::UpdateExposedHeight()
{
    CGalleggiante& g = m_galleggiante;
    // Without a float (or a float of no weight) nothing rides on the water.
    if (!g.HasFloat() || g.m_current.weight <= 0) {
        g.m_exposedHeight = 0;
        return;
    }
    const float lead = float(m_piombo.GetWeightBetween(g.m_position - 45, -1));
    const float load = lead * 100.0f / float(g.m_current.weight) - 70.0f;
    if (load > 60.0f)
        g.m_exposedHeight = 0;
    else if (load >= 0.0f)
        g.m_exposedHeight = 15 - int(load * 0.25f);
    else
        g.m_exposedHeight = 19;
}

bool CCannaPesca::IsSpinningRig() const
{
    return m_canna.m_current.type == kRodSpinning && m_lenza.m_leader.m_hook.m_current.baitKind == kBaitKindSpinning &&
           !m_galleggiante.HasFloat();
}

bool CCannaPesca::CanCast() const { return m_canna.m_current.type == kRodPole || m_lenza.m_length < m_canna.GetLength(); }

// ---- configurations ---------------------------------------------------------

bool CCannaPesca::IsSafeName(const char* name)
{
    if (!name || !*name || std::strlen(name) > 128)
        return false;
    if (std::strchr(name, '/') || std::strchr(name, '\\'))
        return false;
    return std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0;
}

std::string CCannaPesca::ConfigurationPath(const char* name)
{
    return plat::JoinPath(g_GestFile.GetDataSubfolder(CGestFile::D_LENZE), std::string(name) + ".kvz");
}

bool CCannaPesca::LoadConfiguration(const char* name, std::string* storedName, std::string* description)
{
    if (!name || !*name)
        return true;
    plat::Device* dev = g_pDevice;
    CIniText file;
    char stored[644 + 1] = {};
    bool ok = IsSafeName(name);
    if (ok) {
        CopyString(m_name, name, 128);
        file.Open(ConfigurationPath(name).c_str());
        ok = file.ReadString("CONFIGURAZIONE", "NOME", "", stored, 643);
    }
    if (!ok) {
        // The built-in rig's own name has no file until the player saves
        // one: a start naming it is no error.
        const bool builtIn = std::strcmp(name, "DEFAULT") == 0 && !plat::PathExists(ConfigurationPath(name));
        if (!builtIn)
            LogTackleFallback(std::string("configuration ") + name + " cannot be loaded, the default rig is mounted");
        m_name[0] = '\0';
        m_nameRemembered = g_Opzioni.SaveLine();
        Reset(dev);
        return false;
    }
    if (storedName)
        *storedName = stored;
    if (description) {
        char text[513];
        file.ReadString("CONFIGURAZIONE", "DESCRIZIONE", "", text, 512);
        *description = text;
    }
    m_bell = file.ReadInt("ACCESSORI", "CAMPANELLO", 0);
    m_canna.LoadConfiguration(file, dev);
    m_mulinello.m_lineDiameter = m_lenza.m_material.m_diameter;
    m_mulinello.LoadConfiguration(file, dev, false);
    m_piombo.LoadConfiguration(file, false);
    m_galleggiante.LoadConfiguration(file, dev);
    m_lenza.LoadConfiguration(file, dev);
    m_mulinello.m_lineDiameter = m_lenza.m_material.m_diameter;
    m_mulinello.LoadConfiguration(file, dev);
    // The spool holds less of a thicker line: the main line read against the
    // earlier line's capacity is kept within this one's.
    if (m_canna.HasReel() && m_lenza.m_length > float(m_mulinello.GetCapacity()))
        m_lenza.SetLength(float(m_mulinello.GetCapacity()), false);
    // The shots again, now against this rig's own line and float: the
    // first reading held them to the rig loaded before.
    m_piombo.LoadConfiguration(file);
    SetFloatPosition(float(m_galleggiante.m_position));
    m_nameRemembered = g_Opzioni.SaveLine();
    return true;
}

bool CCannaPesca::SaveConfiguration(const char* name, const char* description, SaveFault* fault)
{
    SaveFault ignored;
    SaveFault& why = fault ? *fault : ignored;
    why = kNameRefused;
    if (!name || !*name) {
        m_nameRemembered = g_Opzioni.SaveLine();
        return false;
    }
    if (!IsSafeName(name)) {
        LogTackleFallback(std::string("configuration name refused: ") + name);
        return false;
    }
    const std::string path = ConfigurationPath(name);
    CIniText file;
    // A file that cannot be read is never replaced: what it holds beyond
    // the rig would be lost with it.
    if (plat::PathExists(path) && !file.Open(path.c_str())) {
        std::uintmax_t size = 0;
        std::int64_t modified = 0;
        const bool tooBig = plat::FileStamp(path, size, modified) && size > CIniText::kMaxFile;
        why = tooBig ? kOldTooBig : kOldUnreadable;
        LogTackleFallback("configuration " + path + (tooBig ? " too big" : " cannot be read") +
                          " to be rewritten, kept as it is");
        return false;
    }
    auto writeRig = [&](CIniText& to) {
        to.WriteString("CONFIGURAZIONE", "NOME", name);
        to.WriteString("CONFIGURAZIONE", "DESCRIZIONE", description ? description : "");
        to.WriteInt("ACCESSORI", "CAMPANELLO", m_bell);
        m_canna.SaveConfiguration(to);
        m_mulinello.SaveConfiguration(to);
        m_galleggiante.SaveConfiguration(to);
        m_lenza.SaveConfiguration(to);
        m_piombo.SaveConfiguration(to);
    };
    writeRig(file);
    // Whatever else an existing file holds is kept, unless keeping it would
    // make a file the loader refuses: then the rig is written afresh.
    if (file.Size() > CIniText::kMaxFile) {
        LogTackleFallback("configuration " + path + " too big to keep its other lines, written afresh");
        file = CIniText();
        writeRig(file);
    }
    if (!file.Save(path.c_str())) {
        why = kNotWritten;
        LogTackleFallback("configuration " + path + " could not be written");
        return false;
    }
    why = kSaved;
    CopyString(m_name, name, 128);
    m_nameRemembered = g_Opzioni.SaveLine();
    return true;
}

bool CCannaPesca::ConfigurationName(const char* folder, const char* fileName, std::string* name)
{
    if (!folder || !fileName)
        return false;
    const std::string file = fileName;
    if (file.size() <= 4 || file[file.size() - 4] != '.')
        return false;
    std::string extension = file.substr(file.size() - 3);
    for (char& c : extension)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    const std::string stem = file.substr(0, file.size() - 4);
    if (extension != "kvz" || !IsSafeName(stem.c_str()) || !COpzioni::HoldsWhole(stem.c_str()))
        return false;
    // The game opens "<name>.kvz": another spelling of the extension is that
    // file only when no file of the lower-case spelling stands beside it.
    if (file.compare(file.size() - 3, 3, "kvz") != 0) {
        const std::string opened = plat::ResolvePath(plat::JoinPath(folder, stem + ".kvz"));
        if (opened.size() < file.size() + 1 || opened.compare(opened.size() - file.size() - 1, std::string::npos,
                                                              "/" + file) != 0)
            return false;
    }
    if (name)
        *name = stem;
    return true;
}

void CCannaPesca::ListConfigurations(CListBox& list, const char* folder) const
{
    // The name and the description are written first in every file the game
    // writes afresh: a head of this size holds both whole.
    constexpr std::size_t kHead = 4096;
    list.Clear();
    const char* generic = Tr("Configurazione generica", "Generic configuration");
    std::vector<std::string> names;
    for (const char* n = g_GestFile.FindFirst(folder, "kvz"); n; n = g_GestFile.FindNext())
        names.emplace_back(n);
    int id = 0;
    int current = -1;
    for (const std::string& fileName : names) {
        std::string stem;
        if (!ConfigurationName(folder, fileName.c_str(), &stem))
            continue;
        std::string head;
        // Each file is read from the folder it was found in.
        if (plat::ReadFileHead(plat::JoinPath(folder, fileName), kHead + 1, head) && head.size() > kHead) {
            // A line cut by the bound would give half a value.
            const std::size_t end = head.find_last_of("\r\n", kHead - 1);
            head.resize(end == std::string::npos ? 0 : end);
        }
        // Read as the configuration reader reads it.
        CIniText file;
        file.SetText(std::move(head));
        char name[513], text[513];
        file.ReadString("CONFIGURAZIONE", "NOME", generic, name, 512);
        file.ReadString("CONFIGURAZIONE", "DESCRIZIONE", generic, text, 512);
        if (current < 0 && stem == m_name)
            current = id;
        list.AddItem(id++, fileName.c_str(), name, text);
    }
    if (current >= 0)
        list.SelectById(current, true);
}

bool CCannaPesca::DeleteConfiguration(const char* fileName)
{
    const char* folder = g_GestFile.GetDataSubfolder(CGestFile::D_LENZE);
    if (!ConfigurationName(folder, fileName, nullptr))
        return false;
    return g_GestFile.RemoveFile(plat::JoinPath(folder, fileName).c_str());
}

const char* TackleSettingsSource(int slot)
{
    if (slot == -1)
        return g_CannaPesca.m_name;
    if (slot >= 0 && slot <= 2 && g_Esca.m_slots[slot].id[0])
        return g_Esca.m_slots[slot].id;
    return nullptr;
}

