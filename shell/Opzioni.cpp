#include "shell/Opzioni.h"

#include "platform/Files.h"
#include "platform/Ini.h"
#include "shell/GestFile.h"
#include "shell/Globals.h"
#include "shell/Utility.h"

#include <cstring>
#include <string>

KARVELIN_GLOBAL(22) COpzioni g_Opzioni;

namespace {

constexpr const char* kMain = "KARVELIN";
constexpr const char* kVideo = "VIDEO";

// One key of the settings file, in file order.
struct Key {
    const char* section;
    const char* name;
    int COpzioni::*number; // null for a text key
    char* (*text)(COpzioni&);
    int size;              // capacity of the text field, terminator excluded
    int fileDefault;
    const char* textDefault;
};

template <std::size_t N, char (COpzioni::*F)[N]>
char* Field(COpzioni& o)
{
    return o.*F;
}

const Key kKeys[] = {
    {kMain, "BUILD", &COpzioni::build, nullptr, 0, 0, nullptr},
    {kMain, "TEMPOGARA", &COpzioni::tournamentTime, nullptr, 0, 5, nullptr},
    {kMain, "PESCATORIGARA", &COpzioni::tournamentFishermen, nullptr, 0, 0, nullptr},
    {kMain, "SOUNDS", &COpzioni::sounds, nullptr, 0, 1, nullptr},
    {kMain, "SHOWINDTENSIONE", &COpzioni::showTension, nullptr, 0, 1, nullptr},
    {kMain, "CONDIZIONEMETEO", &COpzioni::weather, nullptr, 0, -1, nullptr},
    {kMain, "LIVELLO", &COpzioni::level, nullptr, 0, 0, nullptr},
    {kMain, "FULLSCREEN", &COpzioni::fullScreen, nullptr, 0, 0, nullptr},
    {kMain, "SENSMOUSE", &COpzioni::mouseSensitivity, nullptr, 0, 2, nullptr},
    {kMain, "GIOCATORE", nullptr, Field<41, &COpzioni::playerName>, 40, 0, ""},
    {kMain, "MOVVERT", &COpzioni::verticalInverted, nullptr, 0, 0, nullptr},
    {kMain, "MODOLENZA", &COpzioni::lineMode, nullptr, 0, 1, nullptr},
    {kMain, "VELRECUPERO", &COpzioni::retrieveSpeed, nullptr, 0, 2, nullptr},
    {kMain, "COLOREGUI", &COpzioni::guiColour, nullptr, 0, 0, nullptr},
    {kMain, "MODORETINO", &COpzioni::netMode, nullptr, 0, 0, nullptr},
    {kMain, "VISSTATS", &COpzioni::showStats, nullptr, 0, 1, nullptr},
    {kMain, "MODOACQUE", &COpzioni::waters, nullptr, 0, 2, nullptr},
    {kMain, "LINGUA", &COpzioni::language, nullptr, 0, 1, nullptr},
    {kMain, "RISOLUZIONE", &COpzioni::resolution, nullptr, 0, 0, nullptr},
    {kMain, "UNITS", &COpzioni::units, nullptr, 0, 0, nullptr},
    {kMain, "NAZIONE", nullptr, Field<97, &COpzioni::nation>, 96, 0, ""},
    {kMain, "CITTA", nullptr, Field<31, &COpzioni::city>, 30, 0, ""},
    {kMain, "LENZA", nullptr, Field<645, &COpzioni::line>, 644, 0, ""},
    {kMain, "ESCA_FI", nullptr, Field<645, &COpzioni::baitLeader>, 644, 0, "INTERNAL_0"},
    {kMain, "ESCA_B1", nullptr, Field<645, &COpzioni::baitDropper1>, 644, 0, "INTERNAL_0"},
    {kMain, "ESCA_B2", nullptr, Field<645, &COpzioni::baitDropper2>, 644, 0, "INTERNAL_0"},
    {kVideo, "ALPHA", &COpzioni::alpha, nullptr, 0, 1, nullptr},
    {kVideo, "USA_3D", &COpzioni::use3D, nullptr, 0, 1, nullptr},
};

// Which tackle slot a text key is written from (see SetTackleSource).
int TackleSlot(const char* key)
{
    if (std::strcmp(key, "LENZA") == 0)
        return -1;
    if (std::strcmp(key, "ESCA_FI") == 0)
        return 2;
    if (std::strcmp(key, "ESCA_B1") == 0)
        return 1;
    if (std::strcmp(key, "ESCA_B2") == 0)
        return 0;
    return -2;
}

} // namespace

COpzioni::COpzioni()
{
    for (const Key& k : kKeys) {
        if (k.number)
            this->*k.number = k.fileDefault;
        else
            CopyString(k.text(*this), k.textDefault, k.size);
    }
    netMode = 1; // the one constructor default that differs from the file default
    italian = true;
}

// Joined like every other data path, so it names the same file as the
// first-run check even when the data folder is unset (never the root).
std::string COpzioni::Path() { return plat::JoinPath(g_GestFile.GetUserFolder(), "Karvelin.ini"); }

std::string COpzioni::AsStored(const char* value)
{
    plat::IniDocument file;
    file.Set(kMain, "LENZA", value ? value : "");
    plat::IniDocument read;
    read.Parse(file.Text());
    std::string back;
    read.Get(kMain, "LENZA", back);
    back.resize(std::strlen(back.c_str()));
    if (back.size() > 644)
        back.resize(644);
    return back;
}

