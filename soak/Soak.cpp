// Throws random and mutated bytes at every reader of untrusted input (INI
// text, WAVE data, texts, tackle catalogue and configuration files) and
// checks what must hold whatever the input: no crash, no read outside the
// bytes (run it under the address sanitizer), the INI round trip, and tackle
// records within their fields and ranges. It also plays random bite
// decisions and fights, whose numbers must stay in range.
#include "platform/Files.h"
#include "platform/Image.h"
#include "platform/Ini.h"
#include "platform/Locale.h"
#include "gui/ListBox.h"
#include "platform/Mesh.h"
#include "shell/GestFile.h"
#include "shell/SoundPlayer.h"
#include "shell/Utility.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/scene/RigFacts.h"
#include "simulation/tackle/Esca.h"
#include "simulation/scene/Pesce.h"
#include "simulation/tackle/Pastura.h"
#include "simulation/session/Sessione.h"
#include "simulation/session/Statistiche.h"
#include "world/Fondale.h"
#include "world/Luogo.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

std::mt19937 g_rng;

std::string RandomBytes(std::size_t maxLen, const char* alphabet = nullptr)
{
    std::string s(g_rng() % (maxLen + 1), '\0');
    const std::size_t n = alphabet ? std::strlen(alphabet) : 0;
    for (char& c : s)
        c = alphabet ? alphabet[g_rng() % n] : char(g_rng() & 0xFF);
    return s;
}

int g_failures = 0;

void Fail(const char* what, const std::string& detail)
{
    if (++g_failures <= 10)
        std::fprintf(stderr, "FAIL %s: %s\n", what, detail.c_str());
}

// A plausible INI text, then a few random byte flips.
std::string RandomIni()
{
    std::string text;
    const char* bits[] = {"[", "]", "=", "\r\n", "\n", "\r", " ", "KEY", "key", "S", "s", "value", ";", "\t", "ERROR"};
    for (int i = int(g_rng() % 40); i > 0; --i)
        text += bits[g_rng() % (sizeof bits / sizeof *bits)];
    for (int i = int(g_rng() % 4); i > 0 && !text.empty(); --i)
        text[g_rng() % text.size()] = char(g_rng() & 0xFF);
    return text;
}

void IniRoundTrip()
{
    const std::string text = RandomIni();
    const std::string section = RandomBytes(6, "ABCsk_1") + "X";
    const std::string key = RandomBytes(6, "ABCsk_1") + "Y";
    const std::string value = RandomBytes(12, "abc XYZ\r\n=[]\x80\xE8");
    const std::string written = plat::IniWriteText(text, section, key, value);
    std::string back;
    if (!plat::IniReadText(written, section, key, back)) {
        Fail("ini: written key not found", key);
        return;
    }
    std::string expected;
    for (char c : value)
        expected += (c == '\r' || c == '\n') ? ' ' : c;
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!expected.empty() && blank(expected.front()))
        expected.erase(expected.begin());
    while (!expected.empty() && blank(expected.back()))
        expected.pop_back();
    if (back != expected)
        Fail("ini: value changed", "'" + back + "' vs '" + expected + "'");
    if (plat::IniWriteText(written, section, key, value) != written)
        Fail("ini: writing the same again changed the text", written);
}

std::vector<unsigned char> RandomWave()
{
    std::vector<unsigned char> w;
    auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            w.push_back((v >> (8 * i)) & 0xFF);
    };
    // Byte by byte: GCC 12 misreads a range insert into the empty vector as
    // an overflow.
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i)
            w.push_back(static_cast<unsigned char>(t[i]));
    };
    tag("RIFF");
    put32(g_rng() % 2 ? g_rng() : 200);
    tag("WAVE");
    for (int c = int(g_rng() % 4); c >= 0; --c) {
        const char* tags[] = {"fmt ", "data", "LIST", "junk"};
        tag(tags[g_rng() % 4]);
        std::uint32_t len = g_rng() % 3 ? g_rng() % 40 : g_rng();
        put32(len);
        for (std::uint32_t i = 0; i < std::min<std::uint32_t>(len, 40); ++i)
            w.push_back(g_rng() & 0xFF);
    }
    w.resize(g_rng() % (w.size() + 1)); // cut anywhere
    return w;
}

