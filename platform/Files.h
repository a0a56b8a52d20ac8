#pragma once
// Files and folders. Paths are joined with "/"; ResolvePath() accepts "\"
// too and finds names case-insensitively, because data files written for
// other systems name their pictures in any case.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

// The working directory at start-up (the program folder); empty when it cannot be read.
std::string ProgramFolder();
// The folder the game's data folder lives in: $XDG_DATA_HOME when set and
// absolute, else ~/.local/share (created with its parents). Never empty.
std::string DataRoot();

// Test seams: override the two roots (empty restores the real ones).
void SetProgramFolderForTests(const std::string& folder);
void SetDataRootForTests(const std::string& folder);

// The folder and a name inside it. Names come from data files players
// exchange, so a name that would lead out of the folder (an absolute path, a
// drive letter, a ".." component with either separator) is refused: the
// result is empty, which no file operation opens, and the refusal is
// reported once through the refusal hook.
std::string JoinPath(std::string_view folder, std::string_view name);
// Whether the name stays inside any folder it is joined to.
bool IsNameInsideFolder(std::string_view name);
// Hears every refused name (one line each); the shell sends them to the
// error log. Null: refusals are silent.
void SetPathRefusalHook(void (*hook)(const std::string& line));

// Test seam: hears every path the file layer resolves before it is looked
// at, opened, written or removed (null to stop).
void SetPathObserverForTests(void (*observer)(const std::string& path));

// Size and modification time of a file, for caches that must notice a
// change; false when it is not a regular file.
bool FileStamp(const std::string& path, std::uintmax_t& size, std::int64_t& modified);
// "\" becomes "/"; a component that does not exist under its exact name is
// looked up case-insensitively. A path that cannot be found comes back with
// only its separators changed. Each folder is listed once and kept until its
// modification time changes, so resolving many names in one folder stays
// linear.
std::string ResolvePath(std::string_view path);

bool MakeFolder(const std::string& path); // with parents; an existing folder is success
bool PathExists(const std::string& path); // a file or a folder
bool IsFolder(const std::string& path);
bool IsRegularFile(const std::string& path);
bool DeleteFile(const std::string& path); // never removes a folder
bool CopyFile(const std::string& from, const std::string& to); // replaces the target

// Regular files of the folder whose extension (after the last dot) equals ext
// without regard to case, sorted by their upper-cased names.
std::vector<std::string> ListFiles(const std::string& folder, std::string_view ext);

// At most the first limit bytes of a regular file (the whole file when it
// is shorter); false, nothing read, for anything else.
bool ReadFileHead(const std::string& path, std::size_t limit, std::string& bytes);
bool ReadWholeFile(const std::string& path, std::string& bytes);
// The same, refusing (false, nothing read) a file longer than limit bytes,
// so a huge file is never taken into memory.
bool ReadFileUpTo(const std::string& path, std::size_t limit, std::string& bytes);
// Writes a temporary file in the same folder and renames it over the target,
// so the target is always either the old or the new content.
bool WriteFileAtomic(const std::string& path, std::string_view bytes);
bool AppendToFile(const std::string& path, std::string_view bytes);

} // namespace plat
