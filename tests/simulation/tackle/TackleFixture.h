#pragma once
// Tackle tests: fresh program and data folders, an 800 x 600 screen, the
// settings put back afterwards, the fallback list emptied, and helpers that
// write tackle files in the game's own CR LF form.
#include "shell/GestFile.h"
#include "shell/Opzioni.h"
#include "simulation/tackle/TackleFile.h"
#include "tests/support/SharedState.h"
#include "tests/support/TempFolders.h"

#include <gtest/gtest.h>

#include <string>

namespace tackle_test {

// "[S]\nK=V\n" with every line ending turned into CR LF.
inline std::string Crlf(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

class TackleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_nScreenW = g_nViewportW = 800;
        g_nScreenH = g_nViewportH = 600;
        g_Opzioni.italian = false;
        g_Opzioni.units = 0;
        g_Opzioni.waters = 2;
        g_GestFile.Init();
        ClearTackleFallbacks();
    }
    void TearDown() override { ClearTackleFallbacks(); }

    // A file in the program-side folder of that kind, e.g. Program("Ami", "a.kva", ...).
    void Program(const std::string& folder, const std::string& name, const std::string& body)
    {
        folders.Write("program/" + folder + "/" + name, Crlf(body));
    }
    void Data(const std::string& folder, const std::string& name, const std::string& body)
    {
        folders.Write("appdata/Karvelin/" + folder + "/" + name, Crlf(body));
    }
    std::string ReadData(const std::string& folder, const std::string& name)
    {
        return folders.Read("appdata/Karvelin/" + folder + "/" + name);
    }

    testing_support::SharedState saved;
    testing_support::TempFolders folders;
};

} // namespace tackle_test