void Wave()
{
    std::vector<unsigned char> bytes = RandomWave();
    // The parser gets its own exact-size copy so a read past the end is caught.
    unsigned char* exact = bytes.empty() ? nullptr : static_cast<unsigned char*>(std::malloc(bytes.size()));
    if (exact)
        std::memcpy(exact, bytes.data(), bytes.size());
    plat::WaveFormat format{};
    const unsigned char* data = nullptr;
    std::uint32_t size = 0;
    if (ParseWaveData(exact, bytes.size(), &format, &data, &size)) {
        if (!data || data < exact || data + size > exact + bytes.size())
            Fail("wave: samples outside the bytes", std::to_string(size));
    }
    std::free(exact);
}

void Texts()
{
    const std::string bytes = RandomBytes(24);
    const std::string cp = plat::Utf8ToCp1252(bytes);
    if (plat::Utf8ToCp1252(plat::Cp1252ToUtf8(cp)) != cp)
        Fail("text: Windows-1252 round trip", cp);
    const std::string digits = RandomBytes(24, "0123456789+- x.e");
    TextToInt(digits.c_str());
    TextToFloat(digits.c_str());
    char buf[8];
    CopyString(buf, bytes.c_str(), int(sizeof buf) - 1);
}

// Catch logs and the statistics file: valid files with bytes flipped, cut
// or added, read back from a scratch data folder.
std::string g_validLog, g_validStats;

std::string Mutated(const std::string& valid)
{
    std::string bytes = valid;
    for (int flips = int(g_rng() % 6); flips > 0 && !bytes.empty(); --flips)
        bytes[g_rng() % bytes.size()] = char(g_rng() & 0xFF);
    switch (g_rng() % 4) {
    case 0: bytes.resize(g_rng() % (bytes.size() + 1)); break;
    case 1: bytes += RandomBytes(40); break;
    default: break;
    }
    return bytes;
}

void PrepareRecords()
{
    g_GestFile.Init();
    g_GestFile.CreateFolders();
    g_Sessione.Clear();
    std::strcpy(g_Sessione.m_venue, "Soak");
    for (int i = 0; i < 3; ++i)
        g_Sessione.AddCatch(i, 100.0f * float(i + 1), 10 * (i + 1));
    g_Sessione.Save("valid");
    plat::ReadWholeFile(plat::JoinPath(g_GestFile.GetDataSubfolder(CGestFile::D_CATTURE), "valid.kvc"), g_validLog);
    g_Statistiche.Clear();
    g_Statistiche.AddCatch(3, "Soak", 1500.0f);
    g_Statistiche.m_sessions = 4;
    g_Statistiche.Save();
    plat::ReadWholeFile(plat::JoinPath(g_GestFile.GetUserFolder(), CStatistiche::FileName()), g_validStats);
}

