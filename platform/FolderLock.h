#pragma once
// One game per data folder: an advisory lock on a small file in the folder,
// held while this process lives. The system drops it when the process ends,
// however it ends, so no lock outlives its game.
#include <string>

namespace plat {

enum class FolderLockResult {
    Taken,       // this process holds the folder now (or held it already)
    HeldByOther, // another process holds it
    Unavailable, // the lock file cannot be made or is not a plain file
};

// Takes the lock of folder (the file lockName inside it), giving up any lock
// this process held on another folder. Never waits.
FolderLockResult LockFolder(const std::string& folder, const char* lockName);
// Gives up the lock this process holds, if any.
void UnlockFolder();
// Whether some process holds the lock of folder, without taking it (tests).
bool IsFolderLocked(const std::string& folder, const char* lockName);

} // namespace plat
