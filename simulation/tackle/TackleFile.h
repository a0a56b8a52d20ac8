#pragma once
// What every tackle catalogue and the tackle configurations share: one INI
// file read once into memory, the common head of every catalogue record and
// its reading rule, the folder loader, the photo loader that never ends the
// game over a missing picture, and the list of fallbacks taken while loading
// (a missing key, a clamped value, an unknown id, a missing picture).
#include "platform/Ini.h"
#include "shell/GestFile.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace plat {
class Device;
}
class CSprite;
class CSpriteBordo;

// One INI file parsed once: every read is a look-up, every write edits the
// one line concerned, and Save replaces the file in one atomic step.
class CIniText {
public:
    // A tackle file is a few hundred bytes, a configuration a few
    // kilobytes: anything bigger is not one and reads as a file without keys.
    static constexpr std::size_t kMaxFile = 1u << 20;

    // False (and an empty text) when the file cannot be read, is not a
    // file or is bigger than kMaxFile (checked before reading).
    bool Open(const char* path);
    void SetText(std::string text) { m_doc.Parse(text); }
    std::string Text() const { return m_doc.Text(); }
    std::size_t Size() const { return m_doc.Size(); }

    // A missing or empty value, or one that starts with a NUL byte, gives
    // the default; the copy keeps at most max characters (buffer of
    // max + 1). True when the key had a value.
    bool ReadString(const char* section, const char* key, const char* def, char* buffer, int max) const;
    // A missing or empty value, or "ERROR", gives the default; otherwise the
    // leading decimal number (0 when there is none). found tells which.
    int ReadInt(const char* section, const char* key, int def, bool* found = nullptr) const;

    void WriteString(const char* section, const char* key, const char* value);
    void WriteInt(const char* section, const char* key, int value);
    bool Save(const char* path) const;

private:
    plat::IniDocument m_doc;
};

// The head every catalogue record starts with.
struct TackleHead {
    char name[129];
    char description[513];
    char folder[513];
    char id[129];
    char photo[132];
};

// What differs between the catalogues in reading the head.
struct TackleKind {
    const char* section;
    const char* extension;
    CGestFile::ProgramFolder programFolder;
    CGestFile::DataFolder dataFolder;
    const char* genericItalian;
    const char* genericEnglish;
    bool hasPhoto; // groundbait files have no photo key
};

// Reads NOME (NAME in English), the description of the language and the
// photo key into the head; folder and id are the caller's.
void ReadTackleHead(const CIniText& file, const TackleKind& kind, TackleHead& head);

// An integer key of a catalogue file: the default when missing, then
// clamped into lo..hi when lo <= hi. Missing keys and clamps are noted.
int ReadTackleInt(const CIniText& file, const TackleKind& kind, const char* fileName, const char* key, int def,
                  int lo = 1, int hi = 0);

// Appends one record per file of the kind in the folder, in the folder's
// order. read fills what follows the head.
template <class Record, class ReadRest>
void LoadTackleFolder(const char* folder, const TackleKind& kind, std::vector<Record>& records, ReadRest read);

// The fallbacks taken since the last clear, one line each, also kept for
// tests; LogTackleFallback also writes the line to the error log.
void NoteTackleFallback(const std::string& line);
void LogTackleFallback(const std::string& line);
const std::vector<std::string>& TackleFallbacks();
void ClearTackleFallbacks();

// A photo of a catalogue: the file in its folder, else the built-in bitmap.
// Never fatal: with no device nothing happens; a bitmap that is not among
// the game's pictures leaves the sprite empty and notes it.
int LoadTacklePhoto(CSpriteBordo& photo, plat::Device* dev, const char* folder, const char* fileName,
                    std::uint32_t bitmapId, int width, int height);
// A built-in bitmap into a plain sprite, with the same guards.
int LoadTackleBitmap(CSprite& sprite, plat::Device* dev, std::uint32_t bitmapId, int width, int height);
bool HasTackleBitmap(std::uint32_t bitmapId);

// The catalogue's bounded copy of a text.
void CopyTackleText(char* dest, const char* src, int max);

// Where the record with that id stands in the catalogue, or -1 when none
// has it (or no id is given).
template <class Record>
int FindTackleRecord(const std::vector<Record>& records, const char* id)
{
    for (std::size_t i = 0; id && i < records.size(); ++i)
        if (std::strcmp(records[i].id, id) == 0)
            return int(i);
    return -1;
}

// ---- template body -------------------------------------------------------

bool OpenTackleFile(const char* folder, const char* fileName, const TackleKind& kind, CIniText& file);
// What a saved rig or the settings give back for a file name written as an
// id, when that differs from the name and no file of the kind goes by it;
// else the empty text.
std::string ReadableTackleId(const char* fileName, const TackleKind& kind);

template <class Record, class ReadRest>
void LoadTackleFolder(const char* folder, const TackleKind& kind, std::vector<Record>& records, ReadRest read)
{
    if (!folder || !*folder)
        return;
    // The names are taken first: a reader may not nest enumerations.
    std::vector<std::string> names;
    for (const char* name = g_GestFile.FindFirst(folder, kind.extension); name; name = g_GestFile.FindNext())
        names.emplace_back(name);
    for (const std::string& name : names) {
        CIniText file;
        if (!OpenTackleFile(folder, name.c_str(), kind, file))
            continue;
        Record r{};
        CopyTackleText(r.folder, folder, 512);
        CopyTackleText(r.id, name.c_str(), 128);
        ReadTackleHead(file, kind, r);
        read(file, r);
        // A rig and the settings remember a part by its id, and a value is
        // read back without blanks at its ends: such a file is known by the
        // id that comes back, so the part is found again after a save, unless
        // another item already goes by it.
        const std::string readable = ReadableTackleId(r.id, kind);
        if (!readable.empty() && FindTackleRecord(records, readable.c_str()) < 0)
            CopyTackleText(r.id, readable.c_str(), 128);
        records.push_back(r);
    }
}