void SavedRecords()
{
    plat::WriteFileAtomic(plat::JoinPath(g_GestFile.GetDataSubfolder(CGestFile::D_CATTURE), "m.kvc"), Mutated(g_validLog));
    g_Sessione.Load("m.kvc");
    if (g_Sessione.GetCount() < 0 || std::size_t(g_Sessione.GetCount()) != g_Sessione.m_catches.size())
        Fail("catch log: count differs from the entries", std::to_string(g_Sessione.GetCount()));
    if (std::strlen(g_Sessione.m_player) > 40 || std::strlen(g_Sessione.m_venue) > 128 || std::strlen(g_Sessione.m_endTime) > 16)
        Fail("catch log: text past its field", g_Sessione.m_player);
    char player[41], venue[129], date[17];
    CSessione::ReadHeader("m.kvc", player, venue, date);
    if (std::strcmp(player, g_Sessione.m_player) != 0 || std::strcmp(date, g_Sessione.m_date) != 0)
        Fail("catch log: header differs from the load", player);
    // Now and then a log longer than any session makes: refused whole, its
    // header still read so the row can be listed and deleted.
    if (g_rng() % 16 == 0) {
        std::string big = g_validLog;
        // Drawn one after the other: the order of a call's arguments is
        // the compiler's, and a seed must give one run.
        const char fill = char(g_rng() & 0xFF);
        const std::size_t over = 1 + g_rng() % 64;
        big.resize(std::size_t(CSessione::kMaxFileSize) + over, fill);
        plat::WriteFileAtomic(plat::JoinPath(g_GestFile.GetDataSubfolder(CGestFile::D_CATTURE), "big.kvc"), big);
        g_Sessione.Load("big.kvc");
        if (g_Sessione.GetCount() != 0)
            Fail("catch log: a log past the bound was taken", std::to_string(g_Sessione.GetCount()));
        if (!CSessione::ReadHeader("big.kvc", player, venue, date) || std::strcmp(venue, "Soak") != 0)
            Fail("catch log: the header of a log past the bound cannot be read", venue);
    }

    plat::WriteFileAtomic(plat::JoinPath(g_GestFile.GetUserFolder(), CStatistiche::FileName()), Mutated(g_validStats));
    const bool accepted = g_Statistiche.Load();
    if (std::strlen(g_Statistiche.m_name) > 40)
        Fail("statistics: name past its field", g_Statistiche.m_name);
    for (const StatCatch& c : g_Statistiche.m_best)
        if (strnlen(c.name, sizeof c.name) > 32)
            Fail("statistics: catch name past its field", "");
    if (!accepted && (g_Statistiche.m_sessions != 0 || g_Statistiche.m_name[0]))
        Fail("statistics: a rejected file left values behind", "");
}

// A tackle file: real sections and keys with numbers, huge numbers, words,
// long texts and stray bytes, in any order.
std::string RandomTackleFile()
{
    const char* sections[] = {"AMO", "CANNA", "ESCA", "GALLEGGIANTE", "MULINELLO", "PIOMBINO", "CONFIGURAZIONE",
                              "LENZA", "PIOMBATURA", "BRACCIOLO_0", "AMO_BRACCIOLO_1", "ACCESSORI",
                              "PASTURA",        "PESCI",          "PESCI_MARE"};
    const char* keys[] = {"NOME", "NAME", "DESCRIZIONE", "DESCRIPTION", "FILENAMEFOTO", "FILENAMESPRITE", "MISURA",
                          "COLORE", "ESCA", "TIPO", "RIGIDITA", "PESO", "CORRENTE", "MAX_PROF", "CAPACITA_MAX",
                          "CAPACITA_MIN", "RAPPORTO_RECUPERO", "ATTACCO", "FORMA", "FILE", "POSIZIONE", "STOPPER",
                          "LUNGHEZZA", "FILO", "TIPO_FILO", "INUSO", "GIRELLA", "PIOMBO_0", "POSIZIONE_0",
                          "DIST_GIRELLA_0", "LUNGHEZZA_FINALE", "POSIZIONE_BRACCIOLO", "MODELLO",
                          "SECONDI", "CARPA", "GHIOZZO", "ANGUILLA"};
    const char* values[] = {"0", "-1", "13", "99999999999", "-99999999999", "12abc", "ERROR", "", "INTERNAL_0",
                            "INTERNAL_V", "..", "../x", "NULL", "NOME_FILE_FOTO_NULL", "2147483647"};
    std::string text;
    for (int i = int(g_rng() % 30); i > 0; --i) {
        if (g_rng() % 4 == 0)
            text += std::string("[") + sections[g_rng() % std::size(sections)] + "]\r\n";
        text += keys[g_rng() % std::size(keys)];
        text += "=";
        switch (g_rng() % 4) {
        case 0: text += std::string(g_rng() % 3000, 'x'); break;
        case 1: text += RandomBytes(20); break;
        default: text += values[g_rng() % std::size(values)]; break;
        }
        text += "\r\n";
    }
    return text;
}

