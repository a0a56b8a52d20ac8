#include "simulation/tackle/TackleFile.h"

#include "platform/Files.h"
#include "platform/Ini.h"
#include "platform/Resources.h"
#include "shell/Opzioni.h"
#include "shell/SpriteBordo.h"
#include "shell/Utility.h"

#include <cstring>

namespace {

std::vector<std::string> g_fallbacks;

} // namespace

bool CIniText::Open(const char* path)
{
    m_doc.Parse({});
    std::string text;
    if (!path || !*path || !plat::IsRegularFile(path) || !plat::ReadFileUpTo(path, kMaxFile, text))
        return false;
    m_doc.Parse(text);
    return true;
}

bool CIniText::ReadString(const char* section, const char* key, const char* def, char* buffer, int max) const
{
    if (!buffer || max < 0)
        return false;
    std::string value;
    if (section && key)
        m_doc.Get(section, key, value);
    // A value that starts with a NUL byte would be copied as an empty text:
    // it is as good as missing, so an item never ends up without a name.
    if (!value.empty() && value[0] != '\0') {
        CopyString(buffer, value.c_str(), max);
        return true;
    }
    CopyString(buffer, def ? def : "", max);
    return false;
}

int CIniText::ReadInt(const char* section, const char* key, int def, bool* found) const
{
    std::string value;
    if (section && key)
        m_doc.Get(section, key, value);
    const bool has = !value.empty() && value[0] != '\0' && value != "ERROR";
    if (found)
        *found = has;
    return has ? TextToInt(value.c_str()) : def;
}

void CIniText::WriteString(const char* section, const char* key, const char* value)
{
    if (section && key)
        m_doc.Set(section, key, value ? value : "");
}

void CIniText::WriteInt(const char* section, const char* key, int value)
{
    WriteString(section, key, std::to_string(value).c_str());
}

bool CIniText::Save(const char* path) const { return path && *path && plat::WriteFileAtomic(path, m_doc.Text()); }

void CopyTackleText(char* dest, const char* src, int max) { CopyString(dest, src ? src : "", max); }

void NoteTackleFallback(const std::string& line)
{
    // Bounded: a folder full of broken files must not grow this for ever.
    if (g_fallbacks.size() < 10000)
        g_fallbacks.push_back(line);
}

void LogTackleFallback(const std::string& line)
{
    NoteTackleFallback(line);
    LogError("tackle", line.c_str(), __LINE__);
}

const std::vector<std::string>& TackleFallbacks() { return g_fallbacks; }

void ClearTackleFallbacks() { g_fallbacks.clear(); }

bool OpenTackleFile(const char* folder, const char* fileName, const TackleKind& kind, CIniText& file)
{
    // An id or folder cut to fit would name another file: such a file is
    // left out.
    if (std::strlen(fileName) > 128 || std::strlen(folder) > 512) {
        LogTackleFallback(std::string(kind.section) + ": name too long, left out: " + fileName);
        return false;
    }
    if (!file.Open(plat::JoinPath(folder, fileName).c_str()))
        NoteTackleFallback(std::string(kind.section) + " " + fileName + ": unreadable, every key takes its default");
    return true;
}

std::string ReadableTackleId(const char* fileName, const TackleKind& kind)
{
    std::string readable = COpzioni::AsStored(fileName);
    if (readable.empty() || readable == fileName)
        return std::string();
    // A file that has that very name keeps it: the id written by a rig that
    // mounted it must go on naming it.
    for (const char* folder : {g_GestFile.GetProgramSubfolder(kind.programFolder),
                               g_GestFile.GetDataSubfolder(kind.dataFolder)})
        if (folder && *folder && g_GestFile.FileExistsIn(folder, readable.c_str()))
            return std::string();
    return readable;
}

void ReadTackleHead(const CIniText& file, const TackleKind& kind, TackleHead& head)
{
    const std::string where = std::string(kind.section) + " " + head.id + ": ";
    const char* generic = Tr(kind.genericItalian, kind.genericEnglish);
    if (!file.ReadString(kind.section, "NOME", generic, head.name, 128))
        NoteTackleFallback(where + "NOME missing");
    if (!IsItalian()) {
        char nome[129];
        CopyString(nome, head.name, 128);
        file.ReadString(kind.section, "NAME", nome, head.name, 128);
    }
    const char* descKey = IsItalian() ? "DESCRIZIONE" : "DESCRIPTION";
    if (!file.ReadString(kind.section, descKey, head.name, head.description, 512))
        NoteTackleFallback(where + descKey + " missing");
    if (!kind.hasPhoto) {
        head.photo[0] = '\0';
        return;
    }
    if (!file.ReadString(kind.section, "FILENAMEFOTO", kNoPhotoName, head.photo, 128))
        NoteTackleFallback(where + "FILENAMEFOTO missing");
    else if (std::strcmp(head.photo, kNoPhotoName) != 0 && !g_GestFile.FileExistsIn(head.folder, head.photo))
        NoteTackleFallback(where + "photo " + head.photo + " not found");
}

int ReadTackleInt(const CIniText& file, const TackleKind& kind, const char* fileName, const char* key, int def,
                  int lo, int hi)
{
    bool found = false;
    int v = file.ReadInt(kind.section, key, def, &found);
    if (!found)
        NoteTackleFallback(std::string(kind.section) + " " + fileName + ": " + key + " missing");
    if (lo <= hi && (v < lo || v > hi)) {
        if (found)
            NoteTackleFallback(std::string(kind.section) + " " + fileName + ": " + key + " " + std::to_string(v) +
                               " clamped");
        v = v < lo ? lo : hi;
    }
    return v;
}

bool HasTackleBitmap(std::uint32_t bitmapId)
{
    return plat::FindResource(plat::ResourceKind::Bitmap, int(bitmapId)) != nullptr;
}

int LoadTacklePhoto(CSpriteBordo& photo, plat::Device* dev, const char* folder, const char* fileName,
                    std::uint32_t bitmapId, int width, int height)
{
    if (!dev)
        return 0;
    if (HasTackleBitmap(bitmapId))
        return photo.LoadPhoto(dev, folder, fileName, bitmapId, width, height);
    // Without its built-in picture the photo file alone can be shown.
    if (fileName && *fileName && std::strcmp(fileName, kNoPhotoName) != 0 && folder &&
        g_GestFile.FileExistsIn(folder, fileName) &&
        photo.TryCreateFromFile(dev, plat::JoinPath(folder, fileName).c_str(), width, height) == 0) {
        photo.m_alpha = 1.0f;
        return 0;
    }
    photo.Release();
    NoteTackleFallback("picture " + std::to_string(bitmapId) + " is not among the game's pictures");
    return 1;
}

int LoadTackleBitmap(CSprite& sprite, plat::Device* dev, std::uint32_t bitmapId, int width, int height)
{
    if (!dev)
        return 0;
    if (!HasTackleBitmap(bitmapId)) {
        sprite.Release();
        NoteTackleFallback("picture " + std::to_string(bitmapId) + " is not among the game's pictures");
        return 1;
    }
    return sprite.CreateFromResource(dev, bitmapId, width, height);
}
