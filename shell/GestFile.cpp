#include "shell/GestFile.h"

#include "platform/Files.h"
#include "platform/Ini.h"
#include "shell/Globals.h"
#include "shell/Utility.h"

#include <cstring>

KARVELIN_GLOBAL(7) CGestFile g_GestFile;

namespace {

const char* const kProgramNames[CGestFile::P_COUNT] = {"Ami",    "Esche",  "Galleggianti", "Piombi",   "Lenze",
                                                       "Luoghi", "Pasture", "Canne",       "Mulinelli"};
const char* const kDataNames[CGestFile::D_COUNT] = {"Ami",     "Esche",   "Galleggianti", "Piombi", "Lenze",
                                                    "Luoghi",  "Pasture", "Catture",      "Canne",  "Mulinelli"};

// One line for each name refused by the path layer (the same name asked
// for twice in a row is one refusal).
void LogRefusedName(const std::string& line)
{
    static std::string last;
    if (line == last)
        return;
    last = line;
    LogError("GestFile", line.c_str(), __LINE__);
}

} // namespace

bool CGestFile::Init()
{
    plat::SetPathRefusalHook(LogRefusedName);
    std::memset(m_programFolder, 0, sizeof m_programFolder);
    std::memset(m_dataFolder, 0, sizeof m_dataFolder);
    std::memset(m_programSub, 0, sizeof m_programSub);
    std::memset(m_dataSub, 0, sizeof m_dataSub);

    std::string program = plat::ProgramFolder();
    // A folder that does not fit would be silently cut into another path.
    if (program.empty() || program.size() > std::size_t(kFolderMax))
        return false;
    CopyString(m_programFolder, program.c_str(), kFolderMax);

    std::string data = plat::JoinPath(plat::DataRoot(), "Karvelin");
    if (data.size() <= std::size_t(kFolderMax)) {
        CopyString(m_dataFolder, data.c_str(), kFolderMax);
        plat::MakeFolder(data);
    }

    for (int i = 0; i < P_COUNT; ++i)
        CopyString(m_programSub[i], plat::JoinPath(m_programFolder, kProgramNames[i]).c_str(), kFolderMax + 15);
    // Without a data folder the data subfolders stay empty too, rather than
    // turning into folders relative to wherever the game was started.
    for (int i = 0; m_dataFolder[0] && i < D_COUNT; ++i)
        CopyString(m_dataSub[i], plat::JoinPath(m_dataFolder, kDataNames[i]).c_str(), kFolderMax + 15);
    CreateFolders();
    return true;
}

void CGestFile::CreateFolders()
{
    if (!m_dataFolder[0])
        return; // never create game folders at the filesystem root
    for (auto& sub : m_dataSub)
        plat::MakeFolder(sub);
}

void CGestFile::CopyLineFiles()
{
    for (const std::string& name : plat::ListFiles(m_programSub[P_LENZE], "kvz")) {
        std::string from = plat::JoinPath(m_programSub[P_LENZE], name);
        std::string to = plat::JoinPath(m_dataSub[D_LENZE], name);
        // A file the configuration reader would refuse is not worth copying,
        // and is never taken into memory to be copied.
        std::uintmax_t size = 0;
        std::int64_t modified = 0;
        if (from.size() <= 644 && to.size() <= 644 && plat::FileStamp(from, size, modified) && size <= kMaxIniFile)
            plat::CopyFile(from, to);
    }
}

const char* CGestFile::FindFirst(const char* folder, const char* extension)
{
    m_found = plat::ListFiles(folder ? folder : "", extension ? extension : "");
    m_findIndex = 0;
    return FindNext();
}

const char* CGestFile::FindNext()
{
    if (m_findIndex < 0)
        return nullptr;
    if (std::size_t(m_findIndex) >= m_found.size()) {
        m_findIndex = -1;
        m_found.clear();
        return nullptr;
    }
    CopyString(m_findName, m_found[std::size_t(m_findIndex++)].c_str(), 260);
    return m_findName;
}

bool CGestFile::FileExists(const char* path) { return path && plat::PathExists(path); }

bool CGestFile::FileExistsIn(const char* folder, const char* name)
{
    return folder && name && FileExists(plat::JoinPath(folder, name).c_str());
}

// The file services join their paths in strings of their own: a caller's
// Concat or IntToText result must survive a call here.
bool CGestFile::FileExistsWithExt(const char* folder, const char* name, const char* extension)
{
    return name && extension && FileExistsIn(folder, (std::string(name) + "." + extension).c_str());
}

bool CGestFile::RemoveFile(const char* path) { return path && plat::DeleteFile(path); }

bool CGestFile::delFile(const char* folder, const char* name, const char* extension)
{
    if (!folder || !name || !extension)
        return false;
    return plat::DeleteFile(plat::JoinPath(folder, std::string(name) + "." + extension));
}

const char* CGestFile::StripExtension(const char* name)
{
    CopyString(m_scratch, name ? name : "", 512);
    if (char* dot = std::strrchr(m_scratch, '.'))
        *dot = '\0';
    return m_scratch;
}

bool CGestFile::OpenIni(const char* path, plat::IniDocument& doc)
{
    std::string text;
    const bool read = path && plat::ReadFileUpTo(path, kMaxIniFile, text);
    doc.Parse(text);
    return read;
}

bool CGestFile::ReadString(const plat::IniDocument& doc, const char* section, const char* key, const char* def,
                           char* buffer, int size)
{
    if (!buffer || size <= 0)
        return false;
    std::string value;
    if (section && key)
        doc.Get(section, key, value);
    // A value that starts with a NUL byte would copy as an empty text: it
    // counts as missing, as in every reader of the game's files.
    if (!value.empty() && value[0] != '\0') {
        CopyString(buffer, value.c_str(), size - 1);
        return true;
    }
    // The default is cut like a value: it must never run past the buffer.
    if (def)
        CopyString(buffer, def, size - 1);
    else
        buffer[0] = '\0';
    return false;
}

int CGestFile::ReadInt(const plat::IniDocument& doc, const char* section, const char* key, int def)
{
    char text[513] = {};
    if (!ReadString(doc, section, key, "ERROR", text, 512) || std::strcmp(text, "ERROR") == 0)
        return def;
    return TextToInt(text);
}

bool CGestFile::ReadString(const char* section, const char* key, const char* def, char* buffer, int size,
                           const char* path)
{
    if (!buffer || size <= 0)
        return false;
    // One key of a file: a single pass over its text, bounded like every read.
    std::string text, value;
    if (section && key && path && plat::ReadFileUpTo(path, kMaxIniFile, text))
        plat::IniReadText(text, section, key, value);
    if (!value.empty() && value[0] != '\0') {
        CopyString(buffer, value.c_str(), size - 1);
        return true;
    }
    plat::IniDocument none;
    return ReadString(none, nullptr, nullptr, def, buffer, size);
}

int CGestFile::ReadInt(const char* section, const char* key, int def, const char* path)
{
    // Its own buffer, so a StripExtension result survives the read.
    char text[513] = {};
    if (!ReadString(section, key, "ERROR", text, 512, path) || std::strcmp(text, "ERROR") == 0)
        return def;
    return TextToInt(text);
}

bool CGestFile::WriteString(const char* section, const char* key, const char* value, const char* path)
{
    if (!section || !key || !path)
        return false;
    return plat::IniWrite(path, section, key, value ? value : "");
}

bool CGestFile::WriteInt(const char* section, const char* key, int value, const char* path)
{
    return WriteString(section, key, std::to_string(value).c_str(), path);
}