// Every tackle reader over a folder of random files, and a configuration
// load and save; the records must stay within their fields and ranges.
void TackleFiles(const std::string& root)
{
    const char* kinds[][2] = {{"Ami", "kva"},   {"Canne", "kvn"},        {"Esche", "kve"}, {"Galleggianti", "kvg"},
                              {"Mulinelli", "kvm"}, {"Piombi", "kvp"}, {"Pasture", "kvt"}};
    for (const auto& k : kinds) {
        const std::string folder = root + "/program/" + k[0];
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        for (int i = int(g_rng() % 4); i > 0; --i)
            plat::WriteFileAtomic(folder + "/f" + std::to_string(i) + "." + k[1], RandomTackleFile());
    }
    plat::WriteFileAtomic(root + "/Karvelin/Lenze/Soak.kvz", "[CONFIGURAZIONE]\r\nNOME=Soak\r\n" + RandomTackleFile());
    CCannaPesca& rig = g_CannaPesca;
    rig.Init(nullptr, 400);
    g_Esca.Load(nullptr);
    for (int i = 0; i < rig.m_lenza.m_leader.m_hook.GetCount(); ++i) {
        const AmoRecord& r = rig.m_lenza.m_leader.m_hook.GetRecord(i);
        if (std::strlen(r.name) > 128 || std::strlen(r.description) > 512 || r.size < -7 || r.size > 24)
            Fail("tackle: hook record out of its fields", r.id);
    }
    for (const EscaRecord& r : g_Esca.m_records)
        if (r.maxDepth < 0 || r.maxDepth > 10000 || (r.kind == 13 && (r.weight < 200 || r.weight > 20000)))
            Fail("tackle: bait record out of range", r.id);
    static CPastura groundbait;
    groundbait.Load(nullptr);
    for (const PasturaRecord& r : groundbait.m_records) {
        if (r.duration < 0 || r.duration > 3600 || std::strlen(r.name) > 128 || std::strlen(r.description) > 512)
            Fail("tackle: groundbait record out of range", r.id);
        for (int f : r.attracts)
            if (f != 0 && f != 1)
                Fail("tackle: groundbait flag not 0 or 1", r.id);
    }
    for (int i = 0; i < rig.m_galleggiante.GetCount(); ++i) {
        const GalleggianteRecord& r = rig.m_galleggiante.GetRecord(i);
        if (i > 2 && (r.weight < 20 || r.weight > 800 || r.mount < 0 || r.mount > 1))
            Fail("tackle: float record out of range", r.id);
    }
    rig.LoadConfiguration("Soak");
    if (rig.m_lenza.m_material.m_kind < 0 || rig.m_lenza.m_material.m_kind > 3 || rig.m_lenza.m_material.m_colour < 0 ||
        rig.m_lenza.m_material.m_colour > 12 || rig.m_galleggiante.m_stopper < 0 || rig.m_galleggiante.m_stopper > 10000)
        Fail("tackle: configuration value out of its table", "Soak");
    rig.SaveConfiguration("Soak", "");

    // The load dialog's listing over names the game can and cannot keep:
    // every row listed must be a configuration it can load and delete.
    const std::string lenze = root + "/Karvelin/Lenze";
    const char* odd[] = {"Caps.KVZ", " blank.kvz", "blank .kvz", "a\\b.kvz", "x.kvz.kvz", ".kvz"};
    // Written as named (the file layer would read a backslash as a folder).
    std::ofstream(lenze + "/" + odd[g_rng() % std::size(odd)], std::ios::binary)
        << (g_rng() % 2 ? RandomTackleFile() : std::string(6000, '\n') + RandomTackleFile());
    static CListBox list;
    rig.ListConfigurations(list, lenze.c_str());
    for (std::int32_t i = 0; i < list.GetCount(); ++i) {
        const ListItem* row = list.GetItem(i);
        if (!row || !CCannaPesca::ConfigurationName(lenze.c_str(), row->key, nullptr))
            Fail("tackle: a configuration listed that cannot be loaded", row ? row->key : "");
    }
    // A file too big to be read is never saved over.
    if (g_rng() % 4 == 0) {
        const std::string big(std::size_t(CIniText::kMaxFile) + 1 + g_rng() % 64, '\n');
        plat::WriteFileAtomic(lenze + "/Big.kvz", big);
        std::string after;
        if (rig.SaveConfiguration("Big", "") || !plat::ReadWholeFile(lenze + "/Big.kvz", after) || after != big)
            Fail("tackle: a configuration too big to read was saved over", "Big");
    }
    for (const auto& entry : std::filesystem::directory_iterator(lenze))
        if (entry.path().filename() != "Soak.kvz")
            std::filesystem::remove(entry.path());
}

