#pragma once
// A fresh program folder and data root for one test, removed afterwards.
// The platform's folder seams point at them while the object lives.
#include <string>

namespace testing_support {

class TempFolders {
public:
    TempFolders();
    ~TempFolders();
    TempFolders(const TempFolders&) = delete;
    TempFolders& operator=(const TempFolders&) = delete;

    const std::string& Root() const { return m_root; }
    const std::string& Program() const { return m_program; }   // stands in for the working directory
    const std::string& DataRoot() const { return m_dataRoot; } // the game adds "/Karvelin" below it
    std::string Data() const { return m_dataRoot + "/Karvelin"; }

    // Writes a file (creating its folders); path relative to Root().
    void Write(const std::string& relative, const std::string& bytes) const;
    std::string Read(const std::string& relative) const;

private:
    std::string m_root, m_program, m_dataRoot;
};

// A full disk, as this process meets it: while the object lives, writing a
// file past the given size fails (even as root); the signal that would end
// the process is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long m_saved;
    void (*m_handler)(int);
};

} // namespace testing_support
