#pragma once
// Venue, bottom and weather tests: a headless device, fresh program and data
// folders, the species catalogue loaded (the venues read it) and the error
// log at hand.
#include "shell/GestFile.h"
#include "tests/shell/GfxFixture.h"
#include "tests/support/TempFolders.h"
#include "world/Pesci.h"

#include <string>

namespace world_test {

class WorldTest : public gfx_test::GfxTest {
protected:
    void SetUp() override
    {
        GfxTest::SetUp();
        g_Opzioni.italian = false;
        ASSERT_TRUE(g_GestFile.Init());
        g_Pesci.Load(dev.get());
    }

    std::string VenueFolder() const { return tmp.Program() + "/Luoghi"; }
    std::string UserVenueFolder() const { return tmp.Data() + "/Luoghi"; }
    void WriteVenue(const std::string& name, const std::string& text) const
    {
        tmp.Write("program/Luoghi/" + name, text);
    }
    std::string ErrorLog() const { return tmp.Read("appdata/Karvelin/norva_error.log"); }

    testing_support::TempFolders tmp;
};

} // namespace world_test