// Photos come from the data folders: a small valid PNG, mutated, through the
// decoder; an accepted picture must be whole and within the size bounds.
void Pictures(const std::string& scratch)
{
    static std::string valid;
    if (valid.empty()) {
        plat::Image img(7, 5, 0xFF336699u);
        const std::string path = scratch + "/soak.png";
        if (!plat::SavePng(path, img) || !plat::ReadWholeFile(path, valid))
            return;
    }
    const std::string bytes = Mutated(valid);
    plat::Image out;
    if (plat::DecodeImage(bytes.data(), bytes.size(), out)) {
        if (out.width < 1 || out.height < 1 || out.width > plat::kMaxPictureSide ||
            out.height > plat::kMaxPictureSide || out.pixels.size() != std::size_t(out.width) * out.height)
            Fail("picture: accepted with a bad size", std::to_string(out.width) + " x " + std::to_string(out.height));
    }
}

// A small mesh written as text, then cut, flipped or spliced.
void MeshText()
{
    static const std::string base = [] {
        plat::Mesh m = plat::MakeCylinder(0.01f, 0.03f, 1.0f, 4, 2);
        m.materials[0].textureFile = "CORPO.BMP";
        m.materials.push_back(m.materials[0]);
        m.faces[3].material = 1;
        return plat::WriteMeshText(m);
    }();
    std::string text = base;
    const char* bits[] = {"{", "}", ";", ",", "\"", "-1", "4294967295", "3", "0", "nan", "1e39", "Mesh {", "//", "\n"};
    for (int i = int(g_rng() % 6); i > 0; --i) {
        const std::size_t at = g_rng() % (text.size() + 1);
        switch (g_rng() % 4) {
        case 0: text.insert(at, bits[g_rng() % (sizeof bits / sizeof *bits)]); break;
        case 1: if (at < text.size()) text[at] = char(g_rng() & 0xFF); break;
        case 2: text.erase(at, g_rng() % 8); break;
        default: text.resize(at); break;
        }
    }
    // The reader gets its own exact-size copy so a read past the end is caught.
    char* exact = text.empty() ? nullptr : static_cast<char*>(std::malloc(text.size()));
    if (exact)
        std::memcpy(exact, text.data(), text.size());
    plat::Mesh m;
    if (plat::ReadMeshText(exact, text.size(), m)) {
        for (const auto& f : m.faces) {
            for (auto i : f.index)
                if (i >= m.vertices.size())
                    Fail("mesh: face index out of range", std::to_string(i));
            if (f.material < 0 || std::size_t(f.material) >= m.materials.size())
                Fail("mesh: face material out of range", std::to_string(f.material));
        }
        for (const auto& v : m.vertices)
            for (float f : {v.position.x, v.position.y, v.position.z, v.normal.x, v.normal.y, v.normal.z, v.u, v.v})
                if (!std::isfinite(f))
                    Fail("mesh: a number that is not finite", text.substr(0, 40));
    }
    std::free(exact);
}

