#pragma once
// The file services: the program folder, the data folder, one subfolder per
// kind of data on each side, enumeration, existence, deletion and INI keys.
#include "platform/Ini.h"

#include <string>
#include <vector>

class CGestFile {
public:
    // Program-side subfolders, in this order.
    enum ProgramFolder { P_AMI, P_ESCHE, P_GALLEGGIANTI, P_PIOMBI, P_LENZE, P_LUOGHI, P_PASTURE, P_CANNE, P_MULINELLI, P_COUNT };
    // Data-side subfolders, in this order.
    enum DataFolder { D_AMI, D_ESCHE, D_GALLEGGIANTI, D_PIOMBI, D_LENZE, D_LUOGHI, D_PASTURE, D_CATTURE, D_CANNE, D_MULINELLI, D_COUNT };

    bool Init();
    void CreateFolders();
    void CopyLineFiles();

    const char* GetUserFolder() const { return m_dataFolder; }
    const char* GetProgramFolder() const { return m_programFolder; }
    const char* GetProgramSubfolder(ProgramFolder f) const { return m_programSub[f]; }
    const char* GetDataSubfolder(DataFolder f) const { return m_dataSub[f]; }

    // One enumeration at a time; names are valid until the next call.
    const char* FindFirst(const char* folder, const char* extension);
    const char* FindNext();

    bool FileExists(const char* path);
    bool FileExistsIn(const char* folder, const char* name);
    bool FileExistsWithExt(const char* folder, const char* name, const char* extension);
    bool RemoveFile(const char* path);
    bool delFile(const char* folder, const char* name, const char* extension);
    const char* StripExtension(const char* name);

    bool ReadString(const char* section, const char* key, const char* def, char* buffer, int size, const char* path);
    int ReadInt(const char* section, const char* key, int def, const char* path);
    bool WriteString(const char* section, const char* key, const char* value, const char* path);
    bool WriteInt(const char* section, const char* key, int value, const char* path);

    // A file read once for many keys: the same rules as above on a parsed
    // document. OpenIni is false (and the document empty) for a missing,
    // unreadable or oversized file, which then reads as every key missing.
    static bool OpenIni(const char* path, plat::IniDocument& doc);
    static bool ReadString(const plat::IniDocument& doc, const char* section, const char* key, const char* def,
                           char* buffer, int size);
    static int ReadInt(const plat::IniDocument& doc, const char* section, const char* key, int def);

    // No INI file the game reads is near this size: a bigger one reads as
    // a file without keys, and is never taken into memory.
    static constexpr std::size_t kMaxIniFile = 1u << 20;

private:

    std::vector<std::string> m_found;
    long m_findIndex = -1; // -1 when no enumeration is open
    char m_findName[261] = {};
    char m_scratch[513] = {};
    // Folder texts hold any real path on this system; a longer one is not
    // cut (that would name another folder) but left empty.
    static constexpr int kFolderMax = 1024;
    char m_programFolder[kFolderMax + 1] = {};
    char m_dataFolder[kFolderMax + 1] = {};
    char m_programSub[P_COUNT][kFolderMax + 16] = {};
    char m_dataSub[D_COUNT][kFolderMax + 16] = {};
};

extern CGestFile g_GestFile;