void COpzioni::Load()
{
    // The file is read and parsed once and every key looked up in it; a
    // missing, unreadable or oversized file leaves every key at its default.
    // An empty value also means the default, and so does "ERROR" for a
    // number.
    plat::IniDocument file;
    CGestFile::OpenIni(Path().c_str(), file);
    for (const Key& k : kKeys) {
        std::string value;
        file.Get(k.section, k.name, value);
        // A value is a text up to its first NUL, as it is written back: one
        // that starts with a NUL is as empty as no value at all.
        value.resize(std::strlen(value.c_str()));
        if (k.number) {
            this->*k.number = value.empty() || value == "ERROR" ? k.fileDefault : TextToInt(value.c_str());
            if (k.number == &COpzioni::language)
                italian = language == 1;
        } else {
            // The field's whole capacity, so what Save wrote comes back whole.
            CopyString(k.text(*this), value.empty() ? k.textDefault : value.c_str(), k.size);
        }
    }
}

const char* COpzioni::TackleText(int slot, const char* field) const
{
    if (m_tackleSource) {
        if (const char* s = m_tackleSource(slot))
            return s;
    }
    return field;
}

namespace {

// The settings file as it stands, parsed: a file the loader would refuse as
// oversized reads as empty, so what is written over it is loadable again.
// False only when a file of a fair size cannot be read.
bool ReadSettingsFile(const std::string& path, plat::IniDocument& file)
{
    std::uintmax_t size = 0;
    std::int64_t modified = 0;
    const bool oversized = plat::FileStamp(path, size, modified) && size > CGestFile::kMaxIniFile;
    std::string text;
    if (!oversized && plat::PathExists(path) && !plat::ReadFileUpTo(path, CGestFile::kMaxIniFile, text))
        return false; // never replace a file we could not read
    file.Parse(text);
    return true;
}

} // namespace

bool COpzioni::Save()
{
    // All keys go into the text first and the file is replaced once: a
    // failure half-way never leaves half the settings behind.
    std::string path = Path();
    plat::IniDocument file;
    if (!ReadSettingsFile(path, file))
        return false;
    auto writeAll = [&](plat::IniDocument& to) {
        for (const Key& k : kKeys) {
            std::string value;
            if (k.number) {
                value = IntToText(this->*k.number);
            } else {
                int slot = TackleSlot(k.name);
                value = slot >= -1 ? TackleText(slot, k.text(*this)) : k.text(*this);
            }
            to.Set(k.section, k.name, value);
        }
    };
    writeAll(file);
    // Other lines of the file are kept only while the loader still takes it.
    if (file.Size() > CGestFile::kMaxIniFile) {
        file.Parse({});
        writeAll(file);
    }
    return plat::WriteFileAtomic(path, file.Text());
}

bool COpzioni::WriteKeys(const std::vector<std::pair<const char*, std::string>>& keys)
{
    const std::string path = Path();
    plat::IniDocument file;
    if (!ReadSettingsFile(path, file))
        return false;
    for (const auto& [key, value] : keys)
        file.Set(kMain, key, value);
    // Past the loader's bound the whole record is written afresh instead.
    if (file.Size() > CGestFile::kMaxIniFile)
        return Save();
    return plat::WriteFileAtomic(path, file.Text());
}

bool COpzioni::SaveBaits()
{
    // The three keys go into the file at once, as in Save: a failure never
    // leaves one bait written and the others not.
    const struct {
        const char* key;
        int slot;
        char* field;
    } baits[] = {{"ESCA_FI", 2, baitLeader}, {"ESCA_B1", 1, baitDropper1}, {"ESCA_B2", 0, baitDropper2}};
    std::vector<std::pair<const char*, std::string>> keys;
    for (const auto& b : baits) {
        std::string id = TackleText(b.slot, b.field);
        CopyString(b.field, id.c_str(), 644);
        keys.emplace_back(b.key, std::move(id));
    }
    return WriteKeys(keys);
}

bool COpzioni::SaveLine()
{
    std::string name = TackleText(-1, line);
    CopyString(line, name.c_str(), 644);
    return WriteKeys({{"LENZA", name}});
}

int COpzioni::GetLevelValueA() const
{
    switch (level) {
    case 0: return 30;
    case 2: return 20;
    default: return 25;
    }
}

int COpzioni::GetLevelValueB() const
{
    switch (level) {
    case 0: return 42;
    case 2: return 54;
    default: return 49;
    }
}

int COpzioni::GetLevelValueC() const
{
    switch (level) {
    case 0: return 90;
    case 2: return 70;
    default: return 80;
    }
}

int COpzioni::GetMouseDivisor() const
{
    switch (mouseSensitivity) {
    case 2: return 2;
    case 3: return 1;
    default: return 4;
    }
}

void COpzioni::SetPlayerName(const char* text) { CopyString(playerName, text ? text : "", 40); }

void COpzioni::SetCity(const char* text) { CopyString(city, text ? text : "", 30); }

void COpzioni::SetNation(const char* text) { CopyString(nation, (text && *text) ? text : "NULL", 96); }

bool COpzioni::IsProfileComplete() const
{
    return playerName[0] && nation[0] && std::strcmp(playerName, "Giocatore") != 0 &&
           std::strcmp(playerName, "Player") != 0;
}