// Venue, presence and bottom files: random keys and values, mutated bottoms.
// Whatever they hold, the venue keeps its numbers in range and its texts in
// their fields, and the bottom its values within 0..10000.
std::string g_validBottom;

void VenueFiles()
{
    const std::string folder = g_GestFile.GetDataSubfolder(CGestFile::D_LUOGHI);
    if (g_validBottom.empty()) {
        g_Fondale.Generate(20);
        g_Fondale.SaveDepths("soak.kvl");
        plat::ReadWholeFile(plat::JoinPath(folder, "soak.kvf"), g_validBottom);
    }
    const char* keys[] = {"NOME", "NAME", "DESCRIPTION", "TIPO", "CORRENTE", "PROFONDITA", "PENDENZA", "MAX_METRI",
                          "LIMITI_SUPERIORI", "TIPO_LIMITI_SUPERIORI", "FILE_PRESENZA_PESCI", "FILENAMEFOTO"};
    std::string venue = "[LUOGO]\r\n";
    for (int i = int(g_rng() % 14); i > 0; --i) {
        venue += keys[g_rng() % (sizeof keys / sizeof *keys)];
        venue += "=" + (g_rng() % 3 == 0 ? RandomBytes(40) : RandomBytes(40, "0123456789-79 x")) + "\r\n";
    }
    if (g_rng() % 2)
        venue += "FILE_PRESENZA_PESCI=soak\r\n";
    std::string presence = g_rng() % 2 ? "[PESCI]\r\n" : "[PESCI_MARE]\r\n";
    for (int section = 0; section < 2; ++section) {
        int n = 0;
        const PresenceKey* table = PresenceKeys(section, n);
        for (int i = int(g_rng() % 20); i > 0; --i)
            presence += std::string(table[g_rng() % unsigned(n)].key) + "=" + RandomBytes(12, "0123456789-") + "\r\n";
    }
    plat::WriteFileAtomic(plat::JoinPath(folder, "soak.kvl"), venue);
    plat::WriteFileAtomic(plat::JoinPath(folder, "soak.kvs"), presence);
    plat::WriteFileAtomic(plat::JoinPath(folder, "soak.kvf"), Mutated(g_validBottom));
    g_Luogo.LoadVenue(folder.c_str(), "soak.kvl");
    if (g_rng() % 8 == 0) {
        std::ofstream(folder + "/sub\\soak.kvl", std::ios::binary) << venue;
        g_Luogo.AddVenues(-1, -1, folder.c_str(), false);
        if (g_Luogo.VenueList().FindByKey("sub\\soak.kvl"))
            Fail("venue: a name with a backslash was listed", "sub\\soak.kvl");
        std::filesystem::remove(folder + "/sub\\soak.kvl");
    }
    const LuogoRecord& r = g_Luogo.Record();
    if (r.PROFONDITA < 50 || r.PROFONDITA > 10000 || r.PENDENZA < 5 || r.PENDENZA > 50 || r.MAX_METRI < 20 ||
        r.MAX_METRI > 70)
        Fail("venue: a number out of range", venue);
    for (int i = 0; i < 32; ++i)
        if (r.upperLimits[i] < 0 || r.upperLimits[i] > 7 || r.upperLimitTypes[i] < 0 || r.upperLimitTypes[i] > 3)
            Fail("venue: an upper limit out of range", venue);
    for (int v : r.presence)
        if (v < 0 || v > 100)
            Fail("venue: a presence out of range", presence);
    if (std::strlen(r.name) > 96 || std::strlen(r.photoFile) > 128)
        Fail("venue: text past its field", r.name);
    for (int v : g_Fondale.m_depths)
        if (v < 0 || v > CFondale::kMaxDepthValue)
            Fail("bottom: a depth out of range", std::to_string(v));
}

// Random facts of rig, venue and clock against every species, then a fish
// fought against random lines for a while: what must hold whatever the
// numbers (nothing read from files here).
void Fights()
{
    CCannaPesca& rig = g_CannaPesca;
    auto pick = [](int low, int high) { return low + int(g_rng() % unsigned(high - low + 1)); };
    // A species within the catalogue's kinds of numbers.
    PesceRecord species{};
    species.speciesIndex = pick(0, 129);
    species.minSize = pick(1, 100);
    species.maxSize = species.minSize + pick(0, 200);
    species.weightK = pick(0, 5);
    species.weightB = 1.5f + float(pick(0, 100)) / 100.0f;
    species.weightM = float(pick(1, 50)) / 1000.0f;
    for (int& v : species.venueTypes)
        v = pick(-1, 2);
    for (int& v : species.currents)
        v = pick(-1, 3);
    for (int& v : species.bottoms)
        v = pick(-1, 4);
    for (int& v : species.baitFamilies)
        v = pick(-1, 13);
    for (int& v : species.regions)
        v = pick(-1, 6);
    for (int& v : species.monthActivity)
        v = pick(0, 100);
    for (int& v : species.periodActivity)
        v = pick(0, 100);
    species.waterClarity = pick(0, 2);
    species.depthKind = pick(0, 400);
    species.depthOver = g_rng() % 2 ? 0 : pick(0, 2000);
    species.minHook = pick(-7, 24);
    species.maxHook = pick(species.minHook, 24);
    species.maxLineHook = pick(6, 90);
    species.biteKind = pick(0, 2);
    BiteFacts f;
    f.fishing = g_rng() % 8 != 0;
    f.biteReady = g_rng() % 8 != 0;
    f.sinkDepth = float(pick(-100, 3000));
    f.bottomDepth = pick(0, 3000);
    f.hasFloat = g_rng() % 2;
    f.rodType = pick(-1, 4);
    f.spinningRig = g_rng() % 3 == 0;
    f.floatDriftStep = pick(-3, 3);
    f.floatCurrent = pick(-1, 3);
    f.reelRetrieving = g_rng() % 2;
    f.lineSlack = float(pick(-50, 300));
    f.mainDiameter = pick(6, 90);
    f.mainKind = pick(0, 3);
    f.shotBalanceClass = pick(-1, 3);
    f.shotWeightClass = pick(-1, 3);
    f.shotsBalanced = g_rng() % 2;
    f.venueType = pick(-1, 2);
    f.venueRegion = pick(-1, 6);
    f.venueCurrent = pick(-1, 3);
    f.venueBottom = pick(-1, 4);
    f.venueWater = pick(-1, 2);
    f.seaState = pick(-1, 3);
    f.month = pick(-2, 13);
    f.dayPhase = pick(-1, 5);
    f.tideFlag = pick(0, 1);
    f.levelValue = pick(0, 80);
    for (TerminalFacts& t : f.terminals) {
        t.inUse = g_rng() % 2;
        t.baitKind = pick(-1, 13);
        t.baitVenueKind = pick(-1, 3);
        t.hookSize = pick(-7, 24);
        t.hookPoint = pick(0, 2);
        t.hookBarb = pick(0, 1);
        t.hookBait = pick(-1, 13);
        t.lineDiameter = pick(6, 90);
        t.lineKind = pick(0, 3);
        t.lineColour = pick(-1, 13);
    }
    g_Pesce.Hook(species, pick(0, 800), pick(0, 600), pick(0, 3000), g_rng() % 4 ? 0 : pick(1, 200), false);
    rig.DecideBite(species, f);
    if (rig.m_hookInUse < -1 || rig.m_hookInUse > 2 || (rig.m_hookInUse >= 0 && rig.m_hookInUse < 2 && !f.terminals[rig.m_hookInUse].inUse))
        Fail("bite: a hook not in use", std::to_string(rig.m_hookInUse));
    if (g_Pesce.m_length < 0 || !(g_Pesce.m_weight >= 0.0f) || !std::isfinite(g_Pesce.m_stamina))
        Fail("fish: impossible numbers", std::to_string(g_Pesce.m_weight));
    rig.m_hookInUse = pick(0, 2);
    rig.m_canna.m_phase = 2;
    rig.m_strike = g_rng() % 2;
    rig.m_lenza.m_maxTensionCache[0] = rig.m_lenza.m_maxTensionCache[1] = rig.m_lenza.m_maxTensionCache[2] = 0.0f;
    for (int tick = 0; tick < 40; ++tick) {
        rig.m_lenza.m_tension = float(pick(0, 240));
        g_Pesce.OnTimer0();
        FishOnFacts k;
        k.tension = rig.m_lenza.m_tension;
        k.maxTension = float(pick(170, 240));
        k.lineMode = pick(0, 1);
        k.level = pick(0, 2);
        k.rodType = pick(0, 3);
        k.lineEndY = float(pick(0, 600));
        k.distance = float(pick(0, 5000));
        k.lineOut = float(pick(0, 5000));
        k.drag = float(pick(0, 20));
        k.breakingLoad = float(pick(100, 30000));
        k.hookPoint = pick(0, 2);
        k.hookBarb = pick(0, 1);
        k.hookSize = pick(-7, 24);
        k.terminalLineKind = pick(0, 3);
        rig.CheckFishOn(k);
        if (g_Pesce.m_run < -100 || g_Pesce.m_run > 15000 || g_Pesce.m_stamina < 0.0f ||
            g_Pesce.m_stamina > 1.2f * g_Pesce.m_maxStamina + 1.0f)
            Fail("fight: run or stamina out of range", std::to_string(g_Pesce.m_run));
        if (rig.m_lossReason < 0 || rig.m_lossReason > 7 || rig.m_warning.m_column < 0 || rig.m_warning.m_column > 2)
            Fail("fight: loss reason or warning out of range", std::to_string(rig.m_lossReason));
        if (rig.GetPhase() != 2)
            break;
    }
    rig.SetLossReason(0);
}

} // namespace

int main(int argc, char** argv)
{
    const long iterations = argc > 1 ? std::atol(argv[1]) : 200000;
    const unsigned seed = argc > 2 ? unsigned(std::strtoul(argv[2], nullptr, 10)) : 1u;
    g_rng.seed(seed);
    // The saved records and the tackle files are read from a scratch
    // folder, removed at the end: data root there, program folder below it.
    std::string scratch = (std::filesystem::temp_directory_path() / "karvelin-soak-XXXXXX").string();
    const bool haveScratch = mkdtemp(scratch.data()) != nullptr;
    if (haveScratch) {
        plat::SetDataRootForTests(scratch);
        plat::SetProgramFolderForTests(scratch + "/program");
        std::filesystem::create_directories(scratch + "/program");
        PrepareRecords();
    }
    for (long i = 0; i < iterations; ++i) {
        IniRoundTrip();
        Wave();
        Texts();
        MeshText();
        if (haveScratch)
            Pictures(scratch);
        if (haveScratch && i % 8 == 0)
            SavedRecords();
        // The tackle readers work on whole folders: one run in 500.
        if (haveScratch && i % 500 == 0)
            TackleFiles(scratch);
        if (haveScratch && i % 16 == 0)
            VenueFiles();
        if (i % 4 == 0)
            Fights();
    }
    if (haveScratch) {
        std::error_code ec;
        std::filesystem::remove_all(scratch, ec);
    }
    std::printf("%ld iterations, seed %u: %d failures\n", iterations, seed, g_failures);
    return g_failures ? 1 : 0;
}
